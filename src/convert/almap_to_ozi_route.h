// AlMap track (.alr) -> OziExplorer route (.rte): the whole track becomes one
// route, every point one route waypoint, in file order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"

namespace morlindo {

// Texts are UTF-8; they are written in the context's code page.
struct OziRouteOptions {
    std::string routeName = "R0";
    std::string routeDescription;
    std::int32_t routeColor = 255;  // colours are 0x00BBGGRR
    std::int32_t waypointForeColor = 255;
    std::int32_t waypointBackColor = 16777215;
};

ConversionResult convertAlmapToOziRoute(const std::filesystem::path& inputPath,
                                        const OziRouteOptions& options,
                                        const ConversionContext& context);

}  // namespace morlindo
