#include "view/FolderLink.h"

#include "view/DirTree.h"
#include "view/FileListView.h"

namespace lum {

void LinkFolderViews(TLsDirTree21* tree, TLsFilelistView28* list) {
    list->SetDrivesSource([tree] { return tree->Drives(); });
    QObject::connect(tree, &TLsDirTree21::OnDirChange, list, &TLsFilelistView28::setDirectory);
    QObject::connect(tree, &TLsDirTree21::FoldersChanged, list, &TLsFilelistView28::RefreshIfShowing);
    QObject::connect(tree, &TLsDirTree21::FolderRenamed, list, &TLsFilelistView28::FolderRenamed);
    QObject::connect(list, &TLsFilelistView28::FolderOpened, tree, [tree](const QString& dir) { tree->OpenPath(dir); });
    QObject::connect(list, &TLsFilelistView28::FoldersChanged, tree, &TLsDirTree21::RefreshPaths);
}

}  // namespace lum
