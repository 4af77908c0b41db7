// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start: the state it starts in, the photo or folder the command line asks
// for; and what the window says about its picture: its name in the caption and the question
// before unsaved changes are left behind.
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <utility>

#include "app/MainWindow.h"
#include "widgets/PhotoFiles.h"
#include "image/Tables.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/PhotoView.h"

namespace {

bool holdsPhotos(const QString& folder) {
    QDir dir(folder);
    dir.setNameFilters(lum::PhotoNameFilters());
    dir.setFilter(QDir::Files | QDir::Readable);
    return !dir.entryList().isEmpty();
}

}  // namespace

void MainWindow::startUp() {
    lum::EditState& st = State();
    st.file.SetSaveFolder(std::string());
    st.file.SetNewPicturePending(false);
    (void)lum::ToneTable();
    st.file.SetCurrentFolder(QDir::currentPath().toStdString());
    // The start-up logo is shown once the window has its size, so the fit sees the real photo
    // area (see showEvent).
    logoPending_ = QFileInfo(StartupLogoPath()).isFile();
    st.file.ForgetPhoto();
}

MainWindow::StartRequest MainWindow::ReadStartArguments(const QStringList& args,
                                                                          const QString& startFolder) {
    StartRequest r;
    bool names = false;  // after "--" a name may start with a dash
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!names && arg == QLatin1String("--")) {
            names = true;
            continue;
        }
        // The noise brush's seed belongs to the command line; the window draws afresh.
        if (!names && arg.startsWith(QLatin1String("--seed="))) continue;
        if (!names && arg == QLatin1String("--seed")) {
            ++i;
            continue;
        }
        // Relative to where the program was started, whatever folder the window lists later.
        const QFileInfo fi(QDir(startFolder), arg);
        if (!fi.exists()) r.missing << arg;
        else if (fi.isDir() && r.folder.isEmpty()) r.folder = fi.absoluteFilePath();
        else if (fi.isFile() && r.photo.isEmpty()) r.photo = fi.absoluteFilePath();
    }
    // A photo shows its own folder.
    if (!r.photo.isEmpty()) r.folder.clear();
    // Nothing given, or nothing of it found: the folder it was started from, when it holds photos.
    if (r.folder.isEmpty() && r.photo.isEmpty() && holdsPhotos(startFolder)) r.folder = QDir(startFolder).absolutePath();
    return r;
}

void MainWindow::StartWith(const StartRequest& request) {
    pendingFolder_ = request.folder;
    pendingMissing_ = request.missing;
    if (!request.photo.isEmpty()) OpenAfterStart(request.photo);
    if (started_) QTimer::singleShot(0, this, [this] { startRequested(); });
}

void MainWindow::OpenAfterStart(const QString& path) {
    pendingOpen_ = path;
    if (started_) {
        const QString p = std::exchange(pendingOpen_, QString());
        Guard([this, p] { OpenPhotoFile(p); });
    }
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, [this] { startRequested(); });
}

void MainWindow::startRequested() {
    if (logoPending_) {
        logoPending_ = false;
        // Decoded on the loader's thread; what the logo is not is settled when it arrives.
        Guard([this] { LoadPhoto(StartupLogoPath()); });
    }
    const QString folder = std::exchange(pendingFolder_, QString());
    if (!folder.isEmpty()) {
        folderTree_->OpenPath(folder);
        keepFolderInView();
    }
    const QStringList missing = std::exchange(pendingMissing_, QStringList());
    if (!missing.isEmpty()) {
        QStringList lines;
        for (const QString& m : missing) lines << tr("%1 does not exist.").arg(QDir::toNativeSeparators(m));
        prompts().Error(lines.join(QLatin1Char('\n')).toStdString());
    }
    if (!pendingOpen_.isEmpty()) {
        const QString p = std::exchange(pendingOpen_, QString());
        Guard([this, p] { OpenPhotoFile(p); });
    }
}

// ---------------------------------------------------------------------------------------------
// The picture's name, and the question before it is left

QString MainWindow::ShownPhoto() const {
    // While a job owns the state (an Undo may be swapping the file it belongs to), the window
    // goes on with the photo it showed when the job started, as its view does.
    return editor().JobRunning() ? shownAtJobStart_ : shownPhotoFile();
}

QString MainWindow::shownPhotoFile() const {
    const std::string& file = State().file.PhotoFile();
    return file.empty() ? QString() : QFileInfo(QString::fromStdString(file)).absoluteFilePath();
}

QString MainWindow::PictureName() const {
    if (!State().picture.HasPicture() || logoShown_) return QString();
    if (ShownPhoto().isEmpty()) return tr("Untitled");
    return QFileInfo(ShownPhoto()).fileName();
}

bool MainWindow::captionUnsaved() const { return State().picture.HasPicture() && !editor().Saved(); }

QString MainWindow::openDialogFolder() const {
    if (!ShownPhoto().isEmpty()) return QFileInfo(ShownPhoto()).absolutePath();
    // No photo yet: the folder the user is looking at in the list.
    const QString listed = photoList_->Directory();
    if (!listed.isEmpty() && QFileInfo(listed).isDir()) return QDir(listed).absolutePath();
    return WindowShell::openDialogFolder();
}

void MainWindow::askBeforeLeavingPhoto(const QString& next, lum::Answered then) {
    const lum::EditState& st = State();
    if (!st.picture.HasPicture() || editor().Saved()) return then(true);
    const QString name = PictureName();
    const bool closing = next.isEmpty();
    QString text;
    if (ShownPhoto().isEmpty()) {
        text = closing ? tr("Save the new picture before closing Lumora?")
                       : tr("Save the new picture before opening %1?").arg(next);
    } else if (editor().OnlyOptimized()) {
        text = closing ? tr("Save the optimized photo %1 before closing Lumora?").arg(name)
                       : tr("Save the optimized photo %1 before opening %2?").arg(name, next);
    } else {
        text = closing ? tr("Save the changes to %1 before closing Lumora?").arg(name)
                       : tr("Save the changes to %1 before opening %2?").arg(name, next);
    }
    // Don't Save leaves the photo marked unsaved until the load marks the next one saved: should
    // the next photo fail to open, the edited one stays on screen and closing still asks.
    AskSaveBeforeLeaving(
        tr("Unsaved Changes"), text, [this](lum::Answered done) { SaveWithDialog(std::move(done)); }, std::move(then));
}
