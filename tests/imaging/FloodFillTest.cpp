// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill: its refusals and edge cases, and the filled region against the literal
// queue-driven fill on photos and random pictures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "PaintReference.h"
#include "imaging/FloodFill.h"

using namespace lum;

namespace {

const Colour kYellow = MakeColour(253, 233, 115);

Image Uniform(int w, int h, int r, int g, int b) {
    Image img(w, h);
    img.fill(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
    return img;
}

// Bounding box of the differing pixels, right and bottom exclusive; zero when none differ.
Rect DiffBox(const Image& a, const Image& b, int64_t* count = nullptr) {
    int l = a.width(), t = a.height(), r = -1, bt = -1;
    int64_t n = 0;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.row(y), b.row(y), 3 * static_cast<size_t>(a.width())) == 0) continue;
        for (int x = 0; x < a.width(); ++x)
            if (std::memcmp(a.pixel(x, y), b.pixel(x, y), 3) != 0) {
                l = std::min(l, x), t = std::min(t, y), r = std::max(r, x), bt = std::max(bt, y);
                ++n;
            }
    }
    if (count) *count = n;
    return r < 0 ? Rect{} : Rect{l, t, r + 1, bt + 1};
}

TEST(FloodFill, UniformImageIsFilledEverywhere) {
    Image img = Uniform(37, 23, 40, 80, 120);
    const FillOutcome o = FloodFill(img, 5, 20, 8, kYellow);
    EXPECT_EQ(o.Status, FillStatus::Filled);
    EXPECT_EQ(o.FilledPixels, 37 * 23);
    EXPECT_EQ(o.Changed, (Rect{0, 0, 37, 23}));
    EXPECT_FALSE(o.Stopped);
    EXPECT_EQ(img, Uniform(37, 23, 253, 233, 115));
}

TEST(FloodFill, FillColourInsideTheWindowIsRefused) {
    const std::string message = kFillTooCloseMessage;
    EXPECT_EQ(message, "The colour you clicked is too close to the fill colour.\nLower the fill threshold (T) and try again.");

    Image img = Uniform(6, 6, 100, 100, 100);
    const Image before = img;
    const FillOutcome refused = FloodFill(img, 2, 2, 8, MakeColour(108, 92, 100));
    EXPECT_EQ(refused.Status, FillStatus::TooClose);
    EXPECT_EQ(refused.FilledPixels, 0);
    EXPECT_EQ(img, before);

    const FillOutcome filled = FloodFill(img, 2, 2, 8, MakeColour(109, 100, 100));
    EXPECT_EQ(filled.Status, FillStatus::Filled);
    EXPECT_EQ(img, Uniform(6, 6, 109, 100, 100));
}

TEST(FloodFill, ClickOnTheFillColourIsAlwaysRefusedAsAlreadyFilled) {
    EXPECT_EQ(std::string(kFillAlreadyMessage), "This area already has the fill colour.");
    for (int t : {0, 1, 8, 36}) {
        Image img = ref::RandomImage(9, 9, 4);
        img.setPixel(4, 4, 253, 233, 115);
        const Image before = img;
        EXPECT_EQ(FloodFill(img, 4, 4, t, kYellow).Status, FillStatus::AlreadyFilled) << t;
        EXPECT_EQ(img, before);
        // One step off the fill colour in any channel is the threshold's case, not this one.
        img.setPixel(4, 4, 253, 233, 114);
        EXPECT_EQ(FloodFill(img, 4, 4, t, kYellow).Status, t == 0 ? FillStatus::Filled : FillStatus::TooClose) << t;
    }
}

TEST(FloodFill, MatchWindowIsClippedAtBothEnds) {
    // Row 0 holds the seed colour (250, 5, 0); below each seed pixel one candidate, reached
    // only through the pixel above it.
    const Rgb candidates[] = {{242, 13, 8}, {255, 0, 0}, {241, 5, 0}, {250, 14, 0},
                              {250, 5, 9},  {255, 13, 8}, {242, 0, 0}};
    const bool inside[] = {true, true, false, false, false, true, true};
    const int n = 7;
    Image img(2 * n, 2);
    img.fill(0, 0, 255);
    for (int i = 0; i < n; ++i) {
        img.setPixel(2 * i, 0, 250, 5, 0);
        img.setPixel(2 * i + 1, 0, 250, 5, 0);
        img.setPixel(2 * i, 1, static_cast<uint8_t>(candidates[i].R), static_cast<uint8_t>(candidates[i].G),
                     static_cast<uint8_t>(candidates[i].B));
    }
    const FillOutcome o = FloodFill(img, 0, 0, 8, MakeColour(0, 0, 0));
    EXPECT_EQ(o.Status, FillStatus::Filled);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(ref::GetPixel(img, 2 * i, 1) == MakeColour(0, 0, 0), inside[i]) << i;
}

TEST(FloodFill, DiagonalNeighboursAreNotConnected) {
    Image img = Uniform(10, 10, 200, 200, 200);
    for (int i = 0; i < 10; ++i) img.setPixel(i, i, 50, 50, 50);
    const FillOutcome o = FloodFill(img, 4, 4, 8, kYellow);
    EXPECT_EQ(o.FilledPixels, 1);
    EXPECT_EQ(o.Changed, (Rect{4, 4, 5, 5}));
    EXPECT_EQ(ref::GetPixel(img, 4, 4), kYellow);
    EXPECT_EQ(ref::GetPixel(img, 5, 5), MakeColour(50, 50, 50));
    EXPECT_EQ(ref::GetPixel(img, 3, 3), MakeColour(50, 50, 50));
}

TEST(FloodFill, SeedsOutsideTheImageAreIgnored) {
    Image img = Uniform(8, 5, 10, 10, 10);
    const Image before = img;
    const int seeds[][2] = {{-1, 0}, {0, -1}, {8, 0}, {0, 5}, {-2147483647 - 1, 2147483647}};
    for (const auto& s : seeds) {
        const FillOutcome o = FloodFill(img, s[0], s[1], 8, kYellow);
        EXPECT_EQ(o.Status, FillStatus::Ignored);
        EXPECT_EQ(o.FilledPixels, 0);
    }
    EXPECT_EQ(img, before);
    Image empty;
    EXPECT_EQ(FloodFill(empty, 0, 0, 8, kYellow).Status, FillStatus::Ignored);
}

TEST(FloodFill, NegativeThresholdMatchesNothing) {
    Image img = Uniform(4, 4, 10, 10, 10);
    const FillOutcome o = FloodFill(img, 1, 1, -1, kYellow);
    EXPECT_EQ(o.Status, FillStatus::Filled);
    EXPECT_EQ(o.FilledPixels, 0);
    EXPECT_EQ(img, Uniform(4, 4, 10, 10, 10));
}

// Runs the fast and the literal fill from the same start and compares everything.
void CompareFill(const Image& start, int x, int y, int t, Colour c, const std::string& what) {
    Image fast = start, slow = start;
    int64_t slowCount = 0;
    const FillOutcome o = FloodFill(fast, x, y, t, c);
    const ref::FillResult r = ref::FloodFill(slow, x, y, t, c, &slowCount);
    // The plain fill knows one refusal; the clicked pixel in the fill colour is its own case here.
    const bool onFillColour = x >= 0 && y >= 0 && x < start.width() && y < start.height() &&
                              ref::GetPixel(start, x, y) == c;
    EXPECT_EQ(o.Status == FillStatus::AlreadyFilled, onFillColour) << what;
    const FillStatus ours = o.Status == FillStatus::AlreadyFilled ? FillStatus::TooClose : o.Status;
    ASSERT_EQ(static_cast<int>(ours), static_cast<int>(r)) << what;
    ASSERT_EQ(fast, slow) << what;
    EXPECT_EQ(o.FilledPixels, r == ref::FillResult::Filled ? slowCount : 0) << what;
    EXPECT_EQ(o.Changed, DiffBox(start, slow)) << what;
}

void CompareFills(const Image& start, const std::string& name) {
    const Colour colours[] = {kYellow, MakeColour(0, 0, 0), MakeColour(128, 128, 128)};
    const int W = start.width(), H = start.height();
    for (int gy = 0; gy < 3; ++gy)
        for (int gx = 0; gx < 3; ++gx) {
            const int x = (2 * gx + 1) * W / 6, y = (2 * gy + 1) * H / 6;
            for (int t : {1, 8, 36})
                for (Colour c : colours)
                    CompareFill(start, x, y, t, c,
                                name + " at " + std::to_string(x) + "," + std::to_string(y) + " t " + std::to_string(t) +
                                    " colour " + std::to_string(c));
        }
    CompareFill(start, 0, 0, 12, kYellow, name + " corner");
    CompareFill(start, W - 1, H - 1, 12, kYellow, name + " far corner");
}

TEST(FloodFillReference, Photos) {
    for (const std::string& name : ref::PhotoNames()) CompareFills(ref::Photo(name), name);
}

// Few channel levels, so matching regions are mazes with holes, bays and diagonal touches.
Image Maze(int w, int h, uint32_t seed, int spread) {
    Image img = ref::RandomImage(w, h, seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = img.pixel(x, y);
            for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(100 + (p[c] % 3) * spread);
        }
    return img;
}

TEST(FloodFillReference, RandomPictures) {
    CompareFills(Maze(97, 71, 1, 4), "maze 97 x 71");
    CompareFills(Maze(64, 64, 2, 3), "maze 64 x 64");
    CompareFills(Maze(1, 50, 3, 4), "column");
    CompareFills(Maze(50, 1, 4, 4), "row");
    CompareFills(ref::RandomImage(40, 30, 5), "noise");
}

TEST(FloodFillProgress, TicksDuringALongFillWithoutChangingTheResult) {
    const Image start = Maze(300, 200, 9, 4);
    Image fast = start, slow = start;
    int ticks = 0;
    FillProgress progress;
    progress.IntervalMs = 0;
    progress.Tick = [&] { return ++ticks > 0; };
    const FillOutcome o = FloodFill(fast, 150, 100, 8, kYellow, progress);
    ref::FloodFill(slow, 150, 100, 8, kYellow);
    EXPECT_EQ(fast, slow);
    EXPECT_FALSE(o.Stopped);
    EXPECT_GT(o.FilledPixels, 30000);
    EXPECT_GT(ticks, 0);
}

TEST(FloodFillProgress, StoppingKeepsPartOfTheRegion) {
    const Image start = Uniform(400, 300, 60, 60, 60);
    Image img = start;
    FillProgress progress;
    progress.IntervalMs = 0;
    progress.Tick = [] { return false; };
    const FillOutcome o = FloodFill(img, 200, 150, 8, kYellow, progress);
    EXPECT_TRUE(o.Stopped);
    EXPECT_EQ(o.Status, FillStatus::Filled);
    int64_t changed = 0;
    EXPECT_EQ(o.Changed, DiffBox(start, img, &changed));
    EXPECT_EQ(o.FilledPixels, changed);
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, 400 * 300);
}

}  // namespace
