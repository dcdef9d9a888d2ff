// A window with every dialog answered by a fake, its settings file in a
// scratch folder, and converters that record their calls unless a test
// asks for the real ones.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>

#include "support/fake_front_end.h"
#include "support/test_files.h"
#include "ui/frm_tarvex.h"

namespace morlindo::test {

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
    // The folder the settings file falls back on.
    std::string executableFolder() const { return (dir / "bin").string(); }
    std::filesystem::path settingsPath() const { return dir / "MorlindoConverter.ini"; }

    // Builds the window; with realConverters the files are really converted.
    ui::FrmTarvex& makeWindow(bool realConverters = false) {
        ConverterTable table =
            realConverters
                ? standardConverters(std::make_shared<FixedClock>(DateTime{2004, 11, 8, 15, 30, 0}))
                : converters.table();
        window = std::make_unique<ui::FrmTarvex>(ui::WindowServices{
            fileDialog, messages, colors, std::move(table),
            ui::SettingsFile(settingsPath(), executableFolder()), [this] { ++programEnds; }});
        return *window;
    }

    // Builds the window and runs its start-up, cancelling the first dialog.
    ui::FrmTarvex& startWindow(bool realConverters = false) {
        makeWindow(realConverters).Form_Load();
        return *window;
    }

    std::vector<std::string> conversionColumn() const {
        std::vector<std::string> marks;
        for (int row = 1; row < window->fileList().rowCount(); ++row) {
            marks.push_back(window->fileList().cell(row, 3));
        }
        return marks;
    }

    TempDir dir;
    FakeFileDialog fileDialog;
    RecordingMessages messages;
    FakeColorDialog colors;
    RecordingConverters converters;
    int programEnds = 0;
    std::unique_ptr<ui::FrmTarvex> window;
};

}  // namespace morlindo::test
