#include "convert/track_detail.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace morlindo {

TrackDetailBuilder::TrackDetailBuilder(const DetailRequest& request)
    : request_(request), kept_(request.limit) {}

void TrackDetailBuilder::add(const Item& item) {
    switch (item.kind) {
        case ItemKind::TrackStart:
        case ItemKind::SegmentStart:
        case ItemKind::RouteStart:
            previous_.reset();
            lineReachesPrevious_ = false;
            return;
        case ItemKind::Waypoint:
            return;
        case ItemKind::Point:
        case ItemKind::RoutePoint:
            addPoint({item.latitude, item.longitude, item.altitudeMeters, item.utcTime, false});
            return;
    }
}

void TrackDetailBuilder::addPoint(const TrackSample& sample) {
    const std::optional<TrackSample> from = std::exchange(previous_, sample);
    if (!touchesRegion(from.value_or(sample), sample)) {
        lineReachesPrevious_ = false;
        return;
    }
    if (lineReachesPrevious_) {
        // Where the line leaves the region it is kept, to reach the edge.
        if (!closeToLastKept(sample) || !withinRegion(sample)) keep(sample, false);
    } else {
        // The line comes in from the point before, or starts at this one.
        if (from) keep(*from, true);
        keep(sample, !from);
    }
    lineReachesPrevious_ = true;
}

bool TrackDetailBuilder::touchesRegion(const TrackSample& from, const TrackSample& to) const {
    const GeoBounds& r = request_.region;
    return std::max(from.latitude, to.latitude) >= r.south &&
           std::min(from.latitude, to.latitude) <= r.north &&
           std::max(from.longitude, to.longitude) >= r.west &&
           std::min(from.longitude, to.longitude) <= r.east;
}

bool TrackDetailBuilder::withinRegion(const TrackSample& sample) const {
    return touchesRegion(sample, sample);
}

bool TrackDetailBuilder::closeToLastKept(const TrackSample& sample) const {
    return lastKept_ && std::abs(sample.latitude - lastKept_->latitude) < request_.latitudeStep &&
           std::abs(sample.longitude - lastKept_->longitude) < request_.longitudeStep;
}

void TrackDetailBuilder::keep(TrackSample sample, bool startsLine) {
    sample.startsSegment = startsLine;
    kept_.add(sample);
    lastKept_ = sample;
}

std::vector<TrackSample> trackDetailOf(const std::filesystem::path& file,
                                       std::optional<FileKind> kind, const DetailRequest& request,
                                       ReadProgress* progress) {
    const auto reader = previewReaderOf(file, kind, progress);
    TrackDetailBuilder builder(request);
    Item item;
    while (reader->next(item)) builder.add(item);
    return builder.finish();
}

}  // namespace morlindo
