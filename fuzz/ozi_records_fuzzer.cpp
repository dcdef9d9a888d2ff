// Any bytes as an OziExplorer waypoint file and as a route file: each
// reader yields items with finite coordinates within their ranges, route
// points only after a route, or stops with an Error that names a line of
// the file; it never crashes.
#include <cmath>
#include <memory>

#include "formats/ozi_route.h"
#include "formats/ozi_waypoints.h"
#include "fuzz_file.h"
#include "io/error.h"

namespace {

void readAll(morlindo::ItemReader& reader, std::size_t size) {
    using namespace morlindo;
    Item item;
    bool inRoute = false;
    while (reader.next(item)) {
        if (item.kind == ItemKind::RouteStart) {
            inRoute = true;
            continue;
        }
        if (item.kind == ItemKind::RoutePoint && !inRoute) fuzz::fuzzFailure("a route point alone");
        if (!(std::fabs(item.latitude) <= 90) || !(std::fabs(item.longitude) <= 180)) {
            fuzz::fuzzFailure("a point out of range");
        }
        if (item.line < 5 || static_cast<std::size_t>(item.line) > size + 1) {
            fuzz::fuzzFailure("an item line outside the file");
        }
    }
}

template <typename Reader>
void readAs(const std::filesystem::path& input, std::size_t size) {
    try {
        Reader reader(input);
        readAll(reader, size);
    } catch (const morlindo::Error& error) {
        if (error.line() < 0 || static_cast<std::size_t>(error.line()) > size + 1) {
            morlindo::fuzz::fuzzFailure("error line outside the file");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace morlindo;
    readAs<OziWaypointsReader>(fuzz::writeScratchFile("points.wpt", data, size), size);
    readAs<OziRouteReader>(fuzz::writeScratchFile("route.rte", data, size), size);
    return 0;
}
