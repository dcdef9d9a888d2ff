// The batch's part of the status bar: while a batch runs, a bar that fills
// with the files done of the total and, within a file, with how much of it
// has been read, and the Cancel button; a line of text says which file is
// converting and, once the batch ends, whether it was cancelled. A file that
// is read twice (an NMEA log becomes an OziExplorer track in two readings,
// counting then converting) fills its part of the bar in each reading, and
// the text says that the second reading runs.
#pragma once

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <cstdint>

#include "ui/fitting_label.h"

namespace morlindo::ui {

class BatchProgress final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(BatchProgress)

public:
    explicit BatchProgress(QWidget* parent = nullptr);

    QPushButton& cancelButton() { return cancel_; }
    QLabel& statusLine() { return status_; }

    void start(int files);
    void fileStarted(int row, const QString& name);
    void fileRead(int row, std::uint64_t bytesRead, std::uint64_t totalBytes);
    // Hides the bar and the button and leaves the text.
    void stop(const QString& text);

private:
    void showFileText();

    QHBoxLayout layout_{this};
    FittingLabel status_{FittingLabel::Mode::ElideMiddle};
    QProgressBar bar_;
    QPushButton cancel_{tr("Cancel")};
    int files_ = 0;
    int scale_ = 1;  // bar steps per file
    int row_ = 0;
    int reading_ = 1;
    std::uint64_t lastRead_ = 0;
};

}  // namespace morlindo::ui
