// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails for a view of a folder, from the desktop's cache or made on the shared pool: asked
// for while painting, the latest asked first (what is on screen now before what was scrolled
// past), a few at a time so the window's own work keeps its cores. Kept in memory up to a
// budget; forgotten and cancelled when the view shows another folder.
#pragma once
#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <deque>

#include "thumbs/ThumbnailCache.h"

namespace lum {

class Job;

class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    explicit ThumbnailLoader(QObject* parent = nullptr, const ThumbnailCache& cache = ThumbnailCache());

    // The side asked for (ThumbnailCache::kNormal or kLarge); changing it forgets the others.
    int Side() const { return side_; }
    void SetSide(int side);

    struct Shown {
        QImage image;     // null while it is being made, or when it cannot be
        QString failure;  // why it cannot be, once known
    };
    // What there is for the file now; asks for it when there is nothing yet. stamp tells the
    // file's versions apart (its modification time): a changed file gets a new thumbnail.
    Shown Thumbnail(const QString& path, qint64 stamp = 0);
    // Forgets everything and cancels the work under way (another folder is shown).
    void Clear();
    int Pending() const { return static_cast<int>(queued_.size()) + static_cast<int>(running_.size()); }
    // Whether the thumbnail is in memory now (asks for nothing).
    bool Holds(const QString& path, qint64 stamp = 0) const { return images_.contains(KeyOf(path, stamp)); }
    // The thumbnails kept in memory: how many, and what they cost (their pixels and each entry's
    // keeping), within the budget.
    int HeldCount() const { return static_cast<int>(images_.size()); }
    qint64 HeldBytes() const { return images_.totalCost() * qint64(1024); }
    // The budget of a view's thumbnails: some 6,500 of the normal size.
    static qint64 BudgetBytes();

signals:
    // The thumbnail of path is ready, or known not to be possible.
    void Ready(const QString& path);

private:
    static QString KeyOf(const QString& path, qint64 stamp) { return path + QLatin1Char('\n') + QString::number(stamp); }
    void startMore();

    ThumbnailCache cache_;
    int side_ = ThumbnailCache::kNormal;
    QCache<QString, QImage> images_;  // cost in kilobytes
    QHash<QString, QString> failures_;
    // Waiting to be made, latest asked at the front. Asking again puts a new entry in front and
    // leaves the old one behind, stale (its number no longer the key's in queued_): no search
    // through a queue that holds a whole folder scrolled past.
    struct Waiting {
        QString key, path;
        quint64 number;
    };
    std::deque<Waiting> queue_;
    QHash<QString, quint64> queued_;  // key: the number of its live entry
    quint64 lastNumber_ = 0;
    QHash<QString, Job*> running_;  // by key
    // Images and failures are kept by key: the path and the stamp.
    unsigned generation_ = 0;
};

}  // namespace lum
