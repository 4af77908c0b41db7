// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's editor: replays as the main window does, dialogs take their proposal,
// refusals go through its prompts.
#include <gtest/gtest.h>

#include "CliTestUtil.h"
#include "cli/CliInternal.h"
#include "editing/Editor.h"
#include "image/Codec.h"
#include "imaging/Filters.h"

using namespace lum;

namespace {
struct Loaded {
    cli::StderrPrompts prompts;
    Editor editor{EditorPolicy::MainWindow(), &prompts};
    explicit Loaded(const Image& photo) {
        editor.State().picture.Baseline() = photo;
        editor.CommitMemoryImage();
    }
    bool Run(const std::string& word) {
        const ParsedOperation op = cli::ParseOp(word);
        return editor.Run(*op.op, op.args);
    }
};
}  // namespace

TEST(CliReplay, RecordedBlurIsReplayedWithTheDialogsRadius) {
    const Image photo = LoadPicture(clitest::Photo("astronaut.jpg").string()).image;
    Loaded l(photo);
    l.editor.Macro().Start();
    for (auto [code, p1] : {std::pair{2, 0}, {12, 3}, {4, 0}, {13, 0}, {5, 0}, {6, 0}, {7, 0}, {16, 0}, {1, 50}})
        l.editor.Macro().Record(code, p1);
    l.editor.Macro().Close();
    ASSERT_TRUE(l.Run("macro"));

    Loaded ref(photo);
    for (const char* word : {"grey", "shift:3", "blur:8", "landscape-balance"}) ASSERT_TRUE(ref.Run(word)) << word;
    EXPECT_EQ(l.editor.State().picture.Work(), ref.editor.State().picture.Work());
    Image blurred = photo;
    GaussianBlur(blurred, 8.0);
    EXPECT_NE(l.editor.State().picture.Work(), blurred);
    EXPECT_EQ(l.editor.Macro().Count(), 9);  // replaying recorded nothing
}

TEST(CliReplay, ResizeRefusalGoesThroughThePrompts) {
    Loaded l(Image(40, 30));
    EXPECT_FALSE(l.Run("resize:4x30"));
    EXPECT_EQ(l.prompts.messages, 1);
    EXPECT_EQ(l.editor.State().picture.Work().width(), 40);
    EXPECT_TRUE(l.Run("resize:20x15"));
    EXPECT_EQ(l.editor.State().picture.Work().width(), 20);
    EXPECT_EQ(l.editor.State().picture.Baseline().width(), 20);  // a resize is the new baseline
}
