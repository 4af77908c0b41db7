// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's photo: picking and loading it, its file information and thumbnail, and the
// buttons around it that are not operations (undo, save, compare, the thumbnail window).
#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/Program.h"
#include "app/MainWindow.h"
#include "files/FileOps.h"
#include "app/PhotoLoader.h"
#include "app/Saving.h"
#include "image/Arith.h"
#include "image/Codec.h"
#include "image/PhotoNotice.h"
#include "view/FolderTree.h"
#include "view/EditPane.h"
#include "view/PhotoList.h"
#include "view/PhotoView.h"
#include "widgets/ImageConvert.h"
#include "widgets/QtPrompts.h"

namespace {

// The freed buffers kept for small photos: a few of their copies.
constexpr size_t kLeastBufferReserve = size_t(64) << 20;

// The long time format of the locale without the time zone.
QString longTimeFormat(const QLocale& locale) {
    QString f = locale.timeFormat(QLocale::LongFormat);
    f.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return f.trimmed();
}

// Thumbnail size: a side of exactly 200 counts with the smaller photos, so a 200 x 150 photo is
// its own thumbnail and a 200 x 300 one is scaled to 133 x 200; every photo gets a thumbnail.
QSize thumbnailSize(int w, int h) {
    if (w <= 200 && h <= 200) return QSize(w, h);
    int tw, th;
    if (w <= 200) {  // and h > 200
        th = 200;
        tw = lum::roundHalfEven(w * 200.0 / h);
    } else if (h <= 200) {  // and w > 200
        tw = 200;
        th = lum::roundHalfEven(h * 200.0 / w);
    } else {
        const double sw = 200.0 / w, sh = 200.0 / h;
        if (sw > sh) {  // portrait
            tw = 200;
            th = lum::roundHalfEven(h * sw);
        } else {
            th = 200;
            tw = lum::roundHalfEven(w * sh);
        }
    }
    return QSize(std::max(tw, 1), std::max(th, 1));
}

// The zoom a loaded photo of w x h is first shown at in a view of W x H: the commit's fit, or
// slot 7 (100 %), where the load puts the zoom, when it fits as it is.
int firstZoom(int asItIs, int w, int h, int W, int H) {
    const int fit = lum::ZoomState::FitPercent(w, h, W, H);
    return fit > 0 ? fit : asItIs;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Picking and loading

void MainWindow::OpenPickedListEntry() {
    const QString picked = photoList_->ActivatedPath();
    const lum::Words special = picked.isEmpty() ? lum::Words() : lum::SpecialFileRefusal(picked.toStdString());
    if (!special.empty()) {
        // A pipe or a device: said so, and nothing else changes.
        prompts().Error(lum::Worded(special).toStdString());
        ShowPhotoInList(true);
    } else if (!picked.isEmpty() && QFileInfo(picked).isFile()) {
        // Asked only when a photo is really replacing the shown one: a click on a folder, the
        // parent entry or the photo already shown keeps it (and its unsaved state) on screen.
        if (!pending_ && !ShownPhoto().isEmpty() && lum::files::SamePath(picked, ShownPhoto()))
            ShowPhotoInList(true);
        else
            SwitchToPhoto(picked);
    } else if (!picked.isEmpty()) {
        folderTree_->SetSelectedPath(picked);
    }
}

void MainWindow::OpenPhotoFile(const QString& path) {
    const lum::Words special = lum::SpecialFileRefusal(path.toStdString());
    if (!special.empty()) {
        prompts().Error(lum::Worded(special).toStdString());
        return;
    }
    if (!QFileInfo(path).isFile()) {
        prompts().Error(tr("%1 was not found.").arg(path).toStdString());
        return;
    }
    SwitchToPhoto(QFileInfo(path).absoluteFilePath());
}

bool MainWindow::SwitchToPhoto(const QString& path) {
    if (AfterWork([this, path] { Guard([&] { SwitchToPhoto(path); }); })) return false;
    const QString file = QFileInfo(path).absoluteFilePath();
    // Already on its way: nothing to start again.
    if (pending_ && loader().PendingPath() == file) return false;
    if (!QFileInfo(file).isFile()) {
        ShowPhotoInList(false);
        return false;
    }
    // While a photo loads, leaving the one on screen was agreed on already, and nothing has
    // changed since: no new question.
    if (pending_) {
        startLoad(file, LoadPurpose::Switch);
        return true;
    }
    // Once the question is answered (and a save asked for has written the file).
    const auto go = [this, file](bool leave) {
        if (!leave) return ShowPhotoInList(false);
        startLoad(file, LoadPurpose::Switch);
    };
    const std::optional<bool> now =
        lum::AnswerNow([this, file](lum::Answered then) { askBeforeLeavingPhoto(QFileInfo(file).fileName(), then); },
                       [this, go](bool leave) { Guard([&] { go(leave); }); });
    if (!now) return true;
    go(*now);
    return *now;
}

bool MainWindow::LoadPhoto(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    if (AfterWork([this, path] { Guard([&] { LoadPhoto(path); }); })) return true;
    startLoad(QFileInfo(path).absoluteFilePath(), LoadPurpose::Logo);
    return true;
}

// A load still under way when the window goes: its hourglass goes first, while the pane it acts
// on is still there.
MainWindow::~MainWindow() { endLoad(); }

lum::PhotoLoader& MainWindow::loader() {
    if (!loader_) {
        lum::PhotoLoader::Handlers h;
        h.loaded = [this](lum::PhotoLoader::Photo& p) {
            DecodedPhoto photo;
            photo.image = std::move(p.image);
            photo.metadata = std::move(p.metadata);
            photo.report = p.report;
            photo.source = p.source;
            photo.copies = std::move(p.copies);
            Guard([&] { loadDone(std::move(photo)); });
        };
        h.preview = [this](lum::PhotoLoader::Preview& p) {
            if (!pending_) return;
            int W = 0, H = 0;
            Pane()->ViewOuterSize(W, H);
            View()->ShowPreview(std::move(p.image), p.width, p.height,
                                firstZoom(State().zoom.PercentAt(lum::kHundredPercentSlot), p.width, p.height, W, H));
        };
        h.failed = [this](const QString& path, std::exception_ptr error) {
            Guard([&] { loadFailed(path, error); });
        };
        loader_ = std::make_unique<lum::PhotoLoader>(std::move(h));
    }
    return *loader_;
}

void MainWindow::startLoad(const QString& path, LoadPurpose purpose) {
    if (!pending_) {
        // The loader drops a photo superseded by a newer one; the hourglass stays for it. The
        // photo list, the keys that step through the photos, Exit and Help stay live; what would
        // touch the photo on screen is greyed until the next one is shown.
        pending_ = std::make_unique<PendingLoad>();
        pending_->hourglass = std::make_unique<lum::Editor::BusyScope>(*Pane(), lum::BusyKind::Hourglass);
        HoldPictureCommands(true);
    }
    pending_->path = path;
    pending_->purpose = purpose;
    // The photo on screen stays until the next one is shown, but not its source copy: the next
    // photo's decode takes its place.
    editor().DropSourceCopy();
    View()->EndPreview();  // of a photo no longer wanted
    int W = 0, H = 0;
    Pane()->ViewOuterSize(W, H);
    const int asItIs = State().zoom.PercentAt(lum::kHundredPercentSlot);  // the worker reads only what it was given
    loader().Load(path, [asItIs, W, H](int w, int h) { return firstZoom(asItIs, w, h, W, H); }, true);
}

void MainWindow::endLoad() {
    // The commands come back before the hourglass goes, so the cursor returns to a window taking input.
    if (pending_) HoldPictureCommands(false);
    pending_.reset();
}

void MainWindow::CancelLoad() {
    if (!pending_) return;
    loader().Cancel();
    View()->EndPreview();
    endLoad();
    ShowPhotoInList(false);
    emit LoadEnded(false);
}

void MainWindow::loadDone(DecodedPhoto&& photo) {
    if (!pending_) return;
    const QString file = pending_->path;
    const LoadPurpose purpose = pending_->purpose;
    endLoad();
    const lum::DecodeReport report = photo.report;
    if (purpose == LoadPurpose::Logo) {
        showDecodedPhoto(file, std::move(photo));
        // The logo is no photo of the user's: nothing to switch away from or save.
        originalPhotoWindow_->hide();
        State().file.ForgetPhoto();
        logoShown_ = State().picture.HasPicture();
        RefreshCaption();
    } else {
        editor().DropSelectionAndTool();
        editor().Macro().Close();
        lum::EditState& st = State();
        // The folder of the photo itself: the tree may have recorded a folder clicked in the
        // list since it last listed this one.
        st.file.SetCurrentFolder(QFileInfo(file).absolutePath().toStdString());
        st.file.SetSaveFolder(st.file.CurrentFolder());
        st.file.SetCurrentFileName(file.toStdString());
        showDecodedPhoto(file, std::move(photo));
        followPhotoFolder();
    }
    emit LoadEnded(true);
    showLoadNotice(file, report);
}

void MainWindow::loadFailed(const QString& path, std::exception_ptr error) {
    if (!pending_) return;
    const LoadPurpose purpose = pending_->purpose;
    endLoad();
    View()->EndPreview();
    // Nothing changed: the list goes back to the photo on screen, the keyboard stays on the
    // one that failed so the next key moves past it.
    if (purpose == LoadPurpose::Switch) ShowPhotoInList(true);
    emit LoadEnded(false);
    try {
        if (error) std::rethrow_exception(error);
        throw std::runtime_error("Unexpected error");
    } catch (const std::exception& e) {
        showLoadFailure(path, e);
    } catch (...) {
        showLoadFailure(path, std::runtime_error(tr("Unexpected error").toStdString()));
    }
}

void MainWindow::showLoadFailure(const QString& path, const std::exception& error) {
    prompts().Error(lum::Worded(lum::NoticeForFailure(QDir::toNativeSeparators(path).toStdString(), error).words).toStdString());
}

void MainWindow::showLoadNotice(const QString& path, const lum::DecodeReport& report) {
    const lum::PhotoNotice notice = lum::NoticeForLoad(QDir::toNativeSeparators(path).toStdString(), report);
    if (notice.state != lum::PhotoState::Damaged) {
        if (!notice.text.empty()) prompts().Message(lum::Worded(notice.words).toStdString());
        return;
    }
    // Shown over the photo: what the damage means in plain words, that a save keeps what is
    // on screen (the rest is grey), then the decoder's own words.
    const QString meaning = lum::Worded(lum::DamageMeaning(notice.damage));
    const QString text = QCoreApplication::translate("PhotoNotice",
                                                     "%1 is damaged: %2. Saving it keeps the picture as shown.\n\n"
                                                     "The decoder said: %3")
                             .arg(QDir::toNativeSeparators(path), meaning, lum::Worded(lum::DecoderWords(report)));
    prompts().Message(text.toStdString());
}

void MainWindow::showDecodedPhoto(const QString& path, DecodedPhoto&& photo) {
    lum::EditState& st = State();
    // Laid out just below at the size the preview had.
    View()->EndPreview();
    st.selection.End();
    st.zoom.SetSlot(lum::kHundredPercentSlot);
    View()->ScrollToTopLeft();
    st.file.PhotoJustLoaded();
    st.file.SetPhotoFile(QFileInfo(path).absoluteFilePath().toStdString(), photo.report.damaged());
    showFileInfo(path, photo.image.width(), photo.image.height());

    st.picture.Baseline() = std::move(photo.image);
    st.file.SetMetadata(std::move(photo.metadata));
    st.file.TookSource(QFileInfo(path).absoluteFilePath().toStdString(), photo.source);
    buildThumbnail(st.picture.Baseline());
    editor().CommitMemoryImage(lum::CommitMode::Normal, &photo.copies);
    // The buffers given back are kept for the next photo only as far as one copy of this one
    // (at least a little room for small photos): the rest of the photo closed goes back to the
    // system.
    lum::Image::SetBufferReserve(std::min(lum::Program::kBufferReserveBytes,
                                          std::max(st.picture.Work().byteSize(), kLeastBufferReserve)));
    logoShown_ = false;
    editor().Redraw();
    RefreshCaption();
}

void MainWindow::showFileInfo(const QString& path, int width, int height) {
    const QLocale locale;
    const QDateTime stamp = QFileInfo(path).lastModified().toLocalTime();
    const QString date =
        locale.toString(stamp.date(), QLocale::ShortFormat) + QLatin1Char(' ') + stamp.time().toString(longTimeFormat(locale));
    const QString sizeLine = tr("Width: %1  Height: %2").arg(width).arg(height);
    const QString dateLine = tr("Modified: %1").arg(date);
    PhotoFileNameMemo->clear();
    PhotoFileNameMemo->appendPlainText(path);
    PhotoFileNameMemo->appendPlainText(sizeLine);
    PhotoFileNameMemo->appendPlainText(dateLine);
    State().file.SetInfoText(
        (path + QLatin1Char('#') + sizeLine + QLatin1Char('#') + dateLine + QLatin1Char('#')).toStdString());
}

void MainWindow::buildThumbnail(const lum::Image& photo) {
    const int w = photo.width(), h = photo.height();
    if (w <= 0 || h <= 0) return;
    const QSize size = thumbnailSize(w, h);
    const QImage src = lum::QImageView(photo);
    if (size == QSize(w, h)) {
        thumbnail_ = src.copy();  // the tool window keeps its size
    } else {
        thumbnail_ = src.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        originalPhotoWindow_->resize(size.width() + 20, size.height() + 20);
    }
    originalThumbnail_->setPixmap(QPixmap::fromImage(thumbnail_));
}

// ---------------------------------------------------------------------------------------------
// Buttons

void MainWindow::OpenCompareWindow() {
    if (!compareOpener_ || !State().picture.HasPicture() || editor().JobRunning()) return;
    openAfterCompare_.clear();
    // The compare window's copies take the place of the source copy, which the next operation
    // here makes again.
    editor().DropSourceCopy();
    const lum::EditState& st = State();
    lum::ComparedPhoto photo{st.file.InfoText(),    &st.picture.Work(), &st.picture.Loaded(),
                             st.file.PhotoFile(),   st.file.PhotoDamaged(), PictureName(),
                             OpenDialogFolder(),    {},                 st.picture.WorkFraming()};
    photo.offload = [this](std::function<void()> work, std::function<void(std::exception_ptr)> then) {
        editor().Offload(std::move(work), std::move(then));
    };
    // The window is a modal visit of ours until it closes.
    BeginModalVisit();
    bool opened = false;
    struct EndVisit {
        MainWindow& w;
        const bool& opened;
        ~EndVisit() {
            if (!opened) w.EndModalVisit();
        }
    } endVisit{*this, opened};
    compareOpener_(this, photo, [this](std::optional<lum::KeptEdits> kept) {
        EndModalVisit();
        Guard([&] {
            if (kept) editor().ReplaceWorkImage(std::move(kept->image), kCompareEditsLabel, kept->framing);
            keepFolderInView();
            // File > Open there: the photo chosen opens here, as a click in the list would.
            const QString next = std::exchange(openAfterCompare_, QString());
            if (!next.isEmpty()) OpenPhotoFile(next);
        });
    });
    opened = true;
}

void MainWindow::ToggleThumbnailWindow() {
    QWidget* w = originalPhotoWindow_;
    if (w->isVisible()) {
        w->hide();
        return;
    }
    if (!w->property("placed").toBool()) {
        // First time: next to the photo area's top right corner.
        const QPoint corner = View()->mapToGlobal(QPoint(View()->width(), 0));
        w->move(corner - QPoint(w->width() + 24, -8));
        w->setProperty("placed", true);
    }
    w->show();
    w->raise();
}

