#include "formats/feature_writer.h"

#include "formats/earth_position.h"

namespace morlindo {

FeatureWriter::FeatureWriter(const WriteTarget& target, std::string_view formatName)
    : output_(target.output),
      source_(target.source),
      defaultName_(target.defaultName),
      formatName_(formatName),
      trackName_(target.defaultName) {}

void FeatureWriter::write(const Item& item) {
    switch (item.kind) {
        case ItemKind::TrackStart:
            closeOpen();
            trackName_ = item.name.empty() ? defaultName_ : item.name;
            trackDescription_ = item.description;
            openTrack();
            break;
        case ItemKind::SegmentStart:
            if (open_ != Open::Track) openTrack();
            closeLine();
            break;
        case ItemKind::Point:
            checkPosition(item);
            if (open_ != Open::Track) openTrack();
            if (!firstTime_ && hasWritableTime(item.utcTime)) firstTime_ = item.utcTime;
            addLinePoint(item);
            break;
        case ItemKind::Waypoint:
            checkPosition(item);
            closeOpen();
            writeWaypoint(item);
            break;
        case ItemKind::RouteStart:
            closeOpen();
            routeName_ = item.name;
            routeDescription_ = item.description;
            openRoute();
            break;
        case ItemKind::RoutePoint:
            checkPosition(item);
            if (open_ != Open::Route) openRoute();
            // A line holds positions only.
            if (!item.name.empty() || !item.description.empty()) dropped_.names = true;
            addLinePoint(item);
            break;
    }
}

void FeatureWriter::finish() {
    closeOpen();
    writeEnd();
}

void FeatureWriter::checkPosition(const Item& item) {
    ++positions_;
    if (!isOnEarth(item.latitude, item.longitude)) {
        failOffEarth(source_, positions_, item, formatName_);
    }
}

void FeatureWriter::openTrack() {
    closeOpen();
    beginTrack(trackName_, trackDescription_);
    open_ = Open::Track;
    firstTime_.reset();
}

void FeatureWriter::openRoute() {
    closeOpen();
    beginRoute(routeName_, routeDescription_);
    open_ = Open::Route;
}

void FeatureWriter::closeOpen() {
    if (open_ == Open::Nothing) return;
    closeLine();
    if (open_ == Open::Track) {
        endTrack(firstTime_);
    } else {
        endRoute();
    }
    open_ = Open::Nothing;
}

void FeatureWriter::addLinePoint(const Item& point) {
    if (linePoints_ == 0) {
        firstOfLine_ = point;
    } else {
        if (linePoints_ == 1) {
            beginLine();
            linePosition(firstOfLine_);
        }
        linePosition(point);
    }
    ++linePoints_;
}

void FeatureWriter::closeLine() {
    if (linePoints_ == 1) lonePosition(firstOfLine_);
    if (linePoints_ > 1) endLine();
    linePoints_ = 0;
}

}  // namespace morlindo
