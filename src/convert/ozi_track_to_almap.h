// OziExplorer track (.plt) -> AlMap track (.alr): every point line becomes one
// record with its latitude and longitude as read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"

namespace morlindo {

ConversionResult convertOziTrackToAlmap(const std::filesystem::path& inputPath,
                                        const ConversionContext& context);

}  // namespace morlindo
