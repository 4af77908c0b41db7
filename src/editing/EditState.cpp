// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/EditState.h"

#include <algorithm>

#include "image/Arith.h"
#include "image/LosslessTurn.h"

namespace lum {

BaselineCopies BaselineCopies::Of(const Image& img) {
    BaselineCopies c;
    c.work = img;
    return c;
}

bool BaselineCopies::SizedFor(const Image& img) const {
    return work.width() == img.width() && work.height() == img.height();
}

LoadedFraming LoadedFraming::Then(int transform) const {
    LoadedFraming f = *this;
    f.turn = ComposeOrientation(turn, transform);
    return f;
}

// ---------------------------------------------------------------------------------------------
// The pictures

void PictureImages::KeepLoaded() {
    if (!loaded_) loaded_ = std::make_shared<const Image>(baseline_);
}

void PictureImages::NewLoaded() {
    loaded_.reset();
    SetFraming(LoadedFraming{});
}

void PictureImages::LendLoaded(const Image& photo, const LoadedFraming& framing) {
    // Not owned: the lender keeps it.
    loaded_ = std::shared_ptr<const Image>(std::shared_ptr<const Image>(), &photo);
    SetFraming(framing);
}

PictureImages::PictureImages() {
    for (Image* img : {&baseline_, &work_, &source_}) img->resize(8, 8);
}

void PictureImages::Commit(CommitMode mode, BaselineCopies* ready) {
    hasPicture_ = true;
    workFraming_ = baselineFraming_;
    if (ready && mode != CommitMode::NoCopies && ready->SizedFor(baseline_)) {
        work_ = std::move(ready->work);
        source_ = Image();
        return;
    }
    work_ = baseline_;
    // The operations and tools that read it copy it when they start: a big photo is not kept
    // a third time meanwhile.
    if (mode != CommitMode::NoCopies) source_ = Image();
}

void PictureImages::CommitWithoutCopies(CommitMode mode) {
    hasPicture_ = true;
    if (mode != CommitMode::NoCopies) {
        work_ = std::move(baseline_);
        workFraming_ = baselineFraming_;
    }
    baseline_ = Image();
    source_ = Image();
}

// ---------------------------------------------------------------------------------------------
// The zoom

void ZoomState::SetSlot(int32_t slot) { slot_ = std::clamp<int32_t>(slot, 0, static_cast<int32_t>(table_.size()) - 1); }

void ZoomState::HoldPercent(int32_t percent) {
    table_[0] = percent;
    slot_ = 0;
}

void ZoomState::Reset() {
    table_ = kZoomPercents;
    slot_ = kHundredPercentSlot;
}

bool ZoomState::StepZoom(int direction) {
    if (slot_ <= 0) {
        // From the fit, the nearest fixed percentage in the direction asked.
        const int fit = table_[0];
        int to = 0;
        for (int i = 1; i <= 12; ++i) {
            const int z = table_[static_cast<size_t>(i)];
            if (direction > 0 && z > fit && to == 0) to = i;
            if (direction < 0 && z < fit) to = i;
        }
        if (to == 0) return false;
        slot_ = to;
        return true;
    }
    if (direction < 0) {
        if (slot_ < 2) return false;
        --slot_;
    } else {
        if (slot_ > 11) return false;
        ++slot_;
    }
    return true;
}

int ZoomState::FitPercent(int w, int h, int W, int H) {
    if (!(w > W || h > H) || w <= 0 || h <= 0) return 0;
    int z = 0;
    // Each case overwrites the previous one, in this order.
    if (w >= W && h <= H) z = roundHalfEven(100.0 * W / w - 1);
    if (w <= W && h >= H) z = roundHalfEven(100.0 * H / h - 1);
    if (w >= W && h >= H) {
        double rw = static_cast<double>(W) / w, rh = static_cast<double>(H) / h;
        z = rw > rh ? roundHalfEven(100.0 * rh - 1) : roundHalfEven(100.0 * rw - 1);
    }
    // A view too small to show anything would give zero or negative zoom.
    return std::max(z, 1);
}

bool ZoomState::FitZoom(const Image& work, int W, int H) {
    const int z = FitPercent(work.width(), work.height(), W, H);
    if (z == 0) return false;
    HoldPercent(z);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The state

void EditState::Commit(int W, int H, CommitMode mode, FitRule rule, BaselineCopies* ready) {
    picture.Commit(mode, ready);
    CommitZoom(W, H, mode, rule);
}

void EditState::CommitWithoutCopies(int W, int H, CommitMode mode, FitRule rule) {
    picture.CommitWithoutCopies(mode);
    CommitZoom(W, H, mode, rule);
}

void EditState::CommitZoom(int W, int H, CommitMode mode, FitRule rule) {
    if (mode == CommitMode::Compare100) {
        zoom.SetSlot(kHundredPercentSlot);
    } else if (!zoom.FitZoom(picture.Work(), W, H) && rule == FitRule::HundredPercentWhenFits) {
        zoom.SetSlot(kHundredPercentSlot);
    }
}

void EditState::FitNewSize(int W, int H, FitRule rule) {
    if (!zoom.FitZoom(picture.Work(), W, H) && rule == FitRule::HundredPercentWhenFits)
        zoom.SetSlot(kHundredPercentSlot);
}

void EditState::ResetTool() {
    tools.SetMode(ToolMode::None);
    selection.End();
    tools.SetFloating(false);
    tools.SetDragging(false);
}

}  // namespace lum
