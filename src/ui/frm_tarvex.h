// The program's one window, frmTarvex: a tab per conversion of the table,
// each with its option controls, above the file list, and the menus. Its
// handlers only pass events on: to the file selection and the batch, which
// do the work, and to the dialogs and message boxes it is given. Controls
// carry the object names by which tests and the rest of the window find them.
//
// A batch runs on a worker thread (BatchThread), so the window stays alive:
// the status bar shows its progress and a Cancel button (Escape does the
// same), while changing the tab, opening files and starting another batch
// wait for it to end. Files dropped on the window join the list; Ctrl+Tab,
// Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp change the tab. Below the list,
// a preview shows the file of the selected row.
//
// Converting needs files: while the list is empty the convert buttons and
// the menu item wait. The option controls and the list's rows stay as they
// are while a batch runs.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QSplitter>
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
#include "ui/batch_progress.h"
#include "ui/batch_thread.h"
#include "ui/color_swatch.h"
#include "ui/file_list_model.h"
#include "ui/file_list_view.h"
#include "ui/output_choice_bar.h"
#include "ui/settings_file.h"
#include "ui/tab_control.h"
#include "ui/tab_page.h"
#include "ui/track_preview.h"

class QMimeData;

namespace morlindo::ui {

// What the window works with. The dialogs and message boxes must outlive it.
struct WindowServices {
    OpenFileDialog& fileDialog;
    MessageDialog& messages;
    ColorDialog& colors;
    // Called on the batch's worker thread.
    Converter converter;
    SettingsFile settings;
    // Ends the program at once.
    std::function<void()> endProgram;
    // Shows a folder in the system's file manager.
    std::function<void(const std::filesystem::path&)> openFolder;
    // Chooses the folder outputs go to; without one, they stay beside.
    FolderDialog* folderDialog = nullptr;
};

class FrmTarvex final : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(FrmTarvex)

public:
    explicit FrmTarvex(WindowServices services, QWidget* parent = nullptr);
    ~FrmTarvex() override;
    FrmTarvex(const FrmTarvex&) = delete;
    FrmTarvex& operator=(const FrmTarvex&) = delete;

    // Start-up: title, the settings file, the option lists; the window is
    // shown where it was last time (within the screen), then tab 0 opens
    // the dialog. Files given on the command line take the dialog's place:
    // the window opens on the first tab that reads them and lists them.
    void Form_Load(const std::vector<std::filesystem::path>& commandLineFiles = {});
    // Closing the window saves the settings and ends, as the exit item does.
    void Form_QueryUnload();
    void SSTab1_Click(int previousTab);
    void mnuFileOpen_Click();
    // While a batch runs, asks first whether to cancel it; the program then
    // ends once the batch has stopped.
    void mnuExit_Click();
    void mnuHelp_Click();
    // A convert button: starts the batch over the list with its tab's
    // conversion; it ends with its message after the last row.
    void convert(ConversionKind kind);
    bool batchRunning() const { return batch_.running(); }

    const FileList& fileList() const { return fileList_; }
    const FileSelection& fileSelection() const { return selection_; }

private:
    void buildTabs();
    void openCommandLineFiles(const std::vector<std::filesystem::path>& files);
    void buildMenus();
    void buildShortcuts();
    void connectHandlers();
    void orderFocusChain();
    void applyColumnWidths();
    void showOnScreen();
    void placeOnScreen(const QMargins& frame);
    Settings currentSettings() const;
    void updateActions();
    void removeRows(const std::vector<int>& rows);
    void openFolderOfRow(int row);
    int twips(int value) const;
    ConversionOptions optionsOf(ConversionKind kind) const;
    void showRowEvent(int row, RowEvent event);
    void previewRow(int row);
    void batchEnded();
    void reportCompletion(const BatchOutcome& outcome);
    QStringList countLines(const BatchOutcome& outcome) const;
    std::filesystem::path batchOutputFolder() const;
    void setBusy(bool busy);
    void setBusyCursor(bool busy);

    bool takesDrop(const QMimeData* data) const;
    void dropFiles(const QMimeData& data);
    Message refusedMessage(ConversionKind tab,
                           const std::vector<std::filesystem::path>& refused) const;

    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    FileList fileList_;
    FileSelection selection_;
    MessageDialog& messages_;
    ColorDialog& colors_;
    Converter converter_;
    SettingsFile settings_;
    // As read at start-up; what the window does not change is written back.
    Settings remembered_;
    std::function<void()> endProgram_;
    std::function<void(const std::filesystem::path&)> openFolder_;
    bool ending_ = false;
    bool busy_ = false;
    bool exitWhenStopped_ = false;
    bool busyCursor_ = false;
    // The inputs and output choice of the batch that runs or ran last.
    std::vector<std::filesystem::path> batchInputs_;
    OutputChoice batchOutput_;
    // Where the focus was when the batch started; it goes back there.
    QPointer<QWidget> focusBeforeBatch_;

    // Widgets are destroyed in reverse order: each is declared after the
    // widget that holds it.
    QWidget central_;
    QVBoxLayout centralLayout_{&central_};
    TabControl tabs_{3};
    std::vector<std::unique_ptr<TabPage>> pages_;
    OutputChoiceBar output_;
    QSplitter listAndPreview_;
    FileListModel fileListModel_{fileList_};
    FileListView fileView_;
    TrackPreview preview_;
    BatchProgress progress_;

    QMenu fileMenu_{tr("&File")};
    QAction openAction_{tr("&Open Files...")};
    QAction convertAction_{tr("Con&vert Files")};
    QAction exitAction_{tr("E&xit")};
    QMenu convertMenu_{tr("&Convert")};
    std::vector<std::unique_ptr<QAction>> convertActions_;
    QAction helpAction_{tr("&Help")};
    QShortcut nextTab_{this};
    QShortcut previousTab_{this};
    QShortcut cancelKey_{this};

    // Declared last, so that it is destroyed first: it stops its worker
    // before anything the worker reports to goes away.
    BatchThread batch_;
};

}  // namespace morlindo::ui
