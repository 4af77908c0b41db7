// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's creation, start-up, closing and dropping, and its progress window.
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
#include <optional>
#include <utility>

#include "app/PhotoLoader.h"
#include "app/Saving.h"
#include "image/Tables.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "widgets/Icons.h"
#include "widgets/PhotoFiles.h"

namespace {

QString& startupLogoPathStore() {
    static QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/lumora/LumoraLogo.jpg");
    return path;
}

QString droppedPhoto(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (lum::IsPhotoFileName(path) && QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace

// ---------------------------------------------------------------------------------------------

namespace {
const lum::WindowShell::Kind kMainShell{lum::EditorPolicy::MainWindow(), lum::kSaveFilterMain, {"", 36, 42}, false};
}  // namespace

MainWindow::MainWindow(lum::Prompts* prompts, QWidget* parent)
    : WindowShell(kMainShell, prompts, nullptr, parent) {
    setObjectName(QStringLiteral("MemPhotoActionForm"));
    setAcceptDrops(true);
    setWindowIcon(LumoraIcon(QStringLiteral("lumora")));

    buildUi();
    buildMenus();
    buildViewMenu();
    buildToolWindows();
    buildShortcuts();
    buildBatch();
    buildPrint();

    connect(Pane(), &lum::EditPane::BusyChanged, this, [this](bool on, lum::BusyKind kind) {
        if (kind == lum::BusyKind::Progress) showProgress(on);
    });
    connect(Pane(), &lum::EditPane::DoubleClicked, this, [this] { Guard([this] { OpenCompareWindow(); }); });
    connect(Pane(), &lum::EditPane::WorkChanged, this, [this](bool running) {
        // The job has not started yet: the state is still the window's to read.
        if (running) shownAtJobStart_ = shownPhotoFile();
    });

    // Design size, centred on the screen; shown maximized by the start-up.
    resize(1024, 740);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }

    startEditing();
    startUp();
}

QString MainWindow::StartupLogoPath() { return startupLogoPathStore(); }
void MainWindow::SetStartupLogoPath(const QString& path) { startupLogoPathStore() = path; }

// ---------------------------------------------------------------------------------------------
// Activation, closing

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == originalThumbnail_ && e->type() == QEvent::MouseButtonRelease) {
        Guard([this] { OpenCompareWindow(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Work on the photo is under way: the window closes (with its questions) once it is done.
    if (AfterWork([this] { close(); })) {
        e->ignore();
        return;
    }
    // A photo still loading is dropped; the questions are about the one on screen.
    CancelLoad();
    if (!std::exchange(closeAgreed_, false)) {
        // A save that goes on as a job closes the window once it has written the file.
        const std::optional<bool> go = lum::AnswerNow([this](lum::Answered then) { askBeforeLeavingPhoto(QString(), then); },
                                                      [this](bool written) {
                                                          if (!written) return;
                                                          closeAgreed_ = true;
                                                          close();
                                                      });
        if (!go.value_or(false)) {
            // Dismissed, or nothing was written (cancelled, refused or failed): the photo stays
            // open and unsaved, so the next close asks again.
            e->ignore();
            return;
        }
    }
    originalPhotoWindow_->hide();
    progressWindow_->hide();
    stopBatch();
    e->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedPhoto(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    const QString path = droppedPhoto(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // Answer the drag first; the questions of the load must not hold the other program.
    QTimer::singleShot(0, this, [this, path] { Guard([this, path] { OpenPhotoFile(path); }); });
}

// ---------------------------------------------------------------------------------------------
// Progress

void MainWindow::showProgress(bool on) {
    QWidget* w = progressWindow_;
    if (!w) return;
    if (!on) {
        w->hide();
        return;
    }
    // Every long command shows this window; it names the one at work.
    const char* words = Pane()->editor().ProgressWords();
    if (!words) words = QT_TRANSLATE_NOOP("Operation", "Optimizing...");
    const QString text = QCoreApplication::translate("Operation", words);
    for (const char* name : {"ProgressLabel", "ProgressShadowLabel"})
        if (auto* label = w->findChild<QLabel*>(QLatin1String(name))) label->setText(text);
    const QRect g = geometry();
    w->move(g.center() - QPoint(w->width() / 2, w->height() / 2));
    w->show();
    w->raise();
}
