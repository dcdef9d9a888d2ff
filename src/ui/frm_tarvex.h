// The program's one window, frmTarvex: a tab per conversion of the table,
// each with its option controls, above the file list, and the menus. Its
// handlers only pass events on: to the file selection and the batch, which
// do the work, and to the dialogs and message boxes it is given. Controls
// carry the object names by which tests and the rest of the window find them.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>
#include <memory>
#include <vector>

#include "batch/command_line_files.h"
#include "batch/file_list.h"
#include "batch/file_selection.h"
#include "batch/message_dialog.h"
#include "batch/run_batch.h"
#include "ui/color_swatch.h"
#include "ui/file_list_model.h"
#include "ui/settings_file.h"
#include "ui/tab_control.h"
#include "ui/tab_page.h"

namespace morlindo::ui {

// What the window works with. The dialogs and message boxes must outlive it.
struct WindowServices {
    OpenFileDialog& fileDialog;
    MessageDialog& messages;
    ColorDialog& colors;
    Converter converter;
    SettingsFile settings;
    // Ends the program at once.
    std::function<void()> endProgram;
};

class FrmTarvex final : public QMainWindow {
public:
    explicit FrmTarvex(WindowServices services, QWidget* parent = nullptr);
    ~FrmTarvex() override;
    FrmTarvex(const FrmTarvex&) = delete;
    FrmTarvex& operator=(const FrmTarvex&) = delete;

    // Start-up, before the window is first shown: size and title, the
    // settings file, the option lists, then tab 0, which opens the dialog.
    // Files given on the command line take the dialog's place: the window
    // opens on the first tab that reads them and lists them.
    void Form_Load(const std::vector<std::filesystem::path>& commandLineFiles = {});
    // Closing the window saves the settings and ends, as the exit item does.
    void Form_QueryUnload();
    void SSTab1_Click(int previousTab);
    void mnuFileOpen_Click();
    void mnuExit_Click();
    void mnuHelp_Click();
    // A convert button: the batch over the list with its tab's conversion.
    void convert(ConversionKind kind);

    const FileList& fileList() const { return fileList_; }
    const FileSelection& fileSelection() const { return selection_; }

private:
    void buildTabs();
    void openCommandLineFiles(const std::vector<std::filesystem::path>& files);
    void buildMenus();
    void connectHandlers();
    void applyColumnWidths();
    int twips(int value) const;
    ConversionOptions optionsOf(ConversionKind kind) const;
    void showRowEvent(std::size_t row, RowEvent event);

    void closeEvent(QCloseEvent* event) override;

    FileList fileList_;
    FileSelection selection_;
    MessageDialog& messages_;
    ColorDialog& colors_;
    Converter converter_;
    SettingsFile settings_;
    std::function<void()> endProgram_;
    bool ending_ = false;

    // Widgets are destroyed in reverse order: each is declared after the
    // widget that holds it.
    QWidget central_;
    QVBoxLayout centralLayout_{&central_};
    TabControl tabs_{3};
    std::vector<std::unique_ptr<TabPage>> pages_;
    FileListModel fileListModel_{fileList_};
    QTableView fileView_;

    QMenu fileMenu_{QStringLiteral("파일")};
    QAction openAction_{QStringLiteral("파일열기")};
    QAction exitAction_{QStringLiteral("종료")};
    QMenu convertMenu_{QStringLiteral("변환")};
    std::vector<std::unique_ptr<QAction>> convertActions_;
    QAction helpAction_{QStringLiteral("도움말")};
};

}  // namespace morlindo::ui
