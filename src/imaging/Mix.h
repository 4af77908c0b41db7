// SPDX-License-Identifier: GPL-3.0-or-later
// Mixing a second picture (the mix source) into the working image: placement, mirror and the
// four blend styles. Blends weigh in 1/128 steps.
#pragma once
#include <string>

#include "image/Color.h"
#include "image/Image.h"
#include "image/Mask.h"

namespace lum {

enum class MixStyle { Copy = 0, MaskedCopy = 1, SmoothedEdges = 2, Tiles = 3 };
enum class MixResize { Zoom = 0, FitToImage = 1, WidthOrHeight = 2 };
enum class MixMirror { None = 0, Horizontal = 1, Vertical = 2 };
enum class BlurShape { Rectangle = 0, Ellipse = 1 };

// The mix's settings in one place: the key of each (on the command line and in the dialog's
// answers), the words of a choice in the order of its enum or the range of a number, and its
// default. MixOptions starts from these defaults; the command line, the mix dialog and the
// presets of the commands that mix read the same constants.
struct MixChoice {
    const char* key;
    const char* words;  // separated by '|'
    int fallback;       // index of the default word
};
struct MixNumber {
    const char* key;
    int lo, hi, fallback;
};
struct MixColour {
    const char* key;
    Colour fallback;
};
inline constexpr MixChoice kMixStyle{"style", "copy|masked|smoothed|tiles", 0};
inline constexpr MixNumber kMixPercent{"percent", 5, 100, 50};
inline constexpr MixChoice kMixResize{"resize", "zoom|fit|fit-within", 2};
inline constexpr MixNumber kMixZoom{"zoom", 10, 200, 100};
inline constexpr MixChoice kMixMirror{"mirror", "none|horizontal|vertical", 0};
inline constexpr MixColour kMixMask{"mask", 0};
inline constexpr MixNumber kMixTolerance{"tolerance", 0, 32, 1};
inline constexpr MixChoice kMixBlur{"blur", "rectangle|ellipse", 0};
inline constexpr MixNumber kMixMargin{"margin", 4, 64, 16};
inline constexpr MixNumber kMixOffset{"offset", -64, 64, 0};  // each of its two parts

// The mix dialog's choices, with its defaults.
struct MixOptions {
    MixStyle style = static_cast<MixStyle>(kMixStyle.fallback);
    int percent = kMixPercent.fallback;  // not used by "Smoothed edges"
    MixResize resize = static_cast<MixResize>(kMixResize.fallback);
    int zoom = kMixZoom.fallback;  // "Zoom " only
    MixMirror mirror = static_cast<MixMirror>(kMixMirror.fallback);
    int offsetX = kMixOffset.fallback, offsetY = kMixOffset.fallback;  // "Tiles" only
    Colour maskColour = kMixMask.fallback;  // "Masked Copy": layer pixels near it are not mixed
    int tolerance = kMixTolerance.fallback;
    BlurShape blur = static_cast<BlurShape>(kMixBlur.fallback);
    int margin = kMixMargin.fallback;  // "Smoothed edges"
};

// Where the source lands, in image pixels.
struct MixPlacement {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const MixPlacement& o) const {
        return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
    }
};

// Blend weight of a percentage: percent x 128 div 100, limited to 0..128.
int MixWeight(int percent);
// Mask tolerance in channel steps: tolerance x 128 div 100.
int MixMaskThreshold(int tolerance);

// The placement of a srcW x srcH source in a workW x workH image:
//   "Zoom ": Width = srcW x zoom div 100 - 1 (Height likewise), centred (div, toward zero);
//   "Fit to image": the whole image; "Width or Height": FitRect without margins or enlarging.
MixPlacement ComputeMixPlacement(const MixOptions& options, int workW, int workH, int srcW, int srcH);

// The size the dialog's size line shows for a resizing mode: the zoomed source, the photo, or
// the source fitted into the photo.
struct MixSize {
    int w = 0, h = 0;
};
MixSize MixPlacedSize(const MixOptions& options, int workW, int workH, int srcW, int srcH);

// The presets the gradient mix runs with: Copy, 50 %, "Fit to image"; the rest as it was.
MixOptions GradientMixOptions(MixOptions current);

// The mirror is applied to the source itself and stays: mixing the same source twice with
// "Horizontal" shows it unmirrored the second time.
void MirrorMixSource(Image& source, MixMirror mirror);

// The weights of "Smoothed edges" over a width x height area: black, then for f = 1..margin a
// filled shape from (f, f) to (width - f, height - f) of grey f x 255 div margin (rounded
// rectangle with 48 x 48 corners, or ellipse), drawn with a pen of width 2; the byte is that grey.
// Rings that would be inverted (width - f < f or height - f < f) are not drawn.
Mask SmoothedEdgeMask(int width, int height, int margin, BlurShape shape);

// Mixes source into dest and returns the rectangle of dest that may have changed (empty when
// nothing was mixed). The layer the source is drawn on starts black.
//   Copy, Masked Copy: the source is stretched (nearest neighbour) into the placement, right and
//     bottom excluded, clipped to dest; only that stretched area is blended (a column and row of
//     black layer just past it are not). Masked Copy skips layer pixels within the tolerance
//     of the mask colour on all three channels.
//   Smoothed edges: weights from a mask of rings, black at the border of the clipped placement and
//     brighter inwards; the mask spans the clipped placement plus one column and row, which are
//     blended with the black layer as the mask gives them (black: unchanged).
//   Tiles: the placement is ignored; whole tiles cover dest from the offsets, started as many
//     tiles further left (up) as needed to cover column (row) 0, and all of dest is blended.
// A placement with a width or height of 0 or less, or an empty source, mixes nothing.
Rect ComposeMix(Image& dest, const Image& source, const MixPlacement& placement, const MixOptions& options);

// The mix after the dialog's OK: `before` := work, the mirror applied to source, the placement
// computed, source composed onto work. Returns the placement.
MixPlacement RunMixPixels(Image& work, Image& before, Image& source, const MixOptions& options);

// One drag of the placement by (dx, dy) image pixels: work := before, then composed again at the
// shifted placement, which is returned.
MixPlacement MoveMix(Image& work, const Image& before, const Image& source, MixPlacement placement, int dx,
                     int dy, const MixOptions& options);

}  // namespace lum
