// The one error type of the core library. Every failure a user can meet (a
// file that cannot be opened, read or written, a malformed input file) is
// thrown as an Error that names the file and, for text inputs, the line.
// Only the front ends (the command line and the window) catch it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace morlindo {

class Error : public std::runtime_error {
public:
    // line 0 means "no line is known"; lines count from 1.
    Error(std::filesystem::path path, std::string reason, std::int64_t line = 0);

    const std::filesystem::path& path() const noexcept { return path_; }
    const std::string& reason() const noexcept { return reason_; }
    std::int64_t line() const noexcept { return line_; }

private:
    std::filesystem::path path_;
    std::string reason_;
    std::int64_t line_;
};

// A path as UTF-8 text, for messages.
std::string displayPath(const std::filesystem::path& path);

// The reason text of an errno value ("No such file or directory").
std::string systemReason(int errorNumber);

}  // namespace morlindo
