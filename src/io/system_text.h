// Text that the system writes into files comes out in the system's 8-bit
// code page, as the map programs that read those files expect. On Windows
// that is the ANSI code page (949 on a Korean system); elsewhere file names
// and arguments are already bytes in the system's encoding and pass as they
// are.
//
// The front ends hold text as UTF-8 (the command line takes its arguments
// that way on every system); these helpers turn it into paths and into the
// code page of the files at the edge of the core.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morlindo {

// A file name (or any path part) as text in the system's code page. On
// Windows a character the code page lacks is replaced, by a look-alike where
// the system knows one and by "?" otherwise.
std::string systemText(const std::filesystem::path& name);

// UTF-8 text, such as a route name typed on the command line, as text in the
// system's code page.
std::string systemTextFromUtf8(std::string_view utf8);

// A path named in text of the system's code page, as systemText gives it.
std::filesystem::path pathFromSystemText(std::string_view text);

// A path named in UTF-8. On Windows it becomes the UTF-16 path of the system
// calls; elsewhere the bytes are the path.
std::filesystem::path pathFromUtf8(std::string_view utf8);

#ifdef _WIN32
// Between UTF-8 and the UTF-16 of the Windows API; a malformed sequence
// becomes U+FFFD rather than failing.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);
#endif

}  // namespace morlindo
