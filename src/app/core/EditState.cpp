#include "app/core/EditState.h"

#include <algorithm>
#include <climits>

#include "image/Arith.h"

namespace lum {

EditState::EditState() : EditState(false) {}

EditState::EditState(bool compareWindow) : compare_(compareWindow) {
    for (Image* img : {&MemoryImage, &UndoImage, &WorkImage, &SourceImage, &MoveBuffer, &SelectionImage,
                       &SelectionMask})
        img->resize(8, 8);
    Angles = BuildAngleTables();
    RebuildRows();
}

void EditState::RebuildRows() {
    SourceRows.resize(static_cast<size_t>(std::max(SourceImage.height(), 0)));
    for (int y = 0; y < SourceImage.height(); ++y) SourceRows[y] = SourceImage.row(y);
    WorkRows.resize(static_cast<size_t>(std::max(WorkImage.height(), 0)));
    for (int y = 0; y < WorkImage.height(); ++y) WorkRows[y] = WorkImage.row(y);
}

Rect EditState::ConfinementRect() const {
    Rect r{0, 0, WorkImage.width() - 1, WorkImage.height() - 1};
    if (SelectionActive > 0) {
        r.Left = std::max(SelectionRect.Left, 0);
        r.Top = std::max(SelectionRect.Top, 0);
        r.Right = std::min(SelectionRect.Right, WorkImage.width() - 1);
        r.Bottom = std::min(SelectionRect.Bottom, WorkImage.height() - 1);
    }
    return r;
}

BalanceTargets EditState::CurrentTargets() {
    if (ReadOptions) ReadOptions(Targets);
    return Targets;
}

bool EditState::FitZoom(int W, int H) {
    const int w = WorkImage.width(), h = WorkImage.height();
    if (!(w > W || h > H) || w <= 0 || h <= 0) return false;
    // Each case overwrites the previous one, in this order.
    if (w >= W && h <= H) ZoomTable[0] = roundHalfEven(100.0 * W / w - 1);
    if (w <= W && h >= H) ZoomTable[0] = roundHalfEven(100.0 * H / h - 1);
    if (w >= W && h >= H) {
        double rw = static_cast<double>(W) / w, rh = static_cast<double>(H) / h;
        ZoomTable[0] = rw > rh ? roundHalfEven(100.0 * rh - 1) : roundHalfEven(100.0 * rw - 1);
    }
    // A view too small to show anything would give zero or negative zoom.
    if (ZoomTable[0] < 1) ZoomTable[0] = 1;
    ZoomIndex = 0;
    return true;
}

void EditState::CommitMemoryImage(CommitMode mode) {
    int W = INT_MAX, H = INT_MAX;
    if (ViewOuterSize) ViewOuterSize(W, H);
    CommitMemoryImage(W, H, mode);
}

void EditState::CommitMemoryImage(int W, int H, CommitMode mode) {
    if (mode != CommitMode::NoCopies) {
        UndoImage.resize(MemoryImage.width(), MemoryImage.height());
        UndoImage.drawAt00(MemoryImage);
    }
    WorkImage.resize(UndoImage.width(), UndoImage.height());
    WorkImage.drawAt00(UndoImage);
    // The layout hook below may paint through the row tables; WorkImage's storage may just
    // have moved, so point the tables at it before anything draws.
    RebuildRows();
    if (mode == CommitMode::Compare100) {
        ZoomIndex = 7;
    } else {
        bool fitted = FitZoom(W, H);
        if (!fitted && compare_) ZoomIndex = 7;
    }
    if (LayoutView) LayoutView();
    else Redraw();
    if (mode != CommitMode::NoCopies) {
        SourceImage.resize(WorkImage.width(), WorkImage.height());
        SourceImage.drawAt00(WorkImage);
    }
    RebuildRows();
}

void EditState::Memorize() {
    MemoryImage = WorkImage;
    CommitMemoryImage();
}

void EditState::Undo() {
    WorkImage = UndoImage;
    RebuildRows();
    Redraw();
}

void EditState::ClearSelection() {
    if (SelectionActive > 0) {
        SelectionActive = 0;
        Redraw();
    }
    FloatActive = false;
    DragActive = false;
    if (ClearSelectionUi) ClearSelectionUi();
}

void EditState::ResetTool() {
    ToolMode = 0;
    SelectionActive = 0;
    FloatActive = false;
    DragActive = false;
    if (ResetToolUi) ResetToolUi();
}

void EditState::BeginPixelOp() {
    SourceImage = WorkImage;
    RebuildRows();
}

}  // namespace lum
