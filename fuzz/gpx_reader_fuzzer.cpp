// Any bytes as a GPX file: the reader yields points in range, with finite
// elevations and real times, or stops with an Error; it never crashes, and
// its memory stays bounded however entities expand. The points read, written
// as GPX (under a name of any bytes) and read again, come back the same.
#include <algorithm>
#include <cmath>
#include <vector>

#include "formats/gpx_reader.h"
#include "formats/gpx_writer.h"
#include "fuzz_file.h"
#include "io/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace morlindo;
    const auto input = fuzz::writeScratchFile("in.gpx", data, size);
    const auto copy = fuzz::scratchFolder() / "copy.gpx";
    std::vector<Item> items;
    try {
        GpxReader reader(input);
        OutputFile output(copy);
        GpxItemWriter writer(WriteTarget{
            output, input,
            std::string(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 64))});
        Item p;
        while (reader.next(p)) {
            const auto& time = p.utcTime;
            if (!gpxCanHold(p.latitude, p.longitude) ||
                (p.altitudeMeters && !std::isfinite(*p.altitudeMeters)) ||
                (time && (!isValidDateTime(*time) || time->year < 1 || time->year > 9999))) {
                fuzz::fuzzFailure("a point out of range");
            }
            writer.write(p);
            if (items.size() < 1000) items.push_back(p);
        }
        writer.finish();
        output.commit();
    } catch (const Error& error) {
        if (error.line() < 0) fuzz::fuzzFailure("a negative line");
        return 0;
    }
    // The copy holds the same items, but a track without a segment or a name
    // gets the name given.
    GpxReader again(copy);
    Item back;
    for (const Item& p : items) {
        if (!again.next(back) || back.kind != p.kind) fuzz::fuzzFailure("another item read back");
        if (p.kind == ItemKind::TrackStart || p.kind == ItemKind::SegmentStart ||
            p.kind == ItemKind::RouteStart) {
            continue;
        }
        if (back.latitude != p.latitude || back.altitudeMeters != p.altitudeMeters ||
            back.utcTime != p.utcTime ||
            back.longitude != (p.longitude == 180 ? -180 : p.longitude)) {
            fuzz::fuzzFailure("the written GPX reads differently");
        }
    }
    return 0;
}
