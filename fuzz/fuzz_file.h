// The readers take paths, so each fuzz input is written to a scratch file
// first (in memory-backed /dev/shm where there is one).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "convert/conversion_context.h"

namespace morlindo::fuzz {

inline std::filesystem::path scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        auto folder = base / ("morlindo-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        return folder;
    }();
    return folder;
}

inline std::filesystem::path writeScratchFile(const char* name, const std::uint8_t* data,
                                              std::size_t size) {
    const auto path = scratchFolder() / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The context of the conversions: a fixed clock and the system's code page.
inline morlindo::ConversionContext fuzzContext() {
    static const morlindo::FixedClock clock(morlindo::DateTime{2004, 11, 8, 15, 30, 0});
    static const morlindo::TextEncoding encoding = morlindo::TextEncoding::system();
    return {clock, encoding};
}

// Stops the process loudly: libFuzzer reports the input that got here.
[[noreturn]] inline void fuzzFailure(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace morlindo::fuzz
