// The program's one window, frmTarvex: six conversion tabs with their option
// controls above the file list, and the menus. Its handlers only pass
// events on: to the file selection and the batch driver, which do the work,
// and to the dialogs and message boxes it is given.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "batch/file_list.h"
#include "batch/file_selection.h"
#include "batch/message_dialog.h"
#include "batch/run_batch.h"
#include "ui/color_swatch.h"
#include "ui/file_list_model.h"
#include "ui/settings_file.h"
#include "ui/tab_control.h"
#include "ui/tab_page.h"
#include "ui/waypoint_naming_group.h"

namespace morlindo::ui {

// What the window works with. The dialogs and message boxes must outlive it.
struct WindowServices {
    OpenFileDialog& fileDialog;
    MessageDialog& messages;
    ColorDialog& colors;
    ConverterTable converters;
    SettingsFile settings;
    // Ends the program at once.
    std::function<void()> endProgram;
};

// A tab caption and the menu items of the "변환" menu, with the tab each
// one makes current (-1: a separator).
struct ConvertMenuItem {
    const char* caption;
    int tab;
};
inline constexpr std::array<ConvertMenuItem, 6> kConvertMenuItems{{
    {"Almap Track -> Ozi Track", 0},
    {"Almap Track -> Ozi WayPoint", 2},
    {"Almap Track -> Ozi Route", 1},
    {nullptr, -1},
    {"Ozi Track -> Almap Track", 3},
    {"Nmea Data -> Almap Track", 4},
}};

class FrmTarvex final : public QMainWindow, private OptionsSource {
public:
    explicit FrmTarvex(WindowServices services, QWidget* parent = nullptr);
    ~FrmTarvex() override;
    FrmTarvex(const FrmTarvex&) = delete;
    FrmTarvex& operator=(const FrmTarvex&) = delete;

    // Start-up, before the window is first shown: size and title, the
    // settings file, the option lists, then tab 0, which opens the dialog.
    void Form_Load();
    // Closing the window saves the settings and ends, as the exit item does.
    void Form_QueryUnload();
    void SSTab1_Click(int previousTab);
    void mnuFileOpen_Click();
    void mnuExit_Click();
    void mnuHelp_Click();
    // A convert button: the batch over the list with its tab's conversion.
    void convert(ConversionKind kind);

    FileList& fileList() { return fileList_; }
    const FileSelection& fileSelection() const { return selection_; }

private:
    // Members are destroyed in reverse order: every widget is declared after
    // the widget that holds it.
    FileList fileList_;
    FileSelection selection_;
    MessageDialog& messages_;
    ColorDialog& colors_;
    ConverterTable converters_;
    SettingsFile settings_;
    std::function<void()> endProgram_;
    bool ending_ = false;

    QWidget central_;
    QVBoxLayout centralLayout_{&central_};

public:
    TabControl SSTab1{3};
    std::array<TabPage, kConversionKindCount> pages;

    // Tab 0, AlMap track -> Ozi track.
    QComboBox cmbLineWidth;
    ColorSwatch shTrkColor{kRed};
    QPushButton cmdColorSelectTrk{QStringLiteral("...")};
    QComboBox cmbPltType;
    // Tab 1, AlMap track -> Ozi route.
    QLineEdit txtRteName;
    QLineEdit txtRteDescription;
    ColorSwatch shRteColor{kRed};
    QPushButton cmdRteColorSelect{QStringLiteral("...")};
    ColorSwatch shRteWptColorF{kRed};
    QPushButton cmdRteWptColorSelectF{QStringLiteral("...")};
    ColorSwatch shRteWptColorB{kWhite};
    QPushButton cmdRteWptColorSelectB{QStringLiteral("...")};
    // Tab 2, AlMap track -> Ozi waypoints.
    ColorSwatch shWptFColor{kRed};
    QPushButton cmdColorSelectWptF{QStringLiteral("...")};
    ColorSwatch shWptBColor{kWhite};
    QPushButton cmdColorSelectWptB{QStringLiteral("...")};
    WaypointNamingGroup waypointNaming;
    // Tab 5, NMEA -> Ozi track.
    QComboBox cmbNLineWidth;
    ColorSwatch shNTrkColor{kRed};
    QPushButton cmdNtrkColorSelect{QStringLiteral("...")};
    QComboBox cmbNTrackType;
    QComboBox cmbNTimeZone;

    FileListModel fileListModel{fileList_};
    QTableView flxFileNames;

    QMenu mnuFile{QStringLiteral("파일")};
    QAction mnuFileOpen{QStringLiteral("파일열기")};
    QAction mnuExit{QStringLiteral("종료")};
    QMenu mnuConvert{QStringLiteral("변환")};
    std::array<QAction, kConvertMenuItems.size()> mnuConvertItems;
    QAction mnuHelp{QStringLiteral("도움말")};

private:
    void buildTabs();
    void buildMenus();
    void connectHandlers();
    void fillOptionLists();
    void applyColumnWidths();
    int twips(int value) const;

    void closeEvent(QCloseEvent* event) override;

    OziTrackOptions oziTrackOptions() const override;
    OziRouteOptions oziRouteOptions() const override;
    OziWaypointOptions oziWaypointOptions() const override;
    NmeaOziTrackOptions nmeaOziTrackOptions() const override;
};

}  // namespace morlindo::ui
