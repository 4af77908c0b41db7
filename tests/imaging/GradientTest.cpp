// SPDX-License-Identifier: GPL-3.0-or-later
// Gradients: the straight styles against a line-by-line transcription, spans, single precision,
// the ring list of the centred styles, the preview snap and the centre scaling.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <random>

#include "ComposeTestSupport.h"
#include "image/Parallel.h"
#include "image/Shapes.h"
#include "imaging/Gradient.h"

using namespace lum;
using composetest::FirstDifference;
using composetest::RandomImage;

namespace gradtest {

// Round half to even through the FPU's default mode.
inline int RoundEven(float v) {
    std::fesetround(FE_TONEAREST);
    return static_cast<int>(std::nearbyint(static_cast<double>(v)));
}
inline uint8_t Clamp(int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

inline void PutPixel(Image& img, int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, r, g, b);
}

// Background over the rectangle, then one line per column (row) from Left to Right inclusive,
// each line from Top to Bottom with Bottom itself left out.
inline void ReferenceStraight(Image& img, const Rect& r, const GradientParams& p) {
    const Colour bg = p.background;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) PutPixel(img, x, y, bg & 0xFF, (bg >> 8) & 0xFF, (bg >> 16) & 0xFF);
    if (p.style == GradientStyle::None || p.colour1 == p.background) return;
    const bool vertical = p.style == GradientStyle::Vertical;
    float c1[3], c2[3];
    for (int k = 0; k < 3; ++k) {
        c1[k] = static_cast<float>((p.colour1 >> (8 * k)) & 0xFF);
        c2[k] = static_cast<float>((p.colour2 >> (8 * k)) & 0xFF);
    }
    const int c = vertical ? p.centre.x : p.centre.y;
    const int lo = vertical ? r.Left : r.Top, hi = vertical ? r.Right : r.Bottom;
    int span = c;
    if ((hi - lo) / 2 >= c) span = hi - c;
    if (span < 1) span = 1;
    float step[3];
    for (int k = 0; k < 3; ++k) step[k] = (c2[k] - c1[k]) / static_cast<float>(span);
    for (int i = lo; i <= hi; ++i) {
        const float d = static_cast<float>(std::abs(c - i));
        uint8_t ch[3];
        for (int k = 0; k < 3; ++k) {
            const float prod = d * step[k];
            const float sum = c1[k] + prod;
            ch[k] = Clamp(RoundEven(sum));
        }
        if (vertical)
            for (int y = r.Top; y < r.Bottom; ++y) PutPixel(img, i, y, ch[0], ch[1], ch[2]);
        else
            for (int x = r.Left; x < r.Right; ++x) PutPixel(img, x, i, ch[0], ch[1], ch[2]);
    }
}

}  // namespace gradtest

using gradtest::ReferenceStraight;

TEST(Gradient, StraightStylesMatchTheLineByLineTranscription) {
    std::mt19937 rng(12);
    std::uniform_int_distribution<int> size(1, 90), byte(0, 255), styleOf(0, 2), coin(0, 5);
    for (int threads : {1, 4}) {
        SetThreadCount(threads);
        for (int i = 0; i < 600; ++i) {
            const int w = i % 50 == 0 ? 400 : size(rng), h = i % 50 == 0 ? 300 : size(rng);
            GradientParams p;
            p.style = static_cast<GradientStyle>(styleOf(rng));
            p.colour1 = MakeColour(byte(rng), byte(rng), byte(rng));
            p.colour2 = MakeColour(byte(rng), byte(rng), byte(rng));
            p.background = coin(rng) == 0 ? p.colour1 : MakeColour(byte(rng), byte(rng), byte(rng));
            std::uniform_int_distribution<int> cx(-20, w + 20), cy(-20, h + 20);
            p.centre = {cx(rng), cy(rng)};
            // The whole image mostly; sometimes a rectangle reaching out of it.
            Rect r{0, 0, w, h};
            if (coin(rng) < 2) {
                std::uniform_int_distribution<int> px(-10, w + 5), py(-10, h + 5);
                r = Rect{px(rng), py(rng), 0, 0};
                r.Right = r.Left + size(rng);
                r.Bottom = r.Top + size(rng);
            }
            Image img = RandomImage(w, h, static_cast<uint32_t>(i)), expect = img;
            RenderGradient(img, r, p);
            ReferenceStraight(expect, r, p);
            ASSERT_TRUE(img == expect) << "case " << i << " style " << static_cast<int>(p.style) << ": "
                                       << FirstDifference(img, expect);
        }
    }
    SetThreadCount(0);
}

TEST(Gradient, SpanRunsFromTheCentreToTheFarEdge) {
    EXPECT_EQ(GradientSpan(0, 0, 400), 400);
    EXPECT_EQ(GradientSpan(200, 0, 400), 200);
    EXPECT_EQ(GradientSpan(300, 0, 400), 300);
    EXPECT_EQ(GradientSpan(400, 0, 400), 400);
    EXPECT_EQ(GradientSpan(0, 0, 0), 1);

    GradientParams p;
    p.colour1 = MakeColour(0, 0, 0);
    p.colour2 = MakeColour(255, 200, 100);
    p.centre = {0, 0};
    Image img = GradientImage(400, 3, p);
    EXPECT_EQ(img.pixel(0, 1)[2], 0);
    // One step (0.6375) short of 255.
    EXPECT_EQ(img.pixel(399, 1)[2], 254);
    EXPECT_EQ(img.pixel(399, 2)[0], 100);  // 99.75 rounds up
    // A centre in the right half spans to the left edge, which takes colour 2.
    p.centre = {300, 0};
    img = GradientImage(400, 3, p);
    EXPECT_EQ(img.pixel(0, 0)[2], 255);
    EXPECT_EQ(img.pixel(0, 0)[1], 200);
    EXPECT_EQ(img.pixel(300, 0)[2], 0);
    // Horizontal: rows instead of columns.
    p.style = GradientStyle::Horizontal;
    p.centre = {0, 0};
    img = GradientImage(3, 400, p);
    EXPECT_EQ(img.pixel(1, 0)[2], 0);
    EXPECT_EQ(img.pixel(1, 399)[2], 254);
}

TEST(Gradient, ArithmeticIsSinglePrecision) {
    // 7 / 46 x 23 is 3.4999998 in single precision (3.5 exactly would round to 4).
    GradientParams p;
    p.colour1 = MakeColour(0, 0, 0);
    p.colour2 = MakeColour(7, 0, 0);
    p.centre = {0, 0};
    const Image img = GradientImage(46, 1, p);
    EXPECT_EQ(img.pixel(23, 0)[2], 3);
    // A true half rounds to even: 1 / 2 x 1 = 0.5 -> 0, and x 3 = 1.5 -> 2.
    p.colour2 = MakeColour(2, 0, 0);
    const Image halves = GradientImage(4, 1, p);
    EXPECT_EQ(halves.pixel(1, 0)[2], 0);
    EXPECT_EQ(halves.pixel(3, 0)[2], 2);
}

TEST(Gradient, OnlyTheBackgroundWhenColourOneIsTheBackgroundOrNoStyle) {
    for (int style = 0; style <= 4; ++style) {
        GradientParams p;
        p.style = static_cast<GradientStyle>(style);
        p.colour1 = p.background = MakeColour(10, 20, 30);
        p.colour2 = MakeColour(200, 100, 0);
        Image img = RandomImage(31, 17, 4);
        RenderGradient(img, Rect{0, 0, 31, 17}, p);
        Image expect(31, 17);
        expect.fill(10, 20, 30);
        EXPECT_TRUE(img == expect) << "style " << style;
    }
    // Only the rectangle is filled; pixels beside and below it keep theirs.
    GradientParams none;
    none.style = GradientStyle::None;
    const Image before = RandomImage(8, 8, 5);
    Image img = before;
    RenderGradient(img, Rect{2, 2, 20, 4}, none);
    EXPECT_EQ(img.pixel(7, 3)[0], 128);
    EXPECT_EQ(img.pixel(1, 3)[0], before.pixel(1, 3)[0]);
    EXPECT_EQ(img.pixel(5, 4)[1], before.pixel(5, 4)[1]);
}

TEST(Gradient, RingsOfTheCentredStyles) {
    GradientParams p;
    p.style = GradientStyle::CentredBig;
    p.colour1 = MakeColour(255, 255, 255);
    p.colour2 = MakeColour(192, 192, 192);
    std::vector<GradientRing> rings = GradientRings(Rect{0, 0, 400, 300}, p);
    // Half-diagonal sqrt(200^2 + 150^2) = 250: 251 rings.
    ASSERT_EQ(rings.size(), 251u);
    EXPECT_EQ(rings[0].rx, 0);
    EXPECT_EQ(rings[0].ry, 0);
    EXPECT_EQ(rings[0].colour, p.colour1);
    EXPECT_EQ(rings[250].rx, 250);
    EXPECT_EQ(rings[250].ry, 188);  // 250 x 0.75 = 187.5, to even
    EXPECT_EQ(rings[250].colour, p.colour2);
    EXPECT_EQ(rings[3].ry, 2);  // 2.25
    EXPECT_EQ(rings[2].ry, 2);  // 1.5, to even

    p.style = GradientStyle::CentredSmall;
    rings = GradientRings(Rect{0, 0, 400, 300}, p);
    ASSERT_EQ(rings.size(), 201u);
    EXPECT_EQ(rings[200].ry, 150);
    EXPECT_EQ(rings[200].colour, p.colour2);
    EXPECT_EQ(rings[100].colour, MakeColour(224, 224, 224));  // 255 - 31.5 = 223.5, to even

    // A one-pixel image: both half sizes are 0, a becomes 1: two rings, flat.
    rings = GradientRings(Rect{0, 0, 1, 1}, p);
    ASSERT_EQ(rings.size(), 2u);
    EXPECT_EQ(rings[1].ry, 0);
    EXPECT_TRUE(GradientRings(Rect{0, 0, 10, 10}, GradientParams{}).empty());
}

TEST(Gradient, PreviewSnapAndCentreScaling) {
    EXPECT_EQ(SnapPreviewCoordinate(4), 0);
    EXPECT_EQ(SnapPreviewCoordinate(-3), 0);
    EXPECT_EQ(SnapPreviewCoordinate(5), 5);
    EXPECT_EQ(SnapPreviewCoordinate(250), 250);
    EXPECT_EQ(SnapPreviewCoordinate(251), 256);
    EXPECT_EQ(SnapPreviewCentre({3, 253}), (GradientCentre{0, 256}));
    EXPECT_EQ(SnapPreviewCentre({128, 6}), (GradientCentre{128, 6}));

    EXPECT_EQ(ScaleGradientCentre({128, 128}, 400, 300), (GradientCentre{200, 150}));
    EXPECT_EQ(ScaleGradientCentre({256, 0}, 400, 300), (GradientCentre{400, 0}));
    EXPECT_EQ(ScaleGradientCentre({100, 37}, 640, 10), (GradientCentre{250, 1}));  // 370 / 256
    EXPECT_EQ(ScaleGradientCentre({128, 128}, 1, 1), (GradientCentre{0, 0}));
}

TEST(Gradient, CentredStylesDrawTheirRingsOutwards) {
    for (GradientStyle style : {GradientStyle::CentredSmall, GradientStyle::CentredBig}) {
        GradientParams p;
        p.style = style;
        p.colour1 = MakeColour(250, 10, 0);
        p.colour2 = MakeColour(0, 90, 255);
        p.background = MakeColour(7, 7, 7);
        p.centre = {190, 160};
        const Image img = GradientImage(400, 300, p);
        // The background, then each ring as a 2-pixel ellipse outline in turn.
        Image expect(400, 300);
        expect.fill(7, 7, 7);
        const float a0 = 200.0f, ratio = 150.0f / a0;
        const float a = style == GradientStyle::CentredBig ? std::sqrt(a0 * a0 + 150.0f * 150.0f) : a0;
        for (int n = 0; n <= static_cast<int>(std::nearbyint(a)); ++n) {
            const int ry = static_cast<int>(std::nearbyint(static_cast<float>(n) * ratio));
            int ch[3];
            for (int k = 0; k < 3; ++k) {
                const float c1 = static_cast<float>((p.colour1 >> (8 * k)) & 0xFF);
                const float c2 = static_cast<float>((p.colour2 >> (8 * k)) & 0xFF);
                const float step = (c2 - c1) / a;
                const float prod = static_cast<float>(n) * step;
                ch[k] = std::clamp(static_cast<int>(std::nearbyint(prod + c1)), 0, 255);
            }
            PaintShape(expect, Shape::EllipseOutline(Point{190 - n, 160 - ry}, Point{190 + n, 160 + ry}, 2),
                       MakeColour(ch[0], ch[1], ch[2]));
        }
        ASSERT_TRUE(img == expect) << FirstDifference(img, expect);
        // Close to colour 1 at the centre (the first rings overdraw each other), no background
        // left between the rings, background outside the last.
        EXPECT_GE(img.pixel(190, 160)[2], 245);
        EXPECT_EQ(img.pixel(0, 0)[2], 7);
        for (int y = 60; y < 260; ++y)
            for (int x = 110; x < 270; ++x)
                ASSERT_NE(img.pixel(x, y)[2], 7) << x << "," << y;
    }
}
