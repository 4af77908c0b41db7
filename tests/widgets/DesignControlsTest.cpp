#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "WidgetTestSupport.h"
#include "widgets/DesignControls.h"

TEST(UpDownSpin, OnlyArrowStepsCountAsClicks) {
    widgettest::App();
    TUpDownSpin spin(QStringLiteral("UpDown1"), QStringLiteral("Edit1"), 5, 2500, 100, 5);
    EXPECT_EQ(spin.objectName(), QStringLiteral("UpDown1"));
    ASSERT_NE(spin.Edit(), nullptr);
    EXPECT_EQ(spin.Edit()->objectName(), QStringLiteral("Edit1"));
    EXPECT_EQ(spin.Edit()->text(), QStringLiteral("100"));
    int clicks = 0;
    QObject::connect(&spin, &TUpDownSpin::clicked, [&] { ++clicks; });
    spin.SetPosition(300);
    spin.Edit()->setText(QStringLiteral("640"));
    spin.interpretText();
    EXPECT_EQ(spin.Position(), 640);
    EXPECT_EQ(clicks, 0);
    spin.stepBy(1);
    EXPECT_EQ(spin.Position(), 645);
    EXPECT_EQ(clicks, 1);
    // The click comes after the position has moved, and also at the end of the range.
    int seen = 0;
    QObject::connect(&spin, &TUpDownSpin::clicked, [&] { seen = spin.Position(); });
    spin.SetPosition(2500);
    spin.stepBy(1);
    EXPECT_EQ(seen, 2500);
    EXPECT_EQ(clicks, 2);
    spin.SetPosition(1234);
    EXPECT_EQ(spin.text(), QStringLiteral("1234"));
}

TEST(RadioGroup, ItemsIndexAndUserClicks) {
    widgettest::App();
    TRadioGroup group(QStringLiteral("RadioGroup1"), QStringLiteral("Step"), {" 1", " 5", "10"}, 3);
    EXPECT_EQ(group.title(), QStringLiteral("Step"));
    ASSERT_EQ(group.Count(), 3);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.Item(3), nullptr);
    QList<int> clicked;
    QObject::connect(&group, &TRadioGroup::clicked, [&](int i) { clicked << i; });
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
