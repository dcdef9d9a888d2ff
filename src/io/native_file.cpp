#include "io/native_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace morlindo {

#ifdef _WIN32

// The "x" of fopen modes is ignored by msvcrt.dll, the C library that
// MinGW programs use, so an existing file would be truncated: the exclusive
// creation goes through _wopen and O_EXCL instead, which every Windows C
// library honours.
std::FILE* openNativeFile(const std::filesystem::path& path, NativeMode mode) {
    if (mode == NativeMode::Read) return _wfopen(path.c_str(), L"rb");
    const int descriptor =
        _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (descriptor == -1) return nullptr;
    std::FILE* file = _fdopen(descriptor, "wb");
    if (file == nullptr) _close(descriptor);
    return file;
}

bool seekNativeFile(std::FILE* file, std::uint64_t offset) {
    return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
}

#else

std::FILE* openNativeFile(const std::filesystem::path& path, NativeMode mode) {
    return std::fopen(path.c_str(), mode == NativeMode::Read ? "rb" : "wbx");
}

bool seekNativeFile(std::FILE* file, std::uint64_t offset) {
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

#endif

}  // namespace morlindo
