// Reading text of a code page that a parser does not know itself, one
// character at a time: expat reads UTF-8, UTF-16, ISO-8859-1 and US-ASCII,
// and asks for any other declared encoding (EUC-KR, CP949, windows-1252,
// Shift_JIS, ...) a table of what each first byte is and a way to decode a
// character of several bytes. The system's iconv answers on Linux, the
// system's code pages on Windows.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace morlindo {

class CodePageDecoder {
public:
    // What a byte is when it begins a character: >= 0, the character it is
    // alone (its Unicode scalar, at most U+FFFF); -1, none; -2 to -4, the
    // first of a character of that many bytes.
    using ByteMap = std::array<int, 256>;

    // The code page of that name; nullopt when the system does not know it,
    // or when its characters cannot be told by their first byte alone, or
    // when it does not write the characters of XML markup as ASCII does
    // (UTF-16, EBCDIC, the ISO 2022 pages).
    static std::optional<CodePageDecoder> named(std::string_view name);

    CodePageDecoder(CodePageDecoder&&) noexcept;
    CodePageDecoder& operator=(CodePageDecoder&&) noexcept;
    ~CodePageDecoder();

    const ByteMap& byteMap() const noexcept { return map_; }
    // The Unicode scalar of the character of `length` bytes (as the byte map
    // gives it for the first); -1 when the bytes are none, or one beyond
    // U+FFFF.
    int decode(const char* bytes, int length) const;

private:
    struct System;
    explicit CodePageDecoder(std::unique_ptr<System> system);
    bool writesMarkupAsAscii() const;

    std::unique_ptr<System> system_;
    ByteMap map_{};
};

}  // namespace morlindo
