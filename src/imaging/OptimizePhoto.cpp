// SPDX-License-Identifier: GPL-3.0-or-later
// "Optimize The Photo Now!": colour pass, selective smoothing, blend with the photo as it was.
#include <algorithm>
#include <vector>

#include "image/Parallel.h"
#include "imaging/ColourKernels.h"
#include "imaging/ColourOps.h"

namespace lum {

using namespace colour;

namespace {

constexpr int kMainWeights[9] = {1, 2, 1, 2, 10, 2, 1, 2, 1};
constexpr int kCompareWeights[9] = {1, 4, 1, 4, 10, 4, 1, 4, 1};
constexpr int kThreshold = 100;
constexpr int kIsolation = -1;

// Colour pass, smoothing and blend of rows [b, e) of a W x H photo, reading the photo as it was
// through srcRow(y) and writing work. Each band recomputes the shifted rows just outside it, so
// bands share nothing and the result is the same for any split. A row of work is written only
// after the rows it depends on have been read, so work may be the photo itself as long as
// srcRow gives the rows outside the band from elsewhere.
template <class SrcRow>
void FusedBand(SrcRow srcRow, int W, int H, Image& work, int b, int e, const ToneSteps& steps,
               const SmoothParams& sp, int percent) {
    const size_t n = static_cast<size_t>(W);
    std::vector<int32_t> buf(n * 3 * 4);
    auto planes = [&](int slot) {
        int32_t* base = buf.data() + n * 3 * static_cast<size_t>(slot);
        return PlaneRow{base, base + n, base + 2 * n};
    };
    auto cplanes = [&](int slot) {
        const PlaneRow p = planes(slot);
        return ConstPlaneRow{p.r, p.g, p.b};
    };
    // Slots 0..2: shifted rows (ring by y mod 3); 3: the smoothed row.
    int loaded = -1;
    auto load = [&](int y) {
        ToneShiftRowPlanar(srcRow(y), planes(y % 3), W, steps);
        loaded = y;
    };
    for (int y = b; y < e; ++y) {
        if (y > 0 && loaded < y - 1) load(y - 1);
        if (loaded < y) load(y);
        if (y + 1 < H && loaded < y + 1) load(y + 1);
        ConstPlaneRow smoothed = cplanes(y % 3);
        if (y > 0 && y < H - 1) {
            const PlaneRow out = planes(3);
            const ConstPlaneRow mid = cplanes(y % 3);
            SmoothRowPlanar(cplanes((y - 1) % 3), mid, cplanes((y + 1) % 3), out, W, sp);
            // Border columns keep the shifted pixel.
            out.r[0] = mid.r[0];
            out.g[0] = mid.g[0];
            out.b[0] = mid.b[0];
            out.r[W - 1] = mid.r[W - 1];
            out.g[W - 1] = mid.g[W - 1];
            out.b[W - 1] = mid.b[W - 1];
            smoothed = cplanes(3);
        }
        BlendPlanarToRow(smoothed, srcRow(y), work.row(y), W, percent);
    }
}

}  // namespace

void OptimizeInPlace(Image& img, const BalanceTargets& targets, bool compareVariant) {
    const int W = img.width(), H = img.height();
    int dR = 0, dG = 0, dB = 0;
    if (W <= 0 || H <= 0 || !BalanceAmounts(img, CentralRegion(W, H), targets.flesh, dR, dG, dB)) return;
    const ToneSteps steps = MakeToneSteps(dR, dG, dB);
    const SmoothParams sp = MakeSmoothParams(kThreshold, kIsolation, compareVariant ? kCompareWeights : kMainWeights);
    const int percent = OptimizeBlendPercent(compareVariant);
    // Fixed bands; the two rows on each side of every boundary are kept aside before any band
    // overwrites them, since the neighbouring band still has to read them.
    const int bands = std::max(1, std::min(ThreadCount(), H / 32));
    auto bandStart = [&](int i) { return static_cast<int>(static_cast<int64_t>(H) * i / bands); };
    const size_t rowBytes = static_cast<size_t>(W) * 3;
    std::vector<uint8_t> saved(static_cast<size_t>(bands) * 2 * rowBytes);
    for (int i = 1; i < bands; ++i) {
        const int s = bandStart(i);
        std::copy(img.row(s - 1), img.row(s - 1) + rowBytes, saved.data() + (2 * i) * rowBytes);
        std::copy(img.row(s), img.row(s) + rowBytes, saved.data() + (2 * i + 1) * rowBytes);
    }
    ParallelRows(
        bands,
        [&](int i0, int i1) {
            for (int i = i0; i < i1; ++i) {
                const int b = bandStart(i), e = bandStart(i + 1);
                auto rows = [&](int y) -> const uint8_t* {
                    if (y == b - 1) return saved.data() + (2 * i) * rowBytes;
                    if (y == e) return saved.data() + (2 * (i + 1) + 1) * rowBytes;
                    return img.row(y);
                };
                FusedBand(rows, W, H, img, b, e, steps, sp, percent);
            }
        },
        1);
}

int OptimizeBlendPercent(bool compareVariant) { return compareVariant ? 40 : 50; }

void OptimizePhoto(const Image& photo, Image& work, const BalanceTargets& targets, bool compareVariant,
                   const Confinement& where) {
    if (&photo == &work) {
        if (where.IsWhole()) {
            OptimizeInPlace(work, targets, compareVariant);
            return;
        }
        Image copy(photo);
        OptimizePhoto(copy, work, targets, compareVariant, where);
        return;
    }
    if (work.width() != photo.width() || work.height() != photo.height()) work = photo;
    const int* weights = compareVariant ? kCompareWeights : kMainWeights;
    const int percent = OptimizeBlendPercent(compareVariant);
    const int W = photo.width(), H = photo.height();

    if (!where.IsWhole()) {
        // Only the selected pixels are shifted; the rest of the intermediate image keeps the
        // photo's own pixels, so the smoothing and the blend see a whole picture.
        Image a(photo), b;
        ColourPass(photo, a, kModeFlesh, targets, where);
        SelectiveSmooth(a, b, kThreshold, kIsolation, weights);
        BlendInto(b, photo, work, percent);
        return;
    }
    int dR = 0, dG = 0, dB = 0;
    // An empty photo has no centre to measure and no pixel to change.
    if (W <= 0 || H <= 0 || !BalanceAmounts(photo, CentralRegion(W, H), targets.flesh, dR, dG, dB)) return;
    const ToneSteps steps = MakeToneSteps(dR, dG, dB);
    const SmoothParams sp = MakeSmoothParams(kThreshold, kIsolation, weights);
    auto rows = [&](int y) { return photo.row(y); };
    ParallelRows(H, [&](int b, int e) { FusedBand(rows, W, H, work, b, e, steps, sp, percent); }, 32);
}

}  // namespace lum
