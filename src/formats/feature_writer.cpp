#include "formats/feature_writer.h"

#include <array>
#include <charconv>

#include "io/error.h"

namespace morlindo {
namespace {

std::string numberText(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

bool isWgs84Position(double latitude, double longitude) {
    return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180;
}

}  // namespace

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
    if (isWgs84Position(item.latitude, item.longitude)) return;
    throw Error(source_,
                "point %1 at latitude %2, longitude %3 lies outside what %4 holds "
                "(latitude -90 to 90, longitude -180 to 180)",
                {std::to_string(positions_), numberText(item.latitude), numberText(item.longitude),
                 std::string(formatName_)},
                item.line);
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
