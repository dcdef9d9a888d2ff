// AlMap track (.alr) -> OziExplorer track (.plt). Every record becomes one
// point line: coordinates rounded to six decimals, altitude -777 (none),
// code 0, and the local date and time at which the line is written.
#pragma once

#include <filesystem>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "formats/ozi_track.h"

namespace morlindo {

ConversionResult convertAlmapToOziTrack(const std::filesystem::path& inputPath,
                                        const OziTrackOptions& options,
                                        const ConversionContext& context);

}  // namespace morlindo
