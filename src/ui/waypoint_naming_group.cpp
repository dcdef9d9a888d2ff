#include "ui/waypoint_naming_group.h"

#include <QSignalBlocker>

#include "ui/qt_text.h"
#include "ui/waypoint_naming.h"

namespace morlindo::ui {
namespace {

// The size box takes at most this many characters.
constexpr int kSizeBoxLength = 8;

}  // namespace

WaypointNamingGroup::WaypointNamingGroup(QWidget* parent)
    : QWidget(parent), digitsOnly_(QRegularExpression(QStringLiteral("[0-9]*"))) {
    txtWptNamePrefix.setObjectName(QStringLiteral("txtWptNamePrefix"));
    txtWptNameSize.setObjectName(QStringLiteral("txtWptNameSize"));
    cmbGarminGps.setObjectName(QStringLiteral("cmbGarminGps"));
    lblWptNameEx.setObjectName(QStringLiteral("lblWptNameEx"));

    txtWptNamePrefix.setText(fromUtf8(kPrefixStart));
    txtWptNamePrefix.setMaxLength(kPrefixLimitStart);
    // Waypoint names are Latin letters and digits: the input method should
    // not compose Hangul here.
    txtWptNamePrefix.setInputMethodHints(Qt::ImhLatinOnly);

    // Digits only, typed or pasted; Backspace and Delete still edit.
    txtWptNameSize.setValidator(&digitsOnly_);
    txtWptNameSize.setMaxLength(kSizeBoxLength);
    txtWptNameSize.setInputMethodHints(Qt::ImhDigitsOnly);
    txtWptNameSize.setText(QString::number(kGpsModels[kStartGpsModel].nameSize));
    txtWptNameSize.setEnabled(false);

    lblWptNameEx.setText(exampleMarker() + fromUtf8(kPrefixStart) + fromUtf8(kFirstNumber));

    placeControls();

    connect(&txtWptNamePrefix, &QLineEdit::textChanged, this,
            [this] { txtWptNamePrefix_Change(); });
    connect(&txtWptNameSize, &QLineEdit::textChanged, this, [this] { txtWptNameSize_Change(); });
    connect(&cmbGarminGps, &QComboBox::currentIndexChanged, this, [this] { cmbGarminGps_Click(); });
    // Picking the entry that is already selected changes no index but is a
    // selection all the same. After a change the handler runs a second
    // time; it then sets the same texts and changes nothing.
    connect(&cmbGarminGps, &QComboBox::activated, this, [this] { cmbGarminGps_Click(); });
}

// Put before the example name after a model is chosen.
QString WaypointNamingGroup::exampleMarker() { return tr("(e.g.) "); }

void WaypointNamingGroup::placeControls() {
    const int boxWidth = txtWptNamePrefix.fontMetrics().horizontalAdvance(QLatin1Char('W')) * 9;
    txtWptNamePrefix.setFixedWidth(boxWidth);
    txtWptNameSize.setFixedWidth(boxWidth);
    layout_.setContentsMargins(0, 0, 0, 0);
    layout_.setColumnStretch(3, 1);
    lblPrefix.setBuddy(&txtWptNamePrefix);
    lblSize.setBuddy(&txtWptNameSize);
    cmbGarminGps.setAccessibleName(tr("GPS model"));
    layout_.addWidget(&lblPrefix, 0, 0);
    layout_.addWidget(&txtWptNamePrefix, 0, 1);
    layout_.addWidget(&cmbGarminGps, 0, 2);
    layout_.addWidget(&lblSize, 1, 0);
    layout_.addWidget(&txtWptNameSize, 1, 1);
    layout_.addWidget(&lblWptNameEx, 1, 2);
    layout_.addWidget(&lblNote, 2, 0, 1, 3);
}

void WaypointNamingGroup::fillGpsModelList() {
    {
        // Adding items selects the first one; nothing is chosen until the
        // start model is.
        const QSignalBlocker quiet(cmbGarminGps);
        for (const GpsModel& model : kGpsModels) {
            cmbGarminGps.addItem(fromUtf8(model.name), model.nameSize);
        }
        cmbGarminGps.setCurrentIndex(-1);
    }
    cmbGarminGps.setCurrentIndex(kStartGpsModel);
    applyPrefixLimit(prefixLimitFor(cmbGarminGps.currentData().toInt()));
}

void WaypointNamingGroup::cmbGarminGps_Click() {
    const int index = cmbGarminGps.currentIndex();
    if (index < 0) return;
    const int nameSize = cmbGarminGps.itemData(index).toInt();
    applyPrefixLimit(prefixLimitFor(nameSize));
    txtWptNameSize.setEnabled(index == cmbGarminGps.count() - 1);
    txtWptNameSize.setText(QString::number(nameSize));
    lblWptNameEx.setText(exampleMarker() + txtWptNamePrefix.text() + fromUtf8(kFirstNumber));
}

void WaypointNamingGroup::txtWptNameSize_Change() {
    // Without a usable number (an empty box, or more than 32767) the last
    // limit stays in force.
    if (const auto nameSize = nameSizeFromText(txtWptNameSize.text().toStdString())) {
        applyPrefixLimit(prefixLimitFor(*nameSize));
    }
}

void WaypointNamingGroup::txtWptNamePrefix_Change() {
    lblWptNameEx.setText(txtWptNamePrefix.text() + fromUtf8(kFirstNumber));
}

void WaypointNamingGroup::applyPrefixLimit(int limit) {
    if (txtWptNamePrefix.text().size() > limit) {
        txtWptNamePrefix.setText(txtWptNamePrefix.text().left(limit));
    }
    txtWptNamePrefix.setMaxLength(limit);
}

}  // namespace morlindo::ui
