// The option controls of the conversion tabs, one panel per kind of options
// record: the panel lays out its rows (caption, control and, for a colour,
// the swatch's "..." button) and fills its record from the controls. Which
// panel a tab shows comes from its conversion's row in the table.
#pragma once

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "convert/conversions.h"
#include "ui/color_swatch.h"
#include "ui/waypoint_naming_group.h"

namespace morlindo::ui {

class OptionsPanel : public QWidget {
public:
    explicit OptionsPanel(QWidget* parent = nullptr);

    // Fills the lists with their items and selects the start ones.
    virtual void fillLists() {}
    // Puts the controls' values into the panel's record of options.
    virtual void fill(ConversionOptions& options) const = 0;

    // Adds a row: the caption, the control and, for a swatch, its button
    // right beside it.
    void addRow(const QString& caption, QWidget& control, QPushButton* button = nullptr);

protected:
    // A swatch and its "..." button, which opens the shared colour dialog.
    void addColorRow(const QString& caption, ColorSwatch& swatch, QPushButton& button,
                     ColorDialog& colors);
    QGridLayout& rows() { return rows_; }

private:
    QGridLayout rows_{this};
    int rowCount_ = 0;
};

// The panel of a tab, or none for a conversion without options.
std::unique_ptr<OptionsPanel> makeOptionsPanel(const Conversion& conversion, ColorDialog& colors);

}  // namespace morlindo::ui
