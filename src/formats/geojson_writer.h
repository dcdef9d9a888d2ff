// Writing a GeoJSON file (RFC 7946): UTF-8, one FeatureCollection holding
//   a track     a Feature with a MultiLineString, one line per segment;
//   a waypoint  a Feature with a Point;
//   a route     a Feature with a LineString;
// each with the properties "name", "desc" and "time" where it has them (a
// track's name is the source's base name when it has none; its time is that
// of its first point with a time, as other tools that turn GPX into GeoJSON
// give it). Positions are [longitude, latitude] or [longitude, latitude,
// altitude in metres], in the shortest decimal that reads back as the same
// double; one position per line, so that the lines stay short.
//
// A Feature's "properties" follow its "geometry" (JSON objects have no order),
// so that a track's first time is known by then without holding the track.
// The times of the other track points have no place in RFC 7946 and are not
// kept. A segment of one point is a line of that point twice and a route of
// one point a LineString of it twice (a line needs two positions); the names
// of route points are dropped (reported as such). Strings are JSON-escaped,
// bytes that are not UTF-8 becoming U+FFFD.
#pragma once

#include "formats/feature_writer.h"

namespace morlindo {

class GeoJsonWriter final : public FeatureWriter {
public:
    // Writes everything before the first feature.
    explicit GeoJsonWriter(const WriteTarget& target);

private:
    void beginTrack(const std::string& name, const std::string& description) override;
    void endTrack(const std::optional<DateTime>& firstTime) override;
    void beginRoute(const std::string& name, const std::string& description) override;
    void endRoute() override;
    void beginLine() override;
    void linePosition(const Item& point) override;
    void endLine() override;
    void lonePosition(const Item& point) override;
    void writeWaypoint(const Item& waypoint) override;
    void writeEnd() override;

    void beginFeature(std::string_view geometryType);
    void endFeature(const std::string& name, const std::string& description,
                    const std::optional<DateTime>& time);
    void appendPosition(const Item& point);

    std::string text_;
    std::uint64_t features_ = 0;
    bool inTrack_ = false;     // lines are the track's, each in its own brackets
    std::uint64_t lines_ = 0;  // of the open track
    std::uint64_t linePositions_ = 0;
    std::string name_, description_;  // of the open track or route
};

}  // namespace morlindo
