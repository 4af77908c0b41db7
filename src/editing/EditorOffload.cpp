// SPDX-License-Identifier: GPL-3.0-or-later
// Long pixel work handed to the host as a job. The work runs on another thread: every call it
// makes back into the window (the host, the macro menu, the Options) goes to the host's thread
// and waits there, so the window's objects are only ever touched from their own thread.
#include "editing/Editor.h"

#include <memory>
#include <utility>

namespace lum {

namespace {

class HostThreadHost : public EditorHost {
public:
    explicit HostThreadHost(EditorHost& real) : real_(real) {}

    void RedrawView() override { on([&] { real_.RedrawView(); }); }
    void LayoutView() override { on([&] { real_.LayoutView(); }); }
    void ViewOuterSize(int& w, int& h) const override { on([&] { real_.ViewOuterSize(w, h); }); }
    void SetBusy(bool on_, BusyKind kind) override { on([&] { real_.SetBusy(on_, kind); }); }
    void SelectionCleared() override { on([&] { real_.SelectionCleared(); }); }
    void ToolWasReset() override { on([&] { real_.ToolWasReset(); }); }
    void PaintColoursChanged() override { on([&] { real_.PaintColoursChanged(); }); }
    bool ClipboardImage(Image& out) const override {
        bool got = false;
        on([&] { got = real_.ClipboardImage(out); });
        return got;
    }
    void PutOnClipboard(const Image& img) override { on([&] { real_.PutOnClipboard(img); }); }
    void PointerChanged() override { on([&] { real_.PointerChanged(); }); }
    void RedrawImageRect(const Rect& r) override { on([&] { real_.RedrawImageRect(r); }); }
    void RedrawViewRect(const Rect& r) override { on([&] { real_.RedrawViewRect(r); }); }
    void DrawOnView(const ViewLine& line) override { on([&] { real_.DrawOnView(line); }); }
    bool ViewColour(ImagePoint view, Colour& c) const override {
        bool got = false;
        on([&] { got = real_.ViewColour(view, c); });
        return got;
    }
    void ShowColourReadout(Colour c) override { on([&] { real_.ShowColourReadout(c); }); }
    void ShowSwatch(Colour c) override { on([&] { real_.ShowSwatch(c); }); }
    Mask LineMask(ImagePoint a, ImagePoint b, int width, ImagePoint& origin) const override {
        Mask m;
        on([&] { m = real_.LineMask(a, b, width, origin); });
        return m;
    }
    // Both answer from any thread.
    bool KeepAlive() override { return real_.KeepAlive(); }
    int KeepAliveIntervalMs() const override { return real_.KeepAliveIntervalMs(); }
    void ZoomStepped(ImagePoint view, int oldZoom) override { on([&] { real_.ZoomStepped(view, oldZoom); }); }
    void ToolLabels(ImagePoint position, const std::optional<ImagePoint>& size) override {
        on([&] { real_.ToolLabels(position, size); });
    }
    void HistoryChanged() override { on([&] { real_.HistoryChanged(); }); }
    // Already on the work's thread: nested work just runs.
    void OnHostThread(const std::function<void()>& f) override { real_.OnHostThread(f); }

private:
    void on(const std::function<void()>& f) const { real_.OnHostThread(f); }
    EditorHost& real_;
};

class HostThreadMenu : public MacroMenu {
public:
    HostThreadMenu(MacroMenu& real, EditorHost& host) : real_(real), host_(host) {}
    void SetCloseEnabled(bool on) override { host_.OnHostThread([&] { real_.SetCloseEnabled(on); }); }
    void SetExecuteEnabled(bool on) override { host_.OnHostThread([&] { real_.SetExecuteEnabled(on); }); }
    void ShowRecording(bool recording, int count) override {
        host_.OnHostThread([&] { real_.ShowRecording(recording, count); });
    }

private:
    MacroMenu& real_;
    EditorHost& host_;
};

}  // namespace

void EditorHost::StartJob(std::function<void()> work, std::function<void(std::exception_ptr)> then) {
    std::exception_ptr failure;
    try {
        work();
    } catch (...) {
        failure = std::current_exception();
    }
    then(failure);
}

void Editor::Offload(std::function<void()> work, std::function<void(std::exception_ptr)> then) {
    if (offloading_ || host_ == &noHost_ || st_.picture.Work().byteSize() < kOffloadBytes) {
        std::exception_ptr failure;
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        then(failure);
        return;
    }
    // For the life of the job the editor speaks to the window through these, which wait for the
    // window's thread; they are put in place here and taken back when the job has ended.
    struct Proxies {
        Proxies(EditorHost& r, MacroMenu* m, std::function<void(BalanceTargets&)> options)
            : real(r), menu(m), readOptions(std::move(options)), host(r) {
            if (menu) menuProxy = std::make_unique<HostThreadMenu>(*menu, real);
        }
        EditorHost& real;
        MacroMenu* menu;
        std::function<void(BalanceTargets&)> readOptions;
        HostThreadHost host;
        std::unique_ptr<HostThreadMenu> menuProxy;
    };
    auto proxies = std::make_shared<Proxies>(*host_, macro_.Menu(), ReadOptions);
    host_ = &proxies->host;
    if (proxies->menuProxy) macro_.SetMenu(proxies->menuProxy.get());
    if (proxies->readOptions)
        ReadOptions = [p = proxies.get()](BalanceTargets& t) { p->real.OnHostThread([&] { p->readOptions(t); }); };
    ++jobs_;
    proxies->real.StartJob(
        [this, work = std::move(work)] {
            struct Inside {
                std::atomic<bool>& flag;
                explicit Inside(std::atomic<bool>& f) : flag(f) { flag = true; }
                ~Inside() { flag = false; }
            } inside(offloading_);
            work();
        },
        [this, proxies, then = std::move(then)](std::exception_ptr failure) {
            --jobs_;
            host_ = &proxies->real;
            macro_.SetMenu(proxies->menu);
            ReadOptions = proxies->readOptions;
            then(failure);
        });
}

}  // namespace lum
