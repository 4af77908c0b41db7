// SPDX-License-Identifier: GPL-3.0-or-later
// A job's end comes back on its owner's thread with the work's exception; an owner that goes
// away while the work runs waits for it and hears nothing later.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "WidgetTestSupport.h"
#include "widgets/Job.h"

using lum::Job;

namespace {

std::string What(std::exception_ptr e) {
    try {
        if (e) std::rethrow_exception(e);
        return "none";
    } catch (const std::exception& x) {
        return x.what();
    }
}

}  // namespace

TEST(Job, TheEndComesOnTheOwnersThreadWithTheWorksException) {
    widgettest::App();
    const struct {
        const char* name;
        bool cancel;
        std::function<void(Job&)> work;
        const char* failure;
    } cases[] = {
        {"returns", false, [](Job& j) { j.Deliver([] {}); }, "none"},
        {"throws", false, [](Job&) { throw std::runtime_error("no room"); }, "no room"},
        {"out of memory", false, [](Job&) { throw std::bad_alloc(); }, "std::bad_alloc"},
        // Polls its flag: only a cancel lets it end.
        {"cancelled", true, [](Job& j) { while (!j.CancelFlag().load()) QThread::yieldCurrentThread(); }, "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QObject owner;
        std::vector<std::string> heard;
        QThread* workThread = nullptr;
        QPointer<Job> job = Job::Start(&owner, [&, work = c.work](Job& j) {
            workThread = QThread::currentThread();
            j.Deliver([&] {
                EXPECT_EQ(QThread::currentThread(), owner.thread());
                heard.push_back("delivered");
            });
            work(j);
        });
        QObject::connect(job, &Job::finished, &owner, [&](std::exception_ptr failure) {
            EXPECT_EQ(QThread::currentThread(), owner.thread());
            heard.push_back(What(failure));
        });
        if (c.cancel) job->Cancel();
        QElapsedTimer t;
        t.start();
        while (!job.isNull() && t.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(job.isNull());  // gone after its end
        EXPECT_NE(workThread, owner.thread());
        EXPECT_EQ(heard, (std::vector<std::string>{"delivered", c.failure}));
    }
}

TEST(Job, AnOwnerGoingAwayWaitsForTheWorkAndHearsNothing) {
    widgettest::App();
    // The owner's own destructor waits (the work reads what the owner lends it), then the Job's
    // destructor alone (the owner forgot): both outlive the work, neither hears of its end.
    struct Owner : QObject {
        bool waitsItself = false;
        QPointer<Job> job;
        ~Owner() override {
            if (waitsItself && job) job->Wait();
        }
    };
    for (bool waitsItself : {true, false}) {
        SCOPED_TRACE(waitsItself ? "owner waits" : "job waits");
        auto ended = std::make_shared<std::atomic<bool>>(false);
        auto started = std::make_shared<std::atomic<bool>>(false);
        bool heard = false;
        {
            Owner owner;
            owner.waitsItself = waitsItself;
            owner.job = Job::Start(&owner, [ended, started, waitsItself](Job& j) {
                *started = true;
                // Until the owner goes: its destructor cancels (or the owner's wait runs long).
                QElapsedTimer t;
                t.start();
                while (!j.CancelFlag().load() && (!waitsItself || t.elapsed() < 200)) QThread::yieldCurrentThread();
                *ended = true;
            });
            QObject::connect(owner.job, &Job::finished, [&heard](std::exception_ptr) { heard = true; });
            while (!started->load()) QThread::yieldCurrentThread();
        }
        EXPECT_TRUE(ended->load());
        QCoreApplication::processEvents();
        EXPECT_FALSE(heard);
    }
}

TEST(Job, ItsEndNeverKeepsTheOwnersThreadWaitingForTheWorker) {
    widgettest::App();
    // What the work holds goes on the worker after the end was reported, slowly here: the
    // owner's thread turns meanwhile, and the Job goes once it has gone.
    auto released = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<void> slow(nullptr, [released](void*) { QThread::msleep(1000), *released = true; });
    QObject owner;
    int turns = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { turns += !released->load(); });
    QPointer<Job> job = Job::Start(&owner, [slow = std::move(slow)](Job&) {});
    QObject::connect(job, &Job::finished, [&](std::exception_ptr) { ticker.start(5); });
    QElapsedTimer t;
    t.start();
    while (!job.isNull() && t.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(job.isNull() && released->load());
    EXPECT_GT(turns, 0);
}
