#include "convert/track_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "convert/track_detail.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::crlfLines;
using test::TempDir;
using test::writeFile;

Item pointAt(double latitude, double longitude, std::optional<double> altitude = {},
             std::optional<DateTime> time = {}) {
    Item item;
    item.latitude = latitude;
    item.longitude = longitude;
    item.altitudeMeters = altitude;
    item.utcTime = time;
    return item;
}

Item itemOf(ItemKind kind) {
    Item item;
    item.kind = kind;
    return item;
}

TEST(TrackStatistics, MeasuresKnownTracks) {
    struct Case {
        const char* name;
        std::vector<Item> samples;
        double lengthKm;
        std::optional<double> ascentMeters;
        std::uint64_t segments = 0;
    };
    const auto at = [](double latitude, double longitude, std::optional<double> altitude = {}) {
        return pointAt(latitude, longitude, altitude);
    };
    const Item segment = itemOf(ItemKind::SegmentStart);
    const Case cases[] = {
        {"a degree of a meridian", {at(10, 20), at(11, 20)}, 111.19, std::nullopt},
        // Up 100, down 50, up 80, down 200: only the climbs add up.
        {"a saw-tooth profile",
         {at(0, 0, 100), at(0, 0, 200), at(0, 0, 150), at(0, 0, 230), at(0, 0, 30)},
         0,
         180},
        // The jump between segments adds neither length nor ascent.
        {"two segments",
         {segment, at(10, 20, 0), at(11, 20, 10), segment, at(50, 20, 500), at(51, 20, 400)},
         222.39,
         10,
         2},
    };
    for (const auto& c : cases) {
        TrackStatisticsBuilder builder(FileKind::AlmapTrack);
        for (const auto& sample : c.samples) builder.add(sample);
        const TrackStatistics s = builder.finish();
        EXPECT_EQ(s.points, c.samples.size() - c.segments) << c.name;
        EXPECT_EQ(s.segments, c.segments) << c.name;
        EXPECT_NEAR(s.lengthKm, c.lengthKm, 0.01) << c.name;
        EXPECT_DOUBLE_EQ(s.ascentMeters, c.ascentMeters.value_or(0)) << c.name;
        EXPECT_EQ(s.lowestMeters.has_value(), c.ascentMeters.has_value()) << c.name;
    }
}

// Close up, a million points along a meridian give about one point per
// step within the region, from the point before it to the point after it;
// a line that only crosses the region keeps its two ends, as a line apart.
TEST(TrackDetail, KeepsAboutAPointPerStepWithinTheRegion) {
    TrackDetailBuilder builder({{4, -1, 5, 1}, 0.001, 0.001});
    builder.add(itemOf(ItemKind::SegmentStart));
    for (int i = 0; i <= 1000000; ++i) builder.add(pointAt(i * 1e-5, 0));
    builder.add(itemOf(ItemKind::SegmentStart));
    for (const double longitude : {-5.0, 5.0}) builder.add(pointAt(4.5, longitude));
    const std::vector<TrackSample> detail = builder.finish();
    ASSERT_GE(detail.size(), 900u);
    EXPECT_LE(detail.size(), 1010u);
    EXPECT_NEAR(detail.front().latitude, 4 - 1e-5, 1e-9);
    EXPECT_TRUE(detail.front().startsSegment);
    const auto lineStarts = std::count_if(detail.begin(), detail.end(),
                                          [](const TrackSample& s) { return s.startsSegment; });
    EXPECT_EQ(lineStarts, 2);
    EXPECT_NEAR(detail[detail.size() - 3].latitude, 5 + 1e-5, 1e-9);
    EXPECT_TRUE(detail[detail.size() - 2].startsSegment);
    EXPECT_EQ(detail.back().longitude, 5.0);
}

// A million points leave at most twice the outline's size for drawing,
// beginning with the first point and ending with the last.
TEST(TrackStatistics, ThinsTheOutlineButKeepsItsEnds) {
    TrackStatisticsBuilder builder(FileKind::AlmapTrack);
    constexpr int kPoints = 1000003;
    for (int i = 0; i < kPoints; ++i) builder.add(pointAt(i * 1e-5, 0, i % 7));
    const TrackStatistics s = builder.finish();
    EXPECT_EQ(s.points, std::uint64_t{kPoints});
    EXPECT_LE(s.outline.size(), 2 * kOutlinePoints);
    EXPECT_GE(s.outline.size(), kOutlinePoints);
    EXPECT_EQ(s.outline.front().latitude, 0);
    EXPECT_EQ(s.outline.back().latitude, (kPoints - 1) * 1e-5);
    EXPECT_LE(s.profile.size(), 2 * kOutlinePoints);
    EXPECT_DOUBLE_EQ(s.profile.back().distanceKm, s.lengthKm);
    EXPECT_EQ(s.bounds->north, (kPoints - 1) * 1e-5);
}

TEST(TrackStatistics, ReadsTimesAndAltitudesOfALog) {
    TempDir dir;
    writeFile(dir / "log.nmea",
              crlfLines({test::kGga, test::kRmc, "$GPGSV,garbage",
                         test::nmeaSentence("GPGGA,123619,4807.0381,N,01131.000,E,1,08,0.9,545.4,M,,M,,"),
                         test::nmeaSentence("GPRMC,123619,A,,,,,,,230394,,")}));
    const TrackStatistics s = trackStatisticsOf(dir / "log.nmea");
    EXPECT_EQ(s.kind, FileKind::NmeaLog);
    EXPECT_EQ(s.points, 2u);
    EXPECT_EQ(s.durationSeconds(), 60);
    EXPECT_EQ(s.firstTime, (DateTime{1994, 3, 23, 12, 35, 19}));
    EXPECT_EQ(s.highestMeters, 545.4);
    EXPECT_EQ(s.linesRead, 5u);
    EXPECT_EQ(s.sentencesPassedOver, 1u);

    // An OziExplorer track: local times from the day numbers, altitudes in
    // feet, -777 for none.
    writeFile(dir / "t.plt",
              test::oziTrackHeader("t", "2") + crlfLines({"37.5,127, 0 ,1000, 38299.6458333333",
                                                          "37.6,127, 0 ,-777, 38299.6465277778"}));
    const TrackStatistics track = trackStatisticsOf(dir / "t.plt");
    EXPECT_TRUE(track.timesAreLocal);
    EXPECT_EQ(track.firstTime, test::kStamp);
    EXPECT_EQ(track.durationSeconds(), 60);
    EXPECT_DOUBLE_EQ(*track.highestMeters, 304.8);

    // A time that goes backwards: the span from the earliest to the latest.
    TrackStatisticsBuilder builder(FileKind::Gpx);
    builder.add(pointAt(0, 0, {}, DateTime{2004, 1, 1, 10, 0, 0}));
    builder.add(pointAt(0, 0, {}, DateTime{2004, 1, 1, 9, 0, 0}));
    builder.add(pointAt(0, 0, {}, DateTime{2004, 1, 1, 9, 30, 0}));
    const TrackStatistics unordered = builder.finish();
    EXPECT_EQ(unordered.durationSeconds(), 3600);
    EXPECT_FALSE(unordered.timesInOrder);

    writeFile(dir / "empty.nmea", crlfLines({"$GPGSV,no fix here"}));
    const TrackStatistics none = trackStatisticsOf(dir / "empty.nmea");
    EXPECT_EQ(none.points, 0u);
    EXPECT_FALSE(none.bounds);
    EXPECT_FALSE(none.durationSeconds());
}

}  // namespace
// The one rounding of the preview and `morlindo info`: to the nearest, and
// no "-0.0" for an altitude just below sea level.
TEST(TrackStatistics, WordsFiguresWithOneRounding) {
    const std::tuple<double, int, std::string> cases[] = {
        {123.45, kAltitudeDecimals, "123.5"}, {-0.04, kAltitudeDecimals, "0.0"},
        {-3.06, kAltitudeDecimals, "-3.1"},   {111.19508, kLengthDecimals, "111.195"},
        {37.5, kCoordinateDecimals, "37.500000"}};
    for (const auto& [value, decimals, text] : cases) {
        EXPECT_EQ(decimalText(value, decimals), text) << value;
    }
}

}  // namespace morlindo
