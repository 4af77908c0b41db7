#include "editing/EditState.h"

#include <algorithm>
#include <cstdlib>

#include "image/Arith.h"

namespace lum {

EditState::EditState() : Angles(BuildAngleTables()), Kernel(InitialKernelRegister()) {
    for (Image* img : {&MemoryImage, &WorkImage, &SourceImage, &MoveBuffer, &SelectionImage})
        img->resize(8, 8);
}

bool EditState::SetSelection(int32_t kind, const Rect& rect, std::vector<ImagePoint> points, Mask mask) {
    const bool sized = mask.width() == rect.width() && mask.height() == rect.height() && !mask.empty();
    bool any = false;
    for (int y = 0; sized && !any && y < mask.height(); ++y) {
        const uint8_t* row = mask.row(y);
        any = std::any_of(row, row + mask.width(), [](uint8_t b) { return b != 0; });
    }
    if (kind <= kNoSelection || !any) {
        SelectionActive = kNoSelection;
        return false;
    }
    SelectionActive = kind;
    SelectionRect = rect;
    SelectionPoints = std::move(points);
    SelectionMask = std::move(mask);
    return true;
}

bool EditState::SetSelection(Selection sel) {
    return SetSelection(static_cast<int32_t>(sel.kind), sel.rect, std::move(sel.points), std::move(sel.mask));
}

void EditState::DropSelection() {
    SelectionActive = kNoSelection;
    SelectionRect = Rect{0, 0, 1, 1};
    SelectionPoints.clear();
}

bool EditState::StepZoom(int direction) {
    if (ZoomIndex <= 0) {
        // From the fit, the nearest fixed percentage in the direction asked.
        const int fit = ZoomTable[0];
        int to = 0;
        for (int i = 1; i <= 12; ++i) {
            const int z = ZoomTable[static_cast<size_t>(i)];
            if (direction > 0 && z > fit && to == 0) to = i;
            if (direction < 0 && z < fit) to = i;
        }
        if (to == 0) return false;
        ZoomIndex = to;
        return true;
    }
    if (direction < 0) {
        if (ZoomIndex < 2) return false;
        --ZoomIndex;
    } else {
        if (ZoomIndex > 11) return false;
        ++ZoomIndex;
    }
    return true;
}

void EditState::ResetZoom() {
    ZoomTable = kZoomPercents;
    ZoomIndex = kHundredPercentSlot;
}

void EditState::PhotoJustLoaded() {
    PhotoLoaded = true;
    Saved = true;
    Optimized = false;
    OnlyOptimized = false;
}

void EditState::ForgetPhoto() {
    PhotoFile.clear();
    PhotoDamaged = false;
    TookSource(std::string(), FileIdentity());
    PhotoLoaded = false;
    Saved = true;
    Optimized = false;
    OnlyOptimized = false;
}

void EditState::StartNewPicture() {
    CurrentFileName = kNewFileName;
    NewImagePending = true;
}

void EditState::TookNewPicture() {
    StartNewPicture();
    CurrentMetadata = PictureMetadata();
    PhotoFile.clear();
    PhotoDamaged = false;
    TookSource(std::string(), FileIdentity());
}

void EditState::TookSource(const std::string& path, const FileIdentity& file) {
    SourcePath = path;
    SourceFile = file;
}

bool EditState::ChangedOnDisk(const std::string& path) const {
    if (SourcePath.empty() || !SourceFile.exists || path.empty()) return false;
    const FileIdentity now = IdentityOf(path);
    if (!now.exists) return false;  // nothing there to lose
    auto real = [](const std::string& p) {
        char* r = ::realpath(p.c_str(), nullptr);
        const std::string out = r ? r : p;
        std::free(r);
        return out;
    };
    // The source by its own name, through a link, or the same file under another name.
    const bool source = path == SourcePath || now.sameFile(SourceFile) || real(path) == real(SourcePath);
    return source && !now.sameVersion(SourceFile);
}

Confinement EditState::Confine() const {
    if (SelectionActive <= kNoSelection || SelectionMask.width() != SelectionRect.width() ||
        SelectionMask.height() != SelectionRect.height() || SelectionMask.empty())
        return Confinement();
    return Confinement(SelectionRect, SelectionMask);
}

Rect EditState::ClippedSelection() const {
    return Rect{std::max(SelectionRect.Left, 0), std::max(SelectionRect.Top, 0),
                std::min(SelectionRect.Right, WorkImage.width() - 1),
                std::min(SelectionRect.Bottom, WorkImage.height() - 1)};
}

int EditState::FitPercent(int w, int h, int W, int H) {
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

bool EditState::FitZoom(int W, int H) {
    const int z = FitPercent(WorkImage.width(), WorkImage.height(), W, H);
    if (z == 0) return false;
    ZoomTable[0] = z;
    ZoomIndex = 0;
    return true;
}

BaselineCopies BaselineCopies::Of(const Image& img) {
    BaselineCopies c;
    c.work = img;
    return c;
}

bool BaselineCopies::SizedFor(const Image& img) const {
    return work.width() == img.width() && work.height() == img.height();
}

void EditState::Commit(int W, int H, CommitMode mode, FitRule rule, BaselineCopies* ready) {
    if (ready && mode != CommitMode::NoCopies && ready->SizedFor(MemoryImage)) {
        WorkImage = std::move(ready->work);
        CommitZoom(W, H, mode, rule);
        SourceImage = Image();
        return;
    }
    WorkImage = MemoryImage;
    CommitZoom(W, H, mode, rule);
    // The operations and tools that read it copy it when they start: a big photo is not kept
    // a third time meanwhile.
    if (mode != CommitMode::NoCopies) SourceImage = Image();
}

void EditState::CommitWithoutCopies(int W, int H, CommitMode mode, FitRule rule) {
    if (mode != CommitMode::NoCopies) WorkImage = std::move(MemoryImage);
    MemoryImage = Image();
    SourceImage = Image();
    CommitZoom(W, H, mode, rule);
}

void EditState::CommitZoom(int W, int H, CommitMode mode, FitRule rule) {
    if (mode == CommitMode::Compare100) {
        ZoomIndex = kHundredPercentSlot;
    } else if (!FitZoom(W, H) && rule == FitRule::HundredPercentWhenFits) {
        ZoomIndex = kHundredPercentSlot;
    }
    HasPicture = true;
}

void EditState::FitNewSize(int W, int H, FitRule rule) {
    if (!FitZoom(W, H) && rule == FitRule::HundredPercentWhenFits) ZoomIndex = 7;
}

void EditState::ResetTool() {
    ToolMode = 0;
    SelectionActive = kNoSelection;
    FloatActive = false;
    DragActive = false;
}

}  // namespace lum
