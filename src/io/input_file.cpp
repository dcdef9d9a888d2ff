#include "io/input_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "io/byte_scan.h"
#include "io/error.h"
#include "io/native_file.h"
#include "io/read_progress.h"

namespace morlindo {

namespace {

// Progress is told at most this often: a record reader reads 32 bytes at a time.
constexpr std::uint64_t kProgressStep = 256 * 1024;

}  // namespace

InputFile::InputFile(std::filesystem::path path, ReadProgress* progress)
    : path_(std::move(path)), progress_(progress) {
    std::error_code status;
    const auto type = std::filesystem::status(path_, status).type();
    if (type == std::filesystem::file_type::directory) {
        throw Error(path_, "cannot open it: it is a folder, not a file");
    }
    // Opening a named pipe would wait for a writer for ever, and a device
    // has no length to count records from.
    if (!status && type != std::filesystem::file_type::regular &&
        type != std::filesystem::file_type::not_found) {
        throw Error(path_, "cannot open it: it is not a regular file");
    }
    file_ = openNativeFile(path_, NativeMode::Read);
    if (file_ == nullptr) throw Error(path_, "cannot open it: %1", {systemReason(errno)});
    const auto length = std::filesystem::file_size(path_, status);
    if (status) {
        std::fclose(file_);
        throw Error(path_, "cannot read its length: %1", {systemReason(status)});
    }
    size_ = length;
}

InputFile::~InputFile() {
    if (file_ != nullptr) std::fclose(file_);
}

std::size_t InputFile::read(char* destination, std::size_t count) {
    const std::size_t got = std::fread(destination, 1, count, file_);
    if (got < count) {
        if (std::ferror(file_)) throw Error(path_, "cannot read it: %1", {systemReason(errno)});
        // The end came before the length the file had when it was opened:
        // it shrank, and what was read so far may not belong together.
        if (position_ + got < size_) throw endedEarly();
    }
    position_ += got;
    if (progress_ != nullptr && (position_ >= nextReport_ || position_ >= size_)) reportProgress();
    return got;
}

void InputFile::reportProgress() {
    nextReport_ = position_ + kProgressStep;
    progress_->advanced(position_, size_);
}

void InputFile::readExactly(char* destination, std::size_t count) {
    if (read(destination, count) != count) throw endedEarly();
}

void InputFile::seek(std::uint64_t offset) {
    if (!seekNativeFile(file_, offset)) {
        throw Error(path_, "cannot read it: %1", {systemReason(errno)});
    }
    position_ = offset;
    nextReport_ = offset;
}

Error InputFile::endedEarly() const {
    return Error(path_, "the file ended early; was it changed while it was being read?");
}

LineReader::LineReader(InputFile& file, std::size_t maxLineLength)
    : file_(file), maxLineLength_(maxLineLength), buffer_(1 << 16) {}

bool LineReader::fill() {
    if (atEnd_) return false;
    position_ = 0;
    end_ = file_.read(buffer_.data(), buffer_.size());
    if (end_ == 0) atEnd_ = true;
    return end_ > 0;
}

void LineReader::appendToLine(const char* begin, const char* end) {
    const std::size_t room = maxLineLength_ - line_.size();
    const auto length = static_cast<std::size_t>(end - begin);
    if (length > room) lineWasCut_ = true;
    line_.append(begin, std::min(length, room));
}

namespace {

// The first CR or LF in [begin, end), or end; eight bytes at a time, as
// lines are dozens of bytes long.
const char* findLineEnd(const char* begin, const char* end) {
    const char* p = begin;
    for (; end - p >= static_cast<std::ptrdiff_t>(kScanWordSize); p += kScanWordSize) {
        const std::uint64_t word = loadScanWord(p);
        const std::uint64_t ends = bytesEqualTo(word, '\r') | bytesEqualTo(word, '\n');
        if (ends != 0) return p + firstMarkedByte(ends);
    }
    return std::find_if(p, end, [](char c) { return c == '\r' || c == '\n'; });
}

}  // namespace

bool LineReader::next(std::string_view& line) {
    line_.clear();
    lineWasCut_ = false;
    bool started = false;
    for (;;) {
        if (position_ == end_ && !fill()) {
            if (!started) return false;
            ++lineNumber_;
            line = line_;
            return true;
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[position_] == '\n') {
                ++position_;
                continue;
            }
        }
        started = true;
        const char* begin = buffer_.data() + position_;
        const char* stop = buffer_.data() + end_;
        const char* found = findLineEnd(begin, stop);
        if (found == stop) {
            appendToLine(begin, stop);
            position_ = end_;
            continue;
        }
        position_ = static_cast<std::size_t>(found - buffer_.data()) + 1;
        skipLineFeed_ = *found == '\r';
        ++lineNumber_;
        if (line_.empty() && static_cast<std::size_t>(found - begin) <= maxLineLength_) {
            line = std::string_view(begin, static_cast<std::size_t>(found - begin));
        } else {
            appendToLine(begin, found);
            line = line_;
        }
        return true;
    }
}

void LineReader::rewind() {
    file_.seek(0);
    position_ = end_ = 0;
    atEnd_ = false;
    skipLineFeed_ = false;
    line_.clear();
    lineWasCut_ = false;
    lineNumber_ = 0;
}

}  // namespace morlindo
