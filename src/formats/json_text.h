// Text as JSON strings, for the GeoJSON files and the command line's --json
// lines, and the reading of UTF-8 characters that this needs. Text is held
// as UTF-8 but may carry other bytes (a Linux file name in another encoding,
// a damaged name in an input file); JSON must be UTF-8, so each such byte
// becomes U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morlindo {

// The length of the valid UTF-8 sequence at text[at], with its code point;
// 0 where the bytes there are not one (a stray continuation byte, an
// overlong form, a surrogate, a sequence cut short).
std::size_t utf8Sequence(std::string_view text, std::size_t at, char32_t& codePoint);

// text as a JSON string, quotes included: quotes, backslashes and control
// characters escaped, and each byte that is not part of valid UTF-8 as
// U+FFFD, so that every JSON reader takes it.
std::string jsonString(std::string_view text);
void appendJsonString(std::string& out, std::string_view text);

}  // namespace morlindo
