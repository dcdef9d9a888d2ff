// The page of one conversion tab: rows of options (caption, control and,
// for a colour, its "..." button) on the left, the open and convert buttons
// on the right.
#pragma once

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <vector>

namespace morlindo::ui {

class TabPage final : public QWidget {
public:
    explicit TabPage(QWidget* parent = nullptr);

    // The controls stay owned by the caller and must be destroyed first.
    void addOption(const QString& caption, QWidget& control, QWidget* button = nullptr);
    void addOptionGroup(QWidget& group);

    QPushButton cmdOpenFile{QStringLiteral("열  기")};
    QPushButton convertButton{QStringLiteral("변  환")};

private:
    QHBoxLayout layout_{this};
    QGridLayout options_;
    QVBoxLayout buttons_;
    std::vector<std::unique_ptr<QLabel>> captions_;
    std::vector<std::unique_ptr<QHBoxLayout>> pairs_;
    int rows_ = 0;
};

}  // namespace morlindo::ui
