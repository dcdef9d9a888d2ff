// The file list as the grid flxFileNames shows it: the header row becomes
// the grid's column headers, every file row one grid row, and the grid
// follows each change of the list at once.
#pragma once

#include <QAbstractTableModel>

#include "batch/file_list.h"

namespace morlindo::ui {

class FileListModel final : public QAbstractTableModel, private FileListObserver {
public:
    explicit FileListModel(FileList& list, QObject* parent = nullptr);
    ~FileListModel() override;
    FileListModel(const FileListModel&) = delete;
    FileListModel& operator=(const FileListModel&) = delete;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void fileListReset() override;
    void fileListCellChanged(int row, int column) override;

    FileList& list_;
};

}  // namespace morlindo::ui
