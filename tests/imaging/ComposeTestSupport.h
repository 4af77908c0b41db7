// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the compositing tests: random pictures, the sample photos, pixel comparison, and the
// nearest-neighbour stretch written out pixel by pixel.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "image/Codec.h"
#include "../image/ImageTestSupport.h"
#include "image/Image.h"

namespace composetest {

using imagetest::FirstDifference;
using imagetest::RandomImage;

// Random pixels from a few colours, so that masks and equal-colour tests have something to hit.
inline lum::Image FewColourImage(int w, int h, uint32_t seed, const std::vector<uint32_t>& rgb) {
    lum::Image img(w, h);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<size_t> pick(0, rgb.size() - 1);
    std::uniform_int_distribution<int> jitter(-2, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = rgb[pick(rng)];
            auto ch = [&](int v) { return static_cast<uint8_t>(std::min(255, std::max(0, v + jitter(rng)))); };
            img.setPixel(x, y, ch(c & 0xFF), ch((c >> 8) & 0xFF), ch((c >> 16) & 0xFF));
        }
    return img;
}

// A sample photo of tests/data/photos, or an empty image when it cannot be read.
inline lum::Image Photo(const std::string& name) {
    try {
        const std::vector<uint8_t> bytes = lum::ReadFileBytes(std::string(LUMORA_TEST_DATA) + "/photos/" + name);
        return lum::DecodeJpeg(bytes.data(), bytes.size());
    } catch (const lum::CodecError&) {
        return lum::Image();
    }
}

// Stretch of all of src into the rectangle from (l, t) to (r, b) of dst, one destination pixel at a
// time: the span runs from l towards r, r excluded, and pixel d of it takes source pixel
// ((2d + 1) n) div (2 |extent|).
inline void ReferenceStretch(lum::Image& dst, int l, int t, int r, int b, const lum::Image& src) {
    const int64_t ew = r - l, eh = b - t;
    if (ew == 0 || eh == 0 || src.empty()) return;
    for (int y = 0; y < dst.height(); ++y) {
        const int64_t dy = eh > 0 ? y - t : t - y;
        if (dy < 0 || dy >= std::llabs(eh)) continue;
        const int sy = static_cast<int>(((2 * dy + 1) * src.height()) / (2 * std::llabs(eh)));
        for (int x = 0; x < dst.width(); ++x) {
            const int64_t dx = ew > 0 ? x - l : l - x;
            if (dx < 0 || dx >= std::llabs(ew)) continue;
            const int sx = static_cast<int>(((2 * dx + 1) * src.width()) / (2 * std::llabs(ew)));
            for (int ch = 0; ch < 3; ++ch) dst.pixel(x, y)[ch] = src.pixel(sx, sy)[ch];
        }
    }
}

}  // namespace composetest
