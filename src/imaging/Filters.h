// Kernel filters, grey scale, auto smooth and Gaussian blur.
#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "app/core/EditState.h"
#include "image/Image.h"

namespace lum {

// Loads st.Kernel with kind 2, 4 or 5 (advancing the alternation counter); others: unchanged.
void SetKernel(EditState& st, int kind);
// Applies st.Kernel to st.WorkImage, reading st.SourceImage; grey output when grey is true.
void KernelFilter(EditState& st, bool grey);

// Window commands; each ends with a redraw and records its macro action where it has one.
void NivGris(EditState& st);       // grey scale, records 2
void Sharpen(EditState& st);       // Btdur, records 6
void SharpenPlus(EditState& st);   // Btplusdur, records 5
void Soften(EditState& st);        // Btdoux, records 7
void Lighten(EditState& st);       // Btbrume, records 4
void LissageAuto(EditState& st);   // auto smooth, records 14
// Called by the startup of a window: the kernel register as a new window holds it.
void InitKernelRegister(EditState& st);

struct GaussKernel {
    uint8_t Size = 1;
    std::array<float, 201> Data{};  // indexed -100..100 as Data[i + 100]
    float at(int i) const { return Data[static_cast<size_t>(i + 100)]; }
};
void MakeGaussianKernel(GaussKernel& k, double radius, int maxData = 255, int granularity = 1);
// Blurs a line of n + 1 pixels (3 bytes each) in place; work holds at least n + 1 pixels.
void BlurLine(uint8_t* line, int n, const GaussKernel& k, uint8_t* work);
// Blurs the whole image in place. The radius must be a finite number above 0
// (std::invalid_argument otherwise).
void GaussianBlur(Image& img, double radius);
// FlouGaussienClick after the dialog gave the radius (limited to the dialog's 1..24): blurs the
// whole working image (the blur ignores any selection), redraws, records 13.
void FlouGaussien(EditState& st, int radius);
// The whole handler: SourceImage := WorkImage, then askRadius (the blur dialog; false = Cancel,
// which ends here), then FlouGaussien. Returns whether the blur ran.
bool FlouGaussienClick(EditState& st, const std::function<bool(int& radius)>& askRadius);

}  // namespace lum
