// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/CropFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lum {

void CropFrame::Reset(int imageWidth, int imageHeight) {
    imageW_ = imageWidth;
    imageH_ = imageHeight;
    frame_ = Rect{0, 0, imageWidth, imageHeight};
    handle_ = CropHandle::None;
    SetProportion(ratioW_, ratioH_);
}

Rect CropFrame::fitted(double cx, double cy, double w, double h) const {
    const int iw = std::clamp(static_cast<int>(std::lround(w)), 1, std::max(1, imageW_));
    const int ih = std::clamp(static_cast<int>(std::lround(h)), 1, std::max(1, imageH_));
    const int left = std::clamp(static_cast<int>(std::lround(cx - iw / 2.0)), 0, std::max(0, imageW_ - iw));
    const int top = std::clamp(static_cast<int>(std::lround(cy - ih / 2.0)), 0, std::max(0, imageH_ - ih));
    return Rect{left, top, left + iw, top + ih};
}

void CropFrame::SetProportion(int width, int height) {
    ratioW_ = width > 0 && height > 0 ? width : 0;
    ratioH_ = width > 0 && height > 0 ? height : 0;
    if (ratioW_ == 0) return;
    double w = frame_.width(), h = frame_.height();
    if (w * ratioH_ > h * ratioW_) w = h * ratioW_ / ratioH_;
    else h = w * ratioH_ / ratioW_;
    frame_ = fitted((frame_.Left + frame_.Right) / 2.0, (frame_.Top + frame_.Bottom) / 2.0, w, h);
}

CropHandle CropFrame::HandleAt(ImagePoint p, int tolerance) const {
    const auto near = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
    const bool inX = p.x >= frame_.Left - tolerance && p.x <= frame_.Right + tolerance;
    const bool inY = p.y >= frame_.Top - tolerance && p.y <= frame_.Bottom + tolerance;
    if (!inX || !inY) return CropHandle::None;
    const bool l = near(p.x, frame_.Left), r = near(p.x, frame_.Right);
    const bool t = near(p.y, frame_.Top), b = near(p.y, frame_.Bottom);
    if (t && l) return CropHandle::TopLeft;
    if (t && r) return CropHandle::TopRight;
    if (b && l) return CropHandle::BottomLeft;
    if (b && r) return CropHandle::BottomRight;
    if (l) return CropHandle::Left;
    if (r) return CropHandle::Right;
    if (t) return CropHandle::Top;
    if (b) return CropHandle::Bottom;
    // A frame over the whole picture cannot move: a drag in it draws a new one.
    if (frame_.Left <= 0 && frame_.Top <= 0 && frame_.Right >= imageW_ && frame_.Bottom >= imageH_) return CropHandle::None;
    return CropHandle::Inside;
}

void CropFrame::Begin(CropHandle handle, ImagePoint p) {
    const ImagePoint clamped{std::clamp(p.x, 0, imageW_), std::clamp(p.y, 0, imageH_)};
    handle_ = handle == CropHandle::None ? CropHandle::BottomRight : handle;
    press_ = clamped;
    atPress_ = frame_;
    const Rect& f = frame_;
    switch (handle) {
        case CropHandle::None: anchor_ = clamped; break;
        case CropHandle::TopLeft: anchor_ = {f.Right, f.Bottom}; break;
        case CropHandle::TopRight: anchor_ = {f.Left, f.Bottom}; break;
        case CropHandle::BottomLeft: anchor_ = {f.Right, f.Top}; break;
        case CropHandle::BottomRight: anchor_ = {f.Left, f.Top}; break;
        case CropHandle::Left: anchor_ = {f.Right, f.Top}; break;
        case CropHandle::Right: anchor_ = {f.Left, f.Top}; break;
        case CropHandle::Top: anchor_ = {f.Left, f.Bottom}; break;
        case CropHandle::Bottom: anchor_ = {f.Left, f.Top}; break;
        case CropHandle::Inside: break;
    }
}

void CropFrame::DragTo(ImagePoint p) {
    const ImagePoint q{std::clamp(p.x, 0, imageW_), std::clamp(p.y, 0, imageH_)};
    const Rect& a = atPress_;
    switch (handle_) {
        case CropHandle::None: return;
        case CropHandle::Inside: {
            const int dx = std::clamp(q.x - press_.x, -a.Left, imageW_ - a.Right);
            const int dy = std::clamp(q.y - press_.y, -a.Top, imageH_ - a.Bottom);
            frame_ = Rect{a.Left + dx, a.Top + dy, a.Right + dx, a.Bottom + dy};
            return;
        }
        // An edge moves one side; the other side keeps its extent (or follows the proportion).
        case CropHandle::Left:
        case CropHandle::Right:
            if (ratioW_ > 0) return edgeSpan(true, q.x);
            return spanFrom(anchor_, ImagePoint{q.x, a.Bottom}, false, true);
        case CropHandle::Top:
        case CropHandle::Bottom:
            if (ratioW_ > 0) return edgeSpan(false, q.y);
            return spanFrom(anchor_, ImagePoint{a.Right, q.y}, true, false);
        default: return spanFrom(anchor_, q, false, false);
    }
}

void CropFrame::edgeSpan(bool leftOrRight, int at) {
    // With a fixed proportion the other side grows about its middle, as the eye expects of an
    // edge, sliding back inside the picture where it would leave it.
    const Rect& a = atPress_;
    const int from = leftOrRight ? anchor_.x : anchor_.y;
    const int along = leftOrRight ? imageW_ : imageH_, across = leftOrRight ? imageH_ : imageW_;
    const double ratio = leftOrRight ? double(ratioH_) / ratioW_ : double(ratioW_) / ratioH_;  // across per along
    const int sign = at < from ? -1 : 1;
    double length = std::min<double>(std::max(1, std::abs(at - from)), sign > 0 ? along - from : from);
    double breadth = length * ratio;
    if (breadth > across) {
        breadth = across;
        length = breadth / ratio;
    }
    const int il = std::max(1, static_cast<int>(std::lround(length)));
    const int ib = std::clamp(static_cast<int>(std::lround(breadth)), 1, std::max(1, across));
    const int start = sign > 0 ? from : from - il;
    const double middle = leftOrRight ? (a.Top + a.Bottom) / 2.0 : (a.Left + a.Right) / 2.0;
    const int side = std::clamp(static_cast<int>(std::lround(middle - ib / 2.0)), 0, std::max(0, across - ib));
    frame_ = leftOrRight ? Rect{start, side, start + il, side + ib} : Rect{side, start, side + ib, start + il};
}

void CropFrame::spanFrom(ImagePoint anchor, ImagePoint p, bool keepWidth, bool keepHeight) {
    const int sx = p.x < anchor.x ? -1 : 1, sy = p.y < anchor.y ? -1 : 1;
    // The room from the anchor to the picture's edge on the side the mouse is.
    const double roomX = sx > 0 ? imageW_ - anchor.x : anchor.x, roomY = sy > 0 ? imageH_ - anchor.y : anchor.y;
    double w = std::max(1, std::abs(p.x - anchor.x)), h = std::max(1, std::abs(p.y - anchor.y));
    if (ratioW_ > 0) {
        if (keepWidth) w = h * ratioW_ / ratioH_;
        else if (keepHeight) h = w * ratioH_ / ratioW_;
        else if (w * ratioH_ > h * ratioW_) h = w * ratioH_ / ratioW_;
        else w = h * ratioW_ / ratioH_;
        if (w > roomX) {
            w = roomX;
            h = w * ratioH_ / ratioW_;
        }
        if (h > roomY) {
            h = roomY;
            w = h * ratioW_ / ratioH_;
        }
    }
    const int iw = std::max(1, static_cast<int>(std::lround(std::min(w, roomX))));
    const int ih = std::max(1, static_cast<int>(std::lround(std::min(h, roomY))));
    const int left = sx > 0 ? anchor.x : anchor.x - iw, top = sy > 0 ? anchor.y : anchor.y - ih;
    frame_ = Rect{std::max(0, left), std::max(0, top), std::min(imageW_, left + iw), std::min(imageH_, top + ih)};
}

}  // namespace lum
