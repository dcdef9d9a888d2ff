// The window at work: no conversion without files, a list that fits the
// window at any width, rows taken off the list, and texts that never widen
// the window.
#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>

#include "ui/file_list_view.h"
#include "window_fixture.h"

namespace morlindo::test {
namespace {

TEST_F(WindowTest, AnEmptyListCannotBeConvertedAndSaysHowToFillIt) {
    startWindow();
    auto& button = child<QAbstractButton>(QStringLiteral("cmdTarvexTrack"));
    auto& hint = child<QLabel>(QStringLiteral("lblEmptyList"));
    EXPECT_FALSE(button.isEnabled());
    EXPECT_FALSE(action("mnuConvertFiles").isEnabled());
    EXPECT_EQ(text(hint.text()), "파일을 여기에 끌어다 놓거나 \"열  기\" 단추를 누르십시오");
    window->convert(ConversionKind::AlmapToOziTrack);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(converter.calls.empty());

    fileDialog.answers = {{"d/a.alr"}};
    action("mnuFileOpen").trigger();
    EXPECT_TRUE(button.isEnabled());
    EXPECT_TRUE(action("mnuConvertFiles").isEnabled());
    EXPECT_TRUE(hint.isHidden());
}

// Delete and the context menu take rows off; the rows left keep their
// marks. Nothing is taken off, and no option changes, while a batch runs.
TEST_F(WindowTest, RowsAreRemovedAndTheListAndOptionsWaitForABatch) {
    fileDialog.answers = {{"d/a.alr", "d/b.alr", "e/c.alr", "e/d.alr"}};
    startWindow();
    activateWindow();
    auto& view = child<ui::FileListView>(QStringLiteral("flxFileNames"));
    bool checkedDuringBatch = false;
    converter.onConvert = [&] {
        if (checkedDuringBatch) return;
        checkedDuringBatch = true;
        EXPECT_FALSE(child<QWidget>(QStringLiteral("cmbLineWidth")).isEnabled());
        EXPECT_FALSE(view.removeAction().isEnabled());
    };
    clickConvert("cmdTarvexTrack");
    EXPECT_TRUE(checkedDuringBatch);
    EXPECT_TRUE(child<QWidget>(QStringLiteral("cmbLineWidth")).isEnabled());

    view.selectRow(1);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>(3, "Converted")));
    EXPECT_EQ(cell(1, 2), "c.alr");
    EXPECT_EQ(cell(1, 0), "2");

    view.selectRow(2);
    view.openFolderAction().trigger();
    EXPECT_EQ(openedFolders, Paths{"e"});
    view.selectAll();
    view.removeAction().trigger();
    EXPECT_EQ(listModel().rowCount(), 0);
    EXPECT_FALSE(child<QAbstractButton>(QStringLiteral("cmdTarvexTrack")).isEnabled());
}

// The list fills the window's width at the smallest window and a large one:
// no scroll bar hides the Conversion column and no blank strip remains.
TEST_F(WindowTest, TheColumnsFitTheWindowAtAnyWidth) {
    fileDialog.answers = {{"d/a.alr"}};
    startWindow();
    activateWindow();
    auto& view = child<ui::FileListView>(QStringLiteral("flxFileNames"));
    const int startWidths[] = {view.columnWidth(0), view.columnWidth(2), view.columnWidth(3)};
    for (const int width : {window->minimumSizeHint().width(), 1600}) {
        window->resize(width, window->height());
        QApplication::processEvents();
        int columns = 0;
        for (int column = 0; column < 4; ++column) columns += view.columnWidth(column);
        EXPECT_EQ(columns, view.viewport()->width()) << width;
        EXPECT_FALSE(view.horizontalScrollBar()->isVisible()) << width;
        EXPECT_EQ(view.columnWidth(3), startWidths[2]) << width;
    }
    // The user resizes a column; the Folder column gives or takes the width.
    view.horizontalHeader()->resizeSection(2, startWidths[1] + 50);
    int columns = 0;
    for (int column = 0; column < 4; ++column) columns += view.columnWidth(column);
    EXPECT_EQ(columns, view.viewport()->width());
    EXPECT_EQ(view.columnWidth(0), startWidths[0]);
}

// A failure naming a file deep in a folder tree, in the status line, the
// message and the preview, leaves the window's width as it was.
TEST_F(WindowTest, ALongTextNeverWidensTheWindow) {
    std::filesystem::path deep = "d";
    for (int level = 0; level < 30; ++level)
        deep /= "folder_with_a_long_name_" + std::to_string(level);
    fileDialog.answers = {{deep / "walk.alr"}};
    startWindow(true);
    activateWindow();
    const int narrowest = window->minimumSizeHint().width();
    const int width = window->width();
    clickConvert("cmdTarvexTrack");
    auto& summary = child<QLabel>(QStringLiteral("lblPreviewSummary"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return summary.text().contains(QStringLiteral("walk")); }));
    QApplication::processEvents();
    EXPECT_EQ(window->minimumSizeHint().width(), narrowest);
    EXPECT_EQ(window->width(), width);
}

class FakeFolderDialog final : public ui::FolderDialog {
public:
    std::optional<std::filesystem::path> answer;
    std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path&) override {
        return answer;
    }
};

// Outputs go to a chosen folder, an output that exists there is skipped;
// the message counts both and opens the folder. Both choices are kept.
TEST_F(WindowTest, OutputsGoWhereChosenAndExistingOnesAreSkipped) {
    for (const char* name : {"a.alr", "b.alr"}) writeFile(dir / name, almapFile({{127.0, 37.5}}));
    const auto out = dir / "out";
    std::filesystem::create_directory(out);
    writeFile(out / "b.plt", "older");
    FakeFolderDialog folders;
    folders.answer = out;
    fileDialog.answers = {{dir / "a.alr", dir / "b.alr"}};
    folderDialog = &folders;
    startWindow(true);
    auto& folder = child<QComboBox>(QStringLiteral("cmbOutputFolder"));
    Q_EMIT folder.activated(folder.count() - 1);
    EXPECT_EQ(text(folder.currentText()), displayPath(out));
    child<QComboBox>(QStringLiteral("cmbExistingOutputs")).setCurrentIndex(1);
    messages.takesOffer = true;
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>{"Converted", "건너뜀"}));
    EXPECT_EQ(readFile(out / "b.plt"), "older");
    EXPECT_TRUE(std::filesystem::exists(out / "a.plt"));
    EXPECT_EQ(messages.shown.back().text,
              "정상적으로 변환이 완료되었습니다\n\n변환한 파일: 1개\n"
              "변환한 파일이 이미 있어 건너뛴 파일: 1개\n저장한 곳: " +
                  displayPath(out));
    EXPECT_EQ(openedFolders, Paths{out});

    action("mnuExit").trigger();
    fileDialog.answers = {{dir / "a.alr", dir / "b.alr"}};
    std::filesystem::remove(out / "a.plt");
    startWindow();
    clickConvert("cmdTarvexTrack");
    ASSERT_EQ(converter.calls.size(), 1u);
    EXPECT_EQ(converter.calls[0].outputFolder, out);
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>{"Converted", "건너뜀"}));
}

// The window opens where it was, but never larger than the screen's
// available area nor partly off it; the preview keeps its height.
TEST_F(WindowTest, TheWindowOpensWithinTheScreenWhereItWas) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* name;
        std::string line;
        std::optional<QRect> expected;  // nothing: anywhere within the screen
    };
    const Case cases[] = {
        {"no place yet", "", std::nullopt},
        {"a place that fits", "window=10,40,700,560\r\npreview=150\r\n", QRect(10, 40, 700, 560)},
        {"off the screen and too large", "window=5000,-900,4000,3000\r\n", std::nullopt},
    };
    for (const Case& c : cases) {
        writeFile(settingsPath(), "start\r\n" + c.line);
        startWindow();
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(screen.contains(frame.topLeft()) && frame.right() <= screen.right() &&
                    window->geometry().bottom() <= screen.bottom())
            << c.name << " min " << window->minimumSizeHint().height() << " " << frame.x() << ","
            << frame.y() << " " << frame.width() << "x" << frame.height();
        if (c.expected) {
            EXPECT_EQ(QRect(window->pos(), window->size()), *c.expected) << c.name;
            EXPECT_EQ(child<QSplitter>(QStringLiteral("splListAndPreview")).sizes().value(1), 150);
        }
        action("mnuExit").trigger();
        EXPECT_NE(readFile(settingsPath()).find("window="), std::string::npos);
    }
}

}  // namespace
}  // namespace morlindo::test
