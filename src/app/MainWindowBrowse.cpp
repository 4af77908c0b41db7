// SPDX-License-Identifier: GPL-3.0-or-later
// Going through the photos of a folder from the keyboard, keeping the folder views on the photo
// shown, and the folder views' own keys (refresh, hidden entries).
#include <QFileInfo>
#include <QShortcut>

#include "app/MainWindow.h"
#include "files/FileOps.h"
#include "view/FolderTree.h"
#include "view/EditPane.h"
#include "view/PhotoList.h"
#include "view/FolderWatch.h"
#include "view/PhotoView.h"

namespace {
// How long the arrow keys must rest on a photo of the list before it opens.
constexpr int kKeyboardOpenDelayMs = 350;
}  // namespace

void MainWindow::buildBrowsing() {
    photoList_->SetKeyboardOpenDelay(kKeyboardOpenDelayMs);
    folderTree_->SetShowHidden(showHidden_);
    photoList_->SetShowHidden(showHidden_);
    folderWatch_ = new lum::FolderWatch(folderTree_, photoList_, this);
    // Back in the folder of the photo on screen, the list shows which one it is.
    connect(photoList_, &PhotoList::DirectoryChanged, this, [this](const QString& dir) {
        if (!ShownPhoto().isEmpty() && lum::files::SamePath(dir, QFileInfo(ShownPhoto()).absolutePath()))
            ShowPhotoInList(false);
    });

    // The shown photo renamed in the list: the window goes by its new name.
    connect(photoList_, &PhotoList::EntryRenamed, this, [this](const QString& from, const QString& to) {
        if (ShownPhoto().isEmpty() || to.isEmpty() || !lum::files::SamePath(from, ShownPhoto())) return;
        lum::PictureFile& file = State().file;
        const std::string target = QFileInfo(to).absoluteFilePath().toStdString();
        if (lum::files::SamePath(QString::fromStdString(file.CurrentFileName()), from)) file.SetCurrentFileName(target);
        if (lum::files::SamePath(QString::fromStdString(file.SourcePath()), from))
            file.TookSource(target, lum::IdentityOf(target));
        file.SetPhotoFile(target, file.PhotoDamaged());
        RefreshCaption();
        ShowPhotoInList(false);
    });

    const auto shortcut = [this](const QKeySequence& keys, QWidget* scope, Qt::ShortcutContext context,
                                 const std::function<void()>& run) {
        auto* s = new QShortcut(keys, scope);
        s->setContext(context);
        connect(s, &QShortcut::activated, this, [this, run] { Guard(run); });
        return s;
    };
    // Anywhere in the window.
    // The keys that go through the photos also work while one loads.
    photoKeys_ << shortcut(QKeySequence(Qt::Key_PageDown), this, Qt::WindowShortcut, [this] { OpenNeighbourPhoto(+1); });
    photoKeys_ << shortcut(QKeySequence(Qt::Key_PageUp), this, Qt::WindowShortcut, [this] { OpenNeighbourPhoto(-1); });
    shortcut(QKeySequence(QKeySequence::Refresh), this, Qt::WindowShortcut, [this] { RefreshFolders(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this, Qt::WindowShortcut,
             [this] { SetShowHiddenEntries(!showHidden_); });
    // On the photo only: the list keeps Space and Backspace for itself.
    photoKeys_ << shortcut(QKeySequence(Qt::Key_Space), Pane(), Qt::WidgetWithChildrenShortcut,
                           [this] { OpenNeighbourPhoto(+1); });
    photoKeys_ << shortcut(QKeySequence(Qt::Key_Backspace), Pane(), Qt::WidgetWithChildrenShortcut,
                           [this] { OpenNeighbourPhoto(-1); });
}

bool MainWindow::OpenNeighbourPhoto(int step) {
    PhotoList* list = photoList_;
    // A photo waiting for the keys to rest is only passed by.
    list->CancelKeyboardOpen();
    QTreeWidgetItem* from = list->currentItem();
    if (!from && !ShownPhoto().isEmpty()) from = list->ItemOfPath(ShownPhoto());
    const int count = list->topLevelItemCount();
    int i = from ? list->indexOfTopLevelItem(from) : (step > 0 ? -1 : count);
    for (i += step; i >= 0 && i < count; i += step) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (PhotoList::KindOfItem(item) != QLatin1String("file")) continue;
        list->setCurrentItem(item);
        list->scrollToItem(item);
        return SwitchToPhoto(PhotoList::PathOfItem(item));
    }
    return false;  // no photo beyond this one
}

void MainWindow::followPhotoFolder() {
    const QString folder = QFileInfo(ShownPhoto()).absolutePath();
    if (!lum::files::SamePath(photoList_->Directory(), folder)) folderTree_->OpenPath(folder);
    ShowPhotoInList(false);
}

void MainWindow::ShowPhotoInList(bool keepCurrent) {
    PhotoList* list = photoList_;
    const QString shown = ShownPhoto();
    listedPhoto_ = shown;
    QTreeWidgetItem* item = shown.isEmpty() ? nullptr : list->ItemOfPath(shown);
    if (!item) {
        list->clearSelection();
        return;
    }
    // Only the photo: a refill may have highlighted the list's first entry by itself.
    list->clearSelection();
    if (!keepCurrent) list->setCurrentItem(item);
    item->setSelected(true);
    list->scrollToItem(item);
}

void MainWindow::RefreshFolders() {
    folderWatch_->RefreshAll();
    ShowPhotoInList(true);
    keepFolderInView();
}

void MainWindow::keepFolderInView() {
    QTreeWidgetItem* node = folderTree_->NodeOf(photoList_->Directory());
    if (!node) node = folderTree_->currentItem();
    if (!node) return;
    // Half hidden at an edge counts as out of view: brought to the middle.
    const QRect shown = folderTree_->visualItemRect(node);
    if (!folderTree_->viewport()->rect().contains(shown))
        folderTree_->scrollToItem(node, QAbstractItemView::PositionAtCenter);
}

void MainWindow::SetShowHiddenEntries(bool on) {
    showHidden_ = on;
    folderTree_->SetShowHidden(on);
    photoList_->SetShowHidden(on);
}
