#include "formats/ozi_text_file.h"

#include <cmath>

#include "formats/number_text.h"
#include "formats/ozi_track.h"

namespace morlindo {
namespace {

constexpr int kHeaderLines = 4;
constexpr std::string_view kEndOfFile = "\x1A";

}  // namespace

OziRecordLines::OziRecordLines(const std::filesystem::path& path, ReadProgress* progress)
    : file_(path, progress), lines_(file_) {
    readHeader();
}

void OziRecordLines::readHeader() {
    std::string_view line;
    for (int number = 1; number <= kHeaderLines; ++number) {
        if (!lines_.next(line)) {
            fail(
                "the file ends before line 4, the last line of its header; it is not an "
                "OziExplorer waypoint or route file");
        }
        if (number == 2) checkOziDatum(file_.path(), line, 2);
    }
}

void OziRecordLines::rewind() {
    file_.seek(0);
    lines_.rewind();
    readHeader();
}

bool OziRecordLines::next(std::vector<std::string_view>& fields) {
    std::string_view line;
    while (lines_.next(line)) {
        if (lines_.lineWasCut()) fail("the line is too long for a waypoint or route file");
        if (trimmedBlanks(line).empty()) continue;
        // The end of the file for DOS programs.
        if (line == kEndOfFile) continue;
        fields.clear();
        for (;;) {
            const std::size_t comma = line.find(',');
            fields.push_back(line.substr(0, comma));
            if (comma == std::string_view::npos) break;
            line.remove_prefix(comma + 1);
        }
        return true;
    }
    return false;
}

void OziRecordLines::fail(ReasonPattern pattern, std::vector<ReasonValue> values) const {
    throw Error(file_.path(), pattern, std::move(values), lines_.lineNumber());
}

double OziRecordLines::coordinate(const std::vector<std::string_view>& fields, std::size_t index,
                                  const char* what, double limit) const {
    const std::string_view field = fieldAt(fields, index);
    const auto value = parseNumber(field);
    if (!value || std::fabs(*value) > limit) {
        fail("the %1 %2 is not a number of degrees from -%3 to %3",
             {what, quotedField(field), std::to_string(static_cast<int>(limit))});
    }
    return *value;
}

std::string_view fieldAt(const std::vector<std::string_view>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string_view();
}

std::string textField(const std::vector<std::string_view>& fields, std::size_t index) {
    return std::string(trimmedBlanks(fieldAt(fields, index)));
}

std::optional<DateTime> parseOziDayNumber(std::string_view field) {
    constexpr double kSecondsPerDay = 86400;
    constexpr double kFirstDayOfYear10000 = 2958466;  // 10000-01-01
    const auto day = parseNumber(field);
    if (!day || !(*day > 0)) return std::nullopt;
    const double seconds = std::round(*day * kSecondsPerDay);
    if (!(seconds < kFirstDayOfYear10000 * kSecondsPerDay)) return std::nullopt;
    return dateTimeFromSecondsSinceDayZero(static_cast<std::int64_t>(seconds));
}

std::optional<double> parseOziAltitudeFeet(std::string_view field) {
    const auto feet = parseNumber(field);
    if (!feet || *feet == kNoAltitudeFeet) return std::nullopt;
    return feet;
}

void appendPrintedCoordinates(std::string& line, double latitude, double longitude) {
    appendPrintStyleSixDecimals(line, latitude);
    line += ',';
    appendPrintStyleSixDecimals(line, longitude);
}

}  // namespace morlindo
