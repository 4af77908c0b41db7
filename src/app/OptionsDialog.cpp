// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "widgets/DialogControls.h"

namespace {
constexpr int kDefaultQuality = 90;
constexpr int kDefaultTargets[6] = {200, 160, 145, 190, 180, 170};
}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TEform2");
    setWindowTitle(tr("Options"));
    setModal(true);

    auto* root = new QVBoxLayout(this);

    // JPEG save parameters.
    auto* jpegGroup = new QGroupBox(tr("Saving JPEG photos"), this);
    jpegGroup->setObjectName("GroupBox1");
    auto* jpegLayout = new QGridLayout(jpegGroup);
    auto* label = new QLabel(tr("Quality"), jpegGroup);
    label->setObjectName("Label1");
    auto* note = new QLabel(tr("(100 = best quality, least compression)"), jpegGroup);
    note->setObjectName("Label2");
    qualitySpin_ = new SpinEdit("UpDownJPG", "EditJPG", 10, 100, kDefaultQuality, 1, jpegGroup);
    progressiveGroup_ = new RadioGroup("RadioGroup1", tr("Progressive display"), {tr("No"), tr("Yes")}, 2, jpegGroup);
    progressiveGroup_->SetItemIndex(0);
    jpegLayout->addWidget(label, 0, 0);
    jpegLayout->addWidget(qualitySpin_, 0, 1);
    jpegLayout->addWidget(note, 1, 0, 1, 2);
    jpegLayout->addWidget(progressiveGroup_, 0, 2, 2, 1);
    root->addWidget(jpegGroup);

    // Files and folders.
    auto* filesGroup = new QGroupBox(tr("Files and folders"), this);
    filesGroup->setObjectName("GroupBox2");
    auto* filesLayout = new QVBoxLayout(filesGroup);
    autoOpenNextBox_ = new QCheckBox(tr("Open the next file automatically"), filesGroup);
    autoOpenNextBox_->setObjectName("CheckBox1");
    autoOpenNextBox_->setChecked(true);
    rememberFolderBox_ = new QCheckBox(tr("Remember the last working folder"), filesGroup);
    rememberFolderBox_->setObjectName("CheckBox2");
    rememberFolderBox_->setChecked(false);
    filesLayout->addWidget(autoOpenNextBox_);
    filesLayout->addWidget(rememberFolderBox_);
    root->addWidget(filesGroup);
    connect(rememberFolderBox_, &QCheckBox::toggled, this, &OptionsDialog::memorizeLastFolderToggled);

    // Colour balance: the radio items line up with the two rows of targets.
    auto* balanceGroup = new QGroupBox(tr("Colour balance"), this);
    balanceGroup->setObjectName("GroupBox3");
    auto* balanceLayout = new QGridLayout(balanceGroup);
    balanceButtonGroup_ = new RadioGroup("RadioGroup2", tr("Balance button"), {tr("Flesh colour"), tr("Landscape colour")}, 1,
                                   balanceGroup);
    balanceButtonGroup_->SetItemIndex(0);
    balanceLayout->addWidget(balanceButtonGroup_, 0, 0, 3, 1);
    const QString headings[3] = {tr("Red"), tr("Green"), tr("Blue")};
    for (int c = 0; c < 3; ++c) {
        auto* h = new QLabel(headings[c], balanceGroup);
        h->setObjectName(QString("Label%1").arg(3 + c));
        h->setAlignment(Qt::AlignCenter);
        balanceLayout->addWidget(h, 0, 1 + c);
    }
    for (int i = 0; i < 6; ++i) {
        const int n = 4 + i;
        targetSpins_[i] = new SpinEdit(QString("UpDown%1").arg(n), QString("Edit%1").arg(n), 128, 255,
                                      kDefaultTargets[i], 1, balanceGroup);
        balanceLayout->addWidget(targetSpins_[i], 1 + i / 3, 1 + i % 3);
    }
    root->addWidget(balanceGroup);

    // Buttons: reset on the left, OK and Cancel on the right.
    auto* buttons = new QHBoxLayout();
    auto* reset = new QPushButton(tr("Reset to standard settings"), this);
    reset->setObjectName("Button1");
    reset->setAutoDefault(false);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    buttons->addWidget(reset);
    buttons->addStretch(1);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("CancelButton");
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(reset, &QPushButton::clicked, this, &OptionsDialog::ResetStandardParameters);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (!FieldsCorrected(this)) accept();
    });
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen, not over the window that opened it.
    if (event->spontaneous()) return;
    kept_.quality = qualitySpin_->value();
    kept_.progressive = progressiveGroup_->ItemIndex();
    kept_.balance = balanceButtonGroup_->ItemIndex();
    kept_.autoOpen = autoOpenNextBox_->isChecked();
    kept_.remember = rememberFolderBox_->isChecked();
    for (int i = 0; i < 6; ++i) kept_.targets[i] = targetSpins_[i]->value();
    if (QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void OptionsDialog::reject() {
    if (kept_.quality > 0) {  // shown at least once
        qualitySpin_->setValue(kept_.quality);
        progressiveGroup_->SetItemIndex(kept_.progressive);
        balanceButtonGroup_->SetItemIndex(kept_.balance);
        autoOpenNextBox_->setChecked(kept_.autoOpen);
        rememberFolderBox_->setChecked(kept_.remember);
        for (int i = 0; i < 6; ++i) targetSpins_[i]->setValue(kept_.targets[i]);
    }
    QDialog::reject();
}

int OptionsDialog::JpegQuality() const { return qualitySpin_->value(); }

bool OptionsDialog::Progressive() const { return progressiveGroup_->ItemIndex() != 0; }

lum::BalanceTargets OptionsDialog::Targets() const {
    lum::BalanceTargets t;
    t.flesh = lum::Rgb{targetSpins_[0]->value(), targetSpins_[1]->value(), targetSpins_[2]->value()};
    t.landscape = lum::Rgb{targetSpins_[3]->value(), targetSpins_[4]->value(), targetSpins_[5]->value()};
    return t;
}

bool OptionsDialog::NextFileAutoOpening() const { return autoOpenNextBox_->isChecked(); }

bool OptionsDialog::MemorizeLastFolder() const { return rememberFolderBox_->isChecked(); }

void OptionsDialog::SetMemorizeLastFolder(bool on) { rememberFolderBox_->setChecked(on); }

int OptionsDialog::BalanceButton() const { return balanceButtonGroup_->ItemIndex(); }

SpinEdit* OptionsDialog::TargetSpin(int n) const {
    if (n < 4 || n > 9) return nullptr;
    return targetSpins_[n - 4];
}

void OptionsDialog::ResetStandardParameters() {
    qualitySpin_->setValue(kDefaultQuality);
    progressiveGroup_->SetItemIndex(0);
    autoOpenNextBox_->setChecked(true);
    rememberFolderBox_->setChecked(false);
    for (int i = 0; i < 6; ++i) targetSpins_[i]->setValue(kDefaultTargets[i]);
    emit standardParametersReset();
}
