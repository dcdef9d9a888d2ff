// AlMap track (.alr) -> OziExplorer waypoints (.wpt): every point becomes one
// waypoint named with the prefix and a running number of at least 3 digits.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"

namespace morlindo {

struct OziWaypointOptions {
    std::string namePrefix = "WPT";        // UTF-8; written in the context's code page
    std::int32_t waypointForeColor = 255;  // colours are 0x00BBGGRR
    std::int32_t waypointBackColor = 16777215;
};

ConversionResult convertAlmapToOziWaypoints(const std::filesystem::path& inputPath,
                                            const OziWaypointOptions& options,
                                            const ConversionContext& context);

}  // namespace morlindo
