#include "formats/nmea_log.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "formats/nmea_sentence.h"
#include "formats/number_text.h"
#include "io/civil_time.h"
#include "io/error.h"

namespace morlindo {
namespace {

constexpr std::size_t kIdentifierLength = 6;  // "$GPGGA"

// A GGA sentence gives a time in field 1, a position with fields 0 to 5, its
// fix quality in field 6 and its altitude in field 9; an RMC sentence is
// read with fields 0 to 11 (the standard sentence has 12 or 13, the checksum
// glued to the last); a ZDA sentence with its date in fields 2 to 4.
constexpr std::size_t kGgaPositionFieldCount = 6;
constexpr std::size_t kGgaQualityFieldCount = 7;
constexpr std::size_t kGgaAltitudeFieldCount = 10;
constexpr std::size_t kRmcFieldCount = 12;
constexpr std::size_t kZdaFieldCount = 5;

// A time of day more than half a day before the last one is the next day's:
// the log went past midnight. Smaller steps back are the receiver's own.
constexpr std::int32_t kMidnightStep = kMillisecondsPerDay / 2;

// Equal short texts (a time, a date), compared a few bytes at once: the
// first and the last four or eight, which overlap when fewer.
template <typename Word>
bool sameEnds(const char* a, const char* b, std::size_t size) {
    Word x, y, u, v;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    std::memcpy(&u, a + size - sizeof u, sizeof u);
    std::memcpy(&v, b + size - sizeof v, sizeof v);
    return x == y && u == v;
}

bool sameText(std::string_view a, std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size()) return false;
    if (size >= 8 && size <= 16) return sameEnds<std::uint64_t>(a.data(), b.data(), size);
    if (size >= 4 && size < 8) return sameEnds<std::uint32_t>(a.data(), b.data(), size);
    return a == b;
}

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }

// The kind and the "," after it as one number, compared at once.
constexpr std::uint32_t kindCode(const char (&kind)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(kind[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(kind[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(kind[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(kind[3])) << 24;
}
constexpr std::uint32_t kLowerCaseBits = 0x00202020;  // of the three letters

std::uint32_t kindCodeAt(const char* p) {
    std::uint32_t code;
    std::memcpy(&code, p, sizeof code);
    if constexpr (std::endian::native == std::endian::big) {
        code = (code >> 24) | (code >> 8 & 0xFF00) | (code << 8 & 0xFF0000) | (code << 24);
    }
    return code;
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

// The position in the four fields from `first` on (latitude, N/S, longitude,
// E/W); none when a coordinate is missing or unreadable, exactly 0
// (receivers write zeros while they have no fix), or beyond the earth (90
// degrees of latitude, 180 of longitude: a damaged sentence, which no
// target could hold).
std::optional<std::pair<double, double>> positionAt(const NmeaFields& fields, std::size_t first) {
    const auto latitude = nmeaCoordinate(fields[first], 2);
    const auto longitude = nmeaCoordinate(fields[first + 2], 3);
    if (!latitude || !longitude || *latitude == 0 || *longitude == 0) return std::nullopt;
    if (!(*latitude <= 90) || !(*longitude <= 180)) return std::nullopt;
    return std::pair{isNegativeSide(fields[first + 1], 'S', 's') ? -*latitude : *latitude,
                     isNegativeSide(fields[first + 3], 'W', 'w') ? -*longitude : *longitude};
}

}  // namespace

std::size_t NmeaLogReader::fieldsRead(Kind kind) {
    switch (kind) {
        case Kind::Gga:
            return kGgaAltitudeFieldCount;
        case Kind::Rmc:
            return kRmcFieldCount;
        case Kind::Zda:
            return kZdaFieldCount;
    }
    return kRmcFieldCount;
}

NmeaLogReader::NmeaLogReader(const std::filesystem::path& path, ReadProgress* progress,
                             NmeaReadOptions options)
    : file_(path, progress), lines_(file_), options_(options) {}

bool NmeaLogReader::nextLine(std::string_view& line) {
    while (lines_.next(line)) {
        // A line cut at the reader's limit is far longer than any sentence.
        if (lines_.lineWasCut() || line.empty()) continue;
        ++nonEmptyLines_;
        return true;
    }
    return false;
}

// The sentence of a line: usually the line itself; else from the first "$"
// that begins a GGA, RMC or ZDA sentence with a checksum that matches or
// none. Receivers that mix binary messages into their output, and loggers
// that stamp each line with the time, leave other bytes before it, which are
// passed over. The identifier is "$", a talker of two letters (not "P",
// which begins the makers' own sentences) and the kind, all in upper case,
// or for the paired reading all in lower case too.
bool NmeaLogReader::nextSentence(Sentence& sentence, bool lowerCaseToo) {
    std::string_view line;
    while (nextLine(line)) {
        bool sawBadChecksum = false;
        for (std::size_t at = line[0] == '$' ? 0 : line.find('$'); at != std::string_view::npos;
             at = line.find('$', at + 1)) {
            const std::string_view text = line.substr(at);
            if (text.size() <= kIdentifierLength || text[kIdentifierLength] != ',') continue;
            const char t1 = text[1], t2 = text[2];
            const bool upper = isUpper(t1) && isUpper(t2);
            if (!(upper || (lowerCaseToo && isLower(t1) && isLower(t2))) || t1 == 'P' ||
                t1 == 'p') {
                continue;
            }
            // A lower-case talker takes a lower-case kind alone.
            std::uint32_t kind = kindCodeAt(text.data() + 3);
            if (!upper) {
                if ((kind & kLowerCaseBits) != kLowerCaseBits) continue;
                kind &= ~kLowerCaseBits;
            }
            if (kind == kindCode("GGA,")) {
                sentence.kind = Kind::Gga;
            } else if (kind == kindCode("RMC,")) {
                sentence.kind = Kind::Rmc;
            } else if (kind == kindCode("ZDA,")) {
                sentence.kind = Kind::Zda;
            } else {
                continue;
            }
            if (!options_.ignoreChecksums) {
                const NmeaChecksum checksum = checkNmeaChecksum(text);
                if (checksum == NmeaChecksum::Bad) {
                    sawBadChecksum = true;
                    continue;
                }
                if (checksum == NmeaChecksum::Good) ++checksummed_;
            }
            sentence.text = text;
            sentence.talker[0] = t1;
            sentence.talker[1] = t2;
            return true;
        }
        if (sawBadChecksum) {
            ++badChecksums_;
            ++checksummed_;
        }
    }
    return false;
}

std::optional<NmeaFix> NmeaLogReader::nextPairedFix() {
    if (atEnd_) return std::nullopt;
    if (!passStarted_) {
        if (!startDay_) findStartDay();
        passStarted_ = true;
    }
    Sentence sentence;
    while (nextSentence(sentence, true)) {
        const NmeaFields fields(sentence.text, fieldsRead(sentence.kind));
        if (!fields.hasAtLeast(2)) continue;
        const std::string_view timeText = fields[1];
        // The sentences of one epoch mostly write its time alike.
        // (An epoch whose time text was too long to keep has none.)
        const bool sameTime = epoch_.open && epoch_.timeTextLength > 0 &&
                              sameText(timeText, epoch_.timeText());
        const auto time = sameTime ? epoch_.time : nmeaTimeOfDay(timeText);
        if (!time) {
            if (sentence.kind != Kind::Zda) ++sentencesWithoutFix_;
            continue;
        }
        std::optional<NmeaFix> fix;
        if (epoch_.open && epoch_.time != *time) fix = closeEpoch();
        if (!epoch_.open) startEpoch(*time, timeText);
        addToEpoch(sentence.kind, fields);
        if (fix) return fix;
    }
    const auto fix = closeEpoch();
    finishPass();
    return fix;
}

void NmeaLogReader::startEpoch(std::int32_t time, std::string_view timeText) {
    // Field by field: the text buffers need no clearing.
    Epoch& e = epoch_;
    e.hasGga = e.hasRmc = e.isVoid = e.hasZda = false;
    e.ggaPosition.reset();
    e.ggaAltitude.reset();
    e.rmcPositionLength = 0;
    e.rmcDay.reset();
    e.zdaDay.reset();
    e.linesTaken = 0;
    epoch_.open = true;
    epoch_.time = time;
    epoch_.timeTextLength = timeText.size() <= sizeof epoch_.timeTextBytes ? timeText.size() : 0;
    std::copy_n(timeText.begin(), epoch_.timeTextLength, epoch_.timeTextBytes);
}

void NmeaLogReader::addToEpoch(Kind kind, const NmeaFields& fields) {
    Epoch& e = epoch_;
    switch (kind) {
        case Kind::Gga: {
            const NmeaFields& gga = fields;
            if (!gga.hasAtLeast(kGgaPositionFieldCount)) return;
            e.hasGga = true;
            if (e.ggaPosition) return;  // the same fix from another talker
            const auto position = saysNoFix(gga) ? std::nullopt : positionAt(gga, 2);
            if (!position) {
                ++sentencesWithoutFix_;
                return;
            }
            e.ggaPosition = Position{position->first, position->second};
            if (gga.hasAtLeast(kGgaAltitudeFieldCount)) e.ggaAltitude = parseNumber(gga[9]);
            ++e.linesTaken;
            return;
        }
        case Kind::Rmc: {
            const NmeaFields& rmc = fields;
            if (!rmc.hasAtLeast(kRmcFieldCount) || e.hasRmc) return;
            e.hasRmc = true;
            ++e.linesTaken;
            if (isVoid(rmc[2])) {
                e.isVoid = true;
                ++sentencesWithoutFix_;
                return;
            }
            e.rmcDay = rmcDay(rmc[9]);
            // Its position counts only in an epoch without a GGA, so it is
            // kept as text (fields 3 to 6) and read when the epoch ends.
            const std::string_view position(rmc[3].data(),
                                             rmc[6].data() + rmc[6].size() - rmc[3].data());
            if (rmc[3].empty() || rmc[5].empty() || position.size() > sizeof e.rmcPosition) {
                ++sentencesWithoutFix_;
            } else {
                e.rmcPositionLength = position.size();
                std::copy(position.begin(), position.end(), e.rmcPosition);
            }
            return;
        }
        case Kind::Zda: {
            const NmeaFields& zda = fields;
            if (!zda.hasAtLeast(kZdaFieldCount) || e.hasZda) return;
            e.zdaDay = nmeaZdaDate(zda[2], zda[3], zda[4]);
            e.hasZda = e.zdaDay.has_value();
            if (e.hasZda) ++e.linesTaken;
            return;
        }
    }
}

// Ends the epoch being gathered: carries the date to it, and gives its fix.
std::optional<NmeaFix> NmeaLogReader::closeEpoch() {
    if (!epoch_.open) return std::nullopt;
    epoch_.open = false;
    const Epoch& e = epoch_;
    if (!day_ && *startDay_) {
        day_ = **startDay_;
        dayTime_ = e.time;
    }
    if (const auto ownDay = e.rmcDay ? e.rmcDay : e.zdaDay) {
        day_ = ownDay;
    } else if (day_ && e.time + kMidnightStep < dayTime_) {
        ++*day_;
    }
    dayTime_ = e.time;

    std::optional<Position> position = e.ggaPosition;
    if (!e.hasGga && e.rmcPositionLength > 0) {
        const NmeaFields fields(std::string_view(e.rmcPosition, e.rmcPositionLength), 4);
        if (fields.hasAtLeast(4)) {
            if (const auto rmc = positionAt(fields, 0)) position = Position{rmc->first, rmc->second};
        }
    }
    if (!position || e.isVoid) return std::nullopt;
    if (!day_) {
        throw Error(path(), "the log has no date (no RMC or ZDA sentence); give the date with --date",
                    {}, lines_.lineNumber());
    }
    linesUsed_ += e.linesTaken;
    NmeaFix fix;
    fix.latitude = position->latitude;
    fix.longitude = position->longitude;
    if (e.hasGga) fix.altitudeMeters = e.ggaAltitude;
    if (*day_ != datedDay_) {
        datedDay_ = *day_;
        date_ = dateTimeFromSecondsSinceDayZero(*day_ * 86'400);
    }
    const std::int32_t second = e.time / 1000;
    fix.utcTime = date_;
    fix.utcTime.hour = second / 3600;
    fix.utcTime.minute = second / 60 % 60;
    fix.utcTime.second = second % 60;
    return fix;
}

// An RMC date; a receiver sends the same one all day.
// Only a field that fits is kept: a longer one cut short would stand for
// the date its first six characters spell.
std::optional<std::int64_t> NmeaLogReader::rmcDay(std::string_view field) {
    if (field.size() > sizeof rmcDateText_) return std::nullopt;
    if (!sameText(field, std::string_view(rmcDateText_, rmcDateLength_))) {
        rmcDateLength_ = field.size();
        std::copy_n(field.begin(), rmcDateLength_, rmcDateText_);
        rmcDateDay_ = nmeaRmcDate(field);
    }
    return rmcDateDay_;
}

// Before the first pass of the paired reading: the date of the log's first
// epoch, from its first date going back a day for each midnight between
// them; or the date the options give, for a log with none.
void NmeaLogReader::findStartDay() {
    std::int64_t midnights = 0;
    std::optional<std::int32_t> lastTime;
    std::optional<std::int64_t> firstDay;
    Sentence sentence;
    while (!firstDay && nextSentence(sentence, true)) {
        const NmeaFields fields(sentence.text, kRmcFieldCount);
        const auto time = fields.hasAtLeast(2) ? nmeaTimeOfDay(fields[1]) : std::nullopt;
        if (!time) continue;
        if (lastTime && *time + kMidnightStep < *lastTime) ++midnights;
        lastTime = time;
        if (sentence.kind == Kind::Rmc && fields.hasAtLeast(kRmcFieldCount) && !isVoid(fields[2])) {
            firstDay = nmeaRmcDate(fields[9]);
        } else if (sentence.kind == Kind::Zda && fields.hasAtLeast(kZdaFieldCount)) {
            firstDay = nmeaZdaDate(fields[2], fields[3], fields[4]);
        }
    }
    if (firstDay) {
        startDay_ = *firstDay - midnights;
    } else if (options_.date) {
        startDay_ = secondsSinceDayZero(*options_.date) / 86'400;
    } else {
        startDay_ = std::optional<std::int64_t>{};
    }
    rewind();
}

std::optional<NmeaFix> NmeaLogReader::nextGgaFix() {
    if (atEnd_) return std::nullopt;
    if (!passStarted_) {
        if (!hasGga_) findAnyGga();
        passStarted_ = true;
    }
    Sentence sentence;
    while (nextSentence(sentence, false)) {
        if (const auto fix = ggaOnlyFixOf(sentence)) return fix;
    }
    finishPass();
    return std::nullopt;
}

// A fix of the GGA-only reading: from a GGA sentence, or in a log without
// any, from an RMC sentence.
std::optional<NmeaFix> NmeaLogReader::ggaOnlyFixOf(const Sentence& sentence) {
    std::optional<std::pair<double, double>> position;
    std::optional<std::int32_t> time;
    if (*hasGga_ && sentence.kind == Kind::Gga) {
        const NmeaFields gga(sentence.text, kGgaQualityFieldCount);
        if (!gga.hasAtLeast(kGgaPositionFieldCount)) return std::nullopt;
        if (!saysNoFix(gga)) position = positionAt(gga, 2);
        time = nmeaTimeOfDay(gga[1]);
    } else if (!*hasGga_ && sentence.kind == Kind::Rmc) {
        const NmeaFields rmc(sentence.text, kRmcFieldCount);
        if (!rmc.hasAtLeast(kRmcFieldCount)) return std::nullopt;
        if (!isVoid(rmc[2])) position = positionAt(rmc, 3);
        time = nmeaTimeOfDay(rmc[1]);
    } else {
        return std::nullopt;
    }
    if (!position) {
        ++sentencesWithoutFix_;
        return std::nullopt;
    }
    // A receiver of several systems may send one fix under several talkers.
    const bool sameTalker = std::equal(lastTalker_, lastTalker_ + 2, sentence.talker);
    if (time && time == lastGgaTime_ && !sameTalker) return std::nullopt;
    lastGgaTime_ = time;
    std::copy(sentence.talker, sentence.talker + 2, lastTalker_);
    ++linesUsed_;
    NmeaFix fix;
    fix.latitude = position->first;
    fix.longitude = position->second;
    return fix;
}

// Before the first pass of the GGA-only reading: whether the log holds any
// GGA sentence.
void NmeaLogReader::findAnyGga() {
    hasGga_ = false;
    Sentence sentence;
    while (nextSentence(sentence, false)) {
        if (sentence.kind == Kind::Gga) {
            hasGga_ = true;
            break;
        }
    }
    rewind();
}

// At the end of a pass: a log whose every checksum is wrong is not read as
// empty but as one that asks for --ignore-checksums.
void NmeaLogReader::finishPass() {
    atEnd_ = true;
    if (checksummed_ > 0 && badChecksums_ == checksummed_) {
        throw Error(path(),
                    "every sentence has a wrong checksum (%1 sentences); --ignore-checksums "
                    "reads them anyway",
                    {std::to_string(badChecksums_)});
    }
}

void NmeaLogReader::rewind() {
    lines_.rewind();
    nonEmptyLines_ = 0;
    linesUsed_ = 0;
    badChecksums_ = 0;
    checksummed_ = 0;
    sentencesWithoutFix_ = 0;
    passStarted_ = false;
    atEnd_ = false;
    epoch_ = Epoch{};
    day_.reset();
    dayTime_ = 0;
    lastGgaTime_.reset();
    lastTalker_[0] = lastTalker_[1] = 0;
}

DateTime localFixTime(const DateTime& utcTime, std::int64_t hours) {
    // Most shifts stay within the day.
    const std::int64_t hour = utcTime.hour + hours;
    if (hour >= 0 && hour < 24) {
        DateTime local = utcTime;
        local.hour = static_cast<int>(hour);
        return local;
    }
    return addHours(utcTime, hours);
}

}  // namespace morlindo
