#include "formats/almap_track.h"

#include <gtest/gtest.h>

#include "io/error.h"
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

TEST(AlmapTrackReader, ReadsRecordsWhateverTheirUnusedFieldsHold) {
    TempDir dir;
    std::string odd = test::almapRecord(127.1, 37.2);
    odd.replace(16, 16, std::string(16, '\x7F'));  // value3 and words as another program wrote them
    test::writeFile(dir / "t.alr", test::almapFile({{-180, -90}}) + odd);

    AlmapTrackReader reader(dir / "t.alr");
    ASSERT_EQ(reader.recordCount(), 2u);
    const auto first = reader.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->longitude, -180);
    EXPECT_EQ(first->latitude, -90);
    EXPECT_EQ(first->word1, 60);
    const auto second = reader.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->longitude, 127.1);
    EXPECT_EQ(second->latitude, 37.2);
    EXPECT_FALSE(reader.next());
}

// A file that is not what its name claims is refused with the reason, and
// a record off the earth with its number, after the records before it.
TEST(AlmapTrackReader, RefusesWhatIsNotAnAlmapTrack) {
    const std::string good = test::almapRecord(127.0, 37.5);
    const std::string signatureFault =
        "this is not an AlMap track file: it does not begin with the AlMap track signature";
    const std::pair<std::string, std::string> cases[] = {
        {"", signatureFault},
        {"ALMAPGPS", signatureFault},
        {"NOT A TRACK!!" + good, signatureFault},
        {test::almapFile({}) + good + std::string(31, '\0'),
         "the file ends 31 bytes into record 2; it was cut short or is not an AlMap track file"},
        {test::almapFile({}) + good + test::almapRecord(127.0, 90.5),
         "record 2: the latitude 90.5 is not a number of degrees from -90 to 90; this is not an "
         "AlMap track file"},
        {test::almapFile({{-180.25, 0}}),
         "record 1: the longitude -180.25 is not a number of degrees from -180 to 180; this is "
         "not an AlMap track file"},
        {test::almapFile({}) + std::string(32, '\xFF'),
         "record 1: the latitude NaN is not a number of degrees from -90 to 90; this is not an "
         "AlMap track file"},
    };
    for (const auto& [bytes, reason] : cases) {
        TempDir dir;
        test::writeFile(dir / "t.alr", bytes);
        try {
            AlmapTrackReader reader(dir / "t.alr");
            while (reader.next()) {
            }
            ADD_FAILURE() << reason << ": read";
        } catch (const Error& error) {
            EXPECT_EQ(error.reason(), reason);
        }
    }
}

}  // namespace
}  // namespace morlindo
