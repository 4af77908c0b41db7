// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PaintToolbar.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "editing/PaintTools.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "widgets/DialogControls.h"
#include "widgets/Icons.h"
#include "widgets/ImageConvert.h"

namespace lum {

namespace {

struct ToolButtonDef {
    const char* name;
    const char* hint;
    ToolMode mode;
    BrushKind kind;
};

// In the order of the group; the brushes from the spray down to the soften.
const ToolButtonDef kToolButtons[] = {
    {"Btpipette", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Pipette"), ToolMode::Pipette, BrushKind::Soften},
    {"Btligne", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Line tool"), ToolMode::Line, BrushKind::Soften},
    {"Btcrayon", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Pen tool"), ToolMode::Pen, BrushKind::Soften},
    {"Btpeinture", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Fill tool"), ToolMode::Fill, BrushKind::Soften},
    {"Btspray", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Spray"), ToolMode::Brush, BrushKind::Spray},
    {"Btechange", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Selective colour eraser"), ToolMode::Brush,
     BrushKind::ColourEraser},
    {"Btbarbouiller", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Daub"), ToolMode::Brush, BrushKind::Daub},
    {"Btdubruit", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Noise"), ToolMode::Brush, BrushKind::Noise},
    {"Btassombrir", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Darken"), ToolMode::Brush, BrushKind::Darken},
    {"Bteclaircir", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Lighten"), ToolMode::Brush, BrushKind::Lighten},
    {"Btdurcir", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Sharpen"), ToolMode::Brush, BrushKind::Sharpen},
    {"Btflou", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Soften"), ToolMode::Brush, BrushKind::Soften},
    {"Btzoom", QT_TRANSLATE_NOOP("lum::PaintToolbar", "Zoom (left click: in, right click: out)"), ToolMode::Zoom,
     BrushKind::Soften},
};

const ToolButtonDef* DefOf(const QToolButton* b) {
    for (const ToolButtonDef& d : kToolButtons)
        if (b->objectName() == QLatin1String(d.name)) return &d;
    return nullptr;
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The pipette's swatch (object name Shape1): a framed square in the colour of its palette's
// window role.
class Swatch : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

void PaintSwatch(QFrame* swatch, Colour c) {
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, ToQColor(c));
    swatch->setPalette(pal);
    swatch->update();
}

}  // namespace

PaintToolbar::PaintToolbar(EditPane& pane, QWidget* parent)
    : QToolBar(tr("Paint Toolbar"), parent), pane_(pane) {
    setObjectName(QStringLiteral("PaintToolbar"));
    setAllowedAreas(Qt::LeftToolBarArea | Qt::RightToolBarArea);
    setOrientation(Qt::Vertical);
    askColour_ = [this](QColor& c) { return AskColourWithDialog(c, this); };
    // Its tools and colours are the editor's: greyed while a job owns it.
    connect(&pane, &EditPane::WorkChanged, this, [this](bool running) { setEnabled(!running); });

    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("PaintToolbarBody"));
    addWidget(body);
    auto* outer = new QVBoxLayout(body);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    tools_ = new QGroupBox(tr("Tools"), body);
    tools_->setObjectName(QStringLiteral("ToolsGroupBox"));
    auto* grid = new QGridLayout(tools_);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    int i = 0;
    for (const ToolButtonDef& d : kToolButtons) {
        auto* b = new QToolButton(tools_);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(30, 30);
        b->setIconSize(QSize(24, 24));
        b->setIcon(LumoraIcon(b->objectName()));
        b->setToolTip(tr(d.hint));
        connect(b, &QToolButton::clicked, this, [this, b] { pane_.Guard([this, b] { ChooseTool(b); }); });
        grid->addWidget(b, i / 3, i % 3);
        buttons_.push_back(b);
        ++i;
    }
    outer->addWidget(tools_);

    EditState& st = pane_.editor().State();
    auto* colours = new QHBoxLayout();
    firstColour_ = new ColourPanel(QStringLiteral("Panel5"), QString(), st.tools.PaintColour1(), body);
    secondColour_ = new ColourPanel(QStringLiteral("Panel6"), QString(), st.tools.PaintColour2(), body);
    for (ColourPanel* p : {firstColour_, secondColour_}) {
        p->ReachableByKeyboard();
        p->setFixedSize(30, 22);
        colours->addWidget(p);
    }
    firstColour_->setToolTip(tr("First paint colour (left button); click to choose it"));
    secondColour_->setToolTip(tr("Second paint colour (right button); click to choose it"));
    connect(firstColour_, &ColourPanel::clicked, this, [this] { chooseColour(true); });
    connect(secondColour_, &ColourPanel::clicked, this, [this] { chooseColour(false); });
    swatch_ = new Swatch(body);
    swatch_->setObjectName(QStringLiteral("Shape1"));
    swatch_->setFixedSize(22, 22);
    swatch_->setToolTip(tr("The colour under the pipette"));
    PaintSwatch(swatch_, st.tools.PaintColour1());
    colours->addWidget(swatch_);
    colours->addStretch(1);
    outer->addLayout(colours);

    auto* readout = new QHBoxLayout();
    labelR_ = NamedLabel("LabelR", QString(), body);
    labelG_ = NamedLabel("LabelG", QString(), body);
    labelB_ = NamedLabel("LabelB", QString(), body);
    for (QLabel* l : {labelR_, labelG_, labelB_}) readout->addWidget(l);
    readout->addStretch(1);
    outer->addLayout(readout);

    auto* sizes = new QGridLayout();
    diameterSpin_ =
        new SpinEdit(QStringLiteral("UpDownD"), QStringLiteral("Edit4"), 2, 96, st.tools.Diameter(), 1, body);
    diameterSpin_->SetHint(tr("Tool diameter"));
    thicknessSpin_ =
        new SpinEdit(QStringLiteral("UpDownE"), QStringLiteral("Edit5"), 1, 36, st.tools.Thickness(), 1, body);
    thicknessSpin_->SetHint(tr("Thickness or fill threshold"));
    sizes->addWidget(NamedLabel("LabelD", tr("D", "diameter"), body), 0, 0);
    sizes->addWidget(diameterSpin_, 0, 1);
    sizes->addWidget(NamedLabel("LabelE", tr("T", "thickness"), body), 1, 0);
    sizes->addWidget(thicknessSpin_, 1, 1);
    outer->addLayout(sizes);
    connect(diameterSpin_, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { pane_.editor().State().tools.SetDiameter(v); });
    connect(thicknessSpin_, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { pane_.editor().State().tools.SetThickness(v); });

    zoomLabel_ = NamedLabel("Label3", QString(), body);
    ShowZoom(pane_.View()->Zoom());
    outer->addWidget(zoomLabel_);
    outer->addStretch(1);

    ShowColorReadout(st.tools.PaintColour1());

    connect(&pane_, &EditPane::ColourReadout, this, &PaintToolbar::ShowColorReadout);
    connect(&pane_, &EditPane::SwatchColour, this, &PaintToolbar::ShowSwatch);
    connect(pane_.View(), &PhotoView::ZoomShown, this, &PaintToolbar::ShowZoom);
    connect(&pane_, &EditPane::ToolReset, this, &PaintToolbar::ReleaseTools);
    connect(&pane_, &EditPane::PaintColoursWereChanged, this, &PaintToolbar::SyncFromState);
}

QToolButton* PaintToolbar::Button(const QString& name) const {
    for (QToolButton* b : buttons_)
        if (b->objectName() == name) return b;
    return nullptr;
}

QToolButton* PaintToolbar::DownButton() const {
    for (QToolButton* b : buttons_)
        if (b->isChecked()) return b;
    return nullptr;
}

void PaintToolbar::ChooseTool(QToolButton* button) {
    const ToolButtonDef* def = DefOf(button);
    if (!def) return;
    // One down at a time; the down button clicked again comes up, leaving none down.
    if (button->isChecked())
        for (QToolButton* b : buttons_)
            if (b != button) b->setChecked(false);
    ChoosePaintTool(pane_.editor(), button->isChecked() ? def->mode : ToolMode::None, def->kind);
    SyncFromState();
    pane_.RefreshCursor();
}

void PaintToolbar::ReleaseTools() {
    for (QToolButton* b : buttons_) b->setChecked(false);
}

void PaintToolbar::ShowColorReadout(Colour c) {
    labelR_->setText(tr("R %1").arg(ColourR(c)));
    labelG_->setText(tr("G %1").arg(ColourG(c)));
    labelB_->setText(tr("B %1").arg(ColourB(c)));
}

void PaintToolbar::ShowSwatch(Colour c) { PaintSwatch(swatch_, c); }

void PaintToolbar::ShowZoom(int percent) { zoomLabel_->setText(tr("%1 %").arg(percent)); }

void PaintToolbar::SyncFromState() {
    const EditState& st = pane_.editor().State();
    firstColour_->SetColour(st.tools.PaintColour1());
    secondColour_->SetColour(st.tools.PaintColour2());
    diameterSpin_->setValue(st.tools.Diameter());
    thicknessSpin_->setValue(st.tools.Thickness());
}

void PaintToolbar::chooseColour(bool first) {
    Editor& editor = pane_.editor();
    QColor c = ToQColor(first ? editor.State().tools.PaintColour1() : editor.State().tools.PaintColour2());
    if (!askColour_ || !askColour_(c)) return;
    if (first) editor.SetPaintColour1(FromQColor(c));
    else editor.SetPaintColour2(FromQColor(c));
}

}  // namespace lum
