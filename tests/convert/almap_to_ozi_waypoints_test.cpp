#include "convert/almap_to_ozi_waypoints.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::crlfLines;
using test::readFile;
using test::TempDir;
using test::writeFile;

const std::string kHeader =
    crlfLines({"OziExplorer Waypoint File Version 1.1", "WGS 84", "reserved 2", "garmin"});
const OziWaypointOptions kSampleOptions{"WPT", 255, 255};

std::vector<std::string> pointLines(const std::string& file) {
    std::vector<std::string> lines;
    for (std::size_t start = kHeader.size(); start < file.size();) {
        const std::size_t end = file.find("\r\n", start);
        lines.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(ConvertAlmapToOziWaypoints, WritesTheSampleByteForByte) {
    TempDir dir;
    writeFile(dir / "trip.2004.alr", almapFile({{127.25, 37.5}}));
    const auto result = convertAlmapToOziWaypoints(dir / "trip.2004.alr", kSampleOptions);
    EXPECT_EQ(result.output, dir / "trip.wpt");
    EXPECT_EQ(result.points, 1u);
    EXPECT_EQ(readFile(dir / "trip.wpt"),
              kHeader + crlfLines({" 1 ,WPT001, 37.5 , 127.25 ,,, 1 ,, 255 , 255 ,,,,,-777 "}));
}

TEST(ConvertAlmapToOziWaypoints, WritesShortAndOddTracks) {
    struct Case {
        std::string name;
        std::string bytes;
        std::string prefix;
        std::int32_t foreColor;
        std::int32_t backColor;
        std::vector<std::string> points;
    };
    const Case cases[] = {
        {"empty", "", "WPT", 255, 255, {}},
        {"signature only", test::kAlmapSignature, "WPT", 255, 255, {}},
        {"trailing piece, negative coordinates",
         almapFile({{-70.25, -33.5}}) + std::string(20, '\0'),
         "WPT",
         255,
         255,
         {" 1 ,WPT001,-33.5 ,-70.25 ,,, 1 ,, 255 , 255 ,,,,,-777 "}},
        {"ties round on the 15-digit decimal",
         almapFile({{126.9780005, 37.1234565}}),
         "WPT",
         255,
         255,
         {" 1 ,WPT001, 37.123457 , 126.978001 ,,, 1 ,, 255 , 255 ,,,,,-777 "}},
        {"empty prefix and other colours",
         almapFile({{1, 2}, {3, 4}}),
         "",
         0,
         16777215,
         {" 1 ,001, 2 , 1 ,,, 1 ,, 0 , 16777215 ,,,,,-777 ",
          " 2 ,002, 4 , 3 ,,, 1 ,, 0 , 16777215 ,,,,,-777 "}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "t.alr", c.bytes);
        convertAlmapToOziWaypoints(dir / "t.alr", {c.prefix, c.foreColor, c.backColor});
        EXPECT_EQ(readFile(dir / "t.wpt"), kHeader + crlfLines(c.points)) << c.name;
    }
}

TEST(ConvertAlmapToOziWaypoints, NumbersOnPastSixteenBits) {
    TempDir dir;
    writeFile(dir / "long.alr", almapFile(std::vector<std::pair<double, double>>(40000, {1, 2})));
    writeFile(dir / "long.wpt", std::string(3000000, '#'));
    const auto result = convertAlmapToOziWaypoints(dir / "long.alr", kSampleOptions);
    EXPECT_EQ(result.points, 40000u);
    const auto lines = pointLines(readFile(dir / "long.wpt"));
    ASSERT_EQ(lines.size(), 40000u);
    const std::string tail = ", 2 , 1 ,,, 1 ,, 255 , 255 ,,,,,-777 ";
    const std::pair<std::size_t, std::string> expected[] = {
        {1, " 1 ,WPT001"},           {10, " 10 ,WPT010"},         {100, " 100 ,WPT100"},
        {1000, " 1000 ,WPT1000"},    {32766, " 32766 ,WPT32766"}, {32767, " 32767 ,WPT32767"},
        {32768, " 32768 ,WPT32768"}, {40000, " 40000 ,WPT40000"},
    };
    for (const auto& [number, head] : expected) EXPECT_EQ(lines[number - 1], head + tail);
}

}  // namespace
}  // namespace morlindo
