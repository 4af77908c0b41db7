// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's lean editor: the same pixels as a main window's editor, with only the
// working image kept between operations.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "EditorTestSupport.h"

using namespace lum;
using edittest::RandomImage;
using edittest::Window;

namespace {

// Arguments for the rows whose parameters have no default; any other row runs with its
// defaults, so rows added later are covered too.
OpArgs ArgsFor(const Operation& op) {
    static const std::map<std::string, std::string> words = {
        {"shift", "shift:3"}, {"blur", "blur:2"}, {"rotate", "rotate:30"}, {"resize", "resize:30x21"},
        {"crop", "crop:1,2,20,15"}, {"straighten", "straighten:-3.5"}, {"red-eye", "red-eye:ellipse,2,1,20,16"}};
    auto it = words.find(op.name);
    return it == words.end() ? DefaultArgs(op) : ParseOperationWord(it->second).args;
}

// What a run left: whether it succeeded, threw, and the working image.
struct Outcome {
    bool done = false;
    std::string error;
    Image work;
};

Outcome RunOn(Window& w, const Operation& op) {
    Outcome o;
    try {
        o.done = w.editor.Run(op, ArgsFor(op));
    } catch (const std::exception& e) {
        o.error = e.what();
    }
    o.work = w.st().picture.Work();
    return o;
}

bool HoldsOnlyTheWorkingImage(const EditState& st) {
    return st.picture.Baseline().empty() && st.picture.SourceCopy().empty();
}

// A selection over the middle of the photo, an ellipse inside its rectangle.
void SelectEllipse(EditState& st) {
    const Rect rect{7, 4, 33, 26};
    Mask mask(rect.width(), rect.height());
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const int dx = 2 * x - 25, dy = 2 * y - 21;
            if (dx * dx * 21 * 21 + dy * dy * 25 * 25 < 21 * 21 * 25 * 25) mask.set(x, y, 255);
        }
    ASSERT_TRUE(st.selection.Set(SelectionKind::Ellipse, rect, {}, mask));
}

}  // namespace

TEST(LeanEditor, EveryOperationGivesTheWindowsPixels) {
    const Image photo = RandomImage(41, 29, 17);
    for (bool selected : {false, true}) {
        for (const Operation& op : Operations()) {
            Window window(photo);
            Window lean(photo, EditorPolicy::CommandLine());
            // An edit first, so that an operation reading the baseline instead would show.
            ASSERT_TRUE(window.Apply("lighten"));
            ASSERT_TRUE(lean.Apply("lighten"));
            if (selected) {
                SelectEllipse(window.st());
                SelectEllipse(lean.st());
            }
            const Outcome a = RunOn(window, op), b = RunOn(lean, op);
            EXPECT_EQ(a.done, b.done) << op.name << " selected " << selected;
            EXPECT_EQ(a.error, b.error) << op.name << " selected " << selected;
            EXPECT_EQ(a.work, b.work) << op.name << " selected " << selected;
            EXPECT_EQ(window.st().registers.Kernel().weights, lean.st().registers.Kernel().weights) << op.name;
            EXPECT_EQ(window.st().selection.Kind(), lean.st().selection.Kind()) << op.name;
            EXPECT_TRUE(HoldsOnlyTheWorkingImage(lean.st())) << op.name << " left a copy behind";
            EXPECT_EQ(&lean.editor.PixelSource(), &lean.st().picture.SourceCopy()) << op.name;
        }
    }
}

TEST(LeanEditor, CommitMovesThePhotoAndUndoMemorizeKeepIt) {
    const Image photo = RandomImage(30, 20, 3);
    Window lean(photo, EditorPolicy::CommandLine());
    EXPECT_EQ(lean.st().picture.Work(), photo);
    EXPECT_TRUE(HoldsOnlyTheWorkingImage(lean.st()));
    ASSERT_TRUE(lean.Apply("sharpen"));
    const Image sharpened = lean.st().picture.Work();
    EXPECT_NE(sharpened, photo);
    // Nothing was kept to go back to: Undo leaves the working image as it is.
    EXPECT_FALSE(lean.editor.Undo());
    EXPECT_EQ(lean.st().picture.Work(), sharpened);
    lean.editor.Memorize();
    EXPECT_EQ(lean.st().picture.Work(), sharpened);
    EXPECT_TRUE(HoldsOnlyTheWorkingImage(lean.st()));
    // A geometry operation commits its result the same way.
    ASSERT_TRUE(lean.Apply("rotate-cw"));
    EXPECT_EQ(lean.st().picture.Work().width(), 20);
    EXPECT_TRUE(HoldsOnlyTheWorkingImage(lean.st()));
}

TEST(LeanEditor, TheMacroRunsItsOperationsLeanAndRestoresTheSource) {
    const Image photo = RandomImage(37, 23, 8);
    Window window(photo), lean(photo, EditorPolicy::CommandLine());
    ASSERT_TRUE(window.Apply("macro"));
    ASSERT_TRUE(lean.Apply("macro"));
    EXPECT_EQ(lean.st().picture.Work(), window.st().picture.Work());
    EXPECT_TRUE(HoldsOnlyTheWorkingImage(lean.st()));
    EXPECT_EQ(&lean.editor.PixelSource(), &lean.st().picture.SourceCopy());
}

TEST(LeanEditor, WindowsStillKeepTheImageBeforeEveryInPlaceOperation) {
    // In a window the source copy is part of the state (a mix recomposes from it, the tests of
    // the rows read it): the in-place rows must not skip it there.
    const Image photo = RandomImage(26, 18, 12);
    for (const Operation& op : Operations()) {
        if (!op.inPlace) continue;
        Window window(photo);
        ASSERT_TRUE(window.Apply("soften"));
        const Image before = window.st().picture.Work();
        window.editor.Run(op, ArgsFor(op));
        EXPECT_EQ(window.st().picture.SourceCopy(), before) << op.name;
        EXPECT_EQ(window.st().picture.Baseline(), photo) << op.name;
    }
}
