// SPDX-License-Identifier: GPL-3.0-or-later
// Nearest-neighbour stretching and mirroring, exact to the pixel.
//
// A stretch of n source pixels into a span of |extent| destination pixels gives destination pixel
// d (0..|extent|-1, counted from the span's start) the source pixel ((2d + 1) n) div (2 |extent|):
// the source pixel under the centre of the destination pixel. A span runs from its start towards
// start + extent, that end excluded; a negative extent therefore runs leftwards (upwards) from
// start and mirrors: the rectangle from (w - 1, 0) to (-1, h) mirrors a w-wide picture onto
// columns w - 1 down to 0.
#pragma once
#include <vector>

#include "image/Color.h"
#include "image/Image.h"

namespace lum {

// Source pixel of destination pixel d of a span (0 <= d < |extent|, n >= 1).
inline int StretchSourceIndex(int d, int extent, int n) {
    const int64_t e = extent < 0 ? -static_cast<int64_t>(extent) : extent;
    return static_cast<int>(((2 * static_cast<int64_t>(d) + 1) * n) / (2 * e));
}

// One axis of a stretch, clipped to the destination: destination pixels [lo, hi) are covered and
// pixel lo + i takes source pixel source[i]. Empty (lo == hi) when nothing lands inside.
struct StretchAxis {
    int lo = 0, hi = 0;
    std::vector<int> source;
    bool empty() const { return hi <= lo; }
};
// The span from `start` with `extent` pixels (negative: mirrored) of a source axis of n pixels,
// clipped to the destination axis [0, limit).
StretchAxis MapStretchAxis(int start, int extent, int n, int limit);

// Stretch all of src into the rectangle `to` of dst (right and bottom excluded, negative extents
// mirror), clipped to dst. src and dst may be the same image.
void StretchDraw(Image& dst, const Rect& to, const Image& src);

// Exchange left and right (top and bottom) in place.
void MirrorHorizontal(Image& img);
void MirrorVertical(Image& img);

}  // namespace lum
