// The window shell's menus, skinned buttons and the commands both windows have.
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <map>
#include <string>

#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "app/WindowShell.h"
#include "editing/Operation.h"
#include "image/MemoryRoom.h"
#include "view/EditPane.h"
#include "widgets/FocusRingButton.h"
#include "widgets/Icons.h"

namespace lum {

QMenu* WindowShell::ZoomScalePopupMenu() const { return pane_->ZoomMenu(); }

bool WindowShell::RunCommand(const char* control) {
    const CommandRef ref = FindCommand(control, kind_.policy.window);
    if (ref.op && ref.op->pixel) {
        // A pixel operation keeps the picture as it was beside its result: where that does not
        // fit, the user is told before the system would have to stop the program.
        bool room = false;
        Guard([&] {
            RequireRoom(2 * uint64_t(editor_.State().WorkImage.byteSize()), "do this");
            room = true;
        });
        if (!room) return false;
    }
    const bool ran =
        RunWindowCommand(editor_, kind_.policy.window, control, [this](const std::function<void()>& f) { Guard(f); });
    if (ran && ref.op->makesPicture) pictureReplaced();
    return ran;
}

void WindowShell::buildMenus(std::initializer_list<std::pair<const char*, std::function<void()>>> own) {
    std::map<std::string, std::function<void()>> handlers;
    const auto add = [&](const char* name, std::function<void()> command) {
        handlers[name] = [this, command = std::move(command)] { Guard(command); };
    };
    add("Ouvrir1", [this] { OpenWithDialog(); });
    add("Btenregistrer", [this] { SaveFromMenu(); });
    add("Enregistrersous1", [this] { SaveWithDialog(); });
    add("Quitter1", [this] { close(); });
    add("Supprimer1", [this] { DeleteCurrentFile(); });
    add("Btparamjpg", [this] { ShowOptions(); });
    add("Annuler1", [this] { Undo(); });
    add("RedoItem", [this] { Redo(); });
    add("Reinitialiser1", [this] { ResetImage(); });
    add("Memoriser", [this] { Memorize(); });
    add("Initmacro", [this] { editor_.Macro().Start(); });
    add("Fermer", [this] { editor_.Macro().Close(); });
    add("Aide1", [this] { ShowHelp(); });
    add("OnlineManualItem", [this] { OpenOnlineManual(); });
    add("AboutItem", [this] { ShowVersionWindow(); });
    for (const auto& [name, command] : own) add(name, command);
    menus_ = BuildWindowMenus(this, kind_.policy.window, [this](const char* control) { RunCommand(control); }, handlers);
    // The standard keys of the clipboard and the history, answered whether the bar is shown
    // or not.
    GiveStandardKeys(this, menus_.bar,
                     {{"Ouvrir1", QKeySequence::Open},
                      {"Enregistrersous1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                      {"Quitter1", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                      {"Annuler1", QKeySequence(Qt::CTRL | Qt::Key_Z)},
                      {"Copier1", QKeySequence::Copy},
                      {"Mlangerlexistant1", QKeySequence::Paste},
                      {"Commenouvelleimage1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
                      {"RotateLeftItem", QKeySequence(Qt::CTRL | Qt::Key_L)},
                      {"RotateRightItem", QKeySequence(Qt::CTRL | Qt::Key_R)},
                      {"Aide1", QKeySequence::HelpContents}});
    if (QAction* redo = menus_.bar->findChild<QAction*>(QStringLiteral("RedoItem"))) {
        redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
        addAction(redo);  // answered with the bar hidden too
    }
    connect(pane_, &EditPane::HistoryWasChanged, this, [this] { showHistory(); });
    showHistory();
}

void WindowShell::showHistory() {
    const History& h = editor_.history();
    // The steps' labels are the operation table's words.
    const auto label = [](const std::string& l) { return QCoreApplication::translate("Operation", l.c_str()); };
    const auto show = [this](const char* item, bool can, const QString& text) {
        QAction* a = menus_.bar->findChild<QAction*>(QString::fromLatin1(item));
        if (!a) return;
        a->setEnabled(can);
        a->setText(text);
    };
    show("Annuler1", h.CanUndo(), h.CanUndo() ? tr("&Undo %1").arg(label(h.UndoLabel())) : tr("&Undo"));
    show("RedoItem", h.CanRedo(), h.CanRedo() ? tr("&Redo %1").arg(label(h.RedoLabel())) : tr("&Redo"));
}

// ---------------------------------------------------------------------------------------------
// Skinned buttons

QToolButton* WindowShell::makeButton(const QString& designName, const QString& caption, const QString& hint,
                                     QWidget* parent, const QString& keys) {
    const ButtonLook& look = kind_.buttons;
    auto* b = new FocusRingButton(parent);
    b->setObjectName(designName);
    if (look.buttonSide > 0) b->setFixedSize(look.buttonSide, look.buttonSide);
    b->setAutoRaise(true);
    const QIcon icon = LumoraIcon(QString::fromLatin1(look.iconPrefix) + designName);
    if (!icon.isNull()) {
        b->setIcon(icon);
        b->setIconSize(QSize(look.iconSide, look.iconSide));
    }
    if (!caption.isEmpty()) b->setText(caption);
    if (icon.isNull()) b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    else b->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    b->setToolTip(keys.isEmpty() ? hint : hint + QStringLiteral(" (") + keys + QStringLiteral(")"));
    return b;
}

QToolButton* WindowShell::makeCommandButton(const char* control, QWidget* parent, bool captioned, const QString& keys) {
    const Command& command = *FindCommand(control, kind_.policy.window).command;
    const QString caption = lum::OperationText(command.caption);
    const QString hint = command.hint ? lum::OperationText(command.hint) : caption;
    const QString face = command.face ? lum::OperationText(command.face) : caption;
    QToolButton* b = makeButton(QString::fromLatin1(control), captioned ? face : QString(), hint, parent, keys);
    connect(b, &QToolButton::clicked, this, [this, control] { RunCommand(control); });
    return b;
}

void WindowShell::onClick(QAbstractButton* button, std::function<void()> command) {
    connect(button, &QAbstractButton::clicked, this, [this, command = std::move(command)] { Guard(command); });
}

// ---------------------------------------------------------------------------------------------
// Commands both windows have

void WindowShell::ShowOptions() {
    OptionsDialog& dialog = dialogs().Options();
    ExecModal([&dialog] { return dialog.exec(); });
}

void WindowShell::Undo() {
    if (State().HasPicture && editor_.Undo()) historyStepped();
}

void WindowShell::Redo() {
    if (State().HasPicture && editor_.Redo()) historyStepped();
}

void WindowShell::ResetImage() {
    if (State().HasPicture) editor_.ResetImage();
}

void WindowShell::Memorize() {
    if (State().HasPicture) editor_.Memorize();
}

void WindowShell::PopUpZoomMenu() { pane_->ZoomMenu()->popup(QCursor::pos()); }

}  // namespace lum
