#include "convert/track_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "formats/almap_track.h"
#include "formats/gpx_reader.h"
#include "formats/nmea_log.h"
#include "formats/ozi_track.h"
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

void readAlmapTrack(const std::filesystem::path& file, ReadProgress* progress,
                    TrackStatisticsBuilder& builder) {
    AlmapTrackReader reader(file, progress);
    while (const auto point = reader.next()) {
        if (!std::isfinite(point->latitude) || !std::isfinite(point->longitude)) {
            throw Error(file,
                        "record %1: the coordinates are not finite numbers; "
                        "this is not an AlMap track file",
                        {std::to_string(reader.recordsRead())});
        }
        builder.add({point->latitude, point->longitude, std::nullopt, std::nullopt});
    }
}

void readOziTrack(const std::filesystem::path& file, ReadProgress* progress,
                  TrackStatisticsBuilder& builder) {
    OziTrackReader reader(file, progress);
    while (const auto point = reader.next()) {
        const OziTrackPointDetails details = readOziTrackPointDetails(reader.otherFields());
        std::optional<double> altitude;
        if (details.altitudeFeet) altitude = *details.altitudeFeet * kMetresPerFoot;
        builder.add({point->latitude, point->longitude, altitude, details.localTime});
    }
}

void readNmeaLog(const std::filesystem::path& file, ReadProgress* progress,
                 TrackStatisticsBuilder& builder) {
    NmeaLogReader reader(file, progress);
    std::uint64_t fixes = 0;
    while (const auto fix = reader.nextPairedFix()) {
        builder.add({fix->latitude, fix->longitude, fix->altitudeMeters, fix->utcTime});
        ++fixes;
    }
    // Each point of the paired reading takes a GGA and an RMC sentence.
    builder.setLogLines(reader.linesRead(), reader.nonEmptyLinesRead() - 2 * fixes);
}

void readGpx(const std::filesystem::path& file, ReadProgress* progress,
             TrackStatisticsBuilder& builder) {
    GpxReader reader(file, progress);
    while (const auto point = reader.next()) {
        builder.add({point->latitude, point->longitude, point->elevationMeters, point->utcTime});
    }
}

}  // namespace

std::optional<std::int64_t> TrackStatistics::durationSeconds() const {
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

void TrackStatisticsBuilder::add(const TrackSample& sample) {
    TrackStatistics& s = statistics_;
    if (last_) {
        s.lengthKm +=
            greatCircleKm(last_->latitude, last_->longitude, sample.latitude, sample.longitude);
    }
    widen(s.bounds, sample.latitude, sample.longitude);
    if (sample.time) {
        if (!s.firstTime) s.firstTime = sample.time;
        s.lastTime = sample.time;
    }
    if (sample.altitudeMeters) {
        const double altitude = *sample.altitudeMeters;
        s.lowestMeters = std::min(s.lowestMeters.value_or(altitude), altitude);
        s.highestMeters = std::max(s.highestMeters.value_or(altitude), altitude);
        if (lastAltitude_ && altitude > *lastAltitude_) s.ascentMeters += altitude - *lastAltitude_;
        lastAltitude_ = altitude;
        addToProfile(altitude);
    }
    addToOutline(sample);
    last_ = sample;
    ++s.points;
}

void TrackStatisticsBuilder::setLogLines(std::uint64_t linesRead, std::uint64_t passedOver) {
    statistics_.linesRead = linesRead;
    statistics_.sentencesPassedOver = passedOver;
}

void TrackStatisticsBuilder::addToOutline(const TrackSample& sample) {
    if (statistics_.points % outlineStride_ != 0) return;
    statistics_.outline.push_back(sample);
    if (statistics_.outline.size() == 2 * kOutlinePoints) {
        thinOut(statistics_.outline);
        outlineStride_ *= 2;
    }
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
    // The drawing ends where the track ends, whatever the thinning kept.
    if (last_ && (result.outline.empty() || (result.points - 1) % outlineStride_ != 0)) {
        result.outline.push_back(*last_);
    }
    if (lastProfilePoint_ && (altitudes_ - 1) % profileStride_ != 0) {
        result.profile.push_back(*lastProfilePoint_);
    }
    return result;
}

TrackStatistics trackStatisticsOf(const std::filesystem::path& file, std::optional<FileKind> kind,
                                  ReadProgress* progress) {
    if (!kind) kind = fileKindOf(file);
    TrackStatisticsBuilder builder(kind.value_or(FileKind::AlmapTrack));
    switch (kind.value_or(FileKind::OziRoute)) {
        case FileKind::AlmapTrack:
            readAlmapTrack(file, progress, builder);
            break;
        case FileKind::OziTrack:
            readOziTrack(file, progress, builder);
            break;
        case FileKind::NmeaLog:
            readNmeaLog(file, progress, builder);
            break;
        case FileKind::Gpx:
            readGpx(file, progress, builder);
            break;
        default:
            throw Error(file, "cannot tell what kind of file it is from its extension");
    }
    return builder.finish();
}

}  // namespace morlindo
