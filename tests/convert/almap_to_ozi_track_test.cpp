#include "convert/almap_to_ozi_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "io/error.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::crlfLines;
using test::readFile;
using test::TempDir;
using test::writeFile;

const DateTime kStamp{2004, 11, 8, 15, 30, 0};

std::string header(const std::string& name, const std::string& count) {
    return crlfLines({"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in feet",
                      " reserved 3", "0,2,255," + name + ",1,0,0,255", count});
}

TEST(ConvertAlmapToOziTrack, WritesTheWorkedExampleByteForByte) {
    TempDir dir;
    writeFile(dir / "walk.alr", almapFile({{127.0, 37.5}, {127.1234567, 37.7654321}}));
    const auto result =
        convertAlmapToOziTrack(dir / "walk.alr", OziTrackOptions{}, FixedClock(kStamp));
    EXPECT_EQ(result.output, dir / "walk.plt");
    EXPECT_EQ(result.points, 2u);
    EXPECT_EQ(
        readFile(dir / "walk.plt"),
        header("walk", " 2 ") +
            crlfLines(
                {" 37.5 , 127 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00",
                 " 37.765432 , 127.123457 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00"}));
}

TEST(ConvertAlmapToOziTrack, HandlesShortAndOddInputs) {
    struct Case {
        std::string name;
        std::string bytes;
        std::string expected;
    };
    const std::string tail = " , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00";
    const Case cases[] = {
        {"empty", "", header("t", " 0 ")},
        {"signature only", test::kAlmapSignature, header("t", " 0 ")},
        {"trailing piece", almapFile({{-70.25, -33.5}}) + std::string(31, '\x01'),
         header("t", " 1 ") + crlfLines({"-33.5 ,-70.25" + tail})},
        {"rounding of the 15-digit decimal", almapFile({{126.9780005, 37.1234565}}),
         header("t", " 1 ") + crlfLines({" 37.123457 , 126.978001" + tail})},
        {"zero point and tiny values", almapFile({{0.0, -0.0000004}, {0.0000005, 0.5}}),
         header("t", " 2 ") + crlfLines({" 0 , 0" + tail, " 0.5 , 0.000001" + tail})},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "t.alr", c.bytes);
        convertAlmapToOziTrack(dir / "t.alr", OziTrackOptions{}, FixedClock(kStamp));
        EXPECT_EQ(readFile(dir / "t.plt"), c.expected) << c.name;
    }
}

TEST(ConvertAlmapToOziTrack, NamesTheTrackAndReplacesAnOlderFile) {
    TempDir dir;
    writeFile(dir / "walk.2004.alr", almapFile({{127.0, 37.5}}));
    writeFile(dir / "walk.plt", std::string(10000, '#'));
    const OziTrackOptions options{"1", 16711680, kTrackTypePolygon};
    convertAlmapToOziTrack(dir / "walk.2004.alr", options, FixedClock(kStamp));
    const std::string plt = readFile(dir / "walk.plt");
    EXPECT_NE(plt.find("\r\n0,1,16711680,walk,1,10,0,16711680\r\n"), std::string::npos);
    EXPECT_EQ(plt.find('#'), std::string::npos);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"walk.2004.alr", "walk.plt"}));
}

TEST(ConvertAlmapToOziTrack, StampsEachLineWithTheTimeItIsWritten) {
    class Ticking : public Clock {
    public:
        DateTime now() const override {
            return dateTimeFromSecondsSinceDayZero(secondsSinceDayZero(kStamp) + 30 * calls_++);
        }

    private:
        mutable int calls_ = 0;
    };
    TempDir dir;
    writeFile(dir / "t.alr", almapFile({{1, 2}, {3, 4}, {5, 6}}));
    convertAlmapToOziTrack(dir / "t.alr", OziTrackOptions{}, Ticking{});
    const std::string plt = readFile(dir / "t.plt");
    EXPECT_NE(plt.find(" 2 , 1 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00\r\n"),
              std::string::npos);
    EXPECT_NE(plt.find(" 4 , 3 , 0 ,-777 , 38299.6461805556 ,08-Nov-04,15:30:30\r\n"),
              std::string::npos);
    EXPECT_NE(plt.find(" 6 , 5 , 0 ,-777 , 38299.6465277778 ,08-Nov-04,15:31:00\r\n"),
              std::string::npos);
}

TEST(ConvertAlmapToOziTrack, RefusesRecordsThatAreNotCoordinates) {
    TempDir dir;
    writeFile(dir / "bad.plt", "older");
    writeFile(dir / "bad.alr", almapFile({{1, 2}, {3, std::numeric_limits<double>::quiet_NaN()}}));
    try {
        convertAlmapToOziTrack(dir / "bad.alr", OziTrackOptions{}, FixedClock(kStamp));
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.path(), dir / "bad.alr");
        EXPECT_NE(error.reason().find("record 2: the latitude is not a finite number"),
                  std::string::npos);
    }
    EXPECT_EQ(readFile(dir / "bad.plt"), "older");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"bad.alr", "bad.plt"}));
}

TEST(ConvertAlmapToOziTrack, LeavesNoOutputWhenTheInputIsMissing) {
    TempDir dir;
    EXPECT_THROW(convertAlmapToOziTrack(dir / "gone.alr", OziTrackOptions{}, FixedClock(kStamp)),
                 Error);
    EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace morlindo
