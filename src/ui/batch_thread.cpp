#include "ui/batch_thread.h"

#include <QSemaphore>

namespace morlindo::ui {
namespace {

// How long the worker waits for the window at a time before it looks
// whether the batch was cancelled.
constexpr int kWaitMilliseconds = 20;

// The options the window read for the worker.
struct OptionsHandoff {
    QSemaphore ready;
    ConversionOptions options;
};

}  // namespace

// Passes the reading of the current file on to the window; stops the
// conversion once the batch is cancelled.
class BatchThread::Progress final : public ReadProgress {
public:
    explicit Progress(BatchThread& owner) : owner_(owner) {}

    void advanced(std::uint64_t bytesRead, std::uint64_t totalBytes) override {
        if (owner_.cancelled_) throw ConversionCancelled();
        Q_EMIT owner_.fileRead(owner_.row_, bytesRead, totalBytes);
    }

private:
    BatchThread& owner_;
};

BatchThread::BatchThread(QObject* parent) : QObject(parent) {}

BatchThread::~BatchThread() {
    if (!thread_) return;
    cancel();
    thread_->wait();
}

void BatchThread::start(ConversionKind kind, std::vector<std::filesystem::path> inputs,
                        OutputChoice output, OptionsReader readOptions, Converter convert) {
    if (running()) return;
    cancelled_ = false;
    outcome_ = {};
    readOptions_ = std::move(readOptions);
    thread_.reset(
        QThread::create([this, kind, inputs = std::move(inputs), output = std::move(output),
                         convert = std::move(convert)] { work(kind, inputs, output, convert); }));
    connect(thread_.get(), &QThread::finished, this, &BatchThread::ended);
    thread_->start();
}

void BatchThread::work(ConversionKind kind, const std::vector<std::filesystem::path>& inputs,
                       const OutputChoice& output, const Converter& convert) {
    Progress progress(*this);
    outcome_ = runBatch(
        kind, inputs, [this] { return optionsFromWindow(); }, convert,
        [this](std::size_t row, RowEvent event) {
            row_ = static_cast<int>(row);
            Q_EMIT rowChanged(static_cast<int>(row), static_cast<int>(event));
        },
        &progress, output);
}

ConversionOptions BatchThread::optionsFromWindow() {
    if (cancelled_) throw ConversionCancelled();
    // Shared, so that a reading the window does after the worker gave up
    // still has somewhere to go.
    auto handoff = std::make_shared<OptionsHandoff>();
    QMetaObject::invokeMethod(
        this,
        [handoff, read = readOptions_] {
            handoff->options = read();
            handoff->ready.release();
        },
        Qt::QueuedConnection);
    while (!handoff->ready.tryAcquire(1, kWaitMilliseconds)) {
        if (cancelled_) throw ConversionCancelled();
    }
    return handoff->options;
}

// On the window's thread, after every signal of the worker.
void BatchThread::ended() {
    thread_->wait();
    // Not deleted here: this runs in answer to its own signal.
    thread_.release()->deleteLater();
    Q_EMIT finished();
}

}  // namespace morlindo::ui
