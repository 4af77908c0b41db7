#include <gtest/gtest.h>

#include "app/core/EditState.h"
#include "app/core/Macro.h"
#include "app/core/Prompts.h"

using namespace lum;

TEST(EditState, StartsWithEightByEightImages) {
    EditState st;
    EXPECT_EQ(st.WorkImage.width(), 8);
    EXPECT_EQ(st.MoveBuffer.height(), 8);
    EXPECT_EQ(st.ZoomIndex, 7);
    EXPECT_EQ(st.Zoom(), 100);
}

TEST(EditState, CommitFitsWideImage) {
    EditState st;
    st.MemoryImage.resize(1000, 400);
    st.CommitMemoryImage(500, 440);
    EXPECT_EQ(st.ZoomIndex, 0);
    EXPECT_EQ(st.ZoomTable[0], 49);
    ASSERT_EQ(st.WorkRows.size(), 400u);
    EXPECT_EQ(st.WorkRows[399], st.WorkImage.row(399));
    EXPECT_EQ(st.SourceRows[0], st.SourceImage.row(0));
}

TEST(EditState, SmallImageKeepsZoomInMainButNotInCompare) {
    EditState st;
    st.ZoomIndex = 3;
    st.MemoryImage.resize(100, 100);
    st.CommitMemoryImage(500, 440);
    EXPECT_EQ(st.ZoomIndex, 3);
    EditState cmp(true);
    cmp.ZoomIndex = 3;
    cmp.MemoryImage.resize(100, 100);
    cmp.CommitMemoryImage(500, 440);
    EXPECT_EQ(cmp.ZoomIndex, 7);
}

TEST(EditState, RowTablesHaveNoRowLimit) {
    EditState st;
    st.MemoryImage.resize(2, 5000);
    st.CommitMemoryImage(100, 100);
    EXPECT_EQ(st.WorkRows.size(), 5000u);
    EXPECT_EQ(st.WorkRows[4999], st.WorkImage.row(4999));
}

TEST(EditState, UndoAndMemorize) {
    EditState st;
    st.MemoryImage.resize(4, 4);
    st.MemoryImage.fill(10, 10, 10);
    st.CommitMemoryImage(100, 100);
    st.WorkImage.fill(50, 50, 50);
    st.Memorize();
    st.WorkImage.fill(90, 90, 90);
    st.Undo();
    EXPECT_EQ(st.WorkImage.pixel(1, 1)[0], 50);
    st.Undo();
    EXPECT_EQ(st.WorkImage.pixel(1, 1)[0], 50);
    EXPECT_EQ(st.WorkRows[0], st.WorkImage.row(0));
}

TEST(EditState, CompareModes) {
    EditState cmp(true);
    cmp.MemoryImage.resize(1000, 1000);
    cmp.CommitMemoryImage(100, 100, CommitMode::Compare100);
    EXPECT_EQ(cmp.ZoomIndex, 7);
    EXPECT_EQ(cmp.UndoImage.width(), 1000);
    cmp.MemoryImage.resize(10, 10);
    cmp.WorkImage.fill(5, 5, 5);
    cmp.CommitMemoryImage(100, 100, CommitMode::NoCopies);
    EXPECT_EQ(cmp.UndoImage.width(), 1000);  // step 1 skipped
    EXPECT_EQ(cmp.WorkImage.width(), 1000);
    EXPECT_EQ(cmp.ZoomIndex, 0);
}

struct Replayer : MacroReplayer {
    std::vector<int> codes;
    void ReplayAction(int code, int) override { codes.push_back(code); }
    bool Replays(int code) const override { return code == 14 || code == 15 || code == 2; }
};

TEST(Macro, DefaultListAndLimit) {
    MacroRecorder m;
    RecordingPrompts p;
    m.SetPrompts(&p);
    Replayer r;
    m.Execute(r);
    EXPECT_EQ(r.codes, (std::vector<int>{15, 14}));
    m.Start();
    m.Close();
    EXPECT_FALSE(m.ExecuteEnabled);
    r.codes.clear();
    m.Execute(r);
    EXPECT_TRUE(r.codes.empty());
    m.Start();
    for (int i = 0; i < 65; ++i) m.Record(2);
    EXPECT_EQ(m.MacroCount, 64);
    EXPECT_EQ(p.messages, (std::vector<std::string>{"Macro : 64 axions maximum."}));
    m.Execute(r);  // still recording: nothing
    EXPECT_TRUE(r.codes.empty());
    m.Close();
    m.Execute(r);
    EXPECT_EQ(r.codes.size(), 64u);
    m.Record(14);
    EXPECT_EQ(m.MacroCount, 64);
}

// --- commit, fit and the row tables ---

namespace {
Image Gradient(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, (x * 7) & 255, (y * 13) & 255, (x + y) & 255);
    return img;
}
}  // namespace

TEST(EditState, CommitCopiesBaselineIntoUndoWorkAndSource) {
    EditState st;
    st.MemoryImage = Gradient(37, 21);
    st.CommitMemoryImage(1000, 1000);
    EXPECT_EQ(st.UndoImage, st.MemoryImage);
    EXPECT_EQ(st.WorkImage, st.MemoryImage);
    EXPECT_EQ(st.SourceImage, st.MemoryImage);
    ASSERT_EQ(st.SourceRows.size(), 21u);
    for (int y = 0; y < 21; ++y) {
        EXPECT_EQ(st.WorkRows[y], st.WorkImage.row(y));
        EXPECT_EQ(st.SourceRows[y], st.SourceImage.row(y));
    }
    // The copies are separate images, not shared storage.
    st.WorkImage.fill(1, 2, 3);
    EXPECT_NE(st.UndoImage, st.WorkImage);
    EXPECT_NE(st.SourceImage, st.WorkImage);
}

TEST(EditState, FitCases) {
    EditState st;
    // Taller than the view only: the height decides.
    st.MemoryImage.resize(100, 880);
    st.CommitMemoryImage(500, 440);
    EXPECT_EQ(st.ZoomIndex, 0);
    EXPECT_EQ(st.ZoomTable[0], 49);
    // Larger both ways: the smaller ratio wins (rw = 0.25, rh = 0.5).
    st.ZoomIndex = 7;
    st.MemoryImage.resize(2000, 880);
    st.CommitMemoryImage(500, 440);
    EXPECT_EQ(st.ZoomTable[0], 24);
    // rw > rh: the height ratio is used.
    st.MemoryImage.resize(600, 4400);
    st.CommitMemoryImage(500, 440);
    EXPECT_EQ(st.ZoomTable[0], 9);
    // Exactly the size of the view: no fit, slot and index stay.
    st.ZoomIndex = 5;
    st.MemoryImage.resize(500, 440);
    st.CommitMemoryImage(500, 440);
    EXPECT_EQ(st.ZoomIndex, 5);
    EXPECT_EQ(st.ZoomTable[0], 9);
}

TEST(EditState, FitRoundsTiesToEven) {
    EditState st;
    st.MemoryImage.resize(200, 10);
    st.CommitMemoryImage(101, 1000);  // 100 x 101 / 200 - 1 = 49.5
    EXPECT_EQ(st.ZoomTable[0], 50);
    st.CommitMemoryImage(99, 1000);  // 48.5
    EXPECT_EQ(st.ZoomTable[0], 48);
}

TEST(EditState, FitNeverGivesZeroOrNegativeZoom) {
    EditState st;
    st.MemoryImage.resize(1000, 1000);
    for (int view : {0, 1, 5}) {
        st.CommitMemoryImage(view, view);
        EXPECT_EQ(st.ZoomIndex, 0);
        EXPECT_GE(st.Zoom(), 1) << "view " << view;
    }
    st.CommitMemoryImage(-20, 300);
    EXPECT_GE(st.Zoom(), 1);
}

TEST(EditState, CommitWithoutViewKeepsZoom) {
    EditState st;
    st.ZoomIndex = 9;
    st.MemoryImage.resize(3000, 2000);
    st.CommitMemoryImage();  // no view: nothing to fit into
    EXPECT_EQ(st.ZoomIndex, 9);
    int calls = 0;
    st.ViewOuterSize = [&](int& w, int& h) { ++calls; w = 1500; h = 4000; };
    st.CommitMemoryImage();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(st.ZoomIndex, 0);
    EXPECT_EQ(st.ZoomTable[0], 49);
}

TEST(EditState, LayoutHookSeesValidRowsOfTheNewImage) {
    EditState st;
    st.MemoryImage = Gradient(64, 300);
    bool checked = false;
    st.LayoutView = [&] {
        ASSERT_EQ(st.WorkRows.size(), 300u);
        EXPECT_EQ(st.WorkRows[299], st.WorkImage.row(299));
        EXPECT_EQ(st.WorkImage, st.MemoryImage);
        checked = true;
    };
    int redraws = 0;
    st.RedrawView = [&] { ++redraws; };
    st.CommitMemoryImage(100, 100);
    EXPECT_TRUE(checked);
    EXPECT_EQ(redraws, 0);  // the layout hook does its own redraw
    st.LayoutView = nullptr;
    st.CommitMemoryImage(100, 100);
    EXPECT_EQ(redraws, 1);
}

TEST(EditState, CompareWindowFitsLargeImageInNormalMode) {
    EditState cmp(true);
    cmp.MemoryImage.resize(1000, 400);
    cmp.CommitMemoryImage(500, 440);
    EXPECT_EQ(cmp.ZoomIndex, 0);
    EXPECT_EQ(cmp.ZoomTable[0], 49);
    // Mode 3 never fits, whatever the size.
    cmp.CommitMemoryImage(500, 440, CommitMode::Compare100);
    EXPECT_EQ(cmp.ZoomIndex, 7);
    // Mode 1 on a small baseline: fits the view, so the 100 % slot.
    cmp.ZoomIndex = 2;
    cmp.UndoImage.resize(10, 10);
    cmp.CommitMemoryImage(500, 440, CommitMode::NoCopies);
    EXPECT_EQ(cmp.ZoomIndex, 7);
    EXPECT_EQ(cmp.WorkImage.width(), 10);
    EXPECT_EQ(cmp.WorkRows.size(), 10u);
}

// --- Undo, Memorize, pixel operations ---

TEST(EditState, UndoRestoresSizeAndLeavesFlagsSelectionAndZoom) {
    EditState st;
    st.MemoryImage = Gradient(20, 10);
    st.CommitMemoryImage(1000, 1000);
    st.Saved = false;
    st.Optimized = true;
    st.SelectionActive = 1;
    st.ZoomIndex = 4;
    st.WorkImage.resize(5, 500);  // something replaced the working image's storage
    int redraws = 0;
    st.RedrawView = [&] { ++redraws; };
    st.Undo();
    EXPECT_EQ(st.WorkImage, st.MemoryImage);
    ASSERT_EQ(st.WorkRows.size(), 10u);
    EXPECT_EQ(st.WorkRows[9], st.WorkImage.row(9));
    EXPECT_FALSE(st.Saved);
    EXPECT_TRUE(st.Optimized);
    EXPECT_EQ(st.SelectionActive, 1);
    EXPECT_EQ(st.ZoomIndex, 4);
    EXPECT_EQ(redraws, 1);
}

TEST(EditState, MemorizeMakesWorkingImageTheBaseline) {
    EditState st;
    st.MemoryImage = Gradient(16, 16);
    st.CommitMemoryImage(1000, 1000);
    const Image loaded = st.WorkImage;
    st.WorkImage.fill(1, 1, 1);  // "optimize"
    const Image optimized = st.WorkImage;
    st.Memorize();
    EXPECT_EQ(st.MemoryImage, optimized);
    EXPECT_EQ(st.UndoImage, optimized);
    st.WorkImage.fill(200, 0, 0);  // "a filter"
    st.Undo();
    EXPECT_EQ(st.WorkImage, optimized);
    EXPECT_NE(st.WorkImage, loaded);
}

TEST(EditState, BeginPixelOpRefreshesSourceAndRows) {
    EditState st;
    st.MemoryImage = Gradient(12, 9);
    st.CommitMemoryImage(1000, 1000);
    st.WorkImage.setPixel(3, 4, 1, 2, 3);
    EXPECT_NE(st.SourceImage, st.WorkImage);
    st.BeginPixelOp();
    EXPECT_EQ(st.SourceImage, st.WorkImage);
    EXPECT_EQ(st.SourceRows[8], st.SourceImage.row(8));
    EXPECT_EQ(st.WorkRows[8], st.WorkImage.row(8));
}

TEST(EditState, ConfinementRectClipsSelectionToImage) {
    EditState st;
    st.MemoryImage.resize(100, 50);
    st.CommitMemoryImage(1000, 1000);
    EXPECT_EQ(st.ConfinementRect(), (Rect{0, 0, 99, 49}));
    st.SelectionRect = {-10, 5, 300, 20};
    EXPECT_EQ(st.ConfinementRect(), (Rect{0, 0, 99, 49}));  // no selection yet
    st.SelectionActive = 1;
    EXPECT_EQ(st.ConfinementRect(), (Rect{0, 5, 99, 20}));
    st.SelectionRect = {150, 60, 200, 90};  // wholly outside: empty
    Rect r = st.ConfinementRect();
    EXPECT_TRUE(r.Left > r.Right || r.Top > r.Bottom);
}

TEST(EditState, InSelectionOnlyConsultsMaskWhileSelectionExists) {
    struct LeftHalf : SelectionTest {
        bool InSelection(int x, int) const override { return x < 5; }
    } half;
    EditState st;
    st.Selection = &half;
    EXPECT_TRUE(st.InSelection(8, 0));
    st.SelectionActive = 1;
    EXPECT_TRUE(st.InSelection(4, 0));
    EXPECT_FALSE(st.InSelection(8, 0));
}

TEST(EditState, ClearSelectionAndResetTool) {
    EditState st;
    int redraws = 0, ui = 0, toolUi = 0;
    st.RedrawView = [&] { ++redraws; };
    st.ClearSelectionUi = [&] { ++ui; };
    st.ResetToolUi = [&] { ++toolUi; };
    st.FloatActive = st.DragActive = true;
    st.ToolMode = 3;
    st.ClearSelection();  // no selection: no redraw, but the flags and buttons are reset
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(ui, 1);
    EXPECT_FALSE(st.FloatActive);
    EXPECT_FALSE(st.DragActive);
    EXPECT_EQ(st.ToolMode, 3);
    st.SelectionActive = 2;
    st.ClearSelection();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(st.SelectionActive, 0);
    st.SelectionActive = 1;
    st.FloatActive = true;
    st.ResetTool();
    EXPECT_EQ(st.ToolMode, 0);
    EXPECT_EQ(st.SelectionActive, 0);
    EXPECT_FALSE(st.FloatActive);
    EXPECT_EQ(toolUi, 1);
}

TEST(EditState, TargetsAreReadFromTheOptionsAtUse) {
    EditState st;
    EXPECT_EQ(st.CurrentTargets().flesh, (Rgb{200, 160, 145}));
    EXPECT_EQ(st.CurrentTargets().landscape, (Rgb{190, 180, 170}));
    int red = 128;
    st.ReadOptions = [&](BalanceTargets& t) { t.flesh.R = red; };
    EXPECT_EQ(st.CurrentTargets().flesh.R, 128);
    red = 255;
    EXPECT_EQ(st.CurrentTargets().flesh.R, 255);
}

TEST(EditState, ToneTableEnds) {
    EditState st;
    EXPECT_EQ(st.Tones()[0], 0);
    EXPECT_EQ(st.Tones()[255], 128);
    EXPECT_FLOAT_EQ(st.Angles.SinTable[90], 1.0f);
}

// --- the macro recorder ---

namespace {
struct MenuSpy : MacroMenu {
    bool close = true, execute = false;
    void SetCloseEnabled(bool on) override { close = on; }
    void SetExecuteEnabled(bool on) override { execute = on; }
};

// Replays like the main window and, like the real operations, records after running.
struct RecordingReplayer : MacroReplayer {
    MacroRecorder& rec;
    std::vector<MacroAction> ran;
    explicit RecordingReplayer(MacroRecorder& r) : rec(r) {}
    void ReplayAction(int code, int p1) override {
        ran.push_back({code, p1, 0, 0});
        rec.Record(code, p1);
    }
    bool Replays(int code) const override { return MainWindowReplays(code); }
};
}  // namespace

TEST(Macro, MenuFollowsTheStates) {
    MacroRecorder m;
    MenuSpy menu;
    m.SetMenu(&menu);  // takes the creation state at once
    EXPECT_FALSE(menu.close);
    EXPECT_TRUE(menu.execute);
    m.Start();
    EXPECT_EQ(m.MacroState, 1);
    EXPECT_EQ(m.MacroCount, 0);
    EXPECT_FALSE(menu.close);
    EXPECT_FALSE(menu.execute);
    for (const MacroAction& a : m.MacroActions) EXPECT_EQ(a, (MacroAction{}));
    m.Record(12, 3);
    EXPECT_EQ(m.MacroState, 2);
    EXPECT_TRUE(menu.close);
    EXPECT_FALSE(menu.execute);
    m.Close();
    EXPECT_EQ(m.MacroState, 3);
    EXPECT_FALSE(menu.close);
    EXPECT_TRUE(menu.execute);
    EXPECT_EQ(m.MacroActions[0], (MacroAction{12, 3, 0, 0}));
}

TEST(Macro, OptimizeReplaysAsFleshBalanceOnlyAndReplayRecordsNothing) {
    MacroRecorder m;
    m.Start();
    m.Record(15);
    m.Record(1, 50);  // the blend step of the optimize action
    m.Record(12, 6);
    m.Record(13);
    m.Record(7);  // soften: compare window only, not replayed here
    m.Close();
    RecordingReplayer r(m);
    m.Execute(r);
    EXPECT_EQ(r.ran, (std::vector<MacroAction>{{15, 0, 0, 0}, {12, 6, 0, 0}, {13, 0, 0, 0}}));
    EXPECT_EQ(m.MacroCount, 5);  // closed: the replayed operations recorded nothing
    r.ran.clear();
    m.Execute(r);  // can be executed again
    EXPECT_EQ(r.ran.size(), 3u);
}

TEST(Macro, ClosedRecorderIgnoresOperations) {
    MacroRecorder m;
    m.Record(2);
    EXPECT_EQ(m.MacroCount, 2);
    EXPECT_EQ(m.MacroActions[0], (MacroAction{15, 0, 0, 0}));
    EXPECT_EQ(m.MacroActions[1], (MacroAction{14, 0, 0, 0}));
    EXPECT_EQ(m.MacroActions[2], (MacroAction{}));
}

TEST(Macro, EveryAttemptBeyondTheLimitShowsTheMessage) {
    MacroRecorder m;
    RecordingPrompts p;
    m.SetPrompts(&p);
    m.Start();
    for (int i = 0; i < 64; ++i) m.Record(12, i % 6 + 1);
    EXPECT_TRUE(p.messages.empty());
    m.Record(16);
    m.Record(16);
    EXPECT_EQ(p.messages.size(), 2u);
    EXPECT_EQ(m.MacroState, 2);
    EXPECT_EQ(m.MacroActions[63], (MacroAction{12, 4, 0, 0}));
    m.Close();
    RecordingReplayer r(m);
    m.Execute(r);
    ASSERT_EQ(r.ran.size(), 64u);
    EXPECT_EQ(r.ran.back(), (MacroAction{12, 4, 0, 0}));
}

TEST(Macro, StartAgainDiscardsTheListAndDefaultsComeBack) {
    MacroRecorder m;
    m.Start();
    m.Record(2);
    m.Record(16);
    m.Close();
    m.Start();
    EXPECT_EQ(m.MacroCount, 0);
    EXPECT_EQ(m.MacroActions[1], (MacroAction{}));
    m.Close();
    RecordingReplayer r(m);
    m.Execute(r);
    EXPECT_TRUE(r.ran.empty());
    m.InstallDefaults();
    EXPECT_TRUE(m.ExecuteEnabled);
    m.Execute(r);
    EXPECT_EQ(r.ran, (std::vector<MacroAction>{{15, 0, 0, 0}, {14, 0, 0, 0}}));
}

TEST(Macro, ReplayCodesOfTheTwoWindows) {
    for (int code = -1; code <= 20; ++code) {
        bool main = code == 2 || code == 12 || code == 13 || code == 14 || code == 15 || code == 16;
        EXPECT_EQ(MainWindowReplays(code), main) << code;
        EXPECT_EQ(CompareWindowReplays(code), main || code == 4 || code == 5 || code == 6) << code;
    }
}

TEST(EditState, SetPromptsReachesTheRecorder) {
    EditState st;
    RecordingPrompts p;
    st.SetPrompts(&p);
    EXPECT_EQ(st.prompts, &p);
    st.Macro.Start();
    for (int i = 0; i < 65; ++i) st.Macro.Record(2);
    EXPECT_EQ(p.messages, (std::vector<std::string>{"Macro : 64 axions maximum."}));
}
