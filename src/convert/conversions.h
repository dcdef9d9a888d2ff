// The one table of what the system converts: every file kind it reads or
// writes with its reader and writer, and every conversion, numbered as the
// window's tabs that offer them. The command line (names, help, kind
// checks), the window (tabs, menu, dialog filters, option panels) and the
// batch all read these rows. A conversion is the source kind's reader, the
// target kind's writer and options; a new file kind is a reader and/or
// writer unit in formats/, one kind row here (conversions.cpp), the
// conversion rows that use it and, if it has options, its panel.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "convert/stream_conversion.h"
#include "formats/ozi_route.h"
#include "formats/ozi_track.h"
#include "formats/ozi_waypoints.h"

namespace morlindo {

enum class FileKind { AlmapTrack, OziTrack, OziRoute, OziWaypoints, NmeaLog, Gpx };

struct FileKindInfo {
    FileKind kind;
    std::string_view shortName;      // on the command line: --from alr, --to plt
    std::string_view extension;      // ".alr"
    std::string_view description;    // "AlMap track"
    std::string_view filterCaption;  // in the open-file dialog: "Almap Track File(*.alr)"
    std::string_view filterPattern;  // "*.alr"
    MakeReader makeReader;           // nullptr: the kind is not read
    MakeWriter makeWriter;           // nullptr: the kind is not written
    bool writerNeedsFacts;           // its header tells the counts and the name
    // Reading it costs more than keeping a scratch copy of the lines written:
    // a writer that needs facts first writes its header last instead of
    // reading the file twice.
    bool readOnce;
    Holds holds;  // what its writer keeps
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

struct NmeaOziTrackOptions : OziTrackOptions {
    int timeZoneHours = 9;  // added to the UTC time of every fix
};

struct TrackGpxOptions {
    int timeZoneHours = 9;  // the zone of an OziExplorer track's local times
};

// The options of every kind in one record; a conversion reads its own.
struct ConversionOptions {
    OziTrackOptions track;
    OziRouteOptions route;
    OziWaypointOptions waypoints;
    NmeaOziTrackOptions nmeaTrack;  // NMEA log or GPX -> OziExplorer track
    TrackGpxOptions gpx;
    NmeaReadOptions nmeaReading;  // how every conversion reads an NMEA log
};

struct Conversion {
    ConversionKind kind;
    std::vector<FileKind> sources;
    FileKind target;
    std::string_view tabCaption;
    std::string_view menuCaption;    // in the "변환" menu; empty when the menu has no item for it
    std::string_view convertButton;  // the object name of the tab's convert button
    OptionsKind options;
    Fit fit = Fit::AsIs;  // of an AlMap track's points; other sources keep their items
    NmeaReading nmeaReading = NmeaReading::Paired;
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
