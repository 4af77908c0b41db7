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
    auto* label1 = new QLabel(tr("Width"), this);
    label1->setObjectName("Label1");
    upDown1_ = new SpinEdit("UpDown1", "Edit1", kMinSide, kMaxWidth, 100, 5, this);
    auto* label3 = new QLabel(tr("Height"), this);
    label3->setObjectName("Label3");
    upDown2_ = new SpinEdit("UpDown2", "Edit2", kMinSide, kMaxHeight, 100, 5, this);
    label1->setBuddy(upDown1_);
    label3->setBuddy(upDown2_);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(upDown1_, 0, 1);
    grid->addWidget(label3, 1, 0);
    grid->addWidget(upDown2_, 1, 1);

    // Width presets beside the width, height presets beside the height.
    const int widths[6] = {480, 640, 720, 800, 848, 1024};
    const int widthButtons[6] = {2, 3, 4, 5, 6, 7};
    const int heights[6] = {400, 480, 560, 600, 640, 660};
    const int heightButtons[6] = {8, 9, 11, 12, 13, 14};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QString::number(widths[i]), this);
        b->setObjectName(QString("Button%1").arg(widthButtons[i]));
        b->setAutoDefault(false);
        b->setToolTip(tr("Width %1 pixels").arg(widths[i]));
        grid->addWidget(b, 0, 2 + i);
        connect(b, &QPushButton::clicked, this, &NewSizeDialog::Button2Click);
        auto* h = new QPushButton(QString::number(heights[i]), this);
        h->setObjectName(QString("Button%1").arg(heightButtons[i]));
        h->setAutoDefault(false);
        h->setToolTip(tr("Height %1 pixels").arg(heights[i]));
        grid->addWidget(h, 1, 2 + i);
        connect(h, &QPushButton::clicked, this, &NewSizeDialog::Button8Click);
    }
    root->addLayout(grid);

    auto* options = new QHBoxLayout();
    checkBox1_ = new QCheckBox(tr("Keep width / height ratio"), this);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setChecked(true);
    radioGroup1_ = new RadioGroup("RadioGroup1", tr("Step"), {QStringLiteral(" 1"), QStringLiteral(" 5"), QStringLiteral("10")},
                                   3, this);
    radioGroup1_->SetItemIndex(1);
    auto* original = new QPushButton(tr("Original size"), this);
    original->setObjectName("Button1");
    original->setAutoDefault(false);
    options->addWidget(checkBox1_);
    options->addWidget(radioGroup1_);
    options->addWidget(original);
    root->addLayout(options);

    // Why OK is not available: the ratio cannot be kept within the limits.
    ratioNote_ = new QLabel(this);
    ratioNote_->setObjectName("RatioNote");
    ratioNote_->setWordWrap(true);
    ratioNote_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    ratioNote_->hide();
    root->addWidget(ratioNote_);

    ok_ = AddOkCancelRow(this, root).ok;

    // Typed values and arrow clicks alike: the other side follows the photo's ratio.
    connect(upDown1_, &QSpinBox::valueChanged, this, [this] { UpDown1Click(); });
    connect(upDown2_, &QSpinBox::valueChanged, this, [this] { UpDown2Click(); });
    connect(radioGroup1_, &RadioGroup::clicked, this, [this] { RadioGroup1Click(); });
    connect(original, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(checkBox1_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) ApplyRatio(1);
        else ShowRatioNote(QString());
    });
}

void NewSizeDialog::SetImageSize(int w, int h) {
    imageW_ = w;
    imageH_ = h;
}

int NewSizeDialog::NewWidth() const { return upDown1_->value(); }

int NewSizeDialog::NewHeight() const { return upDown2_->value(); }

void NewSizeDialog::SetBoth(int w, int h) {
    const QScopedValueRollback<bool> quiet(applying_, true);
    upDown1_->setValue(w);
    upDown2_->setValue(h);
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

bool NewSizeDialog::KeepRatio() const { return checkBox1_->isChecked(); }

bool NewSizeDialog::RatioProblem() const { return !ratioNote_->text().isEmpty(); }

QString NewSizeDialog::RatioNote() const { return ratioNote_->text(); }

void NewSizeDialog::ShowRatioNote(const QString& note) {
    ratioNote_->setText(note);
    ratioNote_->setVisible(!note.isEmpty());
    ok_->setEnabled(note.isEmpty());
}

void NewSizeDialog::ApplyRatio(int from) {
    if (applying_) return;
    // Without a memorized image there is no ratio to keep.
    if (!checkBox1_->isChecked() || imageW_ <= 0 || imageH_ <= 0) {
        ShowRatioNote(QString());
        return;
    }
    const QScopedValueRollback<bool> quiet(applying_, true);
    if (from == 1)
        Follow(upDown1_, upDown2_, imageW_, imageH_,
               tr("With the photo's ratio, a width of %1 pixels needs a height of %2 pixels, but the height must be "
                  "from %3 to %4 pixels. Choose another width, or untick \"Keep width / height ratio\"."));
    else if (from == 2)
        Follow(upDown2_, upDown1_, imageH_, imageW_,
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

void NewSizeDialog::RadioGroup1Click() {
    int step = 5;
    switch (radioGroup1_->ItemIndex()) {
        case 0: step = 1; break;
        case 2: step = 10; break;
        default: step = 5; break;
    }
    upDown1_->setSingleStep(step);
    upDown2_->setSingleStep(step);
}

void NewSizeDialog::Button1Click() { SetNewSize(imageW_, imageH_); }

void NewSizeDialog::Button2Click() {
    auto* b = qobject_cast<QPushButton*>(sender());
    if (!b) return;
    bool ok = false;
    const int v = b->text().trimmed().toInt(&ok);
    if (!ok) return;
    {
        const QScopedValueRollback<bool> quiet(applying_, true);
        upDown1_->setValue(v);
    }
    ApplyRatio(1);
}

void NewSizeDialog::Button8Click() {
    auto* b = qobject_cast<QPushButton*>(sender());
    if (!b) return;
    bool ok = false;
    const int v = b->text().trimmed().toInt(&ok);
    if (!ok) return;
    {
        const QScopedValueRollback<bool> quiet(applying_, true);
        upDown2_->setValue(v);
    }
    ApplyRatio(2);
}
