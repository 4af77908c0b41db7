// SPDX-License-Identifier: GPL-3.0-or-later
// Rotation by any angle, checked against a plainly written rotation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "GeometryTestSupport.h"

using namespace lum;
using geomtest::BlockValue;
using geomtest::FirstDifference;
using geomtest::QuarterCode;
using geomtest::RandomImage;

namespace {

// Nearest, ties to even (the default rounding mode), independently of the program's helper.
int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// The rotation exactly as described, one pixel at a time, no precomputation.
Image ReferenceRotate(const Image& img, int angle, bool keepScale, const AngleTables& t) {
    const int W = img.width(), H = img.height();
    const int cx = W / 2, cy = H / 2;
    if (cx == 0 && cy == 0) return img;
    const uint8_t* bg = img.pixel(0, 0);
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    const float cosA = t.CosTable[angle], sinA = t.SinTable[angle];

    float s = 1.0f;
    if (!keepScale) {
        int m = 0;
        const int cornersX[2] = {0, W};
        for (int px : cornersX) {
            const float dx = static_cast<float>(px - cx);
            const float dy = static_cast<float>(0 - cy);
            const int x2 = cx + Nearest(static_cast<double>(dx) * cosA + static_cast<double>(dy) * sinA);
            const int y2 = cy + Nearest(static_cast<double>(dx) * sinA - static_cast<double>(dy) * cosA);
            m = std::max(m, std::abs(x2 - cx));
            m = std::max(m, std::abs(y2 - cy));
        }
        s = static_cast<float>(m) / static_cast<float>(std::max(cx, cy));
    }

    const int CX = 4 * cx, CY = 4 * cy;
    Image out(W, H);
    for (int e = 0; e < H; ++e) {
        const double v = static_cast<double>(s) * (4 * e - CY);
        for (int l = 0; l < W; ++l) {
            const double u = static_cast<double>(s) * (4 * l - CX);
            const int X = CX + Nearest(u * cosA - v * sinA);
            const int Y = CY + Nearest(u * sinA + v * cosA);
            const int qx = X % 4, qy = Y % 4;
            const int d = X / 4, c = Y / 4;
            for (int ch = 0; ch < 3; ++ch) {
                int value;
                if (d < 0 || c < 0 || d >= W || c >= H) {
                    value = bg[ch];
                } else {
                    value = img.pixel(d, c)[ch];
                    if (0 < d && d < W - 1 && 0 < c && c < H - 1) value = BlockValue(img, d, c, QuarterCode(qy, qx), ch);
                }
                out.pixel(l, e)[ch] = static_cast<uint8_t>(std::clamp(value, 0, 255));
            }
        }
    }
    return out;
}

Image Rotated(const Image& img, int angle, bool keepScale) {
    static const AngleTables tables = BuildAngleTables();
    Image out;
    RotateByAngle(img, out, angle, keepScale, tables);
    return out;
}

// Inner pixels take the average of the 2 x 2 block up-left of them, the border is copied.
void ExpectUpLeftAverages(const Image& out, const Image& img, int innerRight, int innerBottom) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            for (int ch = 0; ch < 3; ++ch) {
                const bool inner = x > 0 && x < innerRight && y > 0 && y < innerBottom;
                const int expect = inner ? BlockValue(img, x, y, 1, ch) : img.pixel(x, y)[ch];
                ASSERT_EQ(out.pixel(x, y)[ch], expect) << "pixel (" << x << ", " << y << ")";
            }
}

}  // namespace

TEST(RotateByAngle, MatchesReferenceOnRandomImages) {
    const AngleTables tables = BuildAngleTables();
    const std::vector<std::pair<int, int>> sizes = {{2, 1}, {1, 2}, {1, 5}, {2, 2}, {3, 3}, {5, 4},
                                                    {4, 7}, {17, 23}, {40, 31}, {64, 64}, {101, 57}};
    const std::vector<int> angles = {0,   1,   2,   29,  30,  45,  60,  89,  90,  91,  120, 135,
                                     179, 180, 181, 225, 270, 300, 315, 359, 360, -45, 725, -400};
    uint32_t seed = 1;
    for (auto [w, h] : sizes) {
        const Image img = RandomImage(w, h, seed++);
        for (int angle : angles)
            for (bool keep : {false, true}) {
                const Image expect = ReferenceRotate(img, angle, keep, tables);
                const Image got = Rotated(img, angle, keep);
                ASSERT_TRUE(got == expect) << w << "x" << h << " angle " << angle << " keepScale " << keep << ": "
                                           << FirstDifference(got, expect);
            }
    }
}

TEST(RotateByAngle, EveryWholeAngleMatchesReference) {
    const AngleTables tables = BuildAngleTables();
    const Image img = RandomImage(160, 121, 99);
    for (int angle = 0; angle <= 360; ++angle)
        for (bool keep : {false, true}) {
            const Image got = Rotated(img, angle, keep);
            const Image expect = ReferenceRotate(img, angle, keep, tables);
            ASSERT_TRUE(got == expect) << "angle " << angle << " keepScale " << keep << ": "
                                       << FirstDifference(got, expect);
        }
}

TEST(RotateByAngle, ZeroAndFullTurnAverageTheInnerPixels) {
    // Even width: the fitted scale is exactly 1, so both modes agree.
    const Image img = RandomImage(12, 9, 4);
    for (int angle : {0, 360})
        for (bool keep : {false, true}) {
            SCOPED_TRACE("angle " + std::to_string(angle) + (keep ? " keep" : " fit"));
            ExpectUpLeftAverages(Rotated(img, angle, keep), img, img.width() - 1, img.height() - 1);
        }
}

TEST(RotateByAngle, OddWidthShrinksAtZeroWithoutKeepScale) {
    // 9 x 5: cx = 4, cy = 2, the fit gives 5 / 4; column 8 maps beyond the right edge.
    Image img = RandomImage(9, 5, 21);
    img.setPixel(0, 0, 1, 2, 3);
    const Image out = Rotated(img, 0, false);
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(out.pixel(8, y)[2], 1) << y;
        EXPECT_EQ(out.pixel(8, y)[0], 3) << y;
    }
    ExpectUpLeftAverages(Rotated(img, 0, true), img, 8, 4);
}

TEST(RotateByAngle, AnglesFoldIntoOneTurn) {
    const Image img = RandomImage(21, 14, 5);
    EXPECT_TRUE(Rotated(img, 390, false) == Rotated(img, 30, false));
    EXPECT_TRUE(Rotated(img, -330, true) == Rotated(img, 30, true));
    EXPECT_TRUE(Rotated(img, 720, false) == Rotated(img, 360, false));
    EXPECT_TRUE(Rotated(img, -360, true) == Rotated(img, 0, true));
    EXPECT_TRUE(Rotated(img, 100 * 360 + 45, false) == Rotated(img, 45, false));
    EXPECT_TRUE(Rotated(img, -100 * 360 - 45, false) == Rotated(img, 315, false));
}

TEST(RotateByAngle, TinyImagesWithoutCentreAreLeftAlone) {
    const AngleTables tables = BuildAngleTables();
    for (int angle : {0, 30, 90, 359})
        for (bool keep : {false, true}) {
            Image one(1, 1);
            one.setPixel(0, 0, 9, 8, 7);
            Image out = RandomImage(2, 2, 1);
            EXPECT_FALSE(RotateByAngle(one, out, angle, keep, tables).has_value());
            EXPECT_TRUE(out == one);
            Image empty, outEmpty(3, 3);
            EXPECT_FALSE(RotateByAngle(empty, outEmpty, angle, keep, tables).has_value());
            EXPECT_TRUE(outEmpty.empty());
        }
}

TEST(RotateByAngle, UncoveredCornersTakeTheColourOfTheFirstPixel) {
    const AngleTables tables = BuildAngleTables();
    Image img = RandomImage(30, 20, 7);
    img.setPixel(0, 0, 200, 100, 50);
    Image out;
    const std::optional<Colour> background = RotateByAngle(img, out, 30, false, tables);
    ASSERT_TRUE(background.has_value());
    EXPECT_EQ(*background, MakeColour(200, 100, 50));
    EXPECT_EQ(out.width(), 30);
    EXPECT_EQ(out.height(), 20);
    // The corners cut off by the turn take the background colour.
    EXPECT_EQ(out.pixel(29, 0)[2], 200);
    EXPECT_EQ(out.pixel(29, 0)[0], 50);
    Image self = img;  // reading and writing one image
    RotateByAngle(self, self, 30, false, tables);
    EXPECT_TRUE(self == out);
}

TEST(RotateByAngle, SameResultWithOneOrManyThreads) {
    const Image img = RandomImage(333, 257, 12);
    SetThreadCount(1);
    const Image one = Rotated(img, 37, false);
    SetThreadCount(4);
    const Image many = Rotated(img, 37, false);
    SetThreadCount(0);
    EXPECT_TRUE(one == many) << FirstDifference(one, many);
}
