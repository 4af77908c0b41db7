// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and shortcuts beyond the shell's: its two main actions from the
// menus, the keys of its buttons.
#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QTreeWidgetItem>

#include "app/WindowMenus.h"
#include "app/MainWindow.h"
#include "view/EditPane.h"
#include "view/PhotoList.h"

void MainWindow::buildMenus() {
    // The Save key is the bottom button's shortcut; Undo and Redo are the Edit items'.
    WindowShell::buildMenus({{"CompareItem", [this] { OpenCompareWindow(); }}}, {"CompareItem"});
    lum::GiveStandardKeys(this, MenuBar(),
                          {{"OptimizeItem", QKeySequence(Qt::CTRL | Qt::Key_E)}, {"CompareItem", QKeySequence(Qt::CTRL | Qt::Key_D)}});
}

void MainWindow::buildShortcuts() {
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

void MainWindow::pictureWritten() {
    // The picture on screen is now the file it was written to.
    RefreshCaption();
    remakeThumbnails(ShownPhoto());
    if (photoList_) photoList_->Refresh();
    ShowPhotoInList(false);
    keepFolderInView();
}

void MainWindow::pictureReplaced() {
    // A new or pasted picture belongs to no file until it is saved: no name in the caption,
    // none highlighted in the list.
    logoShown_ = false;
    RefreshCaption();
    ShowPhotoInList(false);
}

void MainWindow::historyStepped() {
    if (ShownPhoto() == listedPhoto_) return;
    RefreshCaption();
    ShowPhotoInList(false);
}

void MainWindow::fileMovedToTrash(const QString& path) {
    if (!photoList_) return;
    // The photo that took its place in the list (or the one before it at the end) is shown next.
    QTreeWidgetItem* item = photoList_->ItemOfPath(path);
    const int at = item ? photoList_->indexOfTopLevelItem(item) : -1;
    photoList_->Refresh();
    RefreshCaption();
    if (at < 0) return ShowPhotoInList(false);
    const int count = photoList_->topLevelItemCount();
    for (int i : {at, at - 1}) {
        if (i < 0 || i >= count) continue;
        QTreeWidgetItem* next = photoList_->topLevelItem(i);
        if (PhotoList::KindOfItem(next) != QLatin1String("file")) continue;
        photoList_->setCurrentItem(next);
        SwitchToPhoto(PhotoList::PathOfItem(next));
        return;
    }
    ShowPhotoInList(false);
}
