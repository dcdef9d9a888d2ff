// The KML and GeoJSON writers on item streams of every shape: GeoJSON read
// by a real JSON parser, its features checked (segments as lines, waypoints
// as Points, routes as LineStrings, names and times, exact coordinates); KML
// held to xmllint for well-formedness and read back by GPSBabel, point by
// point and segment by segment. The outside tools are Linux-only checks,
// skipped where they are missing.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "formats/date_time.h"
#include "formats/geojson_writer.h"
#include "formats/gpx_writer.h"
#include "formats/kml_writer.h"
#include "io/error.h"
#include "support/test_files.h"

#ifdef MORLINDO_HAVE_JSON_PARSER
#include <nlohmann/json.hpp>
#endif

namespace morlindo {
namespace {

Item item(ItemKind kind, std::string name = "", std::string description = "") {
    Item made;
    made.kind = kind;
    made.name = std::move(name);
    made.description = std::move(description);
    return made;
}
Item track(std::string name, std::string description = "") {
    return item(ItemKind::TrackStart, std::move(name), std::move(description));
}
Item segment() { return item(ItemKind::SegmentStart); }
Item point(double latitude, double longitude, std::optional<double> altitude = {},
           std::optional<DateTime> time = {}, ItemKind kind = ItemKind::Point,
           std::string name = "") {
    Item made = item(kind, std::move(name));
    made.latitude = latitude;
    made.longitude = longitude;
    made.altitudeMeters = altitude;
    made.utcTime = time;
    return made;
}
Item waypoint(std::string name, double latitude, double longitude,
              std::optional<double> altitude = {}, std::optional<DateTime> time = {}) {
    return point(latitude, longitude, altitude, time, ItemKind::Waypoint, std::move(name));
}
Item route(std::string name) { return item(ItemKind::RouteStart, std::move(name)); }
Item routePoint(double latitude, double longitude, std::string name = "") {
    return point(latitude, longitude, {}, {}, ItemKind::RoutePoint, std::move(name));
}

constexpr DateTime kMorning{2004, 11, 8, 6, 30, 0};
constexpr DateTime kLater{2004, 11, 8, 6, 30, 5};

struct Stream {
    const char* name;
    std::vector<Item> items;
    const char* features;  // the GeoJSON features, as describe() puts them
};

// Every shape a reader yields: tracks named or not, several segments, an
// empty and a one-point segment, waypoints with escapes, routes of many and
// of one point, a waypoint amid a track, coordinates at the edges.
const Stream kStreams[] = {
    {"segments as lines",
     {track("Han <river> & \"park\"", "evening walk"), segment(),
      point(37.566535, 126.977969, 38.5, kMorning), point(37.5666, 126.978, -1.25, kLater),
      point(37.56671234567891, 126.97812345678912), segment(), segment(), point(37.567, 126.979),
      point(37.5671, 126.9791), segment(), point(-33.5, -70.25, 12), track(""), segment(),
      point(-90, 180), point(90, -180, 0)},
     "MultiLineString [[126.977969,37.566535,38.5] [126.978,37.5666,-1.25] "
     "[126.97812345678912,37.56671234567891]] [[126.979,37.567] [126.9791,37.5671]] "
     "[[-70.25,-33.5,12] [-70.25,-33.5,12]] desc=evening walk name=Han <river> & \"park\" "
     "time=2004-11-08T06:30:00Z\n"
     "MultiLineString [[180,-90] [-180,90,0]] name=walk\n"},
    {"waypoints and routes",
     {waypoint("Q\"\\\x01 \xFF 한강", 45, -122.5, std::nullopt, kMorning),
      waypoint("Namsan", -45, 0.000001, 100), route("R0"), routePoint(10.5, 20.25, "start"),
      routePoint(11, 21), routePoint(11.5, 21.5, "end"), route("R1"), routePoint(1, 2)},
     "Point [-122.5,45] name=Q\"\\\x01 \xEF\xBF\xBD 한강 time=2004-11-08T06:30:00Z\n"
     "Point [1e-06,-45,100] name=Namsan\n"
     "LineString [20.25,10.5] [21,11] [21.5,11.5] name=R0\n"
     "LineString [2,1] [2,1] name=R1\n"},
    {"a waypoint amid a track",
     {track("T"), segment(), point(1, 1), point(2, 2), waypoint("W", 3, 3), point(4, 4),
      point(5, 5)},
     "MultiLineString [[1,1] [2,2]] name=T\n"
     "Point [3,3] name=W\n"
     "MultiLineString [[4,4] [5,5]] name=T\n"},
};

template <typename Writer>
Dropped writeItems(const std::filesystem::path& file, const std::vector<Item>& items) {
    OutputFile output(file);
    Writer writer(WriteTarget{output, "walk.gpx", "walk"});
    for (const Item& item : items) writer.write(item);
    writer.finish();
    output.commit();
    return writer.dropped();
}

bool linuxToolAvailable(const char* tool) {
#ifdef _WIN32
    (void)tool;
    return false;
#else
    return std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) == 0;
#endif
}

#ifdef MORLINDO_HAVE_JSON_PARSER
std::string shortest(double value) {
    std::array<char, 32> text{};
    return std::string(text.data(),
                       std::to_chars(text.data(), text.data() + text.size(), value).ptr);
}

std::string positionText(const nlohmann::json& position) {
    std::string text = "[";
    for (const auto& number : position) text += (text.size() > 1 ? "," : "") + shortest(number);
    return text + "]";
}

// One line per feature: its geometry type, its positions (lines in
// brackets), then its properties.
std::string describe(const nlohmann::json& collection) {
    EXPECT_EQ(collection.at("type"), "FeatureCollection");
    std::string text;
    for (const auto& feature : collection.at("features")) {
        EXPECT_EQ(feature.at("type"), "Feature");
        const auto& geometry = feature.at("geometry");
        const std::string type = geometry.at("type");
        text += type;
        const auto& coordinates = geometry.at("coordinates");
        if (type == "Point") text += " " + positionText(coordinates);
        if (type == "LineString") {
            for (const auto& position : coordinates) text += " " + positionText(position);
        }
        if (type == "MultiLineString") {
            for (const auto& line : coordinates) {
                text += " [";
                for (const auto& position : line) {
                    text += (text.back() == '[' ? "" : " ") + positionText(position);
                }
                text += "]";
            }
        }
        for (const auto& [key, value] : feature.at("properties").items()) {
            text += " " + key + "=" + value.get<std::string>();
        }
        text += "\n";
    }
    return text;
}
#endif

TEST(GeoJsonWriter, WritesEachTrackSegmentWaypointAndRouteAsItsFeature) {
#ifndef MORLINDO_HAVE_JSON_PARSER
    GTEST_SKIP() << "built without a JSON parser (nlohmann-json3-dev)";
#else
    test::TempDir dir;
    for (const Stream& stream : kStreams) {
        const auto file = dir / "out.geojson";
        writeItems<GeoJsonWriter>(file, stream.items);
        const auto json = nlohmann::json::parse(test::readFile(file));  // throws when not JSON
        EXPECT_EQ(describe(json), stream.features) << stream.name;
    }
#endif
}

// The name as KML holds it: characters XML cannot hold become U+FFFD.
std::string asXmlHoldsIt(const std::string& name) {
    std::string text = xmlText(name);
    for (const auto& [entity, character] :
         {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, std::string_view(entity).size(), character);
        }
    }
    return text;
}

std::string exact(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
}

std::string exactPosition(const Item& point) {
    return exact(point.latitude) + "," + exact(point.longitude) + "," +
           (point.altitudeMeters ? exact(*point.altitudeMeters) : "");
}

// What GPSBabel reads from the KML of the items, in the styles
// gpsbabel_waypoints.style and gpsbabel_tracks.style. Each line of two or
// more points is a track of GPSBabel's; a route of one point is a Point
// Placemark, which GPSBabel reads as a waypoint; a segment of one point is a
// Point within the track's MultiGeometry, which GPSBabel passes over.
std::pair<std::string, std::string> gpsbabelReading(const std::vector<Item>& items) {
    std::string waypoints, tracks, lineName, trackName = "walk";
    std::vector<const Item*> line;
    const auto closeLine = [&] {
        if (line.size() == 1 && line[0]->kind == ItemKind::RoutePoint) {
            waypoints += lineName + "," + exactPosition(*line[0]) + ",1970-01-01T00:00:00Z\n";
        }
        for (std::size_t i = 0; line.size() > 1 && i < line.size(); ++i) {
            tracks += (i == 0 ? "1," : "0,") + asXmlHoldsIt(lineName) + "," +
                      exactPosition(*line[i]) + "\n";
        }
        line.clear();
    };
    for (const Item& item : items) {
        if (item.kind != ItemKind::Point && item.kind != ItemKind::RoutePoint) closeLine();
        if (item.kind == ItemKind::TrackStart) trackName = item.name.empty() ? "walk" : item.name;
        if (item.kind == ItemKind::RouteStart) lineName = item.name;
        if (item.kind == ItemKind::SegmentStart || item.kind == ItemKind::Waypoint) {
            lineName = trackName;
        }
        if (item.kind == ItemKind::Point || item.kind == ItemKind::RoutePoint)
            line.push_back(&item);
        if (item.kind == ItemKind::Waypoint) {
            DateTime time = item.utcTime.value_or(DateTime{1970, 1, 1});
            std::string timeText;
            appendUtcDateTime(timeText, time);
            waypoints +=
                asXmlHoldsIt(item.name) + "," + exactPosition(item) + "," + timeText + "\n";
        }
    }
    closeLine();
    return {waypoints, tracks};
}

TEST(KmlWriter, IsWellFormedAndGpsbabelReadsBackItsPoints) {
    const bool wellFormedCheck = linuxToolAvailable("xmllint");
    const bool readBack = linuxToolAvailable("gpsbabel");
    if (!wellFormedCheck && !readBack) GTEST_SKIP() << "without xmllint and gpsbabel";
    const std::filesystem::path data = MORLINDO_TEST_DATA_DIR;
    test::TempDir dir;
    for (const Stream& stream : kStreams) {
        const std::string kml = (dir / "out.kml").string();
        writeItems<KmlWriter>(kml, stream.items);
        EXPECT_TRUE(!wellFormedCheck || std::system(("xmllint --noout " + kml).c_str()) == 0)
            << stream.name;
        if (!readBack) continue;
        std::string reading[2];
        for (const int i : {0, 1}) {
            const auto style =
                data / (i == 0 ? "gpsbabel_waypoints.style" : "gpsbabel_tracks.style");
            ASSERT_EQ(std::system(("gpsbabel -w -t -i kml -f " + kml +
                                   " -o xcsv,style=" + style.string() + " -F " + kml + ".csv")
                                      .c_str()),
                      0);
            reading[i] = test::readFile(kml + ".csv");
        }
        const auto [waypoints, tracks] = gpsbabelReading(stream.items);
        EXPECT_EQ(reading[0], waypoints) << stream.name;
        EXPECT_EQ(reading[1], tracks) << stream.name;
    }
}

TEST(FeatureWriters, RefuseAPointBeyondWgs84AndReportDroppedNames) {
    using WriteFunction =
        std::function<Dropped(const std::filesystem::path&, const std::vector<Item>&)>;
    const std::pair<const char*, WriteFunction> writers[] = {
        {"KML", writeItems<KmlWriter>}, {"GeoJSON", writeItems<GeoJsonWriter>}};
    test::TempDir dir;
    for (const auto& [format, write] : writers) {
        const auto out = dir / format;
        Item beyond = point(90.5, 1);
        beyond.line = 7;
        try {
            write(out, {track("T"), segment(), point(1, 1), beyond});
            ADD_FAILURE() << format << " took latitude 90.5";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()),
                      "walk.gpx:7: point 2 at latitude 90.5, longitude 1 lies outside what " +
                          std::string(format) +
                          " holds (latitude -90 to 90, longitude -180 to 180)");
        }
        EXPECT_FALSE(std::filesystem::exists(out)) << format;
        EXPECT_TRUE(write(out, kStreams[1].items).names) << format;
        EXPECT_FALSE(write(out, kStreams[0].items).any()) << format;
    }
}

}  // namespace
}  // namespace morlindo
