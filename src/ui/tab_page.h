// The page of one conversion tab: its panel of option controls on the left
// (none for a conversion without options), the open and convert buttons on
// the right. Conversions of the same sources that differ only in their
// target (KML, GeoJSON) share one tab: its panel then offers the targets in
// a list, and the convert button runs the one chosen.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/option_panels.h"

namespace morlindo::ui {

class TabPage final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TabPage)

public:
    TabPage(const Conversion& conversion, std::unique_ptr<OptionsPanel> panel,
            QWidget* parent = nullptr);

    OptionsPanel* optionsPanel() const { return panel_.get(); }
    QPushButton& openButton() { return openButton_; }
    QPushButton& convertButton() { return convertButton_; }

    std::string_view caption() const { return caption_; }
    // Offers one more conversion of the tab's sources: the first one added
    // makes the list of targets, as a row of the panel.
    void addTarget(const Conversion& conversion);
    bool offers(ConversionKind kind) const;
    // The conversion of the target chosen (the tab's only one without a list).
    ConversionKind chosenConversion() const;

private:
    QHBoxLayout layout_{this};
    QVBoxLayout buttons_;
    std::unique_ptr<OptionsPanel> panel_;
    QPushButton openButton_{tr("Open")};
    QPushButton convertButton_{tr("Convert")};
    std::string_view caption_;
    std::vector<ConversionKind> conversions_;
    QComboBox targets_;
};

}  // namespace morlindo::ui
