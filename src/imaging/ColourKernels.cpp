// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/ColourKernels.h"

#include <algorithm>
#include <atomic>

#include "image/Arith.h"
#include "image/Parallel.h"
#include "image/Tables.h"

// The hot rows are compiled twice, for the baseline and for AVX2, and picked at load time.
// Both clones run the same integer code, so the choice never changes a result.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(__SANITIZE_THREAD__)
#define LUM_CLONES __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define LUM_CLONES
#endif
#define LUM_INLINE inline __attribute__((always_inline))

namespace lum {
namespace colour {

ToneSteps MakeToneSteps(int dR, int dG, int dB) {
    const ToneTableT& tone = ToneTable();
    ToneSteps s;
    for (int sum = 0; sum < 766; ++sum) {
        const int32_t t = tone[sum / 3];
        s.r[sum] = idiv(dR * (t - 4), 256);
        s.g[sum] = idiv(dG * (t - 8), 256);
        s.b[sum] = idiv(dB * t, 256);
        if (s.r[sum] < -128 || s.r[sum] > 127 || s.g[sum] < -128 || s.g[sum] > 127 || s.b[sum] < -128 ||
            s.b[sum] > 127)
            s.bytes = false;
        s.packed[sum] = (static_cast<uint32_t>(s.b[sum]) & 0xFF) | ((static_cast<uint32_t>(s.g[sum]) & 0xFF) << 8) |
                        ((static_cast<uint32_t>(s.r[sum]) & 0xFF) << 16);
    }
    return s;
}

Rect CentralRegion(int width, int height) {
    auto part = [](int n, int k) { return static_cast<int>(static_cast<int64_t>(k) * n / 16); };
    return Rect{part(width, 3), part(height, 3), part(width, 13), part(height, 13)};
}

ChannelSums SumRect(const Image& img, const Rect& r) {
    ChannelSums total;
    if (RectEmpty(r)) return total;
    std::atomic<int64_t> sr{0}, sg{0}, sb{0};
    const int x0 = r.Left, x1 = r.Right + 1;
    // Integer sums are the same whatever order the bands finish in.
    ParallelRows(
        r.Bottom - r.Top + 1,
        [&](int b, int e) {
            int64_t br = 0, bg = 0, bb = 0;
            for (int y = r.Top + b; y < r.Top + e; ++y) {
                // 32-bit sums over runs short enough never to overflow, then 64-bit.
                constexpr int kRun = 1 << 16;
                for (int xs = x0; xs < x1; xs += kRun) {
                    const int xe = std::min(x1, xs + kRun);
                    const uint8_t* p = img.row(y) + 3 * static_cast<size_t>(xs);
                    uint32_t rr = 0, gg = 0, bl = 0;
                    for (int x = xs; x < xe; ++x, p += 3) {
                        bl += p[0];
                        gg += p[1];
                        rr += p[2];
                    }
                    br += rr;
                    bg += gg;
                    bb += bl;
                }
            }
            sr += br;
            sg += bg;
            sb += bb;
        },
        64);
    total.r = sr.load();
    total.g = sg.load();
    total.b = sb.load();
    total.count = static_cast<int64_t>(r.Right - r.Left + 1) * (r.Bottom - r.Top + 1);
    return total;
}

bool BalanceAmounts(const Image& img, const Rect& wanted, const Rgb& target, int& dR, int& dG, int& dB) {
    // Only pixels that exist are measured; nothing left means nothing to divide by.
    const Rect sample{std::max(wanted.Left, 0), std::max(wanted.Top, 0), std::min(wanted.Right, img.width() - 1),
                      std::min(wanted.Bottom, img.height() - 1)};
    if (RectEmpty(sample)) return false;
    const ChannelSums s = SumRect(img, sample);
    if (s.count <= 0) return false;
    dR = target.R - static_cast<int>(s.r / s.count);
    dG = target.G - static_cast<int>(s.g / s.count);
    dB = target.B - static_cast<int>(s.b / s.count);
    return true;
}

// ---- per-pixel modes ----

LUM_INLINE static uint8_t clamp255(int32_t v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

void ToneShiftPixel(const uint8_t* s, uint8_t* d, const ToneSteps& t) {
    const int32_t b = s[0], g = s[1], r = s[2];
    const int32_t sum = r + g + b;
    d[0] = clamp255(b + t.b[sum]);
    d[1] = clamp255(g + t.g[sum]);
    d[2] = clamp255(r + t.r[sum]);
}

void LightenPixel(const uint8_t* s, uint8_t* d) {
    for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>((3 * s[c] + 255) / 4);
}

// Byte offsets (blue 0, green 1, red 2) of the changed channel and its source, per kind.
static bool shiftChannels(int kind, int& changed, int& from) {
    switch (kind) {
        case 1: changed = 2; from = 1; return true;  // red from green
        case 2: changed = 0; from = 1; return true;  // blue from green
        case 3: changed = 1; from = 2; return true;  // green from red
        case 4: changed = 0; from = 2; return true;  // blue from red
        case 5: changed = 2; from = 0; return true;  // red from blue
        case 6: changed = 1; from = 0; return true;  // green from blue
        default: return false;
    }
}

void ChannelShiftPixel(const uint8_t* s, uint8_t* d, int kind) {
    d[0] = s[0];
    d[1] = s[1];
    d[2] = s[2];
    int c, f;
    if (shiftChannels(kind, c, f)) d[c] = static_cast<uint8_t>((7 * s[c] + s[f]) / 8);
}

LUM_CLONES void ToneShiftRow(const uint8_t* __restrict src, uint8_t* __restrict dst, int x0, int x1,
                             const ToneSteps& t) {
    if (t.bytes) {
        const uint32_t* __restrict tp = t.packed.data();
#pragma GCC ivdep
        for (int x = x0; x < x1; ++x) {
            const int32_t b = src[3 * x], g = src[3 * x + 1], r = src[3 * x + 2];
            const uint32_t pk = tp[r + g + b];
            dst[3 * x] = clamp255(b + static_cast<int8_t>(pk));
            dst[3 * x + 1] = clamp255(g + static_cast<int8_t>(pk >> 8));
            dst[3 * x + 2] = clamp255(r + static_cast<int8_t>(pk >> 16));
        }
        return;
    }
    const int32_t* __restrict sr = t.r.data();
    const int32_t* __restrict sg = t.g.data();
    const int32_t* __restrict sb = t.b.data();
#pragma GCC ivdep
    for (int x = x0; x < x1; ++x) {
        const int32_t b = src[3 * x], g = src[3 * x + 1], r = src[3 * x + 2];
        const int32_t sum = r + g + b;
        dst[3 * x] = clamp255(b + sb[sum]);
        dst[3 * x + 1] = clamp255(g + sg[sum]);
        dst[3 * x + 2] = clamp255(r + sr[sum]);
    }
}

LUM_CLONES void LightenRow(const uint8_t* __restrict src, uint8_t* __restrict dst, int x0, int x1) {
#pragma GCC ivdep
    for (int i = 3 * x0; i < 3 * x1; ++i) dst[i] = static_cast<uint8_t>((3 * src[i] + 255) >> 2);
}

LUM_CLONES void ChannelShiftRow(const uint8_t* __restrict src, uint8_t* __restrict dst, int x0, int x1,
                                int kind) {
    int c, f;
    const bool shifts = shiftChannels(kind, c, f);
#pragma GCC ivdep
    for (int i = 3 * x0; i < 3 * x1; ++i) dst[i] = src[i];
    if (!shifts) return;
#pragma GCC ivdep
    for (int x = x0; x < x1; ++x)
        dst[3 * x + c] = static_cast<uint8_t>((7 * src[3 * x + c] + src[3 * x + f]) >> 3);
}

// second may be dst itself (blending an image with itself): each byte is read before it is written.
LUM_CLONES void BlendRowInPlace(uint8_t* dst, const uint8_t* second, int n, int p) {
    if (p >= 0 && p <= 100) {
        const uint32_t uf = static_cast<uint32_t>(100 - p), us = static_cast<uint32_t>(p);
#pragma GCC ivdep
        for (int i = 0; i < n; ++i) dst[i] = static_cast<uint8_t>((uf * dst[i] + us * second[i]) / 100u);
        return;
    }
    const int32_t wf = 100 - p, ws = p;
#pragma GCC ivdep
    for (int i = 0; i < n; ++i) dst[i] = clamp255((wf * dst[i] + ws * second[i]) / 100);
}

// ---- planar rows of the optimize action ----

LUM_CLONES void SplitRow(const uint8_t* __restrict src, PlaneRow out, int n) {
    int32_t* __restrict r = out.r;
    int32_t* __restrict g = out.g;
    int32_t* __restrict b = out.b;
#pragma GCC ivdep
    for (int x = 0; x < n; ++x) {
        b[x] = src[3 * x];
        g[x] = src[3 * x + 1];
        r[x] = src[3 * x + 2];
    }
}

LUM_CLONES void MergeRow(ConstPlaneRow in, uint8_t* __restrict dst, int n) {
    const int32_t* __restrict r = in.r;
    const int32_t* __restrict g = in.g;
    const int32_t* __restrict b = in.b;
#pragma GCC ivdep
    for (int x = 0; x < n; ++x) {
        dst[3 * x] = static_cast<uint8_t>(b[x]);
        dst[3 * x + 1] = static_cast<uint8_t>(g[x]);
        dst[3 * x + 2] = static_cast<uint8_t>(r[x]);
    }
}

LUM_CLONES void ToneShiftRowPlanar(const uint8_t* __restrict src, PlaneRow shifted, int n, const ToneSteps& t) {
    int32_t* __restrict ar = shifted.r;
    int32_t* __restrict ag = shifted.g;
    int32_t* __restrict ab = shifted.b;
    if (t.bytes) {
        const uint32_t* __restrict tp = t.packed.data();
#pragma GCC ivdep
        for (int x = 0; x < n; ++x) {
            const int32_t b = src[3 * x], g = src[3 * x + 1], r = src[3 * x + 2];
            const uint32_t pk = tp[r + g + b];
            const int32_t nb = b + static_cast<int8_t>(pk), ng = g + static_cast<int8_t>(pk >> 8),
                          nr = r + static_cast<int8_t>(pk >> 16);
            ab[x] = nb < 0 ? 0 : (nb > 255 ? 255 : nb);
            ag[x] = ng < 0 ? 0 : (ng > 255 ? 255 : ng);
            ar[x] = nr < 0 ? 0 : (nr > 255 ? 255 : nr);
        }
        return;
    }
    for (int x = 0; x < n; ++x) {
        const int32_t b = src[3 * x], g = src[3 * x + 1], r = src[3 * x + 2];
        const int32_t sum = r + g + b;
        ab[x] = clamp255(b + t.b[sum]);
        ag[x] = clamp255(g + t.g[sum]);
        ar[x] = clamp255(r + t.r[sum]);
    }
}

// second and dst may be the same row: each pixel is read before it is written.
LUM_CLONES void BlendPlanarToRow(ConstPlaneRow first, const uint8_t* second, uint8_t* dst, int n, int p) {
    const int32_t* __restrict fr = first.r;
    const int32_t* __restrict fg = first.g;
    const int32_t* __restrict fb = first.b;
    if (p >= 0 && p <= 100) {
        // Both weights non-negative: a weighted mean of bytes, unsigned and never out of range.
        const uint32_t uf = static_cast<uint32_t>(100 - p), us = static_cast<uint32_t>(p);
        auto mix = [&](int32_t f, uint32_t v) {
            return static_cast<uint8_t>((uf * static_cast<uint32_t>(f) + us * v) / 100u);
        };
#pragma GCC ivdep
        for (int x = 0; x < n; ++x) {
            const uint32_t b = second[3 * x], g = second[3 * x + 1], r = second[3 * x + 2];
            dst[3 * x] = mix(fb[x], b);
            dst[3 * x + 1] = mix(fg[x], g);
            dst[3 * x + 2] = mix(fr[x], r);
        }
        return;
    }
    const int32_t wf = 100 - p, ws = p;
#pragma GCC ivdep
    for (int x = 0; x < n; ++x) {
        const int32_t b = second[3 * x], g = second[3 * x + 1], r = second[3 * x + 2];
        dst[3 * x] = clamp255((wf * fb[x] + ws * b) / 100);
        dst[3 * x + 1] = clamp255((wf * fg[x] + ws * g) / 100);
        dst[3 * x + 2] = clamp255((wf * fr[x] + ws * r) / 100);
    }
}

// ---- selective smoothing ----

// Largest squared distance of two colours: 3 x 255^2.
static constexpr int64_t kMaxDistance2 = 3LL * 255 * 255;

SmoothParams MakeSmoothParams(int threshold, int isolationLimit, const int weights[9]) {
    SmoothParams p;
    const int64_t t2 = static_cast<int64_t>(threshold) * threshold;
    p.threshold2 = static_cast<int32_t>(std::min(t2, kMaxDistance2));
    p.iso = isolationLimit;
    int64_t total = 0, neighbours = 0;
    bool nonNegative = true;
    for (int i = 0; i < 9; ++i) {
        p.w[i] = weights[i];
        if (weights[i] < 0) nonNegative = false;
        total += weights[i];
        if (i != 4) neighbours += weights[i];
    }
    // Within these bounds every quotient is below 2^24 / divisor, so one single-precision
    // division gives the exact floor (see roundRatio below).
    p.fast = nonNegative && p.w[4] >= 1 && neighbours >= 1 && total <= 255;
    return p;
}

// round(a / b), ties to even, exactly, for any signs; b != 0.
static int64_t roundRatio(int64_t a, int64_t b) {
    if (b < 0) {
        a = -a;
        b = -b;
    }
    int64_t q = a / b, r = a % b;
    if (r < 0) {
        --q;
        r += b;
    }
    if (2 * r > b || (2 * r == b && (q & 1))) ++q;
    return q;
}

// Any weights: 64-bit sums and exact rational rounding. A divisor of zero (possible only with
// zero or negative weights) would have no value at all; the centre channel is kept instead.
static void smoothRowGeneral(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn, PlaneRow out, int n,
                             const SmoothParams& p) {
    const int64_t cw = p.w[4];
    int64_t w8 = 0;
    for (int i = 0; i < 9; ++i)
        if (i != 4) w8 += p.w[i];
    const int64_t isoDiv = 2 * (w8 + cw / 2);
    for (int x = 1; x < n - 1; ++x) {
        const int32_t C[3] = {mid.r[x], mid.g[x], mid.b[x]};
        const int32_t* rows[3][3] = {{up.r, up.g, up.b}, {mid.r, mid.g, mid.b}, {dn.r, dn.g, dn.b}};
        int64_t sim[3] = {cw * C[0], cw * C[1], cw * C[2]}, all[3] = {0, 0, 0};
        int64_t ws = cw;
        int count = 0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                if (i == 1 && j == 1) continue;
                const int64_t w = p.w[3 * i + j];
                const int32_t v[3] = {rows[i][0][x + j - 1], rows[i][1][x + j - 1], rows[i][2][x + j - 1]};
                const int32_t dr = v[0] - C[0], dg = v[1] - C[1], db = v[2] - C[2];
                const bool similar = dr * dr + dg * dg + db * db <= p.threshold2;
                for (int c = 0; c < 3; ++c) {
                    all[c] += w * v[c];
                    if (similar) sim[c] += w * v[c];
                }
                if (similar) {
                    ws += w;
                    ++count;
                }
            }
        int32_t* dst[3] = {out.r, out.g, out.b};
        for (int c = 0; c < 3; ++c) {
            int64_t a, b;
            if (count > 1 || p.iso != -1) {
                if (count > p.iso) {
                    a = sim[c];
                    b = ws;
                } else {
                    a = all[c];
                    b = w8;
                }
            } else {
                // The centre weighs half; numerator and divisor doubled to stay integral.
                a = 2 * all[c] + cw * C[c];
                b = isoDiv;
            }
            const int64_t v = b == 0 ? C[c] : roundRatio(a, b);
            dst[c][x] = v < 0 ? 0 : (v > 255 ? 255 : static_cast<int32_t>(v));
        }
    }
}

// round(a / b) ties to even for 0 <= a, 1 <= b and 2a + b < 2^24: the correctly rounded float
// quotient of n = 2a + b by 2b never reaches the next integer (the true quotient stays at least
// 1/(2b) below it while the rounding error is below q x 2^-24), so truncating it is the exact
// floor of a/b + 1/2; an exact quotient is a tie, which goes to the even neighbour.
LUM_INLINE static int32_t roundRatioFast(int32_t a, int32_t b, float d2) {
    const int32_t num = 2 * a + b;
    int32_t q = static_cast<int32_t>(static_cast<float>(num) / d2);
    const int32_t tie = -static_cast<int32_t>(q * 2 * b == num);
    q -= tie & q & 1;
    return std::min(q, 255);
}

// Weights read at run time, or fixed at compile time for the two kernels of the optimize
// action (corners A, edges B, centre C) so that the products become shifts and adds.
struct RuntimeWeights {
    const int32_t* w;
    int32_t operator[](int i) const { return w[i]; }
};
template <int A, int B, int C>
struct FixedWeights {
    constexpr int32_t operator[](int i) const { return i == 4 ? C : (i % 2 == 0 ? A : B); }
};

template <bool kIsoMinus1, class Weights>
LUM_INLINE static void smoothRowFastBody(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn, PlaneRow out,
                                         int n, const SmoothParams& p, Weights wt) {
    const int32_t* __restrict ur = up.r;
    const int32_t* __restrict ug = up.g;
    const int32_t* __restrict ub = up.b;
    const int32_t* __restrict mr = mid.r;
    const int32_t* __restrict mg = mid.g;
    const int32_t* __restrict mb = mid.b;
    const int32_t* __restrict dr_ = dn.r;
    const int32_t* __restrict dg_ = dn.g;
    const int32_t* __restrict db_ = dn.b;
    int32_t* __restrict orr = out.r;
    int32_t* __restrict og = out.g;
    int32_t* __restrict ob = out.b;
    const int32_t w0 = wt[0], w1 = wt[1], w2 = wt[2], w3 = wt[3], cw = wt[4], w5 = wt[5], w6 = wt[6], w7 = wt[7],
                  w8 = wt[8];
    const int32_t wn = w0 + w1 + w2 + w3 + w5 + w6 + w7 + w8;
    const int32_t isoDiv = 2 * (wn + cw / 2);
    const int32_t t2 = p.threshold2, iso = p.iso;
    // Output planes never overlap the input rows.
#pragma GCC ivdep
    for (int x = 1; x < n - 1; ++x) {
        const int32_t R = mr[x], G = mg[x], B = mb[x];
        int32_t sr = cw * R, sg = cw * G, sb = cw * B, ws = cw, cnt = 0;
        int32_t ar = 0, ag = 0, ab = 0;
        auto visit = [&](int32_t r, int32_t g, int32_t b, int32_t w) {
            const int32_t dr = r - R, dg = g - G, db = b - B;
            const int32_t m = -static_cast<int32_t>(dr * dr + dg * dg + db * db <= t2);
            const int32_t vr = w * r, vg = w * g, vb = w * b;
            ar += vr;
            ag += vg;
            ab += vb;
            sr += vr & m;
            sg += vg & m;
            sb += vb & m;
            ws += w & m;
            cnt -= m;
        };
        visit(ur[x - 1], ug[x - 1], ub[x - 1], w0);
        visit(ur[x], ug[x], ub[x], w1);
        visit(ur[x + 1], ug[x + 1], ub[x + 1], w2);
        visit(mr[x - 1], mg[x - 1], mb[x - 1], w3);
        visit(mr[x + 1], mg[x + 1], mb[x + 1], w5);
        visit(dr_[x - 1], dg_[x - 1], db_[x - 1], w6);
        visit(dr_[x], dg_[x], db_[x], w7);
        visit(dr_[x + 1], dg_[x + 1], db_[x + 1], w8);
        // Lane masks rather than branches keep the loop vectorisable.
        int32_t nr, ng, nb, den;
        if (kIsoMinus1) {
            const int32_t m = -static_cast<int32_t>(cnt > 1);
            nr = (sr & m) | ((2 * ar + cw * R) & ~m);
            ng = (sg & m) | ((2 * ag + cw * G) & ~m);
            nb = (sb & m) | ((2 * ab + cw * B) & ~m);
            den = (ws & m) | (isoDiv & ~m);
        } else {
            const int32_t m = -static_cast<int32_t>(cnt > iso);
            nr = (sr & m) | (ar & ~m);
            ng = (sg & m) | (ag & ~m);
            nb = (sb & m) | (ab & ~m);
            den = (ws & m) | (wn & ~m);
        }
        const float d2 = static_cast<float>(2 * den);
        orr[x] = roundRatioFast(nr, den, d2);
        og[x] = roundRatioFast(ng, den, d2);
        ob[x] = roundRatioFast(nb, den, d2);
    }
}

LUM_CLONES static void smoothRowFastIsoMinus1(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn,
                                              PlaneRow out, int n, const SmoothParams& p) {
    smoothRowFastBody<true>(up, mid, dn, out, n, p, RuntimeWeights{p.w.data()});
}

LUM_CLONES static void smoothRowFastIso(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn, PlaneRow out,
                                        int n, const SmoothParams& p) {
    smoothRowFastBody<false>(up, mid, dn, out, n, p, RuntimeWeights{p.w.data()});
}

LUM_CLONES static void smoothRow121(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn, PlaneRow out, int n,
                                    const SmoothParams& p) {
    smoothRowFastBody<true>(up, mid, dn, out, n, p, FixedWeights<1, 2, 10>{});
}

LUM_CLONES static void smoothRow141(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn, PlaneRow out, int n,
                                    const SmoothParams& p) {
    smoothRowFastBody<true>(up, mid, dn, out, n, p, FixedWeights<1, 4, 10>{});
}

template <int A, int B, int C>
static bool hasWeights(const SmoothParams& p) {
    constexpr FixedWeights<A, B, C> f{};
    for (int i = 0; i < 9; ++i)
        if (p.w[i] != f[i]) return false;
    return true;
}

void SmoothRowPlanar(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn, PlaneRow out, int n,
                     const SmoothParams& p) {
    if (n < 3) return;
    if (!p.fast) smoothRowGeneral(up, mid, dn, out, n, p);
    else if (p.iso == -1 && hasWeights<1, 2, 10>(p)) smoothRow121(up, mid, dn, out, n, p);
    else if (p.iso == -1 && hasWeights<1, 4, 10>(p)) smoothRow141(up, mid, dn, out, n, p);
    else if (p.iso == -1) smoothRowFastIsoMinus1(up, mid, dn, out, n, p);
    else smoothRowFastIso(up, mid, dn, out, n, p);
}

}  // namespace colour
}  // namespace lum
