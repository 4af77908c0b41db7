// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the folder tree and the photo list in step with the disk: folders and photos created,
// renamed or removed by other programs show up without leaving the folder. It watches the
// folder the list shows and every open folder of the tree; changes are gathered for a moment
// (a camera copying a hundred photos refreshes once, not a hundred times), yet changes that go
// on for long are shown at least once a second.
#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QStringList>

class QFileSystemWatcher;
class QTimer;
class FolderTree;
class PhotoList;

namespace lum {

class FolderWatch : public QObject {
    Q_OBJECT
public:
    FolderWatch(FolderTree* tree, PhotoList* list, QObject* parent = nullptr);

    // Re-reads the tree's folders and the list at once (F5).
    void RefreshAll();
    // The folders watched now (without trailing separators).
    QStringList Watched() const;
    // How long changes are gathered before the views are refreshed.
    void SetSettleDelay(int ms);

private:
    void rewatch();
    void changed(const QString& dir);
    void settle();

    FolderTree* tree_;
    PhotoList* list_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;
    QSet<QString> pending_;
    QElapsedTimer gathering_;  // since the first pending change
    int settleMs_ = 250;
    static constexpr int kLongestGatherMs = 1000;
};

}  // namespace lum
