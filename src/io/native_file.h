// The few calls where the C library differs between platforms: opening a
// file by a path that may hold any Unicode characters, seeking past 2 GiB,
// the permissions of a file, and waiting until written data are on the disk.
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

// True when a file exists at the path and this process may not write it: its
// permissions forbid it, or on Windows its read-only attribute. (Root may
// write any file, as with every other program.)
bool isWriteProtected(const std::filesystem::path& path);

// Gives a new file, open for writing, what the file it is to replace has:
// on POSIX its permission bits, and its owner and group as far as this
// process may set them; on Windows its attributes. Nothing when there is no
// such file. Returns false with errno set on failure.
bool copyNativePermissions(const std::filesystem::path& original, std::FILE* copy);

// Writes out the C library's buffer and waits until the file's data are on
// the disk. Returns false with errno set on failure.
bool syncNativeFile(std::FILE* file);

// Waits until a rename in the folder is on the disk (POSIX; the file systems
// of Windows record it themselves). Returns false with errno set on failure;
// a folder that cannot be opened or synced at all counts as done.
bool syncNativeFolder(const std::filesystem::path& folder);

}  // namespace morlindo
