#include "imaging/ColourOps.h"

#include <algorithm>
#include <vector>

#include "image/Parallel.h"
#include "imaging/ColourKernels.h"
#include "imaging/ColourScope.h"

namespace lum {

using namespace colour;

namespace {

const Rgb& TargetFor(const BalanceTargets& t, int mode) { return mode == kModeLandscape ? t.landscape : t.flesh; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// ColourPass: measure the centre of src, shift every pixel of it into dst.

void ColourPass(const Image& src, Image& dst, int mode, const BalanceTargets& targets) {
    ColourPass(src, dst, mode, targets, nullptr);
}

void ColourPass(const Image& src, Image& dst, int mode, const BalanceTargets& targets, const EditState* sel) {
    if (&src == &dst) {
        // Measuring and shifting both read the image as it was.
        Image copy(src);
        ColourPass(copy, dst, mode, targets, sel);
        return;
    }
    dst.resize(src.width(), src.height());
    dst.setPixelFormat24();
    const int W = src.width(), H = src.height();
    int dR = 0, dG = 0, dB = 0;
    // The central region of an image of at least one pixel always holds a pixel; an empty image
    // has nothing to measure or to shift.
    if (!BalanceAmounts(src, CentralRegion(W, H), TargetFor(targets, mode), dR, dG, dB)) return;
    const ToneSteps steps = MakeToneSteps(dR, dG, dB);
    const bool confined = sel && sel->SelectionActive > 0;
    if (!confined) {
        ParallelRows(H, [&](int b, int e) {
            for (int y = b; y < e; ++y) ToneShiftRow(src.row(y), dst.row(y), 0, W, steps);
        });
        return;
    }
    // Outside the selection dst keeps whatever it held; the selection test is asked one pixel at
    // a time, on this thread only.
    const Rect r = sel->ConfinementRect();
    for (int y = std::max(r.Top, 0); y <= std::min(r.Bottom, H - 1); ++y) {
        const uint8_t* s = src.row(y);
        uint8_t* d = dst.row(y);
        for (int x = std::max(r.Left, 0); x <= std::min(r.Right, W - 1); ++x)
            if (sel->InSelection(x, y)) ToneShiftPixel(s + 3 * x, d + 3 * x, steps);
    }
}

// ---------------------------------------------------------------------------------------------
// BlendImages

void BlendInto(const Image& first, const Image& second, Image& dst, int percent) {
    const int p = percent % 100;
    if (&dst == &second && &dst != &first) {
        Image copy(second);
        BlendInto(first, copy, dst, percent);
        return;
    }
    if (&dst != &first) {
        dst.resize(first.width(), first.height());
        dst.setPixelFormat24();
        dst.drawAt00(first);
    }
    const int w = std::min(first.width(), second.width());
    const int h = std::min(first.height(), second.height());
    if (w <= 0 || h <= 0) return;
    ParallelRows(h, [&](int b, int e) {
        for (int y = b; y < e; ++y) BlendRowInPlace(dst.row(y), second.row(y), 3 * w, p);
    });
}

void BlendImages(EditState& st, const Image& first, const Image& second, Image& dst, int percent) {
    BlendInto(first, second, dst, percent);
    st.Macro.Record(1, percent % 100);
}

// ---------------------------------------------------------------------------------------------
// ColourPassInPlace

void ColourPassInPlace(EditState& st, int kind, int mode) {
    PixelOpScope scope(st);
    st.BeginPixelOp();
    Image& src = st.SourceImage;
    Image& work = st.WorkImage;
    const int W = work.width(), H = work.height();

    ToneSteps steps;
    bool balanced = true;
    if (mode == kModeFlesh || mode == kModeLandscape) {
        const Rect sample = st.SelectionActive > 0 ? st.ConfinementRect() : CentralRegion(W, H);
        const BalanceTargets targets = st.CurrentTargets();
        int dR = 0, dG = 0, dB = 0;
        // A selection lying wholly outside the image (or an image without pixels) leaves nothing
        // to measure: the mean would divide by a zero pixel count, so the colours stay as they are.
        balanced = W > 0 && H > 0 && BalanceAmounts(src, sample, TargetFor(targets, mode), dR, dG, dB);
        if (balanced) steps = MakeToneSteps(dR, dG, dB);
        // The measurement was the selection's only use: the correction covers the whole photo.
        if (st.SelectionActive > 0) st.ResetTool();
    }

    const Rect r = st.ConfinementRect();
    const int x0 = std::max(r.Left, 0), x1 = std::min(r.Right, W - 1) + 1;
    const int y0 = std::max(r.Top, 0), y1 = std::min(r.Bottom, H - 1) + 1;
    const bool applies = (mode == kModeLighten || mode == kModeShift ||
                          ((mode == kModeFlesh || mode == kModeLandscape) && balanced));
    // Any other mode writes the pixels back as they were, which WorkImage already holds.
    if (applies && x0 < x1 && y0 < y1) {
        const bool masked = st.SelectionActive > 0 && st.Selection != nullptr;
        if (!masked) {
            ParallelRows(y1 - y0, [&](int b, int e) {
                for (int y = y0 + b; y < y0 + e; ++y) {
                    const uint8_t* s = src.row(y);
                    uint8_t* d = work.row(y);
                    if (mode == kModeLighten) LightenRow(s, d, x0, x1);
                    else if (mode == kModeShift) ChannelShiftRow(s, d, x0, x1, kind);
                    else ToneShiftRow(s, d, x0, x1, steps);
                }
            });
        } else {
            for (int y = y0; y < y1; ++y) {
                const uint8_t* s = src.row(y);
                uint8_t* d = work.row(y);
                for (int x = x0; x < x1; ++x) {
                    if (!st.InSelection(x, y)) continue;
                    if (mode == kModeLighten) LightenPixel(s + 3 * x, d + 3 * x);
                    else if (mode == kModeShift) ChannelShiftPixel(s + 3 * x, d + 3 * x, kind);
                    else ToneShiftPixel(s + 3 * x, d + 3 * x, steps);
                }
            }
        }
    }
    scope.Finish();
}

void FleshBalance(EditState& st) {
    ColourPassInPlace(st, 0, kModeFlesh);
    st.Macro.Record(15);
}

void LandscapeBalance(EditState& st) {
    ColourPassInPlace(st, 0, kModeLandscape);
    st.Macro.Record(16);
}

void ChannelShift(EditState& st, int kind) {
    ColourPassInPlace(st, kind, kModeShift);
    st.Macro.Record(12, kind);
}

}  // namespace lum
