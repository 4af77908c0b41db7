// SPDX-License-Identifier: GPL-3.0-or-later
// The compositing commands in the compare window: its text stamp ("Stamp" and Mixing "&Text Stamp..."),
// mixes that float on its own photo, the picture chooser loading into its own images, and the
// clipboard shared with the main window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/PictureChooser.h"
#include "compose/TextStampDialog.h"
#include "image/Codec.h"
#include "imaging/TextStamp.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "widgets/DialogControls.h"
#include "widgets/ImageConvert.h"

using namespace guitest;

namespace {

struct AppFirst {
    AppFirst() { App(); }
};

class CompareCompose : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<MainWindow>(&mainPrompts);
        main->SetDialogs(&dialogs);
        main->State().picture.Baseline() = Pattern(160, 100, 1);
        main->editor().CommitMemoryImage();
        compare = std::make_unique<CompareWindow>(dialogs, &prompts);
        compare->resize(1000, 700);
        compare->FillCompareWindow(Pattern(240, 160, 2), Pattern(240, 160, 3));
        QGuiApplication::clipboard()->clear();
    }
    lum::EditState& st() { return compare->State(); }

    AppFirst app;
    lum::RecordingPrompts mainPrompts, prompts;
    lum::Dialogs dialogs;
    MixDialog& mix = dialogs.Mix();
    TextStampDialog& text = dialogs.TextStamp();
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<CompareWindow> compare;
};

}  // namespace

TEST_F(CompareCompose, TheStampLandsOnlyItsLettersFromTheButtonAndTheMenuItem) {
    const lum::Image photo = st().picture.Work();
    auto* button = compare->findChild<QToolButton*>(QStringLiteral("Bttexte"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Stamp"));
    EXPECT_TRUE(button->isHidden());

    lum::MixOptions asOpened;
    bool maskShown = false;
    QWidget* textOver = nullptr;
    QWidget* const owner = text.parentWidget();
    OnceShown(text, [&] {
        textOver = text.parentWidget();
        text.OkButton->click();  // "Title" / "Example" in yellow on white, with shadow and outline
        OnceShown(mix, [&] {
            asOpened = mix.Options();
            maskShown = mix.MaskBox->isVisible();
            mix.OkButton->click();
        });
    });
    button->click();
    // The shared dialog sat over the compare window, not over its owner.
    EXPECT_EQ(textOver, compare.get());
    EXPECT_EQ(text.parentWidget(), owner);
    EXPECT_EQ(asOpened.style, lum::MixStyle::MaskedCopy);
    EXPECT_EQ(asOpened.resize, lum::MixResize::WidthOrHeight);
    EXPECT_EQ(asOpened.percent, 100);
    EXPECT_EQ(asOpened.tolerance, 4);
    EXPECT_EQ(asOpened.maskColour, lum::MakeColour(255, 255, 255));
    EXPECT_TRUE(maskShown);
    const lum::Image stamp = text.MixSource();
    ASSERT_FALSE(stamp.empty());
    EXPECT_TRUE(st().picture.MixSource() == stamp);
    lum::Image expected = photo, before, source = stamp;
    lum::RunMixPixels(expected, before, source, asOpened);
    EXPECT_TRUE(st().picture.Work() == expected);
    EXPECT_FALSE(st().picture.Work() == photo);
    EXPECT_TRUE(st().tools.Floating());
    // The white around the letters stayed out: the stamp's top-left corner is white.
    const lum::MixPlacement pl =
        lum::ComputeMixPlacement(asOpened, photo.width(), photo.height(), stamp.width(), stamp.height());
    const uint8_t* corner = stamp.pixel(0, 0);
    EXPECT_EQ(corner[0] + corner[1] + corner[2], 3 * 255);
    for (int ch = 0; ch < 3; ++ch)
        EXPECT_EQ(st().picture.Work().pixel(pl.Left, pl.Top)[ch], photo.pixel(pl.Left, pl.Top)[ch]);

    // Mixing "&Text Stamp..." is the same command; a cancelled text dialog changes nothing.
    const lum::Image now = st().picture.Work();
    OnceShown(text, [&] { text.CancelButton->click(); });
    Action(*compare, "Bttexte")->trigger();
    EXPECT_TRUE(st().picture.Work() == now);
    EXPECT_FALSE(st().tools.Floating());  // the command ended the placement before asking
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CompareCompose, CopyInOneWindowPasteInTheOther) {
    Action(*main, "Copier1")->trigger();
    const lum::Image copied = main->State().picture.Work();
    // Paste as a new image in the compare window.
    Action(*compare, "Commenouvelleimage1")->trigger();
    EXPECT_TRUE(st().picture.Work() == copied);
    EXPECT_TRUE(st().file.NewPicturePending());
    // And the compare window's own photo back into the main window through the mix.
    compare->FillCompareWindow(Pattern(240, 160, 2), Pattern(240, 160, 3));
    Action(*compare, "Copier1")->trigger();
    const lum::Image photo = main->State().picture.Work();
    OnceShown(mix, [&] {
        mix.SetStyle(lum::MixStyle::Copy);
        mix.SetResize(lum::MixResize::FitToImage);
        mix.SetPercent(50);
        mix.OkButton->click();
    });
    Action(*main, "PPimage")->trigger();
    lum::Image expected = photo;
    lum::ComposeMix(expected, st().picture.Work(), lum::MixPlacement{0, 0, 160, 100}, mix.Options());
    EXPECT_TRUE(main->State().picture.Work() == expected);
    EXPECT_TRUE(mainPrompts.messages.empty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CompareCompose, TheChooserLoadsIntoTheWindowThatOpenedIt) {
    QTemporaryDir folder;
    const lum::Image picture = Pattern(30, 20, 7);
    const std::vector<uint8_t> bmp = lum::EncodeBmp(picture);
    QFile f(folder.filePath(QStringLiteral("p.bmp")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bmp.data()), static_cast<qint64>(bmp.size()));
    f.close();
    PictureChooser& chooser = dialogs.Chooser();
    st().file.SetCurrentFolder(folder.path().toStdString());  // the compare window's photo is there
    chooser.SetTargetImage(&main->State().picture.MixSource());
    const lum::Image mainMemory = main->State().picture.MixSource();

    OnceShown(chooser, [&] {
        chooser.OkButton->click();
        OnceShown(mix, [&] { mix.OkButton->click(); });
    });
    Action(*compare, "Btmiximage")->trigger();
    EXPECT_TRUE(st().picture.MixSource() == picture);
    EXPECT_TRUE(main->State().picture.MixSource() == mainMemory);
    EXPECT_EQ(chooser.TargetImage(), &main->State().picture.MixSource());
    EXPECT_TRUE(st().tools.Floating());
    EXPECT_FALSE(main->State().tools.Floating());
}

TEST_F(CompareCompose, AGradientMixFloatsOnTheComparePhotoOnly) {
    GradientDialog& gradient = dialogs.Gradient();
    QString caption;
    OnceShown(gradient, [&] {
        caption = gradient.windowTitle();
        gradient.OkButton->click();
        OnceShown(mix, [&] { mix.OkButton->click(); });
    });
    const lum::Image mainPhoto = main->State().picture.Work();
    Action(*compare, "Btmixdegrad")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Gradient to mix into 240 x 160"));
    ASSERT_TRUE(st().tools.Floating());
    EXPECT_TRUE(main->State().picture.Work() == mainPhoto);
    // A right press on the compare window's photo ends the placement.
    lum::PhotoCanvas* box = compare->View()->Canvas();
    emit box->MouseDown(Qt::RightButton, Qt::NoModifier, 3, 3);
    emit box->MouseUp(Qt::RightButton, Qt::NoModifier, 3, 3);
    EXPECT_FALSE(st().tools.Floating());
}
