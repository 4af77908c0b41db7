// SPDX-License-Identifier: GPL-3.0-or-later
// The kernel register and auto smooth.
#include "imaging/Filters.h"

#include "image/Parallel.h"

namespace lum {

namespace {

using Weights = std::array<std::array<int32_t, 3>, 3>;

void Load(KernelRegister& k, const Weights& w, int32_t divisor) {
    k.weights = w;
    k.divisor = divisor;
}

}  // namespace

void SetKernel(KernelRegister& k, int kind) {
    switch (kind) {
        case 2:
            // Two mirror-image variants taken in turn, so repeated passes do not drift one way.
            ++k.counter2;
            if (k.counter2 % 2 == 0) Load(k, {{{1, 2, 1}, {2, 20, 2}, {1, 2, 1}}}, 32);
            else Load(k, {{{2, 1, 2}, {1, 20, 1}, {2, 1, 2}}}, 32);
            break;
        case 4:
            ++k.counter4;
            if (k.counter4 % 2 == 0) Load(k, {{{-1, -2, -1}, {-2, 28, -2}, {-1, -2, -1}}}, 16);
            else Load(k, {{{-2, -1, -2}, {-1, 28, -1}, {-2, -1, -2}}}, 16);
            break;
        case 5:
            Load(k, {{{0, -1, 0}, {-1, 6, -1}, {0, -1, 0}}}, 2);
            break;
        default:
            break;
    }
}

KernelRegister InitialKernelRegister() {
    KernelRegister k;
    SetKernel(k, 4);
    k.counter2 = 0;
    k.counter4 = 0;
    return k;
}

void AutoSmooth(const Image& src, Image& img, KernelRegister& kernel, const Confinement& where) {
    if (&src == &img || src.width() != img.width() || src.height() != img.height()) {
        const Image copy(img);
        AutoSmooth(copy, img, kernel, where);
        return;
    }
    GaussianBlur(img, 4);
    // Half blur, half the image before the blur.
    const int W = img.width();
    ParallelRows(img.height(), [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            const uint8_t* s = src.row(y);
            uint8_t* d = img.row(y);
            for (int b = 0; b < 3 * W; ++b) d[b] = static_cast<uint8_t>((s[b] + d[b]) / 2);
        }
    });
    // Each pass reads the result of the one before: the filter works on the image in place.
    for (int kind : {2, 4, 2, 4}) {
        SetKernel(kernel, kind);
        KernelFilter(img, img, kernel, false, where);
    }
}

}  // namespace lum
