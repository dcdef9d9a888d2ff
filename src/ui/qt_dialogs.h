// The real dialogs and message boxes of the program, behind the interfaces
// through which the window and the batch use them (tests answer them with
// fakes instead).
#pragma once

#include <QString>
#include <QWidget>

#include "batch/file_selection.h"
#include "batch/message_dialog.h"
#include "ui/color_swatch.h"

namespace morlindo::ui {

// The Qt form of a filter "description|pattern|description|pattern...":
// "Almap Track File(*.alr)|*.alr" becomes "Almap Track File(*.alr)".
QString qtNameFilter(const QString& filter);

class QtOpenFileDialog final : public OpenFileDialog {
public:
    explicit QtOpenFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::string askForFiles(const OpenFileRequest& request) override;

private:
    QWidget* parent_;
};

class QtMessageDialog final : public MessageDialog {
public:
    explicit QtMessageDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void show(const Message& message) override;

private:
    QWidget* parent_;
};

class QtColorDialog final : public ColorDialog {
public:
    explicit QtColorDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::int32_t chooseColor(std::int32_t current) override;

private:
    QWidget* parent_;
};

}  // namespace morlindo::ui
