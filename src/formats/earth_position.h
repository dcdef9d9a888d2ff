// Where on the earth a point may lie, for writers whose files hold
// latitudes from -90 to 90 degrees and longitudes from -180 to 180 (and whose
// readers refuse anything else): a damaged source may hold more, or no
// number at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "formats/item_stream.h"

namespace morlindo {

// True for a latitude in [-90, 90] and a longitude in [-180, 180]; false for
// anything else, NaN included.
bool isOnEarth(double latitude, double longitude);

// The Error of point number `point` of the source, which lies off the earth:
// "point N at latitude A, longitude B lies outside what FORMAT holds
// (latitude -90 to 90, longitude -180 to 180)", at the item's line.
[[noreturn]] void failOffEarth(const std::filesystem::path& source, std::uint64_t point,
                               const Item& item, std::string_view formatName);

}  // namespace morlindo
