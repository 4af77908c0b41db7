// SPDX-License-Identifier: GPL-3.0-or-later
// Nearest-neighbour stretch and mirrors against the pixel-centre rule written out pixel by pixel.
#include <gtest/gtest.h>

#include <random>

#include "../imaging/ComposeTestSupport.h"
#include "image/Parallel.h"
#include "image/Stretch.h"

using namespace lum;
using composetest::FirstDifference;
using composetest::RandomImage;
using composetest::ReferenceStretch;

namespace {

std::vector<int> Columns(int start, int extent, int n, int limit) {
    const StretchAxis a = MapStretchAxis(start, extent, n, limit);
    std::vector<int> out(static_cast<size_t>(std::max(limit, 0)), -1);
    for (int x = a.lo; x < a.hi; ++x) out[static_cast<size_t>(x)] = a.source[static_cast<size_t>(x - a.lo)];
    return out;
}

}  // namespace

TEST(Stretch, PixelCentreRuleOnOneAxis) {
    // Enlarging 2 -> 5: destination centres 0.1, 0.3 | 0.5, 0.7, 0.9 of the source width.
    EXPECT_EQ(Columns(0, 5, 2, 5), (std::vector<int>{0, 0, 1, 1, 1}));
    // Reducing 5 -> 2 picks the pixels under the centres 1.25 and 3.75.
    EXPECT_EQ(Columns(0, 2, 5, 2), (std::vector<int>{1, 3}));
    // Same size is the identity, mirrored it reverses; the far end of the span is excluded.
    EXPECT_EQ(Columns(1, 3, 3, 5), (std::vector<int>{-1, 0, 1, 2, -1}));
    EXPECT_EQ(Columns(3, -3, 3, 5), (std::vector<int>{-1, 2, 1, 0, -1}));
    // Clipped on both sides, nothing for an empty span or source.
    EXPECT_EQ(Columns(-2, 6, 3, 3), (std::vector<int>{1, 1, 2}));
    EXPECT_TRUE(MapStretchAxis(0, 0, 3, 5).empty());
    EXPECT_TRUE(MapStretchAxis(0, 4, 0, 5).empty());
    EXPECT_TRUE(MapStretchAxis(5, 4, 3, 5).empty());
    EXPECT_TRUE(MapStretchAxis(-1, -4, 3, 5).empty());
}

TEST(Stretch, MatchesThePixelRuleForAnyRectangle) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> size(1, 40), pos(-30, 50), ext(-70, 70);
    for (int threads : {1, 3}) {
        SetThreadCount(threads);
        for (int i = 0; i < 400; ++i) {
            const Image src = RandomImage(size(rng), size(rng), 100 + i);
            Image dst = RandomImage(size(rng), size(rng), 900 + i);
            Rect to{pos(rng), pos(rng), 0, 0};
            to.Right = to.Left + ext(rng);
            to.Bottom = to.Top + ext(rng);
            Image expect = dst;
            ReferenceStretch(expect, to.Left, to.Top, to.Right, to.Bottom, src);
            StretchDraw(dst, to, src);
            ASSERT_TRUE(dst == expect) << "case " << i << ": " << FirstDifference(dst, expect);
        }
    }
    SetThreadCount(0);
}

TEST(Stretch, LargeEnlargementAcrossRowBands) {
    SetThreadCount(4);
    const Image src = RandomImage(37, 23, 5);
    Image dst(701, 403), expect(701, 403);
    StretchDraw(dst, Rect{-13, 400, 690, -3}, src);
    ReferenceStretch(expect, -13, 400, 690, -3, src);
    EXPECT_TRUE(dst == expect) << FirstDifference(dst, expect);
    SetThreadCount(0);
}

TEST(Stretch, OntoItselfReadsTheImageAsItWas) {
    const Image src = RandomImage(17, 9, 3);
    Image img = src, expect = src;
    StretchDraw(img, Rect{2, 1, 30, 7}, img);
    ReferenceStretch(expect, 2, 1, 30, 7, src);
    EXPECT_TRUE(img == expect) << FirstDifference(img, expect);
}

TEST(Stretch, MirrorsAreTheNegativeExtentStretch) {
    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {2, 3}, {5, 4}, {64, 33}}) {
        const Image src = RandomImage(w, h, static_cast<uint32_t>(w * 100 + h));
        Image horizontal = src, byRect(w, h);
        MirrorHorizontal(horizontal);
        ReferenceStretch(byRect, w - 1, 0, -1, h, src);
        EXPECT_TRUE(horizontal == byRect) << w << "x" << h << ": " << FirstDifference(horizontal, byRect);
        EXPECT_EQ(horizontal.pixel(0, 0)[1], src.pixel(w - 1, 0)[1]);

        Image vertical = src;
        MirrorVertical(vertical);
        ReferenceStretch(byRect, 0, h - 1, w, -1, src);
        EXPECT_TRUE(vertical == byRect) << w << "x" << h << ": " << FirstDifference(vertical, byRect);

        MirrorHorizontal(horizontal);
        MirrorVertical(vertical);
        EXPECT_TRUE(horizontal == src);
        EXPECT_TRUE(vertical == src);
    }
}

TEST(Stretch, NothingFromOrIntoAnEmptyImage) {
    Image dst = RandomImage(4, 4, 1);
    const Image before = dst;
    StretchDraw(dst, Rect{0, 0, 4, 4}, Image());
    StretchDraw(dst, Rect{0, 0, 0, 4}, RandomImage(2, 2, 2));
    EXPECT_TRUE(dst == before);
    Image empty;
    StretchDraw(empty, Rect{0, 0, 4, 4}, before);
    MirrorHorizontal(empty);
    MirrorVertical(empty);
    EXPECT_TRUE(empty.empty());
}
