#include "convert/ozi_track_to_almap.h"

#include "convert/almap_output.h"
#include "formats/ozi_track.h"

namespace morlindo {

ConversionResult convertOziTrackToAlmap(const std::filesystem::path& inputPath,
                                        const ConversionContext& context) {
    // Opening the reader reads the header, so a file that is not a track
    // fails before any output is begun.
    OziTrackReader reader(inputPath, context.progress);
    return writeAlmapTrackOf(inputPath, context, [&reader] { return reader.next(); });
}

}  // namespace morlindo
