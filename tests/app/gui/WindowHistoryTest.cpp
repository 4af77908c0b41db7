// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's history through its controls: Edit > Undo and Redo say what they take back
// or do again, the keys and the Undo button step one at a time, Reset Image and Memorize are
// steps of their own, the history survives zooming and goes with the photo.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

class WindowHistory : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        w = std::make_unique<MainWindow>(&prompts);
        w->resize(1000, 700);
        w->show();
        QApplication::setActiveWindow(w.get());
        Pump();
        open(WriteJpeg(dir.filePath("a.jpg"), 64, 48));
    }
    void TearDown() override { w->editor().MarkSaved(); }
    void open(const QString& path) {
        w->OpenPhotoFile(path);
        ASSERT_TRUE(LoadSettled(*w));
    }
    QAction* item(const char* name) const { return w->findChild<QAction*>(QString::fromLatin1(name)); }
    QToolButton* button(const char* name) const { return w->findChild<QToolButton*>(QString::fromLatin1(name)); }
    QString undoText() const { return item("Annuler1")->text(); }
    QString redoText() const { return item("RedoItem")->text(); }
    void key(int k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        QTest::keyClick(w->View()->Canvas(), Qt::Key(k), m);
    }

    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(WindowHistory, EveryStepComesBackOneAtATimeAndTheItemsSayWhich) {
    lum::EditState& st = w->State();
    const lum::Image loaded = st.picture.Work();
    EXPECT_FALSE(item("Annuler1")->isEnabled());
    EXPECT_FALSE(item("RedoItem")->isEnabled());

    // Three steps: each image recorded as it was made.
    std::vector<lum::Image> made{loaded};
    for (const char* control : {"NivGris", "SpeedButton1", "ProcessingOptimumActionSpeedButton"}) {
        ASSERT_TRUE(w->RunCommand(control)) << control;
        made.push_back(st.picture.Work());
    }
    EXPECT_TRUE(undoText().startsWith(QStringLiteral("&Undo "))) << undoText().toStdString();
    EXPECT_NE(undoText(), QStringLiteral("&Undo "));
    const QString sharpen = undoText();

    // Ctrl+Z, the Undo button and the Edit item each take back one step.
    key(Qt::Key_Z);
    EXPECT_EQ(st.picture.Work(), made[2]);
    EXPECT_EQ(redoText(), QStringLiteral("&Redo ") + sharpen.mid(6));
    button("UndoSpeedButton")->click();
    EXPECT_EQ(st.picture.Work(), made[1]);
    EXPECT_EQ(st.picture.Work().width(), 64);  // the quarter turn taken back
    item("Annuler1")->trigger();
    EXPECT_EQ(st.picture.Work(), loaded);
    EXPECT_TRUE(w->editor().Saved());  // back to the file as it is
    EXPECT_FALSE(item("Annuler1")->isEnabled());

    // Ctrl+Y, Ctrl+Shift+Z and the Edit item do them again.
    key(Qt::Key_Y);
    EXPECT_EQ(st.picture.Work(), made[1]);
    EXPECT_FALSE(w->editor().Saved());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(st.picture.Work(), made[2]);
    item("RedoItem")->trigger();
    EXPECT_EQ(st.picture.Work(), made[3]);
    EXPECT_FALSE(item("RedoItem")->isEnabled());
    EXPECT_EQ(undoText(), sharpen);

    // Zooming is no step and keeps the history.
    w->ZoomScalePopupMenu()->findChild<QAction*>("ZoomTo_200_Menuitem")->trigger();
    EXPECT_EQ(st.picture.Work(), made[3]);
    EXPECT_EQ(undoText(), sharpen);
    key(Qt::Key_Z);
    EXPECT_EQ(st.picture.Work(), made[2]);

    // A new step drops what could have been done again.
    ASSERT_TRUE(w->RunCommand("SpeedButton1"));
    EXPECT_FALSE(item("RedoItem")->isEnabled());

    // Another photo: the history goes with the one left.
    prompts.answers = {false};
    open(WriteJpeg(dir.filePath("b.jpg"), 30, 20));
    EXPECT_EQ(st.picture.Work().width(), 30);
    EXPECT_FALSE(item("Annuler1")->isEnabled());
    EXPECT_FALSE(item("RedoItem")->isEnabled());
    EXPECT_EQ(undoText(), QStringLiteral("&Undo"));
}

TEST_F(WindowHistory, ResetImageAndMemorizeAreStepsUndoCanTakeBack) {
    lum::EditState& st = w->State();
    const lum::Image loaded = st.picture.Work();
    ASSERT_TRUE(w->RunCommand("NivGris"));
    ASSERT_TRUE(w->RunCommand("ProcessingOptimumActionSpeedButton"));
    const lum::Image edited = st.picture.Work();

    // Back to the photo as loaded, in one step.
    item("Reinitialiser1")->trigger();
    EXPECT_EQ(st.picture.Work(), loaded);
    EXPECT_EQ(undoText(), QStringLiteral("&Undo Reset Image"));
    key(Qt::Key_Z);
    EXPECT_EQ(st.picture.Work(), edited);

    // Memorized: the edited picture is the baseline Reset goes back to.
    item("Memoriser")->trigger();
    EXPECT_EQ(st.picture.Baseline(), edited);
    EXPECT_EQ(undoText(), QStringLiteral("&Undo Memorize"));
    ASSERT_TRUE(w->RunCommand("NivGris"));
    item("Reinitialiser1")->trigger();
    EXPECT_EQ(st.picture.Work(), edited);
    // Undoing the reset and the memorize brings the first baseline back.
    key(Qt::Key_Z);
    key(Qt::Key_Z);
    key(Qt::Key_Z);
    EXPECT_EQ(st.picture.Baseline(), loaded);
    EXPECT_EQ(st.picture.Work(), edited);
    item("Reinitialiser1")->trigger();
    EXPECT_EQ(st.picture.Work(), loaded);
}
