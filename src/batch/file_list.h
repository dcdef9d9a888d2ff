// The list of files a batch converts, exactly as the window's grid shows it:
// a table of text cells with four columns, row 0 the header and file rows
// from 1, so a list of n files has n + 1 rows. Cells hold text in the
// system's 8-bit code page, the form in which paths reach the converters.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace morlindo {

// Column layout of the grid: pieces separated by "|"; a leading "<" makes a
// column left-aligned and "^" centred; the rest of a piece is the header.
inline constexpr std::string_view kFileListFormat = "<#|<Folder|<File Names|^Conversion";
// Column widths in twips (1440 per inch).
inline constexpr std::array<int, 4> kFileListColumnWidths{800, 5000, 5000, 1500};
inline constexpr int kFileListColumnCount = 4;
// Status text of a row whose file has been converted.
inline constexpr std::string_view kConvertedMark = "Converted";

// Folders and file names are joined with the platform's separator.
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

enum class ColumnAlignment { Left, Centre };

struct FileListColumn {
    std::string header;
    ColumnAlignment alignment = ColumnAlignment::Left;
    int widthTwips = 0;
};

// The columns a format string describes, widths 0.
std::vector<FileListColumn> parseColumnFormat(std::string_view format);

// One file row: column 0 to 3.
struct FileListRow {
    std::string number;
    std::string folder;
    std::string fileName;
    std::string conversion;

    bool operator==(const FileListRow&) const = default;
};

// The path of a row's file: folder, separator, file name, joined as plain
// text; neither part is tested or normalised.
std::filesystem::path inputPathOf(const FileListRow& row);

// Told about every change, so that a view can follow the list.
class FileListObserver {
public:
    // The row count, the header or many cells changed at once.
    virtual void fileListReset() = 0;
    virtual void fileListCellChanged(int row, int column) = 0;

protected:
    ~FileListObserver() = default;
};

class FileList {
public:
    enum Column { kNumber = 0, kFolder = 1, kFileName = 2, kConversion = 3 };

    // A list with its header row only, the standard format and widths.
    FileList();

    // Rows including the header: an empty list has 1.
    int rowCount() const { return static_cast<int>(cells_.size()); }
    // Fewer rows drop those at the end; more rows are added empty. The
    // header row always stays.
    void setRowCount(int rows);

    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    FileListRow row(int row) const;
    void setRow(int row, const FileListRow& values);

    // Clears every cell, leaves the header row only and applies the
    // standard format and column widths again.
    void clear();

    const std::vector<FileListColumn>& columns() const { return columns_; }

    // At most one observer; nullptr for none. It must outlive the list or be
    // taken off first.
    void setObserver(FileListObserver* observer) { observer_ = observer; }

private:
    using Cells = std::array<std::string, kFileListColumnCount>;

    void applyStandardColumns();
    void notifyReset();

    std::vector<FileListColumn> columns_;
    std::vector<Cells> cells_;
    FileListObserver* observer_ = nullptr;
};

}  // namespace morlindo
