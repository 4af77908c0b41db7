// Helpers of the geometry tests: random pictures and the quarter-pixel block average written out
// plainly.
#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "image/Image.h"

namespace geomtest {

inline lum::Image RandomImage(int w, int h, uint32_t seed) {
    lum::Image img(w, h);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, byte(rng), byte(rng), byte(rng));
    return img;
}

// The neighbourhood code table and the pixels each code averages, as (column, row) offsets.
inline int QuarterCode(int qy, int qx) {
    static const int table[4][4] = {{1, 2, 2, 3}, {8, 0, 0, 4}, {8, 0, 0, 4}, {7, 6, 6, 5}};
    return table[qy][qx];
}
struct Offset {
    int dc, dr;
};
struct Block {
    int count;
    Offset at[4];
};
inline Block CodeBlock(int code) {
    switch (code) {
        case 1: return {4, {{-1, -1}, {0, -1}, {-1, 0}, {0, 0}}};
        case 2: return {2, {{0, -1}, {0, 0}}};
        case 3: return {4, {{0, -1}, {1, -1}, {0, 0}, {1, 0}}};
        case 4: return {2, {{0, 0}, {1, 0}}};
        case 5: return {4, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
        case 6: return {2, {{0, 0}, {0, 1}}};
        case 7: return {4, {{-1, 0}, {0, 0}, {-1, 1}, {0, 1}}};
        case 8: return {2, {{-1, 0}, {0, 0}}};
        default: return {1, {{0, 0}}};
    }
}
// Channel ch (0 blue, 1 green, 2 red) of the block of `code` around column d, row c.
inline int BlockValue(const lum::Image& img, int d, int c, int code, int ch) {
    const Block block = CodeBlock(code);
    int sum = 0;
    for (int i = 0; i < block.count; ++i) sum += img.pixel(d + block.at[i].dc, c + block.at[i].dr)[ch];
    int value = sum / block.count;
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

// Position of the first differing pixel, for readable failures.
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

}  // namespace geomtest
