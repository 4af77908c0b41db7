// SPDX-License-Identifier: GPL-3.0-or-later
// Two-colour gradients over a background: the new-image, gradient-mix and lighten-gradient source.
#pragma once
#include <vector>

#include "image/Color.h"
#include "image/Image.h"

namespace lum {

enum class GradientStyle { None = 0, Vertical = 1, Horizontal = 2, CentredSmall = 3, CentredBig = 4 };

// Centre in the pixels of the image painted (the preview's 256 x 256 while the dialog is open).
struct GradientCentre {
    int x = 128, y = 128;
    bool operator==(const GradientCentre& o) const { return x == o.x && y == o.y; }
};

struct GradientParams {
    GradientStyle style = GradientStyle::Vertical;
    Colour colour1 = MakeColour(255, 255, 255);
    Colour colour2 = MakeColour(192, 192, 192);
    Colour background = MakeColour(128, 128, 128);
    GradientCentre centre;
};

// Side of the square preview the centre is chosen on.
inline constexpr int kGradientPreviewSize = 256;

// Paints the gradient into `rect` of img: the background over rect, then the gradient. All colour
// arithmetic is single precision, every operation rounded to single precision in turn; channels
// are rounded half to even and clamped. Vertical and horizontal lines run over columns (rows)
// Left..Right (Top..Bottom), the far end included as a line is drawn, clipped to the image. The
// centred styles draw rings from the centre outwards, each an ellipse outline of pen width 2.
void RenderGradient(Image& img, const Rect& rect, const GradientParams& params);

// A width x height image holding the gradient over all of it.
Image GradientImage(int width, int height, const GradientParams& params);

// A click on the preview: within 5 pixels of an edge the centre snaps to that edge (0 or 256).
int SnapPreviewCoordinate(int v);
GradientCentre SnapPreviewCentre(GradientCentre click);
// The preview centre scaled to an output of width x height when the dialog is confirmed
// (integer division: width x cx div 256).
GradientCentre ScaleGradientCentre(GradientCentre preview, int width, int height);

// The rings of the centred styles, from the centre outwards: horizontal radius rx (0, 1, ...
// Round(a)), vertical radius ry = Round(rx x ratio) and the ring's colour. Empty for other styles.
struct GradientRing {
    int rx = 0, ry = 0;
    Colour colour = 0;
};
std::vector<GradientRing> GradientRings(const Rect& rect, const GradientParams& params);
// Draws each ring as an ellipse outline of pen width 2 around the centre, in order.
void DrawGradientRings(Image& img, GradientCentre centre, const std::vector<GradientRing>& rings);

// Distance over which a straight gradient runs from colour 1 to colour 2: from the centre to the
// far end of [lo, hi], at least 1.
int GradientSpan(int centre, int lo, int hi);

}  // namespace lum
