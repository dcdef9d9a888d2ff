#include "formats/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

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
        {1234, " 1234 "},
        {127.123456, " 127.123456 "},
        {38299.645833333336, " 38299.6458333333 "},
        {37.5, " 37.5 "},
        {127.0, " 127 "},
        {-33.5, "-33.5 "},
        {0.5, " 0.5 "},
        {-0.25, "-0.25 "},
        {-0.0, " 0 "},
        {0.1 + 0.2, " 0.3 "},   // 15 significant digits hide the binary error
        {1e-7, " 0.0000001 "},  // never scientific notation
        {1e20, " 100000000000000000000 "},
        {999999999999999.9, " 1000000000000000 "},  // rounding to 15 digits carries over
        {16711680, " 16711680 "},
    };
    for (const auto& c : cases) EXPECT_EQ(printStyleNumber(c.value), c.text) << c.value;
}

TEST(PrintStyleNumber, RendersIntegers) {
    EXPECT_EQ(printStyleNumber(std::int64_t{0}), " 0 ");
    EXPECT_EQ(printStyleNumber(std::int64_t{1000000}), " 1000000 ");
    EXPECT_EQ(printStyleNumber(std::int64_t{-5}), "-5 ");
    EXPECT_EQ(printStyleNumber(INT64_MIN), "-9223372036854775808 ");
}

struct MaskCase {
    double value;
    DigitMask mask;
    const char* text;
};

TEST(MaskedNumber, PadsAndRoundsHalvesAwayFromZero) {
    const MaskCase cases[] = {
        {37.5, kMaskSevenDecimals, "37.5000000"},
        {127.123456, kMaskSevenDecimals, "127.1234560"},
        {0.5, kMaskSevenDecimals, "0.5000000"},
        {37, kMaskSevenDecimals, "37.0000000"},
        {-0.5, kMaskSevenDecimals, "-0.5000000"},
        {48.11730166666667, kMaskSevenDecimals, "48.1173017"},
        {11.516666666666667, kMaskSevenDecimals, "11.5166667"},
        {-0.00000004, kMaskSevenDecimals, "0.0000000"},  // rounds to zero: no "-"
        {0.99999996, kMaskSevenDecimals, "1.0000000"},
        {-9.99999995, kMaskSevenDecimals, "-10.0000000"},
        {38299.645833333336, kMaskSixDecimals, "38299.645833"},
        {38299.5, kMaskSixDecimals, "38299.500000"},
        {34416.89952546296, kMaskSixDecimals, "34416.899525"},
        {126.9780005, kMaskSixDecimals, "126.978001"},  // binary 126.97800049999... rounds up
        {123, kMaskFourDigits, "0123"},
        {5, kMaskFourDigits, "0005"},
        {0, kMaskFourDigits, "0000"},
        {1789, kMaskFourDigits, "1789"},
        {12345, kMaskFourDigits, "12345"},
        {-5, kMaskFourDigits, "-0005"},
        {-777, kMaskFourDigits, "-0777"},
        {2.5, kMaskFourDigits, "0003"},
        {-0.4, kMaskFourDigits, "0000"},
        {-1e-60, kMaskSevenDecimals, "0.0000000"},  // far below the last place
        {3e-300, kMaskFourDigits, "0000"},
        {1, kMaskThreeDigits, "001"},
        {42, kMaskThreeDigits, "042"},
        {999, kMaskThreeDigits, "999"},
        {1000, kMaskThreeDigits, "1000"},
    };
    for (const auto& c : cases) EXPECT_EQ(maskedNumber(c.value, c.mask), c.text) << c.value;
}

TEST(RoundToSixDecimals, RoundsTheFifteenDigitDecimal) {
    const std::pair<double, double> cases[] = {
        {126.9780005, 126.978001}, {37.1234565, 37.123457}, {37.7654321, 37.765432},
        {127.1234567, 127.123457}, {-33.5, -33.5},          {-0.0000004, 0.0},
        {0.0000005, 0.000001},     {179.9999996, 180.0},
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

TEST(NumberRenderings, ReadBackAsTheRoundedValue) {
    std::mt19937_64 random(20041108);
    std::uniform_real_distribution<double> coordinate(-180.0, 180.0);
    std::uniform_int_distribution<int> exponent(-4, 14);
    for (int i = 0; i < 20000; ++i) {
        const double value = coordinate(random) * std::pow(10.0, exponent(random) - 2);
        const auto printed = parseNumber(printStyleNumber(value));
        ASSERT_TRUE(printed) << value;
        EXPECT_EQ(*printed, fifteenDigitValue(value)) << value;
        const auto masked = parseNumber(maskedNumber(value, kMaskSixDecimals));
        ASSERT_TRUE(masked) << value;
        EXPECT_EQ(*masked, roundToSixDecimals(value)) << value;
        EXPECT_LE(std::abs(*masked - value), 0.5e-6 + std::abs(value) * 1e-14) << value;
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
                                 "abc",
                                 "1e5",
                                 "1.2.3",
                                 "--1",
                                 "1 2",
                                 "0x10",
                                 ".",
                                 "-",
                                 "nan",
                                 "inf",
                                 "1,5",
                                 "5-",
                                 "+-1",
                                 "\x01"
                                 "1",
                                 std::string(400, '9')};  // too large for a double
    for (const auto& text : cases) EXPECT_FALSE(parseNumber(text)) << text;
}

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(parseLeadingNumber("4807.038"), 4807.038);
    EXPECT_EQ(parseLeadingNumber("12ab"), 12);
    EXPECT_EQ(parseLeadingNumber(" -3x"), -3);
    EXPECT_EQ(parseLeadingNumber("5.e"), 5);
    EXPECT_FALSE(parseLeadingNumber("abc"));
    EXPECT_FALSE(parseLeadingNumber(""));
    EXPECT_FALSE(parseLeadingNumber("-x"));
}

}  // namespace
}  // namespace morlindo
