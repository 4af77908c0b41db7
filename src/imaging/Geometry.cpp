// Quarter turns and mirrors.
#include "imaging/Geometry.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "image/Parallel.h"
#include "imaging/GeometrySampling.h"

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

// WorkImage from SourceImage, left to right (horizontal) or top to bottom.
void Mirror(EditState& st, bool horizontal) {
    const Image& src = st.SourceImage;
    Image& dst = st.WorkImage;
    const int W = src.width(), H = src.height();
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

}  // namespace

void QuarterTurn(Image& img) { img = Turned(img, true); }

void QuarterTurnAnticlockwise(Image& img) { img = Turned(img, false); }

void RotateOrMirror(EditState& st, int kind) {
    if (kind < 1 || kind > 4) return;
    sampling::BusyGuard busy(st);
    if (kind == 1 || kind == 4) {
        // The turned image goes straight to MemoryImage; the commit then copies it into
        // UndoImage, WorkImage and SourceImage, which is where turning WorkImage in place, copying
        // it to MemoryImage and committing ends up, with two whole-image copies fewer.
        st.MemoryImage = Turned(st.WorkImage, kind == 1);
        st.CommitMemoryImage();
    } else {
        st.BeginPixelOp();
        Mirror(st, kind == 2);
        st.Redraw();
    }
}

}  // namespace lum
