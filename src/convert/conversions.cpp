#include "convert/conversions.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "convert/almap_to_ozi_track.h"
#include "convert/gpx_to_almap.h"
#include "convert/gpx_to_ozi_track.h"
#include "convert/nmea_to_almap.h"
#include "convert/ozi_track_to_almap.h"
#include "io/error.h"

namespace morlindo {
namespace {

constexpr std::array<FileKindInfo, 6> kFileKinds{{
    {FileKind::AlmapTrack, "alr", ".alr", "AlMap track", "Almap Track File(*.alr)", "*.alr"},
    {FileKind::OziTrack, "plt", ".plt", "OziExplorer track", "Ozi Track File(*.plt)", "*.plt"},
    {FileKind::OziRoute, "rte", ".rte", "OziExplorer route", "Ozi Route File(*.rte)", "*.rte"},
    {FileKind::OziWaypoints, "wpt", ".wpt", "OziExplorer waypoints", "Ozi WayPoint File(*.wpt)",
     "*.wpt"},
    {FileKind::NmeaLog, "nmea", ".nmea", "NMEA 0183 log", "Nmea File(*.nmea)", "*.nmea"},
    {FileKind::Gpx, "gpx", ".gpx", "GPS Exchange (GPX)", "Gpx File(*.gpx)", "*.gpx"},
}};

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

const std::vector<Conversion>& conversionRows() {
    static const std::vector<Conversion> rows{
        {ConversionKind::AlmapToOziTrack,
         {FileKind::AlmapTrack},
         FileKind::OziTrack,
         "Almap Track -> Ozi Track",
         "Almap Track -> Ozi Track",
         "cmdTarvexTrack",
         OptionsKind::OziTrack,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions& options,
            const ConversionContext& context) {
             return convertAlmapToOziTrack(input, options.track, context);
         }},
        {ConversionKind::AlmapToOziRoute,
         {FileKind::AlmapTrack},
         FileKind::OziRoute,
         "AlMap Track -> Ozi Route",
         "Almap Track -> Ozi Route",
         "cmdTarvexRoute",
         OptionsKind::OziRoute,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions& options,
            const ConversionContext& context) {
             return convertAlmapToOziRoute(input, options.route, context);
         }},
        {ConversionKind::AlmapToOziWaypoints,
         {FileKind::AlmapTrack},
         FileKind::OziWaypoints,
         "AlMap Track -> WayPoint",
         "Almap Track -> Ozi WayPoint",
         "cmdTarvexWayPoint",
         OptionsKind::OziWaypoints,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions& options,
            const ConversionContext& context) {
             return convertAlmapToOziWaypoints(input, options.waypoints, context);
         }},
        {ConversionKind::OziTrackToAlmap,
         {FileKind::OziTrack},
         FileKind::AlmapTrack,
         "Ozi Track -> AlMap Track",
         "Ozi Track -> Almap Track",
         "cmdOzi2AlTrack",
         OptionsKind::None,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions&,
            const ConversionContext& context) { return convertOziTrackToAlmap(input, context); }},
        {ConversionKind::NmeaToAlmap,
         {FileKind::NmeaLog},
         FileKind::AlmapTrack,
         "Nmea -> AlMap Track",
         "Nmea Data -> Almap Track",
         "cmdNmea2AlmapTrack",
         OptionsKind::None,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions& options,
            const ConversionContext& context) {
             return convertNmeaToAlmap(input, context, options.nmeaReading);
         }},
        {ConversionKind::NmeaToOziTrack,
         {FileKind::NmeaLog},
         FileKind::OziTrack,
         "Nmea -> Ozi Track",
         "",
         "cmdNmea2OziTrack",
         OptionsKind::NmeaOziTrack,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions& options,
            const ConversionContext& context) {
             return convertNmeaToOziTrack(input, options.nmeaTrack, context, options.nmeaReading);
         }},
        {ConversionKind::GpxToAlmap,
         {FileKind::Gpx},
         FileKind::AlmapTrack,
         "GPX -> AlMap Track",
         "GPX -> AlMap Track",
         "cmdGpx2AlmapTrack",
         OptionsKind::None,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions&,
            const ConversionContext& context) { return convertGpxToAlmap(input, context); }},
        {ConversionKind::GpxToOziTrack,
         {FileKind::Gpx},
         FileKind::OziTrack,
         "GPX -> Ozi Track",
         "GPX -> Ozi Track",
         "cmdGpx2OziTrack",
         OptionsKind::NmeaOziTrack,
         [](FileKind, const std::filesystem::path& input, const ConversionOptions& options,
            const ConversionContext& context) {
             return convertGpxToOziTrack(input, options.nmeaTrack, context);
         }},
        {ConversionKind::TrackToGpx,
         {FileKind::AlmapTrack, FileKind::OziTrack, FileKind::NmeaLog},
         FileKind::Gpx,
         "Track -> GPX",
         "Track -> GPX",
         "cmdTrack2Gpx",
         OptionsKind::TrackGpx,
         [](FileKind source, const std::filesystem::path& input, const ConversionOptions& options,
            const ConversionContext& context) {
             if (source == FileKind::OziTrack) {
                 return convertOziTrackToGpx(input, options.gpx, context);
             }
             if (source == FileKind::NmeaLog) {
                 return convertNmeaToGpx(input, context, options.nmeaReading);
             }
             return convertAlmapToGpx(input, context);
         }},
    };
    return rows;
}

constexpr std::array<std::optional<ConversionKind>, 10> kConvertMenu{{
    ConversionKind::AlmapToOziTrack,
    ConversionKind::AlmapToOziWaypoints,
    ConversionKind::AlmapToOziRoute,
    std::nullopt,
    ConversionKind::OziTrackToAlmap,
    ConversionKind::NmeaToAlmap,
    std::nullopt,
    ConversionKind::GpxToAlmap,
    ConversionKind::GpxToOziTrack,
    ConversionKind::TrackToGpx,
}};

FileKind sourceKindOf(const Conversion& row, const std::filesystem::path& input) {
    if (row.sources.size() == 1) return row.sources.front();
    const auto kind = fileKindOf(input);
    if (!kind || std::find(row.sources.begin(), row.sources.end(), *kind) == row.sources.end()) {
        throw Error(input, "cannot tell what kind of file it is from its extension");
    }
    return *kind;
}

}  // namespace

std::span<const FileKindInfo> fileKinds() { return kFileKinds; }

const FileKindInfo& fileKindInfo(FileKind kind) {
    return *std::find_if(kFileKinds.begin(), kFileKinds.end(),
                         [kind](const FileKindInfo& info) { return info.kind == kind; });
}

std::optional<FileKind> fileKindNamed(std::string_view shortName) {
    for (const FileKindInfo& info : kFileKinds) {
        if (sameLetters(info.shortName, shortName)) return info.kind;
    }
    return std::nullopt;
}

std::optional<FileKind> fileKindOf(const std::filesystem::path& file) {
    const std::u8string extension = file.extension().u8string();
    const std::string_view text(reinterpret_cast<const char*>(extension.data()), extension.size());
    for (const FileKindInfo& info : kFileKinds) {
        if (sameLetters(info.extension, text)) return info.kind;
    }
    return std::nullopt;
}

std::span<const Conversion> conversions() { return conversionRows(); }

const Conversion& conversion(ConversionKind kind) {
    return conversionRows().at(static_cast<std::size_t>(kind));
}

std::span<const std::optional<ConversionKind>> convertMenu() { return kConvertMenu; }

std::optional<ConversionKind> conversionBetween(FileKind source, FileKind target) {
    for (const Conversion& row : conversionRows()) {
        if (row.target == target &&
            std::find(row.sources.begin(), row.sources.end(), source) != row.sources.end()) {
            return row.kind;
        }
    }
    return std::nullopt;
}

std::string readExtensionsText() {
    std::vector<std::string_view> read;
    for (const FileKindInfo& info : fileKinds()) {
        for (const Conversion& row : conversionRows()) {
            if (std::find(row.sources.begin(), row.sources.end(), info.kind) != row.sources.end()) {
                read.push_back(info.extension);
                break;
            }
        }
    }
    std::string text;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (i > 0) text += i + 1 == read.size() ? " and " : ", ";
        text += read[i];
    }
    return text;
}

ConversionResult convertFile(ConversionKind kind, const std::filesystem::path& input,
                             const ConversionOptions& options, const ConversionContext& context,
                             std::optional<FileKind> source) {
    const Conversion& row = conversion(kind);
    return row.run(source ? *source : sourceKindOf(row, input), input, options, context);
}

}  // namespace morlindo
