// SPDX-License-Identifier: GPL-3.0-or-later
// The editing state: commit and its fit, Undo, Memorize, the selection and its confinement.
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editing/EditState.h"

using namespace lum;
using edittest::CountingHost;

namespace {
Image Gradient(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, (x * 7) & 255, (y * 13) & 255, (x + y) & 255);
    return img;
}

void Commit(EditState& st, int w, int h, CommitMode mode = CommitMode::Normal,
            FitRule rule = FitRule::KeepZoomWhenFits) {
    st.Commit(w, h, mode, rule);
}
}  // namespace

TEST(EditState, StartsWithEightByEightImagesAndTheStartUpRegisters) {
    EditState st;
    EXPECT_EQ(st.picture.Work().width(), 8);
    EXPECT_EQ(st.selection.MoveBuffer().height(), 8);
    EXPECT_EQ(st.zoom.Slot(), 7);
    EXPECT_EQ(st.zoom.Zoom(), 100);
    EXPECT_EQ(st.selection.Kind(), SelectionKind::None);
    EXPECT_EQ(st.registers.Kernel().weights, InitialKernelRegister().weights);
    EXPECT_FLOAT_EQ(st.registers.Angles().SinTable[90], 1.0f);
    EXPECT_EQ(ToneTable()[0], 0);
    EXPECT_EQ(ToneTable()[255], 128);
}

TEST(EditState, CommitCopiesBaselineIntoWorkAndLeavesTheSourceToTheNextOperation) {
    EditState st;
    st.picture.SourceCopy() = Gradient(5, 5);
    st.picture.Baseline() = Gradient(37, 21);
    Commit(st, 1000, 1000);
    EXPECT_EQ(st.picture.Work(), st.picture.Baseline());
    EXPECT_TRUE(st.picture.SourceCopy().empty());
    // The copy is a separate image, not shared storage.
    st.picture.Work().fill(1, 2, 3);
    EXPECT_NE(st.picture.Baseline(), st.picture.Work());
    st.picture.CopyWorkToSource();
    EXPECT_EQ(st.picture.SourceCopy(), st.picture.Work());
}

TEST(EditState, CommitTakesOverCopiesMadeBeforehandOnlyWhenTheyFit) {
    const Image photo = Gradient(90, 40);
    EditState made, taken;
    made.picture.Baseline() = photo;
    Commit(made, 50, 50);  // wider than the view: fitted
    taken.picture.Baseline() = photo;
    BaselineCopies ready = BaselineCopies::Of(photo);
    const uint8_t* workBuffer = ready.work.data();
    taken.Commit(50, 50, CommitMode::Normal, FitRule::KeepZoomWhenFits, &ready);
    EXPECT_EQ(taken.picture.Work().data(), workBuffer);  // taken over, not copied
    for (const Image* img : {&taken.picture.Baseline(), &taken.picture.Work()}) EXPECT_EQ(*img, photo);
    EXPECT_TRUE(taken.picture.SourceCopy().empty());
    EXPECT_EQ(taken.zoom.Slot(), made.zoom.Slot());
    EXPECT_EQ(taken.zoom.Table(), made.zoom.Table());
    // Copies of another size are not taken: the commit copies as ever.
    EditState other;
    other.picture.Baseline() = photo;
    BaselineCopies wrong = BaselineCopies::Of(Gradient(90, 41));
    other.Commit(50, 50, CommitMode::Normal, FitRule::KeepZoomWhenFits, &wrong);
    EXPECT_EQ(other.picture.Work(), photo);
    EXPECT_TRUE(other.picture.SourceCopy().empty());
    EXPECT_EQ(wrong.work.height(), 41);  // left where it was
}

TEST(EditState, FitCases) {
    EditState st;
    // Wider than the view: w = 2 W gives 49.
    st.picture.Baseline().resize(1000, 400);
    Commit(st, 500, 440);
    EXPECT_EQ(st.zoom.Slot(), 0);
    EXPECT_EQ(st.zoom.PercentAt(0), 49);
    // Taller than the view only: the height decides.
    st.picture.Baseline().resize(100, 880);
    Commit(st, 500, 440);
    EXPECT_EQ(st.zoom.PercentAt(0), 49);
    // Larger both ways: the smaller ratio wins (rw = 0.25, rh = 0.5).
    st.zoom.SetSlot(7);
    st.picture.Baseline().resize(2000, 880);
    Commit(st, 500, 440);
    EXPECT_EQ(st.zoom.PercentAt(0), 24);
    // Ties go to even: 100 x 101 / 200 - 1 = 49.5, 100 x 99 / 200 - 1 = 48.5.
    st.picture.Baseline().resize(200, 10);
    Commit(st, 101, 1000);
    EXPECT_EQ(st.zoom.PercentAt(0), 50);
    Commit(st, 99, 1000);
    EXPECT_EQ(st.zoom.PercentAt(0), 48);
}

TEST(EditState, FitNeverGivesZeroOrNegativeZoom) {
    EditState st;
    st.picture.Baseline().resize(1000, 1000);
    for (int view : {0, 1, 5}) {
        Commit(st, view, view);
        EXPECT_EQ(st.zoom.Slot(), 0);
        EXPECT_GE(st.zoom.Zoom(), 1) << "view " << view;
    }
    Commit(st, -20, 300);
    EXPECT_GE(st.zoom.Zoom(), 1);
}

TEST(EditState, SmallImageKeepsZoomInMainButNotInCompare) {
    EditState st;
    st.zoom.SetSlot(3);
    st.picture.Baseline().resize(100, 100);
    Commit(st, 500, 440);
    EXPECT_EQ(st.zoom.Slot(), 3);
    EditState cmp;
    cmp.zoom.SetSlot(3);
    cmp.picture.Baseline().resize(100, 100);
    Commit(cmp, 500, 440, CommitMode::Normal, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.zoom.Slot(), 7);
}

TEST(EditState, CompareModes) {
    EditState cmp;
    cmp.picture.Baseline().resize(1000, 1000);
    Commit(cmp, 100, 100, CommitMode::Compare100, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.zoom.Slot(), 7);  // never fitted, whatever the size
    EXPECT_EQ(cmp.picture.Work().width(), 1000);
    EXPECT_TRUE(cmp.picture.SourceCopy().empty());  // made by the operation that needs it
    cmp.picture.Work().fill(5, 5, 5);
    const Image source = cmp.picture.SourceCopy();
    // The working image back to the baseline, the source copy left as it was.
    Commit(cmp, 100, 100, CommitMode::NoCopies, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.picture.Work(), cmp.picture.Baseline());
    EXPECT_EQ(cmp.picture.SourceCopy(), source);
    EXPECT_EQ(cmp.zoom.Slot(), 0);
    // A small baseline fits the view: the 100 % slot.
    cmp.zoom.SetSlot(2);
    cmp.picture.Baseline().resize(10, 10);
    Commit(cmp, 500, 440, CommitMode::NoCopies, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.zoom.Slot(), 7);
    EXPECT_EQ(cmp.picture.Work().width(), 10);
}

TEST(EditState, RowsHaveNoLimit) {
    EditState st;
    st.picture.Baseline().resize(2, 5000);
    Commit(st, 100, 100);
    EXPECT_EQ(st.picture.Work().height(), 5000);
}

TEST(EditState, SelectionNeedsAMaskWithSomethingInside) {
    EditState st;
    const Rect r{2, 3, 6, 5};
    EXPECT_FALSE(st.selection.Set(SelectionKind::Rectangle, r, {}, Mask(4, 2, 0)));
    EXPECT_EQ(st.selection.Kind(), SelectionKind::None);
    EXPECT_TRUE(st.selection.Confine().IsWhole());
    EXPECT_FALSE(st.selection.Set(SelectionKind::Rectangle, r, {}, Mask(5, 2, 1)));  // not the rectangle's size
    EXPECT_FALSE(st.selection.Set(SelectionKind::None, r, {}, Mask(4, 2, 1)));
    Mask one(4, 2, 0);
    one.set(3, 1, 9);
    EXPECT_TRUE(st.selection.Set(SelectionKind::Ellipse, r, {{0, 0}, {4, 2}}, one));
    EXPECT_EQ(st.selection.Kind(), SelectionKind::Ellipse);
    const Confinement c = st.selection.Confine();
    ASSERT_FALSE(c.IsWhole());
    EXPECT_TRUE(c.Contains(5, 4));
    EXPECT_FALSE(c.Contains(4, 4));
    EXPECT_FALSE(c.Contains(6, 4));
    // Dropped by a reset of the tool: the whole image again.
    st.ResetTool();
    EXPECT_TRUE(st.selection.Confine().IsWhole());
}

TEST(EditState, ClippedSelectionReadsRightAndBottomAsInclusiveInsideTheImage) {
    SelectionState sel;
    // Of a 100 x 50 image.
    const auto clipped = [&sel](const Rect& r) {
        EXPECT_TRUE(sel.Set(SelectionKind::Rectangle, r, {}, Mask(r.width(), r.height(), 1)));
        return sel.ClippedBounds(100, 50);
    };
    EXPECT_EQ(clipped({-10, 5, 300, 21}), (Rect{0, 5, 99, 21}));
    // Right and bottom count as inclusive bounds: inside the image they stay as they are.
    EXPECT_EQ(clipped({10, 10, 60, 40}), (Rect{10, 10, 60, 40}));
    EXPECT_EQ(clipped({10, 10, 100, 50}), (Rect{10, 10, 99, 49}));
    const Rect r = clipped({150, 60, 200, 90});  // wholly outside: empty
    EXPECT_TRUE(r.Left > r.Right || r.Top > r.Bottom);
}

// --- through the editor, with a view ---

TEST(EditorState, CommitAsksTheViewForItsSizeAndLaysItOut) {
    CountingHost host;
    Editor ed(EditorPolicy::MainWindow(), nullptr, &host);
    ed.State().zoom.SetSlot(9);
    ed.State().picture.Baseline().resize(3000, 2000);
    Editor bare(EditorPolicy::MainWindow());
    bare.State().zoom.SetSlot(9);
    bare.State().picture.Baseline().resize(3000, 2000);
    bare.CommitMemoryImage();  // no view: nothing to fit into
    EXPECT_EQ(bare.State().zoom.Slot(), 9);
    host.viewW = 1500;
    host.viewH = 4000;
    ed.CommitMemoryImage();
    EXPECT_EQ(ed.State().zoom.Slot(), 0);
    EXPECT_EQ(ed.State().zoom.PercentAt(0), 49);
    EXPECT_EQ(host.layouts, 1);
}

TEST(EditorState, UndoStepsBackOneStepAtATimeKeepingADrawnSelectionAndTheZoom) {
    edittest::Window w(Gradient(20, 10));
    EditState& st = w.st();
    const Image loaded = st.picture.Work();
    ASSERT_TRUE(w.Apply("optimize"));
    const Image optimized = st.picture.Work();
    ASSERT_TRUE(w.Apply("grey"));
    ASSERT_TRUE(st.selection.Set(SelectionKind::Rectangle, Rect{2, 2, 6, 6}, {}, edittest::FullMask(Rect{2, 2, 6, 6})));
    st.zoom.SetSlot(4);
    w.host = edittest::CountingHost{};
    EXPECT_TRUE(w.editor.Undo());
    EXPECT_EQ(st.picture.Work(), optimized);
    EXPECT_TRUE(st.file.Optimized());
    EXPECT_FALSE(w.editor.Saved());
    EXPECT_EQ(st.selection.Kind(), SelectionKind::Rectangle);  // only drawn: it stays
    EXPECT_EQ(st.zoom.Slot(), 4);
    EXPECT_EQ(w.host.redraws, 1);
    EXPECT_TRUE(w.editor.Undo());
    EXPECT_EQ(st.picture.Work(), loaded);
    EXPECT_FALSE(st.file.Optimized());  // the photo as loaded: nothing to ask about
    EXPECT_TRUE(w.editor.Saved());
    EXPECT_FALSE(w.editor.Undo());  // nothing further back
    EXPECT_EQ(st.picture.Work(), loaded);
    EXPECT_TRUE(w.editor.Redo());
    EXPECT_EQ(st.picture.Work(), optimized);
    EXPECT_FALSE(w.editor.Saved());
}

TEST(EditorState, MemorizeMakesWorkingImageTheBaseline) {
    edittest::Window w(Gradient(16, 16));
    EditState& st = w.st();
    const Image loaded = st.picture.Work();
    ASSERT_TRUE(w.Apply("optimize"));
    const Image optimized = st.picture.Work();
    w.editor.Memorize();
    EXPECT_EQ(st.picture.Baseline(), optimized);
    EXPECT_EQ(st.picture.Work(), optimized);
    ASSERT_TRUE(w.Apply("grey"));
    w.editor.ResetImage();
    EXPECT_EQ(st.picture.Work(), optimized);
    // Memorize is a step of its own: undone, the baseline is the photo as loaded again.
    EXPECT_EQ(w.editor.history().UndoLabel(), "Reset Image");
    ASSERT_TRUE(w.editor.Undo());
    ASSERT_TRUE(w.editor.Undo());
    EXPECT_EQ(w.editor.history().UndoLabel(), "Memorize");
    ASSERT_TRUE(w.editor.Undo());
    EXPECT_EQ(st.picture.Baseline(), loaded);
    EXPECT_EQ(st.picture.Work(), optimized);
    w.editor.ResetImage();
    EXPECT_EQ(st.picture.Work(), loaded);
}

TEST(EditorState, ClearSelectionAndResetTool) {
    edittest::Window w(Gradient(8, 8));
    EditState& st = w.st();
    st.tools.SetFloating(true);
    st.tools.SetDragging(true);
    st.tools.SetMode(ToolMode::Ellipse);
    w.editor.ClearSelection();  // no selection: no redraw, but the flags and buttons are reset
    EXPECT_EQ(w.host.redraws, 0);
    EXPECT_EQ(w.host.selectionCleared, 1);
    EXPECT_FALSE(st.tools.Floating());
    EXPECT_FALSE(st.tools.Dragging());
    EXPECT_EQ(st.tools.Mode(), ToolMode::Ellipse);
    st.selection.Set(SelectionKind::Rectangle, Rect{0, 0, 1, 1}, {}, Mask(1, 1, 1));
    w.editor.ClearSelection();
    EXPECT_EQ(w.host.redraws, 1);
    EXPECT_EQ(st.selection.Kind(), SelectionKind::None);
    st.selection.Set(SelectionKind::FreeShape, Rect{0, 0, 1, 1}, {}, Mask(1, 1, 1));
    st.tools.SetFloating(true);
    w.editor.SetTool(std::make_unique<Tool>());
    w.editor.ResetTool();
    EXPECT_EQ(st.tools.Mode(), ToolMode::None);
    EXPECT_EQ(st.selection.Kind(), SelectionKind::None);
    EXPECT_FALSE(st.tools.Floating());
    EXPECT_EQ(w.editor.ActiveTool(), nullptr);
    EXPECT_EQ(w.host.toolResets, 1);
}

TEST(EditorState, TargetsAreReadFromTheOptionsAtUse) {
    Editor ed(EditorPolicy::MainWindow());
    EXPECT_EQ(ed.CurrentTargets().flesh, (Rgb{200, 160, 145}));
    EXPECT_EQ(ed.CurrentTargets().landscape, (Rgb{190, 180, 170}));
    int red = 128;
    ed.ReadOptions = [&](BalanceTargets& t) { t.flesh.R = red; };
    EXPECT_EQ(ed.CurrentTargets().flesh.R, 128);
    red = 255;
    EXPECT_EQ(ed.CurrentTargets().flesh.R, 255);
}

TEST(EditorState, SelectionOutlineFollowsTheKind) {
    Editor ed(EditorPolicy::CompareWindow());
    EXPECT_TRUE(ed.SelectionOutline().empty());
    ASSERT_TRUE(ed.State().selection.Set(SelectionKind::Rectangle, Rect{10, 20, 30, 25}, {}, Mask(20, 5, 1)));
    std::vector<Outline> o = ed.SelectionOutline();
    ASSERT_EQ(o.size(), 1u);
    EXPECT_EQ(o[0].kind, Outline::Rectangle);
    EXPECT_EQ(o[0].origin, (ImagePoint{10, 20}));
    EXPECT_EQ(o[0].points, (std::vector<ImagePoint>{{0, 0}, {20, 5}}));
    ASSERT_TRUE(ed.State().selection.Set(SelectionKind::FreeShape, Rect{0, 0, 3, 3}, {{0, 0}, {2, 0}, {1, 2}, {0, 0}},
                                         Mask(3, 3, 1)));
    o = ed.SelectionOutline();
    EXPECT_EQ(o[0].kind, Outline::Polyline);
    EXPECT_EQ(o[0].points.size(), 4u);
}

TEST(EditorState, BackgroundIsWhiteInTheMainWindowAndTheSecondPaintColourInTheCompareWindow) {
    Editor main(EditorPolicy::MainWindow()), cmp(EditorPolicy::CompareWindow());
    main.State().tools.SetPaintColour2(MakeColour(1, 2, 3));
    cmp.State().tools.SetPaintColour2(MakeColour(1, 2, 3));
    EXPECT_EQ(main.BackgroundColour(), MakeColour(255, 255, 255));
    EXPECT_EQ(cmp.BackgroundColour(), MakeColour(1, 2, 3));
}

TEST(EditState, NamedChangesOfThePhotoAndThePicture) {
    Editor ed(EditorPolicy::MainWindow());
    EditState& st = ed.State();
    st.zoom.HoldPercent(1);
    st.zoom.SetSlot(2);
    st.zoom.Reset();
    EXPECT_EQ(st.zoom.Table(), ZoomState::kZoomPercents);
    EXPECT_EQ(st.zoom.Zoom(), 100);

    // A photo loaded (or the logo shown) is committed as another picture.
    ed.MarkUnsaved();
    st.file.SetOptimized(true);
    st.file.PhotoJustLoaded();
    ed.CommitMemoryImage();
    EXPECT_TRUE(st.file.Loaded() && ed.Saved() && !st.file.Optimized());
    ed.MarkUnsaved();
    st.file.ForgetPhoto();
    ed.CommitMemoryImage();
    EXPECT_TRUE(!st.file.Loaded() && ed.Saved() && !st.file.Optimized());

    st.file.SetCurrentFileName("/photos/a.jpg");
    PictureMetadata camera;
    camera.segments.push_back({});
    st.file.SetMetadata(camera);
    st.file.StartNewPicture();  // before the picture is made: the photo's metadata is still there
    EXPECT_EQ(st.file.CurrentFileName(), PictureFile::kNewFileName);
    EXPECT_TRUE(st.file.NewPicturePending());
    EXPECT_FALSE(st.file.Metadata().empty());
    st.file.SetNewPicturePending(false);
    st.file.TookNewPicture();
    EXPECT_TRUE(st.file.NewPicturePending());
    EXPECT_TRUE(st.file.Metadata().empty());
}
