// The Options dialog: JPEG save parameters, files-and-folders switches and the colour-balance
// targets. Operations read it at the moment they run; changes apply as they are made.
#pragma once
#include <QDialog>

#include "imaging/ColourOps.h"

class QCheckBox;
class QPushButton;
class RadioGroup;
class SpinEdit;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    int JpegQuality() const;          // UpDownJPG, 10..100
    bool Progressive() const;         // RadioGroup1 index not 0
    lum::BalanceTargets Targets() const;  // UpDown4..6 flesh, UpDown7..9 landscape
    bool NextFileAutoOpening() const;     // CheckBox1
    bool MemorizeLastFolder() const;      // CheckBox2
    void SetMemorizeLastFolder(bool on);
    int BalanceButton() const;            // RadioGroup2 index

    // "Reset standard Parameters"; leaves "Balance Button" as it is.
    void ResetStandardParameters();
    void Button1Click() { ResetStandardParameters(); }

    SpinEdit* UpDownJPG() const { return upDownJpg_; }
    SpinEdit* UpDown(int n) const;  // 4..9
    RadioGroup* RadioGroup1() const { return radioGroup1_; }
    RadioGroup* RadioGroup2() const { return radioGroup2_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QCheckBox* CheckBox2() const { return checkBox2_; }

protected:
    void showEvent(QShowEvent* event) override;

signals:
    void memorizeLastFolderToggled(bool on);
    void standardParametersReset();

private:
    SpinEdit* upDownJpg_ = nullptr;
    SpinEdit* upDowns_[6] = {};
    RadioGroup* radioGroup1_ = nullptr;
    RadioGroup* radioGroup2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
};
