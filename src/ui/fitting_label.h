// A label that never makes its window wider than the window's captions
// need, whatever text it is given (a failure naming a file deep in a
// folder tree, a long file name): a one-line label draws its text elided in
// the middle, with the whole text as its tool tip; a wrapping label breaks
// its lines at spaces and asks for at most a few dozen characters of width.
#pragma once

#include <QLabel>

namespace morlindo::ui {

class FittingLabel final : public QLabel {
public:
    enum class Mode { ElideMiddle, Wrap };

    explicit FittingLabel(Mode mode, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int widestWanted() const;

    Mode mode_;
};

}  // namespace morlindo::ui
