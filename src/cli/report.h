// How `morlindo` tells what became of each file. For people, a line per file
// on stdout ("walk.alr -> walk.plt (12 points)") and a line per failure on
// stderr ("morlindo: PATH: reason"); for scripts (--json), one JSON object
// per file on stdout instead of both. On a terminal, one line of stderr
// shows the progress of the batch, redrawn in place, and ends as a summary;
// it is cleared before any other line is printed, so that the two do not mix
// where stdout is the same terminal.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "convert/conversion_result.h"
#include "io/read_progress.h"

namespace morlindo::cli {

struct ReportStyle {
    bool quiet = false;     // no lines for files that convert or are skipped
    bool json = false;      // JSON objects in place of the lines for people
    bool progress = false;  // the progress line and the summary on stderr
    int columns = 80;       // the width of the terminal the progress line must fit
};

class Report : public ReadProgress {
public:
    Report(std::ostream& out, std::ostream& err, ReportStyle style, std::size_t fileCount);

    void starting(const std::filesystem::path& input);
    // dropped: what the output could not hold, told once (a line on the
    // error stream, or the JSON field "dropped").
    void converted(const std::filesystem::path& input, const std::filesystem::path& output,
                   std::uint64_t points, const Dropped& dropped = {});
    void skipped(const std::filesystem::path& input, const std::filesystem::path& output);
    // A file that gave no point: not a success. message names the file
    // ("PATH: no points").
    void empty(const std::filesystem::path& input, const std::filesystem::path& output,
               const std::string& message);
    // message names the file ("PATH: reason"); output is empty when none
    // was planned.
    void failed(const std::filesystem::path& input, const std::filesystem::path& output,
                const std::string& message);
    // A remark on stderr, "morlindo: " and the text, that is no failure (a
    // text that was changed to fit a file); none with quiet.
    void note(const std::string& text);
    // Ends the batch: the summary, when the progress line was shown.
    void finish();

    bool anyFailed() const noexcept { return failed_ > 0; }
    bool anyEmpty() const noexcept { return empty_ > 0; }

    void advanced(std::uint64_t bytesRead, std::uint64_t totalBytes) override;

private:
    void finished(const std::filesystem::path& input, const std::filesystem::path& output,
                  std::uint64_t points, const char* status, const std::string* error,
                  const std::string& dropped = {});
    void draw(const std::string& text);
    void clear();

    std::ostream& out_;
    std::ostream& err_;
    ReportStyle style_;
    std::size_t fileCount_;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::size_t done_ = 0, converted_ = 0, skipped_ = 0, failed_ = 0, empty_ = 0;
    std::uint64_t points_ = 0;
    // The progress line: the current file, how far it is read, which pass.
    std::string current_;
    std::uint64_t lastBytes_ = 0;
    int lastPercent_ = -1;
    int pass_ = 1;
    std::size_t drawnWidth_ = 0;  // columns of the line on the terminal now
};

}  // namespace morlindo::cli
