#include "formats/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace morlindo {
namespace {

constexpr int kSignificantDigits = 15;

// value = (negative ? -1 : 1) * 0.d1 d2 ... dn * 10^integerDigits, with no
// trailing zero digits; zero has no digits.
struct Decimal {
    bool negative = false;
    std::array<char, kSignificantDigits + 1> digits{};
    int count = 0;
    int integerDigits = 0;
};

void dropTrailingZeros(Decimal& decimal) {
    while (decimal.count > 0 && decimal.digits[decimal.count - 1] == '0') --decimal.count;
}

Decimal toDecimal(double value) {
    if (!std::isfinite(value)) return Decimal{};  // callers pass finite values only
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
        if (*p != '.') decimal.digits[decimal.count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
    decimal.integerDigits = exponent + 1;
    dropTrailingZeros(decimal);
    return decimal;
}

// Rounds to the given number of decimal places, halves away from zero.
void roundToDecimals(Decimal& decimal, int decimals) {
    const int keep = decimal.integerDigits + decimals;
    if (keep >= decimal.count) return;
    if (keep < 0) {
        decimal.count = 0;
        return;
    }
    const bool roundUp = decimal.digits[keep] >= '5';
    decimal.count = keep;
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && decimal.digits[i] == '9') decimal.digits[i--] = '0';
        if (i >= 0) {
            ++decimal.digits[i];
        } else {
            decimal.digits[0] = '1';
            decimal.count = 1;
            ++decimal.integerDigits;
        }
    }
    dropTrailingZeros(decimal);
}

void appendFixed(std::string& out, const Decimal& decimal, int minIntegerDigits, int minDecimals) {
    if (decimal.negative && decimal.count > 0) out += '-';
    const int integerDigits = decimal.integerDigits > 0 ? decimal.integerDigits : 0;
    if (integerDigits < minIntegerDigits) out.append(minIntegerDigits - integerDigits, '0');
    for (int i = 0; i < integerDigits; ++i) out += i < decimal.count ? decimal.digits[i] : '0';
    const int significantDecimals = decimal.count > 0 ? decimal.count - decimal.integerDigits : 0;
    const int decimals = significantDecimals > minDecimals ? significantDecimals : minDecimals;
    if (decimals <= 0) return;
    out += '.';
    for (int place = 0; place < decimals; ++place) {
        const int index = decimal.integerDigits + place;
        out += index >= 0 && index < decimal.count ? decimal.digits[index] : '0';
    }
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the leading part of text that matches digits [ "." digits ],
// with at least one digit; 0 when there is none.
std::size_t unsignedNumberLength(std::string_view text) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    return digits > 0 ? i : 0;
}

std::optional<double> convertUnsigned(std::string_view text, bool negative) {
    // from_chars wants at least one digit before an exponent-less end; "5."
    // and ".5" are both in its grammar, as in strtod's.
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> parseFrom(std::string_view text, bool wholeText) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    text.remove_prefix(begin);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::size_t length = unsignedNumberLength(text);
    if (length == 0) return std::nullopt;
    if (wholeText) {
        for (std::size_t i = length; i < text.size(); ++i) {
            if (!isBlank(text[i])) return std::nullopt;
        }
    }
    return convertUnsigned(text.substr(0, length), negative);
}

}  // namespace

void appendPrintStyleNumber(std::string& out, double value) {
    const Decimal decimal = toDecimal(value);
    if (!(decimal.negative && decimal.count > 0)) out += ' ';
    appendFixed(out, decimal, 1, 0);
    out += ' ';
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

std::string maskedNumber(double value, DigitMask mask) {
    std::string text;
    appendMaskedNumber(text, value, mask);
    return text;
}

double roundToSixDecimals(double value) {
    std::string text;
    appendMaskedNumber(text, value, kMaskSixDecimals);
    const bool negative = text[0] == '-';
    return *convertUnsigned(std::string_view(text).substr(negative ? 1 : 0), negative);
}

std::optional<double> parseNumber(std::string_view text) { return parseFrom(text, true); }

std::optional<double> parseLeadingNumber(std::string_view text) { return parseFrom(text, false); }

}  // namespace morlindo
