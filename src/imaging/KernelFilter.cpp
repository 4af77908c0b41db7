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
// Wrapping 32-bit arithmetic, so no weights can make it undefined.
inline void BorderPixel(const Image& src, const Taps& k, int x, int y, int32_t* out) {
    const int W = src.width(), H = src.height();
    const uint8_t* centre = src.row(y) + 3 * x;
    uint32_t sb = 0, sg = 0, sr = 0;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j) {
            const int nx = x + j, ny = y + i;
            const uint8_t* p = (nx < 0 || nx >= W || ny < 0 || ny >= H) ? centre : src.row(ny) + 3 * nx;
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
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
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

}  // namespace

void KernelFilter(const Image& src, Image& dst, const KernelRegister& kernel, bool grey, const Confinement& where) {
    if (&src == &dst) {
        // Every pixel reads the image as it was before the pass.
        Image copy(src);
        KernelFilter(copy, dst, kernel, grey, where);
        return;
    }
    const int W = src.width(), H = src.height();
    if (W <= 0 || H <= 0 || dst.width() != W || dst.height() != H) return;
    const Rect r = where.Clip(W, H);
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    Taps k{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) k.w[i][j] = kernel.weights[i][j];
    const int32_t divisor = kernel.divisor == 0 ? 1 : kernel.divisor;
    int64_t reach = 0;
    for (auto& row : k.w)
        for (int32_t v : row) reach += std::llabs(static_cast<long long>(v)) * 255;
    const bool narrow = reach <= 32767;

    const int rw = r.Right - r.Left, rh = r.Bottom - r.Top;
    const int lastX = r.Right - 1;
    ParallelRows(rh, [&](int i0, int i1) {
        std::vector<int32_t> q(static_cast<size_t>(3) * rw);
        for (int i = i0; i < i1; ++i) {
            const int y = r.Top + i;
            // Pixels whose whole neighbourhood is inside the image take the fast path.
            int xa = r.Left, xb = r.Right;  // interior span [xa, xb)
            if (y == 0 || y == H - 1) {
                xa = xb;
            } else {
                xa = std::max(xa, 1);
                xb = std::min(xb, W - 1);
                if (xa > xb) xa = xb;
            }
            for (int x = r.Left; x < std::min(xa, r.Right); ++x) BorderPixel(src, k, x, y, &q[3 * (x - r.Left)]);
            if (xa < xb) {
                int32_t* out = &q[3 * (xa - r.Left)];
                InteriorRow(src.row(y - 1), src.row(y), src.row(y + 1), k, 3 * xa, 3 * xb, out, narrow);
            }
            for (int x = std::max(xb, r.Left); x <= lastX; ++x) BorderPixel(src, k, x, y, &q[3 * (x - r.Left)]);
            FinishRow(q.data(), rw, divisor, grey, dst.row(y) + 3 * r.Left, where.MaskAt(r.Left, y));
        }
    });
}

}  // namespace lum
