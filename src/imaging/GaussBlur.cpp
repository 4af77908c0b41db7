// SPDX-License-Identifier: GPL-3.0-or-later
// Gaussian blur: kernel construction, one line, the whole image.
#include "imaging/GaussBlur.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include "image/Parallel.h"
#include "imaging/Filters.h"

// The same loops built for three instruction sets (see GaussLines.h).
namespace lum::gauss_generic {
#define LUM_VBYTES 16
#include "imaging/GaussLines.h"
#undef LUM_VBYTES
}  // namespace lum::gauss_generic

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define LUM_GAUSS_X86 1
#pragma GCC push_options
#pragma GCC target("avx2")
namespace lum::gauss_avx2 {
#define LUM_VBYTES 32
#include "imaging/GaussLines.h"
#undef LUM_VBYTES
}  // namespace lum::gauss_avx2
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx512f,avx512vl,avx512bw,avx512dq")
namespace lum::gauss_avx512 {
#define LUM_VBYTES 64
#include "imaging/GaussLines.h"
#undef LUM_VBYTES
}  // namespace lum::gauss_avx512
#pragma GCC pop_options
#endif

namespace lum {

namespace gauss {
namespace {
int DetectLevel() {
#ifdef LUM_GAUSS_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq"))
        return kAvx512;
    if (__builtin_cpu_supports("avx2")) return kAvx2;
#endif
    return kGeneric;
}
std::atomic<int> g_forced{-1};
}  // namespace

int BestLevel() {
    static const int best = DetectLevel();
    return best;
}
void ForceLevel(int level) { g_forced.store(level < 0 ? -1 : std::min(level, BestLevel())); }
int CurrentLevel() {
    int f = g_forced.load();
    return f >= 0 ? f : BestLevel();
}
}  // namespace gauss

namespace {

// The per-level entry points, so the callers below need no vector types.
struct LineOps {
    size_t (*rowScratch)(int, int);
    void (*blurRow)(uint8_t*, int, const double*, int, double*);
    size_t (*stripScratch)(int);
    void (*verticalStrip)(uint8_t* const*, int, int, int, const double*, int, double*);
    int strip;
};

#define LUM_LINE_OPS(ns) LineOps{&ns::RowScratch, &ns::BlurRow, &ns::StripScratch, &ns::VerticalStrip, ns::kStrip}
const LineOps kOpsGeneric = LUM_LINE_OPS(gauss_generic);
#ifdef LUM_GAUSS_X86
const LineOps kOpsAvx512 = LUM_LINE_OPS(gauss_avx512);
const LineOps kOpsAvx2 = LUM_LINE_OPS(gauss_avx2);
#else
const LineOps& kOpsAvx512 = kOpsGeneric;
const LineOps& kOpsAvx2 = kOpsGeneric;
#endif
#undef LUM_LINE_OPS

const LineOps& Ops() {
    switch (gauss::CurrentLevel()) {
        case gauss::kAvx512: return kOpsAvx512;
        case gauss::kAvx2: return kOpsAvx2;
        default: return kOpsGeneric;
    }
}

// Weights -Size..Size widened to double (exact), index t = m + Size.
std::vector<double> Taps(const GaussKernel& k) {
    if (k.Size > 100) throw std::invalid_argument("Gaussian kernel half-width above 100");
    std::vector<double> w(2 * k.Size + 1);
    for (int m = -k.Size; m <= k.Size; ++m) w[m + k.Size] = static_cast<double>(k.at(m));
    return w;
}

}  // namespace

void MakeGaussianKernel(GaussKernel& k, double radius, int maxData, int granularity) {
    // j / radius must be a number for every tap.
    if (!std::isfinite(radius) || !(radius > 0)) throw std::invalid_argument("GBlur needs a radius above 0");
    float* wt = k.Data.data() + 100;  // wt[j], j = -100..100
    for (int j = -100; j <= 100; ++j) {
        double t = j / radius;
        wt[j] = static_cast<float>(std::exp(-(t * t) / 2));
    }
    double sum = 0;
    for (int j = -100; j <= 100; ++j) sum += wt[j];
    for (int j = -100; j <= 100; ++j) wt[j] = static_cast<float>(wt[j] / sum);

    // Drop the tails whose combined weight stays under half a data step.
    const double delta = static_cast<double>(granularity) / (2.0 * maxData);
    int size = 100;
    double tail = 0;
    while (tail < delta && size > 1) {
        tail += 2.0 * wt[size];
        --size;
    }
    sum = 0;
    for (int j = -size; j <= size; ++j) sum += wt[j];
    for (int j = -size; j <= size; ++j) wt[j] = static_cast<float>(wt[j] / sum);
    k.Size = static_cast<uint8_t>(size);
}

void BlurLine(uint8_t* line, int n, const GaussKernel& k, uint8_t* work) {
    if (n < 0) return;
    const std::vector<double> w = Taps(k);
    const LineOps& ops = Ops();
    std::vector<double> scratch(ops.rowScratch(n + 1, k.Size));
    // Same result as blurring into work and copying back; work keeps the blurred line too.
    ops.blurRow(line, n + 1, w.data(), k.Size, scratch.data());
    if (work) std::memcpy(work, line, 3 * static_cast<size_t>(n + 1));
}

void GaussianBlur(Image& img, double radius) {
    GaussKernel k;
    MakeGaussianKernel(k, radius, 255, 1);  // checks the radius before anything changes
    if (img.empty()) return;
    const std::vector<double> w = Taps(k);
    const int s = k.Size, width = img.width(), height = img.height();
    const LineOps& ops = Ops();

    std::vector<uint8_t*> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) rows[y] = img.row(y);

    // Rows: every line is blurred from its own unblurred pixels, so rows are independent.
    ParallelRows(height, [&](int y0, int y1) {
        std::unique_ptr<double[]> scratch(new double[ops.rowScratch(width, s)]);
        for (int y = y0; y < y1; ++y) ops.blurRow(rows[y], width, w.data(), s, scratch.get());
    }, 8);

    // Columns: strips of adjacent byte columns walk down the image together; each byte column
    // is one channel of one pixel column, blurred exactly as its gathered column would be.
    const int bytes = 3 * width;
    const int strips = (bytes + ops.strip - 1) / ops.strip;
    ParallelRows(strips, [&](int s0, int s1) {
        std::unique_ptr<double[]> ring(new double[ops.stripScratch(s)]);
        for (int i = s0; i < s1; ++i) {
            int b0 = i * ops.strip;
            ops.verticalStrip(rows.data(), height, b0, std::min(ops.strip, bytes - b0), w.data(), s, ring.get());
        }
    }, 1);
}

}  // namespace lum
