#include "formats/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace morlindo {
namespace {

constexpr int kSignificantDigits = 15;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

// value = (negative ? -1 : 1) * digits * 10^exponent, where digits has at
// most 15 decimal digits.
struct Decimal {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

// The 15-digit decimal of a finite value by way of std::to_chars, which
// rounds the exact binary value correctly; "d.dddddddddddddde±x".
Decimal decimalFromText(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const char* p = text.data();
    Decimal decimal;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.') decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
    decimal.exponent = exponent - (kSignificantDigits - 1);
    return decimal;
}

// The value's correctly rounded decimal of 15 significant digits.
Decimal toDecimal(double value) {
    if (!std::isfinite(value)) return Decimal{};  // callers pass finite values only
    return decimalFromText(value);
}

// Rounds to the given number of decimal places, halves away from zero.
void roundToDecimals(Decimal& decimal, int decimals) {
    const int dropped = -decimals - decimal.exponent;
    if (dropped <= 0) return;
    decimal.exponent = -decimals;
    if (dropped > kSignificantDigits) {  // less than half of the last place kept
        decimal.digits = 0;
        return;
    }
    const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(dropped)];
    const std::uint64_t rest = decimal.digits % unit;
    decimal.digits = decimal.digits / unit + (rest >= unit / 2 ? 1 : 0);
}

// Plain decimal notation: "-" for a negative non-zero value, the whole part
// padded with zeros to minIntegerDigits, and a decimal part of at least
// minDecimals digits when it has any, without trailing zeros beyond those.
void appendFixed(std::string& out, const Decimal& decimal, int minIntegerDigits, int minDecimals) {
    std::array<char, 20> digits{};
    int count = 0;
    int exponent = decimal.exponent;
    if (decimal.digits != 0) {
        const auto end =
            std::to_chars(digits.data(), digits.data() + digits.size(), decimal.digits);
        count = static_cast<int>(end.ptr - digits.data());
        for (; digits[static_cast<std::size_t>(count - 1)] == '0'; --count) ++exponent;
    }
    // Where the point goes, counted in digits from the first one.
    const int point = count == 0 ? 0 : count + exponent;
    const int wholeDigits = std::max({point, minIntegerDigits, 0});
    const int decimals = std::max(count - point, minDecimals);
    const bool minus = decimal.negative && count > 0;

    // Every place starts as "0"; the sign, the point and the digits go over
    // them. Digit i stands before the point when i < point.
    const std::size_t start = out.size();
    out.append((minus ? 1 : 0) + static_cast<std::size_t>(wholeDigits) +
                   (decimals > 0 ? 1 + static_cast<std::size_t>(decimals) : 0),
               '0');
    char* p = out.data() + start;
    if (minus) *p++ = '-';
    const int digitsBeforePoint = std::clamp(point, 0, count);
    if (digitsBeforePoint > 0) {
        std::copy_n(digits.data(), digitsBeforePoint, p + wholeDigits - point);
    }
    if (decimals <= 0) return;
    p[wholeDigits] = '.';
    std::copy(digits.data() + digitsBeforePoint, digits.data() + count,
              p + wholeDigits + 1 + (digitsBeforePoint - point));
}

// A sign place (a space, or "-" for a negative non-zero value), the digits,
// one space.
void appendPrintStyle(std::string& out, const Decimal& decimal) {
    if (!decimal.negative || decimal.digits == 0) out += ' ';
    appendFixed(out, decimal, 1, 0);
    out += ' ';
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A whole number up to 2^53 and a power of ten up to 10^22 are held exactly
// by doubles.
constexpr std::uint64_t kLargestExactWhole = std::uint64_t{1} << 53;
constexpr std::size_t kLargestExactPowerOfTen = 22;
constexpr std::array<double, kLargestExactPowerOfTen + 1> kExactPowersOfTen = [] {
    std::array<double, kLargestExactPowerOfTen + 1> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

// The leading digits [ "." digits ] of a text, with at least one digit, read
// in one pass together with what an exact conversion needs.
struct UnsignedNumber {
    std::size_t length = 0;    // 0 when the text does not begin with one
    std::uint64_t digits = 0;  // all its digits as one whole number, when exact
    bool exact = false;        // that whole number is at most 2^53
    std::size_t decimals = 0;  // digits after the point
};

// Reads the digits from p on into digits, which wraps around beyond 19 of
// them; gives where they end.
const char* takeDigits(const char* p, const char* end, std::uint64_t& digits) {
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned char>(*p - '0');
        if (digit > 9) break;
        digits = digits * 10 + digit;
    }
    return p;
}

UnsignedNumber scanUnsignedNumber(std::string_view text) {
    constexpr std::size_t kDigitsThatFit64Bits = 19;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    std::uint64_t digits = 0;
    const char* p = takeDigits(begin, end, digits);
    auto count = static_cast<std::size_t>(p - begin);
    std::size_t decimals = 0;
    if (p != end && *p == '.') {
        const char* point = p;
        p = takeDigits(point + 1, end, digits);
        decimals = static_cast<std::size_t>(p - point - 1);
        count += decimals;
    }
    UnsignedNumber number;
    if (count == 0) return number;
    number.length = static_cast<std::size_t>(p - begin);
    number.exact = count <= kDigitsThatFit64Bits && digits <= kLargestExactWhole;
    number.digits = digits;
    number.decimals = decimals;
    return number;
}

// The value of a number scanned from the start of text. With few enough
// digits it is the quotient of its digits and a power of ten, both exact,
// which IEEE division rounds correctly, as std::from_chars rounds; none when
// it is too large for a double.
std::optional<double> unsignedValue(std::string_view text, const UnsignedNumber& number) {
    if (number.exact && number.decimals <= kLargestExactPowerOfTen) {
        return static_cast<double>(number.digits) / kExactPowersOfTen[number.decimals];
    }
    // "5." and ".5" are in the grammar of from_chars, as in strtod's.
    double value = 0;
    const char* end = text.data() + number.length;
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (result.ec != std::errc{} || result.ptr != end) return std::nullopt;
    return value;
}

// The text after leading blanks and an optional sign; negative tells the sign.
std::string_view afterBlanksAndSign(std::string_view text, bool& negative) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    text.remove_prefix(begin);
    negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    return text;
}

std::optional<double> parseFrom(std::string_view text, bool wholeText) {
    bool negative = false;
    text = afterBlanksAndSign(text, negative);
    const UnsignedNumber number = scanUnsignedNumber(text);
    if (number.length == 0) return std::nullopt;
    if (wholeText) {
        for (std::size_t i = number.length; i < text.size(); ++i) {
            if (!isBlank(text[i])) return std::nullopt;
        }
    }
    const auto value = unsignedValue(text, number);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

}  // namespace

void appendPrintStyleNumber(std::string& out, double value) {
    appendPrintStyle(out, toDecimal(value));
}

std::string printStyleNumber(double value) {
    std::string text;
    appendPrintStyleNumber(text, value);
    return text;
}

void appendPrintStyleNumber(std::string& out, std::int64_t value) {
    out += value < 0 ? '-' : ' ';
    const std::uint64_t magnitude =
        value < 0 ? -static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::array<char, 20> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
    out.append(digits.data(), result.ptr);
    out += ' ';
}

std::string printStyleNumber(std::int64_t value) {
    std::string text;
    appendPrintStyleNumber(text, value);
    return text;
}

void appendMaskedNumber(std::string& out, double value, DigitMask mask) {
    Decimal decimal = toDecimal(value);
    roundToDecimals(decimal, mask.maxDecimals);
    appendFixed(out, decimal, mask.minIntegerDigits, mask.minDecimals);
}

void appendMaskedNumber(std::string& out, std::int64_t value, DigitMask mask) {
    if (value < 0) out += '-';
    const std::uint64_t magnitude =
        value < 0 ? -static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::array<char, 20> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
    const auto count = static_cast<int>(end - digits.data());
    if (count < mask.minIntegerDigits) {
        out.append(static_cast<std::size_t>(mask.minIntegerDigits - count), '0');
    }
    out.append(digits.data(), end);
    if (mask.minDecimals > 0) {
        out += '.';
        out.append(static_cast<std::size_t>(mask.minDecimals), '0');
    }
}

std::string maskedNumber(double value, DigitMask mask) {
    std::string text;
    appendMaskedNumber(text, value, mask);
    return text;
}

double roundToSixDecimals(double value) {
    const std::string text = maskedNumber(value, kMaskSixDecimals);
    // Only a value next to the largest double rounds to a decimal beyond it.
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    return parseNumber(text).value_or(value < 0 ? -kInfinity : kInfinity);
}

void appendPrintStyleSixDecimals(std::string& out, double value) {
    Decimal decimal = toDecimal(value);
    roundToDecimals(decimal, kMaskSixDecimals.maxDecimals);
    appendPrintStyle(out, decimal);
}

void appendShortestDecimal(std::string& out, double value) {
    if (value == 0) value = 0;
    std::array<char, 400> text{};  // the longest double in plain decimal has 309 digits
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    out.append(text.data(), result.ptr);
}

std::optional<double> parseNumber(std::string_view text) { return parseFrom(text, true); }

std::optional<double> parseLeadingNumber(std::string_view text) { return parseFrom(text, false); }

bool beginsWithNonZeroNumber(std::string_view text) {
    bool negative = false;
    text = afterBlanksAndSign(text, negative);
    const UnsignedNumber number = scanUnsignedNumber(text);
    if (number.length == 0) return false;
    // An exact quotient is zero only when all its digits are.
    if (number.exact) return number.digits != 0;
    const auto value = unsignedValue(text, number);
    return value && *value != 0;
}

}  // namespace morlindo
