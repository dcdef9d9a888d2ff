// Reading AlMap track records for the conversions that turn them into text:
// a record whose coordinates are not finite numbers (NaN or infinity) means
// the file is not a track at all, and the conversion stops with an error.
#pragma once

#include <cstdint>

#include "formats/almap_track.h"

namespace morlindo {

// Reads the next record; recordNumber counts from 1 and goes into the error.
AlmapTrackPoint readCheckedAlmapPoint(AlmapTrackReader& reader, std::uint64_t recordNumber);

}  // namespace morlindo
