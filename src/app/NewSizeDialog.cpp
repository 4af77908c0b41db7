// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NewSizeDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "widgets/DialogControls.h"

namespace {
// The sizes the resize accepts: at least 8 pixels a side.
constexpr int kMinSide = 8;
constexpr int kMaxWidth = 2500;
constexpr int kMaxHeight = 2000;
}  // namespace

NewSizeDialog::NewSizeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TEform6");
    setWindowTitle(tr("New size"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    root->addWidget(bevel);

    auto* grid = new QGridLayout();
    auto* widthLabel = new QLabel(tr("Width"), this);
    widthLabel->setObjectName("Label1");
    widthSpin_ = new SpinEdit("UpDown1", "Edit1", kMinSide, kMaxWidth, 100, 5, this);
    auto* heightLabel = new QLabel(tr("Height"), this);
    heightLabel->setObjectName("Label3");
    heightSpin_ = new SpinEdit("UpDown2", "Edit2", kMinSide, kMaxHeight, 100, 5, this);
    widthLabel->setBuddy(widthSpin_);
    heightLabel->setBuddy(heightSpin_);
    grid->addWidget(widthLabel, 0, 0);
    grid->addWidget(widthSpin_, 0, 1);
    grid->addWidget(heightLabel, 1, 0);
    grid->addWidget(heightSpin_, 1, 1);

    // Width presets beside the width, height presets beside the height.
    const int widths[6] = {480, 640, 720, 800, 848, 1024};
    const int widthButtons[6] = {2, 3, 4, 5, 6, 7};
    const int heights[6] = {400, 480, 560, 600, 640, 660};
    const int heightButtons[6] = {8, 9, 11, 12, 13, 14};
    // Tab reads the width's row, then the height's.
    QList<QWidget*> widthRow{widthSpin_}, heightRow{heightSpin_};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QString::number(widths[i]), this);
        b->setObjectName(QString("Button%1").arg(widthButtons[i]));
        b->setAutoDefault(false);
        b->setToolTip(tr("Width %1 pixels").arg(widths[i]));
        grid->addWidget(b, 0, 2 + i);
        connect(b, &QPushButton::clicked, this, &NewSizeDialog::UseWidthPreset);
        auto* h = new QPushButton(QString::number(heights[i]), this);
        h->setObjectName(QString("Button%1").arg(heightButtons[i]));
        h->setAutoDefault(false);
        h->setToolTip(tr("Height %1 pixels").arg(heights[i]));
        grid->addWidget(h, 1, 2 + i);
        connect(h, &QPushButton::clicked, this, &NewSizeDialog::UseHeightPreset);
        widthRow << b;
        heightRow << h;
    }
    ChainTabOrder(widthRow + heightRow);
    root->addLayout(grid);

    auto* options = new QHBoxLayout();
    keepRatioBox_ = new QCheckBox(tr("Keep width / height ratio"), this);
    keepRatioBox_->setObjectName("CheckBox1");
    keepRatioBox_->setChecked(true);
    stepGroup_ = new RadioGroup("RadioGroup1", tr("Step"), {QStringLiteral(" 1"), QStringLiteral(" 5"), QStringLiteral("10")},
                                   3, this);
    stepGroup_->SetItemIndex(1);
    auto* original = new QPushButton(tr("Original size"), this);
    original->setObjectName("Button1");
    original->setAutoDefault(false);
    options->addWidget(keepRatioBox_);
    options->addWidget(stepGroup_);
    options->addWidget(original);
    root->addLayout(options);

    // Why OK is not available: the ratio cannot be kept within the limits.
    ratioNote_ = new QLabel(this);
    ratioNote_->setObjectName("RatioNote");
    ratioNote_->setWordWrap(true);
    ratioNote_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    ratioNote_->hide();
    root->addWidget(ratioNote_);
    // A photo larger than the dialog allows: the limit and what OK does, said plainly.
    limitNote_ = new QLabel(this);
    limitNote_->setObjectName("LimitNote");
    limitNote_->setWordWrap(true);
    limitNote_->hide();
    root->addWidget(limitNote_);

    ok_ = AddOkCancelRow(this, root).ok;

    // Typed values and arrow clicks alike: the other side follows the photo's ratio.
    connect(widthSpin_, &QSpinBox::valueChanged, this, [this] {
        changed_ |= !applying_;
        WidthChanged();
    });
    connect(heightSpin_, &QSpinBox::valueChanged, this, [this] {
        changed_ |= !applying_;
        HeightChanged();
    });
    connect(stepGroup_, &RadioGroup::itemPicked, this, [this] { ApplyStep(); });
    connect(original, &QPushButton::clicked, this, [this] { UseOriginalSize(); });
    connect(keepRatioBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) ApplyRatio(1);
        else ShowRatioNote(QString());
    });
}

void NewSizeDialog::SetImageSize(int w, int h) {
    imageW_ = w;
    imageH_ = h;
    changed_ = false;
    const bool over = w > kMaxWidth || h > kMaxHeight;
    limitNote_->setText(over ? tr("This photo is %1 x %2 pixels; a new size can be at most %3 x %4 pixels. The "
                                  "largest size with the photo's proportions is proposed. OK without a change "
                                  "keeps the photo as it is.")
                                   .arg(w)
                                   .arg(h)
                                   .arg(kMaxWidth)
                                   .arg(kMaxHeight)
                             : QString());
    limitNote_->setVisible(over);
}

int NewSizeDialog::NewWidth() const { return widthSpin_->value(); }

int NewSizeDialog::NewHeight() const { return heightSpin_->value(); }

void NewSizeDialog::SetBoth(int w, int h) {
    const QScopedValueRollback<bool> quiet(applying_, true);
    widthSpin_->setValue(w);
    heightSpin_->setValue(h);
}

void NewSizeDialog::SetNewSize(int w, int h) {
    ShowRatioNote(QString());
    if (FitsLimits(w, h) || !KeepRatio() || w <= 0 || h <= 0) {
        SetBoth(w, h);
        return;
    }
    // Beyond the limits: the nearest size with the same ratio, the largest one for a big photo,
    // the smallest for a tiny one.
    const long long W = w, H = h;
    long long fw = 0, fh = 0;
    if (w > kMaxWidth || h > kMaxHeight) {
        if (W * kMaxHeight >= H * kMaxWidth) {
            fw = kMaxWidth;
            fh = H * kMaxWidth / W;
        } else {
            fh = kMaxHeight;
            fw = W * kMaxHeight / H;
        }
    } else if (w <= h) {
        fw = kMinSide;
        fh = (H * kMinSide + W - 1) / W;
    } else {
        fh = kMinSide;
        fw = (W * kMinSide + H - 1) / H;
    }
    fw = std::clamp<long long>(fw, 0, 1 << 30);
    fh = std::clamp<long long>(fh, 0, 1 << 30);
    SetBoth(static_cast<int>(fw), static_cast<int>(fh));
    if (!FitsLimits(static_cast<int>(fw), static_cast<int>(fh)))
        ShowRatioNote(tr("A photo of %1 x %2 pixels cannot keep its ratio within the sizes this dialog allows "
                         "(%3 to %4 pixels wide, %3 to %5 pixels high).")
                          .arg(w)
                          .arg(h)
                          .arg(kMinSide)
                          .arg(kMaxWidth)
                          .arg(kMaxHeight));
}

bool NewSizeDialog::FitsLimits(int w, int h) {
    return w >= kMinSide && w <= kMaxWidth && h >= kMinSide && h <= kMaxHeight;
}

bool NewSizeDialog::KeepRatio() const { return keepRatioBox_->isChecked(); }

bool NewSizeDialog::RatioProblem() const { return !ratioNote_->text().isEmpty(); }

QString NewSizeDialog::RatioNote() const { return ratioNote_->text(); }

void NewSizeDialog::ShowRatioNote(const QString& note) {
    ratioNote_->setText(note);
    ratioNote_->setVisible(!note.isEmpty());
    ok_->setEnabled(note.isEmpty());
}

void NewSizeDialog::ApplyRatio(int from) {
    if (applying_) return;
    // Without a photo size there is no ratio to keep.
    if (!keepRatioBox_->isChecked() || imageW_ <= 0 || imageH_ <= 0) {
        ShowRatioNote(QString());
        return;
    }
    const QScopedValueRollback<bool> quiet(applying_, true);
    if (from == 1)
        Follow(widthSpin_, heightSpin_, imageW_, imageH_,
               tr("With the photo's ratio, a width of %1 pixels needs a height of %2 pixels, but the height must be "
                  "from %3 to %4 pixels. Choose another width, or untick \"Keep width / height ratio\"."));
    else if (from == 2)
        Follow(heightSpin_, widthSpin_, imageH_, imageW_,
               tr("With the photo's ratio, a height of %1 pixels needs a width of %2 pixels, but the width must be "
                  "from %3 to %4 pixels. Choose another height, or untick \"Keep width / height ratio\"."));
}

void NewSizeDialog::Follow(SpinEdit* set, SpinEdit* other, int setSide, int otherSide, const QString& note) {
    const long long v = static_cast<long long>(otherSide) * set->value() / setSide;
    if (v >= other->minimum() && v <= other->maximum()) {
        other->setValue(static_cast<int>(v));
        ShowRatioNote(QString());
    } else {
        ShowRatioNote(note.arg(set->value()).arg(v).arg(other->minimum()).arg(other->maximum()));
    }
}

void NewSizeDialog::accept() {
    // A size that breaks the ratio is never taken.
    if (RatioProblem()) return;
    QDialog::accept();
}

void NewSizeDialog::ApplyStep() {
    int step = 5;
    switch (stepGroup_->ItemIndex()) {
        case 0: step = 1; break;
        case 2: step = 10; break;
        default: step = 5; break;
    }
    widthSpin_->setSingleStep(step);
    heightSpin_->setSingleStep(step);
}

void NewSizeDialog::UseOriginalSize() {
    SetNewSize(imageW_, imageH_);
    changed_ = true;
}

void NewSizeDialog::UseWidthPreset() {
    auto* b = qobject_cast<QPushButton*>(sender());
    if (!b) return;
    bool ok = false;
    const int v = b->text().trimmed().toInt(&ok);
    if (!ok) return;
    {
        const QScopedValueRollback<bool> quiet(applying_, true);
        widthSpin_->setValue(v);
    }
    changed_ = true;
    ApplyRatio(1);
}

void NewSizeDialog::UseHeightPreset() {
    auto* b = qobject_cast<QPushButton*>(sender());
    if (!b) return;
    bool ok = false;
    const int v = b->text().trimmed().toInt(&ok);
    if (!ok) return;
    {
        const QScopedValueRollback<bool> quiet(applying_, true);
        heightSpin_->setValue(v);
    }
    changed_ = true;
    ApplyRatio(2);
}
