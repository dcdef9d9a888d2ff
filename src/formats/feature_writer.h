// The item stream laid out as the features of the map formats (KML,
// GeoJSON): a track is one feature of lines, one line per segment; a
// waypoint is a point feature; a route is one line feature. A format writer
// renders the calls below; this layer keeps the order right and the points
// streamed, holding only the first point of each line.
//
// Both formats want two or more positions in a line, so a line's first point
// waits until a second one comes: a segment or route of a single point is
// handed over as lonePosition, and an empty segment is left out. A waypoint
// that comes while a track or route is open closes it; points that follow
// it continue the track in a new feature of the same name. Coordinates must
// be WGS 84 degrees: a point beyond 90 degrees of latitude or 180 of
// longitude (as a damaged track may hold) is an Error naming the source file
// and the item's line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/item_stream.h"

namespace morlindo {

class FeatureWriter : public ItemWriter {
public:
    void write(const Item& item) final;
    void finish() final;
    Dropped dropped() const final { return dropped_; }

protected:
    // formatName names the format in errors ("KML").
    FeatureWriter(const WriteTarget& target, std::string_view formatName);

    // name is the track's or the target's default name; description may be empty.
    virtual void beginTrack(const std::string& name, const std::string& description) = 0;
    // firstTime: the time of the track's first point that has one.
    virtual void endTrack(const std::optional<DateTime>& firstTime) = 0;
    virtual void beginRoute(const std::string& name, const std::string& description) = 0;
    virtual void endRoute() = 0;
    // A line of two or more positions, within the track or route begun last.
    virtual void beginLine() = 0;
    virtual void linePosition(const Item& point) = 0;
    virtual void endLine() = 0;
    // A segment or route of a single point.
    virtual void lonePosition(const Item& point) = 0;
    virtual void writeWaypoint(const Item& waypoint) = 0;
    // What follows the last feature.
    virtual void writeEnd() = 0;

    // The time when there is one that the formats can write (years 1 to 9999).
    static bool hasWritableTime(const std::optional<DateTime>& utcTime) {
        return utcTime && utcTime->year >= 1 && utcTime->year <= 9999;
    }

    OutputFile& output() { return output_; }
    const std::string& defaultName() const { return defaultName_; }

private:
    enum class Open { Nothing, Track, Route };

    void checkPosition(const Item& item);
    void openTrack();
    void openRoute();
    void closeOpen();
    void addLinePoint(const Item& point);
    void closeLine();

    OutputFile& output_;
    std::filesystem::path source_;
    std::string defaultName_;
    std::string_view formatName_;
    Open open_ = Open::Nothing;
    std::string trackName_, trackDescription_;  // of the track begun last
    std::string routeName_, routeDescription_;  // of the route begun last
    std::optional<DateTime> firstTime_;
    std::uint64_t linePoints_ = 0;
    Item firstOfLine_;
    std::uint64_t positions_ = 0;  // points, waypoints and route points so far
    Dropped dropped_;
};

}  // namespace morlindo
