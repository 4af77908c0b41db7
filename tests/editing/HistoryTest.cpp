// SPDX-License-Identifier: GPL-3.0-or-later
// The history of steps: what each kind of step keeps, its bounds, the saved mark, the recorded
// macro, labels, and the steps that must not happen half way (a stroke being drawn, a fill
// that was stopped).
#include <gtest/gtest.h>

#include "HistoryTestSupport.h"
#include "image/Draw.h"

using namespace lum;
using edittest::RandomImage;
using historytest::Session;

namespace {

size_t Copies(const Image& img, size_t n) { return n * img.byteSize(); }

}  // namespace

TEST(History, DifferingRectIsTheSmallestBoxOfTheDifferences) {
    const Image a = RandomImage(300, 700, 1);  // tall enough for several row bands
    Image b = a;
    EXPECT_TRUE(DifferingRect(a, b, kAnyPixel).empty());
    b.pixel(7, 650)[1] ^= 1;  // one byte, green
    EXPECT_EQ(DifferingRect(a, b, kAnyPixel), (Rect{7, 650, 8, 651}));
    b.pixel(299, 3)[2] ^= 0x80;  // the last column, the red byte
    b.pixel(0, 300)[0] ^= 0x10;  // the first column, another band
    EXPECT_EQ(DifferingRect(a, b, kAnyPixel), (Rect{0, 3, 300, 651}));
    // Only inside the rectangle given, clipped to the images.
    EXPECT_EQ(DifferingRect(a, b, Rect{5, 600, 400, 900}), (Rect{7, 650, 8, 651}));
    EXPECT_TRUE(DifferingRect(a, b, Rect{8, 0, 299, 700}).empty());
    EXPECT_TRUE(DifferingRect(a, b, Rect{}).empty());
}

TEST(History, AStrokeKeepsItsRectangleAFilterTheImageAQuarterTurnItsBaselineToo) {
    Session s(RandomImage(200, 150, 2));
    const Image photo = s.st().picture.Work();
    ChoosePaintTool(s.editor, ToolMode::Pen);
    s.st().tools.SetThickness(3);
    s.Stroke({{20, 30}, {40, 35}, {45, 60}});
    ASSERT_EQ(s.history().Count(), 1);
    const HistoryStep& stroke = s.history().StepAt(0);
    EXPECT_EQ(stroke.label, "Pen Stroke");
    EXPECT_FALSE(stroke.WholeWorkKept());
    EXPECT_EQ(stroke.PatchRect(), (Rect{19, 29, 47, 62}));  // exactly what the square pen covered
    EXPECT_LT(stroke.Bytes(), photo.byteSize() / 20);

    ASSERT_TRUE(s.Apply("sharpen"));
    const HistoryStep& filter = s.history().StepAt(1);
    EXPECT_TRUE(filter.WholeWorkKept());
    EXPECT_FALSE(filter.HasBaseline());
    EXPECT_LE(filter.Bytes(), Copies(photo, 1) + 64);

    // The turn keeps the image before it and the old baseline (not the same picture here).
    ASSERT_TRUE(s.Apply("rotate-cw"));
    const HistoryStep& turn = s.history().StepAt(2);
    EXPECT_TRUE(turn.WholeWorkKept() && turn.HasBaseline());
    EXPECT_EQ(turn.KeptBaseline(), photo);
    EXPECT_LE(turn.Bytes(), Copies(photo, 2) + 64);
    // Turned again right away: the baseline was the working image, kept once.
    ASSERT_TRUE(s.Apply("rotate-cw"));
    const HistoryStep& again = s.history().StepAt(3);
    EXPECT_TRUE(again.StoredBaselineIsWork());
    EXPECT_TRUE(again.KeptBaseline().empty());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Baseline(), s.st().picture.Work());
    EXPECT_EQ(s.st().picture.Work().width(), 150);
    size_t sum = 0;
    for (int i = 0; i < s.history().Count(); ++i) sum += s.history().StepAt(i).Bytes();
    // And the photo as loaded, kept apart since the first turn, once.
    EXPECT_EQ(s.history().BytesHeld(), sum + photo.byteSize());
}

TEST(History, TwentyStrokesAndFiveFiltersHoldLessThanSixCopies) {
    Session s(RandomImage(600, 400, 3));
    s.st().picture.Work() = RandomImage(600, 400, 30);  // not the baseline: every filter keeps a copy
    const size_t copy = s.st().picture.Work().byteSize();
    ChoosePaintTool(s.editor, ToolMode::Pen);
    for (int i = 0; i < 20; ++i) {
        if (i % 4 == 0) {
            ASSERT_TRUE(s.Apply(i % 8 ? "soften" : "sharpen"));
        }
        ChoosePaintTool(s.editor, ToolMode::Pen);
        s.Stroke({{10 + 25 * i, 20}, {30 + 25 * i, 200}, {60 + 20 * i, 380}});
    }
    ASSERT_EQ(s.history().Count(), 25);
    EXPECT_LE(s.history().BytesHeld(), 6 * copy);
    EXPECT_GT(s.history().BytesHeld(), 5 * copy);
    for (int i = 0; i < 25; ++i) EXPECT_TRUE(s.editor.Undo()) << i;
}

TEST(History, AStepFromThePhotoAsOpenedFindsItInTheBaselineInsteadOfACopy) {
    for (const bool memorizedFirst : {false, true}) {
        Session s(RandomImage(120, 90, 6), EditorPolicy::MainWindow());
        if (memorizedFirst) {
            ASSERT_TRUE(s.Apply("grey"));
            s.editor.Memorize();
        }
        const Image opened = s.st().picture.Work();
        const int first = s.history().Count();
        ASSERT_TRUE(s.Apply("sharpen"));
        const Image sharpened = s.st().picture.Work();
        const HistoryStep& filter = s.history().StepAt(first);
        EXPECT_TRUE(filter.WorkIsTheBaseline() && filter.KeptWork().empty());
        EXPECT_LT(filter.Bytes(), 64u);
        // The next ones keep what they change; a turn changes the baseline too.
        ASSERT_TRUE(s.Apply("soften"));
        EXPECT_FALSE(s.history().StepAt(first + 1).WorkIsTheBaseline());
        ASSERT_TRUE(s.Apply("rotate-cw"));
        const Image turned = s.st().picture.Work();
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(s.editor.Undo());
            ASSERT_TRUE(s.editor.Undo());
            EXPECT_EQ(s.st().picture.Work(), sharpened);
            EXPECT_EQ(s.st().picture.Baseline(), opened);
            ASSERT_TRUE(s.editor.Undo());
            EXPECT_EQ(s.st().picture.Work(), opened) << memorizedFirst;
            ASSERT_TRUE(s.editor.Redo());
            EXPECT_EQ(s.st().picture.Work(), sharpened);
            ASSERT_TRUE(s.editor.Redo());
            ASSERT_TRUE(s.editor.Redo());
            EXPECT_EQ(s.st().picture.Work(), turned);
        }
        // An edit not from the baseline keeps its copy.
        s.st().picture.Work() = RandomImage(90, 120, 7);
        const Image edited = s.st().picture.Work();
        ASSERT_TRUE(s.Apply("sharpen"));
        EXPECT_FALSE(s.history().StepAt(s.history().Count() - 1).WorkIsTheBaseline());
        ASSERT_TRUE(s.editor.Undo());
        EXPECT_EQ(s.st().picture.Work(), edited);
    }
}

TEST(History, TheOldestStepsGoBeyondFiftyStepsOrTheBytesAllowed) {
    Session s(RandomImage(40, 30, 4));
    const Image photo = s.st().picture.Work();
    for (int i = 0; i < 55; ++i) ASSERT_TRUE(s.Apply(i % 2 ? "mirror-h" : "mirror-v"));
    EXPECT_EQ(s.history().Count(), 50);
    EXPECT_FALSE(s.editor.Saved());
    while (s.editor.Undo()) {
    }
    // Five steps are gone: the photo as it came is out of reach, and so is its saved state.
    EXPECT_EQ(s.history().Position(), 0);
    EXPECT_FALSE(s.st().picture.Work() == photo);
    EXPECT_FALSE(s.editor.Saved());

    // Three whole images fit the bytes: the fourth drops the first.
    Session b(RandomImage(40, 30, 5));
    b.st().picture.Work() = RandomImage(40, 30, 50);  // not the baseline: every step keeps a copy
    const size_t copy = b.st().picture.Work().byteSize();
    b.editor.SetHistoryLimits(HistoryLimits{3 * copy + 200, 50});
    for (const char* word : {"grey", "mirror-h", "mirror-v", "sharpen"}) ASSERT_TRUE(b.Apply(word));
    EXPECT_EQ(b.history().Count(), 3);
    EXPECT_EQ(b.history().StepAt(0).label, "Horizontal Mirror");
    // The newest step stays whatever its size, so the last action can always be undone.
    b.editor.SetHistoryLimits(HistoryLimits{copy / 2, 50});
    EXPECT_EQ(b.history().Count(), 1);
    EXPECT_EQ(b.history().UndoLabel(), "Sharpen");
}

TEST(History, TheUnsavedMarkFollowsThePositionTheFileHolds) {
    Session s(RandomImage(30, 20, 6));
    ASSERT_TRUE(s.Apply("grey"));
    ASSERT_TRUE(s.Apply("mirror-h"));
    s.editor.MarkSaved();
    EXPECT_TRUE(s.editor.Saved());
    s.editor.Memorize();  // the baseline only: the file still holds the working image
    EXPECT_TRUE(s.editor.Saved());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_TRUE(s.editor.Saved());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_FALSE(s.editor.Saved());
    ASSERT_TRUE(s.editor.Redo());
    EXPECT_TRUE(s.editor.Saved());
    ASSERT_TRUE(s.editor.Undo());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_FALSE(s.editor.Saved());
    // Another way from here: the saved state can no longer be reached.
    ASSERT_TRUE(s.Apply("sharpen"));
    EXPECT_FALSE(s.history().CanRedo());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_FALSE(s.editor.Saved());
    // Another picture is its own saved state.
    s.st().picture.Baseline() = RandomImage(10, 10, 7);
    s.editor.CommitMemoryImage();
    EXPECT_EQ(s.history().Count(), 0);
    EXPECT_FALSE(s.history().CanUndo());
    EXPECT_TRUE(s.history().AtSaved());
}

TEST(History, TheRecordedMacroLosesAnUndoneStepAndGetsItBackOnRedo) {
    Session s(RandomImage(30, 20, 8));
    MacroRecorder& m = s.editor.Macro();
    m.Start();
    ASSERT_TRUE(s.Apply("grey"));
    ASSERT_TRUE(s.Apply("optimize"));  // two actions
    ASSERT_EQ(m.Count(), 3);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(m.Count(), 1);
    EXPECT_EQ(m.Actions()[1], MacroAction{});
    ASSERT_TRUE(s.editor.Redo());
    EXPECT_EQ(m.Count(), 3);
    EXPECT_EQ(m.Actions()[2].code, 1);
    ASSERT_TRUE(s.editor.Undo());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(m.Count(), 0);
    EXPECT_FALSE(m.CloseEnabled());  // nothing recorded any more
    ASSERT_TRUE(s.editor.Redo());
    EXPECT_EQ(m.Count(), 1);
    EXPECT_TRUE(m.CloseEnabled());
    // A closed list stays as it is.
    m.Close();
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(m.Count(), 1);
    // Executing the macro is one step, whatever it replays.
    ASSERT_TRUE(s.Apply("sharpen"));
    const int before = s.history().Count();
    ASSERT_TRUE(s.Apply("macro"));
    EXPECT_EQ(s.history().Count(), before + 1);
    EXPECT_EQ(s.history().UndoLabel(), "Macro");
}

TEST(History, UndoAndRedoOfferTheLabelsOfTheRows) {
    Session s(RandomImage(30, 20, 9));
    EXPECT_EQ(s.history().UndoLabel(), "");
    ASSERT_TRUE(s.Command("Btdur"));
    ASSERT_TRUE(s.Apply("blur:2"));
    EXPECT_EQ(s.history().UndoLabel(), "Gaussian Blur");
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.history().UndoLabel(), "Sharpen");
    EXPECT_EQ(s.history().RedoLabel(), "Gaussian Blur");
    EXPECT_GE(s.host.historyChanges, 3);
    // Every row that changes the picture is a step with a label; the others are none.
    for (const Operation& op : Operations()) EXPECT_EQ(op.label.empty(), op.keepsImage && op.name != "macro") << op.name;
}

TEST(History, NoUndoWhileAStrokeIsDrawnAndAToolSwitchedOffMidStrokeEndsIt) {
    Session s(RandomImage(60, 40, 10));
    const Image photo = s.st().picture.Work();
    ChoosePaintTool(s.editor, ToolMode::Pen);
    s.Press(5, 5);
    s.Move(30, 20);
    EXPECT_FALSE(s.editor.Undo());
    EXPECT_FALSE(s.history().CanUndo());
    s.Release(30, 20);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Work(), photo);
    // Another tool chosen in the middle of a stroke: what was drawn so far is the step.
    s.Press(5, 5);
    s.Move(30, 20);
    const Image drawn = s.st().picture.Work();
    ChoosePaintTool(s.editor, ToolMode::Line);
    s.Move(50, 30);  // the old tool no longer draws
    EXPECT_FALSE(s.history().Recording());
    EXPECT_FALSE(s.st().tools.Dragging());
    EXPECT_EQ(s.st().picture.Work(), drawn);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Work(), photo);
}

TEST(History, AFillStoppedHalfWayIsTakenBack) {
    Session s(edittest::Uniform(1200, 900, 90, 90, 90));
    const Image photo = s.st().picture.Work();
    ChoosePaintTool(s.editor, ToolMode::Fill);
    s.editor.SetHistoryLimits(HistoryLimits{});
    int ticks = 0;
    s.host.keepAlive = [&ticks] { return ++ticks < 3; };
    s.Press(10, 10);
    s.Release(10, 10);
    ASSERT_GE(ticks, 3);  // it did stop
    EXPECT_EQ(s.st().picture.Work(), photo);
    EXPECT_EQ(s.history().Count(), 0);
    EXPECT_TRUE(s.editor.Saved());
    // Not stopped: one step.
    s.host.keepAlive = nullptr;
    s.Press(10, 10);
    EXPECT_FALSE(s.st().picture.Work() == photo);
    EXPECT_EQ(s.history().UndoLabel(), "Fill");
}

TEST(History, AMovedSelectionGoesWithItsStepADrawnOneStays) {
    Session s(RandomImage(60, 40, 11));
    const Image photo = s.st().picture.Work();
    s.ChooseSelection(ToolMode::Rectangle);
    s.Stroke({{10, 10}, {30, 25}});
    ASSERT_EQ(s.st().selection.Kind(), SelectionKind::Rectangle);
    s.grab = GrabOptions{true, true};
    s.Stroke({{20, 15}, {35, 20}});  // lifted, its place erased, moved
    EXPECT_EQ(s.history().UndoLabel(), "Lift Selection");
    s.Stroke({{35, 20}, {40, 28}});  // a copy left behind
    EXPECT_EQ(s.history().UndoLabel(), "Duplicate Selection");
    const HistoryStep& moved = s.history().StepAt(1);
    EXPECT_FALSE(moved.WholeWorkKept());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().selection.Kind(), SelectionKind::None);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Work(), photo);
    // A selection only drawn stays through the undo of a filter confined to it.
    s.ChooseSelection(ToolMode::Rectangle);
    s.Stroke({{10, 10}, {30, 25}});
    ASSERT_TRUE(s.Apply("sharpen"));
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().selection.Kind(), SelectionKind::Rectangle);
    EXPECT_EQ(s.st().picture.Work(), photo);
}

TEST(History, NewAndPasteTakeTheirPictureAndItsFactsBackTogether) {
    Session s(RandomImage(30, 20, 12), EditorPolicy::MainWindow());
    EditState& st = s.st();
    st.file.SetCurrentFileName("/photos/a.jpg");
    st.file.SetPhotoFile("/photos/a.jpg", true);
    edittest::AddMetadataSegment(st, {0xE1, {'E', 'x', 'i', 'f', 0, 0}});
    ASSERT_TRUE(s.Apply("optimize"));
    ASSERT_TRUE(s.Apply("new:50x40"));
    EXPECT_TRUE(st.file.NewPicturePending());
    EXPECT_TRUE(st.file.Metadata().empty());
    EXPECT_TRUE(st.file.PhotoFile().empty());
    EXPECT_FALSE(st.file.PhotoDamaged());
    ASSERT_TRUE(s.editor.Undo());
    // The photo again, with the camera data a save writes back and what is known of its file.
    EXPECT_EQ(st.picture.Work().width(), 30);
    EXPECT_EQ(st.file.CurrentFileName(), "/photos/a.jpg");
    EXPECT_EQ(st.file.PhotoFile(), "/photos/a.jpg");
    EXPECT_TRUE(st.file.PhotoDamaged());
    EXPECT_FALSE(st.file.NewPicturePending());
    EXPECT_EQ(st.file.Metadata().segments.size(), 1u);
    EXPECT_TRUE(st.file.Optimized());
    s.host.clip = RandomImage(12, 9, 13);
    ASSERT_TRUE(s.Command("Commenouvelleimage1"));
    EXPECT_EQ(st.picture.Baseline(), s.host.clip);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(st.picture.Baseline().width(), 30);
    EXPECT_EQ(st.file.Metadata().segments.size(), 1u);
}

TEST(History, AMixPlacedThenDraggedIsOneStepPerDragAndUndoPlacesItForGood) {
    Session s(RandomImage(80, 60, 14));
    const Image photo = s.st().picture.Work();
    s.host.clip = RandomImage(20, 10, 15);
    s.prompts.parameterAnswers.push_back([](OpArgs& a) {
        a.Set("resize", std::string("zoom"));
        return true;
    });
    ASSERT_TRUE(s.Command("PPimage"));
    const Image placed = s.st().picture.Work();
    ASSERT_TRUE(s.st().tools.Floating());
    s.Stroke({{40, 30}, {50, 35}});
    s.Stroke({{50, 35}, {20, 15}});
    EXPECT_EQ(s.history().Count(), 3);
    EXPECT_EQ(s.history().UndoLabel(), "Move Mix");
    EXPECT_FALSE(s.history().StepAt(1).WholeWorkKept());
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_FALSE(s.st().tools.Floating());
    EXPECT_EQ(s.editor.FloatingTool(), nullptr);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Work(), placed);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Work(), photo);
}

TEST(History, TheSourceCopyGoesBetweenOperationsButNotUnderAFloatingMix) {
    Session s(RandomImage(80, 60, 17)), same(RandomImage(80, 60, 17));
    const Image photo = s.st().picture.Work();
    for (Session* t : {&s, &same}) {
        ASSERT_TRUE(t->Apply("grey"));
        ASSERT_TRUE(t->Apply("sharpen"));
    }
    EXPECT_FALSE(s.st().picture.SourceCopy().empty());
    EXPECT_TRUE(s.editor.DropSourceCopy());
    EXPECT_TRUE(s.st().picture.SourceCopy().empty());
    // The operations after it and the history do as they would have done with it.
    for (Session* t : {&s, &same}) ASSERT_TRUE(t->Apply("auto-smooth"));
    EXPECT_EQ(s.st().picture.Work(), same.st().picture.Work());
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Work(), photo);
    ASSERT_TRUE(s.editor.Redo());
    EXPECT_TRUE(s.editor.DropSourceCopy());
    ASSERT_TRUE(s.editor.Redo());
    ASSERT_TRUE(s.editor.Redo());
    EXPECT_EQ(s.st().picture.Work(), same.st().picture.Work());

    // A floating mix reads it at every drag.
    for (Session* t : {&s, &same}) {
        t->host.clip = RandomImage(20, 10, 18);
        t->prompts.parameterAnswers.push_back([](OpArgs& a) {
            a.Set("resize", std::string("zoom"));
            return true;
        });
        ASSERT_TRUE(t->Command("PPimage"));
        ASSERT_TRUE(t->st().tools.Floating());
    }
    EXPECT_FALSE(s.editor.DropSourceCopy());
    EXPECT_FALSE(s.st().picture.SourceCopy().empty());
    for (Session* t : {&s, &same}) t->Stroke({{40, 30}, {55, 40}});
    EXPECT_EQ(s.st().picture.Work(), same.st().picture.Work());
}

TEST(History, APictureFromAnotherWindowIsOneStepThatKeepsTheBaseline) {
    Session s(RandomImage(30, 20, 16), EditorPolicy::MainWindow());
    const Image photo = s.st().picture.Work();
    ASSERT_TRUE(s.Apply("optimize"));
    const Image optimized = s.st().picture.Work();
    s.host = historytest::Host{};
    s.editor.ReplaceWorkImage(RandomImage(20, 30, 17), "Compare Window Edits");
    EXPECT_EQ(s.st().picture.Work(), RandomImage(20, 30, 17));
    EXPECT_EQ(s.st().picture.Baseline(), photo);
    EXPECT_FALSE(s.editor.Saved());
    EXPECT_EQ(s.host.layouts, 1);  // another size: laid out again
    EXPECT_EQ(s.history().UndoLabel(), "Compare Window Edits");
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_EQ(s.st().picture.Work(), optimized);
    ASSERT_TRUE(s.editor.Undo());
    EXPECT_TRUE(s.editor.Saved());
}
