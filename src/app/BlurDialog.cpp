// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BlurDialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogControls.h"
#include "widgets/Icons.h"

BlurDialog::BlurDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TEForm8");
    setWindowTitle(tr("Gaussian Blur"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* root = new QVBoxLayout(this);
    // A dialog border: the box keeps the size of its contents.
    root->setSizeConstraint(QLayout::SetFixedSize);
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    root->addWidget(bevel);

    auto* row = new QHBoxLayout();
    auto* label = new QLabel(tr("Radius of the Gaussian blur"), this);
    label->setObjectName("Label1");
    radiusSpin_ = new SpinEdit("UpDown1", "Edit1", 1, 24, 8, 1, this);
    label->setBuddy(radiusSpin_);
    row->addWidget(label);
    row->addWidget(radiusSpin_);
    root->addLayout(row);

    AddOkCancelRow(this, root);
}

int BlurDialog::Radius() const { return radiusSpin_->value(); }

void BlurDialog::SetRadius(int r) { radiusSpin_->setValue(r); }
