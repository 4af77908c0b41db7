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
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedSize(kPanelWidth, kPanelHeight);
    PaintBox1 = new PictureBox(QStringLiteral("PaintBox1"), Panel1);
    PaintBox1->setMouseTracking(true);
    PaintBox1->setCursor(LumoraCursor(QStringLiteral("PIPETTE")));
    PaintBox1->hide();
    Label10 = NewLabel(QStringLiteral("Label10"), QString(), this);

    auto* percentRow = new QHBoxLayout;
    auto* percentLabel = NewLabel(QStringLiteral("Label1"), tr("Percentage of the picture to mix in"), this);
    percentLabel->setBuddy(UpdownMix);
    percentRow->addWidget(percentLabel);
    percentRow->addWidget(UpdownMix);

    // Offset and Blur share one place.
    auto* shared = new QGridLayout;
    shared->setContentsMargins(0, 0, 0, 0);
    shared->addWidget(GroupBox2, 0, 0, Qt::AlignTop);
    shared->addWidget(GroupBox4, 0, 0, Qt::AlignTop);
    auto* left = new QVBoxLayout;
    left->addLayout(percentRow);
    left->addWidget(RadioStyle);
    left->addLayout(shared);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(GroupBox1);
    middle->addWidget(GroupBox3);
    middle->addStretch(1);
    // The size line wraps under the preview rather than widening the dialog.
    Label10->setWordWrap(true);
    Label10->setFixedWidth(kPanelWidth);
    Label10->setMinimumHeight(2 * Label10->fontMetrics().height());
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(Panel1);
    right->addWidget(Label10);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);

    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->addLayout(columns);
    const OkCancel row = AddOkCancelRow(this, root);
    BitBtn1 = row.ok;
    BitBtn2 = row.cancel;
    BitBtn2->setAutoDefault(false);

    connect(RadioStyle, &RadioGroup::itemPicked, this, [this] { RadioStyleClick(); });
    connect(RadioDimension, &RadioGroup::itemPicked, this, [this] { RadioDimensionClick(); });
    // Typed values count as well as arrow clicks, so the size line never lags behind the edit.
    connect(UpDownZoom, &QSpinBox::valueChanged, this, [this] { UpDownZoomClick(); });
    connect(PaintBox1, &PictureBox::mousePressed, this, [this](int x, int y, Qt::MouseButton b) {
        if (b == Qt::LeftButton) PaintBox1MouseDown(x, y);
    });
    connect(PaintBox1, &PictureBox::mouseMoved, this, [this](int x, int y, Qt::MouseButtons) { PaintBox1MouseMove(x, y); });
    connect(PaintBox1, &PictureBox::mouseReleased, this, [this](int x, int y, Qt::MouseButton b) {
        if (b == Qt::LeftButton) PaintBox1MouseUp(x, y);
    });

    // The groups as the default style and resizing show them.
    RadioStyleClick();
    UpDownZoom->setVisible(false);
}

void MixDialog::BuildGroups() {
    UpdownMix = new SpinEdit(QStringLiteral("UpdownMix"), QStringLiteral("Edit1"), lum::kMixPercent.lo, lum::kMixPercent.hi,
                                lum::kMixPercent.fallback, 5, this);
    RadioStyle = new RadioGroup(QStringLiteral("RadioStyle"), tr("Style"),
                                 {tr("Copy"), tr("Masked copy"), tr("Smoothed edges"), tr("Tiles")}, 1, this);
    RadioStyle->SetItemIndex(lum::kMixStyle.fallback);

    GroupBox1 = new QGroupBox(tr("Placing in the photo"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* g1 = new QVBoxLayout(GroupBox1);
    RadioDimension = new RadioGroup(QStringLiteral("RadioDimension"), tr("Resizing"),
                                     {tr("Zoom"), tr("Fit to the photo"), tr("Width or height")}, 1, GroupBox1);
    RadioDimension->Item(1)->setToolTip(tr("Stretched over the whole photo"));
    RadioDimension->Item(2)->setToolTip(tr("As large as the photo allows, keeping its proportions"));
    RadioDimension->SetItemIndex(lum::kMixResize.fallback);
    UpDownZoom = new SpinEdit(QStringLiteral("UpDownZoom"), QStringLiteral("Edit2"), lum::kMixZoom.lo, lum::kMixZoom.hi,
                                 lum::kMixZoom.fallback, 2, RadioDimension);
    UpDownZoom->setSuffix(tr(" %"));
    // The zoom sits beside its item.
    if (auto* items = qobject_cast<QGridLayout*>(RadioDimension->layout())) items->addWidget(UpDownZoom, 0, 1);
    RadioMiroir = new RadioGroup(QStringLiteral("RadioMiroir"), tr("Mirror"),
                                  {tr("No mirror"), tr("Horizontal"), tr("Vertical")}, 1, GroupBox1);
    RadioMiroir->SetItemIndex(lum::kMixMirror.fallback);
    g1->addWidget(RadioDimension);
    g1->addWidget(RadioMiroir);

    GroupBox2 = new QGroupBox(tr("Offset"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* g2 = new QGridLayout(GroupBox2);
    const lum::MixNumber& offset = lum::kMixOffset;
    UpDownOffsetx = new SpinEdit(QStringLiteral("UpDownOffsetx"), QStringLiteral("Edit3"), offset.lo, offset.hi,
                                    offset.fallback, 1, GroupBox2);
    UpDownOffsety = new SpinEdit(QStringLiteral("UpDownOffsety"), QStringLiteral("Edit4"), offset.lo, offset.hi,
                                    offset.fallback, 1, GroupBox2);
    g2->addWidget(NewLabel(QStringLiteral("Label2"), tr("Horizontal"), GroupBox2), 0, 0);
    g2->addWidget(UpDownOffsetx, 0, 1);
    g2->addWidget(NewLabel(QStringLiteral("Label3"), tr("Vertical"), GroupBox2), 1, 0);
    g2->addWidget(UpDownOffsety, 1, 1);

    GroupBox3 = new QGroupBox(tr("Mask"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* g3 = new QGridLayout(GroupBox3);
    PanColmask = new ColourPanel(QStringLiteral("PanColmask"), QString(), lum::kMixMask.fallback, GroupBox3);
    PanColmask->setToolTip(tr("The mask colour: pixels of the picture in this colour are left out"));
    PanColmask->setCursor(Qt::ArrowCursor);
    PanColmask->setMinimumWidth(64);
    Label4 = NewLabel(QStringLiteral("Label4"), tr("R = %1").arg(0), GroupBox3);
    Label8 = NewLabel(QStringLiteral("Label8"), tr("G = %1").arg(0), GroupBox3);
    Label9 = NewLabel(QStringLiteral("Label9"), tr("B = %1").arg(0), GroupBox3);
    UpDownTolere = new SpinEdit(QStringLiteral("UpDownTolere"), QStringLiteral("Edit5"), lum::kMixTolerance.lo,
                                   lum::kMixTolerance.hi, lum::kMixTolerance.fallback, 1, GroupBox3);
    auto* tolerance = NewLabel(QStringLiteral("Label7"), tr("Tolerance"), GroupBox3);
    tolerance->setBuddy(UpDownTolere);
    g3->addWidget(PanColmask, 0, 0, 2, 1);
    g3->addWidget(NewLabel(QStringLiteral("Label5"), tr("Click in"), GroupBox3), 0, 1);
    g3->addWidget(NewLabel(QStringLiteral("Label6"), tr("the picture"), GroupBox3), 1, 1);
    g3->addWidget(Label4, 0, 2);
    g3->addWidget(Label8, 1, 2);
    g3->addWidget(Label9, 2, 2);
    g3->addWidget(tolerance, 3, 0);
    g3->addWidget(UpDownTolere, 3, 1, 1, 2);

    GroupBox4 = new QGroupBox(tr("Blur"), this);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    auto* g4 = new QGridLayout(GroupBox4);
    Radioflou = new RadioGroup(QStringLiteral("Radioflou"), QString(),
                                {tr("Rectangle"), tr("Ellipse")}, 2, GroupBox4);
    Radioflou->SetItemIndex(lum::kMixBlur.fallback);
    Radioflou->setFlat(true);
    UpDownMarge = new SpinEdit(QStringLiteral("UpDownMarge"), QStringLiteral("Edit6"), lum::kMixMargin.lo, lum::kMixMargin.hi,
                                  lum::kMixMargin.fallback, 2, GroupBox4);
    auto* margin = NewLabel(QStringLiteral("Label11"), tr("Margin"), GroupBox4);
    margin->setBuddy(UpDownMarge);
    g4->addWidget(Radioflou, 0, 0, 1, 2);
    g4->addWidget(margin, 1, 0);
    g4->addWidget(UpDownMarge, 1, 1);

    for (QWidget* w : {static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(GroupBox2),
                       static_cast<QWidget*>(GroupBox3), static_cast<QWidget*>(GroupBox4),
                       static_cast<QWidget*>(UpDownZoom)})
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
        PaintBox1->SetPicture(QImage());
        PaintBox1->hide();
        return;
    }
    // The paint box is one pixel wider and taller than the fitted rectangle, and the source
    // fills all of it.
    const int w = r.width() + 1, h = r.height() + 1;
    preview_ = lum::Image(w, h);
    lum::StretchDraw(preview_, lum::Rect{0, 0, w, h}, source);
    PaintBox1->setGeometry(r.Left, r.Top, w, h);
    PaintBox1->SetPicture(lum::ToQImage(preview_));
    PaintBox1->show();
}

void MixDialog::SetWorkSize(int width, int height) {
    workW_ = width;
    workH_ = height;
}


lum::MixOptions MixDialog::Options() const {
    lum::MixOptions o;
    o.style = static_cast<lum::MixStyle>(qBound(0, RadioStyle->ItemIndex(), 3));
    o.percent = UpdownMix->value();
    o.resize = static_cast<lum::MixResize>(qBound(0, RadioDimension->ItemIndex(), 2));
    o.zoom = UpDownZoom->value();
    o.mirror = static_cast<lum::MixMirror>(qBound(0, RadioMiroir->ItemIndex(), 2));
    o.offsetX = UpDownOffsetx->value();
    o.offsetY = UpDownOffsety->value();
    o.maskColour = PanColmask->Colour();
    o.tolerance = UpDownTolere->value();
    o.blur = static_cast<lum::BlurShape>(qBound(0, Radioflou->ItemIndex(), 1));
    o.margin = UpDownMarge->value();
    return o;
}

void MixDialog::SetOptions(const lum::MixOptions& o) {
    SetStyle(o.style);
    SetResize(o.resize);
    SetPercent(o.percent);
    UpDownZoom->setValue(o.zoom);
    RadioMiroir->SetItemIndex(static_cast<int>(o.mirror));
    UpDownOffsetx->setValue(o.offsetX);
    UpDownOffsety->setValue(o.offsetY);
    SetMaskColour(o.maskColour);
    SetTolerance(o.tolerance);
    Radioflou->SetItemIndex(static_cast<int>(o.blur));
    UpDownMarge->setValue(o.margin);
}

void MixDialog::SetStyle(lum::MixStyle style) {
    const int i = static_cast<int>(style);
    if (RadioStyle->ItemIndex() == i) return;
    RadioStyle->SetItemIndex(i);
    RadioStyleClick();
}

void MixDialog::SetResize(lum::MixResize resize) {
    const int i = static_cast<int>(resize);
    if (RadioDimension->ItemIndex() == i) return;
    RadioDimension->SetItemIndex(i);
    RadioDimensionClick();
}

void MixDialog::SetPercent(int percent) { UpdownMix->setValue(percent); }

void MixDialog::SetTolerance(int tolerance) { UpDownTolere->setValue(tolerance); }

void MixDialog::SetMaskColour(lum::Colour colour) { PanColmask->SetColour(colour); }

void MixDialog::RadioStyleClick() {
    UpdateSizeLine();
    maskPicking_ = false;
    GroupBox4->hide();
    switch (RadioStyle->ItemIndex()) {
        case 0:  // Copy
            GroupBox1->show();
            GroupBox2->hide();
            GroupBox3->hide();
            break;
        case 1:  // Masked Copy
            GroupBox1->show();
            GroupBox3->show();
            GroupBox2->hide();
            maskPicking_ = true;
            break;
        case 2:  // Smoothed edges: the blur mask alone weighs the mix
            GroupBox1->show();
            GroupBox4->show();
            GroupBox2->hide();
            GroupBox3->hide();
            UpdownMix->setValue(100);
            break;
        case 3:  // Tiles
            GroupBox1->hide();
            GroupBox2->show();
            GroupBox3->hide();
            break;
        default: break;
    }
}

void MixDialog::RadioDimensionClick() {
    UpDownZoom->setVisible(RadioDimension->ItemIndex() == static_cast<int>(lum::MixResize::Zoom));
    UpdateSizeLine();
}

void MixDialog::UpDownZoomClick() {
    if (RadioDimension->ItemIndex() == static_cast<int>(lum::MixResize::Zoom)) UpdateSizeLine();
}

void MixDialog::UpdateSizeLine() {
    // Nothing to mix yet: nothing to say.
    if (sourceW_ <= 0 || sourceH_ <= 0) {
        Label10->clear();
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
    Label10->setText(line);
}

bool MixDialog::ShowPixel(int x, int y, lum::Colour* colour) {
    if (preview_.empty() || x < 0 || y < 0 || x >= preview_.width() || y >= preview_.height()) return false;
    const uint8_t* p = preview_.pixel(x, y);
    Label4->setText(tr("R = %1").arg(p[2]));
    Label8->setText(tr("G = %1").arg(p[1]));
    Label9->setText(tr("B = %1").arg(p[0]));
    if (colour) *colour = lum::MakeColour(p[2], p[1], p[0]);
    return true;
}

void MixDialog::PaintBox1MouseDown(int x, int y) {
    if (maskPicking_) ShowPixel(x, y, nullptr);
}

void MixDialog::PaintBox1MouseMove(int x, int y) {
    if (maskPicking_) ShowPixel(x, y, nullptr);
}

void MixDialog::PaintBox1MouseUp(int x, int y) {
    lum::Colour c = 0;
    if (maskPicking_ && ShowPixel(x, y, &c)) PanColmask->SetColour(c);
}
