// SPDX-License-Identifier: GPL-3.0-or-later
// The paint tools as the view drives them, with a host that records what they asked of the
// window: which colours each button paints with, what is repainted, when a tool switches
// itself off, the fill's refusal and its keep-alive calls, the zoom steps.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "EditorTestSupport.h"
#include "editing/PaintTools.h"
#include "image/Draw.h"

using namespace lum;
using edittest::CountingHost;

namespace {

struct PaintHost : CountingHost {
    std::vector<Rect> imageRects, viewRects;
    std::vector<ViewLine> ink;
    std::vector<Colour> readouts, swatches;
    std::function<bool(ImagePoint, Colour&)> viewColour;
    std::function<bool()> keepAlive;
    int keepAlives = 0;
    int interval = 30;

    void RedrawImageRect(const Rect& r) override { imageRects.push_back(r); }
    void RedrawViewRect(const Rect& r) override { viewRects.push_back(r); }
    void DrawOnView(const ViewLine& l) override { ink.push_back(l); }
    bool ViewColour(ImagePoint v, Colour& c) const override { return viewColour && viewColour(v, c); }
    void ShowColourReadout(Colour c) override { readouts.push_back(c); }
    void ShowSwatch(Colour c) override { swatches.push_back(c); }
    // Pixels whose centre lies within width / 2 of the segment: round ends, exact enough to
    // tell where a line went.
    Mask LineMask(ImagePoint a, ImagePoint b, int width, ImagePoint& origin) const override {
        const int pad = width / 2 + 1;
        origin = {std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad};
        Mask m(std::abs(a.x - b.x) + 2 * pad + 1, std::abs(a.y - b.y) + 2 * pad + 1);
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        for (int y = 0; y < m.height(); ++y)
            for (int x = 0; x < m.width(); ++x) {
                const double px = origin.x + x - a.x, py = origin.y + y - a.y;
                const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
                const double ex = px - t * dx, ey = py - t * dy;
                if (ex * ex + ey * ey <= width * width / 4.0) m.set(x, y, 255);
            }
        return m;
    }
    bool KeepAlive() override {
        ++keepAlives;
        return keepAlive ? keepAlive() : true;
    }
    int KeepAliveIntervalMs() const override { return interval; }
};

struct PaintWindow {
    RecordingPrompts prompts;
    PaintHost host;
    Editor editor{EditorPolicy::CompareWindow(), &prompts, &host};
    explicit PaintWindow(const Image& photo) {
        editor.State().picture.Baseline() = photo;
        editor.CommitMemoryImage(CommitMode::Compare100);
        host = PaintHost{};
    }
    EditState& st() { return editor.State(); }
    Tool& tool() { return *editor.ActiveTool(); }
    static ToolEvent At(int vx, int vy, MouseButton b = MouseButton::None, int zoom = 100) {
        ToolEvent e;
        e.view = {vx, vy};
        e.image = {vx * 100 / zoom, vy * 100 / zoom};
        e.zoom = zoom;
        e.button = b;
        return e;
    }
    void press(int x, int y, MouseButton b, int zoom = 100) { tool().Press(editor, At(x, y, b, zoom)); }
    void move(int x, int y, int zoom = 100) { tool().Move(editor, At(x, y, MouseButton::None, zoom)); }
    void release(int x, int y, MouseButton b, int zoom = 100) { tool().Release(editor, At(x, y, b, zoom)); }
};

Colour PixelOf(const Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return MakeColour(p[2], p[1], p[0]);
}

const Colour kFirst = MakeColour(250, 10, 20), kSecond = MakeColour(5, 200, 90);

}  // namespace

TEST(PaintTools, ChoosingAToolDropsTheSelectionAndSetsModeAndCursor) {
    PaintWindow w(edittest::Uniform(40, 30, 9, 9, 9));
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{2, 2, 6, 6}, {}, Mask(4, 4, 255)));
    ChoosePaintTool(w.editor, ToolMode::Brush, BrushKind::Spray);
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
    EXPECT_EQ(w.host.selectionCleared, 1);
    EXPECT_EQ(w.st().tools.Mode(), ToolMode::Brush);
    ASSERT_NE(w.editor.ActiveTool(), nullptr);
    EXPECT_EQ(w.tool().Cursor(w.editor, {}), kCursorSpray);

    // The fill also sets the thickness to its threshold of 8.
    w.st().tools.SetThickness(3);
    ChoosePaintTool(w.editor, ToolMode::Fill);
    EXPECT_EQ(w.st().tools.Thickness(), 8);
    EXPECT_EQ(w.tool().Cursor(w.editor, {}), kCursorFill);

    // The button raised: no tool, the arrow.
    ChoosePaintTool(w.editor, ToolMode::None);
    EXPECT_EQ(w.st().tools.Mode(), ToolMode::None);
    EXPECT_EQ(w.editor.ActiveTool(), nullptr);

    const struct {
        ToolMode mode;
        BrushKind kind;
        int cursor;
    } cursors[] = {{ToolMode::Pipette, BrushKind::Soften, kCursorPipette},
                   {ToolMode::Line, BrushKind::Soften, kCursorCrayon},
                   {ToolMode::Pen, BrushKind::Soften, kCursorCrayon},
                   {ToolMode::Fill, BrushKind::Soften, kCursorFill},
                   {ToolMode::Brush, BrushKind::Spray, kCursorSpray},
                   {ToolMode::Brush, BrushKind::ColourEraser, kCursorEffects},
                   {ToolMode::Brush, BrushKind::Daub, kCursorEffects},
                   {ToolMode::Brush, BrushKind::Noise, kCursorEffects},
                   {ToolMode::Brush, BrushKind::Darken, kCursorEffects},
                   {ToolMode::Brush, BrushKind::Lighten, kCursorEffects},
                   {ToolMode::Brush, BrushKind::Sharpen, kCursorEffects},
                   {ToolMode::Brush, BrushKind::Soften, kCursorEffects},
                   {ToolMode::Zoom, BrushKind::Soften, kCursorZoom}};
    for (const auto& c : cursors) {
        ChoosePaintTool(w.editor, c.mode, c.kind);
        EXPECT_EQ(w.tool().Cursor(w.editor, {}), c.cursor)
            << static_cast<int>(c.mode) << " " << static_cast<int>(c.kind);
    }
}

TEST(PaintTools, ATurnedOffToolDoesNothingUntilChosenAgain) {
    // A right press that drops a selection resets the tool mode; the button still shows down.
    PaintWindow w(edittest::Uniform(40, 30, 100, 100, 100));
    ChoosePaintTool(w.editor, ToolMode::Brush, BrushKind::Spray);
    w.st().tools.SetMode(ToolMode::None);
    const Image before = w.st().picture.Work();
    w.press(20, 15, MouseButton::Left);
    w.move(21, 15);
    w.release(21, 15, MouseButton::Left);
    EXPECT_EQ(w.st().picture.Work(), before);
    EXPECT_EQ(w.tool().Cursor(w.editor, {}), kCursorArrow);
    ChoosePaintTool(w.editor, ToolMode::Brush, BrushKind::Spray);
    w.press(20, 15, MouseButton::Left);
    EXPECT_NE(w.st().picture.Work(), before);
}

TEST(PaintTools, BrushStrokesMatchThePixelFunctionWithColoursByButton) {
    const Image photo = edittest::RandomImage(70, 50, 5);
    for (int k = 0; k <= 7; ++k) {
        for (MouseButton b : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
            PaintWindow w(photo);
            w.st().tools.SetPaintColour1(kFirst);
            w.st().tools.SetPaintColour2(kSecond);
            w.st().tools.SetDiameter(13);
            w.st().tools.SetNoise(BrushRandom(77));
            ChoosePaintTool(w.editor, ToolMode::Brush, static_cast<BrushKind>(k));
            w.press(30, 20, b);
            w.move(33, 22);
            w.move(40, 45);
            w.release(40, 45, b);
            EXPECT_FALSE(w.st().tools.Dragging());
            w.move(10, 10);  // no dab without a drag

            // The middle button counts as the right one.
            BrushRandom random(77);
            BrushStroke s;
            s.Kind = static_cast<BrushKind>(k);
            s.Radius = 6;
            s.BrushColor1 = b == MouseButton::Left ? kFirst : kSecond;
            s.BrushColor2 = b == MouseButton::Left ? kSecond : kFirst;
            s.Random = &random;
            Image expected = photo, source;
            BrushPath(expected, source, s, {{30, 20}, {33, 22}, {40, 45}});
            EXPECT_EQ(w.st().picture.Work(), expected) << "kind " << k << " button " << static_cast<int>(b);
            EXPECT_EQ(w.st().picture.SourceCopy(), photo);  // the daub's picture of the press
        }
    }
}

TEST(PaintTools, EachDabRepaintsOnlyItsSquare) {
    PaintWindow w(edittest::Uniform(100, 80, 60, 60, 60));
    w.st().tools.SetDiameter(32);
    ChoosePaintTool(w.editor, ToolMode::Brush, BrushKind::Lighten);
    w.host.redraws = 0;
    w.press(50, 40, MouseButton::Left);
    w.move(5, 70);
    ASSERT_EQ(w.host.imageRects.size(), 2u);
    EXPECT_EQ(w.host.imageRects[0], (Rect{34, 24, 67, 57}));
    EXPECT_EQ(w.host.imageRects[1], (Rect{0, 54, 22, 80}));  // clipped to the picture
    EXPECT_EQ(w.host.redraws, 0);
}

TEST(PaintTools, PenDrawsEachMoveOnTheViewAndTheImage) {
    PaintWindow w(edittest::Uniform(200, 100, 0, 0, 0));
    w.st().tools.SetPaintColour1(kFirst);
    w.st().tools.SetPaintColour2(kSecond);
    w.st().tools.SetThickness(3);
    ChoosePaintTool(w.editor, ToolMode::Pen);
    const Image before = w.st().picture.Work();
    // At 50 %: view (10, 10) is image (20, 20).
    w.press(10, 10, MouseButton::Middle, 50);
    EXPECT_EQ(w.st().picture.Work(), before);  // a press only places the pen
    EXPECT_TRUE(w.st().tools.Dragging());
    w.move(40, 10, 50);
    w.move(40, 30, 50);
    w.release(40, 30, MouseButton::Middle, 50);
    EXPECT_FALSE(w.st().tools.Dragging());

    ASSERT_EQ(w.host.ink.size(), 2u);
    EXPECT_EQ(w.host.ink[0].from, (ImagePoint{10, 10}));
    EXPECT_EQ(w.host.ink[0].to, (ImagePoint{40, 10}));
    EXPECT_EQ(w.host.ink[1].to, (ImagePoint{40, 30}));
    EXPECT_EQ(w.host.ink[0].width, 1);  // ImageToView(3) at 50 %
    EXPECT_FALSE(w.host.ink[0].invert);
    EXPECT_EQ(w.host.ink[0].colour, kFirst);  // middle paints like left

    Image expected = before;
    for (const auto& [a, b] : {std::pair<ImagePoint, ImagePoint>{{20, 20}, {80, 20}}, {{80, 20}, {80, 60}}}) {
        ImagePoint o;
        const Mask m = w.host.LineMask(a, b, 3, o);
        FillMask(expected, m, o.x, o.y, kFirst);
    }
    EXPECT_EQ(w.st().picture.Work(), expected);
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 50, 21), kFirst);
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 50, 23), MakeColour(0, 0, 0));
}

TEST(PaintTools, LineShowsARubberLineAndDrawsOnRelease) {
    PaintWindow w(edittest::Uniform(200, 100, 0, 0, 0));
    w.st().tools.SetPaintColour1(kFirst);
    w.st().tools.SetPaintColour2(kSecond);
    w.st().tools.SetThickness(4);
    ChoosePaintTool(w.editor, ToolMode::Line);
    const Image before = w.st().picture.Work();
    w.press(20, 20, MouseButton::Right, 200);
    w.move(60, 20, 200);
    w.move(100, 40, 200);
    // The rubber line in view pixels, inverting, 8 wide at 200 %; nothing drawn yet.
    std::vector<ViewLine> rubber = w.tool().ViewLines();
    ASSERT_EQ(rubber.size(), 1u);
    EXPECT_EQ(rubber[0].from, (ImagePoint{20, 20}));
    EXPECT_EQ(rubber[0].to, (ImagePoint{100, 40}));
    EXPECT_EQ(rubber[0].width, 8);
    EXPECT_TRUE(rubber[0].invert);
    EXPECT_EQ(w.st().picture.Work(), before);
    EXPECT_TRUE(w.host.ink.empty());
    EXPECT_GE(w.host.viewRects.size(), 3u);  // each move repaints the old and the new line

    w.release(100, 40, MouseButton::Right, 200);
    EXPECT_TRUE(w.tool().ViewLines().empty());
    ASSERT_EQ(w.host.ink.size(), 1u);
    EXPECT_EQ(w.host.ink[0].colour, kSecond);
    Image expected = before;
    ImagePoint o;
    const Mask m = w.host.LineMask({10, 10}, {50, 20}, 4, o);
    FillMask(expected, m, o.x, o.y, kSecond);
    EXPECT_EQ(w.st().picture.Work(), expected);
    EXPECT_FALSE(w.st().tools.Dragging());

    // A release without a press draws nothing.
    const Image after = w.st().picture.Work();
    w.release(5, 5, MouseButton::Left);
    EXPECT_EQ(w.st().picture.Work(), after);
}

TEST(PaintTools, ViewPenIsAtLeastOnePixel) {
    EXPECT_EQ(ViewPenWidth(2, 50), 1);
    EXPECT_EQ(ViewPenWidth(2, 25), 1);
    EXPECT_EQ(ViewPenWidth(3, 200), 6);
    EXPECT_EQ(ViewPenWidth(36, 33), 11);
}

TEST(PaintTools, PipetteTakesTheDisplayedColourByButton) {
    PaintWindow w(edittest::Uniform(40, 30, 1, 2, 3));
    w.host.viewColour = [](ImagePoint v, Colour& c) {
        c = MakeColour(v.x, v.y, 7);
        return true;
    };
    ChoosePaintTool(w.editor, ToolMode::Pipette);
    const Colour second = w.st().tools.PaintColour2();
    w.press(11, 12, MouseButton::Left);
    EXPECT_EQ(w.st().tools.PaintColour1(), MakeColour(11, 12, 7));
    EXPECT_EQ(w.st().tools.PaintColour2(), second);
    EXPECT_EQ(w.host.colourChanges, 1);
    w.press(13, 14, MouseButton::Middle);
    EXPECT_EQ(w.st().tools.PaintColour2(), MakeColour(13, 14, 7));
    EXPECT_EQ(w.host.readouts, (std::vector<Colour>{MakeColour(11, 12, 7), MakeColour(13, 14, 7)}));
    EXPECT_TRUE(w.host.swatches.empty());
    // A move, button up or down, shows the colour under it without taking it.
    w.move(20, 21);
    EXPECT_EQ(w.host.swatches, std::vector<Colour>{MakeColour(20, 21, 7)});
    EXPECT_EQ(w.host.readouts.back(), MakeColour(20, 21, 7));
    EXPECT_EQ(w.st().tools.PaintColour1(), MakeColour(11, 12, 7));
    // Nothing where the view shows nothing.
    w.host.viewColour = nullptr;
    w.press(1, 1, MouseButton::Left);
    EXPECT_EQ(w.st().tools.PaintColour1(), MakeColour(11, 12, 7));
}

TEST(PaintTools, FillUsesTheColourOfItsButtonAndTheThickness) {
    Image photo = edittest::Uniform(30, 20, 100, 100, 100);
    for (int x = 0; x < 30; ++x) photo.setPixel(x, 10, 112, 100, 100);  // a wall 12 levels off
    for (MouseButton b : {MouseButton::Left, MouseButton::Middle, MouseButton::Right}) {
        PaintWindow w(photo);
        w.st().tools.SetPaintColour1(kFirst);
        w.st().tools.SetPaintColour2(kSecond);
        ChoosePaintTool(w.editor, ToolMode::Fill);  // threshold 8: the wall stops it
        w.host.redraws = 0;
        w.press(3, 3, b);
        const Colour c = b == MouseButton::Right ? kSecond : kFirst;
        EXPECT_EQ(PixelOf(w.st().picture.Work(), 29, 9), c);
        EXPECT_EQ(PixelOf(w.st().picture.Work(), 0, 11), MakeColour(100, 100, 100));
        EXPECT_EQ(w.st().picture.SourceCopy(), photo);
        EXPECT_EQ(w.host.redraws, 1);
        EXPECT_EQ(w.host.busy, (std::vector<bool>{true, false}));

        // Thickness 12 lets it through the wall.
        w.st().picture.Work() = photo;
        w.st().tools.SetThickness(12);
        w.press(3, 3, b);
        EXPECT_EQ(PixelOf(w.st().picture.Work(), 0, 19), c);
        EXPECT_EQ(PixelOf(w.st().picture.Work(), 5, 10), c);
    }
}

TEST(PaintTools, FillRefusesAColourInsideItsWindowAndIgnoresOutsidePresses) {
    PaintWindow w(edittest::Uniform(30, 20, 100, 100, 100));
    w.st().tools.SetPaintColour1(MakeColour(108, 92, 100));
    ChoosePaintTool(w.editor, ToolMode::Fill);
    const Image before = w.st().picture.Work();
    w.press(5, 5, MouseButton::Left);
    EXPECT_EQ(w.prompts.messages, std::vector<std::string>{"The colour you clicked is too close to the fill colour.\n"
                                                           "Lower the fill threshold (T) and try again."});
    EXPECT_EQ(w.st().picture.Work(), before);
    EXPECT_EQ(w.tool().Cursor(w.editor, {}), kCursorFill);

    w.st().tools.SetPaintColour1(MakeColour(109, 100, 100));
    w.host.busy.clear();
    w.press(40, 5, MouseButton::Left);  // outside: nothing, not even the hourglass
    EXPECT_EQ(w.st().picture.Work(), before);
    EXPECT_TRUE(w.host.busy.empty());
    w.press(5, 5, MouseButton::Left);
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 29, 19), MakeColour(109, 100, 100));
    EXPECT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_EQ(FillTooCloseLine(), "The colour you clicked is too close to the fill colour. Lower the fill threshold (T) and try again.");
    // Clicked again on what is now the fill colour: the area has it already, whatever the threshold.
    for (int t : {1, 36}) {
        w.st().tools.SetThickness(t);
        w.press(7, 7, MouseButton::Left);
        EXPECT_EQ(w.prompts.messages.back(), "This area already has the fill colour.") << t;
    }
    EXPECT_EQ(w.prompts.messages.size(), 3u);
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 0, 0), MakeColour(109, 100, 100));
}

TEST(PaintTools, LongFillKeepsTheWindowAliveAndStopsWhenItCloses) {
    PaintWindow w(edittest::Uniform(1500, 1000, 40, 50, 60));
    w.host.interval = 0;  // a keep-alive at every check of the clock
    ChoosePaintTool(w.editor, ToolMode::Fill);
    // A press that arrives while the fill runs (from the events it lets through) is ignored.
    bool nested = false;
    w.host.keepAlive = [&] {
        if (!nested) {
            nested = true;
            w.st().tools.SetPaintColour1(MakeColour(0, 0, 255));
            w.press(1499, 999, MouseButton::Left);
        }
        return true;
    };
    w.press(0, 0, MouseButton::Left);
    EXPECT_GT(w.host.keepAlives, 10);
    EXPECT_EQ(w.host.busyMax, 1);
    // Every pixel has the colour of the first press.
    int other = 0;
    const Colour fill = MakeColour(0xFD, 0xE9, 0x73);
    for (int y = 0; y < 1000; y += 7)
        for (int x = 0; x < 1500; x += 7) other += PixelOf(w.st().picture.Work(), x, y) != fill;
    EXPECT_EQ(other, 0);
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 1499, 999), fill);

    // The window closing stops the fill where it is.
    PaintWindow closing(edittest::Uniform(1500, 1000, 40, 50, 60));
    closing.host.interval = 0;
    closing.host.keepAlive = [] { return false; };
    ChoosePaintTool(closing.editor, ToolMode::Fill);
    closing.press(0, 0, MouseButton::Left);
    EXPECT_EQ(closing.host.keepAlives, 1);
    EXPECT_EQ(PixelOf(closing.st().picture.Work(), 1499, 999), MakeColour(40, 50, 60));
    EXPECT_EQ(closing.host.busy, (std::vector<bool>{true, false}));
}

TEST(PaintTools, BrushAndFillRowsDropTheSelectionFirst) {
    edittest::Window w(edittest::Uniform(60, 40, 100, 100, 100));
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{2, 2, 6, 6}, {}, Mask(4, 4, 255)));
    ASSERT_TRUE(w.Apply("fill:50,30,colour=#000000"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 1, 1), MakeColour(0, 0, 0));  // not confined

    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{2, 2, 6, 6}, {}, Mask(4, 4, 255)));
    ASSERT_TRUE(w.Apply("brush:spray,30x20/31x20,diameter=2,colour1=#FFFFFF"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
    // r = 1: the centre blends 1/128 of white: (127 x 0 + 255) div 128 = 1.
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 30, 20), MakeColour(1, 1, 1));
    EXPECT_EQ(PixelOf(w.st().picture.Work(), 29, 19), MakeColour(0, 0, 0));  // the rim keeps its pixel

    // The refusal is the message on one line; nothing changes.
    const Image before = w.st().picture.Work();
    EXPECT_FALSE(w.Apply("fill:5,5,colour=#050505,threshold=8"));
    EXPECT_EQ(w.prompts.messages.back(), FillTooCloseLine());
    EXPECT_EQ(w.st().picture.Work(), before);

    // The noise draws from the window's own source.
    w.st().tools.SetNoise(BrushRandom(3));
    ASSERT_TRUE(w.Apply("brush:noise,10x10"));
    const Image once = w.st().picture.Work();
    w.st().picture.Work() = before;
    w.st().tools.SetNoise(BrushRandom(3));
    ASSERT_TRUE(w.Apply("brush:noise,10x10"));
    EXPECT_EQ(w.st().picture.Work(), once);
    EXPECT_NE(once, before);
}

TEST(PaintTools, PaintingMarksThePhotoUnsavedLookingDoesNot) {
    const Image photo = edittest::Uniform(40, 30, 100, 100, 100);
    const auto stroke = [](PaintWindow& w) {
        w.press(5, 5, MouseButton::Left);
        w.move(12, 9);
        w.release(12, 9, MouseButton::Left);
    };
    for (ToolMode mode : {ToolMode::Line, ToolMode::Pen, ToolMode::Fill, ToolMode::Brush}) {
        PaintWindow w(photo);
        ASSERT_TRUE(w.editor.Saved());
        ChoosePaintTool(w.editor, mode, BrushKind::Spray);
        stroke(w);
        EXPECT_FALSE(w.editor.Saved()) << static_cast<int>(mode);
    }
    // A stroke that changed no pixel (a daub over one colour) leaves nothing to save.
    PaintWindow daub(photo);
    ChoosePaintTool(daub.editor, ToolMode::Brush, BrushKind::Daub);
    stroke(daub);
    EXPECT_TRUE(daub.editor.Saved());
    EXPECT_EQ(daub.editor.history().Count(), 0);
    // The pipette and the zoom tool only look; a refused or outside fill changes nothing.
    for (ToolMode mode : {ToolMode::Pipette, ToolMode::Zoom}) {
        PaintWindow w(photo);
        ChoosePaintTool(w.editor, mode);
        stroke(w);
        EXPECT_TRUE(w.editor.Saved()) << static_cast<int>(mode);
    }
    PaintWindow w(photo);
    w.st().tools.SetPaintColour1(MakeColour(104, 100, 100));
    ChoosePaintTool(w.editor, ToolMode::Fill);
    w.press(5, 5, MouseButton::Left);
    w.press(50, 5, MouseButton::Left);
    EXPECT_TRUE(w.editor.Saved());
}
