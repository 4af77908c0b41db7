// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/Brush.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "image/Arith.h"

namespace lum {

namespace {

// Distances from a dab's centre indexed by |dy| x stride + |dx|. The brush is round by the
// iterated distance, which differs from the true one in places (12, 12 lies outside radius
// 16), so the table holds exactly IntDistance.
constexpr int kTableRadius = 64;

const int32_t* SharedQuadrant() {
    static const std::vector<int32_t> table = [] {
        std::vector<int32_t> t(static_cast<size_t>(kTableRadius + 1) * (kTableRadius + 1));
        for (int dy = 0; dy <= kTableRadius; ++dy)
            for (int dx = 0; dx <= kTableRadius; ++dx)
                t[static_cast<size_t>(dy) * (kTableRadius + 1) + dx] = IntDistance(0, 0, dx, dy);
        return t;
    }();
    return table.data();
}

struct Quadrant {
    const int32_t* d = nullptr;
    size_t stride = 0;
    std::vector<int32_t> own;  // only for radii beyond the shared table

    explicit Quadrant(int r) {
        if (r <= kTableRadius) {
            d = SharedQuadrant();
            stride = kTableRadius + 1;
            return;
        }
        stride = static_cast<size_t>(r) + 1;
        own.resize(stride * stride);
        for (int dy = 0; dy <= r; ++dy)
            for (int dx = 0; dx <= r; ++dx) own[static_cast<size_t>(dy) * stride + dx] = IntDistance(0, 0, dx, dy);
        d = own.data();
    }
};

// The dab's square clipped to the image, inclusive bounds.
struct DabClip {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    bool empty() const { return x1 < x0 || y1 < y0; }
};

DabClip ClipDab(const Image& work, int cx, int cy, int r) {
    DabClip c;
    if (work.empty() || r < 0) return c;
    c.x0 = static_cast<int>(std::max<int64_t>(int64_t{cx} - r, 0));
    c.y0 = static_cast<int>(std::max<int64_t>(int64_t{cy} - r, 0));
    c.x1 = static_cast<int>(std::min<int64_t>(int64_t{cx} + r, work.width() - 1));
    c.y1 = static_cast<int>(std::min<int64_t>(int64_t{cy} + r, work.height() - 1));
    return c;
}

// Calls f(pixel, x, y, d) for every pixel of the dab inside the image, rows top to bottom and
// each row left to right. The clip keeps |x - cx| and |y - cy| within r.
template <class F>
void ForEachDabPixel(Image& work, const DabClip& c, int cx, int cy, int r, F&& f) {
    const Quadrant q(r);
    for (int y = c.y0; y <= c.y1; ++y) {
        uint8_t* row = work.row(y);
        const int32_t* dist = q.d + static_cast<size_t>(std::abs(y - cy)) * q.stride;
        for (int x = c.x0; x <= c.x1; ++x) {
            const int d = dist[std::abs(x - cx)];
            if (d <= r) f(row + 3 * static_cast<size_t>(x), x, y, d);
        }
    }
}

// The 3 x 3 kernels sum to 128; each channel becomes (S + 3) div 128 of the current pixels.
template <bool Sharpen>
void KernelDab(Image& work, const DabClip& c, int cx, int cy, int r) {
    const int W = work.width(), H = work.height();
    const ptrdiff_t stride = static_cast<ptrdiff_t>(work.stride());
    ForEachDabPixel(work, c, cx, cy, r, [&](uint8_t* p, int x, int y, int) {
        if (x == 0 || y == 0 || x == W - 1 || y == H - 1) return;
        const uint8_t* u = p - stride;
        const uint8_t* l = p + stride;
        for (int ch = 0; ch < 3; ++ch) {
            int32_t s;
            if (Sharpen)
                s = 132 * p[ch] - u[ch] - p[ch - 3] - p[ch + 3] - l[ch];
            else
                s = u[ch - 3] + 2 * u[ch] + u[ch + 3] + 2 * p[ch - 3] + 116 * p[ch] + 2 * p[ch + 3] + l[ch - 3] +
                    2 * l[ch] + l[ch + 3];
            p[ch] = clampByte(idiv(s + 3, 128));
        }
    });
}

void DaubDab(Image& work, const BrushStroke& st, const DabClip& c, int cx, int cy, int r) {
    const Image* src = st.SourceImage;
    if (!src || r <= 0) return;  // r = 0 would weigh by 0 / 0; its weight is 0 anyway
    const int64_t W = std::min(work.width(), src->width());
    const int64_t H = std::min(work.height(), src->height());
    const int32_t I = 4 * r;
    ForEachDabPixel(work, c, cx, cy, r, [&](uint8_t* p, int x, int y, int d) {
        const int64_t sx = int64_t{st.LastMouseX} + (x - cx);
        const int64_t sy = int64_t{st.LastMouseY} + (y - cy);
        if (sx < 0 || sy < 0 || sx >= W || sy >= H) return;
        const uint8_t* s = src->pixel(static_cast<int>(sx), static_cast<int>(sy));
        const int32_t w = std::max(r - d, 0);
        for (int ch = 0; ch < 3; ++ch) p[ch] = clampByte(idiv(p[ch] * (I - w) + w * s[ch], I));
    });
}

}  // namespace

uint32_t BrushRandom::ClockSeed() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks) ^ static_cast<uint32_t>(static_cast<uint64_t>(ticks) >> 32);
}

Rect ApplyDab(Image& work, const BrushStroke& st, int cx, int cy) {
    const int r = st.Radius;
    const DabClip c = ClipDab(work, cx, cy, r);
    if (c.empty()) return {};
    const Rect touched{c.x0, c.y0, c.x1 + 1, c.y1 + 1};

    switch (st.Kind) {
        case BrushKind::Soften: KernelDab<false>(work, c, cx, cy, r); break;
        case BrushKind::Sharpen: KernelDab<true>(work, c, cx, cy, r); break;
        case BrushKind::Lighten:
            ForEachDabPixel(work, c, cx, cy, r, [](uint8_t* p, int, int, int) {
                const int32_t s = p[0] + p[1] + p[2];
                for (int ch = 0; ch < 3; ++ch) {
                    const int32_t t = p[ch] + idiv(s, 512);
                    p[ch] = clampByte(t == p[ch] ? p[ch] + 1 : t);
                }
            });
            break;
        case BrushKind::Darken:
            // Only dabs whose centre has an even coordinate sum darken.
            if ((int64_t{cx} + cy) % 2 != 0) break;
            ForEachDabPixel(work, c, cx, cy, r, [](uint8_t* p, int, int, int) {
                const int32_t s = p[0] + p[1] + p[2];
                for (int ch = 0; ch < 3; ++ch) {
                    const int32_t t = p[ch] - idiv(s, 512);
                    p[ch] = clampByte(t == p[ch] ? p[ch] - 1 : t);
                }
            });
            break;
        case BrushKind::Daub: DaubDab(work, st, c, cx, cy, r); break;
        case BrushKind::Noise: {
            if (!st.Random) throw std::invalid_argument("the noise brush needs a random source");
            BrushRandom& rnd = *st.Random;
            // Red, then green, then blue: bytes 2, 1, 0.
            ForEachDabPixel(work, c, cx, cy, r, [&rnd](uint8_t* p, int, int, int) {
                for (int ch = 2; ch >= 0; --ch) p[ch] = clampByte(p[ch] + rnd.Next(3) - 1);
            });
            break;
        }
        case BrushKind::Spray: {
            const int32_t col[3] = {ColourB(st.BrushColor1), ColourG(st.BrushColor1), ColourR(st.BrushColor1)};
            ForEachDabPixel(work, c, cx, cy, r, [&col, r](uint8_t* p, int, int, int d) {
                const int32_t w = r - d;
                for (int ch = 0; ch < 3; ++ch) p[ch] = clampByte(idiv((128 - w) * p[ch] + w * col[ch], 128));
            });
            break;
        }
        case BrushKind::ColourEraser: {
            const ColourWindow win = MakeColourWindow(st.BrushColor2, kEraserHalfWidth);
            const uint8_t b = static_cast<uint8_t>(ColourB(st.BrushColor1));
            const uint8_t g = static_cast<uint8_t>(ColourG(st.BrushColor1));
            const uint8_t rd = static_cast<uint8_t>(ColourR(st.BrushColor1));
            ForEachDabPixel(work, c, cx, cy, r, [&](uint8_t* p, int, int, int) {
                if (!win.contains(p[2], p[1], p[0])) return;
                p[0] = b;
                p[1] = g;
                p[2] = rd;
            });
            break;
        }
    }
    return touched;
}

Rect BrushPress(Image& work, Image& source, BrushStroke& stroke, int x, int y) {
    source.assign(work);
    stroke.SourceImage = &source;
    stroke.LastMouseX = x;
    stroke.LastMouseY = y;
    return ApplyDab(work, stroke, x, y);
}

Rect BrushPath(Image& work, Image& source, BrushStroke& stroke, const std::vector<BrushPoint>& path) {
    if (path.empty()) return {};
    Rect all = BrushPress(work, source, stroke, path[0].X, path[0].Y);
    for (size_t i = 1; i < path.size(); ++i) all = UnionRect(all, ApplyDab(work, stroke, path[i].X, path[i].Y));
    return all;
}

}  // namespace lum
