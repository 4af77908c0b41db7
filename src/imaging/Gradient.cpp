// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/Gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "image/Arith.h"
#include "image/Draw.h"
#include "image/Shapes.h"

namespace lum {

namespace {

struct ChannelsF {
    float r, g, b;
};
ChannelsF ToFloat(Colour c) {
    return {static_cast<float>(ColourR(c)), static_cast<float>(ColourG(c)), static_cast<float>(ColourB(c))};
}
uint8_t RoundChannel(float v) { return clampByte(roundHalfEven(static_cast<double>(v))); }

// Pixels of [lo, hi) that lie inside [0, limit).
void ClipSpan(int64_t lo, int64_t hi, int limit, int& from, int& to) {
    from = static_cast<int>(std::max<int64_t>(lo, 0));
    to = static_cast<int>(std::min<int64_t>(hi, limit));
}

void FillRows(Image& img, int y0, int y1, int x0, int x1, const uint8_t* segment) {
    const size_t n = 3 * static_cast<size_t>(x1 - x0);
    for (int y = y0; y < y1; ++y) std::memcpy(img.row(y) + 3 * static_cast<size_t>(x0), segment, n);
}

// Colour at distance d of a straight gradient: c1 + d x step per channel, in single precision.
void StraightColour(const ChannelsF& c1, const ChannelsF& step, int d, uint8_t* bgr) {
    const float fd = static_cast<float>(d);
    bgr[0] = RoundChannel(c1.b + fd * step.b);
    bgr[1] = RoundChannel(c1.g + fd * step.g);
    bgr[2] = RoundChannel(c1.r + fd * step.r);
}

ChannelsF Steps(const ChannelsF& c1, const ChannelsF& c2, float over) {
    return {(c2.r - c1.r) / over, (c2.g - c1.g) / over, (c2.b - c1.b) / over};
}

// One 1-pixel line per column (vertical) or per row (horizontal); a line drawn from Top to Bottom
// leaves Bottom itself unpainted, while the lines run over Left..Right with Right included.
void StraightGradient(Image& img, const Rect& r, const GradientParams& p, bool vertical) {
    const ChannelsF c1 = ToFloat(p.colour1), c2 = ToFloat(p.colour2);
    const int centre = vertical ? p.centre.x : p.centre.y;
    const int lo = vertical ? r.Left : r.Top, hi = vertical ? r.Right : r.Bottom;
    const ChannelsF step = Steps(c1, c2, static_cast<float>(GradientSpan(centre, lo, hi)));

    int a0, a1, b0, b1;  // along the gradient, across it
    ClipSpan(lo, static_cast<int64_t>(hi) + 1, vertical ? img.width() : img.height(), a0, a1);
    ClipSpan(vertical ? r.Top : r.Left, vertical ? r.Bottom : r.Right, vertical ? img.height() : img.width(), b0, b1);
    if (a1 <= a0 || b1 <= b0) return;

    if (vertical) {
        std::vector<uint8_t> seg(3 * static_cast<size_t>(a1 - a0));
        for (int i = a0; i < a1; ++i)
            StraightColour(c1, step, std::abs(centre - i), &seg[3 * static_cast<size_t>(i - a0)]);
        FillRows(img, b0, b1, a0, a1, seg.data());
        return;
    }
    for (int i = a0; i < a1; ++i) {
        uint8_t bgr[3];
        StraightColour(c1, step, std::abs(centre - i), bgr);
        FillPixels(img.row(i) + 3 * static_cast<size_t>(b0), b1 - b0, MakeColour(bgr[2], bgr[1], bgr[0]));
    }
}

}  // namespace

int GradientSpan(int centre, int lo, int hi) {
    int span = centre;
    if ((hi - lo) / 2 >= centre) span = hi - centre;
    return std::max(span, 1);
}

std::vector<GradientRing> GradientRings(const Rect& r, const GradientParams& p) {
    std::vector<GradientRing> rings;
    if (p.style != GradientStyle::CentredSmall && p.style != GradientStyle::CentredBig) return rings;
    const ChannelsF c1 = ToFloat(p.colour1), c2 = ToFloat(p.colour2);
    float a = static_cast<float>((r.Right - r.Left) / 2);
    const float b = static_cast<float>((r.Bottom - r.Top) / 2);
    if (a < 1.0f) a = 1.0f;
    const float ratio = b / a;
    if (p.style == GradientStyle::CentredBig) {
        const float aa = a * a, bb = b * b;
        const float sum = aa + bb;
        a = std::sqrt(sum);
    }
    if (a < 1.0f) a = 1.0f;
    const ChannelsF step = Steps(c1, c2, a);
    const int last = roundHalfEven(static_cast<double>(a));
    rings.reserve(static_cast<size_t>(last) + 1);
    for (int n = 0; n <= last; ++n) {
        const float fn = static_cast<float>(n);
        const float ry = fn * ratio;
        const float sr = fn * step.r, sg = fn * step.g, sb = fn * step.b;
        GradientRing ring;
        ring.rx = n;
        ring.ry = roundHalfEven(static_cast<double>(ry));
        ring.colour = MakeColour(RoundChannel(sr + c1.r), RoundChannel(sg + c1.g), RoundChannel(sb + c1.b));
        rings.push_back(ring);
    }
    return rings;
}

void RenderGradient(Image& img, const Rect& rect, const GradientParams& p) {
    FillRect(img, rect, p.background);
    if (p.style == GradientStyle::None || p.colour1 == p.background) return;
    switch (p.style) {
        case GradientStyle::Vertical: StraightGradient(img, rect, p, true); break;
        case GradientStyle::Horizontal: StraightGradient(img, rect, p, false); break;
        case GradientStyle::CentredSmall:
        case GradientStyle::CentredBig: DrawGradientRings(img, p.centre, GradientRings(rect, p)); break;
        default: break;
    }
}

void DrawGradientRings(Image& img, GradientCentre c, const std::vector<GradientRing>& rings) {
    for (const GradientRing& ring : rings) {
        const Shape outline = Shape::EllipseOutline(Point{c.x - ring.rx, c.y - ring.ry}, Point{c.x + ring.rx, c.y + ring.ry}, 2);
        PaintShape(img, outline, ring.colour);
    }
}

Image GradientImage(int width, int height, const GradientParams& params) {
    Image img(width, height);
    RenderGradient(img, Rect{0, 0, img.width(), img.height()}, params);
    return img;
}

int SnapPreviewCoordinate(int v) {
    if (v < 5) return 0;
    if (v > kGradientPreviewSize - 6) return kGradientPreviewSize;
    return v;
}

GradientCentre SnapPreviewCentre(GradientCentre click) {
    return {SnapPreviewCoordinate(click.x), SnapPreviewCoordinate(click.y)};
}

GradientCentre ScaleGradientCentre(GradientCentre preview, int width, int height) {
    return {static_cast<int>(static_cast<int64_t>(width) * preview.x / kGradientPreviewSize),
            static_cast<int>(static_cast<int64_t>(height) * preview.y / kGradientPreviewSize)};
}

}  // namespace lum
