// The AlMap track (.alr) as a stream of items: its records are the points of
// one track of one segment; a track holds nothing else, so a writer keeps
// the points and drops the rest (names, breaks, waypoints, routes).
#pragma once

#include <filesystem>
#include <optional>

#include "formats/almap_track.h"
#include "formats/item_stream.h"

namespace morlindo {

class AlmapItemReader final : public ItemReader {
public:
    explicit AlmapItemReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);

    // Faults of the file are the AlmapTrackReader's Errors.
    bool next(Item& item) override;
    void rewind() override;
    // One track of one segment, of as many points as whole records.
    std::optional<ItemCounts> knownCounts() const override;
    const std::filesystem::path& path() const override { return path_; }

private:
    std::filesystem::path path_;
    ReadProgress* progress_;
    std::optional<AlmapTrackReader> reader_;
    int startsGiven_ = 0;  // of the TrackStart and SegmentStart that come first
};

class AlmapItemWriter final : public ItemWriter {
public:
    // Writes the signature. A point off the earth (latitude beyond 90
    // degrees, longitude beyond 180, or not a number) is an Error naming
    // the source and the point: the track would be refused when read.
    explicit AlmapItemWriter(const WriteTarget& target);

    void write(const Item& item) override;
    void finish() override {}
    Dropped dropped() const override { return dropped_; }

private:
    void checkPosition(const Item& item);

    AlmapTrackWriter writer_;
    std::filesystem::path source_;
    std::uint64_t points_ = 0;
    Dropped dropped_;
    bool lineStarted_ = false;  // a segment has begun
};

}  // namespace morlindo
