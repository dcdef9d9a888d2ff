#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "support/test_files.h"
#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

using Paths = std::vector<std::filesystem::path>;

// Opens the real dialog in the folder and lets "the user" type the
// selection and press Open, or cancel when there is none.
Paths chooseInDialog(const std::filesystem::path& folder, const QString& typed) {
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
    return dialog.askForFiles({{{"Almap Track File(*.alr)", "*.alr"}}, ".alr", folder, true});
}

// Names beyond any one code page go from the dialog to the converters intact.
TEST(QtOpenFileDialog, AnswersWithTheFullPathsOfTheChosenFiles) {
    test::TempDir dir;
    const auto folder = dir / "산책";
    std::filesystem::create_directory(folder);
    const QString hanzi = QStringLiteral("漢字 길.alr");
    for (const QString& name : {QStringLiteral("a.alr"), QStringLiteral("my.track.alr"), hanzi}) {
        test::writeFile(folder / filePathOf(name), "");
    }
    EXPECT_EQ(chooseInDialog(folder, QStringLiteral("\"a.alr\" \"my.track.alr\"")),
              (Paths{folder / "a.alr", folder / "my.track.alr"}));
    EXPECT_EQ(chooseInDialog(folder, hanzi), Paths{folder / filePathOf(hanzi)});
    EXPECT_EQ(chooseInDialog(folder, QString()), Paths{});
}

}  // namespace
}  // namespace morlindo::ui
