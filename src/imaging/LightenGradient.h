// SPDX-License-Identifier: GPL-3.0-or-later
// Relighting a picture with a gradient: each pixel keeps its hue and takes half its value and a
// quarter of its saturation from the gradient.
#pragma once
#include "image/Image.h"
#include "imaging/Gradient.h"

namespace lum {

// Every pixel of img from itself and the pixel of `layer` at the same place (integer HSV):
// hue of img, saturation (3 x S + S_layer) div 4, value (V + V_layer) div 2. The layer must have
// img's size (throws std::invalid_argument otherwise). Not confined by any selection.
void LightenWithLayer(Image& img, const Image& layer);

// Renders the gradient at img's size into `layer` (resized to it), then relights img with it.
// The centre in params is in the layer's pixels (already scaled from the preview).
void LightenGradient(Image& img, const GradientParams& params, Image& layer);

}  // namespace lum
