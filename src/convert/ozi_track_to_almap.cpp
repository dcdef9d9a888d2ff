#include "convert/ozi_track_to_almap.h"

#include "io/error.h"

namespace morlindo {

ConversionResult convertOziTrackToAlmap(const std::filesystem::path& inputPath) {
    throw Error(inputPath, "this conversion is not available yet");
}

}  // namespace morlindo
