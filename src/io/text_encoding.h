// The code page in which names and descriptions are written into the files
// the map programs read. OziExplorer reads its files in the Windows code page
// of the machine it runs on; by default that is taken to be this system's.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morlindo {

class TextEncoding {
public:
    // The system's code page: on Windows the ANSI code page; elsewhere file
    // names and arguments are already bytes in the system's encoding.
    static TextEncoding system();

    // UTF-8 text as text in this code page.
    std::string fromUtf8(std::string_view utf8) const;
    // A file name (or any path part) as text in this code page.
    std::string fromPath(const std::filesystem::path& name) const;
    const std::string& name() const noexcept { return name_; }

private:
    explicit TextEncoding(std::string name) : name_(std::move(name)) {}

    std::string name_;
};

}  // namespace morlindo
