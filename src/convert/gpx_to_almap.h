// GPS Exchange file (.gpx) -> AlMap track (.alr): one record per point of
// the file (its track points, else its route points, else its waypoints).
#pragma once

#include <filesystem>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"

namespace morlindo {

ConversionResult convertGpxToAlmap(const std::filesystem::path& inputPath,
                                   const ConversionContext& context);

}  // namespace morlindo
