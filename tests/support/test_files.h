// Helpers for tests that work on real files: a scratch folder removed after
// the test, whole-file reads and writes, AlMap track bytes built from points,
// the head of an OziExplorer track, the worked NMEA sentences, and the
// context the conversions run in.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "convert/conversion_context.h"

namespace morlindo::test {

// The moment of the worked examples, 2004-11-08 15:30:00 local time.
inline const DateTime kStamp{2004, 11, 8, 15, 30, 0};

// A conversion's context with the clock fixed at kStamp (or the given
// clock) and the system's code page.
inline ConversionContext fixedContext(const Clock& clock) {
    static const TextEncoding encoding = TextEncoding::system();
    return ConversionContext{clock, encoding};
}
inline ConversionContext fixedContext() {
    static const FixedClock clock(kStamp);
    return fixedContext(clock);
}

class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("morlindo-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Names of the entries in the folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void appendLittleEndian(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

inline const std::string kAlmapSignature{"ALMAPGPS\x01\x01\x01\x01\x01", 13};

// One record as this system writes it.
inline std::string almapRecord(double longitude, double latitude) {
    std::string record;
    appendLittleEndian(record, std::bit_cast<std::uint64_t>(longitude), 8);
    appendLittleEndian(record, std::bit_cast<std::uint64_t>(latitude), 8);
    appendLittleEndian(record, 0, 8);
    appendLittleEndian(record, 60, 2);
    appendLittleEndian(record, 0, 6);
    return record;
}

// A whole track file of (longitude, latitude) points.
inline std::string almapFile(const std::vector<std::pair<double, double>>& points) {
    std::string bytes = kAlmapSignature;
    for (const auto& [longitude, latitude] : points) bytes += almapRecord(longitude, latitude);
    return bytes;
}

// Text lines joined with CR LF after each.
inline std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// The six lines before the point lines of an OziExplorer track named `name`.
inline std::string oziTrackHeader(const std::string& name, const std::string& countLine) {
    return crlfLines({"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in feet",
                      "reserved 3", "0,2,255," + name + ",1,0,0,255", countLine});
}

// "$" + body + "*hh", hh being the checksum of the body (its bytes' exclusive-or).
inline std::string nmeaSentence(const std::string& body) {
    unsigned sum = 0;
    for (const char c : body) sum ^= static_cast<unsigned char>(c);
    const char* digits = "0123456789ABCDEF";
    return "$" + body + "*" + digits[sum >> 4] + digits[sum & 15];
}

// A fix at 48 07.0381' N, 11 31.000' E and its RMC of 23 March 1994, 12:35:19 UTC.
inline const std::string kGga =
    "$GPGGA,123519,4807.0381,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*76";
inline const std::string kRmc =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

}  // namespace morlindo::test
