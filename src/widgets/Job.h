// SPDX-License-Identifier: GPL-3.0-or-later
// A piece of the window's long work run on the shared pool (operations, loads, saves), with its
// end reported back on the thread the Job lives on, carrying the work's exception if it threw.
#pragma once
#include <QObject>
#include <atomic>
#include <exception>
#include <functional>

#include "image/ThreadPool.h"

Q_DECLARE_METATYPE(std::exception_ptr)

namespace lum {

class Job : public QObject {
    Q_OBJECT
public:
    // Starts work on the pool. The Job is a child of owner (deleted with it) and deletes itself
    // after `finished` has been emitted. The work must not touch the owner: it may outlive it
    // until the Job's destructor has waited for it.
    static Job* Start(QObject* owner, std::function<void()> work, JobPriority priority = JobPriority::Interactive);
    // The same for work that polls job.CancelFlag() or hands results over with job.Deliver.
    static Job* Start(QObject* owner, std::function<void(Job& job)> work,
                      JobPriority priority = JobPriority::Interactive);

    // Cancels the work and waits for it to return (Wait), so an owner going away while its work
    // runs blocks until the work has noticed the cancel or ended.
    ~Job() override;

    // Asks the work to stop: work that polls CancelFlag() ends early; finished still comes.
    void Cancel();
    const std::atomic<bool>& CancelFlag() const { return cancel_; }
    // Blocks the calling thread (no events served) until the work has returned; for a
    // destructor that must outlive the work. Work no worker has taken yet runs right here.
    // finished is then not emitted, nor anything delivered.
    void Wait();

    // From the work, any thread: runs f on the Job's thread, before finished (dropped once the
    // Job was waited for or is gone). f may touch the owner.
    void Deliver(std::function<void()> f);

signals:
    // On the owner's thread; failure is null when the work returned normally.
    void finished(std::exception_ptr failure);

private:
    explicit Job(QObject* owner);
    void end(std::exception_ptr failure);
    void deleteWhenDone();

    Task task_;
    std::atomic<bool> cancel_{false};
    bool waited_ = false;  // the Job's thread only
};

}  // namespace lum
