#include "convert/nmea_to_ozi_track.h"

#include <gtest/gtest.h>

#include "io/error.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::crlfLines;
using test::readFile;
using test::TempDir;
using test::writeFile;
using Lines = std::vector<std::string>;

const std::string kGga = "$GPGGA,123519,4807.0381,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kPointLine = "48.1173017,11.5166667, 0 ,1789,34416.899525,1994/03/23,21:35:19";

std::string trackFile(const std::string& name, const Lines& points,
                      const std::string& attributes = "0,2,255,%,1,0,0,255") {
    std::string attributeLine = attributes;
    attributeLine.replace(attributeLine.find('%'), 1, name);
    Lines lines = {"OziExplorer Track Point File Version 2.1",
                   "WGS 84",
                   "Altitude is in feet",
                   "reserved 3",
                   attributeLine,
                   std::to_string(points.size())};
    lines.insert(lines.end(), points.begin(), points.end());
    return crlfLines(lines);
}

std::string gga(const std::string& time, const std::string& altitude) {
    return "$GNGGA," + time + ",3733.9900,N,12658.6800,E,1,08,0.9," + altitude + ",M,18.4,M,,*5B";
}

std::string rmc(const std::string& time, const std::string& date) {
    return "$GNRMC," + time + ",A,3733.9900,N,12658.6800,E,003.1,045.0," + date + ",,,A*54";
}

TEST(ConvertNmeaToOziTrack, WritesTheWorkedExampleByteForByte) {
    TempDir dir;
    writeFile(dir / "a.b.nmea", crlfLines({kGga, kRmc}));
    const auto result = convertNmeaToOziTrack(dir / "a.b.nmea", NmeaOziTrackOptions{});
    EXPECT_EQ(result.output, dir / "a.plt");
    EXPECT_EQ(result.points, 1u);
    EXPECT_EQ(readFile(dir / "a.plt"), trackFile("a", {kPointLine}));
}

TEST(ConvertNmeaToOziTrack, ConvertsAReceiverLogAsStored) {
    TempDir dir;
    const std::filesystem::path data = MORLINDO_TEST_DATA_DIR;
    writeFile(dir / "receiver.nmea", readFile(data / "receiver.nmea"));
    const auto result = convertNmeaToOziTrack(dir / "receiver.nmea", NmeaOziTrackOptions{});
    EXPECT_EQ(result.points, 8u);
    EXPECT_EQ(readFile(dir / "receiver.plt"), readFile(data / "receiver.plt"));
}

TEST(ConvertNmeaToOziTrack, RendersAltitudeAndLocalTime) {
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
        {"0", "120000", "081104", 13, "0000,38300.041667,2004/11/09,01:00:00"},
        {"9000", "120000", "081104", -12, "29528,38299.000000,2004/11/08,00:00:00"},
        {"", "120000", "081104", 9, "-0777,38299.875000,2004/11/08,21:00:00"},
        {"n/a", "120000", "081104", 9, "-0777,38299.875000,2004/11/08,21:00:00"},
        {"999999999", "120000", "081104", 9, "-0777,38299.875000,2004/11/08,21:00:00"},
        {"-654553015", "120000", "081104", 9, "-2147483648,38299.875000,2004/11/08,21:00:00"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "t.nmea", crlfLines({gga(c.time, c.altitude), rmc(c.time, c.date)}));
        NmeaOziTrackOptions options;
        options.timeZoneHours = c.timeZoneHours;
        convertNmeaToOziTrack(dir / "t.nmea", options);
        EXPECT_EQ(readFile(dir / "t.plt"), trackFile("t", {position + c.point})) << c.altitude;
    }
}

TEST(ConvertNmeaToOziTrack, CountsExactlyThePointsItWrites) {
    const std::string point = "37.5665000,126.9780000, 0 ,0126,38299.399421,2004/11/08,09:35:10";
    const std::string pair = gga("003510", "38.5") + "\r\n" + rmc("003510", "081104") + "\r\n";
    const std::string noFix = "$GPGGA,002153.000,,,,,0,0,,,M,,M,,*4F\r\n";
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {noFix + rmc("003510", "081104") + "\r\n", {}},
        {pair + "\r\n" + gga("003510", "38.5") + "\r\n\r\n" + rmc("003510", "081104") + "\n" + pair,
         {point, point, point}},
        {noFix + noFix + pair + noFix + pair, {point, point}},
        {pair + gga("003510", "38.5") + "\r\n" + gga("003510", "38.5") + "\r\n" +
             rmc("003510", "081104"),
         {point, point}},
        {pair + gga("003510", "38.5") + "\r\n" + rmc("003510", "311304") + "\r\n" + pair,
         {point, point}},  // the unreadable date gives no point and no count
    };
    TempDir dir;
    for (const auto& [log, points] : cases) {
        writeFile(dir / "t.nmea", log);
        const auto result = convertNmeaToOziTrack(dir / "t.nmea", NmeaOziTrackOptions{});
        EXPECT_EQ(result.points, points.size()) << log;
        EXPECT_EQ(readFile(dir / "t.plt"), trackFile("t", points)) << log;
    }
}

TEST(ConvertNmeaToOziTrack, NeverReplacesItsOwnInputOrWritesForAMissingOne) {
    TempDir dir;
    const std::string log = crlfLines({kGga, kRmc});
    writeFile(dir / "log.plt", log);
    EXPECT_THROW(convertNmeaToOziTrack(dir / "log.plt", NmeaOziTrackOptions{}), Error);
    EXPECT_EQ(readFile(dir / "log.plt"), log);
    EXPECT_THROW(convertNmeaToOziTrack(dir / "gone.nmea", NmeaOziTrackOptions{}), Error);
    EXPECT_EQ(dir.entries(), Lines{"log.plt"});
}

}  // namespace
}  // namespace morlindo
