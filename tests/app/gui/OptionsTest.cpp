// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/OptionsDialog.h"
#include "widgets/DialogControls.h"

using namespace guitest;

namespace {

class Options : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    SpinEdit* spin(const char* name) { return dlg.findChild<SpinEdit*>(QString::fromLatin1(name)); }
    QStringList texts(const char* kind) {
        QStringList out;
        if (std::string(kind) == "label")
            for (QLabel* l : dlg.findChildren<QLabel*>()) out << l->text();
        if (std::string(kind) == "group")
            for (QGroupBox* g : dlg.findChildren<QGroupBox*>()) out << g->title();
        if (std::string(kind) == "button")
            for (QPushButton* b : dlg.findChildren<QPushButton*>()) out << b->text();
        return out;
    }
    // Moves every setting away from its default.
    void changeEverything() {
        dlg.QualitySpin()->setValue(55);
        dlg.ProgressiveGroup()->SetItemIndex(1);
        dlg.AutoOpenNextBox()->setChecked(false);
        dlg.RememberFolderBox()->setChecked(true);
        for (int n = 4; n <= 9; ++n) dlg.TargetSpin(n)->setValue(130 + n);
        dlg.BalanceButtonGroup()->SetItemIndex(1);
    }

    struct AppFirst {
        AppFirst() { App(); }
    } appFirst_;  // the dialog needs the application object
    OptionsDialog dlg;
};

}  // namespace

TEST_F(Options, DesignCaptionsAndControls) {
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Options"));
    EXPECT_TRUE(texts("group").contains("Saving JPEG photos"));
    EXPECT_TRUE(texts("group").contains("Files and folders"));
    EXPECT_TRUE(texts("group").contains("Colour balance"));
    const QStringList labels = texts("label");
    for (const char* l : {"Quality", "(100 = best quality, least compression)", "Red", "Green", "Blue"})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(l))) << l;
    QStringList buttons = texts("button");
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"Cancel", "OK", "Reset to standard settings"}));
    // Cancel puts back what the dialog was opened with.
    const int quality = dlg.JpegQuality();
    dlg.show();
    dlg.QualitySpin()->setValue(quality == 30 ? 40 : 30);
    dlg.AutoOpenNextBox()->toggle();
    dlg.findChild<QPushButton*>("CancelButton")->click();
    EXPECT_EQ(dlg.JpegQuality(), quality);
    EXPECT_TRUE(dlg.NextFileAutoOpening());

    ASSERT_NE(dlg.ProgressiveGroup(), nullptr);
    EXPECT_EQ(dlg.ProgressiveGroup()->objectName(), QStringLiteral("RadioGroup1"));
    EXPECT_EQ(dlg.ProgressiveGroup()->title(), QStringLiteral("Progressive display"));
    ASSERT_EQ(dlg.ProgressiveGroup()->Count(), 2);
    EXPECT_EQ(dlg.ProgressiveGroup()->Item(0)->text(), QStringLiteral("No"));
    EXPECT_EQ(dlg.ProgressiveGroup()->Item(1)->text(), QStringLiteral("Yes"));
    EXPECT_EQ(dlg.BalanceButtonGroup()->objectName(), QStringLiteral("RadioGroup2"));
    EXPECT_EQ(dlg.BalanceButtonGroup()->title(), QStringLiteral("Balance button"));
    ASSERT_EQ(dlg.BalanceButtonGroup()->Count(), 2);
    EXPECT_EQ(dlg.BalanceButtonGroup()->Item(0)->text(), QStringLiteral("Flesh colour"));
    EXPECT_EQ(dlg.BalanceButtonGroup()->Item(1)->text(), QStringLiteral("Landscape colour"));
    EXPECT_EQ(dlg.AutoOpenNextBox()->objectName(), QStringLiteral("CheckBox1"));
    EXPECT_EQ(dlg.AutoOpenNextBox()->text(), QStringLiteral("Open the next file automatically"));
    EXPECT_EQ(dlg.RememberFolderBox()->objectName(), QStringLiteral("CheckBox2"));
    EXPECT_EQ(dlg.RememberFolderBox()->text(), QStringLiteral("Remember the last working folder"));
}

TEST_F(Options, DefaultsAndRanges) {
    EXPECT_EQ(dlg.JpegQuality(), 90);
    EXPECT_FALSE(dlg.Progressive());
    EXPECT_EQ(dlg.ProgressiveGroup()->ItemIndex(), 0);
    EXPECT_TRUE(dlg.NextFileAutoOpening());
    EXPECT_FALSE(dlg.MemorizeLastFolder());
    EXPECT_EQ(dlg.BalanceButton(), 0);
    const lum::BalanceTargets t = dlg.Targets();
    EXPECT_EQ(t.flesh, (lum::Rgb{200, 160, 145}));
    EXPECT_EQ(t.landscape, (lum::Rgb{190, 180, 170}));

    struct Range {
        const char* name;
        int min, max;
    };
    for (const Range& r : {Range{"UpDownJPG", 10, 100}, Range{"UpDown4", 128, 255}, Range{"UpDown5", 128, 255},
                           Range{"UpDown6", 128, 255}, Range{"UpDown7", 128, 255}, Range{"UpDown8", 128, 255},
                           Range{"UpDown9", 128, 255}}) {
        SpinEdit* s = spin(r.name);
        ASSERT_NE(s, nullptr) << r.name;
        EXPECT_EQ(s->minimum(), r.min) << r.name;
        EXPECT_EQ(s->maximum(), r.max) << r.name;
        EXPECT_FALSE(s->wrapping()) << r.name;
        // The arrows stop at the ends.
        s->setValue(r.max);
        s->stepBy(1);
        EXPECT_EQ(s->value(), r.max) << r.name;
        s->setValue(r.min);
        s->stepBy(-1);
        EXPECT_EQ(s->value(), r.min) << r.name;
    }
    // The accessors read the controls themselves.
    spin("UpDownJPG")->setValue(10);
    spin("UpDown8")->setValue(255);
    EXPECT_EQ(dlg.JpegQuality(), 10);
    EXPECT_EQ(dlg.Targets().landscape.G, 255);
}

TEST_F(Options, TypedQualityCountsAtOnce) {
    QLineEdit* edit = dlg.QualitySpin()->Edit();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    edit->insert(QStringLiteral("42"));
    EXPECT_EQ(dlg.JpegQuality(), 42);
}

TEST_F(Options, ResetRestoresEverythingButTheBalanceButton) {
    changeEverything();
    ASSERT_EQ(dlg.JpegQuality(), 55);
    dlg.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(dlg.JpegQuality(), 90);
    EXPECT_FALSE(dlg.Progressive());
    EXPECT_TRUE(dlg.NextFileAutoOpening());
    EXPECT_FALSE(dlg.MemorizeLastFolder());
    EXPECT_EQ(dlg.Targets().flesh, (lum::Rgb{200, 160, 145}));
    EXPECT_EQ(dlg.Targets().landscape, (lum::Rgb{190, 180, 170}));
    EXPECT_EQ(dlg.BalanceButton(), 1);
}

TEST_F(Options, OkClosesAndKeepsTheChanges) {
    QWidget owner;
    owner.setGeometry(0, 0, 200, 150);
    owner.show();
    OptionsDialog d(&owner);
    d.show();
    Pump();
    // Centred on the screen, not over the small window at the corner.
    const QRect screen = d.screen()->availableGeometry();
    EXPECT_LE((d.frameGeometry().center() - screen.center()).manhattanLength(), 4);

    d.QualitySpin()->setValue(70);
    d.findChild<QPushButton*>("BitBtn1")->click();
    Pump();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.JpegQuality(), 70);
}

TEST_F(Options, ATypedQualityIsNeverReplacedSilently) {
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    SpinEdit* q = dlg.QualitySpin();
    q->setFocus();
    // 150: 100 at once, saved at 100 (not at 15).
    q->selectAll();
    QTest::keyClicks(q, QStringLiteral("150"));
    EXPECT_EQ(q->text(), QStringLiteral("100"));
    EXPECT_EQ(dlg.JpegQuality(), 100);
    // 5: the first OK shows 10, the second closes; saved at 10 (not back at 90).
    q->selectAll();
    QTest::keyClicks(q, QStringLiteral("5"));
    auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(q->text(), QStringLiteral("10"));
    ok->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.JpegQuality(), 10);
}
