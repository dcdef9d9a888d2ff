// The few calls where the C library differs between platforms: opening a
// file by a path that may hold any Unicode characters, and seeking past 2 GiB.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace morlindo {

enum class NativeMode {
    Read,            // an existing file, binary
    CreateExclusive  // a new file, binary; fails when the name is taken
};

// Returns nullptr with errno set on failure.
std::FILE* openNativeFile(const std::filesystem::path& path, NativeMode mode);

bool seekNativeFile(std::FILE* file, std::uint64_t offset);

}  // namespace morlindo
