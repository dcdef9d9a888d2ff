// The AlMap track file (.alr): a 13-byte signature ("ALMAPGPS" and five 0x01
// bytes) followed by packed 32-byte point records, little-endian:
//   0  binary64 longitude (east positive)    8  binary64 latitude (north positive)
//   16 binary64 value3                        24 four signed 16-bit words
// This system uses only longitude and latitude; it writes value3 = 0.0 and
// the words 60, 0, 0, 0. There is no record count: readers take it from the
// file length, which is the signature and whole records.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

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

// Whole records in a file of the given length: (length - 13) / 32, 0 below 13.
std::uint64_t almapRecordCount(std::uint64_t fileLength);

// Reads a track record by record, from the first record on. Only a file that
// is what it claims is read: one that does not begin with the signature, or
// whose length is not the signature plus whole records, is refused when it
// is opened; a record whose latitude is not within -90 to 90 or longitude
// not within -180 to 180 (or not a finite number) is refused when it is
// read, naming the record. Random bytes or another kind of file renamed to
// .alr would otherwise read as points far off the earth.
class AlmapTrackReader {
public:
    // Opens an existing file, checks its signature and counts its records;
    // progress, when given, hears how far it has been read.
    explicit AlmapTrackReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);

    std::uint64_t recordCount() const noexcept { return recordCount_; }
    // Records returned so far: the number of the last one, from 1.
    std::uint64_t recordsRead() const noexcept { return recordsRead_; }
    const std::filesystem::path& path() const noexcept { return file_.path(); }

    // The next record; nullopt after the last. Throws Error for a record
    // whose coordinates are off the earth, and when the file ends early (it
    // shrank while being read).
    std::optional<AlmapTrackPoint> next();

private:
    InputFile file_;
    std::uint64_t recordCount_;
    std::uint64_t recordsRead_ = 0;
};

// Writes a track into an output file: the signature at once, then one record
// per point with the fixed trailing values.
class AlmapTrackWriter {
public:
    // Writes the signature.
    explicit AlmapTrackWriter(OutputFile& output);

    void writeAlmapPoint(double longitude, double latitude);

private:
    OutputFile& output_;
};

}  // namespace morlindo
