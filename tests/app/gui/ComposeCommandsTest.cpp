// SPDX-License-Identifier: GPL-3.0-or-later
// The compositing commands of the main window's hidden menus with the real dialogs: new image,
// gradient mix, lighten gradient, image mix through the picture chooser, the placement drag on
// the photo, the text stamp's dialog answer and the clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include "GuiTestSupport.h"
#include "app/Dialogs.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/PictureChooser.h"
#include "compose/TextStampDialog.h"
#include "editing/Compose.h"
#include "editing/Operation.h"
#include "image/Codec.h"
#include "imaging/LightenGradient.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "widgets/DialogControls.h"
#include "widgets/ImageConvert.h"

using namespace guitest;

namespace {

struct AppFirst {
    AppFirst() { App(); }
};

bool SameColour(const lum::Image& img, int x, int y, int r, int g, int b) {
    const uint8_t* p = img.pixel(x, y);
    return p[2] == r && p[1] == g && p[0] == b;
}

class ComposeCommands : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<MainWindow>(&prompts);
        w->SetDialogs(&dialogs);
        w->resize(900, 700);
        w->State().picture.Baseline() = Pattern(200, 120, 3);
        w->editor().CommitMemoryImage();
        QGuiApplication::clipboard()->clear();
    }
    lum::EditState& st() { return w->State(); }
    // Sends a mouse event to the photo view's paint box, in view pixels.
    void Mouse(const char* what, Qt::MouseButton b, int x, int y) {
        lum::PhotoCanvas* box = w->View()->Canvas();
        const std::string step = what;
        if (step == "press") emit box->MouseDown(b, Qt::NoModifier, x, y);
        else if (step == "move") emit box->MouseMove(b, Qt::NoModifier, x, y);
        else emit box->MouseUp(b, Qt::NoModifier, x, y);
    }

    AppFirst app;
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    GradientDialog& gradient = dialogs.Gradient();
    MixDialog& mix = dialogs.Mix();
    PictureChooser& chooser = dialogs.Chooser();
    TextStampDialog& text = dialogs.TextStamp();
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(ComposeCommands, NewImageFromThePresetSizeWithAColourAskedThroughThePrompts) {
    ASSERT_NE(Action(*w, "Btnouveau"), nullptr);
    prompts.colourAnswers = {lum::MakeColour(10, 20, 30)};
    QString caption;
    OnceShown(gradient, [&] {
        caption = gradient.windowTitle();
        gradient.SizePresets->SetItemIndex(0);
        gradient.ApplySizePreset();  // 640 x 480
        gradient.ChooseColour1();       // colour 1
        gradient.OkButton->click();
    });
    Action(*w, "Btnouveau")->trigger();
    EXPECT_EQ(caption, QStringLiteral("New image"));
    ASSERT_EQ(prompts.coloursAsked.size(), 1u);
    EXPECT_EQ(prompts.coloursAsked[0], lum::MakeColour(255, 255, 255));
    lum::GradientParams p;
    p.colour1 = lum::MakeColour(10, 20, 30);
    p.centre = lum::GradientCentre{320, 240};
    EXPECT_TRUE(st().picture.Work() == lum::GradientImage(640, 480, p));
    EXPECT_TRUE(st().picture.Baseline() == st().picture.Work());
    EXPECT_TRUE(st().file.NewPicturePending());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ComposeCommands, GradientMixFloatsUntilARightPressAndDragsRecompose) {
    const lum::Image photo = st().picture.Work();
    QString caption, sizeLine;
    int presetPercent = 0;
    bool offsetShown = true;
    OnceShown(gradient, [&] {
        caption = gradient.windowTitle();
        gradient.OkButton->click();
        OnceShown(mix, [&] {
            sizeLine = mix.SizeLine->text().replace(QChar(0xA0), QLatin1Char(' '));
            presetPercent = mix.PercentSpin->value();
            offsetShown = mix.OffsetBox->isVisible();
            mix.SetResize(lum::MixResize::Zoom);
            mix.ZoomSpin->setValue(50);
            mix.OkButton->click();
        });
    });
    Action(*w, "Btmixdegrad")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Gradient to mix into 200 x 120"));
    EXPECT_EQ(sizeLine, QStringLiteral("Gradient (200 x 120)\nplaced as 200 x 120 in the photo (200 x 120)"));
    EXPECT_EQ(presetPercent, 50);
    EXPECT_FALSE(offsetShown);
    ASSERT_TRUE(st().tools.Floating());
    lum::MixOptions o = lum::GradientMixOptions(lum::MixOptions());
    o.resize = lum::MixResize::Zoom;
    o.zoom = 50;
    lum::Image expected = photo, before;
    lum::Image source = st().picture.MixSource();
    const lum::MixPlacement start = lum::RunMixPixels(expected, before, source, o);
    EXPECT_EQ(start, (lum::MixPlacement{50, 30, 99, 59}));
    EXPECT_TRUE(st().picture.Work() == expected);

    // Dragged by (10, 5) at 100 %, dropped, then ended with a right press.
    w->View()->ZoomToPercent(100);
    Mouse("press", Qt::LeftButton, 60, 40);
    EXPECT_TRUE(st().tools.Dragging());
    Mouse("move", Qt::LeftButton, 70, 45);
    Mouse("release", Qt::LeftButton, 70, 45);
    lum::Image moved = photo;
    lum::ComposeMix(moved, source, lum::MixPlacement{60, 35, 99, 59}, o);
    EXPECT_TRUE(st().picture.Work() == moved);
    EXPECT_TRUE(st().tools.Floating());
    EXPECT_EQ(w->View()->Canvas()->cursor().shape(), Qt::PointingHandCursor);
    Mouse("press", Qt::RightButton, 5, 5);
    Mouse("release", Qt::RightButton, 5, 5);
    EXPECT_FALSE(st().tools.Floating());
    EXPECT_EQ(w->View()->Canvas()->cursor().shape(), Qt::ArrowCursor);
    // Presses no longer move the mix.
    Mouse("press", Qt::LeftButton, 80, 50);
    Mouse("move", Qt::LeftButton, 90, 55);
    Mouse("release", Qt::LeftButton, 90, 55);
    EXPECT_TRUE(st().picture.Work() == moved);

    // The compare window still gets the photo as loaded for its original side.
    lum::Image original;
    w->SetCompareWindowOpener([&](QWidget*, const lum::ComparedPhoto& p, MainWindow::CompareClosed closed) {
        original = *p.original;
        closed(std::nullopt);
    });
    w->OpenCompareWindow();
    EXPECT_TRUE(original == photo);
}

TEST_F(ComposeCommands, LightenGradientAsksAtTheImageSize) {
    const lum::Image photo = st().picture.Work();
    gradient.SetOutputSize(640, 480);
    QString caption;
    int width = 0, height = 0;
    OnceShown(gradient, [&] {
        caption = gradient.windowTitle();
        width = gradient.OutputWidth();
        height = gradient.OutputHeight();
        gradient.OkButton->click();
    });
    Action(*w, "GradientLumiere")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Lighten gradient parameters"));
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 120);
    lum::Image expected = photo, layer;
    lum::GradientParams p;
    p.centre = lum::GradientCentre{100, 60};
    lum::LightenGradient(expected, p, layer);
    EXPECT_TRUE(st().picture.Work() == expected);
}

TEST_F(ComposeCommands, ImageMixLoadsThePickedPictureIntoThisWindow) {
    QTemporaryDir folder;
    const lum::Image picture = Pattern(40, 30, 9);
    const std::vector<uint8_t> bmp = lum::EncodeBmp(picture);
    QFile f(folder.filePath(QStringLiteral("mark.bmp")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bmp.data()), static_cast<qint64>(bmp.size()));
    f.close();
    // The photo on screen lives in that folder: the chooser opens there.
    ASSERT_TRUE(chooser.SetDirectory(QDir::tempPath()));
    st().file.SetCurrentFolder(folder.path().toStdString());
    lum::Image elsewhere;
    chooser.SetTargetImage(&elsewhere);

    const lum::Image photo = st().picture.Work();
    QString sizeLine;
    bool paintBoxShown = false;
    OnceShown(chooser, [&] {
        chooser.OkButton->click();
        OnceShown(mix, [&] {
            sizeLine = mix.SizeLine->text().replace(QChar(0xA0), QLatin1Char(' '));
            paintBoxShown = mix.PreviewBox->isVisible();
            mix.SetStyle(lum::MixStyle::Copy);
            mix.SetResize(lum::MixResize::WidthOrHeight);
            mix.SetPercent(100);
            mix.OkButton->click();
        });
    });
    Action(*w, "Btmiximage")->trigger();
    EXPECT_TRUE(st().picture.MixSource() == picture);
    EXPECT_TRUE(elsewhere.empty());                 // the chooser loaded into the window that opened it
    EXPECT_EQ(chooser.TargetImage(), &elsewhere);  // and is handed back
    EXPECT_EQ(sizeLine, QStringLiteral("mark.bmp (40 x 30)\nplaced as 40 x 30 in the photo (200 x 120)"));
    EXPECT_EQ(chooser.Directory(), folder.path() + "/");
    EXPECT_TRUE(paintBoxShown);
    lum::Image expected = photo;
    lum::ComposeMix(expected, picture, lum::MixPlacement{80, 45, 40, 30}, mix.Options());
    EXPECT_TRUE(st().picture.Work() == expected);
    EXPECT_TRUE(SameColour(st().picture.Work(), 80, 45, picture.pixel(0, 0)[2], picture.pixel(0, 0)[1],
                           picture.pixel(0, 0)[0]));
}

TEST_F(ComposeCommands, ClipboardCopyPasteAndTheirTwoMessages) {
    lum::EditState& s = st();
    // Nothing on the clipboard.
    Action(*w, "Commenouvelleimage1")->trigger();
    Action(*w, "Mlangerlexistant1")->trigger();
    Action(*w, "PPimage")->trigger();
    EXPECT_EQ(prompts.messages,
              (std::vector<std::string>{"There is no picture on the clipboard.", "There is no picture on the clipboard.", "There is no picture on the clipboard."}));
    // A text is no picture either.
    QGuiApplication::clipboard()->setText(QStringLiteral("words"));
    Action(*w, "PPimage")->trigger();
    EXPECT_EQ(prompts.messages.back(), "There is no picture on the clipboard.");

    Action(*w, "Copier1")->trigger();
    EXPECT_TRUE(lum::FromQImage(QGuiApplication::clipboard()->image()) == s.picture.Work());

    // Another window pastes what this one copied.
    lum::RecordingPrompts otherPrompts;
    MainWindow other(&otherPrompts);
    other.SetDialogs(&dialogs);
    other.State().picture.Baseline() = Pattern(30, 30, 1);
    other.editor().CommitMemoryImage();
    Action(other, "Commenouvelleimage1")->trigger();
    EXPECT_TRUE(other.State().picture.Work() == s.picture.Work());
    EXPECT_TRUE(other.State().file.NewPicturePending());
    EXPECT_TRUE(otherPrompts.messages.empty());

    // Paste into the current image opens the mix in "Masked Copy", picking the mask colour.
    bool maskShown = false, picking = false;
    OnceShown(mix, [&] {
        maskShown = mix.MaskBox->isVisible();
        picking = mix.MaskPicking();
        mix.CancelButton->click();
    });
    Action(other, "Mlangerlexistant1")->trigger();
    EXPECT_TRUE(maskShown);
    EXPECT_TRUE(picking);
    EXPECT_EQ(mix.Options().style, lum::MixStyle::MaskedCopy);
}

TEST_F(ComposeCommands, TheMainWindowsTextItemAsksTheTextDialogWhoseOkAnswersTheStamp) {
    const lum::Image photo = st().picture.Work();
    ASSERT_NE(Action(*w, "Bttexte"), nullptr);
    // The main window's item asks the text dialog as the compare window's does; cancelled,
    // nothing changes.
    bool asked = false;
    OnceShown(text, [&] {
        asked = true;
        text.reject();
    });
    Action(*w, "Bttexte")->trigger();
    Pump(20);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(st().picture.Work() == photo);
    EXPECT_FALSE(text.isVisible());

    // The command asks the text dialog; its OK answers the stamp and background.
    const lum::Operation* stamp = lum::FindOperation("text-stamp");
    ASSERT_NE(stamp, nullptr);
    prompts.fontAnswers = {lum::FontChoice{"DejaVu Sans", 30, true, false}};
    lum::EditState state;
    lum::OpArgs args;
    OnceShown(text, [&] {
        text.ChooseFont();  // the font dialog, answered through the prompts
        text.BackgroundGroup->SetItemIndex(2);
        text.BackgroundChosen();  // "Blackr"
        text.OkButton->click();
    });
    const bool ok = dialogs.AskParameters(*stamp, args, [](QDialog& d) { return d.exec(); },
                                          lum::DialogAskContext{&state, &prompts});
    ASSERT_TRUE(ok);
    ASSERT_EQ(prompts.fontsAsked.size(), 1u);
    EXPECT_TRUE(text.BoldButton->isChecked());  // bold came back from the font dialog
    EXPECT_EQ(text.SizeSpin->value(), 10);  // the font's points do not change the photo's share
    EXPECT_TRUE(state.picture.MixSource() == text.MixSource());
    EXPECT_FALSE(state.picture.MixSource().empty());
    EXPECT_EQ(args.ColourOf("background"), lum::MakeColour(0, 0, 0));
}
