// A window with every dialog answered by a fake, its settings file in a
// scratch folder, and a converter that records its calls unless a test asks
// for the real conversions. Controls are found by their object names. The
// window speaks Korean unless a test chooses otherwise (gui_test_main.cpp).
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>

#include "support/fake_front_end.h"
#include "support/test_files.h"
#include "ui/frm_tarvex.h"

namespace morlindo::test {

inline std::string text(const QString& value) { return value.toStdString(); }

// Answers with the queued colours; an empty entry is Cancel.
class FakeColorDialog final : public ui::ColorDialog {
public:
    std::deque<std::optional<std::int32_t>> answers;
    std::vector<std::int32_t> openedAt;

    std::int32_t chooseColor(std::int32_t current) override {
        openedAt.push_back(current);
        std::optional<std::int32_t> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer.value_or(current);
    }
};

class WindowTest : public testing::Test {
protected:
    std::filesystem::path executableFolder() const { return dir / "bin"; }
    std::filesystem::path settingsPath() const { return dir / "MorlindoConverter.ini"; }

    // Builds the window; with realConverters the files are really converted.
    ui::FrmTarvex& makeWindow(bool realConverters = false) {
        Converter convert = converter.converter();
        if (realConverters) {
            convert = [](ConversionKind kind, const std::filesystem::path& input,
                         const ConversionOptions& options,
                         const std::filesystem::path& outputFolder, ReadProgress* progress) {
                ConversionContext context = fixedContext();
                context.progress = progress;
                context.outputFolder = outputFolder;
                return convertFile(kind, input, options, context);
            };
        }
        window = std::make_unique<ui::FrmTarvex>(ui::WindowServices{
            fileDialog, messages, colors, std::move(convert),
            ui::SettingsFile(settingsPath(), executableFolder()), [this] { ++programEnds; },
            [this](const std::filesystem::path& folder) { openedFolders.push_back(folder); },
            folderDialog});
        return *window;
    }

    // Builds the window and runs its start-up, cancelling the first dialog.
    ui::FrmTarvex& startWindow(bool realConverters = false) {
        makeWindow(realConverters).Form_Load();
        return *window;
    }

    // Shows the window and makes it the active one, as keys need.
    void activateWindow() const {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Widget>
    Widget& child(const QString& name) const {
        auto* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return *widget;
    }
    ui::TabControl& tabs() const { return child<ui::TabControl>(QStringLiteral("SSTab1")); }
    QAction& action(const char* name) const { return child<QAction>(QString::fromLatin1(name)); }
    // Presses a convert button and waits for the batch to end.
    void clickConvert(const char* button) const {
        child<QAbstractButton>(QString::fromLatin1(button)).click();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->batchRunning(); }, 60000));
    }
    QAbstractItemModel& listModel() const {
        return *child<QTableView>(QStringLiteral("flxFileNames")).model();
    }
    std::string cell(int row, int column) const {
        return listModel().index(row, column).data().toString().toStdString();
    }
    std::vector<std::string> conversionColumn() const {
        std::vector<std::string> marks;
        for (int row = 0; row < listModel().rowCount(); ++row) marks.push_back(cell(row, 3));
        return marks;
    }

    TempDir dir;
    FakeFileDialog fileDialog;
    RecordingMessages messages;
    FakeColorDialog colors;
    RecordingConverter converter;
    int programEnds = 0;
    Paths openedFolders;
    ui::FolderDialog* folderDialog = nullptr;
    std::unique_ptr<ui::FrmTarvex> window;
};

}  // namespace morlindo::test
