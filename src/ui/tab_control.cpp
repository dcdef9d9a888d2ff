#include "ui/tab_control.h"

namespace morlindo::ui {
namespace {

// Tabs in the rows look like the index cards of the classic tab control:
// raised edges, and the current tab joined to its page.
constexpr char kTabStyle[] =
    "QToolButton { border: 1px solid palette(mid); border-bottom: none;"
    " border-top-left-radius: 4px; border-top-right-radius: 4px;"
    " padding: 3px 8px; background: palette(button); }"
    "QToolButton:checked { background: palette(window); font-weight: bold; }";

}  // namespace

TabControl::TabControl(int tabsPerRow, QWidget* parent) : QWidget(parent), tabsPerRow_(tabsPerRow) {
    layout_.setContentsMargins(0, 0, 0, 0);
    layout_.setSpacing(0);
    rows_.setSpacing(0);
    layout_.addLayout(&rows_);
    pages_.setFrameShape(QFrame::StyledPanel);
    layout_.addWidget(&pages_, 1);
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::idClicked, this, &TabControl::setCurrentIndex);
}

void TabControl::addTab(QWidget& page, const QString& caption) {
    const int index = count();
    auto& tab = *tabs_.emplace_back(std::make_unique<QToolButton>());
    tab.setText(caption);
    tab.setCheckable(true);
    tab.setStyleSheet(QString::fromLatin1(kTabStyle));
    tab.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    group_.addButton(&tab, index);
    rows_.addWidget(&tab, index / tabsPerRow_, index % tabsPerRow_);
    pages_.addWidget(&page);
    if (current_ < 0) {
        current_ = index;
        tab.setChecked(true);
    }
}

void TabControl::setCurrentIndex(int index) {
    if (index == current_ || index < 0 || index >= count()) return;
    const int previous = current_;
    current_ = index;
    tab(index).setChecked(true);
    pages_.setCurrentIndex(index);
    Q_EMIT currentChanged(index, previous);
}

}  // namespace morlindo::ui
