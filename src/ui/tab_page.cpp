#include "ui/tab_page.h"

namespace morlindo::ui {

TabPage::TabPage(std::unique_ptr<OptionsPanel> panel, QWidget* parent)
    : QWidget(parent), panel_(std::move(panel)) {
    if (panel_) {
        layout_.addWidget(panel_.get(), 1);
    } else {
        layout_.addStretch(1);
    }
    layout_.addLayout(&buttons_);
    buttons_.addWidget(&openButton_);
    buttons_.addWidget(&convertButton_);
    buttons_.addStretch(1);
}

}  // namespace morlindo::ui
