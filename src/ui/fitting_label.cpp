#include "ui/fitting_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace morlindo::ui {
namespace {

// The widths a label asks for, in average characters.
constexpr int kWidestCharacters = 40;
constexpr int kNarrowestCharacters = 8;

}  // namespace

FittingLabel::FittingLabel(Mode mode, QWidget* parent) : QLabel(parent), mode_(mode) {
    setWordWrap(mode == Mode::Wrap);
    setTextFormat(Qt::PlainText);
}

int FittingLabel::widestWanted() const {
    return fontMetrics().averageCharWidth() * kWidestCharacters;
}

// A wrapping label asks for its widest width at once, so that its lines
// break only where the window is narrow.
QSize FittingLabel::sizeHint() const {
    QSize size = QLabel::sizeHint();
    size.setWidth(mode_ == Mode::Wrap ? widestWanted() : std::min(size.width(), widestWanted()));
    return size;
}

// A wrapping label may be cut to its first lines: a window that small shows
// what it can.
QSize FittingLabel::minimumSizeHint() const {
    QSize size = QLabel::minimumSizeHint();
    size.setWidth(std::min(size.width(), fontMetrics().averageCharWidth() * kNarrowestCharacters));
    if (mode_ == Mode::Wrap)
        size.setHeight(std::min(size.height(), fontMetrics().lineSpacing() * 2));
    return size;
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    if (mode_ == Mode::Wrap) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}

// The whole text shows as a tool tip where the label cuts it.
bool FittingLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && mode_ == Mode::ElideMiddle) {
        setToolTip(fontMetrics().horizontalAdvance(text()) > contentsRect().width() ? text()
                                                                                    : QString());
    }
    return QLabel::event(event);
}

}  // namespace morlindo::ui
