#include "formats/ozi_track.h"

#include <array>
#include <cmath>
#include <limits>

#include "formats/number_text.h"
#include "io/error.h"

namespace morlindo {
namespace {

constexpr int kHeaderLines = 6;
constexpr std::string_view kEndOfFile = "\x1A";
constexpr ReasonPattern kNoSeparator{
    "a point line needs a latitude and a longitude separated by \",\""};


// What follows the second "," of a line; empty when it has none.
std::string_view fieldsAfterTheSecond(std::string_view line) {
    const std::size_t first = line.find(',');
    const std::size_t second = line.find(',', first + 1);
    return second == std::string_view::npos ? std::string_view() : line.substr(second + 1);
}

constexpr double kFeetPerMetre = 3.2808399;

double roundHalfToEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string oziTrackAttributeLine(const OziTrackOptions& options, std::string_view trackName) {
    const std::string color = std::to_string(options.trackColor);
    std::string line = "0," + options.lineWidth + "," + color + ",";
    line += trackName;
    line += ",1," + std::to_string(options.trackType) + ",0," + color;
    return line;
}

void writeOziTrackHeader(OutputFile& output, std::string_view reservedLine,
                         const OziTrackOptions& options, std::string_view trackName,
                         std::string_view countText) {
    output.writeLine("OziExplorer Track Point File Version 2.1");
    output.writeLine("WGS 84");
    output.writeLine("Altitude is in feet");
    output.writeLine(reservedLine);
    output.writeLine(oziTrackAttributeLine(options, trackName));
    output.writeLine(countText);
}

OziTrackReader::OziTrackReader(const std::filesystem::path& path, ReadProgress* progress)
    : file_(path, progress), lines_(file_) {
    std::string_view line;
    for (int number = 1; number <= kHeaderLines; ++number) {
        if (!lines_.next(line)) {
            fail(
                "the file ends before line 6, which gives the number of points; "
                "it is not an OziExplorer track file");
        }
        readHeaderLine(number, line);
    }
}

void OziTrackReader::readHeaderLine(int number, std::string_view line) {
    if (number == 2) checkOziDatum(file_.path(), line, 2);
    if (number == 3) altitudeInMeters_ = lowerCase(trimmedBlanks(line)) == "altitude is in meters";
    if (number == 5) {
        // 0,width,colour,name,...: the fourth field.
        for (int field = 0; field < 3; ++field) {
            const std::size_t comma = line.find(',');
            line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
        }
        trackName_ = line.substr(0, line.find(','));
    }
}

bool OziTrackReader::startsSegment() const noexcept {
    return trimmedBlanks(otherFields_.substr(0, otherFields_.find(','))) == "1";
}

std::string_view trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

void checkOziDatum(const std::filesystem::path& path, std::string_view line, std::int64_t number) {
    std::string letters;
    for (const char c : lowerCase(line)) {
        if (c != ' ' && c != '\t') letters += c;
    }
    if (letters != "wgs84") {
        throw Error(path, "datum %1 is not WGS 84; convert the file to WGS 84 first",
                    {quotedField(trimmedBlanks(line))}, number);
    }
}

std::int32_t altitudeFeet(const std::optional<double>& meters) {
    if (!meters) return kNoAltitudeFeet;
    const double feet = roundHalfToEven(*meters * kFeetPerMetre);
    if (!(feet >= std::numeric_limits<std::int32_t>::min() &&
          feet <= std::numeric_limits<std::int32_t>::max())) {
        return kNoAltitudeFeet;
    }
    return static_cast<std::int32_t>(feet);
}

void OziTrackReader::fail(ReasonPattern pattern, std::vector<ReasonValue> values) const {
    throw Error(file_.path(), pattern, std::move(values), lines_.lineNumber());
}

std::optional<OziTrackPoint> OziTrackReader::next() {
    std::string_view line;
    while (lines_.next(line)) {
        if (lines_.lineWasCut()) fail("the line is too long for a track file");
        if (isBlankLine(line)) continue;
        if (line == kEndOfFile) {
            // The end of the file for DOS programs, when nothing follows it;
            // before other lines it is a malformed point line.
            const std::int64_t number = lines_.lineNumber();
            if (!lines_.next(line)) return std::nullopt;
            throw Error(file_.path(), kNoSeparator, {}, number);
        }
        otherFields_ = fieldsAfterTheSecond(line);
        const OziTrackPoint point = parsePointLine(line);
        ++pointsRead_;
        return point;
    }
    return std::nullopt;
}

OziTrackPoint OziTrackReader::parsePointLine(std::string_view line) const {
    const std::size_t firstComma = line.find(',');
    if (firstComma == std::string_view::npos) fail(kNoSeparator);
    const std::string_view latitudeText = line.substr(0, firstComma);
    std::string_view longitudeText = line.substr(firstComma + 1);
    longitudeText = longitudeText.substr(0, longitudeText.find(','));
    const auto latitude = parseNumber(latitudeText);
    if (!latitude) fail("latitude %1 is not a number", {quotedField(latitudeText)});
    const auto longitude = parseNumber(longitudeText);
    if (!longitude) fail("longitude %1 is not a number", {quotedField(longitudeText)});
    return {*latitude, *longitude};
}

OziTrackPointDetails readOziTrackPointDetails(std::string_view otherFields) {
    // Fields 3 (code), 4 (altitude) and 5 (day number).
    std::array<std::string_view, 3> fields{};
    for (auto& field : fields) {
        const std::size_t comma = otherFields.find(',');
        field = otherFields.substr(0, comma);
        otherFields =
            comma == std::string_view::npos ? std::string_view() : otherFields.substr(comma + 1);
    }
    constexpr double kNoAltitude = -777;
    constexpr double kSecondsPerDay = 86400;
    constexpr double kFirstDayOfYear10000 = 2958466;  // 10000-01-01
    OziTrackPointDetails details;
    if (const auto feet = parseNumber(fields[1]); feet && *feet != kNoAltitude) {
        details.altitudeFeet = feet;
    }
    if (const auto day = parseNumber(fields[2]); day && *day > 0) {
        const double seconds = std::round(*day * kSecondsPerDay);
        if (seconds < kFirstDayOfYear10000 * kSecondsPerDay) {
            details.localTime = dateTimeFromSecondsSinceDayZero(static_cast<std::int64_t>(seconds));
        }
    }
    return details;
}

std::string quotedField(std::string_view field) {
    constexpr std::size_t kQuotedFieldLength = 40;
    std::string text = "\"";
    for (std::size_t i = 0; i < field.size() && i < kQuotedFieldLength; ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        text += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
    }
    if (field.size() > kQuotedFieldLength) text += "...";
    return text + "\"";
}

}  // namespace morlindo
