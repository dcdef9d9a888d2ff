#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "support/fake_front_end.h"
#include "support/test_files.h"

namespace morlindo::ui {
namespace {

using test::joined;
using test::severalFiles;

// Opens the real dialog in the folder and lets "the user" type the
// selection and press Open, or cancel when there is none.
std::string chooseInDialog(const std::string& folder, const QString& typed) {
    QTimer::singleShot(0, [typed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (typed.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(typed);
        static_cast<QDialog*>(dialog)->accept();  // Open
    });
    QtOpenFileDialog dialog;
    return dialog.askForFiles({".alr", "Almap Track File(*.alr)|*.alr", folder, true});
}

TEST(QtOpenFileDialog, AnswersWithAFullPathOrTheFolderAndTheNames) {
    test::TempDir dir;
    for (const char* name : {"a.alr", "b.alr", "my.track.alr"}) test::writeFile(dir / name, "");
    const std::string folder = dir.path().string();
    EXPECT_EQ(chooseInDialog(folder, QStringLiteral("\"a.alr\" \"my.track.alr\"")),
              severalFiles(folder, {"a.alr", "my.track.alr"}));
    EXPECT_EQ(chooseInDialog(folder, QStringLiteral("b.alr")), joined(folder, "b.alr"));
    EXPECT_EQ(chooseInDialog(folder, QString()), "");
}

TEST(QtNameFilter, TurnsDescriptionAndPatternIntoQtsForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"Almap Track File(*.alr)|*.alr", "Almap Track File(*.alr)"},
        {"Nmea File(*.nmea)|*.nmea", "Nmea File(*.nmea)"},
        {"Tracks|*.plt|All|*.*", "Tracks (*.plt);;All (*.*)"},
    };
    for (const auto& [filter, expected] : cases) {
        EXPECT_EQ(qtNameFilter(QString::fromLatin1(filter)).toStdString(), expected);
    }
}

}  // namespace
}  // namespace morlindo::ui
