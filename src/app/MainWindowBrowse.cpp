// Going through the photos of a folder from the keyboard, keeping the folder views on the photo
// shown, and the folder views' own keys (refresh, hidden entries).
#include <QFileInfo>
#include <QShortcut>

#include "app/MainWindow.h"
#include "files/FileOps.h"
#include "view/DirTree.h"
#include "view/EditPane.h"
#include "view/FileListView.h"
#include "view/FolderWatch.h"
#include "view/PhotoView.h"

namespace {
// How long the arrow keys must rest on a photo of the list before it opens.
constexpr int kKeyboardOpenDelayMs = 350;
}  // namespace

void TMemPhotoActionForm::buildBrowsing() {
    LsFilelistView282->SetKeyboardOpenDelay(kKeyboardOpenDelayMs);
    LsDirTree211->SetShowHidden(showHidden_);
    LsFilelistView282->SetShowHidden(showHidden_);
    folderWatch_ = new lum::FolderWatch(LsDirTree211, LsFilelistView282, this);
    // Back in the folder of the photo on screen, the list shows which one it is.
    connect(LsFilelistView282, &TLsFilelistView28::DirectoryChanged, this, [this](const QString& dir) {
        if (!ShownPhoto().isEmpty() && lum::files::SamePath(dir, QFileInfo(ShownPhoto()).absolutePath()))
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

bool TMemPhotoActionForm::OpenNeighbourPhoto(int step) {
    TLsFilelistView28* list = LsFilelistView282;
    // A photo waiting for the keys to rest is only passed by.
    list->CancelKeyboardOpen();
    QTreeWidgetItem* from = list->currentItem();
    if (!from && !ShownPhoto().isEmpty()) from = list->ItemOfPath(ShownPhoto());
    const int count = list->topLevelItemCount();
    int i = from ? list->indexOfTopLevelItem(from) : (step > 0 ? -1 : count);
    for (i += step; i >= 0 && i < count; i += step) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (TLsFilelistView28::KindOfItem(item) != QLatin1String("file")) continue;
        list->setCurrentItem(item);
        list->scrollToItem(item);
        return SwitchToPhoto(TLsFilelistView28::PathOfItem(item));
    }
    return false;  // no photo beyond this one
}

void TMemPhotoActionForm::followPhotoFolder() {
    const QString folder = QFileInfo(ShownPhoto()).absolutePath();
    if (!lum::files::SamePath(LsFilelistView282->Directory(), folder)) LsDirTree211->OpenPath(folder);
    ShowPhotoInList(false);
}

void TMemPhotoActionForm::ShowPhotoInList(bool keepCurrent) {
    TLsFilelistView28* list = LsFilelistView282;
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

void TMemPhotoActionForm::RefreshFolders() {
    folderWatch_->RefreshAll();
    ShowPhotoInList(true);
    keepFolderInView();
}

void TMemPhotoActionForm::keepFolderInView() {
    QTreeWidgetItem* node = LsDirTree211->NodeOf(LsFilelistView282->Directory());
    if (!node) node = LsDirTree211->currentItem();
    if (!node) return;
    // Half hidden at an edge counts as out of view: brought to the middle.
    const QRect shown = LsDirTree211->visualItemRect(node);
    if (!LsDirTree211->viewport()->rect().contains(shown))
        LsDirTree211->scrollToItem(node, QAbstractItemView::PositionAtCenter);
}

void TMemPhotoActionForm::SetShowHiddenEntries(bool on) {
    showHidden_ = on;
    LsDirTree211->SetShowHidden(on);
    LsFilelistView282->SetShowHidden(on);
}
