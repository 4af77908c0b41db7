// SPDX-License-Identifier: GPL-3.0-or-later
// How an editor runs an operation: the busy scope, the dialog, refusals, the flags and the macro.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "EditorTestSupport.h"
#include "image/Codec.h"
#include "imaging/Refusal.h"

using namespace lum;
using edittest::RandomImage;
using edittest::Window;

namespace {
// Rows of a private table, to see the editor's part alone.
Operation Throwing() {
    return Operation("throwing", [](Editor&, const OpArgs&) { throw std::runtime_error("disk on fire"); }).Pixel();
}
Operation Refusing(const char* message) {
    static std::string text;
    text = message;
    return Operation("refusing", [](Editor&, const OpArgs&) { throw Refusal(text); }).Recorded(2, kBothWindows);
}
}  // namespace

TEST(EditorRun, BusyScopeRedrawAndTheSourceCopy) {
    Window w(RandomImage(20, 10, 1));
    w.st().picture.Work() = RandomImage(20, 10, 2);  // an edit since the last commit
    const Image edited = w.st().picture.Work();
    ASSERT_TRUE(w.editor.Run(w.op("lighten")));
    EXPECT_EQ(w.st().picture.SourceCopy(), edited);
    EXPECT_EQ(w.host.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(w.host.lastBusyKind, BusyKind::Hourglass);
    EXPECT_EQ(w.host.redraws, 1);
    // Optimize and the quarter turns show the progress window.
    ASSERT_TRUE(w.editor.Run(w.op("optimize")));
    EXPECT_EQ(w.host.lastBusyKind, BusyKind::Progress);
}

TEST(EditorRun, AFailureEndsTheBusyScopeAndPropagates) {
    Window w(RandomImage(8, 8, 3));
    const Operation op = Throwing();
    EXPECT_THROW(w.editor.Run(op), std::runtime_error);
    EXPECT_EQ(w.host.busyDepth, 0);
    EXPECT_EQ(w.host.redraws, 0);
}

TEST(EditorRun, ARefusalShowsItsMessageAndRecordsNothing) {
    Window w(RandomImage(8, 8, 4));
    w.editor.Macro().Start();
    const Operation loud = Refusing("Not now");
    EXPECT_FALSE(w.editor.Run(loud));
    const Operation quiet = Refusing("");
    EXPECT_FALSE(w.editor.Run(quiet));
    EXPECT_EQ(w.prompts.messages, (std::vector<std::string>{"Not now"}));
    EXPECT_EQ(w.editor.Macro().Count(), 0);
    EXPECT_EQ(w.host.busyDepth, 0);
}

TEST(EditorRun, OptimizeMarksTheMainWindowsPhotoOnly) {
    const Image photo = RandomImage(16, 12, 5);
    Window main(photo), cmp(photo, EditorPolicy::CompareWindow());
    ASSERT_TRUE(main.editor.Run(main.op("optimize")));
    EXPECT_TRUE(main.st().file.Optimized());
    EXPECT_FALSE(main.editor.Saved());
    ASSERT_TRUE(cmp.editor.Run(cmp.op("optimize")));
    EXPECT_FALSE(cmp.st().file.Optimized());
    EXPECT_FALSE(cmp.editor.Saved());  // its own image did change
    // Other operations mark the photo unsaved, never optimized.
    Window other(photo);
    ASSERT_TRUE(other.Apply("grey"));
    EXPECT_FALSE(other.editor.Saved());
    EXPECT_FALSE(other.st().file.Optimized());
}

// Every row that changes the working image marks it unsaved, so no edit is dropped without a
// question; undone, the photo is as loaded again and the marks go.
TEST(EditorRun, EveryChangingOperationMarksThePhotoUnsaved) {
    // A host with a picture on the clipboard, for the paste rows.
    struct Host : edittest::CountingHost {
        Image clip = RandomImage(12, 9, 20);
        bool ClipboardImage(Image& out) const override {
            out = clip;
            return true;
        }
    };
    const Image photo = RandomImage(24, 18, 12);
    const std::string bmp = testing::TempDir() + "lumora_marks_mix.bmp";
    WriteFileAtomic(bmp, EncodeBmp(RandomImage(10, 8, 21)));
    // Rows whose controls give no arguments run here as the command line words them.
    const std::map<std::string, std::string> words = {
        {"new", "new:30x20"}, {"mix", "mix:" + bmp}, {"select", "select:2,2,10,10"}, {"resize", "resize:30x20"},
        {"brush", "brush:daub,3x3/8x6"},      {"fill", "fill:1,1"}, {"crop", "crop:1,1,20,15"},
        {"straighten", "straighten:4"}, {"red-eye", "red-eye:0,0,24,18"}};
    for (const Operation& op : Operations()) {
        RecordingPrompts prompts;
        Host host;
        Editor editor(EditorPolicy::MainWindow(), &prompts, &host);
        EditState& st = editor.State();
        st.picture.Baseline() = photo;
        editor.CommitMemoryImage();
        st.picture.MixSource() = RandomImage(8, 6, 22);  // what the chooser and the text dialog leave there
        // An empty macro: what a row that keeps the image does by itself.
        editor.Macro().Start();
        editor.Macro().Close();
        ASSERT_TRUE(editor.Saved());
        bool ran = false;
        const auto word = words.find(op.name);
        if (word != words.end()) {
            const ParsedOperation p = ParseOperationWord(word->second);
            ran = editor.Run(*p.op, p.args);
        } else {
            // As its first control runs it (the shift kinds come from the control).
            ran = editor.Run(op, op.commands.empty() ? std::string() : op.commands[0].args);
        }
        ASSERT_TRUE(ran) << op.name << (prompts.messages.empty() ? "" : ": " + prompts.messages[0]);
        EXPECT_EQ(editor.Saved(), op.keepsImage) << op.name;
        EXPECT_EQ(st.file.Optimized(), op.marksOptimized) << op.name;
        editor.Undo();
        EXPECT_TRUE(editor.Saved()) << op.name << " after Undo";
        EXPECT_FALSE(st.file.Optimized()) << op.name << " after Undo";
        EXPECT_TRUE(st.picture.Work() == photo) << op.name << " after Undo";
    }
    // The recorded macro marks through the operations it replays.
    Window m(photo);
    ASSERT_TRUE(m.editor.Run(std::string("macro")));
    EXPECT_FALSE(m.editor.Saved());
}

TEST(EditorRun, RefusedOrCancelledRunsLeaveThePhotoSaved) {
    Window w(RandomImage(8, 8, 13));
    const Operation refused = Refusing("No");
    EXPECT_FALSE(w.editor.Run(refused));
    w.prompts.parameterAnswers.push_back([](OpArgs&) { return false; });
    EXPECT_FALSE(w.editor.Run(w.op("blur")));
    EXPECT_TRUE(w.editor.Saved());
    // A failure half way may have changed part of the image.
    const Operation failing = Throwing();
    EXPECT_THROW(w.editor.Run(failing), std::runtime_error);
    EXPECT_FALSE(w.editor.Saved());
}

TEST(EditorRun, SavedAndOnlyOptimizedAreTheHistorysAnswer) {
    // o optimize, g grey, u Undo, r Redo, s saved, m a change marked outside any step.
    const struct {
        EditorPolicy policy;
        const char* steps;
        bool saved, onlyOptimized;
    } cases[] = {{EditorPolicy::MainWindow(), "", true, false},       {EditorPolicy::MainWindow(), "oo", false, true},
                 {EditorPolicy::MainWindow(), "og", false, false},    {EditorPolicy::MainWindow(), "ogu", false, true},
                 {EditorPolicy::MainWindow(), "ogur", false, false},  {EditorPolicy::MainWindow(), "ou", true, false},
                 {EditorPolicy::MainWindow(), "osgu", true, false},   {EditorPolicy::MainWindow(), "osu", false, false},
                 {EditorPolicy::MainWindow(), "om", false, false},    {EditorPolicy::CompareWindow(), "o", false, false},
                 {EditorPolicy::CommandLine(), "o", false, false},    {EditorPolicy::CommandLine(), "os", true, false}};
    for (const auto& c : cases) {
        Window w(RandomImage(12, 9, 14), c.policy);
        for (const char* k = c.steps; *k; ++k) {
            if (*k == 'o' || *k == 'g') {
                ASSERT_TRUE(w.Apply(*k == 'o' ? "optimize" : "grey"));
            }
            if (*k == 'u' || *k == 'r') {
                ASSERT_TRUE(*k == 'u' ? w.editor.Undo() : w.editor.Redo());
            }
            if (*k == 's') w.editor.MarkSaved();
            if (*k == 'm') w.editor.MarkUnsaved();
        }
        EXPECT_EQ(w.editor.Saved(), c.saved) << c.steps;
        EXPECT_EQ(w.editor.OnlyOptimized(), c.onlyOptimized) << c.steps;
    }
}

TEST(EditorRun, TheFirstCommitMakesAPicture) {
    Editor fresh(EditorPolicy::MainWindow());
    EXPECT_FALSE(fresh.State().picture.HasPicture());
    fresh.State().picture.Baseline() = RandomImage(6, 4, 14);
    fresh.CommitMemoryImage();
    EXPECT_TRUE(fresh.State().picture.HasPicture());
}

TEST(EditorRun, TheDialogIsAskedWithItsProposalAndCanBeCancelled) {
    Window w(RandomImage(64, 48, 6));
    w.st().picture.Work() = RandomImage(64, 48, 7);
    const Image edited = w.st().picture.Work();
    int offeredW = 0, offeredH = 0;
    w.prompts.parameterAnswers.push_back([&](OpArgs& a) {
        offeredW = a.Pair("size").x;
        offeredH = a.Pair("size").y;
        return false;
    });
    EXPECT_FALSE(w.editor.Run(w.op("resize")));
    EXPECT_EQ(offeredW, 64);  // the baseline's size
    EXPECT_EQ(offeredH, 48);
    EXPECT_EQ(w.st().picture.Work(), edited);
    EXPECT_TRUE(w.host.busy.empty());

    // The blur copies the source before its dialog, also when it is then cancelled.
    w.st().picture.SourceCopy() = Image();
    w.prompts.parameterAnswers.push_back([](OpArgs& a) {
        EXPECT_EQ(a.Int("radius"), 8);
        return false;
    });
    EXPECT_FALSE(w.editor.Run(w.op("blur")));
    EXPECT_EQ(w.st().picture.SourceCopy(), edited);
    EXPECT_EQ(w.st().picture.Work(), edited);

    w.prompts.parameterAnswers.push_back([](OpArgs& a) {
        a.Set("size", ImagePoint{640, 480});
        return true;
    });
    EXPECT_TRUE(w.editor.Run(w.op("resize")));
    EXPECT_EQ(w.st().picture.Baseline().width(), 640);
    EXPECT_EQ(w.st().picture.Work().height(), 480);
    // Parameters given outright ask nothing.
    const size_t asked = w.prompts.parametersAsked.size();
    ASSERT_TRUE(w.Apply("blur:2"));
    EXPECT_EQ(w.prompts.parametersAsked.size(), asked);
}

TEST(EditorRun, ControlArgumentsPickTheVariant) {
    const Image photo = RandomImage(10, 10, 8);
    Window w(photo), ref(photo);
    const CommandRef c = FindCommand("GreenChangetoBlue101", kMainWindow);
    w.editor.Macro().Start();
    ASSERT_TRUE(w.editor.Run(*c.op, c.command->args));
    ASSERT_TRUE(ref.Apply("shift:4"));
    EXPECT_EQ(w.st().picture.Work(), ref.st().picture.Work());
    EXPECT_EQ(w.editor.Macro().Actions()[0], (MacroAction{12, 4, 0, 0}));
}

TEST(EditorRun, ByNameAndUnknownNames) {
    Window w(RandomImage(10, 10, 9));
    EXPECT_TRUE(w.editor.Run(std::string("grey")));
    EXPECT_THROW(w.editor.Run(std::string("gray")), std::invalid_argument);
}

TEST(EditorTool, ResetDropsTheToolAndPromptsReachTheRecorder) {
    Window w(RandomImage(4, 4, 10));
    struct Counting : Tool {
        int* presses;
        explicit Counting(int* p) : presses(p) {}
        void Press(Editor&, const ToolEvent&) override { ++*presses; }
    };
    int presses = 0;
    w.editor.SetTool(std::make_unique<Counting>(&presses));
    w.editor.ActiveTool()->Press(w.editor, ToolEvent{});
    EXPECT_EQ(presses, 1);
    w.editor.ResetTool();
    EXPECT_EQ(w.editor.ActiveTool(), nullptr);
    RecordingPrompts other;
    w.editor.SetPrompts(&other);
    w.editor.Macro().Start();
    for (int i = 0; i < 65; ++i) w.editor.Macro().Record(2);
    EXPECT_EQ(other.messages.size(), 1u);
}

TEST(EditorTool, PressesGoToTheFloatingMixThenTheSelectionThenTheTool) {
    Window w(RandomImage(8, 8, 11));
    struct Named : Tool {
        std::string* log;
        char name;
        Named(std::string* l, char n) : log(l), name(n) {}
        void Press(Editor& editor, const ToolEvent&) override {
            *log += name;
            // A tool that resets itself stays alive until the event is over.
            if (name == 't') editor.ResetTool();
            *log += name;
        }
    };
    std::string log;
    w.editor.SetTool(std::make_unique<Named>(&log, 't'));
    w.editor.SetSelectionTool(std::make_unique<Named>(&log, 's'));
    w.editor.SetFloatingTool(std::make_unique<Named>(&log, 'f'));
    EXPECT_EQ(w.editor.DrawingTools().size(), 3u);

    w.st().tools.SetFloating(true);
    w.st().selection.Set(SelectionKind::Rectangle, Rect{0, 0, 1, 1}, {}, Mask(1, 1, 1));
    w.editor.PointerTool()->Press(w.editor, ToolEvent{});
    w.st().tools.SetFloating(false);
    w.editor.PointerTool()->Press(w.editor, ToolEvent{});
    w.st().selection.End();
    w.editor.PointerTool()->Press(w.editor, ToolEvent{});
    EXPECT_EQ(log, "ffsstt");
    EXPECT_EQ(w.editor.ActiveTool(), nullptr);
    w.editor.DropRetiredTools();
    EXPECT_EQ(w.editor.PointerTool(), nullptr);
}
