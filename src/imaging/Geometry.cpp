#include "imaging/Geometry.h"

#include <stdexcept>

namespace lum {
// Stubs: replaced by the real operations.
void QuarterTurn(Image&) { throw std::logic_error("QuarterTurn: not implemented"); }
void RotateOrMirror(EditState&, int) { throw std::logic_error("RotateOrMirror: not implemented"); }
void RotateByAngle(EditState&, int, bool) { throw std::logic_error("RotateByAngle: not implemented"); }
bool ResizeImage(EditState&, int, int) { throw std::logic_error("ResizeImage: not implemented"); }
}  // namespace lum
