#include "convert/nmea_to_almap.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::crlfLines;
using test::readFile;
using test::TempDir;
using test::writeFile;
using Points = std::vector<std::pair<double, double>>;  // longitude, latitude

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const double kLongitude = 11 + 31.000 / 60.0;
const double kLatitude = 48 + 7.038 / 60.0;

TEST(ConvertNmeaToAlmap, WritesOneRecordPerGgaPosition) {
    struct Case {
        std::string name;
        std::string log;
        Points points;
    };
    const Case cases[] = {
        {"one GGA", crlfLines({kGga, kRmc}), {{kLongitude, kLatitude}}},
        {"south and west",
         crlfLines({"$GPGGA,123519,4807.038,S,01131.000,W,1,08,0.9,545.4,M,46.9,M,,*47"}),
         {{-kLongitude, -kLatitude}}},
        {"two GGA, no RMC",
         "# logger\n" + kGga + "\n$GPGSV,1,1,00*79\n\n" + kGga,
         {{kLongitude, kLatitude}, {kLongitude, kLatitude}}},
        {"only RMC", crlfLines({kRmc, kRmc}), {}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "log.nmea", c.log);
        const auto result = convertNmeaToAlmap(dir / "log.nmea");
        EXPECT_EQ(result.output, dir / "log.alr") << c.name;
        EXPECT_EQ(result.points, c.points.size()) << c.name;
        EXPECT_EQ(readFile(dir / "log.alr"), almapFile(c.points)) << c.name;
    }
}

TEST(ConvertNmeaToAlmap, ConvertsAReceiverLogAndReplacesAnOlderFile) {
    TempDir dir;
    writeFile(dir / "receiver.2023.nmea",
              readFile(std::filesystem::path(MORLINDO_TEST_DATA_DIR) / "receiver.nmea"));
    writeFile(dir / "receiver.alr", std::string(10000, '#'));
    const auto result = convertNmeaToAlmap(dir / "receiver.2023.nmea");
    EXPECT_EQ(result.output, dir / "receiver.alr");
    EXPECT_EQ(result.points, 9u);
    const std::string alr = readFile(dir / "receiver.alr");
    ASSERT_EQ(alr.size(), 13u + 9 * 32);
    EXPECT_EQ(alr.substr(0, 45), almapFile({{126 + 58.68 / 60.0, 37 + 33.99 / 60.0}}));
    EXPECT_EQ(alr.substr(13 + 8 * 32), test::almapRecord(126 + 58.695 / 60.0, 37 + 34.001 / 60.0));
}

}  // namespace
}  // namespace morlindo
