// SPDX-License-Identifier: GPL-3.0-or-later
// The editing state of one window: its pictures, what is known of their file, the selection, the
// view's zoom, the tools' settings and the registers. The main window and the compare window each
// own one, through their editor. What the history knows (whether the picture is saved) the
// editor answers from its history.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "editing/ImagePoint.h"
#include "editing/PictureFile.h"
#include "editing/SelectionState.h"
#include "editing/ToolSettings.h"
#include "image/Image.h"

namespace lum {

enum class CommitMode {
    Normal,     // the main window's commit; the compare window's operations
    NoCopies,   // compare window's reset-image button: the baseline is not refreshed
    Compare100  // filling the compare window, its zoom scaling: 100 % instead of the fit
};

// What a commit does with the zoom when the image fits the view.
enum class FitRule {
    KeepZoomWhenFits,       // main window
    HundredPercentWhenFits  // compare window
};

// The copy of a picture about to become the baseline that its commit makes, made beforehand (on
// another thread), so that the commit takes it over instead of copying on the window's thread.
struct BaselineCopies {
    Image work;
    static BaselineCopies Of(const Image& img);
    // It can stand for a copy of img: of its size (its pixels are the maker's word).
    bool SizedFor(const Image& img) const;
};

// How the photo as loaded maps onto a picture of the window: the quarter turns and mirrors made
// since, as one EXIF orientation value (1..8), and whether a crop or a turn by an angle framed it
// otherwise, after which the two no longer show the same places. A new size keeps the framing:
// the photo as loaded, scaled alike, still lines up.
struct LoadedFraming {
    int turn = 1;
    bool reframed = false;
    // After one more quarter turn or mirror (an EXIF orientation value).
    LoadedFraming Then(int transform) const;
    bool operator==(const LoadedFraming& o) const { return turn == o.turn && reframed == o.reframed; }
    bool operator!=(const LoadedFraming& o) const { return !(*this == o); }
};

// The pictures of a window. They are buffers that pixel code fills in place, hence the
// references.
class PictureImages {
public:
    PictureImages();

    // What is shown, edited and saved.
    Image& Work() { return work_; }
    const Image& Work() const { return work_; }
    // The photo as loaded or last memorized; Reset returns to it.
    Image& Baseline() { return baseline_; }
    const Image& Baseline() const { return baseline_; }
    // The working image as it was before the last pixel operation.
    Image& SourceCopy() { return source_; }
    const Image& SourceCopy() const { return source_; }
    // The picture a mix lays over the working image (a chosen picture, a gradient, the
    // clipboard's, a text stamp). Kept apart from the baseline, which the compare window shows
    // as the original and the zoom fits and the new size start from.
    Image& MixSource() { return mix_; }
    const Image& MixSource() const { return mix_; }

    // The photo as loaded, which the compare window shows as the original: the baseline until a
    // commit replaces it with a picture made from it (the commit keeps it here first), or
    // another window's photo lent with LendLoaded.
    const Image& Loaded() const { return loaded_ ? *loaded_ : baseline_; }
    // How the photo as loaded maps onto the working image and onto the baseline.
    LoadedFraming& WorkFraming() { return workFraming_; }
    const LoadedFraming& WorkFraming() const { return workFraming_; }
    LoadedFraming& BaselineFraming() { return baselineFraming_; }
    const LoadedFraming& BaselineFraming() const { return baselineFraming_; }
    // Both: a commit made the working image and the baseline one picture.
    void SetFraming(const LoadedFraming& f) { workFraming_ = baselineFraming_ = f; }
    // The baseline is about to be replaced by a picture made from it: the photo as loaded stays.
    void KeepLoaded();
    // Another picture was put in place: it is the photo as loaded, unturned.
    void NewLoaded();
    // photo stands for the photo as loaded, framed as given; it is read where it is and must
    // outlive this use (another window's, unchanged while this one is open).
    void LendLoaded(const Image& photo, const LoadedFraming& framing);
    // What the history exchanges: the photo as loaded where it is kept apart (null: the baseline).
    std::shared_ptr<const Image>& LoadedKept() { return loaded_; }
    const std::shared_ptr<const Image>& LoadedKept() const { return loaded_; }

    // False while the images are the placeholders of a new window (nothing to show or save);
    // the first commit makes it true.
    bool HasPicture() const { return hasPicture_; }
    // The source copy := the working image, the first step of every pixel operation.
    void CopyWorkToSource() { source_ = work_; }

    // The baseline becomes the picture: the working image restarts from it and the source copy
    // is left empty until an operation makes it (NoCopies keeps it). With `ready` (sized for the
    // baseline, any mode but NoCopies) its copy is taken over.
    void Commit(CommitMode mode, BaselineCopies* ready);
    // The commit of a lean editor: the baseline moves into the working image (NoCopies keeps the
    // working image), and the baseline and source copy are left empty.
    void CommitWithoutCopies(CommitMode mode);

private:
    Image baseline_, work_, source_, mix_;
    std::shared_ptr<const Image> loaded_;
    LoadedFraming workFraming_, baselineFraming_;
    bool hasPicture_ = false;
};

// The slot of the zoom table that holds 100 %.
constexpr int32_t kHundredPercentSlot = 7;

// The view's scale: a table whose slot 0 holds the fit (or any percentage the view holds), 1..12
// the fixed percentages, and the slot in use. Read and changed on the window's thread only.
class ZoomState {
public:
    static constexpr std::array<int32_t, 13> kZoomPercents{100, 10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400, 800};

    int32_t Zoom() const { return table_[static_cast<size_t>(slot_)]; }
    int32_t Slot() const { return slot_; }
    int32_t PercentAt(int slot) const { return table_[static_cast<size_t>(slot)]; }
    const std::array<int32_t, 13>& Table() const { return table_; }
    // Slot 0..12 (kept inside them).
    void SetSlot(int32_t slot);
    // Any percentage, held in slot 0.
    void HoldPercent(int32_t percent);
    // The fixed percentages back in the table and the zoom at 100 %.
    void Reset();
    // The zoom tool: one slot up (direction > 0) or down within slots 1..12, never to the fit
    // slot 0. Returns whether the slot changed.
    bool StepZoom(int direction);
    // The fit of a commit for the working image; returns true when it was larger than the view.
    bool FitZoom(const Image& work, int viewOuterWidth, int viewOuterHeight);
    // The zoom that fit gives a w x h image, or 0 when the image is not larger than the view.
    static int FitPercent(int w, int h, int viewOuterWidth, int viewOuterHeight);

private:
    std::array<int32_t, 13> table_ = kZoomPercents;
    int32_t slot_ = kHundredPercentSlot;
};

class EditState {
public:
    PictureImages picture;
    PictureFile file;
    SelectionState selection;
    ZoomState zoom;
    ToolSettings tools;
    WindowRegisters registers;

    // --- the state's part of the operations (the editor adds the view) ---
    // The baseline becomes the picture (see PictureImages::Commit), then the zoom follows mode
    // and rule.
    void Commit(int viewOuterWidth, int viewOuterHeight, CommitMode mode, FitRule rule,
                BaselineCopies* ready = nullptr);
    // The commit of a lean editor (see PictureImages::CommitWithoutCopies); the zoom as Commit
    // sets it.
    void CommitWithoutCopies(int viewOuterWidth, int viewOuterHeight, CommitMode mode, FitRule rule);
    // The working image changed size outside a commit (a step taken back): the fit of a commit.
    void FitNewSize(int viewOuterWidth, int viewOuterHeight, FitRule rule);
    // No tool, no selection, no drag or floating piece.
    void ResetTool();

private:
    void CommitZoom(int viewOuterWidth, int viewOuterHeight, CommitMode mode, FitRule rule);
};

}  // namespace lum
