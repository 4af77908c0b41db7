#include "app/NewSizeDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DesignControls.h"

TEform6::TEform6(QWidget* parent) : QDialog(parent) {
    setObjectName("TEform6");
    setWindowTitle("New dimensions");
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* root = new QVBoxLayout(this);
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    root->addWidget(bevel);

    auto* grid = new QGridLayout();
    auto* label1 = new QLabel("Width", this);
    label1->setObjectName("Label1");
    upDown1_ = new TUpDownSpin("UpDown1", "Edit1", 5, 2500, 100, 5, this);
    auto* label3 = new QLabel("Height", this);
    label3->setObjectName("Label3");
    upDown2_ = new TUpDownSpin("UpDown2", "Edit2", 8, 2000, 100, 5, this);
    label1->setBuddy(upDown1_);
    label3->setBuddy(upDown2_);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(upDown1_, 0, 1);
    grid->addWidget(label3, 1, 0);
    grid->addWidget(upDown2_, 1, 1);

    // Width presets beside the width, height presets beside the height.
    const char* widths[6] = {"480", "640", "720", "800", "848", "1024"};
    const int widthButtons[6] = {2, 3, 4, 5, 6, 7};
    const char* heights[6] = {"400", "480", "560", "600", "640", "660"};
    const int heightButtons[6] = {8, 9, 11, 12, 13, 14};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(widths[i], this);
        b->setObjectName(QString("Button%1").arg(widthButtons[i]));
        b->setAutoDefault(false);
        grid->addWidget(b, 0, 2 + i);
        connect(b, &QPushButton::clicked, this, &TEform6::Button2Click);
        auto* h = new QPushButton(heights[i], this);
        h->setObjectName(QString("Button%1").arg(heightButtons[i]));
        h->setAutoDefault(false);
        grid->addWidget(h, 1, 2 + i);
        connect(h, &QPushButton::clicked, this, &TEform6::Button8Click);
    }
    root->addLayout(grid);

    auto* options = new QHBoxLayout();
    checkBox1_ = new QCheckBox("Keep with / height ratio", this);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setChecked(true);
    radioGroup1_ = new TRadioGroup("RadioGroup1", "Step", {" 1", " 5", "10"}, 3, this);
    radioGroup1_->SetItemIndex(1);
    auto* original = new QPushButton("Original size", this);
    original->setObjectName("Button1");
    original->setAutoDefault(false);
    options->addWidget(checkBox1_);
    options->addWidget(radioGroup1_);
    options->addWidget(original);
    root->addLayout(options);

    AddOkCancelRow(this, root);

    connect(upDown1_, &TUpDownSpin::clicked, this, [this] { UpDown1Click(); });
    connect(upDown2_, &TUpDownSpin::clicked, this, [this] { UpDown2Click(); });
    connect(radioGroup1_, &TRadioGroup::clicked, this, [this] { RadioGroup1Click(); });
    connect(original, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TEform6::SetImageSize(int w, int h) {
    imageW_ = w;
    imageH_ = h;
}

int TEform6::NewWidth() const { return upDown1_->value(); }

int TEform6::NewHeight() const { return upDown2_->value(); }

void TEform6::SetNewSize(int w, int h) {
    upDown1_->setValue(w);
    upDown2_->setValue(h);
}

bool TEform6::KeepRatio() const { return checkBox1_->isChecked(); }

void TEform6::ApplyRatio(int from) {
    if (!checkBox1_->isChecked()) return;
    // Without a memorized image there is no ratio to keep.
    if (imageW_ <= 0 || imageH_ <= 0) return;
    if (from == 1) {
        const long long h = static_cast<long long>(imageH_) * upDown1_->value() / imageW_;
        upDown2_->setValue(static_cast<int>(h));
    } else if (from == 2) {
        const long long w = static_cast<long long>(imageW_) * upDown2_->value() / imageH_;
        upDown1_->setValue(static_cast<int>(w));
    }
}

void TEform6::RadioGroup1Click() {
    int step = 5;
    switch (radioGroup1_->ItemIndex()) {
        case 0: step = 1; break;
        case 2: step = 10; break;
        default: step = 5; break;
    }
    upDown1_->setSingleStep(step);
    upDown2_->setSingleStep(step);
}

void TEform6::Button1Click() {
    upDown1_->setValue(imageW_);
    upDown2_->setValue(imageH_);
}

void TEform6::Button2Click() {
    auto* b = qobject_cast<QPushButton*>(sender());
    if (!b) return;
    bool ok = false;
    const int v = b->text().trimmed().toInt(&ok);
    if (!ok) return;
    upDown1_->setValue(v);
    ApplyRatio(1);
}

void TEform6::Button8Click() {
    auto* b = qobject_cast<QPushButton*>(sender());
    if (!b) return;
    bool ok = false;
    const int v = b->text().trimmed().toInt(&ok);
    if (!ok) return;
    upDown2_->setValue(v);
    ApplyRatio(2);
}
