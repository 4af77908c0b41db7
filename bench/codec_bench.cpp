// Timing of damaged and hostile JPEG files: the decoder must stop where the data ends, not
// decode hundreds of megapixels from nothing.
//
//   lumora_bench --benchmark_filter=Damaged
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "image/Codec.h"

namespace {

lum::Image Pattern(int w, int h) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, uint8_t(x * 7 + y), uint8_t(x ^ y), uint8_t(y * 3));
    return img;
}

// A small picture whose frame header claims side x side pixels.
std::vector<uint8_t> TooShort(int side, bool progressive) {
    std::vector<uint8_t> j = lum::EncodeJpeg(Pattern(32, 32), {75, progressive, nullptr});
    for (size_t i = 2; i + 9 < j.size(); ++i)
        if (j[i] == 0xFF && (j[i + 1] == 0xC0 || j[i + 1] == 0xC2)) {
            j[i + 5] = uint8_t(side >> 8), j[i + 6] = uint8_t(side);
            j[i + 7] = uint8_t(side >> 8), j[i + 8] = uint8_t(side);
            break;
        }
    return j;
}

void Decode(benchmark::State& state, const std::vector<uint8_t>& j) {
    for (auto _ : state) {
        lum::DecodeReport report;
        lum::Image img = lum::DecodeJpeg(j.data(), j.size(), nullptr, {}, &report);
        benchmark::DoNotOptimize(img.data());
        if (!report.damaged()) state.SkipWithError("not reported as damaged");
    }
}

// A 12-megapixel photo with only its first tenth on disk.
void BM_DamagedTruncatedPhoto(benchmark::State& state) {
    std::vector<uint8_t> j = lum::EncodeJpeg(Pattern(4000, 3000), {90, false, nullptr});
    j.resize(j.size() / 10);
    Decode(state, j);
}
BENCHMARK(BM_DamagedTruncatedPhoto)->Unit(benchmark::kMillisecond);

// A few hundred bytes claiming 15800 x 15800 pixels.
void BM_DamagedTooShortSequential(benchmark::State& state) { Decode(state, TooShort(15800, false)); }
BENCHMARK(BM_DamagedTooShortSequential)->Unit(benchmark::kMillisecond);

void BM_DamagedTooShortProgressive(benchmark::State& state) { Decode(state, TooShort(15800, true)); }
BENCHMARK(BM_DamagedTooShortProgressive)->Unit(benchmark::kMillisecond);

}  // namespace
