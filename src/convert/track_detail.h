// A region of a track close up, read again from its file: the window's map
// draws it when zoomed in beyond what the thinned outline shows. Memory
// stays flat: the file streams through its reader, and only the points that
// draw within the region are kept, about one per step.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "convert/track_statistics.h"

namespace morlindo {

struct DetailRequest {
    GeoBounds region;
    // Points closer than this to the last one kept, in degrees of latitude
    // and of longitude both, add nothing to the drawing (about a pixel).
    double latitudeStep = 0;
    double longitudeStep = 0;
    std::size_t limit = 4 * kOutlinePoints;  // thinned beyond twice this
};

// Keeps the samples whose line to the one before, within a segment, passes
// by the region, so that lines run on to its edge; a sample that starts a
// segment or comes back into the region after leaving it starts a line.
class TrackDetailBuilder {
public:
    explicit TrackDetailBuilder(const DetailRequest& request);
    void add(const Item& item);
    std::vector<TrackSample> finish() const { return kept_.finish(); }

private:
    void addPoint(const TrackSample& sample);
    bool touchesRegion(const TrackSample& from, const TrackSample& to) const;
    bool withinRegion(const TrackSample& sample) const;
    bool closeToLastKept(const TrackSample& sample) const;
    void keep(TrackSample sample, bool startsLine);

    DetailRequest request_;
    OutlineThinner kept_;
    std::optional<TrackSample> previous_;  // in the same segment
    bool lineReachesPrevious_ = false;     // the drawing runs to within a step of previous_
    std::optional<TrackSample> lastKept_;
};

// Reads the file as trackStatisticsOf does, keeping the region's detail.
std::vector<TrackSample> trackDetailOf(const std::filesystem::path& file,
                                       std::optional<FileKind> kind, const DetailRequest& request,
                                       ReadProgress* progress = nullptr);

}  // namespace morlindo
