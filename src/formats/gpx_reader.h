// Reading the GPS Exchange file (.gpx, GPX 1.1 and 1.0), streamed through
// expat so that memory stays flat whatever the file's size.
//
// The points, in file order, are every trkpt of every trk/trkseg; in a file
// without any, every rtept of its routes; in a file without either, every
// wpt. Each has the attributes lat and lon (decimal degrees) and may have the
// children ele (metres) and time (an xsd:dateTime). Elements count when they
// stand in the GPX 1.1 or 1.0 namespace or in none; extensions and every
// other element are passed over. Only the points read are checked: a bad
// point of a kind not taken does not stop the reading.
//
// Safety: no external entity or DTD is ever loaded, expat bounds how far
// internal entities may expand, and a single tag, comment or declaration
// longer than 1 MiB (which expat would hold whole) is an error.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "io/civil_time.h"

namespace morlindo {

class ReadProgress;

struct GpxPoint {
    double latitude = 0;   // decimal degrees, -90 to 90
    double longitude = 0;  // decimal degrees, -180 to 180
    std::optional<double> elevationMeters;
    std::optional<DateTime> utcTime;  // to whole seconds
};

// Reads the points of a GPX file one by one. Any fault of the file (not
// well-formed XML, an encoding expat does not know, no gpx root, a point
// without or with a bad lat or lon, a bad ele or time) is an Error naming the
// file and the line.
class GpxReader {
public:
    // progress, when given, hears how far the file has been read. A file of
    // routes or waypoints only is read twice: first to learn that it has no
    // track points, then for its points.
    explicit GpxReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);
    ~GpxReader();
    GpxReader(const GpxReader&) = delete;
    GpxReader& operator=(const GpxReader&) = delete;

    // The next point; nullopt after the last one.
    std::optional<GpxPoint> next();

    const std::filesystem::path& path() const noexcept;

private:
    class Parse;
    std::unique_ptr<Parse> parse_;
};

// An xsd:dateTime as GPX writes times, "YYYY-MM-DDThh:mm:ss", then an
// optional fraction of a second (dropped), then "Z", an offset "+hh:mm" or
// "-hh:mm", or nothing (UTC, as GPX defines). Blanks around it are allowed;
// "24:00:00" is the next day's midnight. The time in UTC, or nullopt when the
// text is no such time or the UTC time lies outside the years 1 to 9999.
std::optional<DateTime> parseXmlDateTime(std::string_view text);

}  // namespace morlindo
