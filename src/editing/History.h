// SPDX-License-Identifier: GPL-3.0-or-later
// The undo and redo history of one window. Every action is one step that keeps what it changed
// (only the rectangle it changed where it can, one copy of the image where the whole image
// changed) and takes it back or does it again by exchanging that with the state. The history
// is bounded in bytes and in steps, dropping the oldest first; it also knows which position
// the file on disk holds and which macro actions each step recorded.
#pragma once
#include <climits>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "editing/EditState.h"
#include "editing/Macro.h"
#include "image/Codec.h"
#include "image/Color.h"
#include "image/Image.h"

namespace lum {

class EditState;

// What a step may change besides the pixels: which file the picture belongs to and what is
// known of it.
struct PictureFacts {
    std::string CurrentFileName, PhotoFile;
    bool PhotoDamaged = false;
    bool NewImagePending = false;
    bool Optimized = false;
    PictureMetadata Metadata;
    // The photo as loaded where it is kept apart, and how it maps onto the pictures.
    std::shared_ptr<const Image> Loaded;
    LoadedFraming WorkFraming, BaselineFraming;

    static PictureFacts Of(const EditState& st);
    // Exchanges these facts with the state's.
    void SwapWith(EditState& st);
    bool operator==(const PictureFacts& o) const;
    // A file saved with either would hold the same (the metadata is written with the pixels).
    bool SameInFile(const PictureFacts& o) const;
    size_t Bytes() const;
};

// The hint of a step that may have changed any pixel (an empty hint: none).
inline constexpr Rect kAnyPixel{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};

struct HistoryLimits {
    size_t maxBytes = size_t(1) << 30;  // 1 GiB
    int maxSteps = 50;
};

// How a step is recorded and taken back.
enum StepFlags : unsigned {
    kStepPlain = 0,
    // Undoing or redoing it ends the selection: it lifted or moved the selected piece.
    kStepDropsSelection = 1u,
    // A drag of the floating mix: the mix keeps floating (any other step ends its placement).
    kStepKeepsFloating = 2u,
};

// One step: the version of what it changed that is not in the state (what was there before it
// after it ran or was redone, what it made after it was undone).
struct HistoryStep {
    // What it keeps of the working image: nothing (it left the pixels alone), the whole image
    // (any size), the pixels of a rectangle, or nothing of its own because the whole image is
    // the baseline the state holds whenever the step is to be taken back or done again (an
    // Optimize of a photo just opened keeps no copy).
    struct NoWork {};
    struct WholeWork {
        Image image;
    };
    struct WorkPatch {
        Rect rect;
        Image pixels;
    };
    struct WorkIsBaseline {};
    // What it keeps of the baseline, when it committed a new one: its own copy, or nothing of
    // its own because on its side the baseline is its working image.
    struct NoBaseline {};
    struct OwnBaseline {
        Image image;
    };
    struct BaselineIsWork {};

    std::string label;
    unsigned flags = kStepPlain;
    std::variant<NoWork, WholeWork, WorkPatch, WorkIsBaseline> work;
    std::variant<NoBaseline, OwnBaseline, BaselineIsWork> baseline;
    // With a baseline: on the state's side the baseline is the working image (that side keeps
    // none of its own when it leaves the state).
    bool shownBaselineIsWork = false;
    std::optional<PictureFacts> facts;
    // A file written before it and one written after it would differ (not so for a baseline).
    bool changesFile = false;
    // The macro actions it recorded, from action macroFrom on.
    int macroFrom = 0;
    std::vector<MacroAction> macro;

    bool HasWork() const { return !std::holds_alternative<NoWork>(work); }
    bool WholeWorkKept() const { return std::holds_alternative<WholeWork>(work); }
    bool WorkIsTheBaseline() const { return std::holds_alternative<WorkIsBaseline>(work); }
    // The rectangle of a patch (empty for any other kind).
    Rect PatchRect() const;
    // The pixels it keeps of the working image (empty when none of its own).
    const Image& KeptWork() const;
    bool HasBaseline() const { return !std::holds_alternative<NoBaseline>(baseline); }
    bool StoredBaselineIsWork() const { return std::holds_alternative<BaselineIsWork>(baseline); }
    // Its own copy of the baseline (empty when none).
    const Image& KeptBaseline() const;
    size_t Bytes() const;
};

// What the window has to show after an undo or redo.
struct StepShown {
    std::string label;
    Rect changed;            // the image rectangle that changed (the whole image for whole steps)
    bool resized = false;    // the working image changed size
    bool baseline = false;   // the baseline changed
    bool dropsSelection = false;
};

class History {
public:
    // --- what the windows ask ---
    bool CanUndo() const { return depth_ == 0 && position_ > 0; }
    bool CanRedo() const { return depth_ == 0 && position_ < static_cast<int>(steps_.size()); }
    // The label of the step Undo (Redo) would take back (do again); empty when there is none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    int Count() const { return static_cast<int>(steps_.size()); }
    int Position() const { return position_; }
    const HistoryStep& StepAt(int i) const { return steps_[static_cast<size_t>(i)]; }
    // The memory its steps hold (pixels, baselines, metadata).
    size_t BytesHeld() const;
    const HistoryLimits& Limits() const { return limits_; }
    void SetLimits(const HistoryLimits& limits);

    // The picture on screen is what its file holds (or, for a new picture, what is not worth a
    // question): after a load, a fill of the window and a save.
    void MarkSaved() { saved_ = position_; }
    // No step between the saved position and here changed what a file would hold.
    bool AtSaved() const;
    // Ahead of the saved position, and every step since it that changed what a file would hold
    // is labelled label (the picture was only optimized since it was saved).
    bool OnlyLabelSinceSaved(const std::string& label) const;
    // The labels of the steps since the saved position that changed what a file would hold, in
    // order; nothing when the saved position is gone or lies ahead (undone past it).
    std::optional<std::vector<std::string>> LabelsSinceSaved() const;
    // Another picture: nothing to go back to, and it is the saved state.
    void Clear();

    // --- recording: one step from Begin to End; steps begun inside it join it ---
    bool Recording() const { return depth_ > 0; }
    void Begin(const EditState& st, const MacroRecorder& macro, const std::string& label, unsigned flags);
    // The source copy is about to become a copy of the working image.
    void SourceWillRefresh(EditState& st);
    // The baseline is about to be replaced (kept for the step, once).
    void BaselineWillChange(EditState& st);
    // The working image is about to be replaced as a whole (a commit).
    void WorkWillBeReplaced(EditState& st);
    // The pixels of r are about to change and nothing else (a drag of the floating mix).
    void KeepBefore(const EditState& st, const Rect& r);
    // Closes the step (an inner one only counts down). `hint` holds every pixel of the working
    // image it may have changed. Returns whether a step was recorded.
    bool End(EditState& st, const MacroRecorder& macro, const Rect& hint = kAnyPixel);
    // Closes the step and puts back what it changed, recording nothing (a fill that was stopped).
    // Returns what was put back.
    StepShown Abandon(EditState& st, const MacroRecorder& macro, const Rect& hint = kAnyPixel);
    // Closes a step that should have changed nothing (a dialog was cancelled, the operation
    // refused); should it have replaced an image after all, it is recorded as any other.
    void Cancel(EditState& st, const MacroRecorder& macro);

    // --- taking steps back and doing them again (nothing while recording) ---
    bool Undo(EditState& st, MacroRecorder& macro, StepShown& shown);
    bool Redo(EditState& st, MacroRecorder& macro, StepShown& shown);

private:
    // What the open step has kept so far.
    struct Open {
        std::string label;
        unsigned flags = kStepPlain;
        bool sourceIsBefore = false;  // the source copy holds the working image as it was
        bool haveWhole = false;       // `whole` holds it
        Image whole;
        bool havePatch = false;       // `patch` holds the pixels of patchRect as they were
        Rect patchRect;
        Image patch;
        bool haveBaseline = false;
        Image baseline;
        int workWidth = 0, workHeight = 0;
        PictureFacts facts;
        bool macroOpen = false;
        int macroFrom = 0;
    };
    // The open step as a step, taking over what it kept; false when nothing changed.
    bool build(EditState& st, const MacroRecorder& macro, const Rect& hint, HistoryStep& step);
    void push(HistoryStep&& step);
    void enforceLimits();
    // Exchanges the step's side with the state's.
    static void exchange(EditState& st, HistoryStep& step, StepShown& shown);

    std::vector<HistoryStep> steps_;
    int position_ = 0;  // steps before it are done, from it on undone
    int saved_ = 0;     // the position the file holds; -1 when none does any more
    HistoryLimits limits_;
    int depth_ = 0;
    Open open_;
};

// The smallest rectangle inside `within` (clipped to both images) where a and b differ; empty
// when they are alike there. Both images have the same size.
Rect DifferingRect(const Image& a, const Image& b, const Rect& within);

}  // namespace lum
