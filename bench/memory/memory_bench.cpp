// SPDX-License-Identifier: GPL-3.0-or-later
// Memory of the windows on a big photo, as a user goes: the photo clicked in the list, Optimize,
// the compare window opened (its photos painted) and closed, then the next photo. For each step
// the peak resident memory of the process while it ran (VmHWM, reset before the step) and the
// resident memory after it, in MB and as a multiple of the decoded photo; then the targets with
// pass or FAIL (exit status 1 when one was missed).
//
//   lumora_memory_bench                        a 48-megapixel photo (8000 x 6000)
//   lumora_memory_bench 10000 10000            a 100-megapixel one
//
// A step that cannot get its memory must say so in a message, never take the program down; the
// messages shown are printed with the step (bench/memory_limit.sh runs this under a limit).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidgetItem>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/CompareWindow.h"
#include "app/MainWindow.h"
#include "editing/Prompts.h"
#include "image/Codec.h"
#include "image/Stretch.h"
#include "view/PhotoList.h"
#include "view/PhotoView.h"

namespace {

// A line of /proc/self/status in kB ("VmHWM", "VmRSS").
double StatusMb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string k = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.compare(0, k.size(), k) == 0) return std::atof(line.c_str() + k.size()) * 1024.0 / 1e6;
    return -1;
}
// The peak starts again from what is resident now.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Every question answered No, every message kept.
struct Prompts : lum::RecordingPrompts {};

// A sample photo stretched to w x h with a little grain, so it codes like a photo.
void MakePhoto(const QString& path, int w, int h, uint32_t seed) {
    const lum::Image small = lum::LoadPicture(std::string(LUMORA_SAMPLE_PHOTOS) + "/hubble_deep_field.jpg").image;
    lum::Image big(w, h);
    lum::StretchDraw(big, lum::Rect{0, 0, w, h}, small);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = big.row(y);
        for (int b = 0; b < 3 * w; ++b) {
            seed = seed * 1664525u + 1013904223u;
            row[b] = static_cast<uint8_t>(std::clamp(row[b] + static_cast<int>((seed >> 27) & 7) - 4, 0, 255));
        }
    }
    lum::JpegEncodeOptions o;
    o.quality = 92;
    lum::WriteFileAtomic(path.toStdString(), lum::EncodeJpeg(big, o));
}

bool WaitFor(const std::function<bool()>& done, int ms = 120000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QTest::qWait(10);
    return done();
}

struct Step {
    std::string name;
    double peakMb = 0, afterMb = 0;
    double limitMb = 0;  // 0: no target
    std::string message;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const int w = argc > 2 ? std::atoi(argv[1]) : 8000, h = argc > 2 ? std::atoi(argv[2]) : 6000;
    const double decodedMb = 3.0 * w * h / 1e6;

    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.jpg")), second = dir.filePath(QStringLiteral("second.jpg"));
    std::printf("photo %d x %d, decoded %.0f MB; making it...\n", w, h, decodedMb);
    std::fflush(stdout);
    MakePhoto(first, w, h, 1);
    QFile::copy(first, second);

    MainWindow::SetStartupLogoPath(QStringLiteral("/nonexistent/LumoraLogo.jpg"));
    Prompts prompts;
    auto program = std::make_unique<lum::Program>(&prompts);
    MainWindow& win = program->Window();
    win.resize(1024, 740);
    win.show();
    QTest::qWait(100);
    auto* list = win.findChild<PhotoList*>(QStringLiteral("LsFilelistView282"));
    list->setDirectory(dir.path() + QLatin1Char('/'));
    QTest::qWait(100);
    const double programMb = StatusMb("VmRSS");

    std::vector<Step> steps;
    size_t messagesSeen = 0;
    const auto run = [&](const char* name, double limitMb, const std::function<void()>& act) {
        ResetPeak();
        act();
        QTest::qWait(50);
        Step s{name, StatusMb("VmHWM"), StatusMb("VmRSS"), limitMb, std::string()};
        for (; messagesSeen < prompts.messages.size(); ++messagesSeen) s.message += prompts.messages[messagesSeen] + " ";
        steps.push_back(s);
        std::printf("  %-34s peak %7.0f MB  after %7.0f MB%s%s\n", name, s.peakMb, s.afterMb,
                    s.message.empty() ? "" : "  message: ", s.message.c_str());
        std::fflush(stdout);
    };
    const auto open = [&](const QString& path) {
        QTreeWidgetItem* item = list->ItemOfPath(path);
        const QRect r = list->visualItemRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        if (!WaitFor([&] { return win.ShownPhoto() == path && !QApplication::overrideCursor(); }))
            prompts.messages.push_back("(the photo was not shown)");
    };
    const double mainLimit = 4.5 * decodedMb + 80, compareLimit = 7 * decodedMb + 80;

    run("open the photo", mainLimit, [&] { open(first); });
    run("Optimize", mainLimit, [&] {
        win.findChild<QToolButton*>(QStringLiteral("ProcessingOptimumActionSpeedButton"))->click();
        WaitFor([&] {
            return !win.editor().JobRunning() && win.State().file.Optimized() && !QApplication::overrideCursor();
        });
    });
    run("open the compare window", compareLimit, [&] {
        // The window is modal: it is looked at and closed from a timer once it is up.
        bool shown = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<CompareWindow*>(top); form && form->isVisible()) {
                    if (!shown) {
                        shown = true;
                        return;  // painted once more before it goes
                    }
                    form->close();
                }
        });
        closer.start(200);
        win.findChild<QToolButton*>(QStringLiteral("ComparePhotosSpeedButton"))->click();
        WaitFor([&] {
            if (!shown) return false;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (qobject_cast<CompareWindow*>(top) && top->isVisible()) return false;
            return true;
        });
    });
    run("after the compare window closed", 0, [] {});
    // The optimized photo is left unsaved: "No" to the question before the next one.
    prompts.threeWayAnswers = {lum::Prompts::Answer::No};
    run("the next photo", mainLimit, [&] { open(second); });

    std::printf("\nprogram without a photo: %.0f MB\n", programMb);
    std::printf("targets: main window <= 4.5 x %.0f + 80 = %.0f MB; with the compare window <= 7 x %.0f + 80 = %.0f MB\n",
                decodedMb, mainLimit, decodedMb, compareLimit);
    int missed = 0;
    for (const Step& s : steps) {
        if (s.limitMb <= 0) continue;
        const bool ok = s.peakMb <= s.limitMb && s.message.empty();
        missed += !ok;
        std::printf("  %-34s %7.0f MB = %4.2f x decoded  target %6.0f MB  %s\n", s.name.c_str(), s.peakMb,
                    s.peakMb / decodedMb, s.limitMb, ok ? "pass" : "FAIL");
    }
    program.reset();
    return missed ? 1 : 0;
}
