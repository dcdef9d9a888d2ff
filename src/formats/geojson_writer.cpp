#include "formats/geojson_writer.h"

#include <cmath>

#include "formats/date_time.h"
#include "formats/json_text.h"
#include "formats/number_text.h"

namespace morlindo {

GeoJsonWriter::GeoJsonWriter(const WriteTarget& target) : FeatureWriter(target, "GeoJSON") {
    output().write("{\"type\":\"FeatureCollection\",\"features\":[");
}

void GeoJsonWriter::beginFeature(std::string_view geometryType) {
    text_.assign(features_++ == 0 ? "\n" : ",\n");
    text_ += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"";
    text_ += geometryType;
    text_ += "\",\"coordinates\":";
}

void GeoJsonWriter::endFeature(const std::string& name, const std::string& description,
                               const std::optional<DateTime>& time) {
    text_ += "},\"properties\":{";
    const std::size_t empty = text_.size();
    const auto separate = [&] {
        if (text_.size() > empty) text_ += ',';
    };
    if (!name.empty()) {
        text_ += "\"name\":";
        appendJsonString(text_, name);
    }
    if (!description.empty()) {
        separate();
        text_ += "\"desc\":";
        appendJsonString(text_, description);
    }
    if (hasWritableTime(time)) {
        separate();
        text_ += "\"time\":\"";
        appendUtcDateTime(text_, *time);
        text_ += '"';
    }
    text_ += "}}";
    output().write(text_);
}

void GeoJsonWriter::beginTrack(const std::string& name, const std::string& description) {
    beginFeature("MultiLineString");
    text_ += '[';
    output().write(text_);
    name_ = name;
    description_ = description;
    inTrack_ = true;
    lines_ = 0;
}

void GeoJsonWriter::endTrack(const std::optional<DateTime>& firstTime) {
    text_.assign("\n]");
    endFeature(name_, description_, firstTime);
    inTrack_ = false;
}

void GeoJsonWriter::beginRoute(const std::string& name, const std::string& description) {
    beginFeature("LineString");
    text_ += '[';
    output().write(text_);
    name_ = name;
    description_ = description;
}

void GeoJsonWriter::endRoute() {
    text_.assign("\n]");
    endFeature(name_, description_, std::nullopt);
}

void GeoJsonWriter::beginLine() {
    if (inTrack_) output().write(lines_++ == 0 ? "\n[" : ",\n[");
    linePositions_ = 0;
}

void GeoJsonWriter::linePosition(const Item& point) {
    text_.assign(linePositions_++ == 0 ? (inTrack_ ? "" : "\n") : ",\n");
    appendPosition(point);
    output().write(text_);
}

void GeoJsonWriter::endLine() {
    if (inTrack_) output().write("]");
}

void GeoJsonWriter::lonePosition(const Item& point) {
    beginLine();
    linePosition(point);
    linePosition(point);
    endLine();
}

void GeoJsonWriter::writeWaypoint(const Item& waypoint) {
    beginFeature("Point");
    appendPosition(waypoint);
    endFeature(waypoint.name, waypoint.description, waypoint.utcTime);
}

void GeoJsonWriter::writeEnd() { output().write("\n]}\n"); }

void GeoJsonWriter::appendPosition(const Item& point) {
    text_ += '[';
    appendShortestDecimal(text_, point.longitude);
    text_ += ',';
    appendShortestDecimal(text_, point.latitude);
    if (point.altitudeMeters && std::isfinite(*point.altitudeMeters)) {
        text_ += ',';
        appendShortestDecimal(text_, *point.altitudeMeters);
    }
    text_ += ']';
}

}  // namespace morlindo
