// What a conversion reports back: the file it wrote and how many points
// (records, route or track points, waypoints) went into it.
#pragma once

#include <cstdint>
#include <filesystem>

namespace morlindo {

struct ConversionResult {
    std::filesystem::path output;
    std::uint64_t points = 0;
};

}  // namespace morlindo
