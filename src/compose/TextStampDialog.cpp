#include "compose/TextStampDialog.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/ImageConvert.h"
#include "compose/QtTextCanvas.h"
#include "widgets/DialogControls.h"

namespace {

const QString kFirstFace = QStringLiteral("Arial");

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QToolButton* NewToolButton(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setMinimumSize(26, 26);
    return b;
}

}  // namespace

TextStampDialog::TextStampDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TEform7"));
    setWindowTitle(tr("Text stamp"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    QWidget* controls = BuildControls();
    PaintBox1 = new PictureBox(QStringLiteral("PaintBox1"), this);
    PaintBox1->setMinimumSize(560, 180);
    PaintBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* root = new QVBoxLayout(this);
    root->addWidget(controls);
    root->addWidget(PaintBox1, 1);

    connect(Fontname, &QComboBox::currentIndexChanged, this, [this] { FontnameChange(); });
    connect(Fontname, &QComboBox::editTextChanged, this, [this] { FontnameChange(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(ColorGrid1, &ColourGrid::changed, this, [this] { ColorGrid1Change(); });
    connect(RadioGroup2, &RadioGroup::itemPicked, this, [this] { RadioGroup2Click(); });
    connect(PaintBox2, &PictureBox::mousePressed, this, [this](int x, int, Qt::MouseButton) { PaintBox2MouseDown(x); });
    connect(PaintBox2, &PictureBox::resized, this, [this] { PaintRamp(); });
    connect(PaintBox1, &PictureBox::resized, this, [this] { RenderPreview(); });
    for (SpinEdit* s : {UpDown1, UpDown2, UpDown3})
        connect(s, &QSpinBox::valueChanged, this, [this] { ControlChange(); });
    for (QToolButton* b : {SpeedButton2, SpeedButton3}) connect(b, &QToolButton::toggled, this, [this] { ControlChange(); });
    connect(RadioGroup1, &RadioGroup::itemPicked, this, [this] { ControlChange(); });
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { ControlChange(); });
    connect(Button1, &QPushButton::clicked, this, [this] { ControlChange(); });
    // The preview follows the text as it is typed, so OK never stamps an older text.
    connect(Memo1, &QTextEdit::textChanged, this, [this] { ControlChange(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    resize(sizeHint());
    layout()->activate();
    PaintRamp();
    RenderPreview();
}

QWidget* TextStampDialog::BuildControls() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("PanelControls"));

    // Font row.
    Fontname = new QComboBox(box);
    Fontname->setObjectName(QStringLiteral("Fontname"));
    Fontname->setEditable(true);
    Fontname->setInsertPolicy(QComboBox::NoInsert);
    Fontname->setMinimumWidth(220);
    Fontname->addItems(InstalledFaces());
    Fontname->setCurrentIndex(-1);
    Fontname->setEditText(kFirstFace);
    auto* police = NewLabel(QStringLiteral("Label1"), tr("Font"), box);
    police->setBuddy(Fontname);
    SpeedButton1 = NewToolButton(QStringLiteral("SpeedButton1"), tr("Font..."), box);
    SpeedButton2 = NewToolButton(QStringLiteral("SpeedButton2"), tr("B", "bold"), box);
    SpeedButton2->setToolTip(tr("Bold"));
    SpeedButton3 = NewToolButton(QStringLiteral("SpeedButton3"), tr("I", "italic"), box);
    SpeedButton3->setToolTip(tr("Italic"));
    QFont bold = SpeedButton2->font();
    bold.setBold(true);
    SpeedButton2->setFont(bold);
    QFont italic = SpeedButton3->font();
    italic.setItalic(true);
    SpeedButton3->setFont(italic);
    SpeedButton2->setCheckable(true);
    SpeedButton3->setCheckable(true);
    UpDown1 = new SpinEdit(QStringLiteral("UpDown1"), QStringLiteral("Edit1"), 8, 100, 24, 2, box);
    auto* size = NewLabel(QStringLiteral("Label2"), tr("Size"), box);
    size->setBuddy(UpDown1);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(police);
    fontRow->addWidget(Fontname, 1);
    fontRow->addWidget(SpeedButton1);
    fontRow->addSpacing(6);
    fontRow->addWidget(SpeedButton2);
    fontRow->addWidget(SpeedButton3);
    fontRow->addSpacing(12);
    fontRow->addWidget(size);
    fontRow->addWidget(UpDown1);

    // Text, colours, shadow, background, outline and offsets.
    Memo1 = new QTextEdit(box);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAcceptRichText(false);
    Memo1->setWordWrapMode(QTextOption::NoWrap);
    QTextOption centred = Memo1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    Memo1->document()->setDefaultTextOption(centred);
    Memo1->setPlainText(tr("Title\nExample"));
    Memo1->setFixedSize(180, 4 * Memo1->fontMetrics().height());
    auto* text = NewLabel(QStringLiteral("Label3"), tr("Text"), box);
    text->setBuddy(Memo1);
    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(text);
    textColumn->addWidget(Memo1);
    textColumn->addStretch(1);

    ColorGrid1 = new ColourGrid(QStringLiteral("ColorGrid1"), box);
    ColorGrid1->setToolTip(tr("Left click: the colour of the letters; right click: the colour of the outline"));
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), tr("Shadow"),
                                  {tr("No shadow"), tr("Standard"), tr("Gradient")}, 1, box);
    RadioGroup1->SetItemIndex(2);
    PaintBox2 = new PictureBox(QStringLiteral("PaintBox2"), box);
    PaintBox2->setToolTip(tr("Click to choose the grey of the shadow"));
    PaintBox2->setFixedSize(kRampWidth, 16);
    PaintBox2->setCursor(Qt::PointingHandCursor);
    auto* colourColumn = new QVBoxLayout;
    colourColumn->addWidget(ColorGrid1);
    colourColumn->addWidget(PaintBox2);
    colourColumn->addStretch(1);

    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), tr("Background"),
                                  {tr("White"), tr("Silver"), tr("Black")}, 1, box);
    RadioGroup2->SetItemIndex(0);

    CheckBox1 = new QCheckBox(tr("Outline"), box);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    UpDown3 = new SpinEdit(QStringLiteral("UpDown3"), QStringLiteral("Edit3"), -24, 24, 4, 1, box);
    UpDown2 = new SpinEdit(QStringLiteral("UpDown2"), QStringLiteral("Edit2"), -24, 24, -4, 1, box);
    auto* offsets = new QGridLayout;
    offsets->addWidget(CheckBox1, 0, 0, 1, 2);
    offsets->addWidget(NewLabel(QStringLiteral("Label4"), tr("x"), box), 1, 0);
    offsets->addWidget(UpDown3, 1, 1);
    offsets->addWidget(NewLabel(QStringLiteral("Label5"), tr("y"), box), 2, 0);
    offsets->addWidget(UpDown2, 2, 1);
    offsets->setRowStretch(3, 1);

    Button1 = new QPushButton(tr("Show"), box);
    Button1->setToolTip(tr("Draw the preview again"));
    Button1->setObjectName(QStringLiteral("Button1"));
    BitBtn1 = new QPushButton(tr("OK"), box);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(tr("Cancel"), box);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {Button1, BitBtn2}) b->setAutoDefault(false);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(Button1);
    buttonColumn->addStretch(1);
    buttonColumn->addWidget(BitBtn1);
    buttonColumn->addWidget(BitBtn2);

    auto* row = new QHBoxLayout;
    row->addLayout(textColumn);
    row->addLayout(colourColumn);
    row->addWidget(RadioGroup1, 0, Qt::AlignTop);
    row->addWidget(RadioGroup2, 0, Qt::AlignTop);
    row->addLayout(offsets);
    row->addStretch(1);
    row->addLayout(buttonColumn);

    auto* all = new QVBoxLayout(box);
    all->setContentsMargins(0, 0, 0, 0);
    all->addLayout(fontRow);
    all->addLayout(row);

    for (QWidget* w : {static_cast<QWidget*>(Memo1), static_cast<QWidget*>(UpDown1), static_cast<QWidget*>(UpDown2),
                       static_cast<QWidget*>(UpDown3)})
        lum::SwallowEnter(w);
    return box;
}

QStringList TextStampDialog::InstalledFaces() {
    QStringList faces = QFontDatabase::families();
    faces.removeDuplicates();
    std::sort(faces.begin(), faces.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return faces;
}

QString TextStampDialog::Face() const {
    const QString chosen = Fontname->currentText();
    for (int i = 0; i < Fontname->count(); ++i)
        if (Fontname->itemText(i).compare(chosen, Qt::CaseInsensitive) == 0) return Fontname->itemText(i);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont TextStampDialog::PreviewFont() const {
    return lum::StampFont(Face(), UpDown1->value(), SpeedButton2->isChecked(), SpeedButton3->isChecked());
}

QStringList TextStampDialog::Lines() const {
    const QString text = Memo1->toPlainText();
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

lum::Colour TextStampDialog::BackgroundColour() const {
    switch (RadioGroup2->ItemIndex()) {
        case 1: return lum::FromQColor(palette().color(QPalette::Button));
        case 2: return lum::MakeColour(0, 0, 0);
        default: return lum::MakeColour(255, 255, 255);
    }
}

lum::TextStampOptions TextStampDialog::Options() const {
    lum::TextStampOptions o;
    o.lines.clear();
    for (const QString& l : Lines()) o.lines.push_back(l.toStdString());
    o.shadow = static_cast<lum::ShadowStyle>(qBound(0, RadioGroup1->ItemIndex(), 2));
    o.outline = CheckBox1->isChecked();
    o.offsetX = UpDown3->value();
    o.offsetY = UpDown2->value();
    o.textColour = ColorGrid1->ForegroundColour();
    o.outlineColour = ColorGrid1->BackgroundColour();
    o.shadowColour = shadowColour_;
    o.background = BackgroundColour();
    return o;
}

lum::MixOptions TextStampDialog::MixOptionsFor(const lum::MixOptions& current) const {
    return lum::TextStampMixOptions(current, BackgroundColour());
}

void TextStampDialog::FontnameChange() { RenderPreview(); }

void TextStampDialog::SpeedButton1Click() {
    QFont f(Face());
    f.setPointSize(UpDown1->value());
    f.setBold(SpeedButton2->isChecked());
    f.setItalic(SpeedButton3->isChecked());
    const bool ok = askFont_ ? askFont_(f) : lum::AskFontWithDialog(f, this);
    if (!ok) return;
    // The chosen font goes back into the controls the preview is drawn from.
    const int i = Fontname->findText(f.family(), Qt::MatchFixedString);
    if (i >= 0) Fontname->setCurrentIndex(i);
    else Fontname->setEditText(f.family());
    if (f.pointSize() > 0) UpDown1->setValue(f.pointSize());
    SpeedButton2->setChecked(f.bold());
    SpeedButton3->setChecked(f.italic());
    RenderPreview();
}

void TextStampDialog::ColorGrid1Change() { RenderPreview(); }

void TextStampDialog::RadioGroup2Click() { RenderPreview(); }

void TextStampDialog::PaintBox2MouseDown(int x) {
    shadowColour_ = lum::ShadowRampColour(x);
    RenderPreview();
}

void TextStampDialog::ControlChange() { RenderPreview(); }

void TextStampDialog::BitBtn1Click() {
    if (FieldsCorrected(this)) return;
    RenderPreview();
    mixSource_ = lum::TextStampSource(lum::FromQImage(preview_), layout_.textRect, BackgroundColour());
    accept();
}

void TextStampDialog::RenderPreview() {
    const int w = qMax(1, PaintBox1->width()), h = qMax(1, PaintBox1->height());
    QImage img(w, h, QImage::Format_RGB32);
    {
        lum::QtTextCanvas canvas(img, PreviewFont());
        layout_ = lum::PaintTextStamp(canvas, w, h, Options());
    }
    preview_ = img;
    PaintBox1->SetPicture(preview_);
}

void TextStampDialog::PaintRamp() {
    QImage ramp(kRampWidth, qMax(1, PaintBox2->height()), QImage::Format_RGB32);
    for (int x = 0; x < kRampWidth; ++x) {
        const lum::Colour g = lum::ShadowRampColour(x);
        for (int y = 0; y < ramp.height(); ++y) ramp.setPixel(x, y, lum::ToQColor(g).rgb());
    }
    PaintBox2->SetPicture(ramp);
}
