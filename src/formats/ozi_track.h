// The OziExplorer track file (.plt), text with CR LF line ends:
//   1 "OziExplorer Track Point File Version 2.1"   2 "WGS 84"
//   3 "Altitude is in feet"                        4 a reserved line
//   5 track attributes: 0,width,colour,name,1,type,0,colour
//   6 the number of point lines that follow
//   7.. latitude,longitude,code,altitude in feet,day number,date,time
// The two writers of this system render lines 4 and 6 and the point fields
// differently (see the converters); the reader accepts both.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// Reads the points of a track file. Lines 1 to 5 are not examined; line 6
// gives the count (cut toward zero). A count above 0 reads exactly that many
// further lines, 0 or less reads to the end. An empty line yields no point
// but uses up a counted line. Any fault of the file is an Error naming the
// file and the line.
class OziTrackReader {
public:
    // progress, when given, hears how far the file has been read.
    explicit OziTrackReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);

    // The next point; false after the last one.
    bool next(OziTrackPoint& point);
    // The line number of the point last read.
    std::int64_t lineNumber() const noexcept { return lines_.lineNumber(); }

private:
    bool nextLine(std::string_view& line);
    [[noreturn]] void fail(ReasonPattern pattern, std::vector<ReasonValue> values = {}) const;
    OziTrackPoint parsePointLine(std::string_view line) const;

    InputFile file_;
    LineReader lines_;
    bool counted_ = false;
    std::uint64_t announced_ = 0;
    std::uint64_t pointLinesRead_ = 0;
};

// readOziTrackPoints: calls onPoint(latitude, longitude) for every point, in
// file order.
template <typename OnPoint>
void readOziTrackPoints(const std::filesystem::path& path, OnPoint&& onPoint) {
    OziTrackReader reader(path);
    OziTrackPoint point;
    while (reader.next(point)) onPoint(point.latitude, point.longitude);
}

}  // namespace morlindo
