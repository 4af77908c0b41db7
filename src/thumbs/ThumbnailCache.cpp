// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/ThumbnailCache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <new>

#include "image/Codec.h"
#include "image/Thumbnail.h"

namespace lum {

namespace {

const char* const kUriKey = "Thumb::URI";
const char* const kMTimeKey = "Thumb::MTime";
const char* const kSizeKey = "Thumb::Size";
// Our own words for a failure, for the placeholder's tooltip.
const char* const kReasonKey = "X-Lumora::Reason";
// Qt's PNG quality for zlib's level 1.
constexpr int kPngQualityFastest = 89;

QString FolderFor(int side) { return side <= ThumbnailCache::kNormal ? QStringLiteral("normal") : QStringLiteral("large"); }
int SideFor(int side) { return side <= ThumbnailCache::kNormal ? ThumbnailCache::kNormal : ThumbnailCache::kLarge; }

// What an entry records of the file; exists false when it cannot be reached.
struct Facts {
    bool exists = false;
    qint64 mtime = 0;  // whole seconds
    qint64 size = 0;
};
Facts FactsOf(const FileIdentity& id) {
    Facts f;
    f.exists = id.exists;
    f.mtime = id.modifiedNs >= 0 ? id.modifiedNs / 1000000000 : -((-id.modifiedNs + 999999999) / 1000000000);
    f.size = id.size;
    return f;
}
Facts FactsOf(const QString& path) { return FactsOf(IdentityOf(QFile::encodeName(path).toStdString())); }

// Each missing folder of the cache made private to the user, as the desktop's are.
bool MakeFolders(const QString& dir) {
    if (QFileInfo(dir).isDir()) return true;
    const QString parent = QFileInfo(dir).absolutePath();
    if (parent != dir && !MakeFolders(parent)) return false;
    return ::mkdir(QFile::encodeName(dir).constData(), 0700) == 0 || errno == EEXIST;
}

// A private temporary file in the entry's folder renamed over the entry: a reader never sees
// half an entry, and two writers of one entry leave one whole.
bool WriteEntry(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return false;
    const QString dir = QFileInfo(path).absolutePath();
    if (!MakeFolders(dir)) return false;
    QByteArray temp = QFile::encodeName(dir + QStringLiteral("/.lumora-XXXXXX"));
    const int fd = ::mkstemp(temp.data());  // mode 0600
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, 0600) == 0;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += n;
    }
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), QFile::encodeName(path).constData()) == 0;
    if (!ok) ::unlink(temp.constData());
    return ok;
}

QByteArray EntryBytes(QImage image, const QString& uri, const Facts& facts, const QString& reason = QString()) {
    image.setText(QString::fromLatin1(kUriKey), uri);
    image.setText(QString::fromLatin1(kMTimeKey), QString::number(facts.mtime));
    image.setText(QString::fromLatin1(kSizeKey), QString::number(facts.size));
    image.setText(QStringLiteral("Software"), QStringLiteral("Lumora " LUMORA_THUMBS_VERSION));
    if (!reason.isEmpty()) image.setText(QString::fromLatin1(kReasonKey), reason);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // zlib's fastest level: the default one took longer than the decode itself, for entries
    // hardly smaller.
    if (!image.save(&buffer, "PNG", kPngQualityFastest)) bytes.clear();
    return bytes;
}

// Reads the entry at path when it was made from the file as it is (its URI and time). The
// reader's own text keys cannot hold the cache's ("Thumb::URI" has colons): the image's can.
bool ReadEntry(const QString& path, const QString& uri, const Facts& facts, QImage* image, QString* reason = nullptr) {
    QImageReader reader(path, "png");
    QImage read;
    if (!reader.read(&read)) return false;
    if (read.text(QString::fromLatin1(kUriKey)) != uri) return false;
    if (read.text(QString::fromLatin1(kMTimeKey)) != QString::number(facts.mtime)) return false;
    if (reason) *reason = read.text(QString::fromLatin1(kReasonKey));
    *image = std::move(read);
    return true;
}

QImage ToQImage(const Image& img) {
    const QImage view(img.data(), img.width(), img.height(), static_cast<qsizetype>(img.stride()),
                      QImage::Format_BGR888);
    return view.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

ThumbnailCache::ThumbnailCache(const QString& root) : root_(root.isEmpty() ? DefaultRoot() : root) {}

QString ThumbnailCache::DefaultRoot() {
    // $XDG_CACHE_HOME or ~/.cache (and a folder of their own for tests in Qt's test mode).
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/thumbnails"));
}

QString ThumbnailCache::UriOf(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

QString ThumbnailCache::EntryName(const QString& path) {
    const QByteArray md5 = QCryptographicHash::hash(UriOf(path).toUtf8(), QCryptographicHash::Md5);
    return QString::fromLatin1(md5.toHex()) + QStringLiteral(".png");
}

QString ThumbnailCache::EntryPath(const QString& path, int side) const {
    return root_ + QLatin1Char('/') + FolderFor(side) + QLatin1Char('/') + EntryName(path);
}

QString ThumbnailCache::FailPath(const QString& path) const {
    return root_ + QStringLiteral("/fail/lumora-" LUMORA_THUMBS_VERSION "/") + EntryName(path);
}

ThumbnailCache::Result ThumbnailCache::Cached(const QString& path, int side) const {
    Result r;
    const Facts facts = FactsOf(path);
    if (facts.exists && ReadEntry(EntryPath(path, side), UriOf(path), facts, &r.image)) r.fromCache = true;
    else r.image = QImage();
    return r;
}

ThumbnailCache::Result ThumbnailCache::Get(const QString& path, int side, const std::atomic<bool>* cancel) const {
    Result r = Cached(path, side);
    if (r.fromCache) return r;
    const QString uri = UriOf(path);
    const Facts before = FactsOf(path);
    QImage unused;
    if (before.exists && ReadEntry(FailPath(path), uri, before, &unused, &r.failure)) {
        if (r.failure.isEmpty()) r.failure = QStringLiteral("The photo cannot be read");
        return r;
    }
    FileIdentity read;
    try {
        const std::vector<uint8_t> bytes = ReadFileBytes(QFile::encodeName(path).toStdString(), &read);
        const Image img = MakeThumbnail(bytes.data(), bytes.size(), SideFor(side), cancel);
        r.image = ToQImage(img);
    } catch (const DecodeCancelled&) {
        r.failure = QStringLiteral("Cancelled");
        return r;
    } catch (const std::bad_alloc&) {
        r.failure = QStringLiteral("Not enough memory");
        return r;  // the next try may have it
    } catch (const std::exception& e) {
        r.failure = QString::fromStdString(e.what());
        // Recorded against the file as read, so that a change makes it worth another try.
        const Facts facts = read.exists ? FactsOf(read) : before;
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        if (facts.exists) WriteEntry(FailPath(path), EntryBytes(blank, uri, facts, r.failure));
        return r;
    }
    WriteEntry(EntryPath(path, side), EntryBytes(r.image, uri, FactsOf(read)));
    return r;
}

void ThumbnailCache::Remake(const QString& path) const {
    QFile::remove(FailPath(path));
    const bool large = QFileInfo::exists(EntryPath(path, kLarge));
    Get(path, kNormal);
    if (large) Get(path, kLarge);
}

}  // namespace lum
