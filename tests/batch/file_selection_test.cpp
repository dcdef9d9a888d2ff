#include "batch/file_selection.h"

#include <gtest/gtest.h>

#include "support/fake_front_end.h"

namespace morlindo {
namespace {

using test::FakeFileDialog;
using test::Paths;
namespace fs = std::filesystem;

TEST(FileSelection, ListsTheChosenFilesAndRemembersTheirFolder) {
    const fs::path gps = fs::path("gps").make_preferred();
    const fs::path root = fs::current_path().root_path();
    struct Case {
        std::string name;
        Paths answer;
        fs::path startFolder;
    };
    const Case cases[] = {
        {"three files: the folder as it is", {gps / "c.alr", gps / "a.alr", gps / "my.alr"}, gps},
        {"one file: the folder with its separator", {gps / "a.alr"}, gps / ""},
        {"several files in the root", {root / "a.alr", root / "b.alr"}, root},
        {"a bare name has no folder", {"a.alr"}, "start"},
        {"cancelled", {}, "start"},
    };
    for (const auto& c : cases) {
        FileList list;
        FakeFileDialog dialog;
        FileSelection selection(list, dialog);
        selection.takeFiles({"old/1.alr", "old/2.alr"});
        list.setState(0, EntryState::Converted);
        selection.setStartFolder("start");

        dialog.answers.push_back(c.answer);
        selection.selectFiles();
        EXPECT_EQ(list.inputs(), c.answer) << c.name;
        for (const BatchEntry& entry : list.entries()) {
            EXPECT_EQ(entry.state, EntryState::Waiting) << c.name;
        }
        EXPECT_EQ(selection.startFolder(), c.startFolder) << c.name;
    }
}

TEST(FileSelection, ChangingTabEmptiesTheListAndAsksWithTheTabsFilter) {
    FileList list;
    FakeFileDialog dialog;
    FileSelection selection(list, dialog);
    const FileFilter almap{"Almap Track File(*.alr)", "*.alr"};
    const FileFilter ozi{"Ozi Track File(*.plt)", "*.plt"};
    const FileFilter nmea{"Nmea File(*.nmea)", "*.nmea"};
    // The tabs that read an AlMap track or a GPX file offer both and each.
    const std::vector<FileFilter> almapOrGpx{
        {"Track Files(*.alr *.gpx)", "*.alr *.gpx"}, almap, {"Gpx File(*.gpx)", "*.gpx"}};
    const std::pair<std::vector<FileFilter>, std::string> filters[] = {
        {{almap}, ".alr"}, {almapOrGpx, ".alr"}, {almapOrGpx, ".alr"},
        {{ozi}, ".plt"},   {{nmea}, ".nmea"},    {{nmea}, ".nmea"}};
    for (int tab = 0; tab < 6; ++tab) {
        selection.takeFiles({"d/x.alr"});
        dialog.onOpen = [&](const OpenFileRequest&) { EXPECT_TRUE(list.empty()) << tab; };
        selection.tabChanged(static_cast<ConversionKind>(tab));
        EXPECT_EQ(selection.currentKind(), static_cast<ConversionKind>(tab));
        const auto& [tabFilters, extension] = filters[tab];
        EXPECT_EQ(dialog.requests.back(),
                  (OpenFileRequest{tabFilters, extension, fs::path("d") / "", true}));
        EXPECT_TRUE(list.empty());
    }
    // A dialog that fails counts as cancelled.
    dialog.onOpen = [](const OpenFileRequest&) { throw std::runtime_error("no display"); };
    selection.takeFiles({"e/a.alr", "e/b.alr"});
    selection.selectFiles();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(selection.startFolder(), "e");
    EXPECT_EQ(dialog.requests.back().filters, std::vector<FileFilter>{nmea});
}

}  // namespace
}  // namespace morlindo
