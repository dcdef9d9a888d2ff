#include "ui/file_list_view.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <algorithm>

#include "ui/file_list_model.h"

namespace morlindo::ui {
namespace {

// The Folder column keeps at least this many average characters.
constexpr int kNarrowestFolder = 8;

}  // namespace

FileListView::FileListView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("flxFileNames"));
    setAccessibleName(tr("File list"));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideMiddle);
    setWordWrap(false);
    // Tab leaves the list; the arrow keys move within it.
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column != FileListModel::kFolder) fitFolderColumn();
    });

    emptyHint_.setObjectName(QStringLiteral("lblEmptyList"));
    //: The hint in the empty file list; "Open" is the caption of the open button.
    emptyHint_.setText(tr("Drop files here or press %1").arg(tr("Open")));
    emptyHint_.setAlignment(Qt::AlignCenter);
    emptyHint_.setForegroundRole(QPalette::PlaceholderText);
    emptyHint_.setAttribute(Qt::WA_TransparentForMouseEvents);
    hintLayout_.addWidget(&emptyHint_);
    viewport()->setLayout(&hintLayout_);

    remove_.setObjectName(QStringLiteral("mnuRemoveRows"));
    remove_.setText(tr("&Remove"));
    remove_.setShortcut(QKeySequence::Delete);
    remove_.setShortcutContext(Qt::WidgetShortcut);
    openFolder_.setObjectName(QStringLiteral("mnuOpenContainingFolder"));
    openFolder_.setText(tr("Open containing &folder"));
    addAction(&remove_);
    addAction(&openFolder_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(&remove_, &QAction::triggered, this, [this] {
        const auto rows = selectedRowNumbers();
        if (removingEnabled_ && !rows.empty()) Q_EMIT removeRequested(rows);
    });
    connect(&openFolder_, &QAction::triggered, this, [this] {
        if (currentIndex().isValid()) Q_EMIT openFolderRequested(currentIndex().row());
    });
}

void FileListView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { updateHint(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { updateHint(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { updateHint(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateActions(); });
    updateHint();
}

void FileListView::setStartingWidths(const std::vector<int>& widths) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
        setColumnWidth(static_cast<int>(column), widths[column]);
    }
    fitFolderColumn();
}

void FileListView::setRemovingEnabled(bool enabled) {
    removingEnabled_ = enabled;
    updateActions();
}

std::vector<int> FileListView::selectedRowNumbers() const {
    std::vector<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileListView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitFolderColumn();
}

void FileListView::fitFolderColumn() {
    if (fitting_ || model() == nullptr) return;
    fitting_ = true;
    int others = 0;
    for (int column = 0; column < model()->columnCount(); ++column) {
        if (column != FileListModel::kFolder) others += columnWidth(column);
    }
    const int narrowest = fontMetrics().averageCharWidth() * kNarrowestFolder;
    setColumnWidth(FileListModel::kFolder, std::max(viewport()->width() - others, narrowest));
    fitting_ = false;
}

void FileListView::updateHint() {
    emptyHint_.setVisible(model() == nullptr || model()->rowCount() == 0);
    updateActions();
}

void FileListView::updateActions() {
    const bool any = selectionModel() != nullptr && selectionModel()->hasSelection();
    remove_.setEnabled(removingEnabled_ && any);
    openFolder_.setEnabled(any);
}

}  // namespace morlindo::ui
