// The one way the converters write a file. Bytes go to a temporary file in
// the target's folder; commit() puts them on the disk and renames the file
// over the target only once everything is written. Until then, and whenever
// anything fails, an older file of the target's name stays exactly as it was,
// and the temporary file is removed: a conversion never leaves a half-written
// output behind. A replaced file keeps its permissions; a target that is a
// symbolic link stays one, and the file it leads to is replaced; a target the
// user may not write is refused.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace morlindo {

class OutputFile {
public:
    // Creates the temporary file. Throws Error naming the target when its
    // folder is missing or not writable, a folder stands at the target, or
    // the target is write-protected.
    explicit OutputFile(std::filesystem::path target);
    // Removes the temporary file unless commit() succeeded.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::filesystem::path& target() const noexcept { return target_; }

    void write(std::string_view bytes);
    // Writes the text followed by CR LF.
    void writeLine(std::string_view text);
    // Flushes to the disk, closes and moves the file into place. Throws Error
    // on failure.
    void commit();

    // Appends everything written so far to another output: this one then
    // serves as scratch space for what must follow a part written last (a
    // header that counts the lines after it). Throws Error on failure.
    void appendTo(OutputFile& other);

private:
    void flushBuffer();
    void discard() noexcept;
    void removeTemporary() noexcept;

    std::filesystem::path target_;
    std::filesystem::path destination_;  // the target, or the file its links lead to
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
};

// Refuses (throws Error) when writing output would replace the input itself.
void ensureOutputIsNotInput(const std::filesystem::path& input,
                            const std::filesystem::path& output);

}  // namespace morlindo
