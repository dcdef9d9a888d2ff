// The GPX files this system writes, as outside tools read them: valid against
// the GPX 1.1 schema (xmllint), and GPSBabel reads back every coordinate,
// elevation and time exactly as this system's reader does. Each check is
// skipped where its tool or the schema's copy is missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "convert/conversions.h"
#include "formats/gpx_reader.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

bool succeeds(const std::string& command) {
    return std::system(("sh -c '" + command + "' >/dev/null 2>&1").c_str()) == 0;
}

// The points as the style exact.style has GPSBabel write them.
std::string pointLines(const std::filesystem::path& gpx) {
    std::string lines;
    GpxReader reader(gpx);
    Item p;
    while (reader.next(p)) {
        if (p.kind != ItemKind::Point) continue;
        const DateTime t = p.utcTime.value_or(DateTime{1970, 1, 1});  // GPSBabel's "none"
        char text[160], elevation[40] = "";
        if (p.altitudeMeters) std::snprintf(elevation, 40, "%.17g", *p.altitudeMeters);
        std::snprintf(text, sizeof text, "%.17g,%.17g,%s,%04d-%02d-%02dT%02d:%02d:%02dZ\n",
                      p.latitude, p.longitude, elevation, t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
        lines += text;
    }
    return lines;
}

TEST(GpxPeers, SchemaAndGpsbabelAcceptEveryGpxWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "the outside tools run on Linux";
#endif
    const std::filesystem::path data = MORLINDO_TEST_DATA_DIR;
    const std::string schema = MORLINDO_GPX_SCHEMA;
    const bool validate = std::filesystem::exists(schema) && succeeds("command -v xmllint");
    const bool readBack = succeeds("command -v gpsbabel");
    test::TempDir dir;
    test::writeFile(dir / "walk.alr", test::almapFile({{180, -90}, {-0.0, 0.1}, {126.978, 37.5}}));
    std::filesystem::copy(data / "receiver.nmea", dir / "log.nmea");
    std::filesystem::copy(data / "receiver.plt", dir / "track.plt");
    for (const char* input : {"walk.alr", "log.nmea", "track.plt"}) {
        const auto gpx = convertFile(ConversionKind::TrackToGpx, dir / input, ConversionOptions{},
                                     test::fixedContext())
                             .output.string();
        EXPECT_TRUE(!validate || succeeds("xmllint --noout --schema " + schema + " " + gpx))
            << input << " is not valid GPX 1.1";
        if (!readBack) continue;
        EXPECT_TRUE(succeeds("gpsbabel -t -i gpx -f " + gpx + " -o xcsv,style=" +
                             (data / "gpx/exact.style").string() + " -F " + gpx + ".csv"));
        EXPECT_EQ(test::readFile(gpx + ".csv"), pointLines(gpx)) << input;
    }
    if (!validate || !readBack) GTEST_SKIP() << "without xmllint, " << schema << " or gpsbabel";
}

}  // namespace
}  // namespace morlindo
