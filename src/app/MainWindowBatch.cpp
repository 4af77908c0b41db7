// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's batch optimize: several photos selected in the photo list, or every photo
// of a folder of the tree, optimized by the command line's engine while the window stays in use;
// and the photo list's turns, run by the same engine.
#include <QAction>
#include <QDate>
#include <QStandardPaths>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/BatchDialog.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "cli/BatchEngine.h"
#include "files/FileOps.h"
#include "image/FormatNames.h"
#include "image/LosslessTurn.h"
#include "view/PhotoThumbView.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"

namespace {

bool IsPhoto(const QFileInfo& f) { return f.isFile() && lum::cli::IsBatchPhotoName(f.fileName().toStdString()); }

}  // namespace

void MainWindow::buildBatch() {
    // One command in the photo list's pop-up menu and in the File menu.
    auto* selected = new QAction(tr("Optimi&ze Selected Photos..."), this);
    selected->setObjectName(QStringLiteral("OptimizeSelectedPhotos"));
    connect(selected, &QAction::triggered, this, [this] { Guard([this] { OptimizeSelectedPhotos(); }); });
    QMenu* listMenu = photoList_->PopupMenu();
    QAction* view = listMenu->findChild<QAction*>(QStringLiteral("ItemView"));
    const QList<QAction*> items = listMenu->actions();
    const int after = static_cast<int>(items.indexOf(view));
    QAction* before = after >= 0 && after + 1 < items.size() ? items[after + 1] : nullptr;
    listMenu->insertSeparator(before);
    listMenu->insertAction(before, selected);
    connect(listMenu, &QMenu::aboutToShow, this, [this, selected] { selected->setEnabled(!SelectedPhotos().isEmpty()); });
    buildTurns(selected);

    if (QMenu* file = MenuBar()->findChild<QMenu*>(QStringLiteral("Fichier1"))) {
        QAction* del = file->findChild<QAction*>(QStringLiteral("Supprimer1"));
        const QList<QAction*> fileItems = file->actions();
        const int at = static_cast<int>(fileItems.indexOf(del));
        QAction* separator = at > 0 ? fileItems[at - 1] : nullptr;
        file->insertAction(separator, selected);
        file->insertSeparator(selected);
    }

    auto* exportCopies = new QAction(tr("Export &Copies..."), this);
    exportCopies->setObjectName(QStringLiteral("ExportCopies"));
    connect(exportCopies, &QAction::triggered, this, [this] { Guard([this] { ExportCopies(); }); });
    listMenu->insertAction(before, exportCopies);
    connect(listMenu, &QMenu::aboutToShow, this,
            [this, exportCopies] { exportCopies->setEnabled(!SelectedPhotos().isEmpty()); });
    if (QMenu* file = MenuBar()->findChild<QMenu*>(QStringLiteral("Fichier1"))) {
        const QList<QAction*> fileItems = file->actions();
        const int at = static_cast<int>(fileItems.indexOf(selected));
        file->insertAction(at >= 0 && at + 1 < fileItems.size() ? fileItems[at + 1] : nullptr, exportCopies);
    }

    // All the photos of a folder, from the tree's pop-up menu.
    auto* folder = new QAction(tr("Optimi&ze All Photos in This Folder..."), this);
    folder->setObjectName(QStringLiteral("OptimizeFolderPhotos"));
    QMenu* treeMenu = folderTree_->PopupMenu();
    treeMenu->addSeparator();
    treeMenu->addAction(folder);
    connect(treeMenu, &QMenu::aboutToShow, this, [this, folder] {
        folder->setEnabled(QFileInfo(folderTree_->CommandFolder()).isDir());
    });
    connect(folder, &QAction::triggered, this, [this] {
        const QString path = folderTree_->CommandFolder();
        Guard([this, path] { OptimizeFolderPhotos(path); });
    });
}

QStringList MainWindow::SelectedPhotos() const {
    QStringList photos;
    for (const QString& p : photoList_->SelectedPaths())
        if (IsPhoto(QFileInfo(p))) photos << QFileInfo(p).absoluteFilePath();
    return photos;
}

QStringList MainWindow::SelectedPhotosOrSay() {
    const QStringList photos = SelectedPhotos();
    if (photos.isEmpty())
        prompts().Message(tr("Select one or more photos in the photo list first (Ctrl or Shift and a click "
                             "add photos, Ctrl+A selects all).")
                              .toStdString());
    return photos;
}

void MainWindow::OptimizeSelectedPhotos() {
    const QStringList photos = SelectedPhotosOrSay();
    if (photos.isEmpty()) return;
    openBatch(photos, QFileInfo(photos.front()).absolutePath(), static_cast<int>(photos.size()));
}

bool MainWindow::SharingShownPicture(const QStringList& selected) const {
    if (!State().picture.HasPicture() || logoShown_) return false;
    // Opening a photo from the list selects it there: alone, it still means the picture shown.
    const QString shown = ShownPhoto();
    return selected.isEmpty() || (selected.size() == 1 && !shown.isEmpty() && lum::files::SamePath(selected.front(), shown));
}

bool MainWindow::StillRunning(lum::BatchDialog* dialog, const QString& why) {
    if (!dialog->Running()) return false;
    dialog->show();
    dialog->raise();
    prompts().Message(why.toStdString());
    return true;
}

void MainWindow::ExportCopies() {
    // The photos selected in the list, else the one on screen as it is shown, edits and all. A
    // picture with no file yet (new or pasted) is named as the caption names it.
    const QStringList selected = SelectedPhotos();
    const bool onScreen = State().picture.HasPicture() && !logoShown_;
    QString held;  // the path that stands for the window's picture
    QStringList photos = selected;
    if (SharingShownPicture(selected)) {
        held = ShownPhoto().isEmpty() ? QDir(openDialogFolder()).filePath(PictureName() + QStringLiteral(".jpg")) : ShownPhoto();
        photos = {held};
    } else if (onScreen && !editor().Saved()) {
        // The shown photo among others: its copy has the changes the user sees, not its file's.
        for (const QString& p : selected)
            if (!ShownPhoto().isEmpty() && lum::files::SamePath(p, ShownPhoto())) held = p;
    }
    if (photos.isEmpty()) {
        prompts().Message(tr("Open a photo, or select photos in the photo list, first.").toStdString());
        return;
    }
    if (!exportDialog_) exportDialog_ = new lum::BatchDialog(prompts(), this);
    if (StillRunning(exportDialog_,
                     tr("Copies are being exported already. Another export can start once this one is done.")))
        return;
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty()) pictures = QDir::home().filePath(QStringLiteral("Pictures"));
    lum::BatchDialog::Request r;
    r.paths = photos;
    r.folder = QFileInfo(photos.front()).absolutePath();
    r.photoCount = static_cast<int>(photos.size());
    r.quality = dialogs().Options().JpegQuality();
    r.exportCopies = true;
    r.exportFolder = QDir(pictures).filePath(QStringLiteral("Lumora Export/") + QDate::currentDate().toString(Qt::ISODate));
    if (!held.isEmpty()) {
        r.shownUnsaved = !editor().Saved();
        r.shownName = QFileInfo(held).fileName();
        const bool noFile = ShownPhoto().isEmpty();
        r.takeShown = [this, held, noFile](lum::BatchDialog::Request::HeldUse use) {
            takeShownForExport(held, noFile, std::move(use));
        };
    }
    exportDialog_->Prepare(r);
    exportDialog_->show();
    exportDialog_->raise();
    exportDialog_->activateWindow();
}

void MainWindow::takeShownForExport(const QString& photo, bool noFile,
                                    std::function<void(std::shared_ptr<const lum::cli::HeldPicture>, bool)> use) {
    const auto take = [this, photo, noFile, use] {
        // Another photo is on screen now (or the new picture was saved as a file): the one asked
        // for was saved or let go, its file is it.
        const bool same = noFile ? ShownPhoto().isEmpty() : lum::files::SamePath(ShownPhoto(), photo);
        if (logoShown_ || !State().picture.HasPicture() || !same) {
            if (noFile) prompts().Message(tr("The new picture is no longer shown, so there is nothing to export.").toStdString());
            return use(nullptr, !noFile);
        }
        auto held = std::make_shared<lum::cli::HeldPicture>();
        held->path = photo.toStdString();
        held->metadata = State().file.Metadata();
        // A big picture is copied off the window's thread, once no job holds it.
        editor().Offload([this, held] { held->image = State().picture.Work(); },
                         [this, held, use](std::exception_ptr failure) {
                             if (failure) Guard([failure] { std::rethrow_exception(failure); });
                             use(failure ? nullptr : held, !failure);
                         });
    };
    if (!AfterWork(take)) take();
}

void MainWindow::OptimizeFolderPhotos(const QString& folder) {
    const QDir dir(folder);
    int count = 0;
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden))
        if (IsPhoto(f)) ++count;
    if (count == 0) {
        prompts().Message(tr("There are no photos in %1.").arg(QDir::toNativeSeparators(dir.absolutePath())).toStdString());
        return;
    }
    openBatch({dir.absolutePath()}, dir.absolutePath(), count);
}

void MainWindow::openBatch(const QStringList& paths, const QString& folder, int photoCount) {
    if (!batch_) batch_ = new lum::BatchDialog(prompts(), this);
    if (StillRunning(batch_, tr("Photos are being optimized already. Another batch can start once this one is done.")))
        return;
    const OptionsDialog& options = dialogs().Options();
    lum::BatchDialog::Request r;
    r.paths = paths;
    r.folder = folder;
    r.photoCount = photoCount;
    r.quality = options.JpegQuality();
    r.progressive = options.Progressive();
    r.targets = options.Targets();
    batch_->Prepare(r);
    batch_->show();
    batch_->raise();
    batch_->activateWindow();
}

void MainWindow::buildTurns(QAction* optimize) {
    struct Item {
        const char* name;
        const char* text;
        lum::PhotoTurn turn;
        Qt::Key key;
    };
    const Item items[] = {
        {"TurnPhotosLeft", QT_TR_NOOP("Rotate &Left"), lum::PhotoTurn::RotateCcw, Qt::Key_BracketLeft},
        {"TurnPhotosRight", QT_TR_NOOP("Rotate Ri&ght"), lum::PhotoTurn::RotateCw, Qt::Key_BracketRight},
        {"TurnPhotos180", QT_TR_NOOP("Rotate &180°"), lum::PhotoTurn::Rotate180, Qt::Key_unknown},
        {"MirrorPhotos", QT_TR_NOOP("&Mirror"), lum::PhotoTurn::MirrorH, Qt::Key_unknown},
        {"FlipPhotos", QT_TR_NOOP("&Flip"), lum::PhotoTurn::MirrorV, Qt::Key_unknown},
        {"StraightenPhotos", QT_TR_NOOP("Str&aighten by Camera Orientation"), lum::PhotoTurn::Upright, Qt::Key_unknown},
    };
    QMenu* listMenu = photoList_->PopupMenu();
    listMenu->setToolTipsVisible(true);
    const QList<QAction*> all = listMenu->actions();
    const int at = static_cast<int>(all.indexOf(optimize));
    QAction* before = at >= 0 && at + 1 < all.size() ? all[at + 1] : nullptr;
    QList<QAction*> turns;
    for (const Item& item : items) {
        auto* a = new QAction(tr(item.text), this);
        a->setObjectName(QLatin1String(item.name));
        if (item.key != Qt::Key_unknown) {
            // Only while the list has the focus: Ctrl+L and Ctrl+R turn the photo in the editor.
            a->setShortcut(QKeySequence(item.key));
            a->setShortcutContext(Qt::WidgetShortcut);
            photoList_->addAction(a);
            if (thumbView_) thumbView_->addAction(a);
        }
        const lum::PhotoTurn turn = item.turn;
        connect(a, &QAction::triggered, this, [this, turn] { Guard([this, turn] { TurnSelectedPhotos(turn); }); });
        listMenu->insertAction(before, a);
        turns << a;
    }
    listMenu->insertSeparator(turns.front());
    if (before) listMenu->insertSeparator(before);
    connect(listMenu, &QMenu::aboutToShow, this, [this, turns] {
        // Offered when a selected photo can be written again in its own format.
        QString refusal;
        bool any = false;
        for (const QString& p : SelectedPhotos()) {
            const lum::FileFormat f = lum::SniffFileFormat(p.toStdString());
            if (lum::CanTurnFormat(f)) any = true;
            else if (refusal.isEmpty() && f == lum::FileFormat::Unknown)
                refusal = tr("%1 is not a photo Lumora can read.").arg(QFileInfo(p).fileName());
            else if (refusal.isEmpty())
                refusal = tr("Lumora cannot write %1 photos, so it cannot turn them; only JPEG and BMP photos can be turned.")
                              .arg(QString::fromLatin1(lum::FormatName(f)));
        }
        if (SelectedPhotos().isEmpty()) refusal = tr("Select one or more photos in the photo list first.");
        for (QAction* a : turns) {
            a->setEnabled(any);
            a->setToolTip(any ? tr("JPEG photos are turned without loss of quality") : refusal);
        }
    });
}

void MainWindow::TurnSelectedPhotos(lum::PhotoTurn turn) {
    const QStringList photos = SelectedPhotosOrSay();
    if (photos.isEmpty()) return;
    if (!batch_) batch_ = new lum::BatchDialog(prompts(), this);
    if (StillRunning(batch_, tr("Photos are being processed already. Another batch can start once this one is done.")))
        return;
    connect(batch_, &lum::BatchDialog::batchFinished, this, &MainWindow::afterBatch, Qt::UniqueConnection);
    batch_->StartTurn(photos, QFileInfo(photos.front()).absolutePath(), turn);
    // One photo turns in a moment; several show their progress.
    if (photos.size() > 1) {
        batch_->show();
        batch_->raise();
    }
}

void MainWindow::afterBatch() {
    if (!batch_ || !batch_->Turning()) return;
    const QStringList written = batch_->WrittenFiles();
    for (const QString& f : written) lum::files::ForgetDesktopThumbnails(f);
    photoList_->Refresh();
    const QString shown = QString::fromStdString(State().file.SourcePath());
    bool turnedShown = false;
    for (const QString& f : written) turnedShown = turnedShown || (!shown.isEmpty() && lum::files::SamePath(f, shown));
    // The photo on screen is read again, unless it holds changes of the user's.
    if (turnedShown && editor().Saved()) SwitchToPhoto(shown);
}

void MainWindow::stopBatch() {
    for (lum::BatchDialog* d : {batch_, exportDialog_}) {
        if (!d) continue;
        d->Cancel();
        d->hide();
    }
}
