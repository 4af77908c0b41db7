// The main window's menus and shortcuts beyond the shell's: its two main actions from the
// menus, the keys of its buttons.
#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>

#include "app/DesignMenus.h"
#include "app/MainWindow.h"
#include "view/EditPane.h"
#include "view/FileListView.h"

void TMemPhotoActionForm::buildMenus() {
    // The Save key is the bottom button's shortcut; Undo and Redo are the Edit items'.
    WindowShell::buildMenus({{"CompareItem", [this] { OpenCompareWindow(); }}});
    lum::GiveStandardKeys(this, MainMenu1(),
                          {{"OptimizeItem", QKeySequence(Qt::CTRL | Qt::Key_E)}, {"CompareItem", QKeySequence(Qt::CTRL | Qt::Key_D)}});
}

void TMemPhotoActionForm::buildShortcuts() {
    const auto shortcut = [this](const QKeySequence& keys, const std::function<void()>& run) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, run] { Guard(run); });
    };
    shortcut(QKeySequence(QKeySequence::Save), [this] { SaveWithDialog(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { Pane()->ZoomInStep(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { Pane()->ZoomInStep(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { Pane()->ZoomOutStep(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { Pane()->ZoomToFitWindow(); });
}

// ---------------------------------------------------------------------------------------------
// What follows the shell's commands here

void TMemPhotoActionForm::pictureWritten() {
    // The picture on screen is now the file it was written to.
    RefreshCaption();
    if (LsFilelistView282) LsFilelistView282->Refresh();
    ShowPhotoInList(false);
    keepFolderInView();
}

void TMemPhotoActionForm::pictureReplaced() {
    // A new or pasted picture belongs to no file until it is saved: no name in the caption,
    // none highlighted in the list.
    logoShown_ = false;
    RefreshCaption();
    ShowPhotoInList(false);
}

void TMemPhotoActionForm::historyStepped() {
    if (ShownPhoto() == listedPhoto_) return;
    RefreshCaption();
    ShowPhotoInList(false);
}

void TMemPhotoActionForm::fileMovedToTrash() {
    if (LsFilelistView282) LsFilelistView282->Refresh();
}
