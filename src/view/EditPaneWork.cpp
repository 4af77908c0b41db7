// SPDX-License-Identifier: GPL-3.0-or-later
// The edit pane's jobs: the editor's long work runs on the program's pool while the window keeps
// turning; what the work asks of the window waits for the window's own thread.
#include <QPointer>
#include <QThread>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "widgets/Job.h"

namespace lum {

// The calls the jobs' work makes to the window's thread. Each waits until the window's event
// loop has run it; once the pane is going, calls still coming are not run.
struct EditPane::HostCalls {
    std::mutex lock;
    std::condition_variable ran;
    bool closed = false;
    QList<QPointer<Job>> running;
};

std::shared_ptr<EditPane::HostCalls> EditPane::newHostCalls() { return std::make_shared<HostCalls>(); }

void EditPane::OnHostThread(const std::function<void()>& f) {
    const std::shared_ptr<HostCalls> calls = calls_;
    if (QThread::currentThread() == thread() || !calls) {
        f();
        return;
    }
    struct Call {
        bool ran = false;
        std::exception_ptr failure;
    };
    auto call = std::make_shared<Call>();
    std::unique_lock<std::mutex> g(calls->lock);
    if (calls->closed) return;
    // f lives on the caller's stack, which waits below until it has run or the pane has gone.
    QMetaObject::invokeMethod(
        this,
        [calls, call, &f] {
            std::exception_ptr failure;
            try {
                f();
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard<std::mutex> done(calls->lock);
            call->failure = failure;
            call->ran = true;
            calls->ran.notify_all();
        },
        Qt::QueuedConnection);
    calls->ran.wait(g, [&] { return call->ran || calls->closed; });
    if (call->failure) std::rethrow_exception(call->failure);
}

void EditPane::StartJob(std::function<void()> work, std::function<void(std::exception_ptr)> then) {
    if (jobs_++ == 0) {
        // The view paints what it shows now until the work is done: the state is the work's, and
        // the busy cursor over the photo says so.
        view_->Freeze();
        view_->Canvas()->setCursor(Qt::WaitCursor);
        emit WorkChanged(true);
    }
    Job* job = Job::Start(this, std::move(work));
    calls_->running << job;
    connect(job, &Job::finished, this, [this, job, then = std::move(then)](std::exception_ptr failure) {
        calls_->running.removeAll(job);
        // What follows may start the next job (the step closing after the operation); a failure
        // it passes on goes to the error box.
        Guard([&] { then(failure); });
        if (--jobs_ == 0) jobsEnded();
    });
}

void EditPane::jobsEnded() {
    view_->Thaw();
    if (resizedDuringWork_) {
        resizedDuringWork_ = false;
        followResize();
    }
    RefreshCursor();
    emit WorkChanged(false);
    if (guardDepth_ == 0) emit Settled();
}

void EditPane::AbandonJobs() {
    {
        std::lock_guard<std::mutex> g(calls_->lock);
        calls_->closed = true;
        calls_->ran.notify_all();
    }
    stopRequested_ = true;
    // Their ends are not delivered: the window they would report to is going.
    for (const QPointer<Job>& job : calls_->running) {
        if (!job) continue;
        job->Cancel();
        job->Wait();
    }
    calls_->running.clear();
}

}  // namespace lum
