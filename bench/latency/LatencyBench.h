// SPDX-License-Identifier: GPL-3.0-or-later
// What the latency benchmark's commands share: the photos made at run time, the program's
// windows with those photos in the main window's list, and the measure of one run of a command
// (its time to the first paint that shows the result, the longest stall meanwhile, the worst
// run of each command for the targets).
#pragma once
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidgetItem>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "app/Program.h"
#include "app/CompareWindow.h"
#include "app/MainWindow.h"
#include "editing/PaintTools.h"
#include "editing/Prompts.h"
#include "image/Codec.h"
#include "image/Formats.h"
#include "image/Stretch.h"
#include "view/EditPane.h"
#include "view/PhotoList.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "../../tests/image/FormatMakers.h"
#include "LatencyProbe.h"

namespace latency {

// What an interrupt has to remove, kept where a signal handler can read it without allocating.
struct Leftovers {
    char dir[4096] = {};
    char files[8][4096] = {};
    int count = 0;
};
inline Leftovers& ToRemove() {
    static Leftovers l;
    return l;
}
inline void Remember(char (&into)[4096], const QString& path) {
    const QByteArray b = QFile::encodeName(path);
    std::snprintf(into, sizeof into, "%s", b.constData());
}
inline void RemovePhotosAndExit(int sig) {
    Leftovers& l = ToRemove();
    for (int i = 0; i < l.count; ++i) unlink(l.files[i]);
    // A photo cut off while being written leaves its temporary file: then the whole folder.
    if (l.dir[0] && rmdir(l.dir) != 0) execl("/bin/rm", "rm", "-rf", "--", l.dir, static_cast<char*>(nullptr));
    _exit(128 + sig);
}

struct PhotoFile {
    QString path;
    int width = 0, height = 0;
    double decodeMs = 0;  // bare decode of the file, best of three
};

// A sample photo stretched to w x h.
inline lum::Image Stretched(const char* sample, int w, int h) {
    const lum::Image small = lum::LoadPicture(std::string(LUMORA_SAMPLE_PHOTOS) + "/" + sample).image;
    lum::Image big(w, h);
    lum::StretchDraw(big, lum::Rect{0, 0, w, h}, small);
    return big;
}

// bytes written as dir/name (removed on every way out), with the best of a few bare decodes.
inline PhotoFile Written(const QString& dir, const QString& name, const std::vector<uint8_t>& bytes, int w, int h) {
    PhotoFile f;
    f.path = QDir(dir).filePath(name);
    Leftovers& l = ToRemove();
    if (l.count < 8) Remember(l.files[l.count++], f.path);
    lum::WriteFileAtomic(f.path.toStdString(), bytes);
    f.width = w;
    f.height = h;
    f.decodeMs = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        const std::vector<uint8_t> file = lum::ReadFileBytes(f.path.toStdString());
        const lum::Image img = lum::DecodePicture(file.data(), file.size());
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        f.decodeMs = std::min(f.decodeMs, ms);
    }
    return f;
}

// A sample photo stretched to w x h with a little grain, so it codes like a photo, written with
// our own encoder at quality 92.
inline PhotoFile MakePhoto(const QString& dir, const char* sample, int w, int h, uint32_t seed) {
    lum::Image big = Stretched(sample, w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = big.row(y);
        for (int b = 0; b < 3 * w; ++b) {
            seed = seed * 1664525u + 1013904223u;
            const int v = row[b] + static_cast<int>((seed >> 27) & 7) - 4;
            row[b] = static_cast<uint8_t>(std::clamp(v, 0, 255));
        }
    }
    lum::JpegEncodeOptions o;
    o.quality = 92;
    const QString name = QStringLiteral("%1_%2x%3.jpg").arg(QString::fromLatin1(sample).section('.', 0, 0)).arg(w).arg(h);
    return Written(dir, name, lum::EncodeJpeg(big, o), w, h);
}

// A phone's photo: a sample photo stretched to w x h, as HEIC with the thumbnail phones store
// beside the picture (encoded with x265's fast preset, so the run does not wait minutes for it).
inline PhotoFile MakeHeicPhoto(const QString& dir, const char* sample, int w, int h) {
    const lum::Image big = Stretched(sample, w, h);
    formats_test::Samples s{w, h, 3, 8, {}};
    s.v.reserve(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = big.pixel(x, y);
            s.v.insert(s.v.end(), {p[2], p[1], p[0]});
        }
    const std::vector<uint8_t> bytes = formats_test::MakeHeic(s, 80, {}, 1, 320, "ultrafast");
    return Written(dir, QStringLiteral("phone_%1x%2.heic").arg(w).arg(h), bytes, w, h);
}

// The program's windows with a folder of photos in the main window's list, made once for the
// whole run.
struct Bench {
    QTemporaryDir dir;
    lum::RecordingPrompts prompts;  // every question answered No
    std::unique_ptr<lum::Program> program;
    MainWindow* window = nullptr;
    std::map<int, std::vector<PhotoFile>> photos;  // by megapixels: two different photos
    PhotoFile heic;                                 // 12 megapixels, made when first asked for
    Probe probe;
    int next = 0;

    Bench() {
        MainWindow::SetStartupLogoPath(QStringLiteral("/nonexistent/LumoraLogo.jpg"));
        Remember(ToRemove().dir, dir.path());
        photos[12] = {MakePhoto(dir.path(), "hubble_deep_field.jpg", 4000, 3000, 1),
                      MakePhoto(dir.path(), "rocket.jpg", 4000, 3000, 2)};
        photos[24] = {MakePhoto(dir.path(), "hubble_deep_field.jpg", 6000, 4000, 3),
                      MakePhoto(dir.path(), "rocket.jpg", 6000, 4000, 4)};
        program = std::make_unique<lum::Program>(&prompts);
        window = &program->Window();
        window->resize(1024, 740);
        window->show();
        QTest::qWait(50);
        List()->setDirectory(dir.path() + QLatin1Char('/'));
        probe.Watch(QStringLiteral("PaintBox1"));
        probe.StillBusy = [] { return !Idle(); };
        QTest::qWait(50);
    }

    PhotoList* List() const { return window->findChild<PhotoList*>(QStringLiteral("LsFilelistView282")); }
    // No job owns a window's state: the results may be read.
    static bool Idle() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* shell = qobject_cast<lum::WindowShell*>(top); shell && shell->editor().JobRunning()) return false;
        return true;
    }
    lum::EditState& St() const { return window->State(); }
    QToolButton* Button(const char* name) const { return window->findChild<QToolButton*>(QString::fromLatin1(name)); }

    // Sample pixels of the working image, to tell a changed picture from the one before.
    std::vector<uint8_t> Samples() const {
        const lum::Image& img = St().picture.Work();
        std::vector<uint8_t> s;
        if (img.empty()) return s;
        for (int i = 0; i < 64; ++i) {
            const uint8_t* p = img.pixel((i * 7919) % img.width(), (i * 104729) % img.height());
            s.insert(s.end(), p, p + 3);
        }
        return s;
    }
    bool PaintBoxFits() const {
        const lum::PhotoView* v = window->View();
        const QSize want(static_cast<int>(static_cast<int64_t>(St().picture.Work().width()) * v->Zoom() / 100),
                         static_cast<int>(static_cast<int64_t>(St().picture.Work().height()) * v->Zoom() / 100));
        return v->Canvas()->size() == want;
    }
    bool Shows(const PhotoFile& f) const {
        return St().file.CurrentFileName() == f.path.toStdString() && St().picture.Work().width() == f.width &&
               St().picture.Work().height() == f.height && PaintBoxFits();
    }

    // Clicks the photo in the list, as a user does.
    void ClickInList(const PhotoFile& f) {
        PhotoList* list = List();
        QTreeWidgetItem* item = list->ItemOfPath(f.path);
        if (!item) throw std::runtime_error("photo not in the list: " + f.path.toStdString());
        list->scrollToItem(item);
        const QRect r = list->visualItemRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }

    // Loads a photo of the given size (untimed set-up) and waits until it is shown.
    // which: 0 the deep field, 1 the rocket, -1 the other one than last time.
    const PhotoFile& Load(int mp, int which = -1) {
        const PhotoFile& f = photos[mp][static_cast<size_t>(which >= 0 ? which : next++ % 2)];
        window->editor().MarkSaved();
        St().file.SetOptimized(false);
        probe.Reset();
        probe.Expect("shown", [&] { return Shows(f); });
        if (!probe.Run([&] { ClickInList(f); })) throw std::runtime_error("photo did not load");
        return f;
    }

    void Click(const char* button) { Button(button)->click(); }
};

// Untimed set-up: until every window's job has ended.
inline void WaitForIdle() {
    for (int i = 0; i < 2000 && !Bench::Idle(); ++i) QTest::qWait(10);
    QTest::qWait(20);
}

// Made on first use, destroyed by main before the application, so its folder goes too.
inline std::unique_ptr<Bench>& TheBench() {
    static std::unique_ptr<Bench> bench;
    return bench;
}
inline Bench& B() {
    if (!TheBench()) TheBench() = std::make_unique<Bench>();
    return *TheBench();
}

// One run of a command: `trigger` is its event; the first result listed is the benchmark's
// time, the others are counters named after them (the mean over the runs, in ms). The longest
// stall of any run is the counter stall_ms. False when the run failed.
using Result = std::pair<std::string, std::function<bool()>>;
// A result named "file ..." is something on disk that no paint shows: it is looked for as the
// loop turns.

// The worst run of each command at each size ("ListClick/24"): per result and the stall, for
// the targets' check at the end.
struct Worst {
    std::map<std::string, double> shownMs;
    double stallMs = 0;
    double decodeMs = 0;  // of the photo clicked, for the load's target
    std::map<std::string, double> figures;  // what a command measures besides time (MB held)
};
inline std::map<std::string, Worst>& Worsts() {
    static std::map<std::string, Worst> w;
    return w;
}
struct Runs {
    double worstStall = 0;
    std::map<std::string, double> sums;
    int count = 0;
};
inline bool Measure(benchmark::State& state, Runs& runs, const char* what, const std::vector<Result>& results,
             const std::function<void()>& trigger) {
    Probe& probe = B().probe;
    probe.Reset();
    // A job's state is read once the job has ended.
    for (const Result& r : results)
        probe.Expect(r.first, [shown = r.second] { return Bench::Idle() && shown(); }, r.first.rfind("file", 0) != 0);
    if (!probe.Run(trigger)) {
        state.SkipWithError("timed out before the result was shown");
        return false;
    }
    ++runs.count;
    for (size_t i = 0; i < results.size(); ++i) {
        const double ms = probe.ShownMs(results[i].first);
        if (i == 0) state.SetIterationTime(ms / 1000.0);
        else state.counters[results[i].first + "_ms"] = (runs.sums[results[i].first] += ms) / runs.count;
    }
    runs.worstStall = std::max(runs.worstStall, probe.LongestStallMs());
    Worst& worst = Worsts()[std::string(what) + "/" + std::to_string(state.range(0))];
    for (const Result& r : results) worst.shownMs[r.first] = std::max(worst.shownMs[r.first], probe.ShownMs(r.first));
    worst.stallMs = std::max(worst.stallMs, probe.LongestStallMs());
    state.counters["stall_ms"] = runs.worstStall;
    if (qEnvironmentVariableIsSet("LUMORA_LATENCY_VERBOSE"))
        std::fprintf(stderr, "  %s/%d: %s %.1f ms, stall %.1f ms\n", what, static_cast<int>(state.range(0)),
                     results[0].first.c_str(), probe.ShownMs(results[0].first), probe.LongestStallMs());
    return true;
}

}  // namespace latency
