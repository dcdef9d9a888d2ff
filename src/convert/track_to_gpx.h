// AlMap track (.alr), OziExplorer track (.plt) or NMEA log (.nmea) -> GPS
// Exchange file (.gpx): one track named after the input, one point per
// record, point line or paired fix, in order.
//   .alr   positions only
//   .plt   the altitude from feet (none for -777) and the UTC time: the
//          point's local day number less the time zone
//   .nmea  the paired reading: altitude in metres as logged, UTC time
// A point that GPX cannot hold (a latitude beyond 90 degrees either way or a
// longitude beyond 180, as a damaged file may have) fails the conversion.
#pragma once

#include <filesystem>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"

namespace morlindo {

struct TrackGpxOptions {
    int timeZoneHours = 9;  // the zone of an OziExplorer track's local times
};

ConversionResult convertAlmapToGpx(const std::filesystem::path& inputPath,
                                   const ConversionContext& context);
ConversionResult convertOziTrackToGpx(const std::filesystem::path& inputPath,
                                      const TrackGpxOptions& options,
                                      const ConversionContext& context);
ConversionResult convertNmeaToGpx(const std::filesystem::path& inputPath,
                                  const ConversionContext& context,
                                  const NmeaReadOptions& reading = {});

}  // namespace morlindo
