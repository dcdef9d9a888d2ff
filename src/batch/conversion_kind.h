// The six conversions, numbered as the window's tabs that offer them, with
// the options of all of them in one record and one call that runs any of
// them. Both front ends, the window's batch and the command line, convert
// through convertFile.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "convert/almap_to_ozi_route.h"
#include "convert/almap_to_ozi_waypoints.h"
#include "convert/conversion_result.h"
#include "convert/nmea_to_ozi_track.h"
#include "formats/ozi_track.h"
#include "io/clock.h"

namespace morlindo {

enum class ConversionKind {
    AlmapToOziTrack = 0,
    AlmapToOziRoute = 1,
    AlmapToOziWaypoints = 2,
    OziTrackToAlmap = 3,
    NmeaToAlmap = 4,
    NmeaToOziTrack = 5,
};

inline constexpr int kConversionKindCount = 6;

// The file kinds the conversions read and write.
enum class FileKind { AlmapTrack, OziTrack, OziRoute, OziWaypoints, NmeaLog };

FileKind inputKindOf(ConversionKind kind);
FileKind outputKindOf(ConversionKind kind);
// The conversion from one file kind to another, if the system offers it.
std::optional<ConversionKind> conversionBetween(FileKind input, FileKind output);
// ".alr", ".plt", ".rte", ".wpt", ".nmea".
std::string_view extensionOf(FileKind kind);

struct ConversionOptions {
    OziTrackOptions track;          // AlMap track -> OziExplorer track
    OziRouteOptions route;          // AlMap track -> OziExplorer route
    OziWaypointOptions waypoints;   // AlMap track -> OziExplorer waypoints
    NmeaOziTrackOptions nmeaTrack;  // NMEA log -> OziExplorer track
};

// Runs one conversion of one input file, with that conversion's options.
ConversionResult convertFile(ConversionKind kind, const std::filesystem::path& inputPath,
                             const ConversionOptions& options, const Clock& clock);

}  // namespace morlindo
