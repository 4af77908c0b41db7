// SPDX-License-Identifier: GPL-3.0-or-later
// The macro recorder, and replay through the operation table as each window replays.
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editing/Macro.h"

using namespace lum;
using edittest::RandomImage;
using edittest::Window;

namespace {
struct MenuSpy : MacroMenu {
    bool close = true, execute = false;
    void SetCloseEnabled(bool on) override { close = on; }
    void SetExecuteEnabled(bool on) override { execute = on; }
};

std::vector<int> Codes(const std::vector<MacroAction>& actions) {
    std::vector<int> codes;
    for (const MacroAction& a : actions) codes.push_back(a.code);
    return codes;
}
}  // namespace

TEST(Macro, MenuFollowsTheStates) {
    MacroRecorder m;
    MenuSpy menu;
    m.SetMenu(&menu);  // takes the creation state at once
    EXPECT_FALSE(menu.close);
    EXPECT_TRUE(menu.execute);
    m.Start();
    EXPECT_EQ(m.State(), MacroState::Started);
    EXPECT_EQ(m.Count(), 0);
    EXPECT_FALSE(menu.close);
    EXPECT_FALSE(menu.execute);
    for (const MacroAction& a : m.Actions()) EXPECT_EQ(a, (MacroAction{}));
    EXPECT_TRUE(m.ToReplay().empty());
    m.Record(12, 3);
    EXPECT_EQ(m.State(), MacroState::Recorded);
    EXPECT_TRUE(menu.close);
    EXPECT_FALSE(menu.execute);
    EXPECT_TRUE(m.ToReplay().empty());  // still recording
    m.Close();
    EXPECT_EQ(m.State(), MacroState::Closed);
    EXPECT_FALSE(menu.close);
    EXPECT_TRUE(menu.execute);
    EXPECT_EQ(m.ToReplay(), (std::vector<MacroAction>{{12, 3, 0, 0}}));
}

TEST(Macro, DefaultListAndStartThenClose) {
    MacroRecorder m;
    EXPECT_EQ(m.ToReplay(), (std::vector<MacroAction>{{15, 0, 0, 0}, {14, 0, 0, 0}}));
    m.Record(2);  // closed: ignored
    EXPECT_EQ(m.Count(), 2);
    m.Start();
    m.Close();
    EXPECT_FALSE(m.ExecuteEnabled());
    EXPECT_TRUE(m.ToReplay().empty());
    m.InstallDefaults();
    EXPECT_TRUE(m.ExecuteEnabled());
    EXPECT_EQ(m.ToReplay().size(), 2u);
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
    EXPECT_EQ(p.messages, (std::vector<std::string>(2, "A macro holds at most 64 actions.")));
    EXPECT_EQ(m.State(), MacroState::Recorded);
    EXPECT_EQ(m.Actions()[63], (MacroAction{12, 4, 0, 0}));
    m.Close();
    const std::vector<MacroAction> list = m.ToReplay();
    ASSERT_EQ(list.size(), 64u);
    EXPECT_EQ(list.back(), (MacroAction{12, 4, 0, 0}));
}

// --- replay through the editor ---

TEST(MacroReplay, ExecutingRightAfterStartUpBalancesThenSmooths) {
    const Image photo = RandomImage(40, 30, 1);
    Window w(photo), ref(photo);
    w.editor.ExecuteMacro();
    ASSERT_TRUE(ref.Apply("flesh-balance"));
    ASSERT_TRUE(ref.Apply("auto-smooth"));
    EXPECT_EQ(w.st().picture.Work(), ref.st().picture.Work());
    EXPECT_EQ(w.editor.Macro().Count(), 2);
}

TEST(MacroReplay, EachWindowReplaysItsOwnCodes) {
    const Image photo = RandomImage(30, 20, 2);
    for (const EditorPolicy& policy : {EditorPolicy::MainWindow(), EditorPolicy::CompareWindow()}) {
        const bool compare = policy.window == kCompareWindow;
        Window w(photo, policy);
        w.editor.Macro().Start();
        for (const char* word : {"grey", "shift:3", "lighten", "blur:8", "sharpen-plus", "sharpen", "soften",
                                 "landscape-balance", "optimize"})
            ASSERT_TRUE(w.Apply(word)) << word;
        // Optimize records the balance and its blend step.
        EXPECT_EQ(Codes(w.editor.Macro().ToReplay()), std::vector<int>{}) << "still recording";
        w.editor.Macro().Close();
        EXPECT_EQ(Codes(w.editor.Macro().ToReplay()), (std::vector<int>{2, 12, 4, 13, 5, 6, 7, 16, 15, 1}));
        EXPECT_EQ(w.editor.Macro().Actions()[1].p1, 3);
        EXPECT_EQ(w.editor.Macro().Actions()[9].p1, compare ? 40 : 50);

        Window replayed(photo, policy), ref(photo, policy);
        replayed.editor.Macro() = w.editor.Macro();
        replayed.editor.ExecuteMacro();
        std::vector<std::string> expected = {"grey", "shift:3"};
        if (compare) expected.push_back("lighten");
        expected.push_back("blur:8");  // the dialog's proposal
        if (compare) {
            expected.push_back("sharpen-plus");
            expected.push_back("sharpen");
        }
        expected.push_back("landscape-balance");
        expected.push_back("flesh-balance");  // the optimize replays as the balance alone
        for (const std::string& word : expected) ASSERT_TRUE(ref.Apply(word)) << word;
        EXPECT_EQ(replayed.st().picture.Work(), ref.st().picture.Work()) << (compare ? "compare" : "main");
        EXPECT_EQ(replayed.editor.Macro().Count(), 10);  // replaying recorded nothing
        // The blur asked its dialog again.
        ASSERT_EQ(replayed.prompts.parametersAsked.size(), 1u);
        EXPECT_EQ(replayed.prompts.parametersAsked[0]->name, "blur");
    }
}

TEST(MacroReplay, ACancelledDialogSkipsOnlyItsStep) {
    const Image photo = RandomImage(30, 20, 3);
    Window w(photo);
    w.editor.Macro().Start();
    ASSERT_TRUE(w.Apply("blur:3"));
    ASSERT_TRUE(w.Apply("grey"));
    w.editor.Macro().Close();
    Window replayed(photo), ref(photo);
    replayed.editor.Macro() = w.editor.Macro();
    replayed.prompts.parameterAnswers.push_back([](OpArgs&) { return false; });
    replayed.editor.ExecuteMacro();
    ASSERT_TRUE(ref.Apply("grey"));
    EXPECT_EQ(replayed.st().picture.Work(), ref.st().picture.Work());
}

TEST(MacroReplay, SixtyFiveOperationsChangeTheImageButSixtyFourAreReplayed) {
    const Image photo = RandomImage(12, 10, 4);
    Window w(photo);
    w.editor.Macro().Start();
    for (int i = 0; i < 64; ++i) ASSERT_TRUE(w.Apply("shift:1"));
    const Image before = w.st().picture.Work();
    ASSERT_TRUE(w.Apply("shift:2"));
    EXPECT_NE(w.st().picture.Work(), before);
    EXPECT_EQ(w.prompts.messages, (std::vector<std::string>{"A macro holds at most 64 actions."}));
    w.editor.Macro().Close();
    EXPECT_EQ(w.editor.Macro().ToReplay().size(), 64u);
}
