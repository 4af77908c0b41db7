// SPDX-License-Identifier: GPL-3.0-or-later
// The crop, straighten and red-eye tools of the main window, driven as a user drives them: the
// C key, the proportions, a drag, a click, Enter, and the history around them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMouseEvent>
#include <QTest>

#include "GuiTestSupport.h"
#include "imaging/PhotoFixes.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

void Mouse(QWidget* on, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, on->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                  Qt::NoModifier);
    QApplication::sendEvent(on, &e);
}

void Drag(QWidget* on, QPoint from, QPoint to) {
    Mouse(on, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(on, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    Mouse(on, QEvent::MouseMove, to, Qt::LeftButton);
    Mouse(on, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

struct ToolCase {
    const char* what;
    std::function<void(MainWindow&, QWidget* canvas)> act;
    int width, height;  // of the picture after Enter; 0: worked out by the case
    const char* undoLabel;  // null: the crop keeps the whole picture, no step
};

TEST(PhotoFixTools, EachToolIsOneStepOfTheHistory) {
    App();
    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.resize(1000, 700);
    w.show();
    QApplication::setActiveWindow(&w);
    Pump();
    w.OpenPhotoFile(WriteJpeg(dir.filePath("a.jpg"), 64, 48));
    ASSERT_TRUE(LoadSettled(w));
    QWidget* canvas = w.View()->Canvas();
    const auto proportion = [](int index, int customW = 2, int customH = 1) {
        return [=](MainWindow& win, QWidget* c) {
            // A click on the photo first: C is a key of the photo.
            QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QTest::keyClick(c, Qt::Key_C);
            win.findChild<QSpinBox*>(QStringLiteral("CropCustomWidthBox"))->setValue(customW);
            win.findChild<QSpinBox*>(QStringLiteral("CropCustomHeightBox"))->setValue(customH);
            win.findChild<QComboBox*>(QStringLiteral("CropProportionBox"))->setCurrentIndex(index);
        };
    };
    const ToolCase cases[] = {
        {"free", proportion(0), 64, 48, nullptr},
        {"original", proportion(1), 64, 48, nullptr},
        {"square", proportion(2), 48, 48, "Crop"},
        {"4:3", proportion(3), 64, 48, nullptr},
        {"3:2", proportion(4), 64, 43, "Crop"},
        {"16:9", proportion(5), 64, 36, "Crop"},
        {"5:4", proportion(6), 60, 48, "Crop"},
        {"custom 1:3", proportion(7, 1, 3), 16, 48, "Crop"},
        {"free, a corner dragged in", [&](MainWindow& win, QWidget* c) {
             proportion(0)(win, c);
             Drag(c, QPoint(0, 0), QPoint(10, 8));
         }, 54, 40, "Crop"},
        {"straighten by a drag", [](MainWindow& win, QWidget* c) {
             win.findChild<QAction*>(QStringLiteral("StraightenItem"))->trigger();
             Drag(c, QPoint(2, 10), QPoint(60, 14));
         }, 0, 0, "Straighten"},
        {"red-eye by a click", [](MainWindow& win, QWidget* c) {
             win.findChild<QAction*>(QStringLiteral("RedEyeItem"))->trigger();
             Drag(c, QPoint(30, 20), QPoint(30, 20));
             QTest::keyClick(c, Qt::Key_Escape);
         }, 64, 48, "Red-Eye Removal"},
    };
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.what);
        const lum::Image before = w.State().picture.Work();
        c.act(w, canvas);
        int width = c.width, height = c.height;
        if (width == 0) {
            const double degrees = w.findChild<QDoubleSpinBox*>(QStringLiteral("StraightenAngleBox"))->value();
            EXPECT_NEAR(degrees, -std::atan2(4.0, 58.0) * 180 / M_PI, 0.051);
            const lum::Rect kept = lum::StraightenedFrame(64, 48, static_cast<int>(std::lround(degrees * 10)));
            width = kept.width();
            height = kept.height();
        }
        QTest::keyClick(canvas, Qt::Key_Return);
        ASSERT_TRUE(WorkSettled(w));
        EXPECT_EQ(w.State().picture.Work().width(), width);
        EXPECT_EQ(w.State().picture.Work().height(), height);
        EXPECT_EQ(w.Pane()->Overlay(), nullptr);  // the tool left once applied
        if (!c.undoLabel) {
            EXPECT_EQ(w.State().picture.Work(), before);
            continue;
        }
        EXPECT_EQ(Action(w, "Annuler1")->text(), QStringLiteral("&Undo ") + c.undoLabel);
        QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w.State().picture.Work(), before);
        QTest::keyClick(canvas, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(w.State().picture.Work().width(), width);
        QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_TRUE(prompts.messages.empty());
    w.editor().MarkSaved();
}

}  // namespace
