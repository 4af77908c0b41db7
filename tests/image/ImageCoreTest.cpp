// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "image/Arith.h"
#include "image/Color.h"
#include "image/Image.h"
#include "image/Tables.h"

using namespace lum;

TEST(Image, RowsArePaddedToFourBytes) {
    Image a(5, 2);
    EXPECT_EQ(a.stride(), 16u);
    EXPECT_EQ(Image(4, 1).stride(), 12u);
    EXPECT_EQ(Image(1, 1).stride(), 4u);
}

TEST(Image, ResizeKeepsOverlapAndBlackensNewArea) {
    Image a(3, 3);
    a.setPixel(2, 2, 10, 20, 30);
    a.setPixel(0, 0, 1, 2, 3);
    a.resize(5, 4);
    EXPECT_EQ(a.pixel(2, 2)[2], 10);
    EXPECT_EQ(a.pixel(0, 0)[0], 3);
    EXPECT_EQ(a.pixel(4, 3)[0], 0);
    a.resize(1, 1);
    EXPECT_EQ(a.width(), 1);
    EXPECT_EQ(a.pixel(0, 0)[1], 2);
}

TEST(Image, AssignAndDrawAt00) {
    Image a(4, 4), b(2, 6);
    a.fill(9, 9, 9);
    b.fill(1, 2, 3);
    Image c = a;
    c.drawAt00(b);
    EXPECT_EQ(c.width(), 4);
    EXPECT_EQ(c.pixel(1, 3)[2], 1);
    EXPECT_EQ(c.pixel(2, 0)[2], 9);
    c.assign(b);
    EXPECT_TRUE(c == b);
}

TEST(Image, RefusesHugeSizesBeforeAllocating) {
    EXPECT_THROW(Image(20000, 20000), ImageTooLarge);
    EXPECT_NO_THROW(Image::checkSize(15000, 15000));
}

// Big pictures: 4 MB and more of pixels.
TEST(Image, BigCopiesAreExactWhateverTheirSize) {
    for (auto [w, h] : {std::pair<int, int>{1500, 1000}, {2003, 1001}, {4001, 777}}) {
        Image a(w, h);
        for (int y = 0; y < h; ++y)
            for (int b = 0; b < 3 * w; ++b) a.row(y)[b] = static_cast<uint8_t>(y * 31 + b * 7);
        const Image copied(a);
        EXPECT_EQ(copied, a) << w << "x" << h;
        Image assigned(10, 10);
        assigned = a;
        EXPECT_EQ(assigned, a) << w << "x" << h;
    }
}

TEST(Image, TheBufferReserveHandsBackFreedBuffersClearedAndKeepsItsLimit) {
    const int w = 1500, h = 1000;  // 4.5 MB
    Image::SetBufferReserve(0);
    const uint8_t* first;
    {
        Image a(w, h);
        a.fill(255, 255, 255);
        first = a.data();
        Image::SetBufferReserve(16u << 20);
    }
    {
        // The same buffer again, and still black as a new picture must be.
        Image b(w, h);
        EXPECT_EQ(b.data(), first);
        EXPECT_EQ(b.pixel(w - 1, h - 1)[0], 0);
        EXPECT_EQ(b.pixel(0, 0)[2], 0);
        // A picture much smaller than a kept buffer does not take it.
        Image c(2000, 2000);  // 12 MB
        const uint8_t* big = c.data();
        c = Image();  // kept
        Image small(w, h);
        EXPECT_NE(small.data(), big);
        Image again(1990, 2000);
        EXPECT_EQ(again.data(), big);
    }
    {
        Image::SetBufferReserve(12u << 20);
        // Three kept buffers of 6 MB do not fit under 12 MB: the oldest went back to the system.
        std::vector<const uint8_t*> order;
        {
            std::vector<Image> three;
            for (int i = 0; i < 3; ++i) three.emplace_back(w, h);
            for (const Image& img : three) order.push_back(img.data());
        }  // freed first to last
        Image x(w, h), y(w, h), z(w, h);
        const std::set<const uint8_t*> got{x.data(), y.data(), z.data()};
        EXPECT_EQ(got.count(order[0]) + got.count(order[1]) + got.count(order[2]), 2u);
    }
    Image::SetBufferReserve(0);  // everything kept goes back
}

TEST(Arith, DivTruncatesAndRoundTiesToEven) {
    EXPECT_EQ(idiv(-7, 2), -3);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(48.5), 48);
    EXPECT_EQ(clampByte(-3), 0);
    EXPECT_EQ(clampByte(300), 255);
}

TEST(Tables, ToneTableValues) {
    const auto& t = ToneTable();
    const int idx[] = {0, 1, 2, 3, 10, 11, 50, 64, 100, 128, 192, 200, 254, 255};
    const int val[] = {0, 21, 26, 30, 44, 45, 75, 81, 94, 102, 117, 118, 128, 128};
    for (size_t i = 0; i < sizeof idx / sizeof idx[0]; ++i) EXPECT_EQ(t[idx[i]], val[i]) << idx[i];
}

TEST(Tables, AngleTables) {
    auto a = BuildAngleTables();
    EXPECT_FLOAT_EQ(a.SinTable[90], 1.0f);
    EXPECT_FLOAT_EQ(a.CosTable[0], 1.0f);
    EXPECT_NEAR(a.CosTable[90], 0.0f, 1e-7);
}

TEST(Color, HsvRoundTripsAndEdgeCases) {
    Hsv red = RgbToHsv(255, 0, 0);
    EXPECT_EQ(red.H, 360);
    EXPECT_EQ(red.S, 255);
    EXPECT_EQ(RgbToHsv(0, 0, 0).S, 0);
    EXPECT_EQ(HsvToRgb(360, 255, 255), (Rgb{255, 0, 0}));
    EXPECT_EQ(HsvToRgb(120, 255, 255), (Rgb{0, 255, 0}));
    EXPECT_EQ(HsvToRgb(0, 100, 77), (Rgb{77, 77, 77}));
}

TEST(Color, IntDistanceFollowsTheIteration) {
    EXPECT_EQ(IntDistance(0, 0, 0, 0), 0);
    EXPECT_EQ(IntDistance(0, 0, 1, 0), 1);
    EXPECT_EQ(IntDistance(0, 0, 1, 1), 1);
    EXPECT_EQ(IntDistance(0, 0, 2, 0), 2);
    EXPECT_EQ(IntDistance(7, 7, 4, 3), 5);
    EXPECT_EQ(IntDistance(0, 0, -10, 0), 10);
    // Where the steps alternate they end on the upper value: not the integer square root.
    const std::pair<int64_t, int> bySquare[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {8, 2},
                                                {24, 5}, {35, 6}, {48, 6}, {99, 9}, {120, 11}};
    for (const auto& [s, d] : bySquare) EXPECT_EQ(IntDistanceOfSquare(s), d) << "s = " << s;
    // (12, 12) from the centre lies outside a brush of radius 16 although its true distance is 16.97.
    EXPECT_EQ(IntDistance(0, 0, 12, 12), 17);
}

TEST(Color, ColourWindowIsClippedPerChannel) {
    const ColourWindow w = MakeColourWindow(MakeColour(250, 5, 0), 8);
    EXPECT_EQ(w.lo, (Rgb{242, 0, 0}));
    EXPECT_EQ(w.hi, (Rgb{255, 13, 8}));
    EXPECT_TRUE(w.contains(242, 13, 8));
    EXPECT_FALSE(w.contains(241, 0, 0));
    EXPECT_FALSE(w.contains(250, 14, 0));
    EXPECT_FALSE(w.contains(MakeColour(250, 5, 9)));
    const ColourWindow grey = MakeColourWindow(MakeColour(128, 128, 128), 24);
    EXPECT_EQ(grey.lo, (Rgb{104, 104, 104}));
    EXPECT_EQ(grey.hi, (Rgb{152, 152, 152}));
}

TEST(Color, FitRect) {
    FitResult r = FitRect(152, 152, 400, 300, 0, 0, false);
    EXPECT_EQ(r.rect.width(), 152);
    EXPECT_EQ(r.rect.height(), 114);
    EXPECT_EQ(r.rect.Top, 19);
    FitResult e = FitRect(0, 10, 10, 10, 0, 0, false);
    EXPECT_EQ(e.rect.width(), 0);
    EXPECT_FLOAT_EQ(e.scale, 1.0f);
    FitResult s = FitRect(100, 100, 20, 10, 0, 0, false);
    EXPECT_EQ(s.rect.Left, 40);
    EXPECT_EQ(s.rect.width(), 20);
}

TEST(Color, FitRectRoundsSinglePrecisionProductsHalfToEven) {
    // 480 / 9 > 640 / 768, so the scale is 640 / 768 = 0.8333333 in single precision; 9 x that
    // is 7.5 in single precision (7.4999998 in double), which rounds to even: 8.
    FitResult f = FitRect(640, 480, 768, 9, 0, 0, false);
    EXPECT_EQ(f.rect.width(), 640);
    EXPECT_EQ(f.rect.height(), 8);
    EXPECT_EQ(f.rect.Top, 236);
    EXPECT_EQ(f.scale, 640.0f / 768.0f);
    // An exact half: 101 x 0.5 = 50.5 -> 50 (ties to even, not up); centred with div.
    f = FitRect(60, 50, 101, 100, 0, 0, false);
    EXPECT_EQ(f.rect, (Rect{5, 0, 55, 50}));
    // The smaller ratio wins; on a tie either is the same.
    f = FitRect(200, 100, 400, 100, 0, 0, false);
    EXPECT_EQ(f.scale, 0.5f);
    EXPECT_EQ(f.rect, (Rect{0, 25, 200, 75}));
}

TEST(Color, FitRectMarginsEnlargingAndEmptyInputs) {
    // The mix preview: a 185 x 161 panel with 8-pixel margins.
    FitResult f = FitRect(185, 161, 640, 427, 8, 8, false);
    EXPECT_EQ(f.rect.width(), 169);  // 169 / 640 < 145 / 427
    EXPECT_EQ(f.rect.height(), 113);  // 427 x 0.2640625 = 112.755
    EXPECT_EQ(f.rect.Left, 8);
    EXPECT_EQ(f.rect.Top, 24);
    // Small pictures stay at their size unless enlarging is asked for.
    f = FitRect(185, 161, 20, 10, 8, 8, false);
    EXPECT_EQ(f.rect, (Rect{82, 75, 102, 85}));
    EXPECT_EQ(f.scale, 1.0f);
    f = FitRect(185, 161, 20, 10, 8, 8, true);
    EXPECT_EQ(f.rect.width(), 169);
    EXPECT_EQ(f.rect.height(), 84);  // 10 x 8.45 is 84.5 in single precision: to even
    for (auto args : {std::vector<int>{0, 5, 5, 5}, {5, -1, 5, 5}, {5, 5, 0, 5}, {5, 5, 5, 0}}) {
        f = FitRect(args[0], args[1], args[2], args[3], 0, 0, true);
        EXPECT_EQ(f.rect, (Rect{0, 0, 0, 0}));
        EXPECT_EQ(f.scale, 1.0f);
    }
}
