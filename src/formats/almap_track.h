// The AlMap track file (.alr): a 13-byte signature ("ALMAPGPS" and five 0x01
// bytes) followed by packed 32-byte point records, little-endian:
//   0  binary64 longitude (east positive)    8  binary64 latitude (north positive)
//   16 binary64 value3                        24 four signed 16-bit words
// This system uses only longitude and latitude; it writes value3 = 0.0 and
// the words 60, 0, 0, 0. There is no record count: readers take it from the
// file length, and a trailing piece shorter than a record is ignored.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "io/input_file.h"
#include "io/output_file.h"

namespace morlindo {

struct AlmapTrackPoint {
    double longitude = 0;
    double latitude = 0;
    double value3 = 0;
    std::int16_t word1 = 60;
    std::int16_t word2 = 0;
    std::int16_t word3 = 0;
    std::int16_t word4 = 0;
};

inline constexpr std::uint64_t kAlmapSignatureSize = 13;
inline constexpr std::uint64_t kAlmapRecordSize = 32;

// Records in a file of the given length: (length - 13) / 32, 0 below 13.
std::uint64_t almapRecordCount(std::uint64_t fileLength);

// Reads a track record by record. The signature is skipped, not checked: any
// file is read from byte 13 on.
class AlmapTrackReader {
public:
    // openAlmapTrack: opens an existing file and counts its records.
    explicit AlmapTrackReader(const std::filesystem::path& path);

    std::uint64_t recordCount() const noexcept { return recordCount_; }
    const std::filesystem::path& path() const noexcept { return file_.path(); }

    void skipAlmapHeader();
    // Reads the next record. Throws Error when the file ends early (it shrank
    // while being read).
    AlmapTrackPoint readAlmapPoint();

private:
    InputFile file_;
    std::uint64_t recordCount_;
};

// Writes a track into an output file: the signature at once, then one record
// per point with the fixed trailing values.
class AlmapTrackWriter {
public:
    // createAlmapTrack: writes the signature.
    explicit AlmapTrackWriter(OutputFile& output);

    void writeAlmapPoint(double longitude, double latitude);

private:
    OutputFile& output_;
};

}  // namespace morlindo
