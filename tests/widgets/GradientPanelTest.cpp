// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "WidgetTestSupport.h"
#include "widgets/PanelSkins.h"
#include "widgets/GradientPanel.h"

using widgettest::Rgb;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSky(166, 202, 240);
const QColor kMaroon(128, 0, 0);
const QColor kBlue(0, 0, 255);
// What the area looked like before the panel painted: shows what was left alone.
const QRgb kUntouched = 0x01FE03;

constexpr auto Look = &GradientPanelLook::Of;

struct Painted {
    QImage img;
    bool styled = false;
    QRgb at(int x, int y) const { return img.pixel(x, y) & 0xFFFFFF; }
};

Painted Paint(const GradientPanelLook& look, int w, int h) {
    Painted r;
    r.img = QImage(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    r.img.fill(QColor(1, 254, 3));
    QPainter p(&r.img);
    r.styled = GradientPanel::PaintGradient(p, w, h, look);
    return r;
}

// from + k x (to - from) / den per channel, to nearest with ties to even, kept in a byte.
int Channel(double v) { return std::clamp(static_cast<int>(std::nearbyint(v)), 0, 255); }
QRgb Ramp(QColor from, QColor to, double k, double den) {
    auto ch = [&](int f, int t) { return Channel(f + k * (t - f) / den); };
    return qRgb(ch(from.red(), to.red()), ch(from.green(), to.green()), ch(from.blue(), to.blue())) & 0xFFFFFF;
}
QRgb Plain(QColor c) { return c.rgb() & 0xFFFFFF; }

}  // namespace

class PanelPaint : public ::testing::Test {
protected:
    void SetUp() override { widgettest::App(); }
};

TEST_F(PanelPaint, NarrowBandOrTinyPanelKeepsThePlainLook) {
    for (int b : {0, 1, -5}) {
        Painted p = Paint(Look(0, b, kWhite, kWhite, kSky), 80, 40);
        EXPECT_FALSE(p.styled) << "B = " << b;
        EXPECT_EQ(p.at(40, 20), kUntouched) << "B = " << b;
    }
    // Two pixels or less on either side: plain, whatever the band.
    for (auto [w, h] : {std::pair{2, 50}, {50, 2}, {1, 1}, {0, 0}, {0, 30}}) {
        Painted p = Paint(Look(101, 10, kMaroon, kWhite, kSky), w, h);
        EXPECT_FALSE(p.styled) << w << " x " << h;
    }
}

TEST_F(PanelPaint, PlainPanelShowsItsCaptionAndBevel) {
    GradientPanel panel;
    panel.setCaption(QStringLiteral("WWWWWWWW"));
    panel.resize(120, 40);
    panel.setLook(Look(0, 1, kMaroon, kMaroon, kMaroon));
    const QImage img = panel.grab().toImage();
    const QRgb face = panel.palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    const QRgb light = panel.palette().color(QPalette::Light).rgb() & 0xFFFFFF;
    const QRgb dark = panel.palette().color(QPalette::Dark).rgb() & 0xFFFFFF;
    EXPECT_EQ(img.pixel(5, 0) & 0xFFFFFF, light);
    EXPECT_EQ(img.pixel(0, 20) & 0xFFFFFF, light);
    EXPECT_EQ(img.pixel(5, 39) & 0xFFFFFF, dark);
    EXPECT_EQ(img.pixel(119, 20) & 0xFFFFFF, dark);
    EXPECT_EQ(img.pixel(3, 3) & 0xFFFFFF, face);
    int ink = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 20; x < 100; ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != face) ++ink;
    EXPECT_GT(ink, 20) << "the caption is drawn";
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) ASSERT_NE(img.pixel(x, y) & 0xFFFFFF, Plain(kMaroon)) << x << "," << y;
}

TEST_F(PanelPaint, StyledPanelDrawsNoCaption) {
    GradientPanel panel;
    panel.setCaption(QStringLiteral("WWWWWWWW"));
    panel.resize(120, 40);
    panel.setLook(Look(0, 2, kWhite, kWhite, kSky));
    const QImage img = panel.grab().toImage();
    for (int y = 2; y < 38; ++y)
        for (int x = 2; x < 118; ++x) ASSERT_EQ(img.pixel(x, y) & 0xFFFFFF, Plain(kSky)) << x << "," << y;
}

TEST_F(PanelPaint, BandWiderThanHalfThePanelPaintsOnlyAHalfRamp) {
    // 30 wide, 100 high, B = 20: columns 0 .. 15, ramp over H / 2.
    Painted tall = Paint(Look(0, 20, kWhite, kWhite, kSky), 30, 100);
    ASSERT_TRUE(tall.styled);
    for (int x = 0; x <= 15; ++x)
        for (int y : {0, 50, 99}) EXPECT_EQ(tall.at(x, y), Ramp(kWhite, kSky, x, 50.0)) << x << "," << y;
    for (int x = 16; x < 30; ++x) EXPECT_EQ(tall.at(x, 50), kUntouched) << x;

    // Wider than high: rows 0 .. H div 2, ramp over W / 2.
    Painted wide = Paint(Look(201, 20, kMaroon, kWhite, kSky), 101, 31);
    ASSERT_TRUE(wide.styled);
    for (int y = 0; y <= 15; ++y)
        for (int x : {0, 50, 100}) EXPECT_EQ(wide.at(x, y), Ramp(kMaroon, kSky, y, 50.5)) << x << "," << y;
    for (int y = 16; y < 31; ++y) EXPECT_EQ(wide.at(50, y), kUntouched) << y;

    // A band that would not fit even when doubled in 32 bits.
    Painted huge = Paint(Look(0, INT_MAX, kWhite, kWhite, kSky), 40, 20);
    EXPECT_TRUE(huge.styled);
    EXPECT_EQ(huge.at(5, 0), Plain(kWhite));
    EXPECT_EQ(huge.at(5, 15), kUntouched);
}

TEST_F(PanelPaint, LinearBandStepsEvenlyOnAllFourSides) {
    const int W = 100, H = 60, B = 10;
    Painted p = Paint(Look(0, B, kWhite, kMaroon, kSky), W, H);
    ASSERT_TRUE(p.styled);
    // The outermost ring keeps the back colour.
    for (int x = 0; x < W; ++x) {
        EXPECT_EQ(p.at(x, 0), Plain(kWhite)) << x;
        EXPECT_EQ(p.at(x, H - 1), Plain(kWhite)) << x;
    }
    for (int y = 0; y < H; ++y) {
        EXPECT_EQ(p.at(0, y), Plain(kWhite)) << y;
        EXPECT_EQ(p.at(W - 1, y), Plain(kWhite)) << y;
    }
    for (int k = 0; k < B; ++k) {
        const QRgb c = Ramp(kWhite, kSky, k, B);
        EXPECT_EQ(p.at(50, k), c) << "top " << k;
        EXPECT_EQ(p.at(50, H - 1 - k), c) << "bottom " << k;
        EXPECT_EQ(p.at(k, 30), c) << "left " << k;
        EXPECT_EQ(p.at(W - 1 - k, 30), c) << "right " << k;
    }
    for (int y = B; y < H - B; ++y)
        for (int x = B; x < W - B; ++x) ASSERT_EQ(p.at(x, y), Plain(kSky)) << x << "," << y;
    // Rounded corners: concentric circles, the back colour outside them, alike in all four.
    EXPECT_EQ(p.at(1, 1), Plain(kWhite));
    EXPECT_EQ(p.at(2, 2), p.at(W - 3, 2));
    EXPECT_EQ(p.at(2, 2), p.at(2, H - 3));
    EXPECT_EQ(p.at(2, 2), p.at(W - 3, H - 3));
    EXPECT_EQ(p.at(6, 6), p.at(W - 7, H - 7));
    EXPECT_NE(p.at(6, 6), Plain(kWhite));
}

TEST_F(PanelPaint, UnlistedStylesPaintTheLinearBand) {
    const Painted zero = Paint(Look(0, 10, kMaroon, kBlue, kSky), 90, 50);
    for (int style : {7, -3, 100, 203, 9999}) {
        const Painted other = Paint(Look(style, 10, kMaroon, kBlue, kSky), 90, 50);
        EXPECT_EQ(other.img, zero.img) << style;
    }
}

TEST_F(PanelPaint, ThreeColourBandPassesThroughTheMiddleColour) {
    const int W = 100, H = 60, B = 10;
    Painted p = Paint(Look(101, B, kMaroon, kWhite, kSky), W, H);
    ASSERT_TRUE(p.styled);
    for (int k = 0; k <= B / 2; ++k) EXPECT_EQ(p.at(50, k), Ramp(kMaroon, kWhite, 2 * k, B)) << k;
    for (int k = B / 2; k < B; ++k) EXPECT_EQ(p.at(50, k), Ramp(kWhite, kSky, 2 * (k - 5), B)) << k;
    EXPECT_EQ(p.at(50, 0), Plain(kMaroon));
    EXPECT_EQ(p.at(50, 5), Plain(kWhite));
    EXPECT_EQ(p.at(50, 30), Plain(kSky));
    EXPECT_EQ(p.at(W - 1, 30), Plain(kMaroon));
    EXPECT_EQ(p.at(50, H - 1), Plain(kMaroon));
    // The top and right lines reach into the top-right corner; the other corners are round.
    EXPECT_EQ(p.at(W - 2, 1), Ramp(kMaroon, kWhite, 2, B));
    EXPECT_EQ(p.at(W - 3, 2), Ramp(kMaroon, kWhite, 4, B));
    EXPECT_EQ(p.at(1, 1), Plain(kMaroon));
    EXPECT_EQ(p.at(1, H - 2), Plain(kMaroon));
    EXPECT_EQ(p.at(W - 2, H - 2), Plain(kMaroon));
}

TEST_F(PanelPaint, OddBandWidthKeepsTheThreeColourRampInBytes) {
    // round(7 / 2) = 4 > 7 div 2: the second half starts one step before the middle.
    Painted p = Paint(Look(101, 7, kWhite, kBlue, kMaroon), 60, 40);
    ASSERT_TRUE(p.styled);
    EXPECT_EQ(p.at(30, 3), Ramp(kBlue, kMaroon, -2, 7));
    EXPECT_EQ(p.at(30, 6), Ramp(kBlue, kMaroon, 4, 7));
    EXPECT_EQ(p.at(30, 7), Plain(kMaroon));
}

TEST_F(PanelPaint, FrameShapesOfTheFurtherStyles) {
    const int W = 100, H = 60, B = 10;
    const QRgb back = Plain(kWhite);
    auto lin = [&](int k) { return Ramp(kWhite, kSky, k, B); };
    // Style 1: only the top-right corner is square.
    Painted s1 = Paint(Look(1, B, kWhite, kWhite, kSky), W, H);
    EXPECT_EQ(s1.at(W - 3, 2), lin(2));
    EXPECT_EQ(s1.at(W - 1, 0), back);
    EXPECT_EQ(s1.at(W - 2, 1), lin(1));
    EXPECT_EQ(s1.at(1, 1), back);
    EXPECT_EQ(s1.at(1, H - 2), back);
    EXPECT_EQ(s1.at(W - 2, H - 2), back);
    EXPECT_EQ(s1.at(50, 3), lin(3));
    // Style 2: square outlines, every corner square.
    Painted s2 = Paint(Look(2, B, kWhite, kWhite, kSky), W, H);
    for (auto [x, y] : {std::pair{2, 2}, {W - 3, 2}, {2, H - 3}, {W - 3, H - 3}, {50, 2}, {2, 30}, {W - 3, 30}, {50, H - 3}})
        EXPECT_EQ(s2.at(x, y), lin(2)) << x << "," << y;
    EXPECT_EQ(s2.at(0, 0), back);
    EXPECT_EQ(s2.at(W - 1, H - 1), back);
    EXPECT_EQ(s2.at(9, 9), lin(9));
    EXPECT_EQ(s2.at(10, 10), Plain(kSky));
}

TEST_F(PanelPaint, SineStylesDrawEachFrameTwice) {
    const int W = 100, H = 60, B = 10;
    auto sine = [&](int k) {
        const double s = std::sin(static_cast<double>(k) / B * M_PI / 2.0);
        auto ch = [&](int f, int t) { return Channel(f + (k * (t - f) / static_cast<double>(B)) * s); };
        return qRgb(ch(255, 166), ch(255, 202), ch(255, 240)) & 0xFFFFFF;
    };
    Painted s10 = Paint(Look(10, B, kWhite, kWhite, kSky), W, H);
    Painted s11 = Paint(Look(11, B, kWhite, kWhite, kSky), W, H);
    for (int k : {1, 3, 5, 8}) {
        EXPECT_EQ(s10.at(50, k), sine(k)) << k;
        EXPECT_EQ(s11.at(50, k), sine(k)) << k;
        EXPECT_EQ(s11.at(k, 30), sine(k)) << k;
        EXPECT_NE(sine(k), Ramp(kWhite, kSky, k, B)) << k;
    }
    // The second drawing of style 10 has the square top-right corner of style 1.
    EXPECT_EQ(s10.at(W - 2, 1), sine(1));
    EXPECT_EQ(s11.at(W - 2, 1), Plain(kWhite));
    EXPECT_EQ(s10.at(50, 30), Plain(kSky));
}

TEST_F(PanelPaint, ThreeColourRampsOverTheLinearBand) {
    const int W = 100, H = 60, B = 10;
    const QColor back = kMaroon, mid = kWhite, front = kSky;
    auto quad = [&](QColor f, QColor t, int d) {
        auto ch = [&](int a, int b) { return Channel(a + d * (d * 2.0 * (b - a) / B) / 5.0); };
        return qRgb(ch(f.red(), t.red()), ch(f.green(), t.green()), ch(f.blue(), t.blue())) & 0xFFFFFF;
    };
    Painted s102 = Paint(Look(102, B, back, mid, front), W, H);
    Painted s103 = Paint(Look(103, B, back, mid, front), W, H);
    Painted s104 = Paint(Look(104, B, back, mid, front), W, H);
    Painted s105 = Paint(Look(105, B, back, mid, front), W, H);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(s102.at(50, k), Ramp(back, mid, 2 * k, B)) << k;
        EXPECT_EQ(s102.at(k, 30), Ramp(back, mid, 2 * k, B)) << k;
        EXPECT_EQ(s103.at(50, k), quad(back, mid, k)) << k;
        EXPECT_EQ(s105.at(50, k), Ramp(back, mid, 2 * k, B)) << k;
    }
    for (int k = 5; k < B; ++k) {
        EXPECT_EQ(s102.at(50, k), Ramp(mid, front, 2 * (k - 5), B)) << k;
        EXPECT_EQ(s103.at(W - 1 - k, 30), quad(mid, front, k - 5)) << k;
    }
    EXPECT_EQ(s103.img, s104.img);
    EXPECT_NE(s103.img, s102.img);
    // 102 keeps the round corners of the ordinary frame.
    EXPECT_EQ(s102.at(W - 2, 1), Plain(back));
    // 105, first half: round only at the top left and bottom right.
    EXPECT_EQ(s105.at(W - 2, 1), Ramp(back, mid, 2, B));
    EXPECT_EQ(s105.at(1, H - 2), Ramp(back, mid, 2, B));
    EXPECT_EQ(s105.at(1, 1), Plain(back));
    EXPECT_EQ(s105.at(W - 2, H - 2), Plain(back));
    for (const Painted* p : {&s102, &s103, &s105}) EXPECT_EQ(p->at(50, 30), Plain(front));
}

TEST_F(PanelPaint, WholePanelRamps) {
    const int W = 90, H = 64;
    for (int b : {2, 10, 20, 32}) {
        const Painted p = Paint(Look(201, b, kWhite, kMaroon, kSky), W, H);
        ASSERT_TRUE(p.styled) << b;
        EXPECT_EQ(p.at(0, 0), Plain(kWhite)) << b;
        EXPECT_EQ(p.at(W - 1, 0), Plain(kWhite)) << b;
        for (int y = 0; y < H; ++y)
            for (int x : {0, 45, W - 1}) ASSERT_EQ(p.at(x, y), Ramp(kWhite, kSky, y, H)) << "B " << b << " " << x << "," << y;
    }
    Painted h = Paint(Look(202, 10, kWhite, kMaroon, kSky), W, H);
    for (int x = 0; x < W; ++x)
        for (int y : {0, 32, H - 1}) ASSERT_EQ(h.at(x, y), Ramp(kWhite, kSky, x, W)) << x << "," << y;

    Painted v3 = Paint(Look(211, 2, kWhite, kSky, kMaroon), W, H);
    EXPECT_EQ(v3.at(10, 0), Plain(kWhite));
    EXPECT_EQ(v3.at(10, H / 2), Plain(kSky));
    for (int y = 0; y < H / 2; ++y) EXPECT_EQ(v3.at(W - 1, y), Ramp(kWhite, kSky, 2 * y, H)) << y;
    for (int y = H / 2; y < H; ++y) EXPECT_EQ(v3.at(0, y), Ramp(kSky, kMaroon, 2 * (y - H / 2), H)) << y;

    Painted h3 = Paint(Look(212, 2, kWhite, kSky, kMaroon), W, H);
    EXPECT_EQ(h3.at(0, 5), Plain(kWhite));
    EXPECT_EQ(h3.at(W / 2, 5), Plain(kSky));
    for (int x = 0; x < W / 2; ++x) EXPECT_EQ(h3.at(x, H - 1), Ramp(kWhite, kSky, 2 * x, W)) << x;
    for (int x = W / 2; x < W; ++x) EXPECT_EQ(h3.at(x, 0), Ramp(kSky, kMaroon, 2 * (x - W / 2), W)) << x;
}

TEST_F(PanelPaint, EveryStyleSurvivesTinyAndOddSizes) {
    const int styles[] = {0, 1, 2, 10, 11, 101, 102, 103, 104, 105, 201, 202, 211, 212};
    const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {1, 200}, {200, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 9}, {9, 5}, {20, 20}, {21, 21}};
    for (int style : styles)
        for (int b : {2, 3, 10})
            for (auto [w, h] : sizes) {
                GradientPanel panel;
                panel.setLook(Look(style, b, kMaroon, kWhite, kSky));
                panel.resize(w, h);
                QImage img(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
                img.fill(QColor(1, 254, 3));
                panel.render(&img);
                // The centre shows the front colour unless a whole-panel ramp lies over it.
                if (style < 201 && w > 2 && h > 2 && 2 * b < w && 2 * b < h) {
                    EXPECT_EQ(img.pixel(w / 2, h / 2) & 0xFFFFFF, Plain(kSky)) << style << " B " << b << " " << w << "x" << h;
                }
            }
}

TEST(PanelWidget, PropertiesByNameAndTheLookAtNextPaint) {
    widgettest::App();
    GradientPanel panel;
    // A new panel paints plainly until its design sets a band.
    EXPECT_EQ(panel.BoundWidth(), 0);
    EXPECT_EQ(panel.PanelStyle(), 0);
    EXPECT_TRUE(panel.Caption().isEmpty());
    panel.resize(60, 40);
    ASSERT_TRUE(panel.setProperty("RM_FrontColor", kSky));
    ASSERT_TRUE(panel.setProperty("RM_MiddleColor", kBlue));
    ASSERT_TRUE(panel.setProperty("RM_BackColor", kMaroon));
    ASSERT_TRUE(panel.setProperty("RM_BoundWidth", 10));
    ASSERT_TRUE(panel.setProperty("RM_Style", 101));
    EXPECT_EQ(panel.FrontColor(), kSky);
    EXPECT_EQ(panel.MiddleColor(), kBlue);
    EXPECT_EQ(panel.BackColor(), kMaroon);
    EXPECT_EQ(panel.property("RM_BoundWidth").toInt(), 10);
    EXPECT_EQ(panel.property("RM_Style").toInt(), 101);
    const QImage img = panel.grab().toImage();
    EXPECT_EQ(img.pixel(30, 0) & 0xFFFFFF, Plain(kMaroon));
    EXPECT_EQ(img.pixel(30, 5) & 0xFFFFFF, Plain(kBlue));
    EXPECT_EQ(img.pixel(30, 20) & 0xFFFFFF, Plain(kSky));
}

TEST(PanelWidget, DesignSkinsUseTheDesignValues) {
    widgettest::App();
    const QList<QRgb> colours = {Plain(kWhite), Plain(Qt::black), Plain(kBlue), Plain(kMaroon), Plain(kSky)};
    EXPECT_EQ(lum::SkyBlue(), kSky);
    EXPECT_EQ(lum::Maroon(), kMaroon);
    QStringList names = lum::DesignSkinNames();
    names << QStringLiteral("SomePanelWithoutADesign");
    for (const QString& name : names) {
        const GradientPanelLook l = lum::DesignSkin(name);
        const std::string n = name.toStdString();
        EXPECT_TRUE(QList<int>({0, 101, 201, 202, 211}).contains(l.style)) << n;
        EXPECT_TRUE(QList<int>({0, 2, 10, 20}).contains(l.boundWidth)) << n;
        for (const QColor& c : {l.front, l.middle, l.back}) EXPECT_TRUE(colours.contains(Plain(c))) << n;
        // A whole-panel ramp is only seen with a band of at least 2.
        if (l.style >= 201) {
            EXPECT_GE(l.boundWidth, 2) << n;
        }
    }
    GradientPanel panel;
    ApplyDesignSkin(&panel, QStringLiteral("PictureRealMemoryPanel"));
    EXPECT_EQ(panel.objectName(), QStringLiteral("PictureRealMemoryPanel"));
    EXPECT_EQ(panel.PanelStyle(), lum::DesignSkin(QStringLiteral("PictureRealMemoryPanel")).style);
    ApplyDesignSkin(nullptr, QStringLiteral("PictureRealMemoryPanel"));
}
