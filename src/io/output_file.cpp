#include "io/output_file.h"

#include <cerrno>
#include <random>
#include <utility>

#include "io/error.h"
#include "io/native_file.h"

namespace morlindo {
namespace {

constexpr std::size_t kBufferSize = 1 << 18;
// As many links as Linux follows in one path.
constexpr int kMaxLinks = 40;

std::filesystem::path temporaryNameFor(const std::filesystem::path& target, unsigned attempt) {
    static thread_local std::minstd_rand generator{std::random_device{}()};
    auto name = target.filename();
    name += ".tmp" + std::to_string(generator() % 1000000 + attempt);
    return target.parent_path() / name;
}

// The file that writing to the target writes: the target itself, or the end
// of its chain of symbolic links, which need not exist yet.
std::filesystem::path followLinks(const std::filesystem::path& target) {
    std::filesystem::path file = target;
    for (int links = 0;; ++links) {
        std::error_code status;
        if (!std::filesystem::is_symlink(file, status)) return file;
        if (links == kMaxLinks) throw Error(target, "cannot write it: %1", {systemReason(ELOOP)});
        const auto next = std::filesystem::read_symlink(file, status);
        if (status) throw Error(target, "cannot write it: %1", {systemReason(status)});
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
}

}  // namespace

OutputFile::OutputFile(std::filesystem::path target)
    : target_(std::move(target)), destination_(followLinks(target_)) {
    std::error_code status;
    if (std::filesystem::is_directory(destination_, status)) {
        throw Error(target_, "cannot write it: a folder of that name is in the way");
    }
    if (isWriteProtected(destination_)) throw Error(target_, "the file is write-protected");
    for (unsigned attempt = 0; file_ == nullptr; ++attempt) {
        temporary_ = temporaryNameFor(destination_, attempt);
        file_ = openNativeFile(temporary_, NativeMode::CreateExclusive);
        if (file_ == nullptr && (errno != EEXIST || attempt == 100)) {
            throw Error(target_, "cannot create it: %1", {systemReason(errno)});
        }
    }
    // Before any data: a file only its owner may read never has a copy that
    // others may.
    if (!copyNativePermissions(destination_, file_)) {
        const int reason = errno;
        discard();
        throw Error(target_, "cannot create it: %1", {systemReason(reason)});
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);
    buffer_.reserve(kBufferSize);
}

OutputFile::~OutputFile() { discard(); }

void OutputFile::discard() noexcept {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
        removeTemporary();
    }
}

void OutputFile::removeTemporary() noexcept {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
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

void OutputFile::appendTo(OutputFile& other) {
    flushBuffer();
    std::FILE* written = openNativeFile(temporary_, NativeMode::Read);
    if (written == nullptr) throw Error(target_, "cannot read it: %1", {systemReason(errno)});
    std::string chunk(kBufferSize, '\0');
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), written)) > 0) {
        other.write(std::string_view(chunk.data(), got));
    }
    const bool failed = std::ferror(written) != 0;
    const int reason = errno;
    std::fclose(written);
    if (failed) throw Error(target_, "cannot read it: %1", {systemReason(reason)});
}

void OutputFile::commit() {
    flushBuffer();
    std::FILE* file = std::exchange(file_, nullptr);
    // The data are on the disk before the file takes the target's place: a
    // memory card pulled out, or the power lost, right after a conversion
    // leaves the new file whole, not an empty or partial one.
    int reason = syncNativeFile(file) ? 0 : errno;
    if (std::fclose(file) != 0 && reason == 0) reason = errno;
    if (reason != 0) {
        removeTemporary();
        throw Error(target_, "cannot write it: %1", {systemReason(reason)});
    }
    std::error_code status;
    std::filesystem::rename(temporary_, destination_, status);
    if (status) {
        removeTemporary();
        throw Error(target_, "cannot replace it: %1", {systemReason(status)});
    }
    if (!syncNativeFolder(destination_.parent_path())) {
        throw Error(target_, "cannot write it: %1", {systemReason(errno)});
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
