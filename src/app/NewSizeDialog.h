// The "New size" dialog of the resize command: width and height with presets, a step choice and
// ratio keeping against the memorized image's size. A size the ratio cannot give within the
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

    // Size of the main window's MemoryImage: the ratio and "Original size" use it.
    void SetImageSize(int w, int h);
    int NewWidth() const;   // UpDown1 position
    int NewHeight() const;  // UpDown2 position
    // Sets both positions, no ratio applied. A size beyond the limits becomes, with the ratio
    // kept, the largest size with its ratio within them.
    void SetNewSize(int w, int h);
    bool KeepRatio() const;  // CheckBox1
    // The ratio cannot be kept within the limits: RatioNote says why, OK is disabled.
    bool RatioProblem() const;
    QString RatioNote() const;
    static bool FitsLimits(int w, int h);
    void accept() override;

    // 1 = the width was set, 2 = the height was set: the other side follows the ratio, or the
    // dialog says why it cannot.
    void ApplyRatio(int from);

    // Handlers of the design.
    void UpDown1Click() { ApplyRatio(1); }
    void UpDown2Click() { ApplyRatio(2); }
    void RadioGroup1Click();
    void Button1Click();
    void Button2Click();  // width presets, reads the sender's caption
    void Button8Click();  // height presets

    SpinEdit* UpDown1() const { return upDown1_; }
    SpinEdit* UpDown2() const { return upDown2_; }
    RadioGroup* RadioGroup1() const { return radioGroup1_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }

private:
    void SetBoth(int w, int h);
    void ShowRatioNote(const QString& note);
    // `other` takes the size the ratio gives for `set`, or `note` says why it cannot (%1 the
    // size set, %2 the size it needs, %3 and %4 the limits of `other`).
    void Follow(SpinEdit* set, SpinEdit* other, int setSide, int otherSide, const QString& note);

    SpinEdit* upDown1_ = nullptr;
    SpinEdit* upDown2_ = nullptr;
    RadioGroup* radioGroup1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QLabel* ratioNote_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool applying_ = false;
    int imageW_ = 0, imageH_ = 0;
};
