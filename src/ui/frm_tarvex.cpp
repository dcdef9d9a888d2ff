#include "ui/frm_tarvex.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QSignalBlocker>

#include "ui/program_facts.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace morlindo::ui {
namespace {

// Window geometry, in twips.
constexpr int kWindowWidth = 12750;
constexpr int kWindowHeight = 9090;
constexpr int kMargin = 60;
constexpr int kTabHeight = 2955;
constexpr int kListTop = 3060;

}  // namespace

FrmTarvex::FrmTarvex(WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      selection_(fileList_, services.fileDialog),
      messages_(services.messages),
      colors_(services.colors),
      converter_(std::move(services.converter)),
      settings_(std::move(services.settings)),
      endProgram_(std::move(services.endProgram)) {
    setObjectName(QStringLiteral("frmTarvex"));
    buildTabs();
    buildMenus();

    fileView_.setObjectName(QStringLiteral("flxFileNames"));
    fileView_.setModel(&fileListModel_);
    fileView_.verticalHeader()->hide();
    fileView_.verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    fileView_.setSelectionBehavior(QAbstractItemView::SelectRows);
    fileView_.setEditTriggers(QAbstractItemView::NoEditTriggers);

    const int margin = twips(kMargin);
    centralLayout_.setContentsMargins(margin, margin, margin, margin);
    centralLayout_.setSpacing(twips(kListTop - kMargin - kTabHeight));
    tabs_.setMinimumHeight(twips(kTabHeight));
    centralLayout_.addWidget(&tabs_);
    // The list takes whatever height the window gives it.
    centralLayout_.addWidget(&fileView_, 1);
    setCentralWidget(&central_);

    connectHandlers();
}

FrmTarvex::~FrmTarvex() = default;

int FrmTarvex::twips(int value) const { return twipsToPixels(value, logicalDpiX()); }

void FrmTarvex::buildTabs() {
    tabs_.setObjectName(QStringLiteral("SSTab1"));
    for (const Conversion& row : conversions()) {
        auto& page =
            *pages_.emplace_back(std::make_unique<TabPage>(makeOptionsPanel(row, colors_)));
        const int tab = static_cast<int>(row.kind);
        page.openButton().setObjectName(QStringLiteral("cmdOpenFile%1").arg(tab));
        page.convertButton().setObjectName(fromUtf8(row.convertButton));
        tabs_.addTab(page, fromUtf8(row.tabCaption));
    }
    // The tab control starts on the last tab, so that making tab 0 current
    // at start-up is a change of tab.
    tabs_.setCurrentIndex(tabs_.count() - 1);
}

void FrmTarvex::buildMenus() {
    // Parented to the window, so that they are found among its children.
    for (QAction* action : {&openAction_, &exitAction_, &helpAction_}) action->setParent(this);
    openAction_.setObjectName(QStringLiteral("mnuFileOpen"));
    openAction_.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    exitAction_.setObjectName(QStringLiteral("mnuExit"));
    exitAction_.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    fileMenu_.addAction(&openAction_);
    fileMenu_.addSeparator();
    fileMenu_.addAction(&exitAction_);

    for (const auto& item : convertMenu()) {
        auto& action = *convertActions_.emplace_back(std::make_unique<QAction>(this));
        action.setObjectName(QStringLiteral("mnuConvertItem%1").arg(convertActions_.size() - 1));
        if (!item) {
            action.setSeparator(true);
        } else {
            action.setText(fromUtf8(conversion(*item).menuCaption));
            connect(&action, &QAction::triggered, this,
                    [this, tab = static_cast<int>(*item)] { tabs_.setCurrentIndex(tab); });
        }
        convertMenu_.addAction(&action);
    }

    helpAction_.setObjectName(QStringLiteral("mnuHelp"));
    menuBar()->addMenu(&fileMenu_);
    menuBar()->addMenu(&convertMenu_);
    // A menu title without items: choosing it shows the About box.
    menuBar()->addAction(&helpAction_);
}

void FrmTarvex::connectHandlers() {
    connect(&tabs_, &TabControl::currentChanged, this,
            [this](int, int previous) { SSTab1_Click(previous); });
    connect(&openAction_, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(&exitAction_, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(&helpAction_, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    for (std::size_t tab = 0; tab < pages_.size(); ++tab) {
        connect(&pages_[tab]->openButton(), &QPushButton::clicked, this,
                [this] { mnuFileOpen_Click(); });
        connect(&pages_[tab]->convertButton(), &QPushButton::clicked, this,
                [this, tab] { convert(static_cast<ConversionKind>(tab)); });
    }
    // Every emptying or refilling of the list applies the column widths anew.
    connect(&fileListModel_, &QAbstractItemModel::modelReset, this,
            [this] { applyColumnWidths(); });
}

void FrmTarvex::Form_Load(const std::vector<std::filesystem::path>& commandLineFiles) {
    resize(twips(kWindowWidth), twips(kWindowHeight));
    setWindowTitle(fromUtf8(mainWindowTitle()));
    selection_.setStartFolder(settings_.readStartFolder());
    applyColumnWidths();
    for (const auto& page : pages_) {
        if (OptionsPanel* panel = page->optionsPanel()) panel->fillLists();
    }
    if (commandLineFiles.empty()) {
        tabs_.setCurrentIndex(0);
    } else {
        openCommandLineFiles(commandLineFiles);
    }
}

void FrmTarvex::openCommandLineFiles(const std::vector<std::filesystem::path>& files) {
    const FilesToOpen opening = filesToOpen(files);
    if (const auto message = refusedFilesMessage(opening.refused)) messages_.show(*message);
    if (!opening.tab) {
        tabs_.setCurrentIndex(0);
        return;
    }
    // The tab is shown without the change of tab that would open the dialog.
    {
        const QSignalBlocker quiet(tabs_);
        tabs_.setCurrentIndex(static_cast<int>(*opening.tab));
    }
    selection_.openFiles(*opening.tab, opening.listed);
}

void FrmTarvex::applyColumnWidths() {
    for (std::size_t column = 0; column < kFileListColumns.size(); ++column) {
        fileView_.setColumnWidth(static_cast<int>(column),
                                 twips(kFileListColumns[column].widthTwips));
    }
}

void FrmTarvex::SSTab1_Click(int) {
    selection_.tabChanged(static_cast<ConversionKind>(tabs_.currentIndex()));
}

void FrmTarvex::mnuFileOpen_Click() { selection_.selectFiles(); }

ConversionOptions FrmTarvex::optionsOf(ConversionKind kind) const {
    ConversionOptions options;
    if (const OptionsPanel* panel = pages_.at(static_cast<std::size_t>(kind))->optionsPanel()) {
        panel->fill(options);
    }
    return options;
}

// The busy pointer, an arrow with an hourglass, shows while a file converts.
void FrmTarvex::showRowEvent(std::size_t row, RowEvent event) {
    if (event == RowEvent::Started) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    if (event == RowEvent::Converted) fileList_.setState(row, EntryState::Converted);
}

void FrmTarvex::convert(ConversionKind kind) {
    const BatchOutcome outcome = runBatch(
        kind, fileList_.inputs(), [this, kind] { return optionsOf(kind); }, converter_,
        [this](std::size_t row, RowEvent event) { showRowEvent(row, event); });
    if (const auto message = messageFor(outcome)) messages_.show(*message);
}

void FrmTarvex::mnuExit_Click() {
    ending_ = true;
    // Ending must not depend on the settings being saved.
    settings_.writeStartFolder(selection_.startFolder());
    if (endProgram_) endProgram_();
}

void FrmTarvex::Form_QueryUnload() { mnuExit_Click(); }

void FrmTarvex::closeEvent(QCloseEvent* event) {
    if (!ending_) Form_QueryUnload();
    event->accept();
}

void FrmTarvex::mnuHelp_Click() { messages_.show({aboutText(), "About", MessageIcon::None}); }

}  // namespace morlindo::ui
