#include "io/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include "io/system_text.h"
#else
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>
#endif

namespace morlindo {
namespace {

struct Utf8Character {
    std::size_t length = 0;  // 0: the bytes are no UTF-8 character
    char32_t codePoint = 0;
};

// The UTF-8 character that text begins with. Overlong forms, surrogates,
// values beyond U+10FFFF and sequences cut short are none.
Utf8Character utf8CharacterAt(std::string_view text) {
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return {1, lead};
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        codePoint = codePoint << 6 | (byte(i) & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {};
    }
    return {length, codePoint};
}

// A character set's name as the systems compare them: letters and digits
// alone, in upper case ("windows-1252" and "WINDOWS1252" are one).
std::string canonicalName(std::string_view name) {
    std::string canonical;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            canonical += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return canonical;
}

}  // namespace

#ifdef _WIN32
namespace {

// The code page numbers of the names people give them: "CP949", "windows-949"
// and "949" alike, and the common names of the rest.
std::optional<UINT> codePageNamed(std::string_view name) {
    const std::string canonical = canonicalName(name);
    for (const std::string_view prefix : {"CP", "WINDOWS", "IBM", "MS", ""}) {
        if (!canonical.starts_with(prefix) || canonical.size() == prefix.size()) continue;
        const std::string_view digits = std::string_view(canonical).substr(prefix.size());
        if (digits.size() <= 5 && std::all_of(digits.begin(), digits.end(),
                                              [](char c) { return c >= '0' && c <= '9'; })) {
            return static_cast<UINT>(std::stoul(std::string(digits)));
        }
    }
    static constexpr std::pair<std::string_view, UINT> kNamed[] = {
        {"UTF8", CP_UTF8},    {"UTF7", CP_UTF7},   {"ASCII", 20127},     {"USASCII", 20127},
        {"UHC", 949},         {"EUCKR", 51949},    {"KSC56011987", 949}, {"JOHAB", 1361},
        {"SHIFTJIS", 932},    {"SJIS", 932},       {"EUCJP", 20932},     {"GBK", 936},
        {"GB2312", 936},      {"GB18030", 54936},  {"BIG5", 950},        {"KOI8R", 20866},
        {"KOI8U", 21866},     {"LATIN1", 28591},   {"ISO88591", 28591},  {"ISO88592", 28592},
        {"ISO88595", 28595},  {"ISO88597", 28597}, {"ISO88599", 28599},  {"ISO885915", 28605},
        {"MACINTOSH", 10000},
    };
    for (const auto& [known, codePage] : kNamed) {
        if (canonical == known) return codePage;
    }
    return std::nullopt;
}

// Whether WideCharToMultiByte takes a replacement character for the code
// page; the others (UTF-8, GB18030, the ISO 2022 and ISCII pages) refuse one.
bool takesReplacement(UINT codePage) {
    return codePage != CP_UTF8 && codePage != CP_UTF7 && codePage != 54936 && codePage != 42 &&
           !(codePage >= 50220 && codePage <= 50229) && !(codePage >= 57002 && codePage <= 57011);
}

// A character beyond U+FFFF takes two UTF-16 units, which the system would
// replace by two "?": in a code page without such characters (all but the
// Unicode ones and GB18030) it becomes one "?" here.
std::wstring oneUnitPerMissingCharacter(UINT codePage, std::wstring_view wide, bool& replaced) {
    if (codePage == CP_UTF8 || codePage == CP_UTF7 || codePage == 54936) return std::wstring(wide);
    std::wstring units;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() &&
                          wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
        units += pair ? L'?' : wide[i];
        i += pair ? 1 : 0;
        replaced = replaced || pair;
    }
    return units;
}

std::string narrowWithQuestionMarks(UINT codePage, std::wstring_view unicode, bool& replaced) {
    const std::wstring wide = oneUnitPerMissingCharacter(codePage, unicode, replaced);
    if (wide.empty()) return {};
    const bool replace = takesReplacement(codePage);
    const DWORD flags = replace ? WC_NO_BEST_FIT_CHARS : 0;
    const char* replacement = replace ? "?" : nullptr;
    BOOL usedReplacement = FALSE;
    BOOL* used = replace ? &usedReplacement : nullptr;  // the others refuse the question
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, replacement, used);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), length, text.data(), size, replacement,
                        nullptr);
    replaced = replaced || usedReplacement;
    return text;
}

// Whether the system's code page lacks a character of the text; one it has
// a look-alike for counts as there.
bool systemCodePageLacksAny(std::wstring_view wide) {
    if (wide.empty() || !takesReplacement(GetACP())) return false;
    BOOL used = FALSE;
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                        &used);
    return used;
}

// UTF-8 as UTF-16, each byte that is no part of a character as "?".
std::wstring wideWithQuestionMarks(std::string_view utf8, bool& replaced) {
    std::wstring wide;
    while (!utf8.empty()) {
        const Utf8Character character = utf8CharacterAt(utf8);
        if (character.length == 0) {
            wide += L'?';
            utf8.remove_prefix(1);
            replaced = true;
            continue;
        }
        if (character.codePoint >= 0x10000) {
            const char32_t offset = character.codePoint - 0x10000;
            wide += static_cast<wchar_t>(0xD800 + (offset >> 10));
            wide += static_cast<wchar_t>(0xDC00 + (offset & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(character.codePoint);
        }
        utf8.remove_prefix(character.length);
    }
    return wide;
}

}  // namespace

std::optional<unsigned> windowsCodePageNamed(std::string_view name) { return codePageNamed(name); }

TextEncoding TextEncoding::system() {
    TextEncoding encoding;
    encoding.name_ = "CP" + std::to_string(GetACP());
    encoding.isSystem_ = true;
    encoding.codePage_ = CP_ACP;
    return encoding;
}

std::optional<TextEncoding> TextEncoding::named(std::string_view name) {
    const auto codePage = codePageNamed(name);
    if (!codePage || !IsValidCodePage(*codePage)) return std::nullopt;
    TextEncoding encoding;
    encoding.name_ = std::string(name);
    encoding.codePage_ = *codePage;
    return encoding;
}

std::string TextEncoding::fromUtf8(std::string_view utf8, bool* replaced) const {
    bool lost = false;
    std::string text;
    if (isSystem_) {
        text = systemTextFromUtf8(utf8);
        if (replaced) {
            const std::wstring wide = wideWithQuestionMarks(utf8, lost);
            lost = lost || systemCodePageLacksAny(wide);
        }
    } else {
        text = narrowWithQuestionMarks(codePage_, wideWithQuestionMarks(utf8, lost), lost);
    }
    if (replaced && lost) *replaced = true;
    return text;
}

std::string TextEncoding::fromPath(const std::filesystem::path& name, bool* replaced) const {
    bool lost = false;
    std::string text;
    if (isSystem_) {
        text = systemText(name);
        lost = replaced && systemCodePageLacksAny(name.native());
    } else {
        text = narrowWithQuestionMarks(codePage_, name.native(), lost);
    }
    if (replaced && lost) *replaced = true;
    return text;
}

#else
namespace {

// A conversion of iconv, closed when it goes.
class Conversion {
public:
    Conversion(const std::string& from, const std::string& to)
        : descriptor_(iconv_open(to.c_str(), from.c_str())) {}
    ~Conversion() {
        if (isOpen()) iconv_close(descriptor_);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    bool isOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Converts text onto the end of out: true when all of it went, false at
    // a sequence that cannot go (not in the source set, or not in the
    // target's), which text then begins with.
    bool convertOnto(std::string_view& text, std::string& out) {
        char* in = const_cast<char*>(text.data());  // iconv only reads it
        std::size_t inLeft = text.size();
        bool done = false;
        for (bool roomLacking = true; roomLacking;) {
            const std::size_t used = out.size();
            out.resize(used + inLeft * 4 + 16);
            char* to = out.data() + used;
            std::size_t toLeft = out.size() - used;
            done = iconv(descriptor_, &in, &inLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
            roomLacking = !done && errno == E2BIG;
            out.resize(out.size() - toLeft);
        }
        text = std::string_view(in, inLeft);
        return done;
    }

    // Ends the text, returning a code page with shift states to its first.
    void finish(std::string& out) {
        char ending[16];
        char* to = ending;
        std::size_t toLeft = sizeof ending;
        iconv(descriptor_, nullptr, nullptr, &to, &toLeft);
        out.append(ending, sizeof ending - toLeft);
    }

private:
    iconv_t descriptor_;
};

bool isUtf8(const std::string& charset) { return canonicalName(charset) == "UTF8"; }

// Text from one character set to another; each character the target lacks,
// and each byte that is no character of the source, becomes one "?".
std::string convert(std::string_view text, const std::string& from, const std::string& to,
                    bool* replaced) {
    Conversion conversion(from, to);
    if (!conversion.isOpen()) return std::string(text);  // both names were checked before
    std::string out;
    while (!conversion.convertOnto(text, out)) {
        if (replaced) *replaced = true;
        const std::size_t length = isUtf8(from) ? utf8CharacterAt(text).length : 0;
        text.remove_prefix(std::max<std::size_t>(length, 1));
        std::string_view questionMark = "?";
        conversion.convertOnto(questionMark, out);
    }
    conversion.finish(out);
    return out;
}

// The character set of the user's locale, without changing the program's.
std::string localeCharset() {
    const locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return "ANSI_X3.4-1968";
    std::string charset = nl_langinfo_l(CODESET, locale);
    freelocale(locale);
    return charset;
}

bool isAscii(const std::string& charset) {
    const std::string canonical = canonicalName(charset);
    return canonical == "ANSIX341968" || canonical == "ASCII" || canonical == "USASCII";
}

}  // namespace

TextEncoding TextEncoding::system() {
    TextEncoding encoding;
    encoding.name_ = localeCharset();
    encoding.isSystem_ = true;
    encoding.passesUtf8_ = isUtf8(encoding.name_) || isAscii(encoding.name_);
    encoding.fileNameCharset_ = encoding.name_;
    return encoding;
}

std::optional<TextEncoding> TextEncoding::named(std::string_view name) {
    // iconv takes options after "//" in a name; a name is only a name here.
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    TextEncoding encoding;
    encoding.name_ = std::string(name);
    if (!Conversion("UTF-8", encoding.name_).isOpen()) return std::nullopt;
    // File names in a "C" locale are taken as UTF-8, as everywhere else.
    const std::string charset = localeCharset();
    encoding.fileNameCharset_ = isAscii(charset) ? "UTF-8" : charset;
    return encoding;
}

std::string TextEncoding::fromUtf8(std::string_view utf8, bool* replaced) const {
    if (passesUtf8_) return std::string(utf8);
    return convert(utf8, "UTF-8", name_, replaced);
}

std::string TextEncoding::fromPath(const std::filesystem::path& name, bool* replaced) const {
    if (isSystem_) return name.native();
    if (isUtf8(fileNameCharset_)) return fromUtf8(name.native(), replaced);
    return fromUtf8(convert(name.native(), fileNameCharset_, "UTF-8", replaced), replaced);
}

#endif

}  // namespace morlindo
