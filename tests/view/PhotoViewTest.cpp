// SPDX-License-Identifier: GPL-3.0-or-later
// The photo view and the edit pane around it: fit, zoom, mapping, drawing, the zoom menu, the
// mouse on the photo routed to the editor's tool, outlines, the hourglass and the error guard.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <stdexcept>

#include "FolderTestSupport.h"
#include "PhotoViewTestSupport.h"
#include "editing/Editor.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"

using lum::EditPane;
using lum::Editor;
using lum::EditorPolicy;
using lum::PhotoView;

using photoviewtest::Pane;
using photoviewtest::Pattern;
using photoviewtest::pixelOf;

TEST(PhotoView, AWidePhotoIsFittedOnCommit) {
    Pane p;
    p.st().picture.Baseline().resize(1000, 400);
    p.editor.CommitMemoryImage();
    EXPECT_EQ(p.st().zoom.Slot(), 0);
    EXPECT_EQ(p.st().zoom.PercentAt(0), 49);
    EXPECT_EQ(p.view().Canvas()->size(), QSize(490, 196));
}

TEST(PhotoView, AFittingPhotoKeepsTheZoom) {
    Pane p;
    p.st().zoom.SetSlot(9);                  // 200 %
    p.st().picture.Baseline().resize(500, 440);  // exactly the box
    p.editor.CommitMemoryImage();
    EXPECT_EQ(p.st().zoom.Slot(), 9);
    EXPECT_EQ(p.view().Canvas()->size(), QSize(1000, 880));
}

TEST(PhotoView, MappingAndLayoutTruncate) {
    Pane p;
    p.st().zoom.SetSlot(3);  // 33 %
    EXPECT_EQ(p.view().ViewToImage(10), 30);
    EXPECT_EQ(p.view().ImageToView(30), 9);
    p.st().picture.Work().resize(333, 10);
    p.view().LayoutView();
    EXPECT_EQ(p.view().Canvas()->width(), 109);
    EXPECT_EQ(p.view().Canvas()->height(), 3);
    // A zero slot never divides by zero.
    p.st().zoom.HoldPercent(0);
    EXPECT_EQ(p.view().Zoom(), 1);
    EXPECT_EQ(p.view().ViewToImage(5), 500);
}

TEST(PhotoView, MenuZoomIsHeldInSlotZero) {
    Pane p;
    p.st().picture.Baseline().resize(301, 99);
    p.editor.CommitMemoryImage();
    p.pane.ZoomToPercent(125);
    EXPECT_EQ(p.st().zoom.Slot(), 0);
    EXPECT_EQ(p.st().zoom.PercentAt(0), 125);
    EXPECT_EQ(p.view().Zoom(), 125);
    // Round(301 x 1.25) = 376, Round(99 x 1.25) = 124 (123.75)
    EXPECT_EQ(p.view().Canvas()->size(), QSize(376, 124));
    EXPECT_EQ(p.view().ViewToImage(125), 100);
    // Nothing for a zero or negative percentage.
    p.pane.ZoomToPercent(0);
    p.pane.ZoomToPercent(-3);
    EXPECT_EQ(p.st().zoom.PercentAt(0), 125);
    // The images are not touched.
    EXPECT_EQ(p.st().picture.Work().width(), 301);
    EXPECT_EQ(p.st().picture.Baseline().width(), 301);
    // Steps walk the fixed percentages of the table.
    p.pane.ZoomInStep();
    EXPECT_EQ(p.view().Zoom(), 150);
    p.pane.ZoomOutStep();
    p.pane.ZoomOutStep();
    EXPECT_EQ(p.view().Zoom(), 75);
}

TEST(PhotoView, FitPercentagesKeepRoomForTheScrollBar) {
    // (500 x 100 - 1600) / 1000 = 48.4
    EXPECT_EQ(PhotoView::FitWidthPercent(500, 1000), 48);
    // (440 x 100 - 1600) / 400 = 106
    EXPECT_EQ(PhotoView::FitHeightPercent(440, 400), 106);
    // The smaller of the two.
    EXPECT_EQ(PhotoView::FitWindowPercent(500, 440, 1000, 400), 48);
    EXPECT_EQ(PhotoView::FitWindowPercent(500, 440, 400, 1000), 42);
    // Ties go to even: (17 x 100 - 1600) / 40 = 2.5 and (19 x 100 - 1600) / 200 = 1.5.
    EXPECT_EQ(PhotoView::FitWidthPercent(17, 40), 2);
    EXPECT_EQ(PhotoView::FitWidthPercent(19, 200), 2);
    // A box narrower than the scroll bar gives a percentage that the menu ignores.
    EXPECT_LE(PhotoView::FitWidthPercent(10, 100), 0);
}

TEST(PhotoView, DrawsPlainAt100AndRepeatsPixelsWhenZoomed) {
    Pane p;
    p.pane.resize(200, 200);
    p.commit(Pattern(7, 5, 3));
    p.pane.show();
    foldertest::Pump();
    QImage shot = p.view().Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(shot.pixel(x, y), pixelOf(p.st().picture.Work(), x, y)) << x << "," << y;

    p.st().zoom.SetSlot(9);  // 200 %
    p.view().LayoutView();
    shot = p.view().Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(14, 10));
    // Each photo pixel becomes a 2 x 2 block of the same colour: no filtering.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 14; ++x)
            EXPECT_EQ(shot.pixel(x, y), pixelOf(p.st().picture.Work(), x / 2, y / 2)) << x << "," << y;
}

TEST(PhotoView, ZoomMenuHasItsThirteenItemsWiredToThePane) {
    Pane p;
    QMenu* menu = p.pane.ZoomMenu();
    EXPECT_EQ(menu->objectName(), QStringLiteral("ZoomScalePopupMenu"));
    const std::pair<const char*, const char*> expected[] = {
        {"ZoomTo_10_Menuitem", "Zoom to 10%"},   {"ZoomTo_25_Menuitem", "Zoom to 25%"},
        {"ZoomTo_33_Menuitem", "Zoom to 33%"},   {"ZoomTo_50_Menuitem", "Zoom to 50%"},
        {"ZoomTo_66_Menuitem", "Zoom to 66%"},   {"ZoomTo_75_Menuitem", "Zoom to 75%"},
        {"ZoomTo_100_Menuitem", "Zoom to 100%"}, {"ZoomTo_125_Menuitem", "Zoom to 125%"},
        {"ZoomTo_150_Menuitem", "Zoom to 150%"}, {"ZoomTo_200_Menuitem", "Zoom to 200%"},
        {"ZoomTo_FitWidth_Menuitem", "Zoom to Fit Width"}, {"ZoomTo_FitHeight_Menuitem", "Zoom to Fit Height"},
        {"ZoomTo_FitWindow_Menuitem", "Zoom to Fit Window"},
    };
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 13);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(expected[i].first));
        EXPECT_EQ(actions[i]->text(), QString::fromLatin1(expected[i].second));
    }
    p.commit(Pattern(1000, 400, 1));
    actions[3]->trigger();
    EXPECT_EQ(p.view().Zoom(), 50);
    actions[10]->trigger();
    EXPECT_EQ(p.view().Zoom(), PhotoView::FitWidthPercent(p.view().width(), 1000));
}

TEST(PhotoView, ToolCursorsByIndex) {
    foldertest::App();
    lum::RegisterToolCursor(42, QCursor(Qt::CrossCursor));
    EXPECT_EQ(lum::ToolCursor(42).shape(), Qt::CrossCursor);
    EXPECT_EQ(lum::ToolCursor(43).shape(), Qt::ArrowCursor);
}

// --- the pane ---

namespace {
// Records what the view passed on and draws a rubber band from the press to the last move.
struct RecordingTool : lum::Tool {
    std::vector<std::pair<char, lum::ToolEvent>> seen;
    lum::ImagePoint from, to;
    void Press(Editor&, const lum::ToolEvent& e) override {
        seen.push_back({'p', e});
        from = to = e.image;
    }
    void Move(Editor&, const lum::ToolEvent& e) override {
        seen.push_back({'m', e});
        to = e.image;
    }
    void Release(Editor& ed, const lum::ToolEvent& e) override {
        seen.push_back({'r', e});
        if (e.button == lum::MouseButton::Right) ed.ResetTool();
        else if (e.image.x > 1000) throw std::runtime_error("tool failed");
    }
    std::vector<lum::Outline> Feedback() const override {
        lum::Outline o;
        o.kind = lum::Outline::Rectangle;
        o.origin = from;
        o.points = {{0, 0}, {to.x - from.x, to.y - from.y}};
        return {o};
    }
    int Cursor(const Editor&, lum::ImagePoint) const override { return 77; }
};

void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, Qt::ShiftModifier);
    QApplication::sendEvent(w, &e);
}
}  // namespace

TEST(EditPane, MouseOnThePhotoReachesTheToolInImageCoordinates) {
    Pane p;
    p.commit(Pattern(400, 300, 2));
    p.pane.ZoomToPercent(50);
    auto tool = std::make_unique<RecordingTool>();
    RecordingTool* t = tool.get();
    p.editor.SetTool(std::move(tool));
    lum::RegisterToolCursor(77, QCursor(Qt::CrossCursor));
    QWidget* box = p.view().Canvas();
    Mouse(box, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    Mouse(box, QEvent::MouseMove, {60, 41}, Qt::NoButton, Qt::LeftButton);
    Mouse(box, QEvent::MouseButtonRelease, {60, 41}, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(t->seen.size(), 3u);
    EXPECT_EQ(t->seen[0].first, 'p');
    EXPECT_EQ(t->seen[0].second.image, (lum::ImagePoint{20, 20}));
    EXPECT_EQ(t->seen[0].second.view, (lum::ImagePoint{10, 10}));
    EXPECT_EQ(t->seen[0].second.zoom, 50);
    EXPECT_EQ(t->seen[0].second.button, lum::MouseButton::Left);
    EXPECT_TRUE(t->seen[0].second.shift);
    EXPECT_TRUE(t->seen[1].second.leftDown);
    EXPECT_EQ(t->seen[1].second.button, lum::MouseButton::None);
    EXPECT_EQ(t->seen[2].second.image, (lum::ImagePoint{120, 82}));  // 41 x 100 div 50
    EXPECT_EQ(box->cursor().shape(), Qt::CrossCursor);

    // The rubber band is drawn over the photo at the view's scale.
    p.pane.show();
    foldertest::Pump();
    const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int x = 10; x < 60; ++x) dark += qGray(shot.pixel(x, 10)) < 40 ? 1 : 0;
    EXPECT_GT(dark, 10);  // a dotted black edge along the top

    // A failing tool is reported, not thrown out of the event.
    Mouse(box, QEvent::MouseButtonRelease, {900, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(p.prompts.messages, std::vector<std::string>{"tool failed"});
    // A tool may end itself.
    Mouse(box, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(p.editor.ActiveTool(), nullptr);
    EXPECT_EQ(box->cursor().shape(), Qt::ArrowCursor);
}

TEST(EditPane, SelectionOutlineIsDrawnAtTheViewScale) {
    Pane p;
    lum::Image white(100, 80);
    white.fill(255, 255, 255);
    p.commit(white);
    p.pane.ZoomToPercent(200);
    const lum::Rect r{10, 10, 30, 20};
    ASSERT_TRUE(p.st().selection.Set(lum::SelectionKind::Rectangle, r, {}, lum::Mask(20, 10, 1)));
    p.pane.show();
    foldertest::Pump();
    const QImage shot = p.view().Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int x = 20; x < 60; ++x) dark += qGray(shot.pixel(x, 20)) < 40 ? 1 : 0;
    EXPECT_GT(dark, 10);
    EXPECT_EQ(qGray(shot.pixel(40, 30)), 255);  // inside stays the photo
}

namespace {
// A rubber band in view pixels, as the selection tools give while a shape is dragged.
struct RubberTool : lum::Tool {
    std::vector<lum::Outline> Feedback() const override {
        lum::Outline o;
        o.kind = lum::Outline::Rectangle;
        o.rubber = true;
        o.points = {{5, 5}, {45, 25}};
        return {o};
    }
};
}  // namespace

TEST(EditPane, RubberBandsInvertWhatTheyCrossInViewPixels) {
    Pane p;
    lum::Image img(100, 80);
    img.fill(10, 200, 30);
    p.commit(img);
    p.pane.ZoomToPercent(200);  // view pixels, not image pixels: the zoom plays no part
    p.editor.SetTool(std::make_unique<RubberTool>());
    p.pane.show();
    foldertest::Pump();
    const QImage shot = p.view().Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int inverted = 0, other = 0;
    for (int x = 5; x < 44; ++x) {
        const QRgb c = shot.pixel(x, 5);
        if (c == qRgb(245, 55, 225)) ++inverted;
        else if (c != qRgb(10, 200, 30)) ++other;
    }
    EXPECT_GT(inverted, 10);  // dotted: every other pixel or so
    EXPECT_EQ(other, 0);
    EXPECT_EQ(shot.pixel(20, 4), qRgb(10, 200, 30));   // nothing outside
    EXPECT_EQ(shot.pixel(20, 15), qRgb(10, 200, 30));  // nor inside
    EXPECT_EQ(shot.pixel(20, 26), qRgb(10, 200, 30));
}

TEST(EditPane, HourglassFollowsTheOperationsAndTheGuardReports) {
    Pane p;
    p.commit(Pattern(20, 20, 4));
    std::vector<std::pair<bool, lum::BusyKind>> busy;
    QObject::connect(&p.pane, &EditPane::BusyChanged, [&](bool on, lum::BusyKind k) { busy.push_back({on, k}); });
    p.pane.Guard([&] { p.editor.Run(std::string("optimize")); });
    ASSERT_EQ(busy.size(), 2u);
    EXPECT_TRUE(busy[0].first);
    EXPECT_EQ(busy[0].second, lum::BusyKind::Progress);
    EXPECT_EQ(p.pane.BusyDepth(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    p.pane.Guard([&] {
        p.pane.SetBusy(true, lum::BusyKind::Hourglass);
        throw std::runtime_error("JPEG error #42");
    });
    EXPECT_EQ(p.pane.BusyDepth(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(p.prompts.messages, std::vector<std::string>{"JPEG error #42"});
}

namespace {
// Paints of a widget, with whether the hourglass was up during each.
struct PaintWatch : QObject {
    std::vector<bool> busyDuringPaint;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) busyDuringPaint.push_back(QApplication::overrideCursor() != nullptr);
        return false;
    }
};
// Notes whether the hourglass was up when a message was shown.
struct CursorPrompts : lum::RecordingPrompts {
    std::vector<bool> busyAtMessage;
    void Message(const std::string& text) override {
        busyAtMessage.push_back(QApplication::overrideCursor() != nullptr);
        lum::RecordingPrompts::Message(text);
    }
};
}  // namespace

TEST(EditPane, TheResultIsPaintedBeforeTheHourglassGoes) {
    Pane p;
    p.commit(Pattern(60, 40, 5));
    p.pane.show();
    foldertest::Pump();
    PaintWatch watch;
    p.view().Canvas()->installEventFilter(&watch);
    ASSERT_TRUE(p.editor.Run(std::string("sharpen")));
    // Painted inside the command, under the hourglass, with no turn of the event loop.
    ASSERT_EQ(watch.busyDuringPaint, std::vector<bool>{true});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // A redraw asked outside any busy scope waits for the event loop, as before.
    p.editor.Undo();
    EXPECT_EQ(watch.busyDuringPaint.size(), 1u);
    foldertest::Pump();
    EXPECT_EQ(watch.busyDuringPaint.size(), 2u);
}

TEST(EditPane, ARefusalIsShownAfterTheHourglass) {
    foldertest::AppFirst app;
    CursorPrompts prompts;
    Editor editor{EditorPolicy::MainWindow(), &prompts};
    EditPane pane{editor};
    editor.State().picture.Baseline() = Pattern(30, 20, 1);
    editor.CommitMemoryImage();
    const lum::ParsedOperation tooTall = lum::ParseOperationWord("resize:300x3000");
    EXPECT_FALSE(editor.Run(*tooTall.op, tooTall.args));
    EXPECT_EQ(prompts.busyAtMessage, std::vector<bool>{false});
    EXPECT_EQ(pane.BusyDepth(), 0);
}
