// Kernel filters, grey scale, auto smooth and Gaussian blur.
#pragma once
#include <array>
#include <cstdint>

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
// Blurs the whole image in place.
void GaussianBlur(Image& img, double radius);
// FlouGaussienClick after the dialog gave the radius: blur inside the selection, records 13.
void FlouGaussien(EditState& st, int radius);

}  // namespace lum
