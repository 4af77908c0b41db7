// SPDX-License-Identifier: GPL-3.0-or-later
// The 3x3 convolution of the kernel register.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "image/Arith.h"
#include "image/Parallel.h"
#include "imaging/Filters.h"

namespace lum {

namespace {

struct Taps {
    int32_t w[3][3];  // [row offset + 1][column offset + 1]
};

// Sum of one pixel whose neighbours may lie outside the image: those read the centre pixel.
// rows[0..2] are the rows above, at and below the pixel (null outside the image). Wrapping
// 32-bit arithmetic, so no weights can make it undefined.
inline void BorderPixel(const uint8_t* const rows[3], int W, const Taps& k, int x, int32_t* out) {
    const uint8_t* centre = rows[1] + 3 * x;
    uint32_t sb = 0, sg = 0, sr = 0;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j) {
            const int nx = x + j;
            const uint8_t* row = rows[i + 1];
            const uint8_t* p = (row == nullptr || nx < 0 || nx >= W) ? centre : row + 3 * nx;
            const uint32_t wt = static_cast<uint32_t>(k.w[i + 1][j + 1]);
            sb += wt * p[0];
            sg += wt * p[1];
            sr += wt * p[2];
        }
    out[0] = static_cast<int32_t>(sb);
    out[1] = static_cast<int32_t>(sg);
    out[2] = static_cast<int32_t>(sr);
}

// Interior bytes b0 .. b1-1 of a row with both neighbour rows present; byte offset 3 is the next
// pixel's same channel. Written so the compiler vectorises across bytes.
template <typename Acc>
inline void InteriorBytes(const uint8_t* a, const uint8_t* m, const uint8_t* c, const Taps& k, int b0, int b1,
                   int32_t* out) {
    const Acc w00 = static_cast<Acc>(k.w[0][0]), w01 = static_cast<Acc>(k.w[0][1]), w02 = static_cast<Acc>(k.w[0][2]);
    const Acc w10 = static_cast<Acc>(k.w[1][0]), w11 = static_cast<Acc>(k.w[1][1]), w12 = static_cast<Acc>(k.w[1][2]);
    const Acc w20 = static_cast<Acc>(k.w[2][0]), w21 = static_cast<Acc>(k.w[2][1]), w22 = static_cast<Acc>(k.w[2][2]);
    for (int b = b0; b < b1; ++b) {
        Acc s = static_cast<Acc>(w00 * a[b - 3] + w01 * a[b] + w02 * a[b + 3] + w10 * m[b - 3] + w11 * m[b] +
                                 w12 * m[b + 3] + w20 * c[b - 3] + w21 * c[b] + w22 * c[b + 3]);
        out[b - b0] = static_cast<int32_t>(s);
    }
}

// Divided channel values to bytes: plain, or grey from the three divided values.
template <int D>
inline void Finish(const int32_t* q, int count, int32_t divisor, bool grey, uint8_t* dst, const uint8_t* mask) {
    const int32_t d = D > 0 ? D : divisor;
    if (!grey) {
        if (!mask) {
            for (int b = 0; b < 3 * count; ++b) dst[b] = clampByte(idiv(q[b], d));
        } else {
            for (int x = 0; x < count; ++x)
                if (mask[x])
                    for (int c = 0; c < 3; ++c) dst[3 * x + c] = clampByte(idiv(q[3 * x + c], d));
        }
        return;
    }
    for (int x = 0; x < count; ++x) {
        if (mask && !mask[x]) continue;
        const int32_t v = idiv(idiv(q[3 * x], d) + idiv(q[3 * x + 1], d) + idiv(q[3 * x + 2], d), 3);
        const uint8_t g = clampByte(v);
        dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = g;
    }
}

// Row entry points built for several instruction sets; the loader picks the best one.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define LUM_ROW_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define LUM_ROW_CLONES
#endif

LUM_ROW_CLONES void InteriorRow(const uint8_t* a, const uint8_t* m, const uint8_t* c, const Taps& k, int b0,
                                int b1, int32_t* out, bool narrow) {
    // 16-bit sums are exact (and twice as many per vector) when no sum can leave int16.
    if (narrow) InteriorBytes<int16_t>(a, m, c, k, b0, b1, out);
    else InteriorBytes<uint32_t>(a, m, c, k, b0, b1, out);
}

LUM_ROW_CLONES void FinishRow(const int32_t* q, int count, int32_t divisor, bool grey, uint8_t* dst,
                              const uint8_t* mask) {
    switch (divisor) {
        case 1: Finish<1>(q, count, divisor, grey, dst, mask); break;
        case 2: Finish<2>(q, count, divisor, grey, dst, mask); break;
        case 16: Finish<16>(q, count, divisor, grey, dst, mask); break;
        case 32: Finish<32>(q, count, divisor, grey, dst, mask); break;
        default: Finish<0>(q, count, divisor, grey, dst, mask); break;
    }
}

// The filter of one image, set up once for all its rows.
struct Pass {
    Taps k{};
    int32_t divisor = 1;
    bool narrow = false;
    bool grey = false;
    int W = 0, H = 0;
    Rect r{};  // clipped rectangle, exclusive bounds
    const Confinement* where = nullptr;

    // Filters image row y of the rectangle into out (its bytes from column r.Left on), reading
    // the rows above, at and below it (null outside the image); q holds 3 x its width values.
    void Row(const uint8_t* above, const uint8_t* mid, const uint8_t* below, int y, uint8_t* out,
             int32_t* q) const {
        const uint8_t* const rows[3] = {above, mid, below};
        // Pixels whose whole neighbourhood is inside the image take the fast path.
        int xa = r.Left, xb = r.Right;  // interior span [xa, xb)
        if (!above || !below) {
            xa = xb;
        } else {
            xa = std::max(xa, 1);
            xb = std::min(xb, W - 1);
            if (xa > xb) xa = xb;
        }
        for (int x = r.Left; x < std::min(xa, r.Right); ++x) BorderPixel(rows, W, k, x, &q[3 * (x - r.Left)]);
        if (xa < xb) InteriorRow(above, mid, below, k, 3 * xa, 3 * xb, &q[3 * (xa - r.Left)], narrow);
        for (int x = std::max(xb, r.Left); x < r.Right; ++x) BorderPixel(rows, W, k, x, &q[3 * (x - r.Left)]);
        FinishRow(q, r.Right - r.Left, divisor, grey, out + 3 * r.Left, where->MaskAt(r.Left, y));
    }
};

// One image filtered in place. Each band walks down its rows reading a copy of the row it writes
// and of the row above; the two rows on each side of every band boundary are kept aside before
// any band starts, since the neighbouring band still has to read them.
void FilterInPlace(Image& img, const Pass& pass) {
    const int W = pass.W, H = pass.H;
    const int top = pass.r.Top, rh = pass.r.Bottom - pass.r.Top;
    const size_t rowBytes = static_cast<size_t>(W) * 3;
    const int bands = std::max(1, std::min(ThreadCount(), rh / 32));
    auto bandStart = [&](int i) { return top + static_cast<int>(static_cast<int64_t>(rh) * i / bands); };
    std::vector<uint8_t> saved(static_cast<size_t>(bands) * 2 * rowBytes);
    auto savedRow = [&](int slot) { return saved.data() + static_cast<size_t>(slot) * rowBytes; };
    for (int i = 1; i < bands; ++i) {
        const int s = bandStart(i);
        std::copy(img.row(s - 1), img.row(s - 1) + rowBytes, savedRow(2 * i));
        std::copy(img.row(s), img.row(s) + rowBytes, savedRow(2 * i + 1));
    }
    ParallelRows(
        bands,
        [&](int i0, int i1) {
            std::vector<int32_t> q(static_cast<size_t>(3) * (pass.r.Right - pass.r.Left));
            // The row above and the current row as they were, taking turns.
            std::vector<uint8_t> kept(2 * rowBytes);
            for (int i = i0; i < i1; ++i) {
                const int b = bandStart(i), e = bandStart(i + 1);
                // Above the rectangle nothing is written, so the image still holds that row.
                const uint8_t* above = b == 0 ? nullptr : (i == 0 ? img.row(b - 1) : savedRow(2 * i));
                for (int y = b; y < e; ++y) {
                    const uint8_t* below = nullptr;
                    if (y + 1 < H) below = (y + 1 == e && i + 1 < bands) ? savedRow(2 * (i + 1) + 1) : img.row(y + 1);
                    uint8_t* mid = kept.data() + static_cast<size_t>(y & 1) * rowBytes;
                    std::copy(img.row(y), img.row(y) + rowBytes, mid);
                    pass.Row(above, mid, below, y, img.row(y), q.data());
                    above = mid;
                }
            }
        },
        1);
}

}  // namespace

void KernelFilter(const Image& src, Image& dst, const KernelRegister& kernel, bool grey, const Confinement& where) {
    const int W = src.width(), H = src.height();
    if (W <= 0 || H <= 0 || dst.width() != W || dst.height() != H) return;
    Pass pass;
    pass.r = where.Clip(W, H);
    if (pass.r.empty()) return;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) pass.k.w[i][j] = kernel.weights[i][j];
    pass.divisor = kernel.divisor == 0 ? 1 : kernel.divisor;
    int64_t reach = 0;
    for (auto& row : pass.k.w)
        for (int32_t v : row) reach += std::llabs(static_cast<long long>(v)) * 255;
    pass.narrow = reach <= 32767;
    pass.grey = grey;
    pass.W = W;
    pass.H = H;
    pass.where = &where;

    if (&src == &dst) {
        FilterInPlace(dst, pass);
        return;
    }
    const int rw = pass.r.Right - pass.r.Left;
    ParallelRows(pass.r.Bottom - pass.r.Top, [&](int i0, int i1) {
        std::vector<int32_t> q(static_cast<size_t>(3) * rw);
        for (int i = i0; i < i1; ++i) {
            const int y = pass.r.Top + i;
            pass.Row(y > 0 ? src.row(y - 1) : nullptr, src.row(y), y + 1 < H ? src.row(y + 1) : nullptr, y,
                     dst.row(y), q.data());
        }
    });
}

}  // namespace lum
