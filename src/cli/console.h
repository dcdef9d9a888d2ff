// What `morlindo` takes from and gives to the console it runs in, as UTF-8
// text on every system.
//
// On Windows the arguments are read as UTF-16 from the command line: the
// char arguments there are in the ANSI code page, which loses every
// character outside it (a Hangul file name on a Western system). Output
// written to a console window goes out through WriteConsoleW, so file names
// show right whatever the console's code page; output redirected to a file
// or a pipe stays UTF-8 with CR LF line ends, as Windows text output has.
#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace morlindo::cli {

// The arguments after the program name, as UTF-8.
std::vector<std::string> commandLineArguments(int argc, char** argv);

enum class Channel { Output, Error };

// Whether a channel goes to a terminal that a person watches (not a file, a
// pipe or the null device), and how many columns wide it is.
struct Terminal {
    bool isTerminal = false;
    int columns = 80;
};

Terminal terminalOf(Channel channel);

// Standard output or standard error, taking UTF-8 text.
class ConsoleStream {
public:
    explicit ConsoleStream(Channel channel);
    ~ConsoleStream();
    ConsoleStream(const ConsoleStream&) = delete;
    ConsoleStream& operator=(const ConsoleStream&) = delete;

    std::ostream& stream() noexcept { return stream_; }

private:
    std::unique_ptr<std::streambuf> buffer_;  // Windows only; elsewhere the C++ streams serve
    std::ostream stream_;
};

}  // namespace morlindo::cli
