// SPDX-License-Identifier: GPL-3.0-or-later
// Image-level drawing: clipping at every side, negative points, the transparent colour.
#include <gtest/gtest.h>

#include "image/Draw.h"

using namespace lum;

namespace {

// Each pixel a distinct value so a misplaced copy shows.
Image Numbered(int w, int h, int base) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, static_cast<uint8_t>(base + x), static_cast<uint8_t>(base + y), static_cast<uint8_t>(x * y));
    return img;
}

bool Is(const Image& img, int x, int y, Colour c) {
    const uint8_t* p = img.pixel(x, y);
    return p[2] == ColourR(c) && p[1] == ColourG(c) && p[0] == ColourB(c);
}

bool SamePixel(const Image& a, int ax, int ay, const Image& b, int bx, int by) {
    const uint8_t *p = a.pixel(ax, ay), *q = b.pixel(bx, by);
    return p[0] == q[0] && p[1] == q[1] && p[2] == q[2];
}

}  // namespace

TEST(Draw, FillRectIsClippedAndExclusive) {
    const Colour c = MakeColour(10, 20, 30);
    Image img = Numbered(5, 4, 100);
    const Image before = img;
    FillRect(img, Rect{-3, 2, 2, 99}, c);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Is(img, x, y, c), x < 2 && y >= 2) << x << "," << y;
    img = before;
    FillRect(img, Rect{3, 1, 3, 4}, c);  // zero width
    FillRect(img, Rect{6, 0, 9, 4}, c);  // right of the image
    FillRect(img, Rect{4, 3, 1, 1}, c);  // inverted
    EXPECT_TRUE(img == before);
}

TEST(Draw, DrawImageAtNegativeAndPastTheEdges) {
    for (auto [x, y] : std::vector<std::pair<int, int>>{{-2, -1}, {3, 2}, {-10, 0}, {0, 9}, {1, 1}}) {
        Image dst = Numbered(6, 5, 0);
        const Image before = dst;
        const Image src = Numbered(4, 3, 150);
        DrawImage(dst, src, x, y);
        for (int dy = 0; dy < 5; ++dy)
            for (int dx = 0; dx < 6; ++dx) {
                const bool in = dx - x >= 0 && dx - x < 4 && dy - y >= 0 && dy - y < 3;
                EXPECT_TRUE(in ? SamePixel(dst, dx, dy, src, dx - x, dy - y) : SamePixel(dst, dx, dy, before, dx, dy))
                    << x << "," << y << " at " << dx << "," << dy;
            }
    }
}

TEST(Draw, TransparentColourIsSkippedExactly) {
    Image dst(4, 1);
    dst.fill(1, 1, 1);
    Image src(4, 1);
    const Colour key = MakeColour(255, 255, 255);
    src.setPixel(0, 0, 255, 255, 255);  // the key: skipped
    src.setPixel(1, 0, 255, 255, 254);  // one byte off: drawn
    src.setPixel(2, 0, 254, 255, 255);
    src.setPixel(3, 0, 0, 0, 0);
    DrawImage(dst, src, 0, 0, key);
    EXPECT_TRUE(Is(dst, 0, 0, MakeColour(1, 1, 1)));
    EXPECT_TRUE(Is(dst, 1, 0, MakeColour(255, 255, 254)));
    EXPECT_TRUE(Is(dst, 2, 0, MakeColour(254, 255, 255)));
    EXPECT_TRUE(Is(dst, 3, 0, MakeColour(0, 0, 0)));
}

TEST(Draw, DrawImageOntoItselfReadsTheOldPixels) {
    Image img = Numbered(5, 5, 0);
    const Image before = img;
    DrawImage(img, img, 1, 1);
    EXPECT_TRUE(SamePixel(img, 4, 4, before, 3, 3));
    EXPECT_TRUE(SamePixel(img, 1, 1, before, 0, 0));
    EXPECT_TRUE(SamePixel(img, 0, 3, before, 0, 3));
}

TEST(Draw, CopyRectAndFillMask) {
    Image dst = Numbered(6, 4, 0);
    const Image src = Numbered(5, 6, 90);
    CopyRect(dst, src, Rect{-1, 1, 9, 3});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool copied = y >= 1 && y < 3 && x < 5;
            EXPECT_EQ(SamePixel(dst, x, y, src, std::min(x, 4), y), copied) << x << "," << y;
        }

    Image img(5, 4);
    Mask m(3, 3);
    m.set(0, 0, 1);
    m.set(2, 0, 9);
    m.set(1, 2, 255);
    const Colour c = MakeColour(7, 8, 9);
    FillMask(img, m, -1, 1, c);
    int painted = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) painted += Is(img, x, y, c);
    EXPECT_EQ(painted, 2);  // (0,0) of the mask lands left of the image
    EXPECT_TRUE(Is(img, 1, 1, c));
    EXPECT_TRUE(Is(img, 0, 3, c));
}
