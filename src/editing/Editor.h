// SPDX-License-Identifier: GPL-3.0-or-later
// The editor of one window: it owns the window's editing state and macro recorder and runs
// operations of the table for it, each inside one busy scope, recording its macro action,
// answering from its history whether the picture is saved and asking for a redraw. The main
// window and the compare window are two instances configured by a policy.
#pragma once
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editing/EditState.h"
#include "editing/History.h"
#include "editing/Macro.h"
#include "editing/Operation.h"
#include "editing/Prompts.h"
#include "editing/Tool.h"

namespace lum {

// What differs between the two windows.
struct EditorPolicy {
    unsigned window = kMainWindow;              // its macro replay set and its controls
    FitRule fit = FitRule::KeepZoomWhenFits;    // the zoom of a commit when the image fits
    bool compareOptimize = false;               // optimize with kernel 1 4 1 and a 40 % blend
    bool paintBackground = false;               // background = second paint colour, else white
    bool tracksOptimized = true;                // optimize marks the photo optimized
    // Only the working image is kept: a commit moves the baseline into it and keeps none, there
    // is no history (Undo does nothing), and the source copy lives only while an operation
    // that reads it runs. For the command line, where nothing is undone or shown.
    bool lean = false;

    static EditorPolicy MainWindow();
    static EditorPolicy CompareWindow();
    // The main window's behaviour, lean.
    static EditorPolicy CommandLine();
};

// The window side of an editor. Every member has a do-nothing default, so an editor without a
// window (the command line, tests) needs none.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual void RedrawView() {}
    // After a commit: the view laid out for the zoom, then redrawn.
    virtual void LayoutView() { RedrawView(); }
    // The outer size of the photo view, for the fit of a commit.
    virtual void ViewOuterSize(int& w, int& h) const { (void)w, (void)h; }
    // Hourglass (or the progress window) on and off; nested calls balance.
    virtual void SetBusy(bool on, BusyKind kind) { (void)on, (void)kind; }
    // The buttons and cursor that follow ClearSelection and ResetTool.
    virtual void SelectionCleared() {}
    virtual void ToolWasReset() {}
    // A paint colour changed (the angle rotation sets the second one, the pipette either).
    virtual void PaintColoursChanged() {}
    // The desktop clipboard: its picture (false when it holds none), and a picture put on it.
    virtual bool ClipboardImage(Image& out) const {
        (void)out;
        return false;
    }
    virtual void PutOnClipboard(const Image& img) { (void)img; }
    // The tool a press would reach changed outside a mouse event (a mix started floating): the
    // pointer's cursor follows.
    virtual void PointerChanged() {}

    // --- for the paint tools ---
    // Repaints the view over the image rectangle r (right and bottom exclusive) only.
    virtual void RedrawImageRect(const Rect& r) { (void)r, RedrawView(); }
    // Repaints the view over r in view pixels only (a rubber band moved).
    virtual void RedrawViewRect(const Rect& r) { (void)r, RedrawView(); }
    // Draws on the view directly; the ink lasts until the view is next redrawn over it.
    virtual void DrawOnView(const ViewLine& line) { (void)line; }
    // The colour the view shows at a view point; false when there is none.
    virtual bool ViewColour(ImagePoint view, Colour& c) const { (void)view, (void)c; return false; }
    // The pipette's readout and swatch.
    virtual void ShowColourReadout(Colour c) { (void)c; }
    virtual void ShowSwatch(Colour c) { (void)c; }
    // A wide solid line with round ends from a to b, width pixels wide, rasterised into mask
    // whose (0, 0) lies at origin; an empty mask draws nothing.
    virtual Mask LineMask(ImagePoint a, ImagePoint b, int width, ImagePoint& origin) const {
        (void)a, (void)b, (void)width, (void)origin;
        return Mask();
    }
    // Asked now and then during a long piece of work (a fill), from whatever thread runs it:
    // false asks the work to stop (the window is closing). Answers at once, nothing waits.
    virtual bool KeepAlive() { return true; }
    // How much work (in milliseconds) may pass between two of those calls.
    virtual int KeepAliveIntervalMs() const { return 30; }
    // The zoom tool changed the slot: lay the view out for it, bring the view point that was
    // clicked at oldZoom to the middle, redraw.
    virtual void ZoomStepped(ImagePoint view, int oldZoom) { (void)view, (void)oldZoom; }
    // The selection tools' two labels, in image pixels: where the shape (or the mouse) is, and
    // the shape's size (none before a shape is drawn).
    virtual void ToolLabels(ImagePoint position, const std::optional<ImagePoint>& size) { (void)position, (void)size; }
    // A step was recorded, taken back or done again, or the history was cleared: what Undo and
    // Redo offer has changed.
    virtual void HistoryChanged() {}

    // --- long pixel work ---
    // Runs work as a job off the host's thread and returns at once; `then` runs on the host's
    // thread once the work is over, with what it threw (null: nothing). Until then the state is
    // the work's: the host paints what it showed and takes no command that touches the picture.
    // Without a window both run here and now.
    virtual void StartJob(std::function<void()> work, std::function<void(std::exception_ptr)> then);
    // Runs f on the thread the host lives on and returns once it has run (called by work).
    virtual void OnHostThread(const std::function<void()>& f) { f(); }
};

class Editor {
public:
    explicit Editor(const EditorPolicy& policy, Prompts* prompts = nullptr, EditorHost* host = nullptr);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    EditState& State() { return st_; }
    const EditState& State() const { return st_; }
    const EditorPolicy& Policy() const { return policy_; }
    // What the progress window says for the operation that asked for it last (untranslated,
    // "Operation" context); null before any.
    const char* ProgressWords() const { return progressWords_; }
    MacroRecorder& Macro() { return macro_; }
    const MacroRecorder& Macro() const { return macro_; }
    Prompts& prompts() const { return *prompts_; }
    // prompts answers the questions of the operations and of the recorder (null: none asked).
    void SetPrompts(Prompts* prompts);
    void SetHost(EditorHost* host) { host_ = host ? host : &noHost_; }
    // The window side (a do-nothing one without a window), for busy scopes of the window's own
    // long commands.
    EditorHost& Host() const { return *host_; }
    // Reads the balance targets from the Options at the moment an operation needs them.
    std::function<void(BalanceTargets&)> ReadOptions;

    // --- operations of the table ---
    // As its control runs it: the parameters asked when the operation asks for them, starting
    // from its proposal, or as the control's argument text gives them. end hears how it ended
    // (see RunEnd); a refusal's message went through the prompts.
    void Start(const Operation& op, const std::string& controlArgs, RunEnd end);
    // With the parameters given (the command line): nothing is asked.
    void Start(const Operation& op, const OpArgs& args, RunEnd end);
    // The same to their end, for callers without a window (the command line, tests): false when
    // cancelled or refused, a failure thrown. Never while a host runs jobs later.
    bool Run(const Operation& op, const std::string& controlArgs = std::string());
    bool Run(const Operation& op, const OpArgs& args);
    // By command-line name; std::invalid_argument when the table has none.
    bool Run(const std::string& name);
    // ExecuterClick: replays the recorded list through the table, as this window replays it, one
    // operation after the other; end once the last has ended (or one failed).
    void ReplayMacro(RunEnd end);
    void ExecuteMacro();

    // --- the state's operations with the view ---
    // The baseline becomes the picture. `ready`: copies of it made beforehand, taken over by the
    // commit (see PictureImages::Commit).
    // A commit outside a step puts another picture in place: the history starts afresh.
    void CommitMemoryImage(CommitMode mode = CommitMode::Normal, BaselineCopies* ready = nullptr);
    // picture, made from the working image and framed as it is, becomes the baseline and is
    // committed (a step keeps the old baseline). The operation then sets its framing where it
    // turned or reframed the picture.
    void CommitPicture(Image picture, CommitMode mode = CommitMode::Normal);
    // The same for a picture not made from the photo (a new image, a paste): it stands for the
    // photo as loaded from now on.
    void CommitNewPicture(Image picture);
    void Memorize();    // the working image becomes the baseline, as one step
    void ResetImage();  // the working image goes back to the baseline, as one step
    // picture becomes the working image (of any size), as one step called label; the baseline
    // stays. The edits another window made to this one's picture, framed as given (else as the
    // working image was).
    void ReplaceWorkImage(Image picture, const std::string& label,
                          const std::optional<LoadedFraming>& framing = std::nullopt);
    void ClearSelection();
    void ResetTool();
    // Both: no selection, no tool, nothing floating (geometry, pastes, a new photo).
    void DropSelectionAndTool();
    // The source copy := the working image (the history learns that it holds the image as it was).
    void BeginPixelOp();
    // A pixel function is about to make the source copy a copy of the working image itself.
    void SourceWillRefresh();
    // Between operations the source copy is read by nothing (the next one makes its own):
    // dropped, unless a step, a drag or a floating mix still reads it. False when kept.
    bool DropSourceCopy();

    // Runs work (reading and writing the state only, asking nothing) as a job of the host when the
    // working image is big enough to stall a window, else here and now; `then` runs after it on
    // this thread, with what work threw. While the job runs the calls work makes to the host, the
    // macro menu and ReadOptions run on the host's thread. Inside a job both simply run.
    void Offload(std::function<void()> work, std::function<void(std::exception_ptr)> then);
    // Below this a picture's work is quicker than handing it over.
    static constexpr size_t kOffloadBytes = size_t(8) << 20;
    // A job owns the state: nothing may read or change it until the job has ended.
    bool JobRunning() const { return jobs_ > 0; }

    // --- the history of steps ---
    const History& history() const { return history_; }
    void SetHistoryLimits(const HistoryLimits& limits) { history_.SetLimits(limits); }
    // One step back (forward). False when there is none, or while a step is being made (a
    // stroke being drawn, a fill running, a job). A floating mix is placed for good first; the
    // selection goes with a step that moved it or changed the image's size. then (if any) runs
    // once the step is on screen, with what failed; without it a failure is thrown.
    bool Undo(std::function<void(std::exception_ptr)> then = nullptr);
    bool Redo(std::function<void(std::exception_ptr)> then = nullptr);
    // A step around a tool's action (a stroke from press to release, a fill, a drag of the
    // selected piece or of the floating mix); steps begun inside it join it. Any step but a
    // drag of the floating mix places the mix for good first.
    void BeginStep(const std::string& label, unsigned flags = kStepPlain);
    // changed: a rectangle holding every pixel of the working image the step changed (empty:
    // none).
    void EndStep(const Rect& changed = kAnyPixel);
    // Puts back what the open step changed and records nothing (a fill stopped half way).
    void AbandonStep(const Rect& changed = kAnyPixel);
    // A step that changes only r keeps r's pixels before changing them.
    void KeepBefore(const Rect& r) { history_.KeepBefore(st_, r); }
    // A file now holds the working image: the unsaved mark goes, and comes back with any step
    // away from here.
    void MarkSaved();
    // The working image changed: switching photos or closing asks to save it. Every operation
    // of the table that changes it does this; a tool that changes it outside an operation
    // calls it too. The mark lasts until the step around the change closes (then the history
    // says), a save, or another picture.
    void MarkUnsaved() { unsaved_ = true; }
    // What a file would hold is what the picture's file holds (or, for a new picture, what is
    // not worth a question): the history stands at the saved position, or has only gone through
    // steps that change nothing a file holds, and nothing was marked unsaved since.
    bool Saved() const { return !unsaved_ && history_.AtSaved(); }
    // When every change since the picture was loaded or saved is a quarter turn or a mirror (one
    // at least): the transform they make together, as an EXIF orientation value (1..8); 0 otherwise.
    int TurnsSinceSaved() const;
    // Every step since the picture was loaded or saved that changed what a file would hold was
    // an optimize (what the questions before leaving it call it), in a window that tracks it.
    bool OnlyOptimized() const;
    // The image the running pixel operation reads: the source copy, or the working image itself
    // when this editor made no source copy for it (a lean editor running an in-place operation).
    const Image& PixelSource() const { return readsWork_ ? st_.picture.Work() : st_.picture.SourceCopy(); }
    void Redraw() { host_->RedrawView(); }
    // The zoom tool at a view point: one slot of the zoom table up (direction > 0) or down.
    void ZoomStep(int direction, ImagePoint view);
    void ShowToolLabels(ImagePoint position, const std::optional<ImagePoint>& size) { host_->ToolLabels(position, size); }
    BalanceTargets CurrentTargets();
    Confinement Confine() const { return st_.selection.Confine(); }
    // The colour of erased and uncovered areas.
    Colour BackgroundColour() const;
    void SetPaintColour1(Colour c);
    void SetPaintColour2(Colour c);

    // --- the tools of the photo view ---
    // A press goes to the floating mix while one is being placed, else to the selection's
    // handler while a selection exists, else to the chosen tool; the moves and the release of
    // a drag go to whichever took its press.
    void SetTool(std::unique_ptr<Tool> tool);
    Tool* ActiveTool() const { return tool_.get(); }
    void SetFloatingTool(std::unique_ptr<Tool> tool);
    Tool* FloatingTool() const { return floating_.get(); }
    void SetSelectionTool(std::unique_ptr<Tool> tool);
    Tool* SelectionTool() const { return selectionTool_.get(); }
    Tool* PointerTool() const;
    // Every tool that draws over the photo, in drawing order.
    std::vector<const Tool*> DrawingTools() const;
    // Tools replaced or reset while one of them was running stay alive until the event that
    // dropped them is over; the view calls this after each mouse event.
    void DropRetiredTools() { retired_.clear(); }
    // The selection's outline as the view draws it (none without a selection).
    std::vector<Outline> SelectionOutline() const;

    // Hourglass on for the life of the scope, also when it ends by an exception. Operations
    // that ask in the middle of their run (NotBusy) take one for their pixel work.
    class BusyScope {
    public:
        BusyScope(EditorHost& host, BusyKind kind) : host_(host), kind_(kind) { host_.SetBusy(true, kind_); }
        ~BusyScope() { host_.SetBusy(false, kind_); }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        EditorHost& host_;
        BusyKind kind_;
    };

private:
    // The defaults with the operation's proposal for its dialog.
    OpArgs Proposal(const Operation& op) const;
    void start(const Operation& op, OpArgs args, bool ask, RunEnd end);
    void runOp(const Operation& op, OpArgs args, bool ask, RunEnd end);
    // The rest of runOp once the parameters are known; source keeps the run's source scope.
    void runAsked(const Operation& op, std::shared_ptr<OpArgs> args, std::shared_ptr<void> source, RunEnd end);
    // Runs start to its end here and now (see Run).
    static bool finish(const std::function<void(RunEnd)>& start);
    void replay(std::shared_ptr<const std::vector<MacroAction>> actions, size_t next, RunEnd end);
    void record(const Operation& op, const OpArgs& args);
    // The history's step closed: the unsaved mark follows it.
    void stepClosed(bool recorded);
    void showStep(const StepShown& shown);
    bool takeStep(bool forward, std::function<void(std::exception_ptr)> then);
    // A floating mix stays where it is composed.
    void endFloatingMix();

    EditorPolicy policy_;
    const char* progressWords_ = nullptr;
    EditState st_;
    MacroRecorder macro_;
    SilentPrompts noPrompts_;
    Prompts* prompts_;
    EditorHost noHost_;
    EditorHost* host_;
    void retire(std::unique_ptr<Tool>& slot);

    bool readsWork_ = false;
    bool unsaved_ = false;  // marked unsaved outside what the history knows
    std::atomic<bool> offloading_{false};  // set on the job's thread while it runs
    int jobs_ = 0;             // jobs started and not ended (the host's thread only)
    History history_;
    std::unique_ptr<Tool> tool_, floating_, selectionTool_;
    std::vector<std::unique_ptr<Tool>> retired_;
};

}  // namespace lum
