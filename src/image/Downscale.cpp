// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Downscale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "image/Parallel.h"

namespace lum {

namespace {

constexpr double kLobes = 3.0;
constexpr double kPi = 3.14159265358979323846;

double lanczos3(double x) {
    x = std::fabs(x);
    if (x < 1e-9) return 1.0;
    if (x >= kLobes) return 0.0;
    const double px = kPi * x;
    return kLobes * std::sin(px) * std::sin(px / kLobes) / (px * px);
}

// The weights of one axis: destination pixel d takes source pixels first[d] .. first[d]+count[d]-1
// with weights[offset[d] + k], which sum to 1. Pixels past the edges are the edge pixel repeated.
struct AxisWeights {
    std::vector<int> first, count;
    std::vector<size_t> offset;
    std::vector<float> weights;
};

AxisWeights axisWeights(int n, int extent) {
    AxisWeights a;
    a.first.resize(static_cast<size_t>(extent));
    a.count.resize(static_cast<size_t>(extent));
    a.offset.resize(static_cast<size_t>(extent));
    const double scale = static_cast<double>(n) / extent;
    const double stretch = std::max(1.0, scale);  // widen the kernel when shrinking
    const double support = kLobes * stretch;
    std::vector<double> w;
    for (int d = 0; d < extent; ++d) {
        const double centre = (d + 0.5) * scale - 0.5;  // pixel centres aligned
        const int lo = static_cast<int>(std::floor(centre - support)) + 1;
        const int hi = static_cast<int>(std::ceil(centre + support)) - 1;
        w.clear();
        double sum = 0;
        for (int s = lo; s <= hi; ++s) {
            const double v = lanczos3((s - centre) / stretch);
            w.push_back(v);
            sum += v;
        }
        // Taps past an edge fold onto the edge pixel, so the run stays one contiguous span.
        const int clampedLo = std::clamp(lo, 0, n - 1), clampedHi = std::clamp(hi, 0, n - 1);
        std::vector<double> folded(static_cast<size_t>(clampedHi - clampedLo + 1), 0.0);
        for (int s = lo; s <= hi; ++s)
            folded[static_cast<size_t>(std::clamp(s, 0, n - 1) - clampedLo)] += w[static_cast<size_t>(s - lo)];
        a.first[static_cast<size_t>(d)] = clampedLo;
        a.count[static_cast<size_t>(d)] = static_cast<int>(folded.size());
        a.offset[static_cast<size_t>(d)] = a.weights.size();
        for (double v : folded) a.weights.push_back(static_cast<float>(sum != 0 ? v / sum : 0));
    }
    return a;
}

uint8_t toByte(float v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

void LongEdgeSize(int width, int height, int longEdge, int& outWidth, int& outHeight) {
    outWidth = width;
    outHeight = height;
    if (width <= 0 || height <= 0 || longEdge <= 0 || std::max(width, height) <= longEdge) return;
    if (width >= height) {
        outWidth = longEdge;
        outHeight = std::max(1, static_cast<int>(std::lround(static_cast<double>(height) * longEdge / width)));
    } else {
        outHeight = longEdge;
        outWidth = std::max(1, static_cast<int>(std::lround(static_cast<double>(width) * longEdge / height)));
    }
}

Image ResampleLanczos3(const Image& src, int width, int height) {
    Image out(width, height);
    if (src.empty() || out.empty()) return out;
    const AxisWeights across = axisWeights(src.width(), width);
    const AxisWeights down = axisWeights(src.height(), height);
    ParallelRows(
        height,
        [&](int y0, int y1) {
            // The source rows this band reads, filtered across once each.
            const int r0 = down.first[static_cast<size_t>(y0)];
            int r1 = r0;
            for (int y = y0; y < y1; ++y)
                r1 = std::max(r1, down.first[static_cast<size_t>(y)] + down.count[static_cast<size_t>(y)]);
            const size_t rowFloats = static_cast<size_t>(width) * 3;
            std::vector<float> rows(static_cast<size_t>(r1 - r0) * rowFloats);
            for (int r = r0; r < r1; ++r) {
                const uint8_t* in = src.row(r);
                float* o = rows.data() + static_cast<size_t>(r - r0) * rowFloats;
                for (int x = 0; x < width; ++x) {
                    const size_t xi = static_cast<size_t>(x);
                    const float* w = across.weights.data() + across.offset[xi];
                    const uint8_t* p = in + 3 * static_cast<size_t>(across.first[xi]);
                    float b = 0, g = 0, red = 0;
                    for (int k = 0; k < across.count[xi]; ++k, p += 3) {
                        b += w[k] * p[0];
                        g += w[k] * p[1];
                        red += w[k] * p[2];
                    }
                    o[3 * xi] = b;
                    o[3 * xi + 1] = g;
                    o[3 * xi + 2] = red;
                }
            }
            std::vector<float> acc(rowFloats);
            for (int y = y0; y < y1; ++y) {
                const size_t yi = static_cast<size_t>(y);
                const float* w = down.weights.data() + down.offset[yi];
                std::fill(acc.begin(), acc.end(), 0.0f);
                for (int k = 0; k < down.count[yi]; ++k) {
                    const float* in = rows.data() + static_cast<size_t>(down.first[yi] + k - r0) * rowFloats;
                    const float wk = w[k];
                    for (size_t i = 0; i < rowFloats; ++i) acc[i] += wk * in[i];
                }
                uint8_t* o = out.row(y);
                for (size_t i = 0; i < rowFloats; ++i) o[i] = toByte(acc[i]);
            }
        },
        32);
    return out;
}

Image DownscaleToLongEdge(const Image& src, int longEdge) {
    int w = 0, h = 0;
    LongEdgeSize(src.width(), src.height(), longEdge, w, h);
    if (w == src.width() && h == src.height()) return src;
    return ResampleLanczos3(src, w, h);
}

}  // namespace lum
