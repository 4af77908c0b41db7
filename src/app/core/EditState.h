// The editing state of one window: the seven images, row tables, zoom, selection and tool
// state, the document strings and flags. The main window and the compare window each own one.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/core/Macro.h"
#include "image/Codec.h"
#include "image/Color.h"
#include "image/Image.h"
#include "image/Tables.h"

namespace lum {

class Prompts;

// The selection test of the pixel operations. The selection code implements it; without a
// selection every pixel is inside.
class SelectionTest {
public:
    virtual ~SelectionTest() = default;
    virtual bool InSelection(int x, int y) const = 0;
};

// 3x3 weights (row offset -1..+1, column offset -1..+1) and a divisor, with the two
// alternation counters of kinds 2 and 4.
struct KernelRegister {
    std::array<std::array<int32_t, 3>, 3> weights{};
    int32_t divisor = 1;
    int32_t counter2 = 0;
    int32_t counter4 = 0;
};

// Balance targets of the Options dialog (red, green, blue, 128..255 each).
struct BalanceTargets {
    Rgb flesh{200, 160, 145};
    Rgb landscape{190, 180, 170};
};

enum class CommitMode {
    Normal = 0,     // the main window's commit; compare window mode 0
    NoCopies = 1,   // compare window: reset-image button, skips the copies of steps 1 and 5
    Compare100 = 3  // compare window: filling it / zoom scaling, ZoomIndex := 7 instead of fitting
};

class EditState {
public:
    EditState();
    explicit EditState(bool compareWindow);

    // --- the seven images ---
    Image MemoryImage, UndoImage, WorkImage, SourceImage, MoveBuffer, SelectionImage, SelectionMask;

    // --- row tables, sized to the image (no row limit) ---
    std::vector<uint8_t*> SourceRows, WorkRows;
    void RebuildRows();

    // --- zoom ---
    std::array<int32_t, 13> ZoomTable{100, 10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400, 800};
    int32_t ZoomIndex = 7;
    int32_t Zoom() const { return ZoomTable[ZoomIndex]; }
    // Computes the fit of step 3; returns true when the image was larger than the view.
    bool FitZoom(int viewOuterWidth, int viewOuterHeight);

    // --- selection and tool state ---
    int32_t SelectionActive = 0;
    Rect SelectionRect{};
    int32_t ToolMode = 0;
    bool DragActive = false;
    bool FloatActive = false;
    const SelectionTest* Selection = nullptr;  // consulted only while SelectionActive > 0
    bool InSelection(int x, int y) const {
        return SelectionActive <= 0 || Selection == nullptr || Selection->InSelection(x, y);
    }
    // SelectionRect clipped to the image (inclusive bounds), or the whole image without a selection.
    Rect ConfinementRect() const;

    // --- tables and per-window registers ---
    const ToneTableT& Tones() const { return ToneTable(); }
    AngleTables Angles;
    KernelRegister Kernel;
    BalanceTargets Targets;  // refreshed from the Options dialog by ReadOptions before use
    std::function<void(BalanceTargets&)> ReadOptions;
    BalanceTargets CurrentTargets();

    // --- document strings and flags ---
    std::string CurrentFileName, SaveFolder, CurrentFolder;
    bool NewImagePending = false;
    bool PhotoLoaded = false, Saved = true, Optimized = false;
    std::string FileInfoText;
    JpegMetadata CurrentMetadata;  // of the loaded photo, written back by the saves

    // --- macro recorder of this window ---
    MacroRecorder Macro;
    Prompts* prompts = nullptr;
    // Sets the window's prompts for its operations and its macro recorder alike.
    void SetPrompts(Prompts* p) {
        prompts = p;
        Macro.SetPrompts(p);
    }

    // --- hooks into the window (all optional) ---
    std::function<void()> RedrawView;            // the one redraw entry
    std::function<void()> LayoutView;            // lay out the view for the zoom, then redraw
    std::function<void(int&, int&)> ViewOuterSize;  // outer size of the photo view
    std::function<void()> ClearSelectionUi;      // buttons and cursor of ClearSelection
    std::function<void()> ResetToolUi;           // cursor (and paint buttons) of ResetTool
    std::function<void(bool)> Busy;              // hourglass / progress window on and off

    // --- operations ---
    void CommitMemoryImage(CommitMode mode = CommitMode::Normal);
    void CommitMemoryImage(int viewOuterWidth, int viewOuterHeight, CommitMode mode = CommitMode::Normal);
    void Memorize();
    void Undo();
    void ClearSelection();
    void ResetTool();
    // The first step of every pixel operation: SourceImage := WorkImage, rows rebuilt.
    void BeginPixelOp();
    void Redraw() { if (RedrawView) RedrawView(); }

    bool IsCompareWindow() const { return compare_; }

private:
    bool compare_ = false;
};

}  // namespace lum
