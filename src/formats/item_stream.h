// The one shape in which every file kind is read and written: a stream of
// items in file order. A reader turns a file into items; a writer turns items
// into a file and keeps what its format can hold. A conversion is a reader
// handing each item to a writer; statistics are one more consumer.
//
// The items, in the order a reader yields them:
//   TrackStart    a track begins; name and description (empty when none)
//   SegmentStart  a run of points without a break begins, within a track
//   Point         a track point: position, optional altitude and time
//   Waypoint      a named point on its own, anywhere in the stream
//   RouteStart    a route begins; name and description
//   RoutePoint    a point of the route begun last, with name and description
// Every Point follows a SegmentStart, and every SegmentStart a TrackStart: a
// file of bare points (an AlMap track, an NMEA log) yields one TrackStart
// without a name and one SegmentStart before its first point. A RoutePoint
// follows a RouteStart, with only other RoutePoints in between.
//
// Using a reader:
//   Item item;                       // reused: its strings keep their capacity
//   while (reader.next(item)) use(item);
// Using a writer, made with a WriteTarget and its options (the caller owns
// the OutputFile and commits it):
//   for each item: writer.write(item);
//   writer.finish();                 // closing tags, trailing counts
//   output.commit();
// A writer that needs counts before its first line (the .plt header) is
// given them when it is made; its maker learns them from knownCounts() or
// from a first pass of the reader, then rewind().
//
// Texts are UTF-8 in the stream; a writer renders them in its file's code
// page. Points stay streamed: no reader or writer holds a whole file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "io/civil_time.h"
#include "io/output_file.h"

namespace morlindo {

enum class ItemKind : std::uint8_t {
    TrackStart,
    SegmentStart,
    Point,
    Waypoint,
    RouteStart,
    RoutePoint,
};

struct Item {
    ItemKind kind = ItemKind::Point;
    // Point, Waypoint, RoutePoint: decimal degrees, north and east positive.
    double latitude = 0;
    double longitude = 0;
    std::optional<double> altitudeMeters;
    std::optional<DateTime> utcTime;  // to whole seconds
    // TrackStart, RouteStart, Waypoint, RoutePoint: UTF-8, empty when none.
    std::string name;
    std::string description;
    // Where the item stands in its file, for messages: the line of a text
    // file; 0 when the file has no lines (a binary file).
    std::int64_t line = 0;
};

// How many items of each kind a stream holds (or a writer kept).
struct ItemCounts {
    std::uint64_t tracks = 0;
    std::uint64_t segments = 0;
    std::uint64_t points = 0;
    std::uint64_t waypoints = 0;
    std::uint64_t routes = 0;
    std::uint64_t routePoints = 0;

    void add(ItemKind kind) noexcept {
        switch (kind) {
            case ItemKind::TrackStart:
                ++tracks;
                break;
            case ItemKind::SegmentStart:
                ++segments;
                break;
            case ItemKind::Point:
                ++points;
                break;
            case ItemKind::Waypoint:
                ++waypoints;
                break;
            case ItemKind::RouteStart:
                ++routes;
                break;
            case ItemKind::RoutePoint:
                ++routePoints;
                break;
        }
    }
};

// What a writer had to leave out because its format cannot hold it.
struct Dropped {
    bool breaksJoined = false;  // tracks or segments joined into one line
    std::uint64_t tracks = 0;   // whole tracks left out
    std::uint64_t waypoints = 0;
    std::uint64_t routes = 0;
    bool names = false;  // track, route or point names or descriptions

    bool any() const noexcept { return breaksJoined || tracks || waypoints || routes || names; }
};

class ItemReader {
public:
    virtual ~ItemReader() = default;

    // The next item into item (every field is set, strings cleared when the
    // item has none); false after the last. Any fault of the file is an Error
    // naming the file and, where known, the line.
    virtual bool next(Item& item) = 0;

    // Back to the first item, for a second pass.
    virtual void rewind() = 0;

    // The counts of the whole stream when they are known without reading it
    // (an AlMap track: from the file's length); nullopt otherwise.
    virtual std::optional<ItemCounts> knownCounts() const { return std::nullopt; }

    virtual const std::filesystem::path& path() const = 0;
};

// What every writer is made with, besides options of its own.
struct WriteTarget {
    OutputFile& output;
    std::filesystem::path source;  // the input, named in errors
    std::string defaultName;       // UTF-8: the name of a track that has none
};

class ItemWriter {
public:
    virtual ~ItemWriter() = default;

    // Writes the item or, when the format cannot hold it, notes it as
    // dropped. A value the format cannot take (a latitude beyond 90
    // degrees in GPX) is an Error naming the source file and item.line.
    virtual void write(const Item& item) = 0;

    // Writes what follows the last item. The caller then commits the output.
    virtual void finish() = 0;

    // What was left out so far.
    virtual Dropped dropped() const { return {}; }

    // A text written (a name, a description) had characters the file's code
    // page lacks, which became "?".
    virtual bool charactersReplaced() const { return false; }
};

}  // namespace morlindo
