// The compare window's menu bar (hidden by its design; Alt or F10 shows it), its pop-up menus,
// and the commands they run: the operations of the table and the window's own commands.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "editing/Operation.h"
#include "editing/SelectionTools.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "view/SelectionToolbar.h"
#include "widgets/MenuBarReveal.h"

namespace {
const char* const kZoomCaption = "Zoom";
const char* const kZoomText = "Zooming starts again from the optimized photo: the changes made here will be lost. Zoom anyway?";
}  // namespace

QAction* TViewBigEditPhotoForm::commandItem(QWidget* menu, const char* control) {
    const lum::CommandRef ref = lum::FindCommand(control, lum::kCompareWindow);
    auto* a = new QAction(QString::fromUtf8(ref.command->caption), menu);
    menu->addAction(a);
    a->setObjectName(QString::fromLatin1(control));
    connect(a, &QAction::triggered, this, [this, control] { RunCommand(control); });
    return a;
}

bool TViewBigEditPhotoForm::RunCommand(const char* control) {
    const lum::CommandRef ref = lum::FindCommand(control, lum::kCompareWindow);
    if (!ref.op) return false;
    bool done = false;
    guard([&] { done = editor_.Run(*ref.op, ref.command->args); });
    return done;
}

void TViewBigEditPhotoForm::buildMenus() {
    mainMenu_ = new QMenuBar(this);
    mainMenu_->setObjectName(QStringLiteral("MainMenu1"));
    mainMenu_->setNativeMenuBar(false);
    setMenuBar(mainMenu_);

    using Handler = void (TViewBigEditPhotoForm::*)();
    // A design item; without a handler it has no command here yet. A shortcut works whether
    // the bar is shown or not.
    const auto item = [this](QMenu* menu, const char* name, const char* caption, Handler handler = nullptr,
                             const QKeySequence& keys = QKeySequence()) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            addAction(a);
        }
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { guard([this, handler] { (this->*handler)(); }); });
        return a;
    };
    const auto topMenu = [this](const char* name, const char* caption) {
        QMenu* m = mainMenu_->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
        // The design keeps every entry of the menu bar hidden.
        m->menuAction()->setVisible(false);
        return m;
    };

    QMenu* file = topMenu("Fichier1", "&File");
    item(file, "Ouvrir1", "&Open...");
    item(file, "Btnouveau", "&New...");
    item(file, "Btenregistrer", "&Save", &TViewBigEditPhotoForm::BtenregistrerClick, QKeySequence::Save);
    item(file, "Enregistrersous1", "Save &As...");
    file->addSeparator();
    item(file, "Supprimer1", "&Delete", &TViewBigEditPhotoForm::Supprimer1Click);
    file->addSeparator();
    item(file, "Btparamjpg", "&Options", &TViewBigEditPhotoForm::BtparamjpgClick);
    file->addSeparator();
    item(file, "Quitter1", "E&xit");

    QMenu* edit = topMenu("Edition1", "&Edit");
    item(edit, "Annuler1", "&Undo", &TViewBigEditPhotoForm::Undo, QKeySequence::Undo);
    item(edit, "Reinitialiser1", "&Reset Image", &TViewBigEditPhotoForm::ResetImageSpeedButtonClick);
    edit->addSeparator();
    item(edit, "Copier1", "&Copy", nullptr, QKeySequence::Copy);
    item(edit, "Commenouvelleimage1", "Paste as &New Image", nullptr, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    item(edit, "Mlangerlexistant1", "&Paste into current Image...", nullptr, QKeySequence::Paste);
    edit->addSeparator();
    item(edit, "Memoriser", "&Memorize", &TViewBigEditPhotoForm::Memoriser);
    commandItem(edit, "Effacer1");

    QMenu* mixing = topMenu("Melanger1", "Mi&xing ");
    item(mixing, "Imageoriginale1", "&Original Image %");
    mixing->addSeparator();
    item(mixing, "Btmixdegrad", "&Gradient");
    item(mixing, "Btmiximage", "&Image");
    item(mixing, "PPimage", "&Clipboard Image");
    item(mixing, "Bttexte", "&Text");
    mixing->addSeparator();
    item(mixing, "GradientLumiere", "&Lighten gradient");
    commandItem(mixing, "NivGris");

    QMenu* optimization = topMenu("Optimisation1", "&Optimization");
    commandItem(optimization, "LissageAuto");
    commandItem(optimization, "FlouGaussien");
    optimization->addSeparator();
    commandItem(optimization, "Equilibrer1");
    commandItem(optimization, "Equilibrer2");

    QMenu* macro = topMenu("Macro1", "&Macro");
    item(macro, "Initmacro", "&Start", &TViewBigEditPhotoForm::InitmacroClick);
    closeMacroAction_ = item(macro, "Fermer", "&Close", &TViewBigEditPhotoForm::FermerClick);
    closeMacroAction_->setEnabled(editor_.Macro().CloseEnabled);
    macro->addSeparator();
    executeMacroAction_ = commandItem(macro, "Executer");
    executeMacroAction_->setEnabled(editor_.Macro().ExecuteEnabled);

    commandItem(mainMenu_, "Redimensionner1")->setVisible(false);

    // Beyond the design: the two floating toolbars and the zoom, from the keyboard too.
    QMenu* view = topMenu("Affichage1", "&View");
    selectionToolbarAction_ = item(view, "SelectionToolbarItem", "&Selection Toolbar", &TViewBigEditPhotoForm::SpeedButton1Click);
    paintToolbarAction_ = item(view, "PaintToolbarItem", "&Paint Toolbar", &TViewBigEditPhotoForm::SpeedButton3Click);
    for (QAction* a : {selectionToolbarAction_, paintToolbarAction_}) a->setCheckable(true);
    connect(SelectionToolbar, &QToolBar::visibilityChanged, selectionToolbarAction_, &QAction::setChecked);
    connect(PaintToolbar, &QToolBar::visibilityChanged, paintToolbarAction_, &QAction::setChecked);
    view->addSeparator();
    item(view, "ZoomInItem", "Zoom &In", nullptr, QKeySequence::ZoomIn);
    item(view, "ZoomOutItem", "Zoom &Out", nullptr, QKeySequence::ZoomOut);
    view->addSeparator();
    view->addMenu(pane_->ZoomMenu())->setText(QStringLiteral("&Zoom both photos"));

    QAction* helpEntry = mainMenu_->addAction(QStringLiteral("&Help"));
    helpEntry->setObjectName(QStringLiteral("Aide1"));
    helpEntry->setVisible(false);
    connect(helpEntry, &QAction::triggered, this, [this] { guard([this] { Aide1Click(); }); });

    mainMenu_->hide();
    menuReveal_ = new lum::MenuBarReveal(this, mainMenu_);

    colorMenu_ = new QMenu(this);
    colorMenu_->setObjectName(QStringLiteral("ColorChangePopupMenu"));
    const char* const shifts[] = {"RedChangetoGreen101", "RedChangetoBlue101", "Greenchangeto1",
                                  "GreenChangetoBlue101", "BluechangetoRed101", "BluechangetoGreen101"};
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && i % 2 == 0) colorMenu_->addSeparator();
        commandItem(colorMenu_, shifts[i]);
    }

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
    connect(findChild<QAction*>(QStringLiteral("ZoomInItem")), &QAction::triggered, this,
            [this, step] { guard([step] { step(+1); }); });
    connect(findChild<QAction*>(QStringLiteral("ZoomOutItem")), &QAction::triggered, this,
            [this, step] { guard([step] { step(-1); }); });
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

void TViewBigEditPhotoForm::ColorChangeSpeedButtonClick() { colorMenu_->popup(QCursor::pos()); }

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
void TViewBigEditPhotoForm::InitmacroClick() { editor_.Macro().Start(); }
void TViewBigEditPhotoForm::FermerClick() { editor_.Macro().Close(); }
void TViewBigEditPhotoForm::Aide1Click() { prompts().Message("not available --> see Pressel.rtf"); }
