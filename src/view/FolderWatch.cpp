// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FolderWatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QTreeWidgetItem>

#include "files/FileOps.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"

namespace lum {

using files::SamePath;
using files::WithoutSlash;

FolderWatch::FolderWatch(FolderTree* tree, PhotoList* list, QObject* parent)
    : QObject(parent), tree_(tree), list_(list), watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this)) {
    settle_->setSingleShot(true);
    connect(settle_, &QTimer::timeout, this, &FolderWatch::settle);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::changed);
    connect(list_, &PhotoList::DirectoryChanged, this, &FolderWatch::rewatch);
    connect(tree_, &QTreeWidget::itemExpanded, this, &FolderWatch::rewatch);
    connect(tree_, &QTreeWidget::itemCollapsed, this, &FolderWatch::rewatch);
    rewatch();
}

void FolderWatch::SetSettleDelay(int ms) { settleMs_ = ms; }

QStringList FolderWatch::Watched() const { return watcher_->directories(); }

void FolderWatch::rewatch() {
    QSet<QString> wanted;
    for (const QString& p : tree_->ExpandedPaths()) wanted.insert(WithoutSlash(p));
    const QString shown = list_->Directory();
    if (!shown.isEmpty() && shown != QLatin1String(PhotoList::kDrives)) wanted.insert(WithoutSlash(shown));
    QStringList gone, added;
    const QStringList now = watcher_->directories();
    for (const QString& p : now)
        if (!wanted.contains(p)) gone.push_back(p);
    for (const QString& p : wanted)
        if (!now.contains(p) && QFileInfo(p).isDir()) added.push_back(p);
    if (!gone.isEmpty()) watcher_->removePaths(gone);
    // A folder that cannot be watched (the system's limit) simply is not followed.
    if (!added.isEmpty()) watcher_->addPaths(added);
}

void FolderWatch::changed(const QString& dir) {
    if (pending_.isEmpty()) gathering_.start();
    pending_.insert(dir);
    // Changes that keep coming (a batch writing photo after photo) still show every so often.
    settle_->start(gathering_.elapsed() >= kLongestGatherMs ? 0 : settleMs_);
}

void FolderWatch::settle() {
    const QSet<QString> dirs = pending_;
    pending_.clear();
    for (const QString& dir : dirs) {
        tree_->RefreshPath(dir);
        // The list refreshes keeping its selection, or goes up when its folder went away.
        list_->RefreshIfShowing({dir});
    }
    rewatch();
}

void FolderWatch::RefreshAll() {
    pending_.clear();
    settle_->stop();
    tree_->RefreshLoaded();
    list_->Refresh();
    rewatch();
}

}  // namespace lum
