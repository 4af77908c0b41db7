// Drawing that needs the ellipse and rounded-rectangle rasterisers, which are not in this tree
// yet: both refuse to run rather than draw something approximate.
#include <stdexcept>

#include "imaging/Gradient.h"
#include "imaging/Mix.h"

namespace lum {

void DrawGradientRings(Image&, GradientCentre, const std::vector<GradientRing>& rings) {
    if (!rings.empty()) throw std::logic_error("Gradient rings need the ring rasteriser");
}

Mask SmoothedEdgeMask(int, int, int, BlurShape) {
    throw std::logic_error("Smoothed edges need the shape rasterisers");
}

}  // namespace lum
