// The main window's creation, activation, closing and dropping, and its guard and prompts.
#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <cstdlib>
#include <ctime>

#include "app/ChooserLink.h"
#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "app/PhotoLoader.h"
#include "app/Saving.h"
#include "app/WindowPrompts.h"
#include "compose/PictureChooser.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "view/SelectionToolbar.h"
#include "widgets/BusyFeedback.h"
#include "widgets/Icons.h"

namespace {

QString& startupLogoPathStore() {
    static QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/lumora/LumoraLogo.jpg");
    return path;
}

bool isJpegName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

QString droppedPhoto(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (isJpegName(path) && QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TMemPhotoActionForm::TMemPhotoActionForm(lum::Prompts* prompts, QWidget* parent)
    : QMainWindow(parent),
      // When a question returns, the window is the active one again, as after any modal window of ours.
      prompts_(std::make_unique<lum::WindowPrompts>(
          this, prompts, [this]() -> lum::Dialogs& { return dialogs(); },
          [this](const std::function<int()>& f) { return execModal(f); })),
      editor_(lum::EditorPolicy::MainWindow(), prompts_.get()),
      chooserLink_(std::make_unique<lum::ChooserFileList>([this]() -> lum::Dialogs& { return dialogs(); })) {
    lum::EnsureLumoraResources();
    prompts_->SetEditState(&editor_.State());
    setObjectName(QStringLiteral("MemPhotoActionForm"));
    setWindowTitle(QStringLiteral("Tarnel Lumora"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setAcceptDrops(true);
    setWindowIcon(LumoraIcon(QStringLiteral("lumora")));

    buildUi();
    buildMenus();
    buildToolWindows();
    buildShortcuts();

    editor_.ReadOptions = [this](lum::BalanceTargets& t) { t = options().Targets(); };
    connect(pane_, &lum::EditPane::BusyChanged, this, [this](bool on, lum::BusyKind kind) {
        if (kind == lum::BusyKind::Progress) showProgress(on);
    });
    connect(pane_, &lum::EditPane::SelectionWasCleared, this, [this] { SelectionToolbar->ShowTool(0); });
    connect(pane_, &lum::EditPane::DoubleClicked, this, [this] { guard([this] { PaintBox1DblClick(); }); });

    // Design size, centred on the screen; shown maximized by the start-up.
    resize(1024, 740);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }

    FormCreate();
}

TMemPhotoActionForm::~TMemPhotoActionForm() {
    editor_.Macro().SetMenu(nullptr);
    // The pane is the editor's host; it goes before the editor does.
    delete pane_;
    pane_ = nullptr;
}

lum::PhotoView* TMemPhotoActionForm::View() const { return pane_->View(); }

lum::Prompts& TMemPhotoActionForm::prompts() { return *prompts_; }

void TMemPhotoActionForm::SetPrompts(lum::Prompts* prompts) { prompts_->SetInner(prompts); }

void TMemPhotoActionForm::SetDialogs(lum::Dialogs* dialogs) { dialogs_ = dialogs; }

lum::Dialogs& TMemPhotoActionForm::dialogs() {
    if (dialogs_) return *dialogs_;
    if (!ownDialogs_) ownDialogs_ = std::make_unique<lum::Dialogs>(this);
    return *ownDialogs_;
}

const TEform2& TMemPhotoActionForm::options() { return dialogs().Options(); }

lum::PhotoSaving& TMemPhotoActionForm::saving() {
    if (!saving_) {
        saving_ = std::make_unique<lum::PhotoSaving>(editor_, prompts(), options(), chooserLink_.get());
        saving_->SetFilter(lum::kSaveFilterMain);
    }
    return *saving_;
}

QString TMemPhotoActionForm::StartupLogoPath() { return startupLogoPathStore(); }
void TMemPhotoActionForm::SetStartupLogoPath(const QString& path) { startupLogoPathStore() = path; }

QString TMemPhotoActionForm::HomePageUrl() { return QStringLiteral("https://www.tarnel.example/lumora/"); }
QString TMemPhotoActionForm::ManualPageUrl() { return QStringLiteral("https://www.tarnel.example/lumora/manual/"); }

// ---------------------------------------------------------------------------------------------
// Creation, activation, closing

void TMemPhotoActionForm::FormCreate() {
    lum::EditState& st = State();
    // 1. Zoom table.
    static const int32_t kZoom[12] = {10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400, 800};
    for (int i = 0; i < 12; ++i) st.ZoomTable[static_cast<size_t>(i) + 1] = kZoom[i];
    // 2. Document strings.
    st.SaveFolder.clear();
    st.NewImagePending = false;
    // 3. The default macro; the recorder drives "&Close" and "&Execute".
    editor_.Macro().InstallDefaults();
    editor_.Macro().SetMenu(&menus_);
    // 4. Tool cursors by index.
    lum::RegisterDesignToolCursors();
    // 5. The sharpening kernel is the current one; 6. tool state.
    st.Kernel = lum::InitialKernelRegister();
    st.DragActive = false;
    st.ToolMode = 0;
    st.ZoomIndex = 7;
    st.FloatActive = false;
    // 7. The spray and noise tools draw from the C generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // 8. Tone table.
    (void)lum::ToneTable();
    // 9. The images.
    for (lum::Image* img : {&st.MemoryImage, &st.WorkImage, &st.SourceImage, &st.MoveBuffer,
                            &st.SelectionImage})
        img->resize(8, 8);
    st.SelectionActive = 0;
    // 10. Current folder.
    st.CurrentFolder = QDir::currentPath().toStdString();
    // 11. The start-up logo is shown once the window has its size, so the fit sees the real
    //     photo area (see showEvent).
    logoPending_ = QFileInfo(StartupLogoPath()).isFile();
    // 12. Flags.
    st.PhotoLoaded = false;
    st.Saved = true;
    st.Optimized = false;
}

void TMemPhotoActionForm::FormActivate() { State().CurrentFileName.clear(); }

void TMemPhotoActionForm::OpenAfterStart(const QString& path) {
    pendingOpen_ = path;
    if (started_) {
        const QString p = pendingOpen_;
        pendingOpen_.clear();
        guard([this, p] { OpenPhotoFile(p); });
    }
}

void TMemPhotoActionForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, [this] {
        if (logoPending_) {
            logoPending_ = false;
            guard([this] { LoadPhoto(StartupLogoPath()); });
            // The logo is no photo of the user's: nothing to switch away from or save.
            ViewOrginalPhotoToolWindow->hide();
            State().PhotoLoaded = false;
            State().Saved = true;
            State().Optimized = false;
        }
        if (!pendingOpen_.isEmpty()) {
            const QString p = pendingOpen_;
            pendingOpen_.clear();
            guard([this, p] { OpenPhotoFile(p); });
        }
    });
}

bool TMemPhotoActionForm::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowDeactivate: {
            // Our own modal windows report their return themselves; an activation that only
            // ends a visit to a window of ours is not a new activation.
            QWidget* now = QApplication::activeWindow();
            deactivatedByOwnWindow_ = modalDepth_ > 0 || (now != nullptr && now != this);
            break;
        }
        case QEvent::WindowActivate:
            // The first activation is the start-up itself, with nothing to clear yet.
            if (!firstActivationSeen_) firstActivationSeen_ = true;
            else if (!deactivatedByOwnWindow_) FormActivate();
            deactivatedByOwnWindow_ = false;
            break;
        default:
            break;
    }
    return QMainWindow::event(e);
}

bool TMemPhotoActionForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ShowOrginalImage && e->type() == QEvent::MouseButtonRelease) {
        guard([this] { ShowOrginalImageClick(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void TMemPhotoActionForm::closeEvent(QCloseEvent* e) {
    if (State().HasPicture && !State().Saved) {
        const lum::Prompts::Answer answer = prompts().AskYesNoCancel(
            "Save or not?", "The photo have be optimized. Do you want to save it before leave Lumora?");
        bool written = false;
        if (answer == lum::Prompts::Answer::Yes) guard([this, &written] { written = SaveAndReplacePhotoSpeedButtonClick(); });
        if (answer == lum::Prompts::Answer::Cancel || (answer == lum::Prompts::Answer::Yes && !written)) {
            // Dismissed, or nothing was written (cancelled, refused or failed): the photo stays
            // open and unsaved, so the next close asks again.
            e->ignore();
            return;
        }
    }
    ViewOrginalPhotoToolWindow->hide();
    ProcessingProgressToolWindow->hide();
    e->accept();
}

void TMemPhotoActionForm::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedPhoto(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TMemPhotoActionForm::dropEvent(QDropEvent* e) {
    const QString path = droppedPhoto(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // Answer the drag first; the questions of the load must not hold the other program.
    QTimer::singleShot(0, this, [this, path] { guard([this, path] { OpenPhotoFile(path); }); });
}

// ---------------------------------------------------------------------------------------------
// Guard, modal visits, progress

void TMemPhotoActionForm::guard(const std::function<void()>& f) { pane_->Guard(f); }

int TMemPhotoActionForm::execModal(const std::function<int()>& run) {
    ++modalDepth_;
    int result = 0;
    try {
        result = run();
    } catch (...) {
        --modalDepth_;
        FormActivate();
        throw;
    }
    --modalDepth_;
    FormActivate();
    return result;
}

void TMemPhotoActionForm::showProgress(bool on) {
    QWidget* w = ProcessingProgressToolWindow;
    if (!w) return;
    if (!on) {
        w->hide();
        return;
    }
    const QRect g = geometry();
    w->move(g.center() - QPoint(w->width() / 2, w->height() / 2));
    w->show();
    w->raise();
    // On screen with its picture and text before the work starts, not as an empty frame.
    lum::PaintShownWindow(w);
}
