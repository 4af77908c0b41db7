// SPDX-License-Identifier: GPL-3.0-or-later
#include <vector>

#include "image/Parallel.h"
#include "imaging/ColourKernels.h"
#include "imaging/ColourOps.h"

namespace lum {

using namespace colour;

namespace {

// Three planes of one row, each n values.
struct PlaneBuffer {
    std::vector<int32_t> data;
    int n = 0;
    void init(int width) {
        n = width;
        data.assign(static_cast<size_t>(3) * static_cast<size_t>(width), 0);
    }
    PlaneRow row() { return {data.data(), data.data() + n, data.data() + 2 * static_cast<size_t>(n)}; }
    ConstPlaneRow crow() const {
        return {data.data(), data.data() + n, data.data() + 2 * static_cast<size_t>(n)};
    }
};

}  // namespace

void SelectiveSmooth(const Image& src, Image& dst, int threshold, int isolationLimit, const int weights[9]) {
    if (&src == &dst) {
        // Every pixel reads the image as it was before the pass.
        Image copy(src);
        SelectiveSmooth(copy, dst, threshold, isolationLimit, weights);
        return;
    }
    dst.setPixelFormat24();
    dst.resize(src.width(), src.height());
    const int W = src.width(), H = src.height();
    if (W <= 0 || H <= 0) return;
    const SmoothParams params = MakeSmoothParams(threshold, isolationLimit, weights);
    const size_t rowBytes = static_cast<size_t>(W) * 3;
    // Reads src only, so the rows are independent.
    ParallelRows(H, [&](int b, int e) {
        PlaneBuffer ring[3], out;
        for (auto& r : ring) r.init(W);
        out.init(W);
        int loaded = -1;  // highest row split into the ring
        auto load = [&](int y) {
            SplitRow(src.row(y), ring[y % 3].row(), W);
            loaded = y;
        };
        for (int y = b; y < e; ++y) {
            if (y == 0 || y == H - 1 || W < 3) {
                std::copy(src.row(y), src.row(y) + rowBytes, dst.row(y));
                continue;
            }
            if (loaded < y - 1) load(y - 1);
            if (loaded < y) load(y);
            if (loaded < y + 1) load(y + 1);
            const PlaneBuffer& mid = ring[y % 3];
            SmoothRowPlanar(ring[(y - 1) % 3].crow(), mid.crow(), ring[(y + 1) % 3].crow(), out.row(), W, params);
            MergeRow(out.crow(), dst.row(y), W);
            // The two border columns are copied unchanged.
            std::copy(src.row(y), src.row(y) + 3, dst.row(y));
            std::copy(src.row(y) + rowBytes - 3, src.row(y) + rowBytes, dst.row(y) + rowBytes - 3);
        }
    });
}

}  // namespace lum
