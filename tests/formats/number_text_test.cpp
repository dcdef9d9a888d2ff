#include "formats/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace morlindo {
namespace {

struct PrintCase {
    double value;
    const char* text;
};

TEST(PrintStyleNumber, RendersSignPlaceDigitsAndTrailingSpace) {
    const PrintCase cases[] = {
        {0, " 0 "},
        {-777, "-777 "},
        {127.123456, " 127.123456 "},
        {38299.645833333336, " 38299.6458333333 "},
        {127.0, " 127 "},
        {-33.5, "-33.5 "},
        {0.5, " 0.5 "},
        {-0.0, " 0 "},
        {0.1 + 0.2, " 0.3 "},   // 15 significant digits hide the binary error
        {1e-7, " 0.0000001 "},  // never scientific notation
        {1e20, " 100000000000000000000 "},
        {999999999999999.9, " 1000000000000000 "},  // rounding to 15 digits carries over
    };
    for (const auto& c : cases) EXPECT_EQ(printStyleNumber(c.value), c.text) << c.value;
}

TEST(PrintStyleNumber, RendersIntegers) {
    EXPECT_EQ(printStyleNumber(std::int64_t{1000000}), " 1000000 ");
    EXPECT_EQ(printStyleNumber(INT64_MIN), "-9223372036854775808 ");
}

struct MaskCase {
    double value;
    DigitMask mask;
    const char* text;
};

TEST(MaskedNumber, PadsAndRoundsHalvesAwayFromZero) {
    const MaskCase cases[] = {
        {127.123456, kMaskSevenDecimals, "127.1234560"},
        {37, kMaskSevenDecimals, "37.0000000"},
        {-0.5, kMaskSevenDecimals, "-0.5000000"},
        {48.11730166666667, kMaskSevenDecimals, "48.1173017"},
        {-0.00000004, kMaskSevenDecimals, "0.0000000"},  // rounds to zero: no "-"
        {0.99999996, kMaskSevenDecimals, "1.0000000"},
        {-9.99999995, kMaskSevenDecimals, "-10.0000000"},
        {38299.645833333336, kMaskSixDecimals, "38299.645833"},
        {38299.5, kMaskSixDecimals, "38299.500000"},
        {126.9780005, kMaskSixDecimals, "126.978001"},  // binary 126.97800049999... rounds up
        {0, kMaskFourDigits, "0000"},
        {1789, kMaskFourDigits, "1789"},
        {12345, kMaskFourDigits, "12345"},
        {-5, kMaskFourDigits, "-0005"},
        {-777, kMaskFourDigits, "-0777"},
        {2.5, kMaskFourDigits, "0003"},
        {-0.4, kMaskFourDigits, "0000"},
        {-1e-60, kMaskSevenDecimals, "0.0000000"},  // far below the last place
        {3e-300, kMaskFourDigits, "0000"},
        {42, kMaskThreeDigits, "042"},
        {1000, kMaskThreeDigits, "1000"},
    };
    for (const auto& c : cases) EXPECT_EQ(maskedNumber(c.value, c.mask), c.text) << c.value;
}

TEST(RoundToSixDecimals, RoundsTheFifteenDigitDecimal) {
    const std::pair<double, double> cases[] = {
        {126.9780005, 126.978001}, {37.1234565, 37.123457}, {-33.5, -33.5},
        {-0.0000004, 0.0},         {0.0000005, 0.000001},   {179.9999996, 180.0},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundToSixDecimals(value), rounded) << value;
}

double fifteenDigitValue(double value) {
    char text[40];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
    double back = 0;
    std::from_chars(text, end.ptr, back);
    return back;
}

// Values where the 15-digit decimal is hardest to get right: next to a half
// of the 15th digit, exactly on one, and next to a power of ten.
std::vector<double> awkwardValues() {
    // Exactly halfway, at the ends of the range, carrying over to a power of
    // ten, and the six-decimal rounding.
    std::vector<double> values{12345678901234.25,
                               123456789012342.5,
                               0.5,
                               2.5,
                               1e-13,
                               1e15,
                               999999999999999.4,
                               999999999999999.5,
                               9.999999999999995,
                               0.09999999999999995,
                               126.9780005,
                               179.9999995,
                               4.9999995e-7};
    std::mt19937_64 random(20041108);
    std::uniform_int_distribution<std::int64_t> digits(100000000000000, 999999999999999);
    std::uniform_int_distribution<int> exponent(-20, 16);
    for (int i = 0; i < 20000; ++i) {
        const double half =
            (static_cast<double>(digits(random)) + 0.5) * std::pow(10.0, exponent(random) - 14);
        values.insert(values.end(),
                      {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300), -half});
        values.push_back(std::bit_cast<double>(random()));  // any double at all
    }
    return values;
}

TEST(NumberRenderings, AgreeWithTheDecimalOfToCharsOnAwkwardValues) {
    for (const double value : awkwardValues()) {
        if (!std::isfinite(value) || std::fabs(value) > 1e300) continue;
        const auto printed = parseNumber(printStyleNumber(value));
        ASSERT_TRUE(printed) << value;
        // Distinct 15-digit decimals read back as distinct doubles.
        EXPECT_EQ(*printed, fifteenDigitValue(value)) << value;
        std::string onePass;
        appendPrintStyleSixDecimals(onePass, value);
        EXPECT_EQ(onePass, printStyleNumber(roundToSixDecimals(value))) << value;
    }
}

TEST(RoundToSixDecimals, GivesInfinityBeyondTheLargestDouble) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(roundToSixDecimals(largest), std::numeric_limits<double>::infinity());
    EXPECT_EQ(roundToSixDecimals(-largest), -std::numeric_limits<double>::infinity());
    std::string printed;
    appendPrintStyleSixDecimals(printed, largest);
    EXPECT_EQ(printed, " 179769313486232" + std::string(294, '0') + " ");
}

TEST(ParseNumber, ReadsAsStdFromCharsDoes) {
    std::mt19937_64 random(20041108);
    for (int i = 0; i < 20000; ++i) {
        const auto length = static_cast<std::size_t>(1 + random() % 26);
        std::string text;
        for (std::size_t j = 0; j < length; ++j) text += static_cast<char>('0' + random() % 10);
        text.insert(random() % (length + 1), ".");
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const auto parsed = parseNumber(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*parsed), std::bit_cast<std::uint64_t>(expected))
            << text;
    }
}

TEST(ParseNumber, AcceptsSignDigitsAndFractionBetweenBlanks) {
    const std::pair<const char*, double> cases[] = {
        {"5", 5},  {" 37.5 ", 37.5}, {"\t-1.5\t", -1.5}, {"+2", 2},     {".5", 0.5},
        {"5.", 5}, {"-.5", -0.5},    {" 0 ", 0},         {"0123", 123}, {"127.1234560", 127.123456},
    };
    for (const auto& [text, value] : cases) {
        const auto parsed = parseNumber(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
}

TEST(ParseNumber, RejectsEverythingElse) {
    const std::string cases[] = {"",
                                 " ",
                                 "1e5",
                                 "1.2.3",
                                 "--1",
                                 "1 2",
                                 "0x10",
                                 "nan",
                                 "1,5",
                                 "\x01"
                                 "1",
                                 std::string(400, '9')};  // too large
    for (const auto& text : cases) EXPECT_FALSE(parseNumber(text)) << text;
}

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStartAndTellsZeroWithoutIt) {
    EXPECT_EQ(parseLeadingNumber("12ab"), 12);
    EXPECT_EQ(parseLeadingNumber(" -3x"), -3);
    EXPECT_EQ(parseLeadingNumber("5.e"), 5);
    EXPECT_FALSE(parseLeadingNumber("-x"));
    std::vector<std::string> texts{"0",     "0.000", "12ab", " -0.5x", "",   "abc",   "-",
                                   "+0.0e", ".",     ".0",   "0.",     "5.", "\t-00x"};
    texts.push_back("0." + std::string(400, '0') + "1");  // too small for a double
    texts.push_back("0." + std::string(320, '0') + "1");  // still one
    texts.push_back(std::string(400, '9'));               // too large
    for (const auto& text : texts) {
        const auto number = parseLeadingNumber(text);
        EXPECT_EQ(beginsWithNonZeroNumber(text), number && *number != 0) << text;
    }
}

}  // namespace
}  // namespace morlindo
