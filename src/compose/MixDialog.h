// The "Images Mix" dialog: percentage, style, resizing, mirror, tiles offset, mask colour picked
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
    // image's size kept, and Label10 names the source (a file name, "Clipboard image", ...) with
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
    lum::Colour MaskColour() const { return PanColmask->Colour(); }
    // Clicks in the preview pick the mask colour (style "Masked Copy").
    bool MaskPicking() const { return maskPicking_; }
    int SourceWidth() const { return sourceW_; }
    int SourceHeight() const { return sourceH_; }

    // Handlers of the design.
    void RadioStyleClick();
    void RadioDimensionClick();
    void UpDownZoomClick();
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp(int x, int y);

    // Controls, for the windows and tests.
    SpinEdit* UpdownMix = nullptr;  // edit Edit1
    RadioGroup* RadioStyle = nullptr;
    QGroupBox* GroupBox1 = nullptr;  // resizing, mirror and zoom
    RadioGroup* RadioDimension = nullptr;
    SpinEdit* UpDownZoom = nullptr;  // edit Edit2
    RadioGroup* RadioMiroir = nullptr;
    QGroupBox* GroupBox2 = nullptr;  // offset
    SpinEdit* UpDownOffsetx = nullptr;
    SpinEdit* UpDownOffsety = nullptr;
    QGroupBox* GroupBox3 = nullptr;  // mask
    ColourPanel* PanColmask = nullptr;
    QLabel* Label4 = nullptr;  // "R = "
    QLabel* Label8 = nullptr;  // "G = "
    QLabel* Label9 = nullptr;  // "B = "
    SpinEdit* UpDownTolere = nullptr;
    QGroupBox* GroupBox4 = nullptr;  // blur
    RadioGroup* Radioflou = nullptr;
    SpinEdit* UpDownMarge = nullptr;
    QFrame* Panel1 = nullptr;
    PictureBox* PaintBox1 = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

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
