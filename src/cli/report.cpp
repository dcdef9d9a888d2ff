#include "cli/report.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "io/error.h"

namespace morlindo::cli {
namespace {

// The length of the valid UTF-8 sequence at text[at], with its code point;
// 0 where the bytes there are not one (a stray continuation byte, an
// overlong form, a surrogate, a sequence cut short).
std::size_t utf8Sequence(std::string_view text, std::size_t at, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size()) return 0;
    codePoint = length == 1 ? lead : lead & (0xFFu >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (next & 0x3Fu);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kLeast[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// text as a JSON string: quotes, backslashes and control characters
// escaped, and each byte that is not part of valid UTF-8 (a Linux file name
// in another encoding) as U+FFFD, so that every JSON reader takes the line.
std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        char32_t codePoint = 0;
        std::size_t length = 1;
        if (c == '"' || c == '\\') {
            json += {'\\', static_cast<char>(c)};
        } else if (c < 0x20) {
            json += {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
        } else if ((length = utf8Sequence(text, at, codePoint)) > 0) {
            json.append(text, at, length);
        } else {
            json += "\\ufffd";
            length = 1;
        }
        at += length;
    }
    return json + "\"";
}

std::string jsonPath(const std::filesystem::path& path) {
    return path.empty() ? "null" : jsonString(displayPath(path));
}

// Columns a code point takes on a terminal: two for the wide characters of
// East Asian scripts (Hangul among them) and for emoji.
std::size_t columnsOf(char32_t c) {
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
                      (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

// The characters of text with the columns each takes (a byte that is not
// valid UTF-8 counts as one character of one column).
std::vector<std::pair<std::size_t, std::size_t>> characterWidths(std::string_view text) {
    std::vector<std::pair<std::size_t, std::size_t>> widths;  // (bytes, columns)
    for (std::size_t at = 0; at < text.size();) {
        char32_t codePoint = 0;
        const std::size_t length = utf8Sequence(text, at, codePoint);
        widths.emplace_back(std::max<std::size_t>(length, 1),
                            length > 0 ? columnsOf(codePoint) : 1);
        at += widths.back().first;
    }
    return widths;
}

std::size_t columnsOf(std::string_view text) {
    std::size_t columns = 0;
    for (const auto& [bytes, width] : characterWidths(text)) columns += width;
    return columns;
}

// name in at most room columns: its end, after "...", when it is too long,
// since the end of a path tells the files of a batch apart.
std::string fitted(const std::string& name, std::size_t room) {
    std::size_t columns = columnsOf(name);
    if (columns <= room) return name;
    if (room < 4) return std::string(room, '.');
    std::size_t start = 0;
    for (const auto& [bytes, width] : characterWidths(name)) {
        if (3 + columns <= room) break;
        start += bytes;
        columns -= width;
    }
    return "..." + name.substr(start);
}

// A file name on the progress line: a control character in it (a line
// feed is allowed in names) would break the line.
std::string printable(const std::filesystem::path& path) {
    std::string text = displayPath(path);
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }, '?');
    return text;
}

// "1.2/4.0 MiB": both counts in the unit of the larger.
std::string bytesText(std::uint64_t done, std::uint64_t total) {
    const bool giB = total >= (1ull << 30);
    const std::uint64_t unit = giB ? 1ull << 30 : 1ull << 20;
    const auto tenths = [unit](std::uint64_t bytes) {
        const std::uint64_t value = (bytes * 10 + unit / 2) / unit;
        return std::to_string(value / 10) + "." + std::to_string(value % 10);
    };
    return tenths(done) + "/" + tenths(total) + (giB ? " GiB" : " MiB");
}

std::string pointsText(std::uint64_t points) {
    return std::to_string(points) + (points == 1 ? " point" : " points");
}

}  // namespace

Report::Report(std::ostream& out, std::ostream& err, ReportStyle style, std::size_t fileCount)
    : out_(out), err_(err), style_(style), fileCount_(fileCount) {}

void Report::starting(const std::filesystem::path& input) {
    current_ = printable(input);
    lastBytes_ = 0;
    lastPercent_ = 0;  // the first line shows no bytes yet
    pass_ = 1;
    draw({});
}

void Report::advanced(std::uint64_t bytesRead, std::uint64_t totalBytes) {
    if (bytesRead < lastBytes_) {  // a log read twice begins its second pass
        ++pass_;
        lastPercent_ = -1;
    }
    lastBytes_ = bytesRead;
    // A file under 1 MiB is read in a moment; a larger one is redrawn at most
    // once per whole percent. The end of a file is followed by its result.
    if (totalBytes < (1u << 20) || bytesRead >= totalBytes) return;
    const int percent = static_cast<int>(bytesRead * 100 / totalBytes);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    draw(bytesText(bytesRead, totalBytes) +
         (pass_ > 1 ? " (pass " + std::to_string(pass_) + ")" : ""));
}

void Report::converted(const std::filesystem::path& input, const std::filesystem::path& output,
                       std::uint64_t points) {
    ++converted_;
    points_ += points;
    if (!style_.quiet && !style_.json) {
        clear();
        out_ << displayPath(input) << " -> " << displayPath(output) << " (" << pointsText(points)
             << ")\n";
    }
    finished(input, output, points, "converted", nullptr);
}

void Report::skipped(const std::filesystem::path& input, const std::filesystem::path& output) {
    ++skipped_;
    if (!style_.quiet && !style_.json) {
        clear();
        out_ << displayPath(input) << " -> " << displayPath(output)
             << " (skipped: the output exists)\n";
    }
    finished(input, output, 0, "skipped", nullptr);
}

void Report::failed(const std::filesystem::path& input, const std::filesystem::path& output,
                    const std::string& message) {
    ++failed_;
    if (!style_.json) {
        clear();
        err_ << "morlindo: " << message << "\n";
        err_.flush();
    }
    finished(input, output, 0, "failed", &message);
}

void Report::finished(const std::filesystem::path& input, const std::filesystem::path& output,
                      std::uint64_t points, const char* status, const std::string* error) {
    ++done_;
    if (style_.json) {
        clear();
        out_ << "{\"input\":" << jsonPath(input) << ",\"output\":" << jsonPath(output)
             << ",\"points\":" << points << ",\"status\":\"" << status
             << "\",\"error\":" << (error ? jsonString(*error) : "null") << "}\n";
    }
    out_.flush();
}

void Report::finish() {
    if (!style_.progress) return;
    clear();
    const auto tenths = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - started_)
                            .count() /
                        100;
    err_ << converted_ << " converted, " << skipped_ << " skipped, " << failed_ << " failed, "
         << points_ << " points written in " << tenths / 10 << "." << tenths % 10 << " s\n";
    err_.flush();
}

// "2/120 done  logs/walk.alr  1.2/4.0 MiB", within the terminal's width
// less one column: a line that reaches the last column wraps on some
// terminals, and "\r" then no longer returns to its start.
void Report::draw(const std::string& bytes) {
    if (!style_.progress) return;
    const std::string head = std::to_string(done_) + "/" + std::to_string(fileCount_) + " done  ";
    const std::string tail = bytes.empty() ? "" : "  " + bytes;
    const auto room = static_cast<std::size_t>(std::max(style_.columns - 1, 0));
    std::string line =
        head +
        fitted(current_, room > head.size() + tail.size() ? room - head.size() - tail.size() : 0) +
        tail;
    std::size_t width = columnsOf(line);
    if (width > room) line.resize(width = room);  // the name is gone: the rest is ASCII
    err_ << '\r' << line << std::string(drawnWidth_ > width ? drawnWidth_ - width : 0, ' ');
    err_.flush();
    drawnWidth_ = std::max(drawnWidth_, width);
}

void Report::clear() {
    if (drawnWidth_ == 0) return;
    err_ << '\r' << std::string(drawnWidth_, ' ') << '\r';
    err_.flush();
    drawnWidth_ = 0;
}

}  // namespace morlindo::cli
