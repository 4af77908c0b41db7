// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <stdexcept>

#include "GuiTestSupport.h"
#include "app/HelpWindow.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

class MainButtons : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        w = std::make_unique<MainWindow>(&prompts);
        w->show();
        Pump();
    }
    QToolButton* button(const char* name) { return w->findChild<QToolButton*>(QString::fromLatin1(name)); }
    void commit(const lum::Image& img) {
        w->State().picture.Baseline() = img;
        w->editor().CommitMemoryImage();
    }

    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
};

QRgb rgbAt(const lum::Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return qRgb(p[2], p[1], p[0]);
}

}  // namespace

TEST_F(MainButtons, EveryVisibleButtonCarriesItsHint) {
    const std::pair<const char*, const char*> hints[] = {
        {"ShowOriginalPhotoSpeedButton", "Show the original photo in a small floating window"},
        {"Btrot90", "Rotate to the Left (270 degrees) (Ctrl+L)"},
        {"SpeedButton1", "Rotate to the Right (90 degrees) (Ctrl+R)"},
        {"ZoomPhotosSpeedButton", "Zoom the photo to the size you like to see it at (Ctrl++, Ctrl+-, Ctrl+0)"},
        {"ProcessingOptimumActionSpeedButton", "Optimize The Photo Now! (Ctrl+E)"},
        {"UndoSpeedButton", "Undo / Reload the photo (Ctrl+Z)"},
        {"ComparePhotosSpeedButton", "Compare the Optimized Photo with the Original Photo (Ctrl+D)"},
        {"SpeedButton2", "Help: how to use Lumora (F1)"},
        {"SaveAndReplacePhotoSpeedButton", "Save / Save As the Photo (Ctrl+S)"},
        {"SpeedButton3", "Version information"},
        {"TarnelhomeSpeedButton", "Visit the Tarnel Lumora home page for more information"},
        {"PhotoListViewButton", "Show the photos as a list of details (Ctrl+2)"},
    };
    for (const auto& [name, hint] : hints) {
        QToolButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_TRUE(b->isVisible()) << name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint)) << name;
    }
    EXPECT_EQ(button("TarnelhomeSpeedButton")->text(), QStringLiteral("Tarnel Home"));
    int visible = 0;
    for (QToolButton* b : w->findChildren<QToolButton*>()) {
        if (!b->isVisible() || b->objectName().isEmpty() || b->objectName().startsWith("qt_")) continue;
        ++visible;
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        EXPECT_EQ(b->size(), b->objectName() == "TarnelhomeSpeedButton" ? b->size() : QSize(42, 42))
            << b->objectName().toStdString();
    }
    EXPECT_EQ(visible, 15);  // with Crop, Level and Eyes above the photo and the list's view
    EXPECT_EQ(w->findChild<QWidget*>("LsDirTree211")->toolTip(),
              QStringLiteral("Select the folder that holds the photos you want to optimize."));
    EXPECT_EQ(w->findChild<QWidget*>("LsFilelistView282")->toolTip(),
              QStringLiteral("Select a photo to optimize."));
    // Hidden in the design.
    EXPECT_FALSE(w->findChild<QWidget*>("SelectionToolbar")->isVisible());
    EXPECT_FALSE(w->findChild<QWidget*>("PhotoFileNameMemo")->isVisible());
    EXPECT_FALSE(w->findChild<QWidget*>("ViewOrginalPhotoToolWindow")->isVisible());
    EXPECT_FALSE(w->findChild<QWidget*>("ProcessingProgressToolWindow")->isVisible());
}

TEST_F(MainButtons, UndoStepsBackOneStep) {
    const lum::Image a = Pattern(20, 10, 1);
    commit(a);
    button("ProcessingOptimumActionSpeedButton")->click();
    const lum::Image optimized = w->State().picture.Work();
    ASSERT_TRUE(w->RunCommand("NivGris"));
    button("UndoSpeedButton")->click();
    EXPECT_EQ(w->State().picture.Work(), optimized);
    EXPECT_FALSE(w->editor().Saved());
    EXPECT_TRUE(w->State().file.Optimized());
    button("UndoSpeedButton")->click();
    EXPECT_EQ(w->State().picture.Work(), a);
    // Back to the photo as loaded: nothing left to save.
    EXPECT_TRUE(w->editor().Saved());
    EXPECT_FALSE(w->State().file.Optimized());
    button("UndoSpeedButton")->click();
    EXPECT_EQ(w->State().picture.Work(), a);
}

TEST_F(MainButtons, MemorizeMakesTheWorkingImageTheBaseline) {
    commit(Pattern(20, 10, 1));
    button("ProcessingOptimumActionSpeedButton")->click();
    const lum::Image b = w->State().picture.Work();
    Action(*w, "Memoriser")->trigger();
    EXPECT_EQ(w->State().picture.Baseline(), b);
    ASSERT_TRUE(w->RunCommand("NivGris"));
    button("UndoSpeedButton")->click();
    EXPECT_EQ(w->State().picture.Work(), b);
    EXPECT_EQ(w->State().picture.Baseline(), b);
    // Memorize is a step too.
    button("UndoSpeedButton")->click();
    EXPECT_EQ(w->State().picture.Baseline(), Pattern(20, 10, 1));
    EXPECT_EQ(w->State().picture.Work(), b);
}

TEST_F(MainButtons, RotateButtonsTurnAsTheirHintsSay) {
    const lum::Image a = Pattern(3, 2, 5);
    commit(a);
    w->State().selection.Set(lum::SelectionKind::FreeShape, lum::Rect{0, 0, 1, 1}, {}, lum::Mask(1, 1, 1));
    w->State().tools.SetMode(lum::ToolMode::Rectangle);
    button("Btrot90")->click();  // "Rotate to Left": anticlockwise
    ASSERT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    const lum::Image& left = w->State().picture.Work();
    ASSERT_EQ(left.width(), 2);
    ASSERT_EQ(left.height(), 3);
    EXPECT_EQ(rgbAt(left, 0, 0), rgbAt(a, 2, 0));  // the old top-right corner comes to the top left
    EXPECT_EQ(rgbAt(left, 1, 2), rgbAt(a, 0, 1));
    EXPECT_EQ(w->State().selection.Kind(), lum::SelectionKind::None);
    EXPECT_EQ(w->State().tools.Mode(), lum::ToolMode::None);
    EXPECT_EQ(w->State().picture.Baseline(), left);  // a geometry operation commits

    commit(a);
    button("SpeedButton1")->click();  // "Rotate to Right": clockwise
    const lum::Image& right = w->State().picture.Work();
    ASSERT_EQ(right.width(), 2);
    EXPECT_EQ(rgbAt(right, 0, 0), rgbAt(a, 0, 1));  // the old bottom-left corner comes to the top left
    EXPECT_EQ(rgbAt(right, 1, 2), rgbAt(a, 2, 0));
    EXPECT_FALSE(w->findChild<QWidget*>("ProcessingProgressToolWindow")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainButtons, MacroMenuStates) {
    lum::MacroRecorder& macro = w->editor().Macro();
    QAction* start = Action(*w, "Initmacro");
    QAction* close = Action(*w, "Fermer");
    QAction* execute = Action(*w, "Executer");
    EXPECT_FALSE(close->isEnabled());
    EXPECT_TRUE(execute->isEnabled());
    start->trigger();
    EXPECT_FALSE(close->isEnabled());
    EXPECT_FALSE(execute->isEnabled());
    // Start then Close at once: nothing to execute.
    close->trigger();
    EXPECT_EQ(macro.Count(), 0);
    EXPECT_FALSE(execute->isEnabled());
    const lum::Image before = w->State().picture.Work();
    execute->trigger();
    EXPECT_EQ(w->State().picture.Work(), before);

    start->trigger();
    macro.Record(2);
    EXPECT_TRUE(close->isEnabled());
    close->trigger();
    EXPECT_FALSE(close->isEnabled());
    EXPECT_TRUE(execute->isEnabled());
    EXPECT_EQ(macro.State(), lum::MacroState::Closed);
}

TEST_F(MainButtons, ZoomMenuOnTheMainWindow) {
    commit(Pattern(1000, 400));
    QMenu* menu = w->ZoomScalePopupMenu();
    ASSERT_NE(menu, nullptr);
    menu->findChild<QAction*>("ZoomTo_50_Menuitem")->trigger();
    EXPECT_EQ(w->State().zoom.Slot(), 0);
    EXPECT_EQ(w->State().zoom.PercentAt(0), 50);
    EXPECT_EQ(w->View()->Canvas()->size(), QSize(500, 200));
    menu->findChild<QAction*>("ZoomTo_100_Menuitem")->trigger();
    EXPECT_EQ(w->View()->Zoom(), 100);
    EXPECT_EQ(w->View()->Canvas()->size(), QSize(1000, 400));

    const int fit = lum::PhotoView::FitWidthPercent(w->View()->width(), 1000);
    menu->findChild<QAction*>("ZoomTo_FitWidth_Menuitem")->trigger();
    EXPECT_EQ(w->View()->Zoom(), fit);
    // Step zooms go through the table's percentages.
    menu->findChild<QAction*>("ZoomTo_50_Menuitem")->trigger();
    w->Pane()->ZoomInStep();
    EXPECT_EQ(w->View()->Zoom(), 66);
    w->Pane()->ZoomOutStep();
    w->Pane()->ZoomOutStep();
    EXPECT_EQ(w->View()->Zoom(), 33);
    // The images stay as they are.
    EXPECT_EQ(w->State().picture.Work().width(), 1000);
}

TEST_F(MainButtons, AFailingCommandIsReportedAndTheWindowGoesOn) {
    w->SetCompareWindowOpener(
        [](QWidget*, const lum::ComparedPhoto&, MainWindow::CompareClosed) { throw std::runtime_error("boom"); });
    // Without a photo there is nothing to compare.
    button("ComparePhotosSpeedButton")->click();
    EXPECT_TRUE(prompts.messages.empty());
    commit(Pattern(12, 8, 1));
    button("ComparePhotosSpeedButton")->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "boom");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The manual ships with the program: it opens without a browser, and nothing is said.
    Action(*w, "OnlineManualItem")->trigger();
    EXPECT_EQ(prompts.messages.size(), 1u);
    ASSERT_NE(w->helpWindow(), nullptr);
    EXPECT_TRUE(w->helpWindow()->isVisible());
}

TEST_F(MainButtons, TheCompareWindowGetsBothSidesAndThePhotosFile) {
    commit(Pattern(12, 8, 1));
    w->State().picture.Work() = Pattern(12, 8, 2);
    w->State().file.SetInfoText("x#y#z#");
    w->State().file.SetPhotoFile("/photos/a.jpg", true);
    lum::ComparedPhoto seen;
    lum::Image optimized, original;
    w->SetCompareWindowOpener([&](QWidget*, const lum::ComparedPhoto& p, MainWindow::CompareClosed closed) {
        seen = p;
        optimized = *p.optimized;
        original = *p.original;
        closed(std::nullopt);
    });
    button("ComparePhotosSpeedButton")->click();
    EXPECT_EQ(seen.fileInfo, "x#y#z#");
    EXPECT_EQ(seen.photoFile, "/photos/a.jpg");
    EXPECT_TRUE(seen.damaged);
    EXPECT_EQ(optimized, Pattern(12, 8, 2));
    EXPECT_EQ(original, Pattern(12, 8, 1));
    EXPECT_EQ(w->State().picture.Work(), Pattern(12, 8, 2));  // nothing kept: nothing changed
    // Coming back from it counts as an activation.
    w->State().file.SetCurrentFileName("/photos/a.jpg");
    emit w->View()->Canvas()->DblClick();
    EXPECT_TRUE(w->State().file.CurrentFileName().empty());
}

TEST_F(MainButtons, ActivationClearsTheCurrentFileName) {
    QEvent activate(QEvent::WindowActivate), deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(w.get(), &activate);  // the start-up activation, if not had yet
    w->State().file.SetCurrentFileName("/photos/a.jpg");
    QApplication::sendEvent(w.get(), &deactivate);
    QApplication::sendEvent(w.get(), &activate);
    EXPECT_TRUE(w->State().file.CurrentFileName().empty());
    // Returning from a question is an activation too.
    w->State().file.SetCurrentFileName("/photos/a.jpg");
    button("TarnelhomeSpeedButton")->click();  // says that no browser could open it
    EXPECT_TRUE(w->State().file.CurrentFileName().empty());
}

TEST_F(MainButtons, OptimizeMarksThePhotoUnsaved) {
    commit(Pattern(40, 30));
    button("ProcessingOptimumActionSpeedButton")->click();
    EXPECT_TRUE(w->State().file.Optimized());
    EXPECT_FALSE(w->editor().Saved());
    EXPECT_FALSE(w->findChild<QWidget*>("ProcessingProgressToolWindow")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    EXPECT_NE(w->State().picture.Work(), Pattern(40, 30));
    // Recorded as flesh balance then the blend.
    (void)0;
}

TEST_F(MainButtons, ShowOriginalTogglesTheThumbnailWindow) {
    QWidget* tool = w->findChild<QWidget*>("ViewOrginalPhotoToolWindow");
    button("ShowOriginalPhotoSpeedButton")->click();
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(tool->windowTitle(), QStringLiteral("Original Photo"));
    button("ShowOriginalPhotoSpeedButton")->click();
    EXPECT_FALSE(tool->isVisible());
}

TEST_F(MainButtons, TheProgressWindowIsOnScreenWithItsTextWhileOptimizeWorks) {
    // Big enough for its work to go on as a job.
    commit(Pattern(2000, 1500, 3));
    QWidget* progress = w->findChild<QWidget*>("ProcessingProgressToolWindow");
    QWidget* text = w->findChild<QWidget*>("ProgressLabel");
    ASSERT_NE(text, nullptr);
    struct Paints : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++n;
            return false;
        }
    } paints;
    text->installEventFilter(&paints);
    // The optimize reads the Options' targets while it works: look at the screen then.
    bool visible = false, busy = false;
    auto targets = w->editor().ReadOptions;
    w->editor().ReadOptions = [&](lum::BalanceTargets& t) {
        visible = progress->isVisible();
        busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        targets(t);
    };
    button("ProcessingOptimumActionSpeedButton")->click();
    // The window's own loop paints it, text and all, while the work runs.
    int paintedWhileWorking = 0;
    ASSERT_TRUE(guitest::PumpUntil([&] {
        if (w->Pane()->InsideWork()) paintedWhileWorking = paints.n;
        return !w->Pane()->InsideWork();
    }, 20000));
    EXPECT_TRUE(visible);
    EXPECT_GE(paintedWhileWorking, 1);
    EXPECT_TRUE(busy);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
