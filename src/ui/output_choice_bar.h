// The row above the file list that says where the outputs go and what
// becomes of outputs that exist: "beside each input" (as the converters
// always did) or a folder the user chose, and replace (as always) or skip.
// The chosen folder is offered again in the list; "Choose a folder..."
// opens the folder dialog, and cancelling it keeps the choice before.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "batch/run_batch.h"

namespace morlindo::ui {

// Asks the user for a folder; nothing when cancelled.
class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    virtual std::optional<std::filesystem::path> chooseFolder(
        const std::filesystem::path& startFolder) = 0;
};

class OutputChoiceBar final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(OutputChoiceBar)

public:
    explicit OutputChoiceBar(QWidget* parent = nullptr);

    // The dialog must outlive the bar; without one, no folder is chosen.
    void setFolderDialog(FolderDialog* dialog) { dialog_ = dialog; }
    OutputChoice choice() const;
    void setChoice(const OutputChoice& choice);

private:
    void folderPicked(int index);
    void showFolder(const std::filesystem::path& folder);

    QHBoxLayout layout_{this};
    QLabel folderLabel_{tr("Save to:")};
    QComboBox folder_;
    QLabel existingLabel_{tr("Existing files:")};
    QComboBox existing_;
    FolderDialog* dialog_ = nullptr;
    std::filesystem::path chosen_;
    int lastIndex_ = 0;
};

}  // namespace morlindo::ui
