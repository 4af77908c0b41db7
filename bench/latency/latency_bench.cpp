// Latency of the windows as a user feels it, on real widgets (offscreen platform) and real
// photos of 12 and 24 megapixels made at run time from the sample photos: for each command, the
// time from its event to the first paint that shows the result (the benchmark's time), and the
// longest stall of the event loop while it ran (counter stall_ms, the largest of the runs).
// Then the targets on a 24-megapixel photo, each against the worst run, with pass or FAIL; the
// exit status is 1 when one was missed.
//
//   lumora_latency_bench                                   every command at both sizes
//   lumora_latency_bench --benchmark_filter=ListClick/24   loading a 24-megapixel photo
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

#include "LatencyProbe.h"
#include "app/App.h"
#include "app/CompareWindow.h"
#include "app/MainWindow.h"
#include "editing/PaintTools.h"
#include "editing/Prompts.h"
#include "image/Codec.h"
#include "image/Stretch.h"
#include "view/EditPane.h"
#include "view/FileListView.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"

namespace {

// What an interrupt has to remove, kept where a signal handler can read it without allocating.
struct Leftovers {
    char dir[4096] = {};
    char files[8][4096] = {};
    int count = 0;
};
Leftovers& ToRemove() {
    static Leftovers l;
    return l;
}
void Remember(char (&into)[4096], const QString& path) {
    const QByteArray b = QFile::encodeName(path);
    std::snprintf(into, sizeof into, "%s", b.constData());
}
extern "C" void RemovePhotosAndExit(int sig) {
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

// A sample photo stretched to w x h with a little grain, so it codes like a photo, written with
// our own encoder at quality 92.
PhotoFile MakePhoto(const QString& dir, const char* sample, int w, int h, uint32_t seed) {
    const std::string src = std::string(LUMORA_SAMPLE_PHOTOS) + "/" + sample;
    const lum::Image small = lum::LoadPicture(src).image;
    lum::Image big(w, h);
    lum::StretchDraw(big, lum::Rect{0, 0, w, h}, small);
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
    const std::vector<uint8_t> bytes = lum::EncodeJpeg(big, o);
    PhotoFile f;
    f.path = QDir(dir).filePath(QStringLiteral("%1_%2x%3.jpg").arg(QString::fromLatin1(sample).section('.', 0, 0)).arg(w).arg(h));
    Leftovers& l = ToRemove();
    if (l.count < 8) Remember(l.files[l.count++], f.path);
    lum::WriteFileAtomic(f.path.toStdString(), bytes);
    f.width = w;
    f.height = h;
    f.decodeMs = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        const std::vector<uint8_t> file = lum::ReadFileBytes(f.path.toStdString());
        const lum::Image img = lum::DecodeJpeg(file.data(), file.size());
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        f.decodeMs = std::min(f.decodeMs, ms);
    }
    return f;
}

// The program's windows with a folder of photos in the main window's list, made once for the
// whole run.
struct Bench {
    QTemporaryDir dir;
    lum::RecordingPrompts prompts;  // every question answered No
    std::unique_ptr<lum::Program> program;
    TMemPhotoActionForm* window = nullptr;
    std::map<int, std::vector<PhotoFile>> photos;  // by megapixels: two different photos
    latency::Probe probe;
    int next = 0;

    Bench() {
        TMemPhotoActionForm::SetStartupLogoPath(QStringLiteral("/nonexistent/LumoraLogo.jpg"));
        Remember(ToRemove().dir, dir.path());
        photos[12] = {MakePhoto(dir.path(), "hubble_deep_field.jpg", 4000, 3000, 1),
                      MakePhoto(dir.path(), "rocket.jpg", 4000, 3000, 2)};
        photos[24] = {MakePhoto(dir.path(), "hubble_deep_field.jpg", 6000, 4000, 3),
                      MakePhoto(dir.path(), "rocket.jpg", 6000, 4000, 4)};
        program = std::make_unique<lum::Program>(&prompts);
        window = &program->MainWindow();
        window->resize(1024, 740);
        window->show();
        QTest::qWait(50);
        List()->setDirectory(dir.path() + QLatin1Char('/'));
        probe.Watch(QStringLiteral("PaintBox1"));
        QTest::qWait(50);
    }

    TLsFilelistView28* List() const { return window->findChild<TLsFilelistView28*>(QStringLiteral("LsFilelistView282")); }
    lum::EditState& St() const { return window->State(); }
    QToolButton* Button(const char* name) const { return window->findChild<QToolButton*>(QString::fromLatin1(name)); }

    // Sample pixels of the working image, to tell a changed picture from the one before.
    std::vector<uint8_t> Samples() const {
        const lum::Image& img = St().WorkImage;
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
        const QSize want(static_cast<int>(static_cast<int64_t>(St().WorkImage.width()) * v->Zoom() / 100),
                         static_cast<int>(static_cast<int64_t>(St().WorkImage.height()) * v->Zoom() / 100));
        return v->PaintBox1()->size() == want;
    }
    bool Shows(const PhotoFile& f) const {
        return St().CurrentFileName == f.path.toStdString() && St().WorkImage.width() == f.width &&
               St().WorkImage.height() == f.height && PaintBoxFits();
    }

    // Clicks the photo in the list, as a user does.
    void ClickInList(const PhotoFile& f) {
        TLsFilelistView28* list = List();
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
        St().Saved = true;
        St().Optimized = false;
        probe.Reset();
        probe.Expect("shown", [&] { return Shows(f); });
        if (!probe.Run([&] { ClickInList(f); })) throw std::runtime_error("photo did not load");
        return f;
    }

    void Click(const char* button) { Button(button)->click(); }
};

// Made on first use, destroyed by main before the application, so its folder goes too.
std::unique_ptr<Bench>& TheBench() {
    static std::unique_ptr<Bench> bench;
    return bench;
}
Bench& B() {
    if (!TheBench()) TheBench() = std::make_unique<Bench>();
    return *TheBench();
}

// One run of a command: `trigger` is its event; the first result listed is the benchmark's
// time, the others are counters named after them (the mean over the runs, in ms). The longest
// stall of any run is the counter stall_ms. False when the run failed.
using Result = std::pair<std::string, std::function<bool()>>;

// The worst run of each command at each size ("ListClick/24"): per result and the stall, for
// the targets' check at the end.
struct Worst {
    std::map<std::string, double> shownMs;
    double stallMs = 0;
    double decodeMs = 0;  // of the photo clicked, for the load's target
};
std::map<std::string, Worst>& Worsts() {
    static std::map<std::string, Worst> w;
    return w;
}
struct Runs {
    double worstStall = 0;
    std::map<std::string, double> sums;
    int count = 0;
};
bool Measure(benchmark::State& state, Runs& runs, const char* what, const std::vector<Result>& results,
             const std::function<void()>& trigger) {
    latency::Probe& probe = B().probe;
    probe.Reset();
    for (const Result& r : results) probe.Expect(r.first, r.second);
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

// --- the commands ---

void BM_ListClick(benchmark::State& state) {
    Bench& b = B();
    const int mp = static_cast<int>(state.range(0));
    b.Load(mp);
    Runs runs;
    for (auto _ : state) {
        const PhotoFile& f = b.photos[mp][static_cast<size_t>(b.next++ % 2)];
        b.St().Saved = true;
        b.St().Optimized = false;
        // The first paint of the clicked photo (its preview, or the photo when it came first),
        // then the exact photo with its state.
        auto exact = [&] { return b.Shows(f); };
        auto first = [&] { return b.window->View()->ShowsPreview() || b.Shows(f); };
        if (!Measure(state, runs, "ListClick", {{"first", first}, {"exact", exact}}, [&] { b.ClickInList(f); }))
            break;
        state.counters["decode_ms"] = f.decodeMs;
        double& decode = Worsts()["ListClick/" + std::to_string(mp)].decodeMs;
        decode = std::max(decode, f.decodeMs);
    }
}

void BM_Optimize(benchmark::State& state) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)));
    Runs runs;
    for (auto _ : state) {
        b.window->Undo();
        QTest::qWait(20);
        const std::vector<uint8_t> before = b.Samples();
        if (!Measure(state, runs, "Optimize", {{"shown", [&] { return b.Samples() != before; }}},
                     [&] { b.Click("ProcessingOptimumActionSpeedButton"); }))
            break;
    }
}

void BM_Undo(benchmark::State& state) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)));
    const std::vector<uint8_t> loaded = b.Samples();
    Runs runs;
    for (auto _ : state) {
        b.window->Optimize();
        QTest::qWait(20);
        if (!Measure(state, runs, "Undo", {{"shown", [&] { return b.Samples() == loaded; }}},
                     [&] { b.Click("UndoSpeedButton"); }))
            break;
    }
}

void BM_QuarterTurn(benchmark::State& state) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)));
    Runs runs;
    bool right = true;
    for (auto _ : state) {
        const int w = b.St().WorkImage.width(), h = b.St().WorkImage.height();
        auto turned = [&] { return b.St().WorkImage.width() == h && b.St().WorkImage.height() == w && b.PaintBoxFits(); };
        // Right, then left: each run starts from the photo as loaded or turned once.
        const char* button = right ? "SpeedButton1" : "Btrot90";
        right = !right;
        if (!Measure(state, runs, "QuarterTurn", {{"shown", turned}}, [&] { b.Click(button); })) break;
    }
}

void BM_Zoom(benchmark::State& state) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)));
    Runs runs;
    // From the fit to 50 % and back to the fit of the window: the two zooms a user tries first.
    const char* items[2] = {"ZoomTo_50_Menuitem", "ZoomTo_FitWindow_Menuitem"};
    int i = 0;
    for (auto _ : state) {
        QAction* item = b.window->Pane()->ZoomMenu()->findChild<QAction*>(QString::fromLatin1(items[i++ % 2]));
        const QSize before = b.window->View()->PaintBox1()->size();
        auto zoomed = [&] { return b.window->View()->PaintBox1()->size() != before && b.PaintBoxFits(); };
        if (!Measure(state, runs, "Zoom", {{"shown", zoomed}}, [&] { item->trigger(); })) break;
    }
}

// The compare window, opened by its button and closed again once it has shown both photos.
void BM_OpenCompare(benchmark::State& state) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)));
    const int w = b.St().WorkImage.width(), h = b.St().WorkImage.height();
    Runs runs;
    auto compareWindow = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TViewBigEditPhotoForm*>(top); form && form->isVisible()) return form;
        return static_cast<TViewBigEditPhotoForm*>(nullptr);
    };
    for (auto _ : state) {
        bool shown = false;
        auto painted = [&] {
            TViewBigEditPhotoForm* form = compareWindow();
            shown = shown || (form && b.probe.LastPainted() == form->View()->PaintBox1() &&
                              form->State().WorkImage.width() == w && form->State().WorkImage.height() == h);
            return shown;
        };
        // The window is modal: it is closed from a timer that runs in its own event loop.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (TViewBigEditPhotoForm* form = compareWindow(); form && shown) form->close();
        });
        closer.start(5);
        if (!Measure(state, runs, "OpenCompare", {{"shown", painted}}, [&] { b.Click("ComparePhotosSpeedButton"); }))
            break;
    }
}

// A flood fill in the compare window (where the paint tools are), pressed near the photo's
// top-left corner with the fill's own threshold; shown once the whole filled area is painted.
// Counter filled_pct: the share of the photo the fill covers.
void BM_FloodFill(benchmark::State& state) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)), 0);
    const lum::Image photo = b.St().WorkImage;
    TViewBigEditPhotoForm form(b.program->dialogs(), &b.prompts);
    form.resize(1024, 740);
    form.show();
    form.paintToolbar()->show();
    QPoint at;
    auto reset = [&] {
        form.FillCompareWindow(photo, photo);
        if (form.State().ToolMode != lum::kToolFill) form.paintToolbar()->Button(QStringLiteral("Btpeinture"))->click();
        QTest::qWait(20);
    };
    auto press = [&] {
        QWidget* box = form.View()->PaintBox1();
        QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, at);
    };
    // Untimed first fills from a few points in the sky: the one that covers the most is timed,
    // and each run is shown once the photo is what that fill left.
    lum::Image filled;
    int64_t changed = -1;
    QPoint best;
    for (const QPoint candidate : {QPoint(20, 20), QPoint(200, 60), QPoint(60, 300), QPoint(400, 400)}) {
        at = candidate;
        reset();
        press();
        QTest::qWait(20);
        int64_t n = 0;
        const lum::Image& now = form.State().WorkImage;
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x) n += std::memcmp(photo.pixel(x, y), now.pixel(x, y), 3) != 0;
        if (n > changed) {
            changed = n;
            filled = now;
            best = candidate;
        }
    }
    at = best;
    Runs runs;
    for (auto _ : state) {
        reset();
        if (!Measure(state, runs, "FloodFill", {{"shown", [&] { return form.State().WorkImage == filled; }}}, press))
            break;
        state.counters["filled_pct"] = 100.0 * static_cast<double>(changed) / (static_cast<double>(photo.width()) * photo.height());
    }
}

#define LATENCY(fn) BENCHMARK(fn)->Arg(12)->Arg(24)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6)
LATENCY(BM_ListClick);
LATENCY(BM_Optimize);
LATENCY(BM_Undo);
LATENCY(BM_QuarterTurn);
LATENCY(BM_Zoom);
LATENCY(BM_OpenCompare);
LATENCY(BM_FloodFill);

// The targets on a 24-megapixel photo, each against the worst of its runs; printed for the
// commands that ran. False when one was missed.
bool CheckTargets() {
    struct Target {
        const char* command;
        const char* result;  // a result's name, or "stall"
        const char* what;
        double limitMs;
        bool plusDecode;  // the limit is added to the photo's bare decode time
    };
    const Target targets[] = {
        {"ListClick/24", "first", "list click: first paint of the photo", 300, false},
        {"ListClick/24", "exact", "list click: the exact photo (decode + 150 ms)", 150, true},
        {"ListClick/24", "stall", "list click: longest event-loop stall", 100, false},
        {"Optimize/24", "shown", "Optimize shown", 500, false},
        {"QuarterTurn/24", "shown", "quarter turn shown", 500, false},
        {"OpenCompare/24", "shown", "compare window open and painted", 600, false},
    };
    int met = 0, checked = 0;
    std::printf("\nTargets, 24-megapixel photo, worst run:\n");
    for (const Target& t : targets) {
        const auto w = Worsts().find(t.command);
        if (w == Worsts().end()) continue;
        const double ms = std::string(t.result) == "stall" ? w->second.stallMs : w->second.shownMs.at(t.result);
        const double limit = t.limitMs + (t.plusDecode ? w->second.decodeMs : 0);
        const bool ok = ms >= 0 && ms <= limit;
        ++checked;
        met += ok;
        std::printf("  %-48s %7.1f ms  target %6.1f ms  %s\n", t.what, ms, limit, ok ? "pass" : "FAIL");
    }
    std::printf("%d of %d targets met\n", met, checked);
    return met == checked;
}

// Platform chatter (the offscreen platform cannot raise a window) would bury the table.
void QuietPlatform(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtDebugMsg || msg.contains(QLatin1String("does not support"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(msg));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietPlatform);
    // Real widgets, no screen: the offscreen platform unless another one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // The photos' folder is removed on every way out: the normal end, a failed run, and an
    // interrupt (Ctrl+C, a time limit).
    std::signal(SIGINT, RemovePhotosAndExit);
    std::signal(SIGTERM, RemovePhotosAndExit);
    std::signal(SIGHUP, RemovePhotosAndExit);
    int status = 0;
    try {
        benchmark::RunSpecifiedBenchmarks();
        status = CheckTargets() ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "latency benchmark: %s\n", e.what());
        status = 2;
    }
    benchmark::Shutdown();
    TheBench().reset();
    return status;
}
