// The GPX reader on small files of every shape it meets (1.1 and 1.0, a
// default namespace, a prefix or none, tracks, routes and waypoints, offsets
// and fractions in times, CDATA and entities, UTF-16, ISO-8859-1 and the code
// pages of the system) and on each
// fault it reports; the times it reads; the text it writes for names.
#include <gtest/gtest.h>

#include <cstdio>

#include "formats/gpx_reader.h"
#include "formats/gpx_writer.h"
#include "io/error.h"

namespace morlindo {
namespace {

const std::filesystem::path kGpxData = std::filesystem::path(MORLINDO_TEST_DATA_DIR) / "gpx";

// One text per item: "T name" (track), "S" (segment), "R name desc"
// (route), and for points the kind ("P" track point, "W" waypoint, "r"
// route point), "latitude longitude elevation time" with "-" for what the
// point lacks, and a waypoint's name.
std::vector<std::string> itemsOf(const std::filesystem::path& path) {
    GpxReader reader(path);
    std::vector<std::string> items;
    Item p;
    while (reader.next(p)) {
        if (p.kind == ItemKind::TrackStart) items.push_back("T " + p.name);
        if (p.kind == ItemKind::SegmentStart) items.emplace_back("S");
        if (p.kind == ItemKind::RouteStart) items.push_back("R " + p.name + " " + p.description);
        if (p.kind == ItemKind::TrackStart || p.kind == ItemKind::SegmentStart ||
            p.kind == ItemKind::RouteStart) {
            continue;
        }
        const DateTime t = p.utcTime.value_or(DateTime{});
        char text[96], elevation[32] = "-", time[32] = "-";
        if (p.altitudeMeters) std::snprintf(elevation, 32, "%g", *p.altitudeMeters);
        if (p.utcTime) {
            std::snprintf(time, 32, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                          t.minute, t.second);
        }
        const char* kind = p.kind == ItemKind::Point      ? "P"
                           : p.kind == ItemKind::Waypoint ? "W"
                                                          : "r";
        std::snprintf(text, sizeof text, "%s %g %g %s %s", kind, p.latitude, p.longitude, elevation,
                      time);
        items.push_back(text + (p.name.empty() ? "" : " " + p.name));
    }
    return items;
}

TEST(GpxReader, ReadsTracksSegmentsRoutesAndWaypointsInFileOrder) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"tracks.gpx",
         {"W 1 1 - - not read: the file has track points", "R  ", "r 2 2 - -",
          "T Han \xED\x95\x9C&<river>", "S", "P 37.5665 126.978 38.5 2004-11-08T06:30:00",
          "P -33.5 -70.25 12 2004-11-08T06:30:00", "S", "P 0 180 - 2004-11-08T02:00:00", "T ", "S",
          "P 90 -180 100 2005-01-01T00:00:00"}},
        {"routes.gpx", {"W 1 1 - -", "R caf\xC3\xA9 ", "r 10.5 20.25 -5 -", "r 11 21 - -"}},
        {"waypoints.gpx", {"W 45 -122.5 - 2020-02-29T23:59:59", "W -45 1e-06 - -"}},
        {"empty.gpx", {}},
        // Code pages that expat does not read itself, through the system's.
        {"windows1252.gpx",
         {"W 48.85 2.35 - - Caf\xC3\xA9 cr\xC3\xA8me \xE2\x80\x93 \xE2\x82\xAC"}},
        {"euc_kr.gpx",
         {"T \xEB\xB6\x81\xED\x95\x9C\xEC\x82\xB0 \xEC\x82\xB0\xEC\xB1\x85", "S",
          "P 37.6586 126.978 836 -"}},
        // A Hangul syllable that EUC-KR lacks.
        {"cp949.gpx", {"W 37.5 127 - - \xEB\x98\xA0\xEB\xB0\xA9"}},
    };
    for (const auto& [file, items] : cases) EXPECT_EQ(itemsOf(kGpxData / file), items) << file;
}

TEST(GpxReader, NamesTheFileAndLineOfEveryFault) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"bad_xml.gpx", 3, "the file is not well-formed XML: mismatched tag"},
        {"not_gpx.gpx", 2, "the root element is not gpx; this is not a GPX file"},
        {"no_lat.gpx", 2, "the point has no lat attribute"},
        {"bad_lon.gpx", 2,
         "the lon \"181\" of the point is not a number of degrees from -180 to 180"},
        {"bad_ele.gpx", 3, "the ele \"high\" is not a number of metres"},
        {"bad_time.gpx", 2, "the time \"2004-11-08 06:30:00\" is not a date and time"},
        {"unknown_encoding.gpx", 1,
         "the file declares the text encoding \"x-no-such-code-page\", which this system cannot "
         "read"},
        {"bad_utf8.gpx", 3, "not valid UTF-8 (the file declares UTF-8)"},
        {"entities.gpx", 14, "the file is not well-formed XML: limit on input amplification"},
    };
    for (const auto& [file, line, reason] : cases) {
        try {
            itemsOf(kGpxData / file);
            ADD_FAILURE() << file << " was read";
        } catch (const Error& error) {
            EXPECT_EQ(error.path(), kGpxData / file);
            EXPECT_EQ(error.line(), line) << file;
            EXPECT_TRUE(error.reason().starts_with(reason)) << error.reason();
        }
    }
}

TEST(GpxReader, ReadsTimesAsUtc) {
    const std::pair<const char*, std::optional<DateTime>> cases[] = {
        {"2004-11-08T06:30:00Z", DateTime{2004, 11, 8, 6, 30, 0}},
        {" 2004-11-08T06:30:59.999-00:30\n", DateTime{2004, 11, 8, 7, 0, 59}},
        {"2004-01-01T05:00:00+14:00", DateTime{2003, 12, 31, 15, 0, 0}},
        {"2004-02-30T00:00:00Z", std::nullopt},
        {"2004-11-08T06:30Z", std::nullopt},
        {"2004-11-08T06:30:00+14:01", std::nullopt},
        {"2004-11-08T06:30:00.Z", std::nullopt},
        {"0001-01-01T00:30:00+01:00", std::nullopt},
        {"9999-12-31T24:00:00Z", std::nullopt},
    };
    for (const auto& [text, time] : cases) EXPECT_EQ(parseXmlDateTime(text), time) << text;
}

TEST(GpxWriter, WritesAnyNameAsWellFormedText) {
    const auto replaced = [](int count) {  // as many U+FFFD
        std::string text;
        for (int i = 0; i < count; ++i) text += "\xEF\xBF\xBD";
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"R&D <1>", "R&amp;D &lt;1&gt;"},
        {"\xED\x95\x9C\xE5\xAD\x97 \xF0\x9F\x97\xBA", "\xED\x95\x9C\xE5\xAD\x97 \xF0\x9F\x97\xBA"},
        {"a\xFF\x01"
         "b\r",
         "a" + replaced(2) + "b&#13;"},
        // A surrogate, an overlong form, U+FFFE: each byte replaced.
        {"\xED\xA0\x80\xC0\xAF\xEF\xBF\xBE", replaced(8)},
    };
    for (const auto& [name, text] : cases) EXPECT_EQ(xmlText(name), text) << name;
}

}  // namespace
}  // namespace morlindo
