// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list's pop-up menu commands: open, view, send to, cut, copy, paste, rename,
// delete, properties and a new folder. Every failure says which file and why.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QMimeDatabase>
#include <QUrl>

#include "editing/Prompts.h"
#include "view/PhotoList.h"
#include "view/FolderCommands.h"

using namespace lum::files;

namespace {
std::string S(const QString& s) { return s.toStdString(); }
// Files larger than this are refused as clipboard contents.
const qint64 kMaxClipboardBytes = 256LL * 1024 * 1024;

// Everything after the last dot of a name that does not start with it ("jpg"), or "".
QString Extension(const QString& name) {
    const int dot = name.lastIndexOf('.');
    return dot > 0 ? name.mid(dot + 1) : QString();
}
}  // namespace

void PhotoList::RefreshAndTell(const QStringList& touchedFolders) {
    Refresh();
    emit FoldersChanged(touchedFolders);
}

QString PhotoList::NothingSelectedText() { return tr("Nothing is selected."); }

QString PhotoList::NoFileSelectedText() { return tr("No file is selected."); }

QString PhotoList::NoFolderHereText() {
    return tr("Files cannot be put among the drives: open a folder first.");
}

QStringList PhotoList::SelectionOrSay() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) prompts().Message(S(NothingSelectedText()));
    return paths;
}

void PhotoList::OpenSelected() {
    const QStringList paths = SelectionOrSay();
    if (paths.isEmpty()) return;
    if (paths.size() == 1 && QFileInfo(paths.front()).isDir()) {
        QTreeWidgetItem* it = ItemOfPath(paths.front());
        OpenFolder(paths.front(), it ? KindOfItem(it) : QStringLiteral("dir"));
        return;
    }
    for (const QString& p : paths) {
        if (QFileInfo(p).isDir()) {
            const QUrl url = QUrl::fromLocalFile(p);
            if (!(opener_ ? opener_(url) : DesktopOpen(url))) prompts().Message(S(OpenFailureText(p)));
        } else {
            OpenFile(p);
        }
    }
}

void PhotoList::ViewSelected() {
    // Files in their viewer, folders in the desktop's file manager.
    for (const QString& p : SelectionOrSay()) {
        const QUrl url = QUrl::fromLocalFile(p);
        if (!QFileInfo::exists(p) || !(opener_ ? opener_(url) : DesktopOpen(url))) prompts().Message(S(OpenFailureText(p)));
    }
}

void PhotoList::SendToAnyFolder() {
    const QStringList paths = SelectionOrSay();
    if (paths.isEmpty()) return;
    std::string folder = S(drivesView_ ? QDir::homePath() : directory_);
    if (!prompts().AskFolder(S(tr("Send to a folder")), folder)) return;
    const QString target = QString::fromStdString(folder);
    RefreshAndTell(lum::PasteFiles(paths, target, false, lum::PasteWay::Drop, prompts()));
}

void PhotoList::SendToClipboardAsContents() {
    const QString path = SingleSelection();
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        prompts().Message(S(NoFileSelectedText()));
        return;
    }
    QFile f(path);
    if (f.size() > kMaxClipboardBytes) {
        prompts().Message(S(tr("%1 is too large to put on the clipboard (more than %2 MB).")
                                .arg(lum::ShownName(path))
                                .arg(kMaxClipboardBytes >> 20)));
        return;
    }
    QByteArray bytes;
    if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
    if (!f.isOpen() || f.error() != QFileDevice::NoError) {
        prompts().Message(S(tr("Could not read %1: %2.").arg(lum::ShownName(path), f.errorString())));
        return;
    }
    QMimeDatabase db;
    const QMimeType mt = db.mimeTypeForFileNameAndData(path, bytes);
    auto* mime = new QMimeData;
    QImage img;
    if (mt.name().startsWith(QLatin1String("image/")) && img.loadFromData(bytes))
        mime->setImageData(img);
    else if (mt.inherits(QStringLiteral("text/plain")))
        mime->setText(QString::fromUtf8(bytes));
    else
        mime->setData(mt.name(), bytes);
    QApplication::clipboard()->setMimeData(mime);
}

void PhotoList::SendToClipboardAsFileName() {
    const QStringList paths = SelectionOrSay();
    if (!paths.isEmpty()) QApplication::clipboard()->setText(paths.join('\n'));
}

void PhotoList::SendToDesktopAsLink() {
    const QStringList paths = SelectionOrSay();
    const QString desktop = desktopFolder_.isEmpty() ? DesktopFolder() : desktopFolder_;
    QList<FileFailure> failed;
    for (const QString& p : paths) {
        QString why;
        if (WriteDesktopLink(p, desktop, &why).isEmpty()) failed.push_back({p, why});
    }
    if (!failed.isEmpty())
        prompts().Message(S(lum::FailureText(failed, tr("Could not put a link to %1 on the desktop: %2."),
                                             tr("Some links could not be put on the desktop:"))));
}

void PhotoList::CutSelected() {
    const QStringList paths = SelectionOrSay();
    if (!paths.isEmpty()) PutFilesOnClipboard(paths, true);
}

void PhotoList::CopySelected() {
    const QStringList paths = SelectionOrSay();
    if (!paths.isEmpty()) PutFilesOnClipboard(paths, false);
}

void PhotoList::PasteHere() {
    if (drivesView_ || directory_.isEmpty()) {
        prompts().Message(S(NoFolderHereText()));
        return;
    }
    bool cut = false;
    const QStringList files = FilesOnClipboard(&cut);
    if (files.isEmpty()) {
        prompts().Message(S(tr("There is nothing to paste: cut or copy files first.")));
        return;
    }
    RefreshAndTell(lum::PasteFiles(files, directory_, cut, lum::PasteWay::Clipboard, prompts()));
}

void PhotoList::RenameSelected() {
    const QString path = SingleSelection();
    if (path.isEmpty()) {
        prompts().Message(S(NoFileSelectedText()));
        return;
    }
    QFileInfo fi(path);
    if (IsReadOnly(fi)) {
        prompts().Message(S(tr("%1 is read-only: it cannot be renamed.").arg(fi.fileName())));
        return;
    }
    std::string name = S(fi.fileName());
    if (!prompts().AskText(S(tr("Rename")), S(tr("New name:")), name)) return;
    RenameEntry(path, QString::fromStdString(name));
}

bool PhotoList::Listed(const QString& name, bool isDir) const {
    if (name.startsWith('.') && !ShowHidden()) return false;
    return isDir ? showFolders_ : MatchesMask(name);
}

bool PhotoList::RenameEntry(const QString& path, const QString& typed) {
    QFileInfo fi(path);
    auto say = [this](const QString& text) {
        prompts().Message(S(text));
        return false;
    };
    if (!fi.exists() && !fi.isSymLink()) return say(tr("%1 is no longer there.").arg(fi.fileName()));
    if (IsReadOnly(fi)) return say(tr("%1 is read-only: it cannot be renamed.").arg(fi.fileName()));
    QString newName = typed.trimmed();
    if (newName.isEmpty()) return say(tr("A name cannot be empty."));
    if (newName.contains('/')) return say(tr("A name cannot contain a slash (/)."));
    if (newName == QLatin1String(".") || newName == QLatin1String("..") || newName.contains(QChar(0)))
        return say(tr("%1 cannot be used as a name.").arg(newName));
    const bool dir = fi.isDir();
    // A photo keeps what makes it a photo: a name typed without an extension gets the old one.
    const QString oldExtension = dir ? QString() : Extension(fi.fileName());
    if (!oldExtension.isEmpty() && Extension(newName).isEmpty()) newName += '.' + oldExtension;
    if (newName == fi.fileName()) return false;
    const QString from = fi.absoluteFilePath();
    const QString target = fi.absolutePath() + '/' + newName;
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return say((QFileInfo(target).isDir() ? tr("A folder named %1 already exists.") : tr("A file named %1 already exists."))
                       .arg(newName));
    if (Listed(fi.fileName(), dir) && !Listed(newName, dir)) {
        const QString why = newName.startsWith('.') ? tr("names starting with a dot are hidden")
                                                    : tr("the list shows only %1").arg(mask_);
        const QString question =
            tr("%1 would no longer be listed here (%2). Rename it anyway?").arg(newName, why);
        if (!prompts().AskYesNo(S(tr("Rename")), S(question))) return false;
    }
    QString reason;
    if (!MoveEntry(from, target, &reason)) return say(tr("Could not rename %1: %2.").arg(fi.fileName(), reason));
    if (SamePath(activatedPath_, from)) activatedPath_ = target;
    RefreshAndTell({fi.absolutePath()});
    if (QTreeWidgetItem* it = ItemOfPath(target)) setCurrentItem(it);
    emit EntryRenamed(from, target);
    return true;
}

QString PhotoList::NeighbourAfter(const QStringList& leaving) const {
    // The first entry after the last one leaving, else the last one before them.
    int last = -1, first = -1;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (!leaving.contains(PathOfItem(topLevelItem(i)))) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (last < 0) return QString();
    for (int i = last + 1; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* it = topLevelItem(i);
        if (!IsParentItem(it) && !leaving.contains(PathOfItem(it))) return PathOfItem(it);
    }
    for (int i = first - 1; i >= 0; --i) {
        QTreeWidgetItem* it = topLevelItem(i);
        if (!IsParentItem(it) && !leaving.contains(PathOfItem(it))) return PathOfItem(it);
    }
    return QString();
}

void PhotoList::DeleteSelected() {
    const QStringList paths = SelectionOrSay();
    if (paths.isEmpty()) return;
    const QString question = paths.size() == 1
                                 ? tr("Do you want to move %1 to the Trash?").arg(lum::ShownName(paths.front()))
                                 : tr("Do you want to move these %1 items to the Trash?").arg(paths.size());
    if (!prompts().AskYesNo(S(tr("Move to Trash")), S(question))) return;
    const QString next = NeighbourAfter(paths);
    QStringList removed;
    QList<FileFailure> failed;
    for (const QString& p : paths) {
        QString why;
        if (MoveToTrash(p, nullptr, &why)) removed.push_back(p);
        else failed.push_back({p, why});
    }
    if (!failed.isEmpty())
        prompts().Message(S(lum::FailureText(failed, tr("Could not move %1 to the Trash: %2."),
                                             tr("Some items could not be moved to the Trash:"))));
    RefreshAndTell({directory_});
    // The next photo takes the place of those that went, not the way up; what could not go
    // stays selected.
    bool allGone = true;
    for (const QString& p : paths) allGone = allGone && !ItemOfPath(p);
    if (allGone && !next.isEmpty())
        if (QTreeWidgetItem* it = ItemOfPath(next)) setCurrentItem(it);
    if (!removed.isEmpty()) emit EntriesRemoved(removed);
}

void PhotoList::ShowProperties() {
    const QString path = SingleSelection();
    if (path.isEmpty()) {
        prompts().Message(S(NoFileSelectedText()));
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // a folder's size takes a walk through it
    const QString text = PropertiesText(path);
    QGuiApplication::restoreOverrideCursor();
    if (text.isEmpty()) {
        prompts().Message(S(tr("%1 is no longer there.").arg(lum::ShownName(path))));
        return;
    }
    prompts().ShowText(S(tr("Properties")), S(text));
}

void PhotoList::NewFolder() {
    if (drivesView_ || directory_.isEmpty()) {
        prompts().Message(S(NoFolderHereText()));
        return;
    }
    std::string name = S(QFileInfo(UniqueTarget(directory_, tr("New Folder"))).fileName());
    if (!prompts().AskText(S(tr("New Folder")), S(tr("Folder name:")), name)) return;
    const QString n = QString::fromStdString(name).trimmed();
    if (n.isEmpty()) {
        prompts().Message(S(tr("A name cannot be empty.")));
        return;
    }
    if (HasInvalidFolderChars(n)) {
        prompts().Message(S(InvalidFolderNameText()));
        return;
    }
    const QString target = QDir(directory_).filePath(n);
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        prompts().Message(S(tr("A folder named %1 already exists.").arg(n)));
        return;
    }
    QString why;
    if (!IsUsableFileName(n) || !MakeFolder(directory_, n, &why)) {
        prompts().Message(S(tr("Could not make the folder %1: %2.").arg(n, why.isEmpty() ? tr("not a usable name") : why)));
        return;
    }
    RefreshAndTell({directory_});
    if (QTreeWidgetItem* it = ItemOfPath(target)) setCurrentItem(it);
}

QString PhotoList::InvalidFolderNameText() {
    return tr("A folder name cannot contain any of these characters: %1").arg(QStringLiteral("\\ * ? / = \" < > | : , ; + ^"));
}
