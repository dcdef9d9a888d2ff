#include "convert/gpx_to_almap.h"

#include "convert/almap_output.h"
#include "formats/gpx_reader.h"

namespace morlindo {

ConversionResult convertGpxToAlmap(const std::filesystem::path& inputPath,
                                   const ConversionContext& context) {
    GpxReader reader(inputPath, context.progress);
    return writeAlmapTrackOf(inputPath, context, [&reader] { return reader.next(); });
}

}  // namespace morlindo
