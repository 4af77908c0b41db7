// The compare window's menu bar (hidden by its design; Alt or F10 shows it), its pop-up menus,
// and the commands they run: the operations of the table and the window's own commands.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <map>

#include "app/CompareWindow.h"
#include "app/DesignMenus.h"
#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "editing/Operation.h"
#include "editing/SelectionTools.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "view/PaintToolbar.h"
#include "view/SelectionToolbar.h"

namespace {
const char* const kZoomCaption = "Zoom";
const char* const kZoomText = "Zooming starts again from the optimized photo: the changes made here will be lost. Zoom anyway?";
}  // namespace

bool TViewBigEditPhotoForm::RunCommand(const char* control) {
    return lum::RunWindowCommand(editor_, lum::kCompareWindow, control, [this](const std::function<void()>& f) { guard(f); });
}

void TViewBigEditPhotoForm::buildMenus() {
    const lum::Guard guarded = [this](const std::function<void()>& f) { guard(f); };
    auto own = lum::OwnHandlers<TViewBigEditPhotoForm>(
        this,
        {
            {"Btenregistrer", &TViewBigEditPhotoForm::BtenregistrerClick},
            {"Supprimer1", &TViewBigEditPhotoForm::Supprimer1Click},
            {"Btparamjpg", &TViewBigEditPhotoForm::BtparamjpgClick},
            {"Annuler1", &TViewBigEditPhotoForm::Undo},
            {"Reinitialiser1", &TViewBigEditPhotoForm::ResetImageSpeedButtonClick},
            {"Memoriser", &TViewBigEditPhotoForm::Memoriser},
            {"SelectionToolbarItem", &TViewBigEditPhotoForm::SpeedButton1Click},
            {"PaintToolbarItem", &TViewBigEditPhotoForm::SpeedButton3Click},
        },
        guarded);
    lum::AddCommonHandlers(own, editor_, guarded);
    menus_ = lum::BuildDesignMenus(this, lum::kCompareWindow, [this](const char* control) { RunCommand(control); }, own);

    lum::GiveStandardKeys(this, menus_.bar,
                          {{"Btenregistrer", QKeySequence::Save},
                           {"Annuler1", QKeySequence::Undo},
                           {"Copier1", QKeySequence::Copy},
                           {"Mlangerlexistant1", QKeySequence::Paste},
                           {"Commenouvelleimage1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}});

    // Beyond the design: the two floating toolbars and the zoom, from the keyboard too.
    QMenu* view = lum::AddHiddenMenu(menus_.bar, "Affichage1", QStringLiteral("&View"),
                                     menus_.bar->findChild<QAction*>(QStringLiteral("Redimensionner1")));
    const auto viewItem = [&](const char* name, const QString& caption) {
        QAction* a = view->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (auto it = own.find(name); it != own.end()) connect(a, &QAction::triggered, this, it->second);
        return a;
    };
    QAction* selectionItem = viewItem("SelectionToolbarItem", QStringLiteral("&Selection Toolbar"));
    QAction* paintItem = viewItem("PaintToolbarItem", QStringLiteral("&Paint Toolbar"));
    for (QAction* a : {selectionItem, paintItem}) a->setCheckable(true);
    connect(SelectionToolbar, &QToolBar::visibilityChanged, selectionItem, &QAction::setChecked);
    connect(PaintToolbar, &QToolBar::visibilityChanged, paintItem, &QAction::setChecked);
    view->addSeparator();
    QAction* zoomIn = viewItem("ZoomInItem", QStringLiteral("Zoom &In"));
    QAction* zoomOut = viewItem("ZoomOutItem", QStringLiteral("Zoom &Out"));
    zoomIn->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    addAction(zoomIn);
    addAction(zoomOut);
    view->addSeparator();
    view->addMenu(pane_->ZoomMenu())->setText(QStringLiteral("&Zoom both photos"));

    // The zoom menu resamples both panes; the keys step the view only, keeping the edits.
    QMenu* zoom = pane_->ZoomMenu();
    if (QAction* a = zoom->findChild<QAction*>(QStringLiteral("ZoomTo_FitWindow_Menuitem"))) {
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
        addAction(a);
    }
    pane_->SetMenuZoom([this](lum::EditPane::ZoomItem which, int percent) {
        DivideWindowinto2EvenSpeedButtonClick();
        switch (which) {
            case lum::EditPane::ZoomItem::FitWidth: percent = FitWidthPercent(); break;
            case lum::EditPane::ZoomItem::FitHeight: percent = FitHeightPercent(); break;
            case lum::EditPane::ZoomItem::FitWindow: percent = FitWindowPercent(); break;
            case lum::EditPane::ZoomItem::Percent: break;
        }
        if (percent <= 0) return;
        if (Changed() && !prompts().AskYesNo(kZoomCaption, kZoomText)) return;
        ZoomToPercent(percent);
    });
    const auto step = [this](int direction) {
        lum::PhotoView* v = View();
        const QPoint middle = v->PaintBox1()->mapFrom(v->viewport(), v->viewport()->rect().center());
        pane_->ZoomStep(direction, middle.x(), middle.y());
    };
    connect(zoomIn, &QAction::triggered, this, [this, step] { guard([step] { step(+1); }); });
    connect(zoomOut, &QAction::triggered, this, [this, step] { guard([step] { step(-1); }); });
}

// ---------------------------------------------------------------------------------------------
// The window's own commands

void TViewBigEditPhotoForm::chooseSelectionTool(int mode) {
    editor_.ResetTool();
    State().ToolMode = mode;
    editor_.SetTool(lum::MakeSelectionTool(mode));
    SelectionToolbar->ShowTool(mode);
    View()->PaintBox1()->setCursor(mode ? Qt::CrossCursor : Qt::ArrowCursor);
}

void TViewBigEditPhotoForm::ResetImageSpeedButtonClick() {
    editor_.ClearSelection();
    editor_.ResetTool();
    State().SelectionActive = 0;
    State().FloatActive = false;
    editor_.CommitMemoryImage(lum::CommitMode::NoCopies);
}

void TViewBigEditPhotoForm::SpeedButton6Click() {
    editor_.Undo();
    editor_.Macro().Record(0);
}

void TViewBigEditPhotoForm::ColorChangeSpeedButtonClick() { menus_.colorMenu->popup(QCursor::pos()); }

void TViewBigEditPhotoForm::SpeedButton1Click() { SelectionToolbar->setVisible(!SelectionToolbar->isVisible()); }

void TViewBigEditPhotoForm::SpeedButton3Click() { PaintToolbar->setVisible(!PaintToolbar->isVisible()); }

bool TViewBigEditPhotoForm::menuSave(int delayMs) {
    saving().SetMenuSaveDelayMs(delayMs);
    const bool written = saving().BtenregistrerClick();
    if (written) keepAsUnchanged();
    return written;
}

void TViewBigEditPhotoForm::BtenregistrerClick() { menuSave(400); }

void TViewBigEditPhotoForm::SpeedButton2Click() { menuSave(0); }

void TViewBigEditPhotoForm::Supprimer1Click() { saving().Supprimer1Click(); }

void TViewBigEditPhotoForm::BtparamjpgClick() {
    TEform2& dialog = dialogs_.Options();
    execModal([&dialog] { return dialog.exec(); });
}

void TViewBigEditPhotoForm::Memoriser() { editor_.Memorize(); }
void TViewBigEditPhotoForm::Undo() { editor_.Undo(); }
