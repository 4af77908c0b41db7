// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter-pixel sampling shared by the angle rotation and the resize: a source position in
// quarter pixels picks a neighbourhood code, and the code picks the block to average.
#pragma once
#include <cstddef>
#include <cstdint>


namespace lum::sampling {

// Neighbourhood code by quarter position inside the source pixel: [row quarter][column quarter].
inline constexpr uint8_t kQuarterCode[4][4] = {
    {1, 2, 2, 3},
    {8, 0, 0, 4},
    {8, 0, 0, 4},
    {7, 6, 6, 5},
};

// Every code as four byte offsets from the source pixel, to be summed and divided by 4: a block
// of two pixels lists each twice, code 0 lists the pixel four times. (2a + 2b) div 4 equals
// (a + b) div 2 and 4a div 4 equals a, so the results are those of the plain averages, without
// a branch on the code.
struct BlockOffsets {
    ptrdiff_t at[9][4];
    explicit BlockOffsets(size_t stride) {
        const ptrdiff_t r = static_cast<ptrdiff_t>(stride), p = 3;
        const ptrdiff_t table[9][4] = {
            {0, 0, 0, 0},                  // 0: the pixel itself
            {-r - p, -r, -p, 0},           // 1: up-left block
            {-r, -r, 0, 0},                // 2: above
            {-r, -r + p, 0, p},            // 3: up-right block
            {0, 0, p, p},                  // 4: right
            {0, p, r, r + p},              // 5: down-right block
            {0, 0, r, r},                  // 6: below
            {-p, 0, r - p, r},             // 7: down-left block
            {-p, -p, 0, 0},                // 8: left
        };
        for (int c = 0; c < 9; ++c)
            for (int i = 0; i < 4; ++i) at[c][i] = table[c][i];
    }
};

// Averages of bytes never leave 0..255, so no clamp is needed.
inline void SampleBlock(const uint8_t* pixel, const ptrdiff_t (&off)[4], uint8_t* out) {
    const uint8_t* a = pixel + off[0];
    const uint8_t* b = pixel + off[1];
    const uint8_t* c = pixel + off[2];
    const uint8_t* d = pixel + off[3];
    const unsigned v0 = (unsigned(a[0]) + b[0] + c[0] + d[0]) >> 2;
    const unsigned v1 = (unsigned(a[1]) + b[1] + c[1] + d[1]) >> 2;
    const unsigned v2 = (unsigned(a[2]) + b[2] + c[2] + d[2]) >> 2;
    out[0] = static_cast<uint8_t>(v0);
    out[1] = static_cast<uint8_t>(v1);
    out[2] = static_cast<uint8_t>(v2);
}

// Round to nearest, ties to even, for values well inside the 64-bit range; the same result as
// roundHalfEven, without library calls and whatever the rounding mode.
inline int64_t RoundEven(double v) {
    int64_t i = static_cast<int64_t>(v);  // towards zero
    double f = static_cast<double>(i);
    if (f > v) {                          // negative with a fraction: down to the floor
        --i;
        f -= 1.0;
    }
    const double diff = v - f;  // exact
    if (diff > 0.5) return i + 1;
    if (diff < 0.5) return i;
    return i + (i & 1);
}

}  // namespace lum::sampling
