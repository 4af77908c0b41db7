// The command line replays recorded actions as the main window does.
#include <gtest/gtest.h>

#include "CliTestUtil.h"
#include "app/cli/CliInternal.h"
#include "image/Codec.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"

using namespace lum;

namespace {
EditState Loaded(const Image& photo) {
    EditState st;
    InitKernelRegister(st);
    st.MemoryImage = photo;
    st.CommitMemoryImage();
    return st;
}
}  // namespace

TEST(CliReplay, RecordedListReplaysTheMainWindowsCodes) {
    const Image photo = LoadPicture(clitest::Photo("astronaut.jpg").string()).image;
    EditState st = Loaded(photo);
    st.Macro.Start();
    for (auto [code, p1] : {std::pair{2, 0}, {12, 3}, {4, 0}, {13, 0}, {5, 0}, {6, 0}, {7, 0}, {16, 0}, {1, 50}})
        st.Macro.Record(code, p1);
    st.Macro.Close();
    cli::StateReplayer replayer(st);
    st.Macro.Execute(replayer);

    EditState ref = Loaded(photo);
    NivGris(ref);
    ChannelShift(ref, 3);
    GaussianBlur(ref.WorkImage, 8.0);  // the blur dialog's radius
    LandscapeBalance(ref);
    EXPECT_EQ(st.WorkImage, ref.WorkImage);
    EXPECT_EQ(st.Macro.MacroCount, 9);  // replaying recorded nothing
}

TEST(CliReplay, ResizeRefusalGoesThroughThePrompts) {
    EditState st = Loaded(Image(40, 30));
    cli::StderrPrompts prompts;
    st.SetPrompts(&prompts);
    cli::Op op = cli::ParseOp("resize:4x30");
    EXPECT_FALSE(cli::RunOp(st, op));
    EXPECT_EQ(prompts.messages, 1);
    EXPECT_EQ(st.WorkImage.width(), 40);
    EXPECT_TRUE(cli::RunOp(st, cli::ParseOp("resize:20x15")));
    EXPECT_EQ(st.WorkImage.width(), 20);
    EXPECT_EQ(st.UndoImage.width(), 20);  // a resize is the new baseline
}
