// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RotateAngleDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "widgets/DialogControls.h"

RotateAngleDialog::RotateAngleDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InputRotateAngleForm"));
    setWindowTitle(tr("Rotate by Angle"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    auto* row = new QHBoxLayout();
    auto* angleLabel = new QLabel(tr("Angle"), this);
    angleLabel->setObjectName(QStringLiteral("Label1"));
    angle_ = new SpinEdit(QStringLiteral("AngleSpinEdit"), QString(), 1, 359, 30, 1, this);
    angleLabel->setBuddy(angle_);
    auto* rangeLabel = new QLabel(tr("degrees, from 1 to 359"), this);
    rangeLabel->setObjectName(QStringLiteral("Label2"));
    row->addWidget(angleLabel);
    row->addWidget(angle_);
    row->addWidget(rangeLabel);
    root->addLayout(row);

    auto* buttons = new QHBoxLayout();
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKSpeedButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    root->addStrut(TitleFitWidth(*this));
    connect(ok, &QPushButton::clicked, this, &RotateAngleDialog::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int RotateAngleDialog::Angle() const { return angle_->value(); }

void RotateAngleDialog::Confirm() {
    // A value typed but not yet taken by the box counts; a corrected one is seen first.
    if (FieldsCorrected(this)) return;
    accepted_ = true;
    accept();
}
