// SPDX-License-Identifier: GPL-3.0-or-later
// The angle dialog of the rotation by any angle: a whole angle from 1 to 359, 30 at the start.
// Created for one question and destroyed after it.
#pragma once
#include <QDialog>

class QSpinBox;

class RotateAngleDialog : public QDialog {
    Q_OBJECT
public:
    explicit RotateAngleDialog(QWidget* parent = nullptr);

    // OK was pressed (Cancel, Escape or closing the box leave it false).
    bool Accepted() const { return accepted_; }
    int Angle() const;
    QSpinBox* AngleSpinEdit() const { return angle_; }

    // OK: a corrected value is seen first, else the angle is taken.
    void Confirm();

private:
    QSpinBox* angle_ = nullptr;
    bool accepted_ = false;
};
