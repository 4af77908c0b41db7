// SPDX-License-Identifier: GPL-3.0-or-later
// A big photo's commands run as jobs: the event loop keeps turning while the view shows what it
// showed, the commands that touch the photo are greyed, a close waits for the work, and the
// result is in place once the job has ended.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "view/EditPane.h"
#include "image/Parallel.h"
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
    const lum::Image loaded = w.State().picture.Work();

    // What the event loop meets while a command's job runs: the view frozen, the commands greyed
    // (a Ctrl+Z does nothing), a close put off.
    int ticks = 0, frozen = 0, greyed = 0;
    bool closeWhileWorking = false, closedMeanwhile = false;
    const auto meanwhile = [&] {
        if (!w.Pane()->InsideWork()) return;
        ++ticks;
        frozen += w.View()->Frozen();
        greyed += !Action(w, "OptimizeItem")->isEnabled() && !Action(w, "Annuler1")->isEnabled();
        QTest::keyClick(w.View()->Canvas(), Qt::Key_Z, Qt::ControlModifier);
        if (closeWhileWorking) {
            closeWhileWorking = false;
            closedMeanwhile = w.close();
        }
    };
    // Every millisecond, and once as the loop first turns after a command: posted before the
    // command, the look comes before the job's end, which the loop delivers after it, so at least
    // one look falls inside the job however loaded the machine.
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, meanwhile);
    timer.start();
    const auto lookSoon = [&] { QMetaObject::invokeMethod(&w, meanwhile, Qt::QueuedConnection); };

    lookSoon();
    ASSERT_TRUE(w.RunCommand("SpeedButton1"));  // a quarter turn to the right
    EXPECT_TRUE(w.Pane()->InsideWork());
    EXPECT_FALSE(w.RunCommand("Btrot90"));  // refused while the job owns the photo
    ASSERT_TRUE(WorkSettled(w));
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(frozen, ticks);
    EXPECT_EQ(greyed, ticks);
    EXPECT_FALSE(w.View()->Frozen());
    EXPECT_TRUE(Action(w, "OptimizeItem")->isEnabled());
    EXPECT_EQ(w.State().picture.Work().width(), 3000);  // turned once, and not undone by the keys meanwhile
    EXPECT_EQ(w.State().picture.Work().height(), 4000);

    ticks = 0;
    lookSoon();
    w.Undo();
    ASSERT_TRUE(WorkSettled(w));
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(w.State().picture.Work() == loaded);

    // Closed while Optimize runs: the window stays until the work is done, then asks about the
    // optimized photo and goes.
    ticks = 0;
    closeWhileWorking = true;
    prompts.answers = {false};
    lookSoon();
    ASSERT_TRUE(w.RunCommand("ProcessingOptimumActionSpeedButton"));
    ASSERT_TRUE(PumpUntil([&] { return !w.isVisible(); }, 20000));
    EXPECT_GT(ticks, 0);
    EXPECT_FALSE(closedMeanwhile);
    EXPECT_TRUE(w.State().file.Optimized());
    EXPECT_EQ(prompts.questions.size(), 1u);
}

// Memory running out in a row band on the pool: the plain memory message, and the photo as it
// was (what the bands before had changed is put back), with nothing to undo.
TEST(OffThreadWork, MemoryRunningOutInABandLeavesThePhotoAsItWas) {
    App();
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    w.State().picture.Baseline() = Pattern(2000, 1500, 4);  // big enough for a job
    w.editor().CommitMemoryImage();
    const lum::Image before = w.State().picture.Work();
    const lum::Operation starved = lum::Operation("starved", [](lum::Editor& e, const lum::OpArgs&) {
                                       lum::Image& work = e.State().picture.Work();
                                       lum::ParallelRows(work.height(), [&](int begin, int end) {
                                           for (int y = begin; y < end; ++y) std::fill_n(work.row(y), work.stride(), 0);
                                           if (end == work.height()) throw std::bad_alloc();
                                       });
                                   }).Undoable("Starved").Pixel();
    w.Guard([&] {
        w.editor().Start(starved, lum::OpArgs(), [](bool, std::exception_ptr failure) {
            if (failure) std::rethrow_exception(failure);
        });
    });
    EXPECT_TRUE(w.Pane()->InsideWork());
    ASSERT_TRUE(WorkSettled(w));
    EXPECT_EQ(prompts.messages,
              std::vector<std::string>{"There is not enough memory for this. Close other programs or windows and try again."});
    EXPECT_TRUE(w.State().picture.Work() == before);
    EXPECT_TRUE(w.editor().Saved());
    EXPECT_FALSE(w.editor().history().CanUndo());
}
