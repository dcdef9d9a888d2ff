#include "cli/report.h"

#include <algorithm>

#include "cli/output_text.h"
#include "io/error.h"

namespace morlindo::cli {
namespace {

std::string jsonPath(const std::filesystem::path& path) {
    return path.empty() ? "null" : jsonPathString(path);
}

// A file name on the progress line, where a control character (a name
// may hold a line feed) would break the line.
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
                       std::uint64_t points, const Dropped& dropped) {
    ++converted_;
    points_ += points;
    const std::string left = droppedText(dropped);
    if (!style_.quiet && !style_.json) {
        clear();
        out_ << displayPath(input) << " -> " << displayPath(output) << " (" << pointsText(points)
             << ")\n";
        if (!left.empty()) {
            out_.flush();
            err_ << "morlindo: " << displayPath(input) << ": " << displayPath(output.filename())
                 << " cannot hold everything; dropped: " << left << "\n";
            err_.flush();
        }
    }
    finished(input, output, points, "converted", nullptr, left);
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

void Report::empty(const std::filesystem::path& input, const std::filesystem::path& output,
                   const std::string& message) {
    ++empty_;
    if (!style_.json) {
        clear();
        err_ << "morlindo: " << message << "\n";
        err_.flush();
    }
    finished(input, output, 0, "empty", &message);
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

void Report::note(const std::string& text) {
    if (style_.quiet) return;
    clear();
    err_ << "morlindo: " << text << "\n";
    err_.flush();
}

void Report::finished(const std::filesystem::path& input, const std::filesystem::path& output,
                      std::uint64_t points, const char* status, const std::string* error,
                      const std::string& dropped) {
    ++done_;
    if (style_.json) {
        clear();
        out_ << "{\"input\":" << jsonPath(input) << ",\"output\":" << jsonPath(output)
             << ",\"points\":" << points << ",\"status\":\"" << status
             << "\",\"error\":" << (error ? jsonString(*error) : "null")
             << ",\"dropped\":" << (dropped.empty() ? "null" : jsonString(dropped)) << "}\n";
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
         << (empty_ > 0 ? std::to_string(empty_) + " empty, " : "") << points_ << " points written in " << tenths / 10 << "." << tenths % 10 << " s\n";
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
        endFitting(current_,
                   room > head.size() + tail.size() ? room - head.size() - tail.size() : 0) +
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
