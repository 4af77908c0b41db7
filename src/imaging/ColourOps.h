// SPDX-License-Identifier: GPL-3.0-or-later
// The optimize action and the colour engine: balance, channel shifts, lighten. Plain functions
// on images; a selection confines them through a Confinement.
#pragma once
#include <optional>

#include "image/Color.h"
#include "image/Image.h"
#include "imaging/Confinement.h"

namespace lum {

// Balance targets of the Options dialog (red, green, blue, 128..255 each).
struct BalanceTargets {
    Rgb flesh{200, 160, 145};
    Rgb landscape{190, 180, 170};
};

// Colour engine modes.
constexpr int kModeLighten = 5, kModeShift = 7, kModeFlesh = 8, kModeLandscape = 9;

// Reads src, writes dst (given src's size first). mode 8 = flesh targets, 9 = landscape.
// The mean is measured over the central 5/8 of each side; an image without pixels is left
// empty. Confined, only the pixels inside are written; dst keeps the others.
void ColourPass(const Image& src, Image& dst, int mode, const BalanceTargets& targets,
                const Confinement& where = {});

// Edge-preserving 3x3 weighted average; weights top-left .. bottom-right. Border pixels are
// copied. Any weights are accepted: results are clamped, and a pixel whose divisor would be zero
// (possible only with zero or negative weights) keeps its value. src and dst may be one image.
void SelectiveSmooth(const Image& src, Image& dst, int threshold, int isolationLimit, const int weights[9]);

// dst := first, then mixed with second over their overlap at percent mod 100.
// Any of the three may be the same image.
void BlendInto(const Image& first, const Image& second, Image& dst, int percent);

// The blend percentage of the optimize: 50, or 40 for the compare window's variant.
int OptimizeBlendPercent(bool compareVariant);

// "Optimize The Photo Now!": colour pass, selective smoothing (kernel 1 2 1, or 1 4 1 for the
// compare variant) and the blend with the photo, reading photo and writing work at the photo's
// size. Confined, only the selected pixels are colour-shifted; the rest of the intermediate image
// keeps the photo's pixels, and smoothing and blend cover the whole image. A photo without
// pixels leaves work as the photo. photo and work may be one image; without a selection it is
// then optimized in place.
void OptimizePhoto(const Image& photo, Image& work, const BalanceTargets& targets, bool compareVariant,
                   const Confinement& where = {});

// The same pixel work without a selection, in place and without intermediate images, for batch
// use. Equal to ColourPass, SelectiveSmooth and the blend with the image as it was, in sequence.
void OptimizeInPlace(Image& img, const BalanceTargets& targets, bool compareVariant = false);

// The colour engine in place: dst holds src's pixels and size; kind 1..6 is used by mode 7
// only. Modes 5, 7, 8 and 9 change the pixels where `where` allows, any other mode leaves them.
// Balances measure src over `sample` (inclusive bounds, clipped to the image; the central region
// when none is given) and leave the colours unchanged when it holds no pixel of the image.
// src and dst may be one image.
void ColourPassInPlace(const Image& src, Image& dst, int kind, int mode, const BalanceTargets& targets,
                       const Confinement& where = {}, const std::optional<Rect>& sample = std::nullopt);

}  // namespace lum
