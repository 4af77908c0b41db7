// Long pixel work handed to the host's RunWork. The work runs on another thread: every call it
// makes back into the window (the host, the macro menu, the Options) goes to the host's thread
// and waits there, so the window's objects are only ever touched from their own thread.
#include "editing/Editor.h"

#include <memory>

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
    bool KeepAlive() override {
        bool alive = true;
        on([&] { alive = real_.KeepAlive(); });
        return alive;
    }
    int KeepAliveIntervalMs() const override {
        int ms = 0;
        on([&] { ms = real_.KeepAliveIntervalMs(); });
        return ms;
    }
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

void Editor::Offload(const std::function<void()>& work) {
    if (offloading_ || host_ == &noHost_ || st_.WorkImage.byteSize() < kOffloadBytes) {
        work();
        return;
    }
    EditorHost& real = *host_;
    HostThreadHost host(real);
    MacroMenu* const menu = macro_.Menu();
    std::unique_ptr<HostThreadMenu> menuProxy;
    if (menu) menuProxy = std::make_unique<HostThreadMenu>(*menu, real);
    const std::function<void(BalanceTargets&)> readOptions = ReadOptions;
    // Everything is put back as it was, also when the work fails.
    struct Restore {
        Editor& ed;
        EditorHost& host;
        MacroMenu* menu;
        const std::function<void(BalanceTargets&)>& readOptions;
        ~Restore() {
            ed.host_ = &host;
            ed.macro_.SetMenu(menu);
            ed.ReadOptions = readOptions;
            ed.offloading_ = false;
        }
    } restore{*this, real, menu, readOptions};
    offloading_ = true;
    host_ = &host;
    if (menuProxy) macro_.SetMenu(menuProxy.get());
    if (readOptions) ReadOptions = [&real, &readOptions](BalanceTargets& t) { real.OnHostThread([&] { readOptions(t); }); };
    real.RunWork(work);
}

}  // namespace lum
