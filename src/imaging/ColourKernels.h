// SPDX-License-Identifier: GPL-3.0-or-later
// Row kernels shared by the colour engine and the optimize action. Internal to src/imaging.
// Every kernel is plain integer code over one row, so rows can be handed to any thread.
#pragma once
#include <array>
#include <cstdint>

#include "image/Color.h"
#include "image/Image.h"

namespace lum {
namespace colour {

// Per-channel steps of the tone-weighted shift, indexed by R + G + B (0..765) so the pixel loop
// needs no division: step[s] = (d x (ToneTable[s div 3] - offset)) div 256.
struct ToneSteps {
    std::array<int32_t, 766> r{}, g{}, b{};
    // The three steps as signed bytes (blue, green, red from the low end), one load per pixel;
    // valid when bytes is true, which holds for every target in 0..255.
    std::array<uint32_t, 766> packed{};
    bool bytes = true;
};
ToneSteps MakeToneSteps(int dR, int dG, int dB);

// Sum of the three channels over an inclusive rectangle (already clipped to the image).
struct ChannelSums {
    int64_t r = 0, g = 0, b = 0, count = 0;
};
ChannelSums SumRect(const Image& img, const Rect& r);

// The central sample region of a W x H image: rows 3H div 16 .. 13H div 16, columns likewise.
Rect CentralRegion(int width, int height);
// Left <= Right and Top <= Bottom.
inline bool RectEmpty(const Rect& r) { return r.Right < r.Left || r.Bottom < r.Top; }

// target - mean per channel over the sample rectangle clipped to the image; false when no
// pixel is left to measure.
bool BalanceAmounts(const Image& img, const Rect& sample, const Rgb& target, int& dR, int& dG, int& dB);

// Interleaved BGR -> BGR with the tone-weighted shift for pixels [x0, x1).
void ToneShiftRow(const uint8_t* src, uint8_t* dst, int x0, int x1, const ToneSteps& t);
// X = (3X + 255) div 4 for pixels [x0, x1).
void LightenRow(const uint8_t* src, uint8_t* dst, int x0, int x1);
// One channel moves an eighth towards another, for pixels [x0, x1); kinds outside 1..6 copy.
void ChannelShiftRow(const uint8_t* src, uint8_t* dst, int x0, int x1, int kind);
// Single-pixel forms of the three modes (bytes b, g, r), for the selection-confined paths.
void ToneShiftPixel(const uint8_t* s, uint8_t* d, const ToneSteps& t);
void LightenPixel(const uint8_t* s, uint8_t* d);
void ChannelShiftPixel(const uint8_t* s, uint8_t* d, int kind);
// dst := ((100 - p) x dst + p x second) div 100 per byte, clamped; n bytes.
void BlendRowInPlace(uint8_t* dst, const uint8_t* second, int n, int p);

// Parameters of the edge-preserving smoothing.
struct SmoothParams {
    int32_t threshold2 = 0;  // threshold squared, capped at the largest possible distance
    int32_t iso = -1;        // isolation limit
    std::array<int32_t, 9> w{};  // top-left .. bottom-right, centre at 4
    // True when the weights allow the vectorised row (non-negative, centre and neighbour
    // sums positive, total at most 255); otherwise the exact general row runs.
    bool fast = false;
};
SmoothParams MakeSmoothParams(int threshold, int isolationLimit, const int weights[9]);

// Planar row of 32-bit channel values.
struct PlaneRow {
    int32_t* r;
    int32_t* g;
    int32_t* b;
};
struct ConstPlaneRow {
    const int32_t* r;
    const int32_t* g;
    const int32_t* b;
};

// Smooths the inner pixels 1 .. n - 2 of the middle row into out (the caller handles the two
// border columns). Exact for every parameter set; vectorised when p.fast.
void SmoothRowPlanar(ConstPlaneRow up, ConstPlaneRow mid, ConstPlaneRow dn, PlaneRow out, int n,
                     const SmoothParams& p);

// BGR row -> planes (no change of values).
void SplitRow(const uint8_t* src, PlaneRow out, int n);
// Planes -> BGR row; values are already 0..255.
void MergeRow(ConstPlaneRow in, uint8_t* dst, int n);
// BGR row -> planes of the tone-shifted pixels.
void ToneShiftRowPlanar(const uint8_t* src, PlaneRow shifted, int n, const ToneSteps& t);
// dst (BGR) = ((100 - p) x first + p x second) div 100 per channel, clamped; first planar,
// second a BGR row that may be dst itself.
void BlendPlanarToRow(ConstPlaneRow first, const uint8_t* second, uint8_t* dst, int n, int p);

}  // namespace colour
}  // namespace lum
