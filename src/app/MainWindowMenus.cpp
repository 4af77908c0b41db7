// The main window's hidden menu bar, pop-up menus and shortcuts, and the commands they run:
// the operations of the table and the window's own commands.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "editing/Operation.h"
#include "view/EditPane.h"
#include "view/FileListView.h"
#include "widgets/MenuBarReveal.h"

QAction* TMemPhotoActionForm::commandItem(QWidget* menu, const char* control) {
    const lum::CommandRef ref = lum::FindCommand(control, lum::kMainWindow);
    auto* a = new QAction(QString::fromUtf8(ref.command->caption), menu);
    menu->addAction(a);
    a->setObjectName(QString::fromLatin1(control));
    connect(a, &QAction::triggered, this, [this, control] { RunCommand(control); });
    return a;
}

bool TMemPhotoActionForm::RunCommand(const char* control) {
    const lum::CommandRef ref = lum::FindCommand(control, lum::kMainWindow);
    if (!ref.op) return false;
    bool done = false;
    guard([&] { done = editor_.Run(*ref.op, ref.command->args); });
    return done;
}

void TMemPhotoActionForm::buildMenus() {
    mainMenu_ = new QMenuBar(this);
    mainMenu_->setObjectName(QStringLiteral("MainMenu1"));
    mainMenu_->setNativeMenuBar(false);
    setMenuBar(mainMenu_);

    using Handler = void (TMemPhotoActionForm::*)();
    // A design item; without a handler it has no command in this window yet.
    const auto item = [this](QMenu* menu, const char* name, const char* caption, Handler handler = nullptr) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
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
    file->menuAction()->setEnabled(false);
    item(file, "Ouvrir1", "&Open...");
    item(file, "Btnouveau", "&New...");
    item(file, "Btenregistrer", "&Save", &TMemPhotoActionForm::BtenregistrerClick);
    item(file, "Enregistrersous1", "Save &As...");
    file->addSeparator();
    item(file, "Supprimer1", "&Delete", &TMemPhotoActionForm::Supprimer1Click);
    file->addSeparator();
    item(file, "Btparamjpg", "&Options", &TMemPhotoActionForm::BtparamjpgClick);
    file->addSeparator();
    item(file, "Quitter1", "E&xit");

    QMenu* edit = topMenu("Edition1", "&Edit");
    // Undo, with the key the window's own shortcut already answers.
    item(edit, "Annuler1", "&Undo", &TMemPhotoActionForm::UndoSpeedButtonClick)
        ->setText(QStringLiteral("&Undo\t") + QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText));
    item(edit, "Reinitialiser1", "&Reset Image");
    edit->addSeparator();
    item(edit, "Copier1", "&Copy");
    item(edit, "Commenouvelleimage1", "Paste as &New Image");
    item(edit, "Mlangerlexistant1", "&Paste into current Image...");
    edit->addSeparator();
    item(edit, "Memoriser", "&Memorize", &TMemPhotoActionForm::Memoriser);
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
    item(macro, "Initmacro", "&Start", &TMemPhotoActionForm::InitmacroClick);
    closeMacroAction_ = item(macro, "Fermer", "&Close", &TMemPhotoActionForm::FermerClick);
    closeMacroAction_->setEnabled(false);
    macro->addSeparator();
    executeMacroAction_ = commandItem(macro, "Executer");

    // Two entries of the bar act by themselves, without items.
    commandItem(mainMenu_, "Redimensionner1")->setVisible(false);
    QAction* helpEntry = mainMenu_->addAction(QStringLiteral("&Help"));
    helpEntry->setObjectName(QStringLiteral("Aide1"));
    helpEntry->setVisible(false);
    connect(helpEntry, &QAction::triggered, this, [this] { guard([this] { Aide1Click(); }); });

    // With every entry hidden the bar shows nothing; it takes no room either.
    mainMenu_->hide();
    // Alt or F10 shows it with all its entries, and hides it again.
    menuReveal_ = new lum::MenuBarReveal(this, mainMenu_);

    colorMenu_ = new QMenu(this);
    colorMenu_->setObjectName(QStringLiteral("ColorChangePopupMenu"));
    const char* const shifts[] = {"RedChangetoGreen101", "RedChangetoBlue101", "Greenchangeto1",
                                  "GreenChangetoBlue101", "BluechangetoRed101", "BluechangetoGreen101"};
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && i % 2 == 0) colorMenu_->addSeparator();
        commandItem(colorMenu_, shifts[i]);
    }
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

// ---------------------------------------------------------------------------------------------
// The window's own menu commands

void TMemPhotoActionForm::BtenregistrerClick() {
    if (saving().BtenregistrerClick() && LsFilelistView282) LsFilelistView282->Refresh();
}

void TMemPhotoActionForm::Supprimer1Click() {
    if (saving().Supprimer1Click() && LsFilelistView282) LsFilelistView282->Refresh();
}

void TMemPhotoActionForm::BtparamjpgClick() {
    TEform2& dialog = dialogs().Options();
    execModal([&dialog] { return dialog.exec(); });
}

void TMemPhotoActionForm::Memoriser() { editor_.Memorize(); }
void TMemPhotoActionForm::InitmacroClick() { editor_.Macro().Start(); }
void TMemPhotoActionForm::FermerClick() { editor_.Macro().Close(); }
void TMemPhotoActionForm::Aide1Click() { prompts().Message("not available --> see Pressel.rtf"); }
