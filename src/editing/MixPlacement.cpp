// SPDX-License-Identifier: GPL-3.0-or-later
// The mix of a window: asking its options, composing the mix source into the working image and
// placing it with the mouse until a right press.
#include <cstdint>
#include <memory>

#include "editing/Compose.h"
#include "editing/Editor.h"
#include "imaging/Refusal.h"

namespace lum {

namespace {

// The view's mapping at a zoom percentage (division truncating toward zero).
int ToImage(int v, int zoom) { return static_cast<int>(static_cast<int64_t>(v) * 100 / (zoom > 0 ? zoom : 1)); }
int ToView(int i, int zoom) { return static_cast<int>(static_cast<int64_t>(i) * zoom / 100); }

// Every pixel a composition at p may change, with the column and row past it that smoothed
// edges blend (one more each way, to be sure).
Rect ComposedArea(const MixPlacement& p) { return Rect{p.Left - 1, p.Top - 1, p.Left + p.Width + 2, p.Top + p.Height + 2}; }

const char* const kMoveMixLabel = "Move Mix";

}  // namespace

bool RunMix(Editor& editor, OpArgs args) {
    // The dialog never opens on an empty picture.
    if (editor.State().picture.MixSource().empty()) throw Refusal(kNoPictureToMix);
    const Operation* mix = FindOperation("mix");
    if (!mix || !editor.prompts().AskParameters(*mix, args)) return false;
    MixIntoWork(editor, MixFromArgs(args));
    return true;
}

MixPlacement MixIntoWork(Editor& editor, const MixOptions& options) {
    EditState& st = editor.State();
    MixPlacement placement;
    {
        Editor::BusyScope busy(editor.Host(), BusyKind::Hourglass);
        editor.SourceWillRefresh();
        placement = RunMixPixels(st.picture.Work(), st.picture.SourceCopy(), st.picture.MixSource(), options);
    }
    editor.MarkUnsaved();
    st.tools.SetDragging(false);
    // Tiles cover the whole image: there is nothing to place.
    if (options.style == MixStyle::Tiles) {
        st.tools.SetFloating(false);
        editor.SetFloatingTool(nullptr);
    } else {
        st.tools.SetFloating(true);
        editor.SetFloatingTool(std::make_unique<MixPlacementTool>(options, placement));
    }
    editor.Redraw();
    editor.Host().PointerChanged();
    return placement;
}

void MixPlacementTool::Press(Editor& editor, const ToolEvent& e) {
    EditState& st = editor.State();
    if (e.button == MouseButton::Right) {
        // The mix stays as it is composed.
        const bool wasDragging = dragging_;
        dragging_ = false;
        st.tools.SetFloating(false);
        st.tools.SetDragging(false);
        editor.SetFloatingTool(nullptr);
        if (wasDragging) editor.Redraw();
        return;
    }
    if (e.button != MouseButton::Left || options_.style == MixStyle::Tiles) return;
    const int left = ToView(placement_.Left, e.zoom), right = ToView(placement_.Left + placement_.Width, e.zoom);
    const int top = ToView(placement_.Top, e.zoom), bottom = ToView(placement_.Top + placement_.Height, e.zoom);
    if (!(left < e.view.x && e.view.x < right && top < e.view.y && e.view.y < bottom)) return;
    dragging_ = true;
    st.tools.SetDragging(true);
    last_ = e.view;
    editor.Redraw();
}

void MixPlacementTool::Move(Editor& editor, const ToolEvent& e) {
    if (!dragging_) return;
    placement_.Left += ToImage(e.view.x - last_.x, e.zoom);
    placement_.Top += ToImage(e.view.y - last_.y, e.zoom);
    last_ = e.view;
    editor.Redraw();
}

void MixPlacementTool::Release(Editor& editor, const ToolEvent&) {
    if (!dragging_) return;
    dragging_ = false;
    MoveBy(editor, 0, 0);
}

void MixPlacementTool::MoveBy(Editor& editor, int dx, int dy) {
    EditState& st = editor.State();
    st.tools.SetDragging(false);
    // One step per drag: the mix taken away from where it was and composed where it is now.
    MixPlacement moved = placement_;
    moved.Left += dx;
    moved.Top += dy;
    const Rect changed = UnionRect(ComposedArea(composed_), ComposedArea(moved));
    editor.BeginStep(kMoveMixLabel, kStepKeepsFloating);
    editor.KeepBefore(changed);
    {
        Editor::BusyScope busy(editor.Host(), BusyKind::Hourglass);
        placement_ =
            MoveMix(st.picture.Work(), st.picture.SourceCopy(), st.picture.MixSource(), placement_, dx, dy, options_);
    }
    composed_ = placement_;
    editor.MarkUnsaved();
    editor.EndStep(changed);
    st.tools.SetFloating(true);
    editor.Redraw();
}

void MixPlacementTool::Retired(Editor& editor) {
    // Placed for good in the middle of a drag: the mix stays where it was last composed.
    if (!dragging_) return;
    dragging_ = false;
    placement_ = composed_;
    editor.State().tools.SetDragging(false);
}

std::vector<Outline> MixPlacementTool::Feedback() const {
    if (!dragging_) return {};
    Outline o;
    o.kind = Outline::Rectangle;
    o.pen = Outline::Inverting;
    // Corners from the image origin, so each maps exactly as the view maps an image point.
    o.points = {ImagePoint{placement_.Left, placement_.Top},
                ImagePoint{placement_.Left + placement_.Width, placement_.Top + placement_.Height}};
    return {o};
}

int MixPlacementTool::Cursor(const Editor& editor, ImagePoint) const {
    return editor.State().tools.Floating() ? kHandCursor : kArrowCursor;
}

}  // namespace lum
