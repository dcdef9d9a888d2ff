#include "batch/file_selection.h"

#include <gtest/gtest.h>

#include "support/fake_front_end.h"

namespace morlindo {
namespace {

using test::FakeFileDialog;
using test::joined;
using test::severalFiles;

const std::string kSep(1, kFolderSeparator);

std::vector<FileListRow> fileRows(const FileList& list) {
    std::vector<FileListRow> rows;
    for (int row = 1; row < list.rowCount(); ++row) rows.push_back(list.row(row));
    return rows;
}

TEST(FileSelection, FillsTheListFromTheDialogAnswer) {
    const std::string gps = kSep + "gps";
    struct Case {
        std::string name;
        std::string answer;
        std::vector<FileListRow> rows;
        std::string startFolder;
    };
    const Case cases[] = {
        {"three files",
         severalFiles(gps, {"c.alr", "a.alr", "b.alr"}),
         {{"1", gps, "c.alr", ""}, {"2", gps, "a.alr", ""}, {"3", gps, "b.alr", ""}},
         gps},
        {"one file: startFolder keeps the separator",
         joined(gps, "a.alr"),
         {{"1", gps, "a.alr", ""}},
         gps + kSep},
        {"one file in the root", kSep + "a.alr", {{"1", "", "a.alr", ""}}, kSep},
        {"several files in the root",
         severalFiles(kSep, {"a.alr", "b.alr"}),
         {{"1", kSep, "a.alr", ""}, {"2", kSep, "b.alr", ""}},
         kSep},
        {"a name with dots is listed whole",
         joined(gps, "my.track.alr"),
         {{"1", gps, "my.track.alr", ""}},
         gps + kSep},
        {"a bare name has no folder", "a.alr", {{"1", "", "a.alr", ""}}, "start"},
        {"cancelled", "", {}, "start"},
    };
    for (const auto& c : cases) {
        FileList list;
        FakeFileDialog dialog;
        FileSelection selection(list, dialog);
        selection.setStartFolder("start");
        // A list that held files and marks before.
        selection.takeAnswer(severalFiles("old", {"1.alr", "2.alr", "3.alr", "4.alr"}));
        list.setCell(1, FileList::kConversion, "Converted");
        selection.setStartFolder("start");

        dialog.answers.push_back(c.answer);
        selection.selectFiles();
        EXPECT_EQ(fileRows(list), c.rows) << c.name;
        EXPECT_EQ(selection.startFolder(), c.startFolder) << c.name;
    }
}

TEST(FileSelection, ChangingTabEmptiesTheListAndAsksWithTheTabsFilter) {
    FileList list;
    FakeFileDialog dialog;
    FileSelection selection(list, dialog);
    selection.setStartFolder("here");
    const std::string filters[] = {"Almap Track File(*.alr)|*.alr", "Almap Track File(*.alr)|*.alr",
                                   "Almap Track File(*.alr)|*.alr", "Ozi Track File(*.plt)|*.plt",
                                   "Nmea File(*.nmea)|*.nmea",      "Nmea File(*.nmea)|*.nmea"};
    const std::string extensions[] = {".alr", ".alr", ".alr", ".plt", ".nmea", ".nmea"};
    for (int tab = 0; tab < kConversionKindCount; ++tab) {
        selection.takeAnswer(joined("d", "x"));
        dialog.requests.clear();
        dialog.onOpen = [&](const OpenFileRequest&) { EXPECT_EQ(list.rowCount(), 1) << tab; };
        selection.tabChanged(static_cast<ConversionKind>(tab));
        EXPECT_EQ(selection.currentKind(), static_cast<ConversionKind>(tab));
        ASSERT_EQ(dialog.requests.size(), 1u);
        EXPECT_EQ(dialog.requests[0],
                  (OpenFileRequest{extensions[tab], filters[tab], "d" + kSep, true}));
        EXPECT_EQ(list.rowCount(), 1);
    }
    // Opening through the menu or a button uses the current tab's filter.
    selection.selectFiles();
    EXPECT_EQ(dialog.requests.back().filter, filters[5]);
}

TEST(FileSelection, ADialogThatFailsCountsAsCancelled) {
    FileList list;
    FakeFileDialog dialog;
    FileSelection selection(list, dialog);
    selection.setStartFolder("kept");
    selection.takeAnswer(severalFiles("d", {"a.alr", "b.alr"}));
    selection.setStartFolder("kept");
    dialog.onOpen = [](const OpenFileRequest&) { throw std::runtime_error("no display"); };
    selection.selectFiles();
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(selection.startFolder(), "kept");
}

TEST(DialogAnswer, TakesTheFormTheListIsFilledFrom) {
    EXPECT_EQ(test::joined("d", "a.alr"), dialogAnswerFor("d", {"a.alr"}));
    EXPECT_EQ(kSep + "a.alr", dialogAnswerFor(kSep, {"a.alr"}));
    EXPECT_EQ(severalFiles(kSep, {"a", "b"}), dialogAnswerFor(kSep, {"a", "b"}));
    EXPECT_EQ("", dialogAnswerFor("d", {}));
}

}  // namespace
}  // namespace morlindo
