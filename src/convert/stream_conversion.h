// A conversion as the steps of its description: the source kind's reader,
// the items fitted to what the target takes, the target kind's writer, and
// the output committed. The table (conversions.cpp) names, per kind, how to
// make its reader and writer, and per conversion, the fitting and readings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "formats/item_stream.h"
#include "formats/nmea_items.h"

namespace morlindo {

struct ConversionOptions;
enum class FileKind;

// How a reader is made: the readings a conversion chooses.
struct ReaderSetup {
    ReadProgress* progress = nullptr;
    int timeZoneHours = 9;  // of the local times in an OziExplorer track
    NmeaReading nmeaReading = NmeaReading::Paired;
    NmeaReadOptions nmeaOptions;  // a date for a log without one, checksums
    bool positionsOnly = false;  // the writer keeps positions only
};
using MakeReader = std::unique_ptr<ItemReader> (*)(const std::filesystem::path& path,
                                                   const ReaderSetup& setup);

// What the stream holds, learnt before writing when the writer needs it.
struct StreamFacts {
    ItemCounts counts;
    std::string firstTrackName;  // UTF-8; empty when no track has a name
};

// How a writer is made.
struct WriterSetup {
    WriteTarget target;
    FileKind source;
    const ConversionOptions& options;
    const ConversionContext& context;
    // For a kind whose writer needs them, when they are learnt first;
    // nullptr otherwise.
    const StreamFacts* facts;
};
using MakeWriter = std::unique_ptr<ItemWriter> (*)(const WriterSetup& setup);

// What a target kind can hold, for the failure of a source that has none
// of it.
enum class Holds : std::uint8_t { Everything, TrackLine, Waypoints, Routes };

// How the items of the source are fitted to the target on the way:
//   AsIs              unchanged
//   PointsAsRoute     the track's points become one route's points, the route
//                     named by the route options
//   PointsAsWaypoints the track's points become waypoints without names
enum class Fit : std::uint8_t { AsIs, PointsAsRoute, PointsAsWaypoints };

// The two kinds of a conversion and how to make their reader and writer.
struct StreamConversion {
    FileKind source;
    FileKind target;
    std::string_view targetExtension;  // ".plt"
    MakeReader makeReader;
    MakeWriter makeWriter;
    bool writerNeedsFacts;  // the writer's header tells what follows, learnt first
    Holds holds;
    Fit fit;
    NmeaReading nmeaReading;
    bool positionsOnly;  // the target keeps positions only
};

ConversionResult runStreamConversion(const StreamConversion& conversion,
                                     const std::filesystem::path& input,
                                     const ConversionOptions& options,
                                     const ConversionContext& context);

}  // namespace morlindo
