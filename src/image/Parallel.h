// A small deterministic parallel-for over row bands: every row is computed by exactly one
// thread with the same code, so results never depend on the thread count.
#pragma once
#include <functional>

namespace lum {

// Number of worker threads to use (all cores by default; LUMORA_THREADS overrides).
int ThreadCount();
void SetThreadCount(int n);  // 0 = back to the default
// The number for the row bands started from the calling thread alone (0 = the program's): work
// that runs beside other work, such as one photo of a batch, takes its share of the cores
// without changing what the rest of the program uses.
void SetThreadCountOfThisThread(int n);

// Calls body(begin, end) on disjoint bands covering [0, count). Bands are at least minRows long.
void ParallelRows(int count, const std::function<void(int, int)>& body, int minRows = 16);

}  // namespace lum
