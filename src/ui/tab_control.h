// The tab control SSTab1: tabs laid out in rows of a fixed number (the
// window has six, three to a row) above the page of the current tab. Its
// change signal fires whenever the current tab changes, whether the user
// clicked a tab, chose one by keyboard or the program set it.
//
// By keyboard the control is one stop of the Tab chain: the current tab takes
// the focus, the arrow keys choose the tab beside it (Left and Right) or
// above and below it (Up and Down), and the focused tab shows a frame.
#pragma once

#include <QButtonGroup>
#include <QGridLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <vector>

namespace morlindo::ui {

class TabControl final : public QWidget {
    Q_OBJECT

public:
    explicit TabControl(int tabsPerRow, QWidget* parent = nullptr);

    // The page stays owned by the caller and must be destroyed before the
    // tab control.
    void addTab(QWidget& page, const QString& caption);

    int count() const { return static_cast<int>(tabs_.size()); }
    int currentIndex() const { return current_; }
    // Emits currentChanged when index differs from the current tab.
    void setCurrentIndex(int index);
    // The next or previous tab, round from the last to the first.
    void stepCurrentIndex(int step);
    // While the tabs are disabled, no click or key changes the tab; the
    // pages stay as they are.
    void setTabsEnabled(bool enabled);
    bool tabsEnabled() const { return tabsEnabled_; }

    // The tab itself, as the user clicks it.
    QToolButton& tab(int index) { return *tabs_.at(static_cast<std::size_t>(index)); }

Q_SIGNALS:
    void currentChanged(int index, int previous);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Only the current tab is a stop of the Tab chain.
    void updateFocusStop();

    int tabsPerRow_;
    int current_ = -1;
    bool tabsEnabled_ = true;
    QVBoxLayout layout_{this};
    QGridLayout rows_;
    QButtonGroup group_;
    QStackedWidget pages_;
    std::vector<std::unique_ptr<QToolButton>> tabs_;
};

}  // namespace morlindo::ui
