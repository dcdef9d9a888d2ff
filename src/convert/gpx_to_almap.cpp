#include "convert/gpx_to_almap.h"

#include "convert/output_path.h"
#include "formats/almap_track.h"
#include "formats/gpx_reader.h"
#include "io/output_file.h"

namespace morlindo {

ConversionResult convertGpxToAlmap(const std::filesystem::path& inputPath,
                                   const ConversionContext& context) {
    GpxReader reader(inputPath, context.progress);
    const auto outputPath = outputPathFor(inputPath, ".alr", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);
    OutputFile output(outputPath);
    AlmapTrackWriter writer(output);

    std::uint64_t points = 0;
    while (const auto point = reader.next()) {
        writer.writeAlmapPoint(point->longitude, point->latitude);
        ++points;
    }
    output.commit();
    return {outputPath, points};
}

}  // namespace morlindo
