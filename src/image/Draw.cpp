// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Draw.h"

#include <algorithm>
#include <cstring>

namespace lum {

namespace {

// The part of a w x h picture placed at (x, y) that lands on a dw x dh destination:
// destination columns [x0, x1) and rows [y0, y1).
struct Overlap {
    int x0, y0, x1, y1;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

Overlap Place(int dw, int dh, int x, int y, int w, int h) {
    const int64_t x1 = std::min<int64_t>(static_cast<int64_t>(x) + w, dw);
    const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(y) + h, dh);
    return Overlap{std::max(x, 0), std::max(y, 0), static_cast<int>(std::max<int64_t>(x1, 0)),
                   static_cast<int>(std::max<int64_t>(y1, 0))};
}

}  // namespace

void FillPixels(uint8_t* p, int count, Colour colour) {
    const uint8_t b = static_cast<uint8_t>(ColourB(colour)), g = static_cast<uint8_t>(ColourG(colour)),
                  r = static_cast<uint8_t>(ColourR(colour));
    for (int i = 0; i < count; ++i, p += 3) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
}

void FillRect(Image& img, const Rect& r, Colour colour) {
    const int x0 = std::max(r.Left, 0), y0 = std::max(r.Top, 0);
    const int x1 = std::min(r.Right, img.width()), y1 = std::min(r.Bottom, img.height());
    if (x1 <= x0 || y1 <= y0) return;
    for (int y = y0; y < y1; ++y) FillPixels(img.row(y) + 3 * static_cast<size_t>(x0), x1 - x0, colour);
}

void DrawImage(Image& dst, const Image& src, int x, int y) {
    if (&src == &dst) {
        const Image copy = src;
        DrawImage(dst, copy, x, y);
        return;
    }
    const Overlap o = Place(dst.width(), dst.height(), x, y, src.width(), src.height());
    if (o.empty()) return;
    const size_t n = 3 * static_cast<size_t>(o.x1 - o.x0);
    for (int dy = o.y0; dy < o.y1; ++dy)
        std::memcpy(dst.row(dy) + 3 * static_cast<size_t>(o.x0), src.pixel(o.x0 - x, dy - y), n);
}

void DrawImage(Image& dst, const Image& src, int x, int y, Colour transparent) {
    if (&src == &dst) {
        const Image copy = src;
        DrawImage(dst, copy, x, y, transparent);
        return;
    }
    const Overlap o = Place(dst.width(), dst.height(), x, y, src.width(), src.height());
    if (o.empty()) return;
    const uint8_t tb = static_cast<uint8_t>(ColourB(transparent)), tg = static_cast<uint8_t>(ColourG(transparent)),
                  tr = static_cast<uint8_t>(ColourR(transparent));
    for (int dy = o.y0; dy < o.y1; ++dy) {
        uint8_t* d = dst.row(dy) + 3 * static_cast<size_t>(o.x0);
        const uint8_t* s = src.pixel(o.x0 - x, dy - y);
        for (int dx = o.x0; dx < o.x1; ++dx, d += 3, s += 3) {
            if (s[0] == tb && s[1] == tg && s[2] == tr) continue;
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
}

void CopyRect(Image& dst, const Image& src, const Rect& r) {
    if (&src == &dst) return;
    const int x0 = std::max(r.Left, 0), y0 = std::max(r.Top, 0);
    const int x1 = std::min({r.Right, dst.width(), src.width()});
    const int y1 = std::min({r.Bottom, dst.height(), src.height()});
    if (x1 <= x0 || y1 <= y0) return;
    const size_t n = 3 * static_cast<size_t>(x1 - x0);
    for (int y = y0; y < y1; ++y) std::memcpy(dst.pixel(x0, y), src.pixel(x0, y), n);
}

void FillMask(Image& img, const Mask& mask, int x, int y, Colour colour) {
    const Overlap o = Place(img.width(), img.height(), x, y, mask.width(), mask.height());
    if (o.empty()) return;
    for (int dy = o.y0; dy < o.y1; ++dy) {
        uint8_t* row = img.row(dy);
        ForEachNonZeroRun(mask.row(dy - y) + (o.x0 - x), o.x1 - o.x0, [&](int i0, int i1) {
            FillPixels(row + 3 * static_cast<size_t>(o.x0 + i0), i1 - i0, colour);
        });
    }
}

}  // namespace lum
