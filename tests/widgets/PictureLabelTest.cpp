// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPalette>

#include "WidgetTestSupport.h"
#include "widgets/PictureLabel.h"

using widgettest::Rgb;

namespace {

// A picture whose every pixel says where it is.
QImage Numbered(int w, int h) {
    QImage img(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x, y, (x + y) & 255));
    return img;
}

TEST(PictureLabel, PaintsThePictureAtItsOwnSizeTopLeftAndTheBackgroundElsewhere) {
    widgettest::App();
    lum::PictureLabel label;
    QPalette pal = label.palette();
    pal.setColor(label.backgroundRole(), QColor(1, 254, 3));
    label.setPalette(pal);
    label.SetPicture(Numbered(40, 30));
    EXPECT_EQ(label.size(), QSize(40, 30));

    const QImage shown = label.grab().toImage();
    for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, 29}, {39, 29}, {17, 11}})
        EXPECT_EQ(Rgb(shown.pixel(x, y) & 0xFFFFFF), Rgb(qRgb(x, y, (x + y) & 255))) << x << "," << y;

    // Made wider than the picture by its layout: the rest is plain background.
    label.resize(60, 40);
    const QImage wider = label.grab().toImage();
    EXPECT_EQ(Rgb(wider.pixel(50, 5) & 0xFFFFFF), Rgb(qRgb(1, 254, 3)));
    EXPECT_EQ(Rgb(wider.pixel(5, 35) & 0xFFFFFF), Rgb(qRgb(1, 254, 3)));
    EXPECT_EQ(Rgb(wider.pixel(5, 5) & 0xFFFFFF), Rgb(qRgb(5, 5, 10)));

    // A new picture replaces the old one, size included; none shows nothing.
    label.SetPicture(Numbered(10, 8));
    EXPECT_EQ(label.size(), QSize(10, 8));
    label.SetPicture(QImage());
    EXPECT_TRUE(label.Picture().isNull());
    label.resize(10, 8);
    EXPECT_EQ(Rgb(label.grab().toImage().pixel(0, 0) & 0xFFFFFF), Rgb(qRgb(1, 254, 3)));
}

TEST(PictureLabel, ScaledAsAPhotoViewScalesRepeatingOrDroppingPixels) {
    widgettest::App();
    lum::PictureLabel label;
    label.SetPicture(Numbered(40, 30));
    label.SetScale(200);
    EXPECT_EQ(label.size(), QSize(80, 60));
    const QImage twice = label.grab().toImage();
    for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {79, 59}, {34, 22}, {35, 23}})
        EXPECT_EQ(Rgb(twice.pixel(x, y) & 0xFFFFFF), Rgb(qRgb(x / 2, y / 2, (x / 2 + y / 2) & 255))) << x << "," << y;
    // Half, on a screen of 1.5 device pixels per pixel: 20 x 15 device pixels.
    label.SetScale(50, 1.5);
    EXPECT_EQ(label.size(), QSize(14, 10));
    label.SetScale(33);
    EXPECT_EQ(label.size(), QSize(13, 9));  // truncated as the view truncates
    // A new picture keeps the scale.
    label.SetPicture(Numbered(100, 10));
    EXPECT_EQ(label.size(), QSize(33, 3));
}

}  // namespace
