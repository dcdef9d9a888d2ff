// How files enter the list: an open-file dialog whose filter follows the
// current tab, files dropped on the window, and the reaction to a change of
// tab, which empties the list and opens the dialog again, so the list only
// ever holds files of the kind the visible tab converts. Also keeps
// startFolder, the folder the dialog starts in, which the settings file
// remembers between runs.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "batch/file_list.h"
#include "convert/conversions.h"

namespace morlindo {

// One entry of the dialog's filter list: "Almap Track File(*.alr)", "*.alr".
// Several patterns are separated by spaces.
struct FileFilter {
    std::string caption;
    std::string patterns;

    bool operator==(const FileFilter&) const = default;
};

struct OpenFileRequest {
    std::vector<FileFilter> filters;  // the first is chosen when the dialog opens
    std::string defaultExtension;     // ".alr"
    std::filesystem::path startFolder;
    bool multipleSelection = true;

    bool operator==(const OpenFileRequest&) const = default;
};

// The open-file dialog, modal. Answers with the full paths of the chosen
// files in the order it lists them; none when it was cancelled.
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    virtual std::vector<std::filesystem::path> askForFiles(const OpenFileRequest& request) = 0;
};

// The filters of a conversion's input files: its one kind's, or, for a
// conversion that reads several kinds, all of them together first and then
// each alone.
std::vector<FileFilter> fileFiltersFor(ConversionKind kind);

// What became of files dropped on the window.
struct DroppedFiles {
    std::vector<std::filesystem::path> added;    // joined the list
    std::vector<std::filesystem::path> refused;  // files the current tab does not read

    bool operator==(const DroppedFiles&) const = default;
};

class FileSelection {
public:
    FileSelection(FileList& list, OpenFileDialog& dialog) : list_(list), dialog_(dialog) {}

    ConversionKind currentKind() const { return currentKind_; }
    const std::filesystem::path& startFolder() const { return startFolder_; }
    void setStartFolder(std::filesystem::path folder) { startFolder_ = std::move(folder); }

    // A tab became current: its kind becomes current, the list is emptied
    // and the dialog opens with the tab's filter.
    void tabChanged(ConversionKind kind);

    // Opens the dialog for the current kind and fills the list from its
    // answer. A cancelled or failing dialog leaves the list empty and
    // startFolder as it was.
    void selectFiles();

    // The list becomes the files, and startFolder their folder: after
    // several files the folder as it is, after one file the folder with a
    // trailing separator.
    void takeFiles(const std::vector<std::filesystem::path>& files);

    // Files and folders dropped on the window: the files of a kind the
    // current tab reads, and such files directly inside a dropped folder (in
    // name order), join the list after its rows; their folder becomes
    // startFolder as a choice in the dialog would make it. Other files are
    // refused; other files inside a folder are passed over.
    DroppedFiles takeDropped(const std::vector<std::filesystem::path>& dropped);

    // A tab became current with these files, without the dialog (files
    // the program was started with): its kind becomes current and the
    // list becomes the files.
    void openFiles(ConversionKind kind, const std::vector<std::filesystem::path>& files);

private:
    bool readsKindOf(const std::filesystem::path& file) const;
    void rememberFolderOf(const std::vector<std::filesystem::path>& files);

    FileList& list_;
    OpenFileDialog& dialog_;
    ConversionKind currentKind_ = ConversionKind::AlmapToOziTrack;
    std::filesystem::path startFolder_;
};

}  // namespace morlindo
