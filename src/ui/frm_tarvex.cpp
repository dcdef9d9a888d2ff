#include "ui/frm_tarvex.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QHeaderView>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <map>

#include "batch/output_clash.h"
#include "ui/program_facts.h"
#include "ui/qt_text.h"
#include "ui/reason_text.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

namespace morlindo::ui {
namespace {

// Window geometry, in twips.
constexpr int kWindowWidth = 12750;
constexpr int kWindowHeight = 9090;
constexpr int kMargin = 60;
constexpr int kTabHeight = 2955;
constexpr int kListTop = 3060;

// The share of the height below the tabs the preview starts with.
constexpr int kPreviewPercent = 45;

// A message about refused files names at most this many of each group.
constexpr qsizetype kNamesShown = 10;

QString captionOf(ConversionKind kind) { return fromUtf8(conversion(kind).tabCaption); }

// The tabs that read a file's kind, as a message names them.
QString tabsReading(const std::filesystem::path& file) {
    QStringList tabs;
    const auto kind = fileKindOf(file);
    for (const Conversion& row : conversions()) {
        if (kind && std::find(row.sources.begin(), row.sources.end(), *kind) != row.sources.end()) {
            tabs << QLatin1Char('"') + captionOf(row.kind) + QLatin1Char('"');
        }
    }
    return tabs.join(QStringLiteral(", "));
}

}  // namespace

FrmTarvex::FrmTarvex(WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      selection_(fileList_, services.fileDialog),
      messages_(services.messages),
      colors_(services.colors),
      converter_(std::move(services.converter)),
      settings_(std::move(services.settings)),
      endProgram_(std::move(services.endProgram)),
      openFolder_(std::move(services.openFolder)) {
    output_.setFolderDialog(services.folderDialog);
    setObjectName(QStringLiteral("frmTarvex"));
    buildTabs();
    buildMenus();
    buildShortcuts();

    fileView_.setModel(&fileListModel_);

    const int margin = twips(kMargin);
    centralLayout_.setContentsMargins(margin, margin, margin, margin);
    centralLayout_.setSpacing(twips(kListTop - kMargin - kTabHeight));
    // The tabs keep their height, and at least what their captions and
    // option rows need; the list takes whatever height the window gives.
    tabs_.setFixedHeight(std::max(twips(kTabHeight), tabs_.minimumSizeHint().height()));
    centralLayout_.addWidget(&tabs_);
    centralLayout_.addWidget(&output_);
    // The preview goes below the list, so that the list keeps its columns'
    // widths; the list takes the height the window grows by.
    listAndPreview_.setOrientation(Qt::Vertical);
    listAndPreview_.addWidget(&fileView_);
    listAndPreview_.addWidget(&preview_);
    listAndPreview_.setObjectName(QStringLiteral("splListAndPreview"));
    listAndPreview_.setStretchFactor(0, 1);
    listAndPreview_.setStretchFactor(1, 1);
    listAndPreview_.setChildrenCollapsible(false);
    centralLayout_.addWidget(&listAndPreview_, 1);
    setCentralWidget(&central_);
    statusBar()->addWidget(&progress_, 1);

    // Every push button answers Enter as well as Space.
    for (auto* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
    setAcceptDrops(true);
    // Controls that take drops of their own (the text boxes) pass files on
    // to the window.
    for (auto* widget : findChildren<QWidget*>()) {
        if (widget->acceptDrops()) widget->installEventFilter(this);
    }
    orderFocusChain();
    connectHandlers();
}

FrmTarvex::~FrmTarvex() { setBusyCursor(false); }

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
    for (QAction* action : {&openAction_, &convertAction_, &exitAction_, &helpAction_}) {
        action->setParent(this);
    }
    openAction_.setObjectName(QStringLiteral("mnuFileOpen"));
    openAction_.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    convertAction_.setObjectName(QStringLiteral("mnuConvertFiles"));
    convertAction_.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    exitAction_.setObjectName(QStringLiteral("mnuExit"));
    exitAction_.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    fileMenu_.addAction(&openAction_);
    fileMenu_.addAction(&convertAction_);
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

void FrmTarvex::buildShortcuts() {
    nextTab_.setKeys(
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    previousTab_.setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                          QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    cancelKey_.setKey(QKeySequence(Qt::Key_Escape));
    cancelKey_.setEnabled(false);
}

void FrmTarvex::connectHandlers() {
    connect(&tabs_, &TabControl::currentChanged, this,
            [this](int, int previous) { SSTab1_Click(previous); });
    connect(&openAction_, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(&convertAction_, &QAction::triggered, this,
            [this] { convert(static_cast<ConversionKind>(tabs_.currentIndex())); });
    connect(&fileView_, &FileListView::removeRequested, this,
            [this](const std::vector<int>& rows) { removeRows(rows); });
    connect(&fileView_, &FileListView::openFolderRequested, this,
            [this](int row) { openFolderOfRow(row); });
    connect(&exitAction_, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(&helpAction_, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    connect(&nextTab_, &QShortcut::activated, this, [this] { tabs_.stepCurrentIndex(1); });
    connect(&previousTab_, &QShortcut::activated, this, [this] { tabs_.stepCurrentIndex(-1); });
    connect(&cancelKey_, &QShortcut::activated, &batch_, &BatchThread::cancel);
    connect(&progress_.cancelButton(), &QPushButton::clicked, &batch_, &BatchThread::cancel);
    for (std::size_t tab = 0; tab < pages_.size(); ++tab) {
        connect(&pages_[tab]->openButton(), &QPushButton::clicked, this,
                [this] { mnuFileOpen_Click(); });
        connect(&pages_[tab]->convertButton(), &QPushButton::clicked, this,
                [this, tab] { convert(static_cast<ConversionKind>(tab)); });
    }
    connect(&batch_, &BatchThread::rowChanged, this,
            [this](int row, int event) { showRowEvent(row, static_cast<RowEvent>(event)); });
    connect(&batch_, &BatchThread::fileRead, &progress_, &BatchProgress::fileRead);
    connect(&batch_, &BatchThread::finished, this, [this] { batchEnded(); });
    // Every emptying or refilling of the list ends what the status line said
    // of the list before. A new list shows its first file in the preview.
    connect(&fileListModel_, &QAbstractItemModel::modelReset, this, [this] {
        progress_.statusLine().clear();
        preview_.clear();
        if (!fileList_.empty()) fileView_.selectRow(0);
        updateActions();
    });
    connect(&fileListModel_, &QAbstractItemModel::rowsInserted, this, [this] { updateActions(); });
    connect(fileView_.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { previewRow(current.row()); });
}

// Tab visits the tabs, then the current page's controls as they are laid
// out, its open and convert buttons, the output choices, the list and the
// Cancel button.
void FrmTarvex::orderFocusChain() {
    QList<QWidget*> chain;
    for (int tab = 0; tab < tabs_.count(); ++tab) chain << &tabs_.tab(tab);
    for (const auto& page : pages_) {
        for (auto* widget : page->findChildren<QWidget*>()) {
            if (widget->focusPolicy() & Qt::TabFocus) chain << widget;
        }
    }
    // Not the lists' pop-ups, which are windows of their own.
    for (auto* widget : output_.findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->window() == this) chain << widget;
    }
    chain << &fileView_ << &preview_.summary() << &progress_.cancelButton();
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void FrmTarvex::Form_Load(const std::vector<std::filesystem::path>& commandLineFiles) {
    setWindowTitle(fromUtf8(mainWindowTitle()));
    remembered_ = settings_.read();
    selection_.setStartFolder(remembered_.startFolder);
    output_.setChoice({remembered_.outputFolder, remembered_.skipExisting});
    for (const auto& page : pages_) {
        if (OptionsPanel* panel = page->optionsPanel()) panel->fillLists();
    }
    showOnScreen();
    applyColumnWidths();
    if (commandLineFiles.empty()) {
        tabs_.setCurrentIndex(0);
    } else {
        openCommandLineFiles(commandLineFiles);
    }
}

// The files are listed first, so that a message about those left out is
// seen beside the list; with none listed, the message comes before the
// dialog of the first tab.
void FrmTarvex::openCommandLineFiles(const std::vector<std::filesystem::path>& files) {
    const FilesToOpen opening = filesToOpen(files);
    const auto tellRefused = [&] {
        if (opening.refused.empty()) return;
        messages_.show(
            refusedMessage(opening.tab.value_or(ConversionKind::AlmapToOziTrack), opening.refused));
    };
    if (!opening.tab) {
        tellRefused();
        tabs_.setCurrentIndex(0);
        return;
    }
    // The tab is shown without the change of tab that would open the dialog.
    {
        const QSignalBlocker quiet(tabs_);
        tabs_.setCurrentIndex(static_cast<int>(*opening.tab));
    }
    selection_.openFiles(*opening.tab, opening.listed);
    tellRefused();
}

// Before the first dialog or message, so that they have a window to belong to.
void FrmTarvex::showOnScreen() {
    // Before it is first shown, the window's frame is not known: the title
    // bar is the most of it. Once shown, the window is placed again with
    // its real frame, should that differ.
    const QMargins guess(0, style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    placeOnScreen(guess);
    if (remembered_.maximized) {
        showMaximized();
    } else {
        show();
        const QRect outer = frameGeometry();
        const QRect inner = geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (frame != guess && !frame.isNull()) placeOnScreen(frame);
    }
    // The preview starts with a good part of the height below the tabs.
    layout()->activate();
    centralLayout_.activate();
    const int whole = listAndPreview_.height() - listAndPreview_.handleWidth();
    const int preview = remembered_.previewHeight.value_or(whole * kPreviewPercent / 100);
    listAndPreview_.setSizes({whole - preview, preview});
}

void FrmTarvex::placeOnScreen(const QMargins& frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (remembered_.window) {
        if (const QScreen* there = QGuiApplication::screenAt(remembered_.window->center())) {
            screen = there;
        }
    }
    const WindowPlacement placement = placeWindow(
        remembered_.window, {twips(kWindowWidth), twips(kWindowHeight)}, minimumSizeHint(),
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14), frame);
    resize(placement.size);
    move(placement.framePosition);
}

Settings FrmTarvex::currentSettings() const {
    Settings settings = remembered_;
    settings.startFolder = selection_.startFolder();
    settings.outputFolder = output_.choice().folder;
    settings.skipExisting = output_.choice().skipExisting;
    if (isVisible()) {
        const QRect normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
        settings.window = normal;
        settings.maximized = isMaximized();
        settings.previewHeight = listAndPreview_.sizes().value(1);
    }
    return settings;
}

void FrmTarvex::applyColumnWidths() {
    std::vector<int> widths;
    for (const FileListColumn& column : kFileListColumns)
        widths.push_back(twips(column.widthTwips));
    fileView_.setStartingWidths(widths);
}

// A change of tab lays the columns out anew, as the list started.
void FrmTarvex::SSTab1_Click(int) {
    applyColumnWidths();
    selection_.tabChanged(static_cast<ConversionKind>(tabs_.currentIndex()));
}

void FrmTarvex::mnuFileOpen_Click() {
    if (!batch_.running()) selection_.selectFiles();
}

// The preview reads a row's file as the tab's conversion would: as its one
// kind, or, on a tab that reads several, as the kind its extension names.
void FrmTarvex::previewRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= fileList_.size()) {
        preview_.clear();
        return;
    }
    const Conversion& tab = conversion(static_cast<ConversionKind>(tabs_.currentIndex()));
    const auto kind = tab.sources.size() == 1 ? std::optional(tab.sources.front()) : std::nullopt;
    preview_.showFile(fileList_[static_cast<std::size_t>(row)].input, kind);
}

ConversionOptions FrmTarvex::optionsOf(ConversionKind kind) const {
    ConversionOptions options;
    if (const OptionsPanel* panel = pages_.at(static_cast<std::size_t>(kind))->optionsPanel()) {
        panel->fill(options);
    }
    return options;
}

void FrmTarvex::convert(ConversionKind kind) {
    if (batch_.running() || fileList_.empty()) return;
    // Two files that would write one output: the second would replace what
    // the first wrote, so nothing is converted until one leaves the list.
    if (const auto clash = findOutputClash(kind, fileList_.inputs(), output_.choice().folder)) {
        messages_.show(
            {tr("%1 and %2 would both be written to %3, the second replacing the "
                "first; nothing was converted. Remove one of them from the list, or "
                "rename it.")
                 .arg(qStringOf(clash->first), qStringOf(clash->second), qStringOf(clash->output))
                 .toStdString(),
             tr("Conversion error").toStdString(), MessageIcon::Critical});
        return;
    }
    focusBeforeBatch_ = QApplication::focusWidget();
    setBusy(true);
    progress_.start(static_cast<int>(fileList_.size()));
    batchInputs_ = fileList_.inputs();
    batchOutput_ = output_.choice();
    batch_.start(
        kind, batchInputs_, batchOutput_, [this, kind] { return optionsOf(kind); }, converter_);
}

// Controls that would change the list, the options or start a batch wait
// while one runs.
void FrmTarvex::setBusy(bool busy) {
    busy_ = busy;
    tabs_.setTabsEnabled(!busy);
    for (const auto& page : pages_) {
        page->openButton().setEnabled(!busy);
        if (OptionsPanel* panel = page->optionsPanel()) panel->setEnabled(!busy);
    }
    output_.setEnabled(!busy);
    openAction_.setEnabled(!busy);
    for (const auto& action : convertActions_) action->setEnabled(!busy);
    nextTab_.setEnabled(!busy);
    previousTab_.setEnabled(!busy);
    cancelKey_.setEnabled(busy);
    fileView_.setRemovingEnabled(!busy);
    updateActions();
}

// A batch needs files to convert, and waits for the one that runs.
void FrmTarvex::updateActions() {
    const bool canConvert = !busy_ && !fileList_.empty();
    for (const auto& page : pages_) page->convertButton().setEnabled(canConvert);
    convertAction_.setEnabled(canConvert);
}

// The rows left keep what became of them.
void FrmTarvex::removeRows(const std::vector<int>& rows) {
    if (busy_) return;
    std::vector<BatchEntry> kept;
    for (std::size_t row = 0; row < fileList_.size(); ++row) {
        if (!std::binary_search(rows.begin(), rows.end(), static_cast<int>(row))) {
            kept.push_back(fileList_[row]);
        }
    }
    std::vector<std::filesystem::path> inputs;
    for (const BatchEntry& entry : kept) inputs.push_back(entry.input);
    fileList_.assign(inputs);
    for (std::size_t row = 0; row < kept.size(); ++row) {
        if (kept[row].state != EntryState::Waiting) fileList_.setState(row, kept[row].state);
    }
    if (!kept.empty()) {
        const int next = std::min(rows.front(), static_cast<int>(kept.size()) - 1);
        fileView_.selectRow(next);
    }
}

void FrmTarvex::openFolderOfRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= fileList_.size() || !openFolder_) return;
    openFolder_(fileList_[static_cast<std::size_t>(row)].input.parent_path());
}

// The busy pointer, an arrow with an hourglass, shows while a file converts.
void FrmTarvex::setBusyCursor(bool busy) {
    if (busy == busyCursor_) return;
    busyCursor_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void FrmTarvex::showRowEvent(int row, RowEvent event) {
    const auto index = static_cast<std::size_t>(row);
    setBusyCursor(event == RowEvent::Started);
    if (event == RowEvent::Started) {
        progress_.fileStarted(row, qStringOf(fileList_[index].input.filename()));
    } else if (event == RowEvent::Converted) {
        fileList_.setState(index, EntryState::Converted);
    } else if (event == RowEvent::ConvertedWithDrops) {
        fileList_.setState(index, EntryState::ConvertedWithDrops);
    } else if (event == RowEvent::Empty) {
        fileList_.setState(index, EntryState::Empty);
    } else if (event == RowEvent::Failed) {
        fileList_.setState(index, EntryState::Failed);
    } else if (event == RowEvent::Cancelled) {
        fileList_.setState(index, EntryState::Cancelled);
    } else if (event == RowEvent::Skipped) {
        fileList_.setState(index, EntryState::Skipped);
    }
}

void FrmTarvex::batchEnded() {
    setBusyCursor(false);
    setBusy(false);
    if (focusBeforeBatch_ && isActiveWindow()) focusBeforeBatch_->setFocus(Qt::OtherFocusReason);
    const BatchOutcome& outcome = batch_.outcome();
    if (outcome.cancelled) progress_.stop(tr("The conversion was cancelled."));
    // The user chose to quit while the batch ran (it may have ended on its
    // own in the meantime).
    if (exitWhenStopped_) {
        mnuExit_Click();
        return;
    }
    if (outcome.cancelled) return;
    progress_.stop(QString());
    if (!outcome.failure) {
        reportCompletion(outcome);
        return;
    }
    // The failing row is the one after those converted and skipped.
    const int row = static_cast<int>(outcome.converted + outcome.skipped);
    fileView_.selectRow(row);
    fileView_.scrollTo(fileListModel_.index(row, 0));
    // What the run did before it stopped, and what it left.
    QStringList lines{failureText(*outcome.failedInput, outcome.failure), QString()};
    lines << countLines(outcome);
    const std::size_t untried = batchInputs_.size() - outcome.converted - outcome.skipped - 1;
    lines << tr("Files not tried: %1").arg(untried);
    messages_.show({lines.join(QLatin1Char('\n')).toStdString(),
                    tr("Conversion error").toStdString(), MessageIcon::Critical});
}

QStringList FrmTarvex::countLines(const BatchOutcome& outcome) const {
    QStringList lines{tr("Files converted: %1").arg(outcome.converted)};
    // Files that gave no point are no success: they are counted apart, with
    // the older outputs their empty results left in place.
    if (outcome.empty > 0) lines << tr("Files without points (\"No points\"): %1").arg(outcome.empty);
    if (outcome.keptOlder > 0) {
        lines << tr("Older outputs kept as they were: %1").arg(outcome.keptOlder);
    }
    if (outcome.skipped > 0) {
        lines << tr("Files skipped because their output exists: %1").arg(outcome.skipped);
    }
    return lines;
}

// The message counts the files and names the folder the outputs went to,
// which it offers to open.
void FrmTarvex::reportCompletion(const BatchOutcome& outcome) {
    QStringList lines{outcome.empty == 0
                          ? tr("The conversion completed successfully.")
                          : tr("The conversion completed, but %n file(s) gave no points.", nullptr,
                               static_cast<int>(outcome.empty)),
                      QString()};
    lines << countLines(outcome);
    const std::filesystem::path folder = batchOutputFolder();
    lines << (folder.empty()
                  ? tr("Output folder: beside each input file")
                  : tr("Output folder: %1").arg(QDir::toNativeSeparators(qStringOf(folder))));
    const Message message{lines.join(QLatin1Char('\n')).toStdString(),
                          tr("Conversion complete").toStdString(), MessageIcon::Information};
    if (folder.empty() || !openFolder_) {
        messages_.show(message);
    } else if (messages_.offer(message, tr("Open folder").toStdString())) {
        openFolder_(folder);
    }
}

// The chosen folder, or the one folder of all inputs; none when the inputs
// lie in several folders.
std::filesystem::path FrmTarvex::batchOutputFolder() const {
    if (!batchOutput_.folder.empty()) return batchOutput_.folder;
    if (batchInputs_.empty()) return {};
    const std::filesystem::path first = batchInputs_.front().parent_path();
    for (const auto& input : batchInputs_) {
        if (input.parent_path() != first) return {};
    }
    return first;
}

bool FrmTarvex::takesDrop(const QMimeData* data) const {
    if (batch_.running() || data == nullptr || !data->hasUrls()) return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

void FrmTarvex::dropFiles(const QMimeData& data) {
    std::vector<std::filesystem::path> dropped;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            dropped.push_back(filePathOf(QDir::toNativeSeparators(url.toLocalFile())));
    }
    const DroppedFiles result = selection_.takeDropped(dropped);
    if (!result.refused.empty()) {
        messages_.show(refusedMessage(selection_.currentKind(), result.refused));
    }
}

// One message for the files a tab refused, grouped by the tabs that read them.
Message FrmTarvex::refusedMessage(ConversionKind tab,
                                  const std::vector<std::filesystem::path>& refused) const {
    std::map<QString, QStringList> namesByTabs;
    for (const auto& file : refused) namesByTabs[tabsReading(file)] << qStringOf(file.filename());
    QString text = tr("The tab \"%1\" does not read these files:").arg(captionOf(tab));
    for (const auto& [tabs, names] : namesByTabs) {
        QString shown = names.mid(0, kNamesShown).join(QStringLiteral(", "));
        if (names.size() > kNamesShown) shown += tr(" and %1 more").arg(names.size() - kNamesShown);
        text +=
            QLatin1Char('\n') + (tabs.isEmpty() ? tr("%1: no tab reads them").arg(shown)
                                                : tr("%1: read by the tab %2").arg(shown, tabs));
    }
    return {text.toStdString(), tr("Files not added").toStdString(), MessageIcon::Information};
}

void FrmTarvex::dragEnterEvent(QDragEnterEvent* event) {
    if (takesDrop(event->mimeData())) event->acceptProposedAction();
}

void FrmTarvex::dragMoveEvent(QDragMoveEvent* event) {
    if (takesDrop(event->mimeData())) event->acceptProposedAction();
}

void FrmTarvex::dropEvent(QDropEvent* event) {
    if (!takesDrop(event->mimeData())) return;
    event->acceptProposedAction();
    dropFiles(*event->mimeData());
}

bool FrmTarvex::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData()->hasUrls()) break;
            if (event->type() == QEvent::Drop) {
                dropEvent(drop);
            } else if (takesDrop(drop->mimeData())) {
                drop->acceptProposedAction();
            } else {
                drop->ignore();
            }
            return true;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmTarvex::mnuExit_Click() {
    if (batch_.running()) {
        const Message question{tr("A conversion is running. Cancel it and quit?").toStdString(),
                               tr("Conversion running").toStdString(), MessageIcon::None};
        if (messages_.ask(question)) {
            exitWhenStopped_ = true;
            batch_.cancel();
        }
        return;
    }
    ending_ = true;
    // Ending must not depend on the settings being saved.
    settings_.write(currentSettings());
    if (endProgram_) endProgram_();
}

void FrmTarvex::Form_QueryUnload() { mnuExit_Click(); }

void FrmTarvex::closeEvent(QCloseEvent* event) {
    if (!ending_) Form_QueryUnload();
    // A running batch ends the program once it has stopped.
    if (ending_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void FrmTarvex::mnuHelp_Click() { messages_.show({aboutText(), "About", MessageIcon::None}); }

}  // namespace morlindo::ui
