#include "io/native_file.h"

namespace morlindo {

std::FILE* openNativeFile(const std::filesystem::path& path, NativeMode mode) {
#ifdef _WIN32
    return _wfopen(path.c_str(), mode == NativeMode::Read ? L"rb" : L"wbx");
#else
    return std::fopen(path.c_str(), mode == NativeMode::Read ? "rb" : "wbx");
#endif
}

bool seekNativeFile(std::FILE* file, std::uint64_t offset) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

}  // namespace morlindo
