// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the compositing dialog tests: the one application object, finding controls by
// their design names, and pixel checks on QImages.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QWidget>

#include "../view/FolderTestSupport.h"
#include "widgets/ImageConvert.h"
#include "image/Image.h"

namespace composeui {

// The chooser tests of this program share the folder tests' application object.
using foldertest::App;
using foldertest::AppFirst;

// The first pixel where the two pictures differ, "none" when they are the same.
inline std::string QImageDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "none";
}

inline QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

// A picture of four flat quarters: red, green, blue, white.
inline lum::Image Quarters(int w, int h) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            if (!right && !bottom) img.setPixel(x, y, 200, 10, 20);
            else if (right && !bottom) img.setPixel(x, y, 30, 180, 40);
            else if (!right) img.setPixel(x, y, 50, 60, 220);
            else img.setPixel(x, y, 255, 255, 255);
        }
    return img;
}

// A mouse move with no button down, as a hovering pointer sends.
inline void Hover(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

}  // namespace composeui
