// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FolderMemory.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char* kEnabledKey = "Folders/MemorizeLastFolder";
const char* kFolderKey = "Folders/LastFolder";

QSettings Store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Lumora", "Lumora"); }

}  // namespace

bool FolderMemory::Enabled() { return Store().value(kEnabledKey, false).toBool(); }

void FolderMemory::SetEnabled(bool on) {
    if (!on) {
        Forget();
        return;
    }
    QSettings s = Store();
    s.setValue(kEnabledKey, true);
    s.sync();
}

QString FolderMemory::LastFolder() {
    if (!Enabled()) return QString();
    return Store().value(kFolderKey).toString();
}

void FolderMemory::Remember(const QString& folder) {
    if (!Enabled() || folder.isEmpty()) return;
    QFileInfo fi(folder);
    if (!fi.isAbsolute() || !fi.isDir()) return;  // "Drives" and vanished folders are not kept
    QSettings s = Store();
    s.setValue(kFolderKey, folder);
    s.sync();
}

void FolderMemory::Forget() {
    QSettings s = Store();
    s.remove(kEnabledKey);
    s.remove(kFolderKey);
    s.sync();
}

QString FolderMemory::DefaultFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) return pictures;
    return QDir::homePath();
}

QString FolderMemory::StartFolder() {
    const QString last = LastFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return DefaultFolder();
}
