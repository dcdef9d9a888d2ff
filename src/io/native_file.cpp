#include "io/native_file.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
// windows.h first: the headers below need its types.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

bool isWriteProtected(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return true;
    // The access rights of the file may deny writing too. Opening it for
    // writing without truncating it asks the system without changing it.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_ACCESS_DENIED;
    CloseHandle(file);
    return false;
}

bool copyNativePermissions(const std::filesystem::path& original, std::FILE* copy) {
    const DWORD attributes = GetFileAttributesW(original.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO information{};  // times of 0 stay as they are
    information.FileAttributes =
        (attributes & kKept) != 0 ? attributes & kKept : FILE_ATTRIBUTE_NORMAL;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(copy)));
    if (SetFileInformationByHandle(handle, FileBasicInfo, &information, sizeof information)) {
        return true;
    }
    errno = EACCES;
    return false;
}

bool syncNativeFile(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

bool syncNativeFolder(const std::filesystem::path&) { return true; }

#else

std::FILE* openNativeFile(const std::filesystem::path& path, NativeMode mode) {
    return std::fopen(path.c_str(), mode == NativeMode::Read ? "rb" : "wbx");
}

bool seekNativeFile(std::FILE* file, std::uint64_t offset) {
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool isWriteProtected(const std::filesystem::path& path) {
    // With the effective user and group, as opening the file would check.
    return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EPERM);
}

bool copyNativePermissions(const std::filesystem::path& original, std::FILE* copy) {
    struct stat status {};
    if (stat(original.c_str(), &status) != 0) return true;
    const int descriptor = fileno(copy);
    if (fchown(descriptor, status.st_uid, status.st_gid) != 0 &&
        fchown(descriptor, static_cast<uid_t>(-1), status.st_gid) != 0) {
        // Only root may give a file away, and only a member of the group
        // may give it that group: otherwise the new file is the writer's,
        // as any file they create.
    }
    return fchmod(descriptor, status.st_mode & 0777) == 0;
}

bool syncNativeFile(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool syncNativeFolder(const std::filesystem::path& folder) {
    const int descriptor =
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor == -1) return true;
    // Some file systems cannot sync a folder and say so with EINVAL.
    const bool synced = fsync(descriptor) == 0 || errno == EINVAL;
    const int reason = errno;
    close(descriptor);
    errno = reason;
    return synced;
}

#endif

}  // namespace morlindo
