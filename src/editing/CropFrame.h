// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the crop tool in image pixels: its eight handles, a drag of one of them, of the
// whole frame or of a new frame, each kept inside the picture and, when a proportion is chosen,
// to that proportion.
#pragma once
#include "editing/ImagePoint.h"
#include "image/Color.h"

namespace lum {

enum class CropHandle { None, Inside, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

class CropFrame {
public:
    // The whole picture, then the proportion applied.
    void Reset(int imageWidth, int imageHeight);
    // width:height, or 0:0 for any shape; the frame becomes the largest of that proportion
    // inside it, about its centre.
    void SetProportion(int width, int height);
    const Rect& Frame() const { return frame_; }
    // The handle under p (tolerance in image pixels), Inside, or None outside the frame and
    // inside one that covers the whole picture (where a drag starts a new frame).
    CropHandle HandleAt(ImagePoint p, int tolerance) const;
    // A drag of handle (None: a new frame from p) from p.
    void Begin(CropHandle handle, ImagePoint p);
    void DragTo(ImagePoint p);
    void End() { handle_ = CropHandle::None; }
    bool Dragging() const { return handle_ != CropHandle::None; }

private:
    // An edge of a frame of fixed proportion moved to at (a column or a row).
    void edgeSpan(bool leftOrRight, int at);
    // The frame from a fixed corner to p, kept inside the picture and to the proportion.
    void spanFrom(ImagePoint anchor, ImagePoint p, bool keepWidth, bool keepHeight);
    Rect fitted(double cx, double cy, double w, double h) const;
    int imageW_ = 0, imageH_ = 0;
    int ratioW_ = 0, ratioH_ = 0;
    Rect frame_;
    CropHandle handle_ = CropHandle::None;
    ImagePoint press_, anchor_;
    Rect atPress_;
};

}  // namespace lum
