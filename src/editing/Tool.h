// SPDX-License-Identifier: GPL-3.0-or-later
// A tool of a window's photo view (selection shapes, brushes, fill ...): a state machine fed
// with mouse events already mapped to image coordinates by the view. The view draws what
// Feedback returns over the photo and asks Cursor which cursor to show; a tool calls
// Editor::Redraw when its feedback or the image changed, and Editor::MarkUnsaved when it
// changed the working image.
#pragma once
#include <vector>

#include "editing/ImagePoint.h"
#include "image/Color.h"

namespace lum {

class Editor;

enum class MouseButton { None, Left, Right, Middle };

// Cursors a tool may ask for besides the indices of the view's cursor table (1..7).
constexpr int kArrowCursor = 0, kCrossCursor = -1, kHandCursor = -2;

struct ToolEvent {
    ImagePoint image;                    // ViewToImage of the view position
    ImagePoint view;                     // the position in the view
    ImagePoint viewSize;                 // the size of the view (the photo at this zoom)
    int zoom = 100;                      // the percentage the view shows
    MouseButton button = MouseButton::None;  // the button pressed or released (None for moves)
    bool leftDown = false, rightDown = false;
    bool shift = false, control = false;
};

// A shape drawn over the photo with a dotted pen. Points are relative to origin, all in image
// pixels; the view maps a point to ImageToView(origin) + point x zoom / 100. A rubber band
// being drawn has its points in view pixels instead, and is drawn inverting what is under it;
// a placement being dragged (pen Inverting) inverts what is under it with a solid line.
struct Outline {
    enum Kind { Polyline, Rectangle, Ellipse } kind = Polyline;
    // Dotted black, or a solid line that inverts what it crosses (a placement being dragged).
    enum Pen { Dotted, Inverting } pen = Dotted;
    ImagePoint origin;
    std::vector<ImagePoint> points;  // a rectangle or an ellipse: its two corners
    bool rubber = false;             // points in view pixels, drawn not-xor
};

// A solid line in view pixels (round ends): the line tool's rubber band, which inverts what it
// covers, or ink the paint tools put on the view directly.
struct ViewLine {
    ImagePoint from, to;
    int width = 1;       // view pixels, at least 1
    bool invert = true;  // not-xor over the picture; else drawn in colour
    Colour colour = 0;
};

class Tool {
public:
    virtual ~Tool() = default;
    virtual void Press(Editor& editor, const ToolEvent& e) { (void)editor, (void)e; }
    virtual void Move(Editor& editor, const ToolEvent& e) { (void)editor, (void)e; }
    virtual void Release(Editor& editor, const ToolEvent& e) { (void)editor, (void)e; }
    // Replaced or switched off (it gets no more events): a drag under way ends here.
    virtual void Retired(Editor& editor) { (void)editor; }
    // Shapes of the tool in progress (a rubber band), drawn after the selection outline.
    virtual std::vector<Outline> Feedback() const { return {}; }
    // The view follows the mouse past its visible edge while the tool is dragged.
    virtual bool ScrollsWhileDragging() const { return false; }
    // Lines of the tool in progress in view pixels, drawn over the outlines.
    virtual std::vector<ViewLine> ViewLines() const { return {}; }
    // Index into the view's cursor table for the mouse at p; 0 is the arrow.
    virtual int Cursor(const Editor& editor, ImagePoint p) const {
        (void)editor, (void)p;
        return 0;
    }
};

}  // namespace lum
