// The photo list's pop-up menu commands: open, view, send to, cut, copy, paste, rename,
// delete, properties and a new folder.
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
#include "view/FileListView.h"

using namespace lum::files;

namespace {
std::string S(const QString& s) { return s.toStdString(); }
// Files larger than this are refused as clipboard contents.
const qint64 kMaxClipboardBytes = 256LL * 1024 * 1024;
}  // namespace

void TLsFilelistView28::AfterChange(const QStringList& touchedFolders) {
    Refresh();
    emit FoldersChanged(touchedFolders);
}

void TLsFilelistView28::ItemOpen() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
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

void TLsFilelistView28::ItemView() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    // Files in their viewer, folders in the desktop's file manager.
    for (const QString& p : paths) {
        const QUrl url = QUrl::fromLocalFile(p);
        if (!QFileInfo::exists(p) || !(opener_ ? opener_(url) : DesktopOpen(url))) prompts().Message(S(OpenFailureText(p)));
    }
}

void TLsFilelistView28::SendToAnyFolder() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    std::string folder = S(drivesView_ ? QDir::homePath() : directory_);
    if (!prompts().AskFolder("Send To", folder)) return;
    const QString target = QString::fromStdString(folder);
    if (!QFileInfo(target).isDir() || !PasteInto(paths, target, false)) prompts().Message("File operation failed");
    AfterChange({target});
}

void TLsFilelistView28::SendToClipboardAsContents() {
    const QString path = SingleSelection();
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        prompts().Message("No file selected");
        return;
    }
    QFile f(path);
    if (f.size() > kMaxClipboardBytes || !f.open(QIODevice::ReadOnly)) {
        prompts().Message("File operation failed");
        return;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        prompts().Message("File operation failed");
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

void TLsFilelistView28::SendToClipboardAsFileName() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    QApplication::clipboard()->setText(paths.join('\n'));
}

void TLsFilelistView28::SendToDesktopAsShortCut() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    const QString desktop = desktopFolder_.isEmpty() ? DesktopFolder() : desktopFolder_;
    bool ok = true;
    for (const QString& p : paths) ok = !WriteDesktopLink(p, desktop).isEmpty() && ok;
    if (!ok) prompts().Message("File operation failed");
}

void TLsFilelistView28::ItemOpCut() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    PutFilesOnClipboard(paths, true);
}

void TLsFilelistView28::ItemOpCopy() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    PutFilesOnClipboard(paths, false);
}

void TLsFilelistView28::ItemOpPaste() {
    if (drivesView_ || directory_.isEmpty()) {
        prompts().Message("Can't add drives");
        return;
    }
    bool cut = false;
    const QStringList files = FilesOnClipboard(&cut);
    if (files.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    const bool ok = PasteInto(files, directory_, cut);
    if (!ok) prompts().Message("File operation failed");
    if (ok && cut) QApplication::clipboard()->clear();
    QStringList touched{directory_};
    if (cut)
        for (const QString& f : files) touched.push_back(QFileInfo(f).absolutePath());
    AfterChange(touched);
}

void TLsFilelistView28::ItemRename() {
    const QString path = SingleSelection();
    if (path.isEmpty()) {
        prompts().Message("No file selected");
        return;
    }
    QFileInfo fi(path);
    if (IsReadOnly(fi)) {
        prompts().Message("It's ReadOnly");
        return;
    }
    std::string name = S(fi.fileName());
    if (!prompts().AskText("Rename", "New name :", name)) return;
    RenameEntry(path, QString::fromStdString(name));
}

bool TLsFilelistView28::RenameEntry(const QString& path, const QString& newName) {
    QFileInfo fi(path);
    if (!fi.exists() && !fi.isSymLink()) {
        prompts().Message("File operation failed");
        return false;
    }
    if (IsReadOnly(fi)) {
        prompts().Message("It's ReadOnly");
        return false;
    }
    if (newName == fi.fileName()) return false;
    const QString from = fi.absoluteFilePath();
    const QString target = fi.absolutePath() + '/' + newName;
    if (!IsUsableFileName(newName) || !MoveEntry(from, target)) {
        prompts().Message("File operation failed");
        return false;
    }
    if (SamePath(selectedItem_, from)) selectedItem_ = target;
    AfterChange({fi.absolutePath()});
    if (QTreeWidgetItem* it = ItemOfPath(target)) setCurrentItem(it);
    emit EntryRenamed(from, target);
    return true;
}

void TLsFilelistView28::ItemDelete() {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    const QString question =
        paths.size() == 1
            ? QStringLiteral("Do you want to move \"%1\" to the Trash?").arg(QFileInfo(paths.front()).fileName())
            : QStringLiteral("Do you want to move these %1 items to the Trash?").arg(paths.size());
    if (!prompts().AskYesNo("Confirm File Delete", S(question))) return;
    QStringList removed;
    bool ok = true;
    for (const QString& p : paths) {
        if (MoveToTrash(p))
            removed.push_back(p);
        else
            ok = false;
    }
    if (!ok) prompts().Message("File operation failed");
    AfterChange({directory_});
    if (!removed.isEmpty()) emit EntriesRemoved(removed);
}

void TLsFilelistView28::ItemProperty() {
    const QString path = SingleSelection();
    if (path.isEmpty()) {
        prompts().Message("No file selected");
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // a folder's size takes a walk through it
    const QString text = PropertiesText(path);
    QGuiApplication::restoreOverrideCursor();
    if (text.isEmpty()) {
        prompts().Message("The specified file was not found.");
        return;
    }
    prompts().ShowText("Properties", S(text));
}

void TLsFilelistView28::ItemFolder() {
    if (drivesView_ || directory_.isEmpty()) {
        prompts().Message("Can't add drives");
        return;
    }
    std::string name = S(QFileInfo(UniqueTarget(directory_, QStringLiteral("New Folder"))).fileName());
    if (!prompts().AskText("New Folder", "Folder name :", name)) return;
    const QString n = QString::fromStdString(name);
    if (HasInvalidFolderChars(n)) {
        prompts().Message("Folder Name contains invalid characters");
        return;
    }
    const QString target = QDir(directory_).filePath(n);
    if (!IsUsableFileName(n) || QFileInfo::exists(target) || QFileInfo(target).isSymLink() ||
        !QDir(directory_).mkdir(n)) {
        prompts().Message("File operation failed");
        return;
    }
    AfterChange({directory_});
    if (QTreeWidgetItem* it = ItemOfPath(target)) setCurrentItem(it);
}
