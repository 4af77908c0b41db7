// SPDX-License-Identifier: GPL-3.0-or-later
// Exact rasterisers for the shapes pixel operations need from drawing: rectangles, ellipses,
// rounded rectangles, ellipse rings and polygons. Integer arithmetic only, so a shape gives the
// same pixels in the window and on the command line.
//
// Pixel rules (coordinates are pixel indices; pixel (x, y) has its centre at (x + 0.5, y + 0.5)):
// - A pixel is covered when its centre lies strictly inside the shape's boundary.
// - Rectangle [L, R) x [T, B): the pixels L..R-1, T..B-1. Empty when R <= L or B <= T.
// - Ellipse inscribed in [L, R) x [T, B): inside the ellipse through the four sides of the box
//   (centre ((L + R) / 2, (T + B) / 2), half-axes (R - L) / 2 and (B - T) / 2), so it has the
//   extent of a filled ellipse drawn with a 1-pixel pen; the tips of a very thin ellipse, where
//   it is narrower than the distance between two pixel centres, are left out. Empty when
//   R <= L or B <= T.
// - Shapes drawn with a pen of width w from corner (x0, y0) to corner (x1, y1) (the corners in
//   any order; w < 1 counts as 1): the geometric outline passes through the centres of the
//   border pixels of the box [L, R) x [T, B), i.e. its half-axes are (R - L - 1) / 2 and
//   (B - T - 1) / 2 (0 for a box of zero width or height, which makes the outline a line
//   between two columns or rows). The pen widens it by w / 2 on either side: a filled shape
//   covers the pixels strictly inside the outline moved out by w / 2; an outline covers those
//   and not the pixels strictly inside the outline moved in by w / 2 (no hole when that inner
//   outline has a half-axis <= 0).
//   With w = 1 a filled shape is exactly the inscribed one above. With w = 2 a filled shape has
//   the same extent on its straight sides as with w = 1, and an outline is two pixels thick on
//   its straight sides, growing inwards; a box of zero width and height gives the 2 x 2 pixels
//   around its corner point. Consecutive rings (n, ry) and (n + 1, ry') from
//   (cx - n, cy - ry) to (cx + n, cy + ry) with w = 2 leave no pixel between them unpainted
//   when ry' - ry <= 2.
// - Rounded rectangle: the same, with elliptic corners of size cornerW x cornerH in pen-1 terms
//   (each corner's half-axes grow by w / 2 like the outline; corners larger than the box are
//   cut to the box, so a corner the size of the box gives the ellipse).
// - Polygon through points (closed; the last point joins the first): the pixels whose centres
//   lie strictly inside by the even-odd rule, plus the outline: for each edge, per column
//   (per row where the edge is steeper than 45 degrees) the pixel nearest to the exact edge;
//   where the edge passes exactly half-way between two pixels both are taken, so the outline
//   is the same whichever way an edge runs and whichever way the polygon is mirrored.
// Coordinates are limited to +-2^29; larger values are clamped.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "image/Color.h"
#include "image/Image.h"
#include "image/Mask.h"

namespace lum {

// One covered run [x0, x1) of row y. Rows come in ascending order, the runs of a row from left
// to right and never overlapping.
using SpanFn = std::function<void(int y, int x0, int x1)>;

class Shape {
public:
    // Covers nothing.
    Shape() = default;

    static Shape Rectangle(const Rect& r);
    static Shape Ellipse(const Rect& box);
    static Shape Polygon(std::vector<Point> points);
    // Filled ellipse / rounded rectangle drawn with a pen of width pen (outline included).
    static Shape PenEllipse(Point corner0, Point corner1, int pen);
    static Shape PenRoundRect(Point corner0, Point corner1, int pen, int cornerW, int cornerH);
    // Ellipse outline only, drawn with a pen of width pen.
    static Shape EllipseOutline(Point corner0, Point corner1, int pen);

    // Shorthands taking the corners as a rectangle (Left, Top) - (Right, Bottom).
    static Shape PenEllipse(const Rect& box, int pen) {
        return PenEllipse(Point{box.Left, box.Top}, Point{box.Right, box.Bottom}, pen);
    }
    static Shape PenRoundRect(const Rect& box, int pen, int cornerW, int cornerH) {
        return PenRoundRect(Point{box.Left, box.Top}, Point{box.Right, box.Bottom}, pen, cornerW, cornerH);
    }
    static Shape EllipseOutline(const Rect& box, int pen) {
        return EllipseOutline(Point{box.Left, box.Top}, Point{box.Right, box.Bottom}, pen);
    }

    bool empty() const { return kind_ == Kind::Empty; }
    // Holds every covered pixel (right and bottom exclusive); it may hold uncovered ones too.
    Rect bounds() const { return bounds_; }
    // Visits the covered runs that lie inside clip.
    void forEachSpan(const Rect& clip, const SpanFn& fn) const;

private:
    enum class Kind : uint8_t { Empty, Box, Oval, Polygon };
    static Shape Oval(Point c0, Point c1, int pen, int64_t cornerW, int64_t cornerH, bool ring);
    // Covered |dx| bounds of the oval's row y (doubled units); false when the row is empty.
    bool ovalRow(int y, int64_t& outer, int64_t& inner) const;
    void ovalSpans(const Rect& area, const SpanFn& fn) const;
    void polygonSpans(const Rect& area, const SpanFn& fn) const;

    Kind kind_ = Kind::Empty;
    Rect bounds_{};
    // Oval, in doubled units (2x + 1 is the centre of column x): centre (cx2_, cy2_), outer
    // half-extents hx_, hy_, corner half-axes ex_, ey_, inner ellipse ix_, iy_ (0: none).
    int64_t cx2_ = 0, cy2_ = 0, hx_ = 0, hy_ = 0, ex_ = 0, ey_ = 0, ix_ = 0, iy_ = 0;
    std::vector<Point> points_;
};

// Sets every covered pixel of the mask to value (shape coordinates are mask coordinates).
void PaintShape(Mask& mask, const Shape& shape, uint8_t value = 255);
// Paints every covered pixel of the image with the colour.
void PaintShape(Image& img, const Shape& shape, Colour colour);
// A width x height mask, 255 where the shape covers, 0 elsewhere.
Mask ShapeMask(const Shape& shape, int width, int height);

}  // namespace lum
