// SPDX-License-Identifier: GPL-3.0-or-later
// The paint tools of a window's photo view: pipette, line, pen, fill, the brushes and the zoom
// tool. Each is a state machine fed by the view; what needs the window (the displayed colour,
// wide lines, repainting part of the view, a zoom step, staying live during a fill) it asks of
// the editor's host.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "editing/Tool.h"
#include "editing/ToolSettings.h"
#include "imaging/Brush.h"
#include "imaging/FloodFill.h"

namespace lum {

class Editor;

// Slots of the view's cursor table, in the order the windows register them.
enum ToolCursorSlot : int {
    kCursorArrow = 0,
    kCursorPoly = 1,
    kCursorPipette = 2,
    kCursorSpray = 3,
    kCursorCrayon = 4,
    kCursorEffects = 5,
    kCursorFill = 6,
    kCursorZoom = 7,
};

// The threshold the fill tool sets when it is chosen.
inline constexpr int kFillToolThreshold = 8;

// The cursor slot of a paint tool.
int PaintToolCursor(ToolMode mode, BrushKind kind);

// A paint tool's button went down (a paint mode) or came up (ToolMode::None): the selection is
// dropped, the tool mode set and the tool installed, or none. Choosing the fill sets the
// thickness to 8. A tool acts only while the mode is still its own: a right press that drops a
// selection resets the mode and so switches it off until its button is clicked again.
void ChoosePaintTool(Editor& editor, ToolMode mode, BrushKind kind = BrushKind::Soften);
std::unique_ptr<Tool> MakePaintTool(ToolMode mode, BrushKind kind = BrushKind::Soften);

// A flood fill of the working image with the hourglass on, asking the host to stay live while it
// runs. Shows nothing; the caller reports a refusal and redraws.
FillOutcome FillWorkImage(Editor& editor, int x, int y, Colour colour, int threshold);
// Why a fill was refused (too close, or already the fill colour), and the same on one line
// (the command line's refusal).
std::string FillRefusalMessage(FillStatus status);
std::string FillRefusalLine(FillStatus status);
std::string FillTooCloseLine();

// A solid line with round ends, thickness pixels wide, from a to b on the working image in
// colour, rasterised by the host. Returns the rectangle it may have changed (empty: none).
Rect DrawWorkLine(Editor& editor, ImagePoint a, ImagePoint b, int thickness, Colour colour);

// The width of the view pen for a thickness in image pixels: ImageToView, at least 1.
int ViewPenWidth(int thickness, int zoom);

}  // namespace lum
