#include "convert/almap_to_ozi_route.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::crlfLines;
using test::readFile;
using test::TempDir;
using test::writeFile;

const OziRouteOptions kSampleOptions{"R0", "", 255, 255, 255};

std::string routeFile(const std::string& routeLine, const std::vector<std::string>& points) {
    std::vector<std::string> lines = {"OziExplorer Route File Version 1.0", "WGS 84", "reserved 1",
                                      "reserved 2", routeLine};
    lines.insert(lines.end(), points.begin(), points.end());
    return crlfLines(lines);
}

std::string waypointLine(int number, const std::string& latitude, const std::string& longitude) {
    const std::string n = " " + std::to_string(number) + " ";
    return "W, 0 ," + n + "," + n + ",," + latitude + "," + longitude +
           ",, 0 , 1 , 3 , 255 , 255 , 0 , 0 ";
}

TEST(ConvertAlmapToOziRoute, WritesTheSampleByteForByte) {
    TempDir dir;
    writeFile(dir / "trip.2004.alr", almapFile({{127.25, 37.5}}));
    const auto result = convertAlmapToOziRoute(dir / "trip.2004.alr", kSampleOptions);
    EXPECT_EQ(result.output, dir / "trip.rte");
    EXPECT_EQ(result.points, 1u);
    EXPECT_EQ(readFile(dir / "trip.rte"),
              routeFile("R, 0 ,R0,, 255 ",
                        {"W, 0 , 1 , 1 ,, 37.5 , 127.25 ,, 0 , 1 , 3 , 255 , 255 , 0 , 0 "}));
}

TEST(ConvertAlmapToOziRoute, WritesEveryRecordInOrder) {
    struct Case {
        std::string name;
        std::string bytes;
        std::vector<std::string> points;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"signature only", test::kAlmapSignature, {}},
        {"trailing piece ignored",
         almapFile({{127, 37}, {-70.25, -33.5}}) + std::string(31, 'x'),
         {waypointLine(1, " 37 ", " 127 "), waypointLine(2, "-33.5 ", "-70.25 ")}},
        {"ties round on the 15-digit decimal",
         almapFile({{126.9780005, 37.1234565}}),
         {waypointLine(1, " 37.123457 ", " 126.978001 ")}},
        {"zero point and equal points",
         almapFile({{0, 0}, {0, 0}}),
         {waypointLine(1, " 0 ", " 0 "), waypointLine(2, " 0 ", " 0 ")}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "t.alr", c.bytes);
        const auto result = convertAlmapToOziRoute(dir / "t.alr", kSampleOptions);
        EXPECT_EQ(result.points, c.points.size()) << c.name;
        EXPECT_EQ(readFile(dir / "t.rte"), routeFile("R, 0 ,R0,, 255 ", c.points)) << c.name;
    }
}

}  // namespace
}  // namespace morlindo
