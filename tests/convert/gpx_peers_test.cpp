// The GPX files this system writes, as outside tools read them: valid against
// the GPX 1.1 schema (xmllint), and GPSBabel reads back every coordinate,
// elevation and time exactly as this system's reader does. Each check is
// skipped where its tool or the schema's copy is missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

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

// Texts full of commas and line breaks (a file name, a route name and
// description, a waypoint prefix) leave every field where GPSBabel looks for
// it: it reads each point back at its coordinates.
TEST(OziPeers, GpsbabelReadsThePointsOfCommaLadenTexts) {
#ifdef _WIN32
    GTEST_SKIP() << "the outside tools run on Linux";
#endif
    if (!succeeds("command -v gpsbabel")) GTEST_SKIP() << "without gpsbabel";
    test::TempDir dir;
    const auto input = dir / "a,b.alr";
    test::writeFile(input, test::almapFile({{126.97834, 37.56944}, {-70.25, -33.5}}));
    ConversionOptions options;
    options.route.routeName = "A,B\n";
    options.route.routeDescription = "Seoul, Busan\r\n& back";
    options.waypoints.namePrefix = "P,Q\t";
    const std::pair<ConversionKind, const char*> cases[] = {
        {ConversionKind::AlmapToOziTrack, "-t"},
        {ConversionKind::AlmapToOziRoute, "-r"},
        {ConversionKind::AlmapToOziWaypoints, "-w"},
    };
    for (const auto& [kind, what] : cases) {
        const auto output = convertFile(kind, input, options, test::fixedContext()).output;
        const auto csv = output.string() + ".csv";
        ASSERT_TRUE(succeeds(std::string("gpsbabel ") + what + " -i ozi -f \"" + output.string() +
                             "\" -o csv -F \"" + csv + "\""));
        std::string coordinates;  // each line up to its third field, the name
        std::istringstream lines(test::readFile(csv));
        for (std::string line; std::getline(lines, line);) {
            coordinates += line.substr(0, line.find(", ", line.find(", ") + 2)) + "\n";
        }
        EXPECT_EQ(coordinates, "37.56944, 126.97834\n-33.50000, -70.25000\n") << output;
    }
}

}  // namespace
}  // namespace morlindo
