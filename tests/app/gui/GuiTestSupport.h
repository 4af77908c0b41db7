// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the main-window tests: one application object, a scripted prompts object,
// photo files written on the fly.
#pragma once
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "../../image/ImageTestSupport.h"
#include "app/MainWindow.h"
#include "view/EditPane.h"
#include "editing/Prompts.h"
#include "image/Image.h"

namespace guitest {

inline QApplication& App() {
    static int argc = 1;
    static char arg0[] = "test_app_gui";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = [] {
        // Keep the user's settings and folders out of the tests.
        QStandardPaths::setTestModeEnabled(true);
        // ctest runs each test in its own process, in parallel: a settings folder per process
        // keeps them from racing on one file.
        static QTemporaryDir settingsDir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        auto* a = new QApplication(argc, argv);
        MainWindow::SetStartupLogoPath(QStringLiteral("/nonexistent/lumora/LumoraLogo.jpg"));
        return a;
    }();
    // Each test starts with the compare window's toolbars and buttons as the design has them,
    // whatever a test before it left remembered.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Lumora", "Lumora").remove(QStringLiteral("CompareWindow"));
    return *app;
}

// Lets queued work (deferred loads, repaints) run.
inline void Pump(int ms = 30) {
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}

inline bool PumpUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Closes the open menus (the offscreen desktop, unlike a real one, leaves a menu active).
inline void CloseMenus() {
    QWidget* owner = QApplication::activePopupWidget() ? QApplication::activePopupWidget()->parentWidget() : nullptr;
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    Pump();
    if (owner) QApplication::setActiveWindow(owner->window());
    Pump();
}

// The window's photo loads on a thread of its own: the event loop turns until it is shown (or
// failed). True when no load is pending any more.
inline bool LoadSettled(MainWindow& w, int ms = 20000) {
    return PumpUntil([&w] { return !w.LoadPending(); }, ms);
}

// A big photo's command goes on as a job: the event loop turns until it has ended.
inline bool WorkSettled(lum::WindowShell& w, int ms = 20000) {
    return PumpUntil([&w] { return !w.editor().JobRunning(); }, ms);
}

// A photo with a different colour in every corner, so turns and mirrors can be told apart.
inline QString WriteJpeg(const QString& path, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x * 255) / std::max(1, w - 1), (y * 255) / std::max(1, h - 1), 90));
    img.save(path, "JPG", 95);
    return path;
}

using imagetest::Pattern;

inline QAction* Action(QWidget& w, const char* name) { return w.findChild<QAction*>(QString::fromLatin1(name)); }

// The caption of a window showing the file at path ("x.jpg — Lumora", a star while unsaved).
inline QString CaptionOf(const QString& path, bool unsaved = false) {
    return lum::WindowShell::Caption(QFileInfo(path).fileName(), unsaved);
}

// Runs `act` on a dialog as soon as its modal loop has shown it (once).
inline void OnceShown(QDialog& d, std::function<void()> act) {
    auto* t = new QTimer(&d);
    t->setInterval(5);
    QObject::connect(t, &QTimer::timeout, &d, [t, &d, act] {
        if (!d.isVisible()) return;
        t->stop();
        t->deleteLater();
        act();
    });
    t->start();
}

}  // namespace guitest
