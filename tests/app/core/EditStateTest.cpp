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
