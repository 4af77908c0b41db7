// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns, mirrors, rotation by any angle and resizing.
#pragma once
#include <optional>

#include "image/Color.h"
#include "image/Image.h"
#include "image/Tables.h"
#include "image/Translatable.h"

namespace lum {

// One quarter turn clockwise in place; width and height are exchanged.
void QuarterTurn(Image& img);
// One quarter turn anticlockwise in place: the same pixels as three clockwise turns, in one pass.
void QuarterTurnAnticlockwise(Image& img);
// The turned copy, clockwise or anticlockwise.
Image QuarterTurned(const Image& img, bool clockwise);

// dst := src mirrored left to right (horizontal) or top to bottom; dst is given src's size.
// src and dst may be one image, mirrored in place.
void Mirror(const Image& src, Image& dst, bool horizontal);

// Rotation of src about its centre by any angle in degrees into dst (given src's size); the
// angle is folded into 0..360 and looked up in the angle tables. keepScale false shrinks the
// content to fit (the button's way). Uncovered parts take the colour of pixel (0, 0), which is
// returned. An empty image, or a 1 x 1 one (no centre to scale about), is copied unchanged and
// gives no colour.
std::optional<Colour> RotateByAngle(const Image& src, Image& dst, int angle, bool keepScale, const AngleTables& angles);
// The same with the angle given by its cosine and sine (as the tables hold them).
std::optional<Colour> RotateByCosSin(const Image& src, Image& dst, float cosA, float sinA, bool keepScale);
// Only the part `window` (inside 0..W x 0..H) of that rotation, into dst of the window's size;
// src is at least 2 pixels on one side and is not dst.
std::optional<Colour> RotateWindow(const Image& src, Image& dst, float cosA, float sinA, bool keepScale,
                                   const Rect& window);

// Messages of ResizeImage's refusals.
inline constexpr const char* kResizeTooTallMessage =
    QT_TRANSLATE_NOOP("lum", "Invalid new size: the height can be at most 2048 pixels.");
inline constexpr const char* kResizeTooSmallMessage =
    QT_TRANSLATE_NOOP("lum", "Invalid new size: the width and the height must be at least 8 pixels.");

// src resampled to newWidth x newHeight. Refuses (Refusal with the message) a height above 2048
// or a side below 8, and silently (an empty message) an empty src, which has nothing to sample.
Image ResizeImage(const Image& src, int newWidth, int newHeight);

}  // namespace lum
