// SPDX-License-Identifier: GPL-3.0-or-later
// Resampling to a new size with the quarter-pixel sampling of the angle rotation.
#include <vector>

#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "imaging/GeometrySampling.h"
#include "imaging/Refusal.h"

namespace lum {

Image ResizeImage(const Image& src, int newWidth, int newHeight) {
    if (newHeight > 2048) throw Refusal(kResizeTooTallMessage);
    if (newWidth < 8 || newHeight < 8) throw Refusal(kResizeTooSmallMessage);
    const int W = src.width(), H = src.height();
    if (W <= 0 || H <= 0) throw Refusal("");  // nothing to sample from

    Image out(newWidth, newHeight);  // refuses absurd sizes before anything has changed

    // Source column and column quarter of every destination column. 64-bit products: widths are
    // not limited by the dialog here.
    std::vector<int> col(static_cast<size_t>(newWidth));
    std::vector<uint8_t> colQuarter(static_cast<size_t>(newWidth));
    for (int x = 0; x < newWidth; ++x) {
        const int64_t SX = (4 * static_cast<int64_t>(x) * W) / newWidth;
        col[x] = static_cast<int>(SX / 4);
        colQuarter[x] = static_cast<uint8_t>(SX % 4);
    }

    const sampling::BlockOffsets blocks(src.stride());
    ParallelRows(newHeight, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            const int64_t SY = (4 * static_cast<int64_t>(y) * H) / newHeight;
            const int e = static_cast<int>(SY / 4);
            const int qy = static_cast<int>(SY % 4);
            const bool innerRow = e > 0 && e < H - 2;
            const uint8_t* rowStart = src.row(e);
            uint8_t* o = out.row(y);
            for (int x = 0; x < newWidth; ++x, o += 3) {
                const int d = col[x];
                const int code = innerRow && d > 0 && d < W - 2 ? sampling::kQuarterCode[qy][colQuarter[x]] : 0;
                sampling::SampleBlock(rowStart + 3 * static_cast<size_t>(d), blocks.at[code], o);
            }
        }
    });

    return out;
}

}  // namespace lum
