// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one pool of worker threads. Everything that can take longer than a frame runs
// on it as a task: the window's operations, loads and saves, the batch's photos, and the row
// bands of ParallelRows. A task's exception is caught on the worker and handed to whoever waits
// for the task; a worker never ends the program.
#pragma once
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace lum {

// The window's work is taken before the batch's, so a photo opened while a batch runs gets the
// cores as soon as a worker is free.
enum class JobPriority { Interactive, Background };

// A posted task as its poster sees it. Copies share the task.
class Task {
public:
    Task() = default;
    explicit operator bool() const { return state_ != nullptr; }

    // Blocks until the task has ended and returns its exception (null when it returned normally
    // or was revoked). A task no worker has taken yet runs on the calling thread instead, so a
    // wait never depends on a free worker.
    std::exception_ptr Wait() const;
    // Takes back a task no worker has taken yet: true when it will never run.
    bool Revoke() const;
    bool Done() const;

private:
    friend class ThreadPool;
    struct State;
    explicit Task(std::shared_ptr<State> s) : state_(std::move(s)) {}
    std::shared_ptr<State> state_;
};

class ThreadPool {
public:
    // Called on the worker right after the task, with its exception (null when none).
    using Ended = std::function<void(std::exception_ptr)>;

    // The program's pool: created on first use with ThreadCount() workers, joined at exit.
    static ThreadPool& Shared();

    explicit ThreadPool(int workers);
    // Lets the tasks under way end and joins the workers; tasks not taken are left to Wait.
    ~ThreadPool();
    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    // Queues work; throws only std::bad_alloc, when it cannot be queued.
    Task Post(std::function<void()> work, JobPriority priority, Ended ended = nullptr);
    int Workers() const;
    // Adds workers up to n (SetThreadCount raised above the pool's size).
    void Grow(int n);
    // For a long background task between its steps: runs the interactive tasks waiting in the
    // queue on this thread, so the window's work need not wait for the whole task to end.
    void LetInteractiveWorkFirst();

    // The priority of the task running on the calling thread (Interactive off the pool): work a
    // task posts for itself, such as its row bands, keeps its place in the queue.
    static JobPriority CurrentPriority();

private:
    void work();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::shared_ptr<Task::State>> interactive_, background_;  // under mutex_
    std::vector<std::thread> workers_;                                  // under mutex_
    bool stop_ = false;                                                 // under mutex_
};

}  // namespace lum
