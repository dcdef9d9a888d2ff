#include "ui/file_list_model.h"

#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

Qt::Alignment alignmentOf(ColumnAlignment alignment) {
    return Qt::AlignVCenter |
           (alignment == ColumnAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
}

}  // namespace

FileListModel::FileListModel(FileList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {
    list_.setObserver(this);
}

FileListModel::~FileListModel() { list_.setObserver(nullptr); }

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.rowCount() - 1;
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.columns().size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return fromSystemText(list_.cell(index.row() + 1, index.column()));
    if (role == Qt::TextAlignmentRole) {
        return alignmentOf(list_.columns()[index.column()].alignment).toInt();
    }
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(list_.columns().size())) {
        return {};
    }
    if (role == Qt::DisplayRole) return fromSystemText(list_.cell(0, section));
    if (role == Qt::TextAlignmentRole) {
        return alignmentOf(list_.columns()[section].alignment).toInt();
    }
    return {};
}

void FileListModel::fileListReset() {
    // The list has already changed; a reset makes every view ask again.
    beginResetModel();
    endResetModel();
}

void FileListModel::fileListCellChanged(int row, int column) {
    if (row == 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    const QModelIndex changed = index(row - 1, column);
    Q_EMIT dataChanged(changed, changed);
}

}  // namespace morlindo::ui
