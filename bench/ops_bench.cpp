// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the operations on a 12-megapixel photo held in memory.
//
//   lumora_bench --benchmark_min_time=1          all of them
//   lumora_bench --benchmark_filter=Blur         some of them
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliInternal.h"
#include "editing/Editor.h"
#include "image/Arith.h"
#include "image/Codec.h"
#include "image/JpegPreview.h"

namespace {

constexpr int kWidth = 4000, kHeight = 3000;

// Smooth shading with a colour cast, hard-edged shapes and grain: enough structure that the
// smoothing, the similarity tests and the JPEG codec see something like a photo.
lum::Image MakePhoto() {
    lum::Image img(kWidth, kHeight);
    std::vector<float> sx(kWidth), sy(kHeight);
    for (int x = 0; x < kWidth; ++x) sx[x] = std::sin(x * 0.0031f) * 50 + std::sin(x * 0.041f) * 12;
    for (int y = 0; y < kHeight; ++y) sy[y] = std::cos(y * 0.0023f) * 45 + std::sin(y * 0.057f) * 10;
    uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* row = img.row(y);
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>((seed >> 24) & 15) - 8;
            int base = 120 + static_cast<int>(sx[x] + sy[y]) + grain;
            const int dx = x - 2600, dy = y - 1400;
            if (dx * dx + dy * dy < 700 * 700) base += 60;               // a bright disc
            if (x > 400 && x < 1500 && y > 1800 && y < 2700) base -= 70; // a dark block
            row[3 * x + 0] = lum::clampByte(base - 20);
            row[3 * x + 1] = lum::clampByte(base + 5);
            row[3 * x + 2] = lum::clampByte(base + 25 + ((x >> 6) & 7));
        }
    }
    return img;
}

const lum::Image& Photo() {
    static const lum::Image photo = MakePhoto();
    return photo;
}

const std::vector<uint8_t>& PhotoJpeg() {
    static const std::vector<uint8_t> bytes = [] {
        lum::JpegEncodeOptions o;
        o.quality = 92;
        return lum::EncodeJpeg(Photo(), o);
    }();
    return bytes;
}

// A main window's editor with the photo loaded, as the command line holds it.
struct Loaded {
    lum::Editor editor{lum::EditorPolicy::MainWindow()};
    Loaded() { reset(); }
    // Back to the photo as loaded, also after a geometry operation changed the baseline.
    void reset() {
        editor.State().picture.Baseline() = Photo();
        editor.CommitMemoryImage();
    }
};

// Times an operation word on a freshly loaded photo each round; the reset is not timed.
void RunOnState(benchmark::State& state, const std::string& word) {
    Loaded l;
    const lum::ParsedOperation op = lum::ParseOperationWord(word);
    for (auto _ : state) {
        state.PauseTiming();
        l.reset();
        state.ResumeTiming();
        l.editor.Run(*op.op, op.args);
        benchmark::DoNotOptimize(l.editor.State().picture.Work().data());
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kWidth} * kHeight);
}

// The same on the command line's lean editor, where these rows work on the one image.
void RunLean(benchmark::State& state, const std::string& word) {
    lum::Editor editor{lum::EditorPolicy::CommandLine()};
    const lum::ParsedOperation op = lum::ParseOperationWord(word);
    for (auto _ : state) {
        state.PauseTiming();
        editor.State().picture.Baseline() = Photo();
        editor.CommitMemoryImage();
        state.ResumeTiming();
        editor.Run(*op.op, op.args);
        benchmark::DoNotOptimize(editor.State().picture.Work().data());
    }
}

void BM_Optimize(benchmark::State& s) { RunOnState(s, "optimize"); }
void BM_GreyLean(benchmark::State& s) { RunLean(s, "grey"); }
void BM_SharpenLean(benchmark::State& s) { RunLean(s, "sharpen"); }
void BM_AutoSmoothLean(benchmark::State& s) { RunLean(s, "auto-smooth"); }
void BM_OptimizeBatchPipeline(benchmark::State& s) {
    lum::BalanceTargets targets;
    lum::Image work;
    for (auto _ : s) {
        s.PauseTiming();
        work = Photo();
        s.ResumeTiming();
        lum::cli::OptimizeLean(work, targets);
        benchmark::DoNotOptimize(work.data());
    }
}
void BM_FleshBalance(benchmark::State& s) { RunOnState(s, "flesh-balance"); }
void BM_Grey(benchmark::State& s) { RunOnState(s, "grey"); }
void BM_Sharpen(benchmark::State& s) { RunOnState(s, "sharpen"); }
void BM_Soften(benchmark::State& s) { RunOnState(s, "soften"); }
void BM_AutoSmooth(benchmark::State& s) { RunOnState(s, "auto-smooth"); }
void BM_Blur4(benchmark::State& s) { RunOnState(s, "blur:4"); }
void BM_Blur8(benchmark::State& s) { RunOnState(s, "blur:8"); }
void BM_RotateCw(benchmark::State& s) { RunOnState(s, "rotate-cw"); }
void BM_Rotate30(benchmark::State& s) { RunOnState(s, "rotate:30"); }
// Two thirds of each side, as for a web copy; the result stays within the dialog's range.
void BM_Resize(benchmark::State& s) { RunOnState(s, "resize:2666x2000"); }

void BM_Decode(benchmark::State& s) {
    const std::vector<uint8_t>& bytes = PhotoJpeg();
    for (auto _ : s) {
        lum::Image img = lum::DecodeJpeg(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(img.data());
    }
    s.SetBytesProcessed(s.iterations() * static_cast<int64_t>(bytes.size()));
}

// The quick look while the full decode runs, at 1/8 and 1/4 of each side.
void BM_DecodePreview(benchmark::State& s) {
    const std::vector<uint8_t>& bytes = PhotoJpeg();
    const int percent = static_cast<int>(s.range(0));
    for (auto _ : s) {
        lum::JpegPreview p = lum::DecodeJpegPreview(bytes.data(), bytes.size(), [&](int, int) { return percent; });
        benchmark::DoNotOptimize(p.image.data());
    }
}

void BM_Encode(benchmark::State& s) {
    lum::JpegEncodeOptions o;
    o.quality = 90;
    for (auto _ : s) {
        std::vector<uint8_t> bytes = lum::EncodeJpeg(Photo(), o);
        benchmark::DoNotOptimize(bytes.data());
    }
}

#define LUMORA_BENCH(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->UseRealTime()
LUMORA_BENCH(BM_Optimize);
LUMORA_BENCH(BM_OptimizeBatchPipeline);
LUMORA_BENCH(BM_FleshBalance);
LUMORA_BENCH(BM_Grey);
LUMORA_BENCH(BM_Sharpen);
LUMORA_BENCH(BM_Soften);
LUMORA_BENCH(BM_GreyLean);
LUMORA_BENCH(BM_SharpenLean);
LUMORA_BENCH(BM_AutoSmooth);
LUMORA_BENCH(BM_AutoSmoothLean);
LUMORA_BENCH(BM_Blur4);
LUMORA_BENCH(BM_Blur8);
LUMORA_BENCH(BM_RotateCw);
LUMORA_BENCH(BM_Rotate30);
LUMORA_BENCH(BM_Resize);
LUMORA_BENCH(BM_Decode);
LUMORA_BENCH(BM_DecodePreview)->Arg(12)->Arg(25);
LUMORA_BENCH(BM_Encode);

}  // namespace

BENCHMARK_MAIN();
