// The real dialogs and message boxes of the program, behind the interfaces
// through which the window and the batch use them (tests answer them with
// fakes instead).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "batch/file_selection.h"
#include "batch/message_dialog.h"
#include "ui/color_swatch.h"
#include "ui/output_choice_bar.h"

namespace morlindo::ui {

// The Qt form of the filters: each caption with its patterns in parentheses
// at the end, where Qt reads them ("Almap Track File(*.alr)"), joined by ";;".
QString qtNameFilters(const std::vector<FileFilter>& filters);

// The window the dialogs belong to; set once it exists.
class DialogParent {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

protected:
    QWidget* parentWindow() const { return parent_; }

private:
    QPointer<QWidget> parent_;
};

class QtOpenFileDialog final : public OpenFileDialog, public DialogParent {
public:
    std::vector<std::filesystem::path> askForFiles(const OpenFileRequest& request) override;
};

class QtMessageDialog final : public MessageDialog, public DialogParent {
public:
    void show(const Message& message) override;
    bool ask(const Message& question) override;
    bool offer(const Message& message, const std::string& action) override;
};

class QtFolderDialog final : public FolderDialog, public DialogParent {
public:
    std::optional<std::filesystem::path> chooseFolder(
        const std::filesystem::path& startFolder) override;
};

class QtColorDialog final : public ColorDialog, public DialogParent {
public:
    std::int32_t chooseColor(std::int32_t current) override;
};

}  // namespace morlindo::ui
