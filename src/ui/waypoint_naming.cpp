#include "ui/waypoint_naming.h"

#include <charconv>
#include <cstdint>

namespace morlindo::ui {

int prefixLimitFor(int nameSize) { return nameSize < 10 ? 3 : 7; }

std::optional<int> nameSizeFromText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    std::int16_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace morlindo::ui
