// A big photo's pixel work runs off the window's thread: the event loop keeps turning while the
// view shows what it showed, keys and closing wait for the work, and the result is in place
// when the command returns.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"

using namespace guitest;

TEST(OffThreadWork, TheWindowTurnsMeanwhileAndWhatWaitedComesAfter) {
    App();
    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.resize(1000, 700);
    w.show();
    Pump();
    w.OpenPhotoFile(WriteJpeg(dir.filePath("big.jpg"), 4000, 3000));
    ASSERT_TRUE(LoadSettled(w));
    const lum::Image loaded = w.State().WorkImage;

    // What the event loop meets while a command's work runs: the view frozen, a Ctrl+Z dropped,
    // a close put off.
    int ticks = 0, frozen = 0;
    bool closeWhileWorking = false, closedMeanwhile = false;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!w.Pane()->InsideWork()) return;
        ++ticks;
        frozen += w.View()->Frozen();
        QTest::keyClick(w.View()->Canvas(), Qt::Key_Z, Qt::ControlModifier);
        if (closeWhileWorking) {
            closeWhileWorking = false;
            closedMeanwhile = w.close();
        }
    });
    timer.start();

    ASSERT_TRUE(w.RunCommand("SpeedButton1"));  // a quarter turn to the right
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(frozen, ticks);
    EXPECT_FALSE(w.View()->Frozen());
    EXPECT_EQ(w.State().WorkImage.width(), 3000);  // turned, and not undone by the keys meanwhile
    EXPECT_EQ(w.State().WorkImage.height(), 4000);

    ticks = 0;
    w.Undo();
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(w.State().WorkImage == loaded);

    // Closed while Optimize runs: the window stays until the work is done, then asks about the
    // optimized photo and goes.
    ticks = 0;
    closeWhileWorking = true;
    prompts.answers = {false};
    ASSERT_TRUE(w.RunCommand("ProcessingOptimumActionSpeedButton"));
    EXPECT_GT(ticks, 0);
    EXPECT_FALSE(closedMeanwhile);
    EXPECT_TRUE(w.State().Optimized);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_TRUE(w.isVisible());
    ASSERT_TRUE(PumpUntil([&] { return !w.isVisible(); }));
    EXPECT_EQ(prompts.questions.size(), 1u);
}
