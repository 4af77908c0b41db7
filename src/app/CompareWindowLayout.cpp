// SPDX-License-Identifier: GPL-3.0-or-later
// The compare window's panels, buttons and toolbars.
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/CompareWindow.h"
#include "editing/Operation.h"
#include "view/PhotoFixTools.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "view/PaintToolbar.h"
#include "widgets/OverflowRow.h"
#include "widgets/PictureLabel.h"
#include "widgets/Icons.h"
#include "widgets/PanelSkins.h"
#include "widgets/GradientPanel.h"

namespace {
// The strip over a pane: a skinned panel with the pane's title on the left.
QHBoxLayout* titleRow(GradientPanel* strip, const QString& labelName, const QString& title) {
    strip->setFixedHeight(34);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(2);
    auto* label = new QLabel(title, strip);
    label->setObjectName(labelName);
    row->addWidget(label);
    return row;
}
}  // namespace

QToolButton* CompareWindow::paneButton(const char* name, const char* hint, int fallbackIcon, QWidget* parent,
                                               std::function<void()> command) {
    QToolButton* b = makeButton(QString::fromLatin1(name), QString(), tr(hint), parent);
    if (b->icon().isNull()) b->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(fallbackIcon)));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    onClick(b, std::move(command));
    return b;
}

void CompareWindow::buildUi() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildTopStrip(central));

    paneSplitter_ = new QSplitter(Qt::Horizontal, central);
    paneSplitter_->setObjectName(QStringLiteral("Splitter1"));
    paneSplitter_->setHandleWidth(kPaneHandle);
    paneSplitter_->setChildrenCollapsible(false);
    paneSplitter_->addWidget(buildOriginalPane(paneSplitter_));
    paneSplitter_->addWidget(buildOptimizedPane(paneSplitter_));
    paneSplitter_->setStretchFactor(0, 0);
    paneSplitter_->setStretchFactor(1, 1);
    connect(paneSplitter_, &QSplitter::splitterMoved, this, [this] { paneSplitter_->setProperty("dragged", true); });
    outer->addWidget(paneSplitter_, 1);
    // The crop, straighten and red-eye bar spans both panes: inside the optimized one it would
    // push that photo off the original's line, and its width would widen that pane.
    if (QWidget* bar = photoFixes() ? photoFixes()->Bar() : nullptr) {
        if (QLayout* inPane = bar->parentWidget() ? bar->parentWidget()->layout() : nullptr) inPane->removeWidget(bar);
        outer->insertWidget(1, bar);
    }
    setCentralWidget(central);
}

QWidget* CompareWindow::buildTopStrip(QWidget* parent) {
    topPanel_ = MakeSkinnedPanel(QStringLiteral("RealMemoryPanel_Top"), parent);
    topPanel_->setFixedHeight(70);
    auto* row = new QHBoxLayout(topPanel_);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(8);
    auto* info = new QLabel(tr("File information"), topPanel_);
    info->setObjectName(QStringLiteral("Label4"));
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(info);
    PhotoFileNameMemo = new QPlainTextEdit(topPanel_);
    PhotoFileNameMemo->setObjectName(QStringLiteral("PhotoFileNameMemo"));
    PhotoFileNameMemo->setAccessibleName(tr("Photo information"));
    PhotoFileNameMemo->setReadOnly(true);
    PhotoFileNameMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PhotoFileNameMemo->setFocusPolicy(Qt::ClickFocus);
    row->addWidget(PhotoFileNameMemo, 1);
    return topPanel_;
}

QWidget* CompareWindow::buildOriginalPane(QWidget* parent) {
    originalPane_ = MakeSkinnedPanel(QStringLiteral("OrginalPartRealMemoryPanel"), parent);
    auto* box = new QVBoxLayout(originalPane_);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    GradientPanel* title = MakeSkinnedPanel(QStringLiteral("OrginalTitleRealMemoryPanel"), originalPane_);
    QHBoxLayout* row = titleRow(title, QStringLiteral("Label1"), tr("Original Photo"));
    // After a crop or a turn by an angle the original is shown whole: said, as it no longer lines up.
    originalNote_ = new QLabel(tr("(whole: the panes no longer line up)"), title);
    originalNote_->setObjectName(QStringLiteral("OriginalFramingNote"));
    originalNote_->setToolTip(tr("The optimized photo was cropped or turned by an angle since it was loaded. The "
                                 "original is shown whole at the same size, so the two panes no longer show the "
                                 "same places."));
    originalNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    originalNote_->hide();
    row->addWidget(originalNote_, 1);
    row->addStretch(1);
    row->addWidget(paneButton("SpeedButton4", QT_TR_NOOP("Show the Original Photo in full screen"), QStyle::SP_TitleBarMaxButton,
                              title, [this] { ShowOriginalFullScreen(); }));
    row->addWidget(paneButton("SpeedButton9", QT_TR_NOOP("Show both photos side by side again"), QStyle::SP_TitleBarNormalButton,
                              title, [this] { ShowBothPanes(); }));
    box->addWidget(title);

    originalScroll_ = new QScrollArea(originalPane_);
    originalScroll_->setObjectName(QStringLiteral("ScrollBox2"));
    originalScroll_->setAccessibleName(tr("Original photo"));
    originalScroll_->setWidgetResizable(false);
    // Placed as the optimized pane places its photo: centred while it is smaller than the pane.
    originalScroll_->setAlignment(Qt::AlignCenter);
    originalPicture_ = new lum::PictureLabel;
    originalPicture_->setObjectName(QStringLiteral("OrginalBitmapImage"));
    originalPicture_->setScaledContents(false);
    originalPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    originalScroll_->setWidget(originalPicture_);
    box->addWidget(originalScroll_, 1);
    return originalPane_;
}

QWidget* CompareWindow::buildOptimizedPane(QWidget* parent) {
    optimizedPane_ = MakeSkinnedPanel(QStringLiteral("RealMemoryPanel1"), parent);
    auto* box = new QVBoxLayout(optimizedPane_);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    GradientPanel* title = MakeSkinnedPanel(QStringLiteral("RealMemoryPanel4"), optimizedPane_);
    QHBoxLayout* row = titleRow(title, QStringLiteral("Label2"), tr("Optimized Photo"));
    row->addSpacing(8);

    // The four filter buttons.
    for (const char* control : {"Btplusdur", "Btdoux", "Btbrume", "Btdur"}) row->addWidget(makeCommandButton(control, title, true));

    // Buttons the design keeps hidden, shown by View > Show All Buttons. Those that do not fit
    // wait behind a >> button, so showing them never widens the window past the screen.
    allButtonsRow_ = new lum::OverflowRow(title);
    allButtonsRow_->setObjectName(QStringLiteral("AllButtonsRow"));
    allButtonsRow_->hide();
    row->addWidget(allButtonsRow_, 1);
    row->addStretch(0);  // takes the room only while the row is hidden
    const auto hidden = [&](QToolButton* b) {
        allButtonsRow_->AddButton(b);
        return b;
    };
    // Captioned: the design gives them no picture.
    hidden(makeCommandButton("AutoColorBalanceSpeedButton", title, true));
    hidden(makeCommandButton("SpeedButton8", title, true));
    hidden(makeCommandButton("Btrot90", title, true));
    hidden(makeCommandButton("BtmiroirH", title, true));
    hidden(makeCommandButton("NBtmiroirV", title, true));
    hidden(makeCommandButton("RotateBitmapSpeedButton", title, true));
    const auto own = [&](const char* name, const char* caption, const char* hint, std::function<void()> command) {
        QToolButton* b = hidden(makeButton(QString::fromLatin1(name), tr(caption), tr(hint), title));
        onClick(b, std::move(command));
        return b;
    };
    // Those that read or change the photo wait for a job, greyed.
    const auto touching = [&](const char* name, const char* caption, const char* hint, std::function<void()> command) {
        QToolButton* b = own(name, caption, hint, std::move(command));
        TouchesPicture(b);
        return b;
    };
    touching("SpeedButton2", QT_TR_NOOP("Save"), QT_TR_NOOP("Save the optimized photo"), [this] { SaveFromMenu([](bool) {}); });
    touching("ResetImageSpeedButton", QT_TR_NOOP("Reset"), QT_TR_NOOP("Reset the optimized photo"), [this] { ResetImage(); });
    touching("SpeedButton6", QT_TR_NOOP("U"), QT_TR_NOOP("Undo"), [this] { UndoAndRecord(); });
    touching("CropSpeedButton", QT_TR_NOOP("Crop"), QT_TR_NOOP("Crop the photo (C)"), [this] { photoFixes()->StartCrop(); });
    touching("StraightenSpeedButton", QT_TR_NOOP("Level"), QT_TR_NOOP("Straighten a tilted horizon"),
             [this] { photoFixes()->StartStraighten(); });
    touching("RedEyeSpeedButton", QT_TR_NOOP("Eyes"), QT_TR_NOOP("Take the red out of eyes lit by a flash"),
             [this] { photoFixes()->StartRedEye(); });
    // The text stamp, as Mixing "&Text Stamp..." runs it.
    hidden(makeCommandButton("Bttexte", title, true));
    ColorChangeSpeedButton = touching("ColorChangeSpeedButton", QT_TR_NOOP("C"), QT_TR_NOOP("Colour channel shifts"), [this] { PopUpColourMenu(); });
    own("SpeedButton1", QT_TR_NOOP("S"), QT_TR_NOOP("Selection Toolbar"), [this] { ToggleSelectionToolbar(); });
    own("SpeedButton3", QT_TR_NOOP("P"), QT_TR_NOOP("Paint Toolbar"), [this] { TogglePaintToolbar(); });

    // Pane layout and zoom.
    row->addWidget(paneButton("SpeedButton5", QT_TR_NOOP("Show the Optimized Photo in full screen"), QStyle::SP_TitleBarMaxButton,
                              title, [this] { ShowOptimizedFullScreen(); }));
    SetZoomScaleSpeedButton =
        paneButton("SetZoomScaleSpeedButton", QT_TR_NOOP("Zoom both photos"),
                   QStyle::SP_FileDialogContentsView, title, [this] { PopUpZoomMenu(); });
    row->addWidget(SetZoomScaleSpeedButton);
    row->addWidget(paneButton("DivideWindowinto2EvenSpeedButton", QT_TR_NOOP("Show both photos side by side again"),
                              QStyle::SP_TitleBarNormalButton, title, [this] { ShowBothPanes(); }));
    box->addWidget(title);

    optimizedTitle_ = MakeSkinnedPanel(QStringLiteral("RealMemoryPanel2"), optimizedPane_);
    auto* inner = new QVBoxLayout(optimizedTitle_);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(makePane(optimizedTitle_));
    box->addWidget(optimizedTitle_, 1);
    return optimizedPane_;
}

void CompareWindow::buildPaintToolbar() {
    PaintToolbar = new lum::PaintToolbar(*Pane(), this);
    // The colour dialog of the colour panels is one of the window's modal visits.
    PaintToolbar->SetColourAsker([this](QColor& c) {
        return ExecModal([this, &c] { return lum::AskColourWithDialog(c, this) ? 1 : 0; }) != 0;
    });
    addToolBar(Qt::LeftToolBarArea, PaintToolbar);
    PaintToolbar->hide();
}
