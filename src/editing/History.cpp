// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/History.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "editing/EditState.h"
#include "image/Draw.h"
#include "image/Parallel.h"

namespace lum {

// ---------------------------------------------------------------------------------------------
// The facts of a picture

PictureFacts PictureFacts::Of(const EditState& st) {
    PictureFacts f;
    f.CurrentFileName = st.file.CurrentFileName();
    f.PhotoFile = st.file.PhotoFile();
    f.PhotoDamaged = st.file.PhotoDamaged();
    f.NewImagePending = st.file.NewPicturePending();
    f.Optimized = st.file.Optimized();
    f.Metadata = st.file.Metadata();
    f.Loaded = st.picture.LoadedKept();
    f.WorkFraming = st.picture.WorkFraming();
    f.BaselineFraming = st.picture.BaselineFraming();
    return f;
}

void PictureFacts::SwapWith(EditState& st) {
    PictureFile& file = st.file;
    std::swap(CurrentFileName, file.currentFileName_);
    std::swap(PhotoFile, file.photoFile_);
    std::swap(PhotoDamaged, file.photoDamaged_);
    std::swap(NewImagePending, file.newPicturePending_);
    std::swap(Optimized, file.optimized_);
    std::swap(Metadata, file.metadata_);
    std::swap(Loaded, st.picture.LoadedKept());
    std::swap(WorkFraming, st.picture.WorkFraming());
    std::swap(BaselineFraming, st.picture.BaselineFraming());
}

bool PictureFacts::operator==(const PictureFacts& o) const {
    return CurrentFileName == o.CurrentFileName && PhotoFile == o.PhotoFile && PhotoDamaged == o.PhotoDamaged &&
           NewImagePending == o.NewImagePending && Optimized == o.Optimized && Loaded == o.Loaded &&
           WorkFraming == o.WorkFraming && BaselineFraming == o.BaselineFraming && SameInFile(o);
}

bool PictureFacts::SameInFile(const PictureFacts& o) const {
    if (Metadata.segments.size() != o.Metadata.segments.size()) return false;
    for (size_t i = 0; i < Metadata.segments.size(); ++i) {
        const JpegSegment &a = Metadata.segments[i], &b = o.Metadata.segments[i];
        if (a.marker != b.marker || a.data != b.data) return false;
    }
    return true;
}

size_t PictureFacts::Bytes() const {
    size_t n = CurrentFileName.size() + PhotoFile.size();
    for (const JpegSegment& s : Metadata.segments) n += s.data.size();
    return n;
}

Rect HistoryStep::PatchRect() const {
    const WorkPatch* patch = std::get_if<WorkPatch>(&work);
    return patch ? patch->rect : Rect{};
}

const Image& HistoryStep::KeptWork() const {
    static const Image kNone;
    if (const WholeWork* whole = std::get_if<WholeWork>(&work)) return whole->image;
    if (const WorkPatch* patch = std::get_if<WorkPatch>(&work)) return patch->pixels;
    return kNone;
}

const Image& HistoryStep::KeptBaseline() const {
    static const Image kNone;
    const OwnBaseline* own = std::get_if<OwnBaseline>(&baseline);
    return own ? own->image : kNone;
}

size_t HistoryStep::Bytes() const {
    return KeptWork().byteSize() + KeptBaseline().byteSize() + (facts ? facts->Bytes() : 0) + label.size() +
           macro.size() * sizeof(MacroAction);
}

// ---------------------------------------------------------------------------------------------
// Where two pictures differ

namespace {

// Index of the first (last) differing byte of two runs of n bytes; n when they are alike.
size_t FirstDifference(const uint8_t* a, const uint8_t* b, size_t n) {
    constexpr size_t kChunk = 64;
    size_t i = 0;
    while (i + kChunk <= n && std::memcmp(a + i, b + i, kChunk) == 0) i += kChunk;
    for (; i < n; ++i)
        if (a[i] != b[i]) return i;
    return n;
}

size_t LastDifference(const uint8_t* a, const uint8_t* b, size_t n) {
    constexpr size_t kChunk = 64;
    size_t end = n;
    while (end >= kChunk && std::memcmp(a + end - kChunk, b + end - kChunk, kChunk) == 0) end -= kChunk;
    while (end > 0) {
        --end;
        if (a[end] != b[end]) return end;
    }
    return n;
}

Rect ClipTo(const Rect& r, int w, int h) {
    return Rect{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, w), std::min(r.Bottom, h)};
}

Image Crop(const Image& img, const Rect& r) {
    Image piece(r.width(), r.height());
    for (int y = r.Top; y < r.Bottom; ++y)
        std::memcpy(piece.row(y - r.Top), img.pixel(r.Left, y), 3 * static_cast<size_t>(r.width()));
    return piece;
}

// Exchanges the pixels of r in img with those of piece (r's size).
void SwapRect(Image& img, const Rect& r, Image& piece) {
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* row = img.pixel(r.Left, y);
        std::swap_ranges(row, row + 3 * static_cast<size_t>(r.width()), piece.row(y - r.Top));
    }
}

}  // namespace

Rect DifferingRect(const Image& a, const Image& b, const Rect& within) {
    const Rect area = ClipTo(within, std::min(a.width(), b.width()), std::min(a.height(), b.height()));
    if (area.empty()) return Rect{};
    const size_t offset = 3 * static_cast<size_t>(area.Left), bytes = 3 * static_cast<size_t>(area.width());
    std::mutex mutex;
    Rect box{area.Right, area.Bottom, area.Left, area.Top};  // empty until a difference is met
    ParallelRows(area.height(), [&](int i0, int i1) {
        // This band's box; the columns already known to differ need no further look.
        size_t left = bytes, right = 0;  // right: one past the last differing byte
        int top = -1, bottom = -1;
        for (int i = i0; i < i1; ++i) {
            const int y = area.Top + i;
            const uint8_t *ra = a.row(y) + offset, *rb = b.row(y) + offset;
            if (std::memcmp(ra, rb, bytes) == 0) continue;
            if (top < 0) top = y;
            bottom = y;
            if (left > 0) left = std::min(left, FirstDifference(ra, rb, left));
            if (right < bytes) {
                const size_t last = LastDifference(ra + right, rb + right, bytes - right);
                if (last < bytes - right) right += last + 1;
            }
        }
        if (top < 0) return;
        const std::lock_guard<std::mutex> lock(mutex);
        box.Top = std::min(box.Top, top);
        box.Bottom = std::max(box.Bottom, bottom + 1);
        box.Left = std::min(box.Left, area.Left + static_cast<int>(left / 3));
        box.Right = std::max(box.Right, area.Left + static_cast<int>((right + 2) / 3));
    }, 64);
    return box.empty() ? Rect{} : box;
}

// ---------------------------------------------------------------------------------------------
// The steps

std::string History::UndoLabel() const { return position_ > 0 ? steps_[static_cast<size_t>(position_ - 1)].label : std::string(); }

std::string History::RedoLabel() const {
    return position_ < Count() ? steps_[static_cast<size_t>(position_)].label : std::string();
}

size_t History::BytesHeld() const {
    size_t n = 0;
    // A copy of the photo as loaded that steps keep alive counts once, however many share it
    // (one lent by another window is not ours to count).
    std::vector<const Image*> loaded;
    for (const HistoryStep& s : steps_) {
        n += s.Bytes();
        if (!s.facts || s.facts->Loaded.use_count() == 0) continue;
        const Image* copy = s.facts->Loaded.get();
        if (std::find(loaded.begin(), loaded.end(), copy) != loaded.end()) continue;
        loaded.push_back(copy);
        n += copy->byteSize();
    }
    return n;
}

void History::SetLimits(const HistoryLimits& limits) {
    limits_ = limits;
    enforceLimits();
}

bool History::AtSaved() const {
    if (saved_ < 0) return false;
    for (int i = std::min(saved_, position_); i < std::max(saved_, position_); ++i)
        if (steps_[static_cast<size_t>(i)].changesFile) return false;
    return true;
}

bool History::OnlyLabelSinceSaved(const std::string& label) const {
    if (saved_ < 0 || saved_ >= position_) return false;
    bool any = false;
    for (int i = saved_; i < position_; ++i) {
        const HistoryStep& step = steps_[static_cast<size_t>(i)];
        if (!step.changesFile) continue;
        if (step.label != label) return false;
        any = true;
    }
    return any;
}

std::optional<std::vector<std::string>> History::LabelsSinceSaved() const {
    if (saved_ < 0 || saved_ > position_) return std::nullopt;
    std::vector<std::string> labels;
    for (int i = saved_; i < position_; ++i)
        if (steps_[static_cast<size_t>(i)].changesFile) labels.push_back(steps_[static_cast<size_t>(i)].label);
    return labels;
}

void History::Clear() {
    steps_.clear();
    position_ = 0;
    saved_ = 0;
}

void History::enforceLimits() {
    // The newest step always stays, so the last action can be taken back whatever its size.
    while (position_ > 0 && Count() > 1 &&
           (Count() > limits_.maxSteps || BytesHeld() > limits_.maxBytes)) {
        steps_.erase(steps_.begin());
        --position_;
        // The state before the dropped step can no longer be reached.
        saved_ = saved_ > 0 ? saved_ - 1 : -1;
    }
}

void History::push(HistoryStep&& step) {
    steps_.resize(static_cast<size_t>(position_));
    if (saved_ > position_) saved_ = -1;  // it was among the steps just dropped
    steps_.push_back(std::move(step));
    ++position_;
    enforceLimits();
}

// ---------------------------------------------------------------------------------------------
// Recording

void History::Begin(const EditState& st, const MacroRecorder& macro, const std::string& label, unsigned flags) {
    if (depth_++ > 0) return;
    open_ = Open{};
    open_.label = label;
    open_.flags = flags;
    open_.workWidth = st.picture.Work().width();
    open_.workHeight = st.picture.Work().height();
    open_.facts = PictureFacts::Of(st);
    open_.macroOpen = macro.Recording();
    open_.macroFrom = macro.Count();
}

void History::SourceWillRefresh(EditState& st) {
    Open& o = open_;
    if (depth_ == 0 || o.haveWhole || o.havePatch) return;
    if (!o.sourceIsBefore) {
        // The first refresh of the step: the copy it makes is the working image as it was.
        o.sourceIsBefore = true;
        return;
    }
    // A later one (a macro, a tool's own refresh): the first copy is the step's before.
    o.sourceIsBefore = false;
    if (st.picture.SourceCopy().width() == o.workWidth && st.picture.SourceCopy().height() == o.workHeight) {
        o.whole = std::move(st.picture.SourceCopy());
        o.haveWhole = true;
    }
}

void History::BaselineWillChange(EditState& st) {
    if (depth_ == 0 || open_.haveBaseline) return;
    open_.baseline = std::move(st.picture.Baseline());
    open_.haveBaseline = true;
}

void History::WorkWillBeReplaced(EditState& st) {
    Open& o = open_;
    if (depth_ == 0 || o.haveWhole) return;
    if (o.havePatch) {
        Image before = st.picture.Work();
        SwapRect(before, o.patchRect, o.patch);
        o.whole = std::move(before);
        o.havePatch = false;
        o.patch = Image();
    } else if (o.sourceIsBefore && st.picture.SourceCopy().width() == o.workWidth &&
               st.picture.SourceCopy().height() == o.workHeight) {
        o.whole = std::move(st.picture.SourceCopy());
    } else {
        o.whole = std::move(st.picture.Work());
    }
    o.sourceIsBefore = false;
    o.haveWhole = true;
}

void History::KeepBefore(const EditState& st, const Rect& r) {
    Open& o = open_;
    if (depth_ == 0 || o.sourceIsBefore || o.haveWhole || o.havePatch) return;
    o.patchRect = ClipTo(r, st.picture.Work().width(), st.picture.Work().height());
    if (o.patchRect.empty()) o.patchRect = Rect{};
    o.patch = Crop(st.picture.Work(), o.patchRect);
    o.havePatch = true;
}

bool History::build(EditState& st, const MacroRecorder& macro, const Rect& hint, HistoryStep& step) {
    Open& o = open_;
    step.label = o.label;
    step.flags = o.flags;
    Image& work = st.picture.Work();

    // The working image as it was, whole, when the step kept it so.
    Image* before = nullptr;
    if (o.haveWhole) before = &o.whole;
    else if (o.sourceIsBefore && st.picture.SourceCopy().width() == o.workWidth &&
             st.picture.SourceCopy().height() == o.workHeight)
        before = &st.picture.SourceCopy();

    if (o.haveBaseline && !(o.baseline == st.picture.Baseline())) {
        if (before && o.baseline == *before) step.baseline = HistoryStep::BaselineIsWork{};
        else step.baseline = HistoryStep::OwnBaseline{std::move(o.baseline)};
        step.shownBaselineIsWork = st.picture.Baseline() == work;
    }

    bool takeWhole = false;
    if (before) {
        if (before->width() != work.width() || before->height() != work.height()) {
            takeWhole = true;
        } else {
            const Rect box = DifferingRect(*before, work, hint);
            if (!box.empty()) {
                const int64_t area = static_cast<int64_t>(box.width()) * box.height();
                // A change over most of the picture keeps the picture itself: no copy to make.
                if (2 * area >= static_cast<int64_t>(work.width()) * work.height()) {
                    takeWhole = true;
                } else {
                    step.work = HistoryStep::WorkPatch{box, Crop(*before, box)};
                }
            }
        }
        if (takeWhole) {
            // A step that leaves the baseline as it is finds it there again when it is taken
            // back: no copy of the picture before it when it is the baseline.
            if (!step.HasBaseline() && *before == st.picture.Baseline()) step.work = HistoryStep::WorkIsBaseline{};
            // The source stays what it is, the image before the last pixel operation.
            else if (before == &st.picture.SourceCopy()) step.work = HistoryStep::WholeWork{*before};
            else step.work = HistoryStep::WholeWork{std::move(*before)};
        }
    } else if (o.havePatch && !o.patchRect.empty()) {
        const Rect box = DifferingRect(o.patch, Crop(work, o.patchRect),
                                       Rect{0, 0, o.patchRect.width(), o.patchRect.height()});
        if (!box.empty()) step.work = HistoryStep::WorkPatch{o.patchRect, std::move(o.patch)};
    }

    PictureFacts now = PictureFacts::Of(st);
    step.changesFile = step.HasWork() || !now.SameInFile(o.facts);
    if (!(now == o.facts)) step.facts = std::move(o.facts);
    if (o.macroOpen && macro.Recording() && macro.Count() > o.macroFrom) {
        step.macroFrom = o.macroFrom;
        step.macro.assign(macro.Actions().begin() + o.macroFrom, macro.Actions().begin() + macro.Count());
    }
    o.whole = Image();
    o.patch = Image();
    o.baseline = Image();
    return step.HasWork() || step.HasBaseline() || step.facts.has_value();
}

bool History::End(EditState& st, const MacroRecorder& macro, const Rect& hint) {
    if (depth_ == 0 || --depth_ > 0) return false;
    HistoryStep step;
    const bool changed = build(st, macro, hint, step);
    open_ = Open{};
    if (changed) push(std::move(step));
    return changed;
}

StepShown History::Abandon(EditState& st, const MacroRecorder& macro, const Rect& hint) {
    StepShown shown;
    if (depth_ == 0 || --depth_ > 0) return shown;
    HistoryStep step;
    if (build(st, macro, hint, step)) exchange(st, step, shown);
    open_ = Open{};
    return shown;
}

void History::Cancel(EditState& st, const MacroRecorder& macro) {
    if (depth_ == 0) return;
    if (depth_ == 1 && (open_.haveWhole || open_.haveBaseline || open_.havePatch)) {
        End(st, macro);
        return;
    }
    if (--depth_ == 0) open_ = Open{};
}

// ---------------------------------------------------------------------------------------------
// Undo and redo

void History::exchange(EditState& st, HistoryStep& step, StepShown& shown) {
    Image& work = st.picture.Work();
    const int w0 = work.width(), h0 = work.height();
    shown.label = step.label;
    if (step.WorkIsTheBaseline()) {
        // The side leaving the state keeps its picture: the baseline is the state's only.
        step.work = HistoryStep::WholeWork{std::move(work)};
        work = st.picture.Baseline();
        shown.changed = Rect{0, 0, work.width(), work.height()};
    } else if (auto* whole = std::get_if<HistoryStep::WholeWork>(&step.work)) {
        std::swap(work, whole->image);
        shown.changed = Rect{0, 0, work.width(), work.height()};
    } else if (auto* patch = std::get_if<HistoryStep::WorkPatch>(&step.work)) {
        SwapRect(work, patch->rect, patch->pixels);
        shown.changed = patch->rect;
    }
    shown.resized = work.width() != w0 || work.height() != h0;
    shown.dropsSelection = shown.resized || (step.flags & kStepDropsSelection) != 0;
    if (step.HasBaseline()) {
        // The side leaving the state keeps its baseline unless it is its working image.
        const bool storedIsWork = step.StoredBaselineIsWork();
        Image leaving;
        if (!step.shownBaselineIsWork) leaving = std::move(st.picture.Baseline());
        if (storedIsWork) st.picture.Baseline() = work;
        else st.picture.Baseline() = std::move(std::get<HistoryStep::OwnBaseline>(step.baseline).image);
        if (step.shownBaselineIsWork) step.baseline = HistoryStep::BaselineIsWork{};
        else step.baseline = HistoryStep::OwnBaseline{std::move(leaving)};
        step.shownBaselineIsWork = storedIsWork;
        shown.baseline = true;
    }
    if (step.facts) step.facts->SwapWith(st);
}

bool History::Undo(EditState& st, MacroRecorder& macro, StepShown& shown) {
    if (!CanUndo()) return false;
    HistoryStep& step = steps_[static_cast<size_t>(--position_)];
    exchange(st, step, shown);
    if (!step.macro.empty()) macro.TakeBack(step.macroFrom, step.macro);
    enforceLimits();
    return true;
}

bool History::Redo(EditState& st, MacroRecorder& macro, StepShown& shown) {
    if (!CanRedo()) return false;
    HistoryStep& step = steps_[static_cast<size_t>(position_++)];
    exchange(st, step, shown);
    if (!step.macro.empty()) macro.PutBack(step.macroFrom, step.macro);
    enforceLimits();
    return true;
}

}  // namespace lum
