// SPDX-License-Identifier: GPL-3.0-or-later
// The photo-editing pane of a window: the photo view (ScrollBox1 with Canvas) bound to the
// window's editor. It is the editor's host (redraw, layout, view size, hourglass), routes the
// mouse on the photo to the editor's tool in image coordinates, draws the selection outline
// and the tool's feedback, owns the zoom pop-up menu and guards commands against errors. The
// main window and the compare window each hold one.
#pragma once
#include <QWidget>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

#include "editing/Editor.h"

class QCursor;
class QMenu;
class QPainter;

namespace lum {

class PhotoView;

// A tool of the window drawn over the photo (crop, straighten, red-eye) that takes the mouse,
// a double-click, Enter and Escape before the editor's tools while it is on.
class ViewOverlay {
public:
    virtual ~ViewOverlay() = default;
    virtual void Press(const ToolEvent& e) { (void)e; }
    virtual void Move(const ToolEvent& e) { (void)e; }
    virtual void Release(const ToolEvent& e) { (void)e; }
    virtual void DoubleClick() {}
    // Enter (true) or Escape (false).
    virtual void Finish(bool apply) { (void)apply; }
    // Over the photo, in view pixels (the painter is set for them).
    virtual void Paint(QPainter& p) const { (void)p; }
    virtual QCursor CursorAt(const ToolEvent& e) const;
};

class EditPane : public QWidget, public EditorHost {
    Q_OBJECT
public:
    explicit EditPane(Editor& editor, QWidget* parent = nullptr);
    ~EditPane() override;

    Editor& editor() const { return editor_; }
    PhotoView* View() const { return view_; }
    // ZoomScalePopupMenu, its items wired to the zoom below, or to the handler given here
    // (a percentage item with its percentage, a fit item with 0).
    QMenu* ZoomMenu() const { return zoomMenu_; }
    enum class ZoomItem { Percent, FitWidth, FitHeight, FitWindow };
    void SetMenuZoom(std::function<void(ZoomItem item, int percent)> handler) { menuZoom_ = std::move(handler); }
    // The zoom tool's step at a view point (one slot of the zoom table).
    void ZoomStep(int direction, int viewX, int viewY) { editor_.ZoomStep(direction, ImagePoint{viewX, viewY}); }

    // --- zoom (never touches the images) ---
    void ZoomToPercent(double percent);
    void ZoomToFitWidth();
    void ZoomToFitHeight();
    void ZoomToFitWindow();
    // The next larger or smaller percentage of the zoom table.
    void ZoomInStep();
    void ZoomOutStep();

    // Runs a command; an error is shown in the error box through the editor's prompts and
    // ends the command there, with the hourglass back to how it was.
    void Guard(const std::function<void()>& command);
    // Hourglasses still on (nested operations count one each).
    int BusyDepth() const { return busyDepth_; }
    // The view's cursor from the tool that would take the next press.
    void RefreshCursor();
    // overlay (not owned; null: none) takes the photo's mouse and keys from now on; the photo
    // takes the keyboard focus for it.
    void SetOverlay(ViewOverlay* overlay);
    ViewOverlay* Overlay() const { return overlay_; }

    // --- EditorHost ---
    void RedrawView() override;
    void LayoutView() override;
    void ViewOuterSize(int& w, int& h) const override;
    void SetBusy(bool on, BusyKind kind) override;
    void SelectionCleared() override;
    void ToolWasReset() override;
    void PaintColoursChanged() override;
    bool ClipboardImage(Image& out) const override;
    void PutOnClipboard(const Image& img) override;
    void PointerChanged() override;
    void RedrawImageRect(const Rect& r) override;
    void RedrawViewRect(const Rect& r) override;
    void DrawOnView(const ViewLine& line) override;
    bool ViewColour(ImagePoint view, Colour& c) const override;
    void ShowColourReadout(Colour c) override;
    void ShowSwatch(Colour c) override;
    Mask LineMask(ImagePoint a, ImagePoint b, int width, ImagePoint& origin) const override;
    // False once the pane has been hidden or StopWork was called: the work under way stops.
    bool KeepAlive() override { return !hidden_ && !stopRequested_; }
    // A job of the editor runs: the view shows what it showed, the commands that touch the
    // picture wait (the window greys them), and a close waits for it.
    bool InsideWork() const { return jobs_ > 0; }
    // Runs work on the program's pool; the view keeps showing what it showed, with the busy
    // cursor over it, and then runs once it is over (a failure goes to the error box).
    void StartJob(std::function<void()> work, std::function<void(std::exception_ptr)> then) override;
    void OnHostThread(const std::function<void()>& f) override;
    // The work under way stops at its next KeepAlive.
    void StopWork() { stopRequested_ = true; }
    // The photo takes no press from the mouse (another photo is loading).
    void HoldInput(bool on) { inputHeld_ = on; }
    // The window is going: the jobs under way stop where they can and are waited for, and
    // nothing they ask of the window runs any more. Their ends are not delivered.
    void AbandonJobs();
    int KeepAliveIntervalMs() const override { return keepAliveMs_; }
    void SetKeepAliveIntervalMs(int ms) { keepAliveMs_ = ms; }
    void ZoomStepped(ImagePoint view, int oldZoom) override;
    void ToolLabels(ImagePoint position, const std::optional<ImagePoint>& size) override;
    void HistoryChanged() override { emit HistoryWasChanged(); }

signals:
    // Hourglass on or off around an operation; the window adds its progress window.
    void BusyChanged(bool on, lum::BusyKind kind);
    void SelectionWasCleared();
    void ToolReset();
    void PaintColoursWereChanged();
    void DoubleClicked();
    // The pipette's readout and swatch.
    void ColourReadout(lum::Colour c);
    void SwatchColour(lum::Colour c);
    void ToolLabelsChanged(const QString& label1, const QString& label2);
    // The zoom tool changed the zoom slot.
    void ZoomWasStepped();
    // The view was redrawn or a mouse action on it ended: the picture or its unsaved state may
    // have changed.
    void PictureMayHaveChanged();
    // What Undo and Redo offer changed (a step was made, taken back or done again).
    void HistoryWasChanged();
    // A job started (true) or the last one ended (false): the window greys what would touch
    // the picture meanwhile.
    void WorkChanged(bool running);
    // No work runs and no command is under way any more (after work, or after a command that
    // ran some): what waited for that (a close asked for meanwhile) can go on.
    void Settled();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    enum class MouseStep { Press, Move, Release };
    Tool* captured_ = nullptr;  // the tool that took the press of the drag under way
    ViewOverlay* overlay_ = nullptr;
    ToolEvent toolEvent(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y) const;
    void route(MouseStep step, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x,
               int y);
    void drawOutlines(QPainter& p) const;
    void showCursor(const QCursor& cursor);
    void menuZoom(ZoomItem item, int percent);
    // The view follows the pane's size.
    void followResize();
    std::function<void(ZoomItem, int)> menuZoom_;

    Editor& editor_;
    PhotoView* view_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
    int busyDepth_ = 0;
    bool redrawPending_ = false;  // asked while busy: painted when the last busy scope ends
    std::atomic<bool> hidden_{false};  // hidden after having been shown
    std::atomic<bool> stopRequested_{false};
    int keepAliveMs_ = 30;
    int jobs_ = 0;  // started and not ended
    bool inputHeld_ = false;
    struct HostCalls;
    static std::shared_ptr<HostCalls> newHostCalls();
    std::shared_ptr<HostCalls> calls_;  // the calls the jobs' work makes to this thread
    bool resizedDuringWork_ = false;
    void jobsEnded();
    int guardDepth_ = 0;
};

}  // namespace lum
