#include "cli/output_text.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace morlindo::cli {
namespace {

// The length of the valid UTF-8 sequence at text[at], with its code point;
// 0 where the bytes there are not one (a stray continuation byte, an
// overlong form, a surrogate, a sequence cut short).
std::size_t utf8Sequence(std::string_view text, std::size_t at, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size()) return 0;
    codePoint = length == 1 ? lead : lead & (0xFFu >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (next & 0x3Fu);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kLeast[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

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

std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        char32_t codePoint = 0;
        std::size_t length = 1;
        if (c == '"' || c == '\\') {
            json += {'\\', static_cast<char>(c)};
        } else if (c < 0x20) {
            json += {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
        } else if ((length = utf8Sequence(text, at, codePoint)) > 0) {
            json.append(text, at, length);
        } else {
            json += "\\ufffd";
            length = 1;
        }
        at += length;
    }
    return json + "\"";
}

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
