// SPDX-License-Identifier: GPL-3.0-or-later
// What a window's tools are set to (the chosen tool, whether a drag or a floating mix is under
// way, the paint colours and sizes, the noise brush's draws) and its registers (the angle tables,
// the kernel the filters load, the balance targets last read from the Options).
#pragma once
#include <cstdint>

#include "image/Color.h"
#include "image/Tables.h"
#include "imaging/Brush.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"

namespace lum {

// The tool a press in the photo view goes to. The numbers are the ones the windows have always
// used for them (the selection's three shapes share theirs with SelectionKind).
enum class ToolMode : int32_t {
    None = 0,
    FreeShape = 1,
    Rectangle = 2,
    Ellipse = 3,
    Pipette = 4,
    MovingSelection = 5,  // a selection was grabbed: the next grab moves or duplicates it
    Line = 6,
    Pen = 7,
    Fill = 8,
    Brush = 9,
    Zoom = 12,
};

// One of the tools that draw a selection.
inline bool DrawsSelection(ToolMode mode) {
    return mode == ToolMode::FreeShape || mode == ToolMode::Rectangle || mode == ToolMode::Ellipse;
}

class ToolSettings {
public:
    ToolMode Mode() const { return mode_; }
    void SetMode(ToolMode mode) { mode_ = mode; }
    // A press of a tool is being dragged (to its release).
    bool Dragging() const { return dragging_; }
    void SetDragging(bool on) { dragging_ = on; }
    // A mix floats over the picture until it is placed for good.
    bool Floating() const { return floating_; }
    void SetFloating(bool on) { floating_ = on; }

    Colour PaintColour1() const { return paintColour1_; }
    Colour PaintColour2() const { return paintColour2_; }
    void SetPaintColour1(Colour c) { paintColour1_ = c; }
    void SetPaintColour2(Colour c) { paintColour2_ = c; }
    // The paint tools' diameter (2..96) and thickness, which is also the fill threshold (1..36).
    int32_t Diameter() const { return diameter_; }
    void SetDiameter(int32_t d) { diameter_ = d; }
    int32_t Thickness() const { return thickness_; }
    void SetThickness(int32_t t) { thickness_ = t; }

    // The noise brush's draws, seeded once per window from the clock; every draw moves it on.
    BrushRandom& Noise() { return noise_; }
    void SetNoise(BrushRandom noise) { noise_ = noise; }

private:
    ToolMode mode_ = ToolMode::None;
    bool dragging_ = false;
    bool floating_ = false;
    Colour paintColour1_ = MakeColour(0xFD, 0xE9, 0x73);
    Colour paintColour2_ = MakeColour(0x80, 0x80, 0x80);
    int32_t diameter_ = 32;
    int32_t thickness_ = 2;
    BrushRandom noise_{BrushRandom::ClockSeed()};
};

// The per-window registers the operations read and load.
class WindowRegisters {
public:
    WindowRegisters() : angles_(BuildAngleTables()), kernel_(InitialKernelRegister()) {}
    const AngleTables& Angles() const { return angles_; }
    const KernelRegister& Kernel() const { return kernel_; }
    // For the filters that load it themselves as they run (the auto smooth).
    KernelRegister& Kernel() { return kernel_; }
    // The filters' kernel of kind (see SetKernel), which also moves its alternation on.
    void LoadKernel(int kind) { SetKernel(kernel_, kind); }
    // As a new window has it (a new session starts the alternation afresh).
    void ResetKernel() { kernel_ = InitialKernelRegister(); }
    const BalanceTargets& Targets() const { return targets_; }
    void SetTargets(const BalanceTargets& t) { targets_ = t; }

private:
    AngleTables angles_;
    KernelRegister kernel_;
    BalanceTargets targets_;
};

}  // namespace lum
