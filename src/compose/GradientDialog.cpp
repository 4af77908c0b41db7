// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/GradientDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "widgets/ImageConvert.h"
#include "widgets/DialogControls.h"

namespace {
constexpr int kPresets[3][2] = {{640, 480}, {400, 600}, {800, 600}};
}

GradientDialog::GradientDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TEform5"));
    setWindowTitle(tr("Gradient parameters"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // Output size and its presets.
    auto* sizeGroup = new QGroupBox(this);
    sizeGroup->setObjectName(QStringLiteral("GroupBoxSize"));
    auto* sizeRow = new QHBoxLayout(sizeGroup);
    auto* sizeGrid = new QGridLayout;
    auto* widthLabel = new QLabel(tr("Width"), sizeGroup);
    widthLabel->setObjectName(QStringLiteral("Label1"));
    WidthSpin = new SpinEdit(QStringLiteral("UpDown1"), QStringLiteral("Edit1"), kMinSide, kMaxSide, 400, 5, sizeGroup);
    auto* heightLabel = new QLabel(tr("Height"), sizeGroup);
    heightLabel->setObjectName(QStringLiteral("Label2"));
    HeightSpin = new SpinEdit(QStringLiteral("UpDown2"), QStringLiteral("Edit2"), kMinSide, kMaxSide, 300, 5, sizeGroup);
    widthLabel->setBuddy(WidthSpin);
    heightLabel->setBuddy(HeightSpin);
    sizeGrid->addWidget(widthLabel, 0, 0);
    sizeGrid->addWidget(WidthSpin, 0, 1);
    sizeGrid->addWidget(heightLabel, 1, 0);
    sizeGrid->addWidget(HeightSpin, 1, 1);
    sizeGrid->setRowStretch(2, 1);
    QStringList presets;
    for (const auto& p : kPresets) presets << tr("%1 x %2").arg(p[0]).arg(p[1]);
    // Shows which standard size the width and height make, none when they make none.
    SizePresets = new RadioGroup(QStringLiteral("RadioGroup2"), tr("Standard sizes"), presets, 1, sizeGroup);
    ShowStandardSize();
    sizeRow->addLayout(sizeGrid);
    sizeRow->addWidget(SizePresets);

    // Colours: "{", beside both, swaps colour 1 and colour 2; "=" copies colour 2 into the background.
    auto* colourGroup = new QGroupBox(this);
    colourGroup->setObjectName(QStringLiteral("GroupBoxColours"));
    auto* colourGrid = new QGridLayout(colourGroup);
    Colour1Panel = new ColourPanel(QStringLiteral("Panel2"), tr("Colour 1"), lum::MakeColour(255, 255, 255), colourGroup);
    Colour2Panel = new ColourPanel(QStringLiteral("Panel3"), tr("Colour 2"), lum::MakeColour(192, 192, 192), colourGroup);
    BackgroundPanel = new ColourPanel(QStringLiteral("Panel1"), tr("Background"), lum::MakeColour(128, 128, 128), colourGroup);
    for (ColourPanel* p : {Colour1Panel, Colour2Panel, BackgroundPanel}) p->ReachableByKeyboard();
    for (ColourPanel* p : {Colour1Panel, Colour2Panel, BackgroundPanel}) p->setToolTip(tr("Click to choose the colour"));
    SwapButton = new QPushButton(QStringLiteral("{"), colourGroup);
    SwapButton->setObjectName(QStringLiteral("Button1"));
    BackgroundButton = new QPushButton(QStringLiteral("="), colourGroup);
    BackgroundButton->setObjectName(QStringLiteral("Button2"));
    SwapButton->setToolTip(tr("Swap colour 1 and colour 2"));
    BackgroundButton->setToolTip(tr("Background in colour 2"));
    for (QPushButton* b : {SwapButton, BackgroundButton}) {
        b->setAutoDefault(false);
        b->setFixedWidth(28);
    }
    SwapButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    colourGrid->addWidget(Colour1Panel, 0, 0);
    colourGrid->addWidget(Colour2Panel, 1, 0);
    colourGrid->addWidget(BackgroundPanel, 2, 0);
    colourGrid->addWidget(SwapButton, 0, 1, 2, 1);
    colourGrid->addWidget(BackgroundButton, 2, 1);

    StyleGroup = new RadioGroup(QStringLiteral("RadioGroup1"), tr("Gradient style"),
                                  {tr("No gradient"), tr("Vertical"), tr("Horizontal"), tr("Centred small"), tr("Centred large")},
                                  1, this);
    StyleGroup->SetItemIndex(1);
    ConstantBox = new QCheckBox(tr("Constant gradient"), this);
    ConstantBox->setObjectName(QStringLiteral("CheckBox1"));

    // The preview, the size it is always drawn at, in a sunken frame.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("PanelPreview"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    PreviewBox = new PictureBox(QStringLiteral("Image1"), frame);
    PreviewBox->setFixedSize(lum::kGradientPreviewSize, lum::kGradientPreviewSize);
    PreviewBox->setCursor(Qt::CrossCursor);
    PreviewBox->setFocusPolicy(Qt::StrongFocus);
    PreviewBox->setAccessibleName(tr("Centre of the gradient"));
    PreviewBox->setAccessibleDescription(
        tr("The arrow keys move the centre, with Shift one pixel at a time; Home puts it back in the middle"));
    PreviewBox->installEventFilter(this);
    frameLayout->addWidget(PreviewBox);
    auto* hint = new QLabel(tr("Click in the picture to place the centre of the gradient"), this);
    hint->setObjectName(QStringLiteral("Label3"));
    hint->setWordWrap(true);
    hint->setMaximumWidth(lum::kGradientPreviewSize);
    PreviewBox->setToolTip(hint->text());

    auto* left = new QVBoxLayout;
    left->addWidget(sizeGroup);
    left->addWidget(colourGroup);
    left->addWidget(StyleGroup);
    left->addWidget(ConstantBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(frame);
    right->addWidget(hint);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(8);
    top->addLayout(right);
    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->addLayout(top);
    const OkCancel row = AddOkCancelRow(this, root);
    OkButton = row.ok;
    CancelButton = row.cancel;
    CancelButton->setAutoDefault(false);

    connect(SizePresets, &RadioGroup::itemPicked, this, [this] { ApplySizePreset(); });
    connect(WidthSpin, &QSpinBox::valueChanged, this, [this] { ShowStandardSize(); });
    connect(HeightSpin, &QSpinBox::valueChanged, this, [this] { ShowStandardSize(); });
    connect(BackgroundPanel, &ColourPanel::clicked, this, [this] { ChooseBackground(); });
    connect(Colour1Panel, &ColourPanel::clicked, this, [this] { ChooseColour1(); });
    connect(Colour2Panel, &ColourPanel::clicked, this, [this] { ChooseColour2(); });
    connect(SwapButton, &QPushButton::clicked, this, [this] { SwapColours(); });
    connect(BackgroundButton, &QPushButton::clicked, this, [this] { BackgroundFromColour2(); });
    connect(StyleGroup, &RadioGroup::itemPicked, this, [this] { StyleChosen(); });
    connect(ConstantBox, &QCheckBox::clicked, this, [this] { ConstantToggled(); });
    connect(PreviewBox, &PictureBox::mousePressed, this, [this](int x, int y, Qt::MouseButton) { PlaceCentre(x, y); });

    RenderPreview();
}

void GradientDialog::SetOutputSize(int width, int height) {
    WidthSpin->setValue(qBound(kMinSide, width, kMaxSide));
    HeightSpin->setValue(qBound(kMinSide, height, kMaxSide));
}

int GradientDialog::OutputWidth() const { return WidthSpin->value(); }

int GradientDialog::OutputHeight() const { return HeightSpin->value(); }

lum::Colour GradientDialog::Colour1() const { return Colour1Panel->Colour(); }

lum::Colour GradientDialog::Colour2() const { return Colour2Panel->Colour(); }

lum::Colour GradientDialog::Background() const { return BackgroundPanel->Colour(); }

lum::GradientStyle GradientDialog::Style() const {
    const int i = StyleGroup->ItemIndex();
    return i >= 0 && i <= 4 ? static_cast<lum::GradientStyle>(i) : lum::GradientStyle::None;
}

lum::GradientParams GradientDialog::PreviewParams() const {
    lum::GradientParams p;
    p.style = Style();
    p.colour1 = Colour1();
    p.colour2 = Colour2();
    p.background = Background();
    p.centre = centre_;
    return p;
}

lum::GradientParams GradientDialog::Params() const {
    lum::GradientParams p = PreviewParams();
    p.centre = lum::ScaleGradientCentre(centre_, OutputWidth(), OutputHeight());
    return p;
}

lum::Image GradientDialog::RenderOutput() const { return lum::GradientImage(OutputWidth(), OutputHeight(), Params()); }

void GradientDialog::ApplySizePreset() {
    const int i = SizePresets->ItemIndex();
    if (i < 0 || i > 2) return;
    WidthSpin->setValue(kPresets[i][0]);
    HeightSpin->setValue(kPresets[i][1]);
}

void GradientDialog::ShowStandardSize() {
    int chosen = -1;
    for (int i = 0; i < 3; ++i)
        if (WidthSpin->value() == kPresets[i][0] && HeightSpin->value() == kPresets[i][1]) chosen = i;
    SizePresets->SetItemIndex(chosen);
}

void GradientDialog::AskPanelColour(ColourPanel* panel) {
    QColor c = lum::ToQColor(panel->Colour());
    const bool ok = askColour_ ? askColour_(c) : lum::AskColourWithDialog(c, this);
    if (ok && c.isValid()) panel->SetColour(lum::FromQColor(c));
    RenderPreview();
}

void GradientDialog::ChooseBackground() { AskPanelColour(BackgroundPanel); }

void GradientDialog::ChooseColour1() { AskPanelColour(Colour1Panel); }

void GradientDialog::ChooseColour2() { AskPanelColour(Colour2Panel); }

void GradientDialog::SwapColours() {
    const lum::Colour c1 = Colour1Panel->Colour();
    Colour1Panel->SetColour(Colour2Panel->Colour());
    Colour2Panel->SetColour(c1);
    RenderPreview();
}

void GradientDialog::BackgroundFromColour2() {
    BackgroundPanel->SetColour(Colour2Panel->Colour());
    RenderPreview();
}

void GradientDialog::StyleChosen() { RenderPreview(); }

void GradientDialog::ConstantToggled() { RenderPreview(); }

void GradientDialog::PlaceCentre(int x, int y) {
    centre_ = lum::SnapPreviewCentre(lum::GradientCentre{x, y});
    RenderPreview();
}

bool GradientDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PreviewBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->modifiers() & Qt::ShiftModifier ? 1 : 8;
        int dx = 0, dy = 0;
        switch (key->key()) {
        case Qt::Key_Left: dx = -step; break;
        case Qt::Key_Right: dx = step; break;
        case Qt::Key_Up: dy = -step; break;
        case Qt::Key_Down: dy = step; break;
        case Qt::Key_Home: ResetCentre(); return true;
        default: return QDialog::eventFilter(watched, event);
        }
        // Not snapped to the edges as a click is: Shift must be able to leave them one pixel at a time.
        centre_ = lum::GradientCentre{qBound(0, centre_.x + dx, lum::kGradientPreviewSize),
                                      qBound(0, centre_.y + dy, lum::kGradientPreviewSize)};
        RenderPreview();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void GradientDialog::ResetCentre() {
    centre_ = lum::GradientCentre{128, 128};
    RenderPreview();
}

void GradientDialog::RenderPreview() {
    const lum::Image img = lum::GradientImage(lum::kGradientPreviewSize, lum::kGradientPreviewSize, PreviewParams());
    preview_ = lum::ToQImage(img);
    PreviewBox->SetPicture(preview_);
}

void GradientDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) ResetCentre();
}
