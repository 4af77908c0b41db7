// SPDX-License-Identifier: GPL-3.0-or-later
// The radius dialog of the Gaussian blur. One instance lives for the run, so the last radius
// is offered again.
#pragma once
#include <QDialog>

class SpinEdit;

class BlurDialog : public QDialog {
    Q_OBJECT
public:
    explicit BlurDialog(QWidget* parent = nullptr);
    int Radius() const;  // 1..24
    void SetRadius(int r);
    SpinEdit* RadiusSpin() const { return radiusSpin_; }

private:
    SpinEdit* radiusSpin_ = nullptr;
};
