// SPDX-License-Identifier: GPL-3.0-or-later
// The selection tools fed with mouse events as a view sends them: rectangles, ellipses and free
// shapes from the view to the selection, the handler of an existing selection (cancel, grab,
// move, duplicate, erase), the zoom steps, and the select and erase rows of the table.
#include <gtest/gtest.h>

#include <cstring>

#include "EditorTestSupport.h"
#include "editing/SelectionTools.h"
#include "editing/PaintTools.h"

using namespace lum;
using edittest::RandomImage;
using edittest::Uniform;
using edittest::Window;

namespace {

struct LabelHost : edittest::CountingHost {
    std::string label1, label2;
    std::vector<std::pair<ImagePoint, int>> zoomSteps;
    void ToolLabels(ImagePoint position, const std::optional<ImagePoint>& size) override {
        label1 = std::to_string(position.x) + "," + std::to_string(position.y);
        label2 = size ? std::to_string(size->x) + "," + std::to_string(size->y) : std::string();
    }
    void ZoomStepped(ImagePoint view, int oldZoom) override { zoomSteps.push_back({view, oldZoom}); }
};

// A compare window's editor at a zoom slot, and a mouse on its view.
struct View {
    RecordingPrompts prompts;
    LabelHost host;
    Editor editor{EditorPolicy::CompareWindow(), &prompts, &host};
    GrabOptions grab;

    explicit View(const Image& photo, int zoomIndex = 7) {
        editor.State().picture.Baseline() = photo;
        editor.CommitMemoryImage(CommitMode::Compare100);
        editor.State().zoom.SetSlot(zoomIndex);
        editor.SetSelectionTool(std::make_unique<SelectionHandlerTool>([this] { return grab; }));
    }
    EditState& st() { return editor.State(); }
    void Choose(ToolMode mode) {
        editor.ResetTool();
        st().tools.SetMode(mode);
        editor.SetTool(MakeSelectionTool(mode));
    }
    ToolEvent Event(int x, int y, MouseButton b = MouseButton::None) {
        ToolEvent e;
        e.zoom = st().zoom.Zoom();
        e.view = ImagePoint{x, y};
        e.image = ImagePoint{ViewToImage(x, e.zoom), ViewToImage(y, e.zoom)};
        e.viewSize = ImagePoint{ImageToView(st().picture.Work().width(), e.zoom),
                                ImageToView(st().picture.Work().height(), e.zoom)};
        e.button = b;
        return e;
    }
    // What the view does: a press to the pointer tool, the drag to the same one.
    Tool* dragTool = nullptr;
    void Press(int x, int y, MouseButton b = MouseButton::Left) {
        dragTool = editor.PointerTool();
        if (dragTool) dragTool->Press(editor, Event(x, y, b));
        editor.DropRetiredTools();
    }
    void Move(int x, int y) {
        Tool* t = dragTool ? dragTool : editor.PointerTool();
        if (t) t->Move(editor, Event(x, y));
    }
    void Release(int x, int y, MouseButton b = MouseButton::Left) {
        if (dragTool) dragTool->Release(editor, Event(x, y, b));
        dragTool = nullptr;
        editor.DropRetiredTools();
    }
    void Drag(ImagePoint from, ImagePoint to, MouseButton b = MouseButton::Left) {
        Press(from.x, from.y, b);
        Move(to.x, to.y);
        Release(to.x, to.y, b);
    }
};

bool SamePixel(const Image& a, int ax, int ay, const Image& b, int bx, int by) {
    return std::memcmp(a.pixel(ax, ay), b.pixel(bx, by), 3) == 0;
}

bool IsColour(const Image& img, int x, int y, Colour c) {
    const uint8_t* p = img.pixel(x, y);
    return p[2] == ColourR(c) && p[1] == ColourG(c) && p[0] == ColourB(c);
}

}  // namespace

TEST(SelectionDrawing, RectangleAtHalfZoomGivesImageRectangleLabelsAndPiece) {
    View v(RandomImage(200, 150, 3), 4);  // slot 4: 50 %
    v.Choose(ToolMode::Rectangle);
    // Before a drag the rectangle tool shows where the mouse is.
    v.Move(7, 9);
    EXPECT_EQ(v.host.label1, "14,18");
    v.Press(10, 10);
    v.Move(60, 40);
    EXPECT_EQ(v.host.label1, "20,20");
    EXPECT_EQ(v.host.label2, "100,60");
    const std::vector<Outline> band = v.editor.ActiveTool()->Feedback();
    ASSERT_EQ(band.size(), 1u);
    EXPECT_TRUE(band[0].rubber);
    EXPECT_EQ(band[0].points, (std::vector<ImagePoint>{{10, 10}, {60, 40}}));
    v.Release(60, 40);

    EXPECT_EQ(v.st().selection.Kind(), SelectionKind::Rectangle);
    EXPECT_EQ(v.st().selection.Bounds(), (Rect{20, 20, 120, 80}));
    EXPECT_EQ(v.st().selection.Shape(), Mask(100, 60, 255));
    EXPECT_EQ(v.st().tools.Mode(), ToolMode::Rectangle);  // the tool stays
    EXPECT_TRUE(v.editor.ActiveTool()->Feedback().empty());
    ASSERT_EQ(v.st().selection.Piece().width(), 100);
    EXPECT_TRUE(SamePixel(v.st().selection.Piece(), 0, 0, v.st().picture.Work(), 20, 20));
    EXPECT_TRUE(SamePixel(v.st().selection.Piece(), 99, 59, v.st().picture.Work(), 119, 79));
    // The outline the view draws: the two corners relative to the rectangle.
    const std::vector<Outline> outline = v.editor.SelectionOutline();
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0].origin, (ImagePoint{20, 20}));
    EXPECT_EQ(outline[0].points, (std::vector<ImagePoint>{{0, 0}, {100, 60}}));
}

TEST(SelectionDrawing, UpLeftDragsAndTheViewEdgeKeepTheShapeInBounds) {
    View v(RandomImage(100, 80, 4));
    v.Choose(ToolMode::Ellipse);
    v.Drag({50, 70}, {10, 20});
    EXPECT_EQ(v.st().selection.Kind(), SelectionKind::Ellipse);
    EXPECT_EQ(v.st().selection.Bounds(), (Rect{50, 70, 54, 74}));
    ASSERT_EQ(v.st().selection.Shape().width(), 4);

    // The mouse beyond the view counts at its edge.
    v.editor.ClearSelection();
    v.st().selection.Drop();
    v.Choose(ToolMode::Rectangle);
    v.Drag({30, 30}, {500, 900});
    EXPECT_EQ(v.st().selection.Bounds(), (Rect{30, 30, 100, 80}));

    // Four view pixels at 800 % are half an image pixel: no selection.
    View z(RandomImage(100, 80, 4), 12);
    z.Choose(ToolMode::Rectangle);
    z.Drag({40, 40}, {41, 41});
    EXPECT_EQ(z.st().selection.Kind(), SelectionKind::None);
    EXPECT_EQ(z.editor.PointerTool(), z.editor.ActiveTool());  // the next press draws again
}

TEST(SelectionDrawing, FreeShapePastTheLimitKeepsItsFirstPointsAndCloses) {
    View v(RandomImage(900, 20, 5));
    v.Choose(ToolMode::FreeShape);
    v.Press(0, 0);
    for (int i = 1; i <= 5000; ++i) v.Move(i % 800, i / 800 + 1);
    v.Release(0, 0);
    ASSERT_EQ(v.st().selection.Kind(), SelectionKind::FreeShape);
    ASSERT_EQ(v.st().selection.Points().size(), 4097u);
    EXPECT_EQ(v.st().selection.Points()[4095], (ImagePoint{4095 % 800, 4095 / 800 + 1}));
    EXPECT_EQ(v.st().selection.Points()[4096], v.st().selection.Points()[0]);
    // The bounds take the last column and row: right and bottom one past the largest.
    EXPECT_EQ(v.st().selection.Bounds(), (Rect{0, 0, 800, 7}));

    // A one-column shape still selects its column.
    View one(RandomImage(50, 50, 6));
    one.Choose(ToolMode::FreeShape);
    one.Press(20, 10);
    one.Move(20, 30);
    one.Release(20, 30);
    EXPECT_EQ(one.st().selection.Bounds(), (Rect{20, 10, 21, 31}));
    EXPECT_EQ(one.st().selection.Shape(), Mask(1, 21, 255));
}

TEST(SelectionHandling, RightPressCancelsAndLeftOutsideDoesNothing) {
    View v(RandomImage(100, 80, 7));
    v.Choose(ToolMode::Rectangle);
    v.Drag({10, 10}, {40, 30});
    ASSERT_EQ(v.st().selection.Kind(), SelectionKind::Rectangle);
    const Image before = v.st().picture.Work();

    // Outside: nothing, and no new selection either.
    v.Drag({70, 60}, {90, 70});
    EXPECT_EQ(v.st().selection.Bounds(), (Rect{10, 10, 40, 30}));
    EXPECT_EQ(v.st().tools.Mode(), ToolMode::Rectangle);
    EXPECT_TRUE(v.st().picture.Work() == before);
    // The hand inside, the tool's cross outside.
    EXPECT_EQ(v.editor.PointerTool()->Cursor(v.editor, ImagePoint{20, 20}), kHandCursor);
    EXPECT_EQ(v.editor.PointerTool()->Cursor(v.editor, ImagePoint{80, 20}), kCrossCursor);

    v.Press(90, 75, MouseButton::Right);
    EXPECT_EQ(v.st().selection.Kind(), SelectionKind::None);
    EXPECT_EQ(v.st().tools.Mode(), ToolMode::None);
    EXPECT_EQ(v.st().selection.Bounds(), (Rect{0, 0, 1, 1}));
    EXPECT_EQ(v.editor.ActiveTool(), nullptr);
    EXPECT_GE(v.host.toolResets, 1);
    EXPECT_TRUE(v.st().picture.Work() == before);
}

TEST(SelectionHandling, CopyMovesUnlessEraseAndDuplicateLeavesCopies) {
    const Colour bg = MakeColour(0x80, 0x80, 0x80);  // the second paint colour
    for (bool erase : {false, true}) {
        View v(RandomImage(120, 60, 8));
        v.grab.erase = erase;
        const Image photo = v.st().picture.Work();
        v.Choose(ToolMode::Rectangle);
        v.Drag({10, 10}, {30, 20});  // the piece: 20 x 10 at (10, 10)
        EXPECT_TRUE(v.editor.Saved());   // a selection alone changes nothing
        v.Drag({15, 15}, {45, 15});  // moved 30 right
        EXPECT_FALSE(v.editor.Saved());  // a moved piece is an edit to ask about
        EXPECT_EQ(v.st().tools.Mode(), ToolMode::MovingSelection);
        EXPECT_EQ(v.st().selection.Bounds(), (Rect{40, 10, 60, 20}));
        EXPECT_EQ(SamePixel(v.st().picture.Work(), 10, 10, photo, 10, 10), !erase);
        EXPECT_EQ(IsColour(v.st().picture.Work(), 12, 12, bg), erase);
        EXPECT_TRUE(SamePixel(v.st().picture.Work(), 40, 10, photo, 10, 10));
        EXPECT_TRUE(SamePixel(v.st().picture.Work(), 59, 19, photo, 29, 19));

        // Duplicate checked: the next drag leaves a copy where the piece was.
        v.Drag({45, 15}, {75, 15});
        EXPECT_TRUE(SamePixel(v.st().picture.Work(), 40, 10, photo, 10, 10));
        EXPECT_TRUE(SamePixel(v.st().picture.Work(), 70, 10, photo, 10, 10));
        // Unchecked: the piece only moves; its last place shows what was under it.
        v.grab.duplicate = false;
        v.Drag({75, 15}, {75, 45});
        EXPECT_EQ(v.st().selection.Bounds(), (Rect{70, 40, 90, 50}));
        EXPECT_TRUE(SamePixel(v.st().picture.Work(), 70, 10, photo, 70, 10));
        EXPECT_TRUE(SamePixel(v.st().picture.Work(), 70, 40, photo, 10, 10));
        // A filter now confines to where the piece is.
        EXPECT_EQ(v.st().selection.Confine().rect(), (Rect{70, 40, 90, 50}));
    }
}

TEST(SelectionHandling, ANewShapeAfterAMovedOneIsGrabbedAfresh) {
    View v(RandomImage(80, 60, 15));
    v.Choose(ToolMode::Rectangle);
    v.Drag({10, 10}, {20, 20});
    v.Drag({15, 15}, {35, 15});  // moved: tool mode 5
    ASSERT_EQ(v.st().tools.Mode(), ToolMode::MovingSelection);
    // The selection goes without a reset (a zoom, a paste); the tool stays.
    v.editor.ClearSelection();
    v.st().selection.Drop();
    v.st().picture.Work() = RandomImage(80, 60, 16);
    const Image now = v.st().picture.Work();
    v.Drag({50, 40}, {60, 50});
    EXPECT_EQ(v.st().tools.Mode(), ToolMode::Rectangle);
    // Its first grab takes the image as it now is; nothing of the old move buffer comes back.
    v.grab.duplicate = false;
    v.Drag({55, 45}, {55, 45});
    EXPECT_TRUE(v.st().picture.Work() == now);
    EXPECT_TRUE(v.st().selection.MoveBuffer() == now);
}

TEST(SelectionHandling, SlowDragsAtALargeZoomStillMoveThePiece) {
    View v(RandomImage(60, 40, 9), 9);  // slot 9: 200 %
    v.Choose(ToolMode::Rectangle);
    v.Drag({20, 20}, {40, 40});  // image (10, 10)-(20, 20)
    ASSERT_EQ(v.st().selection.Bounds(), (Rect{10, 10, 20, 20}));
    v.Press(30, 30);
    for (int x = 31; x <= 50; ++x) v.Move(x, 30);  // one view pixel at a time
    v.Release(50, 30);
    EXPECT_EQ(v.st().selection.Bounds(), (Rect{20, 10, 30, 20}));
}

TEST(ZoomSteps, StayWithinTheFixedSlotsAndLeaveTheFitForTheNearestOne) {
    View v(RandomImage(40, 30, 10));
    ChoosePaintTool(v.editor, ToolMode::Zoom);
    v.st().zoom.SetSlot(11);
    v.editor.ActiveTool()->Press(v.editor, v.Event(30, 20, MouseButton::Left));
    EXPECT_EQ(v.st().zoom.Slot(), 12);
    ASSERT_EQ(v.host.zoomSteps.size(), 1u);
    EXPECT_EQ(v.host.zoomSteps[0].first, (ImagePoint{30, 20}));
    EXPECT_EQ(v.host.zoomSteps[0].second, 400);
    v.editor.ActiveTool()->Press(v.editor, v.Event(30, 20, MouseButton::Left));
    EXPECT_EQ(v.st().zoom.Slot(), 12);  // 800 % is the last
    EXPECT_EQ(v.host.zoomSteps.size(), 1u);
    v.editor.ActiveTool()->Press(v.editor, v.Event(30, 20, MouseButton::Middle));
    EXPECT_EQ(v.st().zoom.Slot(), 11);
    EXPECT_EQ(v.editor.ActiveTool()->Cursor(v.editor, ImagePoint{}), kCursorZoom);

    EditState st;
    st.zoom.SetSlot(1);
    EXPECT_FALSE(st.zoom.StepZoom(-1));
    EXPECT_EQ(st.zoom.Slot(), 1);
    // From a fit of 45 % the steps go to 50 % and to 33 %, never to 10 %.
    st.zoom.HoldPercent(45);
    EXPECT_TRUE(st.zoom.StepZoom(+1));
    EXPECT_EQ(st.zoom.Zoom(), 50);
    st.zoom.SetSlot(0);
    EXPECT_TRUE(st.zoom.StepZoom(-1));
    EXPECT_EQ(st.zoom.Zoom(), 33);
    st.zoom.HoldPercent(5);
    EXPECT_FALSE(st.zoom.StepZoom(-1));
}

TEST(EraseOperation, FillsTheSelectionOrTheWholeImageWithTheWindowsBackground) {
    // Main window: white, the whole image without a selection.
    Window m(RandomImage(30, 20, 11));
    ASSERT_TRUE(m.editor.Run("erase"));
    EXPECT_TRUE(m.st().picture.Work() == Uniform(30, 20, 255, 255, 255));
    EXPECT_FALSE(m.st().picture.SourceCopy() == m.st().picture.Work());  // the image before

    // Compare window: the second paint colour, inside the ellipse only.
    View v(RandomImage(30, 20, 12));
    const Image photo = v.st().picture.Work();
    v.Choose(ToolMode::Ellipse);
    v.Drag({5, 5}, {25, 15});
    ASSERT_TRUE(v.editor.Run("erase"));
    const Colour bg = v.editor.BackgroundColour();
    EXPECT_TRUE(IsColour(v.st().picture.Work(), 15, 10, bg));
    EXPECT_TRUE(SamePixel(v.st().picture.Work(), 5, 5, photo, 5, 5));  // corner of the box: outside
    EXPECT_TRUE(SamePixel(v.st().picture.Work(), 2, 10, photo, 2, 10));
    EXPECT_EQ(v.st().selection.Kind(), SelectionKind::Ellipse);  // it stays

    // The command line names its colour.
    Window c(RandomImage(10, 10, 13));
    ASSERT_TRUE(c.Apply("select:2,3,5,4"));
    ASSERT_TRUE(c.Apply("erase:#102030"));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(IsColour(c.st().picture.Work(), x, y, MakeColour(0x10, 0x20, 0x30)), x >= 2 && x < 5 && y == 3)
                << x << "," << y;
}

TEST(SelectOperation, WordsMakeRectanglesEllipsesOrNone) {
    Window w(RandomImage(40, 30, 14));
    ASSERT_TRUE(w.Apply("select:-5,10,12,50"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::Rectangle);
    EXPECT_EQ(w.st().selection.Bounds(), (Rect{-5, 10, 12, 50}));
    EXPECT_EQ(w.st().selection.Confine().Clip(40, 30), (Rect{0, 10, 12, 30}));
    ASSERT_TRUE(w.Apply("select:ellipse,2,1,31,19"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::Ellipse);
    EXPECT_EQ(w.st().selection.Shape(), ShapeMask(Shape::Ellipse(Rect{0, 0, 29, 18}), 29, 18));
    ASSERT_TRUE(w.Apply("select:none"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
    // An empty rectangle is no selection.
    ASSERT_TRUE(w.Apply("select:5,5,5,9"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);

    for (const char* bad : {"select", "select:1,2,3", "select:none,1", "select:circle,1,2,3,4", "select:1,2,3,4,5",
                            "select:a,b,c,d", "erase:#12345", "erase:#123456,#654321"})
        EXPECT_THROW(ParseOperationWord(bad), ArgsError) << bad;
}
