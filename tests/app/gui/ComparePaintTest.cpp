// SPDX-License-Identifier: GPL-3.0-or-later
// The paint toolbar in the compare window: shown from the View menu and the "P" button, its
// tools painting on the window's photo, the selection tools raising its buttons, and a close
// while a fill runs.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "editing/PaintTools.h"
#include "view/EditPane.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "view/SelectionToolbar.h"
#include "widgets/Icons.h"

namespace {

struct AppFirst {
    AppFirst() { guitest::App(); }
};

struct Compare : AppFirst {
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    CompareWindow form{dialogs, &prompts};
    void fill(const lum::Image& photo) {
        form.FillCompareWindow(photo, photo);
        form.show();
        guitest::Pump();
    }
    QWidget* box() { return form.View()->Canvas(); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton b) {
        QMouseEvent e(type, QPointF(at), box()->mapToGlobal(QPointF(at)), b,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b), Qt::NoModifier);
        QApplication::sendEvent(box(), &e);
    }
};

}  // namespace

TEST(ComparePaint, TheViewMenuAndThePButtonShowTheToolbarWhoseToolsPaint) {
    Compare c;
    c.fill(guitest::Pattern(300, 200));
    lum::PaintToolbar* bar = c.form.paintToolbar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());
    QAction* item = guitest::Action(c.form, "PaintToolbarItem");
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(item->isChecked());
    auto* p = c.form.findChild<QToolButton*>(QStringLiteral("SpeedButton3"));
    ASSERT_NE(p, nullptr);
    p->click();
    EXPECT_FALSE(bar->isVisible());
    p->click();
    EXPECT_TRUE(bar->isVisible());
    // One zoom label, the toolbar's.
    EXPECT_EQ(c.form.findChildren<QLabel*>(QStringLiteral("Label3")).size(), 1);

    bar->Button(QStringLiteral("Btspray"))->click();
    EXPECT_EQ(c.form.State().tools.Mode(), lum::ToolMode::Brush);
    EXPECT_EQ(c.box()->cursor().pixmap().toImage(), LumoraCursor(QStringLiteral("SPRAY")).pixmap().toImage());
    const lum::Image before = c.form.State().picture.Work();
    c.mouse(QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
    c.mouse(QEvent::MouseButtonRelease, {50, 50}, Qt::LeftButton);
    EXPECT_NE(c.form.State().picture.Work(), before);
    EXPECT_TRUE(c.form.Changed());

    // The zoom tool steps the window's zoom and its label.
    bar->Button(QStringLiteral("Btzoom"))->click();
    for (int i = 0; i < 3; ++i) {
        c.mouse(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
        c.mouse(QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton);
    }
    EXPECT_EQ(c.form.State().zoom.Slot(), 4);
    EXPECT_EQ(bar->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("50 %"));

    // A selection tool raises every paint button.
    c.form.selectionToolbar()->RectangleButton()->click();
    EXPECT_EQ(bar->DownButton(), nullptr);
    EXPECT_EQ(c.form.State().tools.Mode(), lum::ToolMode::Rectangle);
    c.prompts.threeWayAnswers = {lum::Prompts::Answer::No};
}

TEST(ComparePaint, ClosingWhileAFillRunsStopsAndTakesItBackThenCloses) {
    Compare c;
    lum::Image big(3000, 2000);
    big.fill(10, 20, 30);
    c.fill(big);
    c.form.paintToolbar()->show();
    c.form.paintToolbar()->Button(QStringLiteral("Btpeinture"))->click();
    c.form.Pane()->SetKeepAliveIntervalMs(0);  // events at every check of the clock
    bool closed = false;
    QObject::connect(&c.form, &CompareWindow::Closed, [&] { closed = true; });
    c.prompts.threeWayAnswers = {lum::Prompts::Answer::No};
    // Runs from inside the fill, as a click on the window's close button would.
    QTimer::singleShot(0, &c.form, [&] { c.form.close(); });
    c.mouse(QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton);
    // The window stays while the fill runs; the close stops it early, and it is taken back whole.
    EXPECT_FALSE(closed);
    EXPECT_TRUE(guitest::PumpUntil([&] { return closed; }));
    EXPECT_TRUE(c.form.State().picture.Work() == big);
    EXPECT_FALSE(c.form.isVisible());
    EXPECT_TRUE(c.prompts.questions.empty());  // nothing was changed: nothing to ask
}

TEST(ComparePaint, AFillStoppedByACloseIsTakenBackBeforeTheQuestionAndCancelKeepsTheRest) {
    Compare c;
    lum::Image big(3000, 2000);
    big.fill(10, 20, 30);
    for (int y = 1990; y < 2000; ++y)
        for (int x = 2990; x < 3000; ++x) big.pixel(x, y)[0] = 250;  // something for the sharpen
    c.fill(big);
    // An earlier edit, so closing asks.
    c.form.findChild<QToolButton*>(QStringLiteral("Btdur"))->click();
    ASSERT_TRUE(guitest::WorkSettled(c.form));
    const lum::Image edited = c.form.State().picture.Work();
    c.form.paintToolbar()->show();
    c.form.paintToolbar()->Button(QStringLiteral("Btpeinture"))->click();
    c.form.Pane()->SetKeepAliveIntervalMs(0);
    bool closed = false;
    QObject::connect(&c.form, &CompareWindow::Closed, [&] { closed = true; });
    c.prompts.choiceAnswers = {3};  // Cancel
    QTimer::singleShot(0, &c.form, [&] { c.form.close(); });
    c.mouse(QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton);
    ASSERT_TRUE(guitest::PumpUntil([&] { return !c.prompts.questions.empty(); }));
    // The question came once the fill was taken back whole; Cancel keeps the window and the
    // earlier edit, never a half-filled picture.
    ASSERT_EQ(c.prompts.questions.size(), 1u);
    EXPECT_TRUE(c.form.State().picture.Work() == edited);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(c.form.isVisible());
    EXPECT_TRUE(c.form.Changed());
    // The undo history holds the sharpen only.
    ASSERT_TRUE(c.form.editor().Undo());
    ASSERT_TRUE(guitest::WorkSettled(c.form));
    EXPECT_TRUE(c.form.State().picture.Work() == big);
    EXPECT_FALSE(c.form.editor().Undo());
}
