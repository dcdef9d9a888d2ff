// The tab control SSTab1: tabs laid out in rows of a fixed number (the
// window has six, three to a row) above the page of the current tab. Its
// change signal fires whenever the current tab changes, whether the user
// clicked a tab or the program set it.
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

    // The tab itself, as the user clicks it.
    QToolButton& tab(int index) { return *tabs_.at(static_cast<std::size_t>(index)); }

Q_SIGNALS:
    void currentChanged(int index, int previous);

private:
    int tabsPerRow_;
    int current_ = -1;
    QVBoxLayout layout_{this};
    QGridLayout rows_;
    QButtonGroup group_;
    QStackedWidget pages_;
    std::vector<std::unique_ptr<QToolButton>> tabs_;
};

}  // namespace morlindo::ui
