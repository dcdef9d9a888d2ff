// The file list as the grid flxFileNames shows it: one row per entry, with
// its number, the folder and name of its file, and what became of it. The
// columns, their captions, alignment and widths (in twips) are the grid's.
#pragma once

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <array>

#include "batch/file_list.h"

namespace morlindo::ui {

struct FileListColumn {
    const char* caption;
    Qt::Alignment alignment;
    int widthTwips;
};

inline constexpr std::array<FileListColumn, 4> kFileListColumns{{
    {"#", Qt::AlignLeft, 800},
    {"Folder", Qt::AlignLeft, 5000},
    {"File Names", Qt::AlignLeft, 5000},
    {"Conversion", Qt::AlignHCenter, 1500},
}};

class FileListModel final : public QAbstractTableModel, private FileListObserver {
    Q_DECLARE_TR_FUNCTIONS(FileListModel)

public:
    enum Column { kNumber = 0, kFolder = 1, kFileName = 2, kConversion = 3 };

    explicit FileListModel(FileList& list, QObject* parent = nullptr);
    ~FileListModel() override;
    FileListModel(const FileListModel&) = delete;
    FileListModel& operator=(const FileListModel&) = delete;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void fileListAboutToReset() override;
    void fileListReset() override;
    void fileListAboutToAppend(std::size_t first, std::size_t count) override;
    void fileListAppended() override;
    void fileListEntryChanged(std::size_t index) override;

    QString cellText(const BatchEntry& entry, int row, int column) const;
    static QString stateText(EntryState state);

    FileList& list_;
};

}  // namespace morlindo::ui
