#include "batch/conversion_kind.h"

#include <array>

#include "convert/almap_to_ozi_track.h"
#include "convert/nmea_to_almap.h"
#include "convert/ozi_track_to_almap.h"

namespace morlindo {
namespace {

struct KindFiles {
    FileKind input;
    FileKind output;
};

constexpr std::array<KindFiles, kConversionKindCount> kKindFiles{{
    {FileKind::AlmapTrack, FileKind::OziTrack},
    {FileKind::AlmapTrack, FileKind::OziRoute},
    {FileKind::AlmapTrack, FileKind::OziWaypoints},
    {FileKind::OziTrack, FileKind::AlmapTrack},
    {FileKind::NmeaLog, FileKind::AlmapTrack},
    {FileKind::NmeaLog, FileKind::OziTrack},
}};

}  // namespace

FileKind inputKindOf(ConversionKind kind) { return kKindFiles[static_cast<int>(kind)].input; }

FileKind outputKindOf(ConversionKind kind) { return kKindFiles[static_cast<int>(kind)].output; }

std::optional<ConversionKind> conversionBetween(FileKind input, FileKind output) {
    for (int i = 0; i < kConversionKindCount; ++i) {
        if (kKindFiles[i].input == input && kKindFiles[i].output == output) {
            return static_cast<ConversionKind>(i);
        }
    }
    return std::nullopt;
}

std::string_view extensionOf(FileKind kind) {
    switch (kind) {
        case FileKind::AlmapTrack:
            return ".alr";
        case FileKind::OziTrack:
            return ".plt";
        case FileKind::OziRoute:
            return ".rte";
        case FileKind::OziWaypoints:
            return ".wpt";
        case FileKind::NmeaLog:
            return ".nmea";
    }
    return {};
}

ConversionResult convertFile(ConversionKind kind, const std::filesystem::path& inputPath,
                             const ConversionOptions& options, const Clock& clock) {
    switch (kind) {
        case ConversionKind::AlmapToOziTrack:
            return convertAlmapToOziTrack(inputPath, options.track, clock);
        case ConversionKind::AlmapToOziRoute:
            return convertAlmapToOziRoute(inputPath, options.route);
        case ConversionKind::AlmapToOziWaypoints:
            return convertAlmapToOziWaypoints(inputPath, options.waypoints);
        case ConversionKind::OziTrackToAlmap:
            return convertOziTrackToAlmap(inputPath);
        case ConversionKind::NmeaToAlmap:
            return convertNmeaToAlmap(inputPath);
        case ConversionKind::NmeaToOziTrack:
            return convertNmeaToOziTrack(inputPath, options.nmeaTrack);
    }
    return {};
}

}  // namespace morlindo
