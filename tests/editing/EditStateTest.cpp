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
    EXPECT_EQ(st.WorkImage.width(), 8);
    EXPECT_EQ(st.MoveBuffer.height(), 8);
    EXPECT_EQ(st.ZoomIndex, 7);
    EXPECT_EQ(st.Zoom(), 100);
    EXPECT_EQ(st.SelectionActive, 0);
    EXPECT_EQ(st.Kernel.weights, InitialKernelRegister().weights);
    EXPECT_FLOAT_EQ(st.Angles.SinTable[90], 1.0f);
    EXPECT_EQ(ToneTable()[0], 0);
    EXPECT_EQ(ToneTable()[255], 128);
}

TEST(EditState, CommitCopiesBaselineIntoWorkAndLeavesTheSourceToTheNextOperation) {
    EditState st;
    st.SourceImage = Gradient(5, 5);
    st.MemoryImage = Gradient(37, 21);
    Commit(st, 1000, 1000);
    EXPECT_EQ(st.WorkImage, st.MemoryImage);
    EXPECT_TRUE(st.SourceImage.empty());
    // The copy is a separate image, not shared storage.
    st.WorkImage.fill(1, 2, 3);
    EXPECT_NE(st.MemoryImage, st.WorkImage);
    st.BeginPixelOp();
    EXPECT_EQ(st.SourceImage, st.WorkImage);
}

TEST(EditState, CommitTakesOverCopiesMadeBeforehandOnlyWhenTheyFit) {
    const Image photo = Gradient(90, 40);
    EditState made, taken;
    made.MemoryImage = photo;
    Commit(made, 50, 50);  // wider than the view: fitted
    taken.MemoryImage = photo;
    BaselineCopies ready = BaselineCopies::Of(photo);
    const uint8_t* workBuffer = ready.work.data();
    taken.Commit(50, 50, CommitMode::Normal, FitRule::KeepZoomWhenFits, &ready);
    EXPECT_EQ(taken.WorkImage.data(), workBuffer);  // taken over, not copied
    for (const Image* img : {&taken.MemoryImage, &taken.WorkImage}) EXPECT_EQ(*img, photo);
    EXPECT_TRUE(taken.SourceImage.empty());
    EXPECT_EQ(taken.ZoomIndex, made.ZoomIndex);
    EXPECT_EQ(taken.ZoomTable, made.ZoomTable);
    // Copies of another size are not taken: the commit copies as ever.
    EditState other;
    other.MemoryImage = photo;
    BaselineCopies wrong = BaselineCopies::Of(Gradient(90, 41));
    other.Commit(50, 50, CommitMode::Normal, FitRule::KeepZoomWhenFits, &wrong);
    EXPECT_EQ(other.WorkImage, photo);
    EXPECT_TRUE(other.SourceImage.empty());
    EXPECT_EQ(wrong.work.height(), 41);  // left where it was
}

TEST(EditState, FitCases) {
    EditState st;
    // Wider than the view: w = 2 W gives 49.
    st.MemoryImage.resize(1000, 400);
    Commit(st, 500, 440);
    EXPECT_EQ(st.ZoomIndex, 0);
    EXPECT_EQ(st.ZoomTable[0], 49);
    // Taller than the view only: the height decides.
    st.MemoryImage.resize(100, 880);
    Commit(st, 500, 440);
    EXPECT_EQ(st.ZoomTable[0], 49);
    // Larger both ways: the smaller ratio wins (rw = 0.25, rh = 0.5).
    st.ZoomIndex = 7;
    st.MemoryImage.resize(2000, 880);
    Commit(st, 500, 440);
    EXPECT_EQ(st.ZoomTable[0], 24);
    // Ties go to even: 100 x 101 / 200 - 1 = 49.5, 100 x 99 / 200 - 1 = 48.5.
    st.MemoryImage.resize(200, 10);
    Commit(st, 101, 1000);
    EXPECT_EQ(st.ZoomTable[0], 50);
    Commit(st, 99, 1000);
    EXPECT_EQ(st.ZoomTable[0], 48);
}

TEST(EditState, FitNeverGivesZeroOrNegativeZoom) {
    EditState st;
    st.MemoryImage.resize(1000, 1000);
    for (int view : {0, 1, 5}) {
        Commit(st, view, view);
        EXPECT_EQ(st.ZoomIndex, 0);
        EXPECT_GE(st.Zoom(), 1) << "view " << view;
    }
    Commit(st, -20, 300);
    EXPECT_GE(st.Zoom(), 1);
}

TEST(EditState, SmallImageKeepsZoomInMainButNotInCompare) {
    EditState st;
    st.ZoomIndex = 3;
    st.MemoryImage.resize(100, 100);
    Commit(st, 500, 440);
    EXPECT_EQ(st.ZoomIndex, 3);
    EditState cmp;
    cmp.ZoomIndex = 3;
    cmp.MemoryImage.resize(100, 100);
    Commit(cmp, 500, 440, CommitMode::Normal, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.ZoomIndex, 7);
}

TEST(EditState, CompareModes) {
    EditState cmp;
    cmp.MemoryImage.resize(1000, 1000);
    Commit(cmp, 100, 100, CommitMode::Compare100, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.ZoomIndex, 7);  // never fitted, whatever the size
    EXPECT_EQ(cmp.WorkImage.width(), 1000);
    EXPECT_TRUE(cmp.SourceImage.empty());  // made by the operation that needs it
    cmp.WorkImage.fill(5, 5, 5);
    const Image source = cmp.SourceImage;
    // The working image back to the baseline, the source copy left as it was.
    Commit(cmp, 100, 100, CommitMode::NoCopies, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.WorkImage, cmp.MemoryImage);
    EXPECT_EQ(cmp.SourceImage, source);
    EXPECT_EQ(cmp.ZoomIndex, 0);
    // A small baseline fits the view: the 100 % slot.
    cmp.ZoomIndex = 2;
    cmp.MemoryImage.resize(10, 10);
    Commit(cmp, 500, 440, CommitMode::NoCopies, FitRule::HundredPercentWhenFits);
    EXPECT_EQ(cmp.ZoomIndex, 7);
    EXPECT_EQ(cmp.WorkImage.width(), 10);
}

TEST(EditState, RowsHaveNoLimit) {
    EditState st;
    st.MemoryImage.resize(2, 5000);
    Commit(st, 100, 100);
    EXPECT_EQ(st.WorkImage.height(), 5000);
}

TEST(EditState, SelectionNeedsAMaskWithSomethingInside) {
    EditState st;
    const Rect r{2, 3, 6, 5};
    EXPECT_FALSE(st.SetSelection(kRectangleSelection, r, {}, Mask(4, 2, 0)));
    EXPECT_EQ(st.SelectionActive, 0);
    EXPECT_TRUE(st.Confine().IsWhole());
    EXPECT_FALSE(st.SetSelection(kRectangleSelection, r, {}, Mask(5, 2, 1)));  // not the rectangle's size
    EXPECT_FALSE(st.SetSelection(kNoSelection, r, {}, Mask(4, 2, 1)));
    Mask one(4, 2, 0);
    one.set(3, 1, 9);
    EXPECT_TRUE(st.SetSelection(kEllipseSelection, r, {{0, 0}, {4, 2}}, one));
    EXPECT_EQ(st.SelectionActive, kEllipseSelection);
    const Confinement c = st.Confine();
    ASSERT_FALSE(c.IsWhole());
    EXPECT_TRUE(c.Contains(5, 4));
    EXPECT_FALSE(c.Contains(4, 4));
    EXPECT_FALSE(c.Contains(6, 4));
    // Dropped by a reset of the tool: the whole image again.
    st.ResetTool();
    EXPECT_TRUE(st.Confine().IsWhole());
}

TEST(EditState, ClippedSelectionReadsRightAndBottomAsInclusiveInsideTheImage) {
    EditState st;
    st.MemoryImage.resize(100, 50);
    Commit(st, 1000, 1000);
    st.SelectionRect = {-10, 5, 300, 21};
    EXPECT_EQ(st.ClippedSelection(), (Rect{0, 5, 99, 21}));
    // Right and bottom count as inclusive bounds: inside the image they stay as they are.
    st.SelectionRect = {10, 10, 60, 40};
    EXPECT_EQ(st.ClippedSelection(), (Rect{10, 10, 60, 40}));
    st.SelectionRect = {10, 10, 100, 50};
    EXPECT_EQ(st.ClippedSelection(), (Rect{10, 10, 99, 49}));
    st.SelectionRect = {150, 60, 200, 90};  // wholly outside: empty
    const Rect r = st.ClippedSelection();
    EXPECT_TRUE(r.Left > r.Right || r.Top > r.Bottom);
}

// --- through the editor, with a view ---

TEST(EditorState, CommitAsksTheViewForItsSizeAndLaysItOut) {
    CountingHost host;
    Editor ed(EditorPolicy::MainWindow(), nullptr, &host);
    ed.State().ZoomIndex = 9;
    ed.State().MemoryImage.resize(3000, 2000);
    Editor bare(EditorPolicy::MainWindow());
    bare.State().ZoomIndex = 9;
    bare.State().MemoryImage.resize(3000, 2000);
    bare.CommitMemoryImage();  // no view: nothing to fit into
    EXPECT_EQ(bare.State().ZoomIndex, 9);
    host.viewW = 1500;
    host.viewH = 4000;
    ed.CommitMemoryImage();
    EXPECT_EQ(ed.State().ZoomIndex, 0);
    EXPECT_EQ(ed.State().ZoomTable[0], 49);
    EXPECT_EQ(host.layouts, 1);
}

TEST(EditorState, UndoStepsBackOneStepAtATimeKeepingADrawnSelectionAndTheZoom) {
    edittest::Window w(Gradient(20, 10));
    EditState& st = w.st();
    const Image loaded = st.WorkImage;
    ASSERT_TRUE(w.Apply("optimize"));
    const Image optimized = st.WorkImage;
    ASSERT_TRUE(w.Apply("grey"));
    ASSERT_TRUE(st.SetSelection(kRectangleSelection, Rect{2, 2, 6, 6}, {}, edittest::FullMask(Rect{2, 2, 6, 6})));
    st.ZoomIndex = 4;
    w.host = edittest::CountingHost{};
    EXPECT_TRUE(w.editor.Undo());
    EXPECT_EQ(st.WorkImage, optimized);
    EXPECT_TRUE(st.Optimized);
    EXPECT_FALSE(st.Saved);
    EXPECT_EQ(st.SelectionActive, kRectangleSelection);  // only drawn: it stays
    EXPECT_EQ(st.ZoomIndex, 4);
    EXPECT_EQ(w.host.redraws, 1);
    EXPECT_TRUE(w.editor.Undo());
    EXPECT_EQ(st.WorkImage, loaded);
    EXPECT_FALSE(st.Optimized);  // the photo as loaded: nothing to ask about
    EXPECT_TRUE(st.Saved);
    EXPECT_FALSE(w.editor.Undo());  // nothing further back
    EXPECT_EQ(st.WorkImage, loaded);
    EXPECT_TRUE(w.editor.Redo());
    EXPECT_EQ(st.WorkImage, optimized);
    EXPECT_FALSE(st.Saved);
}

TEST(EditorState, MemorizeMakesWorkingImageTheBaseline) {
    edittest::Window w(Gradient(16, 16));
    EditState& st = w.st();
    const Image loaded = st.WorkImage;
    ASSERT_TRUE(w.Apply("optimize"));
    const Image optimized = st.WorkImage;
    w.editor.Memorize();
    EXPECT_EQ(st.MemoryImage, optimized);
    EXPECT_EQ(st.WorkImage, optimized);
    ASSERT_TRUE(w.Apply("grey"));
    w.editor.ResetImage();
    EXPECT_EQ(st.WorkImage, optimized);
    // Memorize is a step of its own: undone, the baseline is the photo as loaded again.
    EXPECT_EQ(w.editor.history().UndoLabel(), "Reset Image");
    ASSERT_TRUE(w.editor.Undo());
    ASSERT_TRUE(w.editor.Undo());
    EXPECT_EQ(w.editor.history().UndoLabel(), "Memorize");
    ASSERT_TRUE(w.editor.Undo());
    EXPECT_EQ(st.MemoryImage, loaded);
    EXPECT_EQ(st.WorkImage, optimized);
    w.editor.ResetImage();
    EXPECT_EQ(st.WorkImage, loaded);
}

TEST(EditorState, ClearSelectionAndResetTool) {
    edittest::Window w(Gradient(8, 8));
    EditState& st = w.st();
    st.FloatActive = st.DragActive = true;
    st.ToolMode = 3;
    w.editor.ClearSelection();  // no selection: no redraw, but the flags and buttons are reset
    EXPECT_EQ(w.host.redraws, 0);
    EXPECT_EQ(w.host.selectionCleared, 1);
    EXPECT_FALSE(st.FloatActive);
    EXPECT_FALSE(st.DragActive);
    EXPECT_EQ(st.ToolMode, 3);
    st.SelectionActive = 2;
    w.editor.ClearSelection();
    EXPECT_EQ(w.host.redraws, 1);
    EXPECT_EQ(st.SelectionActive, 0);
    st.SelectionActive = 1;
    st.FloatActive = true;
    w.editor.SetTool(std::make_unique<Tool>());
    w.editor.ResetTool();
    EXPECT_EQ(st.ToolMode, 0);
    EXPECT_EQ(st.SelectionActive, 0);
    EXPECT_FALSE(st.FloatActive);
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
    ASSERT_TRUE(ed.State().SetSelection(kRectangleSelection, Rect{10, 20, 30, 25}, {}, Mask(20, 5, 1)));
    std::vector<Outline> o = ed.SelectionOutline();
    ASSERT_EQ(o.size(), 1u);
    EXPECT_EQ(o[0].kind, Outline::Rectangle);
    EXPECT_EQ(o[0].origin, (ImagePoint{10, 20}));
    EXPECT_EQ(o[0].points, (std::vector<ImagePoint>{{0, 0}, {20, 5}}));
    ASSERT_TRUE(ed.State().SetSelection(kFreeShape, Rect{0, 0, 3, 3}, {{0, 0}, {2, 0}, {1, 2}, {0, 0}}, Mask(3, 3, 1)));
    o = ed.SelectionOutline();
    EXPECT_EQ(o[0].kind, Outline::Polyline);
    EXPECT_EQ(o[0].points.size(), 4u);
}

TEST(EditorState, BackgroundIsWhiteInTheMainWindowAndTheSecondPaintColourInTheCompareWindow) {
    Editor main(EditorPolicy::MainWindow()), cmp(EditorPolicy::CompareWindow());
    main.State().PaintColour2 = cmp.State().PaintColour2 = MakeColour(1, 2, 3);
    EXPECT_EQ(main.BackgroundColour(), MakeColour(255, 255, 255));
    EXPECT_EQ(cmp.BackgroundColour(), MakeColour(1, 2, 3));
}

TEST(EditState, NamedChangesOfThePhotoAndThePicture) {
    EditState st;
    st.ZoomTable[3] = 1;
    st.ZoomIndex = 2;
    st.ResetZoom();
    EXPECT_EQ(st.ZoomTable, EditState::kZoomPercents);
    EXPECT_EQ(st.Zoom(), 100);

    st.Saved = false;
    st.Optimized = true;
    st.PhotoJustLoaded();
    EXPECT_TRUE(st.PhotoLoaded && st.Saved && !st.Optimized);
    st.Saved = false;
    st.ForgetPhoto();
    EXPECT_TRUE(!st.PhotoLoaded && st.Saved && !st.Optimized);

    st.CurrentFileName = "/photos/a.jpg";
    st.CurrentMetadata.segments.push_back({});
    st.StartNewPicture();  // before the picture is made: the photo's metadata is still there
    EXPECT_EQ(st.CurrentFileName, EditState::kNewFileName);
    EXPECT_TRUE(st.NewImagePending);
    EXPECT_FALSE(st.CurrentMetadata.empty());
    st.NewImagePending = false;
    st.TookNewPicture();
    EXPECT_TRUE(st.NewImagePending);
    EXPECT_TRUE(st.CurrentMetadata.empty());
}
