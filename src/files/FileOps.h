// SPDX-License-Identifier: GPL-3.0-or-later
// Small file-system helpers behind the folder tree, the photo list and the picture chooser:
// the mounted volumes shown as drives, readiness tests, listing texts and the file commands.
#pragma once
#include <functional>

#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QMimeData;

namespace lum {
class Prompts;
}

namespace lum::files {

// A mounted volume shown where the user picks a drive.
struct Drive {
    QString caption;        // what the tree and drive boxes show
    QString path;           // mount root, always ending in "/"
    QString fileSystem;     // "ext4", "vfat", ...
    bool removable = false; // tested for readiness before it is read
};

// "/" first, then the home folder, then the other real volumes (pseudo file systems skipped).
QList<Drive> MountedDrives();
// The drive in `drives` whose path is the longest prefix of `path`; -1 when none.
int DriveIndexOf(const QList<Drive>& drives, const QString& path);
// A volume is ready when its size can be read.
bool DriveReady(const QString& path);
// The same for a listed drive: a removable one must also still be mounted where it was.
bool DriveReady(const Drive& drive);
// The drive test before a removable volume is read: shows "Not a valid Drive ID" or the
// no-disk message and returns false when it cannot be used.
bool CheckDrive(const Drive& drive, Prompts& prompts);

// "0 KB", "1 KB" ... : size div 1024, a size from 1 to 1023 bytes counting as 1024.
QString SizeKbText(qint64 bytes);
// Desktop type name of a file, cached per extension (no content sniffing).
QString TypeName(const QString& fileName, bool isDir);
// Its icon from the desktop theme, cached the same way.
QIcon TypeIcon(const QString& fileName, bool isDir);
// Date in the short date format, then the time in the short time format.
QString ModifiedText(const QDateTime& t);

// Attribute classes as this platform has them: read-only (no owner write permission), hidden
// (dot names) and system (devices, sockets, pipes). "D" marks a folder.
bool IsReadOnly(const QFileInfo& fi);
bool IsSystem(const QFileInfo& fi);
QString AttrText(const QFileInfo& fi);

// Folder and file name checks.
bool HasInvalidFolderChars(const QString& name);
bool IsUsableFileName(const QString& name);

// "path" with exactly one trailing "/" ("/" stays "/").
QString WithSlash(const QString& path);
QString WithoutSlash(const QString& path);
// Case-sensitive like the file system, trailing separators ignored.
bool SamePath(const QString& a, const QString& b);

// A name in `folder` that does not exist yet: "name", "name (2)", "name (3)" ...
QString UniqueTarget(const QString& folder, const QString& fileName);

// The system's own words for an error number ("Permission denied").
QString SystemReason(int error);

// Copies a file or a whole folder (symbolic links copied as links). Never overwrites. On a
// failure `why` receives the reason in the system's words, nothing of the copy is left.
bool CopyEntry(const QString& from, const QString& to, QString* why = nullptr);
// Moves by renaming, or by copying and then removing the source when volumes differ.
bool MoveEntry(const QString& from, const QString& to, QString* why = nullptr);
// Makes the folder `name` in `parent`; `why` as above.
bool MakeFolder(const QString& parent, const QString& name, QString* why = nullptr);

// A file or folder a command could not handle, and why in plain words.
struct FileFailure {
    QString path;
    QString reason;
};

// Clipboard of files as the desktop's file managers exchange them.
void PutFilesOnClipboard(const QStringList& paths, bool cut);
QStringList FilesOnClipboard(bool* cut);
QMimeData* MakeFilesMimeData(const QStringList& paths, bool cut);
QStringList FilesFromMimeData(const QMimeData* mime, bool* cut);

// What a paste did: the new paths, the cut entries that were in the folder already (left as
// they are: nothing to move), and what failed.
struct PasteOutcome {
    QStringList done;
    QStringList alreadyThere;
    QList<FileFailure> failures;
    bool ok() const { return failures.isEmpty(); }
};
// Pastes `sources` into `folder` (copy, or move when cut). Refuses to paste a folder into
// itself; existing names get a new unique name.
PasteOutcome PasteInto(const QStringList& sources, const QString& folder, bool cut);

// Sends a file or folder to the desktop's trash; `inTrash` receives where it went, `why` the
// reason it could not.
bool MoveToTrash(const QString& path, QString* inTrash = nullptr, QString* why = nullptr);

// Writes a desktop link file for `target` into `desktopDir`; returns the link path or "".
QString WriteDesktopLink(const QString& target, const QString& desktopDir, QString* why = nullptr);
QString DesktopFolder();
// Drops the desktop's cached thumbnails of a file that was changed, so they are made again.
void ForgetDesktopThumbnails(const QString& path);

struct TreeSize {
    qint64 bytes = 0;
    qint64 files = 0;
    qint64 folders = 0;
    bool complete = true;  // false when a folder could not be read
};
TreeSize MeasureTree(const QString& folder);

// The facts shown by the properties command.
QString PropertiesText(const QString& path);

// Opening through the desktop; replaceable so tests never launch programs.
using Opener = std::function<bool(const QUrl&)>;
bool DesktopOpen(const QUrl& url);
// Which file could not be opened and why, in plain words.
QString OpenFailureText(const QString& path);

}  // namespace lum::files
