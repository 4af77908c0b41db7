// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Editor.h"

#include "image/Translatable.h"

#include <climits>
#include <memory>
#include <new>
#include <stdexcept>

#include "editing/SelectionTools.h"
#include "image/LosslessTurn.h"
#include "imaging/Refusal.h"

namespace lum {

namespace {
const char* const kMemorizeLabel = "Memorize";
// The step label of the optimize rows of the operation table.
const char* const kOptimizeLabel = "Optimize";
const char* const kResetImageLabel = QT_TRANSLATE_NOOP("Operation", "Reset Image");
}  // namespace

EditorPolicy EditorPolicy::MainWindow() { return EditorPolicy{}; }

EditorPolicy EditorPolicy::CompareWindow() {
    EditorPolicy p;
    p.window = kCompareWindow;
    p.fit = FitRule::HundredPercentWhenFits;
    p.compareOptimize = true;
    p.paintBackground = true;
    p.tracksOptimized = false;
    return p;
}

EditorPolicy EditorPolicy::CommandLine() {
    EditorPolicy p;
    p.lean = true;
    return p;
}

Editor::Editor(const EditorPolicy& policy, Prompts* prompts, EditorHost* host)
    : policy_(policy), prompts_(prompts ? prompts : &noPrompts_), host_(host ? host : &noHost_) {
    macro_.SetPrompts(prompts_);
}

void Editor::SetPrompts(Prompts* prompts) {
    prompts_ = prompts ? prompts : &noPrompts_;
    macro_.SetPrompts(prompts_);
}

OpArgs Editor::Proposal(const Operation& op) const {
    OpArgs args = DefaultArgs(op);
    if (op.asks && op.preset) op.preset(st_, args);
    return args;
}

void Editor::Start(const Operation& op, const std::string& controlArgs, RunEnd end) {
    OpArgs args;
    try {
        args = controlArgs.empty() ? Proposal(op) : ParseArgs(op, controlArgs, true, op.name + ":" + controlArgs);
    } catch (...) {
        return end(false, std::current_exception());
    }
    start(op, std::move(args), true, std::move(end));
}

void Editor::Start(const Operation& op, const OpArgs& args, RunEnd end) { start(op, args, false, std::move(end)); }

bool Editor::finish(const std::function<void(RunEnd)>& start) {
    struct Outcome {
        bool ended = false, done = false;
        std::exception_ptr failure;
    };
    // Shared with the end: should a job have been started after all, its end finds it alive.
    const auto outcome = std::make_shared<Outcome>();
    start([outcome](bool done, std::exception_ptr failure) {
        outcome->ended = true;
        outcome->done = done;
        outcome->failure = failure;
    });
    if (!outcome->ended) throw std::logic_error("the operation runs as a job: its end comes later");
    if (outcome->failure) std::rethrow_exception(outcome->failure);
    return outcome->done;
}

bool Editor::Run(const Operation& op, const std::string& controlArgs) {
    return finish([&](RunEnd end) { Start(op, controlArgs, std::move(end)); });
}

bool Editor::Run(const Operation& op, const OpArgs& args) {
    return finish([&](RunEnd end) { Start(op, args, std::move(end)); });
}

bool Editor::Run(const std::string& name) {
    const Operation* op = FindOperation(name);
    if (!op) throw std::invalid_argument("no operation '" + name + "'");
    return Run(*op);
}

namespace {
// For the life of one run: whether the operation reads the working image itself; a lean
// editor drops its source copy at the end.
class SourceScope {
public:
    SourceScope(bool& readsWork, bool now, EditState& st, bool lean)
        : readsWork_(readsWork), before_(readsWork), st_(st), lean_(lean) {
        readsWork_ = now;
    }
    ~SourceScope() {
        readsWork_ = before_;
        if (lean_) st_.picture.SourceCopy() = Image();
    }
    SourceScope(const SourceScope&) = delete;
    SourceScope& operator=(const SourceScope&) = delete;

private:
    bool& readsWork_;
    bool before_;
    EditState& st_;
    bool lean_;
};

// Memory ran out (the system's answer, or a step refused for want of room).
bool OutOfMemory(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return true;
    } catch (...) {
        return false;
    }
}
}  // namespace

void Editor::start(const Operation& op, OpArgs args, bool ask, RunEnd end) {
    if (policy_.lean || op.label.empty()) return runOp(op, std::move(args), ask, std::move(end));
    BeginStep(op.label);
    runOp(op, std::move(args), ask, [this, end = std::move(end)](bool done, std::exception_ptr failure) {
        if (failure) {
            // What a failure half way changed can still be taken back; memory running out
            // leaves the picture as it was.
            if (OutOfMemory(failure)) AbandonStep();
            else EndStep();
            return end(false, failure);
        }
        if (!done) {
            // Cancelled or refused before touching the image.
            history_.Cancel(st_, macro_);
            stepClosed(true);
            return end(false, nullptr);
        }
        Offload([this] { EndStep(); }, [end](std::exception_ptr f) { end(!f, f); });
    });
}

void Editor::runOp(const Operation& op, OpArgs given, bool ask, RunEnd end) {
    const bool copySource = op.pixel && !(policy_.lean && op.inPlace);
    auto source = std::make_shared<SourceScope>(readsWork_, op.pixel && !copySource, st_, policy_.lean);
    auto args = std::make_shared<OpArgs>(std::move(given));
    // The source copy comes before the dialog, also when it is then cancelled.
    auto asked = [this, &op, ask, args = std::move(args), source = std::move(source),
                  end = std::move(end)](std::exception_ptr failure) mutable {
        if (failure) return end(false, failure);
        try {
            if (ask && op.beforeAsking) op.beforeAsking(*this);
            if (ask && op.asks && !prompts_->AskParameters(op, *args)) return end(false, nullptr);
        } catch (...) {
            return end(false, std::current_exception());
        }
        runAsked(op, std::move(args), std::move(source), std::move(end));
    };
    if (copySource) return Offload([this] { BeginPixelOp(); }, std::move(asked));
    asked(nullptr);
}

void Editor::runAsked(const Operation& op, std::shared_ptr<OpArgs> args, std::shared_ptr<void> source, RunEnd end) {
    // Both live until the operation's end, also across its job.
    std::shared_ptr<BusyScope> busy;
    if (op.busy == BusyKind::Progress) progressWords_ = op.progressWords;
    if (op.busy != BusyKind::None) busy = std::make_shared<BusyScope>(*host_, op.busy);
    if (op.marksOptimized && policy_.tracksOptimized) st_.file.SetOptimized(true);

    auto ended = [this, &op, args, source = std::move(source), busy = std::move(busy),
                  end = std::move(end)](std::exception_ptr failure) mutable {
        std::string refusal;
        bool refused = false;
        if (failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const Refusal& r) {
                // Refused before touching the image.
                refused = true;
                refusal = r.what();
            } catch (...) {
            }
        }
        if (failure && !refused) {
            // A failure half way may have changed part of it (memory running out changed nothing
            // that stays: the step puts it back).
            if (!op.keepsImage && !OutOfMemory(failure)) MarkUnsaved();
        } else if (!refused && !op.keepsImage) {
            MarkUnsaved();
        }
        source.reset();
        // Messages come after the hourglass: a question under it would look frozen.
        busy.reset();
        if (failure && !refused) return end(false, failure);
        if (refused) {
            if (!refusal.empty()) prompts_->Message(refusal);
            return end(false, nullptr);
        }
        record(op, *args);
        end(true, nullptr);
    };
    if (op.sequence) {
        // Its operations take their own steps and jobs, one after the other.
        return op.sequence(*this, *args, [ended = std::move(ended)](bool, std::exception_ptr failure) mutable {
            ended(failure);
        });
    }
    auto work = [this, &op, args] {
        op.run(*this, *args);
        // Asked while still busy, so the hourglass stays until the result is on screen.
        host_->RedrawView();
    };
    // What needs no window runs off the window's thread.
    if (op.commandLine && op.busy != BusyKind::None) return Offload(std::move(work), std::move(ended));
    std::exception_ptr failure;
    try {
        work();
    } catch (...) {
        failure = std::current_exception();
    }
    ended(failure);
}

void Editor::record(const Operation& op, const OpArgs& args) {
    if (!op.records.empty()) {
        for (const MacroRecord& r : op.records) macro_.Record(r.code, r.param ? r.param(*this, args) : 0);
    } else if (op.macroCode != kNoMacro) {
        int p[5] = {op.macroArg.empty() ? 0 : args.Int(op.macroArg), 0, 0, 0, 0};
        for (size_t i = 0; i < op.laterMacroArgs.size() && i < 4; ++i) p[i + 1] = args.Int(op.laterMacroArgs[i]);
        macro_.Record(op.macroCode, p[0], p[1], p[2], p[3], p[4]);
    }
}

void Editor::ReplayMacro(RunEnd end) {
    replay(std::make_shared<const std::vector<MacroAction>>(macro_.ToReplay()), 0, std::move(end));
}

void Editor::replay(std::shared_ptr<const std::vector<MacroAction>> actions, size_t next, RunEnd end) {
    for (; next < actions->size(); ++next) {
        const MacroAction& action = (*actions)[next];
        const Operation* op = FindReplay(action.code, policy_.window);
        if (!op) continue;
        OpArgs args = Proposal(*op);
        if (!op->macroArg.empty()) args.Set(op->macroArg, action.p1);
        const int32_t later[4] = {action.p2, action.p3, action.p4, action.p5};
        for (size_t i = 0; i < op->laterMacroArgs.size() && i < 4; ++i) args.Set(op->laterMacroArgs[i], later[i]);
        // The next one starts once this one has ended; a failure ends the replay.
        return start(*op, std::move(args), true,
                     [this, actions, next, end = std::move(end)](bool, std::exception_ptr failure) {
                         if (failure) return end(false, failure);
                         replay(actions, next + 1, end);
                     });
    }
    end(true, nullptr);
}

void Editor::ExecuteMacro() {
    finish([this](RunEnd end) { ReplayMacro(std::move(end)); });
}

void Editor::CommitMemoryImage(CommitMode mode, BaselineCopies* ready) {
    int w = INT_MAX, h = INT_MAX;
    host_->ViewOuterSize(w, h);
    const bool anotherPicture = !policy_.lean && !history_.Recording();
    if (policy_.lean) {
        st_.CommitWithoutCopies(w, h, mode, policy_.fit);
    } else {
        if (anotherPicture) {
            // Nothing to go back to, and nothing to save yet.
            history_.Clear();
            unsaved_ = false;
            st_.picture.NewLoaded();
        } else {
            history_.WorkWillBeReplaced(st_);
        }
        st_.Commit(w, h, mode, policy_.fit, ready);
    }
    host_->LayoutView();
    if (anotherPicture) host_->HistoryChanged();
}

void Editor::CommitPicture(Image picture, CommitMode mode) {
    if (!policy_.lean) {
        // The compare window keeps showing the photo as loaded.
        st_.picture.KeepLoaded();
        history_.BaselineWillChange(st_);
    }
    st_.picture.Baseline() = std::move(picture);
    st_.picture.BaselineFraming() = st_.picture.WorkFraming();
    CommitMemoryImage(mode);
}

void Editor::CommitNewPicture(Image picture) {
    if (!policy_.lean) history_.BaselineWillChange(st_);
    st_.picture.Baseline() = std::move(picture);
    st_.picture.NewLoaded();
    CommitMemoryImage();
}

void Editor::Memorize() {
    // A lean editor has no baseline to refresh: the image goes round without a copy.
    if (policy_.lean) {
        CommitPicture(std::move(st_.picture.Work()));
        return;
    }
    BeginStep(kMemorizeLabel);
    CommitPicture(st_.picture.Work());
    EndStep();
}

void Editor::ResetImage() {
    if (policy_.lean) return;
    BeginStep(kResetImageLabel);
    DropSelectionAndTool();
    st_.selection.Drop();
    CommitMemoryImage(CommitMode::NoCopies);
    EndStep();
    Redraw();
}

void Editor::ReplaceWorkImage(Image picture, const std::string& label, const std::optional<LoadedFraming>& framing) {
    if (policy_.lean) {
        st_.picture.Work() = std::move(picture);
        return;
    }
    const bool resized =
        picture.width() != st_.picture.Work().width() || picture.height() != st_.picture.Work().height();
    BeginStep(label);
    history_.WorkWillBeReplaced(st_);
    st_.picture.Work() = std::move(picture);
    if (framing) st_.picture.WorkFraming() = *framing;
    // As after a commit: the next operation or tool that reads the source copies it then.
    st_.picture.SourceCopy() = Image();
    MarkUnsaved();
    EndStep();
    StepShown shown;
    shown.changed = Rect{0, 0, st_.picture.Work().width(), st_.picture.Work().height()};
    shown.resized = resized;
    showStep(shown);
}

void Editor::BeginPixelOp() {
    SourceWillRefresh();
    st_.picture.CopyWorkToSource();
}

bool Editor::DropSourceCopy() {
    if (history_.Recording() || st_.tools.Dragging() || st_.tools.Floating() || floating_) return false;
    st_.picture.SourceCopy() = Image();
    return true;
}

void Editor::SourceWillRefresh() {
    if (!policy_.lean) history_.SourceWillRefresh(st_);
}

// ---------------------------------------------------------------------------------------------
// The history

void Editor::BeginStep(const std::string& label, unsigned flags) {
    if (policy_.lean) return;
    if (!history_.Recording() && (flags & kStepKeepsFloating) == 0) endFloatingMix();
    history_.Begin(st_, macro_, label, flags);
}

void Editor::EndStep(const Rect& changed) {
    if (policy_.lean || !history_.Recording()) return;
    stepClosed(history_.End(st_, macro_, changed));
}

void Editor::AbandonStep(const Rect& changed) {
    if (policy_.lean || !history_.Recording()) return;
    const StepShown shown = history_.Abandon(st_, macro_, changed);
    if (history_.Recording()) return;
    if (!shown.changed.empty() || shown.resized) showStep(shown);
    stepClosed(false);
}

void Editor::stepClosed(bool recorded) {
    if (history_.Recording()) return;
    // What the step changed is the history's to tell.
    unsaved_ = false;
    if (recorded) host_->HistoryChanged();
}

void Editor::MarkSaved() {
    unsaved_ = false;
    if (policy_.lean) return;
    history_.MarkSaved();
    host_->HistoryChanged();
}

void Editor::endFloatingMix() {
    if (!st_.tools.Floating() && !floating_) return;
    st_.tools.SetFloating(false);
    SetFloatingTool(nullptr);
    host_->PointerChanged();
}

bool Editor::OnlyOptimized() const {
    // A change marked outside the history is no optimize.
    return !unsaved_ && policy_.tracksOptimized && history_.OnlyLabelSinceSaved(kOptimizeLabel);
}

int Editor::TurnsSinceSaved() const {
    if (unsaved_ || policy_.lean) return 0;
    const std::optional<std::vector<std::string>> labels = history_.LabelsSinceSaved();
    if (!labels || labels->empty()) return 0;
    // The steps' labels as the operations record them, with the transforms they make.
    static const std::pair<const char*, int> kTurns[] = {
        {"Rotate Right", 6}, {"Rotate Left", 8}, {"Horizontal Mirror", 2}, {"Vertical Mirror", 4}};
    int total = 1;
    for (const std::string& label : *labels) {
        int turn = 0;
        for (const auto& [name, t] : kTurns)
            if (label == name) turn = t;
        if (turn == 0) return 0;
        total = ComposeOrientation(total, turn);
    }
    return total;
}

bool Editor::Undo(std::function<void(std::exception_ptr)> then) { return takeStep(false, std::move(then)); }

bool Editor::Redo(std::function<void(std::exception_ptr)> then) { return takeStep(true, std::move(then)); }

bool Editor::takeStep(bool forward, std::function<void(std::exception_ptr)> then) {
    // Nothing while a job owns the state.
    if (policy_.lean || offloading_ || jobs_ > 0 || st_.tools.Dragging() ||
        !(forward ? history_.CanRedo() : history_.CanUndo()))
        return false;
    endFloatingMix();
    auto shown = std::make_shared<StepShown>();
    Offload(
        [this, forward, shown] {
            if (forward) history_.Redo(st_, macro_, *shown);
            else history_.Undo(st_, macro_, *shown);
        },
        [this, shown, then = std::move(then)](std::exception_ptr failure) {
            if (!failure) {
                showStep(*shown);
                unsaved_ = false;
                host_->HistoryChanged();
            }
            if (then) then(failure);
            else if (failure) std::rethrow_exception(failure);
        });
    return true;
}

void Editor::showStep(const StepShown& shown) {
    // The lifted piece's place was just exchanged, or the picture has another size: the
    // selection no longer fits what is shown.
    if (st_.selection.Active() && (shown.dropsSelection || st_.tools.Mode() == ToolMode::MovingSelection)) {
        DropSelectionAndTool();
        st_.selection.Drop();
    }
    if (shown.resized) {
        int w = INT_MAX, h = INT_MAX;
        host_->ViewOuterSize(w, h);
        st_.FitNewSize(w, h, policy_.fit);
        host_->LayoutView();
    } else if (shown.changed.width() == st_.picture.Work().width() &&
               shown.changed.height() == st_.picture.Work().height()) {
        host_->RedrawView();
    } else if (!shown.changed.empty()) {
        host_->RedrawImageRect(shown.changed);
    }
}

void Editor::ClearSelection() {
    if (st_.selection.Active()) {
        st_.selection.End();
        Redraw();
    }
    st_.tools.SetFloating(false);
    st_.tools.SetDragging(false);
    host_->SelectionCleared();
}

void Editor::ResetTool() {
    st_.ResetTool();
    retire(tool_);
    host_->ToolWasReset();
}

void Editor::DropSelectionAndTool() {
    ClearSelection();
    ResetTool();
}

void Editor::retire(std::unique_ptr<Tool>& slot) {
    if (!slot) return;
    retired_.push_back(std::move(slot));
    retired_.back()->Retired(*this);
}

void Editor::SetTool(std::unique_ptr<Tool> tool) {
    retire(tool_);
    tool_ = std::move(tool);
}

void Editor::SetFloatingTool(std::unique_ptr<Tool> tool) {
    retire(floating_);
    floating_ = std::move(tool);
}

void Editor::SetSelectionTool(std::unique_ptr<Tool> tool) {
    retire(selectionTool_);
    selectionTool_ = std::move(tool);
}

Tool* Editor::PointerTool() const {
    if (st_.tools.Floating() && floating_) return floating_.get();
    if (st_.selection.Active() && selectionTool_) return selectionTool_.get();
    return tool_.get();
}

std::vector<const Tool*> Editor::DrawingTools() const {
    std::vector<const Tool*> tools;
    for (const Tool* t : {selectionTool_.get(), tool_.get(), floating_.get()})
        if (t) tools.push_back(t);
    return tools;
}

void Editor::ZoomStep(int direction, ImagePoint view) {
    const int old = st_.zoom.Zoom();
    if (st_.zoom.StepZoom(direction)) host_->ZoomStepped(view, old);
}

BalanceTargets Editor::CurrentTargets() {
    if (ReadOptions) {
        BalanceTargets targets = st_.registers.Targets();
        ReadOptions(targets);
        st_.registers.SetTargets(targets);
    }
    return st_.registers.Targets();
}

Colour Editor::BackgroundColour() const {
    return policy_.paintBackground ? st_.tools.PaintColour2() : MakeColour(255, 255, 255);
}

void Editor::SetPaintColour1(Colour c) {
    st_.tools.SetPaintColour1(c);
    host_->PaintColoursChanged();
}

void Editor::SetPaintColour2(Colour c) {
    st_.tools.SetPaintColour2(c);
    host_->PaintColoursChanged();
}

std::vector<Outline> Editor::SelectionOutline() const {
    if (!st_.selection.Active()) return {};
    Outline o;
    o.origin = ImagePoint{st_.selection.Bounds().Left, st_.selection.Bounds().Top};
    o.points = st_.selection.Points();
    if (st_.selection.Kind() == SelectionKind::FreeShape) {
        o.kind = Outline::Polyline;
    } else {
        o.kind = st_.selection.Kind() == SelectionKind::Ellipse ? Outline::Ellipse : Outline::Rectangle;
        if (o.points.size() < 2)
            o.points = {ImagePoint{0, 0}, ImagePoint{st_.selection.Bounds().width(), st_.selection.Bounds().height()}};
        o.points.resize(2);
    }
    return {o};
}

}  // namespace lum
