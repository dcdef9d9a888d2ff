#include "formats/ozi_track.h"

#include <gtest/gtest.h>

#include <vector>

#include "io/error.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::crlfLines;
using test::TempDir;

std::string trackFile(const std::string& countLine, const std::vector<std::string>& points) {
    return test::oziTrackHeader("walk", countLine) + crlfLines(points);
}

std::vector<OziTrackPoint> readAll(const std::filesystem::path& path) {
    std::vector<OziTrackPoint> points;
    readOziTrackPoints(path, [&](double lat, double lon) { points.push_back({lat, lon}); });
    return points;
}

TEST(OziTrackReader, ReadsEveryPointLineWhateverLine6Says) {
    const std::string spaced =
        " 37.5 , 127.123456 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00";
    const std::string masked = "37.5000000,127.1234560, 0 ,0123,38299.645833,2004/11/08,15:30:00";
    struct Case {
        std::string name;
        std::string content;
        std::size_t points;
    };
    const Case cases[] = {
        {"plain zero", trackFile("0", {spaced, masked, masked}), 3},
        {"printed zero, empty lines", trackFile(" 0 ", {masked, "", masked, ""}), 2},
        {"announces fewer", trackFile("2", {masked, masked, masked}), 3},
        {"announces more", trackFile("2390", {masked, masked}), 2},
        {"not a number", trackFile("many", {masked}), 1},
        {"no points", trackFile("0", {}), 0},
        {"lone LF and CR line ends", "a\nWGS 84\rc\r\nd\ne\n2\n" + masked + "\r" + spaced + "\n",
         2},
        {"last line without an end", trackFile("1", {}) + masked, 1},
        {"DOS end-of-file byte after the last line end", trackFile("1", {masked}) + "\x1A", 1},
        {"DOS end-of-file byte on the last line", trackFile("1", {masked, "\x1A"}), 1},
    };
    TempDir dir;
    for (const auto& c : cases) {
        test::writeFile(dir / "t.plt", c.content);
        const auto points = readAll(dir / "t.plt");
        ASSERT_EQ(points.size(), c.points) << c.name;
        for (const auto& point : points) {
            EXPECT_EQ(point.latitude, 37.5) << c.name;
            EXPECT_EQ(point.longitude, 127.123456) << c.name;
        }
    }
}

TEST(OziTrackReader, AcceptsNumbersWithOrWithoutLeadingZeroAndBlanks) {
    TempDir dir;
    test::writeFile(dir / "t.plt",
                    trackFile(" 3 ", {" .5 ,-.25 ,0", "\t-0.5\t, 5. ", "+1,-2,x,y"}));
    const auto points = readAll(dir / "t.plt");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].latitude, 0.5);
    EXPECT_EQ(points[0].longitude, -0.25);
    EXPECT_EQ(points[1].latitude, -0.5);
    EXPECT_EQ(points[1].longitude, 5.0);
    EXPECT_EQ(points[2].latitude, 1.0);
    EXPECT_EQ(points[2].longitude, -2.0);
}

TEST(OziTrackReader, NamesTheLineAndTheFault) {
    struct Case {
        std::string content;
        std::int64_t line;
        std::string reason;
    };
    const Case cases[] = {
        {crlfLines({"a", "wgs84", "c"}), 3, "the file ends before line 6"},
        {crlfLines({"a", " Tokyo ", "c", "d", "e", "0"}), 2,
         "datum \"Tokyo\" is not WGS 84; convert the file to WGS 84 first"},
        {trackFile("0", {"37.5,127", "37.5"}), 8, "a point line needs a latitude and a longitude"},
        {trackFile("0", {"37.5,127", "37.5,127", "abc,127"}), 9,
         "latitude \"abc\" is not a number"},
        {trackFile("0", {"37.5,1x7,0"}), 7, "longitude \"1x7\" is not a number"},
        {trackFile("0", {"37.5,"}), 7, "longitude \"\" is not a number"},
        {trackFile("0", {"1,2", "\x1A", "1,2"}), 8,
         "a point line needs a latitude and a longitude"},
        {trackFile("0", {"1,2\x1A"}), 7, "longitude \"2?\" is not a number"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        test::writeFile(dir / "bad.plt", c.content);
        try {
            readAll(dir / "bad.plt");
            ADD_FAILURE() << "no error for: " << c.reason;
        } catch (const Error& error) {
            EXPECT_EQ(error.line(), c.line) << c.reason;
            EXPECT_EQ(error.path(), dir / "bad.plt");
            EXPECT_NE(error.reason().find(c.reason), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace morlindo
