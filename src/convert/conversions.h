// The one table of what the system converts: every file kind it reads or
// writes, and every conversion, numbered as the window's tabs that offer
// them. The command line (names, help, kind checks), the window (tabs, menu,
// dialog filters, option panels) and the batch all read these rows, so a new
// conversion is one row here, its converter unit and, if it has options, its
// panel in the window.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "convert/almap_to_ozi_route.h"
#include "convert/almap_to_ozi_waypoints.h"
#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "convert/nmea_to_ozi_track.h"
#include "convert/track_to_gpx.h"
#include "formats/ozi_track.h"

namespace morlindo {

enum class FileKind { AlmapTrack, OziTrack, OziRoute, OziWaypoints, NmeaLog, Gpx };

struct FileKindInfo {
    FileKind kind;
    std::string_view shortName;      // on the command line: --from alr, --to plt
    std::string_view extension;      // ".alr"
    std::string_view description;    // "AlMap track"
    std::string_view filterCaption;  // in the open-file dialog: "Almap Track File(*.alr)"
    std::string_view filterPattern;  // "*.alr"
};

std::span<const FileKindInfo> fileKinds();
const FileKindInfo& fileKindInfo(FileKind kind);
// The kind of a short name, in any letter case.
std::optional<FileKind> fileKindNamed(std::string_view shortName);
// The kind a file's extension names, in any letter case.
std::optional<FileKind> fileKindOf(const std::filesystem::path& file);

// Which conversion; the value is the index of the window's tab.
enum class ConversionKind {
    AlmapToOziTrack = 0,
    AlmapToOziRoute = 1,
    AlmapToOziWaypoints = 2,
    OziTrackToAlmap = 3,
    NmeaToAlmap = 4,
    NmeaToOziTrack = 5,
    GpxToAlmap = 6,
    GpxToOziTrack = 7,
    TrackToGpx = 8,
};

// Which options record a conversion reads, and so which panel of option
// controls its tab shows.
enum class OptionsKind { None, OziTrack, OziRoute, OziWaypoints, NmeaOziTrack, TrackGpx };

// The options of every kind in one record; a conversion reads its own.
struct ConversionOptions {
    OziTrackOptions track;
    OziRouteOptions route;
    OziWaypointOptions waypoints;
    NmeaOziTrackOptions nmeaTrack;  // NMEA log or GPX -> OziExplorer track
    TrackGpxOptions gpx;
    NmeaReadOptions nmeaReading;  // how every conversion reads an NMEA log
};

using RunConversion = ConversionResult (*)(FileKind source, const std::filesystem::path& input,
                                           const ConversionOptions& options,
                                           const ConversionContext& context);

struct Conversion {
    ConversionKind kind;
    std::vector<FileKind> sources;
    FileKind target;
    std::string_view tabCaption;
    std::string_view menuCaption;    // in the "변환" menu; empty when the menu has no item for it
    std::string_view convertButton;  // the object name of the tab's convert button
    OptionsKind options;
    RunConversion run;
};

std::span<const Conversion> conversions();
const Conversion& conversion(ConversionKind kind);
// The "변환" menu, top to bottom: a conversion's item, or nullopt for a separator.
std::span<const std::optional<ConversionKind>> convertMenu();
// The conversion that reads source and writes target, if there is one.
std::optional<ConversionKind> conversionBetween(FileKind source, FileKind target);

// The extensions of the kinds some conversion reads, for messages:
// ".alr, .plt, .nmea and .gpx".
std::string readExtensionsText();

// Converts one file. Its kind is source when given; otherwise the
// conversion's only source kind or, for a conversion that reads several, the
// kind its extension names (an Error when that is none of them).
ConversionResult convertFile(ConversionKind kind, const std::filesystem::path& input,
                             const ConversionOptions& options, const ConversionContext& context,
                             std::optional<FileKind> source = std::nullopt);

}  // namespace morlindo
