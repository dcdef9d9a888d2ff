// Text as it leaves `morlindo`: as JSON strings for scripts, and measured in
// the columns of a terminal for people. The text is UTF-8, except where a
// Linux file name in another encoding brings other bytes along.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace morlindo::cli {

// text as a JSON string: quotes, backslashes and control characters
// escaped, and each byte that is not part of valid UTF-8 as U+FFFD, so that
// every JSON reader takes it.
std::string jsonString(std::string_view text);

// A path as a JSON string: its UTF-8 exactly, control characters and all
// escaped the JSON way (messages show them escaped the C way instead).
std::string jsonPathString(const std::filesystem::path& path);

// The columns text takes on a terminal: two for each wide character of East
// Asian scripts (Hangul among them) and for emoji, one for any other
// character and for each byte that is not valid UTF-8.
std::size_t columnsOf(std::string_view text);

// text in at most room columns: when it is too long, "..." and its end,
// since the end of a path tells the files of a batch apart.
std::string endFitting(const std::string& text, std::size_t room);

}  // namespace morlindo::cli
