#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QTest>

#include "ui/program_facts.h"
#include "ui/qt_text.h"
#include "window_fixture.h"

namespace morlindo::test {
namespace {

const Message kCompletion{"정상적으로 변환이 완료되었습니다", "변환완료", MessageIcon::Information};

std::string text(const QString& value) { return value.toStdString(); }

TEST_F(WindowTest, StartsUpInOrderAndOpensTheAlmapDialogBeforeShowing) {
    writeFile(settingsPath(), "remembered\r\nsecond line\r\n");
    bool checked = false;
    fileDialog.onOpen = [&](const OpenFileRequest& request) {
        checked = true;
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->SSTab1.currentIndex(), 0);
        EXPECT_EQ(request,
                  (OpenFileRequest{".alr", "Almap Track File(*.alr)|*.alr", "remembered", true}));
        EXPECT_EQ(window->cmbNTimeZone.count(), 26);
        EXPECT_EQ(text(window->waypointNaming.cmbGarminGps.currentText()), "eTrex Legend/Vista");
        EXPECT_EQ(text(window->windowTitle()),
                  "AlMap Track & NMEA <--> Ozi Track/Route/WayPoints & NMEA(Ver. 1.1.1)");
    };
    startWindow();
    EXPECT_TRUE(checked);
    EXPECT_EQ(fileDialog.requests.size(), 1u);
    // Cancelled: tab 0 with an empty list.
    EXPECT_EQ(window->SSTab1.currentIndex(), 0);
    EXPECT_EQ(window->fileList().rowCount(), 1);
    EXPECT_EQ(window->fileListModel.rowCount(), 0);
    EXPECT_EQ(window->fileSelection().startFolder(), "remembered");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowTest, WithoutSettingsTheDialogStartsInTheExecutablesFolder) {
    startWindow();
    ASSERT_EQ(fileDialog.requests.size(), 1u);
    EXPECT_EQ(fileDialog.requests[0].startFolder, executableFolder());
}

TEST_F(WindowTest, ListsTheChosenFilesInTheGrid) {
    const std::string gps = (dir / "gps").string();
    fileDialog.answers = {severalFiles(gps, {"a.alr", "b.alr", "c.alr"}), joined(gps, "z.alr")};
    auto& w = startWindow();
    EXPECT_EQ(w.fileSelection().startFolder(), gps);
    ASSERT_EQ(w.fileListModel.rowCount(), 3);
    const auto cellText = [&](int row, int column) {
        return text(w.fileListModel.index(row, column).data().toString());
    };
    EXPECT_EQ(cellText(2, 0), "3");
    EXPECT_EQ(cellText(2, 1), gps);
    EXPECT_EQ(cellText(2, 2), "c.alr");
    EXPECT_EQ(cellText(2, 3), "");
    const std::string headers[] = {"#", "Folder", "File Names", "Conversion"};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(
            text(w.fileListModel.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()),
            headers[column]);
    }
    EXPECT_EQ(w.fileListModel.headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                  Qt::AlignHCenter,
              Qt::AlignHCenter);
    // 5000 twips are 333 pixels at 96 dots per inch.
    const double dpi = w.logicalDpiX();
    EXPECT_EQ(w.flxFileNames.columnWidth(1), static_cast<int>(std::lround(5000 * dpi / 1440)));

    w.pages[0].cmdOpenFile.click();
    ASSERT_EQ(w.fileListModel.rowCount(), 1);
    EXPECT_EQ(cellText(0, 1), gps);
    EXPECT_EQ(cellText(0, 2), "z.alr");
    EXPECT_EQ(w.fileSelection().startFolder(), gps + kFolderSeparator);
    EXPECT_EQ(fileDialog.requests.back().startFolder, gps);
}

TEST_F(WindowTest, ChangingTabByClickOrMenuEmptiesTheListAndAsksAgain) {
    fileDialog.answers = {severalFiles("d", {"a.alr", "b.alr"})};
    auto& w = startWindow();
    ASSERT_EQ(w.fileList().rowCount(), 3);

    QTest::mouseClick(&w.SSTab1.tab(5), Qt::LeftButton);
    EXPECT_EQ(w.SSTab1.currentIndex(), 5);
    EXPECT_EQ(w.fileList().rowCount(), 1);
    EXPECT_EQ(fileDialog.requests.back().filter, "Nmea File(*.nmea)|*.nmea");

    // The "Ozi Track -> Almap Track" item makes tab 3 current.
    fileDialog.answers = {joined("d", "t.plt")};
    w.mnuConvertItems[4].trigger();
    EXPECT_EQ(w.SSTab1.currentIndex(), 3);
    EXPECT_EQ(fileDialog.requests.back().filter, "Ozi Track File(*.plt)|*.plt");
    EXPECT_EQ(fileDialog.requests.back().defaultExtension, ".plt");
    EXPECT_EQ(w.fileList().rowCount(), 2);
    EXPECT_EQ(fileDialog.requests.size(), 3u);

    // The item of the tab already shown changes nothing.
    w.mnuConvertItems[4].trigger();
    EXPECT_EQ(fileDialog.requests.size(), 3u);
    EXPECT_EQ(w.fileList().rowCount(), 2);

    const int tabOf[] = {0, 2, 1, -1, 3, 4};
    for (std::size_t i = 0; i < w.mnuConvertItems.size(); ++i) {
        if (tabOf[i] < 0) {
            EXPECT_TRUE(w.mnuConvertItems[i].isSeparator());
            continue;
        }
        w.mnuConvertItems[i].trigger();
        EXPECT_EQ(w.SSTab1.currentIndex(), tabOf[i]) << i;
    }
}

TEST_F(WindowTest, ConvertsThreeRealFilesFromTheConvertButton) {
    for (const char* name : {"a.alr", "b.alr", "c.alr"}) {
        writeFile(dir / name, almapFile({{127.0, 37.5}}));
    }
    fileDialog.answers = {severalFiles(dir.path().string(), {"a.alr", "b.alr", "c.alr"})};
    auto& w = startWindow(true);
    QTest::mouseClick(&w.pages[0].convertButton, Qt::LeftButton);
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>(3, "Converted")));
    EXPECT_EQ(messages.shown, std::vector<Message>{kCompletion});
    for (const char* name : {"a.plt", "b.plt", "c.plt"}) {
        EXPECT_EQ(readFile(dir / name).substr(0, 40), "OziExplorer Track Point File Version 2.1");
    }
    EXPECT_EQ(text(w.fileListModel.index(1, 3).data().toString()), "Converted");

    // Pressed again: every file again, and again the one message.
    writeFile(dir / "b.plt", "");
    w.pages[0].convertButton.click();
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>(3, "Converted")));
    EXPECT_EQ(messages.shown, (std::vector<Message>{kCompletion, kCompletion}));
    EXPECT_FALSE(readFile(dir / "b.plt").empty());
}

TEST_F(WindowTest, AFailingFileStopsTheBatchAndTheWindowGoesOn) {
    writeFile(dir / "a.alr", almapFile({{127.0, 37.5}}));
    writeFile(dir / "c.alr", almapFile({{127.0, 37.5}}));
    fileDialog.answers = {severalFiles(dir.path().string(), {"a.alr", "gone.alr", "c.alr"})};
    auto& w = startWindow(true);
    w.pages[0].convertButton.click();
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>{"Converted", "", ""}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "변환 오류");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_NE(messages.shown[0].text.find("gone.alr"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "c.plt"));

    // Still usable: choose again and convert.
    fileDialog.answers = {joined(dir.path().string(), "c.alr")};
    w.mnuFileOpen.trigger();
    w.pages[0].convertButton.click();
    EXPECT_EQ(conversionColumn(), std::vector<std::string>{"Converted"});
    EXPECT_TRUE(std::filesystem::exists(dir / "c.plt"));
    EXPECT_EQ(messages.shown.back(), kCompletion);
}

TEST_F(WindowTest, UntouchedControlsGiveTheDefaultOptions) {
    auto& w = startWindow();
    for (int tab = 0; tab < kConversionKindCount; ++tab) {
        fileDialog.answers = {joined("d", "f")};
        if (tab == 0) w.mnuFileOpen.trigger();  // tab 0 is already current
        w.SSTab1.setCurrentIndex(tab);
        w.pages[tab].convertButton.click();
    }
    ASSERT_EQ(converters.calls.size(), 6u);
    for (int tab = 0; tab < kConversionKindCount; ++tab) {
        EXPECT_EQ(converters.calls[tab].kind, static_cast<ConversionKind>(tab));
    }
    const OziTrackOptions& track = converters.calls[0].options.track;
    EXPECT_EQ(track.lineWidth, "2");
    EXPECT_EQ(track.trackType, 0);
    EXPECT_EQ(track.trackColor, 255);
    const OziRouteOptions& route = converters.calls[1].options.route;
    EXPECT_EQ(route.routeName, "R0");
    EXPECT_EQ(route.routeDescription, "");
    EXPECT_EQ(route.routeColor, 255);
    EXPECT_EQ(route.waypointForeColor, 255);
    EXPECT_EQ(route.waypointBackColor, 16777215);
    const OziWaypointOptions& waypoints = converters.calls[2].options.waypoints;
    EXPECT_EQ(waypoints.namePrefix, "WPT");
    EXPECT_EQ(waypoints.waypointForeColor, 255);
    EXPECT_EQ(waypoints.waypointBackColor, 16777215);
    const NmeaOziTrackOptions& nmea = converters.calls[5].options.nmeaTrack;
    EXPECT_EQ(nmea.lineWidth, "2");
    EXPECT_EQ(nmea.trackType, 0);
    EXPECT_EQ(nmea.trackColor, 255);
    EXPECT_EQ(nmea.timeZoneHours, 9);
    EXPECT_EQ(text(w.cmbNTimeZone.currentText()), "GMT+9");
}

TEST_F(WindowTest, ChosenOptionsReachTheirConverters) {
    auto& w = startWindow();
    struct Case {
        int timeZoneIndex;
        std::string label;
        int hours;
    };
    const Case zones[] = {
        {0, "GMT-12", -12}, {11, "GMT-1", -1}, {12, "GMT+0", 0}, {25, "GMT+13", 13}};
    fileDialog.answers = {joined("d", "f.nmea")};
    w.SSTab1.setCurrentIndex(5);
    w.cmbNLineWidth.setCurrentIndex(0);
    w.cmbNTrackType.setCurrentIndex(1);
    for (const auto& zone : zones) {
        w.cmbNTimeZone.setCurrentIndex(zone.timeZoneIndex);
        EXPECT_EQ(text(w.cmbNTimeZone.currentText()), zone.label);
        w.pages[5].convertButton.click();
        EXPECT_EQ(converters.calls.back().options.nmeaTrack.timeZoneHours, zone.hours);
        EXPECT_EQ(converters.calls.back().options.nmeaTrack.lineWidth, "1");
        EXPECT_EQ(converters.calls.back().options.nmeaTrack.trackType, 10);
    }

    fileDialog.answers = {joined("d", "f.alr")};
    w.SSTab1.setCurrentIndex(1);
    w.txtRteName.setText(QStringLiteral("LONGNAME99"));
    w.txtRteDescription.setText(QStringLiteral("Han river, 한강"));
    w.pages[1].convertButton.click();
    EXPECT_EQ(converters.calls.back().options.route.routeName, "LONGNAME");
    EXPECT_EQ(converters.calls.back().options.route.routeDescription,
              ui::systemTextOf(QStringLiteral("Han river, 한강")));
}

TEST_F(WindowTest, ShowsTheBusyPointerOnlyWhileAFileConverts) {
    fileDialog.answers = {joined("d", "f.alr")};
    auto& w = startWindow();
    std::optional<Qt::CursorShape> during;
    converters.onConvert = [&] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor()) during = cursor->shape();
    };
    w.pages[0].convertButton.click();
    EXPECT_EQ(during, Qt::BusyCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    converters.failingPaths = {joined("d", "f.alr")};
    w.pages[0].convertButton.click();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(WindowTest, ExitByMenuOrByClosingSavesTheStartFolder) {
    const std::string gps = (dir / "gps").string();
    fileDialog.answers = {joined(gps, "a.alr")};
    auto& w = startWindow();
    w.mnuExit.trigger();
    EXPECT_EQ(readFile(settingsPath()), gps + kFolderSeparator + "\r\n");
    EXPECT_EQ(programEnds, 1);

    makeWindow();
    writeFile(settingsPath(), "one\r\ntwo\r\n");
    fileDialog.answers = {severalFiles(gps, {"a.alr", "b.alr"})};
    window->Form_Load();
    window->show();
    window->close();
    EXPECT_EQ(readFile(settingsPath()), gps + "\r\n");
    EXPECT_EQ(programEnds, 2);
}

TEST_F(WindowTest, HasTheMenusWithTheirShortcuts) {
    auto& w = startWindow();
    std::vector<std::string> menuBar;
    for (const QAction* action : w.menuBar()->actions()) menuBar.push_back(text(action->text()));
    EXPECT_EQ(menuBar, (std::vector<std::string>{"파일", "변환", "도움말"}));
    std::vector<std::string> fileMenu;
    for (const QAction* action : w.mnuFile.actions()) fileMenu.push_back(text(action->text()));
    EXPECT_EQ(fileMenu, (std::vector<std::string>{"파일열기", "", "종료"}));
    EXPECT_EQ(w.mnuFileOpen.shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(w.mnuExit.shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(w.mnuHelp.menu(), nullptr);
}

TEST_F(WindowTest, TheHelpMenuShowsTheAboutBox) {
    auto& w = startWindow();
    w.mnuHelp.trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string ten(10, ' ');
    EXPECT_EQ(messages.shown[0], (Message{ten + "MorlindoConverter Version 1.1" + ten + "\r\n" +
                                              ten + std::string(ui::kAuthorCredit) + ten,
                                          "About", MessageIcon::None}));
}

}  // namespace
}  // namespace morlindo::test
