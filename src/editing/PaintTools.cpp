// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/PaintTools.h"

#include "image/Translatable.h"

#include <algorithm>
#include <memory>

#include "editing/Editor.h"
#include "image/Draw.h"
#include "imaging/Selection.h"

namespace lum {

namespace {

// What Undo and Redo call the tools' steps.
const char* const kLineLabel = "Line";
const char* const kPenLabel = QT_TRANSLATE_NOOP("Operation", "Pen Stroke");
const char* const kFillLabel = "Fill";

const char* BrushLabel(BrushKind kind) {
    switch (kind) {
        case BrushKind::Soften: return "Soften Brush";
        case BrushKind::Sharpen: return "Sharpen Brush";
        case BrushKind::Lighten: return "Lighten Brush";
        case BrushKind::Darken: return "Darken Brush";
        case BrushKind::Daub: return "Daub";
        case BrushKind::Noise: return "Noise";
        case BrushKind::Spray: return "Spray";
        case BrushKind::ColourEraser: return "Colour Eraser";
    }
    return "Brush Stroke";
}

// What every paint tool shares: its tool mode and cursor, and the switch-off when the mode
// has moved on.
class PaintTool : public Tool {
public:
    PaintTool(ToolMode mode, int cursor) : mode_(mode), cursor_(cursor) {}
    int Cursor(const Editor& editor, ImagePoint) const override { return Active(editor) ? cursor_ : kCursorArrow; }
    // Replaced in the middle of a stroke: what it drew so far is its step.
    void Retired(Editor& editor) override { EndDrag(editor); }

protected:
    bool Active(const Editor& editor) const { return editor.State().tools.Mode() == mode_; }
    // A press that starts a drag: false when the tool is switched off. The drag flag tells the
    // window a stroke is under way; the stroke, press to release, is one step of the history.
    bool StartDrag(Editor& editor, const char* label) {
        if (!Active(editor)) return false;
        editor.State().tools.SetDragging(true);
        dragging_ = true;
        changed_ = Rect{};
        editor.BeginStep(label);
        return true;
    }
    // The release: false when no drag of ours was under way.
    bool EndDrag(Editor& editor) {
        if (!dragging_) return false;
        dragging_ = false;
        editor.State().tools.SetDragging(false);
        editor.EndStep(changed_);
        return true;
    }
    // The stroke changed r of the working image.
    void Changed(const Rect& r) { changed_ = UnionRect(changed_, r); }
    bool dragging_ = false;
    // Left and middle paint with the first colour, right with the second.
    static Colour PenColour(const Editor& editor, MouseButton b) {
        return b == MouseButton::Right ? editor.State().tools.PaintColour2() : editor.State().tools.PaintColour1();
    }

private:
    ToolMode mode_;
    int cursor_;
    Rect changed_;  // what the stroke changed so far
};

class PipetteTool : public PaintTool {
public:
    PipetteTool() : PaintTool(ToolMode::Pipette, kCursorPipette) {}
    void Press(Editor& editor, const ToolEvent& e) override {
        Colour c = 0;
        if (!Active(editor) || !editor.Host().ViewColour(e.view, c)) return;
        // The middle button counts as the right one.
        if (e.button == MouseButton::Left) editor.SetPaintColour1(c);
        else editor.SetPaintColour2(c);
        editor.Host().ShowColourReadout(c);
    }
    void Move(Editor& editor, const ToolEvent& e) override {
        Colour c = 0;
        if (!Active(editor) || !editor.Host().ViewColour(e.view, c)) return;
        editor.Host().ShowSwatch(c);
        editor.Host().ShowColourReadout(c);
    }
};

Rect LineBounds(ImagePoint a, ImagePoint b, int width) {
    const int pad = width / 2 + 2;
    return Rect{std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad, std::max(a.x, b.x) + pad + 1,
                std::max(a.y, b.y) + pad + 1};
}

// A rubber line from the press while dragging, drawn on release.
class LineTool : public PaintTool {
public:
    LineTool() : PaintTool(ToolMode::Line, kCursorCrayon) {}
    void Press(Editor& editor, const ToolEvent& e) override {
        if (!StartDrag(editor, kLineLabel)) return;
        EditState& st = editor.State();
        editor.BeginPixelOp();
        from_ = to_ = e.view;
        zoom_ = e.zoom;
        width_ = ViewPenWidth(st.tools.Thickness(), zoom_);
        editor.Host().RedrawViewRect(LineBounds(from_, to_, width_));
    }
    void Move(Editor& editor, const ToolEvent& e) override {
        if (!dragging_) return;
        const Rect old = LineBounds(from_, to_, width_);
        to_ = e.view;
        editor.Host().RedrawViewRect(UnionRect(old, LineBounds(from_, to_, width_)));
    }
    void Release(Editor& editor, const ToolEvent& e) override {
        if (!dragging_) return;
        const EditState& st = editor.State();
        editor.Host().RedrawViewRect(LineBounds(from_, to_, width_));
        const Colour c = PenColour(editor, e.button);
        editor.Host().DrawOnView(ViewLine{from_, to_, width_, false, c});
        Changed(DrawWorkLine(editor, ImagePoint{ViewToImage(from_.x, zoom_), ViewToImage(from_.y, zoom_)},
                             ImagePoint{ViewToImage(to_.x, zoom_), ViewToImage(to_.y, zoom_)}, st.tools.Thickness(),
                             c));
        editor.MarkUnsaved();
        EndDrag(editor);
    }
    std::vector<ViewLine> ViewLines() const override {
        if (!dragging_) return {};
        return {ViewLine{from_, to_, width_, true, 0}};
    }

private:
    ImagePoint from_, to_;  // view pixels
    int zoom_ = 100, width_ = 1;
};

// Each move draws from the previous position, on the view and on the working image.
class PenTool : public PaintTool {
public:
    PenTool() : PaintTool(ToolMode::Pen, kCursorCrayon) {}
    void Press(Editor& editor, const ToolEvent& e) override {
        if (!StartDrag(editor, kPenLabel)) return;
        EditState& st = editor.State();
        editor.BeginPixelOp();
        colour_ = PenColour(editor, e.button);
        thickness_ = st.tools.Thickness();
        width_ = ViewPenWidth(thickness_, e.zoom);
        view_ = e.view;
        image_ = e.image;
    }
    void Move(Editor& editor, const ToolEvent& e) override {
        if (!dragging_) return;
        editor.Host().DrawOnView(ViewLine{view_, e.view, width_, false, colour_});
        Changed(DrawWorkLine(editor, image_, e.image, thickness_, colour_));
        editor.MarkUnsaved();
        view_ = e.view;
        image_ = e.image;
    }
    void Release(Editor& editor, const ToolEvent&) override { EndDrag(editor); }

private:
    Colour colour_ = 0;
    int thickness_ = 1, width_ = 1;
    ImagePoint view_, image_;
};

class FillTool : public PaintTool {
public:
    FillTool() : PaintTool(ToolMode::Fill, kCursorFill) {}
    void Press(Editor& editor, const ToolEvent& e) override {
        // A press that reaches the tool while its fill still runs is ignored.
        if (!Active(editor) || *running_) return;
        *running_ = true;
        editor.BeginStep(kFillLabel);
        auto out = std::make_shared<FillOutcome>();
        // The middle button counts as the left one.
        const Colour colour = PenColour(editor, e.button);
        const ImagePoint at = e.image;
        // Neither may read the tool: it may be replaced before the fill ends.
        editor.Offload(
            [&editor, out, at, colour] {
                editor.BeginPixelOp();
                *out = FillWorkImage(editor, at.x, at.y, colour, editor.State().tools.Thickness());
            },
            [&editor, out, running = running_](std::exception_ptr failure) {
                *running = false;
                if (failure || out->Stopped) {
                    // Failed, or stopped half way (the window is closing): never leave the picture
                    // half filled.
                    editor.AbandonStep(out->Changed);
                    editor.Redraw();
                    if (failure) std::rethrow_exception(failure);
                    return;
                }
                if (out->FilledPixels > 0) editor.MarkUnsaved();
                editor.Offload([&editor, out] { editor.EndStep(out->Changed); },
                               [&editor, out](std::exception_ptr f) {
                                   if (!f && out->Status != FillStatus::Filled && out->Status != FillStatus::Ignored)
                                       editor.prompts().Message(FillRefusalMessage(out->Status));
                                   editor.Redraw();
                                   if (f) std::rethrow_exception(f);
                               });
            });
    }

private:
    std::shared_ptr<bool> running_ = std::make_shared<bool>(false);
};

class BrushTool : public PaintTool {
public:
    explicit BrushTool(BrushKind kind)
        : PaintTool(ToolMode::Brush, PaintToolCursor(ToolMode::Brush, kind)), kind_(kind) {}
    void Press(Editor& editor, const ToolEvent& e) override {
        if (!StartDrag(editor, BrushLabel(kind_))) return;
        EditState& st = editor.State();
        stroke_ = BrushStroke{};
        stroke_.Kind = kind_;
        stroke_.Radius = BrushRadius(st.tools.Diameter());
        // The middle button counts as the right one.
        const bool left = e.button == MouseButton::Left;
        stroke_.BrushColor1 = left ? st.tools.PaintColour1() : st.tools.PaintColour2();
        stroke_.BrushColor2 = left ? st.tools.PaintColour2() : st.tools.PaintColour1();
        stroke_.Random = &st.tools.Noise();
        editor.SourceWillRefresh();
        const Rect dab = BrushPress(st.picture.Work(), st.picture.SourceCopy(), stroke_, e.image.x, e.image.y);
        Changed(dab);
        editor.Host().RedrawImageRect(dab);
        editor.MarkUnsaved();
    }
    void Move(Editor& editor, const ToolEvent& e) override {
        if (!dragging_) return;
        EditState& st = editor.State();
        // The press's copy is what the daub reads; nothing else may have replaced it since.
        stroke_.SourceImage = &st.picture.SourceCopy();
        stroke_.Random = &st.tools.Noise();
        const Rect dab = ApplyDab(st.picture.Work(), stroke_, e.image.x, e.image.y);
        Changed(dab);
        editor.Host().RedrawImageRect(dab);
    }
    void Release(Editor& editor, const ToolEvent&) override { EndDrag(editor); }

private:
    BrushKind kind_;
    BrushStroke stroke_;
};

class ZoomTool : public PaintTool {
public:
    ZoomTool() : PaintTool(ToolMode::Zoom, kCursorZoom) {}
    void Press(Editor& editor, const ToolEvent& e) override {
        if (!Active(editor)) return;
        // The middle button counts as the right one: a step out.
        editor.ZoomStep(e.button == MouseButton::Left ? 1 : -1, e.view);
    }
};

}  // namespace

int PaintToolCursor(ToolMode mode, BrushKind kind) {
    switch (mode) {
        case ToolMode::Pipette: return kCursorPipette;
        case ToolMode::Line:
        case ToolMode::Pen: return kCursorCrayon;
        case ToolMode::Fill: return kCursorFill;
        case ToolMode::Brush: return kind == BrushKind::Spray ? kCursorSpray : kCursorEffects;
        case ToolMode::Zoom: return kCursorZoom;
        default: return kCursorArrow;
    }
}

std::unique_ptr<Tool> MakePaintTool(ToolMode mode, BrushKind kind) {
    switch (mode) {
        case ToolMode::Pipette: return std::make_unique<PipetteTool>();
        case ToolMode::Line: return std::make_unique<LineTool>();
        case ToolMode::Pen: return std::make_unique<PenTool>();
        case ToolMode::Fill: return std::make_unique<FillTool>();
        case ToolMode::Brush: return std::make_unique<BrushTool>(kind);
        case ToolMode::Zoom: return std::make_unique<ZoomTool>();
        default: return nullptr;
    }
}

void ChoosePaintTool(Editor& editor, ToolMode mode, BrushKind kind) {
    editor.ClearSelection();
    std::unique_ptr<Tool> tool = MakePaintTool(mode, kind);
    EditState& st = editor.State();
    st.tools.SetMode(tool ? mode : ToolMode::None);
    if (mode == ToolMode::Fill) st.tools.SetThickness(kFillToolThreshold);
    editor.SetTool(std::move(tool));
}

FillOutcome FillWorkImage(Editor& editor, int x, int y, Colour colour, int threshold) {
    Image& work = editor.State().picture.Work();
    // A seed outside the image changes nothing, without the hourglass.
    if (x < 0 || y < 0 || x >= work.width() || y >= work.height()) return FillOutcome{};
    EditorHost& host = editor.Host();
    Editor::BusyScope busy(host, BusyKind::Hourglass);
    FillProgress progress;
    progress.Tick = [&host] { return host.KeepAlive(); };
    progress.IntervalMs = host.KeepAliveIntervalMs();
    return FloodFill(work, x, y, threshold, colour, progress);
}

std::string FillRefusalMessage(FillStatus status) {
    return status == FillStatus::AlreadyFilled ? kFillAlreadyMessage : kFillTooCloseMessage;
}

std::string FillRefusalLine(FillStatus status) {
    std::string line = FillRefusalMessage(status);
    for (size_t at = line.find('\n'); at != std::string::npos; at = line.find('\n', at)) line.replace(at, 1, " ");
    return line;
}

std::string FillTooCloseLine() { return FillRefusalLine(FillStatus::TooClose); }

Rect DrawWorkLine(Editor& editor, ImagePoint a, ImagePoint b, int thickness, Colour colour) {
    ImagePoint origin;
    const Mask mask = editor.Host().LineMask(a, b, std::max(1, thickness), origin);
    if (mask.empty()) return Rect{};
    FillMask(editor.State().picture.Work(), mask, origin.x, origin.y, colour);
    return Rect{origin.x, origin.y, origin.x + mask.width(), origin.y + mask.height()};
}

int ViewPenWidth(int thickness, int zoom) { return std::max(1, ImageToView(thickness, zoom)); }

}  // namespace lum
