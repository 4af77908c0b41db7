// The optimize action and the colour engine: balance, channel shifts, lighten.
#pragma once
#include "app/core/EditState.h"
#include "image/Image.h"

namespace lum {

// Balance modes.
constexpr int kModeLighten = 5, kModeShift = 7, kModeFlesh = 8, kModeLandscape = 9;

// Reads src, writes dst (given src's size first). mode 8 = flesh targets, 9 = landscape.
// The mean is measured over the central 5/8 of each side; an image without pixels is left empty.
void ColourPass(const Image& src, Image& dst, int mode, const BalanceTargets& targets);
// The same confined to the selection of sel when it has one (only selected pixels of dst are
// written); sel may be null.
void ColourPass(const Image& src, Image& dst, int mode, const BalanceTargets& targets, const EditState* sel);

// Edge-preserving 3x3 weighted average; weights top-left .. bottom-right. Border pixels are
// copied. Any weights are accepted: results are clamped, and a pixel whose divisor would be zero
// (possible only with zero or negative weights) keeps its value. src and dst may be one image.
void SelectiveSmooth(const Image& src, Image& dst, int threshold, int isolationLimit, const int weights[9]);

// dst := first mixed with second at percent; records macro action (1, percent mod 100).
void BlendImages(EditState& st, const Image& first, const Image& second, Image& dst, int percent);

// "Optimize The Photo Now!" pixel work on st.WorkImage (compareVariant: kernel 1 4 1, blend 40).
// Records (15) and (1, percent mod 100); sets nothing else: the main window marks the photo
// Optimized and not Saved itself, the compare window's twin changes no flags.
// Leaves SourceImage holding the image before the action; commits nothing. With a selection
// (compare window) only selected pixels are colour-shifted; the rest of the intermediate image
// keeps the photo's pixels, and smoothing and blend cover the whole image.
void OptimizePhoto(EditState& st, bool compareVariant = false);

// The same pixel work (main window's weights, or the compare twin's) on a bare image, in place
// and without intermediate images, for batch use: no selection, no macro, no redraw. Equal to
// ColourPass, SelectiveSmooth and the blend with the image as it was, in sequence.
void OptimizeInPlace(Image& img, const BalanceTargets& targets, bool compareVariant = false);

// The in-place colour engine on st.WorkImage; kind 1..6 is used by mode 7 only. Modes 5, 7, 8
// and 9 change the pixels, any other mode leaves them as they are. Confined to the selection
// (its clipped rectangle and mask); balances measure inside the selection's rectangle, drop the
// selection and correct the whole image, and leave the colours unchanged when that rectangle
// holds no pixel of the image. Records nothing.
void ColourPassInPlace(EditState& st, int kind, int mode);

// Menu operations: record their macro action after running.
void FleshBalance(EditState& st);      // Equilibrer1Click, records 15
void LandscapeBalance(EditState& st);  // Equilibrer2Click, records 16
void ChannelShift(EditState& st, int kind);  // the six 10 % shifts, records (12, kind)

}  // namespace lum
