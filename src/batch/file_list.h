// The list of files a batch converts, as the window lists them: each entry
// an input path and what became of it in this list. A view follows the list
// through its observer, which hears of every change before and after it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace morlindo {

// ConvertedWithDrops: the output could not hold all that the input held.
// Empty: converted, but the file gave no point.
enum class EntryState { Waiting, Converted, ConvertedWithDrops, Empty, Failed, Cancelled, Skipped };

struct BatchEntry {
    std::filesystem::path input;
    EntryState state = EntryState::Waiting;

    bool operator==(const BatchEntry&) const = default;
};

class FileListObserver {
public:
    virtual void fileListAboutToReset() = 0;
    virtual void fileListReset() = 0;
    virtual void fileListAboutToAppend(std::size_t first, std::size_t count) = 0;
    virtual void fileListAppended() = 0;
    virtual void fileListEntryChanged(std::size_t index) = 0;

protected:
    ~FileListObserver() = default;
};

class FileList {
public:
    std::size_t size() const noexcept { return entries_.size(); }
    bool empty() const noexcept { return entries_.empty(); }
    const BatchEntry& operator[](std::size_t index) const { return entries_.at(index); }
    const std::vector<BatchEntry>& entries() const noexcept { return entries_; }
    std::vector<std::filesystem::path> inputs() const;

    // The list becomes these files, in this order, none of them converted.
    void assign(const std::vector<std::filesystem::path>& inputs);
    // These files join the list after the entries already there.
    void append(const std::vector<std::filesystem::path>& inputs);
    void clear() { assign({}); }
    void setState(std::size_t index, EntryState state);

    // At most one observer; nullptr for none. It must outlive the list or be
    // taken off first.
    void setObserver(FileListObserver* observer) noexcept { observer_ = observer; }

private:
    std::vector<BatchEntry> entries_;
    FileListObserver* observer_ = nullptr;
};

}  // namespace morlindo
