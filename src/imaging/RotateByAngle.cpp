// SPDX-License-Identifier: GPL-3.0-or-later
// Rotation by any angle about the image centre, sampled in quarter pixels.
#include <algorithm>
#include <optional>
#include <vector>

#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "imaging/GeometrySampling.h"

namespace lum {

namespace {

// Into 0..360 the way repeated adding or subtracting of 360 does it: 360 stays 360.
int FoldAngle(int a) {
    if (a > 360) return (a - 1) % 360 + 1;
    if (a < 0) {
        a %= 360;
        return a < 0 ? a + 360 : a;
    }
    return a;
}

}  // namespace

std::optional<Colour> RotateByAngle(const Image& src, Image& dst, int angle, bool keepScale, const AngleTables& angles) {
    const int a = FoldAngle(angle);
    return RotateByCosSin(src, dst, angles.CosTable[a], angles.SinTable[a], keepScale);
}

std::optional<Colour> RotateByCosSin(const Image& src, Image& dst, float cosA, float sinA, bool keepScale) {
    if (&src == &dst) {
        Image copy(src);
        return RotateByCosSin(copy, dst, cosA, sinA, keepScale);
    }
    const int W = src.width(), H = src.height();
    // A 1 x 1 image has no centre to scale about (the fit would divide by zero).
    if (W <= 0 || H <= 0 || (W / 2 == 0 && H / 2 == 0)) {
        dst = src;
        return std::nullopt;
    }
    return RotateWindow(src, dst, cosA, sinA, keepScale, Rect{0, 0, W, H});
}

std::optional<Colour> RotateWindow(const Image& src, Image& dst, float cosA, float sinA, bool keepScale,
                                   const Rect& window) {
    const int W = src.width(), H = src.height();
    const int cx = W / 2, cy = H / 2;
    if (dst.width() != window.width() || dst.height() != window.height()) dst.resize(window.width(), window.height());

    const uint8_t* p00 = src.row(0);
    const uint8_t bg[3] = {p00[0], p00[1], p00[2]};
    const double C = cosA, S = sinA;

    float s = 1.0f;
    if (!keepScale) {
        // Largest offset from the centre of the two top corners once turned.
        int64_t m = 0;
        for (int px : {0, W}) {
            const float dx = static_cast<float>(px - cx), dy = static_cast<float>(0 - cy);
            const int64_t ox = sampling::RoundEven(double(dx) * C + double(dy) * S);
            const int64_t oy = sampling::RoundEven(double(dx) * S - double(dy) * C);
            m = std::max({m, ox < 0 ? -ox : ox, oy < 0 ? -oy : oy});
        }
        s = static_cast<float>(static_cast<double>(m) / static_cast<double>(std::max(cx, cy)));
    }
    const double sd = s;

    // Quarter-pixel coordinates; the column terms are the same for every row.
    const int64_t CX = 4 * static_cast<int64_t>(cx), CY = 4 * static_cast<int64_t>(cy);
    const int outW = window.width();
    std::vector<double> uC(static_cast<size_t>(outW)), uS(static_cast<size_t>(outW));
    for (int i = 0; i < outW; ++i) {
        const double u = sd * static_cast<double>(4 * static_cast<int64_t>(window.Left + i) - CX);
        uC[i] = u * C;
        uS[i] = u * S;
    }

    const sampling::BlockOffsets blocks(src.stride());
    const uint8_t* base = src.data();
    const int64_t stride = static_cast<int64_t>(src.stride());
    ParallelRows(window.height(), [&](int r0, int r1) {
        for (int r = r0; r < r1; ++r) {
            const int e = window.Top + r;
            const double v = sd * static_cast<double>(4 * static_cast<int64_t>(e) - CY);
            const double vS = v * S, vC = v * C;
            uint8_t* out = dst.row(r);
            for (int i = 0; i < outW; ++i, out += 3) {
                const int64_t X = CX + sampling::RoundEven(uC[i] - vS);
                const int64_t Y = CY + sampling::RoundEven(uS[i] + vC);
                // Truncation: X from -3 to -1 still reads column 0.
                const int64_t d = X / 4, c = Y / 4;
                if (d < 0 || c < 0 || d >= W || c >= H) {
                    out[0] = bg[0];
                    out[1] = bg[1];
                    out[2] = bg[2];
                    continue;
                }
                // Inside the border the quarter position picks a block; X and Y are positive there.
                const bool inner = d > 0 && d < W - 1 && c > 0 && c < H - 1;
                const int code = inner ? sampling::kQuarterCode[Y & 3][X & 3] : 0;
                sampling::SampleBlock(base + c * stride + 3 * d, blocks.at[code], out);
            }
        }
    });
    return MakeColour(bg[2], bg[1], bg[0]);
}

}  // namespace lum
