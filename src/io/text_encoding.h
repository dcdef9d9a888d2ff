// The code page of the text written into the files the map programs read
// (the names and descriptions in .plt, .rte and .wpt files). Those programs
// read a file in the Windows code page of the machine they run on, so text
// goes out in the system's code page unless the user names another: on
// Linux, files for a Korean Windows machine are written in CP949.
//
// Text comes in as UTF-8 (the front ends hold it so) or as a file name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morlindo {

class TextEncoding {
public:
    // The system's code page: on Windows the ANSI code page, with the
    // system's own replacements (a look-alike where it knows one, else "?");
    // elsewhere the character set of the locale (LC_ALL, LC_CTYPE, LANG).
    // Where that is UTF-8 or plain ASCII (the "C" locale), text passes
    // unchanged; file names always do, as they are bytes in that set already.
    static TextEncoding system();
    // The code page of that name ("CP949", "windows-1252", "EUC-KR",
    // "UTF-8", ...); nullopt for a name the system does not know. On Windows
    // the name is taken to a code page number that the system must have.
    static std::optional<TextEncoding> named(std::string_view name);

    // UTF-8 text in this code page: each character the code page lacks, and
    // each byte that is no part of a UTF-8 character, becomes one "?"; then
    // *replaced, when given, becomes true (it is never set to false), so
    // that a front end can say that a file lost characters.
    std::string fromUtf8(std::string_view utf8, bool* replaced = nullptr) const;
    // A file name (or any path part) in this code page, in the same way.
    std::string fromPath(const std::filesystem::path& name, bool* replaced = nullptr) const;

    const std::string& name() const noexcept { return name_; }

private:
    TextEncoding() = default;

    std::string name_;
    bool isSystem_ = false;
#ifdef _WIN32
    unsigned codePage_ = 0;
#else
    bool passesUtf8_ = false;      // system(): the locale's set is UTF-8 or ASCII
    std::string fileNameCharset_;  // what the bytes of file names are in
#endif
};

#ifdef _WIN32
// The number of the Windows code page that people call by this name:
// "CP949", "windows-949", "949", "EUC-KR", "Shift_JIS", ...
std::optional<unsigned> windowsCodePageNamed(std::string_view name);
#endif

}  // namespace morlindo
