// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/SelectionTools.h"

#include <algorithm>

#include "editing/Editor.h"

namespace lum {

namespace {

// The mouse kept inside the view (both ends included).
Point ClampToView(const ToolEvent& e) {
    return Point{std::clamp(e.view.x, 0, std::max(0, e.viewSize.x)), std::clamp(e.view.y, 0, std::max(0, e.viewSize.y))};
}

// What Undo and Redo call a grab and its drag.
const char* const kLiftLabel = "Lift Selection";
const char* const kMoveLabel = "Move Selection";
const char* const kDuplicateLabel = "Duplicate Selection";

int SelectionCursor(const Editor& editor) {
    return DrawsSelection(editor.State().tools.Mode()) ? kCrossCursor : kArrowCursor;
}

}  // namespace

bool TakeSelection(Editor& editor, Selection sel) {
    EditState& st = editor.State();
    editor.BeginPixelOp();
    if (!st.selection.Set(std::move(sel))) {
        st.selection.Drop();
        return false;
    }
    st.selection.Lift(st.picture.Work(), editor.BackgroundColour());
    return true;
}

std::unique_ptr<Tool> MakeSelectionTool(ToolMode toolMode) {
    switch (toolMode) {
        case ToolMode::FreeShape: return std::make_unique<FreeSelectionTool>();
        case ToolMode::Rectangle: return std::make_unique<BoxSelectionTool>(SelectionKind::Rectangle);
        case ToolMode::Ellipse: return std::make_unique<BoxSelectionTool>(SelectionKind::Ellipse);
        default: return nullptr;
    }
}

// ---------------------------------------------------------------------------------------------
// Rectangle and ellipse

void BoxSelectionTool::Press(Editor& editor, const ToolEvent& e) {
    dragging_ = true;
    editor.State().tools.SetDragging(true);
    press_ = e.view;
    corner_ = Point{press_.x + 4, press_.y + 4};
    editor.Redraw();
}

void BoxSelectionTool::Move(Editor& editor, const ToolEvent& e) {
    const int z = e.zoom;
    if (!dragging_) {
        // The rectangle tool shows where the mouse is, in image pixels.
        if (kind_ == SelectionKind::Rectangle) editor.ShowToolLabels(e.image, size_);
        return;
    }
    corner_ = DragCorner(press_, ClampToView(e));
    if (kind_ == SelectionKind::Rectangle) {
        const int l = ViewToImage(press_.x, z), t = ViewToImage(press_.y, z);
        size_ = ImagePoint{ViewToImage(corner_.x, z) - l, ViewToImage(corner_.y, z) - t};
        editor.ShowToolLabels(ImagePoint{l, t}, size_);
    }
    editor.Redraw();
}

void BoxSelectionTool::Release(Editor& editor, const ToolEvent& e) {
    if (!dragging_) return;
    dragging_ = false;
    editor.State().tools.SetDragging(false);
    const int z = e.zoom;
    const Rect r{ViewToImage(press_.x, z), ViewToImage(press_.y, z), ViewToImage(corner_.x, z), ViewToImage(corner_.y, z)};
    size_ = ImagePoint{r.width(), r.height()};
    editor.ShowToolLabels(ImagePoint{r.Left, r.Top}, size_);
    // A new shape is grabbed afresh, whatever an earlier one left in the tool mode.
    editor.State().tools.SetMode(kind_ == SelectionKind::Ellipse ? ToolMode::Ellipse : ToolMode::Rectangle);
    TakeSelection(editor, MakeBoxSelection(kind_, r));
    editor.Redraw();
}

std::vector<Outline> BoxSelectionTool::Feedback() const {
    if (!dragging_) return {};
    Outline o;
    o.kind = kind_ == SelectionKind::Ellipse ? Outline::Ellipse : Outline::Rectangle;
    o.points = {press_, corner_};
    o.rubber = true;
    return {o};
}

int BoxSelectionTool::Cursor(const Editor&, ImagePoint) const { return kCrossCursor; }

// ---------------------------------------------------------------------------------------------
// Free shape

void FreeSelectionTool::Press(Editor& editor, const ToolEvent& e) {
    dragging_ = true;
    editor.State().tools.SetDragging(true);
    points_.press(e.view);
    editor.Redraw();
}

void FreeSelectionTool::Move(Editor& editor, const ToolEvent& e) {
    if (dragging_ && points_.move(ClampToView(e))) editor.Redraw();
}

void FreeSelectionTool::Release(Editor& editor, const ToolEvent& e) {
    if (!dragging_) return;
    dragging_ = false;
    editor.State().tools.SetDragging(false);
    points_.release();
    editor.State().tools.SetMode(ToolMode::FreeShape);
    TakeSelection(editor, FreeSelectionFromView(points_.points(), e.zoom));
    points_ = FreeShapePoints();
    editor.Redraw();
}

std::vector<Outline> FreeSelectionTool::Feedback() const {
    if (!dragging_) return {};
    Outline o;
    o.kind = Outline::Polyline;
    o.points = points_.points();
    o.rubber = true;
    return {o};
}

int FreeSelectionTool::Cursor(const Editor&, ImagePoint) const { return kCrossCursor; }

// ---------------------------------------------------------------------------------------------
// An existing selection

void SelectionHandlerTool::Press(Editor& editor, const ToolEvent& e) {
    EditState& st = editor.State();
    if (e.button == MouseButton::Right) {
        // The one way to end a selection from the view.
        if (moving_) endMove(editor);
        st.tools.SetFloating(false);
        st.tools.SetDragging(false);
        editor.ResetTool();
        st.selection.Drop();
        editor.Redraw();
        return;
    }
    if (e.button != MouseButton::Left || !st.selection.Contains(e.image)) return;
    const GrabOptions opt = options_ ? options_() : GrabOptions();
    const Colour background = editor.BackgroundColour();
    const bool first = st.tools.Mode() != ToolMode::MovingSelection;
    // A grab and the drag after it, to the release, are one step.
    editor.BeginStep(first ? kLiftLabel : opt.duplicate ? kDuplicateLabel : kMoveLabel, kStepDropsSelection);
    editor.BeginPixelOp();
    changed_ = Rect{};
    if (first) {
        st.tools.SetMode(ToolMode::MovingSelection);
        st.selection.FirstGrab(st.picture.Work(), opt.erase, background);
        if (opt.erase) changed_ = st.selection.Bounds();
        editor.MarkUnsaved();
        editor.Redraw();
    } else {
        st.selection.LaterGrab(st.picture.Work(), opt.duplicate);
        if (!opt.duplicate) changed_ = st.selection.Bounds();
    }
    moving_ = true;
    st.tools.SetDragging(true);
    grab_ = e.view;
    applied_ = Point{};
}

void SelectionHandlerTool::Move(Editor& editor, const ToolEvent& e) {
    if (!moving_) return;
    EditState& st = editor.State();
    // Offsets count from the grab, so slow moves at a large zoom add up instead of being lost.
    const Point total{ViewToImage(e.view.x - grab_.x, e.zoom), ViewToImage(e.view.y - grab_.y, e.zoom)};
    const int dx = total.x - applied_.x, dy = total.y - applied_.y;
    if (dx == 0 && dy == 0) return;
    changed_ = UnionRect(changed_, st.selection.MovePiece(st.picture.Work(), dx, dy,
                                             editor.BackgroundColour()));
    editor.MarkUnsaved();
    applied_ = total;
    // The labels follow the piece.
    const Rect& r = st.selection.Bounds();
    editor.ShowToolLabels(ImagePoint{r.Left, r.Top}, ImagePoint{r.width(), r.height()});
    editor.Redraw();
}

void SelectionHandlerTool::Release(Editor& editor, const ToolEvent&) {
    if (!moving_) return;
    endMove(editor);
    editor.Redraw();
}

void SelectionHandlerTool::Retired(Editor& editor) {
    if (moving_) endMove(editor);
}

void SelectionHandlerTool::endMove(Editor& editor) {
    moving_ = false;
    editor.State().tools.SetDragging(false);
    editor.EndStep(changed_);
}

int SelectionHandlerTool::Cursor(const Editor& editor, ImagePoint p) const {
    if (moving_ || editor.State().selection.Contains(p)) return kHandCursor;
    return SelectionCursor(editor);
}

}  // namespace lum
