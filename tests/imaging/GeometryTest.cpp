// Quarter turns and mirrors.
#include <gtest/gtest.h>

#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "GeometryTestSupport.h"

using namespace lum;
using geomtest::FirstDifference;
using geomtest::Load;
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

TEST(RotateOrMirror, QuarterTurnsCommitTheTurnedImage) {
    EditState st;
    const Image orig = Named(2, 3, {a, b, c, d, e, f});
    Load(st, orig);
    int layouts = 0;
    st.LayoutView = [&] { ++layouts; };

    RotateOrMirror(st, 1);
    // a b / c d / e f clockwise: e c a / f d b.
    EXPECT_EQ(Reds(st.WorkImage), (std::vector<int>{e, c, a, f, d, b}));
    EXPECT_EQ(st.WorkImage.width(), 3);
    EXPECT_EQ(layouts, 1);
    EXPECT_TRUE(st.MemoryImage == st.WorkImage);
    EXPECT_TRUE(st.UndoImage == st.WorkImage);
    EXPECT_TRUE(st.SourceImage == st.WorkImage);
    ASSERT_EQ(st.WorkRows.size(), 2u);
    EXPECT_EQ(st.WorkRows[1], st.WorkImage.row(1));
    EXPECT_EQ(st.SourceRows[1], st.SourceImage.row(1));

    // Undo keeps the turn: the turned image is the baseline.
    const Image turned = st.WorkImage;
    st.Undo();
    EXPECT_TRUE(st.WorkImage == turned);

    RotateOrMirror(st, 4);
    EXPECT_TRUE(st.WorkImage == orig) << FirstDifference(st.WorkImage, orig);
    EXPECT_TRUE(st.MemoryImage == orig);
    RotateOrMirror(st, 4);
    EXPECT_EQ(Reds(st.WorkImage), (std::vector<int>{b, d, f, a, c, e}));
    EXPECT_EQ(layouts, 3);
}

TEST(RotateOrMirror, KindFourIsThreeKindOnes) {
    const Image orig = RandomImage(90, 41, 11);
    EditState one, four;
    Load(one, orig);
    Load(four, orig);
    for (int i = 0; i < 3; ++i) RotateOrMirror(one, 1);
    RotateOrMirror(four, 4);
    EXPECT_TRUE(one.WorkImage == four.WorkImage) << FirstDifference(one.WorkImage, four.WorkImage);
    for (int i = 0; i < 4; ++i) RotateOrMirror(four, 1);
    EXPECT_TRUE(one.WorkImage == four.WorkImage);
}

TEST(RotateOrMirror, MirrorsArePixelOperationsWithoutCommit) {
    EditState st;
    const Image orig = Named(3, 2, {a, b, c, d, e, f});
    Load(st, orig);
    int redraws = 0, layouts = 0;
    st.RedrawView = [&] { ++redraws; };
    st.LayoutView = [&] { ++layouts; };

    RotateOrMirror(st, 2);
    EXPECT_EQ(Reds(st.WorkImage), (std::vector<int>{c, b, a, f, e, d}));
    EXPECT_TRUE(st.SourceImage == orig);  // the copy taken before the mirror
    EXPECT_TRUE(st.MemoryImage == orig);
    EXPECT_TRUE(st.UndoImage == orig);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(layouts, 0);

    RotateOrMirror(st, 3);
    EXPECT_EQ(Reds(st.WorkImage), (std::vector<int>{f, e, d, c, b, a}));
    EXPECT_EQ(Reds(st.SourceImage), (std::vector<int>{c, b, a, f, e, d}));

    st.Undo();
    EXPECT_TRUE(st.WorkImage == orig);
}

TEST(RotateOrMirror, MirrorTwiceIsIdentity) {
    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {5, 3}, {64, 33}, {257, 130}}) {
        const Image orig = RandomImage(w, h, static_cast<uint32_t>(w + h));
        EditState st;
        Load(st, orig);
        for (int kind : {2, 3}) {
            RotateOrMirror(st, kind);
            if (w > 1 && kind == 2) {
                EXPECT_FALSE(st.WorkImage == orig);
            }
            RotateOrMirror(st, kind);
            EXPECT_TRUE(st.WorkImage == orig) << w << "x" << h << " kind " << kind;
        }
        // Both mirrors together are a half turn.
        RotateOrMirror(st, 2);
        RotateOrMirror(st, 3);
        Image half = orig;
        QuarterTurn(half);
        QuarterTurn(half);
        EXPECT_TRUE(st.WorkImage == half) << FirstDifference(st.WorkImage, half);
    }
}

TEST(RotateOrMirror, OtherKindsDoNothing) {
    EditState st;
    const Image orig = RandomImage(6, 4, 5);
    Load(st, orig);
    st.SourceImage = RandomImage(3, 3, 6);
    const Image source = st.SourceImage;
    int busy = 0;
    st.Busy = [&](bool) { ++busy; };
    for (int kind : {0, 5, -1, 100}) RotateOrMirror(st, kind);
    EXPECT_TRUE(st.WorkImage == orig);
    EXPECT_TRUE(st.SourceImage == source);
    EXPECT_EQ(busy, 0);
}

TEST(RotateOrMirror, HourglassAroundTheOperationAndSelectionLeftToTheButtons) {
    EditState st;
    Load(st, RandomImage(6, 4, 8));
    std::vector<bool> busy;
    st.Busy = [&](bool on) { busy.push_back(on); };
    st.SelectionActive = 1;
    RotateOrMirror(st, 1);
    RotateOrMirror(st, 2);
    EXPECT_EQ(busy, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(st.SelectionActive, 1);
}
