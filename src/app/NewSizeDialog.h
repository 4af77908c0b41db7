// The "New dimensions" dialog of the resize command: width and height with presets, a step
// choice and ratio keeping against the memorized image's size.
#pragma once
#include <QDialog>

class QCheckBox;
class QPushButton;
class TRadioGroup;
class TUpDownSpin;

class TEform6 : public QDialog {
    Q_OBJECT
public:
    explicit TEform6(QWidget* parent = nullptr);

    // Size of the main window's MemoryImage: the ratio and "Original size" use it.
    void SetImageSize(int w, int h);
    int NewWidth() const;   // UpDown1 position
    int NewHeight() const;  // UpDown2 position
    void SetNewSize(int w, int h);  // sets both positions, no ratio applied
    bool KeepRatio() const;          // CheckBox1

    // 1 = the width was set, 2 = the height was set.
    void ApplyRatio(int from);

    // Handlers of the design.
    void UpDown1Click() { ApplyRatio(1); }
    void UpDown2Click() { ApplyRatio(2); }
    void RadioGroup1Click();
    void Button1Click();
    void Button2Click();  // width presets, reads the sender's caption
    void Button8Click();  // height presets

    TUpDownSpin* UpDown1() const { return upDown1_; }
    TUpDownSpin* UpDown2() const { return upDown2_; }
    TRadioGroup* RadioGroup1() const { return radioGroup1_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }

private:
    TUpDownSpin* upDown1_ = nullptr;
    TUpDownSpin* upDown2_ = nullptr;
    TRadioGroup* radioGroup1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    int imageW_ = 0, imageH_ = 0;
};
