// The waypoint tab's naming controls: the GPS model list cmbGarminGps, the
// prefix box txtWptNamePrefix, the name size box txtWptNameSize and the
// example label lblWptNameEx. Choosing a model limits the prefix to what its
// name size allows; only the prefix goes on to the converter.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QWidget>

namespace morlindo::ui {

class WaypointNamingGroup final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(WaypointNamingGroup)
    // Declared before the size box that uses it, so that it outlives it.
    QRegularExpressionValidator digitsOnly_;

public:
    explicit WaypointNamingGroup(QWidget* parent = nullptr);

    // Run once at start-up: the six models, "eTrex Legend/Vista" selected.
    void fillGpsModelList();

    QString prefix() const { return txtWptNamePrefix.text(); }

    // Event handlers, named after their control and event.
    void cmbGarminGps_Click();
    void txtWptNameSize_Change();
    void txtWptNamePrefix_Change();

private:
    QLabel lblPrefix{tr("Waypoint name prefix:")};
    QLineEdit txtWptNamePrefix;
    QLabel lblSize{tr("Waypoint name size:")};
    QLineEdit txtWptNameSize;
    QComboBox cmbGarminGps;
    QLabel lblWptNameEx;
    QLabel lblNote{tr("*The GPS model limits the length of the prefix")};

    void placeControls();
    static QString exampleMarker();
    // Cuts the prefix to the limit and makes the limit its length limit.
    void applyPrefixLimit(int limit);

    QGridLayout layout_{this};
};

}  // namespace morlindo::ui
