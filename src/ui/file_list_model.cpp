#include "ui/file_list_model.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyle>

#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

// The folder of a file as the list shows it: without a trailing separator,
// unless it is a root folder.
QString folderText(const std::filesystem::path& input) {
    return QDir::toNativeSeparators(qStringOf(input.parent_path()));
}

// A red that reads on the list's background, light or dark: a failed row is
// marked by its text and an icon as well, never by colour alone.
QColor errorColor() {
    const bool darkBase = QApplication::palette().color(QPalette::Base).lightness() < 128;
    return darkBase ? QColor(0xff, 0x6b, 0x6b) : QColor(0xb0, 0x00, 0x20);
}

}  // namespace

FileListModel::FileListModel(FileList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {
    list_.setObserver(this);
}

FileListModel::~FileListModel() { list_.setObserver(nullptr); }

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kFileListColumns.size());
}

QString FileListModel::cellText(const BatchEntry& entry, int row, int column) const {
    switch (column) {
        case kNumber:
            return QString::number(row + 1);
        case kFolder:
            return folderText(entry.input);
        case kFileName:
            return qStringOf(entry.input.filename());
        default:
            return stateText(entry.state);
    }
}

// The Conversion column: empty until the row is converted or fails.
QString FileListModel::stateText(EntryState state) {
    switch (state) {
        case EntryState::Converted:
            return QStringLiteral("Converted");
        case EntryState::ConvertedWithDrops:
            return QStringLiteral("Converted (") + tr("not all kept") + QStringLiteral(")");
        case EntryState::Empty:
            return tr("No points");
        case EntryState::Failed:
            return tr("Failed");
        case EntryState::Cancelled:
            return tr("Cancelled");
        case EntryState::Skipped:
            return tr("Skipped");
        case EntryState::Waiting:
            break;
    }
    return {};
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const BatchEntry& entry = list_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return cellText(entry, index.row(), index.column());
    // A screen reader reads an empty Conversion cell as what it means.
    if (role == Qt::AccessibleTextRole && index.column() == kConversion &&
        entry.state == EntryState::Waiting) {
        return tr("Not converted");
    }
    if (index.column() == kConversion && entry.state == EntryState::Failed) {
        if (role == Qt::ForegroundRole) return errorColor();
        if (role == Qt::DecorationRole) {
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
        }
    }
    if (role == Qt::TextAlignmentRole) {
        return (kFileListColumns[static_cast<std::size_t>(index.column())].alignment |
                Qt::AlignVCenter)
            .toInt();
    }
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const FileListColumn& column = kFileListColumns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromLatin1(column.caption);
    if (role == Qt::TextAlignmentRole) return (column.alignment | Qt::AlignVCenter).toInt();
    return {};
}

void FileListModel::fileListAboutToReset() { beginResetModel(); }

void FileListModel::fileListReset() { endResetModel(); }

void FileListModel::fileListAboutToAppend(std::size_t first, std::size_t count) {
    beginInsertRows({}, static_cast<int>(first), static_cast<int>(first + count - 1));
}

void FileListModel::fileListAppended() { endInsertRows(); }

void FileListModel::fileListEntryChanged(std::size_t index) {
    const int row = static_cast<int>(index);
    Q_EMIT dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
}

}  // namespace morlindo::ui
