// Writing a KML 2.2 file (OGC KML, as Google Earth reads it): UTF-8 with LF
// line ends, one Document named after the source, holding
//   a track     a Placemark with the track's name and description and a
//               MultiGeometry of one LineString per segment;
//   a waypoint  a Placemark with its name, description, time (TimeStamp)
//               and a Point;
//   a route     a Placemark with its name and description and one LineString.
// Coordinates are "longitude,latitude[,altitude]" tuples in the shortest
// decimal that reads back as the same double, altitude in metres; lines are
// tessellated so that they follow the ground, and drawn in one red line style.
//
// Track points are written as LineStrings, not as gx:Track: a LineString is
// plain KML 2.2 that every KML reader takes, and it streams, while gx:Track
// (a Google extension) wants all of a segment's times before all of its
// coordinates, so the writer would have to hold each segment whole. The cost
// is that the times of track points are not kept in KML; GPX and GeoJSON keep
// them. A segment or route of one point is a Point (a LineString needs two),
// and the names of route points are dropped (reported as such).
#pragma once

#include "formats/feature_writer.h"

namespace morlindo {

class KmlWriter final : public FeatureWriter {
public:
    // Writes everything before the first feature.
    explicit KmlWriter(const WriteTarget& target);

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

    void beginPlacemark(const std::string& name, const std::string& description);
    void appendCoordinates(const Item& point);

    std::string text_;
    std::string_view geometryIndent_;  // within a track's MultiGeometry, or a route's Placemark
};

}  // namespace morlindo
