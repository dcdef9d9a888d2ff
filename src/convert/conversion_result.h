// What a conversion reports back: the file it wrote, how many points
// (records, route or track points, waypoints) went into it, whether a text
// written into it (a name, a description) had characters its code page
// lacks, which became "?", and what of the source the target could not hold.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "formats/item_stream.h"

namespace morlindo {

struct ConversionResult {
    std::filesystem::path output;
    std::uint64_t points = 0;
    bool charactersReplaced = false;
    Dropped dropped;
};

// What was dropped, for the user: "tracks joined, 9 waypoints, 2 routes,
// names"; empty when nothing was.
std::string droppedText(const Dropped& dropped);

}  // namespace morlindo
