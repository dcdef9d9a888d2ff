#include "convert/nmea_to_almap.h"

#include "convert/almap_output.h"
#include "formats/nmea_log.h"

namespace morlindo {

ConversionResult convertNmeaToAlmap(const std::filesystem::path& inputPath,
                                    const ConversionContext& context) {
    NmeaLogReader reader(inputPath, context.progress);
    return writeAlmapTrackOf(inputPath, context, [&reader] { return reader.nextGgaFix(); });
}

}  // namespace morlindo
