// SPDX-License-Identifier: GPL-3.0-or-later
// The shell both windows are made of: captions and hints from the operation table, the saves
// and the question before a picture is left, the commands both share, the zoom menu, and an
// operation that asks for parameters without a dialog to ask them.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <stdexcept>

#include "GuiTestSupport.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "editing/Operation.h"
#include "view/PhotoView.h"

using namespace guitest;
using Answer = lum::Prompts::Answer;

namespace {

class WindowShell : public ::testing::Test {
protected:
    void SetUp() override { main.SetDialogs(&dialogs); }
    // Both windows with the table bit of each.
    std::vector<std::pair<lum::WindowShell*, unsigned>> Both() {
        return {{&main, lum::kMainWindow}, {&compare, lum::kCompareWindow}};
    }
    static void Commit(lum::WindowShell& w, const lum::Image& img) {
        w.State().picture.Baseline() = img;
        w.editor().CommitMemoryImage();
    }

    struct AppFirst {
        AppFirst() { App(); }
    } app;
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    MainWindow main{&prompts};
    CompareWindow compare{dialogs, &prompts};
};

int fakeRuns = 0;

}  // namespace

TEST_F(WindowShell, TheTableCaptionsEveryItemAndButtonOfBothWindows) {
    for (auto [w, bit] : Both()) {
        int items = 0;
        for (QAction* a : w->findChildren<QAction*>()) {
            const std::string name = a->objectName().toStdString();
            const char* caption = lum::CommandCaption(name, bit);
            if (!caption) continue;
            ++items;
            EXPECT_EQ(a->text().section(QLatin1Char('\t'), 0, 0), QString::fromUtf8(caption)) << name;
        }
        // The File, Edit, Mixing, Optimization and Macro items of the table, the Image menu's
        // turns, mirrors and New size, the six colour shifts; the main window's Optimize item.
        EXPECT_EQ(items, bit == lum::kMainWindow ? 29 : 28) << bit;
        int buttons = 0;
        for (QToolButton* b : w->findChildren<QToolButton*>()) {
            const std::string name = b->objectName().toStdString();
            const lum::CommandRef ref = lum::FindCommand(name, bit);
            if (!ref.op) continue;
            ++buttons;
            const lum::Command& c = *ref.command;
            EXPECT_TRUE(b->toolTip().startsWith(QString::fromUtf8(c.hint ? c.hint : c.caption))) << name;
            if (!b->text().isEmpty()) {
                EXPECT_EQ(b->text(), QString::fromUtf8(c.face ? c.face : c.caption)) << name;
            }
        }
        EXPECT_EQ(buttons, bit == lum::kMainWindow ? 3 : 11) << bit;
    }
    // One row, the two captions of one control: the menu item and the button beside the pane.
    EXPECT_EQ(Action(compare, "Bttexte")->text(), QStringLiteral("&Text Stamp..."));
    auto* stamp = compare.findChild<QToolButton*>(QStringLiteral("Bttexte"));
    EXPECT_EQ(stamp->text(), QStringLiteral("Stamp"));
    EXPECT_EQ(stamp->toolTip(), QStringLiteral("Text stamp"));
    EXPECT_EQ(Action(main, "Bttexte")->text(), QStringLiteral("&Text Stamp..."));
}

TEST_F(WindowShell, WithoutAPictureNothingIsSavedUndoneOrMemorized) {
    prompts.savePaths = {"/nonexistent/x.jpg", "/nonexistent/y.jpg"};
    for (auto [w, bit] : Both()) {
        prompts.messages.clear();
        EXPECT_FALSE(w->SaveWithDialog()) << bit;
        EXPECT_FALSE(w->SaveFromMenu()) << bit;
        EXPECT_EQ(prompts.messages, (std::vector<std::string>(2, lum::WindowShell::kNoPhotoToSave))) << bit;
        w->State().picture.Work() = Pattern(5, 4);
        w->Undo();
        w->Memorize();
        EXPECT_EQ(w->State().picture.Work(), Pattern(5, 4)) << bit;
        EXPECT_EQ(w->State().picture.Baseline().width(), 8) << bit;
    }
    EXPECT_EQ(prompts.savePaths.size(), 2u);  // no save dialog was shown
}

TEST_F(WindowShell, TheQuestionBeforeLeavingAPictureGoesOnOnlyWhenNothingIsLost) {
    for (auto [w, bit] : Both()) {
        prompts.threeWayAnswers = {Answer::Yes, Answer::No, Answer::Cancel, Answer::Yes, Answer::Yes};
        int saves = 0;
        const auto ask = [&, w = w](bool writes) {
            return w->AskSaveBeforeLeaving("Save or not?", "Changed.", [&] {
                ++saves;
                return writes;
            });
        };
        EXPECT_FALSE(ask(false)) << bit;  // Yes, but the save wrote nothing
        EXPECT_TRUE(ask(true)) << bit;    // No: nothing saved
        EXPECT_FALSE(ask(true)) << bit;   // dismissed
        EXPECT_TRUE(ask(true)) << bit;    // Yes, written
        EXPECT_EQ(saves, 2) << bit;
        // A save that fails is reported and keeps the picture.
        prompts.messages.clear();
        EXPECT_FALSE(w->AskSaveBeforeLeaving("Save or not?", "Changed.", []() -> bool {
            throw std::runtime_error("disk full");
        })) << bit;
        EXPECT_EQ(prompts.messages, std::vector<std::string>{"disk full"}) << bit;
        EXPECT_EQ(prompts.questions.size(), 5u) << bit;
        prompts.questions.clear();
    }
}

TEST_F(WindowShell, EveryOperationThatAsksHasItsDialogAndOneWithoutIsRefused) {
    for (const lum::Operation& op : lum::Operations()) {
        if (op.asks) {
            EXPECT_TRUE(dialogs.HasDialogFor(op)) << op.name;
        }
    }
    // The commands that mix ask the mix's own parameters.
    EXPECT_TRUE(dialogs.HasDialogFor(*lum::FindOperation("mix")));

    // A row that asks without one never runs on its defaults as if the user had answered.
    lum::Operation fake("asks-without-dialog", [](lum::Editor&, const lum::OpArgs&) { ++fakeRuns; });
    fake.Asks();
    for (auto [w, bit] : Both()) {
        Commit(*w, Pattern(6, 5));
        prompts.messages.clear();
        bool returned = false;
        w->Guard([&, w = w] {
            w->editor().Run(fake);
            returned = true;
        });
        EXPECT_FALSE(returned) << bit;  // stopped with an error
        EXPECT_EQ(fakeRuns, 0) << bit;
        ASSERT_EQ(prompts.messages.size(), 1u) << bit;
        EXPECT_NE(prompts.messages[0].find("asks-without-dialog"), std::string::npos) << bit;
        EXPECT_TRUE(w->editor().Saved()) << bit;
    }
}

TEST_F(WindowShell, EachZoomItemShowsThePercentageItNames) {
    Commit(main, Pattern(300, 200));
    int percents = 0;
    for (QAction* a : main.ZoomScalePopupMenu()->actions()) {
        const QString name = a->objectName();
        bool isNumber = false;
        const int percent = name.section(QLatin1Char('_'), 1, 1).toInt(&isNumber);
        if (!isNumber) continue;
        ++percents;
        EXPECT_EQ(a->text(), QStringLiteral("Zoom to %1%").arg(percent));
        a->trigger();
        EXPECT_EQ(main.View()->Zoom(), percent) << name.toStdString();
        EXPECT_EQ(main.View()->Canvas()->width(), 300 * percent / 100) << name.toStdString();
    }
    EXPECT_EQ(percents, 10);
    EXPECT_EQ(main.ZoomScalePopupMenu()->actions().size(), 13);
    EXPECT_EQ(main.State().picture.Work(), Pattern(300, 200));
}
