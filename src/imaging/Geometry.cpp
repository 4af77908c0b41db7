// Quarter turns and mirrors.
#include "imaging/Geometry.h"

#include <algorithm>
#include <cstring>
#include <utility>

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
// anticlockwise: dst(k, r) = src(W - 1 - r, k).
void Turn(const Image& src, Image& dst, bool clockwise) {
    const int W = src.width(), H = src.height();
    ParallelRows(W, [&](int r0, int r1) {
        for (int rt = r0; rt < r1; rt += kTile) {
            const int rEnd = std::min(rt + kTile, r1);
            for (int kt = 0; kt < H; kt += kTile) {
                const int kEnd = std::min(kt + kTile, H);
                for (int k = kt; k < kEnd; ++k) {
                    const uint8_t* s = src.row(clockwise ? H - 1 - k : k);
                    const size_t dx = 3 * static_cast<size_t>(k);
                    if (clockwise) {
                        for (int r = rt; r < rEnd; ++r) CopyPixel(dst.row(r) + dx, s + 3 * static_cast<size_t>(r));
                    } else {
                        for (int r = rt; r < rEnd; ++r)
                            CopyPixel(dst.row(r) + dx, s + 3 * static_cast<size_t>(W - 1 - r));
                    }
                }
            }
        }
    }, kTile);
}

void TurnInPlace(Image& img, bool clockwise) {
    Image turned(img.height(), img.width());
    if (!img.empty()) Turn(img, turned, clockwise);
    img = std::move(turned);
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

void QuarterTurn(Image& img) { TurnInPlace(img, true); }

void QuarterTurnAnticlockwise(Image& img) { TurnInPlace(img, false); }

void RotateOrMirror(EditState& st, int kind) {
    if (kind < 1 || kind > 4) return;
    sampling::BusyGuard busy(st);
    st.BeginPixelOp();
    if (kind == 1 || kind == 4) {
        if (kind == 1) QuarterTurn(st.WorkImage);
        else QuarterTurnAnticlockwise(st.WorkImage);
        st.MemoryImage = st.WorkImage;
        st.CommitMemoryImage();
    } else {
        Mirror(st, kind == 2);
        st.Redraw();
    }
}

}  // namespace lum
