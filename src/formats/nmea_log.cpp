#include "formats/nmea_log.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "formats/nmea_sentence.h"
#include "formats/number_text.h"

namespace morlindo {
namespace {

constexpr std::size_t kIdentifierLength = 6;  // "$GPGGA"

// An identifier as one number, so that a line's is compared at once with
// each that a reading takes.
constexpr std::uint64_t identifierCode(std::string_view identifier) {
    std::uint64_t code = 0;
    for (std::size_t i = 0; i < kIdentifierLength; ++i) {
        code = code << 8 | static_cast<unsigned char>(identifier[i]);
    }
    return code;
}

// Identifiers compare exactly: no mixed case, and a "," right after them.
constexpr std::uint64_t kUpperGga[] = {identifierCode("$GPGGA"), identifierCode("$GNGGA")};
constexpr std::uint64_t kLowerGga[] = {identifierCode("$gpgga"), identifierCode("$gngga")};
constexpr std::uint64_t kRmc[] = {identifierCode("$GPRMC"), identifierCode("$gprmc"),
                                  identifierCode("$GNRMC"), identifierCode("$gnrmc")};

// The paired reading takes GGA and RMC sentences in either case; the GGA-only
// reading takes upper-case GGA sentences alone.
enum class Reading { Paired, GgaOnly };

// A GGA sentence gives a position with fields 0 to 5, its fix quality in
// field 6 and its altitude in field 9; an RMC sentence is read with fields 0
// to 11 (the standard sentence has 12 or 13, the checksum glued to the last).
constexpr std::size_t kGgaPositionFieldCount = 6;
constexpr std::size_t kGgaQualityFieldCount = 7;
constexpr std::size_t kGgaAltitudeFieldCount = 10;
constexpr std::size_t kRmcFieldCount = 12;

enum class SentenceKind { Other, Gga, Rmc };

struct Sentence {
    SentenceKind kind = SentenceKind::Other;
    std::string_view text;  // from the "$" on
};

template <std::size_t N>
bool isOneOf(std::uint64_t code, const std::uint64_t (&codes)[N]) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

// The sentence that text begins with, when the reading takes it.
template <Reading reading>
Sentence sentenceAt(std::string_view text) {
    if (text.size() <= kIdentifierLength || text[kIdentifierLength] != ',') return {};
    const std::uint64_t code = identifierCode(text);
    if (isOneOf(code, kUpperGga)) return {SentenceKind::Gga, text};
    if constexpr (reading == Reading::Paired) {
        if (isOneOf(code, kLowerGga)) return {SentenceKind::Gga, text};
        if (isOneOf(code, kRmc)) return {SentenceKind::Rmc, text};
    }
    return {};
}

// The sentence of a line: usually the line itself; else from the first "$"
// that begins an identifier the reading takes. Receivers that mix binary
// messages into their output, and loggers that stamp each line with the
// time, leave other bytes before it, which are passed over.
template <Reading reading>
Sentence findSentence(std::string_view line) {
    if (const auto sentence = sentenceAt<reading>(line); sentence.kind != SentenceKind::Other) {
        return sentence;
    }
    for (std::size_t at = line.find('$', 1); at != std::string_view::npos;
         at = line.find('$', at + 1)) {
        if (const auto sentence = sentenceAt<reading>(line.substr(at));
            sentence.kind != SentenceKind::Other) {
            return sentence;
        }
    }
    return {};
}

// Fix quality 0 in field 6 is the receiver saying that it has no fix: a
// position it still sends is a remembered or simulated one. An empty or
// missing field says nothing.
bool saysNoFix(const NmeaFields& gga) {
    if (!gga.hasAtLeast(kGgaQualityFieldCount)) return false;
    const std::string_view field = gga[6];
    if (field.size() == 1) return field[0] == '0';  // as receivers write it
    const auto quality = parseNumber(field);
    return quality && *quality == 0;
}

// Status "V" (void) in RMC field 2: no valid fix, and the clock may be unset.
bool isVoid(std::string_view status) { return status == "V" || status == "v"; }

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
        if (lines_.lineWasCut() || line.empty()) continue;
        ++nonEmptyLines_;
        return true;
    }
    return false;
}

std::optional<NmeaFix> NmeaLogReader::nextPairedFix() {
    std::string_view line;
    while (nextLine(line)) {
        const Sentence sentence = findSentence<Reading::Paired>(line);
        if (sentence.kind != SentenceKind::Gga) continue;
        const NmeaFields gga(sentence.text, kGgaAltitudeFieldCount);
        if (!gga.hasAtLeast(kGgaPositionFieldCount) || saysNoFix(gga) ||
            !beginsWithNonZeroNumber(gga[2]) || !beginsWithNonZeroNumber(gga[4])) {
            continue;
        }
        // The candidate's text is gone once the next line is read.
        const auto position = ggaPosition(gga);
        const auto altitude =
            gga.hasAtLeast(kGgaAltitudeFieldCount) ? parseNumber(gga[9]) : std::nullopt;
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
        const Sentence sentence = findSentence<Reading::Paired>(line);
        if (sentence.kind != SentenceKind::Rmc) continue;
        const NmeaFields rmc(sentence.text, kRmcFieldCount);
        if (!rmc.hasAtLeast(kRmcFieldCount)) continue;
        if (!isVoid(rmc[2])) time = rmcTime(rmc[1], rmc[9]);
        return true;
    }
    return false;
}

std::optional<NmeaFix> NmeaLogReader::nextGgaFix() {
    std::string_view line;
    while (nextLine(line)) {
        const Sentence sentence = findSentence<Reading::GgaOnly>(line);
        if (sentence.kind != SentenceKind::Gga) continue;
        const NmeaFields gga(sentence.text, kGgaQualityFieldCount);
        if (!gga.hasAtLeast(kGgaPositionFieldCount) || saysNoFix(gga)) continue;
        if (const auto position = ggaPosition(gga)) {
            NmeaFix fix;
            fix.latitude = position->latitude;
            fix.longitude = position->longitude;
            return fix;
        }
    }
    return std::nullopt;
}

void NmeaLogReader::rewind() {
    lines_.rewind();
    nonEmptyLines_ = 0;
}

DateTime localFixTime(const DateTime& utcTime, std::int64_t hours) {
    return addHours(utcTime, hours);
}

}  // namespace morlindo
