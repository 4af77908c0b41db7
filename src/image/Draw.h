// SPDX-License-Identifier: GPL-3.0-or-later
// Exact image-level drawing: filling rectangles and masks with a colour, drawing one image onto
// another at a point (with an optional transparent colour). Everything is clipped to the
// destination; points may be negative.
#pragma once
#include <cstdint>

#include "image/Color.h"
#include "image/Image.h"
#include "image/Mask.h"

namespace lum {

// Writes the colour (bytes blue, green, red) into count consecutive pixels starting at p.
void FillPixels(uint8_t* p, int count, Colour colour);

// Fills r (right and bottom exclusive) clipped to the image.
void FillRect(Image& img, const Rect& r, Colour colour);

// Copies src onto dst with src's pixel (0, 0) at (x, y).
void DrawImage(Image& dst, const Image& src, int x, int y);
// The same, skipping every src pixel equal to the transparent colour.
void DrawImage(Image& dst, const Image& src, int x, int y, Colour transparent);

// Copies the rectangle r of src onto the same place of dst (clipped to both images).
void CopyRect(Image& dst, const Image& src, const Rect& r);

// Calls fn(i0, i1) for each run [i0, i1) of non-zero bytes among bytes[0..count), left to right.
template <class F>
void ForEachNonZeroRun(const uint8_t* bytes, int count, F&& fn) {
    int i = 0;
    while (i < count) {
        if (!bytes[i]) {
            ++i;
            continue;
        }
        int e = i + 1;
        while (e < count && bytes[e]) ++e;
        fn(i, e);
        i = e;
    }
}

// Fills every pixel under a non-zero mask byte, the mask's (0, 0) placed at (x, y).
void FillMask(Image& img, const Mask& mask, int x, int y, Colour colour);

}  // namespace lum
