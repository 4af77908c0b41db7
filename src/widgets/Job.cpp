// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Job.h"

#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <utility>

namespace lum {

Job::Job(QObject* owner) : QObject(owner) {
    static const int registered = qRegisterMetaType<std::exception_ptr>();
    (void)registered;
}

Job* Job::Start(QObject* owner, std::function<void()> work, JobPriority priority) {
    return Start(owner, [work = std::move(work)](Job&) { work(); }, priority);
}

Job* Job::Start(QObject* owner, std::function<void(Job&)> work, JobPriority priority) {
    Job* job = new Job(owner);
    try {
        // The Job outlives its task (its destructor waits), so the task may name it.
        job->task_ = ThreadPool::Shared().Post([job, work = std::move(work)] { work(*job); }, priority,
                                               [job](std::exception_ptr failure) {
                                                   QMetaObject::invokeMethod(
                                                       job, [job, failure] { job->end(failure); }, Qt::QueuedConnection);
                                               });
    } catch (...) {
        delete job;
        throw;
    }
    return job;
}

Job::~Job() {
    cancel_ = true;
    Wait();
}

void Job::Cancel() { cancel_ = true; }

void Job::Wait() {
    waited_ = true;
    task_.Wait();
}

void Job::Deliver(std::function<void()> f) {
    QMetaObject::invokeMethod(
        this,
        [this, f = std::move(f)] {
            if (!waited_) f();
        },
        Qt::QueuedConnection);
}

void Job::end(std::exception_ptr failure) {
    // A handler may delete the owner, and this Job with it.
    QPointer<Job> self(this);
    if (!waited_) emit finished(failure);
    if (self) deleteWhenDone();
}

void Job::deleteWhenDone() {
    // The worker lets go of the work's captures after it reported the end. The destructor would
    // wait for that, on this thread, as long as the worker is not given a core: the Job goes once
    // it has.
    if (waited_ || task_.Done()) deleteLater();
    else QTimer::singleShot(1, this, &Job::deleteWhenDone);
}

}  // namespace lum
