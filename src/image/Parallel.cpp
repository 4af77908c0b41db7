#include "image/Parallel.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

namespace lum {

namespace {
std::atomic<int> g_threads{0};
thread_local int t_threads = 0;
}  // namespace

int ThreadCount() {
    if (t_threads > 0) return t_threads;
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

void SetThreadCountOfThisThread(int n) { t_threads = n > 0 ? n : 0; }

void ParallelRows(int count, const std::function<void(int, int)>& body, int minRows) {
    if (count <= 0) return;
    int threads = std::min(ThreadCount(), std::max(1, count / std::max(1, minRows)));
    if (threads <= 1) {
        body(0, count);
        return;
    }
    std::vector<std::thread> pool;
    pool.reserve(threads - 1);
    auto bandStart = [&](int t) { return static_cast<int>(static_cast<long long>(count) * t / threads); };
    for (int t = 1; t < threads; ++t) pool.emplace_back([&, t] { body(bandStart(t), bandStart(t + 1)); });
    body(0, bandStart(1));
    for (auto& th : pool) th.join();
}

}  // namespace lum
