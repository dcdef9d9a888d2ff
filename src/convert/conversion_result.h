// What a conversion reports back: the file it wrote, how many points
// (records, route or track points, waypoints) went into it, whether a text
// written into it (a name, a description) had characters its code page
// lacks, which became "?", what of the source the target could not hold,
// and for an NMEA log, what its reading met. A conversion that finds no
// point still writes its output, but never over an older file of that name:
// that stays as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "formats/item_stream.h"
#include "formats/nmea_log.h"
#include "io/output_file.h"

namespace morlindo {

struct ConversionResult {
    std::filesystem::path output;
    std::uint64_t points = 0;
    bool charactersReplaced = false;
    Dropped dropped;
    // No point, and the output's name held a file already, which was kept.
    bool keptOlderOutput = false;
    std::optional<NmeaLogCounts> log = std::nullopt;  // for an NMEA log
};

// What was dropped, for the user: "tracks joined, 9 waypoints, 2 routes,
// names"; empty when nothing was.
std::string droppedText(const Dropped& dropped);

// Commits the output, unless it holds no point and its name holds a file:
// an empty result must not silently replace a track made earlier. The
// result says which it did.
ConversionResult commitResult(OutputFile& output, const std::filesystem::path& outputPath,
                              std::uint64_t points);

}  // namespace morlindo
