// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileOps.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMimeData>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include "editing/Prompts.h"
#include "image/Translatable.h"

namespace lum::files {

namespace {

std::string S(const QString& s) { return s.toStdString(); }

// Kernel and container file systems that hold no user files.
bool IsPseudoFileSystem(const QByteArray& fs) {
    static const QSet<QByteArray> pseudo = {
        "proc",      "sysfs",       "tmpfs",     "devtmpfs",    "devpts",     "cgroup",
        "cgroup2",   "securityfs",  "pstore",    "debugfs",     "tracefs",    "mqueue",
        "hugetlbfs", "fusectl",     "configfs",  "bpf",         "autofs",     "binfmt_misc",
        "nsfs",      "efivarfs",    "ramfs",     "rpc_pipefs",  "nfsd",       "squashfs",
        "overlay",   "selinuxfs",   "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "tracefs"};
    return pseudo.contains(fs);
}

bool IsSystemMountPoint(const QString& root) {
    static const char* prefixes[] = {"/proc", "/sys", "/dev", "/run", "/snap", "/var/lib/docker",
                                     "/var/snap", "/boot/efi", "/etc"};
    if (root.startsWith("/run/media/")) return false;
    for (const char* p : prefixes) {
        const QString pre = QString::fromLatin1(p);
        if (root == pre || root.startsWith(pre + "/")) return true;
    }
    return false;
}

bool LooksRemovable(const QStorageInfo& v) {
    const QString root = v.rootPath();
    const QByteArray dev = v.device();
    if (dev.startsWith("/dev/sr") || dev.startsWith("/dev/fd")) return true;
    return root.startsWith("/media/") || root.startsWith("/run/media/") || root.startsWith("/mnt/");
}

bool EntryExists(const QString& path) {
    QFileInfo fi(path);
    return fi.exists() || fi.isSymLink();
}


bool Fail(QString* why, const QString& reason) {
    if (why) *why = reason;
    return false;
}

bool FailWith(QString* why, int error) { return Fail(why, SystemReason(error)); }

bool CopyLink(const QString& from, const QString& to, QString* why) {
    QByteArray target(4096, '\0');
    const QByteArray src = QFile::encodeName(from);
    ssize_t n = ::readlink(src.constData(), target.data(), target.size() - 1);
    if (n < 0) return FailWith(why, errno);
    target.truncate(static_cast<int>(n));
    if (::symlink(target.constData(), QFile::encodeName(to).constData()) != 0) return FailWith(why, errno);
    return true;
}

// One file, block by block; a target that exists already is never touched.
bool CopyFile(const QString& from, const QString& to, QString* why) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return Fail(why, in.errorString());
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return Fail(why, out.errorString());
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(block.data(), block.size());
        if (n < 0) {
            const QString reason = in.errorString();
            out.remove();
            return Fail(why, reason);
        }
        if (n == 0) break;
        if (out.write(block.constData(), n) != n) {
            const QString reason = out.errorString();
            out.remove();
            return Fail(why, reason);
        }
    }
    if (!out.flush()) {
        const QString reason = out.errorString();
        out.remove();
        return Fail(why, reason);
    }
    out.close();
    QFile::setPermissions(to, QFile::permissions(from));
    return true;
}

bool RemoveEntry(const QString& path, QString* why) {
    QFileInfo fi(path);
    if (fi.isDir() && !fi.isSymLink()) {
        if (QDir(path).removeRecursively()) return true;
        return Fail(why, QCoreApplication::translate("lum::files", "some of its contents could not be removed"));
    }
    if (::unlink(QFile::encodeName(path).constData()) != 0) return FailWith(why, errno);
    return true;
}

bool IsInside(const QString& path, const QString& folder) {
    const QString p = WithoutSlash(QDir::cleanPath(path));
    const QString f = WithoutSlash(QDir::cleanPath(folder));
    return p == f || p.startsWith(WithSlash(f));
}

}  // namespace


// ---- drives

QList<Drive> MountedDrives() {
    QList<Drive> out;
    auto add = [&out](const QString& caption, const QString& path, const QString& fs, bool removable) {
        const QString p = WithSlash(path);
        for (const Drive& d : out)
            if (d.path == p) return;
        out.push_back(Drive{caption, p, fs, removable});
    };
    QStorageInfo root = QStorageInfo::root();
    add(QCoreApplication::translate("lum::files", "File System (/)"), "/", QString::fromLatin1(root.fileSystemType()), false);
    const QString home = QDir::homePath();
    if (home != "/") add(QCoreApplication::translate("lum::files", "Home (%1)").arg(home), home, QString(), false);

    QList<Drive> others;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid()) continue;
        const QString r = v.rootPath();
        if (r == "/" || IsPseudoFileSystem(v.fileSystemType()) || IsSystemMountPoint(r)) continue;
        if (!QFileInfo(r).isDir()) continue;  // files bind-mounted by containers
        QString name = v.displayName();
        if (name.isEmpty() || name == r) name = QFileInfo(r).fileName();
        others.push_back(Drive{QStringLiteral("%1 (%2)").arg(name, r), WithSlash(r),
                               QString::fromLatin1(v.fileSystemType()), LooksRemovable(v)});
    }
    std::sort(others.begin(), others.end(), [](const Drive& a, const Drive& b) { return a.path < b.path; });
    for (const Drive& d : others) add(d.caption, d.path, d.fileSystem, d.removable);
    return out;
}

int DriveIndexOf(const QList<Drive>& drives, const QString& path) {
    const QString p = WithSlash(QDir::cleanPath(path));
    int best = -1;
    int bestLen = -1;
    for (int i = 0; i < drives.size(); ++i) {
        const QString& d = drives[i].path;
        if (p.startsWith(d) && d.size() > bestLen) {
            best = i;
            bestLen = static_cast<int>(d.size());
        }
    }
    return best;
}

bool DriveReady(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isDir()) return false;
    QStorageInfo si(path);
    return si.isValid() && si.isReady() && si.bytesTotal() >= 0;
}

bool DriveReady(const Drive& drive) {
    if (!DriveReady(drive.path)) return false;
    if (!drive.removable) return true;
    // An unmounted medium leaves its mount point behind as an ordinary folder.
    return SamePath(QStorageInfo(drive.path).rootPath(), drive.path);
}

bool CheckDrive(const Drive& drive, Prompts& prompts) {
    if (drive.path.isEmpty() || !QDir::isAbsolutePath(drive.path)) {
        prompts.Message(S(drive.path.isEmpty() ? QCoreApplication::translate("lum::files", "This is not a valid drive.")
                                               : QCoreApplication::translate("lum::files", "%1 is not a valid drive.").arg(drive.path)));
        return false;
    }
    if (DriveReady(drive)) return true;
    QApplication::beep();
    const QString id = WithoutSlash(drive.path);
    prompts.Message(S(QCoreApplication::translate("lum::files", "There is no disc in the drive %1,\nor the drive is not ready.").arg(id)));
    return false;
}

// ---- listing texts

QString SizeKbText(qint64 bytes) {
    qint64 kb = 0;
    if (bytes > 0) kb = (bytes < 1024 ? 1024 : bytes) / 1024;
    // The locale's digits, without grouping: a column of sizes reads as plain numbers.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QCoreApplication::translate("lum::files", "%1 KB").arg(locale.toString(kb));
}

namespace {
struct TypeInfo {
    QString name;
    QIcon icon;
};
const TypeInfo& TypeOf(const QString& fileName, bool isDir) {
    static QHash<QString, TypeInfo> cache;
    // Folders share one entry; files are told apart by everything after the first dot.
    QString key;
    if (isDir) {
        key = QStringLiteral("/");
    } else {
        int dot = fileName.indexOf('.', 1);
        key = dot > 0 ? fileName.mid(dot + 1) : QString();
    }
    auto it = cache.find(key);
    if (it != cache.end()) return *it;
    static QMimeDatabase db;
    static QFileIconProvider icons;
    TypeInfo info;
    if (isDir) {
        info.name = db.mimeTypeForName(QStringLiteral("inode/directory")).comment();
        info.icon = icons.icon(QFileIconProvider::Folder);
    } else {
        QMimeType mt = key.isEmpty() ? db.mimeTypeForName(QStringLiteral("application/octet-stream"))
                                     : db.mimeTypeForFile(QStringLiteral("x.") + key, QMimeDatabase::MatchExtension);
        info.name = mt.comment();
        QIcon fallback = icons.icon(QFileIconProvider::File);
        info.icon = QIcon::fromTheme(mt.iconName(), QIcon::fromTheme(mt.genericIconName(), fallback));
    }
    if (info.name.isEmpty()) info.name = isDir ? QCoreApplication::translate("lum::files", "Folder") : QCoreApplication::translate("lum::files", "File");
    return *cache.insert(key, info);
}
}  // namespace

QString TypeName(const QString& fileName, bool isDir) { return TypeOf(fileName, isDir).name; }
QIcon TypeIcon(const QString& fileName, bool isDir) { return TypeOf(fileName, isDir).icon; }

QString ModifiedText(const QDateTime& t) {
    if (!t.isValid()) return QStringLiteral(" ");
    QLocale loc;
    const QDateTime local = t.toLocalTime();
    return loc.toString(local.date(), QLocale::ShortFormat) + ' ' + loc.toString(local.time(), QLocale::ShortFormat);
}

// The owner's bit alone, from the stat already made: asking for every permission costs three
// more system calls a file, felt in a folder of thousands.
bool IsReadOnly(const QFileInfo& fi) { return !fi.permission(QFile::WriteOwner); }

bool IsSystem(const QFileInfo& fi) { return fi.exists() && !fi.isDir() && !fi.isFile(); }

QString AttrText(const QFileInfo& fi) {
    QString a;
    if (fi.isDir()) a += 'D';
    if (IsReadOnly(fi)) a += 'R';
    if (fi.isHidden()) a += 'H';
    if (IsSystem(fi)) a += 'S';
    return a;
}

// ---- names and paths

bool HasInvalidFolderChars(const QString& name) {
    static const QString bad = QStringLiteral("\\*?/=\"<>|:,;+^");
    for (QChar c : name)
        if (bad.contains(c) || c == QChar(0)) return true;
    return false;
}

bool IsUsableFileName(const QString& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains(QChar(0));
}

QString WithSlash(const QString& path) {
    if (path.isEmpty()) return path;
    return path.endsWith('/') ? path : path + '/';
}

QString WithoutSlash(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith('/')) p.chop(1);
    return p;
}

bool SamePath(const QString& a, const QString& b) { return WithoutSlash(a) == WithoutSlash(b); }

QString UniqueTarget(const QString& folder, const QString& fileName) {
    QString target = QDir(folder).filePath(fileName);
    if (!EntryExists(target)) return target;
    int dot = fileName.indexOf('.', 1);
    const QString base = dot > 0 ? fileName.left(dot) : fileName;
    const QString ext = dot > 0 ? fileName.mid(dot) : QString();
    for (int n = 2;; ++n) {
        target = QDir(folder).filePath(QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(ext));
        if (!EntryExists(target)) return target;
    }
}

// ---- copying and moving

QString SystemReason(int error) {
    const lum::Words words = lum::SystemWords(error);
    return words.plain ? QString::fromLocal8Bit(words.text.c_str()) : QCoreApplication::translate("lum", words.text.c_str());
}

bool CopyEntry(const QString& from, const QString& to, QString* why) {
    if (EntryExists(to)) return FailWith(why, EEXIST);
    QFileInfo fi(from);
    if (fi.isSymLink()) return CopyLink(from, to, why);
    if (!fi.exists()) return FailWith(why, ENOENT);
    // A pipe or a device would block the copy or never end it.
    if (!fi.isDir() && !fi.isFile()) return Fail(why, QCoreApplication::translate("lum::files", "it is not a regular file"));
    if (!fi.isDir()) return CopyFile(from, to, why);
    if (::mkdir(QFile::encodeName(to).constData(), 0700) != 0) return FailWith(why, errno);
    // A folder that cannot be read completely is not copied at all.
    bool ok = fi.isReadable() && fi.isExecutable();
    if (!ok) Fail(why, SystemReason(EACCES));
    const QStringList names = QDir(from).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot);
    for (const QString& n : names) {
        if (!ok) break;
        QString inner;
        ok = CopyEntry(QDir(from).filePath(n), QDir(to).filePath(n), &inner);
        if (!ok) Fail(why, QStringLiteral("%1: %2").arg(n, inner));
    }
    if (!ok) {
        QDir(to).removeRecursively();
        return false;
    }
    QFile::setPermissions(to, QFile::permissions(from));
    return true;
}

bool MoveEntry(const QString& from, const QString& to, QString* why) {
    if (!EntryExists(from)) return FailWith(why, ENOENT);
    if (EntryExists(to)) return FailWith(why, EEXIST);
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) return true;
    if (errno != EXDEV) return FailWith(why, errno);
    // Another volume: copy first, remove the source only when the copy is complete.
    if (!CopyEntry(from, to, why)) return false;
    return RemoveEntry(from, why);
}

bool MakeFolder(const QString& parent, const QString& name, QString* why) {
    const QString target = QDir(parent).filePath(name);
    if (::mkdir(QFile::encodeName(target).constData(), 0777) != 0) return FailWith(why, errno);
    return true;
}

// ---- clipboard of files

QMimeData* MakeFilesMimeData(const QStringList& paths, bool cut) {
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    QByteArray gnome = cut ? "cut" : "copy";
    for (const QString& p : paths) {
        QUrl u = QUrl::fromLocalFile(p);
        urls.push_back(u);
        gnome += '\n' + u.toEncoded();
    }
    mime->setUrls(urls);
    mime->setData(QStringLiteral("x-special/gnome-copied-files"), gnome);
    mime->setData(QStringLiteral("application/x-kde-cutselection"), cut ? "1" : "0");
    mime->setText(paths.join('\n'));
    return mime;
}

QStringList FilesFromMimeData(const QMimeData* mime, bool* cut) {
    QStringList out;
    bool isCut = false;
    if (!mime) {
        if (cut) *cut = false;
        return out;
    }
    const QByteArray gnome = mime->data(QStringLiteral("x-special/gnome-copied-files"));
    if (!gnome.isEmpty()) {
        QList<QByteArray> lines = gnome.split('\n');
        isCut = lines.value(0).trimmed() == "cut";
        for (int i = 1; i < lines.size(); ++i) {
            QUrl u = QUrl::fromEncoded(lines[i].trimmed());
            if (u.isLocalFile()) out.push_back(u.toLocalFile());
        }
    } else if (mime->hasUrls()) {
        isCut = mime->data(QStringLiteral("application/x-kde-cutselection")) == "1";
        for (const QUrl& u : mime->urls())
            if (u.isLocalFile()) out.push_back(u.toLocalFile());
    }
    if (cut) *cut = isCut;
    return out;
}

void PutFilesOnClipboard(const QStringList& paths, bool cut) {
    QApplication::clipboard()->setMimeData(MakeFilesMimeData(paths, cut));
}

QStringList FilesOnClipboard(bool* cut) { return FilesFromMimeData(QApplication::clipboard()->mimeData(), cut); }

PasteOutcome PasteInto(const QStringList& sources, const QString& folder, bool cut) {
    PasteOutcome out;
    if (!QFileInfo(folder).isDir()) {
        for (const QString& s : sources) out.failures.push_back({s, SystemReason(ENOENT)});
        return out;
    }
    for (const QString& raw : sources) {
        const QString src = WithoutSlash(QDir::cleanPath(raw));
        QFileInfo fi(src);
        if (!EntryExists(src)) {
            out.failures.push_back({src, SystemReason(ENOENT)});
            continue;
        }
        if (fi.isDir() && !fi.isSymLink() && IsInside(folder, src)) {
            out.failures.push_back({src, QCoreApplication::translate("lum::files", "a folder cannot go inside itself")});
            continue;
        }
        if (cut && SamePath(fi.absolutePath(), folder)) {
            out.alreadyThere.push_back(src);
            continue;
        }
        const QString target = UniqueTarget(folder, fi.fileName());
        QString why;
        if (cut ? MoveEntry(src, target, &why) : CopyEntry(src, target, &why))
            out.done.push_back(target);
        else
            out.failures.push_back({src, why});
    }
    return out;
}

// ---- trash

bool MoveToTrash(const QString& path, QString* inTrash, QString* why) {
    if (!EntryExists(path)) return FailWith(why, ENOENT);
    // The trash lives in the data folder, which a fresh account may not have yet.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) QDir().mkpath(data);
    QFile f(path);
    if (!f.moveToTrash()) return Fail(why, f.errorString());
    if (inTrash) *inTrash = f.fileName();
    return true;
}

// ---- desktop links

QString DesktopFolder() {
    QString d = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return d.isEmpty() ? QDir::home().filePath(QStringLiteral("Desktop")) : d;
}

void ForgetDesktopThumbnails(const QString& path) {
    // The shared cache names each thumbnail by the MD5 of the file's URI.
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
    const QString name = QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
                         QStringLiteral(".png");
    const QDir cache(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                     QStringLiteral("/thumbnails"));
    if (!cache.exists()) return;
    QDirIterator it(cache.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) QFile::remove(QDir(it.next()).filePath(name));
}

QString WriteDesktopLink(const QString& target, const QString& desktopDir, QString* why) {
    QFileInfo fi(target);
    if (!EntryExists(target)) {
        FailWith(why, ENOENT);
        return QString();
    }
    if (desktopDir.isEmpty() || !QDir().mkpath(desktopDir)) {
        Fail(why, QCoreApplication::translate("lum::files", "the desktop folder could not be made"));
        return QString();
    }
    const QString link = UniqueTarget(desktopDir, fi.fileName() + QStringLiteral(".desktop"));
    auto escape = [](QString v) {
        v.replace('\\', QStringLiteral("\\\\")).replace('\n', QStringLiteral("\\n")).replace('\r', QStringLiteral("\\r"));
        return v;
    };
    static QMimeDatabase db;
    const QString icon = fi.isDir() ? QStringLiteral("folder") : db.mimeTypeForFile(fi, QMimeDatabase::MatchExtension).iconName();
    QByteArray text;
    text += "[Desktop Entry]\n";
    text += "Version=1.0\n";
    text += "Type=Link\n";
    text += "Name=" + escape(fi.fileName()).toUtf8() + '\n';
    text += "URL=" + QUrl::fromLocalFile(fi.absoluteFilePath()).toEncoded() + '\n';
    text += "Icon=" + escape(icon).toUtf8() + '\n';
    QSaveFile f(link);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        Fail(why, f.errorString());
        return QString();
    }
    // File managers only trust launchers that are marked executable.
    QFile::setPermissions(link, QFile::permissions(link) | QFile::ExeOwner | QFile::ExeUser);
    return link;
}

// ---- reports

TreeSize MeasureTree(const QString& folder) {
    TreeSize t;
    QFileInfo top(folder);
    if (!top.isDir() || !top.isReadable()) {
        t.complete = false;
        return t;
    }
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        if (fi.isDir() && !fi.isSymLink()) {
            ++t.folders;
            if (!fi.isReadable() || !fi.isExecutable()) t.complete = false;
        } else {
            ++t.files;
            if (!fi.isSymLink()) t.bytes += fi.size();
        }
    }
    return t;
}

QString PropertiesText(const QString& path) {
    QFileInfo fi(path);
    if (!EntryExists(path)) return QString();
    QLocale loc;
    const bool dir = fi.isDir();
    QStringList lines;
    lines << QCoreApplication::translate("lum::files", "Name: %1").arg(fi.fileName().isEmpty() ? path : fi.fileName());
    lines << QCoreApplication::translate("lum::files", "Type: %1").arg(TypeName(fi.fileName(), dir));
    lines << QCoreApplication::translate("lum::files", "Location: %1").arg(fi.absolutePath());
    if (fi.isSymLink()) lines << QCoreApplication::translate("lum::files", "Link to: %1").arg(fi.symLinkTarget());
    if (dir) {
        TreeSize t = MeasureTree(path);
        lines << QCoreApplication::translate("lum::files", "Size: %1 (%2 bytes)").arg(SizeKbText(t.bytes), loc.toString(t.bytes));
        lines << QCoreApplication::translate("lum::files", "Contains: %1 files, %2 folders%3")
                     .arg(t.files)
                     .arg(t.folders)
                     .arg(t.complete ? QString() : QCoreApplication::translate("lum::files", " (some folders could not be read)"));
    } else {
        lines << QCoreApplication::translate("lum::files", "Size: %1 (%2 bytes)").arg(SizeKbText(fi.size()), loc.toString(fi.size()));
    }
    lines << QCoreApplication::translate("lum::files", "Modified: %1").arg(loc.toString(fi.lastModified(), QLocale::LongFormat));
    if (fi.birthTime().isValid()) lines << QCoreApplication::translate("lum::files", "Created: %1").arg(loc.toString(fi.birthTime(), QLocale::LongFormat));
    lines << QCoreApplication::translate("lum::files", "Accessed: %1").arg(loc.toString(fi.lastRead(), QLocale::LongFormat));
    const QFile::Permissions p = fi.permissions();
    QString mode;
    mode += p & QFile::ReadOwner ? 'r' : '-';
    mode += p & QFile::WriteOwner ? 'w' : '-';
    mode += p & QFile::ExeOwner ? 'x' : '-';
    mode += p & QFile::ReadGroup ? 'r' : '-';
    mode += p & QFile::WriteGroup ? 'w' : '-';
    mode += p & QFile::ExeGroup ? 'x' : '-';
    mode += p & QFile::ReadOther ? 'r' : '-';
    mode += p & QFile::WriteOther ? 'w' : '-';
    mode += p & QFile::ExeOther ? 'x' : '-';
    lines << QCoreApplication::translate("lum::files", "Permissions: %1").arg(mode);
    lines << QCoreApplication::translate("lum::files", "Owner: %1 / %2").arg(fi.owner(), fi.group());
    const QString attr = AttrText(fi);
    lines << QCoreApplication::translate("lum::files", "Attributes: %1").arg(attr.isEmpty() ? QStringLiteral("-") : attr);
    return lines.join('\n');
}

// ---- opening

bool DesktopOpen(const QUrl& url) { return QDesktopServices::openUrl(url); }

QString OpenFailureText(const QString& path) {
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    if (!EntryExists(path)) return QCoreApplication::translate("lum::files", "Could not open %1: it is not there any more.").arg(name);
    return QCoreApplication::translate("lum::files", "Could not open %1: no program is set to open files of this type.").arg(name);
}

}  // namespace lum::files
