// SPDX-License-Identifier: GPL-3.0-or-later
// The two line loops of the Gaussian blur. GaussBlur.cpp includes this file several times, each
// time inside its own namespace, under a different instruction-set target and with LUM_VBYTES set
// to that set's vector width in bytes. No include guard on purpose.
//
// Lanes are independent outputs (bytes of one row, or byte columns of a strip of rows); every lane
// adds its products in the order m = -Size .. +Size with a separate multiply and add, which is
// exactly the scalar sum of BlurLine, so the width of the vectors never changes a result.

typedef double VecD __attribute__((vector_size(LUM_VBYTES)));
typedef int32_t VecI __attribute__((vector_size(LUM_VBYTES / 2)));
typedef uint8_t VecB __attribute__((vector_size(LUM_VBYTES / 8)));

constexpr int kLanes = LUM_VBYTES / 8;
constexpr int kUnroll = 8;                      // independent sums in flight
constexpr int kBlock = kLanes * kUnroll;        // outputs per inner block
constexpr int kStrip = 2 * kBlock;              // byte columns per vertical strip

inline VecD LoadD(const double* p) {
    VecD v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline VecD Splat(double x) {
    // Spelled out so that it compiles to one broadcast.
#if LUM_VBYTES == 64
    return VecD{x, x, x, x, x, x, x, x};
#elif LUM_VBYTES == 32
    return VecD{x, x, x, x};
#else
    return VecD{x, x};
#endif
}

// dst[i] = src[i] for i < n (a plain loop: the compiler widens it best by itself).
inline void WidenBytes(const uint8_t* __restrict src, double* __restrict dst, int n) {
    for (int i = 0; i < n; ++i) dst[i] = src[i];
}

// ClampToByte on each lane, written to dst[0 .. count-1] (count <= kLanes).
inline void StoreBytes(VecD acc, uint8_t* dst, int count) {
    const VecD lo = Splat(0.0), hi = Splat(255.0);
    acc = acc < lo ? lo : acc;
    acc = acc > hi ? hi : acc;
    VecI q = __builtin_convertvector(acc, VecI);  // truncation
    VecB b = __builtin_convertvector(q, VecB);
    if (count == kLanes)
        std::memcpy(dst, &b, sizeof b);
    else
        for (int i = 0; i < count; ++i) dst[i] = b[i];
}

// kBlock sums kept in registers (named, so the compiler does not spill an array of them).
struct Block {
    VecD a0, a1, a2, a3, a4, a5, a6, a7;
    // Adds w[t] * src(t)[lane] for t = 0 .. taps-1, in that order.
    template <typename Src>
    inline void Run(const double* w, int taps, Src src) {
        a0 = a1 = a2 = a3 = a4 = a5 = a6 = a7 = Splat(0.0);
        for (int t = 0; t < taps; ++t) {
            const VecD wv = Splat(w[t]);
            const double* p = src(t);
            a0 += wv * LoadD(p);
            a1 += wv * LoadD(p + kLanes);
            a2 += wv * LoadD(p + 2 * kLanes);
            a3 += wv * LoadD(p + 3 * kLanes);
            a4 += wv * LoadD(p + 4 * kLanes);
            a5 += wv * LoadD(p + 5 * kLanes);
            a6 += wv * LoadD(p + 6 * kLanes);
            a7 += wv * LoadD(p + 7 * kLanes);
        }
    }
    // The first count (at most kBlock wanted, fewer at the end of a line) outputs to dst.
    inline void Store(uint8_t* dst, int count) const {
        const VecD* all[kUnroll] = {&a0, &a1, &a2, &a3, &a4, &a5, &a6, &a7};
        for (int u = 0; u < kUnroll && u * kLanes < count; ++u) {
            const int left = count - u * kLanes;
            StoreBytes(*all[u], dst + u * kLanes, left < kLanes ? left : kLanes);
        }
    }
};

// Doubles needed by BlurRow's scratch for a line of n pixels and half-width s.
inline size_t RowScratch(int n, int s) { return static_cast<size_t>(3) * (n + 2 * s) + kBlock; }

// Blurs n pixels of 3 bytes in place. w[t] is the weight of m = t - s, t = 0 .. 2s.
// scratch holds RowScratch(n, s) doubles.
inline void BlurRow(uint8_t* line, int n, const double* w, int s, double* scratch) {
    const int nb = 3 * n;
    double* p = scratch;
    // The end pixels repeated s times beyond each end: the clamped index of the definition.
    for (int j = 0; j < s; ++j)
        for (int c = 0; c < 3; ++c) *p++ = line[c];
    WidenBytes(line, p, nb);
    p += nb;
    for (int j = 0; j < s; ++j)
        for (int c = 0; c < 3; ++c) *p++ = line[nb - 3 + c];
    for (int i = 0; i < kBlock; ++i) *p++ = 0.0;

    const int taps = 2 * s + 1;
    for (int b = 0; b < nb; b += kBlock) {
        // Output byte b takes line byte b - 3m, which sits at scratch[b + 3s - 3m].
        const double* base = scratch + b + 6 * s;
        Block acc;
        acc.Run(w, taps, [base](int t) { return base - 3 * t; });
        acc.Store(line + b, nb - b);
    }
}

// Doubles of VerticalStrip's ring for half-width s.
inline size_t StripScratch(int s) { return static_cast<size_t>(2 * s + 1) * kStrip; }

// Blurs byte columns b0 .. b0 + width - 1 (width <= kStrip) of rows[0 .. h-1] downwards, in place.
// A ring of 2s + 1 converted rows keeps every input row the outputs still need, so a row may be
// overwritten as soon as its own output is known.
inline void VerticalStrip(uint8_t* const* rows, int h, int b0, int width, const double* w, int s,
                          double* ring) {
    const int depth = 2 * s + 1;
    auto load = [&](int r) {  // virtual row r, -s <= r < h + s
        const uint8_t* src = rows[r < 0 ? 0 : (r >= h ? h - 1 : r)] + b0;
        double* dst = ring + static_cast<size_t>((r + s) % depth) * kStrip;
        WidenBytes(src, dst, width);
        for (int i = width; i < kStrip; ++i) dst[i] = 0.0;
    };
    for (int r = -s; r < s; ++r) load(r);
    const double* taps[201];  // Size is at most 100
    for (int y = 0; y < h; ++y) {
        // Rows lie a whole image row apart; fetch the coming ones early.
        if (y + s + 8 < h) {
            const uint8_t* ahead = rows[y + s + 8] + b0;
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + width - 1);
        }
        load(y + s);
        // Tap t is m = t - s and reads row y - m.
        int slot = (y + 2 * s) % depth;
        for (int t = 0; t < depth; ++t) {
            taps[t] = ring + static_cast<size_t>(slot) * kStrip;
            slot = slot == 0 ? depth - 1 : slot - 1;
        }
        uint8_t* out = rows[y] + b0;
        for (int lb = 0; lb < width; lb += kBlock) {
            Block acc;
            acc.Run(w, depth, [&taps, lb](int t) { return taps[t] + lb; });
            acc.Store(out + lb, width - lb);
        }
    }
}
