#include "io/system_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morlindo {

#ifdef _WIN32
namespace {

std::string narrowFromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring wideFromUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int length = static_cast<int>(utf8.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), size);
    return wide;
}

std::string utf8FromWide(std::wstring_view wide) { return narrowFromWide(CP_UTF8, wide); }

std::string systemText(const std::filesystem::path& name) {
    return narrowFromWide(CP_ACP, name.native());
}

std::string systemTextFromUtf8(std::string_view utf8) {
    return narrowFromWide(CP_ACP, wideFromUtf8(utf8));
}

std::filesystem::path pathFromUtf8(std::string_view utf8) { return wideFromUtf8(utf8); }

std::filesystem::path pathFromSystemText(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

#else

std::string systemText(const std::filesystem::path& name) { return name.native(); }

std::string systemTextFromUtf8(std::string_view utf8) { return std::string(utf8); }

std::filesystem::path pathFromUtf8(std::string_view utf8) { return std::string(utf8); }

std::filesystem::path pathFromSystemText(std::string_view text) { return std::string(text); }

#endif

}  // namespace morlindo
