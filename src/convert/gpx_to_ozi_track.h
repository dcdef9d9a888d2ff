// GPS Exchange file (.gpx) -> OziExplorer track (.plt), written as the NMEA
// log's track is: every point with its altitude in feet (-777 without ele)
// and its UTC time shifted into local time by the time zone; a point without
// a time gets the local time at which its line is written.
#pragma once

#include <filesystem>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "convert/nmea_to_ozi_track.h"

namespace morlindo {

ConversionResult convertGpxToOziTrack(const std::filesystem::path& inputPath,
                                      const NmeaOziTrackOptions& options,
                                      const ConversionContext& context);

}  // namespace morlindo
