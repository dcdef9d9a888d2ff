// What a conversion reports back: the file it wrote, how many points
// (records, route or track points, waypoints) went into it, whether a text
// written into it (a name, a description) had characters its code page
// lacks, which became "?"; for an NMEA log, what its reading met. A
// conversion that finds no point still writes its output, but never over an
// older file of that name: that stays as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#include "formats/nmea_log.h"
#include "io/output_file.h"

namespace morlindo {

struct ConversionResult {
    std::filesystem::path output;
    std::uint64_t points = 0;
    bool charactersReplaced = false;
    // No point, and the output's name held a file already, which was kept.
    bool keptOlderOutput = false;
    std::optional<NmeaLogCounts> log = std::nullopt;  // for an NMEA log
};

// Commits the output, unless it holds no point and its name holds a file:
// an empty result must not silently replace a track made earlier.
inline ConversionResult commitResult(OutputFile& output, const std::filesystem::path& outputPath,
                                     std::uint64_t points) {
    std::error_code error;
    if (points == 0 && std::filesystem::symlink_status(outputPath, error).type() !=
                           std::filesystem::file_type::not_found && !error) {
        return {outputPath, 0, false, true, std::nullopt};
    }
    output.commit();
    return {outputPath, points, false, false, std::nullopt};
}

}  // namespace morlindo
