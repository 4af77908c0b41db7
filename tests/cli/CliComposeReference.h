// SPDX-License-Identifier: GPL-3.0-or-later
// A second, plain implementation of the straight gradients, the lighten gradient and the mix,
// written from their rules one pixel at a time, to hold the command line's results against.
// Pixels are (r, g, b) triples of ints; nothing here calls the program's imaging code.
#pragma once
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace ref {

struct Px {
    int r = 0, g = 0, b = 0;
    bool operator==(const Px& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Picture {
    int w = 0, h = 0;
    std::vector<Px> px;
    Picture() = default;
    Picture(int width, int height, Px fill = Px()) : w(width), h(height), px(static_cast<size_t>(width) * height, fill) {}
    Px& at(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
    const Px& at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

inline int Clamp255(float v) {
    // Round half to even in the default rounding mode, then clamp.
    const float r = std::nearbyint(v);
    return r < 0 ? 0 : r > 255 ? 255 : static_cast<int>(r);
}

// --- gradients: "none" (0), "vertical" (1), "horizontal" (2) ---

inline Picture StraightGradient(int w, int h, int style, Px c1, Px c2, Px bg, int cx, int cy) {
    Picture p(w, h, bg);
    if (style == 0 || c1 == bg) return p;
    const bool vertical = style == 1;
    const int centre = vertical ? cx : cy;
    const int extent = vertical ? w : h;  // Left/Top 0, Right/Bottom = extent
    int span = centre;
    if (extent / 2 >= centre) span = extent - centre;
    if (span < 1) span = 1;
    const float s = static_cast<float>(span);
    const float step[3] = {static_cast<float>(c2.r - c1.r) / s, static_cast<float>(c2.g - c1.g) / s,
                           static_cast<float>(c2.b - c1.b) / s};
    const float base[3] = {static_cast<float>(c1.r), static_cast<float>(c1.g), static_cast<float>(c1.b)};
    for (int i = 0; i < extent; ++i) {
        const float d = static_cast<float>(std::abs(centre - i));
        float v[3];
        for (int k = 0; k < 3; ++k) {
            const float prod = d * step[k];
            v[k] = base[k] + prod;
        }
        const Px c{Clamp255(v[0]), Clamp255(v[1]), Clamp255(v[2])};
        if (vertical)
            for (int y = 0; y < h; ++y) p.at(i, y) = c;
        else
            for (int x = 0; x < w; ++x) p.at(x, i) = c;
    }
    return p;
}

// --- integer HSV and the lighten gradient ---

struct Hsv {
    int h, s, v;
};

inline Hsv ToHsv(Px c) {
    const int v = std::max({c.r, c.g, c.b}), m = std::min({c.r, c.g, c.b}), delta = v - m;
    const int s = v == 0 ? 0 : delta * 255 / v;
    if (s == 0) return {0, 0, v};
    int h;
    if (c.r == v) h = (c.g - c.b) * 60 / delta;
    else if (c.g == v) h = (c.b - c.r) * 60 / delta + 120;
    else h = (c.r - c.g) * 60 / delta + 240;
    if (h < 1) h += 360;
    return {h, s, v};
}

inline Px ToRgb(int h, int s, int v) {
    if (h == 0 || s == 0 || v == 0) return {v, v, v};
    if (h == 360) h = 0;
    const int f = h % 60;
    const int p = v - s * v / 255, t = v - s * v * (60 - f) / 15300, q = v - s * v * f / 15300;
    switch (h / 60) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        case 5: return {v, p, q};
    }
    return {0, 0, 0};
}

inline Picture Lighten(const Picture& photo, const Picture& layer) {
    Picture out(photo.w, photo.h);
    for (size_t i = 0; i < photo.px.size(); ++i) {
        const Hsv g = ToHsv(layer.px[i]), o = ToHsv(photo.px[i]);
        out.px[i] = ToRgb(o.h, (3 * o.s + g.s) / 4, (o.v + g.v) / 2);
    }
    return out;
}

// --- the mix ---

struct Mix {
    int style = 0;   // 0 copy, 1 masked, 3 tiles
    int percent = 50;
    int resize = 2;  // 0 zoom, 1 fit to image, 2 width or height
    int zoom = 100;
    int mirror = 0;  // 0 none, 1 horizontal, 2 vertical
    Px mask{};
    int tolerance = 1;
    int offsetX = 0, offsetY = 0;
    int moveX = 0, moveY = 0;
};

struct Box {
    int left, top, width, height;
};

// The aspect-keeping fit without margins or enlarging, in single precision.
inline Box Fit(int boxW, int boxH, int imgW, int imgH) {
    int w = imgW, h = imgH;
    if (imgW > boxW || imgH > boxH) {
        const float sx = static_cast<float>(boxW) / static_cast<float>(imgW);
        const float sy = static_cast<float>(boxH) / static_cast<float>(imgH);
        const float scale = sx >= sy ? sy : sx;
        const float fw = static_cast<float>(imgW) * scale, fh = static_cast<float>(imgH) * scale;
        w = static_cast<int>(std::nearbyint(fw));
        h = static_cast<int>(std::nearbyint(fh));
    }
    return {(boxW - w) / 2, (boxH - h) / 2, w, h};
}

inline Box Placement(const Mix& m, int W, int H, int sw, int sh) {
    Box b{};
    if (m.resize == 0) {
        b.width = sw * m.zoom / 100 - 1;
        b.height = sh * m.zoom / 100 - 1;
        b.left = (W - b.width) / 2;
        b.top = (H - b.height) / 2;
    } else if (m.resize == 1) {
        b = {0, 0, W, H};
    } else {
        b = Fit(W, H, sw, sh);
    }
    b.left += m.moveX;
    b.top += m.moveY;
    return b;
}

inline Px Blend(Px d, Px l, int w) {
    return {((128 - w) * d.r + w * l.r) / 128, ((128 - w) * d.g + w * l.g) / 128, ((128 - w) * d.b + w * l.b) / 128};
}

inline Picture Mirrored(const Picture& src, int mirror) {
    if (mirror == 0) return src;
    Picture out(src.w, src.h);
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            out.at(x, y) = mirror == 1 ? src.at(src.w - 1 - x, y) : src.at(x, src.h - 1 - y);
    return out;
}

inline Picture MixInto(const Picture& photo, const Picture& source, const Mix& m) {
    Picture out = photo;
    const Picture src = Mirrored(source, m.mirror);
    const int w = m.percent * 128 / 100;
    if (m.style == 3) {
        int x0 = m.offsetX, y0 = m.offsetY;
        if (x0 > 0) x0 -= src.w;
        if (y0 > 0) y0 -= src.h;
        while (x0 > 0) x0 -= src.w;
        while (y0 > 0) y0 -= src.h;
        for (int y = 0; y < photo.h; ++y)
            for (int x = 0; x < photo.w; ++x) {
                const int sx = (x - x0) % src.w, sy = (y - y0) % src.h;
                out.at(x, y) = Blend(photo.at(x, y), src.at(sx, sy), w);
            }
        return out;
    }
    const Box b = Placement(m, photo.w, photo.h, src.w, src.h);
    if (b.width <= 0 || b.height <= 0) return out;
    const int t = m.tolerance * 128 / 100;
    for (int dy = 0; dy < b.height; ++dy) {
        const int y = b.top + dy;
        if (y < 0 || y >= photo.h) continue;
        const int sy = static_cast<int>((2 * static_cast<int64_t>(dy) + 1) * src.h / (2 * static_cast<int64_t>(b.height)));
        for (int dx = 0; dx < b.width; ++dx) {
            const int x = b.left + dx;
            if (x < 0 || x >= photo.w) continue;
            const int sx = static_cast<int>((2 * static_cast<int64_t>(dx) + 1) * src.w / (2 * static_cast<int64_t>(b.width)));
            const Px l = src.at(sx, sy);
            if (m.style == 1 && std::abs(l.r - m.mask.r) <= t && std::abs(l.g - m.mask.g) <= t &&
                std::abs(l.b - m.mask.b) <= t)
                continue;
            out.at(x, y) = Blend(photo.at(x, y), l, w);
        }
    }
    return out;
}

}  // namespace ref
