// NMEA log (.nmea) -> AlMap track (.alr): every GGA sentence with a position
// becomes one record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"

namespace morlindo {

ConversionResult convertNmeaToAlmap(const std::filesystem::path& inputPath,
                                    const ConversionContext& context,
                                    const NmeaReadOptions& reading = {});

}  // namespace morlindo
