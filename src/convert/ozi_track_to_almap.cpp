#include "convert/ozi_track_to_almap.h"

#include "convert/output_path.h"
#include "formats/almap_track.h"
#include "formats/ozi_track.h"
#include "io/output_file.h"

namespace morlindo {

ConversionResult convertOziTrackToAlmap(const std::filesystem::path& inputPath,
                                        const ConversionContext& context) {
    // Opening the reader reads the header, so a file that is not a track
    // fails before any output is begun.
    OziTrackReader reader(inputPath, context.progress);
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
