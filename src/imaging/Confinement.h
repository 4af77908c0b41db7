// SPDX-License-Identifier: GPL-3.0-or-later
// Where a pixel operation may change pixels: the whole image, or the inside of a selection.
//
// A selection confines through its rectangle (image pixels, right and bottom exclusive; it may
// reach outside the image) and a mask of the rectangle's size placed at its top-left corner.
// A pixel (x, y) may change only when it lies in the image and in the rectangle, and the mask
// byte at (x - Left, y - Top) is non-zero. Every confined function takes this one type; it
// points at the mask it is given, which must outlive it.
#pragma once
#include <algorithm>
#include <stdexcept>

#include "image/Color.h"
#include "image/Draw.h"
#include "image/Mask.h"

namespace lum {

class Confinement {
public:
    // The whole image.
    Confinement() = default;
    // The mask must be rect.width() x rect.height(); it is not copied and must outlive the call.
    Confinement(const Rect& rect, const Mask& mask) : rect_(rect), mask_(&mask) {
        if (rect.width() != mask.width() || rect.height() != mask.height())
            throw std::invalid_argument("selection mask and rectangle differ in size");
    }

    bool IsWhole() const { return mask_ == nullptr; }
    const Rect& rect() const { return rect_; }
    const Mask* mask() const { return mask_; }

    // The rectangle clipped to a W x H image (exclusive bounds; Right <= Left or Bottom <= Top
    // when nothing is left); the whole image without a selection.
    Rect Clip(int W, int H) const {
        if (IsWhole()) return Rect{0, 0, std::max(W, 0), std::max(H, 0)};
        return Rect{std::max(rect_.Left, 0), std::max(rect_.Top, 0), std::min(rect_.Right, W),
                    std::min(rect_.Bottom, H)};
    }
    static bool Empty(const Rect& r) { return r.empty(); }
    // Whether pixel (x, y), already known to lie in the image, may change.
    bool Contains(int x, int y) const {
        return IsWhole() || mask_->inside(x - rect_.Left, y - rect_.Top);
    }
    // Mask bytes of image row y from image column x on (inside the clipped rectangle only);
    // null without a selection.
    const uint8_t* MaskAt(int x, int y) const {
        return IsWhole() ? nullptr : mask_->row(y - rect_.Top) + (x - rect_.Left);
    }
    // Calls fn(x0, x1) for each run [x0, x1) of changeable pixels of row y, left to right;
    // clip is Clip(W, H) of the image.
    template <class F>
    void ForEachRun(const Rect& clip, int y, F&& fn) const {
        if (Empty(clip) || y < clip.Top || y >= clip.Bottom) return;
        if (IsWhole()) {
            fn(clip.Left, clip.Right);
            return;
        }
        ForEachNonZeroRun(MaskAt(clip.Left, y), clip.Right - clip.Left,
                          [&](int i0, int i1) { fn(clip.Left + i0, clip.Left + i1); });
    }

private:
    Rect rect_{};
    const Mask* mask_ = nullptr;
};

}  // namespace lum
