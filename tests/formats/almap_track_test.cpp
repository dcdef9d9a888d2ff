#include "formats/almap_track.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace morlindo {
namespace {

using test::TempDir;

TEST(AlmapRecordCount, ComesFromTheFileLength) {
    const std::pair<std::uint64_t, std::uint64_t> cases[] = {
        {0, 0},
        {12, 0},
        {13, 0},
        {44, 0},
        {45, 1},
        {13 + 32 * 3 + 31, 3},
        {3'000'000'013, 93'750'000},  // beyond 2 GiB
    };
    for (const auto& [length, count] : cases) EXPECT_EQ(almapRecordCount(length), count) << length;
}

TEST(AlmapTrackWriter, WritesSignatureAndFixedTrailingValues) {
    TempDir dir;
    test::writeFile(dir / "one.alr", std::string(500, 'x'));  // an older, longer file
    {
        OutputFile output(dir / "one.alr");
        AlmapTrackWriter writer(output);
        writer.writeAlmapPoint(127.0, 37.5);
        output.commit();
    }
    const std::string expected =
        std::string("ALMAPGPS\x01\x01\x01\x01\x01", 13) +
        std::string("\x00\x00\x00\x00\x00\xC0\x5F\x40", 8) +  // longitude 127.0
        std::string("\x00\x00\x00\x00\x00\xC0\x42\x40", 8) +  // latitude 37.5
        std::string(8, '\0') + std::string("\x3C\x00\x00\x00\x00\x00\x00\x00", 8);
    EXPECT_EQ(test::readFile(dir / "one.alr"), expected);
}

TEST(AlmapTrackReader, SkipsTheSignatureUncheckedAndReadsRecords) {
    TempDir dir;
    std::string bytes = "NOT A TRACK!!" + test::almapRecord(-70.25, -33.5);
    std::string odd = test::almapRecord(127.1, 37.2);
    odd.replace(16, 16, std::string(16, '\x7F'));  // value3 and words as another program wrote them
    bytes += odd + std::string(31, '\xEE');        // and a piece shorter than a record
    test::writeFile(dir / "t.alr", bytes);

    AlmapTrackReader reader(dir / "t.alr");
    ASSERT_EQ(reader.recordCount(), 2u);
    const auto first = reader.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->longitude, -70.25);
    EXPECT_EQ(first->latitude, -33.5);
    EXPECT_EQ(first->word1, 60);
    const auto second = reader.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->longitude, 127.1);
    EXPECT_EQ(second->latitude, 37.2);
    EXPECT_FALSE(reader.next());
}

}  // namespace
}  // namespace morlindo
