// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the paint tools on a 12-megapixel picture held in memory.
//
//   lumora_bench --benchmark_filter='Fill|Brush'
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "image/Codec.h"
#include "imaging/Brush.h"
#include "imaging/FloodFill.h"

namespace {

constexpr int kWidth = 4000, kHeight = 3000;

// The test photo of a rocket at dusk (a smooth sky, towers and lights) enlarged bilinearly to
// 12 megapixels; a smooth synthetic sky when the file cannot be read.
lum::Image MakeSkyPhoto() {
    lum::Image small;
    try {
        std::string path = __FILE__;
        path = path.substr(0, path.find_last_of('/')) + "/../tests/data/photos/rocket.jpg";
        const std::vector<uint8_t> bytes = lum::ReadFileBytes(path);
        small = lum::DecodeJpeg(bytes.data(), bytes.size());
    } catch (const std::exception&) {
        small = lum::Image(64, 48);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                small.setPixel(x, y, static_cast<uint8_t>(20 + y), static_cast<uint8_t>(40 + y),
                               static_cast<uint8_t>(120 + x / 4 + (x > 40 && y > 30 ? 90 : 0)));
    }
    lum::Image big(kWidth, kHeight);
    const int sw = small.width(), sh = small.height();
    for (int y = 0; y < kHeight; ++y) {
        const int64_t fy = int64_t{y} * (sh - 1) * 256 / (kHeight - 1);
        const int y0 = static_cast<int>(fy >> 8), y1 = std::min(y0 + 1, sh - 1), wy = static_cast<int>(fy & 255);
        uint8_t* out = big.row(y);
        for (int x = 0; x < kWidth; ++x) {
            const int64_t fx = int64_t{x} * (sw - 1) * 256 / (kWidth - 1);
            const int x0 = static_cast<int>(fx >> 8), x1 = std::min(x0 + 1, sw - 1), wx = static_cast<int>(fx & 255);
            for (int c = 0; c < 3; ++c) {
                const int top = small.pixel(x0, y0)[c] * (256 - wx) + small.pixel(x1, y0)[c] * wx;
                const int bottom = small.pixel(x0, y1)[c] * (256 - wx) + small.pixel(x1, y1)[c] * wx;
                out[3 * x + c] = static_cast<uint8_t>((top * (256 - wy) + bottom * wy) >> 16);
            }
        }
    }
    return big;
}

const lum::Image& SkyPhoto() {
    static const lum::Image photo = MakeSkyPhoto();
    return photo;
}

const lum::Colour kFillColour = lum::MakeColour(253, 233, 115);

void BM_FillUniform(benchmark::State& s) {
    lum::Image img(kWidth, kHeight);
    int64_t filled = 0;
    for (auto _ : s) {
        s.PauseTiming();
        img.fill(90, 140, 200);
        s.ResumeTiming();
        filled = lum::FloodFill(img, kWidth / 2, kHeight / 2, 8, kFillColour).FilledPixels;
        benchmark::DoNotOptimize(img.data());
    }
    s.counters["pixels"] = static_cast<double>(filled);
}

void BM_FillSky(benchmark::State& s) {
    lum::Image img;
    int64_t filled = 0;
    for (auto _ : s) {
        s.PauseTiming();
        img = SkyPhoto();
        s.ResumeTiming();
        // A point of the sky between the left towers, at the default threshold.
        filled = lum::FloodFill(img, kWidth * 200 / 640, kHeight * 60 / 427, 8, kFillColour).FilledPixels;
        benchmark::DoNotOptimize(img.data());
    }
    s.counters["pixels"] = static_cast<double>(filled);
}

// A drag across the picture: 200 dabs after the press, each a few pixels from the last, as
// mouse moves come. The press (one copy of the picture) is timed apart.
std::vector<lum::BrushPoint> DragPath() {
    std::vector<lum::BrushPoint> path;
    for (int i = 0; i <= 200; ++i) path.push_back({1000 + 9 * i, 1200 + 3 * i - (i % 7)});
    return path;
}

void BM_BrushStroke(benchmark::State& s) {
    const auto kind = static_cast<lum::BrushKind>(s.range(0));
    const std::vector<lum::BrushPoint> path = DragPath();
    lum::Image img, source;
    lum::BrushRandom random(2024);
    for (auto _ : s) {
        s.PauseTiming();
        img = SkyPhoto();
        lum::BrushStroke stroke;
        stroke.Kind = kind;
        stroke.Radius = lum::BrushRadius(96);
        stroke.Random = &random;
        stroke.BrushColor2 = lum::MakeColour(40, 60, 110);
        lum::BrushPress(img, source, stroke, path[0].X, path[0].Y);
        s.ResumeTiming();
        for (size_t i = 1; i < path.size(); ++i) lum::ApplyDab(img, stroke, path[i].X, path[i].Y);
        benchmark::DoNotOptimize(img.data());
    }
}

void BM_BrushPress(benchmark::State& s) {
    lum::Image img = SkyPhoto(), source;
    lum::BrushStroke stroke;
    stroke.Kind = lum::BrushKind::Lighten;
    stroke.Radius = lum::BrushRadius(96);
    for (auto _ : s) {
        lum::BrushPress(img, source, stroke, 2000, 1500);
        benchmark::DoNotOptimize(source.data());
    }
}

BENCHMARK(BM_FillUniform)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FillSky)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BrushStroke)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BrushPress)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
