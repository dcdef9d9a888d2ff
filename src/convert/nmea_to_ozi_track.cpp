#include "convert/nmea_to_ozi_track.h"

#include "convert/receiver_track_lines.h"
#include "formats/nmea_log.h"

namespace morlindo {

ConversionResult convertNmeaToOziTrack(const std::filesystem::path& inputPath,
                                       const NmeaOziTrackOptions& options,
                                       const ConversionContext& context,
                                       const NmeaReadOptions& reading) {
    static constexpr ReasonPattern kChanged{
        "the log changed while it was being converted; convert it again"};
    NmeaLogReader reader(inputPath, context.progress, reading);
    auto result = writeReceiverTrack(inputPath, options, context, kChanged, [&](auto&& onPoint) {
        reader.rewind();
        while (const auto fix = reader.nextPairedFix()) {
            onPoint(ReceiverPoint{fix->latitude, fix->longitude, fix->altitudeMeters,
                                  localFixTime(fix->utcTime, options.timeZoneHours)});
        }
    });
    result.log = reader.counts();
    return result;
}

}  // namespace morlindo
