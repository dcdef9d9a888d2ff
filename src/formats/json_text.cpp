#include "formats/json_text.h"

namespace morlindo {

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

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        char32_t codePoint = 0;
        std::size_t length = 1;
        if (c == '"' || c == '\\') {
            out += {'\\', static_cast<char>(c)};
        } else if (c < 0x20) {
            out += {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
        } else if ((length = utf8Sequence(text, at, codePoint)) > 0) {
            out.append(text, at, length);
        } else {
            out += "\\ufffd";
            length = 1;
        }
        at += length;
    }
    out += '"';
}

std::string jsonString(std::string_view text) {
    std::string json;
    appendJsonString(json, text);
    return json;
}

}  // namespace morlindo
