#include "imaging/ColourOps.h"

#include <stdexcept>

namespace lum {
// Stubs: replaced by the real operations.
void ColourPass(const Image&, Image&, int, const BalanceTargets&) { throw std::logic_error("ColourPass: not implemented"); }
void SelectiveSmooth(const Image&, Image&, int, int, const int[9]) { throw std::logic_error("SelectiveSmooth: not implemented"); }
void BlendImages(EditState&, const Image&, const Image&, Image&, int) { throw std::logic_error("BlendImages: not implemented"); }
void OptimizePhoto(EditState&, bool) { throw std::logic_error("OptimizePhoto: not implemented"); }
void ColourPassInPlace(EditState&, int, int) { throw std::logic_error("ColourPassInPlace: not implemented"); }
void FleshBalance(EditState&) { throw std::logic_error("FleshBalance: not implemented"); }
void LandscapeBalance(EditState&) { throw std::logic_error("LandscapeBalance: not implemented"); }
void ChannelShift(EditState&, int) { throw std::logic_error("ChannelShift: not implemented"); }
}  // namespace lum
