// The page of one conversion tab: its panel of option controls on the left
// (none for a conversion without options), the open and convert buttons on
// the right.
#pragma once

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "ui/option_panels.h"

namespace morlindo::ui {

class TabPage final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TabPage)

public:
    TabPage(std::unique_ptr<OptionsPanel> panel, QWidget* parent = nullptr);

    OptionsPanel* optionsPanel() const { return panel_.get(); }
    QPushButton& openButton() { return openButton_; }
    QPushButton& convertButton() { return convertButton_; }

private:
    QHBoxLayout layout_{this};
    QVBoxLayout buttons_;
    std::unique_ptr<OptionsPanel> panel_;
    QPushButton openButton_{tr("Open")};
    QPushButton convertButton_{tr("Convert")};
};

}  // namespace morlindo::ui
