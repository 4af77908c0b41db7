// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ComposeDialogSupport.h"
#include "compose/MixDialog.h"
#include "image/Stretch.h"
#include "imaging/TextStamp.h"
#include "widgets/DialogControls.h"

using namespace composeui;

namespace {

class MixDialogTest : public ::testing::Test {
protected:
    void ClickStyle(int i) { QTest::mouseClick(form.StyleGroup->Item(i), Qt::LeftButton); }
    void ClickResize(int i) { QTest::mouseClick(form.ResizeGroup->Item(i), Qt::LeftButton); }
    // Which of the four groups are shown: "1" for shown, "." for hidden, in the order 1 2 3 4.
    std::string Groups() const {
        std::string s;
        for (QGroupBox* g : {form.PlacingBox, form.OffsetBox, form.MaskBox, form.BlurBox})
            s += g->isHidden() ? '.' : '1';
        return s;
    }
    std::string SizeLine() const { return form.SizeLine->text().replace(QChar(0xA0), QLatin1Char(' ')).toStdString(); }
    // The size line: the source with its size, then where it goes.
    static std::string Line(const std::string& source, const std::string& placed) {
        return source + "\n" + placed;
    }
    std::string Rgb() const {
        return (form.RedLabel->text() + " " + form.GreenLabel->text() + " " + form.BlueLabel->text()).toStdString();
    }

    AppFirst app_;
    MixDialog form;
};

TEST_F(MixDialogTest, DefaultsAndRanges) {
    EXPECT_EQ(form.windowTitle(), "Image mix");
    EXPECT_TRUE(form.isModal());
    struct Spin {
        SpinEdit* s;
        int min, max, step, value;
    };
    const Spin spins[] = {{form.PercentSpin, 5, 100, 5, 50},     {form.ZoomSpin, 10, 200, 2, 100},
                          {form.OffsetXSpin, -64, 64, 1, 0}, {form.OffsetYSpin, -64, 64, 1, 0},
                          {form.ToleranceSpin, 0, 32, 1, 1},    {form.MarginSpin, 4, 64, 2, 16}};
    for (const Spin& s : spins) {
        EXPECT_EQ(s.s->minimum(), s.min) << s.s->objectName().toStdString();
        EXPECT_EQ(s.s->maximum(), s.max) << s.s->objectName().toStdString();
        EXPECT_EQ(s.s->singleStep(), s.step) << s.s->objectName().toStdString();
        EXPECT_EQ(s.s->value(), s.value) << s.s->objectName().toStdString();
    }
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit1"), form.PercentSpin->Edit());
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit2"), form.ZoomSpin->Edit());
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "Percentage of the picture to mix in");
    EXPECT_EQ(form.StyleGroup->title(), "Style");
    EXPECT_EQ(form.StyleGroup->Item(2)->text(), "Smoothed edges");
    EXPECT_EQ(form.StyleGroup->ItemIndex(), 0);
    EXPECT_EQ(form.ResizeGroup->title(), "Resizing");
    EXPECT_EQ(form.ResizeGroup->Item(0)->text(), "Zoom");
    EXPECT_EQ(form.ResizeGroup->ItemIndex(), 2);
    EXPECT_EQ(form.MirrorGroup->title(), "Mirror");
    EXPECT_EQ(form.MirrorGroup->ItemIndex(), 0);
    EXPECT_EQ(form.PlacingBox->title(), "Placing in the photo");
    EXPECT_EQ(form.OffsetBox->title(), "Offset");
    EXPECT_EQ(form.MaskBox->title(), "Mask");
    EXPECT_EQ(form.BlurBox->title(), "Blur");
    EXPECT_EQ(form.MaskColourPanel->Caption(), "");
    EXPECT_EQ(form.MaskColour(), lum::MakeColour(0, 0, 0));
    EXPECT_EQ(Rgb(), "R = 0 G = 0 B = 0");
    EXPECT_EQ(form.BlurShapeGroup->Item(1)->text(), "Ellipse");
    EXPECT_EQ(form.BlurShapeGroup->ItemIndex(), 0);
    EXPECT_EQ(form.PreviewFrame->size(), QSize(185, 161));
    EXPECT_EQ(SizeLine(), "");
    EXPECT_EQ(form.CancelButton->text(), "Cancel");
    // Copy: only the resizing group; the zoom only in zoom mode.
    EXPECT_EQ(Groups(), "1...");
    EXPECT_TRUE(form.ZoomSpin->isHidden());
    EXPECT_FALSE(form.MaskPicking());
    // The preview shows the pipette.
    EXPECT_EQ(form.PreviewBox->cursor().shape(), Qt::BitmapCursor);

    const lum::MixOptions o = form.Options(), d;
    EXPECT_EQ(o.style, d.style);
    EXPECT_EQ(o.percent, d.percent);
    EXPECT_EQ(o.resize, d.resize);
    EXPECT_EQ(o.zoom, d.zoom);
    EXPECT_EQ(o.mirror, d.mirror);
    EXPECT_EQ(o.maskColour, d.maskColour);
    EXPECT_EQ(o.tolerance, d.tolerance);
    EXPECT_EQ(o.blur, d.blur);
    EXPECT_EQ(o.margin, d.margin);
}

TEST_F(MixDialogTest, StyleChangeShowsItsGroups) {
    form.PercentSpin->setValue(35);
    ClickStyle(1);
    EXPECT_EQ(Groups(), "1.1.");
    EXPECT_TRUE(form.MaskPicking());
    EXPECT_EQ(form.PercentSpin->value(), 35);
    ClickStyle(2);
    EXPECT_EQ(Groups(), "1..1");
    EXPECT_FALSE(form.MaskPicking());
    EXPECT_EQ(form.PercentSpin->value(), 100);
    form.PercentSpin->setValue(20);
    ClickStyle(3);
    EXPECT_EQ(Groups(), ".1..");
    EXPECT_FALSE(form.MaskPicking());
    EXPECT_EQ(form.PercentSpin->value(), 20);
    ClickStyle(0);
    EXPECT_EQ(Groups(), "1...");
    EXPECT_EQ(form.Options().style, lum::MixStyle::Copy);
}

TEST_F(MixDialogTest, PresetsRunTheHandlerOnlyForADifferentItem) {
    // The source is named, and the size it gets shows from the start ("Width or height").
    form.Prepare(Quarters(200, 100), "beach.jpg", 640, 480);
    EXPECT_EQ(SizeLine(), Line("beach.jpg (200 x 100)", "placed as 200 x 100 in the photo (640 x 480)"));
    form.SetResize(lum::MixResize::WidthOrHeight);
    EXPECT_EQ(SizeLine(), Line("beach.jpg (200 x 100)", "placed as 200 x 100 in the photo (640 x 480)"));
    form.SetResize(lum::MixResize::Zoom);
    EXPECT_EQ(SizeLine(), Line("beach.jpg (200 x 100)", "placed as 200 x 100 in the photo (640 x 480)"));
    EXPECT_FALSE(form.ZoomSpin->isHidden());

    form.SetStyle(lum::MixStyle::SmoothedEdges);
    EXPECT_EQ(Groups(), "1..1");
    EXPECT_EQ(form.PercentSpin->value(), 100);
    form.SetPercent(40);
    form.SetStyle(lum::MixStyle::SmoothedEdges);
    EXPECT_EQ(form.PercentSpin->value(), 40);
    form.SetStyle(lum::MixStyle::MaskedCopy);
    EXPECT_TRUE(form.MaskPicking());
    EXPECT_EQ(Groups(), "1.1.");

    // The gradient mix's presets, then the text stamp's.
    form.SetOptions(lum::GradientMixOptions(form.Options()));
    EXPECT_EQ(form.Options().style, lum::MixStyle::Copy);
    EXPECT_EQ(form.Options().percent, 50);
    EXPECT_EQ(form.Options().resize, lum::MixResize::FitToImage);
    EXPECT_EQ(Groups(), "1...");
    EXPECT_EQ(SizeLine(), Line("beach.jpg (200 x 100)", "placed as 640 x 480 in the photo (640 x 480)"));
    EXPECT_TRUE(form.ZoomSpin->isHidden());
    form.SetOptions(lum::TextStampMixOptions(form.Options(), lum::MakeColour(255, 255, 255)));
    const lum::MixOptions o = form.Options();
    EXPECT_EQ(o.style, lum::MixStyle::MaskedCopy);
    EXPECT_EQ(o.resize, lum::MixResize::WidthOrHeight);
    EXPECT_EQ(o.percent, 100);
    EXPECT_EQ(o.tolerance, 4);
    EXPECT_EQ(o.maskColour, lum::MakeColour(255, 255, 255));
    EXPECT_TRUE(form.MaskPicking());
}

TEST_F(MixDialogTest, SizeLineFollowsResizingAndZoom) {
    form.Prepare(Quarters(200, 100), "Clipboard image", 640, 480);
    auto placed = [&](const char* where) { return Line("Clipboard image (200 x 100)", where); };
    ClickResize(1);
    EXPECT_EQ(SizeLine(), placed("placed as 640 x 480 in the photo (640 x 480)"));
    ClickResize(2);  // not enlarged
    EXPECT_EQ(SizeLine(), placed("placed as 200 x 100 in the photo (640 x 480)"));
    form.ZoomSpin->setValue(150);  // not in zoom mode: the line stays
    EXPECT_EQ(SizeLine(), placed("placed as 200 x 100 in the photo (640 x 480)"));
    ClickResize(0);
    EXPECT_EQ(SizeLine(), placed("placed as 300 x 150 in the photo (640 x 480)"));
    form.ZoomSpin->stepBy(-1);  // an arrow click
    EXPECT_EQ(SizeLine(), placed("placed as 296 x 148 in the photo (640 x 480)"));
    form.ZoomSpin->setValue(33);  // typed
    EXPECT_EQ(SizeLine(), placed("placed as 66 x 33 in the photo (640 x 480)"));
    // Tiles keep the source's size all over the photo.
    ClickStyle(3);
    EXPECT_EQ(SizeLine(), placed("tiled over the photo (640 x 480)"));
    ClickStyle(0);
    EXPECT_EQ(SizeLine(), placed("placed as 66 x 33 in the photo (640 x 480)"));

    // A source larger than the image shrinks into it, keeping its proportions.
    form.Prepare(Quarters(1000, 500), "Gradient", 640, 480);
    ClickResize(2);
    EXPECT_EQ(SizeLine(), Line("Gradient (1000 x 500)", "placed as 640 x 320 in the photo (640 x 480)"));
}

TEST_F(MixDialogTest, PreviewFitsTheSourceIntoThePanel) {
    const lum::Image src = Quarters(400, 300);
    form.SetSource(src);
    // 400 x 300 into 169 x 145: scale 0.4225, 169 x 127, centred; the box is one pixel larger.
    EXPECT_FALSE(form.PreviewBox->isHidden());
    EXPECT_EQ(form.PreviewBox->geometry(), QRect(8, 17, 170, 128));
    const QImage& shown = form.PreviewBox->Picture();
    ASSERT_EQ(shown.size(), QSize(170, 128));
    for (int y : {0, 60, 127})
        for (int x : {0, 84, 85, 169}) {
            const uint8_t* s = src.pixel(lum::StretchSourceIndex(x, 170, 400), lum::StretchSourceIndex(y, 128, 300));
            EXPECT_EQ(shown.pixel(x, y) & 0xFFFFFF, qRgb(s[2], s[1], s[0]) & 0xFFFFFF) << x << "," << y;
        }

    // Small sources are not enlarged.
    form.SetSource(Quarters(50, 40));
    EXPECT_EQ(form.PreviewBox->geometry(), QRect(67, 60, 51, 41));
    EXPECT_EQ(form.SourceWidth(), 50);

    form.SetSource(lum::Image());
    EXPECT_TRUE(form.PreviewBox->isHidden());
}

TEST_F(MixDialogTest, MaskPickingInThePreview) {
    form.Prepare(Quarters(100, 100), "quarters.bmp", 640, 480);  // shown 1:1, top-left quarter red-ish
    ASSERT_EQ(form.PreviewBox->size(), QSize(101, 101));
    // Not in "Masked Copy": the mouse picks nothing.
    QTest::mouseClick(form.PreviewBox, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(Rgb(), "R = 0 G = 0 B = 0");
    EXPECT_EQ(form.MaskColour(), lum::MakeColour(0, 0, 0));

    ClickStyle(1);
    QTest::mousePress(form.PreviewBox, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(Rgb(), "R = 200 G = 10 B = 20");
    Hover(form.PreviewBox, QPoint(80, 20));
    EXPECT_EQ(Rgb(), "R = 30 G = 180 B = 40");
    EXPECT_EQ(form.MaskColour(), lum::MakeColour(0, 0, 0));  // only a release takes it
    QTest::mouseRelease(form.PreviewBox, Qt::LeftButton, Qt::NoModifier, QPoint(20, 80));
    EXPECT_EQ(Rgb(), "R = 50 G = 60 B = 220");
    EXPECT_EQ(form.MaskColour(), lum::MakeColour(50, 60, 220));
    EXPECT_EQ(form.Options().maskColour, lum::MakeColour(50, 60, 220));

    // Outside the picture (a drag that left it) nothing changes.
    form.PreviewMoved(101, 5);
    form.PreviewReleased(-1, 5);
    EXPECT_EQ(form.MaskColour(), lum::MakeColour(50, 60, 220));
    EXPECT_EQ(Rgb(), "R = 50 G = 60 B = 220");

    // Leaving the style stops the picking.
    ClickStyle(0);
    QTest::mouseClick(form.PreviewBox, Qt::LeftButton, Qt::NoModifier, QPoint(90, 90));
    EXPECT_EQ(form.MaskColour(), lum::MakeColour(50, 60, 220));
}

}  // namespace
