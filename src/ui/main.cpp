// morlindo-converter, the desktop program: one window that converts batches
// of GPS track files. Files given on the command line (a file manager's
// "Open with", or a terminal) are listed on the first tab that reads them,
// in place of the open-file dialog that starts the program otherwise.
// `--lang ko` or `--lang en` chooses the language of the window; without it
// the system's language does (Korean, else English).
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "ui/frm_tarvex.h"
#include "ui/language.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"

namespace {

std::vector<std::filesystem::path> commandLineFiles() {
    std::vector<std::filesystem::path> files;
    const QStringList arguments = morlindo::ui::withoutLanguageArguments(QApplication::arguments());
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString path = QFileInfo(arguments[i]).absoluteFilePath();
        files.push_back(morlindo::ui::filePathOf(QDir::toNativeSeparators(path)));
    }
    return files;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MorlindoConverter"));
    using namespace morlindo;
    using namespace morlindo::ui;
    useLanguage(languageFor(QLocale::system(), QApplication::arguments()));

    QtOpenFileDialog fileDialog;
    QtMessageDialog messages;
    QtColorDialog colors;
    QtFolderDialog folders;
    FrmTarvex window(WindowServices{
        fileDialog, messages, colors, tableConverter(),
        settingsFileFor(QApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                        QString::fromUtf8(MORLINDO_INSTALL_BINDIR), documentsFolder()),
        [] { QApplication::exit(0); },
        [](const std::filesystem::path& folder) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(qStringOf(folder)));
        },
        &folders});
    fileDialog.setParentWindow(&window);
    messages.setParentWindow(&window);
    colors.setParentWindow(&window);
    folders.setParentWindow(&window);
    window.Form_Load(commandLineFiles());
    return QApplication::exec();
}
