#include "batch/file_list.h"

#include <gtest/gtest.h>

namespace morlindo {
namespace {

TEST(ColumnFormat, ReadsHeadersAndAlignments) {
    struct Case {
        std::string format;
        std::vector<std::pair<std::string, ColumnAlignment>> columns;
    };
    const Case cases[] = {
        {std::string(kFileListFormat),
         {{"#", ColumnAlignment::Left},
          {"Folder", ColumnAlignment::Left},
          {"File Names", ColumnAlignment::Left},
          {"Conversion", ColumnAlignment::Centre}}},
        {"Plain|^|<",
         {{"Plain", ColumnAlignment::Left},
          {"", ColumnAlignment::Centre},
          {"", ColumnAlignment::Left}}},
        {"", {{"", ColumnAlignment::Left}}},
    };
    for (const auto& c : cases) {
        const auto columns = parseColumnFormat(c.format);
        ASSERT_EQ(columns.size(), c.columns.size()) << c.format;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(columns[i].header, c.columns[i].first) << c.format;
            EXPECT_EQ(columns[i].alignment, c.columns[i].second) << c.format;
        }
    }
}

class CountingObserver final : public FileListObserver {
public:
    int resets = 0;
    std::vector<std::pair<int, int>> cells;
    void fileListReset() override { ++resets; }
    void fileListCellChanged(int row, int column) override { cells.emplace_back(row, column); }
};

TEST(FileList, KeepsTheHeaderRowThroughEveryChange) {
    FileList list;
    CountingObserver observer;
    list.setObserver(&observer);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.row(0), (FileListRow{"#", "Folder", "File Names", "Conversion"}));
    EXPECT_EQ(list.columns()[1].widthTwips, 5000);
    EXPECT_EQ(list.columns()[3].widthTwips, 1500);

    list.setRowCount(3);
    list.setRow(2, {"2", "d", "b.alr", ""});
    list.setCell(2, FileList::kConversion, "Converted");
    EXPECT_EQ(list.row(1), FileListRow{});
    EXPECT_EQ(list.row(2), (FileListRow{"2", "d", "b.alr", "Converted"}));
    EXPECT_EQ(observer.cells.back(), std::make_pair(2, 3));

    list.setRowCount(0);
    EXPECT_EQ(list.rowCount(), 1);

    list.setRowCount(2);
    list.setRow(1, {"1", "d", "a.alr", "Converted"});
    list.setCell(0, 1, "changed header");
    list.clear();
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.cell(0, 1), "Folder");
    EXPECT_EQ(observer.resets, 4);
    EXPECT_THROW(list.cell(1, 0), std::out_of_range);
}

TEST(FileList, JoinsFolderAndNameAsTheyAre) {
    const std::string sep(1, kFolderSeparator);
    EXPECT_EQ(inputPathOf({"1", "gps", "walk.alr", ""}),
              std::filesystem::path("gps" + sep + "walk.alr"));
    // A root folder keeps its own separator: two in a row, passed on as is.
    EXPECT_EQ(inputPathOf({"1", sep, "a.alr", ""}), std::filesystem::path(sep + sep + "a.alr"));
    EXPECT_EQ(inputPathOf({"1", "", "", ""}), std::filesystem::path(sep));
}

}  // namespace
}  // namespace morlindo
