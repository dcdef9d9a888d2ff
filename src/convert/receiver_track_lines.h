// The point lines of an OziExplorer track written from a receiver's
// recording (an NMEA log, a GPX file): the coordinates to seven decimals,
// code 0 (no point starts a new segment), the altitude in whole feet, and the
// local day number, date and time:
//   48.1173017,11.5166667, 0 ,1789,34416.899525,1994/03/23,21:35:19
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "convert/output_path.h"
#include "formats/ozi_text.h"
#include "formats/ozi_track.h"
#include "io/civil_time.h"
#include "io/error.h"
#include "io/output_file.h"

namespace morlindo {

// OziExplorer's altitude for "no valid altitude".
inline constexpr std::int32_t kNoAltitudeFeet = -777;

// The altitude in whole feet, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4); "no altitude" when there is none or the feet do not fit a
// 32-bit integer.
std::int32_t altitudeFeet(const std::optional<double>& meters);

class ReceiverPointLines {
public:
    // The text of the point's line, without its line end; valid until the
    // next call.
    const std::string& line(double latitude, double longitude,
                            const std::optional<double>& altitudeMeters, const DateTime& local);

private:
    // Several points a second share their time fields.
    std::optional<DateTime> lastTime_;
    std::string timeFields_;
    std::string line_;
};

// A point of a receiver's recording on its way into the track.
struct ReceiverPoint {
    double latitude = 0;
    double longitude = 0;
    std::optional<double> altitudeMeters;
    DateTime local;
};

// Writes the OziExplorer track of a receiver's recording. Line 6 gives the
// number of points before the first of them, so the recording is read twice:
// readPass(onPoint) reads it from its start and hands each point to onPoint,
// once to count and once to write. A recording that gives another number of
// points the second time (it changed in between) fails with `changed`, so
// that line 6 never lies.
template <typename ReadPass>
ConversionResult writeReceiverTrack(const std::filesystem::path& inputPath,
                                    const OziTrackOptions& options,
                                    const ConversionContext& context, ReasonPattern changed,
                                    ReadPass&& readPass) {
    const auto outputPath = outputPathFor(inputPath, ".plt", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);
    std::uint64_t count = 0;
    readPass([&count](const ReceiverPoint&) { ++count; });

    OutputFile output(outputPath);
    bool replaced = false;
    writeOziTrackHeader(
        output, "reserved 3", options,
        context.encoding.fromPath(oziFileNameField(baseNameOf(inputPath)), &replaced),
        std::to_string(count));
    std::uint64_t written = 0;
    ReceiverPointLines lines;
    readPass([&](const ReceiverPoint& point) {
        output.writeLine(
            lines.line(point.latitude, point.longitude, point.altitudeMeters, point.local));
        ++written;
    });
    if (written != count) throw Error(inputPath, changed);
    auto result = commitResult(output, outputPath, count);
    result.charactersReplaced = replaced;
    return result;
}

}  // namespace morlindo
