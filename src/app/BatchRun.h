// SPDX-License-Identifier: GPL-3.0-or-later
// The batch optimize of the main window, run away from the window's thread: the window keeps
// turning (browsing, viewing other photos) while the photos are done as background tasks of the
// shared pool, and hears of each photo through signals. The window's own work is taken before
// the batch's photos.
#pragma once
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "cli/BatchEngine.h"

namespace lum {

class BatchRun : public QObject {
    Q_OBJECT
public:
    explicit BatchRun(QObject* parent = nullptr);
    // Stops a batch still running and waits for the photos being written to be finished.
    ~BatchRun() override;

    // Starts the batch; nothing when one runs already.
    void Start(const cli::BatchArgs& args);
    // Asks the batch to stop: no further photo is started, one not yet being written is dropped.
    void Stop();
    bool Running() const { return running_; }
    bool StopAsked() const { return stop_.load(); }

signals:
    void photoStarted(int index, int total, const QString& photo);
    void photoFinished(const lum::cli::BatchPhotoReport& report);
    // The end of a batch, also of a stopped one.
    void finished(const lum::cli::BatchTotals& totals);
    // The batch could not start (the output folder cannot be made, no photos).
    void failed(const QString& message);

private:
    std::atomic<bool> stop_{false};
    bool running_ = false;
    std::unique_ptr<cli::BatchObserver> observer_;  // lives until the batch has ended
    std::shared_ptr<cli::RunningBatch> batch_;
};

}  // namespace lum
