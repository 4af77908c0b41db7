// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the folder tree, photo list and picture chooser tests: the application
// object, scripted answers, mouse events and files written on the fly.
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include "editing/Prompts.h"
#include "image/Codec.h"
#include "image/Image.h"

namespace foldertest {

inline QApplication& App() {
    if (auto* a = qobject_cast<QApplication*>(QCoreApplication::instance())) return *a;
    static int argc = 1;
    static char arg0[] = "lumora_folder_tests";
    static char* argv[] = {arg0, nullptr};
    // Keep the user's settings, trash and folders out of the tests.
    QStandardPaths::setTestModeEnabled(true);
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// First member of a fixture whose other members are widgets.
struct AppFirst {
    AppFirst() { App(); }
};

inline void Pump() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Until done (a job's end arrives through the event loop), at most 10 s.
inline bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

inline bool IsRoot() { return ::geteuid() == 0; }

struct ScriptedPrompts : lum::Prompts {
    std::vector<std::string> messages;
    std::vector<std::string> questions;  // "caption|text"
    std::vector<std::string> shown;      // "caption|text"
    std::deque<bool> answers;            // default No
    std::deque<std::string> texts;       // AskText answers; empty = cancel
    std::deque<std::string> folders;     // AskFolder answers; empty = cancel
    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        questions.push_back(caption + "|" + text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    bool AskText(const std::string&, const std::string&, std::string& text) override {
        if (texts.empty()) return false;
        text = texts.front();
        texts.pop_front();
        return true;
    }
    bool AskFolder(const std::string&, std::string& path) override {
        if (folders.empty()) return false;
        path = folders.front();
        folders.pop_front();
        return true;
    }
    void ShowText(const std::string& caption, const std::string& text) override {
        shown.push_back(caption + "|" + text);
    }
    std::string Last() const { return messages.empty() ? std::string() : messages.back(); }
};

// A scratch folder in the home volume, so that the trash used by the delete commands is the
// test-mode one and not a folder at the top of another volume.
inline QString ScratchBase() {
    const QString base = QDir::home().filePath(QStringLiteral(".qttest/lumora-folder-tests"));
    QDir().mkpath(base);
    return base;
}

// The test-mode trash (never the user's).
inline QString TestTrash() {
    if (!QStandardPaths::isTestModeEnabled()) return QString();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
}
inline bool InTestTrash(const QString& name) { return QFileInfo::exists(TestTrash() + "/files/" + name); }
inline void EmptyTestTrash() {
    if (!TestTrash().isEmpty()) QDir(TestTrash()).removeRecursively();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

inline void WriteSized(const QString& path, qint64 size) { WriteBytes(path, QByteArray(static_cast<int>(size), 'x')); }

inline lum::Image Pattern(int w, int h) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, uint8_t(x * 7), uint8_t(y * 5), uint8_t(x + y));
    return img;
}

inline void WriteBmp(const QString& path, int w, int h) {
    const std::vector<uint8_t> bytes = lum::EncodeBmp(Pattern(w, h));
    WriteBytes(path, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
}

inline void WriteJpeg(const QString& path, int w, int h) {
    const std::vector<uint8_t> bytes = lum::EncodeJpeg(Pattern(w, h));
    WriteBytes(path, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
}

// A JPEG start with garbage after it.
inline void WriteCorruptJpeg(const QString& path) {
    QByteArray b("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11);
    b += QByteArray(300, '\x5A');
    WriteBytes(path, b);
}

// Mouse input as the window system delivers it.
inline void Send(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
// The list reports a click once its mouse handling is over: the queued report runs here, as
// it would before the next event of a real mouse.
inline void Click(QWidget* w, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonPress, pos, button);
    Send(w, QEvent::MouseButtonRelease, pos, button);
    QCoreApplication::processEvents();
}
// Press, release, press, double click, release.
inline void DoubleClick(QWidget* w, const QPoint& pos) {
    Send(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    Send(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
    QCoreApplication::processEvents();
    Send(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    Send(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
    Send(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
}

// Every file below `dir` with its size, to prove that nothing changed.
inline QStringList Snapshot(const QString& dir) {
    QStringList out;
    QDir d(dir);
    for (const QFileInfo& fi : d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                               QDir::Name)) {
        out << fi.fileName() + ":" + QString::number(fi.isDir() ? -1 : fi.size());
        if (fi.isDir() && !fi.isSymLink())
            for (const QString& s : Snapshot(fi.absoluteFilePath())) out << fi.fileName() + "/" + s;
    }
    return out;
}

}  // namespace foldertest
