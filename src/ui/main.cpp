// morlindo-converter, the desktop program: one window that converts batches
// of GPS track files. `--lang ko` or `--lang en` chooses the language of the
// window; without it the system's language does (Korean, else English).
#include <QApplication>
#include <QStandardPaths>

#include "ui/frm_tarvex.h"
#include "ui/language.h"
#include "ui/qt_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MorlindoConverter"));
    using namespace morlindo;
    using namespace morlindo::ui;
    useLanguage(languageFor(QLocale::system(), QApplication::arguments()));

    QtOpenFileDialog fileDialog;
    QtMessageDialog messages;
    QtColorDialog colors;
    FrmTarvex window(WindowServices{
        fileDialog, messages, colors, tableConverter(),
        settingsFileFor(QApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)),
        [] { QApplication::exit(0); }});
    fileDialog.setParentWindow(&window);
    messages.setParentWindow(&window);
    colors.setParentWindow(&window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
