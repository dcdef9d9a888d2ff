#include "formats/nmea_sentence.h"

#include <algorithm>

#include "formats/number_text.h"
#include "io/byte_scan.h"
#include "io/civil_time.h"

namespace morlindo {
namespace {

// Calls onComma(position) for each "," of the text in order, until it
// returns true; false when the text ends first. Sentences are some 70 bytes
// with a comma every few: the bytes are looked at eight at a time.
template <typename OnComma>
bool forEachComma(std::string_view text, OnComma onComma) {
    std::size_t i = 0;
    for (; i + kScanWordSize <= text.size(); i += kScanWordSize) {
        for (auto commas = bytesEqualTo(loadScanWord(text.data() + i), ','); commas != 0;
             commas &= commas - 1) {
            if (onComma(i + firstMarkedByte(commas))) return true;
        }
    }
    for (; i < text.size(); ++i) {
        if (text[i] == ',' && onComma(i)) return true;
    }
    return false;
}

// The degrees of a coordinate as parseNumber reads them; two or three plain
// digits, as receivers write them, are read directly.
std::optional<double> wholeDegrees(std::string_view text) {
    constexpr std::size_t kDirectDigits = 9;
    const bool plain =
        !text.empty() && text.size() <= kDirectDigits &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!plain) return parseNumber(text);
    int degrees = 0;
    for (const char c : text) degrees = degrees * 10 + (c - '0');
    return degrees;
}

bool isDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int digitsValue(std::string_view text) {
    int value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    return value;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The exclusive-or of the bytes, eight at a time, folded into one byte.
unsigned char xorOfBytes(std::string_view text) {
    std::uint64_t word = 0;
    std::size_t i = 0;
    for (; i + kScanWordSize <= text.size(); i += kScanWordSize) {
        word ^= loadScanWord(text.data() + i);
    }
    word ^= word >> 32;
    word ^= word >> 16;
    word ^= word >> 8;
    auto sum = static_cast<unsigned char>(word);
    for (; i < text.size(); ++i) sum ^= static_cast<unsigned char>(text[i]);
    return sum;
}

std::optional<std::int64_t> dayOf(int year, int month, int day) {
    const DateTime date{year, month, day, 0, 0, 0};
    if (!isValidDateTime(date)) return std::nullopt;
    return secondsSinceDayZero(date) / 86'400;
}

}  // namespace

NmeaFields::NmeaFields(std::string_view sentence, std::size_t wanted) : sentence_(sentence) {
    const std::size_t fieldsToSplit = std::clamp<std::size_t>(wanted, 1, kMaxFields);
    std::size_t count = 0;
    // Ends the current field there; true when no more are wanted.
    const auto endFieldAt = [&](std::size_t end) {
        ends_[count++] = end;
        return count == fieldsToSplit;
    };
    if (!forEachComma(sentence, endFieldAt)) endFieldAt(sentence.size());
    count_ = count;
}

std::optional<double> nmeaCoordinate(std::string_view field, std::size_t degreeDigits) {
    if (field.size() <= degreeDigits) return std::nullopt;
    const auto degrees = wholeDegrees(field.substr(0, degreeDigits));
    const auto minutes = parseNumber(field.substr(degreeDigits));
    if (!degrees || !minutes) return std::nullopt;
    return *degrees + *minutes / 60.0;
}

NmeaChecksum checkNmeaChecksum(std::string_view sentence) {
    std::size_t end = sentence.size();
    while (end > 0 && (sentence[end - 1] == ' ' || sentence[end - 1] == '\t')) --end;
    if (end < 4 || sentence[end - 3] != '*') return NmeaChecksum::Absent;
    const int high = hexDigitValue(sentence[end - 2]);
    const int low = hexDigitValue(sentence[end - 1]);
    if (high < 0 || low < 0) return NmeaChecksum::Absent;
    const unsigned char sum = xorOfBytes(sentence.substr(1, end - 4));
    return sum == high * 16 + low ? NmeaChecksum::Good : NmeaChecksum::Bad;
}

std::optional<std::int32_t> nmeaTimeOfDay(std::string_view field) {
    if (field.size() < 6 || !isDigits(field.substr(0, 6))) return std::nullopt;
    const int hour = digitsValue(field.substr(0, 2));
    const int minute = digitsValue(field.substr(2, 2));
    const int second = digitsValue(field.substr(4, 2));
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    int milliseconds = 0;
    if (field.size() > 6) {
        const std::string_view fraction = field.substr(7);
        if (field[6] != '.' || !isDigits(fraction)) return std::nullopt;
        for (std::size_t i = 0; i < 3; ++i) {
            milliseconds = milliseconds * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
        }
    }
    return ((hour * 60 + minute) * 60 + second) * 1000 + milliseconds;
}

std::optional<std::int64_t> nmeaRmcDate(std::string_view field) {
    if (field.size() != 6 || !isDigits(field)) return std::nullopt;
    const int year = digitsValue(field.substr(4, 2));
    return dayOf(year < 30 ? 2000 + year : 1900 + year, digitsValue(field.substr(2, 2)),
                 digitsValue(field.substr(0, 2)));
}

std::optional<std::int64_t> nmeaZdaDate(std::string_view day, std::string_view month,
                                        std::string_view year) {
    if (day.size() != 2 || month.size() != 2 || year.size() != 4 || !isDigits(day) ||
        !isDigits(month) || !isDigits(year)) {
        return std::nullopt;
    }
    return dayOf(digitsValue(year), digitsValue(month), digitsValue(day));
}

}  // namespace morlindo
