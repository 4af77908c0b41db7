// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "app/BlurDialog.h"
#include "app/Dialogs.h"
#include "app/NewSizeDialog.h"
#include "app/RotateAngleDialog.h"
#include "imaging/Filters.h"
#include "widgets/DialogControls.h"

using namespace guitest;

namespace {

template <class T>
T* Child(QWidget& w, const char* name) {
    return w.findChild<T*>(QString::fromLatin1(name));
}

void Click(QWidget& d, const char* name) {
    auto* b = Child<QAbstractButton>(d, name);
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

// Put first among a fixture's members: the application exists before any widget member.
struct AppFirst {
    AppFirst() { App(); }
};

}  // namespace

class BlurDialogTest : public ::testing::Test {
protected:
    AppFirst app;
    BlurDialog d;
};

TEST_F(BlurDialogTest, DesignControls) {
    EXPECT_EQ(d.objectName(), QStringLiteral("TEForm8"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Gaussian Blur"));
    EXPECT_EQ(d.layout()->sizeConstraint(), QLayout::SetFixedSize);
    ASSERT_NE(Child<QLabel>(d, "Label1"), nullptr);
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), QStringLiteral("Radius of the Gaussian blur"));
    auto* upDown = Child<SpinEdit>(d, "UpDown1");
    ASSERT_NE(upDown, nullptr);
    EXPECT_EQ(upDown->minimum(), 1);
    EXPECT_EQ(upDown->maximum(), 24);
    EXPECT_EQ(upDown->value(), 8);
    EXPECT_FALSE(upDown->wrapping());
    auto* edit = Child<QLineEdit>(d, "Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("8"));
    EXPECT_NE(Child<QFrame>(d, "Bevel1"), nullptr);
    ASSERT_NE(Child<QPushButton>(d, "BitBtn1"), nullptr);
    ASSERT_NE(Child<QPushButton>(d, "BitBtn2"), nullptr);
    EXPECT_EQ(Child<QPushButton>(d, "BitBtn1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Child<QPushButton>(d, "BitBtn2")->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(Child<QPushButton>(d, "BitBtn1")->isDefault());
    EXPECT_EQ(d.Radius(), 8);
}

TEST(SmallDialogs, AreWideEnoughForTheirWholeTitle) {
    App();
    // The title as the window manager shows it: with the program's name, in a bold face.
    const auto titleWidth = [](const QWidget& w) {
        QFont bold = w.font();
        bold.setBold(true);
        return QFontMetrics(bold).horizontalAdvance(w.windowTitle() + QStringLiteral(" \u2014 ") +
                                                    QGuiApplication::applicationDisplayName());
    };
    lum::Dialogs dialogs;
    RotateAngleDialog rotate;
    for (QDialog* d : std::initializer_list<QDialog*>{&dialogs.Blur(), &rotate}) {
        d->show();
        Pump();
        EXPECT_GE(d->width(), titleWidth(*d) + 100) << d->objectName().toStdString();
        d->hide();
    }
}

TEST_F(BlurDialogTest, RadiusStaysInItsRange) {
    auto* upDown = d.RadiusSpin();
    d.SetRadius(24);
    upDown->stepBy(1);
    EXPECT_EQ(d.Radius(), 24) << "no wrap at the top";
    d.SetRadius(1);
    upDown->stepBy(-1);
    EXPECT_EQ(d.Radius(), 1) << "no wrap at the bottom";
    // Typed text the blur cannot use never becomes the radius.
    for (const char* typed : {"0", "-3", "abc", ""}) {
        d.SetRadius(5);
        d.RadiusSpin()->Edit()->setText(QString::fromLatin1(typed));
        upDown->interpretText();
        EXPECT_GE(d.Radius(), 1) << typed;
        EXPECT_LE(d.Radius(), 24) << typed;
    }
    d.SetRadius(99);
    EXPECT_EQ(d.Radius(), 24);
}

TEST_F(BlurDialogTest, OkKeepsTheRadiusForNextTimeCancelRejects) {
    OnceShown(d, [&] {
        d.RadiusSpin()->setValue(12);
        Click(d, "BitBtn1");
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_EQ(d.Radius(), 12);
    // Shown again, the last radius is offered.
    int offered = 0;
    OnceShown(d, [&] {
        offered = d.Radius();
        Click(d, "BitBtn2");
    });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_EQ(offered, 12);
    OnceShown(d, [&] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&d, &esc);
    });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
}

class NewSizeDialogTest : public ::testing::Test {
protected:
    QPushButton* button(const char* name) { return Child<QPushButton>(d, name); }
    AppFirst app;
    NewSizeDialog d;
};

TEST_F(NewSizeDialogTest, DesignControls) {
    EXPECT_EQ(d.objectName(), QStringLiteral("TEform6"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("New size"));
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), QStringLiteral("Width"));
    EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), QStringLiteral("Height"));
    struct Range {
        const char* upDown;
        const char* edit;
        int min, max;
    };
    // The smallest width is the smallest the resize accepts.
    for (const Range& r : {Range{"UpDown1", "Edit1", 8, 2500}, Range{"UpDown2", "Edit2", 8, 2000}}) {
        auto* u = Child<SpinEdit>(d, r.upDown);
        ASSERT_NE(u, nullptr) << r.upDown;
        EXPECT_EQ(u->minimum(), r.min) << r.upDown;
        EXPECT_EQ(u->maximum(), r.max) << r.upDown;
        EXPECT_EQ(u->singleStep(), 5) << r.upDown;
        EXPECT_EQ(u->value(), 100) << r.upDown;
        EXPECT_FALSE(u->wrapping()) << r.upDown;
        ASSERT_NE(Child<QLineEdit>(d, r.edit), nullptr) << r.edit;
        EXPECT_EQ(Child<QLineEdit>(d, r.edit)->text(), QStringLiteral("100")) << r.edit;
        u->setValue(2000);
        EXPECT_EQ(u->text(), QStringLiteral("2000")) << "no thousands separator";
        u->setValue(100);
    }
    auto* box = Child<QCheckBox>(d, "CheckBox1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Keep width / height ratio"));
    EXPECT_TRUE(box->isChecked());
    auto* group = Child<RadioGroup>(d, "RadioGroup1");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Step"));
    ASSERT_EQ(group->Count(), 3);
    EXPECT_EQ(group->Item(0)->text(), QStringLiteral(" 1"));
    EXPECT_EQ(group->Item(1)->text(), QStringLiteral(" 5"));
    EXPECT_EQ(group->Item(2)->text(), QStringLiteral("10"));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(button("Button1")->text(), QStringLiteral("Original size"));
    const std::pair<const char*, const char*> presets[] = {
        {"Button2", "480"},  {"Button3", "640"},  {"Button4", "720"},  {"Button5", "800"},
        {"Button6", "848"},  {"Button7", "1024"}, {"Button8", "400"},  {"Button9", "480"},
        {"Button11", "560"}, {"Button12", "600"}, {"Button13", "640"}, {"Button14", "660"},
    };
    for (const auto& [name, caption] : presets) {
        ASSERT_NE(button(name), nullptr) << name;
        EXPECT_EQ(button(name)->text(), QString::fromLatin1(caption)) << name;
    }
    EXPECT_EQ(button("Button10"), nullptr);
    EXPECT_NE(Child<QFrame>(d, "Bevel1"), nullptr);
    EXPECT_EQ(button("BitBtn1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(button("BitBtn2")->text(), QStringLiteral("Cancel"));
}

TEST_F(NewSizeDialogTest, PresetsKeepTheRatioOfTheMemorizedImage) {
    d.SetImageSize(1600, 1200);
    button("Button3")->click();  // width 640
    EXPECT_EQ(d.NewWidth(), 640);
    EXPECT_EQ(d.NewHeight(), 480);
    button("Button8")->click();  // height 400
    EXPECT_EQ(d.NewHeight(), 400);
    EXPECT_EQ(d.NewWidth(), 533);  // 1600 x 400 div 1200
    button("Button7")->click();  // width 1024: 1200 x 1024 div 1600
    EXPECT_EQ(d.NewHeight(), 768);

    // A portrait photo: the width follows in whole pixels, rounded down.
    d.SetImageSize(1200, 1600);
    button("Button14")->click();  // height 660
    EXPECT_EQ(d.NewWidth(), 495);

    // Without the ratio only the clicked side changes.
    d.KeepRatioBox()->setChecked(false);
    d.SetNewSize(300, 200);
    button("Button2")->click();
    EXPECT_EQ(d.NewWidth(), 480);
    EXPECT_EQ(d.NewHeight(), 200);
    button("Button12")->click();
    EXPECT_EQ(d.NewWidth(), 480);
    EXPECT_EQ(d.NewHeight(), 600);
}

TEST_F(NewSizeDialogTest, ArrowsAndTypingApplyTheRatio) {
    d.SetImageSize(1600, 1200);
    d.SetNewSize(100, 100);
    d.WidthSpin()->stepBy(1);  // width 105
    EXPECT_EQ(d.NewWidth(), 105);
    EXPECT_EQ(d.NewHeight(), 78);  // 1200 x 105 div 1600
    d.HeightSpin()->stepBy(-1);  // height 73
    EXPECT_EQ(d.NewHeight(), 73);
    EXPECT_EQ(d.NewWidth(), 97);  // 1600 x 73 div 1200

    // Typed, key by key, as a user does.
    d.WidthSpin()->selectAll();
    QTest::keyClicks(d.WidthSpin(), QStringLiteral("640"));
    EXPECT_EQ(d.NewWidth(), 640);
    EXPECT_EQ(d.NewHeight(), 480);
    d.HeightSpin()->selectAll();
    QTest::keyClicks(d.HeightSpin(), QStringLiteral("900"));
    EXPECT_EQ(d.NewWidth(), 1200);
    // Above the largest width: the width shows its limit at once, the height follows it.
    d.WidthSpin()->selectAll();
    QTest::keyClicks(d.WidthSpin(), QStringLiteral("4000"));
    EXPECT_EQ(d.WidthSpin()->text(), QStringLiteral("2500"));
    EXPECT_EQ(d.NewHeight(), 1875);
    EXPECT_FALSE(d.RatioProblem());
    d.SetNewSize(800, 100);
    EXPECT_EQ(d.NewHeight(), 100) << "setting both sizes applies no ratio";

    // Without the ratio, typing changes only its own side.
    d.KeepRatioBox()->setChecked(false);
    d.WidthSpin()->selectAll();
    QTest::keyClicks(d.WidthSpin(), QStringLiteral("333"));
    EXPECT_EQ(d.NewWidth(), 333);
    EXPECT_EQ(d.NewHeight(), 100);
}

TEST_F(NewSizeDialogTest, ARatioBeyondTheLimitsIsSaidAndNeverTaken) {
    auto* ok = button("BitBtn1");
    // A very wide memorized image: the height would fall below its minimum.
    d.SetImageSize(2000, 10);
    d.SetNewSize(1000, 8);
    button("Button3")->click();
    EXPECT_EQ(d.NewWidth(), 640);
    EXPECT_EQ(d.NewHeight(), 8) << "the height is not distorted to a limit";
    EXPECT_TRUE(d.RatioProblem());
    EXPECT_EQ(d.RatioNote(), QStringLiteral("With the photo's ratio, a width of 640 pixels needs a height of 3 pixels, "
                                            "but the height must be from 8 to 2000 pixels. Choose another width, or "
                                            "untick \"Keep width / height ratio\"."));
    EXPECT_FALSE(ok->isEnabled());
    d.accept();
    EXPECT_NE(d.result(), QDialog::Accepted) << "a distorted size is never taken";
    // A width the ratio can give clears it.
    button("Button7")->click();  // 1024 still gives 5
    EXPECT_TRUE(d.RatioProblem());
    d.HeightSpin()->setValue(10);  // the height asks for 2000
    EXPECT_FALSE(d.RatioProblem());
    EXPECT_EQ(d.NewWidth(), 2000);
    EXPECT_TRUE(ok->isEnabled());

    // A panorama: from the height the width would pass its maximum.
    d.SetImageSize(3000, 100);
    button("Button8")->click();
    EXPECT_EQ(d.NewHeight(), 400);
    EXPECT_EQ(d.NewWidth(), 2000);
    EXPECT_NE(d.RatioNote().indexOf(QStringLiteral("a height of 400 pixels needs a width of 12000 pixels")), -1)
        << d.RatioNote().toStdString();
    EXPECT_FALSE(ok->isEnabled());
    // Unticking the ratio lets the user choose any size within the limits.
    d.KeepRatioBox()->setChecked(false);
    EXPECT_FALSE(d.RatioProblem());
    EXPECT_TRUE(ok->isEnabled());
    d.KeepRatioBox()->setChecked(true);  // ticked again: the ratio is applied from the width
    EXPECT_EQ(d.NewHeight(), 66);
    EXPECT_FALSE(d.RatioProblem());

    // No memorized image yet: nothing to divide by, nothing changes but the clicked side.
    d.SetImageSize(0, 0);
    d.SetNewSize(300, 200);
    button("Button4")->click();
    d.HeightSpin()->stepBy(1);
    EXPECT_EQ(d.NewWidth(), 720);
    EXPECT_EQ(d.NewHeight(), 205);
}

TEST_F(NewSizeDialogTest, StepChoiceSetsBothIncrements) {
    const std::pair<int, int> steps[] = {{0, 1}, {2, 10}, {1, 5}};
    for (const auto& [item, step] : steps) {
        d.StepGroup()->Item(item)->click();
        EXPECT_EQ(d.StepGroup()->ItemIndex(), item);
        EXPECT_EQ(d.WidthSpin()->singleStep(), step) << item;
        EXPECT_EQ(d.HeightSpin()->singleStep(), step) << item;
    }
    d.StepGroup()->Item(2)->click();
    d.KeepRatioBox()->setChecked(false);
    d.SetNewSize(100, 100);
    d.WidthSpin()->stepBy(1);
    EXPECT_EQ(d.NewWidth(), 110);
}

TEST_F(NewSizeDialogTest, OriginalSizeTakesTheMemorizedImageSize) {
    d.SetImageSize(1600, 1200);
    d.SetNewSize(300, 300);
    button("Button1")->click();
    EXPECT_EQ(d.NewWidth(), 1600);
    EXPECT_EQ(d.NewHeight(), 1200);
    // Larger than the limits: the largest size of the same ratio, or, without the ratio, each
    // side at its limit.
    d.SetImageSize(3000, 2100);
    button("Button1")->click();
    EXPECT_EQ(d.NewWidth(), 2500);
    EXPECT_EQ(d.NewHeight(), 1750);
    EXPECT_FALSE(d.RatioProblem());
    d.SetImageSize(1000, 4000);
    button("Button1")->click();
    EXPECT_EQ(d.NewWidth(), 500);
    EXPECT_EQ(d.NewHeight(), 2000);
    // A tiny photo: the smallest size of its ratio.
    d.SetImageSize(4, 6);
    button("Button1")->click();
    EXPECT_EQ(d.NewWidth(), 8);
    EXPECT_EQ(d.NewHeight(), 12);
    // A ratio no size within the limits has.
    d.SetImageSize(100000, 50);
    button("Button1")->click();
    EXPECT_TRUE(d.RatioProblem());
    EXPECT_EQ(d.RatioNote(), QStringLiteral("A photo of 100000 x 50 pixels cannot keep its ratio within the sizes this "
                                            "dialog allows (8 to 2500 pixels wide, 8 to 2000 pixels high)."));
    d.KeepRatioBox()->setChecked(false);
    d.SetImageSize(3000, 2100);
    button("Button1")->click();
    EXPECT_EQ(d.NewWidth(), 2500);
    EXPECT_EQ(d.NewHeight(), 2000);
}

// The two dialogs as the main window's commands use them.
class DialogCommands : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<MainWindow>(&prompts);
        w->SetDialogs(&dialogs);
        w->State().picture.Baseline() = Pattern(64, 48, 5);
        w->editor().CommitMemoryImage();
    }
    AppFirst app;
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    NewSizeDialog& sizeDialog = dialogs.NewSize();
    BlurDialog& blurDialog = dialogs.Blur();
    std::unique_ptr<MainWindow> w;
};

TEST_F(DialogCommands, NewSizeOkResizesCancelKeeps) {
    int offeredW = 0, offeredH = 0;
    OnceShown(sizeDialog, [&] {
        offeredW = sizeDialog.NewWidth();
        offeredH = sizeDialog.NewHeight();
        Click(sizeDialog, "BitBtn2");
    });
    w->RunCommand("Redimensionner1");
    EXPECT_EQ(offeredW, 64);
    EXPECT_EQ(offeredH, 48);
    EXPECT_EQ(w->State().picture.Baseline().width(), 64);
    EXPECT_EQ(w->State().picture.Work().height(), 48);

    OnceShown(sizeDialog, [&] {
        Click(sizeDialog, "Button3");  // 640, the ratio gives 480
        Click(sizeDialog, "BitBtn1");
    });
    w->RunCommand("Redimensionner1");
    EXPECT_EQ(w->State().picture.Baseline().width(), 640);
    EXPECT_EQ(w->State().picture.Baseline().height(), 480);
    EXPECT_EQ(w->State().picture.Work().width(), 640);
    EXPECT_EQ(w->State().picture.Baseline().height(), 480);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(DialogCommands, ATypedWidthBelowTheLimitShowsTheLimitBeforeOk) {
    QString shownAfterFirstOk;
    bool stillOpen = false;
    OnceShown(sizeDialog, [&] {
        sizeDialog.KeepRatioBox()->setChecked(false);
        sizeDialog.WidthSpin()->setFocus();
        sizeDialog.WidthSpin()->selectAll();
        QTest::keyClicks(sizeDialog.WidthSpin(), QStringLiteral("5"));
        Click(sizeDialog, "BitBtn1");  // the first OK shows the smallest width instead
        shownAfterFirstOk = sizeDialog.WidthSpin()->text();
        stillOpen = sizeDialog.isVisible();
        Click(sizeDialog, "BitBtn1");
    });
    w->RunCommand("Redimensionner1");
    EXPECT_EQ(shownAfterFirstOk, QStringLiteral("8"));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(w->State().picture.Work().width(), 8);
    EXPECT_EQ(w->State().picture.Work().height(), 48);
}

TEST_F(DialogCommands, ATypedRadiusOfZeroBlursWithTheSmallestRadius) {
    lum::EditState& st = w->State();
    const lum::Image photo = st.picture.Work();
    QString afterFirstEnter;
    OnceShown(blurDialog, [&] {
        blurDialog.SetRadius(9);  // the radius last used
        blurDialog.RadiusSpin()->setFocus();
        blurDialog.RadiusSpin()->selectAll();
        QTest::keyClicks(blurDialog.RadiusSpin(), QStringLiteral("0"));
        QTest::keyClick(blurDialog.RadiusSpin(), Qt::Key_Return);  // shows 1, stays open
        afterFirstEnter = blurDialog.RadiusSpin()->text();
        QTest::keyClick(blurDialog.RadiusSpin(), Qt::Key_Return);
    });
    w->RunCommand("FlouGaussien");
    EXPECT_EQ(afterFirstEnter, QStringLiteral("1"));
    EXPECT_EQ(blurDialog.Radius(), 1);
    lum::Image expected = photo;
    lum::GaussianBlur(expected, 1);
    EXPECT_TRUE(st.picture.Work() == expected) << "blurred with 1, not with the last radius 9";
}

TEST_F(DialogCommands, BlurCancelKeepsTheImageButRefreshesTheSource) {
    lum::EditState& st = w->State();
    st.picture.Work() = Pattern(64, 48, 9);  // an edit since the last commit
    const lum::Image edited = st.picture.Work();
    OnceShown(blurDialog, [&] { Click(blurDialog, "BitBtn2"); });
    w->RunCommand("FlouGaussien");
    EXPECT_TRUE(st.picture.Work() == edited);
    EXPECT_TRUE(st.picture.SourceCopy() == edited);

    OnceShown(blurDialog, [&] {
        blurDialog.SetRadius(3);
        Click(blurDialog, "BitBtn1");
    });
    w->RunCommand("FlouGaussien");
    EXPECT_FALSE(st.picture.Work() == edited);
    EXPECT_EQ(st.picture.Work().width(), 64);
    EXPECT_EQ(blurDialog.Radius(), 3);
}
