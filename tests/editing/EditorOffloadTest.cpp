// SPDX-License-Identifier: GPL-3.0-or-later
// Long pixel work handed to the host as a job: run on another thread it gives what the same editor gives
// on one thread, every call it makes back to the window goes through OnHostThread, and
// failures and refusals come back as they would.
#include <gtest/gtest.h>

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "EditorTestSupport.h"
#include "imaging/Refusal.h"

using namespace edittest;

namespace {

// Runs the work on a thread of its own, as a window does, and counts the calls that reach it
// from that thread without OnHostThread.
struct ThreadedHost : CountingHost {
    std::thread::id home = std::this_thread::get_id();
    std::recursive_mutex lock;
    bool routed = false;
    int works = 0;
    mutable std::atomic<int> strays{0};

    void StartJob(std::function<void()> work, std::function<void(std::exception_ptr)> then) override {
        ++works;
        std::exception_ptr failure;
        std::thread t([&] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
        });
        t.join();
        then(failure);
    }
    void OnHostThread(const std::function<void()>& f) override {
        std::lock_guard<std::recursive_mutex> g(lock);
        routed = true;
        f();
        routed = false;
    }
    void check() const {
        if (std::this_thread::get_id() != home && !routed) ++strays;
    }
    void RedrawView() override { check(), CountingHost::RedrawView(); }
    void LayoutView() override { check(), CountingHost::LayoutView(); }
    void ViewOuterSize(int& w, int& h) const override { check(), CountingHost::ViewOuterSize(w, h); }
    void SetBusy(bool on, lum::BusyKind kind) override { check(), CountingHost::SetBusy(on, kind); }
    void HistoryChanged() override { check(); }
};

// An editor of a window whose host works on another thread, the photo committed.
struct Threaded {
    lum::RecordingPrompts prompts;
    ThreadedHost host;
    lum::Editor editor{lum::EditorPolicy::MainWindow(), &prompts, &host};
    explicit Threaded(const lum::Image& photo) {
        editor.State().picture.Baseline() = photo;
        editor.CommitMemoryImage();
    }
};

}  // namespace

TEST(EditorOffload, BigPhotosWorkOffTheThreadWithTheSameResults) {
    // Big enough to be handed over (9 MB), and a small one that is not.
    for (const auto& [w, h] : {std::pair{2000, 1500}, std::pair{60, 40}}) {
        const lum::Image photo = RandomImage(w, h, 7);
        Window here(photo);
        Threaded t(photo);
        lum::Editor& there = t.editor;
        const auto same = [&](const std::string& what) {
            EXPECT_TRUE(there.State().picture.Work() == here.st().picture.Work()) << what << " " << w;
            EXPECT_TRUE(there.State().picture.Baseline() == here.st().picture.Baseline()) << what << " " << w;
            EXPECT_EQ(there.history().Position(), here.editor.history().Position()) << what;
        };
        for (const char* word : {"optimize", "rotate-cw", "blur:3", "resize:900x700", "grey"}) {
            ASSERT_TRUE(here.Apply(word));
            const lum::ParsedOperation p = lum::ParseOperationWord(word);
            ASSERT_TRUE(there.Run(*p.op, p.args)) << word;
            same(word);
        }
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(here.editor.Undo() && there.Undo());
        same("undo");
        ASSERT_TRUE(here.editor.Redo() && there.Redo());
        same("redo");
        EXPECT_EQ(t.host.strays, 0);
        if (w == 2000) EXPECT_GT(t.host.works, 10);
        else EXPECT_EQ(t.host.works, 0);
    }
}

TEST(EditorOffload, FailuresComeBackFromTheWorkAndTheEditorIsWhole) {
    Threaded t(RandomImage(2000, 1500, 3));
    lum::Editor& editor = t.editor;
    // A refusal from the work: said, nothing recorded.
    const lum::Operation refusing =
        lum::Operation("refusing", [](lum::Editor&, const lum::OpArgs&) { throw lum::Refusal("Not now"); }).Undoable("R");
    EXPECT_FALSE(editor.Run(refusing, lum::OpArgs()));
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    // A failure from the work comes out of Run; the host is the window's again after it.
    const lum::Operation failing =
        lum::Operation("failing", [](lum::Editor&, const lum::OpArgs&) { throw std::runtime_error("broken"); }).Undoable("F");
    EXPECT_THROW(editor.Run(failing, lum::OpArgs()), std::runtime_error);
    EXPECT_EQ(&editor.Host(), &t.host);
    EXPECT_FALSE(editor.history().CanRedo());
    EXPECT_TRUE(editor.Run(*lum::FindOperation("grey"), lum::OpArgs()));
    EXPECT_EQ(t.host.strays, 0);
}
