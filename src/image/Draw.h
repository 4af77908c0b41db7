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

// Fills every pixel under a non-zero mask byte, the mask's (0, 0) placed at (x, y).
void FillMask(Image& img, const Mask& mask, int x, int y, Colour colour);

}  // namespace lum
