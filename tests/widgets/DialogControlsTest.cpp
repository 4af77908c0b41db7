// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QRadioButton>

#include "WidgetTestSupport.h"
#include "widgets/DialogControls.h"

TEST(UpDownSpin, OnlyArrowStepsCountAsClicks) {
    widgettest::App();
    SpinEdit spin(QStringLiteral("UpDown1"), QStringLiteral("Edit1"), 5, 2500, 100, 5);
    EXPECT_EQ(spin.objectName(), QStringLiteral("UpDown1"));
    ASSERT_NE(spin.Edit(), nullptr);
    EXPECT_EQ(spin.Edit()->objectName(), QStringLiteral("Edit1"));
    EXPECT_EQ(spin.Edit()->text(), QStringLiteral("100"));
    int clicks = 0;
    QObject::connect(&spin, &SpinEdit::arrowStepped, [&] { ++clicks; });
    spin.setValue(300);
    spin.Edit()->setText(QStringLiteral("640"));
    spin.interpretText();
    EXPECT_EQ(spin.value(), 640);
    EXPECT_EQ(clicks, 0);
    spin.stepBy(1);
    EXPECT_EQ(spin.value(), 645);
    EXPECT_EQ(clicks, 1);
    // The signal comes after the value has moved, and also at the end of the range.
    int seen = 0;
    QObject::connect(&spin, &SpinEdit::arrowStepped, [&] { seen = spin.value(); });
    spin.setValue(2500);
    spin.stepBy(1);
    EXPECT_EQ(seen, 2500);
    EXPECT_EQ(clicks, 2);
    spin.setValue(1234);
    EXPECT_EQ(spin.text(), QStringLiteral("1234"));
}

TEST(RadioGroup, ItemsIndexAndUserClicks) {
    widgettest::App();
    RadioGroup group(QStringLiteral("RadioGroup1"), QStringLiteral("Step"), {" 1", " 5", "10"}, 3);
    EXPECT_EQ(group.title(), QStringLiteral("Step"));
    ASSERT_EQ(group.Count(), 3);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.Item(3), nullptr);
    QList<int> clicked;
    QObject::connect(&group, &RadioGroup::itemPicked, [&](int i) { clicked << i; });
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(clicked.isEmpty());
    group.Item(2)->click();
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_FALSE(group.Item(1)->isChecked());
    EXPECT_EQ(clicked, QList<int>({2}));
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), -1);
    // Still exclusive after being cleared.
    group.Item(0)->click();
    group.Item(1)->click();
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_FALSE(group.Item(0)->isChecked());
}

TEST(UpDownSpin, TypedValuesBeyondTheLimitsShowTheLimit) {
    widgettest::App();
    SpinEdit q(QStringLiteral("UpDownJPG"), QStringLiteral("EditJPG"), 10, 100, 90, 1);
    auto typed = [&](SpinEdit& s, const char* keys) {
        s.selectAll();
        QTest::keyClicks(&s, QString::fromLatin1(keys));
        return s.text();
    };
    // Above the maximum: the maximum shows at once and is the value.
    EXPECT_EQ(typed(q, "150"), QStringLiteral("100"));
    EXPECT_EQ(q.value(), 100);
    EXPECT_EQ(typed(q, "99999999999999999999"), QStringLiteral("100"));
    // Below the minimum: more digits could still reach it, so the minimum shows when typing ends.
    EXPECT_EQ(typed(q, "5"), QStringLiteral("5"));
    EXPECT_EQ(q.value(), 100) << "nothing taken yet";
    q.TakeCorrection();  // what OK does first
    EXPECT_EQ(q.text(), QStringLiteral("10"));
    EXPECT_EQ(q.value(), 10);
    // What is no number is not typed at all; an emptied box keeps its value.
    EXPECT_EQ(typed(q, "55"), QStringLiteral("55"));
    EXPECT_EQ(typed(q, "x"), QStringLiteral("55"));
    q.selectAll();
    QTest::keyClick(&q, Qt::Key_Delete);
    q.interpretText();
    EXPECT_EQ(q.value(), 55);
    EXPECT_EQ(q.text(), QStringLiteral("55"));

    // Both ways of a range below zero, and a suffix.
    SpinEdit offset(QStringLiteral("UpDownOffsetx"), QString(), -64, 64, 0, 1);
    EXPECT_EQ(typed(offset, "-100"), QStringLiteral("-64"));
    EXPECT_EQ(typed(offset, "100"), QStringLiteral("64"));
    EXPECT_EQ(typed(offset, "-"), QStringLiteral("-"));
    offset.interpretText();
    EXPECT_EQ(offset.value(), 64);
    SpinEdit zoom(QStringLiteral("UpDownZoom"), QString(), 10, 200, 100, 2);
    zoom.setSuffix(QStringLiteral(" %"));
    zoom.selectAll();
    QTest::keyClicks(&zoom, QStringLiteral("300"));
    EXPECT_EQ(zoom.value(), 200);
    EXPECT_EQ(zoom.text(), QStringLiteral("200 %"));
}

TEST(UpDownSpin, TheBoxShowsItsLimits) {
    widgettest::App();
    SpinEdit r(QStringLiteral("UpDown1"), QStringLiteral("Edit1"), 1, 24, 8, 1);
    auto* shown = r.findChild<QLabel*>(QStringLiteral("UpDown1Limits"));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), QString::fromUtf8("1\u201324"));
    EXPECT_EQ(r.toolTip(), QStringLiteral("From 1 to 24"));
    r.SetHint(QStringLiteral("Radius"));
    EXPECT_EQ(r.toolTip(), QStringLiteral("Radius (from 1 to 24)"));
    r.SetLimits(2, 96);
    EXPECT_EQ(shown->text(), QString::fromUtf8("2\u201396"));
    EXPECT_EQ(r.toolTip(), QStringLiteral("Radius (from 2 to 96)"));
    r.SetLimits(-64, 64);
    EXPECT_EQ(shown->text(), QStringLiteral("-64 to 64"));
    r.SetLimits(2, 96);
    // The box is wide enough for its largest value and its limits, which never hide the value.
    r.resize(r.sizeHint());
    EXPECT_GE(r.sizeHint().width(), QSpinBox().sizeHint().width() + shown->sizeHint().width());
    EXPECT_GE(shown->x(), r.Edit()->fontMetrics().horizontalAdvance(QStringLiteral("96")));
}

// A dialog with two boxes and the shared OK row, shown and active as a user has it.
struct BoxesDialog {
    BoxesDialog() {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        buttons = AddOkCancelRow(&dialog, layout);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);  // offscreen may not say so; the focus is set below
        first->setFocus();
    }
    QDialog dialog;
    SpinEdit* first = new SpinEdit(QStringLiteral("UpDownJPG"), QString(), 10, 100, 90, 1, &dialog);
    SpinEdit* second = new SpinEdit(QStringLiteral("UpDown4"), QString(), 128, 255, 200, 1, &dialog);
    OkCancel buttons{};
};

TEST(UpDownSpin, ACorrectedValueIsSeenBeforeOkTakesIt) {
    widgettest::App();
    {
        // Enter: the first shows the limit, the second presses OK.
        BoxesDialog d;
        d.first->selectAll();
        QTest::keyClicks(d.first, QStringLiteral("5"));
        QTest::keyClick(d.first, Qt::Key_Return);
        EXPECT_TRUE(d.dialog.isVisible());
        EXPECT_EQ(d.first->text(), QStringLiteral("10"));
        QTest::keyClick(d.first, Qt::Key_Return);
        EXPECT_FALSE(d.dialog.isVisible());
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
        EXPECT_EQ(d.first->value(), 10);
    }
    {
        // Straight to OK (the mouse's press takes the focus): the first click shows the limit.
        BoxesDialog d;
        d.first->selectAll();
        QTest::keyClicks(d.first, QStringLiteral("7"));
        d.buttons.ok->setFocus(Qt::MouseFocusReason);
        d.buttons.ok->click();
        EXPECT_TRUE(d.dialog.isVisible());
        EXPECT_EQ(d.first->text(), QStringLiteral("10"));
        EXPECT_TRUE(d.first->hasFocus());
        d.buttons.ok->click();
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    }
    {
        // Seen already: corrected on the way to the next box, OK takes it at once.
        BoxesDialog d;
        d.first->selectAll();
        QTest::keyClicks(d.first, QStringLiteral("3"));
        QTest::keyClick(d.first, Qt::Key_Tab);
        EXPECT_EQ(d.first->text(), QStringLiteral("10"));
        EXPECT_TRUE(d.second->hasFocus());
        d.buttons.ok->click();
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
        // A value typed above the maximum was seen as it was typed.
        BoxesDialog e;
        e.second->selectAll();
        QTest::keyClicks(e.second, QStringLiteral("300"));
        QTest::keyClick(e.second, Qt::Key_Return);
        EXPECT_EQ(e.dialog.result(), QDialog::Accepted);
        EXPECT_EQ(e.second->value(), 255);
    }
}
