// Where the window opens: where it was last time, or at its starting size in
// the middle of the screen; never larger than the screen's available area
// (without the task bars and panels) and never partly off it, so that its
// buttons are always within reach, whatever the screen's size or scaling.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace morlindo::ui {

struct WindowPlacement {
    QPoint framePosition;  // the top left corner of the frame
    QSize size;            // inside the frame
};

// remembered: the frame's top left corner and the size inside it. frame:
// what the window system draws around the window. The minimum size wins
// over the screen's.
WindowPlacement placeWindow(const std::optional<QRect>& remembered, QSize startSize, QSize minimum,
                            const QRect& available, const QMargins& frame);

}  // namespace morlindo::ui
