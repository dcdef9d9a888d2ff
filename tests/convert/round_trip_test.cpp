// Properties over generated tracks and logs (fixed seeds): an AlMap track
// through an OziExplorer track and back keeps every coordinate to six
// decimals, and through GPX and back every coordinate exactly; the two
// conversions of one NMEA log put the fixes they share at the same places,
// and its GPX file holds the fixes, altitudes and times of its track.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "convert/conversions.h"
#include "formats/almap_track.h"
#include "formats/gpx_reader.h"
#include "formats/number_text.h"
#include "formats/ozi_track.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::TempDir;

void convert(ConversionKind kind, const std::filesystem::path& input,
             const ConversionOptions& options = {}) {
    convertFile(kind, input, options, test::fixedContext());
}
using test::writeFile;
using Points = std::vector<std::pair<double, double>>;  // longitude, latitude

// Uniform in [low, high), from the engine's raw output alone so that every
// platform draws the same numbers.
double uniform(std::mt19937_64& generator, double low, double high) {
    return low + (high - low) * static_cast<double>(generator() >> 11) * 0x1p-53;
}

// A track of random places, of receiver-like walks, of values halfway
// between two six-decimal steps and of values that round to 0.
Points generatedTrack(unsigned seed, int count) {
    std::mt19937_64 generator(seed);
    Points track;
    for (int i = 0; i < count; ++i) {
        double longitude = uniform(generator, -180, 180);
        double latitude = uniform(generator, -90, 90);
        if (i % 5 == 1) {
            longitude = track.back().first + uniform(generator, -1e-4, 1e-4);
            latitude = track.back().second + uniform(generator, -1e-4, 1e-4);
        } else if (i % 7 == 2) {
            longitude = std::round(longitude * 1e6) / 1e6 + 5e-7;
            latitude = std::round(latitude * 1e6) / 1e6 - 5e-7;
        } else if (i % 11 == 3) {
            longitude = uniform(generator, -4e-7, 4e-7);
            latitude = uniform(generator, -4e-7, 4e-7);
        }
        track.emplace_back(longitude, latitude);
    }
    return track;
}

Points readAlmapTrack(const std::filesystem::path& path) {
    AlmapTrackReader reader(path);
    Points points;
    while (const auto point = reader.next()) points.emplace_back(point->longitude, point->latitude);
    return points;
}

Points readOziTrack(const std::filesystem::path& path) {
    Points points;
    readOziTrackPoints(
        path, [&](double latitude, double longitude) { points.emplace_back(longitude, latitude); });
    return points;
}

TEST(RoundTrip, AlmapThroughOziTrackKeepsSixDecimals) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const Points track = generatedTrack(seed, 3000);
        TempDir dir;
        writeFile(dir / "walk.alr", test::almapFile(track));
        convert(ConversionKind::AlmapToOziTrack, dir / "walk.alr");
        convert(ConversionKind::OziTrackToAlmap, dir / "walk.plt");  // replaces walk.alr
        const Points back = readAlmapTrack(dir / "walk.alr");
        ASSERT_EQ(back.size(), track.size()) << seed;
        // Half a step of the sixth decimal, and the binary error of a number up to 180.
        constexpr double kSixDecimals = 0.5e-6 + 1e-12;
        for (std::size_t i = 0; i < track.size(); ++i) {
            const auto [longitude, latitude] = track[i];
            EXPECT_EQ(back[i].first, roundToSixDecimals(longitude)) << seed << " " << i;
            EXPECT_EQ(back[i].second, roundToSixDecimals(latitude)) << seed << " " << i;
            EXPECT_LE(std::fabs(back[i].first - longitude), kSixDecimals) << seed << " " << i;
            EXPECT_LE(std::fabs(back[i].second - latitude), kSixDecimals) << seed << " " << i;
        }
    }
}

TEST(RoundTrip, AlmapThroughGpxKeepsEveryCoordinate) {
    const Points track = generatedTrack(4, 3000);
    TempDir dir;
    writeFile(dir / "walk.alr", test::almapFile(track));
    convert(ConversionKind::TrackToGpx, dir / "walk.alr");
    convert(ConversionKind::GpxToAlmap, dir / "walk.gpx");  // replaces walk.alr
    EXPECT_EQ(readAlmapTrack(dir / "walk.alr"), track);
}

// A receiver log of random sentences: GGA with and without a position, RMC
// with real and impossible dates, other sentences, blank lines, every line
// end. Knows which GGA sentences the paired reading takes: a GGA with a
// position opens a pair when none is open, and the next RMC closes it, giving
// a fix when its date and time are real.
struct GeneratedLog {
    std::string text;
    std::size_t positions = 0;        // GGA sentences with a position
    std::vector<std::size_t> paired;  // which of them became paired fixes
};

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// "ddmm.mmmm" or "dddmm.mmmmm": whole degrees, then minutes, never all zero.
std::string degreesAndMinutes(std::mt19937_64& generator, int maxDegrees, int degreeDigits) {
    const int degrees = static_cast<int>(generator() % static_cast<unsigned>(maxDegrees));
    const double minutes = uniform(generator, 0.0001, 59.9999);
    char text[32];
    const int decimals = static_cast<int>(4 + generator() % 2);
    std::snprintf(text, sizeof text, "%0*d%0*.*f", degreeDigits, degrees, decimals + 3, decimals,
                  minutes);
    return text;
}

GeneratedLog generatedLog(unsigned seed, int sentences) {
    std::mt19937_64 generator(seed);
    const char* const lineEnds[] = {"\r\n", "\n", "\r"};
    GeneratedLog log;
    bool pairOpen = false;
    for (int i = 0; i < sentences; ++i) {
        const std::string talker = generator() % 2 ? "$GP" : "$GN";
        const auto kind = generator() % 8;
        std::string line;
        if (kind < 3) {
            line = talker + "GGA,123519.00," + degreesAndMinutes(generator, 90, 2) +
                   (generator() % 2 ? ",N," : ",S,") + degreesAndMinutes(generator, 180, 3) +
                   (generator() % 2 ? ",E," : ",W,") + "1,08,0.9,545.4,M,46.9,M,,*47";
            if (!pairOpen) log.paired.push_back(log.positions);
            pairOpen = true;
            ++log.positions;
        } else if (kind < 5) {
            const bool real = generator() % 4 != 0;
            line = talker + "RMC," + twoDigits(static_cast<int>(generator() % 24)) +
                   "3519,A,,,,,,," + (real ? "230394" : "300294") + ",,,A*6A";
            if (pairOpen && !real) log.paired.pop_back();
            pairOpen = false;
        } else if (kind == 5) {
            line = talker + "GGA,002153.000,,,,,0,0,,,M,,M,,*4F";
        } else if (kind == 6) {
            line = talker + "GSA,A,3,04,05,09,12,24,25,29,,,,,,1.8,0.9,1.5*37";
        }
        log.text += line + lineEnds[generator() % 3];
    }
    if (pairOpen) log.paired.pop_back();  // the log ended before its RMC
    return log;
}

TEST(RoundTrip, BothNmeaConversionsAgreeOnTheFixesTheyShare) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const GeneratedLog log = generatedLog(seed, 4000);
        TempDir dir;
        writeFile(dir / "log.nmea", log.text);
        convert(ConversionKind::NmeaToAlmap, dir / "log.nmea");
        convert(ConversionKind::NmeaToOziTrack, dir / "log.nmea");
        const Points every = readAlmapTrack(dir / "log.alr");
        const Points paired = readOziTrack(dir / "log.plt");
        ASSERT_EQ(every.size(), log.positions) << seed;
        ASSERT_EQ(paired.size(), log.paired.size()) << seed;
        ASSERT_GT(paired.size(), 100u) << seed;
        // The track file holds seven decimals of the same numbers.
        constexpr double kSevenDecimals = 0.5e-7 + 1e-12;
        for (std::size_t k = 0; k < paired.size(); ++k) {
            const auto& fix = every[log.paired[k]];
            EXPECT_NEAR(paired[k].first, fix.first, kSevenDecimals) << seed << " " << k;
            EXPECT_NEAR(paired[k].second, fix.second, kSevenDecimals) << seed << " " << k;
        }
    }
}

TEST(RoundTrip, NmeaToGpxHoldsTheFixesAndTimesOfNmeaToOziTrack) {
    const GeneratedLog log = generatedLog(4, 4000);
    TempDir dir;
    writeFile(dir / "log.nmea", log.text);
    convert(ConversionKind::TrackToGpx, dir / "log.nmea");
    ConversionOptions options;
    options.nmeaTrack.timeZoneHours = -5;
    convert(ConversionKind::NmeaToOziTrack, dir / "log.nmea", options);
    GpxReader gpx(dir / "log.gpx");
    OziTrackReader plt(dir / "log.plt");
    std::size_t count = 0;
    constexpr double kSevenDecimals = 0.5e-7 + 1e-12;
    Item fix;
    const auto nextPoint = [&] {
        while (gpx.next(fix)) {
            if (fix.kind == ItemKind::Point) return true;
        }
        return false;
    };
    for (std::optional<OziTrackPoint> point; (point = plt.next()); ++count) {
        ASSERT_TRUE(nextPoint() && fix.utcTime) << count;
        const OziTrackPointDetails details = readOziTrackPointDetails(plt.otherFields());
        EXPECT_NEAR(point->latitude, fix.latitude, kSevenDecimals) << count;
        EXPECT_NEAR(point->longitude, fix.longitude, kSevenDecimals) << count;
        EXPECT_EQ(details.localTime, addHours(*fix.utcTime, -5)) << count;
        EXPECT_EQ(details.altitudeFeet, altitudeFeet(fix.altitudeMeters)) << count;
    }
    EXPECT_FALSE(nextPoint());
    EXPECT_EQ(count, log.paired.size());
}

}  // namespace
}  // namespace morlindo
