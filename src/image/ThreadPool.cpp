// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ThreadPool.h"

#include <algorithm>
#include <atomic>
#include <system_error>

#include "image/Parallel.h"

namespace lum {

namespace {
thread_local JobPriority t_priority = JobPriority::Interactive;
}  // namespace

struct Task::State {
    std::function<void()> work;
    ThreadPool::Ended ended;
    JobPriority priority = JobPriority::Interactive;
    // Set by whoever runs or revokes the task, exactly once.
    std::atomic<bool> taken{false};
    std::mutex mutex;
    std::condition_variable doneCv;
    bool done = false;  // under mutex
    std::exception_ptr error;

    void finish() {
        // The captures go before the waiter hears of the end: what they hold is released by then.
        work = nullptr;
        ended = nullptr;
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
        doneCv.notify_all();
    }

    // Runs the task on the calling thread; catches everything.
    void run() {
        const JobPriority outer = t_priority;
        t_priority = priority;
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
        if (ended) {
            try {
                ended(error);
            } catch (...) {
            }
        }
        t_priority = outer;
        finish();
    }
};

std::exception_ptr Task::Wait() const {
    if (!state_) return nullptr;
    if (!state_->taken.exchange(true)) {
        state_->run();
        return state_->error;
    }
    std::unique_lock<std::mutex> lock(state_->mutex);
    state_->doneCv.wait(lock, [this] { return state_->done; });
    return state_->error;
}

bool Task::Revoke() const {
    if (!state_ || state_->taken.exchange(true)) return false;
    state_->finish();
    return true;
}

bool Task::Done() const {
    if (!state_) return true;
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->done;
}

ThreadPool& ThreadPool::Shared() {
    static ThreadPool pool(ThreadCount());
    return pool;
}

ThreadPool::ThreadPool(int workers) { Grow(std::max(1, workers)); }

ThreadPool::~ThreadPool() {
    std::vector<std::thread> workers;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
        workers.swap(workers_);
    }
    wake_.notify_all();
    for (std::thread& t : workers) {
        // The program may end from inside a task (exit() on a worker): that worker cannot join
        // itself.
        if (t.get_id() == std::this_thread::get_id()) t.detach();
        else t.join();
    }
}

void ThreadPool::Grow(int n) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stop_) return;
    while (static_cast<int>(workers_.size()) < n) {
        try {
            workers_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            return;  // the system gives no more threads: the ones there do the work
        }
    }
}

int ThreadPool::Workers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(workers_.size());
}

JobPriority ThreadPool::CurrentPriority() { return t_priority; }

Task ThreadPool::Post(std::function<void()> work, JobPriority priority, Ended ended) {
    auto state = std::make_shared<Task::State>();
    state->work = std::move(work);
    state->ended = std::move(ended);
    state->priority = priority;
    bool queued = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!workers_.empty() && !stop_) {
            (priority == JobPriority::Interactive ? interactive_ : background_).push_back(state);
            queued = true;
        }
    }
    if (queued) wake_.notify_one();
    else Task(state).Wait();  // no worker at all: the poster does it
    return Task(state);
}

void ThreadPool::LetInteractiveWorkFirst() {
    if (t_priority == JobPriority::Interactive) return;
    for (;;) {
        std::shared_ptr<Task::State> task;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (interactive_.empty()) return;
            task = std::move(interactive_.front());
            interactive_.pop_front();
        }
        if (!task->taken.exchange(true)) task->run();
    }
}

void ThreadPool::work() {
    for (;;) {
        std::shared_ptr<Task::State> task;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || !interactive_.empty() || !background_.empty(); });
            if (stop_) return;
            auto& queue = interactive_.empty() ? background_ : interactive_;
            task = std::move(queue.front());
            queue.pop_front();
        }
        // A task waited for or revoked meanwhile was taken by its waiter.
        if (!task->taken.exchange(true)) task->run();
    }
}

}  // namespace lum
