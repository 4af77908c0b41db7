// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the table on a window's state: what each operation reads and writes, confines,
// records and leaves behind.
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"
#include "imaging/Geometry.h"

using namespace lum;
using edittest::FullMask;
using edittest::RandomImage;
using edittest::Uniform;
using edittest::Window;

namespace {
struct Px {
    int r, g, b;
    bool operator==(const Px& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Px& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& os, const Px& p) { return os << "(" << p.r << "," << p.g << "," << p.b << ")"; }
Px At(const Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return {p[2], p[1], p[0]};
}
const std::array<std::array<int32_t, 3>, 3> kSharpB{{{-2, -1, -2}, {-1, 28, -1}, {-2, -1, -2}}};
const std::array<std::array<int32_t, 3>, 3> kSharpA{{{-1, -2, -1}, {-2, 28, -2}, {-1, -2, -1}}};
}  // namespace

// --- colour ---

TEST(ColourOperations, BalancesRecordTheirCodesAndReadTheTargetsAtUse) {
    Window w(Uniform(40, 30, 128, 128, 128));
    w.editor.Macro().Start();
    ASSERT_TRUE(w.Apply("flesh-balance"));
    EXPECT_EQ(At(w.st().picture.Work(), 20, 15), (Px{155, 139, 134}));
    EXPECT_EQ(At(w.st().picture.SourceCopy(), 3, 3), (Px{128, 128, 128}));  // the image before
    w.editor.Undo();  // takes its action out of the recording too
    w.editor.ReadOptions = [](BalanceTargets& t) { t.flesh = Rgb{128, 128, 128}; };
    ASSERT_TRUE(w.Apply("flesh-balance"));
    EXPECT_EQ(At(w.st().picture.Work(), 5, 5), (Px{128, 128, 128}));
    ASSERT_TRUE(w.Apply("landscape-balance"));
    ASSERT_TRUE(w.Apply("shift:4"));
    const std::vector<MacroAction> expected = {{15, 0, 0, 0}, {16, 0, 0, 0}, {12, 4, 0, 0}};
    EXPECT_EQ(w.editor.Macro().Count(), 3);
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(w.editor.Macro().Actions()[i], expected[i]);
}

TEST(ColourOperations, BalanceMeasuresTheSelectionThenCorrectsEverythingWithoutIt) {
    // Left half dark, right half bright; the selection holds dark pixels only.
    Image img = Uniform(40, 20, 200, 200, 200);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) img.setPixel(x, y, 100, 100, 100);
    Window w(img, EditorPolicy::CompareWindow());
    Mask none(9, 9, 0);
    none.set(0, 0, 1);  // the mask plays no part in a balance
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{2, 2, 11, 11}, {}, none));
    ASSERT_TRUE(w.Apply("flesh-balance"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
    EXPECT_EQ(w.host.toolResets, 1);
    EXPECT_EQ(At(w.st().picture.Work(), 30, 15),
              (Px{200 + 100 * 114 / 256, 200 + 60 * 110 / 256, 200 + 45 * 118 / 256}));
    EXPECT_EQ(At(w.st().picture.Work(), 0, 0), (Px{100 + 100 * 90 / 256, 100 + 60 * 86 / 256, 100 + 45 * 94 / 256}));
}

TEST(ColourOperations, BalanceSampleTakesTheSelectionsRightColumnAndBottomRow) {
    // Grey but for a white column and row on the selection's right and bottom bounds: they are
    // part of the sample, so the mean moves off the grey.
    Image img = Uniform(80, 60, 100, 100, 100);
    for (int y = 0; y < 60; ++y) img.setPixel(60, y, 255, 255, 255);
    for (int x = 0; x < 80; ++x) img.setPixel(x, 50, 255, 255, 255);
    const Rect selected{10, 10, 60, 50};
    for (const char* balance : {"flesh-balance", "landscape-balance"}) {
        Window w(img, EditorPolicy::CompareWindow());
        ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, selected, {}, FullMask(selected)));
        ASSERT_TRUE(w.Apply(balance));
        const int mode = std::string(balance) == "flesh-balance" ? kModeFlesh : kModeLandscape;
        const auto measuredOver = [&](const Rect& sample) {
            Image out = img;
            ColourPassInPlace(img, out, 0, mode, BalanceTargets{}, Confinement(), sample);
            return out;
        };
        EXPECT_EQ(w.st().picture.Work(), measuredOver(Rect{10, 10, 60, 50})) << balance;
        EXPECT_NE(w.st().picture.Work(), measuredOver(Rect{10, 10, 59, 49})) << balance;
        // Over the edges: the last column and row of the image are the last ones measured.
        Window edge(img, EditorPolicy::CompareWindow());
        const Rect over{70, 40, 95, 75};
        ASSERT_TRUE(edge.st().selection.Set(SelectionKind::Rectangle, over, {}, FullMask(over)));
        ASSERT_TRUE(edge.Apply(balance));
        EXPECT_EQ(edge.st().picture.Work(), measuredOver(Rect{70, 40, 79, 59})) << balance;
    }
}

TEST(ColourOperations, SelectionOutsideThePhotoLeavesItUnchangedAndStillRecords) {
    const Image img = RandomImage(24, 16, 9);
    Window w(img, EditorPolicy::CompareWindow());
    w.editor.Macro().Start();
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{30, 0, 40, 10}, {}, FullMask(Rect{30, 0, 40, 10})));
    ASSERT_TRUE(w.Apply("flesh-balance"));
    EXPECT_EQ(w.st().picture.Work(), img);
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
    EXPECT_EQ(w.editor.Macro().Actions()[0], (MacroAction{15, 0, 0, 0}));
}

TEST(ColourOperations, ShiftsAndLightenStayInsideTheSelectionAndKeepIt) {
    const Image img = RandomImage(30, 20, 7);
    const Rect rect{5, 2, 20, 17};
    Mask disc(rect.width(), rect.height());
    for (int y = 0; y < disc.height(); ++y)
        for (int x = 0; x < disc.width(); ++x)
            if ((x + 5 - 12) * (x + 5 - 12) + (y + 2 - 9) * (y + 2 - 9) <= 40) disc.set(x, y, 255);
    for (const char* word : {"shift:3", "lighten"}) {
        Window w(img, EditorPolicy::CompareWindow());
        ASSERT_TRUE(w.st().selection.Set(SelectionKind::Ellipse, rect, {}, disc));
        w.st().tools.SetFloating(true);
        ASSERT_TRUE(w.Apply(word));
        EXPECT_EQ(w.st().selection.Kind(), SelectionKind::Ellipse) << word;
        EXPECT_NE(At(w.st().picture.Work(), 12, 9), At(img, 12, 9));
        EXPECT_EQ(At(w.st().picture.Work(), 5, 2), At(img, 5, 2));
        EXPECT_EQ(At(w.st().picture.Work(), 25, 9), At(img, 25, 9));
        // A floating mix is placed for good by any other step (its drags would compose it
        // again over the image before this one).
        EXPECT_FALSE(w.st().tools.Floating()) << word;
    }
}

TEST(ColourOperations, OptimizeRecordsTheBalanceAndItsBlendStep) {
    const Image grey = Uniform(48, 36, 128, 128, 128);
    Window w(grey), cmp(grey, EditorPolicy::CompareWindow()), forced(grey);
    for (Window* x : {&w, &cmp, &forced}) x->editor.Macro().Start();
    ASSERT_TRUE(w.Apply("optimize"));
    ASSERT_TRUE(cmp.Apply("optimize"));
    ASSERT_TRUE(forced.Apply("optimize-compare"));
    EXPECT_EQ(At(w.st().picture.Work(), 20, 20), (Px{141, 133, 131}));
    EXPECT_EQ(At(cmp.st().picture.Work(), 20, 20), (Px{144, 134, 131}));
    EXPECT_EQ(forced.st().picture.Work(), cmp.st().picture.Work());
    EXPECT_EQ(w.editor.Macro().Actions()[1], (MacroAction{1, 50, 0, 0}));
    EXPECT_EQ(cmp.editor.Macro().Actions()[1], (MacroAction{1, 40, 0, 0}));
    EXPECT_EQ(forced.editor.Macro().Actions()[1], (MacroAction{1, 40, 0, 0}));
    EXPECT_EQ(w.st().picture.SourceCopy(), grey);
    w.editor.Undo();
    EXPECT_EQ(w.st().picture.Work(), grey);
}

TEST(ColourOperations, EmptyPhotosAreHarmless) {
    Window w(Image(0, 0));
    for (const char* word : {"optimize", "flesh-balance", "landscape-balance", "shift:1", "lighten", "grey",
                             "auto-smooth", "mirror-h", "rotate:30", "rotate-cw"})
        EXPECT_NO_THROW(w.Apply(word)) << word;
    EXPECT_TRUE(w.st().picture.Work().empty());
}

// --- filters ---

TEST(FilterOperations, GreyAfterStartUpFiltersWithTheSharpenVariantAndKeepsTheRegister) {
    const Image img = RandomImage(23, 19, 4);
    Window w(img);
    w.editor.Macro().Start();
    ASSERT_TRUE(w.Apply("grey"));
    KernelRegister b;
    b.weights = kSharpB;
    b.divisor = 16;
    Image want = img;
    KernelFilter(img, want, b, true);
    EXPECT_EQ(w.st().picture.Work(), want);
    EXPECT_EQ(w.editor.Macro().Actions()[0], (MacroAction{2, 0, 0, 0}));
    EXPECT_EQ(w.st().registers.Kernel().weights, kSharpB);
    EXPECT_EQ(w.st().registers.Kernel().counter4, 0);
}

TEST(FilterOperations, EachCommandLoadsItsKernelAndRecordsItsCode) {
    const Image img = RandomImage(31, 17, 8);
    const std::pair<const char*, int> cases[] = {{"sharpen", 6}, {"sharpen-plus", 5}, {"soften", 7}, {"auto-smooth", 14}};
    for (auto [word, code] : cases) {
        Window w(img, EditorPolicy::CompareWindow());
        w.editor.Macro().Start();
        ASSERT_TRUE(w.Apply(word));
        KernelRegister k = InitialKernelRegister();
        Image want = img;
        if (code == 14) {
            AutoSmooth(img, want, k);
        } else {
            SetKernel(k, code == 6 ? 4 : code == 5 ? 5 : 2);
            KernelFilter(img, want, k, false);
        }
        EXPECT_EQ(w.st().picture.Work(), want) << word;
        EXPECT_EQ(w.st().picture.SourceCopy(), img);
        EXPECT_EQ(w.editor.Macro().Actions()[0], (MacroAction{code, 0, 0, 0}));
    }
    // Repeated sharpen alternates variants b, a, b.
    Window w(img);
    ASSERT_TRUE(w.Apply("sharpen"));
    EXPECT_EQ(w.st().registers.Kernel().weights, kSharpB);
    ASSERT_TRUE(w.Apply("sharpen"));
    EXPECT_EQ(w.st().registers.Kernel().weights, kSharpA);
    EXPECT_EQ(w.editor.Macro().Count(), 2);  // closed recorder (the default list) records nothing
}

TEST(FilterOperations, KernelPassesStayInTheSelection) {
    const Image img = RandomImage(40, 30, 99);
    Window w(img, EditorPolicy::CompareWindow());
    const Rect rect{5, 3, 34, 26};
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, rect, {}, FullMask(rect)));
    ASSERT_TRUE(w.Apply("sharpen"));
    KernelRegister k = InitialKernelRegister();
    SetKernel(k, 4);
    Image want = img;
    const Mask full = FullMask(rect);
    KernelFilter(img, want, k, false, Confinement(rect, full));
    EXPECT_EQ(w.st().picture.Work(), want);
    EXPECT_EQ(At(w.st().picture.Work(), 0, 0), At(img, 0, 0));
}

TEST(FilterOperations, BlurCoversTheWholeImageWhateverIsSelected) {
    const Image img = RandomImage(50, 40, 2);
    Window w(img, EditorPolicy::CompareWindow());
    const Rect rect{10, 10, 20, 20};
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, rect, {}, FullMask(rect)));
    w.editor.Macro().Start();
    ASSERT_TRUE(w.Apply("blur:6"));
    Image want = img;
    GaussianBlur(want, 6);
    EXPECT_EQ(w.st().picture.Work(), want);
    EXPECT_EQ(w.editor.Macro().Actions()[0], (MacroAction{13, 0, 0, 0}));
}

// --- geometry ---

TEST(GeometryOperations, QuarterTurnsCommitAndDropTheSelection) {
    const Image orig = RandomImage(90, 41, 11);
    Window w(orig, EditorPolicy::CompareWindow());
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{0, 0, 5, 5}, {}, FullMask(Rect{0, 0, 5, 5})));
    w.st().tools.SetMode(ToolMode::Rectangle);
    ASSERT_TRUE(w.Apply("rotate-cw"));
    EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
    EXPECT_EQ(w.st().tools.Mode(), ToolMode::None);
    EXPECT_EQ(w.host.selectionCleared, 1);
    EXPECT_EQ(w.host.layouts, 1);
    EXPECT_EQ(w.st().picture.Work(), QuarterTurned(orig, true));
    EXPECT_EQ(w.st().picture.Baseline(), w.st().picture.Work());
    EXPECT_TRUE(w.st().picture.SourceCopy().empty());  // made by the next operation
    // One step: undone, the photo and its baseline are as they were; done again, turned.
    ASSERT_TRUE(w.editor.Undo());
    EXPECT_EQ(w.st().picture.Work(), orig);
    EXPECT_EQ(w.st().picture.Baseline(), orig);
    ASSERT_TRUE(w.editor.Redo());
    EXPECT_EQ(w.st().picture.Work(), QuarterTurned(orig, true));
    EXPECT_EQ(w.st().picture.Baseline(), w.st().picture.Work());
    ASSERT_TRUE(w.Apply("rotate-ccw"));
    EXPECT_EQ(w.st().picture.Work(), orig);
    // Anticlockwise is three clockwise turns.
    Window three(orig), one(orig);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(three.Apply("rotate-cw"));
    ASSERT_TRUE(one.Apply("rotate-ccw"));
    EXPECT_EQ(three.st().picture.Work(), one.st().picture.Work());
}

TEST(GeometryOperations, MirrorsArePixelOperationsWithoutCommit) {
    const Image orig = RandomImage(7, 5, 12);
    Window w(orig);
    ASSERT_TRUE(w.Apply("mirror-h"));
    Image want;
    Mirror(orig, want, true);
    EXPECT_EQ(w.st().picture.Work(), want);
    EXPECT_EQ(w.st().picture.SourceCopy(), orig);
    EXPECT_EQ(w.st().picture.Baseline(), orig);
    EXPECT_EQ(w.host.layouts, 0);
    ASSERT_TRUE(w.Apply("mirror-v"));
    Image both;
    Mirror(want, both, false);
    EXPECT_EQ(w.st().picture.Work(), both);
    w.editor.Undo();
    EXPECT_EQ(w.st().picture.Work(), want);  // one mirror at a time
    w.editor.Undo();
    EXPECT_EQ(w.st().picture.Work(), orig);
}

TEST(GeometryOperations, RotationByAngleGivesTheSecondPaintColour) {
    Window w(RandomImage(30, 20, 6), EditorPolicy::CompareWindow());
    Image edited = RandomImage(30, 20, 7);
    edited.setPixel(0, 0, 200, 100, 50);
    w.st().picture.Work() = edited;
    ASSERT_TRUE(w.Apply("rotate:30"));
    EXPECT_EQ(w.st().tools.PaintColour2(), MakeColour(200, 100, 50));
    EXPECT_EQ(w.editor.BackgroundColour(), MakeColour(200, 100, 50));
    EXPECT_EQ(w.host.colourChanges, 1);
    EXPECT_EQ(w.st().picture.SourceCopy(), edited);
    EXPECT_EQ(w.host.layouts, 0);
    Image want;
    RotateByAngle(edited, want, 30, false, w.st().registers.Angles());
    EXPECT_EQ(w.st().picture.Work(), want);
    // The dialog proposes 30 degrees.
    w.prompts.parameterAnswers.push_back([](OpArgs& a) {
        EXPECT_EQ(a.Int("angle"), 30);
        return false;
    });
    EXPECT_FALSE(w.editor.Run(w.op("rotate")));
}

TEST(GeometryOperations, ResizeCommitsTheNewSizeAndFitsIt) {
    const Image img = RandomImage(40, 30, 10);
    Window w(img);
    const Image edited = RandomImage(40, 30, 11);
    w.st().picture.Work() = edited;  // edits before the resize are part of it
    w.host.viewW = 10;
    w.host.viewH = 100;
    ASSERT_TRUE(w.Apply("resize:20x15"));
    EXPECT_EQ(w.st().picture.Baseline(), ResizeImage(edited, 20, 15));
    EXPECT_EQ(w.st().picture.Work(), w.st().picture.Baseline());
    EXPECT_TRUE(w.st().picture.SourceCopy().empty());  // made by the next operation
    EXPECT_EQ(w.st().zoom.Slot(), 0);
    EXPECT_EQ(w.st().zoom.PercentAt(0), 49);  // round(100 x 10 / 20 - 1)
    EXPECT_EQ(w.host.layouts, 1);
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(GeometryOperations, ResizeRefusalsShowTheirMessageAndChangeNothing) {
    for (const char* word : {"resize:5x100", "resize:100x2049"}) {
        Window w(RandomImage(12, 9, 13));
        const Image work = RandomImage(12, 9, 14);
        w.st().picture.Work() = work;
        const Image memory = w.st().picture.Baseline(), source = w.st().picture.SourceCopy();
        EXPECT_FALSE(w.Apply(word));
        ASSERT_EQ(w.prompts.messages.size(), 1u);
        EXPECT_EQ(w.prompts.messages[0], std::string(word) == "resize:5x100" ? "Invalid new size: the width and the height must be at least 8 pixels."
                                                                             : "Invalid new size: the height can be at most 2048 pixels.");
        EXPECT_EQ(w.st().picture.Work(), work);
        EXPECT_EQ(w.st().picture.Baseline(), memory);
        EXPECT_EQ(w.st().picture.SourceCopy(), source);
        EXPECT_EQ(w.host.layouts, 0);
    }
}
