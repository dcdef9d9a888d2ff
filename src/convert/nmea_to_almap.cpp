#include "convert/nmea_to_almap.h"

#include "convert/almap_output.h"
#include "formats/nmea_log.h"

namespace morlindo {

ConversionResult convertNmeaToAlmap(const std::filesystem::path& inputPath,
                                    const ConversionContext& context,
                                    const NmeaReadOptions& reading) {
    NmeaLogReader reader(inputPath, context.progress, reading);
    auto result =
        writeAlmapTrackOf(inputPath, context, [&reader] { return reader.nextGgaFix(); });
    result.log = reader.counts();
    return result;
}

}  // namespace morlindo
