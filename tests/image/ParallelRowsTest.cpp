// SPDX-License-Identifier: GPL-3.0-or-later
// Row bands on the shared pool: each row once, the same rows whatever the thread count, a band's
// exception back in the caller (never the end of the program), and nesting inside pool tasks.
#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <stdexcept>
#include <vector>

#include "image/Parallel.h"
#include "image/ThreadPool.h"

using lum::ParallelRows;

namespace {

struct ThreadsFor {
    explicit ThreadsFor(int n) { lum::SetThreadCount(n); }
    ~ThreadsFor() { lum::SetThreadCount(0); }
};

// Each row adds its own value once: a row done twice, or not at all, shows.
std::vector<int> Rows(int count, int minRows) {
    std::vector<std::atomic<int>> out(static_cast<size_t>(count));
    ParallelRows(
        count, [&](int a, int b) { for (int y = a; y < b; ++y) out[static_cast<size_t>(y)] += y * 7919 % 1013 + 1; },
        minRows);
    return std::vector<int>(out.begin(), out.end());
}

std::vector<int> Expected(int count) {
    std::vector<int> out;
    for (int y = 0; y < count; ++y) out.push_back(y * 7919 % 1013 + 1);
    return out;
}

// Sum over [0, count) with every row a nested ParallelRows of its own.
long long NestedSum(int count) {
    std::atomic<long long> sum{0};
    ParallelRows(
        count,
        [&](int a, int b) {
            for (int y = a; y < b; ++y)
                ParallelRows(
                    40, [&](int c, int d) { sum += static_cast<long long>(y) * (d - c); }, 4);
        },
        1);
    return sum.load();
}

}  // namespace

TEST(ParallelRows, EveryRowOnceWithTheSameResultForAnyThreadCount) {
    const struct {
        int count, minRows;
    } cases[] = {{1, 16}, {15, 16}, {33, 16}, {100, 1}, {1000, 16}, {37, 4}};
    for (const auto& c : cases) {
        const std::vector<int> expect = Expected(c.count);
        for (int threads : {1, 2, 3, 5, 8}) {
            SCOPED_TRACE("rows " + std::to_string(c.count) + ", min " + std::to_string(c.minRows) + ", threads " +
                         std::to_string(threads));
            ThreadsFor t(threads);
            EXPECT_EQ(Rows(c.count, c.minRows), expect);
        }
    }
}

TEST(ParallelRows, ABandsExceptionReachesTheCallerAndTheProgramGoesOn) {
    // Which bands throw: the first, the last, every one.
    const struct {
        const char* name;
        bool (*throws)(int begin, int end, int count);
    } cases[] = {
        {"first", [](int b, int, int) { return b == 0; }},
        {"last", [](int, int e, int count) { return e == count; }},
        {"all", [](int, int, int) { return true; }},
    };
    for (int threads : {1, 4}) {
        ThreadsFor t(threads);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", threads " + std::to_string(threads));
            const int count = 256;
            std::atomic<int> inFlight{0};
            struct Leaving {
                std::atomic<int>& n;
                ~Leaving() { --n; }
            };
            auto run = [&] {
                ParallelRows(
                    count,
                    [&](int b, int e) {
                        ++inFlight;
                        Leaving leaving{inFlight};
                        if (c.throws(b, e, count)) throw std::bad_alloc();
                    },
                    16);
            };
            EXPECT_THROW(run(), std::bad_alloc);
            EXPECT_EQ(inFlight.load(), 0);  // every band taken had ended
            EXPECT_EQ(Rows(100, 16), Expected(100));
        }
    }
}

TEST(ParallelRows, NestedInsidePoolTasksCompletes) {
    ThreadsFor t(4);
    lum::ThreadPool& pool = lum::ThreadPool::Shared();
    pool.Grow(4);
    // More tasks than workers, each with bands of bands: none may wait on a band nobody takes.
    const int count = 24;
    const long long expect = 40LL * count * (count - 1) / 2;
    std::vector<lum::Task> tasks;
    std::vector<long long> sums(static_cast<size_t>(pool.Workers() + 3), 0);
    for (size_t i = 0; i < sums.size(); ++i)
        tasks.push_back(pool.Post([&sums, i] { sums[i] = NestedSum(count); },
                                  i % 2 ? lum::JobPriority::Background : lum::JobPriority::Interactive));
    // And a band's failure inside a task comes back through the task's wait.
    lum::Task failing = pool.Post(
        [] { ParallelRows(64, [](int b, int) { if (b > 0) throw std::length_error("band"); }, 8); },
        lum::JobPriority::Background);
    for (const lum::Task& task : tasks) EXPECT_EQ(task.Wait(), nullptr);
    for (long long s : sums) EXPECT_EQ(s, expect);
    EXPECT_THROW(std::rethrow_exception(failing.Wait()), std::length_error);
    EXPECT_EQ(NestedSum(count), expect);
}
