// Colour swatches: a small filled box that both shows and stores one colour
// of the converters' options, and the colour dialog that all swatches share.
// Colours are kept as the map files write them, 0x00BBGGRR: red in the
// lowest byte, so pure red is 255 and white 16777215.
#pragma once

#include <QColor>
#include <QFrame>
#include <cstdint>

namespace morlindo::ui {

inline constexpr std::int32_t kRed = 255;
inline constexpr std::int32_t kWhite = 16777215;

QColor qColorOf(std::int32_t color);
std::int32_t colorValueOf(const QColor& color);

// The shared colour dialog, modal. Returns the colour chosen, or the colour
// it was opened with when the user cancels.
class ColorDialog {
public:
    virtual ~ColorDialog() = default;
    virtual std::int32_t chooseColor(std::int32_t current) = 0;
};

class ColorSwatch : public QFrame {
public:
    explicit ColorSwatch(std::int32_t color, QWidget* parent = nullptr);

    std::int32_t color() const { return color_; }
    void setColor(std::int32_t color);

    // The colour button beside the swatch: the dialog opens at this
    // swatch's colour, OK keeps the new colour, cancel the old.
    void chooseWith(ColorDialog& dialog) { setColor(dialog.chooseColor(color_)); }

private:
    std::int32_t color_;
};

}  // namespace morlindo::ui
