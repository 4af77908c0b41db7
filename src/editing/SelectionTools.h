// SPDX-License-Identifier: GPL-3.0-or-later
// The selection tools of a photo view: drawing a rectangle, an ellipse or a free shape with a
// rubber band, and the handler of an existing selection (a right press cancels it, a left press
// inside grabs the piece and drags it, erasing its place or leaving copies as the toolbar says).
// The pixel work is imaging's; these are the state machines around it.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editing/EditState.h"
#include "editing/Tool.h"
#include "imaging/Selection.h"

namespace lum {

// A rectangle or an ellipse, dragged from its press point; either button.
class BoxSelectionTool : public Tool {
public:
    explicit BoxSelectionTool(SelectionKind kind) : kind_(kind) {}
    void Press(Editor& editor, const ToolEvent& e) override;
    void Move(Editor& editor, const ToolEvent& e) override;
    void Release(Editor& editor, const ToolEvent& e) override;
    std::vector<Outline> Feedback() const override;
    int Cursor(const Editor& editor, ImagePoint p) const override;
    bool ScrollsWhileDragging() const override { return true; }

private:
    SelectionKind kind_;
    bool dragging_ = false;
    Point press_, corner_;
    std::optional<ImagePoint> size_;  // of the shape last drawn
};

// A free shape: the mouse path, closed on release.
class FreeSelectionTool : public Tool {
public:
    void Press(Editor& editor, const ToolEvent& e) override;
    void Move(Editor& editor, const ToolEvent& e) override;
    void Release(Editor& editor, const ToolEvent& e) override;
    std::vector<Outline> Feedback() const override;
    int Cursor(const Editor& editor, ImagePoint p) const override;
    bool ScrollsWhileDragging() const override { return true; }
    const FreeShapePoints& Points() const { return points_; }

private:
    bool dragging_ = false;
    FreeShapePoints points_;
};

// The tool of a mode that draws a selection; null for any other mode.
std::unique_ptr<Tool> MakeSelectionTool(ToolMode toolMode);

// What the toolbar's check boxes say at a grab.
struct GrabOptions {
    bool erase = false;      // "Erase": the first grab leaves the background colour behind
    bool duplicate = true;   // "Duplicate": a later grab leaves a copy behind
};

// Presses while a selection exists.
class SelectionHandlerTool : public Tool {
public:
    explicit SelectionHandlerTool(std::function<GrabOptions()> options) : options_(std::move(options)) {}
    void Press(Editor& editor, const ToolEvent& e) override;
    void Move(Editor& editor, const ToolEvent& e) override;
    void Release(Editor& editor, const ToolEvent& e) override;
    void Retired(Editor& editor) override;
    int Cursor(const Editor& editor, ImagePoint p) const override;
    bool Moving() const { return moving_; }

private:
    void endMove(Editor& editor);
    std::function<GrabOptions()> options_;
    bool moving_ = false;
    Rect changed_;        // what the grab and the drag changed so far
    Point grab_;          // the view point of the grab
    Point applied_;       // the image offset already applied since the grab
};

// The new selection's bookkeeping after a tool or a command made it: the source copy, the
// selection (none when its mask is empty) and the lifted piece. Returns whether one exists.
bool TakeSelection(Editor& editor, Selection sel);

}  // namespace lum
