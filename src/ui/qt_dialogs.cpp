#include "ui/qt_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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

QString qtNameFilter(const QString& filter) {
    const QStringList pieces = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString& description = pieces[i];
        const QString pattern = QLatin1Char('(') + pieces[i + 1] + QLatin1Char(')');
        // Qt reads the pattern from the parentheses at the end of the text.
        filters << (description.endsWith(pattern) ? description
                                                  : description + QLatin1Char(' ') + pattern);
    }
    return filters.join(QStringLiteral(";;"));
}

std::string QtOpenFileDialog::askForFiles(const OpenFileRequest& request) {
    QFileDialog dialog(parentWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multipleSelection ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    dialog.setNameFilter(qtNameFilter(fromSystemText(request.filter)));
    QString suffix = fromSystemText(request.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!request.startFolder.empty()) dialog.setDirectory(fromSystemText(request.startFolder));
    if (dialog.exec() != QDialog::Accepted) return {};

    // Qt answers with full paths; several chosen files share one folder.
    const QStringList paths = dialog.selectedFiles();
    if (paths.isEmpty()) return {};
    const QString folder = QDir::toNativeSeparators(QFileInfo(paths.front()).absolutePath());
    std::vector<std::string> names;
    for (const QString& path : paths) names.push_back(systemTextOf(QFileInfo(path).fileName()));
    return dialogAnswerFor(systemTextOf(folder), names);
}

void QtMessageDialog::show(const Message& message) {
    QMessageBox box(qtIconOf(message.icon), fromUtf8(message.title), fromUtf8(message.text),
                    QMessageBox::Ok, parentWindow());
    box.exec();
}

std::int32_t QtColorDialog::chooseColor(std::int32_t current) {
    const QColor chosen = QColorDialog::getColor(qColorOf(current), parentWindow());
    return chosen.isValid() ? colorValueOf(chosen) : current;
}

}  // namespace morlindo::ui
