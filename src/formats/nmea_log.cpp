#include "formats/nmea_log.h"

#include <algorithm>
#include <array>

#include "formats/nmea_sentence.h"
#include "formats/number_text.h"

namespace morlindo {
namespace {

// Identifiers compare exactly, whole field 0 against whole name: no mixed
// case, nothing before the "$". The GGA-only reading takes upper case alone.
constexpr std::array<std::string_view, 4> kPairedGgaNames{"$GPGGA", "$gpgga", "$GNGGA", "$gngga"};
constexpr std::array<std::string_view, 4> kPairedRmcNames{"$GPRMC", "$gprmc", "$GNRMC", "$gnrmc"};
constexpr std::array<std::string_view, 2> kGgaOnlyNames{"$GPGGA", "$GNGGA"};

// The paired reading takes a GGA sentence with fields 0 to 14 (the standard
// sentence has 15, the checksum glued to the last) and an RMC with 0 to 11.
constexpr std::size_t kGgaFieldCount = NmeaFields::kMaxFields;
constexpr std::size_t kRmcFieldCount = 12;
// The GGA-only reading needs the position: fields 2 to 5.
constexpr std::size_t kGgaPositionFieldCount = 6;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// True when field 0 of the line is one of the names.
template <std::size_t N>
bool isOneOf(std::string_view line, const std::array<std::string_view, N>& names) {
    return std::any_of(names.begin(), names.end(), [line](std::string_view name) {
        return line.starts_with(name) && (line.size() == name.size() || line[name.size()] == ',');
    });
}

// "S" or "s", "W" or "w": the side where the coordinate is negative. Any
// other text, the empty one included, leaves it positive.
bool isNegativeSide(std::string_view hemisphere, char upper, char lower) {
    return hemisphere.size() == 1 && (hemisphere[0] == upper || hemisphere[0] == lower);
}

struct Position {
    double latitude;
    double longitude;
};

// The position of a GGA sentence with fields 0 to 5; none when a coordinate
// is missing or unreadable, or exactly 0 (receivers write zeros while they
// have no fix).
std::optional<Position> ggaPosition(const NmeaFields& gga) {
    const auto latitude = nmeaCoordinate(gga[2], 2);
    const auto longitude = nmeaCoordinate(gga[4], 3);
    if (!latitude || !longitude || *latitude == 0 || *longitude == 0) return std::nullopt;
    return Position{isNegativeSide(gga[3], 'S', 's') ? -*latitude : *latitude,
                    isNegativeSide(gga[5], 'W', 'w') ? -*longitude : *longitude};
}

bool isDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int twoDigitsAt(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// RMC time "hhmmss" (a fraction after it is dropped) and date "ddmmyy"; a
// two-digit year below 30 lies in the 2000s. None unless both form a real
// date and time.
std::optional<DateTime> rmcTime(std::string_view time, std::string_view date) {
    if (time.size() < 6 || !isDigits(time.substr(0, 6)) || date.size() != 6 || !isDigits(date)) {
        return std::nullopt;
    }
    const int year = twoDigitsAt(date, 4);
    const DateTime value{year < 30 ? 2000 + year : 1900 + year,
                         twoDigitsAt(date, 2),
                         twoDigitsAt(date, 0),
                         twoDigitsAt(time, 0),
                         twoDigitsAt(time, 2),
                         twoDigitsAt(time, 4)};
    if (!isValidDateTime(value)) return std::nullopt;
    return value;
}

}  // namespace

NmeaLogReader::NmeaLogReader(const std::filesystem::path& path, ReadProgress* progress)
    : file_(path, progress), lines_(file_) {}

bool NmeaLogReader::nextLine(std::string_view& line) {
    while (lines_.next(line)) {
        // A line cut at the reader's limit is far longer than any sentence.
        if (lines_.lineWasCut()) continue;
        if (lines_.lineNumber() == 1 && line.starts_with(kByteOrderMark)) {
            line.remove_prefix(kByteOrderMark.size());
        }
        if (!line.empty()) return true;
    }
    return false;
}

std::optional<NmeaFix> NmeaLogReader::nextPairedFix() {
    std::string_view line;
    while (nextLine(line)) {
        if (!isOneOf(line, kPairedGgaNames)) continue;
        const NmeaFields gga(line, kGgaFieldCount);
        if (!gga.hasAtLeast(kGgaFieldCount) || !beginsWithNonZeroNumber(gga[2]) ||
            !beginsWithNonZeroNumber(gga[4])) {
            continue;
        }
        // The candidate's text is gone once the next line is read.
        const auto position = ggaPosition(gga);
        const auto altitude = parseNumber(gga[9]);
        std::optional<DateTime> time;
        if (!findRmcPartner(time)) return std::nullopt;
        if (position && time) {
            return NmeaFix{position->latitude, position->longitude, altitude, *time};
        }
    }
    return std::nullopt;
}

bool NmeaLogReader::findRmcPartner(std::optional<DateTime>& time) {
    std::string_view line;
    while (nextLine(line)) {
        if (!isOneOf(line, kPairedRmcNames)) continue;
        const NmeaFields rmc(line, kRmcFieldCount);
        if (!rmc.hasAtLeast(kRmcFieldCount)) continue;
        time = rmcTime(rmc[1], rmc[9]);
        return true;
    }
    return false;
}

std::optional<NmeaFix> NmeaLogReader::nextGgaFix() {
    std::string_view line;
    while (nextLine(line)) {
        if (!isOneOf(line, kGgaOnlyNames)) continue;
        const NmeaFields gga(line, kGgaPositionFieldCount);
        if (!gga.hasAtLeast(kGgaPositionFieldCount)) continue;
        if (const auto position = ggaPosition(gga)) {
            NmeaFix fix;
            fix.latitude = position->latitude;
            fix.longitude = position->longitude;
            return fix;
        }
    }
    return std::nullopt;
}

void NmeaLogReader::rewind() { lines_.rewind(); }

DateTime localFixTime(const DateTime& utcTime, std::int64_t hours) {
    return addHours(utcTime, hours);
}

}  // namespace morlindo
