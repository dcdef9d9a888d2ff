// The number renderings shared by every text file the system writes, and the
// strict number grammar its text readers share.
//
// Both renderings start from the value's correctly rounded decimal form of
// 15 significant digits; any further rounding is done on that decimal, with
// halves going away from zero. So 126.9780005, held in binary as
// 126.97800049999999..., rounds to 126.978001 at six decimals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morlindo {

// A number written directly into a line: a sign place (a space, or "-" for a
// negative value), the digits in plain decimal notation with no trailing
// zeros and no point for a whole number, then one space.
// 0 -> " 0 ", -777 -> "-777 ", 38299.645833333336 -> " 38299.6458333333 ".
// A magnitude below 1 keeps its "0" before the point (" 0.5 "); negative zero
// prints as " 0 ". The value must be finite.
std::string printStyleNumber(double value);
std::string printStyleNumber(std::int64_t value);
// Append the same text to out, for the writers' hot loops.
void appendPrintStyleNumber(std::string& out, double value);
void appendPrintStyleNumber(std::string& out, std::int64_t value);

// A digit mask of "0" and "#" placeholders with at most one ".": the whole
// part is padded with zeros to minIntegerDigits, and the decimal part has
// from minDecimals to maxDecimals digits, trailing zeros left out between.
struct DigitMask {
    int minIntegerDigits;
    int minDecimals;
    int maxDecimals;
};

inline constexpr DigitMask kMaskSevenDecimals{1, 7, 7};  // "0.######0"
inline constexpr DigitMask kMaskSixDecimals{1, 6, 6};    // "0.#####0"
inline constexpr DigitMask kMaskFourDigits{4, 0, 0};     // "0###"
inline constexpr DigitMask kMaskThreeDigits{3, 0, 0};    // "0##"

// 37.5 through "0.######0" -> "37.5000000"; -5 through "0###" -> "-0005".
// A value that rounds to zero carries no "-". The value must be finite.
std::string maskedNumber(double value, DigitMask mask);
void appendMaskedNumber(std::string& out, double value, DigitMask mask);
// The same text for a whole number, without the detour through a decimal.
void appendMaskedNumber(std::string& out, std::int64_t value, DigitMask mask);

// The value as the mask "0.#####0" writes it, read back as a number; an
// infinity for the few values next to the largest double whose rounded
// decimal lies beyond it.
double roundToSixDecimals(double value);

// Appends the printed number of the value rounded as roundToSixDecimals
// rounds it, as the AlMap conversions write coordinates. The text is that of
// printStyleNumber(roundToSixDecimals(value)) (for all but the values next to
// the largest double), with the decimal rounded once: the six-decimal decimal
// has at most 15 significant digits, and the nearest double to such a decimal
// prints as that decimal again.
void appendPrintStyleSixDecimals(std::string& out, double value);

// Appends the shortest plain decimal that reads back as the same double,
// never with an exponent: the coordinates of GPX, KML and GeoJSON. Negative
// zero is written as "0" (the same number, and the form every reader takes
// alike). The value must be finite.
void appendShortestDecimal(std::string& out, double value);

// Reads a number strictly: after blanks (spaces, tabs) at either end are
// stripped, an optional sign, then digits with an optional fraction (".5" and
// "5." count). Nothing else: no exponent, no other text, not an empty text.
// A number too large for a double does not count either.
std::optional<double> parseNumber(std::string_view text);

// Reads the longest leading part of the text that is a number by the same
// grammar (leading blanks allowed, anything may follow); nullopt when the
// text does not begin with a number.
std::optional<double> parseLeadingNumber(std::string_view text);

// parseLeadingNumber(text) gives a number that is not zero; found without
// converting the digits when they are few.
bool beginsWithNonZeroNumber(std::string_view text);

}  // namespace morlindo
