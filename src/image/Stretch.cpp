// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Stretch.h"

#include <algorithm>
#include <cstring>

#include "image/Parallel.h"

namespace lum {

StretchAxis MapStretchAxis(int start, int extent, int n, int limit) {
    StretchAxis axis;
    if (extent == 0 || n <= 0 || limit <= 0) return axis;
    // First and one-past-last destination pixel of the span, in increasing order.
    int64_t first, last;
    if (extent > 0) {
        first = start;
        last = static_cast<int64_t>(start) + extent;
    } else {
        first = static_cast<int64_t>(start) + extent + 1;
        last = static_cast<int64_t>(start) + 1;
    }
    const int64_t lo = std::max<int64_t>(first, 0), hi = std::min<int64_t>(last, limit);
    if (hi <= lo) return axis;
    axis.lo = static_cast<int>(lo);
    axis.hi = static_cast<int>(hi);
    axis.source.resize(static_cast<size_t>(hi - lo));
    for (int x = axis.lo; x < axis.hi; ++x) {
        const int d = extent > 0 ? x - start : start - x;
        axis.source[static_cast<size_t>(x - axis.lo)] = StretchSourceIndex(d, extent, n);
    }
    return axis;
}

void StretchDraw(Image& dst, const Rect& to, const Image& src) {
    if (src.empty() || dst.empty()) return;
    if (&src == &dst) {
        const Image copy(src);
        StretchDraw(dst, to, copy);
        return;
    }
    const int extentX = to.Right - to.Left, extentY = to.Bottom - to.Top;
    const StretchAxis cols = MapStretchAxis(to.Left, extentX, src.width(), dst.width());
    const StretchAxis rows = MapStretchAxis(to.Top, extentY, src.height(), dst.height());
    if (cols.empty() || rows.empty()) return;

    const size_t count = cols.source.size();
    // Same width, not mirrored: each row is one contiguous copy.
    const bool plain = extentX == src.width();
    std::vector<size_t> offsets(count);
    for (size_t i = 0; i < count; ++i) offsets[i] = 3 * static_cast<size_t>(cols.source[i]);

    ParallelRows(rows.hi - rows.lo, [&](int begin, int end) {
        for (int r = begin; r < end; ++r) {
            const uint8_t* s = src.row(rows.source[static_cast<size_t>(r)]);
            uint8_t* d = dst.row(rows.lo + r) + 3 * static_cast<size_t>(cols.lo);
            if (plain) {
                std::memcpy(d, s + offsets[0], 3 * count);
                continue;
            }
            for (size_t i = 0; i < count; ++i, d += 3) {
                const uint8_t* p = s + offsets[i];
                d[0] = p[0];
                d[1] = p[1];
                d[2] = p[2];
            }
        }
    }, 64);
}

void MirrorHorizontal(Image& img) {
    const int w = img.width();
    ParallelRows(img.height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            uint8_t* row = img.row(y);
            for (int a = 0, b = w - 1; a < b; ++a, --b) {
                uint8_t* p = row + 3 * static_cast<size_t>(a);
                uint8_t* q = row + 3 * static_cast<size_t>(b);
                std::swap(p[0], q[0]);
                std::swap(p[1], q[1]);
                std::swap(p[2], q[2]);
            }
        }
    }, 64);
}

void MirrorVertical(Image& img) {
    const size_t n = 3 * static_cast<size_t>(std::max(img.width(), 0));
    std::vector<uint8_t> tmp(n);
    for (int a = 0, b = img.height() - 1; a < b; ++a, --b) {
        std::memcpy(tmp.data(), img.row(a), n);
        std::memcpy(img.row(a), img.row(b), n);
        std::memcpy(img.row(b), tmp.data(), n);
    }
}

}  // namespace lum
