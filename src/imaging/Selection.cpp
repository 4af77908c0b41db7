// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/Selection.h"

#include <algorithm>

#include "image/Draw.h"

namespace lum {

namespace {

// Refuses (ImageTooLarge) a rectangle whose mask could not be held, before any size overflows.
void CheckMaskSize(const Rect& r) {
    Image::checkSize(static_cast<int64_t>(r.Right) - r.Left, static_cast<int64_t>(r.Bottom) - r.Top);
}

Rect Clip(const Rect& r, int width, int height) {
    Rect c{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, width), std::min(r.Bottom, height)};
    if (c.empty()) return Rect{};
    return c;
}

}  // namespace

int ViewToImage(int v, int zoom) { return static_cast<int>(static_cast<int64_t>(v) * 100 / zoom); }
int ImageToView(int i, int zoom) { return static_cast<int>(static_cast<int64_t>(i) * zoom / 100); }

Mask BuildSelectionMask(SelectionKind kind, const Rect& rect, const std::vector<Point>& points) {
    const int w = rect.width(), h = rect.height();
    if (w <= 0 || h <= 0) return Mask();
    switch (kind) {
        case SelectionKind::FreeShape:
            return ShapeMask(Shape::Polygon(points), w, h);
        case SelectionKind::Rectangle:
            return Mask(w, h, 255);
        case SelectionKind::Ellipse:
            return ShapeMask(Shape::Ellipse(Rect{0, 0, w, h}), w, h);
        case SelectionKind::None:
            break;
    }
    return Mask();
}

Selection MakeSelection(SelectionKind kind, const Rect& rect, std::vector<Point> points) {
    Selection sel;
    if (kind == SelectionKind::None || rect.empty()) return sel;
    CheckMaskSize(rect);
    sel.kind = kind;
    sel.rect = rect;
    sel.points = std::move(points);
    sel.mask = BuildSelectionMask(kind, rect, sel.points);
    return sel;
}

Selection MakeBoxSelection(SelectionKind kind, const Rect& rect) {
    if (rect.empty()) return Selection();
    CheckMaskSize(rect);
    return MakeSelection(kind, rect, {Point{0, 0}, Point{rect.width(), rect.height()}});
}

Point DragCorner(Point press, Point mouse) {
    return Point{std::max(mouse.x, press.x + 4), std::max(mouse.y, press.y + 4)};
}

Selection BoxSelectionFromView(SelectionKind kind, Point press, Point corner, int zoom) {
    const Rect r{ViewToImage(press.x, zoom), ViewToImage(press.y, zoom), ViewToImage(corner.x, zoom),
                 ViewToImage(corner.y, zoom)};
    return MakeBoxSelection(kind, r);
}

void FreeShapePoints::press(Point p) { points_.assign(1, p); }

bool FreeShapePoints::move(Point p) {
    if (points_.empty() || p == points_.back()) return false;
    if (high() < kLastIndex)
        points_.push_back(p);
    else
        points_.back() = p;
    return true;
}

void FreeShapePoints::release() {
    if (points_.empty()) return;
    const Point first = points_.front();
    if (high() < kLastIndex)
        points_.push_back(first);
    else
        points_.back() = first;
}

Selection FreeSelectionFromView(const std::vector<Point>& viewPoints, int zoom) {
    if (viewPoints.empty()) return Selection();
    // Bounds from the points themselves, so a view of any size gives the true extent.
    Rect v{viewPoints[0].x, viewPoints[0].y, viewPoints[0].x, viewPoints[0].y};
    for (const Point& p : viewPoints) {
        v.Left = std::min(v.Left, p.x);
        v.Top = std::min(v.Top, p.y);
        v.Right = std::max(v.Right, p.x);
        v.Bottom = std::max(v.Bottom, p.y);
    }
    const Rect r{ViewToImage(v.Left, zoom), ViewToImage(v.Top, zoom), ViewToImage(v.Right, zoom) + 1,
                 ViewToImage(v.Bottom, zoom) + 1};
    std::vector<Point> rel;
    rel.reserve(viewPoints.size());
    for (const Point& p : viewPoints)
        rel.push_back(Point{ViewToImage(p.x, zoom) - r.Left, ViewToImage(p.y, zoom) - r.Top});
    return MakeSelection(SelectionKind::FreeShape, r, std::move(rel));
}

std::vector<Point> OutlineViewPoints(const Selection& sel, int zoom) {
    std::vector<Point> out;
    if (!sel.active()) return out;
    const int left = ImageToView(sel.rect.Left, zoom), top = ImageToView(sel.rect.Top, zoom);
    for (const Point& p : sel.points) out.push_back(Point{left + ImageToView(p.x, zoom), top + ImageToView(p.y, zoom)});
    return out;
}

Image LiftSelectionImage(const Image& work, const Confinement& sel, Colour background) {
    if (sel.IsWhole()) return Image();
    const Rect& r = sel.rect();
    Image piece(r.width(), r.height());
    FillRect(piece, Rect{0, 0, piece.width(), piece.height()}, background);
    // Only the selected pixels that lie in work are taken over.
    const Rect clip = sel.Clip(work.width(), work.height());
    for (int y = clip.Top; y < clip.Bottom; ++y)
        sel.ForEachRun(clip, y, [&](int x0, int x1) {
            std::copy(work.pixel(x0, y), work.pixel(x1, y), piece.pixel(x0 - r.Left, y - r.Top));
        });
    return piece;
}

void EraseSelection(Image& work, const Confinement& sel, Colour colour) {
    if (sel.IsWhole()) {
        FillRect(work, Rect{0, 0, work.width(), work.height()}, colour);
        return;
    }
    FillMask(work, *sel.mask(), sel.rect().Left, sel.rect().Top, colour);
}

void FirstGrab(Image& work, Image& moveBuffer, const Confinement& sel, bool eraseSource, Colour background) {
    if (eraseSource) EraseSelection(work, sel, background);
    moveBuffer = work;
}

void LaterGrab(Image& work, Image& moveBuffer, const Rect& rect, bool duplicate) {
    if (!duplicate) CopyRect(work, moveBuffer, rect);
    moveBuffer = work;
}

Rect MovePiece(Image& work, const Image& moveBuffer, const Image& piece, Rect& rect, int dx, int dy,
               Colour background) {
    const Rect old = rect;
    CopyRect(work, moveBuffer, old);
    rect.Left += dx;
    rect.Right += dx;
    rect.Top += dy;
    rect.Bottom += dy;
    DrawImage(work, piece, rect.Left, rect.Top, background);
    const Rect both{std::min(old.Left, rect.Left), std::min(old.Top, rect.Top), std::max(old.Right, rect.Right),
                    std::max(old.Bottom, rect.Bottom)};
    return Clip(both, work.width(), work.height());
}

}  // namespace lum
