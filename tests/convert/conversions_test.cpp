// What each conversion writes, byte for byte: the worked examples of the
// file formats, the rounding of coordinates in every text writer, and the
// times, altitudes and point count of an NMEA log. Which points the readers
// take is in the format tests; failures of the file system and odd inputs
// are in fault_injection_test and bad_input_test.
#include "convert/conversions.h"

#include <gtest/gtest.h>

#include "io/error.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::crlfLines;
using test::fixedContext;
using test::kGga;
using test::kRmc;
using test::kStamp;
using test::oziTrackHeader;
using test::readFile;
using test::TempDir;
using test::writeFile;
using Lines = std::vector<std::string>;

const std::string kStampTail = ", 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00";

// The head of the track that an AlMap track converts to.
std::string almapPltHeader(const std::string& name, const std::string& countLine) {
    return crlfLines({"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in feet",
                      " reserved 3", "0,2,255," + name + ",1,0,0,255", countLine});
}

const std::string kRteHeader =
    crlfLines({"OziExplorer Route File Version 1.0", "WGS 84", "reserved 1", "reserved 2"});
const std::string kWptHeader =
    crlfLines({"OziExplorer Waypoint File Version 1.1", "WGS 84", "reserved 2", "garmin"});

// The options of the samples: route and waypoints with red on red.
ConversionOptions sampleOptions() {
    ConversionOptions options;
    options.route.waypointBackColor = 255;
    options.waypoints.waypointBackColor = 255;
    return options;
}

TEST(Conversions, WriteTheWorkedExamplesByteForByte) {
    const std::filesystem::path data = MORLINDO_TEST_DATA_DIR;
    const std::filesystem::path gpx = data / "gpx";
    struct Case {
        ConversionKind kind;
        std::string input;
        std::string bytes;
        std::string output;
        std::uint64_t points;
        std::string expected;
    };
    const Case cases[] = {
        {ConversionKind::AlmapToOziTrack, "walk.alr",
         almapFile({{127.0, 37.5}, {127.1234567, 37.7654321}}), "walk.plt", 2,
         almapPltHeader("walk", " 2 ") +
             crlfLines({" 37.5 , 127 " + kStampTail, " 37.765432 , 127.123457 " + kStampTail})},
        {ConversionKind::AlmapToOziRoute, "trip.2004.alr", almapFile({{127.25, 37.5}}),
         "trip.2004.rte", 1,
         kRteHeader +
             crlfLines({"R, 0 ,R0,, 255 ",
                        "W, 0 , 1 , 1 ,, 37.5 , 127.25 ,, 0 , 1 , 3 , 255 , 255 , 0 , 0 "})},
        {ConversionKind::AlmapToOziWaypoints, "trip.2004.alr", almapFile({{127.25, 37.5}}),
         "trip.2004.wpt", 1,
         kWptHeader + crlfLines({" 1 ,WPT001, 37.5 , 127.25 ,,, 1 ,, 255 , 255 ,,,,,-777 "})},
        {ConversionKind::NmeaToOziTrack, "a.b.nmea", crlfLines({kGga, kRmc}), "a.b.plt", 1,
         oziTrackHeader("a.b", "1") +
             crlfLines({"48.1173017,11.5166667, 0 ,1789,34416.899525,1994/03/23,21:35:19"})},
        {ConversionKind::NmeaToOziTrack, "receiver.nmea", readFile(data / "receiver.nmea"),
         "receiver.plt", 9, readFile(data / "receiver.plt")},
        {ConversionKind::NmeaToAlmap, "log.nmea", crlfLines({kGga, kRmc}), "log.alr", 1,
         almapFile({{11 + 31.0 / 60, 48 + 7.0381 / 60}})},
        // The point lines of both writers of this system for the same point.
        {ConversionKind::OziTrackToAlmap, "walk.plt",
         oziTrackHeader("walk", "2") +
             crlfLines({"37.5000000,127.1234560, 0 ,0123,38299.645833,2004/11/08,15:30:00",
                        " 37.5 , 127.123456 " + kStampTail}),
         "walk.alr", 2, almapFile({{127.123456, 37.5}, {127.123456, 37.5}})},
        // Unlike a log's, a track's point at 0, 0 is a point.
        {ConversionKind::OziTrackToAlmap, "zero.plt", oziTrackHeader("zero", "0") + "0,0\r\n",
         "zero.alr", 1, almapFile({{0, 0}})},
        {ConversionKind::GpxToAlmap, "tracks.gpx", readFile(gpx / "tracks.gpx"), "tracks.alr", 4,
         almapFile({{126.978, 37.5665}, {-70.25, -33.5}, {180, 0}, {-180, 90}})},
        {ConversionKind::GpxToOziTrack, "tracks.gpx", readFile(gpx / "tracks.gpx"), "tracks.plt", 4,
         readFile(gpx / "tracks.plt")},
        // Points without a time get the clock's.
        {ConversionKind::GpxToOziTrack, "routes.gpx", readFile(gpx / "routes.gpx"), "routes.plt", 2,
         readFile(gpx / "routes.plt")},
        {ConversionKind::TrackToGpx, "receiver.nmea", readFile(data / "receiver.nmea"),
         "receiver.gpx", 9, readFile(gpx / "receiver_nmea.gpx")},
        {ConversionKind::TrackToGpx, "receiver.plt", readFile(data / "receiver.plt"),
         "receiver.gpx", 9, readFile(gpx / "receiver_plt.gpx")},
        {ConversionKind::TrackToGpx, "R&D.alr",
         almapFile({{180, -90}, {-0.0, 0.1}, {126.97800000000001, 37.5665}}), "R&D.gpx", 3,
         readFile(gpx / "almap.gpx")},
    };
    // UTF-8 text, whatever the system's code page (the name of tracks.gpx).
    const auto utf8 = TextEncoding::named("UTF-8");
    const FixedClock clock(test::kStamp);
    const ConversionContext context(clock, *utf8);
    for (const auto& c : cases) {
        TempDir dir;
        writeFile(dir / c.input, c.bytes);
        const auto result = convertFile(c.kind, dir / c.input, sampleOptions(), context);
        EXPECT_EQ(result.output, dir / c.output);
        EXPECT_EQ(result.points, c.points) << c.output;
        EXPECT_EQ(readFile(dir / c.output), c.expected) << c.output;
    }
}

// Every writer from an AlMap track rounds the 15-digit decimal of each
// coordinate to six decimals, drops a trailing piece of a record and writes
// nothing for an empty track.
TEST(Conversions, AlmapCoordinatesInEveryOutput) {
    using Texts = std::vector<std::pair<std::string, std::string>>;  // latitude, longitude
    struct Case {
        std::string name;
        std::string bytes;
        Texts points;
    };
    const Case cases[] = {
        {"the signature alone", almapFile({}), {}},
        {"negative coordinates", almapFile({{-70.25, -33.5}}), {{"-33.5 ", "-70.25 "}}},
        {"ties round on the 15-digit decimal",
         almapFile({{126.9780005, 37.1234565}}),
         {{" 37.123457 ", " 126.978001 "}}},
        {"zero point and tiny values",
         almapFile({{0.0, -0.0000004}, {0.0000005, 0.5}}),
         {{" 0 ", " 0 "}, {" 0.5 ", " 0.000001 "}}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "t.alr", c.bytes);
        const std::string count = " " + std::to_string(c.points.size()) + " ";
        Lines plt, rte = {"R, 0 ,R0,, 255 "}, wpt;
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            const auto& [latitude, longitude] = c.points[i];
            const std::string n = std::to_string(i + 1);
            plt.push_back(latitude + "," + longitude + kStampTail);
            rte.push_back("W, 0 , " + n + " , " + n + " ,," + latitude + "," + longitude +
                          ",, 0 , 1 , 3 , 255 , 255 , 0 , 0 ");
            wpt.push_back(" " + n + " ,WPT00" + n + "," + latitude + "," + longitude +
                          ",,, 1 ,, 255 , 255 ,,,,,-777 ");
        }
        const std::pair<ConversionKind, std::string> outputs[] = {
            {ConversionKind::AlmapToOziTrack, almapPltHeader("t", count) + crlfLines(plt)},
            {ConversionKind::AlmapToOziRoute, kRteHeader + crlfLines(rte)},
            {ConversionKind::AlmapToOziWaypoints, kWptHeader + crlfLines(wpt)},
        };
        for (const auto& [kind, expected] : outputs) {
            const auto result = convertFile(kind, dir / "t.alr", sampleOptions(), fixedContext());
            EXPECT_EQ(result.points, c.points.size()) << c.name;
            EXPECT_EQ(readFile(result.output), expected) << c.name;
        }
    }
}

TEST(Conversions, AlmapToOziTrackStampsEachLineWithTheTimeItIsWritten) {
    class Ticking : public Clock {
    public:
        DateTime now() const override {
            return dateTimeFromSecondsSinceDayZero(secondsSinceDayZero(kStamp) + 30 * calls_++);
        }
        DateTime nowInZone(int) const override { return now(); }

    private:
        mutable int calls_ = 0;
    };
    TempDir dir;
    writeFile(dir / "t.alr", almapFile({{1, 2}, {3, 4}, {5, 6}}));
    const Ticking ticking;
    convertFile(ConversionKind::AlmapToOziTrack, dir / "t.alr", {}, fixedContext(ticking));
    EXPECT_EQ(readFile(dir / "t.plt"),
              almapPltHeader("t", " 3 ") +
                  crlfLines({" 2 , 1 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00",
                             " 4 , 3 , 0 ,-777 , 38299.6461805556 ,08-Nov-04,15:30:30",
                             " 6 , 5 , 0 ,-777 , 38299.6465277778 ,08-Nov-04,15:31:00"}));
}

std::string gga(const std::string& time, const std::string& altitude) {
    return test::nmeaSentence("GNGGA," + time + ",3733.9900,N,12658.6800,E,1,08,0.9," + altitude +
                              ",M,18.4,M,,");
}

std::string rmc(const std::string& time, const std::string& date) {
    return test::nmeaSentence("GNRMC," + time + ",A,3733.9900,N,12658.6800,E,003.1,045.0," + date +
                              ",,,A");
}

TEST(Conversions, NmeaToOziTrackRendersAltitudeAndLocalTime) {
    const std::string position = "37.5665000,126.9780000, 0 ,";
    struct Case {
        std::string altitude;
        std::string time;
        std::string date;
        int timeZoneHours;
        std::string point;
    };
    const Case cases[] = {
        {"545.4", "233000", "230394", 9, "1789,34417.354167,1994/03/24,08:30:00"},
        {"50", "120000.20", "081104", 0, "0164,38299.500000,2004/11/08,12:00:00"},
        {"-1.5", "003000", "010104", -1, "-0005,37986.979167,2003/12/31,23:30:00"},
        {"9000", "120000", "081104", -12, "29528,38299.000000,2004/11/08,00:00:00"},
        {"n/a", "120000", "081104", 9, "-0777,38299.875000,2004/11/08,21:00:00"},
        {"999999999", "120000", "081104", 9, "-0777,38299.875000,2004/11/08,21:00:00"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "t.nmea", crlfLines({gga(c.time, c.altitude), rmc(c.time, c.date)}));
        ConversionOptions options;
        options.nmeaTrack.timeZoneHours = c.timeZoneHours;
        convertFile(ConversionKind::NmeaToOziTrack, dir / "t.nmea", options, fixedContext());
        EXPECT_EQ(readFile(dir / "t.plt"),
                  oziTrackHeader("t", "1") + crlfLines({position + c.point}))
            << c.altitude;
    }
}

TEST(Conversions, NmeaToOziTrackCountsExactlyThePointsItWrites) {
    const auto point = [](const std::string& second, const std::string& day) {
        return "37.5665000,126.9780000, 0 ,0126,38299.3994" + day + ",2004/11/08,09:35:" + second;
    };
    const auto pair = [](const std::string& time) {
        return gga(time, "38.5") + "\r\n" + rmc(time, "081104") + "\r\n";
    };
    const std::string noFix = "$GPGGA,002153.000,,,,,0,0,,,M,,M,,*4D\r\n";
    const std::pair<std::string, Lines> cases[] = {
        {noFix + rmc("002153.000", "081104") + "\r\n", {}},
        {pair("003510") + "\r\n" + gga("003511", "38.5") + "\r\n\r\n" + rmc("003511", "081104") +
             "\n" + pair("003512"),
         {point("10", "21"), point("11", "33"), point("12", "44")}},
        // An unreadable date: the fix takes the date of the last epoch.
        {pair("003510") + gga("003511", "38.5") + "\r\n" + rmc("003511", "311304") + "\r\n" +
             pair("003512"),
         {point("10", "21"), point("11", "33"), point("12", "44")}},
    };
    TempDir dir;
    for (const auto& [log, points] : cases) {
        writeFile(dir / "t.nmea", log);
        const auto result =
            convertFile(ConversionKind::NmeaToOziTrack, dir / "t.nmea", {}, fixedContext());
        EXPECT_EQ(result.points, points.size()) << log;
        EXPECT_EQ(readFile(dir / "t.plt"),
                  oziTrackHeader("t", std::to_string(points.size())) + crlfLines(points))
            << log;
    }
}

// A log without a fix is an empty result for every target: written when its
// name is free, never over an older output, and the log's counts go with it.
// A file that holds something, but nothing the target holds, fails instead.
TEST(Conversions, AnEmptyResultKeepsTheOlderOutputOfEveryTarget) {
    TempDir dir;
    writeFile(dir / "none.nmea", crlfLines({"$GPGGA,002153.000,,,,,0,0,,,M,,M,,*4D"}));
    const std::pair<ConversionKind, const char*> targets[] = {
        {ConversionKind::NmeaToAlmap, "none.alr"},
        {ConversionKind::NmeaToOziTrack, "none.plt"},
        {ConversionKind::TrackToGpx, "none.gpx"}};
    for (const auto& [kind, output] : targets) {
        auto result = convertFile(kind, dir / "none.nmea", {}, fixedContext());
        EXPECT_EQ(result.points, 0u) << output;
        EXPECT_FALSE(result.keptOlderOutput) << output;
        EXPECT_TRUE(std::filesystem::exists(dir / output)) << output;
        ASSERT_TRUE(result.log) << output;
        EXPECT_EQ(result.log->withoutFix, 1u) << output;
        writeFile(dir / output, "older");
        result = convertFile(kind, dir / "none.nmea", {}, fixedContext());
        EXPECT_TRUE(result.keptOlderOutput) << output;
        EXPECT_EQ(readFile(dir / output), "older") << output;
    }
    const std::string gpx =
        "<?xml version=\"1.0\"?><gpx version=\"1.1\" creator=\"t\" "
        "xmlns=\"http://www.topografix.com/GPX/1/1\">";
    writeFile(dir / "empty.gpx", gpx + "</gpx>");
    writeFile(dir / "empty.plt", "older");
    const auto empty =
        convertFile(ConversionKind::GpxToOziTrack, dir / "empty.gpx", {}, fixedContext());
    EXPECT_TRUE(empty.keptOlderOutput);
    EXPECT_FALSE(empty.log);
    writeFile(dir / "marks.gpx", gpx + "<wpt lat=\"1\" lon=\"2\"/></gpx>");
    EXPECT_THROW(convertFile(ConversionKind::GpxToOziTrack, dir / "marks.gpx", {}, fixedContext()),
                 Error);
    EXPECT_FALSE(std::filesystem::exists(dir / "marks.plt"));
}

// The reading options reach both readings of a log.
TEST(Conversions, TheNmeaReadingOptionsReachEveryTarget) {
    TempDir dir;
    std::string bad = gga("100000", "5");
    bad.back() = bad.back() == '0' ? '1' : '0';
    writeFile(dir / "bad.nmea", crlfLines({bad}));
    ConversionOptions options;
    EXPECT_THROW(
        convertFile(ConversionKind::NmeaToAlmap, dir / "bad.nmea", options, fixedContext()), Error);
    options.nmeaReading.ignoreChecksums = true;
    EXPECT_EQ(
        convertFile(ConversionKind::NmeaToAlmap, dir / "bad.nmea", options, fixedContext()).points,
        1u);
    writeFile(dir / "undated.nmea", crlfLines({gga("100000", "5")}));
    EXPECT_THROW(convertFile(ConversionKind::TrackToGpx, dir / "undated.nmea", {}, fixedContext()),
                 Error);
    options.nmeaReading.date = DateTime{2024, 6, 1};
    EXPECT_EQ(
        convertFile(ConversionKind::NmeaToOziTrack, dir / "undated.nmea", options, fixedContext())
            .points,
        1u);
}

}  // namespace
}  // namespace morlindo
