// SPDX-License-Identifier: GPL-3.0-or-later
// Text stamp layout through a fake canvas: the text rectangle, line positions, shadow copies,
// outline neighbours and the order of drawing; the stamp's source and mix options.
#include <gtest/gtest.h>

#include "ComposeTestSupport.h"
#include "imaging/TextStamp.h"

using namespace lum;

namespace {

// Every character is charWidth wide; "A" is lineHeight tall.
class FakeCanvas : public TextCanvas {
public:
    int charWidth = 10, lineHeight = 16;
    std::vector<Colour> fills;
    std::vector<std::string> order;  // "fill" or the text drawn
    std::vector<TextStampCopy> draws;
    std::vector<std::string> drawnTexts;

    int textWidth(const std::string& text) override { return charWidth * static_cast<int>(text.size()); }
    int textHeight(const std::string& text) override {
        EXPECT_EQ(text, "A");
        return lineHeight;
    }
    void fill(Colour colour) override {
        fills.push_back(colour);
        order.push_back("fill");
    }
    void drawText(int x, int y, const std::string& text, Colour colour) override {
        draws.push_back({0, x, y, colour});
        drawnTexts.push_back(text);
        order.push_back(text);
    }
};

TextStampOptions Plain() {
    TextStampOptions o;
    o.shadow = ShadowStyle::None;
    o.outline = false;
    o.offsetX = o.offsetY = 0;
    return o;
}

Colour Grey(int g) { return MakeColour(g, g, g); }

}  // namespace

TEST(TextStamp, RectangleWithTheDefaultOffsets) {
    FakeCanvas canvas;
    TextStampOptions o;  // "Title" (50 wide), "Example" (70 wide); offsets (4, -4)
    const TextStampLayout lay = LayoutTextStamp(canvas, 300, 200, o);
    ASSERT_EQ(lay.lines.size(), 2u);
    EXPECT_EQ(lay.lineHeight, 16);
    // y0 = (200 - 2 x 16) div 2 = 84; lines centred by their widths.
    EXPECT_EQ(lay.lines[0].x, 125);
    EXPECT_EQ(lay.lines[0].y, 84);
    EXPECT_EQ(lay.lines[1].x, 115);
    EXPECT_EQ(lay.lines[1].y, 100);
    // The wider line sets both sides; 4 more on the right for the shadow, and 4 at the bottom.
    EXPECT_EQ(lay.textRect, (Rect{115, 84, 189, 120}));
}

TEST(TextStamp, RectangleFollowsTheOffsetSigns) {
    FakeCanvas canvas;
    TextStampOptions o;
    o.offsetX = -3;
    o.offsetY = 6;  // up: the rectangle grows at the top
    EXPECT_EQ(LayoutTextStamp(canvas, 300, 200, o).textRect, (Rect{112, 78, 185, 116}));
    o.offsetX = 0;
    o.offsetY = 0;
    EXPECT_EQ(LayoutTextStamp(canvas, 300, 200, o).textRect, (Rect{115, 84, 185, 116}));
    // Text narrower than the initial 8 pixels leaves the rectangle as it starts.
    canvas.charWidth = 6;
    o.lines = {"i"};
    const TextStampLayout one = LayoutTextStamp(canvas, 300, 200, o);
    EXPECT_EQ(one.lines[0].x, 147);
    EXPECT_EQ(one.textRect, (Rect{146, 92, 154, 108}));
}

TEST(TextStamp, ThreeLinesAreCentredButTwoDrawn) {
    FakeCanvas canvas;
    TextStampOptions o = Plain();
    o.lines = {"one", "two", "three"};
    const TextStampLayout lay = PaintTextStamp(canvas, 300, 200, o);
    ASSERT_EQ(lay.lines.size(), 2u);
    EXPECT_EQ(lay.lines[0].y, 76);  // (200 - 48) div 2
    EXPECT_EQ(lay.textRect.Bottom, 76 + 32);
    EXPECT_EQ(canvas.drawnTexts, (std::vector<std::string>{"one", "two"}));
    // No lines: nothing drawn, the rectangle one line tall around the middle.
    o.lines.clear();
    FakeCanvas empty;
    EXPECT_EQ(PaintTextStamp(empty, 300, 200, o).textRect, (Rect{146, 100, 154, 116}));
    EXPECT_TRUE(empty.draws.empty());
}

TEST(TextStamp, SecondLineALittleWiderIsNotCutWhenTheShadowReachesLeft) {
    FakeCanvas canvas;
    canvas.charWidth = 1;
    TextStampOptions o;
    o.offsetX = -4;
    o.lines = {std::string(50, 'a'), std::string(56, 'b')};  // starts 125 and 122
    const TextStampLayout lay = LayoutTextStamp(canvas, 300, 200, o);
    EXPECT_EQ(lay.textRect.Left, 118);
    EXPECT_EQ(lay.textRect.Right, 178);
}

TEST(TextStamp, StandardShadowThenTextWithOutlines) {
    FakeCanvas canvas;
    TextStampOptions o;
    o.shadow = ShadowStyle::Standard;
    o.lines = {"Hi"};
    o.shadowColour = Grey(60);
    const TextStampLayout lay = PaintTextStamp(canvas, 100, 50, o);
    const int x = lay.lines[0].x, y = lay.lines[0].y;
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 17);
    const Colour fg = o.textColour, ol = o.outlineColour, sh = Grey(60);
    // The shadow 4 right and 4 below (a y offset of -4), with its four diagonal neighbours.
    const std::vector<TextStampCopy> expect = {
        {0, 44, 21, sh}, {0, 43, 22, sh}, {0, 45, 22, sh}, {0, 43, 20, sh}, {0, 45, 20, sh},
        {0, 39, 18, ol}, {0, 41, 18, ol}, {0, 39, 16, ol}, {0, 41, 16, ol}, {0, 40, 17, fg}};
    EXPECT_EQ(canvas.draws, expect);
    EXPECT_EQ(canvas.order.front(), "fill");
    EXPECT_EQ(canvas.fills, (std::vector<Colour>{MakeColour(255, 255, 255)}));
    EXPECT_EQ(TextStampCopies(lay, o).size(), expect.size());
}

TEST(TextStamp, ShadowPassCoversEveryLineBeforeTheText) {
    FakeCanvas canvas;
    TextStampOptions o;
    o.shadow = ShadowStyle::Standard;
    o.outline = false;
    o.lines = {"ab", "cd"};
    PaintTextStamp(canvas, 100, 50, o);
    EXPECT_EQ(canvas.order, (std::vector<std::string>{"fill", "ab", "cd", "ab", "cd"}));
    EXPECT_EQ(canvas.draws[0].colour, o.shadowColour);
    EXPECT_EQ(canvas.draws[1].colour, o.shadowColour);
    EXPECT_EQ(canvas.draws[3].colour, o.textColour);
}

TEST(TextStamp, GradientShadowCopies) {
    TextStampOptions o;
    o.offsetX = 2;
    o.offsetY = 1;
    o.lines = {"x"};
    TextStampLayout lay;
    lay.lines = {{"x", 100, 50, 10}};
    // n = 4 (the minimum): offsets (2, -1), (1, 0), (1, 0), (0, 0), farthest first; greys
    // 128 + Trunc(31.75 k), each copy followed by its (+1, +1) and (+1, -1) outline neighbours.
    const std::vector<TextStampCopy> copies = TextStampCopies(lay, o);
    ASSERT_EQ(copies.size(), 12u + 5u);
    const int dx[4] = {2, 1, 1, 0}, dy[4] = {-1, 0, 0, 0}, grey[4] = {255, 223, 191, 159};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(copies[3 * i], (TextStampCopy{0, 100 + dx[i], 50 + dy[i], Grey(grey[i])})) << i;
        EXPECT_EQ(copies[3 * i + 1], (TextStampCopy{0, 101 + dx[i], 51 + dy[i], Grey(grey[i])})) << i;
        EXPECT_EQ(copies[3 * i + 2], (TextStampCopy{0, 101 + dx[i], 49 + dy[i], Grey(grey[i])})) << i;
    }
    EXPECT_EQ(copies.back(), (TextStampCopy{0, 100, 50, o.textColour}));

    // Larger offsets set n; on a black background the trail darkens away from the text.
    o.offsetX = -10;
    o.offsetY = 6;
    o.outline = false;
    o.background = MakeColour(0, 0, 0);
    const std::vector<TextStampCopy> far = TextStampCopies(lay, o);
    ASSERT_EQ(far.size(), 11u);
    EXPECT_EQ(far[0], (TextStampCopy{0, 90, 44, Grey(0)}));
    EXPECT_EQ(far[7], (TextStampCopy{0, 97, 49, Grey(128 - 38)}));  // k = 3: -3, -1.8 -> -1; -38.4
    EXPECT_EQ(far[9], (TextStampCopy{0, 99, 50, Grey(116)}));       // k = 1: -1, -0.6 -> 0
}

TEST(TextStamp, SourceCropMixOptionsAndPalette) {
    const Image preview = composetest::RandomImage(10, 10, 3);
    const Image stamp = TextStampSource(preview, Rect{-2, 3, 5, 6}, MakeColour(1, 2, 3));
    ASSERT_EQ(stamp.width(), 7);
    ASSERT_EQ(stamp.height(), 3);
    EXPECT_EQ(stamp.pixel(1, 0)[2], 1);
    EXPECT_EQ(stamp.pixel(1, 2)[0], 3);
    for (int ch = 0; ch < 3; ++ch) {
        EXPECT_EQ(stamp.pixel(2, 0)[ch], preview.pixel(0, 3)[ch]);
        EXPECT_EQ(stamp.pixel(6, 2)[ch], preview.pixel(4, 5)[ch]);
    }

    MixOptions current;
    current.style = MixStyle::Tiles;
    current.mirror = MixMirror::Vertical;
    current.resize = MixResize::Zoom;
    const MixOptions m = TextStampMixOptions(current, MakeColour(0, 0, 0));
    EXPECT_EQ(m.style, MixStyle::MaskedCopy);
    EXPECT_EQ(m.resize, MixResize::WidthOrHeight);
    EXPECT_EQ(m.percent, 100);
    EXPECT_EQ(m.tolerance, 4);
    EXPECT_EQ(m.maskColour, MakeColour(0, 0, 0));
    EXPECT_EQ(m.mirror, MixMirror::Vertical);

    EXPECT_EQ(ShadowRampColour(10), Grey(40));
    EXPECT_EQ(ShadowRampColour(63), Grey(252));
    EXPECT_EQ(ShadowRampColour(64), Grey(0));
    EXPECT_EQ(kColourGrid[11], MakeColour(255, 255, 0));
    EXPECT_EQ(kColourGrid[7], MakeColour(192, 192, 192));
    EXPECT_EQ(kColourGrid[8], MakeColour(128, 128, 128));
}

// Drawn bigger than the design size, shadow offsets and outline grow with the letters (the
// outline also on the straight sides), and every copy stays inside the rectangle but for the
// outline's first pixel, which the letters' side bearings hold as at the design size.
TEST(TextStamp, ScaledLookKeepsItsProportions) {
    struct Case {
        float scale;
        int offsetX, offsetY, reachX, reachY, outline;
        size_t copies;
    } cases[] = {{1.0f, 4, -4, 4, -4, 1, 10}, {0.4f, 4, -4, 2, -2, 1, 10}, {10.0f, 4, -4, 40, -40, 10, 18},
                 {2.5f, -3, 2, -8, 5, 3, 18}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        TextStampOptions o;
        o.shadow = ShadowStyle::Standard;
        o.lines = {"Hi"};
        o.scale = c.scale;
        o.offsetX = c.offsetX;
        o.offsetY = c.offsetY;
        const TextStampReach r = ScaledReach(o);
        EXPECT_EQ((std::vector<int>{r.offsetX, r.offsetY, r.outline}), (std::vector<int>{c.reachX, c.reachY, c.outline}));
        FakeCanvas canvas;
        const TextStampLayout lay = LayoutTextStamp(canvas, 1000, 500, o);
        const std::vector<TextStampCopy> copies = TextStampCopies(lay, o);
        ASSERT_EQ(copies.size(), c.copies);
        const TextStampLine& l = lay.lines[0];
        EXPECT_EQ(copies.front(), (TextStampCopy{0, l.x + c.reachX, l.y - c.reachY, o.shadowColour}));
        for (const TextStampCopy& k : copies)
            EXPECT_TRUE(k.x + 1 >= lay.textRect.Left && k.x + l.width - 1 <= lay.textRect.Right &&
                        k.y + 1 >= lay.textRect.Top && k.y + lay.lineHeight - 1 <= lay.textRect.Bottom);
    }
}
