#include "convert/almap_to_ozi_route.h"

#include "io/error.h"

namespace morlindo {

ConversionResult convertAlmapToOziRoute(const std::filesystem::path& inputPath,
                                        const OziRouteOptions&) {
    throw Error(inputPath, "this conversion is not available yet");
}

}  // namespace morlindo
