// The OziExplorer track file (.plt), text with CR LF line ends:
//   1 "OziExplorer Track Point File Version 2.1"   2 "WGS 84"
//   3 "Altitude is in feet"                        4 a reserved line
//   5 track attributes: 0,width,colour,name,1,type,0,colour
//   6 the number of point lines that follow
//   7.. latitude,longitude,code,altitude in feet,day number,date,time
// Field 3 (code) is 1 on a point that begins a new segment, a break in the
// line. Line 2 names the datum: only "WGS 84" is read. Line 3 tells the unit
// of the altitudes, feet unless it says "Altitude is in Meters". The two
// renderings of this system's writer differ in lines 4 and 6 and the point
// fields (see ozi_track_items.h); the reader accepts both. Line 6 is written
// correctly but not trusted when read: the map program does not use it, and
// real files announce more or fewer points than they hold.
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

// A field of an OziExplorer file as a message quotes it: in double quotes,
// cut after 40 bytes ("..."), control bytes shown as "?".
std::string quotedField(std::string_view field);

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

// OziExplorer's altitude for "no valid altitude".
inline constexpr std::int32_t kNoAltitudeFeet = -777;

// The altitude in whole feet, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4); "no altitude" when there is none or the feet do not fit a
// 32-bit integer.
std::int32_t altitudeFeet(const std::optional<double>& meters);

// The text without blanks (spaces, tabs) at either end; ASCII letters in
// lower case.
std::string_view trimmedBlanks(std::string_view text);
std::string lowerCase(std::string_view text);

// Line `number` of an OziExplorer file names its datum: "WGS 84", in any
// spacing and letter case, or an Error saying the file is on another.
void checkOziDatum(const std::filesystem::path& path, std::string_view line, std::int64_t number);

// Reads the points of a track file: every point line after the six header
// lines, to the end of the file, whatever line 6 announces. Of the header,
// line 2 must name WGS 84 (another datum is an Error), line 3 tells the unit
// of altitudes and line 5 the track's name. Empty lines yield nothing, and a DOS end-of-file byte
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
    // The points read so far.
    std::uint64_t pointsRead() const noexcept { return pointsRead_; }
    // The fields of that point's line after the longitude ("code,altitude,
    // day number,..."), as readOziTrackPointDetails takes them; valid until
    // the next point is read.
    std::string_view otherFields() const noexcept { return otherFields_; }
    // Field 3 of that point is 1: it begins a new segment.
    bool startsSegment() const noexcept;

    // Line 3 says "Altitude is in Meters" (in any letter case).
    bool altitudeInMeters() const noexcept { return altitudeInMeters_; }
    // Field 4 of line 5, as the file holds it.
    const std::string& trackName() const noexcept { return trackName_; }

private:
    [[noreturn]] void fail(ReasonPattern pattern, std::vector<ReasonValue> values = {}) const;
    OziTrackPoint parsePointLine(std::string_view line) const;
    void readHeaderLine(int number, std::string_view line);

    InputFile file_;
    LineReader lines_;
    std::string_view otherFields_;
    bool altitudeInMeters_ = false;
    std::string trackName_;
    std::uint64_t pointsRead_ = 0;
};

// readOziTrackPoints: calls onPoint(latitude, longitude) for every point, in
// file order.
template <typename OnPoint>
void readOziTrackPoints(const std::filesystem::path& path, OnPoint&& onPoint) {
    OziTrackReader reader(path);
    while (const auto point = reader.next()) onPoint(point->latitude, point->longitude);
}

}  // namespace morlindo
