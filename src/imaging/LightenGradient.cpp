// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/LightenGradient.h"

#include <stdexcept>

#include "image/Color.h"
#include "image/Parallel.h"

namespace lum {

void LightenWithLayer(Image& img, const Image& layer) {
    if (layer.width() != img.width() || layer.height() != img.height())
        throw std::invalid_argument("Lighten gradient: layer and image sizes differ");
    const int w = img.width();
    ParallelRows(img.height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            uint8_t* p = img.row(y);
            const uint8_t* g = layer.row(y);
            // Gradient layers repeat their colour along rows or columns: convert each run once.
            uint32_t lastKey = 0xFFFFFFFFu;
            Hsv hg{0, 0, 0};
            for (int x = 0; x < w; ++x, p += 3, g += 3) {
                const uint32_t key = g[0] | (g[1] << 8) | (static_cast<uint32_t>(g[2]) << 16);
                if (key != lastKey) {
                    hg = RgbToHsv(g[2], g[1], g[0]);
                    lastKey = key;
                }
                const Hsv ho = RgbToHsv(p[2], p[1], p[0]);
                const Rgb out = HsvToRgb(ho.H, (3 * ho.S + hg.S) / 4, (ho.V + hg.V) / 2);
                p[0] = static_cast<uint8_t>(out.B);
                p[1] = static_cast<uint8_t>(out.G);
                p[2] = static_cast<uint8_t>(out.R);
            }
        }
    }, 32);
}

void LightenGradient(Image& img, const GradientParams& params, Image& layer) {
    if (&layer == &img) throw std::invalid_argument("Lighten gradient: the layer cannot be the image");
    layer = Image(img.width(), img.height());
    RenderGradient(layer, Rect{0, 0, img.width(), img.height()}, params);
    LightenWithLayer(img, layer);
}

}  // namespace lum
