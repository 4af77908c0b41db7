// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ComposeDialogSupport.h"
#include "compose/GradientDialog.h"
#include "widgets/DialogControls.h"

using namespace composeui;

namespace {

class GradientDialogTest : public ::testing::Test {
protected:
    // The preview must always be what the renderer paints for the dialog's current state.
    void ExpectPreviewMatchesState() {
        const QImage want = lum::ToQImage(lum::GradientImage(256, 256, form.PreviewParams()));
        EXPECT_EQ(QImageDifference(form.Preview(), want), "none");
        EXPECT_EQ(QImageDifference(form.PreviewBox->Picture(), want), "none");
    }
    // An asker that records what it was offered and answers with `answer` (or declines).
    lum::ColourAsker Asker(std::vector<QColor>& offered, bool accept, QColor answer) {
        return [&offered, accept, answer](QColor& c) {
            offered.push_back(c);
            if (accept) c = answer;
            return accept;
        };
    }

    AppFirst app_;
    GradientDialog form;
};

TEST_F(GradientDialogTest, DefaultsAndRanges) {
    EXPECT_EQ(form.objectName(), "TEform5");
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.WidthSpin->value(), 400);
    EXPECT_EQ(form.HeightSpin->value(), 300);
    for (SpinEdit* s : {form.WidthSpin, form.HeightSpin}) {
        EXPECT_EQ(s->minimum(), 10);
        EXPECT_EQ(s->maximum(), 1200);
        EXPECT_EQ(s->singleStep(), 5);
    }
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit1"), form.WidthSpin->Edit());
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit2"), form.HeightSpin->Edit());
    EXPECT_EQ(form.SizePresets->title(), "Standard sizes");
    EXPECT_EQ(form.SizePresets->ItemIndex(), -1) << "400 x 300 is none of them";
    ASSERT_EQ(form.SizePresets->Count(), 3);
    EXPECT_EQ(form.SizePresets->Item(1)->text(), "400 x 600");
    EXPECT_EQ(form.Colour1Panel->Caption(), "Colour 1");
    EXPECT_EQ(form.Colour2Panel->Caption(), "Colour 2");
    EXPECT_EQ(form.BackgroundPanel->Caption(), "Background");
    EXPECT_EQ(form.Colour1(), lum::MakeColour(255, 255, 255));
    EXPECT_EQ(form.Colour2(), lum::MakeColour(192, 192, 192));
    EXPECT_EQ(form.Background(), lum::MakeColour(128, 128, 128));
    EXPECT_EQ(form.SwapButton->text(), "{");
    EXPECT_EQ(form.BackgroundButton->text(), "=");
    EXPECT_EQ(form.StyleGroup->title(), "Gradient style");
    ASSERT_EQ(form.StyleGroup->Count(), 5);
    EXPECT_EQ(form.StyleGroup->Item(3)->text(), "Centred small");
    EXPECT_EQ(form.Style(), lum::GradientStyle::Vertical);
    EXPECT_EQ(form.ConstantBox->text(), "Constant gradient");
    EXPECT_FALSE(form.ConstantBox->isChecked());
    EXPECT_EQ(form.PreviewBox->size(), QSize(256, 256));
    EXPECT_EQ(form.findChild<QLabel*>("Label3")->text(), "Click in the picture to place the centre of the gradient");
    EXPECT_EQ(form.Centre(), (lum::GradientCentre{128, 128}));
    EXPECT_EQ(form.findChild<QPushButton*>("BitBtn1")->text(), "OK");
    ExpectPreviewMatchesState();
}

TEST_F(GradientDialogTest, CallerPresetsSizeWithinRangeAndCaption) {
    form.SetCaption("Gradient to mix into 5000 x 4");
    EXPECT_EQ(form.windowTitle(), "Gradient to mix into 5000 x 4");
    form.SetOutputSize(5000, 4);
    EXPECT_EQ(form.OutputWidth(), 1200);
    EXPECT_EQ(form.OutputHeight(), 10);
    form.SetOutputSize(333, 777);  // not a multiple of the step: kept as given
    EXPECT_EQ(form.OutputWidth(), 333);
    EXPECT_EQ(form.OutputHeight(), 777);
}

TEST_F(GradientDialogTest, PresetsSetTheSize) {
    QTest::mouseClick(form.SizePresets->Item(1), Qt::LeftButton);
    EXPECT_EQ(form.OutputWidth(), 400);
    EXPECT_EQ(form.OutputHeight(), 600);
    QTest::mouseClick(form.SizePresets->Item(2), Qt::LeftButton);
    EXPECT_EQ(form.OutputWidth(), 800);
    EXPECT_EQ(form.OutputHeight(), 600);
    // Clicking the chosen item again applies it again.
    form.SetOutputSize(20, 20);
    QTest::mouseClick(form.SizePresets->Item(2), Qt::LeftButton);
    EXPECT_EQ(form.OutputWidth(), 800);
    QTest::mouseClick(form.SizePresets->Item(0), Qt::LeftButton);
    EXPECT_EQ(form.OutputWidth(), 640);
    EXPECT_EQ(form.OutputHeight(), 480);
}

TEST_F(GradientDialogTest, StandardSizesShowTheSizeOfTheFields) {
    struct Case {
        const char* width;
        const char* height;
        int shown;
    };
    // Typed, as a user does: the list follows both fields, nothing chosen when they make no preset.
    const Case cases[] = {{"800", "600", 2}, {"400", "600", 1}, {"401", "600", -1}, {"640", "480", 0},
                          {"640", "481", -1}, {"1200", "1200", -1}, {"400", "300", -1}};
    for (const Case& c : cases) {
        form.WidthSpin->selectAll();
        QTest::keyClicks(form.WidthSpin, QString::fromLatin1(c.width));
        form.HeightSpin->selectAll();
        QTest::keyClicks(form.HeightSpin, QString::fromLatin1(c.height));
        EXPECT_EQ(form.SizePresets->ItemIndex(), c.shown) << c.width << " x " << c.height;
    }
    // Set by a command and by the arrows alike.
    form.SetOutputSize(800, 600);
    EXPECT_EQ(form.SizePresets->ItemIndex(), 2);
    form.HeightSpin->stepBy(1);
    EXPECT_EQ(form.SizePresets->ItemIndex(), -1);
    form.HeightSpin->stepBy(-1);
    EXPECT_EQ(form.SizePresets->ItemIndex(), 2);
}

TEST_F(GradientDialogTest, ColourPanelsAskAndRedrawEitherWay) {
    std::vector<QColor> offered;
    form.SetColourAsker(Asker(offered, true, QColor(255, 0, 0)));
    QTest::mouseClick(form.Colour1Panel, Qt::LeftButton);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], QColor(255, 255, 255));
    EXPECT_EQ(form.Colour1(), lum::MakeColour(255, 0, 0));
    ExpectPreviewMatchesState();

    form.SetColourAsker(Asker(offered, true, QColor(0, 0, 255)));
    form.ChooseBackground();
    EXPECT_EQ(offered.back(), QColor(128, 128, 128));
    EXPECT_EQ(form.Background(), lum::MakeColour(0, 0, 255));
    form.ChooseColour2();
    EXPECT_EQ(offered.back(), QColor(192, 192, 192));
    EXPECT_EQ(form.Colour2(), lum::MakeColour(0, 0, 255));

    // Declined: the colour stays, but the preview is still redrawn (here it catches up with a
    // style chosen without its handler).
    form.SetColourAsker(Asker(offered, false, QColor()));
    form.StyleGroup->SetItemIndex(4);
    form.ChooseColour1();
    EXPECT_EQ(offered.back(), QColor(255, 0, 0));
    EXPECT_EQ(form.Colour1(), lum::MakeColour(255, 0, 0));
    EXPECT_EQ(form.Style(), lum::GradientStyle::CentredBig);
    ExpectPreviewMatchesState();
}

TEST_F(GradientDialogTest, SwapAndEquals) {
    QTest::mouseClick(form.SwapButton, Qt::LeftButton);
    EXPECT_EQ(form.Colour1(), lum::MakeColour(192, 192, 192));
    EXPECT_EQ(form.Colour2(), lum::MakeColour(255, 255, 255));
    EXPECT_EQ(form.Background(), lum::MakeColour(128, 128, 128));
    ExpectPreviewMatchesState();
    QTest::mouseClick(form.BackgroundButton, Qt::LeftButton);
    EXPECT_EQ(form.Background(), lum::MakeColour(255, 255, 255));
    EXPECT_EQ(form.Colour2(), lum::MakeColour(255, 255, 255));
    ExpectPreviewMatchesState();
    // Colour 1 is now the only colour that differs from the background: the gradient runs
    // from it at the centre column to white at the far edge.
    EXPECT_EQ(form.Preview().pixel(128, 10), Rgb(192, 192, 192));
}

TEST_F(GradientDialogTest, ClicksPlaceTheCentreWithEdgeSnap) {
    struct Case {
        QPoint click;
        lum::GradientCentre want;
    };
    const Case cases[] = {
        {{3, 100}, {0, 100}},   {{4, 4}, {0, 0}},       {{5, 5}, {5, 5}},       {{250, 250}, {250, 250}},
        {{251, 120}, {256, 120}}, {{255, 255}, {256, 256}}, {{60, 200}, {60, 200}},
    };
    for (const Case& c : cases) {
        QTest::mouseClick(form.PreviewBox, Qt::LeftButton, Qt::NoModifier, c.click);
        EXPECT_EQ(form.Centre(), c.want) << c.click.x() << "," << c.click.y();
        ExpectPreviewMatchesState();
    }
    // A vertical gradient from the centre column: the clicked column holds colour 1.
    EXPECT_EQ(form.Preview().pixel(60, 0), Rgb(255, 255, 255));
    EXPECT_NE(form.Preview().pixel(200, 0), Rgb(255, 255, 255));

    // The keys move it too, within the preview: Shift a pixel at a time, even off an edge.
    form.PlaceCentre(0, 256);
    const std::pair<int, lum::GradientCentre> keys[] = {
        {Qt::Key_Right | Qt::ShiftModifier, {1, 256}}, {Qt::Key_Down, {1, 256}}, {Qt::Key_Up, {1, 248}}, {Qt::Key_Home, {128, 128}}};
    for (const auto& [key, want] : keys) {
        QTest::keyClick(form.PreviewBox, Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
        EXPECT_EQ(form.Centre(), want) << key;
    }
    ExpectPreviewMatchesState();
}

TEST_F(GradientDialogTest, ShowingResetsTheCentreAndOkScalesIt) {
    form.PlaceCentre(64, 192);
    form.show();
    EXPECT_EQ(form.Centre(), (lum::GradientCentre{128, 128}));
    ExpectPreviewMatchesState();
    form.PlaceCentre(64, 192);
    form.hide();
    form.show();
    EXPECT_EQ(form.Centre(), (lum::GradientCentre{128, 128}));

    form.PlaceCentre(64, 192);
    form.SetOutputSize(400, 300);
    EXPECT_EQ(form.Params().centre, (lum::GradientCentre{100, 225}));
    EXPECT_EQ(form.PreviewParams().centre, (lum::GradientCentre{64, 192}));
    // Snapped to the far edge, the centre lands on the output's far edge.
    form.PlaceCentre(255, 255);
    form.SetOutputSize(333, 777);
    EXPECT_EQ(form.Params().centre, (lum::GradientCentre{333, 777}));
    const lum::Image out = form.RenderOutput();
    EXPECT_EQ(out.width(), 333);
    EXPECT_EQ(out.height(), 777);
    EXPECT_TRUE(out.samePixels(lum::GradientImage(333, 777, form.Params())));
    form.hide();
}

TEST_F(GradientDialogTest, StyleAndCheckBoxRefreshThePreview) {
    QTest::mouseClick(form.StyleGroup->Item(2), Qt::LeftButton);
    EXPECT_EQ(form.Style(), lum::GradientStyle::Horizontal);
    ExpectPreviewMatchesState();
    form.StyleGroup->SetItemIndex(3);  // no handler
    const lum::GradientParams before = form.Params();
    QTest::mouseClick(form.ConstantBox, Qt::LeftButton);
    EXPECT_TRUE(form.ConstantBox->isChecked());
    ExpectPreviewMatchesState();
    const lum::GradientParams after = form.Params();
    EXPECT_EQ(after.style, before.style);
    EXPECT_EQ(after.centre, before.centre);
    // "No gradient": only the background.
    QTest::mouseClick(form.StyleGroup->Item(0), Qt::LeftButton);
    EXPECT_EQ(form.Preview().pixel(128, 128), Rgb(128, 128, 128));
    EXPECT_EQ(form.Preview().pixel(0, 255), Rgb(128, 128, 128));
}

}  // namespace
