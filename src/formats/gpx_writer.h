// Writing the GPS Exchange file (GPX 1.1) that every modern map tool reads:
// UTF-8 with LF line ends (XML does not mind which), the root gpx with the
// GPX 1.1 namespace and schema location, then wpt, rte with rtept, and trk
// with trkseg and trkpt elements, each point with its optional ele, time,
// name and desc:
//   <trkpt lat="37.5" lon="127.25"><ele>545.4</ele><time>2004-11-08T06:30:00Z</time></trkpt>
// Numbers are written in the shortest plain decimal that reads back as the
// same double, never with an exponent (negative zero as "0").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/item_stream.h"
#include "io/civil_time.h"
#include "io/output_file.h"

namespace morlindo {

// GPX holds latitudes from -90 to 90 and longitudes from -180 to 180 (where
// 180 is written as -180, the same meridian).
bool gpxCanHold(double latitude, double longitude);

// UTF-8 text as XML character data: "&", "<" and ">" escaped, and byte
// sequences that are not UTF-8 or characters XML cannot hold replaced by
// U+FFFD, so that any file name makes a well-formed file.
std::string xmlText(std::string_view utf8);

// Writes the stream as GPX: every track (named after the source when it has
// no name) with its segments, every waypoint and every route, in stream
// order. GPX wants waypoints before routes before tracks; every reader of
// this system yields them so or has only one of them.
class GpxItemWriter final : public ItemWriter {
public:
    // Writes everything before the first item.
    explicit GpxItemWriter(const WriteTarget& target);

    // A point GPX cannot hold (see gpxCanHold) is an Error naming the source,
    // the point's number among the points written and its line.
    void write(const Item& item) override;
    // Writes the closing tags.
    void finish() override;

private:
    enum class Open : std::uint8_t { Nothing, Track, Segment, Route };
    // Closes the open elements down to keep (Nothing: all of them).
    void close(Open keep);
    void writeNames(std::string_view name, std::string_view description);
    void writePoint(const Item& item, std::string_view head, std::string_view tag);

    OutputFile& output_;
    std::filesystem::path source_;
    std::string defaultName_;
    Open open_ = Open::Nothing;
    std::uint64_t points_ = 0;
    std::string line_;
};

}  // namespace morlindo
