#include "convert/output_path.h"

#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace morlindo {
namespace {

using NativeString = std::filesystem::path::string_type;
using NativeChar = NativeString::value_type;

bool isSeparator(NativeChar c) {
#ifdef _WIN32
    return c == L'\\' || c == L'/' || c == L':';  // "D:a.alr" lies in the folder "D:"
#else
    return c == '/';
#endif
}

// Length of the folder part, up to and including the last separator.
std::size_t folderLength(const NativeString& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1])) return i;
    }
    return 0;
}

NativeString baseName(const NativeString& path) {
    NativeString name = path.substr(folderLength(path));
    return name.substr(0, name.rfind(NativeChar('.')));
}

}  // namespace

std::filesystem::path outputPathFor(const std::filesystem::path& inputPath,
                                    const std::filesystem::path& extension) {
    const NativeString& text = inputPath.native();
    return std::filesystem::path(text.substr(0, folderLength(text)) + baseName(text) +
                                 extension.native());
}

std::filesystem::path outputPathFor(const std::filesystem::path& inputPath,
                                    const std::filesystem::path& extension,
                                    const std::filesystem::path& outputFolder) {
    const auto beside = outputPathFor(inputPath, extension);
    return outputFolder.empty() ? beside : outputFolder / beside.filename();
}

std::filesystem::path baseNameOf(const std::filesystem::path& inputPath) {
    return std::filesystem::path(baseName(inputPath.native()));
}

NativeString pathIdentity(const std::filesystem::path& path) {
    std::error_code status;
    const std::filesystem::path absolute = std::filesystem::absolute(path, status);
    NativeString text = (status ? path : absolute).lexically_normal().native();
#ifdef _WIN32
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
#endif
    return text;
}

}  // namespace morlindo
