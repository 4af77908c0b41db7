// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/SelectionState.h"

#include <algorithm>

namespace lum {

SelectionState::SelectionState() {
    piece_.resize(8, 8);
    moveBuffer_.resize(8, 8);
}

bool SelectionState::Set(SelectionKind kind, const Rect& rect, std::vector<ImagePoint> points, Mask mask) {
    const bool sized = mask.width() == rect.width() && mask.height() == rect.height() && !mask.empty();
    bool any = false;
    for (int y = 0; sized && !any && y < mask.height(); ++y) {
        const uint8_t* row = mask.row(y);
        any = std::any_of(row, row + mask.width(), [](uint8_t b) { return b != 0; });
    }
    if (kind == SelectionKind::None || !any) {
        kind_ = SelectionKind::None;
        return false;
    }
    kind_ = kind;
    rect_ = rect;
    points_ = std::move(points);
    mask_ = std::move(mask);
    return true;
}

bool SelectionState::Set(Selection sel) {
    return Set(sel.kind, sel.rect, std::move(sel.points), std::move(sel.mask));
}

void SelectionState::Drop() {
    kind_ = SelectionKind::None;
    rect_ = Rect{0, 0, 1, 1};
    points_.clear();
}

Confinement SelectionState::Confine() const {
    if (!Active() || mask_.width() != rect_.width() || mask_.height() != rect_.height() || mask_.empty())
        return Confinement();
    return Confinement(rect_, mask_);
}

Rect SelectionState::ClippedBounds(int width, int height) const {
    return Rect{std::max(rect_.Left, 0), std::max(rect_.Top, 0), std::min(rect_.Right, width - 1),
                std::min(rect_.Bottom, height - 1)};
}

bool SelectionState::Contains(ImagePoint p) const {
    return Active() && mask_.inside(p.x - rect_.Left, p.y - rect_.Top);
}

void SelectionState::Lift(const Image& work, Colour background) {
    piece_ = LiftSelectionImage(work, Confine(), background);
}

void SelectionState::FirstGrab(Image& work, bool erase, Colour background) {
    lum::FirstGrab(work, moveBuffer_, Confine(), erase, background);
}

void SelectionState::LaterGrab(Image& work, bool duplicate) { lum::LaterGrab(work, moveBuffer_, rect_, duplicate); }

Rect SelectionState::MovePiece(Image& work, int dx, int dy, Colour background) {
    return lum::MovePiece(work, moveBuffer_, piece_, rect_, dx, dy, background);
}

}  // namespace lum
