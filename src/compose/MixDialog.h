// SPDX-License-Identifier: GPL-3.0-or-later
// The "Image mix" dialog: percentage, style, resizing, mirror, tiles offset, mask colour picked
// in the preview of the mix source, and the blur of smoothed edges.
#pragma once
#include <QDialog>

#include "compose/ComposeControls.h"
#include "image/Image.h"
#include "imaging/Mix.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class RadioGroup;
class SpinEdit;

class MixDialog : public QDialog {
    Q_OBJECT
public:
    // The preview panel and the margin the source is fitted with.
    static constexpr int kPanelWidth = 185;
    static constexpr int kPanelHeight = 161;
    static constexpr int kPreviewMargin = 8;

    explicit MixDialog(QWidget* parent = nullptr);

    // Before showing the dialog for a mix: the source is fitted into the preview (the paint box
    // placed and sized, the source stretched into it; hidden for an empty source), the working
    // image's size kept, and the size line names the source (a file name, "Clipboard image", ...) with
    // its size and the size it will have in the photo.
    void Prepare(const lum::Image& source, const QString& sourceName, int workWidth, int workHeight);
    // The parts of Prepare on their own. Only the preview and the sizes are kept, not the source.
    void SetSource(const lum::Image& source);
    void SetSourceName(const QString& name) { sourceName_ = name; }
    void SetWorkSize(int width, int height);

    // The choices, read when the mix runs.
    lum::MixOptions Options() const;
    // Presets for a command: style and resizing follow SetStyle / SetResize, then the rest.
    void SetOptions(const lum::MixOptions& options);
    // A different item runs the change handler as a user's choice would; the same item runs
    // nothing.
    void SetStyle(lum::MixStyle style);
    void SetResize(lum::MixResize resize);
    void SetPercent(int percent);
    void SetTolerance(int tolerance);
    void SetMaskColour(lum::Colour colour);
    lum::Colour MaskColour() const { return MaskColourPanel->Colour(); }
    // Clicks in the preview pick the mask colour (style "Masked Copy").
    bool MaskPicking() const { return maskPicking_; }
    int SourceWidth() const { return sourceW_; }
    int SourceHeight() const { return sourceH_; }

    // What the controls do: the style shows its groups, the resizing and the zoom update the
    // size line, and the mouse in the preview reads the pixel under it (a release there makes
    // it the mask colour).
    void StyleChosen();
    void ResizeChosen();
    void ZoomChanged();
    void PreviewPressed(int x, int y);
    void PreviewMoved(int x, int y);
    void PreviewReleased(int x, int y);

    // Controls, for the windows and tests.
    SpinEdit* PercentSpin = nullptr;  // edit Edit1
    RadioGroup* StyleGroup = nullptr;
    QGroupBox* PlacingBox = nullptr;  // resizing, mirror and zoom
    RadioGroup* ResizeGroup = nullptr;
    SpinEdit* ZoomSpin = nullptr;  // edit Edit2
    RadioGroup* MirrorGroup = nullptr;
    QGroupBox* OffsetBox = nullptr;  // the tiles' offset
    SpinEdit* OffsetXSpin = nullptr;
    SpinEdit* OffsetYSpin = nullptr;
    QGroupBox* MaskBox = nullptr;  // the mask colour and its tolerance
    ColourPanel* MaskColourPanel = nullptr;
    QLabel* RedLabel = nullptr;    // "R = "
    QLabel* GreenLabel = nullptr;  // "G = "
    QLabel* BlueLabel = nullptr;   // "B = "
    SpinEdit* ToleranceSpin = nullptr;
    QGroupBox* BlurBox = nullptr;  // the blur of smoothed edges
    RadioGroup* BlurShapeGroup = nullptr;
    SpinEdit* MarginSpin = nullptr;
    QFrame* PreviewFrame = nullptr;   // the sunken frame the preview is fitted into
    PictureBox* PreviewBox = nullptr;  // the mix source, stretched to fit
    QLabel* SizeLine = nullptr;        // the source's size and the size it takes in the photo
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void BuildGroups();
    void UpdateSizeLine();
    // The preview pixel at (x, y) into the labels; false outside the preview.
    bool ShowPixel(int x, int y, lum::Colour* colour);

    bool maskPicking_ = false;
    lum::Image preview_;
    QString sourceName_;
    int sourceW_ = 0, sourceH_ = 0;
    int workW_ = 0, workH_ = 0;
};
