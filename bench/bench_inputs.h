// Realistic inputs for the benchmarks: a 1 Hz receiver log of GGA and RMC
// sentences, and an AlMap track of the same drive. The drive is made up: a
// walk of varying speed and heading that starts in Seoul, with an altitude
// that drifts. A fixed seed makes every call write the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>

namespace morlindo::bench {

// A log with one GGA and one RMC sentence for each of `seconds` seconds,
// CR LF line ends; some 140 bytes a second. Throws morlindo::Error when the
// file cannot be written.
void writeBenchLog(const std::filesystem::path& path, std::uint64_t seconds);

// An AlMap track of `points` points, one a second of the same drive.
void writeBenchTrack(const std::filesystem::path& path, std::uint64_t points);

}  // namespace morlindo::bench
