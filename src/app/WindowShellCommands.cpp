// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <memory>
#include <set>
#include <string>

#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "app/WindowShell.h"
#include "editing/Operation.h"
#include "image/MemoryRoom.h"
#include "view/EditPane.h"
#include "view/PhotoFixTools.h"
#include "widgets/FocusRingButton.h"
#include "widgets/Icons.h"

namespace lum {

namespace {
const char* const kResetNothingText = QT_TRANSLATE_NOOP(
    "lum::WindowShell",
    "Reset Image brings back the picture as it was when it was opened, or when it was last turned, "
    "given a new size or memorized: those fix it as it is.\n\n"
    "Nothing has changed since then. To go back further, use Undo.");
}  // namespace

QMenu* WindowShell::ZoomScalePopupMenu() const { return pane_->ZoomMenu(); }

bool WindowShell::RunCommand(const char* control) {
    const CommandRef ref = FindCommand(control, kind_.policy.window);
    if (!ref.op) return false;
    const std::string args = ref.command->args;
    return runOperation(*ref.op, [this, args](const Operation& op, RunEnd end) { editor_.Start(op, args, std::move(end)); });
}

bool WindowShell::RunOperation(const char* name, const OpArgs& args) {
    const Operation* op = FindOperation(name);
    if (!op) return false;
    return runOperation(*op, [this, args](const Operation& o, RunEnd end) { editor_.Start(o, args, std::move(end)); });
}

bool WindowShell::runOperation(const Operation& operation, const std::function<void(const Operation&, RunEnd)>& start) {
    const Operation* op = &operation;
    // Before the first photo there is nothing to work on, only a picture to make; while a job
    // owns the picture its commands are greyed.
    if ((!State().picture.HasPicture() && !op->makesPicture) || editor_.JobRunning()) return false;
    if (op->pixel) {
        // A pixel operation keeps the picture as it was beside its result: where that does not
        // fit, the user is told before the system would have to stop the program.
        bool room = false;
        Guard([&] {
            RequireRoom(2 * uint64_t(editor_.State().picture.Work().byteSize()), QT_TRANSLATE_NOOP("lum", "do this"));
            room = true;
        });
        if (!room) return false;
    }
    struct Outcome {
        bool ended = false, done = false;
    };
    const auto outcome = std::make_shared<Outcome>();
    Guard([&] {
        start(*op, [this, op, outcome](bool done, std::exception_ptr failure) {
            outcome->ended = true;
            outcome->done = done;
            if (done && op->makesPicture) pictureReplaced();
            // To the error box, here or at the end of the job.
            if (failure) std::rethrow_exception(failure);
        });
    });
    // A big picture's operation goes on as a job: started counts as run.
    return outcome->ended ? outcome->done : true;
}

void WindowShell::buildMenus(std::initializer_list<std::pair<const char*, std::function<void()>>> own,
                             std::initializer_list<const char*> ownTouching) {
    std::map<std::string, std::function<void()>> handlers;
    const auto add = [&](const char* name, std::function<void()> command) {
        handlers[name] = [this, command = std::move(command)] { Guard(command); };
    };
    add("Ouvrir1", [this] { OpenWithDialog(); });
    add("Btenregistrer", [this] { SaveFromMenu([](bool) {}); });
    add("Enregistrersous1", [this] { SaveWithDialog([](bool) {}); });
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
    add("CropItem", [this] { fixes_->StartCrop(); });
    add("CropToSelectionItem", [this] { CropToSelection(); });
    add("StraightenItem", [this] { fixes_->StartStraighten(); });
    add("RedEyeItem", [this] { fixes_->StartRedEye(); });
    for (const auto& [name, command] : own) add(name, command);
    // The shell's items that read or change the picture, or the macro the jobs record into.
    std::set<std::string> touching{"Ouvrir1",       "Btenregistrer", "Enregistrersous1", "Supprimer1", "Annuler1",
                                   "RedoItem",      "Reinitialiser1", "Memoriser",       "Initmacro",  "Fermer",
                                   "CropItem",      "CropToSelectionItem", "StraightenItem", "RedEyeItem"};
    touching.insert(ownTouching.begin(), ownTouching.end());
    menus_ = BuildWindowMenus(this, kind_.policy.window, [this](const char* control) { RunCommand(control); }, handlers,
                              touching);
    for (QAction* a : menus_.pictureItems) TouchesPicture(a);
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
    // C starts the crop tool while the photo has the focus (a plain letter must not reach it
    // from the other views); the menu shows the key.
    if (QAction* crop = menus_.bar->findChild<QAction*>(QStringLiteral("CropItem")); crop && pane_) {
        crop->setShortcut(QKeySequence(Qt::Key_C));
        crop->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        pane_->addAction(crop);
    }
    if (QAction* redo = menus_.bar->findChild<QAction*>(QStringLiteral("RedoItem"))) {
        redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
        addAction(redo);  // answered with the bar hidden too
    }
    connect(pane_, &EditPane::HistoryWasChanged, this, [this] { showHistory(); });
    showHistory();
    // Crop to Selection is offered while a rectangle selection is drawn.
    if (QAction* a = menus_.bar->findChild<QAction*>(QStringLiteral("CropToSelectionItem"))) a->setVisible(false);
    if (QMenu* image = menus_.bar->findChild<QMenu*>(QStringLiteral("ImageMenu")))
        connect(image, &QMenu::aboutToShow, this, [this, image] {
            if (QAction* a = image->findChild<QAction*>(QStringLiteral("CropToSelectionItem")))
                a->setVisible(State().selection.Kind() == SelectionKind::Rectangle);
        });
}

bool WindowShell::CropToSelection() {
    if (State().selection.Kind() != SelectionKind::Rectangle) return false;
    const Image& work = State().picture.Work();
    const Rect r = State().selection.ClippedBounds(work.width(), work.height());
    OpArgs args;
    args.Set("left", r.Left);
    args.Set("top", r.Top);
    args.Set("right", r.Right);
    args.Set("bottom", r.Bottom);
    return RunOperation("crop", args);
}

void WindowShell::showHistory() {
    const History& h = editor_.history();
    // The steps' labels are the operation table's words.
    const auto label = [](const std::string& l) { return QCoreApplication::translate("Operation", l.c_str()); };
    const auto show = [this](const char* item, bool can, const QString& text) {
        QAction* a = menus_.bar->findChild<QAction*>(QString::fromLatin1(item));
        if (!a) return;
        if (can) disabledByHistory_.remove(a);
        else disabledByHistory_.insert(a);
        a->setEnabled(can && holds_ == 0);
        a->setText(text);
    };
    show("Annuler1", h.CanUndo(), h.CanUndo() ? tr("&Undo %1").arg(label(h.UndoLabel())) : tr("&Undo"));
    show("RedoItem", h.CanRedo(), h.CanRedo() ? tr("&Redo %1").arg(label(h.RedoLabel())) : tr("&Redo"));
    nameCanvas();  // a step may have changed its size
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
    TouchesPicture(b);
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

void WindowShell::Undo() { takeStep(false); }

void WindowShell::Redo() { takeStep(true); }

void WindowShell::takeStep(bool forward) {
    if (!State().picture.HasPicture() || editor_.JobRunning()) return;
    const auto stepped = [this](std::exception_ptr failure) {
        if (failure) std::rethrow_exception(failure);
        historyStepped();
    };
    if (forward) editor_.Redo(stepped);
    else editor_.Undo(stepped);
}

void WindowShell::TouchesPicture(QObject* command) {
    pictureCommands_ << command;
    if (holds_ > 0) setCommandEnabled(command, false);
}

void WindowShell::HoldPictureCommands(bool on) {
    holds_ += on ? 1 : -1;
    if (holds_ > 1 || (holds_ == 1 && !on)) return;
    pane_->HoldInput(holds_ > 0);
    for (const QPointer<QObject>& c : pictureCommands_)
        if (c) setCommandEnabled(c, holds_ == 0);
}

void WindowShell::setCommandEnabled(QObject* command, bool on) {
    if (auto* a = qobject_cast<QAction*>(command)) a->setEnabled(on && !disabledByHistory_.contains(a));
    else if (auto* w = qobject_cast<QWidget*>(command)) w->setEnabled(on);
}

void WindowShell::workChanged(bool running) {
    HoldPictureCommands(running);
    if (running) return;
    // What the job changed: Undo and Redo, the caption.
    showHistory();
    RefreshCaption();
}

void WindowShell::ResetImage() {
    if (!State().picture.HasPicture() || editor_.JobRunning()) return;
    const EditState& st = State();
    if (st.picture.Work() == st.picture.Baseline() && !st.selection.Active()) {
        // A turn, a new size or Memorize fixes the picture as it is: Reset goes back no further.
        prompts().Message(tr(kResetNothingText).toStdString());
        return;
    }
    editor_.ResetImage();
}

void WindowShell::Memorize() {
    if (State().picture.HasPicture() && !editor_.JobRunning()) editor_.Memorize();
}

void WindowShell::PopUpZoomMenu() { pane_->ZoomMenu()->popup(QCursor::pos()); }

}  // namespace lum
