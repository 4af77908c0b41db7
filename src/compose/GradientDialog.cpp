#include "compose/GradientDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
    UpDown1 = new SpinEdit(QStringLiteral("UpDown1"), QStringLiteral("Edit1"), kMinSide, kMaxSide, 400, 5, sizeGroup);
    auto* heightLabel = new QLabel(tr("Height"), sizeGroup);
    heightLabel->setObjectName(QStringLiteral("Label2"));
    UpDown2 = new SpinEdit(QStringLiteral("UpDown2"), QStringLiteral("Edit2"), kMinSide, kMaxSide, 300, 5, sizeGroup);
    widthLabel->setBuddy(UpDown1);
    heightLabel->setBuddy(UpDown2);
    sizeGrid->addWidget(widthLabel, 0, 0);
    sizeGrid->addWidget(UpDown1, 0, 1);
    sizeGrid->addWidget(heightLabel, 1, 0);
    sizeGrid->addWidget(UpDown2, 1, 1);
    sizeGrid->setRowStretch(2, 1);
    QStringList presets;
    for (const auto& p : kPresets) presets << tr("%1 x %2").arg(p[0]).arg(p[1]);
    // Shows which standard size the width and height make, none when they make none.
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), tr("Standard sizes"), presets, 1, sizeGroup);
    ShowStandardSize();
    sizeRow->addLayout(sizeGrid);
    sizeRow->addWidget(RadioGroup2);

    // Colours: "{" joins colour 1 and colour 2, "=" copies colour 2 into the background.
    auto* colourGroup = new QGroupBox(this);
    colourGroup->setObjectName(QStringLiteral("GroupBoxColours"));
    auto* colourGrid = new QGridLayout(colourGroup);
    Panel2 = new ColourPanel(QStringLiteral("Panel2"), tr("Colour 1"), lum::MakeColour(255, 255, 255), colourGroup);
    Panel3 = new ColourPanel(QStringLiteral("Panel3"), tr("Colour 2"), lum::MakeColour(192, 192, 192), colourGroup);
    Panel1 = new ColourPanel(QStringLiteral("Panel1"), tr("Background"), lum::MakeColour(128, 128, 128), colourGroup);
    for (ColourPanel* p : {Panel2, Panel3, Panel1}) p->setToolTip(tr("Click to choose the colour"));
    Button1 = new QPushButton(QStringLiteral("{"), colourGroup);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("="), colourGroup);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setToolTip(tr("Swap colour 1 and colour 2"));
    Button2->setToolTip(tr("Background in colour 2"));
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setFixedWidth(28);
    }
    Button1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    colourGrid->addWidget(Panel2, 0, 0);
    colourGrid->addWidget(Panel3, 1, 0);
    colourGrid->addWidget(Panel1, 2, 0);
    colourGrid->addWidget(Button1, 0, 1, 2, 1);
    colourGrid->addWidget(Button2, 2, 1);

    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), tr("Gradient style"),
                                  {tr("No gradient"), tr("Vertical"), tr("Horizontal"), tr("Centred small"), tr("Centred large")},
                                  1, this);
    RadioGroup1->SetItemIndex(1);
    CheckBox1 = new QCheckBox(tr("Constant gradient"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    // The preview, the size it is always drawn at, in a sunken frame.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("PanelPreview"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    Image1 = new PictureBox(QStringLiteral("Image1"), frame);
    Image1->setFixedSize(lum::kGradientPreviewSize, lum::kGradientPreviewSize);
    Image1->setCursor(Qt::CrossCursor);
    frameLayout->addWidget(Image1);
    auto* hint = new QLabel(tr("Click in the picture to place the centre of the gradient"), this);
    hint->setObjectName(QStringLiteral("Label3"));
    hint->setWordWrap(true);
    hint->setMaximumWidth(lum::kGradientPreviewSize);
    Image1->setToolTip(hint->text());

    auto* left = new QVBoxLayout;
    left->addWidget(sizeGroup);
    left->addWidget(colourGroup);
    left->addWidget(RadioGroup1);
    left->addWidget(CheckBox1);
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
    BitBtn1 = row.ok;
    BitBtn2 = row.cancel;
    BitBtn2->setAutoDefault(false);

    connect(RadioGroup2, &RadioGroup::itemPicked, this, [this] { RadioGroup2Click(); });
    connect(UpDown1, &QSpinBox::valueChanged, this, [this] { ShowStandardSize(); });
    connect(UpDown2, &QSpinBox::valueChanged, this, [this] { ShowStandardSize(); });
    connect(Panel1, &ColourPanel::clicked, this, [this] { Panel1Click(); });
    connect(Panel2, &ColourPanel::clicked, this, [this] { Panel2Click(); });
    connect(Panel3, &ColourPanel::clicked, this, [this] { Panel3Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(RadioGroup1, &RadioGroup::itemPicked, this, [this] { RadioGroup1Click(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(Image1, &PictureBox::mousePressed, this, [this](int x, int y, Qt::MouseButton) { Image1MouseDown(x, y); });

    RenderPreview();
}

void GradientDialog::SetOutputSize(int width, int height) {
    UpDown1->setValue(qBound(kMinSide, width, kMaxSide));
    UpDown2->setValue(qBound(kMinSide, height, kMaxSide));
}

int GradientDialog::OutputWidth() const { return UpDown1->value(); }

int GradientDialog::OutputHeight() const { return UpDown2->value(); }

lum::Colour GradientDialog::Colour1() const { return Panel2->Colour(); }

lum::Colour GradientDialog::Colour2() const { return Panel3->Colour(); }

lum::Colour GradientDialog::Background() const { return Panel1->Colour(); }

lum::GradientStyle GradientDialog::Style() const {
    const int i = RadioGroup1->ItemIndex();
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

void GradientDialog::RadioGroup2Click() {
    const int i = RadioGroup2->ItemIndex();
    if (i < 0 || i > 2) return;
    UpDown1->setValue(kPresets[i][0]);
    UpDown2->setValue(kPresets[i][1]);
}

void GradientDialog::ShowStandardSize() {
    int chosen = -1;
    for (int i = 0; i < 3; ++i)
        if (UpDown1->value() == kPresets[i][0] && UpDown2->value() == kPresets[i][1]) chosen = i;
    RadioGroup2->SetItemIndex(chosen);
}

void GradientDialog::AskPanelColour(ColourPanel* panel) {
    QColor c = lum::ToQColor(panel->Colour());
    const bool ok = askColour_ ? askColour_(c) : lum::AskColourWithDialog(c, this);
    if (ok && c.isValid()) panel->SetColour(lum::FromQColor(c));
    RenderPreview();
}

void GradientDialog::Panel1Click() { AskPanelColour(Panel1); }

void GradientDialog::Panel2Click() { AskPanelColour(Panel2); }

void GradientDialog::Panel3Click() { AskPanelColour(Panel3); }

void GradientDialog::Button1Click() {
    const lum::Colour c1 = Panel2->Colour();
    Panel2->SetColour(Panel3->Colour());
    Panel3->SetColour(c1);
    RenderPreview();
}

void GradientDialog::Button2Click() {
    Panel1->SetColour(Panel3->Colour());
    RenderPreview();
}

void GradientDialog::RadioGroup1Click() { RenderPreview(); }

void GradientDialog::CheckBox1Click() { RenderPreview(); }

void GradientDialog::Image1MouseDown(int x, int y) {
    centre_ = lum::SnapPreviewCentre(lum::GradientCentre{x, y});
    RenderPreview();
}

void GradientDialog::FormActivate() {
    centre_ = lum::GradientCentre{128, 128};
    RenderPreview();
}

void GradientDialog::RenderPreview() {
    const lum::Image img = lum::GradientImage(lum::kGradientPreviewSize, lum::kGradientPreviewSize, PreviewParams());
    preview_ = lum::ToQImage(img);
    Image1->SetPicture(preview_);
}

void GradientDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}
