// The main window's hidden menu bar, pop-up menus and shortcuts, and the commands they run:
// the operations of the table and the window's own commands.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <map>

#include "app/DesignMenus.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "editing/Operation.h"
#include "view/EditPane.h"
#include "view/FileListView.h"

bool TMemPhotoActionForm::RunCommand(const char* control) {
    const bool ran =
        lum::RunWindowCommand(editor_, lum::kMainWindow, control, [this](const std::function<void()>& f) { guard(f); });
    const lum::CommandRef ref = lum::FindCommand(control, lum::kMainWindow);
    if (ran && ref.op && ref.op->makesPicture) showPictureWithoutFile();
    return ran;
}

void TMemPhotoActionForm::buildMenus() {
    const lum::Guard guarded = [this](const std::function<void()>& f) { guard(f); };
    auto own = lum::OwnHandlers<TMemPhotoActionForm>(
        this,
        {
            {"Btenregistrer", &TMemPhotoActionForm::BtenregistrerClick},
            {"Supprimer1", &TMemPhotoActionForm::Supprimer1Click},
            {"Btparamjpg", &TMemPhotoActionForm::BtparamjpgClick},
            {"Annuler1", &TMemPhotoActionForm::UndoSpeedButtonClick},
            {"Memoriser", &TMemPhotoActionForm::Memoriser},
        },
        guarded);
    lum::AddCommonHandlers(own, editor_, guarded);
    menus_ = lum::BuildDesignMenus(this, lum::kMainWindow, [this](const char* control) { RunCommand(control); }, own);
    // Save and Undo keys are the bottom buttons' shortcuts; the clipboard's are the menu items'.
    lum::GiveStandardKeys(this, menus_.bar,
                          {{"Copier1", QKeySequence::Copy},
                           {"Mlangerlexistant1", QKeySequence::Paste},
                           {"Commenouvelleimage1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}});
    // Undo, with the key the window's own shortcut already answers.
    QAction* undo = menus_.bar->findChild<QAction*>(QStringLiteral("Annuler1"));
    undo->setText(undo->text() + QLatin1Char('\t') + QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText));
}

void TMemPhotoActionForm::buildShortcuts() {
    const auto shortcut = [this](const QKeySequence& keys, const std::function<void()>& run) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, run] { guard(run); });
    };
    shortcut(QKeySequence(QKeySequence::Undo), [this] { UndoSpeedButtonClick(); });
    shortcut(QKeySequence(QKeySequence::Save), [this] { SaveAndReplacePhotoSpeedButtonClick(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { pane_->ZoomInStep(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { pane_->ZoomInStep(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { pane_->ZoomOutStep(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { pane_->ZoomToFitWindow(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { Btrot90Click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), [this] { SpeedButton1Click(); });
    shortcut(QKeySequence(QKeySequence::HelpContents), [this] { SpeedButton2Click(); });
}

QMenu* TMemPhotoActionForm::ZoomScalePopupMenu() const { return pane_->ZoomMenu(); }
QMenu* TMemPhotoActionForm::ColorChangePopupMenu() const { return menus_.colorMenu; }
QMenuBar* TMemPhotoActionForm::MainMenu1() const { return menus_.bar; }

// ---------------------------------------------------------------------------------------------
// The window's own menu commands

void TMemPhotoActionForm::BtenregistrerClick() {
    if (hasPictureToSave() && saving().BtenregistrerClick()) photoWritten();
}

void TMemPhotoActionForm::Supprimer1Click() {
    if (saving().Supprimer1Click() && LsFilelistView282) LsFilelistView282->Refresh();
}

void TMemPhotoActionForm::BtparamjpgClick() {
    TEform2& dialog = dialogs().Options();
    execModal([&dialog] { return dialog.exec(); });
}

void TMemPhotoActionForm::Memoriser() {
    if (State().HasPicture) editor_.Memorize();
}
