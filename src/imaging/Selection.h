// SPDX-License-Identifier: GPL-3.0-or-later
// Selections as plain functions on images: turning a drawn outline into the selection
// rectangle, points and mask, lifting the selected piece, erasing, the grab and move steps of
// a floating piece. A selection confines pixel passes through its Where().
//
// A selection is its kind, its rectangle (image pixels, right and bottom exclusive), its points
// relative to the rectangle's Left/Top, and a mask of the rectangle's size placed at
// (Left, Top), non-zero inside. A selection whose rectangle is empty is no selection; one that
// lies partly or wholly outside the image acts on its part inside.
#pragma once
#include <cstdint>
#include <vector>

#include "image/Color.h"
#include "image/Draw.h"
#include "image/Image.h"
#include "image/Mask.h"
#include "image/Shapes.h"
#include "imaging/Confinement.h"

namespace lum {

enum class SelectionKind : int32_t { None = 0, FreeShape = 1, Rectangle = 2, Ellipse = 3 };

// View and image coordinates at a zoom percentage: v * 100 / zoom and i * zoom / 100,
// truncating toward zero.
int ViewToImage(int v, int zoom);
int ImageToView(int i, int zoom);

struct Selection {
    SelectionKind kind = SelectionKind::None;
    Rect rect{0, 0, 1, 1};
    std::vector<Point> points;  // relative to rect.Left/Top; a rectangle or ellipse has its two corners
    Mask mask;                  // rect's size, non-zero inside

    bool active() const { return kind != SelectionKind::None; }
    // Image pixel (x, y) is selected; every pixel is when there is no selection.
    bool contains(int x, int y) const {
        return !active() || mask.inside(x - rect.Left, y - rect.Top);
    }
    // Where a confined pass may change pixels; it points at this selection's mask.
    Confinement Where() const { return active() ? Confinement(rect, mask) : Confinement(); }
};

// The mask of a shape: a free shape is the polygon through its points (outline included), a
// rectangle covers the whole rectangle, an ellipse is inscribed in it.
Mask BuildSelectionMask(SelectionKind kind, const Rect& rect, const std::vector<Point>& points);
// A selection with its mask built; no selection when the kind is None or the rectangle is empty.
Selection MakeSelection(SelectionKind kind, const Rect& rect, std::vector<Point> points);
// A rectangle or ellipse selection of rect (image pixels): points (0, 0) and (width, height).
Selection MakeBoxSelection(SelectionKind kind, const Rect& rect);

// --- drawing a selection on the view (view coordinates, mouse already clamped to the view) ---

// Corner 1 of a rectangle or ellipse being dragged: the mouse, kept at least 4 right of and
// below the press point (a drag up or left leaves a 4 x 4 shape at the press point).
Point DragCorner(Point press, Point mouse);
// The rectangle or ellipse drawn from press to corner (already through DragCorner).
Selection BoxSelectionFromView(SelectionKind kind, Point press, Point corner, int zoom);

// The points of a free shape as the mouse draws it: at most 4097 (indices 0..4096); once the
// last index is reached every further point overwrites it, and the closing point too.
class FreeShapePoints {
public:
    static constexpr int kLastIndex = 4096;

    void press(Point p);
    // Stores a move unless it equals the last stored point; true when stored.
    bool move(Point p);
    // Closes the shape with the press point.
    void release();
    const std::vector<Point>& points() const { return points_; }
    int high() const { return static_cast<int>(points_.size()) - 1; }

private:
    std::vector<Point> points_;
};

// The free shape through view points: its rectangle spans the points' image coordinates, right
// and bottom one past the largest (so the last column and row are inside).
Selection FreeSelectionFromView(const std::vector<Point>& viewPoints, int zoom);

// The outline to draw on the view: a free shape's points, or a rectangle's or ellipse's two corners.
std::vector<Point> OutlineViewPoints(const Selection& sel, int zoom);

// --- pixels ---

// The selected piece: the selection's rectangle of work, every pixel outside the shape, or
// outside work, set to the background colour (which is also the colour the piece is drawn
// transparent with). Empty without a selection.
Image LiftSelectionImage(const Image& work, const Confinement& sel, Colour background);

// Fills the selection's shape with the colour (the whole image without a selection).
void EraseSelection(Image& work, const Confinement& sel, Colour colour);

// First grab of the piece: with eraseSource its place becomes the background colour. The move
// buffer becomes a copy of work as it then is.
void FirstGrab(Image& work, Image& moveBuffer, const Confinement& sel, bool eraseSource, Colour background);
// Later grab: without duplicate the piece first leaves its current place (restored from the
// move buffer); with it a copy stays there. The move buffer becomes a copy of work.
void LaterGrab(Image& work, Image& moveBuffer, const Rect& rect, bool duplicate);
// One move step by (dx, dy) image pixels: restores rect from the move buffer, moves rect, draws
// the piece there (background colour transparent). Returns the rectangle to repaint: the union
// of the old and new rectangles, clipped to the image.
Rect MovePiece(Image& work, const Image& moveBuffer, const Image& piece, Rect& rect, int dx, int dy,
               Colour background);

}  // namespace lum
