// SPDX-License-Identifier: GPL-3.0-or-later
// The fill tool: replaces the 4-connected region of colours close to the clicked pixel.
#pragma once
#include <cstdint>
#include <functional>

#include "image/Color.h"
#include "image/Image.h"
#include "image/Translatable.h"

namespace lum {

// Shown when the fill colour lies inside the match window: the fill could never end.
inline constexpr const char* kFillTooCloseMessage =
    QT_TRANSLATE_NOOP("lum", "The colour you clicked is too close to the fill colour.\n"
                             "Lower the fill threshold (T) and try again.");
// Shown when the clicked pixel already has the fill colour: there is nothing to fill.
inline constexpr const char* kFillAlreadyMessage = QT_TRANSLATE_NOOP("lum", "This area already has the fill colour.");

enum class FillStatus {
    Ignored,   // the seed lies outside the image; nothing changed
    TooClose,  // refused: the fill colour matches its own window; nothing changed
    Filled,
    AlreadyFilled,  // refused: the clicked pixel has the fill colour already; nothing changed
};

struct FillOutcome {
    FillStatus Status = FillStatus::Ignored;
    int64_t FilledPixels = 0;
    // Bounding box of the filled pixels, right and bottom exclusive; empty when none.
    Rect Changed{};
    // The progress callback asked to stop: what was filled so far stays filled.
    bool Stopped = false;
};

// Lets a window stay live during a long fill: Tick runs between spans, at most once per
// IntervalMs of work (never when empty). It must not resize or replace the image being filled;
// returning false stops the fill.
struct FillProgress {
    std::function<bool()> Tick;
    int IntervalMs = 30;
};

// Fills from (x0, y0) every pixel 4-connected to it whose channels all lie within threshold
// of the seed pixel's (each window end limited to 0..255), with the colour fill.
FillOutcome FloodFill(Image& work, int x0, int y0, int threshold, Colour fill, const FillProgress& progress = {});

}  // namespace lum
