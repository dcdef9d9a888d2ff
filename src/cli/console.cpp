#include "cli/console.h"

#include <iostream>

#ifdef _WIN32
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "io/system_text.h"

// shellapi.h builds on windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace morlindo::cli {

#ifdef _WIN32
namespace {

struct LocalMemoryFree {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

// Length of text up to its last complete UTF-8 character: a character whose
// bytes arrive in two writes is written whole with the second.
std::size_t completeLength(std::string_view text) {
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) == 0x80) continue;
        const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? size - back : size;
    }
    return size;
}

// Collects UTF-8 text and writes it line by line: as UTF-16 to a console
// window, or as the bytes themselves through the C library's text-mode
// stream, which turns each LF into CR LF once.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(Channel channel)
        : handle_(GetStdHandle(channel == Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE)),
          file_(channel == Channel::Output ? stdout : stderr) {
        DWORD mode = 0;
        console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
                   GetConsoleMode(handle_, &mode) != 0;
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        pending_ += traits_type::to_char_type(c);
        if (c == '\n') writeComplete();
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<std::size_t>(count));
        if (std::string_view(text, static_cast<std::size_t>(count)).find('\n') !=
            std::string_view::npos) {
            writeComplete();
        }
        return count;
    }

    int sync() override { return writeComplete() ? 0 : -1; }

private:
    bool writeComplete() {
        const std::size_t length = completeLength(pending_);
        const bool written = write(std::string_view(pending_).substr(0, length));
        pending_.erase(0, length);
        return written;
    }

    bool write(std::string_view text) {
        if (text.empty()) return true;
        if (!console_) {
            const bool written = std::fwrite(text.data(), 1, text.size(), file_) == text.size();
            return std::fflush(file_) == 0 && written;
        }
        const std::wstring wide = wideFromUtf8(text);
        for (std::size_t done = 0; done < wide.size();) {
            const auto part = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
            DWORD written = 0;
            if (WriteConsoleW(handle_, wide.data() + done, part, &written, nullptr) == 0 ||
                written == 0) {
                return false;
            }
            done += written;
        }
        return true;
    }

    HANDLE handle_;
    std::FILE* file_;
    bool console_ = false;
    std::string pending_;
};

}  // namespace

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalMemoryFree> wide(
        CommandLineToArgvW(GetCommandLineW(), &count));
    if (!wide) return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(wide.get()[i]));
    return arguments;
}

ConsoleStream::ConsoleStream(Channel channel)
    : buffer_(std::make_unique<ConsoleBuffer>(channel)), stream_(buffer_.get()) {}

// The null device and a serial line are character devices too, which the C
// library's _isatty takes for a terminal; only a console has a console mode.
Terminal terminalOf(Channel channel) {
    const HANDLE handle =
        GetStdHandle(channel == Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    Terminal terminal;
    terminal.isTerminal =
        handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
    CONSOLE_SCREEN_BUFFER_INFO screen;
    if (terminal.isTerminal && GetConsoleScreenBufferInfo(handle, &screen) != 0) {
        terminal.columns = screen.srWindow.Right - screen.srWindow.Left + 1;
    }
    return terminal;
}

#else

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

ConsoleStream::ConsoleStream(Channel channel)
    : stream_(channel == Channel::Output ? std::cout.rdbuf() : std::cerr.rdbuf()) {}

Terminal terminalOf(Channel channel) {
    const int descriptor = channel == Channel::Output ? STDOUT_FILENO : STDERR_FILENO;
    Terminal terminal;
    terminal.isTerminal = isatty(descriptor) == 1;
    winsize size{};
    if (terminal.isTerminal && ioctl(descriptor, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        terminal.columns = size.ws_col;
    }
    return terminal;
}

#endif

ConsoleStream::~ConsoleStream() { stream_.flush(); }

}  // namespace morlindo::cli
