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
    int OutputWidth() const;   // UpDown1 position
    int OutputHeight() const;  // UpDown2 position

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

    // Handlers of the design.
    void RadioGroup2Click();  // size presets
    // RadioGroup2 follows the width and height: the preset they make, or none.
    void ShowStandardSize();
    void Panel1Click();       // background
    void Panel2Click();       // colour 1
    void Panel3Click();       // colour 2
    void Button1Click();      // "{": swap colour 1 and colour 2
    void Button2Click();      // "=": background := colour 2
    void RadioGroup1Click();  // style
    void CheckBox1Click();
    void Image1MouseDown(int x, int y);
    void FormActivate();  // centre back to (128, 128), preview redrawn
    void RenderPreview();

    // Controls, for the windows and tests.
    SpinEdit* UpDown1 = nullptr;  // width, edit Edit1
    SpinEdit* UpDown2 = nullptr;  // height, edit Edit2
    RadioGroup* RadioGroup2 = nullptr;
    ColourPanel* Panel2 = nullptr;  // colour 1
    ColourPanel* Panel3 = nullptr;  // colour 2
    ColourPanel* Panel1 = nullptr;  // background
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    PictureBox* Image1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AskPanelColour(ColourPanel* panel);

    lum::ColourAsker askColour_;
    lum::GradientCentre centre_;
    QImage preview_;
};
