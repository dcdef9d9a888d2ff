// Writing the GPS Exchange file (GPX 1.1) that every modern map tool reads:
// UTF-8 with LF line ends (XML does not mind which), the root gpx with the
// GPX 1.1 namespace and schema location, one trk named after its source, one
// trkseg, and one trkpt per point with its optional ele and time:
//   <trkpt lat="37.5" lon="127.25"><ele>545.4</ele><time>2004-11-08T06:30:00Z</time></trkpt>
// Numbers are written in the shortest plain decimal that reads back as the
// same double, never with an exponent (negative zero as "0").
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

class GpxTrackWriter {
public:
    // Writes everything before the first point; trackName is UTF-8.
    GpxTrackWriter(OutputFile& output, std::string_view trackName);

    // The point must be one that gpxCanHold; utcTime is written as
    // "YYYY-MM-DDThh:mm:ssZ" and must lie in the years 1 to 9999.
    void writePoint(double latitude, double longitude, const std::optional<double>& elevationMeters,
                    const std::optional<DateTime>& utcTime);
    // Writes the closing tags.
    void finish();

private:
    OutputFile& output_;
    std::string line_;
};

}  // namespace morlindo
