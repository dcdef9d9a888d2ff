// How files enter the list: an open-file dialog whose filter follows the
// current tab, and the reaction to a change of tab, which empties the list
// and opens the dialog again, so the list only ever holds files of the kind
// the visible tab converts. Also keeps startFolder, the folder the dialog
// starts in, which the settings file remembers between runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "batch/conversion_kind.h"
#include "batch/file_list.h"

namespace morlindo {

// What the dialog is asked for. Texts are in the system's 8-bit code page.
struct OpenFileRequest {
    std::string defaultExtension;  // ".alr"
    std::string filter;            // description "|" pattern: "Almap Track File(*.alr)|*.alr"
    std::string startFolder;
    bool multipleSelection = true;

    bool operator==(const OpenFileRequest&) const = default;
};

// The open-file dialog, modal. Its answer is one text: for several files the
// folder, NUL, the first name, NUL, the second name and so on; for one file
// its full path; the empty text when the dialog was cancelled.
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    virtual std::string askForFiles(const OpenFileRequest& request) = 0;
};

// The default extension and filter of a kind's input files.
struct FileFilter {
    std::string_view defaultExtension;
    std::string_view filter;
};
FileFilter fileFilterFor(ConversionKind kind);

// The answer text for files chosen in one folder: the full path of a single
// file, or the folder and the names separated by NUL.
std::string dialogAnswerFor(const std::string& folder, const std::vector<std::string>& names);

class FileSelection {
public:
    FileSelection(FileList& list, OpenFileDialog& dialog) : list_(list), dialog_(dialog) {}

    ConversionKind currentKind() const { return currentKind_; }
    const std::string& startFolder() const { return startFolder_; }
    void setStartFolder(std::string folder) { startFolder_ = std::move(folder); }

    // A tab became current: its kind becomes current, the list is emptied
    // and the dialog opens with the tab's filter.
    void tabChanged(ConversionKind kind);

    // Opens the dialog for the current kind and fills the list from its
    // answer. A cancelled or failing dialog leaves the list with its header
    // only and startFolder as it was.
    void selectFiles();

    // Fills the list from a dialog answer and takes startFolder from it:
    // after several files the folder as given, after one file its folder
    // with the trailing separator.
    void takeAnswer(std::string_view answer);

private:
    FileList& list_;
    OpenFileDialog& dialog_;
    ConversionKind currentKind_ = ConversionKind::AlmapToOziTrack;
    std::string startFolder_;
};

}  // namespace morlindo
