// What a track file holds, found in one pass over its items whatever its
// kind: the number of tracks, segments, waypoints and routes, the number of
// points (of tracks and routes), the length along them within each segment, the first and last
// time, the bounding box, the lowest and highest altitude and the total ascent, and for a receiver
// log how many lines it has and how many of them were passed over. The window's preview and
// `morlindo info` show these. Memory stays flat: the outline and the elevation profile kept for
// drawing are thinned as they grow, to at most kOutlinePoints each.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "convert/conversions.h"
#include "formats/item_stream.h"
#include "formats/nmea_log.h"
#include "io/civil_time.h"
#include "io/read_progress.h"

namespace morlindo {

inline constexpr std::size_t kOutlinePoints = 4096;
// The mean radius of the WGS 84 ellipsoid, (2a + b) / 3.
inline constexpr double kEarthRadiusKm = 6371.0088;

struct TrackSample {
    double latitude = 0;
    double longitude = 0;
    std::optional<double> altitudeMeters;
    std::optional<DateTime> time;
    bool startsSegment = false;  // no line leads to it from the sample before
};

struct GeoBounds {
    double south = 0;
    double west = 0;
    double north = 0;
    double east = 0;
};

struct ProfilePoint {
    double distanceKm = 0;
    double altitudeMeters = 0;
};

struct TrackStatistics {
    FileKind kind = FileKind::AlmapTrack;
    std::uint64_t tracks = 0;
    std::uint64_t segments = 0;  // of tracks, and one per route
    std::uint64_t waypoints = 0;
    std::uint64_t routes = 0;
    std::uint64_t points = 0;  // of tracks and routes
    double lengthKm = 0;
    std::optional<GeoBounds> bounds;
    // Of the kinds that carry times, the earliest and the latest: UTC, but
    // local time in an OziExplorer track.
    std::optional<DateTime> firstTime;
    std::optional<DateTime> lastTime;
    bool timesAreLocal = false;
    bool timesInOrder = true;  // no time is earlier than the one before it
    // Of the kinds that carry altitudes.
    std::optional<double> lowestMeters;
    std::optional<double> highestMeters;
    double ascentMeters = 0;
    // Of a receiver log: its lines, and those that gave no point.
    std::optional<std::uint64_t> linesRead;
    std::optional<std::uint64_t> sentencesPassedOver;
    std::optional<std::uint64_t> badChecksums;  // sentences passed over for their checksum
    // For drawing: the track and its altitude against the distance, thinned.
    std::vector<TrackSample> outline;
    std::vector<ProfilePoint> profile;

    // Seconds from the earliest time to the latest.
    std::optional<std::int64_t> durationSeconds() const;
};

// How the figures are worded wherever they are shown (`morlindo info`, the
// window's preview, its profile), so that all give the same digits: lengths
// in km to the metre, coordinates to 6 decimals, altitudes in m to 0.1 m.
inline constexpr int kLengthDecimals = 3;
inline constexpr int kCoordinateDecimals = 6;
inline constexpr int kAltitudeDecimals = 1;
// value in plain decimal with that many decimals, rounded to the nearest
// ("-0.0" for a small negative altitude is written "0.0").
std::string decimalText(double value, int decimals);

// The great-circle distance between two places, in km.
double greatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2);

// Keeps a track's samples thinned as they come, to at most 2 * limit: when
// the list reaches that, every second sample goes and from then on every
// second one more is left out. A break (startsSegment) on a sample left out
// goes to the next one kept, so no line is drawn across it.
class OutlineThinner {
public:
    explicit OutlineThinner(std::size_t limit = kOutlinePoints) : limit_(limit) {}
    void add(const TrackSample& sample);
    // The samples kept, ending with the last one added.
    std::vector<TrackSample> finish() const;

private:
    std::size_t limit_;
    std::vector<TrackSample> kept_;
    std::optional<TrackSample> last_;
    std::uint64_t added_ = 0;
    std::uint64_t stride_ = 1;
    bool breakPassedOver_ = false;
};

// Gathers the statistics point by point.
class TrackStatisticsBuilder {
public:
    explicit TrackStatisticsBuilder(FileKind kind);
    void add(const Item& item);
    // Of a receiver log: its lines, and the sentences that gave no point.
    void setLogLines(std::uint64_t linesRead, std::uint64_t passedOver,
                     std::uint64_t badChecksums = 0);
    // The statistics of the points added so far.
    TrackStatistics finish();

private:
    void addPoint(const TrackSample& sample);
    void addToProfile(double altitudeMeters);

    TrackStatistics statistics_;
    std::optional<TrackSample> last_;
    std::optional<double> lastAltitude_;
    std::optional<DateTime> lastTime_;
    bool segmentBegins_ = true;
    OutlineThinner outline_;
    std::uint64_t profileStride_ = 1;
    std::uint64_t altitudes_ = 0;
    std::optional<ProfilePoint> lastProfilePoint_;
};

// The reader of a file, as the kind given or, without one, as the kind its
// extension names (an Error when it names none this system reads); an
// OziExplorer track's times stay local.
std::unique_ptr<ItemReader> previewReaderOf(const std::filesystem::path& file,
                                            std::optional<FileKind> kind, ReadProgress* progress,
                                            const NmeaReadOptions& reading = {});

// Reads the file once, as the kind given or, without one, as the kind its
// extension names (an Error when it names none this system reads).
TrackStatistics trackStatisticsOf(const std::filesystem::path& file,
                                  std::optional<FileKind> kind = std::nullopt,
                                  ReadProgress* progress = nullptr,
                                  const NmeaReadOptions& reading = {});

}  // namespace morlindo
