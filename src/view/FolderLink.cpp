// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FolderLink.h"

#include "view/FolderTree.h"
#include "view/PhotoList.h"

namespace lum {

void LinkFolderViews(FolderTree* tree, PhotoList* list) {
    list->SetDrivesSource([tree] { return tree->Drives(); });
    QObject::connect(tree, &FolderTree::FolderSelected, list, &PhotoList::setDirectory);
    QObject::connect(tree, &FolderTree::FoldersChanged, list, &PhotoList::RefreshIfShowing);
    QObject::connect(tree, &FolderTree::FolderRenamed, list, &PhotoList::FolderRenamed);
    QObject::connect(list, &PhotoList::FolderOpened, tree, [tree](const QString& dir) { tree->OpenPath(dir); });
    QObject::connect(list, &PhotoList::FoldersChanged, tree, &FolderTree::RefreshPaths);
}

}  // namespace lum
