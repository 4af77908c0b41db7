// SPDX-License-Identifier: GPL-3.0-or-later
// The compare window's creation, filling, pane layout, zoom and closing.
#include "app/CompareWindow.h"

#include <QFileInfo>

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QWheelEvent>
#include <memory>
#include <utility>

#include "app/Saving.h"
#include "image/Codec.h"
#include "image/MemoryRoom.h"
#include "view/EditPane.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "widgets/ImageConvert.h"
#include "widgets/PictureLabel.h"
#include "widgets/GradientPanel.h"

namespace {
const lum::WindowShell::Kind kCompareShell{lum::EditorPolicy::CompareWindow(), lum::kSaveFilterCompare,
                                           {"Compare_", 24, 0}, true};
}  // namespace

CompareWindow::CompareWindow(lum::Dialogs& dialogs, lum::Prompts* prompts, QWidget* parent)
    : WindowShell(kCompareShell, prompts, &dialogs, parent, Qt::Window) {
    setObjectName(QStringLiteral("ViewBigEditPhotoForm"));
    setWindowModality(Qt::ApplicationModal);

    buildUi();
    makeSelectionToolbar();
    buildPaintToolbar();
    buildMenus();

    // Both panes always at the same scale: the original follows every zoom of the view.
    connect(View(), &lum::PhotoView::ZoomShown, this,
            [this](int percent) { originalPicture_->SetScale(percent, View()->DeviceRatio()); });
    linkPaneScrolling();
    paneSplitter_->installEventFilter(this);
    // A fill that was stopped by a close request, or work that held it, has ended: close now.
    const auto closeWhenDone = [this] {
        if (closeAfterWork_ && !Pane()->InsideWork()) {
            closeAfterWork_ = false;
            QTimer::singleShot(0, this, [this] { close(); });
        }
    };
    connect(Pane(), &lum::EditPane::BusyChanged, this, [closeWhenDone](bool on, lum::BusyKind) {
        if (!on) closeWhenDone();
    });
    connect(Pane(), &lum::EditPane::Settled, this, closeWhenDone);
    // The original follows the turns, mirrors and new frames of the picture.
    connect(Pane(), &lum::EditPane::HistoryWasChanged, this, [this] { originalMayHaveChanged(); });
    connect(Pane(), &lum::EditPane::Settled, this, [this] { originalMayHaveChanged(); });
    matchPaneMinimums();

    resize(1024, 740);
    startEditing();
}

CompareWindow::~CompareWindow() = default;

CompareWindow::Copies CompareWindow::Copies::Of(const lum::Image& optimized) {
    Copies c;
    c.memory = optimized;
    c.ready = lum::BaselineCopies::Of(c.memory);
    return c;
}

void CompareWindow::Open(QWidget* parent, lum::Dialogs& dialogs, lum::Prompts* prompts, const lum::ComparedPhoto& photo,
                         WhenClosed closed) {
    // The window's own copies of the optimized photo; the original is read from the main window.
    lum::RequireRoom(kFullSizeCopies * uint64_t(photo.optimized->byteSize()), QT_TRANSLATE_NOOP("lum", "open the compare window"));
    auto copies = std::make_shared<Copies>();
    const lum::Image* optimized = photo.optimized;
    auto show = [parent, &dialogs, prompts, photo, copies, closed = std::move(closed)](std::exception_ptr failure) {
        if (failure) {
            closed(std::nullopt, QString());
            std::rethrow_exception(failure);
        }
        auto* form = new CompareWindow(dialogs, prompts, parent);
        form->SetFileInfoText(photo.fileInfo);
        form->SetPhotoFile(photo.photoFile, photo.damaged);
        form->SetPicture(photo.name, photo.folder);
        form->FillCompareWindowReading(std::move(*copies), *photo.original, photo.framing);
        connect(form, &CompareWindow::Closed, form, [form, closed] {
            std::optional<lum::KeptEdits> kept;
            if (form->KeepsEdits())
                kept = lum::KeptEdits{std::move(form->State().picture.Work()), form->KeptFraming()};
            const QString next = form->FileToOpen();
            form->deleteLater();
            closed(std::move(kept), next);
        });
        form->ShowModal();
    };
    auto copy = [copies, optimized] { *copies = Copies::Of(*optimized); };
    if (photo.offload) return photo.offload(copy, show);
    std::exception_ptr failure;
    try {
        copy();
    } catch (...) {
        failure = std::current_exception();
    }
    show(failure);
}

void CompareWindow::SetPhotoFile(const std::string& file, bool damaged) {
    lum::EditState& st = State();
    st.file.SetPhotoFile(file, damaged);
    if (!file.empty()) st.file.SetSaveFolder(lum::FolderPart(file));
}

void CompareWindow::SetPicture(const QString& name, const QString& folder) {
    pictureName_ = name;
    pictureFolder_ = folder;
    RefreshCaption();
}

QString CompareWindow::captionName() const {
    return pictureName_.isEmpty() ? QString() : tr("Comparing %1").arg(pictureName_);
}

void CompareWindow::pictureWritten() {
    const QFileInfo written(QString::fromStdString(State().file.PhotoFile()));
    if (written.fileName().isEmpty()) return RefreshCaption();
    SetPicture(written.fileName(), written.absolutePath());
}

QString CompareWindow::openDialogFolder() const {
    // Where the main window's dialog would start: the compared photo's folder.
    return pictureFolder_.isEmpty() ? WindowShell::openDialogFolder() : pictureFolder_;
}

void CompareWindow::openChosenPhoto(const QString& path) {
    fileToOpen_ = path;
    // The closing question may keep the window open: then nothing is opened.
    if (!close()) fileToOpen_.clear();
}

// ---------------------------------------------------------------------------------------------
// Creation, filling, activation, closing

void CompareWindow::FillCompareWindowReading(const lum::Image& optimized, const lum::Image& original,
                                             const lum::LoadedFraming& framing) {
    FillCompareWindowReading(Copies::Of(optimized), original, framing);
}

void CompareWindow::FillCompareWindowReading(Copies copies, const lum::Image& original,
                                             const lum::LoadedFraming& framing) {
    fill(std::move(copies), original);
    lendOriginal(original, framing);
    // An original handed over before is not needed any more (unless it is the one read now).
    if (&original != &ownOriginal_) ownOriginal_ = lum::Image();
}

void CompareWindow::FillCompareWindow(const lum::Image& optimized, lum::Image original,
                                      const lum::LoadedFraming& framing) {
    // The original shown now may be the one about to be replaced: the fill reads the new one.
    fill(Copies::Of(optimized), original);
    ownOriginal_ = std::move(original);
    originalPhoto_ = &ownOriginal_;
    lendOriginal(ownOriginal_, framing);
}

void CompareWindow::lendOriginal(const lum::Image& original, const lum::LoadedFraming& framing) {
    State().picture.LendLoaded(original, framing);
    shownKey_.reset();
    showOriginalAsFramed();
}

lum::LoadedFraming CompareWindow::KeptFraming() const {
    const lum::PictureImages& pic = State().picture;
    if (&pic.Loaded() == originalPhoto_) return pic.WorkFraming();
    // A new picture made here: nothing of it lines up with the photo as loaded.
    lum::LoadedFraming apart;
    apart.reframed = true;
    return apart;
}

lum::Image CompareWindow::OriginalAsShown(const lum::Image& loaded, const lum::LoadedFraming& framing, int width,
                                          int height) {
    lum::Image turned = lum::OrientImage(loaded, framing.turn);
    const QSize own(turned.width(), turned.height());
    QSize size(width, height);
    if (framing.reframed) size = own.scaled(size, Qt::KeepAspectRatio);
    if (size.isEmpty() || own.isEmpty() || size == own) return turned;
    return lum::FromQImage(lum::QImageView(turned).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void CompareWindow::originalMayHaveChanged() {
    if (std::exchange(originalQueued_, true)) return;
    QTimer::singleShot(0, this, [this] {
        originalQueued_ = false;
        showOriginalAsFramed();
    });
}

void CompareWindow::showOriginalAsFramed() {
    // While a job owns the state nothing reads it: Settled comes once it is over.
    if (editor().JobRunning() || !State().picture.HasPicture()) return;
    const lum::PictureImages& pic = State().picture;
    const lum::Image& loaded = pic.Loaded();
    const OriginalKey key{&loaded, pic.WorkFraming(), pic.Work().width(), pic.Work().height()};
    // After a new picture made here the photo as loaded is the baseline, which changes in place
    // of the key: made again each time.
    const bool lentOrKept = pic.LoadedKept() != nullptr;
    if (lentOrKept && shownKey_ == key) return;
    shownKey_ = key;
    originalNote_->setVisible(key.framing.reframed);
    if (lentOrKept && key.framing == lum::LoadedFraming{} && loaded.width() == key.width &&
        loaded.height() == key.height) {
        // As it is: shared, not copied.
        const std::shared_ptr<const lum::Image> before = std::exchange(heldOriginal_, pic.LoadedKept());
        showOriginal(lum::QImageView(loaded));
        builtOriginal_ = lum::Image();
        return;
    }
    auto built = std::make_shared<lum::Image>();
    editor().Offload(
        [this, built, key] { *built = OriginalAsShown(State().picture.Loaded(), key.framing, key.width, key.height); },
        [this, built, key](std::exception_ptr failure) {
            if (!(shownKey_ == key)) return;  // asked again meanwhile
            if (failure) {
                shownKey_.reset();
                return Guard([&] { std::rethrow_exception(failure); });
            }
            const lum::Image before = std::exchange(builtOriginal_, std::move(*built));
            showOriginal(lum::QImageView(builtOriginal_));
            heldOriginal_.reset();
        });
}

void CompareWindow::fill(Copies copies, const lum::Image& original) {
    lum::EditState& st = State();
    // 1. The memo: one line for the text before each "#".
    PhotoFileNameMemo->clear();
    const QString info = QString::fromStdString(st.file.InfoText());
    const QStringList parts = info.split(QLatin1Char('#'));
    for (int i = 0; i + 1 < parts.size(); ++i) PhotoFileNameMemo->appendPlainText(parts[i]);
    PhotoFileNameMemo->moveCursor(QTextCursor::Start);
    // 2, 3. No selection, 100 %, scrolled to the top-left corner.
    editor().ClearSelection();
    st.selection.Drop();
    st.zoom.SetSlot(lum::kHundredPercentSlot);
    View()->ScrollToTopLeft();
    // 4, 5, 6. The photos, then the commit at 100 %: the photo handed in is the saved state,
    // where the history starts. Both copies of the optimized photo were made before either
    // takes its place.
    st.picture.Baseline() = std::move(copies.memory);
    showOriginal(QImage());  // the label may still show the pixels about to be replaced
    originalPhoto_ = &original;
    editor().CommitMemoryImage(lum::CommitMode::Compare100, &copies.ready);
    // A photo bigger than its pane opens fitted, once the window has its size; a smaller one
    // stays at 100 %.
    View()->CommitLaidOut(true);
    editor().MarkSaved();
    // Half the window each, and the view redrawn. The main window's caption keeps naming its
    // own picture.
    ShowBothPanes();
    View()->Refit();  // a window already shown gets no resize to fit it
    editor().Redraw();
}

void CompareWindow::showOriginal(const QImage& shown) { originalPicture_->SetPicture(shown); }

void CompareWindow::linkPaneScrolling() {
    // The panes show the same place of the photo: a scroll of either moves the other. The guard
    // keeps a pane whose range is shorter (a dragged splitter) from pulling the first one back.
    auto link = [this](QScrollBar* from, QScrollBar* to) {
        connect(from, &QScrollBar::valueChanged, this, [this, to](int v) {
            if (scrollLinking_) return;
            scrollLinking_ = true;
            to->setValue(v);
            scrollLinking_ = false;
        });
        // A zoom resizes the original's label after the view has scrolled: catch up then.
        connect(to, &QScrollBar::rangeChanged, this, [this, from, to] {
            if (scrollLinking_ || !from->isVisible()) return;
            scrollLinking_ = true;
            to->setValue(from->value());
            scrollLinking_ = false;
        });
    };
    link(View()->horizontalScrollBar(), originalScroll_->horizontalScrollBar());
    link(View()->verticalScrollBar(), originalScroll_->verticalScrollBar());
    link(originalScroll_->horizontalScrollBar(), View()->horizontalScrollBar());
    link(originalScroll_->verticalScrollBar(), View()->verticalScrollBar());
    // Ctrl+wheel over the original zooms both panes about the same point.
    originalScroll_->viewport()->installEventFilter(this);
}

bool CompareWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == paneSplitter_ && e->type() == QEvent::Resize) shareEvenly();
    if (watched == originalScroll_->viewport() && e->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(e);
        if (wheel->modifiers() & Qt::ControlModifier) {
            QCoreApplication::sendEvent(View()->viewport(), wheel);
            return true;
        }
    }
    return WindowShell::eventFilter(watched, e);
}

void CompareWindow::ShowModal() {
    showMaximized();
    // The keys start on the photo, not on the first of the buttons.
    View()->setFocus(Qt::OtherFocusReason);
}

void CompareWindow::closeEvent(QCloseEvent* e) {
    if (Pane()->InsideWork()) {
        // A fill is letting events through, or work runs: stop it, and close once it has
        // returned.
        Pane()->StopWork();
        closeAfterWork_ = true;
        e->ignore();
        return;
    }
    if (Changed() && !std::exchange(closeAgreed_, false)) {
        // A save that goes on as a job closes the window once it has written the file.
        const std::optional<bool> go = lum::AnswerNow([this](lum::Answered then) { mayCloseWithChanges(then); },
                                                      [this](bool mayClose) {
                                                          if (!mayClose) return;
                                                          closeAgreed_ = true;
                                                          close();
                                                      });
        if (!go.value_or(false)) {
            e->ignore();
            return;
        }
    }
    rememberToolbars();
    e->accept();
    emit Closed();
}

void CompareWindow::mayCloseWithChanges(lum::Answered then) {
    // Losing the edits silently is never right: each answer says what becomes of them, and
    // Escape keeps the window open.
    const QString name = QString::fromStdString(lum::FileNamePart(State().file.PhotoFile()));
    const QString what = name.isEmpty() ? tr("The picture was changed in this window.")
                                        : tr("The optimized photo \"%1\" was changed in this window.").arg(name);
    const QString text = what + QStringLiteral("\n\n") +
                         tr("Save the changes to a file, keep them in the main window (where they can be saved or "
                            "undone later), or discard them?");
    enum { kSave, kKeep, kDiscard, kCancel };
    const std::vector<std::string> buttons = {tr("&Save to a File...").toStdString(),
                                              tr("&Keep in the Main Window").toStdString(),
                                              tr("&Discard the Changes").toStdString(), tr("Cancel").toStdString()};
    switch (prompts().AskChoice(tr("Close the Compare Window").toStdString(), text.toStdString(), buttons, kKeep,
                                kCancel)) {
        case kSave: {
            // A save that wrote nothing (cancelled, replace refused, failed) keeps the window.
            bool asked = false;
            Guard([&] {
                SaveFromMenu(then);
                asked = true;
            });
            if (!asked) then(false);
            return;
        }
        case kKeep: keepEdits_ = true; return then(true);
        case kDiscard: return then(true);
        default: return then(false);
    }
}

void CompareWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    shareEvenly();
}

void CompareWindow::shareEvenly() {
    // Until the user drags the splitter, the panes share its width evenly, also when a toolbar
    // beside them comes or goes.
    if (paneSplitter_ && originalPane_->isVisible() && optimizedPane_->isVisible() &&
        !paneSplitter_->property("dragged").toBool())
        setOriginalPaneWidth(evenShare());
}

// ---------------------------------------------------------------------------------------------
// Pane layout

void CompareWindow::settleLayout() {
    // Shown and hidden panels take their places now, so the sizes read next are the new ones.
    if (QLayout* l = centralWidget()->layout()) l->activate();
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void CompareWindow::matchPaneMinimums() {
    // The buttons over the optimized photo make its pane the wider at the smallest: the original's
    // is given the same, so an even share gives both photos one place (the window's least width
    // stays within 1024 pixels, all buttons shown).
    originalPane_->setMinimumWidth(
        std::max(originalPane_->minimumSizeHint().width(), optimizedPane_->minimumSizeHint().width()));
}

int CompareWindow::evenShare() {
    // Both panes exactly alike: the handle between them takes the odd pixel.
    paneSplitter_->setHandleWidth(kPaneHandle + (paneSplitter_->width() - kPaneHandle) % 2);
    return (paneSplitter_->width() - paneSplitter_->handleWidth()) / 2;
}

void CompareWindow::setOriginalPaneWidth(int w) {
    const int total = paneSplitter_->width() - paneSplitter_->handleWidth();
    w = std::max(0, std::min(w, total));
    paneSplitter_->setSizes({w, std::max(0, total - w)});
}

void CompareWindow::ShowBothPanes() {
    topPanel_->setVisible(true);
    optimizedPane_->setVisible(true);
    originalPane_->setVisible(true);
    paneSplitter_->setProperty("dragged", false);
    matchPaneMinimums();
    settleLayout();
    setOriginalPaneWidth(evenShare());
}

void CompareWindow::ShowOriginalFullScreen() {
    topPanel_->setVisible(false);
    originalPane_->setVisible(true);
    optimizedPane_->setVisible(false);
    settleLayout();
    paneSplitter_->setSizes({paneSplitter_->width(), 0});
}

void CompareWindow::ShowOptimizedFullScreen() {
    topPanel_->setVisible(false);
    optimizedPane_->setVisible(true);
    originalPane_->setVisible(false);
    settleLayout();
}

// ---------------------------------------------------------------------------------------------
// Zoom

