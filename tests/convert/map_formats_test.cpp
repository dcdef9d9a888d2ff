// KML and GeoJSON as targets of the table: every kind the system reads
// converts to both, into a file that parses (xmllint, a JSON parser; each
// check skipped where its tool is missing). What the files hold is checked
// on the writers themselves (tests/formats/feature_writers_test.cpp).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "convert/conversions.h"
#include "support/test_files.h"

#ifdef MORLINDO_HAVE_JSON_PARSER
#include <nlohmann/json.hpp>
#endif

namespace morlindo {
namespace {

bool wellFormedXml(const std::filesystem::path& file) {
#ifdef _WIN32
    (void)file;
    return true;  // xmllint runs on Linux
#else
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) return true;
    return std::system(("xmllint --noout '" + file.string() + "'").c_str()) == 0;
#endif
}

bool validJson(const std::filesystem::path& file) {
#ifdef MORLINDO_HAVE_JSON_PARSER
    return nlohmann::json::accept(test::readFile(file));
#else
    (void)file;
    return true;
#endif
}

TEST(MapFormats, EveryReadableKindConvertsToKmlAndGeoJson) {
    const std::filesystem::path data = MORLINDO_TEST_DATA_DIR;
    test::TempDir dir;
    test::writeFile(dir / "walk.alr", test::almapFile({{126.978, 37.5}, {126.979, 37.501}}));
    std::filesystem::copy(data / "receiver.plt", dir / "track.plt");
    std::filesystem::copy(data / "receiver.nmea", dir / "log.nmea");
    std::filesystem::copy(data / "gpx/tracks.gpx", dir / "tracks.gpx");
    // The waypoint and route files, as the system writes them from GPX.
    std::filesystem::copy(data / "gpx/waypoints.gpx", dir / "marks.gpx");
    std::filesystem::copy(data / "gpx/routes.gpx", dir / "way.gpx");
    convertFile(*conversionBetween(FileKind::Gpx, FileKind::OziWaypoints), dir / "marks.gpx",
                ConversionOptions{}, test::fixedContext());
    convertFile(*conversionBetween(FileKind::Gpx, FileKind::OziRoute), dir / "way.gpx",
                ConversionOptions{}, test::fixedContext());
    const std::map<FileKind, std::string> inputs{
        {FileKind::AlmapTrack, "walk.alr"},    {FileKind::OziTrack, "track.plt"},
        {FileKind::NmeaLog, "log.nmea"},       {FileKind::Gpx, "tracks.gpx"},
        {FileKind::OziWaypoints, "marks.wpt"}, {FileKind::OziRoute, "way.rte"}};
    for (const FileKindInfo& source : fileKinds()) {
        if (source.makeReader == nullptr) continue;
        ASSERT_TRUE(inputs.contains(source.kind)) << "no input of kind " << source.shortName;
        for (const FileKind target : {FileKind::Kml, FileKind::GeoJson}) {
            const auto kind = conversionBetween(source.kind, target);
            ASSERT_TRUE(kind) << source.shortName;
            const ConversionResult result =
                convertFile(*kind, dir / inputs.at(source.kind), ConversionOptions{},
                            test::fixedContext(), source.kind);
            EXPECT_EQ(result.output.extension(), fileKindInfo(target).extension);
            EXPECT_GT(result.points, 0u) << result.output;
            EXPECT_TRUE(target == FileKind::Kml ? wellFormedXml(result.output)
                                                : validJson(result.output))
                << result.output;
        }
    }
}

}  // namespace
}  // namespace morlindo
