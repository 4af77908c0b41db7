// SPDX-License-Identifier: GPL-3.0-or-later
// Test pictures and pixel comparison shared by the image, imaging, editing, command-line and
// window tests.
#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "image/Image.h"

namespace imagetest {

// Uniform noise: every byte drawn from the seeded generator, blue, green, red per pixel.
inline lum::Image RandomImage(int w, int h, uint32_t seed) {
    lum::Image img(w, h);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, byte(rng), byte(rng), byte(rng));
    return img;
}

// Distinct pixels, made without any codec.
inline lum::Image Pattern(int w, int h, int seed = 0) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, static_cast<uint8_t>((x * 37 + seed) & 0xFF), static_cast<uint8_t>((y * 53 + seed) & 0xFF),
                         static_cast<uint8_t>((x * 11 + y * 7 + seed * 3) & 0xFF));
    return img;
}

// Position and values of the first differing byte, "none" when the pictures are the same.
inline std::string FirstDifference(const lum::Image& a, const lum::Image& b) {
    if (a.width() != b.width() || a.height() != b.height())
        return "sizes " + std::to_string(a.width()) + "x" + std::to_string(a.height()) + " and " +
               std::to_string(b.width()) + "x" + std::to_string(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int ch = 0; ch < 3; ++ch)
                if (a.pixel(x, y)[ch] != b.pixel(x, y)[ch])
                    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") channel " + std::to_string(ch) +
                           ": " + std::to_string(a.pixel(x, y)[ch]) + " vs " + std::to_string(b.pixel(x, y)[ch]);
    return "none";
}

}  // namespace imagetest
