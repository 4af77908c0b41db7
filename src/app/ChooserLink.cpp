// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChooserLink.h"

#include <QDir>
#include <QListWidget>

#include "app/Dialogs.h"
#include "compose/PictureChooser.h"

namespace lum {

std::string ChooserFileList::SelectedPath() const { return dialogs_().Chooser().FileName().toStdString(); }

int ChooserFileList::SelectedIndex() const {
    const PictureChooser& c = dialogs_().Chooser();
    return c.FileList ? c.FileList->currentRow() : -1;
}

void ChooserFileList::RefreshFileList(int selectIndex) {
    PictureChooser& c = dialogs_().Chooser();
    c.Refresh();
    QListWidget* list = c.FileList;
    if (!list) return;
    if (selectIndex < 0) {
        // Nothing was selected: the fresh list must not pick its first file by itself.
        const QSignalBlocker quiet(list);
        list->setCurrentRow(-1);
        return;
    }
    if (selectIndex >= list->count()) return;
    c.SelectFile(QDir(c.Directory()).filePath(list->item(selectIndex)->text()));
}

}  // namespace lum
