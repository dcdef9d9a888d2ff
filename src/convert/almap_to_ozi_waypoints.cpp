#include "convert/almap_to_ozi_waypoints.h"

#include "io/error.h"

namespace morlindo {

ConversionResult convertAlmapToOziWaypoints(const std::filesystem::path& inputPath,
                                            const OziWaypointOptions&) {
    throw Error(inputPath, "this conversion is not available yet");
}

}  // namespace morlindo
