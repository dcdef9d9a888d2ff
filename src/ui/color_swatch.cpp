#include "ui/color_swatch.h"

#include <QPalette>

namespace morlindo::ui {

QColor qColorOf(std::int32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

std::int32_t colorValueOf(const QColor& color) {
    return color.red() | color.green() << 8 | color.blue() << 16;
}

ColorSwatch::ColorSwatch(std::int32_t color, QWidget* parent) : QFrame(parent), color_(color) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setFixedSize(48, 20);
    setColor(color);
}

void ColorSwatch::setColor(std::int32_t color) {
    color_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, qColorOf(color));
    setPalette(palette);
}

}  // namespace morlindo::ui
