#include "batch/file_list.h"

#include <algorithm>

namespace morlindo {

std::vector<FileListColumn> parseColumnFormat(std::string_view format) {
    std::vector<FileListColumn> columns;
    while (true) {
        const auto end = format.find('|');
        std::string_view piece = format.substr(0, end);
        FileListColumn column;
        if (!piece.empty() && (piece.front() == '<' || piece.front() == '^')) {
            column.alignment =
                piece.front() == '^' ? ColumnAlignment::Centre : ColumnAlignment::Left;
            piece.remove_prefix(1);
        }
        column.header = piece;
        columns.push_back(std::move(column));
        if (end == std::string_view::npos) return columns;
        format.remove_prefix(end + 1);
    }
}

std::filesystem::path inputPathOf(const FileListRow& row) {
    return std::filesystem::path(row.folder + kFolderSeparator + row.fileName);
}

FileList::FileList() : cells_(1) { applyStandardColumns(); }

void FileList::applyStandardColumns() {
    columns_ = parseColumnFormat(kFileListFormat);
    for (int column = 0; column < kFileListColumnCount; ++column) {
        columns_[column].widthTwips = kFileListColumnWidths[column];
        cells_[0][column] = columns_[column].header;
    }
}

void FileList::setRowCount(int rows) {
    cells_.resize(static_cast<std::size_t>(std::max(rows, 1)));
    notifyReset();
}

const std::string& FileList::cell(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void FileList::setCell(int row, int column, std::string text) {
    cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = std::move(text);
    if (observer_ != nullptr) observer_->fileListCellChanged(row, column);
}

FileListRow FileList::row(int row) const {
    const Cells& cells = cells_.at(static_cast<std::size_t>(row));
    return {cells[kNumber], cells[kFolder], cells[kFileName], cells[kConversion]};
}

void FileList::setRow(int row, const FileListRow& values) {
    cells_.at(static_cast<std::size_t>(row)) = {values.number, values.folder, values.fileName,
                                                values.conversion};
    if (observer_ == nullptr) return;
    for (int column = 0; column < kFileListColumnCount; ++column) {
        observer_->fileListCellChanged(row, column);
    }
}

void FileList::clear() {
    cells_.assign(1, Cells{});
    applyStandardColumns();
    notifyReset();
}

void FileList::notifyReset() {
    if (observer_ != nullptr) observer_->fileListReset();
}

}  // namespace morlindo
