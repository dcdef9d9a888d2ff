#include "formats/nmea_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "formats/nmea_sentence.h"
#include "io/civil_time.h"
#include "io/error.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::crlfLines;
using test::TempDir;
using Lines = std::vector<std::string>;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kNoPositionGga = "$GPGGA,002153.000,,,,,0,0,,,M,,M,,*4D";
const std::string kFix = "48.1173000,11.5166667,545.4m,1994-03-23 12:35:19";
const std::string kPosition = "48.1173000,11.5166667";

// A GGA sentence at another place: latitude field, longitude field, altitude.
std::string gga(const std::string& latitude, const std::string& longitude,
                const std::string& altitude = "38.5", const std::string& id = "$GPGGA",
                const std::string& time = "003510.00") {
    return test::nmeaSentence(id.substr(1) + "," + time + "," + latitude + ",N," + longitude +
                              ",E,1,08,0.9," + altitude + ",M,18.4,M,,");
}

std::string rmc(const std::string& time, const std::string& date,
                const std::string& id = "$GPRMC", const std::string& status = "A") {
    return test::nmeaSentence(id.substr(1) + "," + time + "," + status +
                              ",3733.9900,N,12658.6800,E,003.1,045.0," + date + ",,,A");
}

// The GGA of a fix at 37 33.99' N, 126 58.68' E at that time, from that talker.
std::string ggaAt(const std::string& time, const std::string& talker = "GP") {
    return gga("3733.9900", "12658.6800", "38.5", "$" + talker + "GGA", time);
}

std::string zda(const std::string& time, const std::string& dayMonthYear) {
    return test::nmeaSentence("GPZDA," + time + "," + dayMonthYear + ",00,00");
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

Readings readBoth(const std::string& content, const NmeaReadOptions& options = {}) {
    TempDir dir;
    test::writeFile(dir / "log.nmea", content);
    Readings readings;
    NmeaLogReader paired(dir / "log.nmea", nullptr, options);
    while (const auto fix = paired.nextPairedFix()) readings.paired.push_back(describe(*fix, true));
    NmeaLogReader ggaOnly(dir / "log.nmea", nullptr, options);
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

const std::string kP = "37.5665000,126.9780000";
const std::string kP38 = kP + ",38.5m,";
const std::string kPNoAltitude = kP + ",no altitude,";

TEST(NmeaLogReader, ReadsEachFixAtItsOwnTime) {
    const std::string june1 = "010624";
    const Case cases[] = {
        {"RMC first in each epoch, the last fix included",
         crlfLines({rmc("100000", june1), ggaAt("100000"), rmc("100001", june1), ggaAt("100001")}),
         {kP38 + "2024-06-01 10:00:00", kP38 + "2024-06-01 10:00:01"},
         {kP, kP}},
        {"GGA between RMCs, RMC epochs alone",
         crlfLines({rmc("100000", june1), ggaAt("100001"), ggaAt("100002"), rmc("100003", june1)}),
         {kPNoAltitude + "2024-06-01 10:00:00", kP38 + "2024-06-01 10:00:01",
          kP38 + "2024-06-01 10:00:02", kPNoAltitude + "2024-06-01 10:00:03"},
         {kP, kP}},
        {"a date field too long is no date, and leaves the same date written right alone",
         crlfLines({rmc("100000", "310524"), rmc("100001", "010624X"), rmc("100002", june1)}),
         {kPNoAltitude + "2024-05-31 10:00:00", kPNoAltitude + "2024-05-31 10:00:01",
          kPNoAltitude + "2024-06-01 10:00:02"},
         {kP, kP, kP}},
        {"RMC only",
         crlfLines({rmc("100000", june1), rmc("100001", june1)}),
         {kPNoAltitude + "2024-06-01 10:00:00", kPNoAltitude + "2024-06-01 10:00:01"},
         {kP, kP}},
        {"GGA and ZDA, the date carried past midnight",
         crlfLines({ggaAt("235959"), zda("235959", "01,06,2024"), ggaAt("000000"), ggaAt("000001")}),
         {kP38 + "2024-06-01 23:59:59", kP38 + "2024-06-02 00:00:00", kP38 + "2024-06-02 00:00:01"},
         {kP, kP, kP}},
        {"fixes before the first date, dated back across midnight",
         crlfLines({ggaAt("235958"), ggaAt("235959"), ggaAt("000000"), rmc("000000", "020624")}),
         {kP38 + "2024-06-01 23:59:58", kP38 + "2024-06-01 23:59:59", kP38 + "2024-06-02 00:00:00"},
         {kP, kP, kP}},
        {"midnight with RMC first",
         crlfLines({rmc("235959", june1), ggaAt("235959"), rmc("000000", "020624"), ggaAt("000000")}),
         {kP38 + "2024-06-01 23:59:59", kP38 + "2024-06-02 00:00:00"},
         {kP, kP}},
        {"one fix from several talkers: the first GGA gives it",
         crlfLines({gga("4807.038", "01131.000", "545.4", "$GNGGA", "100000"), ggaAt("100000", "GL"),
                    ggaAt("100000", "GA"), ggaAt("100000", "BD"), rmc("100000", june1, "$GLRMC"),
                    ggaAt("100001", "GL"), ggaAt("100001", "GQ")}),
         {kPosition + ",545.4m,2024-06-01 10:00:00", kP38 + "2024-06-01 10:00:01"},
         {kPosition, kP}},
        {"five fixes a second keep their own epochs",
         crlfLines({ggaAt("100000.00"), rmc("100000.00", june1), ggaAt("100000.20"),
                    rmc("100000.20", june1)}),
         {kP38 + "2024-06-01 10:00:00", kP38 + "2024-06-01 10:00:00"},
         {kP, kP}},
        {"a void RMC voids its epoch; a GGA without a fix keeps the RMC out",
         crlfLines({rmc("100000", june1, "$GPRMC", "V"), ggaAt("100000"),
                    test::nmeaSentence("GPGGA,100001,3733.9900,N,12658.6800,E,0,00,,,M,,M,,"),
                    rmc("100001", june1), rmc("100002", june1)}),
         {kPNoAltitude + "2024-06-01 10:00:02"},
         {kP}},
        {"lower case pairs only; mixed case and makers' own sentences are not read",
         crlfLines({gga("3733.9900", "12658.6800", "38.5", "$gpgga", "100000"),
                    ggaAt("100001", "gp"), rmc("100000", june1, "$gnrmc"),
                    test::nmeaSentence("PGRMC,100001,A,3733.9900,N,12658.6800,E,1,1,010624,,,A")}),
         {kP38 + "2024-06-01 10:00:00"},
         {}},
    };
    for (const auto& c : cases) check(c);
}

// The same sentence with one digit changed, its checksum kept.
std::string damaged(std::string sentence) {
    sentence[sentence.find("3733")] = '4';
    return sentence;
}

TEST(NmeaLogReader, VerifiesChecksumsAndNeedsADate) {
    const std::string june1 = "010624";
    NmeaReadOptions ignore;
    ignore.ignoreChecksums = true;
    NmeaReadOptions dated;
    dated.date = DateTime{2024, 6, 1, 0, 0, 0};
    struct DateCase {
        std::string name;
        Lines log;
        NmeaReadOptions options;
        Lines paired;  // or the error's reason
        NmeaLogCounts counts;
    };
    const DateCase cases[] = {
        {"a bad checksum is passed over",
         {ggaAt("100000"), zda("100000", "01,06,2024"), damaged(ggaAt("100001"))},
         {},
         {kP38 + "2024-06-01 10:00:00"},
         {3, 1, 0}},
        {"ignored checksums",
         {ggaAt("100000"), zda("100000", "01,06,2024"), damaged(ggaAt("100001"))},
         ignore,
         {kP38 + "2024-06-01 10:00:00", "47.5665000,126.9780000,38.5m,2024-06-01 10:00:01"},
         {3, 0, 0}},
        {"no checksum",
         {"$GPGGA,100000,3733.9900,N,12658.6800,E,1,08,0.9,38.5,M,18.4,M,,", rmc("100000", june1)},
         {},
         {kP38 + "2024-06-01 10:00:00"},
         {2, 0, 0}},
        {"every checksum bad",
         {damaged(ggaAt("100000")), damaged(rmc("100000", june1))},
         {},
         {"every sentence has a wrong checksum (2 sentences); --ignore-checksums reads them "
          "anyway"},
         {}},
        {"no date",
         {ggaAt("100000")},
         {},
         {"the log has no date (no RMC or ZDA sentence); give the date with --date"},
         {}},
        {"no date but the options' date",
         {ggaAt("235959"), ggaAt("000000")},
         dated,
         {kP38 + "2024-06-01 23:59:59", kP38 + "2024-06-02 00:00:00"},
         {2, 0, 0}},
        {"the log's own date before the options'",
         {rmc("100000", "020624")},
         dated,
         {kPNoAltitude + "2024-06-02 10:00:00"},
         {1, 0, 0}},
        {"nothing but sentences without a fix",
         {kNoPositionGga, rmc("002153", "", "$GPRMC", "V"), "$GPGSV,1,1,00*79"},
         {},
         {},
         {3, 0, 2}},
        {"empty", {}, {}, {}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        test::writeFile(dir / "log.nmea", crlfLines(c.log));
        NmeaLogReader reader(dir / "log.nmea", nullptr, c.options);
        Lines fixes;
        try {
            while (const auto fix = reader.nextPairedFix()) fixes.push_back(describe(*fix, true));
            const NmeaLogCounts counts = reader.counts();
            EXPECT_EQ(counts.lines, c.counts.lines) << c.name;
            EXPECT_EQ(counts.badChecksums, c.counts.badChecksums) << c.name;
            EXPECT_EQ(counts.withoutFix, c.counts.withoutFix) << c.name;
        } catch (const Error& error) {
            fixes.push_back(error.reason());
        }
        EXPECT_EQ(fixes, c.paired) << c.name;
    }
}

TEST(NmeaLogReader, PairsGgaWithTheRmcOfItsEpochWhateverTheLineEnds) {
    const Case cases[] = {
        {"worked example",
         crlfLines({kGga, "$GPGSA,A,3,04,05,,,,,,,,,,,1.8,0.9,1.5*37", kRmc}),
         {kFix},
         {kPosition}},
        {"south and west",
         crlfLines({test::nmeaSentence("GPGGA,123519,4807.038,S,01131.000,W,1,08,0.9,545.4,M,46.9,M,,"),
                    kRmc}),
         {"-48.1173000,-11.5166667,545.4m,1994-03-23 12:35:19"},
         {"-48.1173000,-11.5166667"}},
        {"no-position GGA", crlfLines({kNoPositionGga, kGga, kRmc}), {kFix}, {kPosition}},
        {"zero latitude", crlfLines({gga("0000.0000", "12658.6800"), rmc("003510.00", "081104")}), {}, {}},
        {"RMC before its GGA", crlfLines({kRmc, kGga}), {kFix}, {kPosition}},
        {"GGA of 14 fields",
         crlfLines({test::nmeaSentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M"),
                    kRmc}),
         {kFix},
         {kPosition}},
        {"GGA cut after the longitude hemisphere",
         crlfLines({"$GPGGA,123519,4807.038,N,01131.000,E", kRmc}),
         {"48.1173000,11.5166667,no altitude,1994-03-23 12:35:19"},
         {kPosition}},
        {"sentences after other bytes, from the first $ that begins one with a good checksum",
         crlfLines({"\xB5\x62\x01$GPGSV,3,1,11*74$" + kGga, "12:00:01 $GPTXT,01$" + kRmc,
                    "$GPRMC,1,2$" + kGga}),
         {kFix},
         {kPosition, kPosition}},
        {"GGA cut before its position: the RMC gives the fix",
         crlfLines({"$GPGGA,123519,4807.038,N,01131.000", kRmc}),
         {"48.1173000,11.5166667,no altitude,1994-03-23 12:35:19"},
         {}},
        {"empty lines anywhere",
         "\r\n" + kGga + "\r\n\r\n\n\r" + kRmc + "\r\n\r\n",
         {kFix},
         {kPosition}},
        {"LF only, one epoch twice", kGga + "\n" + kRmc + "\n" + kGga + "\n" + kRmc + "\n", {kFix},
         {kPosition, kPosition}},
        {"byte-order mark", "\xEF\xBB\xBF" + kGga + "\n" + kRmc, {kFix}, {kPosition}},
    };
    for (const auto& c : cases) check(c);
}

TEST(NmeaSentence, ReadsTimesAndDatesOrNone) {
    const std::pair<std::string, std::optional<std::int32_t>> times[] = {
        {"120320.50", 43'400'500}, {"235959", 86'399'000}, {"000000.1234", 123},
        {"240000", std::nullopt},  {"120060", std::nullopt}, {"1203", std::nullopt},
        {"120320,5", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, expected] : times) EXPECT_EQ(nmeaTimeOfDay(text), expected) << text;
    const auto day = [](int y, int m, int d) {
        return secondsSinceDayZero(DateTime{y, m, d, 0, 0, 0}) / 86'400;
    };
    const std::pair<std::string, std::optional<std::int64_t>> dates[] = {
        {"081104", day(2004, 11, 8)}, {"010199", day(1999, 1, 1)}, {"290200", day(2000, 2, 29)},
        {"290201", std::nullopt},     {"011304", std::nullopt},    {"310404", std::nullopt},
        {"08110", std::nullopt},
    };
    for (const auto& [text, expected] : dates) EXPECT_EQ(nmeaRmcDate(text), expected) << text;
    EXPECT_EQ(nmeaZdaDate("14", "06", "2023"), day(2023, 6, 14));
    EXPECT_EQ(nmeaZdaDate("31", "06", "2023"), std::nullopt);
}

TEST(NmeaLogReader, ReadsNumbersStrictly) {
    const std::string fix = "37.5665000,126.9780000,38.5m,2004-11-08 00:35:10";
    const std::string position = "37.5665000,126.9780000";
    const std::string goodPair =
        crlfLines({gga("3733.9900", "12658.6800"), rmc("003510.00", "081104")});
    const auto withPair = [&](const std::string& gga) {
        return crlfLines({gga, rmc("003510.00", "081104")}) + goodPair;
    };
    // A GGA whose coordinate does not read gives nothing; the next of its
    // epoch gives the fix.
    const Case cases[] = {
        {"letter among the digits", withPair(gga("37x3.9900", "12658.6800")), {fix}, {position}},
        {"exponent", withPair(gga("3733.99e0", "12658.6800")), {fix}, {position}},
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

TEST(NmeaLogReader, RewindGivesTheSameFixesAgain) {
    TempDir dir;
    test::writeFile(dir / "log.nmea",
                    "\xEF\xBB\xBF" + crlfLines({ggaAt("235959"), ggaAt("000000"), kGga, kRmc}));
    NmeaLogReader reader(dir / "log.nmea");
    const Lines expected = {kP38 + "1994-03-22 23:59:59", kP38 + "1994-03-23 00:00:00", kFix};
    for (int pass = 0; pass < 2; ++pass) {
        Lines fixes;
        while (const auto fix = reader.nextPairedFix()) fixes.push_back(describe(*fix, true));
        EXPECT_EQ(fixes, expected) << pass;
        EXPECT_FALSE(reader.nextPairedFix());
        reader.rewind();
    }
}

}  // namespace
}  // namespace morlindo
