// SPDX-License-Identifier: GPL-3.0-or-later
// Wide lines as the paint tools draw them: solid, round ends and joins, no antialiasing. The
// working image gets them through a mask rasterised here, the view with the same pen, so at
// 100 % both show the same pixels.
#pragma once
#include <QColor>

#include "editing/ImagePoint.h"
#include "image/Mask.h"

class QPainter;

namespace lum {

// Solid pen of the given width (at least 1) with round caps and joins, antialiasing off.
void SetWidePen(QPainter& p, const QColor& colour, int width);

// The line from a to b, width pixels wide, as a mask whose (0, 0) lies at origin.
Mask WideLineMask(ImagePoint a, ImagePoint b, int width, ImagePoint& origin);

}  // namespace lum
