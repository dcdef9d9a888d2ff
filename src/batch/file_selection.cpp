#include "batch/file_selection.h"

#include <algorithm>
#include <exception>

namespace morlindo {
namespace {

FileFilter filterOf(FileKind kind) {
    const FileKindInfo& info = fileKindInfo(kind);
    return {std::string(info.filterCaption), std::string(info.filterPattern)};
}

}  // namespace

std::vector<FileFilter> fileFiltersFor(ConversionKind kind) {
    const Conversion& row = conversion(kind);
    std::vector<FileFilter> filters;
    if (row.sources.size() > 1) {
        std::string patterns;
        for (const FileKind source : row.sources) {
            if (!patterns.empty()) patterns += ' ';
            patterns += fileKindInfo(source).filterPattern;
        }
        filters.push_back({"Track Files(" + patterns + ")", patterns});
    }
    for (const FileKind source : row.sources) filters.push_back(filterOf(source));
    return filters;
}

void FileSelection::tabChanged(ConversionKind kind) {
    currentKind_ = kind;
    list_.clear();
    selectFiles();
}

void FileSelection::selectFiles() {
    const OpenFileRequest request{
        fileFiltersFor(currentKind_),
        std::string(fileKindInfo(conversion(currentKind_).sources.front()).extension), startFolder_,
        true};
    std::vector<std::filesystem::path> files;
    try {
        files = dialog_.askForFiles(request);
    } catch (const std::exception&) {
        // A dialog that fails counts as cancelled; the user sees no message.
        files.clear();
    }
    takeFiles(files);
}

void FileSelection::openFiles(ConversionKind kind,
                              const std::vector<std::filesystem::path>& files) {
    currentKind_ = kind;
    takeFiles(files);
}

void FileSelection::takeFiles(const std::vector<std::filesystem::path>& files) {
    list_.assign(files);
    rememberFolderOf(files);
}

void FileSelection::rememberFolderOf(const std::vector<std::filesystem::path>& files) {
    if (files.empty() || !files.front().has_parent_path()) return;
    const std::filesystem::path folder = files.front().parent_path();
    startFolder_ = files.size() > 1 ? folder : folder / "";
}

bool FileSelection::readsKindOf(const std::filesystem::path& file) const {
    const auto kind = fileKindOf(file);
    const auto& sources = conversion(currentKind_).sources;
    return kind && std::find(sources.begin(), sources.end(), *kind) != sources.end();
}

DroppedFiles FileSelection::takeDropped(const std::vector<std::filesystem::path>& dropped) {
    DroppedFiles result;
    for (const auto& item : dropped) {
        std::error_code status;
        if (!std::filesystem::is_directory(item, status)) {
            (readsKindOf(item) ? result.added : result.refused).push_back(item);
            continue;
        }
        std::vector<std::filesystem::path> inside;
        for (std::filesystem::directory_iterator entry(item, status), end; !status && entry != end;
             entry.increment(status)) {
            std::error_code fileStatus;
            if (entry->is_regular_file(fileStatus) && readsKindOf(entry->path())) {
                inside.push_back(entry->path());
            }
        }
        std::sort(inside.begin(), inside.end());
        result.added.insert(result.added.end(), inside.begin(), inside.end());
    }
    list_.append(result.added);
    rememberFolderOf(result.added);
    return result;
}

}  // namespace morlindo
