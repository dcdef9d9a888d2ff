#include "convert/track_to_gpx.h"

#include <array>
#include <charconv>

#include "convert/almap_input.h"
#include "convert/output_path.h"
#include "formats/gpx_writer.h"
#include "formats/nmea_log.h"
#include "formats/ozi_track.h"
#include "io/error.h"

namespace morlindo {
namespace {

std::string numberText(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

// Writes the GPX file of the input: readPoints(write) calls
// write(latitude, longitude, elevation, utcTime, line) for every point, line
// being the point's line in a text input (0 for none).
template <typename ReadPoints>
ConversionResult writeGpxOf(const std::filesystem::path& inputPath,
                            const ConversionContext& context, ReadPoints&& readPoints) {
    const auto outputPath = outputPathFor(inputPath, ".gpx", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);
    OutputFile output(outputPath);
    const std::u8string name = baseNameOf(inputPath).u8string();
    GpxTrackWriter writer(
        output, std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
    std::uint64_t points = 0;
    readPoints([&](double latitude, double longitude, const std::optional<double>& elevation,
                   const std::optional<DateTime>& utcTime, std::int64_t line) {
        ++points;
        if (!gpxCanHold(latitude, longitude)) {
            throw Error(inputPath,
                        "point %1 at latitude %2, longitude %3 lies outside what GPX holds "
                        "(latitude -90 to 90, longitude -180 to 180)",
                        {std::to_string(points), numberText(latitude), numberText(longitude)},
                        line);
        }
        writer.writePoint(latitude, longitude, elevation, utcTime);
    });
    writer.finish();
    return commitResult(output, outputPath, points);
}

}  // namespace

ConversionResult convertAlmapToGpx(const std::filesystem::path& inputPath,
                                   const ConversionContext& context) {
    AlmapTrackReader reader(inputPath, context.progress);
    return writeGpxOf(inputPath, context, [&](auto&& write) {
        while (const auto point = reader.next()) {
            write(point->latitude, point->longitude, std::nullopt, std::nullopt, 0);
        }
    });
}

ConversionResult convertOziTrackToGpx(const std::filesystem::path& inputPath,
                                      const TrackGpxOptions& options,
                                      const ConversionContext& context) {
    OziTrackReader reader(inputPath, context.progress);
    return writeGpxOf(inputPath, context, [&](auto&& write) {
        while (const auto point = reader.next()) {
            const OziTrackPointDetails details = readOziTrackPointDetails(reader.otherFields());
            std::optional<double> elevation;
            if (details.altitudeFeet) elevation = *details.altitudeFeet * kMetresPerFoot;
            std::optional<DateTime> utcTime;
            if (details.localTime) {
                utcTime = addHours(*details.localTime, -options.timeZoneHours);
                if (utcTime->year < 1 || utcTime->year > 9999) utcTime.reset();
            }
            write(point->latitude, point->longitude, elevation, utcTime, reader.lineNumber());
        }
    });
}

ConversionResult convertNmeaToGpx(const std::filesystem::path& inputPath,
                                  const ConversionContext& context,
                                  const NmeaReadOptions& reading) {
    NmeaLogReader reader(inputPath, context.progress, reading);
    auto result = writeGpxOf(inputPath, context, [&](auto&& write) {
        while (const auto fix = reader.nextPairedFix()) {
            write(fix->latitude, fix->longitude, fix->altitudeMeters, fix->utcTime, 0);
        }
    });
    result.log = reader.counts();
    return result;
}

}  // namespace morlindo
