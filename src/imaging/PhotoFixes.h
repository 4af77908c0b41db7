// SPDX-License-Identifier: GPL-3.0-or-later
// The everyday fixes of family photos: cropping, straightening a tilted horizon and taking the
// red out of eyes lit by a flash.
#pragma once
#include "image/Color.h"
#include "image/Image.h"
#include "image/Tables.h"
#include "image/Translatable.h"

namespace lum {

inline constexpr const char* kCropOutsideMessage =
    QT_TRANSLATE_NOOP("lum", "The crop rectangle must lie inside the picture and hold at least one pixel.");
inline constexpr const char* kStraightenTooSmallMessage =
    QT_TRANSLATE_NOOP("lum", "The picture is too small to be straightened.");
inline constexpr const char* kRedEyeOutsideMessage =
    QT_TRANSLATE_NOOP("lum", "The red-eye rectangle must hold at least one pixel of the picture.");

// Columns r.Left..r.Right-1 and rows r.Top..r.Bottom-1 of src. Refuses (Refusal) a rectangle
// that is empty or reaches outside src.
Image Cropped(const Image& src, const Rect& r);

// The part of a W x H picture a turn by `tenths` tenths of a degree keeps: the largest
// rectangle of the picture's proportions, centred on it, that lies wholly inside the turned
// picture, its sides rounded down to whole pixels.
Rect StraightenedFrame(int width, int height, int tenths);

// src turned clockwise about its centre by `tenths` tenths of a degree (-450..450) at full
// scale, sampled as the any-angle rotation samples, cut to StraightenedFrame. A whole number
// of degrees takes its cosine and sine from the angle tables. 0 leaves src as it is. Refuses
// a picture whose kept part would be empty.
Image Straightened(const Image& src, int tenths, const AngleTables& angles);

// Inside r (or the ellipse inscribed in it), clipped to the picture: a pixel of src whose red
// is more than one and a half times its green and its blue, and above 40, is written into dst
// with its red replaced by the mean of green and blue; every other pixel is copied. dst has
// src's size; src and dst may be one image. Refuses a rectangle with nothing of the picture.
void RemoveRedEye(const Image& src, Image& dst, const Rect& r, bool ellipse);

}  // namespace lum
