#include "cli/output_text.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace morlindo::cli {
namespace {

// Columns a code point takes on a terminal: two for the wide characters of
// East Asian scripts (Hangul among them) and for emoji.
std::size_t codePointColumns(char32_t c) {
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
                      (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

// The characters of text with the columns each takes (a byte that is not
// valid UTF-8 counts as one character of one column).
std::vector<std::pair<std::size_t, std::size_t>> characterWidths(std::string_view text) {
    std::vector<std::pair<std::size_t, std::size_t>> widths;  // (bytes, columns)
    for (std::size_t at = 0; at < text.size();) {
        char32_t codePoint = 0;
        const std::size_t length = utf8Sequence(text, at, codePoint);
        widths.emplace_back(std::max<std::size_t>(length, 1),
                            length > 0 ? codePointColumns(codePoint) : 1);
        at += widths.back().first;
    }
    return widths;
}

}  // namespace

std::string jsonPathString(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return jsonString(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

std::size_t columnsOf(std::string_view text) {
    std::size_t columns = 0;
    for (const auto& [bytes, width] : characterWidths(text)) columns += width;
    return columns;
}

std::string endFitting(const std::string& text, std::size_t room) {
    std::size_t columns = columnsOf(text);
    if (columns <= room) return text;
    if (room < 4) return std::string(room, '.');
    std::size_t start = 0;
    for (const auto& [bytes, width] : characterWidths(text)) {
        if (3 + columns <= room) break;
        start += bytes;
        columns -= width;
    }
    return "..." + text.substr(start);
}

}  // namespace morlindo::cli
