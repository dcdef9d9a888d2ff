#include "convert/nmea_to_almap.h"

#include "convert/output_path.h"
#include "formats/almap_track.h"
#include "formats/nmea_log.h"
#include "io/output_file.h"

namespace morlindo {

ConversionResult convertNmeaToAlmap(const std::filesystem::path& inputPath,
                                    const ConversionContext& context) {
    NmeaLogReader reader(inputPath, context.progress);
    const auto outputPath = outputPathFor(inputPath, ".alr", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);
    OutputFile output(outputPath);
    AlmapTrackWriter writer(output);

    std::uint64_t points = 0;
    while (const auto fix = reader.nextGgaFix()) {
        writer.writeAlmapPoint(fix->longitude, fix->latitude);
        ++points;
    }
    output.commit();
    return {outputPath, points};
}

}  // namespace morlindo
