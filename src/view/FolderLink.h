// SPDX-License-Identifier: GPL-3.0-or-later
// The folder tree and the photo list kept in step through their signals; neither knows the other.
#pragma once

class FolderTree;
class PhotoList;

namespace lum {

// The list shows what the tree selects and takes the tree's drives; a folder opened in the list
// opens in the tree; file commands of either refresh the other.
void LinkFolderViews(FolderTree* tree, PhotoList* list);

}  // namespace lum
