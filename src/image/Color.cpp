// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Color.h"

#include <algorithm>

#include "image/Arith.h"

namespace lum {

Hsv RgbToHsv(int r, int g, int b) {
    int v = std::max({r, g, b});
    int m = std::min({r, g, b});
    int delta = v - m;
    int s = v == 0 ? 0 : delta * 255 / v;
    if (s == 0) return {v, 0, 0};
    int h;
    if (r == v)
        h = (g - b) * 60 / delta;
    else if (g == v)
        h = (b - r) * 60 / delta + 120;
    else
        h = (r - g) * 60 / delta + 240;
    if (h < 1) h += 360;
    return {v, s, h};
}

Rgb HsvToRgb(int h, int s, int v) {
    if (h == 0 || s == 0 || v == 0) return {v, v, v};
    if (h == 360) h = 0;
    int f = h % 60;
    int p = v - s * v / 255;
    int t = v - s * v * (60 - f) / 15300;
    int q = v - s * v * f / 15300;
    switch (h / 60) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        case 5: return {v, p, q};
        default: return {0, 0, 0};
    }
}

Rect UnionRect(const Rect& a, const Rect& b) {
    if (a.empty()) return b.empty() ? Rect{} : b;
    if (b.empty()) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

FitResult FitRect(int boxW, int boxH, int imgW, int imgH, int marginX, int marginY, bool enlarge) {
    FitResult res;
    if (boxW < 1 || boxH < 1 || imgW < 1 || imgH < 1) return res;
    int availW = boxW - 2 * marginX;
    int availH = boxH - 2 * marginY;
    int w, h;
    if (enlarge || imgW > availW || imgH > availH) {
        float sx = static_cast<float>(availW) / static_cast<float>(imgW);
        float sy = static_cast<float>(availH) / static_cast<float>(imgH);
        res.scale = sx >= sy ? sy : sx;
        w = roundHalfEven(static_cast<double>(static_cast<float>(imgW) * res.scale));
        h = roundHalfEven(static_cast<double>(static_cast<float>(imgH) * res.scale));
    } else {
        w = imgW;
        h = imgH;
    }
    res.rect.Left = (boxW - w) / 2;
    res.rect.Top = (boxH - h) / 2;
    res.rect.Right = res.rect.Left + w;
    res.rect.Bottom = res.rect.Top + h;
    return res;
}

int IntDistance(int ax, int ay, int bx, int by) {
    const int64_t dx = int64_t{bx} - ax, dy = int64_t{by} - ay;
    return IntDistanceOfSquare(dx * dx + dy * dy);
}

int IntDistanceOfSquare(int64_t s) {
    int64_t q = (s + 1) / 2;
    for (int i = 0; i < 12; ++i)
        if (q > 0) q = (q + s / q) / 2;
    return static_cast<int>(q);
}

ColourWindow MakeColourWindow(Colour centre, int half) {
    const auto lo = [half](int v) { return static_cast<int>(std::max<int64_t>(int64_t{v} - half, 0)); };
    const auto hi = [half](int v) { return static_cast<int>(std::min<int64_t>(int64_t{v} + half, 255)); };
    ColourWindow w;
    w.lo = {lo(ColourR(centre)), lo(ColourG(centre)), lo(ColourB(centre))};
    w.hi = {hi(ColourR(centre)), hi(ColourG(centre)), hi(ColourB(centre))};
    return w;
}

}  // namespace lum
