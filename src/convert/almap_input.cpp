#include "convert/almap_input.h"

#include <cmath>
#include <string>

#include "io/error.h"

namespace morlindo {

AlmapTrackPoint readCheckedAlmapPoint(AlmapTrackReader& reader, std::uint64_t recordNumber) {
    const AlmapTrackPoint point = reader.readAlmapPoint();
    const char* bad = !std::isfinite(point.longitude)  ? "longitude"
                      : !std::isfinite(point.latitude) ? "latitude"
                                                       : nullptr;
    if (bad != nullptr) {
        throw Error(reader.path(), "record " + std::to_string(recordNumber) + ": the " + bad +
                                       " is not a finite number; this is not an AlMap track file");
    }
    return point;
}

}  // namespace morlindo
