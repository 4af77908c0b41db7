// SPDX-License-Identifier: GPL-3.0-or-later
// The "Text stamp" dialog: one or two lines of text with font, colours, outline and
// shadow, their height a part of the photo's; the preview shows the stamp where it lands on a
// scaled view of the photo. On OK the stamp is drawn at the photo's own scale and mixed into it as
// a masked copy.
#pragma once
#include <QDialog>
#include <QImage>
#include <QStringList>

#include "compose/ComposeControls.h"
#include "compose/QtTextCanvas.h"
#include "image/Image.h"
#include "imaging/Mix.h"
#include "imaging/TextStamp.h"

class QCheckBox;
class QLabel;
class QComboBox;
class QPushButton;
class QTextEdit;
class QToolButton;
class RadioGroup;
class SpinEdit;
namespace lum {
class Job;
}

class TextStampDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRampWidth = 64;

    explicit TextStampDialog(QWidget* parent = nullptr);

    // Asked by the font button with the preview font; the toolkit's font dialog until one is given.
    void SetFontAsker(lum::FontAsker asker) { askFont_ = std::move(asker); }
    // The photo the stamp is for: its size sets the letters' size, a scaled copy is shown under
    // the preview. Without one, the preview stands for the photo.
    void SetPhoto(const lum::Image& photo);
    // The letters' height on the photo, in pixels (one line).
    int LineHeightOnPhoto() const;

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

    // The preview as last painted and where the stamp lands on it.
    const QImage& Preview() const { return preview_; }
    lum::Rect TextRect() const { return stampRect_; }
    // After OK: the stamp at the photo's scale (24-bit), and the mix presets it runs with.
    const lum::Image& MixSource() const { return mixSource_; }
    lum::MixOptions MixOptionsFor(const lum::MixOptions& current) const;

    // What the controls do: each change draws the preview again.
    void FaceChanged();
    void ChooseFont();  // the font dialog, its choice back into the controls
    void ColoursChanged();
    void BackgroundChosen();
    void PickShadowGrey(int x);  // a click on the shadow ramp
    void SettingChanged();  // size, bold, italic, shadow, outline, offsets, "Show", text
    // OK: draws the stamp at the photo's scale on the pool, then accepts (not when cancelled meanwhile).
    void TakeStamp();
    bool DrawingStamp() const { return stampJob_ != nullptr; }
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    void RenderPreview();

    // Controls, for the windows and tests.
    QComboBox* FaceBox = nullptr;
    SpinEdit* SizeSpin = nullptr;  // edit Edit1: a line's height in % of the photo's
    QLabel* SizeInfo = nullptr;    // the letters' height in photo pixels
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
    QSize PhotoSize() const;
    lum::RenderedStamp RenderFor(int photoW, int photoH) const;

    lum::FontAsker askFont_;
    lum::Colour shadowColour_ = lum::MakeColour(128, 128, 128);
    QImage preview_;
    QImage photoView_;    // the photo, scaled down once for the preview
    QSize photoSize_;     // the photo's own size; empty without one
    lum::Rect stampRect_;
    int lineHeightOnPhoto_ = 0;
    int lineHeightInPreview_ = 0;
    lum::Image mixSource_;
    lum::Job* stampJob_ = nullptr;
};
