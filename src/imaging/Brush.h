// SPDX-License-Identifier: GPL-3.0-or-later
// Brush dabs of the paint tools. A dab changes the pixels of a round brush around its centre,
// row by row and left to right, so soften and sharpen read the pixels this dab already changed.
#pragma once
#include <cstdint>
#include <vector>

#include "image/Color.h"
#include "image/Image.h"

namespace lum {

// The numbers are the brush kinds the window and macros store.
enum class BrushKind : int {
    Soften = 0,
    Sharpen = 1,
    Lighten = 2,
    Darken = 3,
    Daub = 4,
    Noise = 5,
    Spray = 6,
    ColourEraser = 7,
};

// The noise brush's draws: a 32-bit linear congruential generator of our own, so a seed gives
// the same picture on every platform. Next(n) takes the high bits: 0 .. n - 1 for n >= 1.
// The seed is mixed first so that neighbouring seeds start far apart.
class BrushRandom {
public:
    explicit BrushRandom(uint32_t seed = 0) : state_(Mix(seed)) {}
    int Next(int n) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((uint64_t{state_} * static_cast<uint32_t>(n)) >> 32);
    }
    uint32_t state() const { return state_; }
    // A seed from the clock, for a window that wants different noise on every run.
    static uint32_t ClockSeed();

private:
    static constexpr uint32_t Mix(uint32_t v) {
        v ^= v >> 16;
        v *= 0x85ebca6bu;
        v ^= v >> 13;
        v *= 0xc2b2ae35u;
        return v ^ (v >> 16);
    }
    uint32_t state_;
};

// Radius of a brush of the given diameter (div 2; below 0 counts as 0).
constexpr inline int BrushRadius(int diameter) { return diameter > 0 ? diameter / 2 : 0; }

// One stroke, from press to release.
struct BrushStroke {
    BrushKind Kind = BrushKind::Soften;
    int Radius = 16;
    Colour BrushColor1 = MakeColour(253, 233, 115);  // sprayed and erasing colour
    Colour BrushColor2 = MakeColour(128, 128, 128);  // centre of the eraser's window
    // The picture as it was at the press, read by the daub; not owned. Left null, the daub
    // leaves every pixel as it is.
    const Image* SourceImage = nullptr;
    int LastMouseX = 0, LastMouseY = 0;  // the press, in image coordinates
    // Required for the noise brush (std::invalid_argument otherwise); not owned.
    BrushRandom* Random = nullptr;
};

// The eraser replaces pixels within this many levels of BrushColor2 in every channel.
inline constexpr int kEraserHalfWidth = 24;

// One dab centred at (cx, cy) in image coordinates. Returns the part of the dab's square
// (cx - r .. cx + r both ways) inside the image, right and bottom exclusive; empty when the
// square misses the image. That square is what the view repaints.
Rect ApplyDab(Image& work, const BrushStroke& stroke, int cx, int cy);

// The press: source := work, stroke reads it as SourceImage, the press point becomes
// LastMouse, then one dab there. Returns the dab's rectangle.
Rect BrushPress(Image& work, Image& source, BrushStroke& stroke, int x, int y);

struct BrushPoint {
    int X = 0, Y = 0;
};
// A whole stroke: the press at path[0], then one dab per further point. Returns the union of
// the dabs' rectangles (empty for an empty path, which changes nothing).
Rect BrushPath(Image& work, Image& source, BrushStroke& stroke, const std::vector<BrushPoint>& path);

}  // namespace lum
