#include "convert/gpx_to_ozi_track.h"

#include "convert/output_path.h"
#include "convert/receiver_track_lines.h"
#include "formats/gpx_reader.h"
#include "io/error.h"
#include "io/output_file.h"

namespace morlindo {

ConversionResult convertGpxToOziTrack(const std::filesystem::path& inputPath,
                                      const NmeaOziTrackOptions& options,
                                      const ConversionContext& context) {
    const auto outputPath = outputPathFor(inputPath, ".plt", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);

    // Line 6 gives the number of points before the first of them, so the file
    // is read twice: once to count (and check), once to write.
    std::uint64_t count = 0;
    for (GpxReader counter(inputPath, context.progress); counter.next();) ++count;

    GpxReader reader(inputPath, context.progress);
    OutputFile output(outputPath);
    writeOziTrackHeader(output, "reserved 3", options,
                        context.encoding.fromPath(baseNameOf(inputPath)), std::to_string(count));
    std::uint64_t written = 0;
    ReceiverPointLines lines;
    while (const auto point = reader.next()) {
        const DateTime local =
            point->utcTime ? addHours(*point->utcTime, options.timeZoneHours) : context.clock.now();
        output.writeLine(
            lines.line(point->latitude, point->longitude, point->elevationMeters, local));
        ++written;
    }
    if (written != count) {
        throw Error(inputPath, "the file changed while it was being converted; convert it again");
    }
    output.commit();
    return {outputPath, count};
}

}  // namespace morlindo
