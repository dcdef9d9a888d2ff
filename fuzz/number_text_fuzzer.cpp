// Any finite double through the printed number and every digit mask: the
// text must read back (strictly) as the value rounded the way it was
// written, roundToSixDecimals must agree with the six-decimal mask, and the
// one-pass six-decimal printed number with rounding and printing in turn.
// The input as text: the zero test of a leading number must agree with
// reading it.
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "formats/number_text.h"
#include "fuzz_file.h"

namespace {

using namespace morlindo;

double fifteenDigits(double value) {
    char text[40];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
    double back = 0;
    std::from_chars(text, end.ptr, back);
    return back;
}

void checkReadsBack(const std::string& text, double expected, const char* what) {
    const auto back = parseNumber(text);
    if (!back || *back != expected) fuzz::fuzzFailure(what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto leading = parseLeadingNumber(text);
    if (beginsWithNonZeroNumber(text) != (leading && *leading != 0)) {
        fuzz::fuzzFailure("beginsWithNonZeroNumber and parseLeadingNumber disagree");
    }

    if (size < sizeof(double)) return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value) || std::fabs(value) > 1e17) return 0;

    const std::string printed = printStyleNumber(value);
    if (printed.size() < 3 || printed.back() != ' ' || (printed[0] != ' ' && printed[0] != '-')) {
        fuzz::fuzzFailure("printed number layout");
    }
    checkReadsBack(printed, fifteenDigits(value), "printed number");

    const DigitMask masks[] = {kMaskSevenDecimals, kMaskSixDecimals, kMaskFourDigits,
                               kMaskThreeDigits};
    for (const auto& mask : masks) {
        const std::string text = maskedNumber(value, mask);
        const auto back = parseNumber(text);
        if (!back) fuzz::fuzzFailure("masked number does not read back");
        const double step = std::pow(10.0, -mask.maxDecimals);
        if (std::fabs(*back - fifteenDigits(value)) >
            step / 2 * (1 + 1e-9) + std::fabs(value) * 1e-15) {
            fuzz::fuzzFailure("masked number rounded too far");
        }
        const auto point = text.find('.');
        const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
        if (static_cast<int>(decimals) != mask.maxDecimals) fuzz::fuzzFailure("mask width");
        const std::size_t sign = text[0] == '-' ? 1 : 0;
        const std::size_t whole = (point == std::string::npos ? text.size() : point) - sign;
        if (static_cast<int>(whole) < mask.minIntegerDigits) fuzz::fuzzFailure("mask padding");
        if (*back == 0 && text[0] == '-') fuzz::fuzzFailure("negative zero text");
    }
    // Whole numbers take a path of their own through the masks.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        std::string whole;
        appendMaskedNumber(whole, static_cast<std::int64_t>(value), kMaskFourDigits);
        if (whole != maskedNumber(value, kMaskFourDigits)) fuzz::fuzzFailure("whole number mask");
    }
    checkReadsBack(maskedNumber(value, kMaskSixDecimals), roundToSixDecimals(value),
                   "roundToSixDecimals and the six-decimal mask disagree");
    std::string onePass;
    appendPrintStyleSixDecimals(onePass, value);
    if (onePass != printStyleNumber(roundToSixDecimals(value))) {
        fuzz::fuzzFailure("the one-pass six-decimal printed number differs");
    }
    return 0;
}
