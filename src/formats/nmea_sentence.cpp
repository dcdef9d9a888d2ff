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

namespace {

// A coordinate as receivers write it, plain digits with one ".", in one
// pass: the minutes are read as parseNumber reads such a decimal of at most
// 15 digits, its digits (one exact whole number) divided by an exact power
// of ten. None when the text is of another form.
std::optional<double> plainCoordinate(std::string_view field, std::size_t degreeDigits) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr std::size_t kMostDigits = 15;
    if (degreeDigits == 0 || field.size() - degreeDigits > kMostDigits + 1) return std::nullopt;
    unsigned degrees = 0;
    for (std::size_t i = 0; i < degreeDigits; ++i) {
        const auto digit = static_cast<unsigned>(field[i] - '0');
        if (digit > 9) return std::nullopt;
        degrees = degrees * 10 + digit;
    }
    std::uint64_t minutes = 0;
    std::size_t count = 0, decimals = 0;
    bool point = false;
    for (std::size_t i = degreeDigits; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        const auto digit = static_cast<unsigned>(c - '0');
        if (digit > 9) return std::nullopt;
        minutes = minutes * 10 + digit;
        ++count;
        decimals += point ? 1 : 0;
    }
    if (count == 0 || count > kMostDigits) return std::nullopt;
    return degrees + static_cast<double>(minutes) / kPowersOfTen[decimals] / 60.0;
}

}  // namespace

std::optional<double> nmeaCoordinate(std::string_view field, std::size_t degreeDigits) {
    if (field.size() <= degreeDigits) return std::nullopt;
    if (const auto plain = plainCoordinate(field, degreeDigits)) return plain;
    const auto degrees = wholeDegrees(field.substr(0, degreeDigits));
    const auto minutes = parseNumber(field.substr(degreeDigits));
    if (!degrees || !minutes) return std::nullopt;
    return *degrees + *minutes / 60.0;
}

std::optional<std::int32_t> nmeaTimeOfDay(std::string_view field) {
    if (field.size() < 6) return std::nullopt;
    const auto digit = [&field](std::size_t i) { return static_cast<unsigned>(field[i] - '0'); };
    const unsigned h1 = digit(0), h2 = digit(1), m1 = digit(2), m2 = digit(3), s1 = digit(4),
                   s2 = digit(5);
    if ((h1 > 9) | (h2 > 9) | (m1 > 9) | (m2 > 9) | (s1 > 9) | (s2 > 9)) return std::nullopt;
    const unsigned hour = h1 * 10 + h2, minute = m1 * 10 + m2, second = s1 * 10 + s2;
    if ((hour > 23) | (minute > 59) | (second > 59)) return std::nullopt;
    unsigned milliseconds = 0;
    if (field.size() > 6) {
        if (field[6] != '.') return std::nullopt;
        static constexpr unsigned kPlace[] = {100, 10, 1};
        for (std::size_t i = 7; i < field.size(); ++i) {
            if (digit(i) > 9) return std::nullopt;
            if (i < 10) milliseconds += digit(i) * kPlace[i - 7];
        }
    }
    return static_cast<std::int32_t>(((hour * 60 + minute) * 60 + second) * 1000 + milliseconds);
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
