// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/ColourOps.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "image/Parallel.h"
#include "imaging/ColourKernels.h"

namespace lum {

using namespace colour;

namespace {

const Rgb& TargetFor(const BalanceTargets& t, int mode) { return mode == kModeLandscape ? t.landscape : t.flesh; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// ColourPass: measure the centre of src, shift every pixel of it into dst.

void ColourPass(const Image& src, Image& dst, int mode, const BalanceTargets& targets, const Confinement& where) {
    if (&src == &dst) {
        // Measuring and shifting both read the image as it was.
        Image copy(src);
        ColourPass(copy, dst, mode, targets, where);
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
    const Rect r = where.Clip(W, H);
    if (r.empty()) return;
    ParallelRows(r.Bottom - r.Top, [&](int b, int e) {
        for (int y = r.Top + b; y < r.Top + e; ++y) {
            const uint8_t* s = src.row(y);
            uint8_t* d = dst.row(y);
            const uint8_t* inside = where.MaskAt(r.Left, y);
            if (!inside) {
                ToneShiftRow(s, d, r.Left, r.Right, steps);
                continue;
            }
            // Outside the selection dst keeps whatever it held.
            for (int x = r.Left; x < r.Right; ++x)
                if (inside[x - r.Left]) ToneShiftPixel(s + 3 * x, d + 3 * x, steps);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// BlendInto

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

// ---------------------------------------------------------------------------------------------
// ColourPassInPlace

void ColourPassInPlace(const Image& src, Image& dst, int kind, int mode, const BalanceTargets& targets,
                       const Confinement& where, const std::optional<Rect>& sample) {
    const int W = src.width(), H = src.height();
    if (W <= 0 || H <= 0 || dst.width() != W || dst.height() != H) return;
    ToneSteps steps;
    if (mode == kModeFlesh || mode == kModeLandscape) {
        int dR = 0, dG = 0, dB = 0;
        // A sample lying wholly outside the image leaves nothing to measure: the mean would
        // divide by a zero pixel count, so the colours stay as they are.
        const Rect area = sample ? *sample : CentralRegion(W, H);
        if (!BalanceAmounts(src, area, TargetFor(targets, mode), dR, dG, dB)) return;
        steps = MakeToneSteps(dR, dG, dB);
    } else if (mode != kModeLighten && mode != kModeShift) {
        return;  // any other mode writes the pixels back as they were, which dst already holds
    }

    const Rect r = where.Clip(W, H);
    if (r.empty()) return;
    const int x0 = r.Left, x1 = r.Right;
    // On one image each row is read from a copy: the row loops take separate source and
    // destination rows.
    const bool aliased = &src == &dst;
    ParallelRows(r.Bottom - r.Top, [&](int b, int e) {
        std::vector<uint8_t> copy(aliased ? 3 * static_cast<size_t>(W) : 0);
        for (int y = r.Top + b; y < r.Top + e; ++y) {
            const uint8_t* s = src.row(y);
            uint8_t* d = dst.row(y);
            if (aliased) s = static_cast<const uint8_t*>(std::memcpy(copy.data(), s, copy.size()));
            const uint8_t* inside = where.MaskAt(x0, y);
            if (!inside) {
                if (mode == kModeLighten) LightenRow(s, d, x0, x1);
                else if (mode == kModeShift) ChannelShiftRow(s, d, x0, x1, kind);
                else ToneShiftRow(s, d, x0, x1, steps);
                continue;
            }
            for (int x = x0; x < x1; ++x) {
                if (!inside[x - x0]) continue;
                if (mode == kModeLighten) LightenPixel(s + 3 * x, d + 3 * x);
                else if (mode == kModeShift) ChannelShiftPixel(s + 3 * x, d + 3 * x, kind);
                else ToneShiftPixel(s + 3 * x, d + 3 * x, steps);
            }
        }
    });
}

}  // namespace lum
