// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's shared thumbnail cache: the file manager's thumbnails are used as they are and
// ours serve it. Entries are PNG files named by the MD5 of the file's URI under
// thumbnails/normal (128 pixels) and thumbnails/large (256), carrying the URI, the modification
// time and the size of the file they show; an entry whose time differs is made again. A file we
// could not read leaves an entry under thumbnails/fail/<program>-<version>/ and is not tried
// again until it changes. Thread-safe: every call stands alone, entries are written atomically.
#pragma once
#include <QImage>
#include <QString>
#include <atomic>

namespace lum {

class ThumbnailCache {
public:
    static constexpr int kNormal = 128;
    static constexpr int kLarge = 256;

    // root: the thumbnails folder; DefaultRoot() when empty.
    explicit ThumbnailCache(const QString& root = QString());
    // $XDG_CACHE_HOME/thumbnails, ~/.cache/thumbnails when that is not set.
    static QString DefaultRoot();
    QString Root() const { return root_; }

    // The file's URI as the cache keys it, and the name of its entries.
    static QString UriOf(const QString& path);
    static QString EntryName(const QString& path);
    // Where the entry for a thumbnail side (kNormal or kLarge; larger sides take large) and the
    // failure entry are.
    QString EntryPath(const QString& path, int side) const;
    QString FailPath(const QString& path) const;

    struct Result {
        QImage image;     // null when the file gives none
        QString failure;  // why, then
        bool fromCache = false;
    };
    // The entry when it is valid for the file as it is now, without decoding the file.
    Result Cached(const QString& path, int side) const;
    // The cached entry, or the thumbnail made, stored and returned; a file that failed before
    // and has not changed since is not read again. Cancelling (from any thread) stores nothing.
    Result Get(const QString& path, int side, const std::atomic<bool>* cancel = nullptr) const;
    // After the file was written: its entries made again (those it had, and the normal one).
    void Remake(const QString& path) const;

private:
    QString root_;
};

}  // namespace lum
