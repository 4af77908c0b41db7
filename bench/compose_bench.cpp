// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the compositing pixel work on 12-megapixel pictures held in memory.
//
//   lumora_bench --benchmark_filter='Mix|Gradient|Stretch|Mirror'
#include <benchmark/benchmark.h>

#include <cstdint>

#include "image/Image.h"
#include "image/Stretch.h"
#include "imaging/Gradient.h"
#include "imaging/LightenGradient.h"
#include "imaging/Mix.h"

namespace {

constexpr int kW = 4000, kH = 3000;

lum::Image Pattern(int w, int h, uint32_t seed) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* p = img.row(y);
        for (int x = 0; x < 3 * w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            p[x] = static_cast<uint8_t>(((x / 3 + y) & 255) ^ (seed >> 28));
        }
    }
    return img;
}

const lum::Image& Work() {
    static const lum::Image img = Pattern(kW, kH, 1);
    return img;
}
const lum::Image& Source() {
    static const lum::Image img = Pattern(1600, 1200, 2);
    return img;
}

void RunMix(benchmark::State& s, lum::MixStyle style, lum::MixResize resize) {
    lum::MixOptions o;
    o.style = style;
    o.resize = resize;
    o.offsetX = 10;
    const lum::MixPlacement p = lum::ComputeMixPlacement(o, kW, kH, Source().width(), Source().height());
    lum::Image work;
    for (auto _ : s) {
        s.PauseTiming();
        work = Work();
        s.ResumeTiming();
        lum::ComposeMix(work, Source(), p, o);
        benchmark::DoNotOptimize(work.data());
    }
}

void BM_MixCopyFit(benchmark::State& s) { RunMix(s, lum::MixStyle::Copy, lum::MixResize::FitToImage); }
void BM_MixMaskedFit(benchmark::State& s) { RunMix(s, lum::MixStyle::MaskedCopy, lum::MixResize::FitToImage); }
void BM_MixSmoothedFit(benchmark::State& s) { RunMix(s, lum::MixStyle::SmoothedEdges, lum::MixResize::FitToImage); }
void BM_MixTiles(benchmark::State& s) { RunMix(s, lum::MixStyle::Tiles, lum::MixResize::Zoom); }

void BM_GradientVertical(benchmark::State& s) {
    lum::GradientParams p;
    p.centre = lum::ScaleGradientCentre(p.centre, kW, kH);
    for (auto _ : s) benchmark::DoNotOptimize(lum::GradientImage(kW, kH, p).data());
}
void BM_GradientCentredBig(benchmark::State& s) {
    lum::GradientParams p;
    p.style = lum::GradientStyle::CentredBig;
    p.centre = lum::ScaleGradientCentre(p.centre, kW, kH);
    for (auto _ : s) benchmark::DoNotOptimize(lum::GradientImage(kW, kH, p).data());
}
void BM_LightenGradient(benchmark::State& s) {
    lum::GradientParams p;
    p.centre = lum::ScaleGradientCentre(p.centre, kW, kH);
    lum::Image work, layer;
    for (auto _ : s) {
        s.PauseTiming();
        work = Work();
        s.ResumeTiming();
        lum::LightenGradient(work, p, layer);
        benchmark::DoNotOptimize(work.data());
    }
}
void BM_StretchThumbnail(benchmark::State& s) {
    lum::Image thumb(160, 120);
    for (auto _ : s) {
        lum::StretchDraw(thumb, lum::Rect{0, 0, 160, 120}, Work());
        benchmark::DoNotOptimize(thumb.data());
    }
}
void BM_MirrorHorizontal(benchmark::State& s) {
    lum::Image work = Work();
    for (auto _ : s) {
        lum::MirrorHorizontal(work);
        benchmark::DoNotOptimize(work.data());
    }
}

#define LUMORA_COMPOSE_BENCH(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->UseRealTime()
LUMORA_COMPOSE_BENCH(BM_MixCopyFit);
LUMORA_COMPOSE_BENCH(BM_MixMaskedFit);
LUMORA_COMPOSE_BENCH(BM_MixSmoothedFit);
LUMORA_COMPOSE_BENCH(BM_MixTiles);
LUMORA_COMPOSE_BENCH(BM_GradientVertical);
LUMORA_COMPOSE_BENCH(BM_GradientCentredBig);
LUMORA_COMPOSE_BENCH(BM_LightenGradient);
LUMORA_COMPOSE_BENCH(BM_StretchThumbnail);
LUMORA_COMPOSE_BENCH(BM_MirrorHorizontal);

}  // namespace
