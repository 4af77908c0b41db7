// The "text Image Creation" dialog: one or two lines of text with font, colours, outline and
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
    // The memo's lines: none for an empty memo, no empty line after a final line break.
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

    // Handlers of the design.
    void FontnameChange();
    void SpeedButton1Click();  // font dialog
    void ColorGrid1Change();
    void RadioGroup2Click();  // background
    void PaintBox2MouseDown(int x);
    void ControlChange();  // size, bold, italic, shadow, outline, offsets, "Show", text
    void BitBtn1Click();   // OK: takes the stamp, then accepts
    void RenderPreview();

    // Controls, for the windows and tests.
    QComboBox* Fontname = nullptr;
    SpinEdit* UpDown1 = nullptr;  // size, edit Edit1
    ColourGrid* ColorGrid1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;  // bold
    QToolButton* SpeedButton3 = nullptr;  // italic
    QTextEdit* Memo1 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;  // shadow
    RadioGroup* RadioGroup2 = nullptr;  // background
    QCheckBox* CheckBox1 = nullptr;      // outline
    SpinEdit* UpDown3 = nullptr;      // x offset, edit Edit3
    SpinEdit* UpDown2 = nullptr;      // y offset, edit Edit2
    PictureBox* PaintBox2 = nullptr;      // shadow ramp
    QPushButton* Button1 = nullptr;      // "Show"
    PictureBox* PaintBox1 = nullptr;      // preview
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

private:
    QWidget* BuildControls();
    void PaintRamp();

    lum::FontAsker askFont_;
    lum::Colour shadowColour_ = lum::MakeColour(128, 128, 128);
    QImage preview_;
    lum::TextStampLayout layout_;
    lum::Image mixSource_;
};
