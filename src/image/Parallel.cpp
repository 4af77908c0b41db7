// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Parallel.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "image/ThreadPool.h"

namespace lum {

namespace {
std::atomic<int> g_threads{0};
}  // namespace

int ThreadCount() {
    int n = g_threads.load();
    if (n > 0) return n;
    if (const char* env = std::getenv("LUMORA_THREADS")) {
        int v = std::atoi(env);
        if (v > 0) return v;
    }
    unsigned hw = std::thread::hardware_concurrency();
    return hw ? static_cast<int>(hw) : 1;
}

void SetThreadCount(int n) { g_threads.store(n > 0 ? n : 0); }

void ParallelRows(int count, const std::function<void(int, int)>& body, int minRows) {
    if (count <= 0) return;
    const int threads = ThreadCount();
    // The bands depend on the count and ThreadCount() only, never on who is free to take them.
    const int bands = std::min(threads, std::max(1, count / std::max(1, minRows)));
    if (bands <= 1) {
        body(0, count);
        return;
    }
    ThreadPool& pool = ThreadPool::Shared();
    pool.Grow(threads);

    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::mutex failureLock;
    std::exception_ptr failure;
    auto bandStart = [&](int t) { return static_cast<int>(static_cast<long long>(count) * t / bands); };
    // Takes bands until none is left; every thread, the caller too, runs this.
    auto takeBands = [&] {
        for (int t = next++; t < bands && !failed.load(); t = next++) {
            try {
                body(bandStart(t), bandStart(t + 1));
            } catch (...) {
                std::lock_guard<std::mutex> lock(failureLock);
                if (!failure) failure = std::current_exception();
                failed = true;
            }
        }
    };

    // Helpers for the pool's free workers; a busy pool leaves the bands to the caller.
    std::vector<Task> helpers;
    try {
        const int wanted = std::min(bands - 1, pool.Workers());
        helpers.reserve(static_cast<size_t>(wanted));
        for (int i = 0; i < wanted; ++i) helpers.push_back(pool.Post(takeBands, ThreadPool::CurrentPriority()));
    } catch (const std::bad_alloc&) {
        // Fewer helpers: the caller takes more bands.
    }
    takeBands();
    // No helper may outlive this frame: one not started never will, one started ends with its band.
    for (const Task& h : helpers)
        if (!h.Revoke()) h.Wait();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace lum
