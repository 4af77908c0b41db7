// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Shapes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/Draw.h"

namespace lum {

namespace {

using i64 = int64_t;
using u128 = unsigned __int128;
using i128 = __int128;

constexpr int kCoordLimit = 1 << 29;

int ClampCoord(int v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

// Division rounding down / up, for a positive divisor.
i64 FloorDiv(i64 a, i64 b) {
    i64 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
i64 CeilDiv(i64 a, i64 b) { return -FloorDiv(-a, b); }

// Largest m with m * m <= n. The floating estimate is only a start; the result is exact.
uint64_t ISqrt(u128 n) {
    if (n == 0) return 0;
    uint64_t r = static_cast<uint64_t>(std::sqrt(static_cast<double>(n)));
    while (static_cast<u128>(r) * r > n) --r;
    while (static_cast<u128>(r + 1) * (r + 1) <= n) ++r;
    return r;
}
// Largest m with m * m < n, for n >= 1.
uint64_t ISqrtBelow(u128 n) { return ISqrt(n - 1); }

Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

// Columns x with |2x + 1 - c2| <= d, as [lo, hi] inclusive.
void ColumnsWithin(i64 c2, i64 d, i64& lo, i64& hi) {
    lo = CeilDiv(c2 - 1 - d, 2);
    hi = FloorDiv(c2 - 1 + d, 2);
}

// Clipped run [lo, hi] (inclusive) handed on as [x0, x1).
void EmitRun(const SpanFn& fn, int y, i64 lo, i64 hi, const Rect& area) {
    lo = std::max<i64>(lo, area.Left);
    hi = std::min<i64>(hi, area.Right - 1);
    if (lo <= hi) fn(y, static_cast<int>(lo), static_cast<int>(hi + 1));
}

}  // namespace

Shape Shape::Rectangle(const Rect& r) {
    Shape s;
    if (r.empty()) return s;
    s.kind_ = Kind::Box;
    s.bounds_ = r;
    return s;
}

Shape Shape::Ellipse(const Rect& box) {
    if (box.empty()) return Shape();
    return PenEllipse(box, 1);
}

Shape Shape::PenEllipse(Point c0, Point c1, int pen) { return Oval(c0, c1, pen, -1, -1, false); }

Shape Shape::PenRoundRect(Point c0, Point c1, int pen, int cornerW, int cornerH) {
    return Oval(c0, c1, pen, std::max(cornerW, 0), std::max(cornerH, 0), false);
}

Shape Shape::EllipseOutline(Point c0, Point c1, int pen) { return Oval(c0, c1, pen, -1, -1, true); }

// cornerW < 0 asks for corners as large as the box (an ellipse).
Shape Shape::Oval(Point c0, Point c1, int pen, int64_t cornerW, int64_t cornerH, bool ring) {
    const i64 x0 = ClampCoord(c0.x), x1 = ClampCoord(c1.x), y0 = ClampCoord(c0.y), y1 = ClampCoord(c1.y);
    const i64 L = std::min(x0, x1), R = std::max(x0, x1), T = std::min(y0, y1), B = std::max(y0, y1);
    const i64 w = std::max(pen, 1);
    Shape s;
    s.kind_ = Kind::Oval;
    s.cx2_ = L + R;
    s.cy2_ = T + B;
    // The outline through the border pixels' centres has doubled half-axes R - L - 1 (0 at least).
    const i64 ax = std::max<i64>(R - L - 1, 0), ay = std::max<i64>(B - T - 1, 0);
    s.hx_ = ax + w;
    s.hy_ = ay + w;
    s.ex_ = cornerW < 0 ? s.hx_ : std::min(std::max<i64>(cornerW - 1, 0) + w, s.hx_);
    s.ey_ = cornerH < 0 ? s.hy_ : std::min(std::max<i64>(cornerH - 1, 0) + w, s.hy_);
    if (ring && ax - w > 0 && ay - w > 0) {
        s.ix_ = ax - w;
        s.iy_ = ay - w;
    }
    // Strictly inside |2y + 1 - cy2| < hy.
    s.bounds_.Left = static_cast<int>(FloorDiv(s.cx2_ - s.hx_ - 1, 2) + 1);
    s.bounds_.Right = static_cast<int>(CeilDiv(s.cx2_ + s.hx_ - 1, 2));
    s.bounds_.Top = static_cast<int>(FloorDiv(s.cy2_ - s.hy_ - 1, 2) + 1);
    s.bounds_.Bottom = static_cast<int>(CeilDiv(s.cy2_ + s.hy_ - 1, 2));
    if (s.bounds_.empty()) return Shape();
    return s;
}

Shape Shape::Polygon(std::vector<Point> points) {
    Shape s;
    if (points.empty()) return s;
    for (Point& p : points) p = Point{ClampCoord(p.x), ClampCoord(p.y)};
    int minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (const Point& p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    s.kind_ = Kind::Polygon;
    s.bounds_ = Rect{minX, minY, maxX + 1, maxY + 1};
    s.points_ = std::move(points);
    return s;
}

bool Shape::ovalRow(int y, int64_t& outer, int64_t& inner) const {
    const i64 ady = std::abs(2 * static_cast<i64>(y) + 1 - cy2_);
    if (ady >= hy_) return false;
    if (ady <= hy_ - ey_) {
        outer = hx_ - 1;
    } else {
        // Inside the corner ellipse: (u / ex)^2 + (e / ey)^2 < 1, u and e measured from its centre.
        const i64 e = ady - (hy_ - ey_);
        const u128 n = static_cast<u128>(ex_ * ex_) * static_cast<u128>(ey_ * ey_ - e * e);
        outer = hx_ - ex_ + static_cast<i64>(ISqrtBelow(n) / static_cast<uint64_t>(ey_));
    }
    inner = -1;
    if (ix_ > 0 && ady < iy_) {
        const u128 n = static_cast<u128>(ix_ * ix_) * static_cast<u128>(iy_ * iy_ - ady * ady);
        inner = static_cast<i64>(ISqrtBelow(n) / static_cast<uint64_t>(iy_));
    }
    return true;
}

void Shape::ovalSpans(const Rect& area, const SpanFn& fn) const {
    for (int y = area.Top; y < area.Bottom; ++y) {
        i64 outer = 0, inner = -1;
        if (!ovalRow(y, outer, inner)) continue;
        i64 lo = 0, hi = 0;
        ColumnsWithin(cx2_, outer, lo, hi);
        if (inner < 0) {
            EmitRun(fn, y, lo, hi, area);
            continue;
        }
        i64 ilo = 0, ihi = 0;
        ColumnsWithin(cx2_, inner, ilo, ihi);
        if (ilo > ihi) {
            EmitRun(fn, y, lo, hi, area);
        } else {
            EmitRun(fn, y, lo, ilo - 1, area);
            EmitRun(fn, y, ihi + 1, hi, area);
        }
    }
}

namespace {

struct Edge {
    i64 xa, ya, xb, yb;  // ya < yb
};

// The outline pixels of one edge, clipped to area: per step of the longer axis the pixel
// nearest to the exact line, both of them on an exact half.
template <class Mark>
void EdgePixels(Point a, Point b, const Rect& area, Mark mark) {
    i64 dx = static_cast<i64>(b.x) - a.x, dy = static_cast<i64>(b.y) - a.y;
    if (dx == 0 && dy == 0) {
        mark(a.x, a.y);
        return;
    }
    const bool steep = std::abs(dy) > std::abs(dx);
    // Walk the major axis upwards: u major, v minor.
    i64 ua = steep ? a.y : a.x, va = steep ? a.x : a.y, ub = steep ? b.y : b.x;
    i64 du = steep ? dy : dx, dv = steep ? dx : dy;
    if (du < 0) {
        ua = ub;
        va = steep ? b.x : b.y;
        du = -du;
        dv = -dv;
        ub = ua + du;
    }
    const i64 uLo = std::max<i64>(ua, steep ? area.Top : area.Left);
    const i64 uHi = std::min<i64>(ub, (steep ? area.Bottom : area.Right) - 1);
    for (i64 u = uLo; u <= uHi; ++u) {
        // 2 du (v + 1/2) at this step, v the exact minor coordinate.
        const i64 t = 2 * (va * du + (u - ua) * dv) + du;
        const i64 v = FloorDiv(t, 2 * du);
        const bool half = t == v * 2 * du;
        if (steep) {
            mark(v, u);
            if (half) mark(v - 1, u);
        } else {
            mark(u, v);
            if (half) mark(u, v - 1);
        }
    }
}

}  // namespace

void Shape::polygonSpans(const Rect& area, const SpanFn& fn) const {
    const int w = area.width(), h = area.height();
    std::vector<uint8_t> cover(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    auto mark = [&](i64 x, i64 y) {
        if (x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom)
            cover[static_cast<size_t>(y - area.Top) * static_cast<size_t>(w) + static_cast<size_t>(x - area.Left)] = 1;
    };

    // Interior: on the row through the pixel centres (the vertices' own coordinates), an edge
    // counts when ya <= y < yb; pixels between pairs of crossings are inside.
    const size_t n = points_.size();
    std::vector<Edge> edges;
    for (size_t i = 0; i < n; ++i) {
        const Point& p = points_[i];
        const Point& q = points_[(i + 1) % n];
        if (p.y == q.y) continue;
        if (p.y < q.y)
            edges.push_back(Edge{p.x, p.y, q.x, q.y});
        else
            edges.push_back(Edge{q.x, q.y, p.x, p.y});
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.ya < b.ya; });
    struct Crossing {
        i64 num, den;  // x = num / den, den > 0
    };
    std::vector<const Edge*> active;
    std::vector<Crossing> xs;
    size_t next = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        while (next < edges.size() && edges[next].ya <= y) active.push_back(&edges[next++]);
        active.erase(std::remove_if(active.begin(), active.end(), [y](const Edge* e) { return e->yb <= y; }),
                     active.end());
        xs.clear();
        for (const Edge* e : active) {
            const i64 den = e->yb - e->ya;
            xs.push_back(Crossing{e->xa * den + (y - e->ya) * (e->xb - e->xa), den});
        }
        std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) {
            return static_cast<i128>(a.num) * b.den < static_cast<i128>(b.num) * a.den;
        });
        uint8_t* row = cover.data() + static_cast<size_t>(y - area.Top) * static_cast<size_t>(w);
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            const i64 lo = std::max<i64>(CeilDiv(xs[k].num, xs[k].den), area.Left);
            const i64 hi = std::min<i64>(FloorDiv(xs[k + 1].num, xs[k + 1].den), area.Right - 1);
            if (lo <= hi) std::memset(row + (lo - area.Left), 1, static_cast<size_t>(hi - lo + 1));
        }
    }
    // Outline.
    for (size_t i = 0; i < n; ++i) EdgePixels(points_[i], points_[(i + 1) % n], area, mark);

    for (int y = area.Top; y < area.Bottom; ++y) {
        const uint8_t* row = cover.data() + static_cast<size_t>(y - area.Top) * static_cast<size_t>(w);
        ForEachNonZeroRun(row, w, [&](int i0, int i1) { fn(y, area.Left + i0, area.Left + i1); });
    }
}

void Shape::forEachSpan(const Rect& clip, const SpanFn& fn) const {
    if (kind_ == Kind::Empty) return;
    const Rect area = Intersect(bounds_, clip);
    if (area.empty()) return;
    switch (kind_) {
        case Kind::Box:
            for (int y = area.Top; y < area.Bottom; ++y) fn(y, area.Left, area.Right);
            break;
        case Kind::Oval:
            ovalSpans(area, fn);
            break;
        case Kind::Polygon:
            polygonSpans(area, fn);
            break;
        case Kind::Empty:
            break;
    }
}

void PaintShape(Mask& mask, const Shape& shape, uint8_t value) {
    shape.forEachSpan(Rect{0, 0, mask.width(), mask.height()}, [&](int y, int x0, int x1) {
        std::memset(mask.row(y) + x0, value, static_cast<size_t>(x1 - x0));
    });
}

void PaintShape(Image& img, const Shape& shape, Colour colour) {
    shape.forEachSpan(Rect{0, 0, img.width(), img.height()}, [&](int y, int x0, int x1) {
        FillPixels(img.row(y) + 3 * static_cast<size_t>(x0), x1 - x0, colour);
    });
}

Mask ShapeMask(const Shape& shape, int width, int height) {
    Mask m(width, height, 0);
    PaintShape(m, shape, 255);
    return m;
}

}  // namespace lum
