#include "ui/qt_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

QMessageBox::Icon qtIconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString qtNameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        const QString caption = fromUtf8(filter.caption);
        const QString patterns = QLatin1Char('(') + fromUtf8(filter.patterns) + QLatin1Char(')');
        names << (caption.endsWith(patterns) ? caption : caption + QLatin1Char(' ') + patterns);
    }
    return names.join(QStringLiteral(";;"));
}

std::vector<std::filesystem::path> QtOpenFileDialog::askForFiles(const OpenFileRequest& request) {
    QFileDialog dialog(parentWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multipleSelection ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    dialog.setNameFilter(qtNameFilters(request.filters));
    QString suffix = fromUtf8(request.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!request.startFolder.empty()) dialog.setDirectory(qStringOf(request.startFolder));
    if (dialog.exec() != QDialog::Accepted) return {};

    std::vector<std::filesystem::path> files;
    for (const QString& path : dialog.selectedFiles()) {
        files.push_back(filePathOf(QDir::toNativeSeparators(path)));
    }
    return files;
}

void QtMessageDialog::show(const Message& message) {
    QMessageBox box(qtIconOf(message.icon), fromUtf8(message.title), fromUtf8(message.text),
                    QMessageBox::Ok, parentWindow());
    box.exec();
}

bool QtMessageDialog::ask(const Message& question) {
    QMessageBox box(QMessageBox::Question, fromUtf8(question.title), fromUtf8(question.text),
                    QMessageBox::Yes | QMessageBox::No, parentWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool QtMessageDialog::offer(const Message& message, const std::string& action) {
    QMessageBox box(qtIconOf(message.icon), fromUtf8(message.title), fromUtf8(message.text),
                    QMessageBox::Ok, parentWindow());
    QPushButton* button = box.addButton(fromUtf8(action), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == button;
}

std::optional<std::filesystem::path> QtFolderDialog::chooseFolder(
    const std::filesystem::path& startFolder) {
    const QString folder =
        QFileDialog::getExistingDirectory(parentWindow(), QString(), qStringOf(startFolder));
    if (folder.isEmpty()) return std::nullopt;
    return filePathOf(QDir::toNativeSeparators(folder));
}

std::int32_t QtColorDialog::chooseColor(std::int32_t current) {
    const QColor chosen = QColorDialog::getColor(qColorOf(current), parentWindow());
    return chosen.isValid() ? colorValueOf(chosen) : current;
}

}  // namespace morlindo::ui
