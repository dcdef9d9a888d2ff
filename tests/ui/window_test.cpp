#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include "ui/program_facts.h"
#include "ui/qt_text.h"
#include "ui/track_map_view.h"
#include "window_fixture.h"

namespace morlindo::test {
namespace {

const Message kCompletion{"정상적으로 변환이 완료되었습니다", "변환완료", MessageIcon::Information};
const FileFilter kAlmapFilter{"Almap Track File(*.alr)", "*.alr"};

std::string firstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

TEST_F(WindowTest, StartsUpInOrderAndOpensTheAlmapDialogOnceShown) {
    writeFile(settingsPath(), "remembered\r\nsecond line\r\n");
    bool checked = false;
    fileDialog.onOpen = [&](const OpenFileRequest& request) {
        checked = true;
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(tabs().currentIndex(), 0);
        EXPECT_EQ(request, (OpenFileRequest{{kAlmapFilter}, ".alr", "remembered", true}));
        EXPECT_EQ(text(child<QComboBox>(QStringLiteral("cmbGarminGps")).currentText()),
                  "eTrex Legend/Vista");
        EXPECT_EQ(text(window->windowTitle()),
                  "AlMap Track & NMEA <--> Ozi Track/Route/WayPoints & NMEA(Ver. 1.1.1)");
    };
    startWindow();
    EXPECT_TRUE(checked);
    EXPECT_EQ(fileDialog.requests.size(), 1u);
    // Cancelled: tab 0 with an empty list.
    EXPECT_EQ(tabs().currentIndex(), 0);
    EXPECT_EQ(listModel().rowCount(), 0);
    EXPECT_EQ(window->fileSelection().startFolder(), "remembered");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowTest, ChangingTabByClickOrMenuEmptiesTheListAndAsksAgain) {
    fileDialog.answers = {{"d/a.alr", "d/b.alr"}};
    startWindow();
    ASSERT_EQ(listModel().rowCount(), 2);

    QTest::mouseClick(&tabs().tab(5), Qt::LeftButton);
    EXPECT_EQ(tabs().currentIndex(), 5);
    EXPECT_EQ(listModel().rowCount(), 0);
    const FileFilter nmea{"Nmea File(*.nmea)", "*.nmea"};
    EXPECT_EQ(fileDialog.requests.back().filters, std::vector<FileFilter>{nmea});

    // The "Ozi Track -> Almap Track" item makes tab 3 current.
    fileDialog.answers = {{"d/t.plt"}};
    QAction& oziItem = action("mnuConvertItem4");
    EXPECT_EQ(text(oziItem.text()), "Ozi Track -> Almap Track");
    oziItem.trigger();
    EXPECT_EQ(tabs().currentIndex(), 3);
    EXPECT_EQ(fileDialog.requests.back().defaultExtension, ".plt");
    EXPECT_EQ(listModel().rowCount(), 1);

    // The item of the tab already shown changes nothing.
    oziItem.trigger();
    EXPECT_EQ(fileDialog.requests.size(), 3u);
    EXPECT_EQ(listModel().rowCount(), 1);

    const int tabOf[] = {0, 2, 1, -1, 3, 4, -1, 6, 7, 8, 9};
    for (int i = 0; i < 11; ++i) {
        QAction& item = action(("mnuConvertItem" + std::to_string(i)).c_str());
        EXPECT_EQ(item.isSeparator(), tabOf[i] < 0) << i;
        if (tabOf[i] < 0) continue;
        item.trigger();
        EXPECT_EQ(tabs().currentIndex(), tabOf[i]) << i;
    }
}

// A name with Hangul and Han characters, beyond any one code page, goes
// from the list to the converter and becomes the name of its output.
TEST_F(WindowTest, ConvertsRealFilesAndStopsAtAFailingOne) {
    const auto named = dir.path() / ui::filePathOf(QStringLiteral("산책 漢字.alr"));
    writeFile(dir / "a.alr", almapFile({{127.0, 37.5}}));
    writeFile(named, almapFile({{127.0, 37.5}}));
    fileDialog.answers = {{dir / "a.alr", named}};
    startWindow(true);
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>(2, "Converted")));
    EXPECT_EQ(cell(1, 2), "산책 漢字.alr");
    EXPECT_EQ(messages.shown,
              (std::vector<Message>{
                  {kCompletion.text + "\n\n변환한 파일: 2개\n저장한 곳: " + displayPath(dir.path()),
                   kCompletion.title, kCompletion.icon}}));
    EXPECT_EQ(messages.offered, std::vector<std::string>{"폴더 열기"});
    const auto output = dir.path() / ui::filePathOf(QStringLiteral("산책 漢字.plt"));
    EXPECT_EQ(readFile(output).substr(0, 40), "OziExplorer Track Point File Version 2.1");

    fileDialog.answers = {{dir / "a.alr", dir / "gone.alr", named}};
    action("mnuFileOpen").trigger();
    std::filesystem::remove(output);
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>{"Converted", "변환 오류", ""}));
    EXPECT_EQ(messages.shown.back(),
              (Message{displayPath(dir / "gone.alr") +
                           ": 열 수 없습니다: 그런 파일이나 폴더가 없습니다\n\n"
                           "변환한 파일: 1개\n변환하지 않은 파일: 1개",
                       "변환 오류", MessageIcon::Critical}));
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A log without a fix is no success: its row reads "No points", the closing
// message counts it, and its empty result leaves an older output in place.
TEST_F(WindowTest, ALogWithoutFixesReadsNoPointsAndIsCounted) {
    const std::string noFix = crlfLines({"$GPGGA,100000,,,,,0,00,,,M,,M,,*67"});
    writeFile(dir / "a.nmea", noFix);
    writeFile(dir / "b.nmea", noFix);
    writeFile(dir / "b.alr", almapFile({{127.0, 37.5}}));
    fileDialog.answers = {{}, {dir / "a.nmea", dir / "b.nmea"}};
    startWindow(true);
    QTest::mouseClick(&tabs().tab(4), Qt::LeftButton);
    clickConvert("cmdNmea2AlmapTrack");
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>(2, "점 없음")));
    EXPECT_EQ(messages.shown.back().text,
              "변환은 끝났지만 파일 2개에서 점을 찾지 못했습니다.\n\n변환한 파일: 2개\n"
              "점이 없는 파일(\"점 없음\"): 2개\n그대로 둔 이전 출력 파일: 1개\n저장한 곳: " +
                  displayPath(dir.path()));
    EXPECT_EQ(readFile(dir / "b.alr"), almapFile({{127.0, 37.5}}));
}

// With 200 files and row 150 failing, the list shows that row, selected,
// wherever it was scrolled to.
TEST_F(WindowTest, TheFailingRowIsMarkedSelectedAndScrolledIntoView) {
    Paths files;
    for (int i = 1; i <= 200; ++i) files.push_back("d/" + std::to_string(i) + ".alr");
    fileDialog.answers = {files};
    converter.failingInputs = {files[149]};
    startWindow();
    activateWindow();
    clickConvert("cmdTarvexTrack");
    auto& view = child<QTableView>(QStringLiteral("flxFileNames"));
    EXPECT_EQ(cell(148, 3), "Converted");
    EXPECT_EQ(cell(149, 3), "변환 오류");
    EXPECT_EQ(cell(150, 3), "");
    const QModelIndexList selected = view.selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 149);
    EXPECT_TRUE(view.viewport()->rect().contains(view.visualRect(selected[0])));
    EXPECT_EQ(messages.shown.back().text, displayPath("d/150.alr") +
                                              ": cannot read it\n\n변환한 파일: 149개\n"
                                              "변환하지 않은 파일: 50개");
}

// Two listed files that would write one output stop the run before any
// file is converted; the message names both and the output. Dated names
// that differ after their first "." do not clash.
TEST_F(WindowTest, TwoInputsWithOneOutputAreNamedBeforeConverting) {
    fileDialog.answers = {{"d/2023.05.01 b.alr", "d/2023.06.01 b.alr", "d/a.alr", "d/a.ALR"}};
    startWindow();
    clickConvert("cmdTarvexTrack");
    EXPECT_TRUE(converter.calls.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(
        messages.shown[0].text.find(displayPath("d/a.alr") + " 파일과 " + displayPath("d/a.ALR") +
                                    " 파일이 모두 " + displayPath("d/a.plt")),
        0u);
    EXPECT_EQ(conversionColumn(), std::vector<std::string>(4, ""));
}

// The window lives while a large file converts: the bar shows how much of
// it is read, and Cancel abandons it, writing nothing and leaving an older
// output as it was; the rows after it are not tried.
TEST_F(WindowTest, CancelStopsABatchWhileItShowsItsProgress) {
    const auto big = dir / "big.alr";
    writeFile(big, kAlmapSignature);
    std::filesystem::resize_file(big, 13 + 32ull * 10'000'000);  // sparse: zeros are records at 0,0
    writeFile(dir / "big.plt", "older");
    writeFile(dir / "next.alr", almapFile({{127.0, 37.5}}));
    fileDialog.answers = {{big, dir / "next.alr"}};
    startWindow(true);
    auto& bar = child<QProgressBar>(QStringLiteral("prgBatch"));
    auto& cancel = child<QAbstractButton>(QStringLiteral("cmdCancel"));
    std::string during;
    QObject::connect(&bar, &QProgressBar::valueChanged, [&](int value) {
        if (value == 0 || !during.empty()) return;
        during = text(bar.text());
        EXPECT_TRUE(bar.isVisibleTo(window.get()) && cancel.isVisibleTo(window.get()));
        EXPECT_FALSE(tabs().tab(1).isEnabled());
        const QCursor* cursor = QGuiApplication::overrideCursor();
        EXPECT_TRUE(cursor != nullptr && cursor->shape() == Qt::BusyCursor);
        cancel.click();
    });
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(during.substr(0, during.find(" (")), "파일 2개 중 1번째");
    EXPECT_EQ(text(child<QLabel>(QStringLiteral("lblStatus")).text()), "변환을 취소했습니다.");
    EXPECT_EQ(readFile(dir / "big.plt"), "older");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"big.alr", "big.plt", "next.alr"}));
    EXPECT_EQ(conversionColumn(), (std::vector<std::string>{"취소됨", ""}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(bar.isVisibleTo(window.get()));
    EXPECT_TRUE(tabs().tab(1).isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Closing the window while a batch runs asks first; Yes cancels the
    // batch and then ends the program.
    during.clear();
    cancel.disconnect();
    QObject::connect(&cancel, &QAbstractButton::clicked, [&] { window->close(); });
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(readFile(dir / "big.plt"), "older");
}

// Selecting a row shows its file beside the list, read off the window's
// thread; a file that cannot be read shows why instead.
TEST_F(WindowTest, TheSelectedRowsFileIsPreviewed) {
    writeFile(dir / "a.alr", almapFile({{127.0, 37.0}, {127.0, 38.0}}));
    fileDialog.answers = {{dir / "a.alr", dir / "gone.alr"}};
    startWindow();
    auto& summary = child<QLabel>(QStringLiteral("lblPreviewSummary"));
    auto& view = child<QTableView>(QStringLiteral("flxFileNames"));
    const auto shows = [&](const QString& text) {
        return QTest::qWaitFor([&] { return summary.text().contains(text); }, 5000);
    };
    view.selectRow(0);
    EXPECT_TRUE(shows(QStringLiteral("점: 2개\n길이: 111.195 km"))) << summary.text().toStdString();

    // The map zooms about a point, pans, fits the track again, and reads
    // out the point nearest the pointer.
    auto& map = child<ui::TrackMapView>(QStringLiteral("previewMap"));
    map.resize(300, 300);
    map.fitWholeTrack();
    const auto end = [&] {
        map.hoverAt({150, 12});  // the end, north, at the top
        return map.readOut();
    };
    map.hoverAt({150, 150});
    EXPECT_TRUE(map.readOut().isEmpty());
    EXPECT_EQ(text(end()), "출발점에서 111.195 km");
    map.zoomAbout({150, 150}, 8);
    map.hoverAt({150, 150});
    EXPECT_TRUE(map.readOut().isEmpty());
    map.panBy({0, -1000});
    EXPECT_EQ(text(end()), "");
    map.fitWholeTrack();
    EXPECT_EQ(text(end()), "출발점에서 111.195 km");
    view.selectRow(1);
    EXPECT_TRUE(shows(QStringLiteral("gone.alr: 열 수 없습니다"))) << summary.text().toStdString();
}

// Two segments far apart are drawn as two lines, and the read-out's
// distance adds nothing across the break: the second segment, going back
// south from the top, starts one segment's length from the start.
TEST(TrackMapView, DrawsOneLinePerSegmentAndMeasuresWithinThem) {
    TempDir dir;
    writeFile(dir / "t.plt", crlfLines({"OziExplorer Track Point File Version 2.1", " wgs  84",
                                        "ALTITUDE IS IN METERS", "Reserved 3", "0,2,255,,0,0,2,0",
                                        "4", "10,20,0,-777,,,", "11,20,0,-777,,,",
                                        "51,20,1,-777,,,", "50,20,0,-777,,,"}));
    const TrackStatistics s = trackStatisticsOf(dir / "t.plt");
    EXPECT_NEAR(s.lengthKm, 2 * 111.195, 0.001);
    ui::TrackMapView map;
    map.resize(300, 300);
    map.setTrack(s.outline, s.lengthKm);
    EXPECT_EQ(map.lineCount(), 2u);
    map.hoverAt({150, 12});  // the second segment's start, north, at the top
    EXPECT_EQ(text(map.readOut()), "출발점에서 111.195 km");
}

TEST_F(WindowTest, EveryTabHandsItsConverterItsOwnOptions) {
    startWindow();
    for (int tab = 0; tab < 9; ++tab) {
        fileDialog.answers = {{"d/f"}};
        if (tab == 0) action("mnuFileOpen").trigger();  // tab 0 is already current
        tabs().setCurrentIndex(tab);
        clickConvert(conversion(static_cast<ConversionKind>(tab)).convertButton.data());
        EXPECT_EQ(converter.calls.back().kind, static_cast<ConversionKind>(tab));
    }
    const ConversionOptions defaults;
    ASSERT_EQ(converter.calls.size(), 9u);
    const auto& track = converter.calls[0].options.track;
    EXPECT_EQ(
        std::tie(track.lineWidth, track.trackType, track.trackColor),
        std::tie(defaults.track.lineWidth, defaults.track.trackType, defaults.track.trackColor));
    const auto& route = converter.calls[1].options.route;
    EXPECT_EQ(std::tie(route.routeName, route.routeDescription, route.routeColor,
                       route.waypointForeColor, route.waypointBackColor),
              std::make_tuple("R0", "", 255, 255, 16777215));
    const auto& waypoints = converter.calls[2].options.waypoints;
    EXPECT_EQ(
        std::tie(waypoints.namePrefix, waypoints.waypointForeColor, waypoints.waypointBackColor),
        std::make_tuple("WPT", 255, 16777215));
    EXPECT_EQ(converter.calls[5].options.nmeaTrack.timeZoneHours, 9);
    EXPECT_EQ(converter.calls[7].options.nmeaTrack.timeZoneHours, 9);
    EXPECT_EQ(converter.calls[8].options.gpx.timeZoneHours, 9);
    child<QComboBox>(QStringLiteral("cmbGpxTimeZone")).setCurrentIndex(12);
    clickConvert("cmdTrack2Gpx");
    EXPECT_EQ(converter.calls.back().options.gpx.timeZoneHours, 0);

    // KML and GeoJSON share a tab; its list of targets chooses the conversion.
    fileDialog.answers = {{"d/f.gpx"}};
    tabs().setCurrentIndex(9);
    auto& targets = child<QComboBox>(QStringLiteral("cmbTargetFormat"));
    EXPECT_EQ(text(targets.itemText(1)), "GeoJSON (.geojson)");
    child<QComboBox>(QStringLiteral("cmbOtherTimeZone")).setCurrentIndex(11);
    for (const auto kind : {ConversionKind::TrackToKml, ConversionKind::TrackToGeoJson}) {
        targets.setCurrentIndex(kind == ConversionKind::TrackToKml ? 0 : 1);
        clickConvert("cmdTrack2Other");
        EXPECT_EQ(converter.calls.back().kind, kind);
        EXPECT_EQ(converter.calls.back().options.gpx.timeZoneHours, -1);
    }

    // Chosen options reach their converter; the route name keeps 8 characters.
    fileDialog.answers = {{"d/f.nmea"}};
    tabs().setCurrentIndex(5);
    child<QComboBox>(QStringLiteral("cmbNLineWidth")).setCurrentIndex(0);
    child<QComboBox>(QStringLiteral("cmbNTrackType")).setCurrentIndex(1);
    auto& zones = child<QComboBox>(QStringLiteral("cmbNTimeZone"));
    const std::tuple<int, const char*, int> zoneCases[] = {
        {0, "GMT-12", -12}, {12, "GMT+0", 0}, {25, "GMT+13", 13}};
    for (const auto& [index, label, hours] : zoneCases) {
        zones.setCurrentIndex(index);
        EXPECT_EQ(text(zones.currentText()), label);
        clickConvert("cmdNmea2OziTrack");
        const auto& nmea = converter.calls.back().options.nmeaTrack;
        EXPECT_EQ(std::tie(nmea.timeZoneHours, nmea.lineWidth, nmea.trackType),
                  std::make_tuple(hours, "1", 10));
    }
    fileDialog.answers = {{"d/f.alr"}};
    tabs().setCurrentIndex(1);
    child<QLineEdit>(QStringLiteral("txtRteName")).setText(QStringLiteral("LONGNAME99"));
    child<QLineEdit>(QStringLiteral("txtRteDescription")).setText(QStringLiteral("한강 산책"));
    clickConvert("cmdTarvexRoute");
    EXPECT_EQ(converter.calls.back().options.route.routeName, "LONGNAME");
    EXPECT_EQ(converter.calls.back().options.route.routeDescription, "한강 산책");
}

TEST_F(WindowTest, ExitByMenuOrByClosingSavesTheStartFolder) {
    const auto gps = dir / "gps";
    fileDialog.answers = {{gps / "a.alr"}};
    startWindow();
    action("mnuExit").trigger();
    EXPECT_EQ(firstLine(readFile(settingsPath())), (gps / "").string());
    EXPECT_EQ(programEnds, 1);

    makeWindow();
    writeFile(settingsPath(), "one\r\ntwo\r\n");
    fileDialog.answers = {{gps / "a.alr", gps / "b.alr"}};
    window->Form_Load();
    window->show();
    window->close();
    EXPECT_EQ(firstLine(readFile(settingsPath())), gps.string());
    EXPECT_EQ(programEnds, 2);
}

TEST_F(WindowTest, TheHelpMenuShowsTheAboutBox) {
    startWindow();
    action("mnuHelp").trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string ten(10, ' ');
    EXPECT_EQ(messages.shown[0], (Message{ten + "MorlindoConverter Version 1.1.1" + ten + "\r\n" +
                                              ten + std::string(ui::kAuthorCredit) + ten,
                                          "About", MessageIcon::None}));
}

}  // namespace
}  // namespace morlindo::test
