// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/TextStampDialog.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "image/Draw.h"
#include "widgets/ImageConvert.h"
#include "compose/QtTextCanvas.h"
#include "widgets/DialogControls.h"
#include "widgets/Job.h"

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
    PreviewBox = new PictureBox(QStringLiteral("PaintBox1"), this);
    PreviewBox->setMinimumSize(560, 320);
    PreviewBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    SizeInfo = NewLabel(QStringLiteral("SizeInfo"), QString(), this);

    auto* root = new QVBoxLayout(this);
    root->addWidget(controls);
    root->addWidget(SizeInfo);
    root->addWidget(PreviewBox, 1);

    connect(FaceBox, &QComboBox::currentIndexChanged, this, [this] { FaceChanged(); });
    connect(FaceBox, &QComboBox::editTextChanged, this, [this] { FaceChanged(); });
    connect(FontButton, &QToolButton::clicked, this, [this] { ChooseFont(); });
    connect(LetterColours, &ColourGrid::changed, this, [this] { ColoursChanged(); });
    connect(BackgroundGroup, &RadioGroup::itemPicked, this, [this] { BackgroundChosen(); });
    connect(ShadowRamp, &PictureBox::mousePressed, this, [this](int x, int, Qt::MouseButton) { PickShadowGrey(x); });
    connect(ShadowRamp, &PictureBox::resized, this, [this] { PaintRamp(); });
    connect(PreviewBox, &PictureBox::resized, this, [this] { RenderPreview(); });
    for (SpinEdit* s : {SizeSpin, OffsetYSpin, OffsetXSpin})
        connect(s, &QSpinBox::valueChanged, this, [this] { SettingChanged(); });
    for (QToolButton* b : {BoldButton, ItalicButton}) connect(b, &QToolButton::toggled, this, [this] { SettingChanged(); });
    connect(ShadowGroup, &RadioGroup::itemPicked, this, [this] { SettingChanged(); });
    connect(OutlineBox, &QCheckBox::toggled, this, [this] { SettingChanged(); });
    connect(ShowButton, &QPushButton::clicked, this, [this] { SettingChanged(); });
    // The preview follows the text as it is typed, so OK never stamps an older text.
    connect(TextBox, &QTextEdit::textChanged, this, [this] { SettingChanged(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { TakeStamp(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    resize(sizeHint());
    layout()->activate();
    PaintRamp();
    RenderPreview();
}

QWidget* TextStampDialog::BuildControls() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("PanelControls"));

    // Font row.
    FaceBox = new QComboBox(box);
    FaceBox->setObjectName(QStringLiteral("Fontname"));
    FaceBox->setEditable(true);
    FaceBox->setInsertPolicy(QComboBox::NoInsert);
    FaceBox->setMinimumWidth(220);
    FaceBox->addItems(InstalledFaces());
    FaceBox->setCurrentIndex(-1);
    FaceBox->setEditText(kFirstFace);
    auto* faceLabel = NewLabel(QStringLiteral("Label1"), tr("Font"), box);
    faceLabel->setBuddy(FaceBox);
    FontButton = NewToolButton(QStringLiteral("SpeedButton1"), tr("Font..."), box);
    BoldButton = NewToolButton(QStringLiteral("SpeedButton2"), tr("B", "bold"), box);
    BoldButton->setToolTip(tr("Bold"));
    ItalicButton = NewToolButton(QStringLiteral("SpeedButton3"), tr("I", "italic"), box);
    ItalicButton->setToolTip(tr("Italic"));
    QFont bold = BoldButton->font();
    bold.setBold(true);
    BoldButton->setFont(bold);
    QFont italic = ItalicButton->font();
    italic.setItalic(true);
    ItalicButton->setFont(italic);
    BoldButton->setCheckable(true);
    ItalicButton->setCheckable(true);
    // Up to half the photo's height, so a title can fill it.
    SizeSpin = new SpinEdit(QStringLiteral("UpDown1"), QStringLiteral("Edit1"), 2, 50, 10, 2, box);
    SizeSpin->setSuffix(QStringLiteral(" %"));
    SizeSpin->setToolTip(tr("The height of a line of text as a part of the photo's height"));
    auto* size = NewLabel(QStringLiteral("Label2"), tr("Line height"), box);
    size->setBuddy(SizeSpin);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(faceLabel);
    fontRow->addWidget(FaceBox, 1);
    fontRow->addWidget(FontButton);
    fontRow->addSpacing(6);
    fontRow->addWidget(BoldButton);
    fontRow->addWidget(ItalicButton);
    fontRow->addSpacing(12);
    fontRow->addWidget(size);
    fontRow->addWidget(SizeSpin);

    // Text, colours, shadow, background, outline and offsets.
    TextBox = new QTextEdit(box);
    TextBox->setObjectName(QStringLiteral("Memo1"));
    TextBox->setAcceptRichText(false);
    TextBox->setTabChangesFocus(true);  // Tab leaves the text; a tab in a stamp means nothing
    TextBox->setWordWrapMode(QTextOption::NoWrap);
    QTextOption centred = TextBox->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    TextBox->document()->setDefaultTextOption(centred);
    TextBox->setPlainText(tr("Title\nExample"));
    TextBox->setFixedSize(180, 4 * TextBox->fontMetrics().height());
    auto* text = NewLabel(QStringLiteral("Label3"), tr("Text"), box);
    text->setBuddy(TextBox);
    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(text);
    textColumn->addWidget(TextBox);
    textColumn->addStretch(1);

    LetterColours = new ColourGrid(QStringLiteral("ColorGrid1"), box);
    LetterColours->setToolTip(tr("Left click: the colour of the letters; right click: the colour of the outline"));
    ShadowGroup = new RadioGroup(QStringLiteral("RadioGroup1"), tr("Shadow"),
                                  {tr("No shadow"), tr("Standard"), tr("Gradient")}, 1, box);
    ShadowGroup->SetItemIndex(2);
    ShadowRamp = new PictureBox(QStringLiteral("PaintBox2"), box);
    ShadowRamp->setToolTip(tr("Click to choose the grey of the shadow"));
    ShadowRamp->setFixedSize(kRampWidth, 16);
    ShadowRamp->setCursor(Qt::PointingHandCursor);
    ShadowRamp->setFocusPolicy(Qt::StrongFocus);
    ShadowRamp->setAccessibleName(tr("Shadow grey"));
    ShadowRamp->setAccessibleDescription(tr("The left and right arrow keys make the shadow darker or lighter"));
    ShadowRamp->installEventFilter(this);
    auto* colourColumn = new QVBoxLayout;
    colourColumn->addWidget(LetterColours);
    colourColumn->addWidget(ShadowRamp);
    colourColumn->addStretch(1);

    BackgroundGroup = new RadioGroup(QStringLiteral("RadioGroup2"), tr("Background"),
                                  {tr("White"), tr("Silver"), tr("Black")}, 1, box);
    BackgroundGroup->SetItemIndex(0);

    OutlineBox = new QCheckBox(tr("Outline"), box);
    OutlineBox->setObjectName(QStringLiteral("CheckBox1"));
    OutlineBox->setChecked(true);
    OffsetXSpin = new SpinEdit(QStringLiteral("UpDown3"), QStringLiteral("Edit3"), -24, 24, 4, 1, box);
    OffsetYSpin = new SpinEdit(QStringLiteral("UpDown2"), QStringLiteral("Edit2"), -24, 24, -4, 1, box);
    auto* offsets = new QGridLayout;
    offsets->addWidget(OutlineBox, 0, 0, 1, 2);
    offsets->addWidget(NewLabel(QStringLiteral("Label4"), tr("x"), box), 1, 0);
    offsets->addWidget(OffsetXSpin, 1, 1);
    offsets->addWidget(NewLabel(QStringLiteral("Label5"), tr("y"), box), 2, 0);
    offsets->addWidget(OffsetYSpin, 2, 1);
    offsets->setRowStretch(3, 1);

    ShowButton = new QPushButton(tr("Show"), box);
    ShowButton->setToolTip(tr("Draw the preview again"));
    ShowButton->setObjectName(QStringLiteral("Button1"));
    OkButton = new QPushButton(tr("OK"), box);
    OkButton->setObjectName(QStringLiteral("BitBtn1"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), box);
    CancelButton->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {ShowButton, CancelButton}) b->setAutoDefault(false);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(ShowButton);
    buttonColumn->addStretch(1);
    buttonColumn->addWidget(OkButton);
    buttonColumn->addWidget(CancelButton);

    auto* row = new QHBoxLayout;
    row->addLayout(textColumn);
    row->addLayout(colourColumn);
    row->addWidget(ShadowGroup, 0, Qt::AlignTop);
    row->addWidget(BackgroundGroup, 0, Qt::AlignTop);
    row->addLayout(offsets);
    row->addStretch(1);
    row->addLayout(buttonColumn);

    auto* all = new QVBoxLayout(box);
    all->setContentsMargins(0, 0, 0, 0);
    all->addLayout(fontRow);
    all->addLayout(row);

    ChainTabOrder({FaceBox, FontButton, BoldButton, ItalicButton, SizeSpin, TextBox, LetterColours, ShadowRamp,
                        ShadowGroup, BackgroundGroup, OutlineBox, OffsetXSpin, OffsetYSpin, ShowButton, OkButton,
                        CancelButton});
    for (QWidget* w : {static_cast<QWidget*>(TextBox), static_cast<QWidget*>(SizeSpin), static_cast<QWidget*>(OffsetYSpin),
                       static_cast<QWidget*>(OffsetXSpin)})
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
    const QString chosen = FaceBox->currentText();
    for (int i = 0; i < FaceBox->count(); ++i)
        if (FaceBox->itemText(i).compare(chosen, Qt::CaseInsensitive) == 0) return FaceBox->itemText(i);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont TextStampDialog::PreviewFont() const {
    QFont f = lum::StampFont(Face(), 1, BoldButton->isChecked(), ItalicButton->isChecked());
    f.setPixelSize(qMax(1, lineHeightInPreview_));
    return f;
}

void TextStampDialog::SetPhoto(const lum::Image& photo) {
    photoSize_ = photo.empty() ? QSize() : QSize(photo.width(), photo.height());
    // One scaled copy: the preview never scales the whole photo again on every change.
    photoView_ = photo.empty() ? QImage()
                               : lum::ToQImage(photo).scaled(QSize(1200, 1200).boundedTo(photoSize_), Qt::KeepAspectRatio,
                                                             Qt::SmoothTransformation);
    RenderPreview();
}

QSize TextStampDialog::PhotoSize() const {
    if (photoSize_.isValid() && !photoSize_.isEmpty()) return photoSize_;
    return QSize(qMax(1, PreviewBox->width()), qMax(1, PreviewBox->height()));
}

int TextStampDialog::LineHeightOnPhoto() const {
    const QSize photo = PhotoSize();
    return lum::StampLineHeight(Face(), BoldButton->isChecked(), ItalicButton->isChecked(), Options(), SizeSpin->value(),
                                photo.width(), photo.height());
}

lum::RenderedStamp TextStampDialog::RenderFor(int photoW, int photoH) const {
    return lum::RenderStampForPhoto(Face(), BoldButton->isChecked(), ItalicButton->isChecked(), Options(),
                                    SizeSpin->value(), photoW, photoH);
}

QStringList TextStampDialog::Lines() const {
    const QString text = TextBox->toPlainText();
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

lum::Colour TextStampDialog::BackgroundColour() const {
    switch (BackgroundGroup->ItemIndex()) {
        case 1: return lum::FromQColor(palette().color(QPalette::Button));
        case 2: return lum::MakeColour(0, 0, 0);
        default: return lum::MakeColour(255, 255, 255);
    }
}

lum::TextStampOptions TextStampDialog::Options() const {
    lum::TextStampOptions o;
    o.lines.clear();
    for (const QString& l : Lines()) o.lines.push_back(l.toStdString());
    o.shadow = static_cast<lum::ShadowStyle>(qBound(0, ShadowGroup->ItemIndex(), 2));
    o.outline = OutlineBox->isChecked();
    o.offsetX = OffsetXSpin->value();
    o.offsetY = OffsetYSpin->value();
    o.textColour = LetterColours->ForegroundColour();
    o.outlineColour = LetterColours->BackgroundColour();
    o.shadowColour = shadowColour_;
    o.background = BackgroundColour();
    return o;
}

lum::MixOptions TextStampDialog::MixOptionsFor(const lum::MixOptions& current) const {
    return lum::TextStampMixOptions(current, BackgroundColour());
}

void TextStampDialog::FaceChanged() { RenderPreview(); }

void TextStampDialog::ChooseFont() {
    QFont f(Face());
    f.setPointSize(24);  // the dialog's size is the photo's share, not points
    f.setBold(BoldButton->isChecked());
    f.setItalic(ItalicButton->isChecked());
    const bool ok = askFont_ ? askFont_(f) : lum::AskFontWithDialog(f, this);
    if (!ok) return;
    // The chosen font goes back into the controls the preview is drawn from.
    const int i = FaceBox->findText(f.family(), Qt::MatchFixedString);
    if (i >= 0) FaceBox->setCurrentIndex(i);
    else FaceBox->setEditText(f.family());
    BoldButton->setChecked(f.bold());
    ItalicButton->setChecked(f.italic());
    RenderPreview();
}

void TextStampDialog::ColoursChanged() { RenderPreview(); }

void TextStampDialog::BackgroundChosen() { RenderPreview(); }

void TextStampDialog::PickShadowGrey(int x) {
    shadowColour_ = lum::ShadowRampColour(x);
    RenderPreview();
}

void TextStampDialog::SettingChanged() { RenderPreview(); }

void TextStampDialog::TakeStamp() {
    if (FieldsCorrected(this)) return;
    RenderPreview();
    const QSize photo = PhotoSize();
    if (stampJob_) return;  // already being drawn
    // Letters half a big photo high take a while: drawn on the pool, the dialog answers meanwhile.
    auto stamp = std::make_shared<lum::Image>();
    const QString face = Face();
    const bool bold = BoldButton->isChecked(), italic = ItalicButton->isChecked();
    const lum::TextStampOptions options = Options();
    const int percent = SizeSpin->value();
    stampJob_ = lum::Job::Start(this, [=] {
        *stamp = lum::RenderStampForPhoto(face, bold, italic, options, percent, photo.width(), photo.height()).stamp;
    });
    OkButton->setEnabled(false);
    setCursor(Qt::BusyCursor);
    lum::Job* job = stampJob_;
    connect(job, &lum::Job::finished, this, [this, job, stamp](std::exception_ptr failure) {
        stampJob_ = nullptr;
        OkButton->setEnabled(true);
        unsetCursor();
        if (job->CancelFlag()) return;
        if (failure) {
            SizeInfo->setText(tr("The stamp could not be drawn this big; try a smaller line height."));
            return;
        }
        mixSource_ = std::move(*stamp);
        accept();
    });
}

void TextStampDialog::RenderPreview() {
    const int w = qMax(1, PreviewBox->width()), h = qMax(1, PreviewBox->height());
    const QSize photo = PhotoSize();
    // The photo fitted into the box, the stamp drawn for that size and mixed as OK will mix it.
    const double f = std::min(static_cast<double>(w) / photo.width(), static_cast<double>(h) / photo.height());
    const int fw = qBound(1, qRound(photo.width() * f), w), fh = qBound(1, qRound(photo.height() * f), h);
    lum::Image view;
    if (photoView_.isNull()) {
        view = lum::Image(fw, fh);
        lum::FillRect(view, lum::Rect{0, 0, fw, fh}, BackgroundColour());
    } else {
        view = lum::FromQImage(photoView_.scaled(fw, fh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    const lum::RenderedStamp stamp = RenderFor(fw, fh);
    const lum::MixOptions mix = MixOptionsFor(lum::MixOptions());
    const lum::MixPlacement at = lum::ComputeMixPlacement(mix, fw, fh, stamp.stamp.width(), stamp.stamp.height());
    lum::ComposeMix(view, stamp.stamp, at, mix);
    lineHeightInPreview_ = stamp.lineHeight;

    const int left = (w - fw) / 2, top = (h - fh) / 2;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(palette().color(QPalette::Window));
    {
        QPainter p(&img);
        p.drawImage(left, top, lum::ToQImage(view));
    }
    stampRect_ = lum::Rect{left + at.Left, top + at.Top, left + at.Left + at.Width, top + at.Top + at.Height};
    preview_ = img;
    PreviewBox->SetPicture(preview_);

    lineHeightOnPhoto_ = LineHeightOnPhoto();
    SizeInfo->setText(photoSize_.isEmpty()
                          ? tr("Letters %1 pixels high in this preview").arg(lineHeightOnPhoto_)
                          : tr("Letters %1 pixels high on the %2 × %3 photo, shown at the place they land")
                                .arg(lineHeightOnPhoto_)
                                .arg(photoSize_.width())
                                .arg(photoSize_.height()));
}

bool TextStampDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ShadowRamp && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            // One line of the ramp further, within it.
            const int at = lum::ColourR(shadowColour_) / 4 + (key == Qt::Key_Left ? -1 : 1);
            if (at >= 0 && at < kRampWidth) PickShadowGrey(at);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TextStampDialog::reject() {
    if (stampJob_) stampJob_->Cancel();
    QDialog::reject();
}

void TextStampDialog::PaintRamp() {
    QImage ramp(kRampWidth, qMax(1, ShadowRamp->height()), QImage::Format_RGB32);
    for (int x = 0; x < kRampWidth; ++x) {
        const lum::Colour g = lum::ShadowRampColour(x);
        for (int y = 0; y < ramp.height(); ++y) ramp.setPixel(x, y, lum::ToQColor(g).rgb());
    }
    ShadowRamp->SetPicture(ramp);
}
