#include "convert/nmea_to_ozi_track.h"

#include "io/error.h"

namespace morlindo {

ConversionResult convertNmeaToOziTrack(const std::filesystem::path& inputPath,
                                       const NmeaOziTrackOptions&) {
    throw Error(inputPath, "this conversion is not available yet");
}

}  // namespace morlindo
