#include "io/code_page_decoder.h"

#include <bit>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "io/text_encoding.h"
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace morlindo {
namespace {

constexpr int kNone = -1;
constexpr int kIncomplete = -2;  // the bytes begin a character, and more are needed

// A scalar that a parser of 16-bit characters can take.
int within16Bits(char32_t c) { return c <= 0xFFFF && (c < 0xD800 || c > 0xDFFF) ? int(c) : kNone; }

}  // namespace

#ifdef _WIN32

struct CodePageDecoder::System {
    UINT codePage;

    // The character of exactly these bytes, or kNone.
    int decoded(const char* bytes, int length) const {
        wchar_t wide[2];
        const int count =
            MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, wide, 2);
        return count == 1 ? within16Bits(wide[0]) : kNone;
    }
    // A byte that leads a character of two: the double-byte code pages (932,
    // 936, 949, 950, 1361) are the only multi-byte pages that expat can take.
    int leadLength(unsigned char byte) const { return IsDBCSLeadByteEx(codePage, byte) ? 2 : 0; }
};

std::optional<CodePageDecoder> CodePageDecoder::named(std::string_view name) {
    auto codePage = windowsCodePageNamed(name);
    // EUC-KR is the part of code page 949 that Hangul text of KS X 1001
    // uses, and reads the same through it; 949 is a double-byte page that
    // the system can tell by its first bytes.
    constexpr UINT kEucKr = 51949, kKorean = 949;
    if (codePage == kEucKr) codePage = kKorean;
    if (!codePage || !IsValidCodePage(*codePage)) return std::nullopt;
    CodePageDecoder decoder(std::make_unique<System>(System{*codePage}));
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const int lead = decoder.system_->leadLength(static_cast<unsigned char>(byte));
        decoder.map_[byte] = lead > 0 ? -lead : decoder.system_->decoded(&c, 1);
    }
    if (!decoder.writesMarkupAsAscii()) return std::nullopt;
    return decoder;
}

int CodePageDecoder::decode(const char* bytes, int length) const {
    return system_->decoded(bytes, length);
}

#else

struct CodePageDecoder::System {
    iconv_t descriptor;

    explicit System(iconv_t opened) : descriptor(opened) {}
    System(const System&) = delete;
    System& operator=(const System&) = delete;
    ~System() { iconv_close(descriptor); }

    // The character of exactly these bytes: its scalar, kIncomplete when
    // they only begin one, kNone otherwise.
    int decoded(const char* bytes, int length) const {
        iconv(descriptor, nullptr, nullptr, nullptr, nullptr);  // the first shift state
        char* in = const_cast<char*>(bytes);                    // iconv only reads it
        std::size_t inLeft = static_cast<std::size_t>(length);
        char32_t out[2];
        char* to = reinterpret_cast<char*>(out);
        std::size_t toLeft = sizeof out;
        const bool done = iconv(descriptor, &in, &inLeft, &to, &toLeft) != std::size_t(-1);
        if (!done) return errno == EINVAL ? kIncomplete : kNone;
        if (inLeft != 0 || toLeft != sizeof out - sizeof(char32_t)) return kNone;
        return within16Bits(out[0]);
    }

    // The length of the characters the byte begins: 2 to 4, or 0 when no
    // character of a few bytes begins with it.
    int leadLength(unsigned char lead) const {
        for (int length = 2; length <= 4; ++length) {
            for (int trail = 0x30; trail <= 0xFE; ++trail) {
                const std::string bytes =
                    std::string(1, char(lead)) + std::string(std::size_t(length - 1), char(trail));
                if (decoded(bytes.data(), length) >= 0) return length;
            }
        }
        return 0;
    }
};

std::optional<CodePageDecoder> CodePageDecoder::named(std::string_view name) {
    // iconv takes options after "//" in a name; a name is only a name here.
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    // Native order: the scalars are read as char32_t.
    const char* scalars = std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
    const iconv_t descriptor = iconv_open(scalars, std::string(name).c_str());
    if (descriptor == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    CodePageDecoder decoder(std::make_unique<System>(descriptor));
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const int alone = decoder.system_->decoded(&c, 1);
        const int lead =
            alone == kIncomplete ? decoder.system_->leadLength(static_cast<unsigned char>(c)) : 0;
        decoder.map_[byte] = lead > 0 ? -lead : alone >= 0 ? alone : kNone;
    }
    if (!decoder.writesMarkupAsAscii()) return std::nullopt;
    return decoder;
}

int CodePageDecoder::decode(const char* bytes, int length) const {
    const int scalar = system_->decoded(bytes, length);
    return scalar >= 0 ? scalar : kNone;
}

#endif

CodePageDecoder::CodePageDecoder(std::unique_ptr<System> system) : system_(std::move(system)) {}
CodePageDecoder::CodePageDecoder(CodePageDecoder&&) noexcept = default;
CodePageDecoder& CodePageDecoder::operator=(CodePageDecoder&&) noexcept = default;
CodePageDecoder::~CodePageDecoder() = default;

// expat asks that every ASCII character XML markup may use (all but
// $ @ \ ^ ` { } ~) be its own single byte.
bool CodePageDecoder::writesMarkupAsAscii() const {
    for (int c = 0; c < 0x80; ++c) {
        const bool markup = c == '\t' || c == '\n' || c == '\r' ||
                            (c >= 0x20 && c < 0x7F &&
                             std::string_view("$@\\^`{}~").find(char(c)) == std::string_view::npos);
        if (markup && map_[c] != c) return false;
    }
    return true;
}

}  // namespace morlindo
