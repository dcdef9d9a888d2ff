#include "formats/nmea_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace morlindo {
namespace {

using test::crlfLines;
using test::TempDir;
using Lines = std::vector<std::string>;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kNoPositionGga = "$GPGGA,002153.000,,,,,0,0,,,M,,M,,*4F";
const std::string kFix = "48.1173000,11.5166667,545.4m,1994-03-23 12:35:19";
const std::string kPosition = "48.1173000,11.5166667";

// A GGA sentence at another place: latitude field, longitude field, altitude.
std::string gga(const std::string& latitude, const std::string& longitude,
                const std::string& altitude = "38.5", const std::string& id = "$GPGGA") {
    return id + ",003510.00," + latitude + ",N," + longitude + ",E,1,08,0.9," + altitude +
           ",M,18.4,M,,*5B";
}

std::string rmc(const std::string& time, const std::string& date,
                const std::string& id = "$GPRMC") {
    return id + "," + time + ",A,3733.9900,N,12658.6800,E,003.1,045.0," + date + ",,,A*54";
}

std::string describe(const NmeaFix& fix, bool paired) {
    char text[128];
    std::snprintf(text, sizeof text, "%.7f,%.7f", fix.latitude, fix.longitude);
    std::string description = text;
    if (!paired) return description;
    if (fix.altitudeMeters) {
        std::snprintf(text, sizeof text, ",%gm", *fix.altitudeMeters);
    } else {
        std::snprintf(text, sizeof text, ",no altitude");
    }
    description += text;
    const DateTime& t = fix.utcTime;
    std::snprintf(text, sizeof text, ",%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return description + text;
}

struct Readings {
    Lines paired;
    Lines ggaOnly;
};

Readings readBoth(const std::string& content) {
    TempDir dir;
    test::writeFile(dir / "log.nmea", content);
    Readings readings;
    NmeaLogReader paired(dir / "log.nmea");
    while (const auto fix = paired.nextPairedFix()) readings.paired.push_back(describe(*fix, true));
    NmeaLogReader ggaOnly(dir / "log.nmea");
    while (const auto fix = ggaOnly.nextGgaFix()) readings.ggaOnly.push_back(describe(*fix, false));
    return readings;
}

struct Case {
    std::string name;
    std::string content;
    Lines paired;
    Lines ggaOnly;
};

void check(const Case& c) {
    const Readings readings = readBoth(c.content);
    EXPECT_EQ(readings.paired, c.paired) << c.name;
    EXPECT_EQ(readings.ggaOnly, c.ggaOnly) << c.name;
}

TEST(NmeaLogReader, PairsGgaWithTheNextRmcWhateverTheLineEnds) {
    const Case cases[] = {
        {"worked example",
         crlfLines({kGga, "$GPGSA,A,3,04,05,,,,,,,,,,,1.8,0.9,1.5*37", kRmc}),
         {kFix},
         {kPosition}},
        {"south and west",
         crlfLines({"$GPGGA,123519,4807.038,S,01131.000,W,1,08,0.9,545.4,M,46.9,M,,*47", kRmc}),
         {"-48.1173000,-11.5166667,545.4m,1994-03-23 12:35:19"},
         {"-48.1173000,-11.5166667"}},
        {"no-position GGA starts no search",
         crlfLines({kNoPositionGga, kGga, kRmc}),
         {kFix},
         {kPosition}},
        {"zero latitude", crlfLines({gga("0000.0000", "12658.6800"), kRmc}), {}, {}},
        {"GGA GGA RMC: the second GGA is passed over",
         crlfLines({kGga, gga("3733.9900", "12658.6800"), kRmc}),
         {kFix},
         {kPosition, "37.5665000,126.9780000"}},
        {"GGA with no RMC after it", crlfLines({kRmc, kGga}), {}, {kPosition}},
        {"GGA of 14 fields",
         crlfLines({"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M*47", kRmc}),
         {kFix},
         {kPosition}},
        {"GGA cut after the longitude hemisphere",
         crlfLines({"$GPGGA,123519,4807.038,N,01131.000,E", kRmc}),
         {"48.1173000,11.5166667,no altitude,1994-03-23 12:35:19"},
         {kPosition}},
        {"fix quality 0 is no fix and starts no search",
         crlfLines({"$GPGGA,123518,3733.9900,N,12658.6800,E,0,00,,,M,,M,,*47",
                    "$GPGGA,123518,3733.9900,N,12658.6800,E,00,00,,,M,,M,,*47", kGga, kRmc}),
         {kFix},
         {kPosition}},
        {"void RMC: no fix, and the next GGA takes the next RMC",
         crlfLines({kGga, "$GPRMC,235948,V,,,,,,,161206,,,N*7E", kGga, kRmc, kGga,
                    "$GPRMC,123519,v,,,,,,,230394,,,N*7E"}),
         {kFix},
         {kPosition, kPosition, kPosition}},
        {"sentences after other bytes, from the first $ that begins one the reading takes",
         crlfLines({"\xB5\x62\x01$GPGSV,3,1,11*74$" + kGga, "12:00:01 $GPTXT,01$" + kRmc,
                    "$GPRMC,1,2$" + kGga}),
         {kFix},
         {kPosition, kPosition}},
        {"GGA cut before it", crlfLines({"$GPGGA,123519,4807.038,N,01131.000", kRmc}), {}, {}},
        {"empty lines anywhere",
         "\r\n" + kGga + "\r\n\r\n\n\r" + kRmc + "\r\n\r\n",
         {kFix},
         {kPosition}},
        {"LF only",
         kGga + "\n" + kRmc + "\n" + kGga + "\n" + kRmc + "\n",
         {kFix, kFix},
         {kPosition, kPosition}},
        {"byte-order mark", "\xEF\xBB\xBF" + kGga + "\n" + kRmc, {kFix}, {kPosition}},
    };
    for (const auto& c : cases) check(c);
}

TEST(NmeaLogReader, AcceptsGpAndGnTalkersOnly) {
    const std::string gnGga = gga("4807.038", "01131.000", "545.4", "$GNGGA");
    const std::string position = "48.1173000,11.5166667";
    const std::string fix = position + ",545.4m,2004-11-08 00:35:10";
    const Case cases[] = {
        {"GN pair", crlfLines({gnGga, rmc("003510.00", "081104", "$GNRMC")}), {fix}, {position}},
        {"GP GGA with GN RMC",
         crlfLines({gga("4807.038", "01131.000", "545.4"), rmc("003510.00", "081104", "$GNRMC")}),
         {fix},
         {position}},
        {"lower-case sentences pair but are no GGA-only fixes",
         crlfLines({gga("4807.038", "01131.000", "545.4", "$gpgga"),
                    rmc("003510.00", "081104", "$gprmc"),
                    gga("4807.038", "01131.000", "545.4", "$gngga"),
                    rmc("003510.00", "081104", "$gnrmc")}),
         {fix, fix},
         {}},
        {"other talkers and mixed case",
         crlfLines({gga("4807.038", "01131.000", "545.4", "$GLGGA"),
                    gga("4807.038", "01131.000", "545.4", "$GpGga"),
                    gga("4807.038", "01131.000", "545.4", "x$GNGGAx"), rmc("003510.00", "081104")}),
         {},
         {}},
        {"a RMC of another talker is no partner",
         crlfLines({gnGga, rmc("003510.00", "081104", "$GLRMC"), rmc("003511.00", "081104")}),
         {position + ",545.4m,2004-11-08 00:35:11"},
         {position}},
    };
    for (const auto& c : cases) check(c);
}

TEST(NmeaLogReader, ReadsTheRmcTimeOrGivesNoFix) {
    const std::string position = "37.5665000,126.9780000,38.5m,";
    // After each pair under test comes a good pair: a bad one never stops the reading.
    const auto pairs = [](const std::string& time, const std::string& date) {
        return crlfLines({gga("3733.9900", "12658.6800"), rmc(time, date),
                          gga("3733.9900", "12658.6800"), rmc("000000", "010100")});
    };
    const std::string next = position + "2000-01-01 00:00:00";
    const std::pair<std::pair<std::string, std::string>, std::string> cases[] = {
        {{"120320.50", "081104"}, position + "2004-11-08 12:03:20"},
        {{"235959", "010199"}, position + "1999-01-01 23:59:59"},
        {{"120000", "290200"}, position + "2000-02-29 12:00:00"},
        {{"120000", "290201"}, ""},  // not a leap year
        {{"120000", "011304"}, ""},  // month 13
        {{"120000", "310404"}, ""},  // 31 April
        {{"240000", "081104"}, ""},
        {{"120060", "081104"}, ""},
        {{"", "081104"}, ""},
        {{"120320", "08110"}, ""},
    };
    for (const auto& [timeAndDate, expected] : cases) {
        Lines paired = {next};
        if (!expected.empty()) paired.insert(paired.begin(), expected);
        const Readings readings = readBoth(pairs(timeAndDate.first, timeAndDate.second));
        EXPECT_EQ(readings.paired, paired) << timeAndDate.first << " " << timeAndDate.second;
    }
}

TEST(NmeaLogReader, ReadsNumbersStrictly) {
    const std::string fix = "37.5665000,126.9780000,38.5m,2004-11-08 00:35:10";
    const std::string position = "37.5665000,126.9780000";
    const std::string goodPair =
        crlfLines({gga("3733.9900", "12658.6800"), rmc("003510.00", "081104")});
    const auto withPair = [&](const std::string& gga) {
        return crlfLines({gga, rmc("003510.00", "081104")}) + goodPair;
    };
    const Case cases[] = {
        // A candidate whose coordinate does not read still takes its RMC.
        {"letter among the digits", withPair(gga("37x3.9900", "12658.6800")), {fix}, {position}},
        {"exponent", withPair(gga("3733.99e0", "12658.6800")), {fix}, {position}},
        // Not a candidate at all: the next GGA pairs with the first RMC.
        {"latitude not beginning with a number",
         crlfLines({gga("x3733.99", "12658.6800"), gga("3733.9900", "12658.6800"),
                    rmc("003510.00", "081104")}),
         {fix},
         {position}},
        {"empty altitude keeps the fix",
         crlfLines({gga("3733.9900", "12658.6800", ""), rmc("003510.00", "081104")}),
         {"37.5665000,126.9780000,no altitude,2004-11-08 00:35:10"},
         {position}},
        {"altitude not a number keeps the fix",
         crlfLines({gga("3733.9900", "12658.6800", "1O0"), rmc("003510.00", "081104")}),
         {"37.5665000,126.9780000,no altitude,2004-11-08 00:35:10"},
         {position}},
    };
    for (const auto& c : cases) check(c);
}

TEST(NmeaLogReader, ReadsALogAsReceiversWriteIt) {
    // A multi-constellation receiver at 5 Hz: comment lines first, RMC before
    // GGA in each epoch, other sentences between. Each GGA therefore pairs
    // with the RMC of the next epoch.
    const Lines log = {
        "# NMEA log of a handheld receiver",
        "# port COM4, 9600 baud",
        "$GNTXT,01,01,02,u-blox AG - www.u-blox.com*4E",
        "$GNRMC,235959.80,V,,,,,,,140623,,,N*7E",
        "$GNGGA,235959.80,,,,,0,00,99.99,,,,,,*7D",
        "$GNRMC,235959.90,A,3733.99000,N,12658.68000,E,0.031,,140623,,,A*6B",
        "$GNVTG,,T,,M,0.031,N,0.057,K,A*3E",
        "$GNGGA,235959.90,3733.99000,N,12658.68000,E,1,08,1.01,38.5,M,18.4,M,,*4F",
        "$GNGSA,A,3,04,05,09,12,24,,,,,,,,1.85,1.01,1.55*13",
        "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74",
        "$GLGSV,1,1,02,65,30,045,32,66,60,120,35*62",
        "$GNZDA,235959.90,14,06,2023,00,00*7C",
        "$GNRMC,000000.10,A,3733.99100,N,12658.68100,E,0.031,,150623,,,A*6B",
        "$GNGGA,000000.10,3733.99100,N,12658.68100,E,1,08,1.01,38.6,M,18.4,M,,*4F",
        "$GNRMC,000000.30,A,3733.99200,N,12658.68200,E,0.031,,150623,,,A*6B",
        "$GNGGA,000000.30,3733.99200,N,12658.68200,E,1,08,1.01,,M,18.4,M,,*4F",
    };
    const Readings readings = readBoth(crlfLines(log));
    EXPECT_EQ(readings.paired, (Lines{"37.5665000,126.9780000,38.5m,2023-06-15 00:00:00",
                                      "37.5665167,126.9780167,38.6m,2023-06-15 00:00:00"}));
    EXPECT_EQ(readings.ggaOnly, (Lines{"37.5665000,126.9780000", "37.5665167,126.9780167",
                                       "37.5665333,126.9780333"}));
}

TEST(NmeaLogReader, RewindGivesTheSameFixesAgain) {
    TempDir dir;
    test::writeFile(dir / "log.nmea", "\xEF\xBB\xBF" + crlfLines({kGga, kRmc, kGga, kRmc, kGga}));
    NmeaLogReader reader(dir / "log.nmea");
    for (int pass = 0; pass < 2; ++pass) {
        Lines fixes;
        while (const auto fix = reader.nextPairedFix()) fixes.push_back(describe(*fix, true));
        EXPECT_EQ(fixes, (Lines{kFix, kFix})) << pass;
        EXPECT_FALSE(reader.nextPairedFix());
        reader.rewind();
    }
}

}  // namespace
}  // namespace morlindo
