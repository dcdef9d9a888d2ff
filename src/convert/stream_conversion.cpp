#include "convert/stream_conversion.h"

#include "convert/conversions.h"
#include "convert/output_path.h"
#include "io/error.h"

namespace morlindo {
namespace {

constexpr ReasonPattern kLogChanged{
    "the log changed while it was being converted; convert it again"};
constexpr ReasonPattern kFileChanged{
    "the file changed while it was being converted; convert it again"};

// The reader's items fitted to what the target takes.
class FittedItems {
public:
    FittedItems(ItemReader& reader, Fit fit, const OziRouteOptions& route)
        : reader_(reader), fit_(fit), route_(route) {}

    // A route becomes the track line: a file of routes alone keeps its line
    // in a target that holds a track line only.
    void takeRoutesAsTrack(bool routesAsTrack) { routesAsTrack_ = routesAsTrack; }

    bool next(Item& item) {
        if (segmentPending_) {
            segmentPending_ = false;
            item = Item{};
            item.kind = ItemKind::SegmentStart;
            return true;
        }
        while (reader_.next(item)) {
            if (fitted(item)) return true;
        }
        return false;
    }

    void rewind() {
        reader_.rewind();
        tracksSeen_ = 0;
        segmentPending_ = false;
    }

private:
    // Changes the item as the fit says; false when it is left out.
    bool fitted(Item& item) {
        const bool firstTrack = item.kind == ItemKind::TrackStart && tracksSeen_++ == 0;
        if (routesAsTrack_ && item.kind == ItemKind::RouteStart) {
            // The track is named after the file, as such a line always was.
            item.kind = ItemKind::TrackStart;
            item.name.clear();
            item.description.clear();
            segmentPending_ = true;
        } else if (routesAsTrack_ && item.kind == ItemKind::RoutePoint) {
            item.kind = ItemKind::Point;
        }
        switch (fit_) {
            case Fit::AsIs:
                return true;
            case Fit::PointsAsRoute:
                if (item.kind == ItemKind::SegmentStart) return false;
                if (item.kind == ItemKind::TrackStart) {
                    if (!firstTrack) return false;
                    item.kind = ItemKind::RouteStart;
                    item.name = route_.routeName;
                    item.description = route_.routeDescription;
                }
                if (item.kind == ItemKind::Point) item.kind = ItemKind::RoutePoint;
                return true;
            case Fit::PointsAsWaypoints:
                if (item.kind == ItemKind::TrackStart || item.kind == ItemKind::SegmentStart) {
                    return false;
                }
                if (item.kind == ItemKind::Point) item.kind = ItemKind::Waypoint;
                return true;
        }
        return true;
    }

    ItemReader& reader_;
    Fit fit_;
    const OziRouteOptions& route_;
    bool routesAsTrack_ = false;
    bool segmentPending_ = false;
    std::uint64_t tracksSeen_ = 0;
};

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

StreamFacts countItems(FittedItems& items) {
    StreamFacts facts;
    Item item;
    while (items.next(item)) {
        facts.counts.add(item.kind);
        if (item.kind == ItemKind::TrackStart && facts.firstTrackName.empty()) {
            facts.firstTrackName = item.name;
        }
    }
    items.rewind();
    return facts;
}

// The counts once every route has become a track of one segment.
ItemCounts routesAsTrack(ItemCounts counts) {
    counts.tracks += counts.routes;
    counts.segments += counts.routes;
    counts.points += counts.routePoints;
    counts.routes = counts.routePoints = 0;
    return counts;
}

std::string counted(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// "9 waypoints", "1 track and 2 routes": what the stream holds besides the
// items the target wanted.
std::string heldText(const ItemCounts& held, Holds wanted) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        text += text.empty() ? part : " and " + part;
    };
    if (wanted != Holds::TrackLine && held.points > 0) add(counted(held.tracks, "track", "tracks"));
    if (wanted != Holds::Waypoints && held.waypoints > 0) {
        add(counted(held.waypoints, "waypoint", "waypoints"));
    }
    if (wanted != Holds::Routes && held.routes > 0) add(counted(held.routes, "route", "routes"));
    return text;
}

// The kinds that hold what the stream holds: ".wpt or .gpx".
std::string fittingKinds(const ItemCounts& held, Holds wanted) {
    std::string kinds;
    if (wanted != Holds::TrackLine && held.points > 0) kinds += ".plt, ";
    if (wanted != Holds::Waypoints && held.waypoints > 0) kinds += ".wpt, ";
    if (wanted != Holds::Routes && held.routes > 0) kinds += ".rte, ";
    kinds.resize(kinds.size() - 2);
    const std::size_t last = kinds.rfind(", ");
    if (last != std::string::npos) kinds.replace(last, 2, " or ");
    return kinds + " or .gpx";
}

// A source that has something, but none of what the target holds, fails:
// writing an empty file would lose it without a word.
void refuseWhenNothingHeld(const std::filesystem::path& input, const ItemCounts& items,
                           Holds holds) {
    const bool nothingHeld = (holds == Holds::TrackLine && items.points == 0) ||
                             (holds == Holds::Waypoints && items.waypoints == 0) ||
                             (holds == Holds::Routes && items.routePoints == 0);
    if (!nothingHeld || heldText(items, holds).empty()) return;
    const std::vector<ReasonValue> values{heldText(items, holds), fittingKinds(items, holds)};
    switch (holds) {
        case Holds::TrackLine:
            throw Error(input, "no track points (the file holds %1: convert it to %2)", values);
        case Holds::Waypoints:
            throw Error(input, "no waypoints (the file holds %1: convert it to %2)", values);
        case Holds::Routes:
            throw Error(input, "no route points (the file holds %1: convert it to %2)", values);
        case Holds::Everything:
            break;
    }
}

std::uint64_t keptPoints(const ItemCounts& items, Holds holds) {
    switch (holds) {
        case Holds::TrackLine:
            return items.points;
        case Holds::Waypoints:
            return items.waypoints;
        case Holds::Routes:
            return items.routePoints;
        case Holds::Everything:
            break;
    }
    return items.points + items.waypoints + items.routePoints;
}

}  // namespace

ConversionResult runStreamConversion(const StreamConversion& conversion,
                                     const std::filesystem::path& input,
                                     const ConversionOptions& options,
                                     const ConversionContext& context) {
    ReaderSetup readerSetup;
    readerSetup.progress = context.progress;
    readerSetup.timeZoneHours = options.gpx.timeZoneHours;
    readerSetup.nmeaReading = conversion.nmeaReading;
    readerSetup.nmeaOptions = options.nmeaReading;
    readerSetup.positionsOnly = conversion.positionsOnly;
    const auto reader = conversion.makeReader(input, readerSetup);
    const auto outputPath = outputPathFor(input, conversion.targetExtension, context.outputFolder);
    ensureOutputIsNotInput(input, outputPath);
    FittedItems items(*reader, conversion.fit, options.route);
    const bool lineOnly = conversion.holds == Holds::TrackLine;

    // A writer whose header tells what follows learns it first: from the
    // reader when it knows without reading, else from a first pass.
    StreamFacts facts;
    bool factsCounted = false;
    bool routesAsLine = false;
    if (conversion.writerNeedsFacts) {
        const auto known = reader->knownCounts();
        if (known && conversion.fit == Fit::AsIs) {
            facts.counts = *known;
        } else {
            facts = countItems(items);
            factsCounted = true;
        }
        routesAsLine = lineOnly && facts.counts.points == 0 && facts.counts.routePoints > 0;
        if (routesAsLine) facts.counts = routesAsTrack(facts.counts);
    }

    for (;;) {
        items.takeRoutesAsTrack(routesAsLine);
        OutputFile output(outputPath);
        const auto writer = conversion.makeWriter(
            WriterSetup{WriteTarget{output, input, utf8Of(baseNameOf(input))}, conversion.source,
                        options, context, conversion.writerNeedsFacts ? &facts : nullptr});
        ItemCounts written;
        Item item;
        while (items.next(item)) {
            written.add(item.kind);
            writer->write(item);
        }
        // A file of routes alone, found out only now: again, with its routes
        // as the line.
        if (lineOnly && !routesAsLine && written.points == 0 && written.routePoints > 0) {
            routesAsLine = true;
            items.rewind();
            continue;
        }
        writer->finish();
        refuseWhenNothingHeld(input, written, conversion.holds);
        if (factsCounted && written.points != facts.counts.points) {
            throw Error(input, conversion.source == FileKind::NmeaLog ? kLogChanged : kFileChanged);
        }
        // A source without a point at all (an NMEA log without a fix, an
        // empty file) is an empty result, written unless it would replace
        // an older output.
        auto result = commitResult(output, outputPath, keptPoints(written, conversion.holds));
        result.charactersReplaced = writer->charactersReplaced();
        result.dropped = writer->dropped();
        if (const auto* log = dynamic_cast<const NmeaItemReader*>(reader.get())) {
            result.log = log->log().counts();
        }
        return result;
    }
}

}  // namespace morlindo
