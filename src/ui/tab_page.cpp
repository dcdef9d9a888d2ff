#include "ui/tab_page.h"

namespace morlindo::ui {

TabPage::TabPage(QWidget* parent) : QWidget(parent) {
    layout_.addLayout(&options_, 1);
    layout_.addLayout(&buttons_);
    options_.setColumnStretch(3, 1);
    options_.setRowStretch(99, 1);
    buttons_.addWidget(&cmdOpenFile);
    buttons_.addWidget(&convertButton);
    buttons_.addStretch(1);
}

void TabPage::addOption(const QString& caption, QWidget& control, QWidget* button) {
    const int row = rows_++;
    auto& label = *captions_.emplace_back(std::make_unique<QLabel>(caption));
    options_.addWidget(&label, row, 0);
    if (button == nullptr) {
        options_.addWidget(&control, row, 1);
        return;
    }
    // A colour button sits right beside its swatch.
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) * 3);
    auto& pair = *pairs_.emplace_back(std::make_unique<QHBoxLayout>());
    pair.addWidget(&control);
    pair.addWidget(button);
    pair.addStretch(1);
    options_.addLayout(&pair, row, 1);
}

void TabPage::addOptionGroup(QWidget& group) { options_.addWidget(&group, rows_++, 0, 1, 3); }

}  // namespace morlindo::ui
