// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns and mirrors.
#include <gtest/gtest.h>

#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "GeometryTestSupport.h"

using namespace lum;
using geomtest::FirstDifference;
using geomtest::RandomImage;

namespace {

// Pixels named by their red value, the other channels derived so a channel swap shows.
Image Named(int w, int h, const std::vector<int>& reds) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int r = reds[static_cast<size_t>(y * w + x)];
            img.setPixel(x, y, static_cast<uint8_t>(r), static_cast<uint8_t>(r + 1), static_cast<uint8_t>(r + 2));
        }
    return img;
}

std::vector<int> Reds(const Image& img) {
    std::vector<int> v;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const uint8_t* p = img.pixel(x, y);
            EXPECT_EQ(p[1], p[2] + 1);
            EXPECT_EQ(p[0], p[2] + 2);
            v.push_back(p[2]);
        }
    return v;
}

// The clockwise turn written out: new (k, r) = old (r, H - 1 - k).
Image PlainTurn(const Image& img) {
    const int W = img.width(), H = img.height();
    Image out(H, W);
    for (int r = 0; r < W; ++r)
        for (int k = 0; k < H; ++k)
            for (int ch = 0; ch < 3; ++ch) out.pixel(k, r)[ch] = img.pixel(r, H - 1 - k)[ch];
    return out;
}

enum { a = 10, b = 20, c = 30, d = 40, e = 50, f = 60 };

}  // namespace

TEST(QuarterTurn, ThreeByTwoBecomesTwoByThree) {
    Image img = Named(3, 2, {a, b, c, d, e, f});
    QuarterTurn(img);
    ASSERT_EQ(img.width(), 2);
    ASSERT_EQ(img.height(), 3);
    EXPECT_EQ(Reds(img), (std::vector<int>{d, a, e, b, f, c}));
}

TEST(QuarterTurn, AnticlockwiseTurnOfTwoByThree) {
    // a b / c d / e f turned anticlockwise: b d f / a c e.
    Image img = Named(2, 3, {a, b, c, d, e, f});
    QuarterTurnAnticlockwise(img);
    ASSERT_EQ(img.width(), 3);
    ASSERT_EQ(img.height(), 2);
    EXPECT_EQ(Reds(img), (std::vector<int>{b, d, f, a, c, e}));
}

TEST(QuarterTurn, MatchesPlainTurnAcrossTilesAndPaddings) {
    // Sizes around the tile size and with every row padding.
    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {1, 7}, {7, 1}, {63, 65}, {64, 64}, {130, 67}, {201, 129}}) {
        Image img = RandomImage(w, h, static_cast<uint32_t>(w * 1000 + h));
        Image expect = PlainTurn(img);
        QuarterTurn(img);
        EXPECT_TRUE(img == expect) << w << "x" << h << ": " << FirstDifference(img, expect);
    }
}

TEST(QuarterTurn, FourTurnsAndAnticlockwiseIdentities) {
    const Image orig = RandomImage(131, 75, 7);
    Image img = orig;
    for (int i = 0; i < 4; ++i) QuarterTurn(img);
    EXPECT_TRUE(img == orig) << FirstDifference(img, orig);

    Image three = orig;
    for (int i = 0; i < 3; ++i) QuarterTurn(three);
    Image anti = orig;
    QuarterTurnAnticlockwise(anti);
    EXPECT_TRUE(anti == three) << FirstDifference(anti, three);
    QuarterTurn(anti);
    EXPECT_TRUE(anti == orig) << FirstDifference(anti, orig);
}

TEST(QuarterTurn, EmptyImageSwapsItsSize) {
    Image img(0, 5);
    QuarterTurn(img);
    EXPECT_EQ(img.width(), 5);
    EXPECT_EQ(img.height(), 0);
}

TEST(QuarterTurn, SameResultWithOneOrManyThreads) {
    const Image orig = RandomImage(517, 300, 3);
    SetThreadCount(1);
    Image one = orig;
    QuarterTurn(one);
    Image oneAnti = orig;
    QuarterTurnAnticlockwise(oneAnti);
    SetThreadCount(5);
    Image many = orig;
    QuarterTurn(many);
    Image manyAnti = orig;
    QuarterTurnAnticlockwise(manyAnti);
    SetThreadCount(0);
    EXPECT_TRUE(one == many);
    EXPECT_TRUE(oneAnti == manyAnti);
}

TEST(QuarterTurned, LeavesTheSourceAndTurnsEitherWay) {
    const Image orig = Named(2, 3, {a, b, c, d, e, f});
    // a b / c d / e f clockwise: e c a / f d b; anticlockwise: b d f / a c e.
    EXPECT_EQ(Reds(QuarterTurned(orig, true)), (std::vector<int>{e, c, a, f, d, b}));
    EXPECT_EQ(Reds(QuarterTurned(orig, false)), (std::vector<int>{b, d, f, a, c, e}));
    EXPECT_EQ(Reds(orig), (std::vector<int>{a, b, c, d, e, f}));
}

TEST(Mirror, LeftToRightAndTopToBottom) {
    const Image orig = Named(3, 2, {a, b, c, d, e, f});
    Image out;
    Mirror(orig, out, true);
    EXPECT_EQ(Reds(out), (std::vector<int>{c, b, a, f, e, d}));
    Mirror(orig, out, false);
    EXPECT_EQ(Reds(out), (std::vector<int>{d, e, f, a, b, c}));
    Image self = orig;  // reading and writing one image
    Mirror(self, self, true);
    EXPECT_EQ(Reds(self), (std::vector<int>{c, b, a, f, e, d}));
}

TEST(Mirror, TwiceIsIdentityAndBothAreAHalfTurn) {
    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {5, 3}, {64, 33}, {257, 130}}) {
        const Image orig = RandomImage(w, h, static_cast<uint32_t>(w + h));
        for (bool horizontal : {true, false}) {
            Image once, twice;
            Mirror(orig, once, horizontal);
            if (w > 1 && horizontal) {
                EXPECT_FALSE(once == orig);
            }
            Mirror(once, twice, horizontal);
            EXPECT_TRUE(twice == orig) << w << "x" << h << " horizontal " << horizontal;
        }
        Image one, both;
        Mirror(orig, one, true);
        Mirror(one, both, false);
        Image half = orig;
        QuarterTurn(half);
        QuarterTurn(half);
        EXPECT_TRUE(both == half) << FirstDifference(both, half);
    }
}

TEST(Mirror, InPlaceForOddAndEvenSizes) {
    // The middle column or row of an odd size stays; pairs change places across the bands.
    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}, {5, 4}, {4, 5}, {66, 131}}) {
        const Image orig = RandomImage(w, h, static_cast<uint32_t>(3 * w + h));
        for (bool horizontal : {true, false}) {
            Image apart;
            Mirror(orig, apart, horizontal);
            for (int threads : {1, 4}) {
                SetThreadCount(threads);
                Image self = orig;
                Mirror(self, self, horizontal);
                EXPECT_TRUE(self == apart) << w << "x" << h << " horizontal " << horizontal << " " << threads;
            }
            SetThreadCount(0);
        }
    }
}

TEST(Mirror, SameResultWithOneOrManyThreads) {
    const Image orig = RandomImage(301, 199, 3);
    Image one, many;
    SetThreadCount(1);
    Mirror(orig, one, true);
    SetThreadCount(4);
    Mirror(orig, many, true);
    SetThreadCount(0);
    EXPECT_TRUE(one == many);
}
