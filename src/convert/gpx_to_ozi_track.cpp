#include "convert/gpx_to_ozi_track.h"

#include "convert/receiver_track_lines.h"
#include "formats/gpx_reader.h"

namespace morlindo {

ConversionResult convertGpxToOziTrack(const std::filesystem::path& inputPath,
                                      const NmeaOziTrackOptions& options,
                                      const ConversionContext& context) {
    static constexpr ReasonPattern kChanged{
        "the file changed while it was being converted; convert it again"};
    return writeReceiverTrack(inputPath, options, context, kChanged, [&](auto&& onPoint) {
        GpxReader reader(inputPath, context.progress);
        while (const auto point = reader.next()) {
            // A point without a time gets the clock's, as AlMap tracks do, in
            // the zone the other points are written in.
            const DateTime local = point->utcTime ? addHours(*point->utcTime, options.timeZoneHours)
                                                  : context.clock.nowInZone(options.timeZoneHours);
            onPoint(
                ReceiverPoint{point->latitude, point->longitude, point->elevationMeters, local});
        }
    });
}

}  // namespace morlindo
