// SPDX-License-Identifier: GPL-3.0-or-later
// The "New size" dialog of the resize command: width and height with presets, a step choice and
// ratio keeping against the photo's size. A size the ratio cannot give within the
// limits is said in the dialog, and OK waits for another size.
#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class RadioGroup;
class SpinEdit;

class NewSizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewSizeDialog(QWidget* parent = nullptr);

    // Size of the photo to resize: the ratio and "Original size" use it. A photo beyond the
    // limits is said so in the dialog. Starts the dialog unchanged.
    void SetImageSize(int w, int h);
    // The user changed the size (typed, arrows, a preset, "Original size"): OK without that
    // leaves the photo as it is, never the limited size offered.
    bool SizeChanged() const { return changed_; }
    int NewWidth() const;
    int NewHeight() const;
    // Sets width and height, no ratio applied. A size beyond the limits becomes, with the ratio
    // kept, the largest size with its ratio within them.
    void SetNewSize(int w, int h);
    bool KeepRatio() const;
    // The ratio cannot be kept within the limits: RatioNote says why, OK is disabled.
    bool RatioProblem() const;
    QString RatioNote() const;
    static bool FitsLimits(int w, int h);
    void accept() override;

    // 1 = the width was set, 2 = the height was set: the other side follows the ratio, or the
    // dialog says why it cannot.
    void ApplyRatio(int from);

    // What the controls do.
    void WidthChanged() { ApplyRatio(1); }
    void HeightChanged() { ApplyRatio(2); }
    void ApplyStep();        // the arrows' step: 1, 5 or 10 pixels
    void UseOriginalSize();  // the photo's own size
    void UseWidthPreset();   // a width preset button: reads the sender's caption
    void UseHeightPreset();  // a height preset button

    SpinEdit* WidthSpin() const { return widthSpin_; }
    SpinEdit* HeightSpin() const { return heightSpin_; }
    RadioGroup* StepGroup() const { return stepGroup_; }
    QCheckBox* KeepRatioBox() const { return keepRatioBox_; }

private:
    void SetBoth(int w, int h);
    void ShowRatioNote(const QString& note);
    // `other` takes the size the ratio gives for `set`, or `note` says why it cannot (%1 the
    // size set, %2 the size it needs, %3 and %4 the limits of `other`).
    void Follow(SpinEdit* set, SpinEdit* other, int setSide, int otherSide, const QString& note);

    SpinEdit* widthSpin_ = nullptr;
    SpinEdit* heightSpin_ = nullptr;
    RadioGroup* stepGroup_ = nullptr;
    QCheckBox* keepRatioBox_ = nullptr;
    QLabel* ratioNote_ = nullptr;
    QLabel* limitNote_ = nullptr;
    bool changed_ = false;
    QPushButton* ok_ = nullptr;
    bool applying_ = false;
    int imageW_ = 0, imageH_ = 0;
};
