// The GPX files this system writes, as outside tools read them: each is valid
// against the GPX 1.1 schema (xmllint), and GPSBabel reads back every
// coordinate, elevation and time exactly as this system's reader does. Skips
// where a tool or the schema's copy is missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "convert/conversions.h"
#include "formats/gpx_reader.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

std::string shell(const std::string& command) { return "sh -c '" + command + "' >/dev/null 2>&1"; }

bool hasTool(const char* name) {
    return std::system(shell(std::string("command -v ") + name).c_str()) == 0;
}

// Every point as GPSBabel's exact style writes it: "lat,lon,ele,time", the
// numbers with 17 significant digits.
std::string pointLines(const std::filesystem::path& gpx) {
    std::string lines;
    GpxReader reader(gpx);
    char text[160];
    while (const auto p = reader.next()) {
        const DateTime t = p->utcTime.value_or(DateTime{1970, 1, 1});
        std::snprintf(text, sizeof text, "%.17g,%.17g,", p->latitude, p->longitude);
        lines += text;
        if (p->elevationMeters) std::snprintf(text, sizeof text, "%.17g", *p->elevationMeters);
        lines += p->elevationMeters ? text : "";
        std::snprintf(text, sizeof text, ",%04d-%02d-%02dT%02d:%02d:%02dZ\n", t.year, t.month,
                      t.day, t.hour, t.minute, t.second);
        lines += text;
    }
    return lines;
}

TEST(GpxPeers, SchemaAndGpsbabelAcceptEveryGpxWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "the outside tools run on Linux";
#endif
    const std::filesystem::path data = MORLINDO_TEST_DATA_DIR;
    const std::filesystem::path schema = MORLINDO_GPX_SCHEMA;
    test::TempDir dir;
    test::writeFile(dir / "walk.alr",
                    test::almapFile({{180, -90}, {-0.0, 0.1}, {126.97800000000001, 37.5665}}));
    std::filesystem::copy(data / "receiver.nmea", dir / "log.nmea");
    std::filesystem::copy(data / "receiver.plt", dir / "track.plt");
    for (const char* input : {"walk.alr", "log.nmea", "track.plt"}) {
        const auto gpx = convertFile(ConversionKind::TrackToGpx, dir / input, ConversionOptions{},
                                     test::fixedContext())
                             .output;
        const std::string file = gpx.string();
        if (std::filesystem::exists(schema) && hasTool("xmllint")) {
            EXPECT_EQ(
                std::system(
                    shell("xmllint --noout --schema " + schema.string() + " " + file).c_str()),
                0)
                << input << " is not valid GPX 1.1";
        }
        if (!hasTool("gpsbabel")) continue;
        const std::string csv = file + ".csv";
        ASSERT_EQ(std::system(shell("gpsbabel -t -i gpx -f " + file + " -o xcsv,style=" +
                                    (data / "gpx/exact.style").string() + " -F " + csv)
                                  .c_str()),
                  0);
        EXPECT_EQ(test::readFile(csv), pointLines(gpx)) << input;
    }
    if (!std::filesystem::exists(schema) || !hasTool("xmllint") || !hasTool("gpsbabel")) {
        GTEST_SKIP() << "checked without " << schema << ", xmllint or gpsbabel";
    }
}

}  // namespace
}  // namespace morlindo
