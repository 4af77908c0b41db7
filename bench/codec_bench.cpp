// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of damaged and hostile JPEG files: the decoder must stop where the data ends, not
// decode hundreds of megapixels from nothing.
//
//   lumora_bench --benchmark_filter=Damaged
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

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

// Real photos up to the pixel limit must still open, however well they compress: the refusal of
// files too short for their size must never take one of them for a bomb.
//
//   lumora_bench --benchmark_filter=OpenBig
namespace big {

// Encodes a row at a time, never holding the picture whole: row(y, bgr) fills row y.
template <class Row>
std::vector<uint8_t> EncodeRows(int w, int h, int quality, bool optimize, Row row) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buf, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = 3;
    c.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    c.optimize_coding = optimize ? TRUE : FALSE;
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> line(size_t(w) * 3);
    while (c.next_scanline < c.image_height) {
        row(int(c.next_scanline), line.data());
        JSAMPROW p = line.data();
        jpeg_write_scanlines(&c, &p, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> out(buf, buf + size);
    std::free(buf);
    return out;
}

// A made photo: its rows as they were before encoding, and the file.
struct Made {
    int w = 0, h = 0;
    std::function<void(int, uint8_t*)> row;
    std::vector<uint8_t> file;
};

// 250 megapixels of real content: the deep-field photo tiled, every other tile mirrored so no
// seam is sharp.
const Made& RealPhoto() {
    static const Made made = [] {
        Made m;
        auto tile = std::make_shared<lum::Image>(
            lum::LoadPicture(std::string(LUMORA_SAMPLE_PHOTOS) + "/hubble_deep_field.jpg").image);
        m.w = 18000, m.h = 13888;
        auto at = [](int v, int n) { return (v / n) % 2 ? n - 1 - v % n : v % n; };
        const int w = m.w;
        m.row = [tile, at, w](int y, uint8_t* bgr) {
            const uint8_t* src = tile->row(at(y, tile->height()));
            for (int x = 0; x < w; ++x) std::memcpy(bgr + 3 * x, src + 3 * at(x, tile->width()), 3);
        };
        m.file = EncodeRows(m.w, m.h, 90, false, m.row);
        return m;
    }();
    return made;
}

// 100 megapixels of clear blue sky, lighter towards the horizon, in the fewest bytes.
const Made& BlueSky() {
    static const Made made = [] {
        Made m;
        m.w = 12000, m.h = 8333;
        const int w = m.w, h = m.h;
        m.row = [w, h](int y, uint8_t* bgr) {
            for (int x = 0; x < w; ++x) {
                bgr[3 * x] = uint8_t(200 + 50 * y / h);
                bgr[3 * x + 1] = uint8_t(120 + 90 * y / h);
                bgr[3 * x + 2] = uint8_t(60 + 110 * y / h);
            }
        };
        m.file = EncodeRows(m.w, m.h, 75, true, m.row);
        return m;
    }();
    return made;
}

// Opens the photo as the window and the command line do; an error when it is refused, reported
// damaged, or does not show what was encoded (mean difference per sample over a few rows).
void Open(benchmark::State& state, const Made& m, double tolerance) {
    state.counters["MB"] = double(m.file.size()) / 1e6;
    state.counters["pixels/byte"] = double(m.w) * m.h / double(m.file.size());
    lum::LoadedPicture pic;
    for (auto _ : state) {
        try {
            pic = lum::LoadPictureFromMemory(m.file.data(), m.file.size());
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            return;
        }
    }
    if (pic.report.damaged()) return state.SkipWithError(("reported damaged: " + pic.report.warnings[0]).c_str());
    if (pic.image.width() != m.w || pic.image.height() != m.h) return state.SkipWithError("wrong size");
    std::vector<uint8_t> want(size_t(m.w) * 3);
    for (int y : {0, m.h / 3, m.h - 1}) {
        m.row(y, want.data());
        double diff = 0;
        for (size_t i = 0; i < want.size(); ++i) diff += std::abs(int(pic.image.row(y)[i]) - int(want[i]));
        if (diff / double(want.size()) > tolerance) return state.SkipWithError("not the picture encoded");
    }
}

void BM_OpenBigRealPhoto250Megapixels(benchmark::State& state) { Open(state, RealPhoto(), 6.0); }
BENCHMARK(BM_OpenBigRealPhoto250Megapixels)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_OpenBigBlueSky100Megapixels(benchmark::State& state) { Open(state, BlueSky(), 3.0); }
BENCHMARK(BM_OpenBigBlueSky100Megapixels)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace big
