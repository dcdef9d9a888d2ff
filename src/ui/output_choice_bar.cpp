#include "ui/output_choice_bar.h"

#include <QAbstractItemView>
#include <QDir>
#include <QSignalBlocker>

#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

enum FolderItem { kBeside = 0, kChosen = 1 };
enum ExistingItem { kReplace = 0, kSkip = 1 };

// The folder list asks for this many characters; longer folders are elided.
constexpr int kFolderCharacters = 24;

}  // namespace

OutputChoiceBar::OutputChoiceBar(QWidget* parent) : QWidget(parent) {
    folder_.setObjectName(QStringLiteral("cmbOutputFolder"));
    existing_.setObjectName(QStringLiteral("cmbExistingOutputs"));
    folder_.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    folder_.setMinimumContentsLength(kFolderCharacters);
    folder_.view()->setTextElideMode(Qt::ElideMiddle);
    folder_.addItem(tr("Beside each input file"));
    folder_.addItem(tr("Choose a folder..."));
    existing_.addItem(tr("Replace"));
    existing_.addItem(tr("Skip"));
    folderLabel_.setBuddy(&folder_);
    existingLabel_.setBuddy(&existing_);
    layout_.setContentsMargins(0, 0, 0, 0);
    layout_.addWidget(&folderLabel_);
    layout_.addWidget(&folder_, 1);
    layout_.addWidget(&existingLabel_);
    layout_.addWidget(&existing_);
    connect(&folder_, &QComboBox::activated, this, [this](int index) { folderPicked(index); });
}

OutputChoice OutputChoiceBar::choice() const {
    const bool inFolder = !chosen_.empty() && folder_.currentIndex() == kChosen;
    return {inFolder ? chosen_ : std::filesystem::path(), existing_.currentIndex() == kSkip};
}

void OutputChoiceBar::setChoice(const OutputChoice& choice) {
    existing_.setCurrentIndex(choice.skipExisting ? kSkip : kReplace);
    if (!choice.folder.empty()) {
        showFolder(choice.folder);
        folder_.setCurrentIndex(kChosen);
    } else {
        folder_.setCurrentIndex(kBeside);
    }
    lastIndex_ = folder_.currentIndex();
}

// The last item chooses a folder; the others are choices already.
void OutputChoiceBar::folderPicked(int index) {
    if (index != folder_.count() - 1) {
        lastIndex_ = index;
        return;
    }
    std::optional<std::filesystem::path> folder;
    if (dialog_ != nullptr) folder = dialog_->chooseFolder(chosen_);
    if (!folder) {
        folder_.setCurrentIndex(lastIndex_);
        return;
    }
    showFolder(*folder);
    folder_.setCurrentIndex(kChosen);
    lastIndex_ = kChosen;
}

void OutputChoiceBar::showFolder(const std::filesystem::path& folder) {
    const QSignalBlocker quiet(folder_);
    if (chosen_.empty()) folder_.insertItem(kChosen, QString());
    chosen_ = folder;
    const QString text = QDir::toNativeSeparators(qStringOf(folder));
    folder_.setItemText(kChosen, text);
    folder_.setItemData(kChosen, text, Qt::ToolTipRole);
}

}  // namespace morlindo::ui
