// SPDX-License-Identifier: GPL-3.0-or-later
// Shape rasterisers: literal small pictures, per-pixel references of the centre rule, symmetry,
// gap-free rings and the polygon's even-odd interior with its outline.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "image/Draw.h"
#include "image/Shapes.h"

using namespace lum;

namespace {

using i128 = __int128;

// Coverage of area as rows of '#' and '.', checking the span order on the way.
std::vector<std::string> Picture(const Shape& s, const Rect& area) {
    std::vector<std::string> rows(static_cast<size_t>(area.height()), std::string(static_cast<size_t>(area.width()), '.'));
    int lastY = area.Top - 1, lastX = area.Left - 1;
    s.forEachSpan(area, [&](int y, int x0, int x1) {
        EXPECT_GE(y, lastY);
        if (y == lastY) {
            EXPECT_GT(x0, lastX) << "runs of a row overlap or touch";
        }
        EXPECT_LT(x0, x1);
        EXPECT_GE(x0, area.Left);
        EXPECT_LE(x1, area.Right);
        EXPECT_GE(y, area.Top);
        EXPECT_LT(y, area.Bottom);
        lastY = y;
        lastX = x1;
        for (int x = x0; x < x1; ++x) rows[static_cast<size_t>(y - area.Top)][static_cast<size_t>(x - area.Left)] = '#';
    });
    return rows;
}

bool At(const std::vector<std::string>& pic, const Rect& area, int x, int y) {
    return pic[static_cast<size_t>(y - area.Top)][static_cast<size_t>(x - area.Left)] == '#';
}

Rect Around(const Rect& r, int margin) {
    return Rect{r.Left - margin, r.Top - margin, r.Right + margin, r.Bottom + margin};
}

int Count(const std::vector<std::string>& pic) {
    int n = 0;
    for (const auto& r : pic)
        for (char c : r) n += c == '#';
    return n;
}

std::vector<std::string> MirrorX(std::vector<std::string> pic) {
    for (auto& r : pic) r = std::string(r.rbegin(), r.rend());
    return pic;
}
std::vector<std::string> MirrorY(std::vector<std::string> pic) { return {pic.rbegin(), pic.rend()}; }

// Centre strictly inside the ellipse with centre (c2x/2, c2y/2) and half-axes (ax2/2, ay2/2),
// tested pixel by pixel in doubled units.
bool InsideEllipse2(int x, int y, int64_t c2x, int64_t c2y, int64_t ax2, int64_t ay2) {
    if (ax2 <= 0 || ay2 <= 0) return false;
    const i128 dx = 2 * static_cast<int64_t>(x) + 1 - c2x, dy = 2 * static_cast<int64_t>(y) + 1 - c2y;
    return dx * dx * ay2 * ay2 + dy * dy * ax2 * ax2 < static_cast<i128>(ax2) * ax2 * ay2 * ay2;
}

// A pen-w ellipse from box corners, pixel by pixel: outline half-axes (size - 1) / 2, moved out
// (and in, for the outline only) by w / 2.
bool ReferencePenEllipse(int x, int y, const Rect& b, int w, bool ring) {
    const int64_t ax = std::max(b.width() - 1, 0), ay = std::max(b.height() - 1, 0);
    const int64_t cx = b.Left + b.Right, cy = b.Top + b.Bottom;
    if (!InsideEllipse2(x, y, cx, cy, ax + w, ay + w)) return false;
    return !(ring && ax - w > 0 && ay - w > 0 && InsideEllipse2(x, y, cx, cy, ax - w, ay - w));
}

}  // namespace

TEST(ShapeRectangle, CoversLeftToRightExclusiveAndClips) {
    const Rect area{0, 0, 6, 4};
    EXPECT_EQ(Picture(Shape::Rectangle(Rect{1, 1, 4, 3}), area),
              (std::vector<std::string>{"......", ".###..", ".###..", "......"}));
    EXPECT_EQ(Picture(Shape::Rectangle(Rect{-3, 2, 2, 9}), area),
              (std::vector<std::string>{"......", "......", "##....", "##...."}));
    EXPECT_TRUE(Shape::Rectangle(Rect{3, 1, 3, 5}).empty());
    EXPECT_TRUE(Shape::Rectangle(Rect{4, 1, 2, 5}).empty());
}

TEST(ShapeEllipse, SmallEllipsesFillTheirBox) {
    EXPECT_EQ(Picture(Shape::Ellipse(Rect{0, 0, 4, 4}), Rect{0, 0, 4, 4}),
              (std::vector<std::string>{".##.", "####", "####", ".##."}));
    EXPECT_EQ(Picture(Shape::Ellipse(Rect{0, 0, 7, 3}), Rect{0, 0, 7, 3}),
              (std::vector<std::string>{".#####.", "#######", ".#####."}));
    EXPECT_EQ(Picture(Shape::Ellipse(Rect{2, 1, 3, 2}), Rect{0, 0, 4, 3}),
              (std::vector<std::string>{"....", "..#.", "...."}));
    EXPECT_EQ(Picture(Shape::Ellipse(Rect{0, 0, 2, 1}), Rect{0, 0, 2, 1}), (std::vector<std::string>{"##"}));
    EXPECT_TRUE(Shape::Ellipse(Rect{0, 0, 0, 5}).empty());
    EXPECT_TRUE(Shape::Ellipse(Rect{0, 5, 5, 5}).empty());
}

TEST(ShapeEllipse, MatchesTheCentreRuleAndIsSymmetricForManyBoxes) {
    for (int w = 1; w <= 41; w += 3)
        for (int h = 1; h <= 37; h += 2) {
            const Rect box{-7, 3, -7 + w, 3 + h};
            const Rect area = Around(box, 2);
            const auto pic = Picture(Shape::Ellipse(box), area);
            for (int y = area.Top; y < area.Bottom; ++y)
                for (int x = area.Left; x < area.Right; ++x) {
                    // Centre strictly inside the ellipse through the sides of [L, R] x [T, B].
                    const bool expect = InsideEllipse2(x, y, box.Left + box.Right, box.Top + box.Bottom, w, h);
                    ASSERT_EQ(At(pic, area, x, y), expect) << w << "x" << h << " at " << x << "," << y;
                    if (expect) {
                        ASSERT_TRUE(x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom);
                    }
                }
            // An odd box's middle column runs from its top side to its bottom side, its middle row
            // from side to side.
            if (w % 2) {
                EXPECT_TRUE(At(pic, area, box.Left + w / 2, box.Top) && At(pic, area, box.Left + w / 2, box.Bottom - 1))
                    << w << "x" << h;
            }
            if (h % 2) {
                EXPECT_TRUE(At(pic, area, box.Left, box.Top + h / 2) && At(pic, area, box.Right - 1, box.Top + h / 2))
                    << w << "x" << h;
            }
            EXPECT_EQ(pic, MirrorX(pic)) << w << "x" << h;
            EXPECT_EQ(pic, MirrorY(pic)) << w << "x" << h;
            EXPECT_EQ(pic, Picture(Shape::PenEllipse(box, 1), area)) << w << "x" << h;
        }
}

TEST(ShapeEllipse, LargeEllipseRowsMatchThePixelRule) {
    // Rows solved with integer square roots against the pixel-by-pixel inequality.
    const Rect box{-1000, -300, 2001, 1999};
    const Shape s = Shape::Ellipse(box);
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> ry(box.Top - 2, box.Bottom + 1);
    for (int i = 0; i < 200; ++i) {
        const int y = ry(rng);
        const Rect row{box.Left - 2, y, box.Right + 2, y + 1};
        const auto pic = Picture(s, row);
        for (int x = row.Left; x < row.Right; ++x)
            ASSERT_EQ(At(pic, row, x, y), InsideEllipse2(x, y, box.Left + box.Right, box.Top + box.Bottom,
                                                         box.width(), box.height()))
                << x << "," << y;
    }
}

TEST(ShapePen, FilledShapesWithPenTwoMatchTheReferenceAndKeepTheirStraightExtent) {
    // Heights 5, 9 and 19 put pixel centres exactly on some of these outlines.
    for (int w = 0; w <= 23; w += 1)
        for (int h : {0, 1, 2, 5, 9, 12, 19}) {
            const Rect box{10, 20, 10 + w, 20 + h};
            const Rect area = Around(box, 3);
            for (int pen : {1, 2, 3})
                for (bool ring : {false, true}) {
                    const auto pic = Picture(ring ? Shape::EllipseOutline(box, pen) : Shape::PenEllipse(box, pen), area);
                    for (int y = area.Top; y < area.Bottom; ++y)
                        for (int x = area.Left; x < area.Right; ++x)
                            ASSERT_EQ(At(pic, area, x, y), ReferencePenEllipse(x, y, box, pen, ring))
                                << w << "x" << h << " pen " << pen << " ring " << ring << " at " << x << "," << y;
                    EXPECT_EQ(pic, MirrorX(pic));
                    EXPECT_EQ(pic, MirrorY(pic));
                }
            if (w >= 1 && h >= 1) {
                // Pen 2 keeps the box's columns on the middle row(s), like pen 1.
                const auto pic2 = Picture(Shape::PenRoundRect(box, 2, 0, 0), area);
                EXPECT_EQ(pic2, Picture(Shape::Rectangle(box), area)) << w << "x" << h;
            }
        }
    // A pixel centre exactly on the outline is outside.
    EXPECT_FALSE(At(Picture(Shape::PenEllipse(Rect{0, 0, 4, 9}, 2), Rect{0, 0, 4, 9}), Rect{0, 0, 4, 9}, 0, 0));
    // A point with pen 2: the four pixels around it; with pen 1: nothing.
    EXPECT_EQ(Picture(Shape::PenEllipse(Rect{2, 2, 2, 2}, 2), Rect{0, 0, 4, 4}),
              (std::vector<std::string>{"....", ".##.", ".##.", "...."}));
    EXPECT_TRUE(Picture(Shape::PenEllipse(Rect{2, 2, 2, 2}, 1), Rect{0, 0, 4, 4}) ==
                Picture(Shape(), Rect{0, 0, 4, 4}));
    // Corners in any order.
    EXPECT_EQ(Picture(Shape::PenEllipse(Point{9, 8}, Point{1, 2}, 2), Rect{0, 0, 12, 12}),
              Picture(Shape::PenEllipse(Rect{1, 2, 9, 8}, 2), Rect{0, 0, 12, 12}));
}

TEST(ShapeRing, OutlineIsTwoPixelsThickInwardsAndMatchesTheReference) {
    const Rect box{0, 0, 12, 8};
    EXPECT_EQ(Picture(Shape::EllipseOutline(box, 2), box),
              (std::vector<std::string>{"..########..", ".##########.", "##........##", "##........##",
                                        "##........##", "##........##", ".##########.", "..########.."}));
    for (int n = 0; n <= 30; ++n)
        for (int ry : {0, 1, 2, 7, 19}) {
            const Rect b{50 - n, 40 - ry, 50 + n, 40 + ry};
            const Rect area = Around(b, 3);
            const auto pic = Picture(Shape::EllipseOutline(b, 2), area);
            for (int y = area.Top; y < area.Bottom; ++y)
                for (int x = area.Left; x < area.Right; ++x)
                    ASSERT_EQ(At(pic, area, x, y), ReferencePenEllipse(x, y, b, 2, true))
                        << n << "," << ry << " at " << x << "," << y;
        }
}

TEST(ShapeRing, ConsecutiveRingsLeaveNoGap) {
    // Rings from the centre outwards, the vertical radius growing by the rounded ratio: together
    // they must paint every pixel of the last ring's filled shape.
    for (double ratio : {0.0, 0.013, 0.3, 0.75, 1.0, 1.4, 2.0}) {
        const int cx = 70, cy = 90, last = 60;
        const Rect area{0, 0, 140, 220};
        Mask painted(area.width(), area.height());
        int lastRy = 0;
        for (int n = 0; n <= last; ++n) {
            const int ry = static_cast<int>(std::lround(n * ratio));
            ASSERT_LE(ry - lastRy, 2);
            lastRy = ry;
            PaintShape(painted, Shape::EllipseOutline(Rect{cx - n, cy - ry, cx + n, cy + ry}, 2), 255);
        }
        const Mask whole = ShapeMask(Shape::PenEllipse(Rect{cx - last, cy - lastRy, cx + last, cy + lastRy}, 2),
                                     area.width(), area.height());
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                if (whole.at(x, y)) {
                    ASSERT_TRUE(painted.at(x, y)) << "ratio " << ratio << " gap at " << x << "," << y;
                }
    }
}

TEST(ShapeRoundRect, NestedSmoothingRingsStayInsideTheirBoxes) {
    // Boxes (f, f) - (W - f, H - f) with corner 48 and pen 2, as a margin ramp paints them.
    const int W = 121, H = 81;
    Mask m(W, H);
    for (int f = 1; f <= 16; ++f)
        PaintShape(m, Shape::PenRoundRect(Rect{f, f, W - f, H - f}, 2, 48, 48), static_cast<uint8_t>(f * 255 / 16));
    for (int f = 1; f <= 16; ++f) {
        EXPECT_EQ(m.at(f, H / 2), f * 255 / 16) << f;
        EXPECT_EQ(m.at(W - 1 - f, H / 2), f * 255 / 16) << f;
        EXPECT_EQ(m.at(W / 2, f), f * 255 / 16) << f;
        EXPECT_EQ(m.at(W / 2, H - 1 - f), f * 255 / 16) << f;
    }
    for (int i = 0; i < W; ++i) EXPECT_EQ(m.at(i, 0) | m.at(i, H - 1), 0) << i;
    for (int i = 0; i < H; ++i) EXPECT_EQ(m.at(0, i) | m.at(W - 1, i), 0) << i;
    EXPECT_EQ(m.at(W / 2, H / 2), 255);
    // The corners are round: the box corner pixel of the first ring stays black.
    EXPECT_EQ(m.at(1, 1), 0);
    EXPECT_EQ(m.at(W - 2, H - 2), 0);
}

namespace {

// A rounded rectangle from its sides and corners, in doubled units: the sides lie (pen - 1) / 2
// outside the box [L, R] x [T, B]; each corner is a quarter ellipse of max(corner, 1) + pen - 1
// pixels (at most the side's length) set into the corner of those sides.
bool ReferenceRoundRect(int x, int y, const Rect& b, int pen, int cw, int ch) {
    const int64_t l = 2 * b.Left - (pen - 1), r = 2 * b.Right + (pen - 1);
    const int64_t t = 2 * b.Top - (pen - 1), bo = 2 * b.Bottom + (pen - 1);
    const int64_t px = 2 * x + 1, py = 2 * y + 1;
    if (px <= l || px >= r || py <= t || py >= bo) return false;
    const int64_t ex = std::min<int64_t>(std::max(cw, 1) + pen - 1, (r - l) / 2);
    const int64_t ey = std::min<int64_t>(std::max(ch, 1) + pen - 1, (bo - t) / 2);
    const int64_t cx = px < l + ex ? l + ex : (px > r - ex ? r - ex : px);
    const int64_t cy = py < t + ey ? t + ey : (py > bo - ey ? bo - ey : py);
    const i128 dx = px - cx, dy = py - cy;
    return dx * dx * ey * ey + dy * dy * ex * ex < static_cast<i128>(ex) * ex * ey * ey;
}

}  // namespace

TEST(ShapeRoundRect, MatchesTheSidesAndCornersReference) {
    for (int w : {1, 2, 5, 13, 30, 61})
        for (int h : {1, 4, 9, 22, 50})
            for (int pen : {1, 2, 3})
                for (auto [cw, ch] : std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {7, 4}, {10, 6}, {48, 48}, {90, 3}}) {
                    const Rect box{-4, 6, -4 + w, 6 + h};
                    const Rect area = Around(box, 3);
                    const auto pic = Picture(Shape::PenRoundRect(box, pen, cw, ch), area);
                    for (int y = area.Top; y < area.Bottom; ++y)
                        for (int x = area.Left; x < area.Right; ++x)
                            ASSERT_EQ(At(pic, area, x, y), ReferenceRoundRect(x, y, box, pen, cw, ch))
                                << w << "x" << h << " pen " << pen << " corner " << cw << "x" << ch << " at " << x
                                << "," << y;
                }
}

TEST(ShapeRoundRect, CornerSizeBetweenSquareAndEllipse) {
    const Rect box{3, 4, 40, 30};
    const Rect area = Around(box, 2);
    for (int pen : {1, 2}) {
        EXPECT_EQ(Picture(Shape::PenRoundRect(box, pen, 999, 999), area), Picture(Shape::PenEllipse(box, pen), area));
        const auto round = Picture(Shape::PenRoundRect(box, pen, 10, 6), area);
        EXPECT_EQ(round, MirrorX(round));
        EXPECT_EQ(round, MirrorY(round));
        const int nRound = Count(round);
        EXPECT_LT(Count(Picture(Shape::PenEllipse(box, pen), area)), nRound);
        EXPECT_LT(nRound, Count(Picture(Shape::PenRoundRect(box, pen, 0, 0), area)));
    }
    // A 10 x 6 corner with pen 1 is the corner of a 10 x 6 ellipse.
    const auto round = Picture(Shape::PenRoundRect(box, 1, 10, 6), area);
    const auto corner = Picture(Shape::Ellipse(Rect{3, 4, 13, 10}), area);
    for (int y = 4; y < 7; ++y)
        for (int x = 3; x < 8; ++x) EXPECT_EQ(At(round, area, x, y), At(corner, area, x, y)) << x << "," << y;
}

TEST(ShapeEllipse, HugeCoordinatesAreClampedNotOverflowed) {
    const Shape s = Shape::PenEllipse(Point{-2000000000, -2000000000}, Point{2000000000, 2000000000}, 2);
    const auto pic = Picture(s, Rect{-2, -2, 3, 3});
    EXPECT_EQ(Count(pic), 25);
    const Shape far = Shape::Ellipse(Rect{2000000000, 0, 2100000000, 10});
    EXPECT_EQ(Count(Picture(far, Rect{0, 0, 10, 10})), 0);
}

namespace {

// Pixel (x, y) on the edge a-b: at most half a pixel from the exact line along the minor axis,
// for a step of the major axis within the edge.
bool OnEdge(int x, int y, Point a, Point b) {
    const int64_t dx = b.x - a.x, dy = b.y - a.y;
    if (std::llabs(dx) >= std::llabs(dy)) {
        if (dx == 0) return x == a.x && y == a.y;
        if (x < std::min(a.x, b.x) || x > std::max(a.x, b.x)) return false;
        return std::llabs(2 * ((y - a.y) * dx - (x - a.x) * dy)) <= std::llabs(dx);
    }
    if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y)) return false;
    return std::llabs(2 * ((x - a.x) * dy - (y - a.y) * dx)) <= std::llabs(dy);
}

// Even-odd by a ray to the right from the pixel centre, for centres on no edge; pixels on the
// outline count as covered anyway.
bool ReferencePolygon(int x, int y, const std::vector<Point>& p) {
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i)
        if (OnEdge(x, y, p[i], p[(i + 1) % n])) return true;
    // Ray from (x, y) (vertex coordinates are pixel centres) nudged up by a hair: count edges
    // with one end at or below y and the other above, crossing right of x.
    bool inside = false;
    for (size_t i = 0; i < n; ++i) {
        Point a = p[i], b = p[(i + 1) % n];
        if ((a.y <= y) == (b.y <= y)) continue;
        if (a.y > b.y) std::swap(a, b);
        // x of the edge at height y: a.x + (y - a.y)(b.x - a.x)/(b.y - a.y); right of x?
        const int64_t lhs = static_cast<int64_t>(a.x) * (b.y - a.y) + static_cast<int64_t>(y - a.y) * (b.x - a.x);
        const int64_t rhs = static_cast<int64_t>(x) * (b.y - a.y);
        if (lhs > rhs) inside = !inside;
        if (lhs == rhs) return true;  // on the edge: the outline covers it
    }
    return inside;
}

void ExpectPolygonMatchesReference(const std::vector<Point>& pts, const Rect& area, const char* what) {
    const auto pic = Picture(Shape::Polygon(pts), area);
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            ASSERT_EQ(At(pic, area, x, y), ReferencePolygon(x, y, pts)) << what << " at " << x << "," << y;
}

}  // namespace

TEST(ShapePolygon, OutlineIsIncludedAndTiesTakeBothPixels) {
    // A square through (0,0)-(4,4): its outline runs through the corner pixels, so 5 x 5.
    EXPECT_EQ(Count(Picture(Shape::Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}), Rect{-1, -1, 7, 7})), 25);
    // A segment with exact halves: both pixels at x = 1 and x = 3.
    EXPECT_EQ(Picture(Shape::Polygon({{0, 0}, {4, 2}}), Rect{0, 0, 5, 3}),
              (std::vector<std::string>{"##...", ".###.", "...##"}));
    EXPECT_EQ(Picture(Shape::Polygon({{1, 1}}), Rect{0, 0, 3, 3}), (std::vector<std::string>{"...", ".#.", "..."}));
    EXPECT_TRUE(Shape::Polygon({}).empty());
    const auto tri = Picture(Shape::Polygon({{0, 0}, {8, 0}, {4, 4}}), Rect{0, 0, 9, 5});
    EXPECT_EQ(tri, (std::vector<std::string>{"#########", ".#######.", "..#####..", "...###...", "....#...."}));
}

TEST(ShapePolygon, SameShapeWhateverTheDirectionOrMirror) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> c(0, 30);
    for (int round = 0; round < 40; ++round) {
        std::vector<Point> pts(3 + round % 9);
        for (auto& p : pts) p = Point{c(rng), c(rng)};
        const Rect area{-2, -2, 33, 33};
        const auto pic = Picture(Shape::Polygon(pts), area);
        std::vector<Point> rev(pts.rbegin(), pts.rend());
        EXPECT_EQ(pic, Picture(Shape::Polygon(rev), area)) << round;
        std::vector<Point> mx = pts, my = pts;
        for (auto& p : mx) p.x = 30 - p.x;
        for (auto& p : my) p.y = 30 - p.y;
        EXPECT_EQ(MirrorX(pic), Picture(Shape::Polygon(mx), area)) << round;
        EXPECT_EQ(MirrorY(pic), Picture(Shape::Polygon(my), area)) << round;
    }
}

TEST(ShapePolygon, EvenOddInteriorMatchesARayCastingReference) {
    // A pentagram: its centre is crossed twice, so it stays empty.
    const std::vector<Point> star{{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    ExpectPolygonMatchesReference(star, Rect{-1, -1, 101, 92}, "star");
    EXPECT_FALSE(At(Picture(Shape::Polygon(star), Rect{0, 0, 100, 91}), Rect{0, 0, 100, 91}, 50, 50));
    // Concave shapes with horizontal edges and vertices on pixel rows.
    ExpectPolygonMatchesReference({{0, 0}, {20, 0}, {20, 20}, {10, 5}, {0, 20}}, Rect{-1, -1, 22, 22}, "notch");
    ExpectPolygonMatchesReference({{0, 0}, {10, 10}, {20, 0}, {20, 10}, {10, 20}, {0, 10}}, Rect{-1, -1, 22, 22}, "bow");
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> c(-5, 45);
    for (int round = 0; round < 60; ++round) {
        std::vector<Point> pts(3 + round % 14);
        for (auto& p : pts) p = Point{c(rng), c(rng)};
        ExpectPolygonMatchesReference(pts, Rect{-2, -1, 38, 44}, "random");
    }
}

TEST(ShapePolygon, ClippingGivesTheSamePixels) {
    const std::vector<Point> pts{{-30, 5}, {60, -20}, {80, 70}, {10, 50}, {30, 20}};
    const Rect all{-40, -30, 90, 80};
    const auto whole = Picture(Shape::Polygon(pts), all);
    const Rect part{5, 3, 41, 29};
    const auto clipped = Picture(Shape::Polygon(pts), part);
    for (int y = part.Top; y < part.Bottom; ++y)
        for (int x = part.Left; x < part.Right; ++x) ASSERT_EQ(At(clipped, part, x, y), At(whole, all, x, y));
}

TEST(PaintShape, WritesTheColourBytesOnlyWhereCovered) {
    Image img(6, 4);
    img.fill(1, 2, 3);
    PaintShape(img, Shape::Ellipse(Rect{-1, 0, 3, 4}), MakeColour(200, 100, 50));
    EXPECT_EQ(img.pixel(0, 1)[0], 50);
    EXPECT_EQ(img.pixel(0, 1)[1], 100);
    EXPECT_EQ(img.pixel(0, 1)[2], 200);
    EXPECT_EQ(img.pixel(2, 0)[2], 1);  // outside the ellipse's rounded corner
    EXPECT_EQ(img.pixel(3, 1)[2], 1);
    Mask m(3, 3, 7);
    PaintShape(m, Shape::Rectangle(Rect{1, 1, 9, 9}), 0);
    EXPECT_EQ(m.at(0, 0), 7);
    EXPECT_EQ(m.at(2, 2), 0);
    EXPECT_EQ(m.at(2, 0), 7);
}
