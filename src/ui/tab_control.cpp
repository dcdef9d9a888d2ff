#include "ui/tab_control.h"

#include <QKeyEvent>

namespace morlindo::ui {
namespace {

// Tabs in the rows look like the index cards of the classic tab control:
// raised edges, and the current tab joined to its page. The focused tab
// is framed in the highlight colour.
constexpr char kTabStyle[] =
    "QToolButton { border: 1px solid palette(mid); border-bottom: none;"
    " border-top-left-radius: 4px; border-top-right-radius: 4px;"
    " padding: 3px 8px; background: palette(button); }"
    "QToolButton:checked { background: palette(window); font-weight: bold; }"
    "QToolButton:focus { border: 2px solid palette(highlight); border-bottom: none;"
    " padding: 2px 7px; }";

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
    // The current tab is drawn bold: it must have room for that.
    QFont bold = tab.font();
    bold.setBold(true);
    tab.setMinimumWidth(QFontMetrics(bold).horizontalAdvance(caption) + 24);
    tab.installEventFilter(this);
    group_.addButton(&tab, index);
    rows_.addWidget(&tab, index / tabsPerRow_, index % tabsPerRow_);
    pages_.addWidget(&page);
    if (current_ < 0) {
        current_ = index;
        tab.setChecked(true);
    }
    updateFocusStop();
}

void TabControl::setCurrentIndex(int index) {
    if (index == current_ || index < 0 || index >= count()) return;
    const int previous = current_;
    const bool hadFocus = tab(previous).hasFocus();
    current_ = index;
    tab(index).setChecked(true);
    pages_.setCurrentIndex(index);
    updateFocusStop();
    if (hadFocus) tab(index).setFocus(Qt::TabFocusReason);
    Q_EMIT currentChanged(index, previous);
}

void TabControl::stepCurrentIndex(int step) {
    if (!tabsEnabled_ || count() == 0) return;
    setCurrentIndex(((current_ + step) % count() + count()) % count());
}

void TabControl::setTabsEnabled(bool enabled) {
    tabsEnabled_ = enabled;
    for (const auto& tab : tabs_) tab->setEnabled(enabled);
}

void TabControl::updateFocusStop() {
    for (int index = 0; index < count(); ++index) {
        tab(index).setFocusPolicy(index == current_ ? Qt::StrongFocus : Qt::NoFocus);
    }
}

bool TabControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !tabsEnabled_) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    int target = current_;
    switch (key->key()) {
        case Qt::Key_Left:
            target = current_ - 1;
            break;
        case Qt::Key_Right:
            target = current_ + 1;
            break;
        case Qt::Key_Up:
            target = current_ - tabsPerRow_;
            break;
        case Qt::Key_Down:
            target = current_ + tabsPerRow_;
            break;
        default:
            return false;
    }
    // At the edge the key does nothing.
    setCurrentIndex(target);
    return true;
}

}  // namespace morlindo::ui
