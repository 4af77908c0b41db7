// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the geometry tests: random pictures and the quarter-pixel block average written out
// plainly.
#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "../image/ImageTestSupport.h"
#include "image/Image.h"

namespace geomtest {

using imagetest::FirstDifference;
using imagetest::RandomImage;

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

}  // namespace geomtest
