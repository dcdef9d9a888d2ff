#include "formats/nmea_sentence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace morlindo {
namespace {

// Every field of the text, split at every ",".
std::vector<std::string> allFields(const std::string& text) {
    std::vector<std::string> fields{""};
    for (const char c : text) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// Commas at every place within and across the eight-byte words the fields
// are searched in, and every number of fields wanted.
TEST(NmeaFields, SplitAsAPlainSplitterDoesUpToTheFieldsWanted) {
    std::mt19937 random(20041108);
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        const auto length = random() % 40;
        for (std::size_t j = 0; j < length; ++j) {
            text += random() % 3 == 0 ? ',' : static_cast<char>('a' + j % 26);
        }
        const auto wanted = 1 + random() % NmeaFields::kMaxFields;
        const auto expected = allFields(text);
        const NmeaFields fields(text, wanted);
        const std::size_t count = std::min<std::size_t>(expected.size(), wanted);
        EXPECT_TRUE(fields.hasAtLeast(count)) << text;
        EXPECT_FALSE(fields.hasAtLeast(count + 1)) << text;
        for (std::size_t k = 0; k < count; ++k) EXPECT_EQ(fields[k], expected[k]) << text;
    }
}

TEST(NmeaCoordinate, ReadsDegreesThenMinutes) {
    const std::tuple<const char*, std::size_t, std::optional<double>> cases[] = {
        {"4807.038", 2, 48 + 7.038 / 60},
        {"01131.000", 3, 11 + 31.0 / 60},
        {"0000.0000", 2, 0.0},
        {"48", 2, std::nullopt},  // no minutes
        {"48x7.0", 2, std::nullopt},
        {" 4-7.5", 2, 4 - 7.5 / 60},  // degrees and minutes as numbers of their own
        {"7.5", 0, std::nullopt},  // no degrees
    };
    for (const auto& [field, degreeDigits, value] : cases) {
        EXPECT_EQ(nmeaCoordinate(field, degreeDigits), value) << field;
    }
}

}  // namespace
}  // namespace morlindo
