// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/Mix.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "image/Parallel.h"
#include "image/Shapes.h"
#include "image/Stretch.h"

namespace lum {

namespace {

// All sums are non-negative, so the division by 128 is a shift.
inline uint8_t Blend(int d, int l, int w) { return static_cast<uint8_t>(((128 - w) * d + w * l) >> 7); }

inline void BlendPixel(uint8_t* d, const uint8_t* l, int w) {
    d[0] = Blend(d[0], l[0], w);
    d[1] = Blend(d[1], l[1], w);
    d[2] = Blend(d[2], l[2], w);
}

// Byte offsets of the source columns of a clipped stretch.
std::vector<size_t> ByteOffsets(const StretchAxis& cols) {
    std::vector<size_t> out(cols.source.size());
    for (size_t i = 0; i < out.size(); ++i) out[i] = 3 * static_cast<size_t>(cols.source[i]);
    return out;
}

// First tile origin at or left of 0: an offset o > 0 starts a tile at o - size, and as many whole
// tiles further left as needed so that no band of column 0.. stays uncovered.
int TileOrigin(int offset, int size) {
    int64_t o = offset;
    if (o > 0) o -= size;
    if (o > 0) o -= ((o + size - 1) / size) * size;
    return static_cast<int>(o);
}

Rect ComposeTiles(Image& dest, const Image& source, const MixOptions& opt) {
    const int W = dest.width(), H = dest.height();
    const int tw = source.width(), th = source.height();
    const int x0 = TileOrigin(opt.offsetX, tw), y0 = TileOrigin(opt.offsetY, th);
    const int w = MixWeight(opt.percent);
    const int phase = static_cast<int>((-static_cast<int64_t>(x0)) % tw);
    ParallelRows(H, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            const uint8_t* s = source.row(static_cast<int>((static_cast<int64_t>(y) - y0) % th));
            uint8_t* d = dest.row(y);
            int sx = phase;
            for (int x = 0; x < W; ++x, d += 3) {
                BlendPixel(d, s + 3 * static_cast<size_t>(sx), w);
                if (++sx == tw) sx = 0;
            }
        }
    }, 32);
    return Rect{0, 0, W, H};
}

// Copy and Masked Copy over the stretched area.
Rect ComposeStretched(Image& dest, const Image& source, const StretchAxis& cols, const StretchAxis& rows,
                      const MixOptions& opt) {
    const std::vector<size_t> offsets = ByteOffsets(cols);
    const int w = MixWeight(opt.percent);
    const bool masked = opt.style == MixStyle::MaskedCopy;
    const int t = MixMaskThreshold(opt.tolerance);
    const int mR = ColourR(opt.maskColour), mG = ColourG(opt.maskColour), mB = ColourB(opt.maskColour);
    ParallelRows(rows.hi - rows.lo, [&](int begin, int end) {
        for (int r = begin; r < end; ++r) {
            const uint8_t* s = source.row(rows.source[static_cast<size_t>(r)]);
            uint8_t* d = dest.row(rows.lo + r) + 3 * static_cast<size_t>(cols.lo);
            for (size_t i = 0; i < offsets.size(); ++i, d += 3) {
                const uint8_t* l = s + offsets[i];
                if (masked && std::abs(l[2] - mR) <= t && std::abs(l[1] - mG) <= t && std::abs(l[0] - mB) <= t)
                    continue;
                BlendPixel(d, l, w);
            }
        }
    }, 32);
    return Rect{cols.lo, rows.lo, cols.hi, rows.hi};
}

// Smoothed edges: the mask spans the clipped placement plus one column and row; past the
// stretched area the layer is still black.
Rect ComposeSmoothed(Image& dest, const Image& source, const StretchAxis& cols, const StretchAxis& rows,
                     const MixOptions& opt) {
    if (cols.empty() || rows.empty()) return {};
    const int W = dest.width(), H = dest.height();
    const Mask mask = SmoothedEdgeMask(cols.hi - cols.lo + 1, rows.hi - rows.lo + 1, opt.margin, opt.blur);
    const int xEnd = std::min(cols.hi + 1, W), yEnd = std::min(rows.hi + 1, H);
    const std::vector<size_t> offsets = ByteOffsets(cols);
    const uint8_t black[3] = {0, 0, 0};
    ParallelRows(yEnd - rows.lo, [&](int begin, int end) {
        for (int r = begin; r < end; ++r) {
            const int y = rows.lo + r;
            const bool inRows = y < rows.hi;
            const uint8_t* s = inRows ? source.row(rows.source[static_cast<size_t>(r)]) : nullptr;
            const uint8_t* m = mask.row(r);
            uint8_t* d = dest.row(y) + 3 * static_cast<size_t>(cols.lo);
            for (int x = cols.lo; x < xEnd; ++x, d += 3) {
                const size_t i = static_cast<size_t>(x - cols.lo);
                const int a = m[i] / 2;
                const uint8_t* l = (inRows && x < cols.hi) ? s + offsets[i] : black;
                BlendPixel(d, l, a);
            }
        }
    }, 32);
    return Rect{cols.lo, rows.lo, xEnd, yEnd};
}

}  // namespace

Mask SmoothedEdgeMask(int width, int height, int margin, BlurShape shape) {
    Mask mask(width, height, 0);
    for (int f = 1; f <= margin; ++f) {
        if (width - f < f || height - f < f) continue;  // inverted: nothing left to draw
        const Point from{f, f}, to{width - f, height - f};
        const Shape ring = shape == BlurShape::Rectangle ? Shape::PenRoundRect(from, to, 2, 48, 48)
                                                         : Shape::PenEllipse(from, to, 2);
        PaintShape(mask, ring, static_cast<uint8_t>(f * 255 / margin));
    }
    return mask;
}

int MixWeight(int percent) { return std::clamp(percent * 128 / 100, 0, 128); }

int MixMaskThreshold(int tolerance) { return tolerance * 128 / 100; }

MixPlacement ComputeMixPlacement(const MixOptions& opt, int workW, int workH, int srcW, int srcH) {
    MixPlacement p;
    switch (opt.resize) {
        case MixResize::Zoom:
            p.Width = static_cast<int>(static_cast<int64_t>(srcW) * opt.zoom / 100 - 1);
            p.Height = static_cast<int>(static_cast<int64_t>(srcH) * opt.zoom / 100 - 1);
            p.Left = (workW - p.Width) / 2;
            p.Top = (workH - p.Height) / 2;
            break;
        case MixResize::FitToImage: p = {0, 0, workW, workH}; break;
        case MixResize::WidthOrHeight: {
            const Rect r = FitRect(workW, workH, srcW, srcH, 0, 0, false).rect;
            p = {r.Left, r.Top, r.width(), r.height()};
            break;
        }
    }
    return p;
}

MixSize MixPlacedSize(const MixOptions& opt, int workW, int workH, int srcW, int srcH) {
    switch (opt.resize) {
        case MixResize::Zoom:
            return {static_cast<int>(static_cast<int64_t>(srcW) * opt.zoom / 100),
                    static_cast<int>(static_cast<int64_t>(srcH) * opt.zoom / 100)};
        case MixResize::FitToImage: return {workW, workH};
        case MixResize::WidthOrHeight: {
            // The fitted size itself: what the mix places.
            const Rect r = FitRect(workW, workH, srcW, srcH, 0, 0, false).rect;
            return {r.width(), r.height()};
        }
    }
    return {};
}

MixOptions GradientMixOptions(MixOptions current) {
    current.style = MixStyle::Copy;
    current.percent = 50;
    current.resize = MixResize::FitToImage;
    return current;
}

void MirrorMixSource(Image& source, MixMirror mirror) {
    if (mirror == MixMirror::Horizontal) MirrorHorizontal(source);
    if (mirror == MixMirror::Vertical) MirrorVertical(source);
}

Rect ComposeMix(Image& dest, const Image& source, const MixPlacement& pl, const MixOptions& opt) {
    if (dest.empty() || source.empty()) return {};
    if (&dest == &source) {
        const Image copy(source);
        return ComposeMix(dest, copy, pl, opt);
    }
    if (opt.style == MixStyle::Tiles) return ComposeTiles(dest, source, opt);
    if (pl.Width <= 0 || pl.Height <= 0) return {};
    const StretchAxis cols = MapStretchAxis(pl.Left, pl.Width, source.width(), dest.width());
    const StretchAxis rows = MapStretchAxis(pl.Top, pl.Height, source.height(), dest.height());
    if (opt.style == MixStyle::SmoothedEdges) return ComposeSmoothed(dest, source, cols, rows, opt);
    if (cols.empty() || rows.empty()) return {};
    return ComposeStretched(dest, source, cols, rows, opt);
}

MixPlacement RunMixPixels(Image& work, Image& before, Image& source, const MixOptions& opt) {
    before = work;
    MirrorMixSource(source, opt.mirror);
    const MixPlacement placement = ComputeMixPlacement(opt, work.width(), work.height(), source.width(), source.height());
    ComposeMix(work, source, placement, opt);
    return placement;
}

MixPlacement MoveMix(Image& work, const Image& before, const Image& source, MixPlacement placement, int dx, int dy,
                     const MixOptions& opt) {
    placement.Left += dx;
    placement.Top += dy;
    work = before;
    ComposeMix(work, source, placement, opt);
    return placement;
}

}  // namespace lum
