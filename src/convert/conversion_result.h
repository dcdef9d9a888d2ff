// What a conversion reports back: the file it wrote, how many points
// (records, route or track points, waypoints) went into it, and whether a
// text written into it (a name, a description) had characters its code page
// lacks, which became "?".
#pragma once

#include <cstdint>
#include <filesystem>

namespace morlindo {

struct ConversionResult {
    std::filesystem::path output;
    std::uint64_t points = 0;
    bool charactersReplaced = false;
};

}  // namespace morlindo
