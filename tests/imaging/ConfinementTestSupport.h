// SPDX-License-Identifier: GPL-3.0-or-later
// Selections as the pixel functions receive them, built from a predicate in image pixels.
#pragma once
#include <functional>

#include "image/Color.h"
#include "image/Mask.h"

namespace imagingtest {

// The mask of rect (right and bottom exclusive): 255 where inside(x, y) holds.
inline lum::Mask MaskOver(const lum::Rect& rect, const std::function<bool(int, int)>& inside) {
    lum::Mask m(rect.width(), rect.height());
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            if (inside(rect.Left + x, rect.Top + y)) m.set(x, y, 255);
    return m;
}

// Whether a pixel of a W x H image may change under rect and inside, by the definition.
inline bool Confined(const lum::Rect& rect, const std::function<bool(int, int)>& inside, int x, int y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom && inside(x, y);
}

}  // namespace imagingtest
