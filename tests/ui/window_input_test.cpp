// The window by keyboard, by drag and drop, and in both its languages.
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/reason_text.h"
#include "window_fixture.h"

namespace morlindo::test {
namespace {

QWidget* focused() { return QApplication::focusWidget(); }

TEST_F(WindowTest, TheKeyboardReachesEveryControlLeavesTheListAndChangesTabs) {
    fileDialog.answers = {{"d/a.alr"}};
    startWindow();
    activateWindow();
    QWidget* const chain[] = {&tabs().tab(0),
                              &child<QWidget>(QStringLiteral("cmbLineWidth")),
                              &child<QWidget>(QStringLiteral("cmdColorSelectTrk")),
                              &child<QWidget>(QStringLiteral("cmbPltType")),
                              &child<QWidget>(QStringLiteral("cmdOpenFile0")),
                              &child<QWidget>(QStringLiteral("cmdTarvexTrack")),
                              &child<QWidget>(QStringLiteral("cmbOutputFolder")),
                              &child<QWidget>(QStringLiteral("cmbExistingOutputs")),
                              &child<QWidget>(QStringLiteral("flxFileNames")),
                              &tabs().tab(0)};
    chain[0]->setFocus();
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), chain[i]) << i;
    }
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), chain[8]);

    // Enter presses a button, as Space does.
    QTest::keyClick(chain[4], Qt::Key_Return);
    EXPECT_EQ(fileDialog.requests.size(), 2u);

    // The tab keys work from anywhere, the list included, and a change of
    // tab opens the dialog as a click does; on the tabs, the arrows.
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::ControlModifier | Qt::Key_Tab, 1},
        {Qt::ControlModifier | Qt::Key_PageDown, 2},
        {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Backtab, 1},
        {Qt::ControlModifier | Qt::Key_PageUp, 0},
        {Qt::ControlModifier | Qt::Key_PageUp, 8}};
    for (const auto& [key, tab] : keys) {
        QTest::keyClick(chain[8], key.key(), key.keyboardModifiers());
        EXPECT_EQ(tabs().currentIndex(), tab) << tab;
    }
    EXPECT_EQ(fileDialog.requests.size(), 7u);
    tabs().tab(8).setFocus();
    QTest::keyClick(focused(), Qt::Key_Left);
    EXPECT_EQ(tabs().currentIndex(), 7);
    EXPECT_EQ(focused(), &tabs().tab(7));
}

void drop(QWidget& target, const Paths& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& file : files) urls << QUrl::fromLocalFile(ui::qStringOf(file));
    data.setUrls(urls);
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropped({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &dropped);
}

TEST_F(WindowTest, DroppedFilesJoinTheListWhenTheTabReadsThem) {
    const auto gps = dir / "gps";
    for (const char* name : {"gps/b.alr", "gps/a.ALR", "gps/notes.txt", "gps/sub/c.alr", "x.alr",
                             "walk.plt", "run.plt", "readme.txt"}) {
        std::filesystem::create_directories((dir / name).parent_path());
        writeFile(dir / name, "");
    }
    fileDialog.answers = {{dir / "first.alr"}};
    startWindow();
    auto& list = child<QTableView>(QStringLiteral("flxFileNames"));
    drop(*list.viewport(), {dir / "x.alr", gps});
    EXPECT_EQ(window->fileList().inputs(),
              (Paths{dir / "first.alr", dir / "x.alr", gps / "a.ALR", gps / "b.alr"}));
    EXPECT_EQ(cell(3, 0), "4");
    EXPECT_EQ(window->fileSelection().startFolder(), dir.path());
    EXPECT_TRUE(messages.shown.empty());

    // Other kinds are named in one message with the tab that reads them;
    // a drop on a text box is a drop on the window.
    fileDialog.answers = {{}};
    tabs().setCurrentIndex(1);
    drop(child<QWidget>(QStringLiteral("txtRteName")),
         {dir / "walk.plt", dir / "run.plt", dir / "readme.txt", gps / "b.alr"});
    EXPECT_EQ(window->fileList().inputs(), Paths{gps / "b.alr"});
    EXPECT_EQ(window->fileSelection().startFolder(), gps / "");
    EXPECT_EQ(text(child<QLineEdit>(QStringLiteral("txtRteName")).text()), "R0");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "추가하지 않은 파일");
    EXPECT_EQ(messages.shown[0].text,
              "\"AlMap Track -> Ozi Route\" 탭은 다음 파일을 읽지 않습니다:\n"
              "readme.txt: 이 종류의 파일을 읽는 탭이 없습니다\n"
              "walk.plt, run.plt: \"Ozi Track -> AlMap Track\", \"Track -> GPX\" 탭에서 읽습니다");
}

class LanguageTest : public WindowTest {
protected:
    ~LanguageTest() override { ui::useLanguage(ui::Language::Korean); }
};

TEST_F(LanguageTest, FollowsTheSystemLanguageUnlessTheCommandLineChooses) {
    struct Case {
        const char* locale;
        const char* arguments;
        const char* open;
        const char* trackWidth;
        const char* reason;
    };
    const Case cases[] = {
        {"ko_KR", "", "열  기", "트랙 두께 :", "열 수 없습니다: 그런 파일이나 폴더가 없습니다"},
        {"en_US", "", "Open", "Track width:", "cannot open it: No such file or directory"},
        {"en_US", "--lang ko", "열  기",
         "트랙 두께 :", "열 수 없습니다: 그런 파일이나 폴더가 없습니다"},
        {"ko_KR", "--lang=en", "Open", "Track width:", "cannot open it: No such file or directory"},
    };
    for (const Case& c : cases) {
        const QStringList arguments = QStringLiteral("morlindo-converter %1")
                                          .arg(QString::fromLatin1(c.arguments))
                                          .split(u' ');
        ui::useLanguage(ui::languageFor(QLocale(QString::fromLatin1(c.locale)), arguments));
        startWindow();
        EXPECT_EQ(text(child<QAbstractButton>(QStringLiteral("cmdOpenFile0")).text()), c.open);
        auto* width = &child<QWidget>(QStringLiteral("cmbLineWidth"));
        const auto labels = window->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
            return label->buddy() == width && text(label->text()) == c.trackWidth;
        })) << c.locale;
        const Error error("walk.alr", "cannot open it: %1", {systemReason(ENOENT)});
        EXPECT_EQ(text(ui::reasonText(error)), c.reason);
        // Qt's own dialogs follow.
        const bool korean = std::string(c.open) != "Open";
        EXPECT_EQ(
            QCoreApplication::translate("QFileDialog", "Look in:") != QLatin1String("Look in:"),
            korean);
    }
}

}  // namespace
}  // namespace morlindo::test
