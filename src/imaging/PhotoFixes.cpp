// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/PhotoFixes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "imaging/Refusal.h"
#include "imaging/Selection.h"

namespace lum {

Image Cropped(const Image& src, const Rect& r) {
    if (r.empty() || r.Left < 0 || r.Top < 0 || r.Right > src.width() || r.Bottom > src.height())
        throw Refusal(kCropOutsideMessage);
    Image out(r.width(), r.height());
    const size_t bytes = 3 * static_cast<size_t>(r.width());
    ParallelRows(r.height(), [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) std::memcpy(out.row(y), src.row(r.Top + y) + 3 * static_cast<size_t>(r.Left), bytes);
    });
    return out;
}

Rect StraightenedFrame(int width, int height, int tenths) {
    if (tenths == 0) return Rect{0, 0, width, height};
    const double a = std::abs(tenths) * 3.14159265358979323846 / 1800.0;
    const double c = std::cos(a), s = std::sin(a), W = width, H = height;
    // Each corner of the kept rectangle, turned back, stays inside the picture along both axes.
    const double k = std::min(W / (W * c + H * s), H / (W * s + H * c));
    const int w = static_cast<int>(std::floor(k * W)), h = static_cast<int>(std::floor(k * H));
    const int left = (width - w) / 2, top = (height - h) / 2;
    return Rect{left, top, left + w, top + h};
}

Image Straightened(const Image& src, int tenths, const AngleTables& angles) {
    if (tenths == 0) return src;
    const Rect frame = StraightenedFrame(src.width(), src.height(), tenths);
    if (frame.empty() || (src.width() < 2 && src.height() < 2)) throw Refusal(kStraightenTooSmallMessage);
    // The rotation turns anticlockwise for a positive angle: clockwise is its negative.
    float cosA, sinA;
    if (tenths % 10 == 0) {
        const int a = ((-tenths / 10) % 360 + 360) % 360;
        cosA = angles.CosTable[a];
        sinA = angles.SinTable[a];
    } else {
        const double a = -tenths * 3.14159265358979323846 / 1800.0;
        cosA = static_cast<float>(std::cos(a));
        sinA = static_cast<float>(std::sin(a));
    }
    Image out;
    RotateWindow(src, out, cosA, sinA, true, frame);
    return out;
}

void RemoveRedEye(const Image& src, Image& dst, const Rect& r, bool ellipse) {
    const Rect inside{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, src.width()),
                      std::min(r.Bottom, src.height())};
    if (r.empty() || inside.empty()) throw Refusal(kRedEyeOutsideMessage);
    if (&src != &dst) dst = src;
    Mask shape;
    if (ellipse) shape = MakeBoxSelection(SelectionKind::Ellipse, r).mask;
    for (int y = inside.Top; y < inside.Bottom; ++y) {
        uint8_t* p = dst.row(y) + 3 * static_cast<size_t>(inside.Left);
        for (int x = inside.Left; x < inside.Right; ++x, p += 3) {
            if (ellipse && !shape.inside(x - r.Left, y - r.Top)) continue;
            const int b = p[0], g = p[1], red = p[2];
            if (2 * red > 3 * std::max(g, b) && red > 40) p[2] = static_cast<uint8_t>((g + b) / 2);
        }
    }
}

}  // namespace lum
