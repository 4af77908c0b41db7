// SPDX-License-Identifier: GPL-3.0-or-later
// The paint toolbar on an edit pane: its controls, the grouped tool buttons with their cursors,
// the colour panels and readout, and the tools as they reach the view: the pipette reading the
// screen, the rubber line, lines at 100 % matching the picture, the zoom tool's steps and
// scrolling, and a fill that keeps the window live.
#include <algorithm>
#include <gtest/gtest.h>

#include <atomic>

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "FolderTestSupport.h"
#include "editing/PaintTools.h"
#include "view/EditPane.h"
#include "view/PaintRaster.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "widgets/DialogControls.h"
#include "widgets/Icons.h"
#include "widgets/ImageConvert.h"

using lum::EditPane;
using lum::Editor;
using lum::EditorPolicy;
using lum::PaintToolbar;

namespace {

lum::Image Pattern(int w, int h) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, static_cast<uint8_t>(x * 37 + y), static_cast<uint8_t>(y * 53), static_cast<uint8_t>(x * 11 + y * 7));
    return img;
}

QRgb PixelOf(const lum::Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return qRgb(p[2], p[1], p[0]);
}

// A pane that lets events through at every check of the clock, counting.
struct EagerPane : EditPane {
    using EditPane::EditPane;
    std::atomic<int> keepAlives{0};  // counted on the job's thread
    bool KeepAlive() override {
        ++keepAlives;
        return EditPane::KeepAlive();
    }
    int KeepAliveIntervalMs() const override { return 0; }
};

struct Bar : foldertest::AppFirst {
    lum::RecordingPrompts prompts;
    Editor editor{EditorPolicy::CompareWindow(), &prompts};
    EagerPane pane{editor};
    PaintToolbar bar{pane};
    Bar() {
        lum::RegisterDesignToolCursors();
        pane.resize(300, 200);
    }
    lum::EditState& st() { return editor.State(); }
    lum::PhotoView& view() { return *pane.View(); }
    QWidget* box() { return view().Canvas(); }
    void commit(const lum::Image& img) {
        st().picture.Baseline() = img;
        editor.CommitMemoryImage(lum::CommitMode::Compare100);
    }
    void click(const char* name) {
        QToolButton* b = bar.Button(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    template <class T>
    T* child(const char* name) {
        return bar.findChild<T*>(QString::fromLatin1(name));
    }
    QImage shot() { return box()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton b) { foldertest::Send(box(), type, at, b); }
};

bool SameCursor(const QCursor& a, const QCursor& b) {
    return a.shape() == b.shape() && a.hotSpot() == b.hotSpot() && a.pixmap().toImage() == b.pixmap().toImage();
}

}  // namespace

TEST(PaintToolbar, ControlsCarryTheirDesignNamesHintsAndDefaults) {
    Bar t;
    EXPECT_EQ(t.bar.objectName(), QStringLiteral("PaintToolbar"));
    EXPECT_EQ(t.bar.windowTitle(), QStringLiteral("Paint Toolbar"));
    const auto groups = t.bar.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0]->title(), QStringLiteral("Tools"));

    const std::pair<const char*, const char*> buttons[] = {
        {"Btpipette", "Pipette"},     {"Btligne", "Line tool"}, {"Btcrayon", "Pen tool"},
        {"Btpeinture", "Fill tool"},  {"Btspray", "Spray"},     {"Btechange", "Selective colour eraser"},
        {"Btbarbouiller", "Daub"},    {"Btdubruit", "Noise"},   {"Btassombrir", "Darken"},
        {"Bteclaircir", "Lighten"},   {"Btdurcir", "Sharpen"},  {"Btflou", "Soften"},
        {"Btzoom", "Zoom (left click: in, right click: out)"},
    };
    EXPECT_EQ(groups[0]->findChildren<QToolButton*>().size(), 13);
    for (const auto& [name, hint] : buttons) {
        QToolButton* b = t.bar.Button(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->parentWidget(), groups[0]);
        EXPECT_EQ(b->toolTip(), QString::fromLatin1(hint)) << name;
        EXPECT_TRUE(b->isCheckable());
        EXPECT_FALSE(b->isChecked());
        EXPECT_FALSE(b->icon().isNull()) << name;
    }

    auto* d = t.child<SpinEdit>("UpDownD");
    auto* e = t.child<SpinEdit>("UpDownE");
    ASSERT_TRUE(d && e);
    EXPECT_EQ(d->minimum(), 2);
    EXPECT_EQ(d->maximum(), 96);
    EXPECT_EQ(d->value(), 32);
    EXPECT_EQ(d->Edit()->objectName(), QStringLiteral("Edit4"));
    EXPECT_EQ(d->toolTip(), QStringLiteral("Tool diameter (from 2 to 96)"));
    EXPECT_EQ(e->minimum(), 1);
    EXPECT_EQ(e->maximum(), 36);
    EXPECT_EQ(e->value(), 2);
    EXPECT_EQ(e->Edit()->objectName(), QStringLiteral("Edit5"));
    EXPECT_EQ(e->toolTip(), QStringLiteral("Thickness or fill threshold (from 1 to 36)"));
    d->setValue(50);
    e->setValue(20);
    EXPECT_EQ(t.st().tools.Diameter(), 50);
    EXPECT_EQ(t.st().tools.Thickness(), 20);
    // Typed beyond the limits: the limit shows and is what the tools use, never another value.
    d->selectAll();
    QTest::keyClicks(d, QStringLiteral("200"));
    EXPECT_EQ(d->text(), QStringLiteral("96"));
    EXPECT_EQ(t.st().tools.Diameter(), 96);
    e->selectAll();
    QTest::keyClicks(e, QStringLiteral("0"));
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(e->text(), QStringLiteral("1"));
    EXPECT_EQ(t.st().tools.Thickness(), 1);

    EXPECT_EQ(t.child<QLabel>("Label3")->text(), QStringLiteral("100 %"));
    // The readout starts with the first colour.
    EXPECT_EQ(t.child<QLabel>("LabelR")->text(), QStringLiteral("R 253"));
    EXPECT_EQ(t.child<QLabel>("LabelG")->text(), QStringLiteral("G 233"));
    EXPECT_EQ(t.child<QLabel>("LabelB")->text(), QStringLiteral("B 115"));
    EXPECT_EQ(t.child<ColourPanel>("Panel5")->Colour(), lum::MakeColour(253, 233, 115));
    EXPECT_EQ(t.child<ColourPanel>("Panel6")->Colour(), lum::MakeColour(128, 128, 128));
    EXPECT_NE(t.child<QFrame>("Shape1"), nullptr);
}

TEST(PaintToolbar, OneButtonDownAtATimeWithItsToolAndCursor) {
    Bar t;
    t.commit(Pattern(60, 40));
    const std::pair<const char*, const char*> cursors[] = {
        {"Btpipette", "PIPETTE"}, {"Btligne", "CRAYON"},      {"Btcrayon", "CRAYON"},    {"Btpeinture", "REMPLIR"},
        {"Btspray", "SPRAY"},     {"Btechange", "EFFETS"},    {"Btbarbouiller", "EFFETS"}, {"Btdubruit", "EFFETS"},
        {"Btassombrir", "EFFETS"}, {"Bteclaircir", "EFFETS"}, {"Btdurcir", "EFFETS"},    {"Btflou", "EFFETS"},
        {"Btzoom", "CURZOOM"},
    };
    for (const auto& [name, cursor] : cursors) {
        t.click(name);
        EXPECT_EQ(t.bar.DownButton(), t.bar.Button(QString::fromLatin1(name)));
        EXPECT_TRUE(SameCursor(t.box()->cursor(), LumoraCursor(QString::fromLatin1(cursor)))) << name;
    }
    EXPECT_EQ(t.st().tools.Mode(), lum::ToolMode::Zoom);

    // Choosing a tool drops the selection.
    ASSERT_TRUE(t.st().selection.Set(lum::SelectionKind::Rectangle, lum::Rect{1, 1, 5, 5}, {}, lum::Mask(4, 4, 255)));
    t.click("Btspray");
    EXPECT_EQ(t.st().selection.Kind(), lum::SelectionKind::None);
    EXPECT_EQ(t.st().tools.Mode(), lum::ToolMode::Brush);
    // The down button clicked again comes up: none down, no tool, the arrow.
    t.click("Btspray");
    EXPECT_EQ(t.bar.DownButton(), nullptr);
    EXPECT_EQ(t.st().tools.Mode(), lum::ToolMode::None);
    EXPECT_EQ(t.editor.ActiveTool(), nullptr);
    EXPECT_EQ(t.box()->cursor().shape(), Qt::ArrowCursor);

    // The fill sets the threshold to 8.
    t.click("Btpeinture");
    EXPECT_EQ(t.child<SpinEdit>("UpDownE")->value(), 8);
    // A reset of the tool raises every button.
    t.editor.ResetTool();
    EXPECT_EQ(t.bar.DownButton(), nullptr);
}

TEST(PaintToolbar, ColourPanelsAskThroughTheAsker) {
    Bar t;
    QColor offered;
    t.bar.SetColourAsker([&](QColor& c) {
        offered = c;
        c = QColor(1, 2, 3);
        return true;
    });
    auto* p5 = t.child<ColourPanel>("Panel5");
    foldertest::Click(p5, QPoint(3, 3));
    EXPECT_EQ(offered, QColor(253, 233, 115));
    EXPECT_EQ(p5->Colour(), lum::MakeColour(1, 2, 3));
    EXPECT_EQ(t.st().tools.PaintColour1(), lum::MakeColour(1, 2, 3));
    // Cancelled: nothing changes.
    t.bar.SetColourAsker([](QColor& c) {
        c = QColor(9, 9, 9);
        return false;
    });
    auto* p6 = t.child<ColourPanel>("Panel6");
    foldertest::Click(p6, QPoint(3, 3));
    EXPECT_EQ(p6->Colour(), lum::MakeColour(128, 128, 128));
    EXPECT_EQ(t.st().tools.PaintColour2(), lum::MakeColour(128, 128, 128));
}

TEST(PaintToolbar, PipetteReadsWhatTheScreenShows) {
    Bar t;
    t.commit(Pattern(80, 60));
    t.pane.ZoomToPercent(50);
    t.pane.show();
    foldertest::Pump();
    t.click("Btpipette");
    const QImage screen = t.shot();
    ASSERT_EQ(screen.size(), QSize(40, 30));
    t.mouse(QEvent::MouseButtonPress, {7, 5}, Qt::LeftButton);
    t.mouse(QEvent::MouseButtonRelease, {7, 5}, Qt::LeftButton);
    EXPECT_EQ(lum::ToQColor(t.st().tools.PaintColour1()).rgb(), screen.pixel(7, 5));
    EXPECT_EQ(t.child<ColourPanel>("Panel5")->Colour(), t.st().tools.PaintColour1());
    EXPECT_EQ(t.child<QLabel>("LabelR")->text(), QStringLiteral("R %1").arg(qRed(screen.pixel(7, 5))));
    // The middle button takes the second colour.
    t.mouse(QEvent::MouseButtonPress, {20, 9}, Qt::MiddleButton);
    t.mouse(QEvent::MouseButtonRelease, {20, 9}, Qt::MiddleButton);
    EXPECT_EQ(lum::ToQColor(t.st().tools.PaintColour2()).rgb(), screen.pixel(20, 9));
    // Moving shows the colour in the swatch.
    t.mouse(QEvent::MouseMove, {30, 20}, Qt::NoButton);
    EXPECT_EQ(t.child<QFrame>("Shape1")->palette().color(QPalette::Window).rgb(), screen.pixel(30, 20));
    EXPECT_EQ(t.child<QLabel>("LabelG")->text(), QStringLiteral("G %1").arg(qGreen(screen.pixel(30, 20))));

    // Likewise at 33 %, where the screen repeats and drops pixels unevenly.
    t.pane.ZoomToPercent(33);
    foldertest::Pump();
    const QImage third = t.shot();
    for (const QPoint at : {QPoint(0, 0), QPoint(5, 3), QPoint(13, 17), QPoint(25, 19)}) {
        t.mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        EXPECT_EQ(lum::ToQColor(t.st().tools.PaintColour1()).rgb(), third.pixel(at)) << at.x() << "," << at.y();
    }
}

TEST(PaintToolbar, LineDragsAnInvertingRubberLineThenDrawsAsTheViewShowsIt) {
    Bar t;
    lum::Image grey(120, 80);
    grey.fill(100, 100, 100);
    t.commit(grey);
    t.pane.show();
    foldertest::Pump();
    t.click("Btligne");
    t.child<SpinEdit>("UpDownE")->setValue(3);
    t.mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    foldertest::Send(t.box(), QEvent::MouseMove, {90, 50}, Qt::LeftButton);
    foldertest::Pump();
    QImage s = t.shot();
    EXPECT_EQ(s.pixel(50, 30), qRgb(155, 155, 155));  // not-xor of black: the inverse
    EXPECT_EQ(s.pixel(50, 10), qRgb(100, 100, 100));
    EXPECT_EQ(PixelOf(t.st().picture.Work(), 50, 30), qRgb(100, 100, 100));  // nothing drawn yet
    t.mouse(QEvent::MouseButtonRelease, {90, 50}, Qt::LeftButton);
    foldertest::Pump();
    EXPECT_EQ(PixelOf(t.st().picture.Work(), 50, 30), qRgb(253, 233, 115));
    // At 100 % the view's line and the picture's are the same pixels.
    s = t.shot();
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) ASSERT_EQ(s.pixel(x, y), PixelOf(t.st().picture.Work(), x, y)) << x << "," << y;
    // and the picture holds exactly the mask of the wide line.
    lum::ImagePoint origin;
    const lum::Mask m = lum::WideLineMask({10, 10}, {90, 50}, 3, origin);
    int inked = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool in = m.inside(x - origin.x, y - origin.y);
            inked += in;
            EXPECT_EQ(PixelOf(t.st().picture.Work(), x, y), in ? qRgb(253, 233, 115) : qRgb(100, 100, 100));
        }
    EXPECT_GT(inked, 3 * 80);
}

TEST(PaintToolbar, PenStrokesOnTheViewMatchThePictureAt100) {
    Bar t;
    t.commit(Pattern(120, 80));
    t.pane.show();
    foldertest::Pump();
    t.click("Btcrayon");
    t.child<SpinEdit>("UpDownE")->setValue(5);
    t.mouse(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    foldertest::Send(t.box(), QEvent::MouseMove, {40, 60}, Qt::RightButton);
    foldertest::Send(t.box(), QEvent::MouseMove, {100, 20}, Qt::RightButton);
    t.mouse(QEvent::MouseButtonRelease, {100, 20}, Qt::RightButton);
    foldertest::Pump();
    const QImage s = t.shot();
    int second = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            ASSERT_EQ(s.pixel(x, y), PixelOf(t.st().picture.Work(), x, y)) << x << "," << y;
            second += PixelOf(t.st().picture.Work(), x, y) == qRgb(128, 128, 128);
        }
    EXPECT_GT(second, 5 * 100);
}

TEST(PaintToolbar, ZoomToolStepsScrollAndLabel) {
    Bar t;
    t.commit(Pattern(2000, 1000));
    t.pane.show();
    foldertest::Pump();
    t.click("Btzoom");
    t.mouse(QEvent::MouseButtonPress, {1800, 900}, Qt::LeftButton);
    EXPECT_EQ(t.st().zoom.Slot(), 8);
    EXPECT_EQ(t.box()->size(), QSize(3000, 1500));
    // The clicked point (1800, 900), at (2700, 1350) on the 150 % picture, sits in the middle
    // of the visible area, or as near as the scroll bars reach.
    const QSize seen = t.view().viewport()->size();
    const auto at = [](QScrollBar* bar, int value) { return std::clamp(value, 0, bar->maximum()); };
    EXPECT_EQ(t.view().horizontalScrollBar()->value(), at(t.view().horizontalScrollBar(), 2700 - seen.width() / 2));
    EXPECT_EQ(t.view().verticalScrollBar()->value(), at(t.view().verticalScrollBar(), 1350 - seen.height() / 2));
    EXPECT_LE(t.view().horizontalScrollBar()->value(), 2700);
    EXPECT_GT(t.view().horizontalScrollBar()->value() + seen.width(), 2700);
    EXPECT_LE(t.view().verticalScrollBar()->value(), 1350);
    EXPECT_GT(t.view().verticalScrollBar()->value() + seen.height(), 1350);
    auto* label = t.child<QLabel>("Label3");
    EXPECT_EQ(label->text(), QStringLiteral("150 %"));

    // The label shows the percentage of every slot.
    const std::pair<int, const char*> steps[] = {{7, "100 %"}, {6, "75 %"}, {5, "66 %"}, {4, "50 %"},
                                                 {3, "33 %"},  {2, "25 %"}, {1, "10 %"}, {1, "10 %"}};
    for (const auto& [slot, caption] : steps) {
        t.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
        t.mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
        EXPECT_EQ(t.st().zoom.Slot(), slot);
        EXPECT_EQ(label->text(), QString::fromLatin1(caption));
    }
    EXPECT_EQ(t.box()->size(), QSize(200, 100));
    EXPECT_EQ(t.view().horizontalScrollBar()->value(), 0);
    // The middle button steps out too; the images are not touched.
    t.st().zoom.SetSlot(12);
    t.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(t.st().zoom.Slot(), 12);
    t.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::MiddleButton);
    EXPECT_EQ(t.st().zoom.Slot(), 11);
    EXPECT_EQ(t.st().picture.Work().width(), 2000);
}

TEST(PaintToolbar, ALongFillKeepsTheWindowLiveAndTakesNoInputForThePhotoMeanwhile) {
    Bar t;
    lum::Image big(3000, 2000);
    big.fill(10, 20, 30);
    t.commit(big);
    t.pane.show();
    foldertest::Pump();
    t.click("Btpeinture");
    QToolButton* pipette = t.bar.Button(QStringLiteral("Btpipette"));

    // The press starts the fill as a job: meanwhile the event loop turns (a timer runs), the
    // hourglass is up, the tools are greyed and a press on the view starts nothing.
    t.mouse(QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton);
    ASSERT_TRUE(t.pane.InsideWork());
    bool timerRan = false, hourglass = false, frozen = false;
    QTimer::singleShot(0, &t.pane, [&] {
        timerRan = t.pane.InsideWork();
        frozen = t.view().Frozen();
        hourglass = t.box()->cursor().shape() == Qt::WaitCursor;
    });
    EXPECT_FALSE(pipette->isEnabled());
    t.mouse(QEvent::MouseButtonPress, {2900, 1900}, Qt::LeftButton);
    t.mouse(QEvent::MouseButtonRelease, {2900, 1900}, Qt::LeftButton);
    ASSERT_TRUE(foldertest::WaitFor([&] { return !t.pane.InsideWork(); }));
    EXPECT_GT(t.pane.keepAlives, 0);
    EXPECT_TRUE(timerRan);
    EXPECT_TRUE(frozen);
    EXPECT_TRUE(hourglass);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(pipette->isEnabled());
    EXPECT_EQ(t.st().tools.Mode(), lum::ToolMode::Fill);
    EXPECT_EQ(PixelOf(t.st().picture.Work(), 2999, 1999), qRgb(253, 233, 115));
    EXPECT_TRUE(t.prompts.messages.empty());

    // A hidden pane (its window closed) stops the work.
    EXPECT_TRUE(t.pane.KeepAlive());
    t.pane.hide();
    EXPECT_FALSE(t.pane.KeepAlive());
}
