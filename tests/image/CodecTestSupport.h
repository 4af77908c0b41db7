// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the codec tests: synthetic pictures, comparisons, hand-made JPEG files.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "image/Codec.h"
#include "image/Image.h"

namespace codec_test {

inline std::string DataPath(const std::string& name) { return std::string(LUMORA_TEST_DATA) + "/" + name; }

// Rises and falls between 0 and 255 with the given slope.
inline uint8_t Triangle(int t) {
    t %= 510;
    return static_cast<uint8_t>(t < 256 ? t : 509 - t);
}
// A smooth picture, the kind JPEG keeps well at any size.
inline lum::Image Gradient(int w, int h) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, Triangle(3 * x + y + 20), Triangle(2 * y + x + 90), Triangle(x + 2 * y + 200));
    return img;
}

struct Diff {
    double mean = 0;
    int max = 0;
};
inline Diff Compare(const lum::Image& a, const lum::Image& b) {
    Diff d;
    if (a.width() != b.width() || a.height() != b.height()) {
        ADD_FAILURE() << "sizes differ: " << a.width() << "x" << a.height() << " vs " << b.width() << "x"
                      << b.height();
        d.max = 999;
        return d;
    }
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int i = 0; i < a.width() * 3; ++i) {
            int v = std::abs(a.row(y)[i] - b.row(y)[i]);
            sum += v;
            d.max = std::max(d.max, v);
        }
    d.mean = a.empty() ? 0 : sum / (3.0 * a.width() * a.height());
    return d;
}

// Peak signal-to-noise ratio in dB over all channels.
inline double Psnr(const lum::Image& a, const lum::Image& b) {
    EXPECT_EQ(a.width(), b.width());
    EXPECT_EQ(a.height(), b.height());
    double se = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int i = 0; i < std::min(a.width(), b.width()) * 3; ++i) {
            double d = a.row(y)[i] - b.row(y)[i];
            se += d * d;
        }
    double mse = se / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// Which start-of-frame markers appear in a JPEG stream (walks the marker segments up to SOS).
inline std::vector<int> FrameMarkers(const std::vector<uint8_t>& j) {
    std::vector<int> out;
    size_t i = 2;
    while (i + 4 <= j.size() && j[i] == 0xFF) {
        int m = j[i + 1];
        size_t len = size_t(j[i + 2]) << 8 | j[i + 3];
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) out.push_back(m);
        if (m == 0xDA) break;
        i += 2 + len;
    }
    return out;
}

// Offset of the first marker m (0xFF m) in the header part of a JPEG stream, or npos.
inline size_t FindMarker(const std::vector<uint8_t>& j, int m) {
    size_t i = 2;
    while (i + 4 <= j.size() && j[i] == 0xFF) {
        if (j[i + 1] == m) return i;
        if (j[i + 1] == 0xDA) break;
        i += 2 + (size_t(j[i + 2]) << 8 | j[i + 3]);
    }
    return std::string::npos;
}

// Encodes with libjpeg a row at a time, in any input colour space, never holding the picture
// whole: row(y, samples) fills row y. configure runs after the defaults (quality 100).
template <class Configure, class Row>
std::vector<uint8_t> EncodeRows(int w, int h, int components, J_COLOR_SPACE space, Configure configure, Row row) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buf, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = components;
    c.in_color_space = space;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 100, TRUE);
    configure(c);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> line(size_t(w) * components);
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

// Encodes raw samples with libjpeg in any input colour space; configure runs after the defaults.
template <class Configure>
std::vector<uint8_t> EncodeRaw(const std::vector<uint8_t>& samples, int w, int h, int components,
                               J_COLOR_SPACE space, Configure configure) {
    const size_t rowBytes = size_t(w) * components;
    return EncodeRows(w, h, components, space, configure, [&](int y, uint8_t* out) {
        std::copy(samples.begin() + long(rowBytes * y), samples.begin() + long(rowBytes * (y + 1)), out);
    });
}
inline std::vector<uint8_t> EncodeRaw(const std::vector<uint8_t>& samples, int w, int h, int components,
                                      J_COLOR_SPACE space) {
    return EncodeRaw(samples, w, h, components, space, [](jpeg_compress_struct&) {});
}

}  // namespace codec_test
