#include "convert/nmea_to_almap.h"

#include "io/error.h"

namespace morlindo {

ConversionResult convertNmeaToAlmap(const std::filesystem::path& inputPath) {
    throw Error(inputPath, "this conversion is not available yet");
}

}  // namespace morlindo
