#include "io/output_file.h"

#include <cerrno>
#include <random>

#include "io/error.h"
#include "io/native_file.h"

namespace morlindo {
namespace {

constexpr std::size_t kBufferSize = 1 << 18;

std::filesystem::path temporaryNameFor(const std::filesystem::path& target, unsigned attempt) {
    static thread_local std::minstd_rand generator{std::random_device{}()};
    auto name = target.filename();
    name += ".tmp" + std::to_string(generator() % 1000000 + attempt);
    return target.parent_path() / name;
}

}  // namespace

OutputFile::OutputFile(std::filesystem::path target) : target_(std::move(target)) {
    std::error_code status;
    if (std::filesystem::is_directory(target_, status)) {
        throw Error(target_, "cannot write it: a folder of that name is in the way");
    }
    for (unsigned attempt = 0; file_ == nullptr; ++attempt) {
        temporary_ = temporaryNameFor(target_, attempt);
        file_ = openNativeFile(temporary_, NativeMode::CreateExclusive);
        if (file_ == nullptr && (errno != EEXIST || attempt == 100)) {
            throw Error(target_, "cannot create it: %1", {systemReason(errno)});
        }
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);
    buffer_.reserve(kBufferSize);
}

OutputFile::~OutputFile() { discard(); }

void OutputFile::discard() noexcept {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void OutputFile::write(std::string_view bytes) {
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize) flushBuffer();
}

void OutputFile::writeLine(std::string_view text) {
    buffer_.append(text);
    buffer_.append("\r\n");
    if (buffer_.size() >= kBufferSize) flushBuffer();
}

void OutputFile::flushBuffer() {
    if (buffer_.empty()) return;
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
        const int reason = errno;
        discard();
        throw Error(target_, "cannot write it: %1", {systemReason(reason)});
    }
    buffer_.clear();
}

void OutputFile::commit() {
    flushBuffer();
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) {
        const int reason = errno;
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        throw Error(target_, "cannot write it: %1", {systemReason(reason)});
    }
    std::error_code status;
    std::filesystem::rename(temporary_, target_, status);
    if (status) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        throw Error(target_, "cannot replace it: %1", {systemReason(status)});
    }
}

void ensureOutputIsNotInput(const std::filesystem::path& input,
                            const std::filesystem::path& output) {
    std::error_code status;
    const bool same = std::filesystem::equivalent(input, output, status);
    if (same || input.lexically_normal() == output.lexically_normal()) {
        throw Error(input, "the output would replace this input file; rename the input first");
    }
}

}  // namespace morlindo
