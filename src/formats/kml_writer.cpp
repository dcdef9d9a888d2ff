#include "formats/kml_writer.h"

#include <cmath>

#include "formats/date_time.h"
#include "formats/gpx_writer.h"
#include "formats/number_text.h"

namespace morlindo {
namespace {

constexpr std::string_view kTrackGeometryIndent = "        ";
constexpr std::string_view kRouteGeometryIndent = "      ";

}  // namespace

KmlWriter::KmlWriter(const WriteTarget& target) : FeatureWriter(target, "KML") {
    output().write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
        "  <Document>\n"
        "    <name>" +
        xmlText(defaultName()) +
        "</name>\n"
        "    <Style id=\"line\">\n"
        "      <LineStyle><color>ff0000ff</color><width>3</width></LineStyle>\n"
        "    </Style>\n");
}

void KmlWriter::beginPlacemark(const std::string& name, const std::string& description) {
    text_.assign("    <Placemark>\n");
    if (!name.empty()) text_ += "      <name>" + xmlText(name) + "</name>\n";
    if (!description.empty()) {
        text_ += "      <description>" + xmlText(description) + "</description>\n";
    }
}

void KmlWriter::beginTrack(const std::string& name, const std::string& description) {
    beginPlacemark(name, description);
    text_ += "      <styleUrl>#line</styleUrl>\n      <MultiGeometry>\n";
    output().write(text_);
    geometryIndent_ = kTrackGeometryIndent;
}

void KmlWriter::endTrack(const std::optional<DateTime>&) {
    output().write("      </MultiGeometry>\n    </Placemark>\n");
}

void KmlWriter::beginRoute(const std::string& name, const std::string& description) {
    beginPlacemark(name, description);
    text_ += "      <styleUrl>#line</styleUrl>\n";
    output().write(text_);
    geometryIndent_ = kRouteGeometryIndent;
}

void KmlWriter::endRoute() { output().write("    </Placemark>\n"); }

void KmlWriter::beginLine() {
    text_.assign(geometryIndent_);
    text_ += "<LineString><tessellate>1</tessellate><coordinates>\n";
    output().write(text_);
}

void KmlWriter::linePosition(const Item& point) {
    text_.clear();
    appendCoordinates(point);
    text_ += '\n';
    output().write(text_);
}

void KmlWriter::endLine() {
    text_.assign(geometryIndent_);
    text_ += "</coordinates></LineString>\n";
    output().write(text_);
}

void KmlWriter::lonePosition(const Item& point) {
    text_.assign(geometryIndent_);
    text_ += "<Point><coordinates>";
    appendCoordinates(point);
    text_ += "</coordinates></Point>\n";
    output().write(text_);
}

void KmlWriter::writeWaypoint(const Item& waypoint) {
    beginPlacemark(waypoint.name, waypoint.description);
    if (hasWritableTime(waypoint.utcTime)) {
        text_ += "      <TimeStamp><when>";
        appendUtcDateTime(text_, *waypoint.utcTime);
        text_ += "</when></TimeStamp>\n";
    }
    text_ += "      <Point><coordinates>";
    appendCoordinates(waypoint);
    text_ += "</coordinates></Point>\n    </Placemark>\n";
    output().write(text_);
}

void KmlWriter::writeEnd() { output().write("  </Document>\n</kml>\n"); }

void KmlWriter::appendCoordinates(const Item& point) {
    appendShortestDecimal(text_, point.longitude);
    text_ += ',';
    appendShortestDecimal(text_, point.latitude);
    if (point.altitudeMeters && std::isfinite(*point.altitudeMeters)) {
        text_ += ',';
        appendShortestDecimal(text_, *point.altitudeMeters);
    }
}

}  // namespace morlindo
