// SPDX-License-Identifier: GPL-3.0-or-later
// Selections: from the view to the rectangle and mask, the free-shape point limit, lifting,
// erase and the grab/move/duplicate steps against literal step-by-step references, and
// confined passes against the plain per-pixel selection test.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "../image/ImageTestSupport.h"
#include "imaging/Selection.h"

using namespace lum;
using imagetest::FirstDifference;

namespace {

Image RandomImage(int w, int h, uint32_t seed) {
    std::mt19937 rng(seed);
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()));
    return img;
}

void SetColour(Image& img, int x, int y, Colour c) {
    img.setPixel(x, y, static_cast<uint8_t>(ColourR(c)), static_cast<uint8_t>(ColourG(c)), static_cast<uint8_t>(ColourB(c)));
}

bool IsColour(const Image& img, int x, int y, Colour c) {
    const uint8_t* p = img.pixel(x, y);
    return p[2] == ColourR(c) && p[1] == ColourG(c) && p[0] == ColourB(c);
}

// The selected test written out for each kind, in image pixels: inside the rectangle, and for an
// ellipse the pixel centre strictly inside the ellipse through the rectangle's sides.
bool LiterallySelected(const Selection& s, int x, int y) {
    if (!s.active()) return true;
    const Rect& r = s.rect;
    if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) return false;
    const int64_t w = r.width(), h = r.height();
    switch (s.kind) {
        case SelectionKind::Rectangle:
            return true;
        case SelectionKind::Ellipse: {
            const int64_t dx = 2 * (x - r.Left) + 1 - w, dy = 2 * (y - r.Top) + 1 - h;
            return dx * dx * h * h + dy * dy * w * w < w * w * h * h;
        }
        default:
            return s.mask.at(x - r.Left, y - r.Top) != 0;
    }
}

// Erase as the command reads: every selected pixel of the image (all without a selection)
// takes the colour.
Image LiteralErase(Image img, const Selection& s, Colour c) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (LiterallySelected(s, x, y)) SetColour(img, x, y, c);
    return img;
}

std::vector<Selection> SampleSelections(int w, int h) {
    std::vector<Selection> v;
    v.push_back(Selection());
    v.push_back(MakeBoxSelection(SelectionKind::Rectangle, Rect{3, 4, 20, 11}));
    v.push_back(MakeBoxSelection(SelectionKind::Rectangle, Rect{-5, -3, 7, 6}));            // over the top-left
    v.push_back(MakeBoxSelection(SelectionKind::Ellipse, Rect{w - 10, h - 7, w + 9, h + 12}));  // over the bottom-right
    v.push_back(MakeBoxSelection(SelectionKind::Ellipse, Rect{2, 1, 31, 19}));
    v.push_back(MakeBoxSelection(SelectionKind::Ellipse, Rect{w + 2, 0, w + 20, 9}));       // wholly outside
    v.push_back(MakeSelection(SelectionKind::FreeShape, Rect{5, 2, 36, 27},
                              {{0, 0}, {30, 4}, {12, 24}, {22, 9}, {3, 20}, {0, 0}}));
    return v;
}

}  // namespace

TEST(SelectionFromView, RectangleAtHalfZoomAndAnUpLeftDrag) {
    Selection s = BoxSelectionFromView(SelectionKind::Rectangle, Point{10, 10}, DragCorner(Point{10, 10}, Point{60, 40}), 50);
    EXPECT_EQ(s.kind, SelectionKind::Rectangle);
    EXPECT_EQ(s.rect, (Rect{20, 20, 120, 80}));
    EXPECT_EQ(s.points, (std::vector<Point>{{0, 0}, {100, 60}}));
    EXPECT_EQ(s.mask, Mask(100, 60, 255));

    // Dragged up and to the left: 4 x 4 view pixels at the press point.
    const Point corner = DragCorner(Point{50, 70}, Point{10, 20});
    EXPECT_EQ(corner, (Point{54, 74}));
    s = BoxSelectionFromView(SelectionKind::Ellipse, Point{50, 70}, corner, 100);
    EXPECT_EQ(s.rect, (Rect{50, 70, 54, 74}));
    EXPECT_EQ(s.mask.width(), 4);
    // Only right or only down: the other axis still gets its 4 pixels.
    EXPECT_EQ(DragCorner(Point{5, 5}, Point{30, 6}), (Point{30, 9}));

    // At 800 % four view pixels are half an image pixel: nothing to select.
    s = BoxSelectionFromView(SelectionKind::Rectangle, Point{50, 50}, Point{54, 54}, 800);
    EXPECT_FALSE(s.active());
    // Truncation toward zero at 33 %.
    s = BoxSelectionFromView(SelectionKind::Rectangle, Point{10, 1}, Point{20, 5}, 33);
    EXPECT_EQ(s.rect, (Rect{30, 3, 60, 15}));
}

TEST(SelectionFromView, EllipseMaskIsInscribedInTheRectangle) {
    const Selection s = MakeBoxSelection(SelectionKind::Ellipse, Rect{7, 9, 40, 30});
    ASSERT_EQ(s.mask.width(), 33);
    ASSERT_EQ(s.mask.height(), 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 33; ++x) EXPECT_EQ(s.contains(x + 7, y + 9), LiterallySelected(s, x + 7, y + 9));
    EXPECT_TRUE(s.contains(7, 19));   // middle row touches both sides
    EXPECT_TRUE(s.contains(39, 19));
    EXPECT_FALSE(s.contains(7, 9));   // corner
    EXPECT_FALSE(s.contains(40, 19));
}

TEST(FreeShape, PointsPastTheLimitOverwriteTheLastSlot) {
    FreeShapePoints pts;
    pts.press(Point{0, 0});
    EXPECT_FALSE(pts.move(Point{0, 0}));  // the press point again: nothing
    for (int i = 1; i <= 5000; ++i) {
        EXPECT_TRUE(pts.move(Point{i % 700, i / 700 + 1}));
        EXPECT_FALSE(pts.move(Point{i % 700, i / 700 + 1}));
    }
    ASSERT_EQ(pts.high(), 4096);
    EXPECT_EQ(pts.points()[0], (Point{0, 0}));
    EXPECT_EQ(pts.points()[4095], (Point{4095 % 700, 4095 / 700 + 1}));
    EXPECT_EQ(pts.points()[4096], (Point{5000 % 700, 5000 / 700 + 1}));
    pts.release();
    ASSERT_EQ(pts.high(), 4096);
    EXPECT_EQ(pts.points()[4096], (Point{0, 0}));
    EXPECT_EQ(pts.points()[4095], (Point{4095 % 700, 4095 / 700 + 1}));

    // Below the limit the release adds the closing point.
    FreeShapePoints few;
    few.press(Point{3, 3});
    few.move(Point{9, 3});
    few.move(Point{9, 8});
    few.release();
    EXPECT_EQ(few.points(), (std::vector<Point>{{3, 3}, {9, 3}, {9, 8}, {3, 3}}));
}

TEST(FreeShape, RectangleTakesTheLastColumnAndRow) {
    // A one-column shape still selects its column.
    Selection s = FreeSelectionFromView({{20, 10}, {20, 30}, {20, 10}}, 100);
    EXPECT_EQ(s.rect, (Rect{20, 10, 21, 31}));
    EXPECT_EQ(s.mask, Mask(1, 21, 255));

    // At 200 % view pixels 41 and 40 are both image pixel 20.
    s = FreeSelectionFromView({{41, 10}, {81, 10}, {61, 50}, {41, 10}}, 200);
    EXPECT_EQ(s.rect, (Rect{20, 5, 41, 26}));
    EXPECT_EQ(s.points, (std::vector<Point>{{0, 0}, {20, 0}, {10, 20}, {0, 0}}));
    EXPECT_TRUE(s.contains(20, 5));
    EXPECT_TRUE(s.contains(40, 5));
    EXPECT_TRUE(s.contains(30, 25));
    EXPECT_TRUE(s.contains(30, 10));
    EXPECT_FALSE(s.contains(21, 20));

    // A view wider than 9999 pixels keeps its true left edge.
    s = FreeSelectionFromView({{12000, 50}, {12010, 50}, {12005, 60}, {12000, 50}}, 800);
    EXPECT_EQ(s.rect, (Rect{1500, 6, 1502, 8}));
}

TEST(FreeShape, OutlineOnTheViewFollowsTheZoom) {
    const Selection s = MakeSelection(SelectionKind::FreeShape, Rect{10, 20, 31, 41}, {{0, 0}, {20, 5}, {3, 20}, {0, 0}});
    EXPECT_EQ(OutlineViewPoints(s, 50), (std::vector<Point>{{5, 10}, {15, 12}, {6, 20}, {5, 10}}));
    EXPECT_TRUE(OutlineViewPoints(Selection(), 100).empty());
}

TEST(Erase, FillsTheShapeOrTheWholeImage) {
    const int W = 40, H = 30;
    const Colour white = MakeColour(255, 255, 255), panel = MakeColour(12, 200, 99);
    for (const Selection& s : SampleSelections(W, H))
        for (Colour c : {white, panel}) {
            const Image src = RandomImage(W, H, 17);
            Image img = src;
            EraseSelection(img, s.Where(), c);
            const Image expect = LiteralErase(src, s, c);
            EXPECT_TRUE(img == expect) << "kind " << static_cast<int>(s.kind) << ": " << FirstDifference(img, expect);
        }
    Image img = RandomImage(W, H, 2);
    EraseSelection(img, Confinement(), white);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) ASSERT_TRUE(IsColour(img, x, y, white));
}

TEST(Lift, PieceHoldsTheSelectedPixelsAndTheBackgroundElsewhere) {
    const Colour bg = MakeColour(1, 2, 3);
    const Image work = RandomImage(40, 30, 9);
    for (const Selection& s : SampleSelections(40, 30)) {
        const Image piece = LiftSelectionImage(work, s.Where(), bg);
        if (!s.active()) {
            EXPECT_TRUE(piece.empty());
            continue;
        }
        ASSERT_EQ(piece.width(), s.rect.width());
        ASSERT_EQ(piece.height(), s.rect.height());
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x) {
                const int ix = x + s.rect.Left, iy = y + s.rect.Top;
                const bool inImage = ix >= 0 && iy >= 0 && ix < 40 && iy < 30;
                if (inImage && LiterallySelected(s, ix, iy))
                    ASSERT_EQ(0, std::memcmp(piece.pixel(x, y), work.pixel(ix, iy), 3)) << x << "," << y;
                else
                    ASSERT_TRUE(IsColour(piece, x, y, bg)) << x << "," << y;
            }
    }
}

namespace {

// The floating piece, step by step as the handlers read, with plain pixel loops.
struct LiteralFloat {
    Image work, buffer, piece;
    Rect rect;
    Colour bg;

    void restoreRect() {
        for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, work.height()); ++y)
            for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, work.width()); ++x)
                std::memcpy(work.pixel(x, y), buffer.pixel(x, y), 3);
    }
    void move(int dx, int dy) {
        restoreRect();
        rect = Rect{rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x) {
                const int wx = rect.Left + x, wy = rect.Top + y;
                if (wx < 0 || wy < 0 || wx >= work.width() || wy >= work.height()) continue;
                if (IsColour(piece, x, y, bg)) continue;
                std::memcpy(work.pixel(wx, wy), piece.pixel(x, y), 3);
            }
    }
};

}  // namespace

TEST(FloatingPiece, EraseDuplicateAndMoveFollowTheSteps) {
    const Colour bg = MakeColour(250, 250, 250);
    for (const Selection& sel : SampleSelections(40, 30)) {
        if (!sel.active()) continue;
        for (bool erase : {false, true})
            for (bool duplicate : {false, true}) {
                Image work = RandomImage(40, 30, 33);
                // A selected pixel that has the background colour is transparent when drawn.
                SetColour(work, 10, 8, bg);
                Image buffer;
                Rect rect = sel.rect;
                const Image piece = LiftSelectionImage(work, sel.Where(), bg);

                LiteralFloat lit{work, Image(), piece, sel.rect, bg};
                if (erase) lit.work = LiteralErase(lit.work, sel, bg);
                lit.buffer = lit.work;

                FirstGrab(work, buffer, sel.Where(), erase, bg);
                ASSERT_TRUE(work == lit.work);
                const std::vector<std::pair<int, int>> drags[] = {{{7, 3}, {-2, 5}}, {{-15, -9}}, {{4, 4}, {30, 0}}};
                for (const auto& drag : drags) {
                    for (auto [dx, dy] : drag) {
                        const Rect old = rect;
                        const Rect repaint = MovePiece(work, buffer, piece, rect, dx, dy, bg);
                        lit.move(dx, dy);
                        ASSERT_TRUE(work == lit.work) << FirstDifference(work, lit.work);
                        ASSERT_EQ(rect, lit.rect);
                        Rect both{std::max(std::min(old.Left, rect.Left), 0), std::max(std::min(old.Top, rect.Top), 0),
                                  std::min(std::max(old.Right, rect.Right), 40),
                                  std::min(std::max(old.Bottom, rect.Bottom), 30)};
                        if (both.Right <= both.Left || both.Bottom <= both.Top) both = Rect{};
                        EXPECT_EQ(repaint, both);
                    }
                    // Release, then the next grab.
                    LaterGrab(work, buffer, rect, duplicate);
                    if (!duplicate) lit.restoreRect();
                    lit.buffer = lit.work;
                    ASSERT_TRUE(work == lit.work);
                    ASSERT_TRUE(buffer == work);
                }
            }
    }
}

TEST(FloatingPiece, CopyMovesUnlessEraseAndDuplicateLeavesCopies) {
    const Colour bg = MakeColour(255, 255, 255);
    Image base(30, 10);
    base.fill(0, 0, 0);
    for (int x = 0; x < 4; ++x) base.setPixel(x, 0, 9, 9, 9);  // the piece: 4 grey pixels
    const Selection sel = MakeBoxSelection(SelectionKind::Rectangle, Rect{0, 0, 4, 1});
    const Image piece = LiftSelectionImage(base, sel.Where(), bg);
    auto grey = [](const Image& img, int x) { return img.pixel(x, 0)[2] == 9; };

    for (bool erase : {false, true}) {
        Image work = base, buffer;
        Rect rect = sel.rect;
        FirstGrab(work, buffer, sel.Where(), erase, bg);
        MovePiece(work, buffer, piece, rect, 10, 0, bg);
        EXPECT_EQ(grey(work, 0), !erase);  // unchecked: the first drag leaves the pixels in place too
        EXPECT_EQ(IsColour(work, 0, 0, bg), erase);
        EXPECT_TRUE(grey(work, 10) && grey(work, 13));
        // Duplicate checked: the next grab leaves a copy at 10.
        LaterGrab(work, buffer, rect, true);
        MovePiece(work, buffer, piece, rect, 10, 0, bg);
        EXPECT_TRUE(grey(work, 10) && grey(work, 20));
        // Unchecked: the piece leaves 20.
        LaterGrab(work, buffer, rect, false);
        MovePiece(work, buffer, piece, rect, 5, 0, bg);
        EXPECT_FALSE(grey(work, 20));
        EXPECT_TRUE(grey(work, 10) && grey(work, 25));
    }
}

namespace {

// A confined pass as written for the per-pixel test: the selection rectangle clamped to the
// image with inclusive bounds, and each pixel changed only where the selection holds it.
template <class F>
void LiteralConfinedPass(Image& img, const Selection& s, F change) {
    int l = 0, t = 0, r = img.width() - 1, b = img.height() - 1;
    if (s.active()) {
        l = std::max(s.rect.Left, 0);
        t = std::max(s.rect.Top, 0);
        r = std::min(s.rect.Right, img.width() - 1);
        b = std::min(s.rect.Bottom, img.height() - 1);
    }
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) {
            if (s.active()) {
                const int mx = x - s.rect.Left, my = y - s.rect.Top;
                if (mx < 0 || my < 0 || mx >= s.mask.width() || my >= s.mask.height() || !s.mask.at(mx, my)) continue;
            }
            change(img.pixel(x, y));
        }
}

}  // namespace

TEST(Confinement, RunsAndMaskRowsMatchThePerPixelTest) {
    auto change = [](uint8_t* p) {
        p[0] = static_cast<uint8_t>(255 - p[0]);
        p[1] = static_cast<uint8_t>(p[1] / 2 + p[2] / 3);
    };
    for (const Selection& s : SampleSelections(40, 30)) {
        const Image src = RandomImage(40, 30, 4);
        Image expect = src;
        LiteralConfinedPass(expect, s, change);

        const Confinement area = s.Where();
        const Rect clip = area.Clip(40, 30);
        Image byRuns = src, byRows = src;
        for (int y = clip.Top; y < clip.Bottom; ++y) {
            area.ForEachRun(clip, y, [&](int x0, int x1) {
                for (int x = x0; x < x1; ++x) change(byRuns.pixel(x, y));
            });
            const uint8_t* m = area.MaskAt(clip.Left, y);
            for (int x = clip.Left; x < clip.Right; ++x)
                if (area.IsWhole() || m[x - clip.Left]) change(byRows.pixel(x, y));
        }
        EXPECT_TRUE(byRuns == expect) << "kind " << static_cast<int>(s.kind) << ": " << FirstDifference(byRuns, expect);
        EXPECT_TRUE(byRows == expect) << "kind " << static_cast<int>(s.kind);
        for (int y = -2; y < 33; ++y)
            for (int x = -2; x < 43; ++x) {
                const bool inImage = x >= 0 && y >= 0 && x < 40 && y < 30;
                const bool inClip = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
                ASSERT_EQ(inClip && area.Contains(x, y), inImage && s.contains(x, y)) << x << "," << y;
            }
    }
}

TEST(Confinement, ClipIsTheSelectionClippedToTheImage) {
    EXPECT_EQ(Confinement().Clip(40, 30), (Rect{0, 0, 40, 30}));
    const Selection over = MakeBoxSelection(SelectionKind::Rectangle, Rect{-5, 20, 12, 50});
    const Confinement a = over.Where();
    EXPECT_EQ(a.Clip(40, 30), (Rect{0, 20, 12, 30}));
    EXPECT_FALSE(a.IsWhole());
    const Selection outside = MakeBoxSelection(SelectionKind::Ellipse, Rect{50, 0, 60, 10});
    const Rect none = outside.Where().Clip(40, 30);
    EXPECT_TRUE(Confinement::Empty(none));
    int runs = 0;
    outside.Where().ForEachRun(none, 5, [&](int, int) { ++runs; });
    EXPECT_EQ(runs, 0);
    // A piece lifted from a selection wholly outside is all background.
    const Image piece = LiftSelectionImage(RandomImage(40, 30, 1), outside.Where(), MakeColour(1, 2, 3));
    ASSERT_EQ(piece.width(), 10);
    EXPECT_TRUE(IsColour(piece, 4, 4, MakeColour(1, 2, 3)));
}

TEST(SelectionValue, EmptyOrHugeRectanglesAreNoSelection) {
    EXPECT_FALSE(MakeBoxSelection(SelectionKind::Rectangle, Rect{5, 5, 5, 9}).active());
    EXPECT_FALSE(MakeBoxSelection(SelectionKind::Ellipse, Rect{5, 9, 8, 2}).active());
    EXPECT_FALSE(MakeSelection(SelectionKind::None, Rect{0, 0, 4, 4}, {}).active());
    EXPECT_THROW(MakeBoxSelection(SelectionKind::Rectangle, Rect{-2000000000, 0, 2000000000, 5}), ImageTooLarge);
    EXPECT_TRUE(Selection().contains(-100, 7));
}
