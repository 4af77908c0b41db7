// The kernel register, the filter commands and the blur command.
#include "imaging/Filters.h"

#include <algorithm>

#include "image/Parallel.h"
#include "imaging/ColourOps.h"

namespace lum {

namespace {

using Weights = std::array<std::array<int32_t, 3>, 3>;

void Load(KernelRegister& k, const Weights& w, int32_t divisor) {
    k.weights = w;
    k.divisor = divisor;
}

}  // namespace

void SetKernel(EditState& st, int kind) {
    KernelRegister& k = st.Kernel;
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

void InitKernelRegister(EditState& st) {
    SetKernel(st, 4);
    st.Kernel.counter2 = 0;
    st.Kernel.counter4 = 0;
}

void NivGris(EditState& st) {
    // Whatever kernel the register holds filters the image before the channels are averaged.
    KernelFilter(st, true);
    st.Macro.Record(2);
}

void Sharpen(EditState& st) {
    SetKernel(st, 4);
    KernelFilter(st, false);
    st.Macro.Record(6);
}

void SharpenPlus(EditState& st) {
    SetKernel(st, 5);
    KernelFilter(st, false);
    st.Macro.Record(5);
}

void Soften(EditState& st) {
    SetKernel(st, 2);
    KernelFilter(st, false);
    st.Macro.Record(7);
}

void Lighten(EditState& st) {
    st.FloatActive = false;
    ColourPassInPlace(st, 0, kModeLighten);
    st.Macro.Record(4);
}

void LissageAuto(EditState& st) {
    if (st.Busy) st.Busy(true);
    st.BeginPixelOp();
    GaussianBlur(st.WorkImage, 4);
    // Half blur, half the image before the blur; the whole image, whatever is selected.
    const int W = st.WorkImage.width();
    ParallelRows(st.WorkImage.height(), [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            const uint8_t* src = st.SourceRows[y];
            uint8_t* dst = st.WorkRows[y];
            for (int b = 0; b < 3 * W; ++b) dst[b] = static_cast<uint8_t>((src[b] + dst[b]) / 2);
        }
    });
    SetKernel(st, 2);
    KernelFilter(st, false);
    SetKernel(st, 4);
    KernelFilter(st, false);
    SetKernel(st, 2);
    KernelFilter(st, false);
    SetKernel(st, 4);
    KernelFilter(st, false);
    st.Macro.Record(14);
    if (st.Busy) st.Busy(false);
}

void FlouGaussien(EditState& st, int radius) {
    // The dialog's up-down keeps its position within 1..24.
    radius = std::clamp(radius, 1, 24);
    if (st.Busy) st.Busy(true);
    GaussianBlur(st.WorkImage, radius);
    st.Redraw();
    st.Macro.Record(13);
    if (st.Busy) st.Busy(false);
}

bool FlouGaussienClick(EditState& st, const std::function<bool(int& radius)>& askRadius) {
    st.BeginPixelOp();  // also when the dialog is then cancelled
    int radius = 8;
    if (!askRadius || !askRadius(radius)) return false;
    FlouGaussien(st, radius);
    return true;
}

}  // namespace lum
