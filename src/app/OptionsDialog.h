// SPDX-License-Identifier: GPL-3.0-or-later
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

    int JpegQuality() const;              // 10..100
    bool Progressive() const;             // "Yes" picked
    lum::BalanceTargets Targets() const;  // the first row flesh, the second landscape
    bool NextFileAutoOpening() const;
    bool MemorizeLastFolder() const;
    void SetMemorizeLastFolder(bool on);
    int BalanceButton() const;            // 0 flesh, 1 landscape

    // "Reset standard Parameters"; leaves "Balance Button" as it is.
    void ResetStandardParameters();

    SpinEdit* QualitySpin() const { return qualitySpin_; }
    // The colour-balance targets by their object names' numbers: 4..6 flesh, 7..9 landscape.
    SpinEdit* TargetSpin(int n) const;
    RadioGroup* ProgressiveGroup() const { return progressiveGroup_; }
    RadioGroup* BalanceButtonGroup() const { return balanceButtonGroup_; }
    QCheckBox* AutoOpenNextBox() const { return autoOpenNextBox_; }
    QCheckBox* RememberFolderBox() const { return rememberFolderBox_; }

    // Cancel and Escape put every setting back as the dialog found it.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

signals:
    void memorizeLastFolderToggled(bool on);
    void standardParametersReset();

private:
    SpinEdit* qualitySpin_ = nullptr;
    SpinEdit* targetSpins_[6] = {};
    RadioGroup* progressiveGroup_ = nullptr;
    RadioGroup* balanceButtonGroup_ = nullptr;
    QCheckBox* autoOpenNextBox_ = nullptr;
    QCheckBox* rememberFolderBox_ = nullptr;
    // The settings as the dialog was opened with them.
    struct Kept {
        int quality = 0, progressive = 0, balance = 0;
        bool autoOpen = false, remember = false;
        int targets[6] = {};
    } kept_;
};
