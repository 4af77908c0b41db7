// SPDX-License-Identifier: GPL-3.0-or-later
// An 8-bit coverage mask: one byte per pixel, non-zero means inside. Shapes that cannot be
// computed exactly per pixel (ellipses, polygons, rings, letters) are rasterised into a mask
// once; pixel operations then read the mask exactly.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/Image.h"

namespace lum {

class Mask {
public:
    Mask() = default;
    // A mask of the given size, every byte set to value. Negative sizes count as 0.
    Mask(int width, int height, uint8_t value = 0) { reset(width, height, value); }

    void reset(int width, int height, uint8_t value = 0) {
        width_ = width > 0 ? width : 0;
        height_ = height > 0 ? height : 0;
        if (width_ == 0 || height_ == 0) width_ = height_ = 0;
        Image::checkSize(width_, height_);
        bytes_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), value);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    uint8_t* row(int y) { return bytes_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    const uint8_t* row(int y) const { return bytes_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    uint8_t at(int x, int y) const { return row(y)[x]; }
    void set(int x, int y, uint8_t v) { row(y)[x] = v; }
    // Inside the mask's extent and non-zero; anything outside is outside.
    bool inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && row(y)[x] != 0;
    }
    void fill(uint8_t v) { bytes_.assign(bytes_.size(), v); }

    bool operator==(const Mask& o) const {
        return width_ == o.width_ && height_ == o.height_ && bytes_ == o.bytes_;
    }
    bool operator!=(const Mask& o) const { return !(*this == o); }

private:
    int width_ = 0, height_ = 0;
    std::vector<uint8_t> bytes_;
};

}  // namespace lum
