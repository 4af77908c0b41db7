// SPDX-License-Identifier: GPL-3.0-or-later
// One application object for the widget tests (offscreen platform).
#pragma once
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QStandardPaths>
#include <string>

namespace widgettest {

inline QApplication& App() {
    static int argc = 1;
    static char arg0[] = "test_widgets";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = [] {
        QStandardPaths::setTestModeEnabled(true);
        return new QApplication(argc, argv);
    }();
    return *app;
}

inline std::string Rgb(QRgb c) {
    return "(" + std::to_string(qRed(c)) + ", " + std::to_string(qGreen(c)) + ", " + std::to_string(qBlue(c)) + ")";
}

}  // namespace widgettest
