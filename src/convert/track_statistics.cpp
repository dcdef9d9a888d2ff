#include "convert/track_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "formats/nmea_items.h"
#include "io/error.h"

namespace morlindo {
namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Keeps every second element, so that a list that reached twice its limit
// is back at the limit and each kept element stands for twice as many.
template <typename T>
void thinOut(std::vector<T>& items) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); i += 2) items[kept++] = items[i];
    items.resize(kept);
}

// thinOut for the outline: a segment's break on a sample left out goes to
// the sample after it. True when the last sample, left out, started a
// segment: its break goes to the next sample kept.
bool thinOutline(std::vector<TrackSample>& outline) {
    for (std::size_t i = 1; i + 1 < outline.size(); i += 2) {
        if (outline[i].startsSegment) outline[i + 1].startsSegment = true;
    }
    const bool lastBreakLeftOut = outline.size() % 2 == 0 && outline.back().startsSegment;
    thinOut(outline);
    return lastBreakLeftOut;
}

void widen(std::optional<GeoBounds>& bounds, double latitude, double longitude) {
    if (!bounds) {
        bounds = GeoBounds{latitude, longitude, latitude, longitude};
        return;
    }
    bounds->south = std::min(bounds->south, latitude);
    bounds->north = std::max(bounds->north, latitude);
    bounds->west = std::min(bounds->west, longitude);
    bounds->east = std::max(bounds->east, longitude);
}

}  // namespace

std::optional<std::int64_t> TrackStatistics::durationSeconds() const {
    // The earliest and the latest time: a time that goes backwards starts
    // nothing new, and the span is never negative.
    if (!firstTime || !lastTime) return std::nullopt;
    return secondsSinceDayZero(*lastTime) - secondsSinceDayZero(*firstTime);
}

std::string decimalText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.starts_with('-') && result.find_first_not_of("-0.") == std::string::npos) {
        result.erase(0, 1);
    }
    return result;
}

double greatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2) {
    // The haversine form, which stays exact for the short steps of a track.
    const double halfDLatitude = radians(latitude2 - latitude1) / 2;
    const double halfDLongitude = radians(longitude2 - longitude1) / 2;
    const double a = std::sin(halfDLatitude) * std::sin(halfDLatitude) +
                     std::cos(radians(latitude1)) * std::cos(radians(latitude2)) *
                         std::sin(halfDLongitude) * std::sin(halfDLongitude);
    return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

TrackStatisticsBuilder::TrackStatisticsBuilder(FileKind kind) {
    statistics_.kind = kind;
    statistics_.timesAreLocal = kind == FileKind::OziTrack;
}

void TrackStatisticsBuilder::add(const Item& item) {
    TrackStatistics& s = statistics_;
    switch (item.kind) {
        case ItemKind::TrackStart:
            ++s.tracks;
            return;
        case ItemKind::RouteStart:
            ++s.routes;
            [[fallthrough]];
        case ItemKind::SegmentStart:
            // Length and ascent are summed within a segment, never across
            // the break.
            ++s.segments;
            last_.reset();
            lastAltitude_.reset();
            segmentBegins_ = true;
            return;
        case ItemKind::Waypoint:
            ++s.waypoints;
            widen(s.bounds, item.latitude, item.longitude);
            return;
        case ItemKind::Point:
        case ItemKind::RoutePoint:
            addPoint(
                {item.latitude, item.longitude, item.altitudeMeters, item.utcTime, segmentBegins_});
            segmentBegins_ = false;
            return;
    }
}

void TrackStatisticsBuilder::addPoint(const TrackSample& sample) {
    TrackStatistics& s = statistics_;
    if (last_) {
        s.lengthKm +=
            greatCircleKm(last_->latitude, last_->longitude, sample.latitude, sample.longitude);
    }
    widen(s.bounds, sample.latitude, sample.longitude);
    if (sample.time) {
        if (lastTime_ && *sample.time < *lastTime_) s.timesInOrder = false;
        lastTime_ = sample.time;
        if (!s.firstTime || *sample.time < *s.firstTime) s.firstTime = sample.time;
        if (!s.lastTime || *sample.time > *s.lastTime) s.lastTime = sample.time;
    }
    if (sample.altitudeMeters) {
        const double altitude = *sample.altitudeMeters;
        s.lowestMeters = std::min(s.lowestMeters.value_or(altitude), altitude);
        s.highestMeters = std::max(s.highestMeters.value_or(altitude), altitude);
        if (lastAltitude_ && altitude > *lastAltitude_) s.ascentMeters += altitude - *lastAltitude_;
        lastAltitude_ = altitude;
        addToProfile(altitude);
    }
    outline_.add(sample);
    last_ = sample;
    ++s.points;
}

void TrackStatisticsBuilder::setLogLines(std::uint64_t linesRead, std::uint64_t passedOver,
                                         std::uint64_t badChecksums) {
    statistics_.linesRead = linesRead;
    statistics_.sentencesPassedOver = passedOver;
    statistics_.badChecksums = badChecksums;
}

void OutlineThinner::add(const TrackSample& sample) {
    breakPassedOver_ = breakPassedOver_ || sample.startsSegment;
    last_ = sample;
    if (added_++ % stride_ != 0) return;
    kept_.push_back(sample);
    kept_.back().startsSegment = breakPassedOver_;
    breakPassedOver_ = false;
    if (kept_.size() == 2 * limit_) {
        breakPassedOver_ = thinOutline(kept_);
        stride_ *= 2;
    }
}

std::vector<TrackSample> OutlineThinner::finish() const {
    std::vector<TrackSample> result = kept_;
    // The drawing ends where the track ends, whatever the thinning kept.
    if (last_ && (added_ - 1) % stride_ != 0) {
        result.push_back(*last_);
        result.back().startsSegment = breakPassedOver_;
    }
    return result;
}

void TrackStatisticsBuilder::addToProfile(double altitudeMeters) {
    const ProfilePoint point{statistics_.lengthKm, altitudeMeters};
    lastProfilePoint_ = point;
    if (altitudes_++ % profileStride_ != 0) return;
    statistics_.profile.push_back(point);
    if (statistics_.profile.size() == 2 * kOutlinePoints) {
        thinOut(statistics_.profile);
        profileStride_ *= 2;
    }
}

TrackStatistics TrackStatisticsBuilder::finish() {
    TrackStatistics result = statistics_;
    result.outline = outline_.finish();
    if (lastProfilePoint_ && (altitudes_ - 1) % profileStride_ != 0) {
        result.profile.push_back(*lastProfilePoint_);
    }
    return result;
}

std::unique_ptr<ItemReader> previewReaderOf(const std::filesystem::path& file,
                                            std::optional<FileKind> kind, ReadProgress* progress,
                                            const NmeaReadOptions& reading) {
    if (!kind) kind = fileKindOf(file);
    if (!kind || fileKindInfo(*kind).makeReader == nullptr) {
        throw Error(file, "cannot tell what kind of file it is: it reads %1",
                    {readExtensionsText()});
    }
    ReaderSetup setup;
    setup.progress = progress;
    setup.timeZoneHours = 0;  // an OziExplorer track's times stay local
    setup.nmeaOptions = reading;
    return fileKindInfo(*kind).makeReader(file, setup);
}

TrackStatistics trackStatisticsOf(const std::filesystem::path& file, std::optional<FileKind> kind,
                                  ReadProgress* progress, const NmeaReadOptions& reading) {
    if (!kind) kind = fileKindOf(file);
    const auto reader = previewReaderOf(file, kind, progress, reading);
    TrackStatisticsBuilder builder(*kind);
    Item item;
    while (reader->next(item)) builder.add(item);
    if (const auto* log = dynamic_cast<const NmeaItemReader*>(reader.get())) {
        builder.setLogLines(log->log().linesRead(), log->log().linesPassedOver(),
                            log->log().counts().badChecksums);
    }
    return builder.finish();
}

}  // namespace morlindo
