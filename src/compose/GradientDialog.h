// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient parameters dialog shared by "New image", the gradient mix and the lighten
// gradient: output size, three colours, style and a centre placed on a 256 x 256 preview.
#pragma once
#include <QDialog>
#include <QImage>

#include "compose/ComposeControls.h"
#include "imaging/Gradient.h"

class QCheckBox;
class QLabel;
class QPushButton;
class RadioGroup;
class SpinEdit;

class GradientDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinSide = 10;
    static constexpr int kMaxSide = 1200;

    explicit GradientDialog(QWidget* parent = nullptr);

    // Asked when a colour panel is clicked; the toolkit's colour dialog until one is given.
    void SetColourAsker(lum::ColourAsker asker) { askColour_ = std::move(asker); }

    // What the command shows in the title bar ("New image", ...).
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    // Presets width and height, each limited to 10..1200.
    void SetOutputSize(int width, int height);
    int OutputWidth() const;
    int OutputHeight() const;

    lum::Colour Colour1() const;
    lum::Colour Colour2() const;
    lum::Colour Background() const;
    lum::GradientStyle Style() const;
    // The centre on the preview, (128, 128) after each showing.
    lum::GradientCentre Centre() const { return centre_; }
    // What the preview shows: the centre in preview pixels.
    lum::GradientParams PreviewParams() const;
    // What OK stands for: the centre scaled from the preview to OutputWidth() x OutputHeight().
    lum::GradientParams Params() const;
    // The gradient at OutputWidth() x OutputHeight() (the new image / the mix source).
    lum::Image RenderOutput() const;
    // The preview as last drawn (256 x 256).
    const QImage& Preview() const { return preview_; }

    // What the controls do.
    void ApplySizePreset();  // the picked standard size into width and height
    // The standard sizes follow the width and height: the preset they make, or none.
    void ShowStandardSize();
    void ChooseBackground();       // a click on a colour panel asks for its colour
    void ChooseColour1();
    void ChooseColour2();
    void SwapColours();            // "{"
    void BackgroundFromColour2();  // "="
    void StyleChosen();
    void ConstantToggled();
    void PlaceCentre(int x, int y);  // a click in the preview
    void ResetCentre();  // centre back to (128, 128), preview redrawn
    void RenderPreview();

    // Controls, for the windows and tests.
    SpinEdit* WidthSpin = nullptr;   // edit Edit1
    SpinEdit* HeightSpin = nullptr;  // edit Edit2
    RadioGroup* SizePresets = nullptr;
    ColourPanel* Colour1Panel = nullptr;
    ColourPanel* Colour2Panel = nullptr;
    ColourPanel* BackgroundPanel = nullptr;
    QPushButton* SwapButton = nullptr;        // "{": swaps colour 1 and colour 2
    QPushButton* BackgroundButton = nullptr;  // "=": colour 2 becomes the background
    RadioGroup* StyleGroup = nullptr;
    QCheckBox* ConstantBox = nullptr;
    PictureBox* PreviewBox = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // The arrow keys move the centre in the preview, as a click places it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AskPanelColour(ColourPanel* panel);

    lum::ColourAsker askColour_;
    lum::GradientCentre centre_;
    QImage preview_;
};
