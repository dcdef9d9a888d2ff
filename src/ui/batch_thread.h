// Runs a batch off the window's thread, so that the window repaints, resizes
// and takes input while files convert. One worker converts the files one
// after another, top to bottom (runBatch), and tells the window of each row
// and of the reading of each file through queued signals, in order; the
// outcome is there once finished() arrives.
//
// The options of each file are read on the window's thread just before the
// file is converted: the worker asks the window and waits for the answer, so
// every file sees the controls as they stand when it is converted, and no
// control is touched from the worker.
//
// cancel() stops the batch: the file being read is abandoned at its next
// progress report (the output helper then writes nothing and leaves an older
// output untouched), and the rows after it are not tried.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <filesystem>
#include <memory>
#include <vector>

#include "batch/run_batch.h"

namespace morlindo::ui {

class BatchThread final : public QObject {
    Q_OBJECT

public:
    explicit BatchThread(QObject* parent = nullptr);
    // Cancels a running batch and waits for the worker to end.
    ~BatchThread() override;
    BatchThread(const BatchThread&) = delete;
    BatchThread& operator=(const BatchThread&) = delete;

    bool running() const { return thread_ != nullptr; }
    // readOptions runs on this object's thread, the window's.
    void start(ConversionKind kind, std::vector<std::filesystem::path> inputs, OutputChoice output,
               OptionsReader readOptions, Converter convert);
    void cancel() { cancelled_ = true; }
    const BatchOutcome& outcome() const { return outcome_; }

Q_SIGNALS:
    void rowChanged(int row, int event);  // a RowEvent
    // bytesRead of totalBytes of the row's file; a second reading of the
    // same file starts again from 0.
    void fileRead(int row, quint64 bytesRead, quint64 totalBytes);
    void finished();

private:
    class Progress;

    void work(ConversionKind kind, const std::vector<std::filesystem::path>& inputs,
              const OutputChoice& output, const Converter& convert);
    ConversionOptions optionsFromWindow();
    void ended();

    std::unique_ptr<QThread> thread_;
    std::atomic<bool> cancelled_ = false;
    std::atomic<int> row_ = 0;
    OptionsReader readOptions_;
    BatchOutcome outcome_;
};

}  // namespace morlindo::ui
