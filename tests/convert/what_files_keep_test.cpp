// What each kind keeps through a conversion and back: tracks, segments and
// names through .plt, waypoints and routes through .wpt and .rte, altitudes
// in metres; and what a conversion refuses instead of writing a file that
// lost everything (a source of waypoints only into a track).
#include <gtest/gtest.h>

#include "convert/conversions.h"
#include "formats/gpx_reader.h"
#include "io/error.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::crlfLines;
using test::readFile;
using test::TempDir;
using test::writeFile;

const std::filesystem::path kGpxData = std::filesystem::path(MORLINDO_TEST_DATA_DIR) / "gpx";

// The items of a GPX file, one text each: "T name", "S", "R name desc",
// "W name lat lon ele", "r name lat lon", "P lat lon ele".
std::vector<std::string> itemsOf(const std::filesystem::path& gpx) {
    GpxReader reader(gpx);
    std::vector<std::string> items;
    Item i;
    const auto number = [](const std::optional<double>& value) {
        char text[32] = "-";
        if (value) std::snprintf(text, sizeof text, "%.6g", *value);
        return std::string(text);
    };
    while (reader.next(i)) {
        const std::string at = number(i.latitude) + " " + number(i.longitude);
        switch (i.kind) {
            case ItemKind::TrackStart:
                items.push_back("T " + i.name);
                break;
            case ItemKind::SegmentStart:
                items.emplace_back("S");
                break;
            case ItemKind::RouteStart:
                items.push_back("R " + i.name + " " + i.description);
                break;
            case ItemKind::Waypoint:
                items.push_back("W " + i.name + " " + at + " " + number(i.altitudeMeters));
                break;
            case ItemKind::RoutePoint:
                items.push_back("r " + i.name + " " + at);
                break;
            case ItemKind::Point:
                items.push_back("P " + at + " " + number(i.altitudeMeters));
                break;
        }
    }
    return items;
}

const std::string kStructured = R"(<?xml version="1.0"?>
<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="37.5" lon="127.25"><ele>100</ele><name>Summit</name><desc>cairn</desc></wpt>
  <wpt lat="-33.5" lon="-70.25"><name>Camp</name></wpt>
  <rte><name>Ridge</name><desc>north side</desc>
    <rtept lat="37" lon="127"><name>Gate</name></rtept><rtept lat="37.1" lon="127.1"/>
  </rte>
  <rte><name>Back</name><rtept lat="38" lon="128"/></rte>
  <trk><name>Day 1</name>
    <trkseg><trkpt lat="10" lon="20"/><trkpt lat="10.1" lon="20"/></trkseg>
    <trkseg><trkpt lat="11" lon="21"/></trkseg>
  </trk>
  <trk><name>Day 2</name><trkseg><trkpt lat="12" lon="22"/></trkseg></trk>
</gpx>
)";

// source -> first kind -> GPX: the items of the GPX file written last.
TEST(WhatFilesKeep, ThroughEachKindAndBackToGpx) {
    struct Case {
        const char* name;
        ConversionKind there;
        const char* between;  // the file written there
        std::vector<std::string> back;
    };
    const Case cases[] = {
        // One track line with breaks; the first track's name.
        {"tracks and segments through .plt",
         ConversionKind::GpxToOziTrack,
         "walk.plt",
         {"T Day 1", "S", "P 10 20 -", "P 10.1 20 -", "S", "P 11 21 -", "S", "P 12 22 -"}},
        {"waypoints through .wpt",
         ConversionKind::AlmapToOziWaypoints,
         "walk.wpt",
         {"W Summit 37.5 127.25 99.9744", "W Camp -33.5 -70.25 -"}},
        {"routes through .rte",
         ConversionKind::AlmapToOziRoute,
         "walk.rte",
         {"R Ridge north side", "r Gate 37 127", "r  37.1 127.1", "R Back ", "r  38 128"}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeFile(dir / "walk.gpx", kStructured);
        const auto there = convertFile(c.there, dir / "walk.gpx", {}, test::fixedContext());
        EXPECT_EQ(there.output, dir / c.between);
        std::filesystem::remove(dir / "walk.gpx");
        const auto back =
            convertFile(ConversionKind::TrackToGpx, there.output, {}, test::fixedContext());
        EXPECT_EQ(itemsOf(back.output), c.back) << c.name;
    }
}

// A .plt whose field 3 breaks the line, in metres, read into GPX.
TEST(WhatFilesKeep, BreaksNameAndMetresOfAnOziTrack) {
    TempDir dir;
    writeFile(dir / "t.plt", crlfLines({"OziExplorer Track Point File Version 2.1", " wgs  84",
                                        "ALTITUDE IS IN METERS", "Reserved 3",
                                        "0,2,255,V\xC3\xA9zelay / Cuncy,0,0,2,8421376", "3",
                                        "10,20,0,100,,,", "11,21,1,-777,,,", "12,22, 0 ,5,,,"}));
    const auto gpx =
        convertFile(ConversionKind::TrackToGpx, dir / "t.plt", {}, test::fixedContext());
    EXPECT_EQ(itemsOf(gpx.output),
              (std::vector<std::string>{"T V\xC3\xA9zelay / Cuncy", "S", "P 10 20 100", "S",
                                        "P 11 21 -", "P 12 22 5"}));
}

// What fails writes nothing; what cannot be held is reported.
TEST(WhatFilesKeep, RefusesASourceWithNothingTheTargetHolds) {
    const std::string waypoints = R"(<gpx><wpt lat="1" lon="2"/><wpt lat="3" lon="4"/></gpx>)";
    const std::string track = R"(<gpx><trk><trkseg><trkpt lat="1" lon="2"/></trkseg></trk></gpx>)";
    struct Case {
        ConversionKind kind;
        std::string gpx;
        std::string reason;
    };
    const Case cases[] = {
        {ConversionKind::GpxToOziTrack, waypoints,
         "no track points (the file holds 2 waypoints: convert it to .wpt or .gpx)"},
        {ConversionKind::GpxToAlmap, waypoints,
         "no track points (the file holds 2 waypoints: convert it to .wpt or .gpx)"},
        {ConversionKind::AlmapToOziWaypoints, track,
         "no waypoints (the file holds 1 track: convert it to .plt or .gpx)"},
        {ConversionKind::AlmapToOziRoute, kStructured, "no route points"},  // never: it has routes
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeFile(dir / "in.gpx", c.gpx);
        try {
            const auto result = convertFile(c.kind, dir / "in.gpx", {}, test::fixedContext());
            EXPECT_EQ(c.kind, ConversionKind::AlmapToOziRoute) << c.reason;
            EXPECT_EQ(result.dropped.tracks, 2u);
            EXPECT_EQ(result.dropped.waypoints, 2u);
        } catch (const Error& error) {
            EXPECT_EQ(error.reason(), c.reason);
            EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.gpx"});
        }
    }
}

}  // namespace
}  // namespace morlindo
