// SPDX-License-Identifier: GPL-3.0-or-later
// The history in the compare window, where the paint tools are: Undo and Redo of a pen stroke
// drawn with the mouse and of a filter (Sharpen), each from its menu item to the first paint
// that shows the photo as it was (is again), and the memory the history holds after 20 pen
// strokes and 5 filters.
#include "LatencyBench.h"

namespace {

using namespace latency;

// A compare window filled with the photo the main window shows, as its button opens it.
struct CompareSession {
    CompareWindow form;
    explicit CompareSession(Bench& b) : form(b.program->dialogs(), &b.prompts) {
        form.resize(1024, 740);
        form.show();
        form.FillCompareWindow(b.St().picture.Work(), b.St().picture.Baseline());
        form.paintToolbar()->show();
        // The strokes are drawn at 100 %, where a photo bigger than the pane opens fitted.
        form.Pane()->ZoomToPercent(100);
        QTest::qWait(20);
    }
    const lum::Image& Work() const { return form.State().picture.Work(); }
    // A pen stroke across the part of the photo on screen, as the mouse draws it.
    void Stroke(int i) {
        if (form.State().tools.Mode() != lum::ToolMode::Pen)
            form.paintToolbar()->Button(QStringLiteral("Btcrayon"))->click();
        QWidget* box = form.View()->Canvas();
        const int y = 40 + 17 * (i % 25);
        QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(30, y));
        for (int k = 1; k <= 8; ++k) QTest::mouseMove(box, QPoint(30 + 50 * k, y + 3 * k));
        QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(430, y + 24));
        QTest::qWait(5);
    }
    void Filter() {
        form.findChild<QToolButton*>(QStringLiteral("Btdur"))->click();
        WaitForIdle();
    }
    void Undo() { form.findChild<QAction*>(QStringLiteral("Annuler1"))->trigger(); }
    void Redo() { form.editor().Redo(); }
};

// What tells the photo with the step from the photo without it: a pixel on the stroke, or the
// samples of the whole photo for a filter.
std::vector<uint8_t> Look(const lum::Image& img, bool filter) {
    if (!filter) {
        const uint8_t* p = img.pixel(80, 43);
        return std::vector<uint8_t>(p, p + 3);
    }
    std::vector<uint8_t> s;
    for (int i = 0; i < 64; ++i) {
        const uint8_t* p = img.pixel((i * 7919) % img.width(), (i * 104729) % img.height());
        s.insert(s.end(), p, p + 3);
    }
    return s;
}

void UndoRedo(benchmark::State& state, const char* what, bool filter, bool redo) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)), 0);
    CompareSession c(b);
    const std::vector<uint8_t> without = Look(c.Work(), filter);
    if (filter) c.Filter();
    else c.Stroke(0);
    const std::vector<uint8_t> with = Look(c.Work(), filter);
    if (with == without) {
        state.SkipWithError("the step changed nothing to look at");
        return;
    }
    Runs runs;
    for (auto _ : state) {
        // Untimed: the step done (for an undo) or undone (for a redo) first.
        const std::vector<uint8_t>& want = redo ? with : without;
        if (Look(c.Work(), filter) == want) redo ? c.Undo() : c.Redo();
        WaitForIdle();
        if (!Measure(state, runs, what, {{"shown", [&] { return Look(c.Work(), filter) == want; }}},
                     [&] { redo ? c.Redo() : c.Undo(); }))
            break;
    }
}

void BM_StrokeUndo(benchmark::State& state) { UndoRedo(state, "StrokeUndo", false, false); }
void BM_StrokeRedo(benchmark::State& state) { UndoRedo(state, "StrokeRedo", false, true); }
void BM_FilterUndo(benchmark::State& state) { UndoRedo(state, "FilterUndo", true, false); }
void BM_FilterRedo(benchmark::State& state) { UndoRedo(state, "FilterRedo", true, true); }

// 20 pen strokes and a filter after every fourth (5 in all), all undoable: the bytes the
// history holds (counters held_mb and copies, the photo's size in copies). The time is that of
// the 25 actions.
void BM_HistoryMemory(benchmark::State& state) {
    Bench& b = B();
    b.Load(static_cast<int>(state.range(0)), 0);
    for (auto _ : state) {
        CompareSession c(b);
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < 20; ++i) {
            c.Stroke(i);
            if (i % 4 == 3) c.Filter();
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        const lum::History& h = c.form.editor().history();
        const double mb = static_cast<double>(h.BytesHeld()) / 1e6;
        state.counters["steps"] = h.Count();
        state.counters["held_mb"] = mb;
        state.counters["copies"] = static_cast<double>(h.BytesHeld()) / static_cast<double>(c.Work().byteSize());
        double& worst = Worsts()["HistoryMemory/" + std::to_string(state.range(0))].figures["held"];
        worst = std::max(worst, h.Count() == 25 ? mb : 1e9);  // a step lost counts as a miss
    }
}

#define HISTORY_LATENCY(fn) BENCHMARK(fn)->Arg(12)->Arg(24)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6)
HISTORY_LATENCY(BM_StrokeUndo);
HISTORY_LATENCY(BM_StrokeRedo);
HISTORY_LATENCY(BM_FilterUndo);
HISTORY_LATENCY(BM_FilterRedo);
BENCHMARK(BM_HistoryMemory)->Arg(24)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
