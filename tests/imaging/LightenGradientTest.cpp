// SPDX-License-Identifier: GPL-3.0-or-later
// Lighten gradient and the integer HSV conversions: worked cases, a plain transcription compared
// over every colour, and the relit photos pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ComposeTestSupport.h"
#include "image/Color.h"
#include "image/Parallel.h"
#include "imaging/Gradient.h"
#include "imaging/LightenGradient.h"

using namespace lum;
using composetest::FirstDifference;
using composetest::Photo;
using composetest::RandomImage;

namespace {

// The conversions written out plainly (truncating division).
void RefRgbToHsv(int r, int g, int b, int& v, int& s, int& h) {
    v = std::max(r, std::max(g, b));
    const int m = std::min(r, std::min(g, b));
    const int delta = v - m;
    s = v == 0 ? 0 : delta * 255 / v;
    if (s == 0) {
        h = 0;
        return;
    }
    if (r == v)
        h = (g - b) * 60 / delta;
    else if (g == v)
        h = (b - r) * 60 / delta + 120;
    else
        h = (r - g) * 60 / delta + 240;
    if (h < 1) h += 360;
}

void RefHsvToRgb(int h, int s, int v, int& r, int& g, int& b) {
    if (h == 0 || s == 0 || v == 0) {
        r = g = b = v;
        return;
    }
    if (h == 360) h = 0;
    const int f = h % 60;
    const int p = v - s * v / 255;
    const int t = v - s * v * (60 - f) / 15300;
    const int q = v - s * v * f / 15300;
    switch (h / 60) {
        case 0: r = v, g = t, b = p; break;
        case 1: r = q, g = v, b = p; break;
        case 2: r = p, g = v, b = t; break;
        case 3: r = p, g = q, b = v; break;
        case 4: r = t, g = p, b = v; break;
        case 5: r = v, g = p, b = q; break;
        default: r = g = b = 0;
    }
}

// Relights a copy of img with a layer, pixel by pixel.
Image RefLighten(const Image& img, const Image& layer) {
    Image out(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const uint8_t* g = layer.pixel(x, y);
            const uint8_t* o = img.pixel(x, y);
            int vg, sg, hg, vo, so, ho, r, gg, b;
            RefRgbToHsv(g[2], g[1], g[0], vg, sg, hg);
            RefRgbToHsv(o[2], o[1], o[0], vo, so, ho);
            RefHsvToRgb(ho, (3 * so + sg) / 4, (vo + vg) / 2, r, gg, b);
            out.setPixel(x, y, static_cast<uint8_t>(r), static_cast<uint8_t>(gg), static_cast<uint8_t>(b));
        }
    return out;
}

// The layer of a straight style written out: one colour per column (row), background otherwise.
Image RefLayer(int w, int h, const GradientParams& p) {
    Image layer(w, h);
    layer.fill(ColourR(p.background), ColourG(p.background), ColourB(p.background));
    if (p.style == GradientStyle::None || p.colour1 == p.background) return layer;
    const bool vertical = p.style == GradientStyle::Vertical;
    const int c = vertical ? p.centre.x : p.centre.y, extent = vertical ? w : h;
    int span = extent / 2 >= c ? extent - c : c;
    span = std::max(span, 1);
    for (int i = 0; i < extent; ++i) {
        uint8_t ch[3];
        for (int k = 0; k < 3; ++k) {
            const float a = static_cast<float>((p.colour1 >> (8 * k)) & 0xFF);
            const float z = static_cast<float>((p.colour2 >> (8 * k)) & 0xFF);
            const float step = (z - a) / static_cast<float>(span);
            const float value = a + static_cast<float>(std::abs(c - i)) * step;
            ch[k] = static_cast<uint8_t>(std::clamp(static_cast<int>(std::nearbyint(value)), 0, 255));
        }
        for (int j = 0; j < (vertical ? h : w); ++j)
            layer.setPixel(vertical ? i : j, vertical ? j : i, ch[0], ch[1], ch[2]);
    }
    return layer;
}

}  // namespace

TEST(Hsv, WorkedCases) {
    Hsv c = RgbToHsv(10, 200, 50);
    EXPECT_EQ(c.V, 200);
    EXPECT_EQ(c.S, 242);  // 190 x 255 / 200 = 242.25
    EXPECT_EQ(c.H, 132);  // 40 x 60 / 190 = 12.6 -> 12, + 120
    EXPECT_EQ(HsvToRgb(132, 242, 200), (Rgb{11, 200, 49}));
    // A negative hue truncates toward zero before 360 is added: -12.6 -> -12 -> 348.
    EXPECT_EQ(RgbToHsv(200, 10, 50).H, 348);
    // Pure red is 360, never 0, once saturated; and 360 converts back as 0.
    EXPECT_EQ(RgbToHsv(255, 0, 0).H, 360);
    EXPECT_EQ(RgbToHsv(9, 0, 0).H, 360);
    EXPECT_EQ(HsvToRgb(360, 255, 255), (Rgb{255, 0, 0}));
    // Greys: S = 0 and H = 0; H = 0, S = 0 or V = 0 give the grey of V.
    EXPECT_EQ(RgbToHsv(77, 77, 77).S, 0);
    EXPECT_EQ(RgbToHsv(77, 77, 77).H, 0);
    EXPECT_EQ(HsvToRgb(0, 200, 90), (Rgb{90, 90, 90}));
    EXPECT_EQ(HsvToRgb(200, 0, 90), (Rgb{90, 90, 90}));
    EXPECT_EQ(HsvToRgb(200, 90, 0), (Rgb{0, 0, 0}));
    // Each product is formed before its one division.
    // (dividing by 255 and then by 60 would give 44 for green).
    EXPECT_EQ(HsvToRgb(1, 14, 45), (Rgb{45, 43, 43}));
    EXPECT_EQ(HsvToRgb(59, 255, 255), (Rgb{255, 251, 0}));
    EXPECT_EQ(HsvToRgb(301, 128, 200), (Rgb{200, 100, 199}));
    // Hues past 360 fall in no sector: black.
    EXPECT_EQ(HsvToRgb(420, 100, 100), (Rgb{0, 0, 0}));
}

TEST(Hsv, ColoursAcrossTheCubeMatchThePlainTranscription) {
    // Every red and green (and hue and saturation); blue and value in steps of 5, 0 and 255 included.
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; b += 5) {
                int v, s, h;
                RefRgbToHsv(r, g, b, v, s, h);
                const Hsv got = RgbToHsv(r, g, b);
                ASSERT_TRUE(got.V == v && got.S == s && got.H == h) << r << "," << g << "," << b;
            }
    for (int h = 0; h <= 360; ++h)
        for (int s = 0; s < 256; ++s)
            for (int v = 0; v < 256; v += 5) {
                int r, g, b;
                RefHsvToRgb(h, s, v, r, g, b);
                ASSERT_EQ(HsvToRgb(h, s, v), (Rgb{r, g, b})) << h << "," << s << "," << v;
            }
}

TEST(LightenGradient, DocumentedPixels) {
    Image img(4, 1), layer(4, 1);
    img.setPixel(0, 0, 0, 0, 0);  // black on black stays black
    layer.setPixel(0, 0, 0, 0, 0);
    img.setPixel(1, 0, 0, 0, 0);  // black on a colour: grey of half its value
    layer.setPixel(1, 0, 200, 40, 90);
    img.setPixel(2, 0, 80, 80, 80);  // grey stays grey, value averaged
    layer.setPixel(2, 0, 10, 250, 30);
    img.setPixel(3, 0, 200, 100, 50);  // colour keeps its hue
    layer.setPixel(3, 0, 255, 255, 255);
    LightenWithLayer(img, layer);
    EXPECT_EQ(img.pixel(0, 0)[2], 0);
    EXPECT_EQ(img.pixel(1, 0)[0], 100);
    EXPECT_EQ(img.pixel(1, 0)[2], 100);
    EXPECT_EQ(img.pixel(2, 0)[1], 165);
    EXPECT_EQ(img.pixel(2, 0)[0], 165);
    // (200, 100, 50): H 20, S 191, V 200 -> S 143, V 227.
    EXPECT_EQ(HsvToRgb(20, 143, 227), (Rgb{img.pixel(3, 0)[2], img.pixel(3, 0)[1], img.pixel(3, 0)[0]}));
    EXPECT_THROW(LightenWithLayer(img, Image(3, 1)), std::invalid_argument);
}

TEST(LightenGradient, NoGradientAveragesWithTheBackground) {
    const Image before = RandomImage(9, 7, 3);
    Image img = before, layer;
    GradientParams p;
    p.style = GradientStyle::None;
    p.background = MakeColour(60, 60, 60);
    LightenGradient(img, p, layer);
    ASSERT_EQ(layer.width(), 9);
    EXPECT_EQ(layer.pixel(8, 6)[1], 60);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const uint8_t* o = before.pixel(x, y);
            const int v = std::max({o[0], o[1], o[2]});
            EXPECT_EQ(std::max({img.pixel(x, y)[0], img.pixel(x, y)[1], img.pixel(x, y)[2]}), (v + 60) / 2);
        }
}

TEST(LightenGradient, PhotosAndRandomImagesMatchTheTranscription) {
    std::vector<Image> pictures = {Photo("astronaut.jpg"), Photo("rocket.jpg"), RandomImage(123, 77, 9),
                                   RandomImage(1, 1, 10)};
    std::mt19937 rng(44);
    std::uniform_int_distribution<int> byte(0, 255);
    int index = 0;
    for (const Image& picture : pictures) {
        if (picture.empty()) continue;  // a photo this build cannot decode
        for (int style = 0; style <= 2; ++style) {
            GradientParams p;
            p.style = static_cast<GradientStyle>(style);
            p.colour1 = MakeColour(byte(rng), byte(rng), byte(rng));
            p.colour2 = MakeColour(byte(rng), byte(rng), byte(rng));
            p.background = MakeColour(byte(rng), byte(rng), byte(rng));
            std::uniform_int_distribution<int> c(0, 256);
            p.centre = ScaleGradientCentre({c(rng), c(rng)}, picture.width(), picture.height());
            SetThreadCount(1 + index++ % 3);
            Image img = picture, layer;
            LightenGradient(img, p, layer);
            const Image refLayer = RefLayer(picture.width(), picture.height(), p);
            ASSERT_TRUE(layer == refLayer) << FirstDifference(layer, refLayer);
            const Image expect = RefLighten(picture, refLayer);
            ASSERT_TRUE(img == expect) << picture.width() << "x" << picture.height() << " style " << style << ": "
                                       << FirstDifference(img, expect);
        }
    }
    SetThreadCount(0);
}
