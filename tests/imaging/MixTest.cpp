// SPDX-License-Identifier: GPL-3.0-or-later
// Image mix: a step-by-step transcription (full black layer, tiles drawn one by one, the blend
// loops) compared pixel for pixel across styles, resizing modes, mirrors, offsets and moves on
// photos and random pictures; then the documented cases.
#include <gtest/gtest.h>

#include <random>

#include "ComposeTestSupport.h"
#include "image/Parallel.h"
#include "image/Shapes.h"
#include "imaging/Mix.h"

using namespace lum;
using composetest::FewColourImage;
using composetest::FirstDifference;
using composetest::Photo;
using composetest::RandomImage;
using composetest::ReferenceStretch;

namespace {

// Aspect-preserving fit written out (single-precision ratios and products, halves to even).
Rect RefFitRect(int boxW, int boxH, int imgW, int imgH) {
    if (boxW < 1 || boxH < 1 || imgW < 1 || imgH < 1) return Rect{};
    int w = imgW, h = imgH;
    if (imgW > boxW || imgH > boxH) {
        const float sx = static_cast<float>(boxW) / static_cast<float>(imgW);
        const float sy = static_cast<float>(boxH) / static_cast<float>(imgH);
        const float scale = sx >= sy ? sy : sx;
        const float fw = static_cast<float>(imgW) * scale, fh = static_cast<float>(imgH) * scale;
        w = static_cast<int>(std::nearbyint(fw));
        h = static_cast<int>(std::nearbyint(fh));
    }
    const int left = (boxW - w) / 2, top = (boxH - h) / 2;
    return Rect{left, top, left + w, top + h};
}

MixPlacement RefPlacement(const MixOptions& o, int W, int H, int sw, int sh) {
    MixPlacement p;
    if (o.resize == MixResize::Zoom) {
        p.Width = sw * o.zoom / 100 - 1;
        p.Height = sh * o.zoom / 100 - 1;
        p.Left = (W - p.Width) / 2;
        p.Top = (H - p.Height) / 2;
    } else if (o.resize == MixResize::FitToImage) {
        p = {0, 0, W, H};
    } else {
        const Rect r = RefFitRect(W, H, sw, sh);
        p = {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
    }
    return p;
}

// The source stretched onto itself with left and right (top and bottom) exchanged.
void RefMirror(Image& src, MixMirror m) {
    const Image copy = src;
    if (m == MixMirror::Horizontal) ReferenceStretch(src, src.width() - 1, 0, -1, src.height(), copy);
    if (m == MixMirror::Vertical) ReferenceStretch(src, 0, src.height() - 1, src.width(), -1, copy);
}

// The blur mask drawn ring by ring: filled shapes of greys f x 255 div margin, pen width 2.
Mask RefSmoothMask(int mw, int mh, const MixOptions& o) {
    Mask m(mw, mh, 0);
    for (int f = 1; f <= o.margin; ++f) {
        if (mw - f < f || mh - f < f) continue;
        const int g = f * 255 / o.margin;
        if (o.blur == BlurShape::Rectangle)
            PaintShape(m, Shape::PenRoundRect(Point{f, f}, Point{mw - f, mh - f}, 2, 48, 48), static_cast<uint8_t>(g));
        else
            PaintShape(m, Shape::PenEllipse(Point{f, f}, Point{mw - f, mh - f}, 2), static_cast<uint8_t>(g));
    }
    return m;
}

void RefCompose(Image& dest, const Image& src, const MixPlacement& pl, const MixOptions& o) {
    if (src.empty()) return;
    const int W = dest.width(), H = dest.height();
    Image layer(W, H);
    int L, T, R, B;
    if (o.style == MixStyle::Tiles) {
        L = 0, T = 0, R = W, B = H;
        const int tw = src.width(), th = src.height();
        int y0 = o.offsetY, x0 = o.offsetX;
        if (y0 > 0) y0 -= th;
        if (x0 > 0) x0 -= tw;
        while (y0 > 0) y0 -= th;  // whole tiles further up / left until row and column 0 are covered
        while (x0 > 0) x0 -= tw;
        for (int y = y0; y < H; y += th)
            for (int x = x0; x < W; x += tw)
                for (int sy = 0; sy < th; ++sy)
                    for (int sx = 0; sx < tw; ++sx)
                        if (x + sx >= 0 && y + sy >= 0 && x + sx < W && y + sy < H)
                            for (int ch = 0; ch < 3; ++ch) layer.pixel(x + sx, y + sy)[ch] = src.pixel(sx, sy)[ch];
    } else {
        if (pl.Width <= 0 || pl.Height <= 0) return;
        L = pl.Left, T = pl.Top, R = pl.Left + pl.Width, B = pl.Top + pl.Height;
        ReferenceStretch(layer, L, T, R, B, src);
    }
    L = std::max(L, 0), T = std::max(T, 0), R = std::min(R, W), B = std::min(B, H);
    const int w = o.percent * 128 / 100;
    if (o.style == MixStyle::Copy || o.style == MixStyle::Tiles) {
        // Tiles: both ends included, limited to the image. Copy: kept to the stretched area.
        const int xEnd = o.style == MixStyle::Tiles ? std::min(R, W - 1) : R - 1;
        const int yEnd = o.style == MixStyle::Tiles ? std::min(B, H - 1) : B - 1;
        for (int y = T; y <= yEnd; ++y)
            for (int x = L; x <= xEnd; ++x)
                for (int c = 0; c < 3; ++c)
                    dest.pixel(x, y)[c] = static_cast<uint8_t>(((128 - w) * dest.pixel(x, y)[c] + w * layer.pixel(x, y)[c]) / 128);
    } else if (o.style == MixStyle::MaskedCopy) {
        const int t = o.tolerance * 128 / 100;
        const int mR = o.maskColour & 0xFF, mG = (o.maskColour >> 8) & 0xFF, mB = (o.maskColour >> 16) & 0xFF;
        for (int y = T; y <= B - 1; ++y)
            for (int x = L; x <= R - 1; ++x) {
                const uint8_t* l = layer.pixel(x, y);
                if (std::abs(l[2] - mR) > t || std::abs(l[1] - mG) > t || std::abs(l[0] - mB) > t)
                    for (int c = 0; c < 3; ++c)
                        dest.pixel(x, y)[c] = static_cast<uint8_t>(((128 - w) * dest.pixel(x, y)[c] + w * l[c]) / 128);
            }
    } else if (R > L && B > T) {
        const Mask m = RefSmoothMask(R - L + 1, B - T + 1, o);
        for (int y = T; y <= B && y < H; ++y)
            for (int x = L; x <= R && x < W; ++x) {
                const int a = m.at(x - L, y - T) / 2;
                for (int c = 0; c < 3; ++c)
                    dest.pixel(x, y)[c] = static_cast<uint8_t>(((128 - a) * dest.pixel(x, y)[c] + a * layer.pixel(x, y)[c]) / 128);
            }
    }
}

struct MixCase {
    MixOptions options;
    int moves[2][2] = {{0, 0}, {0, 0}};
};

MixCase RandomCase(std::mt19937& rng, const Image& src) {
    std::uniform_int_distribution<int> any(0, 1 << 20);
    MixCase c;
    MixOptions& o = c.options;
    o.style = static_cast<MixStyle>(any(rng) % 4);
    o.percent = 5 * (1 + any(rng) % 20);
    o.resize = static_cast<MixResize>(any(rng) % 3);
    o.zoom = 10 + 2 * (any(rng) % 96);
    o.mirror = static_cast<MixMirror>(any(rng) % 3);
    o.offsetX = any(rng) % 129 - 64;
    o.offsetY = any(rng) % 129 - 64;
    o.tolerance = any(rng) % 33;
    o.blur = static_cast<BlurShape>(any(rng) % 2);
    o.margin = 4 + 2 * (any(rng) % 31);
    const uint8_t* p = src.pixel(any(rng) % src.width(), any(rng) % src.height());
    o.maskColour = MakeColour(p[2], p[1], p[0]);
    for (auto& m : c.moves)
        if (any(rng) % 2) m[0] = any(rng) % 121 - 60, m[1] = any(rng) % 121 - 60;
    return c;
}

// The whole mix after OK and the drags, by the transcription and by the code; both must agree on
// every image the steps touch.
void CheckCase(const Image& work0, const Image& src0, const MixCase& c, const std::string& what) {
    Image refWork = work0, refSrc = src0;
    const Image refBefore = work0;
    RefMirror(refSrc, c.options.mirror);
    MixPlacement pl = RefPlacement(c.options, work0.width(), work0.height(), src0.width(), src0.height());
    RefCompose(refWork, refSrc, pl, c.options);

    Image work = work0, before, src = src0;
    MixPlacement got = RunMixPixels(work, before, src, c.options);
    ASSERT_EQ(got, pl) << what;
    ASSERT_TRUE(before == refBefore) << what;
    ASSERT_TRUE(src == refSrc) << what << ": mirror " << FirstDifference(src, refSrc);
    ASSERT_TRUE(work == refWork) << what << ": " << FirstDifference(work, refWork);
    for (const auto& m : c.moves) {
        if (m[0] == 0 && m[1] == 0) continue;
        pl.Left += m[0];
        pl.Top += m[1];
        refWork = refBefore;
        RefCompose(refWork, refSrc, pl, c.options);
        got = MoveMix(work, before, src, got, m[0], m[1], c.options);
        ASSERT_EQ(got, pl) << what;
        ASSERT_TRUE(work == refWork) << what << " moved by " << m[0] << "," << m[1] << ": "
                                     << FirstDifference(work, refWork);
    }
}

std::string Describe(int i, const MixOptions& o) {
    return "case " + std::to_string(i) + " style " + std::to_string(static_cast<int>(o.style)) + " resize " +
           std::to_string(static_cast<int>(o.resize)) + " zoom " + std::to_string(o.zoom) + " mirror " +
           std::to_string(static_cast<int>(o.mirror)) + " offsets " + std::to_string(o.offsetX) + "," +
           std::to_string(o.offsetY);
}

}  // namespace

TEST(Mix, RandomPicturesMatchTheTranscription) {
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> size(1, 70);
    const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF, 0x2040C0, 0x808080, 0x10F010};
    for (int i = 0; i < 700; ++i) {
        SetThreadCount(1 + i % 4);
        const Image work = RandomImage(size(rng), size(rng), static_cast<uint32_t>(i));
        const Image src = FewColourImage(size(rng), size(rng), static_cast<uint32_t>(5000 + i), palette);
        const MixCase c = RandomCase(rng, src);
        CheckCase(work, src, c, Describe(i, c.options));
        if (HasFatalFailure()) break;
    }
    SetThreadCount(0);
}

TEST(Mix, PhotosMatchTheTranscription) {
    const Image astronaut = Photo("astronaut.jpg"), rocket = Photo("rocket.jpg"), hubble = Photo("hubble_deep_field.jpg");
    if (astronaut.empty() || rocket.empty() || hubble.empty()) GTEST_SKIP() << "sample photos not decodable";
    std::mt19937 rng(77);
    const std::vector<std::pair<const Image*, const Image*>> pairs = {
        {&astronaut, &rocket}, {&rocket, &astronaut}, {&hubble, &rocket}, {&rocket, &hubble}};
    int i = 0;
    for (auto [work, src] : pairs)
        for (int k = 0; k < 3; ++k, ++i) {
            // Every resizing mode with each pair; the four styles rotate over the pairs.
            MixCase c = RandomCase(rng, *src);
            c.options.resize = static_cast<MixResize>(k);
            c.options.style = static_cast<MixStyle>((k + i / 3) % 4);
            SetThreadCount(1 + i % 3);
            CheckCase(*work, *src, c, Describe(i, c.options));
            if (HasFatalFailure()) break;
        }
    SetThreadCount(0);
}

TEST(Mix, Placements) {
    MixOptions o;
    o.resize = MixResize::Zoom;
    EXPECT_EQ(ComputeMixPlacement(o, 640, 480, 200, 100), (MixPlacement{220, 190, 199, 99}));
    o.zoom = 50;
    EXPECT_EQ(ComputeMixPlacement(o, 640, 480, 200, 100), (MixPlacement{270, 215, 99, 49}));
    // Larger than the image: centred by division toward zero.
    o.zoom = 200;
    EXPECT_EQ(ComputeMixPlacement(o, 100, 100, 101, 60), (MixPlacement{-50, -9, 201, 119}));
    o.resize = MixResize::FitToImage;
    EXPECT_EQ(ComputeMixPlacement(o, 640, 480, 200, 100), (MixPlacement{0, 0, 640, 480}));
    o.resize = MixResize::WidthOrHeight;
    EXPECT_EQ(ComputeMixPlacement(o, 640, 480, 200, 100), (MixPlacement{220, 190, 200, 100}));
    EXPECT_EQ(ComputeMixPlacement(o, 640, 480, 1280, 480), (MixPlacement{0, 120, 640, 240}));

    // The size the dialog announces is the size the placement gets (the zoom without its
    // one-pixel trim).
    auto placed = [&](int srcW, int srcH) {
        const MixSize s = MixPlacedSize(o, 640, 480, srcW, srcH);
        return std::to_string(s.w) + "x" + std::to_string(s.h);
    };
    o.resize = MixResize::Zoom;
    o.zoom = 50;
    EXPECT_EQ(placed(200, 100), "100x50");
    o.resize = MixResize::FitToImage;
    EXPECT_EQ(placed(200, 100), "640x480");
    o.resize = MixResize::WidthOrHeight;
    for (const auto& [w, h] : {std::pair{1280, 480}, std::pair{200, 100}, std::pair{1000, 500}}) {
        const MixPlacement p = ComputeMixPlacement(o, 640, 480, w, h);
        EXPECT_EQ(placed(w, h), std::to_string(p.Width) + "x" + std::to_string(p.Height)) << w << "x" << h;
    }
    EXPECT_EQ(placed(1280, 480), "640x240");
}

TEST(Mix, GradientMixPresets) {
    MixOptions current;
    current.style = MixStyle::Tiles;
    current.percent = 85;
    current.resize = MixResize::Zoom;
    current.mirror = MixMirror::Horizontal;
    const MixOptions m = GradientMixOptions(current);
    EXPECT_EQ(m.style, MixStyle::Copy);
    EXPECT_EQ(m.percent, 50);
    EXPECT_EQ(m.resize, MixResize::FitToImage);
    EXPECT_EQ(m.mirror, MixMirror::Horizontal);
}

TEST(Mix, WeightsAndThresholds) {
    EXPECT_EQ(MixWeight(50), 64);
    EXPECT_EQ(MixWeight(100), 128);
    EXPECT_EQ(MixWeight(5), 6);
    EXPECT_EQ(MixWeight(37), 47);
    EXPECT_EQ(MixWeight(150), 128);
    EXPECT_EQ(MixMaskThreshold(1), 1);
    EXPECT_EQ(MixMaskThreshold(4), 5);
    EXPECT_EQ(MixMaskThreshold(32), 40);
}

TEST(Mix, CopyAtHalfIsTheFloorOfTheMean) {
    Image dest(6, 4), src(6, 4);
    dest.fill(10, 255, 0);
    src.fill(13, 0, 1);
    MixOptions o;
    ComposeMix(dest, src, MixPlacement{0, 0, 6, 4}, o);
    EXPECT_EQ(dest.pixel(3, 2)[2], 11);   // 11.5
    EXPECT_EQ(dest.pixel(3, 2)[1], 127);  // 127.5
    EXPECT_EQ(dest.pixel(3, 2)[0], 0);    // 0.5
    o.percent = 100;
    ComposeMix(dest, src, MixPlacement{0, 0, 6, 4}, o);
    EXPECT_TRUE(dest == src);
}

TEST(Mix, CopyStaysInsideTheStretchedArea) {
    // The column and row just past the placement are left alone, not darkened by the black layer.
    Image dest(20, 20), src(5, 5);
    dest.fill(200, 200, 200);
    src.fill(100, 100, 100);
    MixOptions o;
    const Rect changed = ComposeMix(dest, src, MixPlacement{3, 4, 10, 8}, o);
    EXPECT_EQ(changed, (Rect{3, 4, 13, 12}));
    EXPECT_EQ(dest.pixel(12, 11)[0], 150);
    EXPECT_EQ(dest.pixel(13, 11)[0], 200);
    EXPECT_EQ(dest.pixel(12, 12)[0], 200);
    EXPECT_EQ(dest.pixel(2, 4)[0], 200);
}

TEST(Mix, MaskedCopyLeavesPixelsNearTheMaskColour) {
    Image dest(4, 1), src(4, 1);
    dest.fill(0, 0, 0);
    src.setPixel(0, 0, 100, 50, 20);  // the mask colour itself
    src.setPixel(1, 0, 101, 49, 21);  // within 1 on every channel
    src.setPixel(2, 0, 102, 50, 20);  // 2 away on red
    src.setPixel(3, 0, 140, 90, 60);  // 40 away on each
    MixOptions o;
    o.style = MixStyle::MaskedCopy;
    o.percent = 100;
    o.maskColour = MakeColour(100, 50, 20);
    Image d = dest;
    ComposeMix(d, src, MixPlacement{0, 0, 4, 1}, o);
    EXPECT_EQ(d.pixel(0, 0)[2], 0);
    EXPECT_EQ(d.pixel(1, 0)[2], 0);
    EXPECT_EQ(d.pixel(2, 0)[2], 102);
    EXPECT_EQ(d.pixel(3, 0)[2], 140);
    o.tolerance = 32;  // threshold 40: the last pixel is within it
    d = dest;
    ComposeMix(d, src, MixPlacement{0, 0, 4, 1}, o);
    EXPECT_EQ(d.pixel(2, 0)[2], 0);
    EXPECT_EQ(d.pixel(3, 0)[2], 0);
}

TEST(Mix, TileOrigins) {
    // Each source column carries its own index, so every destination column tells its source column.
    Image src(100, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 100; ++x) src.setPixel(x, y, static_cast<uint8_t>(x), static_cast<uint8_t>(y), 1);
    MixOptions o;
    o.style = MixStyle::Tiles;
    o.percent = 100;
    o.offsetX = 10;
    Image dest(250, 5);
    ComposeMix(dest, src, MixPlacement{}, o);
    // Tiles start at -90, 10, 110, 210.
    EXPECT_EQ(dest.pixel(0, 0)[2], 90);
    EXPECT_EQ(dest.pixel(10, 0)[2], 0);
    EXPECT_EQ(dest.pixel(110, 0)[2], 0);
    EXPECT_EQ(dest.pixel(109, 0)[2], 99);
    EXPECT_EQ(dest.pixel(249, 4)[2], 39);
    EXPECT_EQ(dest.pixel(249, 4)[1], 1);  // rows: 0, 3, ... : row 4 is source row 1
    // An offset past a whole tile: no uncovered band on the left.
    Image narrow(20, 3);
    for (int x = 0; x < 20; ++x) narrow.setPixel(x, 0, static_cast<uint8_t>(x + 1), 0, 0);
    o.offsetX = 64;  // 64 - 20 = 44, then three more tiles to the left: -16
    ComposeMix(dest, narrow, MixPlacement{}, o);
    EXPECT_EQ(dest.pixel(0, 0)[2], 17);
    EXPECT_EQ(dest.pixel(4, 0)[2], 1);
    o.offsetX = -5;
    o.offsetY = 2;  // rows start at 2 - 3 = -1
    ComposeMix(dest, narrow, MixPlacement{}, o);
    EXPECT_EQ(dest.pixel(0, 2)[2], 6);
    EXPECT_EQ(dest.pixel(0, 1)[2], 0);
}

TEST(Mix, NothingForEmptyPlacementsOrSources) {
    const Image before = RandomImage(30, 20, 8);
    const Image src = RandomImage(9, 9, 9);
    MixOptions o;
    o.resize = MixResize::Zoom;
    o.zoom = 10;  // 9 x 10 div 100 - 1 = -1
    for (MixStyle style : {MixStyle::Copy, MixStyle::MaskedCopy, MixStyle::SmoothedEdges}) {
        o.style = style;
        Image work = before;
        const MixPlacement p = ComputeMixPlacement(o, 30, 20, 9, 9);
        EXPECT_EQ(p.Width, -1);
        EXPECT_EQ(ComposeMix(work, src, p, o), Rect{});
        EXPECT_TRUE(work == before);
        EXPECT_EQ(ComposeMix(work, src, MixPlacement{2, 2, 0, 5}, o), Rect{});
        EXPECT_EQ(ComposeMix(work, src, MixPlacement{40, 2, 10, 5}, o), Rect{});  // wholly outside
        EXPECT_EQ(ComposeMix(work, Image(), MixPlacement{0, 0, 30, 20}, o), Rect{});
        EXPECT_TRUE(work == before);
    }
    o.style = MixStyle::Tiles;
    Image work = before;
    EXPECT_EQ(ComposeMix(work, Image(), MixPlacement{}, o), Rect{});
    EXPECT_TRUE(work == before);
}

TEST(Mix, MirrorStaysOnTheSource) {
    const Image original = RandomImage(13, 7, 21);
    const Image work0 = RandomImage(40, 30, 22);
    MixOptions o;
    o.mirror = MixMirror::Horizontal;
    o.percent = 100;
    o.resize = MixResize::FitToImage;
    Image source = original, work = work0, before;
    RunMixPixels(work, before, source, o);
    EXPECT_EQ(source.pixel(0, 3)[1], original.pixel(12, 3)[1]);
    EXPECT_EQ(work.pixel(0, 0)[0], original.pixel(12, 0)[0]);
    // The second mix with the same choice shows the source as it first was.
    work = work0;
    RunMixPixels(work, before, source, o);
    EXPECT_TRUE(source == original);
    EXPECT_EQ(work.pixel(0, 0)[0], original.pixel(0, 0)[0]);
    o.mirror = MixMirror::Vertical;
    RunMixPixels(work, before, source, o);
    EXPECT_EQ(source.pixel(5, 0)[2], original.pixel(5, 6)[2]);
}

TEST(Mix, MoveRecomposesFromTheImageBeforeTheMix) {
    const Image work0 = RandomImage(50, 40, 31), src = RandomImage(10, 10, 32);
    MixOptions o;
    o.resize = MixResize::Zoom;
    Image work = work0, before, source = src;
    const MixPlacement first = RunMixPixels(work, before, source, o);
    EXPECT_EQ(first, (MixPlacement{20, 15, 9, 9}));
    MixPlacement moved = MoveMix(work, before, source, first, 7, -3, o);
    EXPECT_EQ(moved, (MixPlacement{27, 12, 9, 9}));
    Image expect = work0;
    ComposeMix(expect, source, moved, o);
    EXPECT_TRUE(work == expect);
    // Dragged off the image: only the picture as it was.
    moved = MoveMix(work, before, source, moved, 100, 0, o);
    EXPECT_TRUE(work == work0);
}

TEST(Mix, SmoothedEdgeMaskRings) {
    const Mask m = SmoothedEdgeMask(100, 80, 16, BlurShape::Rectangle);
    EXPECT_EQ(m.at(0, 40), 0);
    EXPECT_EQ(m.at(1, 40), 15);  // the outermost ring: 255 div 16
    EXPECT_EQ(m.at(2, 40), 31);
    EXPECT_EQ(m.at(16, 40), 255);
    EXPECT_EQ(m.at(50, 40), 255);
    EXPECT_EQ(m.at(98, 40), 15);
    EXPECT_EQ(m.at(99, 40), 0);  // the extra column past the placement stays black
    EXPECT_EQ(m.at(50, 79), 0);
    EXPECT_EQ(m.at(1, 1), 0);  // outside the rounded corner
    const Mask e = SmoothedEdgeMask(100, 80, 16, BlurShape::Ellipse);
    EXPECT_EQ(e.at(50, 40), 255);
    EXPECT_EQ(e.at(1, 40), 15);
    EXPECT_EQ(e.at(5, 5), 0);
    // Narrower than twice the margin: the rings that would be inverted are left out.
    const Mask narrow = SmoothedEdgeMask(11, 80, 16, BlurShape::Rectangle);
    int top = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 11; ++x) top = std::max(top, static_cast<int>(narrow.at(x, y)));
    EXPECT_EQ(top, 5 * 255 / 16);
    EXPECT_EQ(narrow.at(5, 40), 79);
}

TEST(Mix, SmoothedEdgesWeighByTheMask) {
    Image dest(100, 80), src(100, 80);
    dest.fill(200, 200, 200);
    MixOptions o;
    o.style = MixStyle::SmoothedEdges;
    o.percent = 10;  // not used by this style
    Image d = dest;
    EXPECT_EQ(ComposeMix(d, src, MixPlacement{0, 0, 100, 80}, o), (Rect{0, 0, 100, 80}));
    EXPECT_EQ(d.pixel(50, 40)[0], 1);    // a = 127: 1/128 of the picture stays
    EXPECT_EQ(d.pixel(1, 40)[0], 189);   // a = 7
    EXPECT_EQ(d.pixel(0, 40)[0], 200);   // a = 0
    // Hanging out on the left: the mask follows the part inside the image.
    d = dest;
    EXPECT_EQ(ComposeMix(d, src, MixPlacement{-50, 0, 100, 60}, o), (Rect{0, 0, 51, 61}));
    EXPECT_EQ(d.pixel(0, 30)[0], 200);
    EXPECT_EQ(d.pixel(1, 30)[0], 189);
    EXPECT_EQ(d.pixel(51, 30)[0], 200);
    // The column and row past an inner placement are in the mask but black there.
    d = dest;
    EXPECT_EQ(ComposeMix(d, src, MixPlacement{10, 10, 40, 30}, o), (Rect{10, 10, 51, 41}));
    EXPECT_EQ(d.pixel(50, 25)[0], 200);
    EXPECT_EQ(d.pixel(49, 25)[0], 189);
}
