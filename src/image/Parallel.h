// SPDX-License-Identifier: GPL-3.0-or-later
// A small deterministic parallel-for over row bands: every row is computed by exactly one
// thread with the same code, so results never depend on the thread count.
#pragma once
#include <functional>

namespace lum {

// Number of threads to use (all cores by default; LUMORA_THREADS overrides).
int ThreadCount();
void SetThreadCount(int n);  // 0 = back to the default

// Calls body(begin, end) on disjoint bands covering [0, count). Bands are at least minRows long.
// The bands run on the shared pool and on the calling thread, which takes bands too and waits
// only for those other threads took: safe from inside a pool task. An exception of a band (the
// first one) is rethrown here once every band taken has ended; bands not yet taken are skipped.
void ParallelRows(int count, const std::function<void(int, int)>& body, int minRows = 16);

}  // namespace lum
