#include "convert/conversions.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "convert/output_path.h"
#include "formats/almap_items.h"
#include "formats/geojson_writer.h"
#include "formats/gpx_reader.h"
#include "formats/gpx_writer.h"
#include "formats/kml_writer.h"
#include "formats/ozi_text.h"
#include "formats/ozi_track_items.h"
#include "io/error.h"

namespace morlindo {
namespace {

// The readers and writers of the kinds, made as the conversion's options say.

std::unique_ptr<ItemReader> readAlmap(const std::filesystem::path& path, const ReaderSetup& setup) {
    return std::make_unique<AlmapItemReader>(path, setup.progress);
}

std::unique_ptr<ItemWriter> writeAlmap(const WriterSetup& setup) {
    return std::make_unique<AlmapItemWriter>(setup.target);
}

std::unique_ptr<ItemReader> readOziTrack(const std::filesystem::path& path,
                                         const ReaderSetup& setup) {
    return std::make_unique<OziTrackItemReader>(
        path, OziTrackReading{setup.timeZoneHours, setup.positionsOnly}, setup.progress);
}

// An AlMap track, which has no times, is stamped with the conversion's time
// and rendered as AlMap tracks always were; every other source as a
// receiver's recording.
std::unique_ptr<ItemWriter> writeOziTrack(const WriterSetup& setup) {
    const bool fromAlmap = setup.source == FileKind::AlmapTrack;
    OziTrackWriting writing;
    writing.options = fromAlmap ? setup.options.track : setup.options.nmeaTrack;
    writing.style = fromAlmap ? OziTrackStyle::Stamped : OziTrackStyle::Receiver;
    writing.timeZoneHours = setup.options.nmeaTrack.timeZoneHours;
    // The first track's name, else the file's.
    const TextEncoding& encoding = setup.context.encoding;
    writing.trackName = encoding.fromPath(oziFileNameField(baseNameOf(setup.target.source)),
                                          &writing.trackNameReplaced);
    if (setup.facts) {
        writing.pointCount = setup.facts->counts.points;
        if (!setup.facts->firstTrackName.empty()) {
            writing.trackNameReplaced = false;
            writing.trackName = encoding.fromUtf8(oziTextField(setup.facts->firstTrackName),
                                                  &writing.trackNameReplaced);
        }
    }
    return std::make_unique<OziTrackItemWriter>(setup.target.output, writing, setup.context.clock,
                                                encoding);
}

std::unique_ptr<ItemReader> readOziRoute(const std::filesystem::path& path,
                                         const ReaderSetup& setup) {
    return std::make_unique<OziRouteReader>(path, setup.progress);
}

std::unique_ptr<ItemWriter> writeOziRoute(const WriterSetup& setup) {
    return std::make_unique<OziRouteWriter>(setup.target.output, setup.options.route,
                                            setup.context.encoding);
}

std::unique_ptr<ItemReader> readOziWaypoints(const std::filesystem::path& path,
                                             const ReaderSetup& setup) {
    return std::make_unique<OziWaypointsReader>(path, setup.progress);
}

std::unique_ptr<ItemWriter> writeOziWaypoints(const WriterSetup& setup) {
    return std::make_unique<OziWaypointsWriter>(setup.target.output, setup.options.waypoints,
                                                setup.context.encoding);
}

std::unique_ptr<ItemReader> readNmea(const std::filesystem::path& path, const ReaderSetup& setup) {
    return std::make_unique<NmeaItemReader>(path, setup.nmeaReading, setup.progress,
                                            setup.nmeaOptions);
}

std::unique_ptr<ItemReader> readGpx(const std::filesystem::path& path, const ReaderSetup& setup) {
    return std::make_unique<GpxReader>(path, setup.progress);
}

std::unique_ptr<ItemWriter> writeGpx(const WriterSetup& setup) {
    return std::make_unique<GpxItemWriter>(setup.target);
}

std::unique_ptr<ItemWriter> writeKml(const WriterSetup& setup) {
    return std::make_unique<KmlWriter>(setup.target);
}

std::unique_ptr<ItemWriter> writeGeoJson(const WriterSetup& setup) {
    return std::make_unique<GeoJsonWriter>(setup.target);
}

const std::array<FileKindInfo, 8> kFileKinds{{
    {FileKind::AlmapTrack, "alr", ".alr", "AlMap track", "Almap Track File(*.alr)", "*.alr",
     readAlmap, writeAlmap, false, false, Holds::TrackLine},
    {FileKind::OziTrack, "plt", ".plt", "OziExplorer track", "Ozi Track File(*.plt)", "*.plt",
     readOziTrack, writeOziTrack, true, false, Holds::TrackLine},
    {FileKind::OziRoute, "rte", ".rte", "OziExplorer route", "Ozi Route File(*.rte)", "*.rte",
     readOziRoute, writeOziRoute, false, false, Holds::Routes},
    {FileKind::OziWaypoints, "wpt", ".wpt", "OziExplorer waypoints", "Ozi WayPoint File(*.wpt)",
     "*.wpt", readOziWaypoints, writeOziWaypoints, false, false, Holds::Waypoints},
    {FileKind::NmeaLog, "nmea", ".nmea", "NMEA 0183 log", "Nmea File(*.nmea)", "*.nmea", readNmea,
     nullptr, false, false, Holds::Everything},
    {FileKind::Gpx, "gpx", ".gpx", "GPS Exchange (GPX)", "Gpx File(*.gpx)", "*.gpx", readGpx,
     writeGpx, false, true, Holds::Everything},
    {FileKind::Kml, "kml", ".kml", "KML (Google Earth)", "Kml File(*.kml)", "*.kml", nullptr,
     writeKml, false, false, Holds::Everything},
    {FileKind::GeoJson, "geojson", ".geojson", "GeoJSON", "GeoJson File(*.geojson)", "*.geojson",
     nullptr, writeGeoJson, false, false, Holds::Everything},
}};

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Every kind with a reader, for the targets that hold everything.
const std::vector<FileKind> kEveryReadKind{FileKind::AlmapTrack, FileKind::OziTrack,
                                           FileKind::OziRoute,   FileKind::OziWaypoints,
                                           FileKind::NmeaLog,    FileKind::Gpx};

const std::vector<Conversion>& conversionRows() {
    static const std::vector<Conversion> rows{
        {ConversionKind::AlmapToOziTrack,
         {FileKind::AlmapTrack},
         FileKind::OziTrack,
         "Almap Track -> Ozi Track",
         "Almap Track -> Ozi Track",
         "cmdTarvexTrack",
         OptionsKind::OziTrack},
        {ConversionKind::AlmapToOziRoute,
         {FileKind::AlmapTrack, FileKind::Gpx},
         FileKind::OziRoute,
         "AlMap Track -> Ozi Route",
         "Almap Track -> Ozi Route",
         "cmdTarvexRoute",
         OptionsKind::OziRoute,
         Fit::PointsAsRoute},
        {ConversionKind::AlmapToOziWaypoints,
         {FileKind::AlmapTrack, FileKind::Gpx},
         FileKind::OziWaypoints,
         "AlMap Track -> WayPoint",
         "Almap Track -> Ozi WayPoint",
         "cmdTarvexWayPoint",
         OptionsKind::OziWaypoints,
         Fit::PointsAsWaypoints},
        {ConversionKind::OziTrackToAlmap,
         {FileKind::OziTrack},
         FileKind::AlmapTrack,
         "Ozi Track -> AlMap Track",
         "Ozi Track -> Almap Track",
         "cmdOzi2AlTrack",
         OptionsKind::None},
        {ConversionKind::NmeaToAlmap,
         {FileKind::NmeaLog},
         FileKind::AlmapTrack,
         "Nmea -> AlMap Track",
         "Nmea Data -> Almap Track",
         "cmdNmea2AlmapTrack",
         OptionsKind::None,
         Fit::AsIs,
         NmeaReading::GgaOnly},
        {ConversionKind::NmeaToOziTrack,
         {FileKind::NmeaLog},
         FileKind::OziTrack,
         "Nmea -> Ozi Track",
         "",
         "cmdNmea2OziTrack",
         OptionsKind::NmeaOziTrack},
        {ConversionKind::GpxToAlmap,
         {FileKind::Gpx},
         FileKind::AlmapTrack,
         "GPX -> AlMap Track",
         "GPX -> AlMap Track",
         "cmdGpx2AlmapTrack",
         OptionsKind::None},
        {ConversionKind::GpxToOziTrack,
         {FileKind::Gpx},
         FileKind::OziTrack,
         "GPX -> Ozi Track",
         "GPX -> Ozi Track",
         "cmdGpx2OziTrack",
         OptionsKind::NmeaOziTrack},
        {ConversionKind::TrackToGpx,
         {FileKind::AlmapTrack, FileKind::OziTrack, FileKind::NmeaLog, FileKind::OziWaypoints,
          FileKind::OziRoute},
         FileKind::Gpx,
         "Track -> GPX",
         "Track -> GPX",
         "cmdTrack2Gpx",
         OptionsKind::TrackGpx},
        // KML and GeoJSON share one tab, which offers them as its targets.
        {ConversionKind::TrackToKml, kEveryReadKind, FileKind::Kml, "Track -> Other Format",
         "Track -> Other Format", "cmdTrack2Other", OptionsKind::TrackGpx},
        {ConversionKind::TrackToGeoJson, kEveryReadKind, FileKind::GeoJson, "Track -> Other Format",
         "", "cmdTrack2Other", OptionsKind::TrackGpx},
    };
    return rows;
}

constexpr std::array<std::optional<ConversionKind>, 11> kConvertMenu{{
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
    ConversionKind::TrackToKml,
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
    const FileKind from = source ? *source : sourceKindOf(row, input);
    const FileKindInfo& reading = fileKindInfo(from);
    const FileKindInfo& writing = fileKindInfo(row.target);
    const StreamConversion steps{from,
                                 row.target,
                                 writing.extension,
                                 reading.makeReader,
                                 writing.makeWriter,
                                 writing.writerNeedsFacts && !reading.readOnce,
                                 writing.holds,
                                 from == FileKind::AlmapTrack ? row.fit : Fit::AsIs,
                                 row.nmeaReading,
                                 row.target == FileKind::AlmapTrack};
    return runStreamConversion(steps, input, options, context);
}

}  // namespace morlindo
