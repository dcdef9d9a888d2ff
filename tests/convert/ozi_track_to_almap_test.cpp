#include "convert/ozi_track_to_almap.h"

#include <gtest/gtest.h>

#include "io/error.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::crlfLines;
using test::readFile;
using test::TempDir;
using test::writeFile;

// The point lines of the two writers of this system for the same point.
const std::string kMaskedLine = "37.5000000,127.1234560, 0 ,0123,38299.645833,2004/11/08,15:30:00";
const std::string kPrintedLine =
    " 37.5 , 127.123456 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00";

std::string trackFile(const std::string& countLine, const std::vector<std::string>& points) {
    std::vector<std::string> lines = {"OziExplorer Track Point File Version 2.1",
                                      "WGS 84",
                                      "Altitude is in feet",
                                      "reserved 3",
                                      "0,2,255,walk,1,0,0,255",
                                      countLine};
    lines.insert(lines.end(), points.begin(), points.end());
    return crlfLines(lines);
}

TEST(ConvertOziTrackToAlmap, WritesOneRecordPerPointLine) {
    using Points = std::vector<std::pair<double, double>>;  // longitude, latitude
    struct Case {
        std::string name;
        std::string track;
        Points points;
    };
    const Case cases[] = {
        {"both writers' lines",
         trackFile("2", {kMaskedLine, kPrintedLine}),
         {{127.123456, 37.5}, {127.123456, 37.5}}},
        {"uncounted reads to the end",
         trackFile("0", {kMaskedLine, kMaskedLine, kPrintedLine}),
         {{127.123456, 37.5}, {127.123456, 37.5}, {127.123456, 37.5}}},
        {"counted stops at the count", trackFile("2", {"1,2", "3,4", "5,6"}), {{2, 1}, {4, 3}}},
        {"zero point is kept", trackFile("0", {"0,0", " .5 , -.5 "}), {{0, 0}, {-0.5, 0.5}}},
        {"no point lines", trackFile("0", {}), {}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "walk.plt", c.track);
        const auto result = convertOziTrackToAlmap(dir / "walk.plt");
        EXPECT_EQ(result.output, dir / "walk.alr") << c.name;
        EXPECT_EQ(result.points, c.points.size()) << c.name;
        EXPECT_EQ(readFile(dir / "walk.alr"), almapFile(c.points)) << c.name;
    }
}

TEST(ConvertOziTrackToAlmap, FailsOnAMalformedTrackAndKeepsTheOlderFile) {
    const std::pair<std::string, std::string> cases[] = {
        {trackFile("0", {kMaskedLine, kMaskedLine, "abc,127"}),
         ":9: latitude \"abc\" is not a number"},
        {trackFile("many", {kMaskedLine}), ":6: the number of points \"many\" is not a number"},
    };
    for (const auto& [track, message] : cases) {
        TempDir dir;
        writeFile(dir / "bad.plt", track);
        writeFile(dir / "bad.alr", "older");
        try {
            convertOziTrackToAlmap(dir / "bad.plt");
            ADD_FAILURE() << "no error for " << message;
        } catch (const Error& error) {
            EXPECT_EQ(error.path(), dir / "bad.plt");
            EXPECT_NE(std::string(error.what()).find("bad.plt" + message), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(readFile(dir / "bad.alr"), "older") << message;
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"bad.alr", "bad.plt"})) << message;
    }
}

}  // namespace
}  // namespace morlindo
