// SPDX-License-Identifier: GPL-3.0-or-later
// Where the photo sits in the view and how big: centring, the fit that follows the view's
// size, the wheel with Ctrl, the percentage shown, and 100 % on a screen scaled to 150 %.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWheelEvent>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "PhotoViewTestSupport.h"

using photoviewtest::Pane;
using photoviewtest::Pattern;
using photoviewtest::pixelOf;
using ZoomFit = lum::PhotoView::ZoomFit;

namespace {

void Wheel(QWidget* target, QPoint at, int delta, Qt::KeyboardModifiers mods) {
    QWheelEvent e(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

// The photo point under a viewport position.
QPointF PhotoPointAt(lum::PhotoView& v, QPoint inViewport) {
    const QPoint inBox = v.Canvas()->mapFrom(v.viewport(), inViewport);
    return QPointF(inBox) * v.DeviceRatio() * 100.0 / v.Zoom();
}

}  // namespace

TEST(PhotoViewPlace, ASmallPhotoSitsInTheMiddle) {
    Pane p;
    p.pane.resize(400, 300);
    p.pane.show();
    p.commit(Pattern(40, 30, 1));
    foldertest::Pump();
    const QRect box = p.view().Canvas()->geometry();
    const QSize port = p.view().viewport()->size();
    EXPECT_EQ(box.size(), QSize(40, 30));
    EXPECT_NEAR(box.center().x(), port.width() / 2, 1);
    EXPECT_NEAR(box.center().y(), port.height() / 2, 1);
    // What the viewport shows there is the photo; around it the background.
    const QImage shot = p.view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(box.left() + 3, box.top() + 2), pixelOf(p.st().picture.Work(), 3, 2));
    EXPECT_NE(shot.pixel(2, 2), pixelOf(p.st().picture.Work(), 0, 0));
    // The mouse maps from the box, wherever it sits.
    EXPECT_EQ(p.view().ViewToImage(5), 5);
}

TEST(PhotoViewPlace, TheNewWindowShowsNoPlaceholder) {
    Pane p;
    p.pane.resize(200, 150);
    p.pane.show();
    foldertest::Pump();
    ASSERT_FALSE(p.st().picture.HasPicture());
    const QImage shot = p.view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = shot.pixel(0, 0);
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); x += 3) ASSERT_EQ(shot.pixel(x, y), background) << x << "," << y;
}

TEST(PhotoViewFit, TheAutomaticFitFollowsTheViewsSize) {
    Pane p;
    p.pane.show();
    p.commit(Pattern(1000, 400, 2));
    ASSERT_EQ(p.st().zoom.Slot(), 0);
    EXPECT_EQ(p.view().Fit(), ZoomFit::Auto);
    EXPECT_EQ(p.view().Zoom(), 49);
    // Smaller: fitted again (250 / 1000 x 100 - 1).
    p.pane.resize(250, 220);
    EXPECT_EQ(p.st().zoom.Slot(), 0);
    EXPECT_EQ(p.view().Zoom(), 24);
    EXPECT_EQ(p.view().Canvas()->size(), QSize(240, 96));
    // Big enough for the whole photo: shown as it is, never enlarged.
    p.pane.resize(1200, 600);
    EXPECT_EQ(p.view().Zoom(), 100);
    // And back: the fit is still the one in use.
    p.pane.resize(500, 440);
    EXPECT_EQ(p.view().Zoom(), 49);
}

TEST(PhotoViewFit, AChosenPercentageStaysAndTheMenuFitsFollow) {
    Pane p;
    p.pane.show();
    p.commit(Pattern(1000, 400, 3));
    p.pane.ZoomToPercent(125);
    p.pane.resize(300, 300);
    EXPECT_EQ(p.view().Zoom(), 125);
    EXPECT_EQ(p.view().Fit(), ZoomFit::None);
    // "Fit Window": (300 x 100 - 1600) / 1000 = 28.4
    p.pane.ZoomToFitWindow();
    EXPECT_EQ(p.view().Zoom(), 28);
    EXPECT_EQ(p.view().Fit(), ZoomFit::Window);
    p.pane.resize(600, 300);  // (600 x 100 - 1600) / 1000 = 58.4, (300 x 100 - 1600) / 400 = 71
    EXPECT_EQ(p.view().Zoom(), 58);
    p.pane.ZoomToFitHeight();
    EXPECT_EQ(p.view().Zoom(), 71);
    p.pane.resize(600, 200);  // (200 x 100 - 1600) / 400 = 46
    EXPECT_EQ(p.view().Zoom(), 46);
    // A loaded photo that fits keeps the zoom slot; one that does not is fitted anew.
    p.commit(Pattern(2000, 100, 4));
    EXPECT_EQ(p.view().Fit(), ZoomFit::Auto);
}

TEST(PhotoViewZoom, CtrlWheelStepsThroughTheTableTheWheelAloneScrolls) {
    Pane p;
    p.pane.resize(300, 200);
    p.pane.show();
    p.commit(Pattern(600, 400, 5));
    p.st().zoom.SetSlot(7);
    p.view().LayoutView();
    foldertest::Pump();
    std::vector<int> shown;
    QObject::connect(p.pane.View(), &lum::PhotoView::ZoomShown, [&](int z) { shown.push_back(z); });
    QWidget* port = p.view().viewport();
    const QPoint at(100, 60);
    const QPointF under = PhotoPointAt(p.view(), at);

    Wheel(port, at, 120, Qt::ControlModifier);
    EXPECT_EQ(p.st().zoom.Slot(), 8);  // 150 %: a slot of the table, not a percentage in slot 0
    EXPECT_EQ(p.view().Zoom(), 150);
    EXPECT_EQ(p.view().Canvas()->size(), QSize(900, 600));
    // The photo point under the mouse stays under it.
    const QPointF still = PhotoPointAt(p.view(), at);
    EXPECT_NEAR(still.x(), under.x(), 1.0);
    EXPECT_NEAR(still.y(), under.y(), 1.0);
    // A touchpad's small steps add up to one.
    Wheel(port, at, 60, Qt::ControlModifier);
    EXPECT_EQ(p.view().Zoom(), 150);
    Wheel(port, at, 60, Qt::ControlModifier);
    EXPECT_EQ(p.view().Zoom(), 200);
    Wheel(port, at, -240, Qt::ControlModifier);
    EXPECT_EQ(p.view().Zoom(), 100);
    EXPECT_EQ(shown, (std::vector<int>{150, 200, 150, 100}));
    // The ends of the table.
    for (int i = 0; i < 20; ++i) Wheel(port, at, 120, Qt::ControlModifier);
    EXPECT_EQ(p.view().Zoom(), 800);
    for (int i = 0; i < 20; ++i) Wheel(port, at, -120, Qt::ControlModifier);
    EXPECT_EQ(p.view().Zoom(), 10);

    // Without Ctrl the wheel scrolls and leaves the zoom.
    p.st().zoom.SetSlot(7);
    p.view().LayoutView();
    foldertest::Pump();
    const int before = p.view().verticalScrollBar()->value();
    Wheel(port, at, -120, Qt::NoModifier);
    EXPECT_EQ(p.view().Zoom(), 100);
    EXPECT_GT(p.view().verticalScrollBar()->value(), before);
}

// The same checks on a screen scaled to 150 %: the test runs itself again with the scale set.
TEST(PhotoViewHighDensity, AtHundredPercentOnePhotoPixelIsOneDevicePixel) {
    foldertest::App();
    const bool child = std::getenv("LUMORA_SCALED_CHILD") != nullptr;
    if (qApp->devicePixelRatio() == 1.0) {
        ASSERT_FALSE(child) << "the scale factor was not taken";
        char self[PATH_MAX] = {};
        ASSERT_GT(::readlink("/proc/self/exe", self, sizeof(self) - 1), 0);
        const std::string log = testing::TempDir() + "lumora_scaled_child.log";
        // From a folder that exists: earlier tests may have listed (and made current) one
        // that is gone now.
        const std::string cmd = "cd '" + testing::TempDir() + "' && " +
                                "LUMORA_SCALED_CHILD=1 QT_SCALE_FACTOR=1.5 QT_QPA_PLATFORM=offscreen " +
                                "timeout -k 5 120 '" + self +
                                "' --gtest_filter=PhotoViewHighDensity.* >'" + log + "' 2>&1";
        const int status = std::system(cmd.c_str());
        std::ifstream in(log);
        const std::string output((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(status, 0) << output;
        return;
    }
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 1.5);
    Pane p;
    p.pane.resize(300, 200);  // 450 x 300 screen pixels
    p.pane.show();
    foldertest::Pump();
    p.commit(Pattern(60, 40, 6));
    foldertest::Pump();
    ASSERT_EQ(p.view().Zoom(), 100);
    EXPECT_DOUBLE_EQ(p.view().DeviceRatio(), 1.5);
    EXPECT_EQ(p.view().Canvas()->size(), QSize(40, 27));  // 60 x 40 screen pixels, rounded up
    const QImage shot = p.view().Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(shot.width(), 60);
    ASSERT_GE(shot.height(), 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(shot.pixel(x, y), pixelOf(p.st().picture.Work(), x, y)) << x << "," << y;
    // The mouse: 10 widget pixels are 15 screen pixels, so 15 photo pixels at 100 %.
    const QPoint viewPoint = p.view().Canvas()->ViewPoint(QPointF(10, 10));
    EXPECT_EQ(viewPoint, QPoint(15, 15));
    EXPECT_EQ(p.view().ViewToImage(viewPoint.x()), 15);
    // A fit fills the screen pixels of the view: 450 / 900 x 100 - 1 = 49.
    p.commit(Pattern(900, 100, 7));
    EXPECT_EQ(p.view().Zoom(), 49);
    EXPECT_EQ(p.view().Canvas()->width(), 294);  // 441 screen pixels
}
