// SPDX-License-Identifier: GPL-3.0-or-later
// Brush dabs: the edge cases of each kind, and every kind against the literal per-pixel form
// on photos and random pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <stdexcept>

#include "PaintReference.h"
#include "imaging/Brush.h"

using namespace lum;

namespace {

BrushStroke Stroke(BrushKind kind, int diameter, BrushRandom* rnd = nullptr) {
    BrushStroke s;
    s.Kind = kind;
    s.Radius = BrushRadius(diameter);
    s.Random = rnd;
    return s;
}

Image Uniform(int w, int h, int r, int g, int b) {
    Image img(w, h);
    img.fill(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
    return img;
}

// Pixels that differ between a and b (same size).
std::set<std::pair<int, int>> Changed(const Image& a, const Image& b) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (ref::GetPixel(a, x, y) != ref::GetPixel(b, x, y)) out.insert({x, y});
    return out;
}

TEST(Brush, DiameterTwoCoversTheFullThreeByThreeBlock) {
    Image img = Uniform(9, 9, 100, 100, 100);
    const Image before = img;
    BrushStroke s = Stroke(BrushKind::Lighten, 2);
    EXPECT_EQ(s.Radius, 1);
    const Rect touched = ApplyDab(img, s, 4, 4);
    EXPECT_EQ(touched, (Rect{3, 3, 6, 6}));
    std::set<std::pair<int, int>> block;
    for (int y = 3; y <= 5; ++y)
        for (int x = 3; x <= 5; ++x) block.insert({x, y});
    EXPECT_EQ(Changed(before, img), block);
}

TEST(Brush, TheRoundShapeFollowsTheIteratedDistance) {
    // At radius 16 the pixel 12, 12 away stays out (distance 17) though 16.97 would round in.
    Image img = Uniform(40, 40, 10, 10, 10);
    BrushStroke s = Stroke(BrushKind::Lighten, 32);
    ApplyDab(img, s, 20, 20);
    EXPECT_EQ(ref::GetPixel(img, 32, 32), MakeColour(10, 10, 10));
    EXPECT_EQ(ref::GetPixel(img, 36, 20), MakeColour(11, 11, 11));
    EXPECT_EQ(ref::GetPixel(img, 31, 31), MakeColour(11, 11, 11));
}

TEST(Brush, DabRectangleIsTheSquareClippedToTheImage) {
    Image img = Uniform(20, 10, 50, 50, 50);
    BrushStroke s = Stroke(BrushKind::Spray, 8);
    EXPECT_EQ(ApplyDab(img, s, 1, 2), (Rect{0, 0, 6, 7}));
    EXPECT_EQ(ApplyDab(img, s, 19, 9), (Rect{15, 5, 20, 10}));
    EXPECT_EQ(ApplyDab(img, s, -4, 5), (Rect{0, 1, 1, 10}));
    const Image before = img;
    const Rect none = ApplyDab(img, s, -5, 5);
    EXPECT_TRUE(none.width() <= 0 || none.height() <= 0);
    EXPECT_EQ(ApplyDab(img, s, 2000000000, -2000000000).width(), 0);
    EXPECT_EQ(img, before);
}

TEST(Brush, SoftenAndSharpenLeaveTheBorder) {
    for (BrushKind kind : {BrushKind::Soften, BrushKind::Sharpen}) {
        Image img = ref::RandomImage(12, 9, 7);
        const Image before = img;
        BrushStroke s = Stroke(kind, 96);
        ApplyDab(img, s, 6, 4);
        int inner = 0;
        for (auto [x, y] : Changed(before, img)) {
            EXPECT_TRUE(x > 0 && y > 0 && x < 11 && y < 8) << x << "," << y;
            ++inner;
        }
        EXPECT_GT(inner, 50);
    }
}

TEST(Brush, SoftenReadsThePixelsTheDabAlreadyChanged) {
    // A bright column left of the centre: the pixel right of it sees the softened value.
    Image img = Uniform(7, 7, 0, 0, 0);
    for (int y = 0; y < 7; ++y) img.setPixel(2, y, 255, 255, 255);
    BrushStroke s = Stroke(BrushKind::Soften, 2);
    ApplyDab(img, s, 3, 3);
    // Pixel (2, 2) first: ((2 + 116 + 2) x 255 + 3) div 128 = 239.
    // Pixel (3, 2) then reads 239 on its left and 255 on the left of the rows above and below.
    EXPECT_EQ(img.pixel(2, 2)[0], (120 * 255 + 3) / 128);
    EXPECT_EQ(img.pixel(3, 2)[0], (255 + 2 * 239 + 255 + 3) / 128);
}

TEST(Brush, SprayBlendsByDistanceFromTheCentre) {
    Image img = Uniform(41, 41, 0, 0, 0);
    BrushStroke s = Stroke(BrushKind::Spray, 32);
    ApplyDab(img, s, 20, 20);
    // Centre: 16/128 of the first colour (253, 233, 115).
    EXPECT_EQ(ref::GetPixel(img, 20, 20), MakeColour(16 * 253 / 128, 16 * 233 / 128, 16 * 115 / 128));
    // One in from the rim: 1/128; on the rim the pixel stays.
    EXPECT_EQ(ref::GetPixel(img, 35, 20), MakeColour(253 / 128, 233 / 128, 115 / 128));
    EXPECT_EQ(ref::GetPixel(img, 36, 20), MakeColour(0, 0, 0));
    EXPECT_EQ(ref::GetPixel(img, 20, 4), MakeColour(0, 0, 0));
}

TEST(Brush, ColourEraserReplacesOnlyTheWindowAroundTheSecondColour) {
    // Every channel triple from the levels around the window's ends.
    const int levels[] = {0, 103, 104, 128, 152, 153, 255};
    Image img(7 * 7, 7);
    for (int y = 0; y < 7; ++y)
        for (int i = 0; i < 49; ++i) img.setPixel(i, y, levels[i % 7], levels[i / 7], levels[y]);
    const Image before = img;
    BrushStroke s = Stroke(BrushKind::ColourEraser, 96);
    s.BrushColor1 = MakeColour(1, 2, 3);
    ApplyDab(img, s, 24, 3);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 49; ++x) {
            const Colour c = ref::GetPixel(before, x, y);
            const auto in = [](int v) { return v >= 104 && v <= 152; };
            const bool erased = in(ColourR(c)) && in(ColourG(c)) && in(ColourB(c));
            EXPECT_EQ(ref::GetPixel(img, x, y), erased ? MakeColour(1, 2, 3) : c) << x << "," << y;
        }
}

TEST(Brush, LightenAndDarkenStepByOneWithinTheChannelRange) {
    Image white = Uniform(5, 5, 255, 255, 255);
    BrushStroke lighten = Stroke(BrushKind::Lighten, 4);
    ApplyDab(white, lighten, 2, 2);
    EXPECT_EQ(white, Uniform(5, 5, 255, 255, 255));

    Image black = Uniform(5, 5, 0, 0, 0);
    BrushStroke darken = Stroke(BrushKind::Darken, 4);
    ApplyDab(black, darken, 2, 2);
    EXPECT_EQ(black, Uniform(5, 5, 0, 0, 0));

    Image mid = Uniform(5, 5, 200, 60, 9);
    ApplyDab(mid, lighten, 2, 2);
    EXPECT_EQ(ref::GetPixel(mid, 2, 2), MakeColour(201, 61, 10));
    ApplyDab(mid, darken, 2, 2);
    ApplyDab(mid, darken, 2, 2);
    EXPECT_EQ(ref::GetPixel(mid, 2, 2), MakeColour(199, 59, 8));
}

TEST(Brush, DarkenActsOnlyForAnEvenCentreSum) {
    Image img = Uniform(8, 8, 90, 90, 90);
    const Image before = img;
    BrushStroke s = Stroke(BrushKind::Darken, 6);
    ApplyDab(img, s, 3, 4);
    ApplyDab(img, s, -1, 2);  // odd sum with a negative coordinate
    EXPECT_EQ(img, before);
    ApplyDab(img, s, -2, 2);
    EXPECT_EQ(ref::GetPixel(img, 0, 2), MakeColour(89, 89, 89));
}

TEST(Brush, DaubDragsThePictureAsItWasAtThePress) {
    // Left half black, right half white; press in the white, move into the black.
    Image img = Uniform(40, 20, 0, 0, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x) img.setPixel(x, y, 255, 255, 255);
    Image source;
    BrushStroke s = Stroke(BrushKind::Daub, 16);
    BrushPath(img, source, s, {{30, 10}, {8, 10}});
    EXPECT_EQ(s.SourceImage, &source);
    EXPECT_EQ(s.LastMouseX, 30);
    EXPECT_EQ(s.LastMouseY, 10);
    // At the second centre w = 8, I = 32: 8/32 of white.
    EXPECT_EQ(img.pixel(8, 10)[0], 8 * 255 / 32);
    // The first dab on the white changed nothing: it dragged white onto white.
    EXPECT_EQ(img.pixel(30, 10)[0], 255);
}

TEST(Brush, NoiseIsRepeatableAndMovesEachChannelByAtMostOne) {
    const Image start = ref::RandomImage(50, 40, 3);
    Image a = start, b = start;
    BrushRandom ra(1234), rb(1234);
    BrushStroke sa = Stroke(BrushKind::Noise, 32, &ra), sb = Stroke(BrushKind::Noise, 32, &rb);
    ApplyDab(a, sa, 25, 20);
    ApplyDab(b, sb, 25, 20);
    EXPECT_EQ(a, b);
    int up = 0, down = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            for (int c = 0; c < 3; ++c) {
                const int d = a.pixel(x, y)[c] - start.pixel(x, y)[c];
                EXPECT_LE(std::abs(d), 1);
                up += d > 0;
                down += d < 0;
            }
    EXPECT_GT(up, 100);
    EXPECT_GT(down, 100);

    BrushStroke none = Stroke(BrushKind::Noise, 32);
    EXPECT_THROW(ApplyDab(a, none, 1, 1), std::invalid_argument);
}

TEST(Brush, RandomDrawsAreSpreadOverTheRange) {
    BrushRandom r(99);
    int counts[3] = {0, 0, 0};
    for (int i = 0; i < 30000; ++i) {
        const int v = r.Next(3);
        ASSERT_TRUE(v >= 0 && v < 3);
        ++counts[v];
    }
    for (int c : counts) EXPECT_NEAR(c, 10000, 500);
    EXPECT_NE(BrushRandom(1).Next(1000), BrushRandom(2).Next(1000));
}

TEST(Brush, EmptyPathChangesNothing) {
    Image img = ref::RandomImage(5, 5, 1);
    const Image before = img;
    Image source;
    BrushStroke s = Stroke(BrushKind::Spray, 8);
    const Rect r = BrushPath(img, source, s, {});
    EXPECT_EQ(r.width(), 0);
    EXPECT_EQ(img, before);
}

// Strokes with points well inside, near every edge and corner, and outside.
std::vector<std::vector<BrushPoint>> Paths(int w, int h) {
    return {
        {{w / 2, h / 2}, {w / 2 + 3, h / 2 + 1}, {w / 2 + 3, h / 2 + 1}, {w / 2 - 9, h / 2 + 6}, {w / 3, h / 4}},
        {{1, 1}, {0, 0}, {-3, 2}, {2, -5}, {w - 1, h - 1}, {w + 2, h - 3}, {w / 2, h + 1}},
        {{w - 2, 3}, {w + 30, -30}, {-60, h / 2}, {w / 4, h - 2}, {w / 4 + 1, h - 2}, {w / 4 + 40, h / 2}},
    };
}

void CompareStrokes(const Image& start, const char* what) {
    const int diameters[] = {2, 3, 7, 32, 96};
    for (int kind = 0; kind <= 7; ++kind)
        for (int diameter : diameters) {
            const auto paths = Paths(start.width(), start.height());
            for (size_t p = 0; p < paths.size(); ++p) {
                Image fast = start, slow = start, fastSource, slowSource;
                BrushRandom fastRandom(77 + static_cast<uint32_t>(p)), slowRandom(77 + static_cast<uint32_t>(p));
                BrushStroke s = Stroke(static_cast<BrushKind>(kind), diameter, &fastRandom);
                s.BrushColor1 = MakeColour(12, 200, 97);
                s.BrushColor2 = ref::GetPixel(start, start.width() / 2, start.height() / 2);
                ref::Stroke rs;
                rs.kind = kind;
                rs.r = diameter / 2;
                rs.colour1 = s.BrushColor1;
                rs.colour2 = s.BrushColor2;
                rs.random = &slowRandom;
                BrushPath(fast, fastSource, s, paths[p]);
                ref::Path(slow, slowSource, rs, paths[p]);
                ASSERT_EQ(fast, slow) << what << ": kind " << kind << ", diameter " << diameter << ", path " << p;
                ASSERT_EQ(fastRandom.state(), slowRandom.state()) << "noise draws " << what;
            }
        }
}

TEST(BrushReference, EveryKindOnThePhotos) {
    for (const std::string& name : ref::PhotoNames()) CompareStrokes(ref::Photo(name), name.c_str());
}

TEST(BrushReference, EveryKindOnRandomPictures) {
    CompareStrokes(ref::RandomImage(83, 61, 11), "random 83 x 61");
    CompareStrokes(ref::RandomImage(5, 4, 12), "random 5 x 4");
    CompareStrokes(ref::RandomImage(1, 30, 13), "random 1 x 30");
}

TEST(BrushReference, DabRectangleIsTheChangedArea) {
    // Whatever a dab changes lies inside the rectangle it reports.
    const Image start = ref::Photo("rocket.jpg");
    for (int kind = 0; kind <= 7; ++kind) {
        Image img = start, source;
        BrushRandom rnd(5);
        BrushStroke s = Stroke(static_cast<BrushKind>(kind), 32, &rnd);
        BrushPress(img, source, s, 100, 100);
        const Image before = img;
        const Rect r = ApplyDab(img, s, 630, 5);
        EXPECT_EQ(r, (Rect{614, 0, 640, 22}));
        for (auto [x, y] : Changed(before, img))
            EXPECT_TRUE(x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) << kind;
    }
}

}  // namespace
