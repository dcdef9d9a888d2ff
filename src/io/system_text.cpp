#include "io/system_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morlindo {

std::string systemText(const std::filesystem::path& name) {
#ifdef _WIN32
    const std::wstring& wide = name.native();
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
#else
    return name.native();
#endif
}

}  // namespace morlindo
