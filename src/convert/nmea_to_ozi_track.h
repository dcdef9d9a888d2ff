// NMEA log (.nmea) -> OziExplorer track (.plt): every fix of the paired
// reading becomes one point with altitude and local time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "formats/ozi_track.h"

namespace morlindo {

struct NmeaOziTrackOptions : OziTrackOptions {
    int timeZoneHours = 9;  // added to the UTC time of every fix
};

ConversionResult convertNmeaToOziTrack(const std::filesystem::path& inputPath,
                                       const NmeaOziTrackOptions& options,
                                       const ConversionContext& context,
                                       const NmeaReadOptions& reading = {});

}  // namespace morlindo
