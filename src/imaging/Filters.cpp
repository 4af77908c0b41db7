#include "imaging/Filters.h"

#include <stdexcept>

namespace lum {
// Stubs: replaced by the real operations.
void SetKernel(EditState&, int) { throw std::logic_error("SetKernel: not implemented"); }
void KernelFilter(EditState&, bool) { throw std::logic_error("KernelFilter: not implemented"); }
void NivGris(EditState&) { throw std::logic_error("NivGris: not implemented"); }
void Sharpen(EditState&) { throw std::logic_error("Sharpen: not implemented"); }
void SharpenPlus(EditState&) { throw std::logic_error("SharpenPlus: not implemented"); }
void Soften(EditState&) { throw std::logic_error("Soften: not implemented"); }
void Lighten(EditState&) { throw std::logic_error("Lighten: not implemented"); }
void LissageAuto(EditState&) { throw std::logic_error("LissageAuto: not implemented"); }
void InitKernelRegister(EditState&) {}
void MakeGaussianKernel(GaussKernel&, double, int, int) { throw std::logic_error("MakeGaussianKernel: not implemented"); }
void BlurLine(uint8_t*, int, const GaussKernel&, uint8_t*) { throw std::logic_error("BlurLine: not implemented"); }
void GaussianBlur(Image&, double) { throw std::logic_error("GaussianBlur: not implemented"); }
void FlouGaussien(EditState&, int) { throw std::logic_error("FlouGaussien: not implemented"); }
}  // namespace lum
