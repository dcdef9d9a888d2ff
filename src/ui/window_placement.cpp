#include "ui/window_placement.h"

#include <algorithm>

namespace morlindo::ui {
namespace {

// The start of a span of length inside [first, first + room), as near to
// wanted as it fits; the first place when it cannot fit.
int fitted(int wanted, int length, int first, int room) {
    return std::max(first, std::min(wanted, first + room - length));
}

}  // namespace

WindowPlacement placeWindow(const std::optional<QRect>& remembered, QSize startSize, QSize minimum,
                            const QRect& available, const QMargins& frame) {
    const QSize frameExtra(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize wanted = remembered ? remembered->size() : startSize;
    const QSize size = wanted.boundedTo(available.size() - frameExtra).expandedTo(minimum);
    const QSize outer = size + frameExtra;
    const QPoint centred = available.center() - QPoint(outer.width() / 2, outer.height() / 2);
    const QPoint position = remembered ? remembered->topLeft() : centred;
    return {{fitted(position.x(), outer.width(), available.left(), available.width()),
             fitted(position.y(), outer.height(), available.top(), available.height())},
            size};
}

}  // namespace morlindo::ui
