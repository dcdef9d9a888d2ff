// The one error type of the core library. Every failure a user can meet (a
// file that cannot be opened, read or written, a malformed input file) is
// thrown as an Error that names the file and, for text inputs, the line.
// Only the front ends (the command line and the window) catch it.
//
// The reason is kept as its kind and its values: an English pattern with
// numbered places %1 to %9, written as a string literal at the throw site,
// and the texts that fill them (a count, a quoted field, the system's words
// for an errno value). what() is the English message; a front end in another
// language looks the pattern up in its own translations and fills it with
// the same values, wording an errno value itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace morlindo {

// The English reason with its numbered places, "cannot open it: %1". Only a
// string literal makes one, so that the pattern can serve as the key of its
// translations.
class ReasonPattern {
public:
    template <std::size_t N>
    consteval ReasonPattern(const char (&text)[N]) : text_(text) {}  // NOLINT: implicit by design

    const char* text() const noexcept { return text_; }

private:
    const char* text_;
};

// One value of a reason: its text as the English message shows it and, for
// the system's words about a failed call, the errno value behind them.
struct ReasonValue {
    ReasonValue(std::string text) : text(std::move(text)) {}  // NOLINT: implicit by design
    ReasonValue(const char* text) : text(text) {}             // NOLINT: implicit by design

    std::string text;
    int errorNumber = 0;  // 0: not a system reason
};

// The system's words for an errno value ("No such file or directory").
ReasonValue systemReason(int errorNumber);
// The same for a library error code; it carries the errno value where the
// code has one.
ReasonValue systemReason(const std::error_code& code);

class Error : public std::runtime_error {
public:
    // line 0 means "no line is known"; lines count from 1.
    Error(std::filesystem::path path, ReasonPattern pattern, std::vector<ReasonValue> values = {},
          std::int64_t line = 0);

    const std::filesystem::path& path() const noexcept { return path_; }
    std::int64_t line() const noexcept { return line_; }
    const char* pattern() const noexcept { return pattern_; }
    const std::vector<ReasonValue>& values() const noexcept { return values_; }
    // The English reason, its places filled.
    std::string reason() const;

private:
    std::filesystem::path path_;
    const char* pattern_;
    std::vector<ReasonValue> values_;
    std::int64_t line_;
};

// The pattern with %1 to %9 replaced by the values in one pass (a value that
// holds "%2" stays as it is); a place without a value stays as written.
std::string fillPattern(std::string_view pattern, std::span<const std::string> values);

// A path as UTF-8 text, for messages: each control character in it is shown
// escaped (printableText), since a name may hold a line break, which would
// split the message's line.
std::string displayPath(const std::filesystem::path& path);

// Text with each control character escaped as C does ("\n", "\r", "\t",
// "\x7f"); everything else stays as it is.
std::string printableText(std::string_view text);

}  // namespace morlindo
