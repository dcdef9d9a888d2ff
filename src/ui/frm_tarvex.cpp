#include "ui/frm_tarvex.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>

#include "ui/busy_pointer.h"
#include "ui/option_lists.h"
#include "ui/program_facts.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace morlindo::ui {
namespace {

// Window geometry, in twips.
constexpr int kWindowWidth = 12750;
constexpr int kWindowHeight = 9090;
constexpr int kMargin = 60;
constexpr int kTabHeight = 2955;
constexpr int kListTop = 3060;
constexpr int kRouteNameLength = 8;

struct TabFacts {
    const char* caption;
    const char* convertButton;
};
// By tab index, which is the value of the tab's ConversionKind.
constexpr std::array<TabFacts, kConversionKindCount> kTabs{{
    {"Almap Track -> Ozi Track", "cmdTarvexTrack"},
    {"AlMap Track -> Ozi Route", "cmdTarvexRoute"},
    {"AlMap Track -> WayPoint", "cmdTarvexWayPoint"},
    {"Ozi Track -> AlMap Track", "cmdOzi2AlTrack"},
    {"Nmea -> AlMap Track", "cmdNmea2AlmapTrack"},
    {"Nmea -> Ozi Track", "cmdNmea2OziTrack"},
}};

template <std::size_t N>
void fillOptionList(QComboBox& list, const std::array<OptionItem, N>& items, int start) {
    for (const OptionItem& item : items) list.addItem(fromUtf8(item.text), item.tag);
    list.setCurrentIndex(start);
}

}  // namespace

FrmTarvex::FrmTarvex(WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      selection_(fileList_, services.fileDialog),
      messages_(services.messages),
      colors_(services.colors),
      converters_(withBusyPointer(std::move(services.converters))),
      settings_(std::move(services.settings)),
      endProgram_(std::move(services.endProgram)) {
    setObjectName(QStringLiteral("frmTarvex"));
    buildTabs();
    buildMenus();

    flxFileNames.setObjectName(QStringLiteral("flxFileNames"));
    flxFileNames.setModel(&fileListModel);
    flxFileNames.verticalHeader()->hide();
    flxFileNames.verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    flxFileNames.setSelectionBehavior(QAbstractItemView::SelectRows);
    flxFileNames.setEditTriggers(QAbstractItemView::NoEditTriggers);

    const int margin = twips(kMargin);
    centralLayout_.setContentsMargins(margin, margin, margin, margin);
    centralLayout_.setSpacing(twips(kListTop - kMargin - kTabHeight));
    SSTab1.setMinimumHeight(twips(kTabHeight));
    centralLayout_.addWidget(&SSTab1);
    // The list takes whatever height the window gives it.
    centralLayout_.addWidget(&flxFileNames, 1);
    setCentralWidget(&central_);

    connectHandlers();
}

FrmTarvex::~FrmTarvex() = default;

int FrmTarvex::twips(int value) const { return twipsToPixels(value, logicalDpiX()); }

void FrmTarvex::buildTabs() {
    SSTab1.setObjectName(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < kConversionKindCount; ++tab) {
        TabPage& page = pages[tab];
        page.cmdOpenFile.setObjectName(QStringLiteral("cmdOpenFile%1").arg(tab));
        page.convertButton.setObjectName(QString::fromLatin1(kTabs[tab].convertButton));
        SSTab1.addTab(page, QString::fromLatin1(kTabs[tab].caption));
    }

    const QString trackWidth = QStringLiteral("트랙 두께 :");
    const QString trackColor = QStringLiteral("트랙 색상 :");
    const QString trackType = QStringLiteral("트랙 종류 :");
    pages[0].addOption(trackWidth, cmbLineWidth);
    pages[0].addOption(trackColor, shTrkColor, &cmdColorSelectTrk);
    pages[0].addOption(trackType, cmbPltType);

    txtRteName.setText(QStringLiteral("R0"));
    txtRteName.setMaxLength(kRouteNameLength);
    pages[1].addOption(QStringLiteral("Route 이름 : "), txtRteName);
    pages[1].addOption(QStringLiteral("Route 설명 : "), txtRteDescription);
    pages[1].addOption(QStringLiteral("Route 색상 : "), shRteColor, &cmdRteColorSelect);
    pages[1].addOption(QStringLiteral("Route Wpt 전경색 :"), shRteWptColorF,
                       &cmdRteWptColorSelectF);
    pages[1].addOption(QStringLiteral("Route Wpt 배경색 :"), shRteWptColorB,
                       &cmdRteWptColorSelectB);

    pages[2].addOption(QStringLiteral("전경 색상"), shWptFColor, &cmdColorSelectWptF);
    pages[2].addOption(QStringLiteral("배경 색상"), shWptBColor, &cmdColorSelectWptB);
    pages[2].addOptionGroup(waypointNaming);

    pages[5].addOption(trackWidth, cmbNLineWidth);
    pages[5].addOption(trackColor, shNTrkColor, &cmdNtrkColorSelect);
    pages[5].addOption(trackType, cmbNTrackType);
    pages[5].addOption(QStringLiteral("Time Zone :"), cmbNTimeZone);

    const std::pair<QObject*, const char*> names[] = {
        {&cmbLineWidth, "cmbLineWidth"},
        {&shTrkColor, "shTrkColor"},
        {&cmdColorSelectTrk, "cmdColorSelectTrk"},
        {&cmbPltType, "cmbPltType"},
        {&txtRteName, "txtRteName"},
        {&txtRteDescription, "txtRteDescription"},
        {&shRteColor, "shRteColor"},
        {&cmdRteColorSelect, "cmdRteColorSelect"},
        {&shRteWptColorF, "shRteWptColorF"},
        {&cmdRteWptColorSelectF, "cmdRteWptColorSelectF"},
        {&shRteWptColorB, "shRteWptColorB"},
        {&cmdRteWptColorSelectB, "cmdRteWptColorSelectB"},
        {&shWptFColor, "shWptFColor"},
        {&cmdColorSelectWptF, "cmdColorSelectWptF"},
        {&shWptBColor, "shWptBColor"},
        {&cmdColorSelectWptB, "cmdColorSelectWptB"},
        {&cmbNLineWidth, "cmbNLineWidth"},
        {&shNTrkColor, "shNTrkColor"},
        {&cmdNtrkColorSelect, "cmdNtrkColorSelect"},
        {&cmbNTrackType, "cmbNTrackType"},
        {&cmbNTimeZone, "cmbNTimeZone"},
    };
    for (const auto& [object, name] : names) object->setObjectName(QString::fromLatin1(name));

    // The tab control starts on the last tab, so that making tab 0 current
    // at start-up is a change of tab.
    SSTab1.setCurrentIndex(kConversionKindCount - 1);
}

void FrmTarvex::buildMenus() {
    mnuFileOpen.setObjectName(QStringLiteral("mnuFileOpen"));
    mnuFileOpen.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuExit.setObjectName(QStringLiteral("mnuExit"));
    mnuExit.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuFile.addAction(&mnuFileOpen);
    mnuFile.addSeparator();
    mnuFile.addAction(&mnuExit);

    for (std::size_t i = 0; i < kConvertMenuItems.size(); ++i) {
        QAction& item = mnuConvertItems[i];
        if (kConvertMenuItems[i].caption == nullptr) {
            item.setSeparator(true);
        } else {
            item.setText(QString::fromLatin1(kConvertMenuItems[i].caption));
        }
        mnuConvert.addAction(&item);
    }

    mnuHelp.setObjectName(QStringLiteral("mnuHelp"));
    menuBar()->addMenu(&mnuFile);
    menuBar()->addMenu(&mnuConvert);
    // A menu title without items: choosing it shows the About box.
    menuBar()->addAction(&mnuHelp);
}

void FrmTarvex::connectHandlers() {
    connect(&SSTab1, &TabControl::currentChanged, this,
            [this](int, int previous) { SSTab1_Click(previous); });
    connect(&mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(&mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(&mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    for (std::size_t i = 0; i < kConvertMenuItems.size(); ++i) {
        const int tab = kConvertMenuItems[i].tab;
        if (tab < 0) continue;
        connect(&mnuConvertItems[i], &QAction::triggered, this,
                [this, tab] { SSTab1.setCurrentIndex(tab); });
    }
    for (int tab = 0; tab < kConversionKindCount; ++tab) {
        connect(&pages[tab].cmdOpenFile, &QPushButton::clicked, this,
                [this] { mnuFileOpen_Click(); });
        connect(&pages[tab].convertButton, &QPushButton::clicked, this,
                [this, tab] { convert(static_cast<ConversionKind>(tab)); });
    }
    const std::pair<QPushButton*, ColorSwatch*> colorButtons[] = {
        {&cmdColorSelectTrk, &shTrkColor},         {&cmdRteColorSelect, &shRteColor},
        {&cmdRteWptColorSelectF, &shRteWptColorF}, {&cmdRteWptColorSelectB, &shRteWptColorB},
        {&cmdColorSelectWptF, &shWptFColor},       {&cmdColorSelectWptB, &shWptBColor},
        {&cmdNtrkColorSelect, &shNTrkColor},
    };
    for (const auto& [button, swatch] : colorButtons) {
        connect(button, &QPushButton::clicked, this,
                [this, swatch = swatch] { swatch->chooseWith(colors_); });
    }
    // Every emptying or refilling of the list applies the column widths anew.
    connect(&fileListModel, &QAbstractItemModel::modelReset, this, [this] { applyColumnWidths(); });
}

void FrmTarvex::Form_Load() {
    resize(twips(kWindowWidth), twips(kWindowHeight));
    setWindowTitle(fromUtf8(mainWindowTitle()));
    selection_.setStartFolder(settings_.readStartFolder());
    applyColumnWidths();
    fillOptionLists();
    waypointNaming.fillGpsModelList();
    SSTab1.setCurrentIndex(0);
}

void FrmTarvex::fillOptionLists() {
    fillOptionList(cmbLineWidth, kLineWidths, kLineWidthStart);
    fillOptionList(cmbPltType, kTrackTypes, kTrackTypeStart);
    fillOptionList(cmbNLineWidth, kLineWidths, kLineWidthStart);
    fillOptionList(cmbNTrackType, kTrackTypes, kTrackTypeStart);
    for (int index = 0; index < kTimeZoneCount; ++index) {
        cmbNTimeZone.addItem(fromUtf8(timeZoneLabel(index)));
    }
    cmbNTimeZone.setCurrentIndex(kTimeZoneStart);
}

void FrmTarvex::applyColumnWidths() {
    const auto& columns = fileList_.columns();
    for (std::size_t column = 0; column < columns.size(); ++column) {
        flxFileNames.setColumnWidth(static_cast<int>(column), twips(columns[column].widthTwips));
    }
}

void FrmTarvex::SSTab1_Click(int) {
    selection_.tabChanged(static_cast<ConversionKind>(SSTab1.currentIndex()));
}

void FrmTarvex::mnuFileOpen_Click() { selection_.selectFiles(); }

void FrmTarvex::convert(ConversionKind kind) {
    runBatch(kind, fileList_, *this, converters_, messages_);
}

void FrmTarvex::mnuExit_Click() {
    ending_ = true;
    // Ending must not depend on the settings being saved.
    settings_.writeStartFolder(selection_.startFolder());
    if (endProgram_) endProgram_();
}

void FrmTarvex::Form_QueryUnload() { mnuExit_Click(); }

void FrmTarvex::closeEvent(QCloseEvent* event) {
    if (!ending_) Form_QueryUnload();
    event->accept();
}

void FrmTarvex::mnuHelp_Click() { messages_.show({aboutText(), "About", MessageIcon::None}); }

OziTrackOptions FrmTarvex::oziTrackOptions() const {
    OziTrackOptions options;
    options.lineWidth = systemTextOf(cmbLineWidth.currentText());
    options.trackColor = shTrkColor.color();
    options.trackType = cmbPltType.currentData().toInt();
    return options;
}

OziRouteOptions FrmTarvex::oziRouteOptions() const {
    OziRouteOptions options;
    options.routeName = systemTextOf(txtRteName.text());
    options.routeDescription = systemTextOf(txtRteDescription.text());
    options.routeColor = shRteColor.color();
    options.waypointForeColor = shRteWptColorF.color();
    options.waypointBackColor = shRteWptColorB.color();
    return options;
}

OziWaypointOptions FrmTarvex::oziWaypointOptions() const {
    OziWaypointOptions options;
    options.namePrefix = systemTextOf(waypointNaming.prefix());
    options.waypointForeColor = shWptFColor.color();
    options.waypointBackColor = shWptBColor.color();
    return options;
}

NmeaOziTrackOptions FrmTarvex::nmeaOziTrackOptions() const {
    NmeaOziTrackOptions options;
    options.lineWidth = systemTextOf(cmbNLineWidth.currentText());
    options.trackColor = shNTrkColor.color();
    options.trackType = cmbNTrackType.currentData().toInt();
    options.timeZoneHours = timeZoneHoursAt(cmbNTimeZone.currentIndex());
    return options;
}

}  // namespace morlindo::ui
