// SPDX-License-Identifier: GPL-3.0-or-later
// The "Text stamp" dialog: one or two lines of text with font, colours, outline and
// shadow, rendered on a plain background; on OK the part holding the text becomes the stamp that
// is mixed into the photo as a masked copy.
#pragma once
#include <QDialog>
#include <QImage>
#include <QStringList>

#include "compose/ComposeControls.h"
#include "image/Image.h"
#include "imaging/Mix.h"
#include "imaging/TextStamp.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTextEdit;
class QToolButton;
class RadioGroup;
class SpinEdit;

class TextStampDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRampWidth = 64;

    explicit TextStampDialog(QWidget* parent = nullptr);

    // Asked by the font button with the preview font; the toolkit's font dialog until one is given.
    void SetFontAsker(lum::FontAsker asker) { askFont_ = std::move(asker); }

    // Every installed font family, one entry each, sorted without regard to case.
    static QStringList InstalledFaces();
    // The face the text is drawn in: the box's text while no item is picked ("Arial" at first);
    // the desktop's default face when no installed family has that name.
    QString Face() const;
    QFont PreviewFont() const;
    // The lines of the text box: none when it is empty, no empty line after a final line break.
    QStringList Lines() const;
    lum::TextStampOptions Options() const;
    lum::Colour BackgroundColour() const;  // white, the button face or black
    lum::Colour ShadowColour() const { return shadowColour_; }

    // The preview as last painted and the part of it that holds the text.
    const QImage& Preview() const { return preview_; }
    lum::Rect TextRect() const { return layout_.textRect; }
    // After OK: the stamp (TextRect of the preview, 24-bit), and the mix presets it runs with.
    const lum::Image& MixSource() const { return mixSource_; }
    lum::MixOptions MixOptionsFor(const lum::MixOptions& current) const;

    // What the controls do: each change draws the preview again.
    void FaceChanged();
    void ChooseFont();  // the font dialog, its choice back into the controls
    void ColoursChanged();
    void BackgroundChosen();
    void PickShadowGrey(int x);  // a click on the shadow ramp
    void SettingChanged();  // size, bold, italic, shadow, outline, offsets, "Show", text
    void TakeStamp();       // OK: takes the stamp, then accepts
    void RenderPreview();

    // Controls, for the windows and tests.
    QComboBox* FaceBox = nullptr;
    SpinEdit* SizeSpin = nullptr;  // edit Edit1
    ColourGrid* LetterColours = nullptr;  // the letters' colour and the outline's
    QToolButton* FontButton = nullptr;
    QToolButton* BoldButton = nullptr;
    QToolButton* ItalicButton = nullptr;
    QTextEdit* TextBox = nullptr;
    RadioGroup* ShadowGroup = nullptr;
    RadioGroup* BackgroundGroup = nullptr;
    QCheckBox* OutlineBox = nullptr;
    SpinEdit* OffsetXSpin = nullptr;  // edit Edit3
    SpinEdit* OffsetYSpin = nullptr;  // edit Edit2
    PictureBox* ShadowRamp = nullptr;  // the greys of the shadow
    QPushButton* ShowButton = nullptr;  // "Show"
    PictureBox* PreviewBox = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    QWidget* BuildControls();
    void PaintRamp();

    lum::FontAsker askFont_;
    lum::Colour shadowColour_ = lum::MakeColour(128, 128, 128);
    QImage preview_;
    lum::TextStampLayout layout_;
    lum::Image mixSource_;
};
