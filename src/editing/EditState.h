// The editing state of one window: the images, the selection, zoom and tool state, the
// per-window registers, the document strings and flags. The main window and the compare window
// each own one, through their editor.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editing/ImagePoint.h"
#include "image/Codec.h"
#include "image/Color.h"
#include "image/Image.h"
#include "image/Mask.h"
#include "image/Tables.h"
#include "imaging/Brush.h"
#include "imaging/ColourOps.h"
#include "imaging/Confinement.h"
#include "imaging/Filters.h"
#include "imaging/Selection.h"

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

// The copy of a picture about to become MemoryImage that its commit makes, made beforehand (on
// another thread), so that the commit takes it over instead of copying on the window's thread.
struct BaselineCopies {
    Image work;
    static BaselineCopies Of(const Image& img);
    // It can stand for a copy of img: of its size (its pixels are the maker's word).
    bool SizedFor(const Image& img) const;
};

// The slot of the zoom table that holds 100 %.
constexpr int32_t kHundredPercentSlot = 7;

// Kinds of selection (the value of SelectionActive), as imaging's SelectionKind numbers them.
constexpr int32_t kNoSelection = 0, kFreeShape = 1, kRectangleSelection = 2, kEllipseSelection = 3;

class EditState {
public:
    EditState();

    // --- images (the steps before are the editor's history) ---
    Image MemoryImage;     // the baseline: the photo as loaded or last memorized; Reset returns to it
    Image WorkImage;       // what is shown, edited and saved
    Image SourceImage;     // the working image as it was before the last pixel operation
    Image MoveBuffer;      // the working image at the last grab of the selection
    Image SelectionImage;  // the pixels of the selection
    // The picture a mix lays over the working image (a chosen picture, a gradient, the
    // clipboard's, a text stamp). Kept apart from the baseline, which the compare window shows
    // as the original and the zoom fits and the new size start from.
    Image MixSource;

    // --- selection: its kind, bounding rectangle (right and bottom exclusive), points relative
    // to Left/Top, and a mask of the rectangle's size, non-zero inside ---
    int32_t SelectionActive = kNoSelection;
    Rect SelectionRect{0, 0, 1, 1};
    std::vector<ImagePoint> SelectionPoints;
    Mask SelectionMask;
    // Makes a new selection; a mask without any byte inside (or not of the rectangle's size)
    // makes none. Returns whether a selection exists afterwards.
    bool SetSelection(int32_t kind, const Rect& rect, std::vector<ImagePoint> points, Mask mask);
    bool SetSelection(Selection sel);
    // No selection; its rectangle back to (0, 0, 1, 1).
    void DropSelection();
    // Where confined operations may change pixels: the selection, or the whole image.
    Confinement Confine() const;
    // The selection rectangle read with inclusive bounds (its right and bottom too) and
    // clipped to the working image: the balances' sample. Empty when it lies outside.
    Rect ClippedSelection() const;

    // --- zoom: slot 0 holds the fit, 1..12 the fixed percentages ---
    static constexpr std::array<int32_t, 13> kZoomPercents{100, 10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400, 800};
    std::array<int32_t, 13> ZoomTable = kZoomPercents;
    int32_t ZoomIndex = kHundredPercentSlot;
    // The fixed percentages back in the table and the zoom at 100 %.
    void ResetZoom();
    int32_t Zoom() const { return ZoomTable[static_cast<size_t>(ZoomIndex)]; }
    // The zoom tool: one slot up (direction > 0) or down within slots 1..12, never to the fit
    // slot 0. Returns whether the slot changed.
    bool StepZoom(int direction);
    // The fit of a commit; returns true when the image was larger than the view.
    bool FitZoom(int viewOuterWidth, int viewOuterHeight);
    // The zoom that fit gives a w x h image, or 0 when the image is not larger than the view.
    static int FitPercent(int w, int h, int viewOuterWidth, int viewOuterHeight);

    // --- tool state ---
    int32_t ToolMode = 0;
    bool DragActive = false;
    bool FloatActive = false;

    // --- per-window registers ---
    AngleTables Angles;
    KernelRegister Kernel;
    BalanceTargets Targets;        // as last read from the Options
    Colour PaintColour1 = MakeColour(0xFD, 0xE9, 0x73);
    Colour PaintColour2 = MakeColour(0x80, 0x80, 0x80);
    // The paint tools' diameter (2..96) and thickness, which is also the fill threshold (1..36).
    int32_t PaintDiameter = 32;
    int32_t PaintThickness = 2;
    // The noise brush's draws, seeded once per window from the clock.
    BrushRandom Noise{BrushRandom::ClockSeed()};

    // --- document strings and flags ---
    std::string CurrentFileName, SaveFolder, CurrentFolder;
    bool NewImagePending = false;
    bool PhotoLoaded = false, Saved = true, Optimized = false;
    // Every change since the picture was loaded or saved is an optimize (what the questions
    // before leaving it call it).
    bool OnlyOptimized = false;
    // False while the images are the placeholders of a new window (nothing to show or save);
    // the first commit makes it true.
    bool HasPicture = false;
    std::string FileInfoText;
    PictureMetadata CurrentMetadata;  // of the loaded photo, written back by the saves
    // The file the picture on screen was opened from or last written to, whatever activation
    // did to CurrentFileName; empty for a made or pasted picture. What the saves propose.
    std::string PhotoFile;
    // PhotoFile was opened with damage: only part of it could be decoded.
    bool PhotoDamaged = false;
    // The name a picture made in a window carries until it is saved.
    static constexpr const char* kNewFileName = "New_file";
    // A photo of the user's was just loaded: nothing to save yet.
    void PhotoJustLoaded();
    // No photo of the user's is shown (start-up, the logo): nothing to switch away from or save.
    void ForgetPhoto();
    // A picture is being made (New, before its dialog): it belongs to no file until saved.
    void StartNewPicture();
    // A made or pasted picture is in place: no file, and none of the old photo's metadata.
    void TookNewPicture();
    // The file the picture was read from or last written to, as it was then: a save over it
    // first checks that no other program has changed or replaced it since.
    std::string SourcePath;
    FileIdentity SourceFile;
    // The picture now stands for the file at path as it is (just written, or read as source).
    void TookSource(const std::string& path, const FileIdentity& file);
    // Writing to path would overwrite the source file (by its name or another), and another
    // program has changed or replaced it since.
    bool ChangedOnDisk(const std::string& path) const;

    // --- the state's part of the operations (the editor adds the view) ---
    // MemoryImage becomes the baseline: WorkImage restarts from it and SourceImage is left
    // empty until an operation makes it (NoCopies keeps SourceImage), then the zoom follows
    // mode and rule. With `ready` (sized for MemoryImage, any mode but NoCopies) its copy is taken over.
    void Commit(int viewOuterWidth, int viewOuterHeight, CommitMode mode, FitRule rule,
                BaselineCopies* ready = nullptr);
    // The commit of a lean editor: MemoryImage moves into WorkImage (NoCopies keeps WorkImage),
    // and MemoryImage and SourceImage are left empty; the zoom as Commit sets it.
    void CommitWithoutCopies(int viewOuterWidth, int viewOuterHeight, CommitMode mode, FitRule rule);
    // The working image changed size outside a commit (a step taken back): the fit of a commit.
    void FitNewSize(int viewOuterWidth, int viewOuterHeight, FitRule rule);
    // SourceImage := WorkImage, the first step of every pixel operation.
    void BeginPixelOp() { SourceImage = WorkImage; }
    // Tool mode 0, no selection, no drag or floating piece.
    void ResetTool();

private:
    void CommitZoom(int viewOuterWidth, int viewOuterHeight, CommitMode mode, FitRule rule);
};

}  // namespace lum
