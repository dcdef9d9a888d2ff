// Reading input files: an open file with its length, read in large blocks,
// and a line reader over it that accepts every common line end.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace morlindo {

class Error;
class ReadProgress;

// An existing regular file opened for reading. Throws Error when the path is
// missing, a folder or anything else but a regular file, or unreadable, and
// when the file turns out shorter than its length at opening.
class InputFile {
public:
    // progress, when given, hears how far the file has been read.
    explicit InputFile(std::filesystem::path path, ReadProgress* progress = nullptr);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }
    // The length in bytes when the file was opened.
    std::uint64_t size() const noexcept { return size_; }

    // Reads up to count bytes; fewer only at the end of the file, which must
    // not come before size().
    std::size_t read(char* destination, std::size_t count);
    // Reads exactly count bytes or throws: the file ended early.
    void readExactly(char* destination, std::size_t count);
    void seek(std::uint64_t offset);

private:
    Error endedEarly() const;
    void reportProgress();

    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
    ReadProgress* progress_ = nullptr;
    std::uint64_t nextReport_ = 0;
};

// Splits a text file into lines. A line ends at CR LF, at a lone CR or at a
// lone LF; the end is not part of the line. A last line without an end is
// still a line. Memory stays bounded: a line longer than the limit is cut
// there and flagged, and the rest of it is skipped.
class LineReader {
public:
    static constexpr std::size_t kDefaultMaxLineLength = 1 << 20;

    explicit LineReader(InputFile& file, std::size_t maxLineLength = kDefaultMaxLineLength);

    // The next line; false at the end of the file. The view stays valid
    // until the next call.
    bool next(std::string_view& line);
    // The line last returned was longer than the limit and was cut.
    bool lineWasCut() const noexcept { return lineWasCut_; }
    // Number of the line last returned, from 1.
    std::int64_t lineNumber() const noexcept { return lineNumber_; }
    // Back to the first byte, so that the lines are read again.
    void rewind();

private:
    bool fill();
    void appendToLine(const char* begin, const char* end);

    InputFile& file_;
    std::size_t maxLineLength_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool skipLineFeed_ = false;  // the last line ended at a CR: a LF right after belongs to it
    std::string line_;
    bool lineWasCut_ = false;
    std::int64_t lineNumber_ = 0;
};

}  // namespace morlindo
