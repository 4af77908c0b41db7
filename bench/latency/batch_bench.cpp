// SPDX-License-Identifier: GPL-3.0-or-later
// The batch optimize of four photos of the size, started from its dialog in the main window,
// until its summary is shown. The batch runs as tasks of the shared pool: the window's event loop
// keeps turning meanwhile (stall_ms).
#include <QPushButton>
#include <QStackedWidget>

#include "LatencyBench.h"
#include "app/BatchDialog.h"

namespace {

using namespace latency;

void BM_Batch(benchmark::State& state) {
    Bench& b = B();
    const int mp = static_cast<int>(state.range(0));
    b.Load(mp, 0);
    const QString folder = b.dir.filePath(QStringLiteral("batch%1").arg(mp));
    QDir().mkpath(folder);
    for (int i = 0; i < 4; ++i)
        QFile::copy(b.photos[mp][static_cast<size_t>(i % 2)].path, folder + QStringLiteral("/p%1.jpg").arg(i));
    // The summary is shown when its page is painted.
    b.probe.Watch(QStringLiteral("BatchSummaryPage"));
    Runs runs;
    for (auto _ : state) {
        QDir(folder + QStringLiteral("/optimized")).removeRecursively();
        b.window->OptimizeFolderPhotos(folder);
        lum::BatchDialog* d = b.window->BatchOptimizeDialog();
        auto* pages = d->findChild<QStackedWidget*>();
        auto* start = d->findChild<QPushButton*>(QStringLiteral("BatchStart"));
        QTest::qWait(50);
        const bool ok = Measure(state, runs, "Batch", {{"done", [&] { return pages->currentIndex() == 2; }}},
                                [&] { start->click(); });
        d->hide();
        if (!ok) break;
    }
    QDir(folder).removeRecursively();
}

}  // namespace

BENCHMARK(BM_Batch)->Arg(12)->Arg(24)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
