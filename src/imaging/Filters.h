// SPDX-License-Identifier: GPL-3.0-or-later
// Kernel filters, grey scale, auto smooth and Gaussian blur.
#pragma once
#include <array>
#include <cstdint>

#include "image/Image.h"
#include "imaging/Confinement.h"

namespace lum {

// 3x3 weights (row offset -1..+1, column offset -1..+1) and a divisor, with the two
// alternation counters of kinds 2 and 4. Each window keeps one.
struct KernelRegister {
    std::array<std::array<int32_t, 3>, 3> weights{};
    int32_t divisor = 1;
    int32_t counter2 = 0;
    int32_t counter4 = 0;
};

// Loads k with kind 2 (soften), 4 (sharpen) or 5 (sharpen +), advancing the alternation
// counter of kinds 2 and 4; other kinds leave it unchanged.
void SetKernel(KernelRegister& k, int kind);
// The register as a new window holds it: the sharpening kernel loaded, both counters 0.
KernelRegister InitialKernelRegister();

// Applies the kernel to src into dst (src's size, already holding the pixels to keep): plain
// colours, or grey from the three filtered channels. Neighbours outside the image read the
// centre pixel; a divisor of 0 counts as 1. src and dst may be one image: then the image is
// filtered in place, keeping only a few rows aside, with the same result.
void KernelFilter(const Image& src, Image& dst, const KernelRegister& kernel, bool grey,
                  const Confinement& where = {});

// Auto smooth of src into img (holding src's pixels): a blur of radius 4 mixed half and half with
// src (the whole image, whatever is selected), then soften, sharpen, soften, sharpen passes of
// the register, each reading the result of the one before and confined by `where`.
void AutoSmooth(const Image& src, Image& img, KernelRegister& kernel, const Confinement& where = {});

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

}  // namespace lum
