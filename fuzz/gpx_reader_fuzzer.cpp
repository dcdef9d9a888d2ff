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
    std::vector<GpxPoint> points;
    try {
        GpxReader reader(input);
        OutputFile output(copy);
        GpxTrackWriter writer(output, std::string_view(reinterpret_cast<const char*>(data),
                                                       std::min<std::size_t>(size, 64)));
        while (const auto p = reader.next()) {
            const auto& time = p->utcTime;
            if (!gpxCanHold(p->latitude, p->longitude) ||
                (p->elevationMeters && !std::isfinite(*p->elevationMeters)) ||
                (time && (!isValidDateTime(*time) || time->year < 1 || time->year > 9999))) {
                fuzz::fuzzFailure("a point out of range");
            }
            writer.writePoint(p->latitude, p->longitude, p->elevationMeters, time);
            if (points.size() < 1000) points.push_back(*p);
        }
        writer.finish();
        output.commit();
    } catch (const Error& error) {
        if (error.line() < 0) fuzz::fuzzFailure("a negative line");
        return 0;
    }
    GpxReader again(copy);
    for (const GpxPoint& p : points) {
        const auto back = again.next();
        if (!back || back->latitude != p.latitude || back->elevationMeters != p.elevationMeters ||
            back->utcTime != p.utcTime ||
            back->longitude != (p.longitude == 180 ? -180 : p.longitude)) {
            fuzz::fuzzFailure("the written GPX reads differently");
        }
    }
    return 0;
}
