#include "ui/option_panels.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <array>
#include <functional>

#include "ui/option_lists.h"
#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

constexpr int kRouteNameLength = 8;

// The object names of a track panel's controls, by tab.
struct TrackControlNames {
    const char* lineWidth;
    const char* swatch;
    const char* colorButton;
    const char* trackType;
    const char* timeZone;
};

TrackControlNames trackControlNames(ConversionKind kind) {
    if (kind == ConversionKind::NmeaToOziTrack) {
        return {"cmbNLineWidth", "shNTrkColor", "cmdNtrkColorSelect", "cmbNTrackType",
                "cmbNTimeZone"};
    }
    if (kind == ConversionKind::GpxToOziTrack) {
        return {"cmbGLineWidth", "shGTrkColor", "cmdGtrkColorSelect", "cmbGTrackType",
                "cmbGTimeZone"};
    }
    return {"cmbLineWidth", "shTrkColor", "cmdColorSelectTrk", "cmbPltType", "cmbTimeZone"};
}

void fillTimeZoneList(QComboBox& list) {
    for (int index = 0; index < kTimeZoneCount; ++index) list.addItem(fromUtf8(timeZoneLabel(index)));
    list.setCurrentIndex(kTimeZoneStart);
}

template <std::size_t N>
void fillOptionList(QComboBox& list, const std::array<OptionItem, N>& items, int start) {
    for (const OptionItem& item : items) list.addItem(fromUtf8(item.text), item.tag);
    list.setCurrentIndex(start);
}

QString colorButtonCaption() { return QStringLiteral("..."); }

// How an NMEA log is read: the date of a log that holds none (the earliest
// date, shown as "None", is no date) and whether wrong checksums are read.
class NmeaReadingRows {
    Q_DECLARE_TR_FUNCTIONS(OptionPanels)

public:
    // With the date, both share one row, so that the tab keeps its height.
    void addTo(bool withDate, const std::function<void(const QString&, QWidget&)>& addRow) {
        ignoreChecksums_.setObjectName(QStringLiteral("chkIgnoreChecksums"));
        ignoreChecksums_.setText(tr("Read sentences with a wrong checksum"));
        if (!withDate) {
            addRow(QString(), ignoreChecksums_);
            return;
        }
        date_ = std::make_unique<QDateEdit>();
        date_->setObjectName(QStringLiteral("dtNmeaDate"));
        date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date_->setMinimumDate(kNoDate);
        date_->setSpecialValueText(tr("None"));
        date_->setDate(kNoDate);
        auto* layout = new QHBoxLayout(&row_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(date_.get());
        layout->addWidget(&ignoreChecksums_);
        layout->addStretch(1);
        addRow(tr("Date of a log without one:"), row_);
    }

    void fill(NmeaReadOptions& reading) const {
        reading.ignoreChecksums = ignoreChecksums_.isChecked();
        reading.date.reset();
        if (date_ && date_->date() != kNoDate) {
            const QDate date = date_->date();
            reading.date = DateTime{date.year(), date.month(), date.day(), 0, 0, 0};
        }
    }

private:
    static inline const QDate kNoDate{1980, 1, 1};
    QWidget row_;  // first: its children below go before it does
    std::unique_ptr<QDateEdit> date_;
    QCheckBox ignoreChecksums_;
};

// Line width, colour and line type of an OziExplorer track; with a time
// zone when the track's times come from UTC.
class TrackPanel final : public OptionsPanel {
    Q_DECLARE_TR_FUNCTIONS(OptionPanels)

public:
    TrackPanel(ConversionKind kind, bool withTimeZone, ColorDialog& colors)
        : withTimeZone_(withTimeZone) {
        const TrackControlNames names = trackControlNames(kind);
        lineWidth_.setObjectName(QString::fromLatin1(names.lineWidth));
        swatch_.setObjectName(QString::fromLatin1(names.swatch));
        colorButton_.setObjectName(QString::fromLatin1(names.colorButton));
        trackType_.setObjectName(QString::fromLatin1(names.trackType));
        addRow(tr("Track width:"), lineWidth_);
        addColorRow(tr("Track color:"), swatch_, colorButton_, colors);
        addRow(tr("Track type:"), trackType_);
        if (withTimeZone_) {
            timeZone_ = std::make_unique<QComboBox>();
            timeZone_->setObjectName(QString::fromLatin1(names.timeZone));
            addRow(QStringLiteral("Time Zone :"), *timeZone_);
        }
        if (kind == ConversionKind::NmeaToOziTrack) {
            nmeaReading_ = std::make_unique<NmeaReadingRows>();
            nmeaReading_->addTo(true,
                                [this](const QString& caption, QWidget& control) {
                                    addRow(caption, control);
                                });
        }
    }

    void fillLists() override {
        fillOptionList(lineWidth_, kLineWidths, kLineWidthStart);
        fillOptionList(trackType_, kTrackTypes, kTrackTypeStart);
        if (timeZone_) fillTimeZoneList(*timeZone_);
    }

    void fill(ConversionOptions& options) const override {
        OziTrackOptions& track = withTimeZone_ ? options.nmeaTrack : options.track;
        track.lineWidth = lineWidth_.currentText().toStdString();
        track.trackColor = swatch_.color();
        track.trackType = trackType_.currentData().toInt();
        if (timeZone_) options.nmeaTrack.timeZoneHours = timeZoneHoursAt(timeZone_->currentIndex());
        if (nmeaReading_) nmeaReading_->fill(options.nmeaReading);
    }

private:
    bool withTimeZone_;
    std::unique_ptr<NmeaReadingRows> nmeaReading_;
    QComboBox lineWidth_;
    ColorSwatch swatch_{kRed};
    QPushButton colorButton_{colorButtonCaption()};
    QComboBox trackType_;
    std::unique_ptr<QComboBox> timeZone_;
};

// How an NMEA log is read, for the conversion that takes its positions alone.
class NmeaReadingPanel final : public OptionsPanel {
public:
    NmeaReadingPanel() {
        rows_.addTo(false,
                    [this](const QString& caption, QWidget& control) { addRow(caption, control); });
    }

    void fill(ConversionOptions& options) const override { rows_.fill(options.nmeaReading); }

private:
    NmeaReadingRows rows_;
};

// The time zone of an OziExplorer track's local times, for a GPX file of
// UTC times.
class TimeZonePanel final : public OptionsPanel {
public:
    TimeZonePanel() {
        timeZone_.setObjectName(QStringLiteral("cmbGpxTimeZone"));
        addRow(QStringLiteral("Time Zone :"), timeZone_);
    }

    void fillLists() override { fillTimeZoneList(timeZone_); }

    void fill(ConversionOptions& options) const override {
        options.gpx.timeZoneHours = timeZoneHoursAt(timeZone_.currentIndex());
    }

private:
    QComboBox timeZone_;
};

// Route name and description, the route's colour and its waypoints' colours.
class RoutePanel final : public OptionsPanel {
    Q_DECLARE_TR_FUNCTIONS(OptionPanels)

public:
    explicit RoutePanel(ColorDialog& colors) {
        name_.setObjectName(QStringLiteral("txtRteName"));
        description_.setObjectName(QStringLiteral("txtRteDescription"));
        routeColor_.setObjectName(QStringLiteral("shRteColor"));
        routeColorButton_.setObjectName(QStringLiteral("cmdRteColorSelect"));
        foreColor_.setObjectName(QStringLiteral("shRteWptColorF"));
        foreColorButton_.setObjectName(QStringLiteral("cmdRteWptColorSelectF"));
        backColor_.setObjectName(QStringLiteral("shRteWptColorB"));
        backColorButton_.setObjectName(QStringLiteral("cmdRteWptColorSelectB"));
        name_.setText(QStringLiteral("R0"));
        name_.setMaxLength(kRouteNameLength);
        addRow(tr("Route name:"), name_);
        addRow(tr("Route description:"), description_);
        addColorRow(tr("Route color:"), routeColor_, routeColorButton_, colors);
        addColorRow(tr("Route waypoint foreground:"), foreColor_, foreColorButton_, colors);
        addColorRow(tr("Route waypoint background:"), backColor_, backColorButton_, colors);
    }

    void fill(ConversionOptions& options) const override {
        options.route.routeName = name_.text().toStdString();
        options.route.routeDescription = description_.text().toStdString();
        options.route.routeColor = routeColor_.color();
        options.route.waypointForeColor = foreColor_.color();
        options.route.waypointBackColor = backColor_.color();
    }

private:
    QLineEdit name_;
    QLineEdit description_;
    ColorSwatch routeColor_{kRed};
    QPushButton routeColorButton_{colorButtonCaption()};
    ColorSwatch foreColor_{kRed};
    QPushButton foreColorButton_{colorButtonCaption()};
    ColorSwatch backColor_{kWhite};
    QPushButton backColorButton_{colorButtonCaption()};
};

// The waypoints' colours and their names by GPS model.
class WaypointPanel final : public OptionsPanel {
    Q_DECLARE_TR_FUNCTIONS(OptionPanels)

public:
    explicit WaypointPanel(ColorDialog& colors) {
        foreColor_.setObjectName(QStringLiteral("shWptFColor"));
        foreColorButton_.setObjectName(QStringLiteral("cmdColorSelectWptF"));
        backColor_.setObjectName(QStringLiteral("shWptBColor"));
        backColorButton_.setObjectName(QStringLiteral("cmdColorSelectWptB"));
        addColorRow(tr("Foreground color"), foreColor_, foreColorButton_, colors);
        addColorRow(tr("Background color"), backColor_, backColorButton_, colors);
        rows().addWidget(&naming_, 2, 0, 1, 3);
    }

    void fillLists() override { naming_.fillGpsModelList(); }

    void fill(ConversionOptions& options) const override {
        options.waypoints.namePrefix = naming_.prefix().toStdString();
        options.waypoints.waypointForeColor = foreColor_.color();
        options.waypoints.waypointBackColor = backColor_.color();
    }

private:
    ColorSwatch foreColor_{kRed};
    QPushButton foreColorButton_{colorButtonCaption()};
    ColorSwatch backColor_{kWhite};
    QPushButton backColorButton_{colorButtonCaption()};
    WaypointNamingGroup naming_;
};

}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent) : QWidget(parent) {
    rows_.setContentsMargins(0, 0, 0, 0);
    rows_.setColumnStretch(3, 1);
    rows_.setRowStretch(99, 1);
}

void OptionsPanel::addRow(const QString& caption, QWidget& control, QPushButton* button) {
    const int row = rowCount_++;
    auto* label = new QLabel(caption, this);
    rows_.addWidget(label, row, 0);
    // A screen reader names the control, or the swatch's "..." button, by
    // its caption.
    label->setBuddy(button != nullptr ? static_cast<QWidget*>(button) : &control);
    if (button == nullptr) {
        rows_.addWidget(&control, row, 1);
        return;
    }
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(colorButtonCaption()) * 3);
    auto* pair = new QHBoxLayout;
    pair->addWidget(&control);
    pair->addWidget(button);
    pair->addStretch(1);
    rows_.addLayout(pair, row, 1);
}

void OptionsPanel::addColorRow(const QString& caption, ColorSwatch& swatch, QPushButton& button,
                               ColorDialog& colors) {
    addRow(caption, swatch, &button);
    button.setAccessibleName(caption);
    connect(&button, &QPushButton::clicked, this,
            [&swatch, &colors] { swatch.chooseWith(colors); });
}

std::unique_ptr<OptionsPanel> makeOptionsPanel(const Conversion& conversion, ColorDialog& colors) {
    switch (conversion.options) {
        case OptionsKind::OziTrack:
            return std::make_unique<TrackPanel>(conversion.kind, false, colors);
        case OptionsKind::NmeaOziTrack:
            return std::make_unique<TrackPanel>(conversion.kind, true, colors);
        case OptionsKind::OziRoute:
            return std::make_unique<RoutePanel>(colors);
        case OptionsKind::OziWaypoints:
            return std::make_unique<WaypointPanel>(colors);
        case OptionsKind::TrackGpx:
            return std::make_unique<TimeZonePanel>();
        case OptionsKind::None:
            break;
    }
    if (conversion.kind == ConversionKind::NmeaToAlmap) return std::make_unique<NmeaReadingPanel>();
    return nullptr;
}

}  // namespace morlindo::ui
