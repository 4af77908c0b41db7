// SPDX-License-Identifier: GPL-3.0-or-later
// The selection of a window: its kind, bounding rectangle (right and bottom exclusive), points
// relative to its Left/Top and a mask of the rectangle's size, non-zero inside; the piece lifted
// from under it and the picture its drag restores from.
#pragma once
#include <vector>

#include "editing/ImagePoint.h"
#include "image/Color.h"
#include "image/Image.h"
#include "image/Mask.h"
#include "imaging/Confinement.h"
#include "imaging/Selection.h"

namespace lum {

class SelectionState {
public:
    SelectionState();

    SelectionKind Kind() const { return kind_; }
    bool Active() const { return kind_ != SelectionKind::None; }
    const Rect& Bounds() const { return rect_; }
    const std::vector<ImagePoint>& Points() const { return points_; }
    const Mask& Shape() const { return mask_; }

    // Makes a new selection; a mask without any byte inside (or not of the rectangle's size)
    // makes none. Returns whether a selection exists afterwards.
    bool Set(SelectionKind kind, const Rect& rect, std::vector<ImagePoint> points, Mask mask);
    bool Set(Selection sel);
    // No selection; its rectangle back to (0, 0, 1, 1).
    void Drop();
    // No selection; what it was stays as it is until the next one (a tool reset).
    void End() { kind_ = SelectionKind::None; }
    // Where confined operations may change pixels: the selection, or the whole image.
    Confinement Confine() const;
    // The rectangle read with inclusive bounds (its right and bottom too) and clipped to a
    // width x height image: the balances' sample. Empty when it lies outside.
    Rect ClippedBounds(int width, int height) const;
    // Image point p lies inside the selection (false without one).
    bool Contains(ImagePoint p) const;

    // The pixels of the selection as lifted from the working image (outside the shape the
    // background colour).
    Image& Piece() { return piece_; }
    const Image& Piece() const { return piece_; }
    void Lift(const Image& work, Colour background);
    // The working image at the last grab, which a drag restores the piece's old place from.
    Image& MoveBuffer() { return moveBuffer_; }
    const Image& MoveBuffer() const { return moveBuffer_; }
    // The grabs and one move of the piece over work (see imaging's FirstGrab, LaterGrab and
    // MovePiece); the move carries the rectangle along and returns what to repaint.
    void FirstGrab(Image& work, bool erase, Colour background);
    void LaterGrab(Image& work, bool duplicate);
    Rect MovePiece(Image& work, int dx, int dy, Colour background);

private:
    SelectionKind kind_ = SelectionKind::None;
    Rect rect_{0, 0, 1, 1};
    std::vector<ImagePoint> points_;
    Mask mask_;
    Image piece_;
    Image moveBuffer_;
};

}  // namespace lum
