#include "formats/almap_items.h"

#include "formats/earth_position.h"

namespace morlindo {

AlmapItemReader::AlmapItemReader(const std::filesystem::path& path, ReadProgress* progress)
    : path_(path), progress_(progress) {
    reader_.emplace(path_, progress_);
}

bool AlmapItemReader::next(Item& item) {
    if (startsGiven_ < 2) {
        item = Item{};
        item.kind = startsGiven_++ == 0 ? ItemKind::TrackStart : ItemKind::SegmentStart;
        return true;
    }
    const auto point = reader_->next();
    if (!point) return false;
    item.kind = ItemKind::Point;
    item.latitude = point->latitude;
    item.longitude = point->longitude;
    item.altitudeMeters.reset();
    item.utcTime.reset();
    item.name.clear();
    item.description.clear();
    item.line = 0;
    return true;
}

void AlmapItemReader::rewind() {
    reader_.reset();
    reader_.emplace(path_, progress_);
    startsGiven_ = 0;
}

std::optional<ItemCounts> AlmapItemReader::knownCounts() const {
    ItemCounts counts;
    counts.tracks = counts.segments = 1;
    counts.points = reader_->recordCount();
    return counts;
}

AlmapItemWriter::AlmapItemWriter(const WriteTarget& target)
    : writer_(target.output), source_(target.source) {}

void AlmapItemWriter::checkPosition(const Item& item) {
    ++points_;
    if (!isOnEarth(item.latitude, item.longitude)) {
        failOffEarth(source_, points_, item, "an AlMap track");
    }
}

void AlmapItemWriter::write(const Item& item) {
    switch (item.kind) {
        case ItemKind::Point:
            checkPosition(item);
            writer_.writeAlmapPoint(item.longitude, item.latitude);
            break;
        case ItemKind::TrackStart:
        case ItemKind::SegmentStart:
            if (item.kind == ItemKind::SegmentStart && lineStarted_) dropped_.breaksJoined = true;
            if (item.kind == ItemKind::SegmentStart) lineStarted_ = true;
            if (!item.name.empty() || !item.description.empty()) dropped_.names = true;
            break;
        case ItemKind::Waypoint:
            ++dropped_.waypoints;
            break;
        case ItemKind::RouteStart:
            ++dropped_.routes;
            break;
        case ItemKind::RoutePoint:
            break;
    }
}

}  // namespace morlindo
