// The OziExplorer track file (.plt), text with CR LF line ends:
//   1 "OziExplorer Track Point File Version 2.1"   2 "WGS 84"
//   3 "Altitude is in feet"                        4 a reserved line
//   5 track attributes: 0,width,colour,name,1,type,0,colour
//   6 the number of point lines that follow
//   7.. latitude,longitude,code,altitude in feet,day number,date,time
// The two writers of this system render lines 4 and 6 and the point fields
// differently (see the converters); the reader accepts both. Line 6 is
// written correctly but not trusted when read: the map program does not use
// it, and real files announce more or fewer points than they hold.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/civil_time.h"
#include "io/error.h"
#include "io/input_file.h"
#include "io/output_file.h"

namespace morlindo {

struct OziTrackOptions {
    std::string lineWidth = "2";    // the text of the line-width choice, "1" or "2"
    std::int32_t trackColor = 255;  // 0x00BBGGRR
    std::int32_t trackType = 0;     // 0 polyline, 10 polygon
};

inline constexpr std::int32_t kTrackTypePolyline = 0;
inline constexpr std::int32_t kTrackTypePolygon = 10;

// Line 5: "0," width "," colour "," name ",1," type ",0," colour.
std::string oziTrackAttributeLine(const OziTrackOptions& options, std::string_view trackName);

// Writes lines 1 to 6; reservedLine is line 4 and countText line 6.
void writeOziTrackHeader(OutputFile& output, std::string_view reservedLine,
                         const OziTrackOptions& options, std::string_view trackName,
                         std::string_view countText);

struct OziTrackPoint {
    double latitude = 0;
    double longitude = 0;
};

// What the point line tells besides the position: field 4, the altitude in
// feet (none for -777, OziExplorer's "no altitude", or when it is not a
// number), and field 5, the day number (days since 1899-12-30, the time of
// day as the fraction) as a local date and time to the nearest second (none
// when it is not a number above 0 and before the year 10000).
// The international foot, in which the track's altitudes are given.
inline constexpr double kMetresPerFoot = 0.3048;

struct OziTrackPointDetails {
    std::optional<double> altitudeFeet;
    std::optional<DateTime> localTime;
};
OziTrackPointDetails readOziTrackPointDetails(std::string_view otherFields);

// Reads the points of a track file: every point line after the six header
// lines, to the end of the file, whatever line 6 announces; the header lines
// are not examined. Empty lines yield nothing, and a DOS end-of-file byte
// (0x1A) alone on the last line ends the file. Any fault of the file is an
// Error naming the file and the line.
class OziTrackReader {
public:
    // progress, when given, hears how far the file has been read.
    explicit OziTrackReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);

    // The next point; nullopt after the last one.
    std::optional<OziTrackPoint> next();
    // The line number of the point last read.
    std::int64_t lineNumber() const noexcept { return lines_.lineNumber(); }
    // The fields of that point's line after the longitude ("code,altitude,
    // day number,..."), as readOziTrackPointDetails takes them; valid until
    // the next point is read.
    std::string_view otherFields() const noexcept { return otherFields_; }

private:
    [[noreturn]] void fail(ReasonPattern pattern, std::vector<ReasonValue> values = {}) const;
    OziTrackPoint parsePointLine(std::string_view line) const;

    InputFile file_;
    LineReader lines_;
    std::string_view otherFields_;
};

// readOziTrackPoints: calls onPoint(latitude, longitude) for every point, in
// file order.
template <typename OnPoint>
void readOziTrackPoints(const std::filesystem::path& path, OnPoint&& onPoint) {
    OziTrackReader reader(path);
    while (const auto point = reader.next()) onPoint(point->latitude, point->longitude);
}

}  // namespace morlindo
