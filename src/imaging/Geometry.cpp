// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns and mirrors.
#include "imaging/Geometry.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "image/Parallel.h"

namespace lum {

namespace {

// Square tiles keep both the rows read and the rows written in cache while columns become rows.
constexpr int kTile = 64;

inline void CopyPixel(uint8_t* dst, const uint8_t* src) {
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
}

// dst is H x W for a W x H src. Clockwise: dst(k, r) = src(r, H - 1 - k);
// anticlockwise: dst(k, r) = src(W - 1 - r, k). Each destination row of a tile is written in one
// run while the tile's source rows stay in cache.
void Turn(const Image& src, Image& dst, bool clockwise) {
    const int W = src.width(), H = src.height();
    const ptrdiff_t step = clockwise ? -static_cast<ptrdiff_t>(src.stride()) : static_cast<ptrdiff_t>(src.stride());
    ParallelRows(W, [&](int r0, int r1) {
        for (int rt = r0; rt < r1; rt += kTile) {
            const int rEnd = std::min(rt + kTile, r1);
            for (int kt = 0; kt < H; kt += kTile) {
                const int kEnd = std::min(kt + kTile, H);
                for (int r = rt; r < rEnd; ++r) {
                    uint8_t* d = dst.row(r) + 3 * static_cast<size_t>(kt);
                    const uint8_t* s = clockwise ? src.row(H - 1 - kt) + 3 * static_cast<size_t>(r)
                                                 : src.row(kt) + 3 * static_cast<size_t>(W - 1 - r);
                    for (int k = kt; k < kEnd; ++k, d += 3, s += step) CopyPixel(d, s);
                }
            }
        }
    }, kTile);
}

Image Turned(const Image& img, bool clockwise) {
    Image turned(img.height(), img.width());
    if (!img.empty()) Turn(img, turned, clockwise);
    return turned;
}

}  // namespace

void QuarterTurn(Image& img) { img = Turned(img, true); }

void QuarterTurnAnticlockwise(Image& img) { img = Turned(img, false); }

Image QuarterTurned(const Image& img, bool clockwise) { return Turned(img, clockwise); }

void Mirror(const Image& src, Image& dst, bool horizontal) {
    const int W = src.width(), H = src.height();
    if (&src == &dst) {
        // Pairs of pixels (or rows) change places.
        const int pairs = horizontal ? H : H / 2;
        ParallelRows(pairs, [&](int y0, int y1) {
            for (int y = y0; y < y1; ++y) {
                if (horizontal) {
                    uint8_t* row = dst.row(y);
                    for (int x = 0, m = W - 1; x < m; ++x, --m)
                        std::swap_ranges(row + 3 * static_cast<size_t>(x), row + 3 * static_cast<size_t>(x) + 3,
                                         row + 3 * static_cast<size_t>(m));
                } else {
                    std::swap_ranges(dst.row(y), dst.row(y) + 3 * static_cast<size_t>(W), dst.row(H - 1 - y));
                }
            }
        });
        return;
    }
    if (dst.width() != W || dst.height() != H) dst.resize(W, H);
    ParallelRows(H, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            uint8_t* d = dst.row(y);
            if (horizontal) {
                const uint8_t* s = src.row(y);
                for (int x = 0; x < W; ++x) CopyPixel(d + 3 * static_cast<size_t>(x), s + 3 * static_cast<size_t>(W - 1 - x));
            } else {
                std::memcpy(d, src.row(H - 1 - y), 3 * static_cast<size_t>(W));
            }
        }
    });
}

}  // namespace lum
