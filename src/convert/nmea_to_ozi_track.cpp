#include "convert/nmea_to_ozi_track.h"

#include "convert/output_path.h"
#include "convert/receiver_track_lines.h"
#include "formats/nmea_log.h"
#include "io/error.h"
#include "io/output_file.h"

namespace morlindo {

ConversionResult convertNmeaToOziTrack(const std::filesystem::path& inputPath,
                                       const NmeaOziTrackOptions& options,
                                       const ConversionContext& context) {
    NmeaLogReader reader(inputPath, context.progress);
    const auto outputPath = outputPathFor(inputPath, ".plt", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);

    // Line 6 gives the number of points before the first of them, so the log
    // is read twice: once to count, once to write.
    std::uint64_t count = 0;
    while (reader.nextPairedFix()) ++count;
    reader.rewind();

    OutputFile output(outputPath);
    writeOziTrackHeader(output, "reserved 3", options,
                        context.encoding.fromPath(baseNameOf(inputPath)), std::to_string(count));

    std::uint64_t written = 0;
    ReceiverPointLines lines;
    while (const auto fix = reader.nextPairedFix()) {
        output.writeLine(lines.line(fix->latitude, fix->longitude, fix->altitudeMeters,
                                    localFixTime(fix->utcTime, options.timeZoneHours)));
        ++written;
    }
    if (written != count) {
        throw Error(inputPath, "the log changed while it was being converted; convert it again");
    }
    output.commit();
    return {outputPath, count};
}

}  // namespace morlindo
