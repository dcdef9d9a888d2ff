#include "batch/file_list.h"

namespace morlindo {

std::vector<std::filesystem::path> FileList::inputs() const {
    std::vector<std::filesystem::path> paths;
    paths.reserve(entries_.size());
    for (const BatchEntry& entry : entries_) paths.push_back(entry.input);
    return paths;
}

void FileList::assign(const std::vector<std::filesystem::path>& inputs) {
    if (observer_ != nullptr) observer_->fileListAboutToReset();
    entries_.clear();
    for (const auto& input : inputs) entries_.push_back({input});
    if (observer_ != nullptr) observer_->fileListReset();
}

void FileList::append(const std::vector<std::filesystem::path>& inputs) {
    if (inputs.empty()) return;
    if (observer_ != nullptr) observer_->fileListAboutToAppend(entries_.size(), inputs.size());
    for (const auto& input : inputs) entries_.push_back({input});
    if (observer_ != nullptr) observer_->fileListAppended();
}

void FileList::setState(std::size_t index, EntryState state) {
    entries_.at(index).state = state;
    if (observer_ != nullptr) observer_->fileListEntryChanged(index);
}

}  // namespace morlindo
