// SPDX-License-Identifier: GPL-3.0-or-later
// The compare window: filling, the panes, the menu zoom on both panes, the zoom tool, the
// filter and hidden buttons, selections drawn with the mouse, the menu bar reached by the
// keyboard, its saves and the question when it closes; opened from the main window's controls.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "GuiTestSupport.h"
#include "app/Program.h"
#include "app/CompareWindow.h"
#include "view/PhotoFixTools.h"
#include "app/Dialogs.h"
#include "app/RotateAngleDialog.h"
#include "app/Saving.h"
#include "editing/Operation.h"
#include "editing/SelectionTools.h"
#include "image/Arith.h"
#include "image/Codec.h"
#include "imaging/Geometry.h"
#include "view/EditPane.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "view/SelectionToolbar.h"
#include "widgets/ImageConvert.h"
#include "widgets/MenuBarReveal.h"
#include "widgets/PictureLabel.h"

using namespace guitest;
using Answer = lum::Prompts::Answer;

namespace {

// Runs act on the first visible top-level window of type T, once a modal loop shows it.
template <class T>
void WhenShown(std::function<void(T&)> act) {
    auto* t = new QTimer(qApp);
    t->setInterval(5);
    QObject::connect(t, &QTimer::timeout, qApp, [t, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<T*>(w);
            if (!found || !found->isVisible()) continue;
            t->stop();
            t->deleteLater();
            act(*found);
            return;
        }
    });
    t->start();
}

// The compare window opened from the main window is up and has gone again.
bool CompareCameAndWent() {
    const auto up = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<CompareWindow*>(w) && w->isVisible()) return true;
        return false;
    };
    return PumpUntil([&] { return !up(); });
}

void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), b, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

class CompareWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        f = std::make_unique<CompareWindow>(dialogs, &prompts);
        f->resize(1000, 700);
        f->show();
        Pump();
    }
    void Fill(const lum::Image& optimized, const lum::Image& original, const std::string& info = "p#s#d#") {
        f->SetFileInfoText(info);
        f->FillCompareWindow(optimized, original);
        Pump();
    }
    QToolButton* button(const char* name) const { return f->findChild<QToolButton*>(QString::fromLatin1(name)); }
    template <class T>
    T* child(const char* name) const {
        return f->findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* box() const { return f->View()->Canvas(); }
    void Drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
        Mouse(box(), QEvent::MouseButtonPress, from, b, b);
        Mouse(box(), QEvent::MouseMove, (from + to) / 2, Qt::NoButton, b);
        Mouse(box(), QEvent::MouseMove, to, Qt::NoButton, b);
        Mouse(box(), QEvent::MouseButtonRelease, to, b, Qt::NoButton);
    }
    int originalPaneWidth() const { return child<QWidget>("OrginalPartRealMemoryPanel")->width(); }
    // Half the splitter each, less its handle.
    int half() const {
        auto* s = child<QSplitter>("Splitter1");
        return (s->width() - s->handleWidth()) / 2;
    }

    struct AppFirst {
        AppFirst() { App(); }
    } app;
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    std::unique_ptr<CompareWindow> f;
};

}  // namespace

TEST_F(CompareWindowTest, FillingShowsBothPhotosAtFullSizeTheMemoAndHalfTheWindow) {
    const lum::Image original = Pattern(300, 200, 1), optimized = Pattern(300, 200, 2);
    // A splitter dragged earlier does not survive a filling.
    child<QSplitter>("Splitter1")->setSizes({100, 800});
    Fill(optimized, original, "/photos/a.jpg#Width : 300 &  Height : 200#Create Date : x#");
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Lumora"));  // no picture name given
    EXPECT_EQ(f->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(child<QPlainTextEdit>("PhotoFileNameMemo")->toPlainText(),
              QStringLiteral("/photos/a.jpg\nWidth : 300 &  Height : 200\nCreate Date : x"));
    EXPECT_EQ(f->State().zoom.Slot(), 7);
    EXPECT_EQ(box()->size(), QSize(300, 200));
    EXPECT_EQ(child<QLabel>("OrginalBitmapImage")->size(), QSize(300, 200));
    EXPECT_TRUE(f->State().picture.Work() == optimized);
    EXPECT_TRUE(f->State().picture.Baseline() == optimized);
    EXPECT_TRUE(f->OriginalPhoto() == original);
    EXPECT_EQ(originalPaneWidth(), half());
    EXPECT_FALSE(f->Changed());

    // No "#": nothing; one "#": the part before it.
    Fill(optimized, original, "just text");
    EXPECT_TRUE(child<QPlainTextEdit>("PhotoFileNameMemo")->toPlainText().isEmpty());
    Fill(optimized, original, "before#after");
    EXPECT_EQ(child<QPlainTextEdit>("PhotoFileNameMemo")->toPlainText(), QStringLiteral("before"));
}

TEST_F(CompareWindowTest, BothPanesPlaceScrollAndZoomThePhotoAlike) {
    // Bigger than its pane: opened fitted, both panes at one scale.
    Fill(Pattern(1600, 1200, 2), Pattern(1600, 1200, 1));
    auto* label = child<lum::PictureLabel>("OrginalBitmapImage");
    auto* scroll = child<QScrollArea>("ScrollBox2");
    lum::PhotoView* view = f->View();
    EXPECT_LT(view->Zoom(), 100);
    EXPECT_EQ(label->Scale(), view->Zoom());
    EXPECT_EQ(label->size(), box()->size());
    // Placed alike: centred in both, to within half the splitter's handle (the original pane
    // is half the window, the optimized one the rest less the handle).
    const int slack = child<QSplitter>("Splitter1")->handleWidth() / 2 + 1;
    const auto placed = [&] {
        return std::pair{label->mapTo(scroll->viewport(), QPoint()), box()->mapTo(view->viewport(), QPoint())};
    };
    auto [original, optimized] = placed();
    EXPECT_LE((original - optimized).manhattanLength(), slack);
    EXPECT_GT(optimized.y(), 0);
    // Zoomed in, a scroll of either pane moves the other.
    for (int i = 0; i < 4; ++i) Action(*f, "ZoomInItem")->trigger();
    Pump();
    EXPECT_EQ(label->Scale(), view->Zoom());
    view->horizontalScrollBar()->setValue(300);
    EXPECT_EQ(scroll->horizontalScrollBar()->value(), 300);
    scroll->verticalScrollBar()->setValue(120);
    EXPECT_EQ(view->verticalScrollBar()->value(), 120);
    std::tie(original, optimized) = placed();
    EXPECT_EQ(original, optimized);
    // Ctrl+wheel over the original zooms both.
    const int before = view->Zoom();
    QWheelEvent wheel(QPointF(50, 50), scroll->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(scroll->viewport(), &wheel);
    EXPECT_LT(view->Zoom(), before);
    EXPECT_EQ(label->Scale(), view->Zoom());
}

TEST_F(CompareWindowTest, TheDesignShowsOnlyThePanesFiltersLayoutAndZoomButtons) {
    Fill(Pattern(40, 30, 1), Pattern(40, 30, 2));
    for (const char* name : {"SpeedButton4", "SpeedButton9", "SpeedButton5", "SetZoomScaleSpeedButton",
                             "DivideWindowinto2EvenSpeedButton", "Btplusdur", "Btdoux", "Btbrume", "Btdur"})
        EXPECT_TRUE(button(name) && button(name)->isVisible()) << name;
    for (const char* name : {"AutoColorBalanceSpeedButton", "SpeedButton2", "ResetImageSpeedButton", "SpeedButton6",
                             "SpeedButton8", "RotateBitmapSpeedButton", "Btrot90", "NBtmiroirV", "BtmiroirH",
                             "Bttexte", "ColorChangeSpeedButton", "SpeedButton1", "SpeedButton3"})
        EXPECT_TRUE(button(name) && !button(name)->isVisible()) << name;
    EXPECT_EQ(button("Btplusdur")->text(), QStringLiteral("Sharpen +"));
    EXPECT_EQ(button("Btdur")->text(), QStringLiteral("Sharpen"));
    EXPECT_EQ(button("SpeedButton4")->toolTip(), QStringLiteral("Show the Original Photo in full screen"));
    EXPECT_EQ(button("SpeedButton5")->toolTip(), QStringLiteral("Show the Optimized Photo in full screen"));
    EXPECT_EQ(button("SpeedButton9")->toolTip(), QStringLiteral("Show both photos side by side again"));
    EXPECT_EQ(button("SetZoomScaleSpeedButton")->toolTip(), QStringLiteral("Zoom both photos"));
    EXPECT_FALSE(f->MenuBar()->isVisible());
    EXPECT_FALSE(f->selectionToolbar()->isVisible());
    EXPECT_FALSE(f->paintToolbar()->isVisible());
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("100 %"));
}

TEST_F(CompareWindowTest, ShowAllButtonsAndTheToolbarsAreKeptForTheNextWindow) {
    const char* const hidden[] = {"AutoColorBalanceSpeedButton", "SpeedButton2", "ResetImageSpeedButton", "SpeedButton6",
                                  "SpeedButton8", "RotateBitmapSpeedButton", "Btrot90", "NBtmiroirV", "BtmiroirH",
                                  "Bttexte", "ColorChangeSpeedButton", "SpeedButton1", "SpeedButton3"};
    Fill(Pattern(40, 30, 1), Pattern(40, 30, 2));
    const int narrowest = f->findChild<QWidget*>("RealMemoryPanel4")->minimumSizeHint().width();
    const auto shows = [&](CompareWindow& w, bool on) {
        // What does not fit the bar waits behind its >> button; the window never grows for it.
        Pump();
        auto* more = w.findChild<QToolButton*>(QStringLiteral("MoreButtons"));
        const bool behindMore = on && more && more->isVisible();
        EXPECT_LE(w.findChild<QWidget*>("RealMemoryPanel4")->minimumSizeHint().width(), narrowest + 80);
        for (const char* name : hidden) {
            auto* b = w.findChild<QToolButton*>(QString::fromLatin1(name));
            EXPECT_TRUE(on ? b->isVisible() || behindMore : !b->isVisible()) << name;
            // Shown, each says what it is: a picture or a caption, and a hint.
            EXPECT_TRUE(!b->text().isEmpty() || !b->icon().isNull()) << name;
            EXPECT_FALSE(b->toolTip().isEmpty()) << name;
        }
        EXPECT_EQ(Action(w, "ShowAllButtonsItem")->isChecked(), on);
    };
    Action(*f, "ShowAllButtonsItem")->trigger();
    shows(*f, true);
    // In a narrow window the quarter turn waits behind >>, and its item there turns the photo.
    f->resize(700, 500);
    Pump();
    auto* more = f->findChild<QToolButton*>(QStringLiteral("MoreButtons"));
    ASSERT_TRUE(more->isVisible() && !button("Btrot90")->isVisible());
    emit more->menu()->aboutToShow();
    QAction* turn = nullptr;
    for (QAction* a : more->menu()->actions()) if (a->text() == button("Btrot90")->toolTip()) turn = a;
    ASSERT_NE(turn, nullptr);
    turn->trigger();
    EXPECT_EQ(f->State().picture.Work().width(), 30);
    prompts.choiceAnswers = {2};  // the turn is discarded on closing
    f->resize(1200, 700);
    Pump();
    Action(*f, "PaintToolbarItem")->trigger();
    ASSERT_TRUE(f->paintToolbar()->isVisible());
    // The toolbar narrows the panes; they still share what is left evenly.
    Pump();
    EXPECT_EQ(originalPaneWidth(), half());
    ASSERT_TRUE(f->close());
    {
        CompareWindow next(dialogs, &prompts);
        next.show();
        shows(next, true);
        EXPECT_TRUE(next.paintToolbar()->isVisible());
        EXPECT_FALSE(next.selectionToolbar()->isVisible());
        Action(next, "ShowAllButtonsItem")->trigger();
        Action(next, "PaintToolbarItem")->trigger();
        Action(next, "SelectionToolbarItem")->trigger();
        shows(next, false);
        ASSERT_TRUE(next.close());
    }
    CompareWindow third(dialogs, &prompts);
    third.show();
    shows(third, false);
    EXPECT_FALSE(third.paintToolbar()->isVisible());
    EXPECT_TRUE(third.selectionToolbar()->isVisible());
    third.selectionToolbar()->hide();
    ASSERT_TRUE(third.close());
}

TEST_F(CompareWindowTest, FullScreenAndSplitButtons) {
    Fill(Pattern(40, 30, 1), Pattern(40, 30, 2));
    QWidget* top = child<QWidget>("RealMemoryPanel_Top");
    QWidget* right = child<QWidget>("RealMemoryPanel1");
    QWidget* left = child<QWidget>("OrginalPartRealMemoryPanel");
    button("SpeedButton4")->click();
    EXPECT_FALSE(top->isVisible());
    EXPECT_FALSE(right->isVisible());
    EXPECT_TRUE(left->isVisible());
    EXPECT_EQ(left->width(), f->width());
    button("SpeedButton9")->click();
    EXPECT_TRUE(top->isVisible() && right->isVisible() && left->isVisible());
    EXPECT_EQ(left->width(), half());
    button("SpeedButton5")->click();
    EXPECT_FALSE(top->isVisible());
    EXPECT_FALSE(left->isVisible());
    EXPECT_EQ(right->width(), f->width());
    button("DivideWindowinto2EvenSpeedButton")->click();
    EXPECT_TRUE(top->isVisible() && right->isVisible() && left->isVisible());
    EXPECT_EQ(left->width(), half());
}

TEST_F(CompareWindowTest, MenuZoomScalesBothPanesKeepsTheEditsAndSavesAtFullSize) {
    const lum::Image original = Pattern(300, 200, 1), optimized = Pattern(300, 200, 2);
    Fill(optimized, original);
    button("Btdur")->click();
    const lum::Image sharpened = f->State().picture.Work();
    ASSERT_TRUE(f->Changed());
    button("SpeedButton5")->click();
    QLabel* left = child<QLabel>("OrginalBitmapImage");
    const auto zoom = [this](const char* item) {
        f->ZoomScalePopupMenu()->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        Pump();
    };
    zoom("ZoomTo_50_Menuitem");
    // Both panes back, at the same scale; the pixels and the edits stay, nothing is asked.
    EXPECT_TRUE(child<QWidget>("RealMemoryPanel_Top")->isVisible());
    EXPECT_TRUE(child<QWidget>("OrginalPartRealMemoryPanel")->isVisible());
    EXPECT_EQ(originalPaneWidth(), half());
    EXPECT_EQ(box()->size(), QSize(150, 100));
    EXPECT_EQ(left->size(), QSize(150, 100));
    for (const char* item : {"ZoomTo_200_Menuitem", "ZoomTo_FitWidth_Menuitem", "ZoomTo_FitWindow_Menuitem"}) {
        zoom(item);
        EXPECT_EQ(left->size(), box()->size()) << item;
        EXPECT_EQ(f->State().picture.Work(), sharpened) << item;
        EXPECT_TRUE(f->OriginalPhoto() == original) << item;
    }
    zoom("ZoomTo_200_Menuitem");
    EXPECT_EQ(left->size(), QSize(600, 400));
    // The zoom keys step both panes too.
    QTest::keyClick(box(), Qt::Key_Minus, Qt::ControlModifier);
    Pump();
    EXPECT_EQ(left->size(), box()->size());
    EXPECT_NE(left->size(), QSize(600, 400));
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_TRUE(f->Changed());

    // Saved at the working image's own size.
    QTemporaryDir dir;
    const QString path = dir.filePath("zoomed.bmp");
    prompts.savePaths = {path.toStdString()};
    QTest::keyClick(box(), Qt::Key_S, Qt::ControlModifier);
    const std::vector<uint8_t> bytes = lum::ReadFileBytes(path.toStdString());
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(lum::DecodeBmp(bytes.data(), bytes.size()) == sharpened);
    EXPECT_FALSE(f->Changed());
}

TEST_F(CompareWindowTest, ZoomToolStepsTheViewAndItsLabel) {
    Fill(Pattern(200, 150, 2), Pattern(200, 150, 1));
    QLabel* label = child<QLabel>("Label3");
    f->Pane()->ZoomStep(-1, 100, 75);
    EXPECT_EQ(f->State().zoom.Slot(), 6);
    EXPECT_EQ(label->text(), QStringLiteral("75 %"));
    EXPECT_EQ(box()->size(), QSize(150, 112));
    f->Pane()->ZoomStep(-1, 10, 10);
    EXPECT_EQ(label->text(), QStringLiteral("66 %"));
    for (int i = 0; i < 6; ++i) f->Pane()->ZoomStep(-1, 10, 10);
    EXPECT_EQ(f->State().zoom.Slot(), 1);
    EXPECT_EQ(label->text(), QStringLiteral("10 %"));
    f->Pane()->ZoomStep(+1, 10, 10);
    EXPECT_EQ(label->text(), QStringLiteral("25 %"));
    // Up to 800 %. The clicked photo point goes to the middle of the visible area, as near
    // as the scroll bars reach.
    for (int i = 0; i < 20; ++i) f->Pane()->ZoomStep(+1, 10, 10);
    EXPECT_EQ(f->State().zoom.Slot(), 12);
    EXPECT_EQ(box()->size(), QSize(1600, 1200));
    lum::PhotoView* v = f->View();
    const QSize seen = v->viewport()->size();
    const auto at = [](QScrollBar* bar, int value) { return std::clamp(value, 0, bar->maximum()); };
    const auto shown = [&](int viewX, int viewY) {
        const int x = v->horizontalScrollBar()->value(), y = v->verticalScrollBar()->value();
        return viewX >= x && viewX < x + seen.width() && viewY >= y && viewY < y + seen.height();
    };
    f->Pane()->ZoomStep(-1, 800, 480);  // photo (100, 60): at 400 % (400, 240)
    EXPECT_EQ(v->horizontalScrollBar()->value(), at(v->horizontalScrollBar(), 400 - seen.width() / 2));
    EXPECT_EQ(v->verticalScrollBar()->value(), at(v->verticalScrollBar(), 240 - seen.height() / 2));
    EXPECT_TRUE(shown(400, 240));
    f->Pane()->ZoomStep(+1, 600, 560);  // photo (150, 140): at 800 % (1200, 1120)
    EXPECT_EQ(v->horizontalScrollBar()->value(), at(v->horizontalScrollBar(), 1200 - seen.width() / 2));
    EXPECT_EQ(v->verticalScrollBar()->value(), at(v->verticalScrollBar(), 1120 - seen.height() / 2));
    EXPECT_TRUE(shown(1200, 1120));
    EXPECT_GT(v->horizontalScrollBar()->value(), 0);
    f->Pane()->ZoomStep(-1, 40, 40);  // photo (5, 5): at 400 % the top-left corner
    EXPECT_EQ(v->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(v->verticalScrollBar()->value(), 0);
    EXPECT_EQ(f->State().picture.Work().width(), 200);  // the images stay
}

TEST_F(CompareWindowTest, FilterAndHiddenButtonsRunTheirOperationsOnThisWindowOnly) {
    const lum::Image photo = Pattern(50, 40, 3);
    Fill(photo, Pattern(50, 40, 4));
    f->editor().Macro().Start();
    for (const char* name : {"Btplusdur", "Btdoux", "Btbrume", "Btdur"}) button(name)->click();
    EXPECT_FALSE(f->State().picture.Work() == photo);
    const std::vector<lum::MacroAction> recorded = {{5, 0, 0, 0}, {7, 0, 0, 0}, {4, 0, 0, 0}, {6, 0, 0, 0}};
    for (size_t i = 0; i < recorded.size(); ++i) EXPECT_EQ(f->editor().Macro().Actions()[i], recorded[i]);

    // The reset button goes back to the baseline.
    button("ResetImageSpeedButton")->click();
    EXPECT_TRUE(f->State().picture.Work() == photo);
    // The hidden auto colour balance: the compare variant, recording 15 and (1, 40).
    button("AutoColorBalanceSpeedButton")->click();
    EXPECT_EQ(f->editor().Macro().Actions()[4], (lum::MacroAction{15, 0, 0, 0}));
    EXPECT_EQ(f->editor().Macro().Actions()[5], (lum::MacroAction{1, 40, 0, 0}));
    // "U": back to the baseline, recorded as 0.
    button("SpeedButton6")->click();
    EXPECT_TRUE(f->State().picture.Work() == photo);
    EXPECT_EQ(f->editor().Macro().Actions()[6], (lum::MacroAction{0, 0, 0, 0}));
    // Quarter turn and mirrors.
    button("Btrot90")->click();
    EXPECT_EQ(f->State().picture.Work().width(), 40);
    EXPECT_EQ(f->State().picture.Baseline().width(), 40);
    button("BtmiroirH")->click();
    button("NBtmiroirV")->click();
    EXPECT_TRUE(f->Changed());
    // "S" and "P" show and hide the toolbars.
    button("SpeedButton1")->click();
    EXPECT_TRUE(f->selectionToolbar()->isVisible());
    button("SpeedButton1")->click();
    EXPECT_FALSE(f->selectionToolbar()->isVisible());
    button("SpeedButton3")->click();
    EXPECT_TRUE(f->paintToolbar()->isVisible());
    // The channel shifts of the "C" menu.
    const lum::Image before = f->State().picture.Work();
    f->ColorChangePopupMenu()->findChild<QAction*>("RedChangetoGreen101")->trigger();
    EXPECT_FALSE(f->State().picture.Work() == before);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages[0];
}

TEST_F(CompareWindowTest, RotateByAnAngleAsksItsDialog) {
    Fill(Pattern(60, 40, 3), Pattern(60, 40, 4));
    const lum::Image photo = f->State().picture.Work();
    int offered = 0;
    WhenShown<RotateAngleDialog>([&](RotateAngleDialog& d) {
        offered = d.AngleSpinEdit()->value();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Rotate by Angle"));
        d.findChild<QAbstractButton*>("CancelButton")->click();
    });
    button("RotateBitmapSpeedButton")->click();
    EXPECT_EQ(offered, 30);
    EXPECT_TRUE(f->State().picture.Work() == photo);

    WhenShown<RotateAngleDialog>([&](RotateAngleDialog& d) {
        d.AngleSpinEdit()->setValue(90);
        d.findChild<QAbstractButton*>("OKSpeedButton")->click();
    });
    button("RotateBitmapSpeedButton")->click();
    EXPECT_FALSE(f->State().picture.Work() == photo);
    EXPECT_EQ(f->State().picture.Work().width(), 60);
    // The background colour is the photo's corner, and the second paint colour takes it.
    const uint8_t* corner = photo.pixel(0, 0);
    EXPECT_EQ(f->State().tools.PaintColour2(), lum::MakeColour(corner[2], corner[1], corner[0]));
}

TEST_F(CompareWindowTest, SelectionsDrawnWithTheMouseMoveAndCancel) {
    const lum::Image photo = Pattern(200, 150, 5);
    Fill(photo, Pattern(200, 150, 6));
    lum::SelectionToolbar* bar = f->selectionToolbar();
    bar->RectangleButton()->click();
    EXPECT_EQ(f->State().tools.Mode(), lum::ToolMode::Rectangle);
    EXPECT_EQ(box()->cursor().shape(), Qt::CrossCursor);
    Drag(QPoint(10, 10), QPoint(60, 40));
    EXPECT_EQ(f->State().selection.Kind(), lum::SelectionKind::Rectangle);
    EXPECT_EQ(f->State().selection.Bounds(), (lum::Rect{10, 10, 60, 40}));
    EXPECT_EQ(bar->PositionLabel()->text(), QStringLiteral("Position 10, 10"));
    EXPECT_EQ(bar->SizeLabel()->text(), QStringLiteral("Size 50 x 30"));
    EXPECT_TRUE(bar->RectangleButton()->isChecked());

    // Grab inside and drag: with "Duplicate" checked and "Erase" not, the place keeps its pixels.
    Mouse(box(), QEvent::MouseMove, QPoint(20, 20), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(box()->cursor().shape(), Qt::PointingHandCursor);
    Drag(QPoint(20, 20), QPoint(120, 20));
    EXPECT_EQ(f->State().selection.Bounds(), (lum::Rect{110, 10, 160, 40}));
    // The labels followed the piece.
    EXPECT_EQ(bar->PositionLabel()->text(), QStringLiteral("Position 110, 10"));
    EXPECT_EQ(bar->SizeLabel()->text(), QStringLiteral("Size 50 x 30"));
    EXPECT_EQ(std::memcmp(f->State().picture.Work().pixel(110, 10), photo.pixel(10, 10), 3), 0);
    EXPECT_EQ(std::memcmp(f->State().picture.Work().pixel(10, 10), photo.pixel(10, 10), 3), 0);
    EXPECT_TRUE(f->Changed());

    // A right press anywhere ends it; the toolbar goes back to no tool.
    Drag(QPoint(190, 140), QPoint(190, 140), Qt::RightButton);
    EXPECT_EQ(f->State().selection.Kind(), lum::SelectionKind::None);
    EXPECT_EQ(f->State().tools.Mode(), lum::ToolMode::None);
    EXPECT_TRUE(bar->NoToolButton()->isChecked());
    EXPECT_TRUE(bar->PositionLabel()->text().isEmpty());

    // "Erase" checked: the first grab leaves the second paint colour.
    bar->EraseBox()->setChecked(true);
    bar->EllipseButton()->click();
    Drag(QPoint(10, 60), QPoint(50, 100));
    ASSERT_EQ(f->State().selection.Kind(), lum::SelectionKind::Ellipse);
    Drag(QPoint(30, 80), QPoint(30, 120));
    const uint8_t* erased = f->State().picture.Work().pixel(30, 80);
    EXPECT_EQ(lum::MakeColour(erased[2], erased[1], erased[0]), f->State().tools.PaintColour2());
    // Edit > Erase fills the shape where it now is.
    f->findChild<QAction*>("Effacer1")->trigger();
    const uint8_t* filled = f->State().picture.Work().pixel(30, 120);
    EXPECT_EQ(lum::MakeColour(filled[2], filled[1], filled[0]), f->State().tools.PaintColour2());
    // Sharpen confines to the ellipse.
    const lum::Image before = f->State().picture.Work();
    button("Btdur")->click();
    EXPECT_EQ(std::memcmp(f->State().picture.Work().pixel(150, 20), before.pixel(150, 20), 3), 0);
}

TEST_F(CompareWindowTest, AltAndF10ShowTheMenusAndTheViewMenuTheToolbars) {
    Fill(Pattern(40, 30, 1), Pattern(40, 30, 2));
    QMenuBar* bar = f->MenuBar();
    QWidget* focus = box();
    QTest::keyClick(focus, Qt::Key_F10);
    EXPECT_TRUE(bar->isVisible());
    int shown = 0;
    for (QAction* a : bar->actions()) shown += a->isVisible() && a->isEnabled();
    EXPECT_EQ(shown, bar->actions().size());
    CloseMenus();
    EXPECT_FALSE(bar->isVisible());
    // Alt alone shows it; Alt with another key does not count.
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt, Qt::NoModifier);
    EXPECT_TRUE(bar->isVisible());
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(focus, Qt::Key_Q, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt, Qt::NoModifier);
    EXPECT_TRUE(bar->isVisible());
    CloseMenus();
    for (QAction* a : bar->actions()) EXPECT_FALSE(a->isVisible()) << a->text().toStdString();

    // The View menu's toolbar items, checked while the toolbar shows.
    QAction* sel = f->findChild<QAction*>("SelectionToolbarItem");
    QAction* paint = f->findChild<QAction*>("PaintToolbarItem");
    sel->trigger();
    Pump();
    EXPECT_TRUE(f->selectionToolbar()->isVisible());
    EXPECT_TRUE(sel->isChecked());
    paint->trigger();
    EXPECT_TRUE(f->paintToolbar()->isVisible());
    sel->trigger();
    EXPECT_FALSE(f->selectionToolbar()->isVisible());

    // Standard keys with the bar hidden: Undo after a filter.
    const lum::Image photo = f->State().picture.Work();
    button("Btdur")->click();
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(f->State().picture.Work() == photo);
    EXPECT_EQ(f->findChild<QAction*>("Annuler1")->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_EQ(f->findChild<QAction*>("Btenregistrer")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(f->findChild<QAction*>("Copier1")->shortcut(), QKeySequence(QKeySequence::Copy));
    // Zoom in steps the view only.
    QTest::keyClick(focus, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(f->State().zoom.Slot(), 8);
}

TEST_F(CompareWindowTest, ClosingAsksOnlyAfterAChangeAndNeverLosesItSilently) {
    enum { kSave, kKeep, kDiscard, kCancel };
    Fill(Pattern(40, 30, 1), Pattern(40, 30, 2));
    f->SetPhotoFile("/photos/beach.jpg", false);
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(prompts.questions.empty());

    // Undone back to the photo handed in: nothing to ask either; redone: asked again.
    f->show();
    QApplication::setActiveWindow(f.get());
    button("Btdoux")->click();
    QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(f->Changed());
    QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(f->Changed());
    QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(f->Changed());
    QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(prompts.questions.empty());

    f->show();
    button("Btdoux")->click();
    // Escape or closing the question: the window stays. The question names the photo and
    // offers to keep the edits in the main window by default.
    EXPECT_FALSE(f->close());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_NE(prompts.questions[0].find("beach.jpg"), std::string::npos) << prompts.questions[0];
    ASSERT_EQ(prompts.choiceButtons[0].size(), 4u);
    EXPECT_EQ(prompts.choiceDefaults[0], kKeep);
    EXPECT_FALSE(f->KeepsEdits());
    // Save, then a cancelled save dialog: still open.
    prompts.choiceAnswers = {kSave};
    prompts.savePaths = {""};
    EXPECT_FALSE(f->close());
    // Save over an existing file, replacing refused: still open, the file untouched.
    QTemporaryDir dir;
    const QString existing = dir.filePath("there.bmp");
    lum::WriteFileAtomic(existing.toStdString(), {1, 2, 3});
    prompts.choiceAnswers = {kSave};
    prompts.savePaths = {existing.toStdString()};
    prompts.answers = {false};
    EXPECT_FALSE(f->close());
    EXPECT_EQ(lum::ReadFileBytes(existing.toStdString()), std::vector<uint8_t>({1, 2, 3}));
    // Save and a name: written, then closed; nothing goes back to the main window.
    const QString path = dir.filePath("soft.bmp");
    prompts.choiceAnswers = {kSave};
    prompts.savePaths = {path.toStdString()};
    EXPECT_TRUE(f->close());
    const std::vector<uint8_t> bytes = lum::ReadFileBytes(path.toStdString());
    EXPECT_TRUE(lum::DecodeBmp(bytes.data(), bytes.size()) == f->State().picture.Work());
    EXPECT_FALSE(f->KeepsEdits());

    // Discard: closed without writing or keeping.
    f->show();
    button("Btdur")->click();
    prompts.choiceAnswers = {kDiscard};
    EXPECT_TRUE(f->close());
    EXPECT_FALSE(f->KeepsEdits());
    // Keep: closed, the edits go back.
    f->show();
    button("Btdur")->click();
    prompts.choiceAnswers = {kKeep};
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(f->KeepsEdits());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"soft.bmp", "there.bmp"}));
}

TEST_F(CompareWindowTest, SavesWriteThisWindowsImageAndCountAsUnchanged) {
    Fill(Pattern(40, 30, 1), Pattern(40, 30, 2));
    button("Btbrume")->click();
    QTemporaryDir dir;
    const QString path = dir.filePath("light.jpg");
    prompts.savePaths = {path.toStdString()};
    f->findChild<QAction*>("Btenregistrer")->trigger();
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_FALSE(f->Changed());
    EXPECT_EQ(f->State().file.CurrentFileName(), path.toStdString());
    // The hidden save button runs the same flow.
    button("Btdur")->click();
    // It asks before writing over light.jpg (Cancel the default); Save As gives the dialog.
    prompts.choiceAnswers = {1};
    prompts.savePaths = {dir.filePath("b.bmp").toStdString()};
    button("SpeedButton2")->click();
    ASSERT_FALSE(prompts.choiceDefaults.empty());
    EXPECT_EQ(prompts.choiceDefaults.back(), 2);
    EXPECT_NE(prompts.questions.back().find("light.jpg"), std::string::npos);
    EXPECT_TRUE(QFileInfo(dir.filePath("b.bmp")).isFile());
    EXPECT_FALSE(f->Changed());
    // Delete asks about the file the picture was written to; No keeps it.
    f->findChild<QAction*>("Supprimer1")->trigger();
    EXPECT_NE(prompts.questions.back().find("b.bmp"), std::string::npos);
    EXPECT_TRUE(QFileInfo(dir.filePath("b.bmp")).isFile());
}

TEST_F(CompareWindowTest, TheOriginalIsThePhotoAsLoadedTurnedAsTheOptimizedOneAndLinesUpWithIt) {
    // Steps of the main window before the compare window opens, then steps made in it; the
    // original must show the photo as loaded with the same turns made to it, never its colours.
    struct Case {
        const char* name;
        std::vector<std::string> mainSteps, compareSteps;
        std::vector<std::string> turns;  // made to the photo as loaded for the expected original
        QSize shown;                      // the original's size when scaled (empty: as turned)
        bool linesUp = true;
        bool smallest = false;  // the window at its smallest width
        bool straightenTool = false;  // its bar (the widest) shown
    };
    const Case cases[] = {
        {"as loaded", {"optimize"}, {}, {}, {}},
        {"turned in the main window", {"optimize", "rotate-cw"}, {}, {"rotate-cw"}, {}},
        {"turns and a mirror on both sides",
         {"mirror-h", "optimize", "rotate-ccw"},
         {"rotate-ccw", "mirror-v"},
         {"mirror-h", "rotate-ccw", "rotate-ccw", "mirror-v"},
         {}},
        {"undone and done again", {"rotate-cw", "rotate-cw", "undo", "optimize"}, {"mirror-h", "undo", "redo"},
         {"rotate-cw", "mirror-h"}, {}},
        {"new size after a turn", {"rotate-cw", "resize:40x60"}, {}, {}, QSize(40, 60)},
        {"new size here", {"optimize"}, {"resize:150x100"}, {}, QSize(150, 100)},
        {"cropped: shown whole, not lined up", {"rotate-cw"}, {"crop:0,0,40,20"}, {}, QSize(13, 20), false},
        {"turned by an angle", {"optimize"}, {"rotate:30"}, {}, QSize(90, 60), false},
        {"at the smallest width", {"optimize"}, {}, {}, {}, true, true},
        {"the straighten tool on, smallest", {"optimize"}, {}, {}, {}, true, true, true},
    };
    const lum::Image loaded = Pattern(90, 60, 1);
    auto* label = child<lum::PictureLabel>("OrginalBitmapImage");
    auto* scroll = child<QScrollArea>("ScrollBox2");
    QLabel* note = child<QLabel>("OriginalFramingNote");
    const auto step = [](lum::Editor& e, const std::string& word) {
        if (word == "undo" || word == "redo") {
            EXPECT_TRUE(word == "undo" ? e.Undo() : e.Redo());
            return;
        }
        const lum::ParsedOperation p = lum::ParseOperationWord(word);
        EXPECT_TRUE(e.Run(*p.op, p.args)) << word;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lum::Editor main(lum::EditorPolicy::MainWindow());
        main.State().picture.Baseline() = loaded;
        main.CommitMemoryImage();
        for (const std::string& word : c.mainSteps) step(main, word);
        f->resize(c.smallest ? QSize(200, 700) : QSize(1000, 700));
        const lum::PictureImages& pic = main.State().picture;
        f->FillCompareWindowReading(pic.Work(), pic.Loaded(), pic.WorkFraming());
        for (const std::string& word : c.compareSteps) step(f->editor(), word);
        if (c.straightenTool) f->photoFixes()->StartStraighten();
        lum::Image expected = loaded;
        for (const std::string& t : c.turns)
            if (t.rfind("rotate", 0) == 0) expected = lum::QuarterTurned(expected, t == "rotate-cw");
            else lum::Mirror(expected, expected, t == "mirror-h");
        const QSize size = c.shown.isEmpty() ? QSize(expected.width(), expected.height()) : c.shown;
        const auto shows = [&] {
            return label->Picture().size() == size && note->isVisible() == !c.linesUp &&
                   (!c.shown.isEmpty() || lum::FromQImage(label->Picture()) == expected);
        };
        EXPECT_TRUE(PumpUntil(shows));
        Pump();
        // Lined up: both panes alike, the photo at one size in the same place, also scrolled.
        const QWidget* view = f->View()->viewport();
        if (c.linesUp) {
            EXPECT_EQ(label->size(), box()->size());
            EXPECT_EQ(scroll->viewport()->size(), view->size());
            EXPECT_EQ(label->mapTo(scroll->viewport(), QPoint()), box()->mapTo(view, QPoint()));
        }
        if (c.smallest) {
            EXPECT_LT(f->width(), 1000);
            for (int i = 0; i < 3; ++i) Action(*f, "ZoomInItem")->trigger();
            Pump();
            f->View()->horizontalScrollBar()->setValue(37);
            EXPECT_EQ(label->mapTo(scroll->viewport(), QPoint()), box()->mapTo(view, QPoint()));
        }
        f->photoFixes()->Leave();
        f->editor().MarkSaved();
    }
}

// ---------------------------------------------------------------------------------------------
// From the main window

namespace {

class OpeningCompare : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        program = std::make_unique<lum::Program>(&prompts);
        MainWindow& w = program->Window();
        w.resize(1000, 700);
        w.show();
        w.State().picture.Baseline() = Pattern(80, 60, 1);
        w.editor().CommitMemoryImage();
        w.State().picture.Work() = Pattern(80, 60, 2);
        w.State().file.SetInfoText("a#b#c#");
        Pump();
    }
    // Opens the window by `open`, changes its image inside it, and closes it answering No.
    void OpenChangeAndClose(const std::function<void()>& open) {
        bool seen = false;
        WhenShown<CompareWindow>([&](CompareWindow& c) {
            seen = true;
            EXPECT_TRUE(c.State().picture.Work() == Pattern(80, 60, 2));
            EXPECT_TRUE(c.OriginalPhoto() == Pattern(80, 60, 1));
            EXPECT_EQ(c.findChild<QPlainTextEdit*>("PhotoFileNameMemo")->blockCount(), 3);
            c.findChild<QToolButton*>("Btdur")->click();
            prompts.choiceAnswers = {2};  // discard the changes
            c.close();
        });
        open();
        ASSERT_TRUE(PumpUntil([&] { return seen; }));
        ASSERT_TRUE(CompareCameAndWent());
        MainWindow& w = program->Window();
        EXPECT_TRUE(w.State().picture.Work() == Pattern(80, 60, 2));
        EXPECT_TRUE(w.State().picture.Baseline() == Pattern(80, 60, 1));
        // The main window still names its own picture.
        EXPECT_EQ(w.windowTitle(), lum::WindowShell::Caption(QStringLiteral("Untitled"), false));
    }

    lum::RecordingPrompts prompts;
    std::unique_ptr<lum::Program> program;
};

}  // namespace

TEST_F(OpeningCompare, ByTheButtonTheDoubleClickAndTheThumbnail) {
    MainWindow& w = program->Window();
    OpenChangeAndClose([&] { w.findChild<QToolButton*>("ComparePhotosSpeedButton")->click(); });
    OpenChangeAndClose([&] {
        QWidget* paint = w.View()->Canvas();
        Mouse(paint, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    });
    OpenChangeAndClose([&] {
        auto* thumb = w.findChild<QLabel*>("ShowOrginalImage");
        Mouse(thumb, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::LeftButton, Qt::NoButton);
    });
}

TEST_F(OpeningCompare, EditsKeptOnClosingBecomeOneUnsavedStepOfTheMainWindow) {
    MainWindow& w = program->Window();
    w.editor().MarkSaved();
    lum::Image edited;
    WhenShown<CompareWindow>([&](CompareWindow& c) {
        c.findChild<QToolButton*>("Btdur")->click();
        c.findChild<QToolButton*>("Btbrume")->click();
        edited = c.State().picture.Work();
        prompts.choiceAnswers = {1};  // keep them in the main window
        c.close();
    });
    w.OpenCompareWindow();
    ASSERT_TRUE(PumpUntil([&] { return !edited.empty(); }));
    ASSERT_TRUE(CompareCameAndWent());
    EXPECT_TRUE(w.State().picture.Work() == edited);
    EXPECT_TRUE(w.State().picture.Baseline() == Pattern(80, 60, 1));  // the baseline stays
    EXPECT_FALSE(w.editor().Saved());
    QAction* undo = w.findChild<QAction*>("Annuler1");
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Compare Window Edits"));
    // Both filters are one step here, taken back and done again whole.
    undo->trigger();
    EXPECT_TRUE(w.State().picture.Work() == Pattern(80, 60, 2));
    EXPECT_TRUE(w.editor().Saved());
    w.findChild<QAction*>("RedoItem")->trigger();
    EXPECT_TRUE(w.State().picture.Work() == edited);
    EXPECT_FALSE(w.editor().Saved());
}

TEST_F(OpeningCompare, TheMainWindowsMenusComeWithAltAndEraseFillsWhite) {
    MainWindow& w = program->Window();
    QMenuBar* bar = w.MenuBar();
    QWidget* focus = w.View()->Canvas();
    QTest::keyClick(focus, Qt::Key_F10);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(w.findChild<QMenu*>("Fichier1")->menuAction()->isEnabled());
    CloseMenus();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(w.findChild<QMenu*>("Fichier1")->menuAction()->isEnabled());

    w.findChild<QAction*>("Effacer1")->trigger();
    lum::Image white(80, 60);
    white.fill(255, 255, 255);
    EXPECT_TRUE(w.State().picture.Work() == white);
    EXPECT_TRUE(w.findChild<QAction*>("Annuler1")->text().startsWith(QStringLiteral("&Undo ")));
    EXPECT_EQ(w.findChild<QAction*>("Annuler1")->shortcut(), QKeySequence(QKeySequence::Undo));
    w.findChild<QAction*>("Annuler1")->trigger();
    EXPECT_TRUE(w.State().picture.Work() == Pattern(80, 60, 2));  // the erase taken back

    // The clipboard's keys with the bar hidden, shown beside their items.
    EXPECT_EQ(w.findChild<QAction*>("Copier1")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(w.findChild<QAction*>("Mlangerlexistant1")->shortcut(), QKeySequence(QKeySequence::Paste));
    QApplication::clipboard()->clear();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(80, 60));
}
