// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/MixDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "widgets/ImageConvert.h"
#include "image/Stretch.h"
#include "widgets/DialogControls.h"
#include "widgets/Icons.h"

namespace {

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// A group that keeps its place while hidden, so the dialog does not jump when the style changes.
void KeepPlace(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

}  // namespace

MixDialog::MixDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TEform4"));
    setWindowTitle(tr("Image mix"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    BuildGroups();

    // The preview of the mix source.
    PreviewFrame = new QFrame(this);
    PreviewFrame->setObjectName(QStringLiteral("Panel1"));
    PreviewFrame->setFrameShape(QFrame::StyledPanel);
    PreviewFrame->setFrameShadow(QFrame::Sunken);
    PreviewFrame->setFixedSize(kPanelWidth, kPanelHeight);
    PreviewBox = new PictureBox(QStringLiteral("PaintBox1"), PreviewFrame);
    PreviewBox->setMouseTracking(true);
    PreviewBox->setCursor(LumoraCursor(QStringLiteral("PIPETTE")));
    PreviewBox->hide();
    SizeLine = NewLabel(QStringLiteral("Label10"), QString(), this);

    auto* percentRow = new QHBoxLayout;
    auto* percentLabel = NewLabel(QStringLiteral("Label1"), tr("Percentage of the picture to mix in"), this);
    percentLabel->setBuddy(PercentSpin);
    percentRow->addWidget(percentLabel);
    percentRow->addWidget(PercentSpin);

    // Offset and Blur share one place.
    auto* shared = new QGridLayout;
    shared->setContentsMargins(0, 0, 0, 0);
    shared->addWidget(OffsetBox, 0, 0, Qt::AlignTop);
    shared->addWidget(BlurBox, 0, 0, Qt::AlignTop);
    auto* left = new QVBoxLayout;
    left->addLayout(percentRow);
    left->addWidget(StyleGroup);
    left->addLayout(shared);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(PlacingBox);
    middle->addWidget(MaskBox);
    middle->addStretch(1);
    // The size line wraps under the preview rather than widening the dialog.
    SizeLine->setWordWrap(true);
    SizeLine->setFixedWidth(kPanelWidth);
    SizeLine->setMinimumHeight(2 * SizeLine->fontMetrics().height());
    SizeLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(PreviewFrame);
    right->addWidget(SizeLine);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);

    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->addLayout(columns);
    const OkCancel row = AddOkCancelRow(this, root);
    OkButton = row.ok;
    CancelButton = row.cancel;
    CancelButton->setAutoDefault(false);

    connect(StyleGroup, &RadioGroup::itemPicked, this, [this] { StyleChosen(); });
    connect(ResizeGroup, &RadioGroup::itemPicked, this, [this] { ResizeChosen(); });
    // Typed values count as well as arrow clicks, so the size line never lags behind the edit.
    connect(ZoomSpin, &QSpinBox::valueChanged, this, [this] { ZoomChanged(); });
    connect(PreviewBox, &PictureBox::mousePressed, this, [this](int x, int y, Qt::MouseButton b) {
        if (b == Qt::LeftButton) PreviewPressed(x, y);
    });
    connect(PreviewBox, &PictureBox::mouseMoved, this, [this](int x, int y, Qt::MouseButtons) { PreviewMoved(x, y); });
    connect(PreviewBox, &PictureBox::mouseReleased, this, [this](int x, int y, Qt::MouseButton b) {
        if (b == Qt::LeftButton) PreviewReleased(x, y);
    });

    // The groups as the default style and resizing show them.
    StyleChosen();
    ZoomSpin->setVisible(false);
}

void MixDialog::BuildGroups() {
    PercentSpin = new SpinEdit(QStringLiteral("UpdownMix"), QStringLiteral("Edit1"), lum::kMixPercent.lo, lum::kMixPercent.hi,
                                lum::kMixPercent.fallback, 5, this);
    StyleGroup = new RadioGroup(QStringLiteral("RadioStyle"), tr("Style"),
                                 {tr("Copy"), tr("Masked copy"), tr("Smoothed edges"), tr("Tiles")}, 1, this);
    StyleGroup->SetItemIndex(lum::kMixStyle.fallback);

    PlacingBox = new QGroupBox(tr("Placing in the photo"), this);
    PlacingBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* placingLayout = new QVBoxLayout(PlacingBox);
    ResizeGroup = new RadioGroup(QStringLiteral("RadioDimension"), tr("Resizing"),
                                     {tr("Zoom"), tr("Fit to the photo"), tr("Width or height")}, 1, PlacingBox);
    ResizeGroup->Item(1)->setToolTip(tr("Stretched over the whole photo"));
    ResizeGroup->Item(2)->setToolTip(tr("As large as the photo allows, keeping its proportions"));
    ResizeGroup->SetItemIndex(lum::kMixResize.fallback);
    ZoomSpin = new SpinEdit(QStringLiteral("UpDownZoom"), QStringLiteral("Edit2"), lum::kMixZoom.lo, lum::kMixZoom.hi,
                                 lum::kMixZoom.fallback, 2, ResizeGroup);
    ZoomSpin->setSuffix(tr(" %"));
    // The zoom sits beside its item.
    if (auto* items = qobject_cast<QGridLayout*>(ResizeGroup->layout())) items->addWidget(ZoomSpin, 0, 1);
    MirrorGroup = new RadioGroup(QStringLiteral("RadioMiroir"), tr("Mirror"),
                                  {tr("No mirror"), tr("Horizontal"), tr("Vertical")}, 1, PlacingBox);
    MirrorGroup->SetItemIndex(lum::kMixMirror.fallback);
    placingLayout->addWidget(ResizeGroup);
    placingLayout->addWidget(MirrorGroup);

    OffsetBox = new QGroupBox(tr("Offset"), this);
    OffsetBox->setObjectName(QStringLiteral("GroupBox2"));
    auto* offsetLayout = new QGridLayout(OffsetBox);
    const lum::MixNumber& offset = lum::kMixOffset;
    OffsetXSpin = new SpinEdit(QStringLiteral("UpDownOffsetx"), QStringLiteral("Edit3"), offset.lo, offset.hi,
                                    offset.fallback, 1, OffsetBox);
    OffsetYSpin = new SpinEdit(QStringLiteral("UpDownOffsety"), QStringLiteral("Edit4"), offset.lo, offset.hi,
                                    offset.fallback, 1, OffsetBox);
    offsetLayout->addWidget(NewLabel(QStringLiteral("Label2"), tr("Horizontal"), OffsetBox), 0, 0);
    offsetLayout->addWidget(OffsetXSpin, 0, 1);
    offsetLayout->addWidget(NewLabel(QStringLiteral("Label3"), tr("Vertical"), OffsetBox), 1, 0);
    offsetLayout->addWidget(OffsetYSpin, 1, 1);

    MaskBox = new QGroupBox(tr("Mask"), this);
    MaskBox->setObjectName(QStringLiteral("GroupBox3"));
    auto* maskLayout = new QGridLayout(MaskBox);
    MaskColourPanel = new ColourPanel(QStringLiteral("PanColmask"), QString(), lum::kMixMask.fallback, MaskBox);
    MaskColourPanel->setToolTip(tr("The mask colour: pixels of the picture in this colour are left out"));
    MaskColourPanel->setCursor(Qt::ArrowCursor);
    MaskColourPanel->setMinimumWidth(64);
    RedLabel = NewLabel(QStringLiteral("Label4"), tr("R = %1").arg(0), MaskBox);
    GreenLabel = NewLabel(QStringLiteral("Label8"), tr("G = %1").arg(0), MaskBox);
    BlueLabel = NewLabel(QStringLiteral("Label9"), tr("B = %1").arg(0), MaskBox);
    ToleranceSpin = new SpinEdit(QStringLiteral("UpDownTolere"), QStringLiteral("Edit5"), lum::kMixTolerance.lo,
                                   lum::kMixTolerance.hi, lum::kMixTolerance.fallback, 1, MaskBox);
    auto* tolerance = NewLabel(QStringLiteral("Label7"), tr("Tolerance"), MaskBox);
    tolerance->setBuddy(ToleranceSpin);
    maskLayout->addWidget(MaskColourPanel, 0, 0, 2, 1);
    maskLayout->addWidget(NewLabel(QStringLiteral("Label5"), tr("Click in"), MaskBox), 0, 1);
    maskLayout->addWidget(NewLabel(QStringLiteral("Label6"), tr("the picture"), MaskBox), 1, 1);
    maskLayout->addWidget(RedLabel, 0, 2);
    maskLayout->addWidget(GreenLabel, 1, 2);
    maskLayout->addWidget(BlueLabel, 2, 2);
    maskLayout->addWidget(tolerance, 3, 0);
    maskLayout->addWidget(ToleranceSpin, 3, 1, 1, 2);

    BlurBox = new QGroupBox(tr("Blur"), this);
    BlurBox->setObjectName(QStringLiteral("GroupBox4"));
    auto* blurLayout = new QGridLayout(BlurBox);
    BlurShapeGroup = new RadioGroup(QStringLiteral("Radioflou"), QString(),
                                {tr("Rectangle"), tr("Ellipse")}, 2, BlurBox);
    BlurShapeGroup->SetItemIndex(lum::kMixBlur.fallback);
    BlurShapeGroup->setFlat(true);
    MarginSpin = new SpinEdit(QStringLiteral("UpDownMarge"), QStringLiteral("Edit6"), lum::kMixMargin.lo, lum::kMixMargin.hi,
                                  lum::kMixMargin.fallback, 2, BlurBox);
    auto* margin = NewLabel(QStringLiteral("Label11"), tr("Margin"), BlurBox);
    margin->setBuddy(MarginSpin);
    blurLayout->addWidget(BlurShapeGroup, 0, 0, 1, 2);
    blurLayout->addWidget(margin, 1, 0);
    blurLayout->addWidget(MarginSpin, 1, 1);

    for (QWidget* w : {static_cast<QWidget*>(PlacingBox), static_cast<QWidget*>(OffsetBox),
                       static_cast<QWidget*>(MaskBox), static_cast<QWidget*>(BlurBox),
                       static_cast<QWidget*>(ZoomSpin)})
        KeepPlace(w);
}

void MixDialog::Prepare(const lum::Image& source, const QString& sourceName, int workWidth, int workHeight) {
    SetSource(source);
    SetSourceName(sourceName);
    SetWorkSize(workWidth, workHeight);
    UpdateSizeLine();
}

void MixDialog::SetSource(const lum::Image& source) {
    sourceW_ = source.width();
    sourceH_ = source.height();
    const lum::Rect r = lum::FitRect(kPanelWidth, kPanelHeight, sourceW_, sourceH_, kPreviewMargin, kPreviewMargin, false).rect;
    if (source.empty() || r.width() <= 0 || r.height() <= 0) {
        preview_ = lum::Image();
        PreviewBox->SetPicture(QImage());
        PreviewBox->hide();
        return;
    }
    // The preview box is one pixel wider and taller than the fitted rectangle, and the source
    // fills all of it.
    const int w = r.width() + 1, h = r.height() + 1;
    preview_ = lum::Image(w, h);
    lum::StretchDraw(preview_, lum::Rect{0, 0, w, h}, source);
    PreviewBox->setGeometry(r.Left, r.Top, w, h);
    PreviewBox->SetPicture(lum::ToQImage(preview_));
    PreviewBox->show();
}

void MixDialog::SetWorkSize(int width, int height) {
    workW_ = width;
    workH_ = height;
}


lum::MixOptions MixDialog::Options() const {
    lum::MixOptions o;
    o.style = static_cast<lum::MixStyle>(qBound(0, StyleGroup->ItemIndex(), 3));
    o.percent = PercentSpin->value();
    o.resize = static_cast<lum::MixResize>(qBound(0, ResizeGroup->ItemIndex(), 2));
    o.zoom = ZoomSpin->value();
    o.mirror = static_cast<lum::MixMirror>(qBound(0, MirrorGroup->ItemIndex(), 2));
    o.offsetX = OffsetXSpin->value();
    o.offsetY = OffsetYSpin->value();
    o.maskColour = MaskColourPanel->Colour();
    o.tolerance = ToleranceSpin->value();
    o.blur = static_cast<lum::BlurShape>(qBound(0, BlurShapeGroup->ItemIndex(), 1));
    o.margin = MarginSpin->value();
    return o;
}

void MixDialog::SetOptions(const lum::MixOptions& o) {
    SetStyle(o.style);
    SetResize(o.resize);
    SetPercent(o.percent);
    ZoomSpin->setValue(o.zoom);
    MirrorGroup->SetItemIndex(static_cast<int>(o.mirror));
    OffsetXSpin->setValue(o.offsetX);
    OffsetYSpin->setValue(o.offsetY);
    SetMaskColour(o.maskColour);
    SetTolerance(o.tolerance);
    BlurShapeGroup->SetItemIndex(static_cast<int>(o.blur));
    MarginSpin->setValue(o.margin);
}

void MixDialog::SetStyle(lum::MixStyle style) {
    const int i = static_cast<int>(style);
    if (StyleGroup->ItemIndex() == i) return;
    StyleGroup->SetItemIndex(i);
    StyleChosen();
}

void MixDialog::SetResize(lum::MixResize resize) {
    const int i = static_cast<int>(resize);
    if (ResizeGroup->ItemIndex() == i) return;
    ResizeGroup->SetItemIndex(i);
    ResizeChosen();
}

void MixDialog::SetPercent(int percent) { PercentSpin->setValue(percent); }

void MixDialog::SetTolerance(int tolerance) { ToleranceSpin->setValue(tolerance); }

void MixDialog::SetMaskColour(lum::Colour colour) { MaskColourPanel->SetColour(colour); }

void MixDialog::StyleChosen() {
    UpdateSizeLine();
    maskPicking_ = false;
    BlurBox->hide();
    switch (StyleGroup->ItemIndex()) {
        case 0:  // Copy
            PlacingBox->show();
            OffsetBox->hide();
            MaskBox->hide();
            break;
        case 1:  // Masked Copy
            PlacingBox->show();
            MaskBox->show();
            OffsetBox->hide();
            maskPicking_ = true;
            break;
        case 2:  // Smoothed edges: the blur mask alone weighs the mix
            PlacingBox->show();
            BlurBox->show();
            OffsetBox->hide();
            MaskBox->hide();
            PercentSpin->setValue(100);
            break;
        case 3:  // Tiles
            PlacingBox->hide();
            OffsetBox->show();
            MaskBox->hide();
            break;
        default: break;
    }
}

void MixDialog::ResizeChosen() {
    ZoomSpin->setVisible(ResizeGroup->ItemIndex() == static_cast<int>(lum::MixResize::Zoom));
    UpdateSizeLine();
}

void MixDialog::ZoomChanged() {
    if (ResizeGroup->ItemIndex() == static_cast<int>(lum::MixResize::Zoom)) UpdateSizeLine();
}

void MixDialog::UpdateSizeLine() {
    // Nothing to mix yet: nothing to say.
    if (sourceW_ <= 0 || sourceH_ <= 0) {
        SizeLine->clear();
        return;
    }
    const lum::MixOptions o = Options();
    const QString source = tr("%1 (%2 x %3)").arg(sourceName_).arg(sourceW_).arg(sourceH_);
    QString placed;
    if (o.style == lum::MixStyle::Tiles) {
        placed = tr("tiled over the photo (%1 x %2)").arg(workW_).arg(workH_);
    } else {
        const lum::MixSize s = lum::MixPlacedSize(o, workW_, workH_, sourceW_, sourceH_);
        placed = tr("placed as %1 x %2 in the photo (%3 x %4)").arg(s.w).arg(s.h).arg(workW_).arg(workH_);
    }
    // A size wraps as a whole ("512 x 342"), never between its numbers.
    static const QRegularExpression size(QStringLiteral("(\\d) x (\\d)"));
    QString line = source + QLatin1Char('\n') + placed;
    line.replace(size, QStringLiteral("\\1\u00A0x\u00A0\\2"));
    SizeLine->setText(line);
}

bool MixDialog::ShowPixel(int x, int y, lum::Colour* colour) {
    if (preview_.empty() || x < 0 || y < 0 || x >= preview_.width() || y >= preview_.height()) return false;
    const uint8_t* p = preview_.pixel(x, y);
    RedLabel->setText(tr("R = %1").arg(p[2]));
    GreenLabel->setText(tr("G = %1").arg(p[1]));
    BlueLabel->setText(tr("B = %1").arg(p[0]));
    if (colour) *colour = lum::MakeColour(p[2], p[1], p[0]);
    return true;
}

void MixDialog::PreviewPressed(int x, int y) {
    if (maskPicking_) ShowPixel(x, y, nullptr);
}

void MixDialog::PreviewMoved(int x, int y) {
    if (maskPicking_) ShowPixel(x, y, nullptr);
}

void MixDialog::PreviewReleased(int x, int y) {
    lum::Colour c = 0;
    if (maskPicking_ && ShowPixel(x, y, &c)) MaskColourPanel->SetColour(c);
}
