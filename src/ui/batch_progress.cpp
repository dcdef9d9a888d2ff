#include "ui/batch_progress.h"

#include <algorithm>
#include <limits>

namespace morlindo::ui {
namespace {

constexpr int kStepsPerFile = 1000;

}  // namespace

BatchProgress::BatchProgress(QWidget* parent) : QWidget(parent) {
    layout_.setContentsMargins(0, 0, 0, 0);
    layout_.addWidget(&status_, 1);
    layout_.addWidget(&bar_, 1);
    layout_.addWidget(&cancel_);
    status_.setObjectName(QStringLiteral("lblStatus"));
    bar_.setObjectName(QStringLiteral("prgBatch"));
    bar_.setAccessibleName(tr("Conversion progress"));
    cancel_.setObjectName(QStringLiteral("cmdCancel"));
    cancel_.setAutoDefault(true);
    bar_.hide();
    cancel_.hide();
    // The status bar keeps its height when the button shows.
    setMinimumHeight(cancel_.sizeHint().height());
}

void BatchProgress::start(int files) {
    files_ = std::max(files, 1);
    scale_ = std::clamp(std::numeric_limits<int>::max() / files_, 1, kStepsPerFile);
    bar_.setRange(0, files_ * scale_);
    bar_.setValue(0);
    status_.clear();
    bar_.show();
    cancel_.show();
}

void BatchProgress::fileStarted(int row, const QString& name) {
    row_ = row;
    reading_ = 1;
    lastRead_ = 0;
    bar_.setValue(row * scale_);
    status_.setText(tr("Converting %1").arg(name));
    showFileText();
}

void BatchProgress::fileRead(int row, std::uint64_t bytesRead, std::uint64_t totalBytes) {
    if (row != row_) return;
    if (bytesRead < lastRead_) {
        ++reading_;
        showFileText();
    }
    lastRead_ = bytesRead;
    const double part = totalBytes == 0 ? 1.0 : static_cast<double>(bytesRead) / totalBytes;
    bar_.setValue(row * scale_ + static_cast<int>(std::min(part, 1.0) * scale_));
}

void BatchProgress::showFileText() {
    const QString files = tr("File %1 of %2").arg(row_ + 1).arg(files_);
    const QString text = reading_ > 1 ? tr("%1, second reading").arg(files) : files;
    // The bar's own %p is its percentage.
    bar_.setFormat(text + QStringLiteral(" (%p%)"));
}

void BatchProgress::stop(const QString& text) {
    bar_.hide();
    cancel_.hide();
    status_.setText(text);
}

}  // namespace morlindo::ui
