// SPDX-License-Identifier: GPL-3.0-or-later
// The window shell's creation, activation, guard and modal visits, saving and caption.
#include "app/WindowShell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>

#include "app/ChooserLink.h"
#include "app/Dialogs.h"
#include "app/HelpWindow.h"
#include "widgets/PhotoFiles.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "app/AboutDialog.h"
#include "app/WindowPrompts.h"
#include "editing/SelectionTools.h"
#include "app/WindowSettings.h"
#include "view/EditPane.h"
#include "view/PhotoFixTools.h"
#include "view/PhotoView.h"
#include "view/SelectionToolbar.h"
#include "widgets/Icons.h"

namespace lum {

WindowShell::WindowShell(const Kind& kind, Prompts* prompts, Dialogs* dialogs, QWidget* parent,
                         Qt::WindowFlags flags)
    : QMainWindow(parent, flags),
      kind_(kind),
      // When a question returns, the window is the active one again, as after any modal window of ours.
      prompts_(std::make_unique<WindowPrompts>(
          this, prompts, [this]() -> Dialogs& { return this->dialogs(); },
          [this](const std::function<int()>& f) { return ExecModal(f); })),
      editor_(kind.policy, prompts_.get()),
      chooserLink_(std::make_unique<ChooserFileList>([this]() -> Dialogs& { return this->dialogs(); })),
      dialogs_(dialogs) {
    EnsureLumoraResources();
    prompts_->SetEditState(&editor_.State());
    setWindowTitle(tr("Tarnel Lumora"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    editor_.ReadOptions = [this](BalanceTargets& t) { t = this->dialogs().Options().Targets(); };
}

WindowShell::~WindowShell() {
    // A job still under way stops first: it reads the editor and asks the pane.
    if (pane_) pane_->AbandonJobs();
    editor_.Macro().SetMenu(nullptr);
    // The pane is the editor's host; it goes before the editor does.
    delete pane_;
    pane_ = nullptr;
}

PhotoView* WindowShell::View() const { return pane_->View(); }

Prompts& WindowShell::prompts() { return *prompts_; }

void WindowShell::SetPrompts(Prompts* prompts) { prompts_->SetInner(prompts); }

void WindowShell::SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

Dialogs& WindowShell::dialogs() {
    if (dialogs_) return *dialogs_;
    if (!ownDialogs_) ownDialogs_ = std::make_unique<Dialogs>(this);
    return *ownDialogs_;
}

EditPane* WindowShell::makePane(QWidget* parent) {
    pane_ = new EditPane(editor_, parent);
    fixes_ = new PhotoFixTools(
        pane_, [this](const char* name, const OpArgs& args) { return RunOperation(name, args); },
        PhotoFixTools::Memory{[](const char* key) { return WindowSettings::Text(key); },
                              [](const char* key, const QString& value) { WindowSettings::SetText(key, value); }});
    connect(pane_, &EditPane::SelectionWasCleared, this, [this] { selectionToolbar_->ShowTool(ToolMode::None); });
    connect(pane_, &EditPane::WorkChanged, this, &WindowShell::workChanged);
    return pane_;
}

void WindowShell::makeSelectionToolbar() {
    selectionToolbar_ = new SelectionToolbar(this);
    addToolBar(Qt::TopToolBarArea, selectionToolbar_);
    // Its tools reset the editor's own.
    TouchesPicture(selectionToolbar_);
    selectionToolbar_->hide();
    connect(selectionToolbar_, &SelectionToolbar::ToolChosen, this,
            [this](ToolMode mode) { Guard([this, mode] { ChooseSelectionTool(mode); }); });
    if (!kind_.selections) return;
    editor_.SetSelectionTool(std::make_unique<SelectionHandlerTool>([this] {
        return GrabOptions{selectionToolbar_->EraseChecked(), selectionToolbar_->DuplicateChecked()};
    }));
    connect(pane_, &EditPane::ToolReset, this, [this] {
        selectionToolbar_->ShowTool(ToolMode::None);
        selectionToolbar_->SetLabels(QString(), QString());
    });
    connect(pane_, &EditPane::ToolLabelsChanged, selectionToolbar_, &SelectionToolbar::SetLabels);
}

void WindowShell::ChooseSelectionTool(ToolMode mode) {
    editor_.ResetTool();
    State().tools.SetMode(mode);
    // Where the photo view draws no selection, a shape only sets the mode and the cursor.
    if (kind_.selections) editor_.SetTool(MakeSelectionTool(mode));
    selectionToolbar_->ShowTool(mode);
    View()->Canvas()->setCursor(mode != ToolMode::None ? Qt::CrossCursor : Qt::ArrowCursor);
}

void WindowShell::startEditing() {
    EditState& st = State();
    st.zoom.Reset();
    st.registers.ResetKernel();
    // While the recorder records, the window says so in its status bar.
    recordingLabel_ = new QLabel(this);
    recordingLabel_->setObjectName(QStringLiteral("MacroRecordingLabel"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(recordingLabel_, 1);
    statusBar()->hide();
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty() && recordingLabel_->text().isEmpty()) statusBar()->hide();
    });
    menus_.showRecording = [this](bool recording, int count) { showRecording(recording, count); };
    // The recorder starts with the default list each time a window opens.
    editor_.Macro().InstallDefaults();
    editor_.Macro().SetMenu(&menus_);
    RegisterDesignToolCursors();
    connect(pane_, &EditPane::PictureMayHaveChanged, this, &WindowShell::RefreshCaption);
    RefreshCaption();
}

void WindowShell::showRecording(bool recording, int count) {
    recordingLabel_->setText(recording ? tr("Recording macro: %1 of %2 actions").arg(count).arg(MacroRecorder::kMaxActions)
                                       : QString());
    statusBar()->setVisible(recording || !statusBar()->currentMessage().isEmpty());
}

void WindowShell::ShowNote(const QString& text) {
    // The bar shows while the note lasts, and stays for a recording.
    if (text.isEmpty()) return statusBar()->clearMessage();
    statusBar()->show();
    statusBar()->showMessage(text, kNoteMs);
}

QString WindowShell::NoteText() const { return statusBar()->currentMessage(); }

QString WindowShell::RecordingText() const { return recordingLabel_ ? recordingLabel_->text() : QString(); }

// ---------------------------------------------------------------------------------------------
// Activation, guard, modal visits

bool WindowShell::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowDeactivate: {
            // Our own modal windows report their return themselves; an activation that only
            // ends a visit to a window of ours is not a new activation.
            QWidget* now = QApplication::activeWindow();
            deactivatedByOwnWindow_ = modalDepth_ > 0 || (now != nullptr && now != this);
            break;
        }
        case QEvent::WindowActivate:
            // The first activation is the window's start, with nothing to forget yet.
            if (!firstActivationSeen_) firstActivationSeen_ = true;
            else if (!deactivatedByOwnWindow_) forgetCurrentFile();
            deactivatedByOwnWindow_ = false;
            break;
        default:
            break;
    }
    return QMainWindow::event(e);
}

void WindowShell::forgetCurrentFile() {
    if (AfterWork([this] { forgetCurrentFile(); })) return;
    State().file.SetCurrentFileName(std::string());
}

bool WindowShell::AfterWork(const std::function<void()>& f) {
    if (!pane_ || !pane_->InsideWork()) return false;
    // Once the command that runs the work is over too: it may still let events through.
    connect(pane_, &EditPane::Settled, this, f, Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    return true;
}

void WindowShell::Guard(const std::function<void()>& command) {
    pane_->Guard(command);
    // An operation marks the picture unsaved only after its last redraw.
    RefreshCaption();
}

int WindowShell::ExecModal(const std::function<int()>& run) {
    struct Visit {
        WindowShell& w;
        explicit Visit(WindowShell& shell) : w(shell) { w.BeginModalVisit(); }
        ~Visit() { w.EndModalVisit(); }
    } visit(*this);
    return run();
}

void WindowShell::BeginModalVisit() { ++modalDepth_; }

void WindowShell::EndModalVisit() {
    --modalDepth_;
    forgetCurrentFile();
}

// ---------------------------------------------------------------------------------------------
// Saving

PhotoSaving& WindowShell::saving() {
    if (!saving_) {
        saving_ = std::make_unique<PhotoSaving>(editor_, prompts(), dialogs().Options(), chooserLink_.get());
        saving_->SetFilter(kind_.saveFilter);
        saving_->SetNoteSink([this](const std::string& note) { ShowNote(QString::fromStdString(note)); });
    }
    return *saving_;
}

bool WindowShell::hasPictureToSave() {
    // A key that is no greyed menu item (Ctrl+S) waits for the job like the rest.
    if (editor_.JobRunning()) return false;
    if (State().picture.HasPicture()) return true;
    prompts().Message(tr(kNoPhotoToSave).toStdString());
    return false;
}

void WindowShell::SaveWithDialog(Answered done) {
    if (!hasPictureToSave()) return done(false);
    saving().SaveWithDialog([this, done = std::move(done)](bool written) {
        if (written) pictureWritten();
        done(written);
    });
}

void WindowShell::SaveFromMenu(Answered done) {
    if (!hasPictureToSave()) return done(false);
    saving().SaveFromMenu([this, done = std::move(done)](bool written) {
        if (written) pictureWritten();
        done(written);
    });
}

bool WindowShell::SaveWithDialog() {
    return AnswerNow([this](Answered done) { SaveWithDialog(std::move(done)); }).value_or(true);
}

bool WindowShell::SaveFromMenu() {
    return AnswerNow([this](Answered done) { SaveFromMenu(std::move(done)); }).value_or(true);
}

void WindowShell::AskSaveBeforeLeaving(const QString& caption, const QString& text, std::function<void(Answered)> save,
                                       Answered then) {
    switch (prompts().AskSaveChanges(caption.toStdString(), text.toStdString())) {
        case Prompts::Answer::Yes: {
            // A save that wrote nothing (cancelled, replace refused, failed) keeps the picture.
            bool asked = false;
            Guard([&] {
                save(then);
                asked = true;
            });
            if (!asked) then(false);
            return;
        }
        case Prompts::Answer::No: return then(true);
        case Prompts::Answer::Cancel: break;
    }
    then(false);
}

bool WindowShell::AskSaveBeforeLeaving(const QString& caption, const QString& text, const std::function<bool()>& save) {
    return AnswerNow([&](Answered then) {
               AskSaveBeforeLeaving(caption, text, [&save](Answered done) { done(save()); }, std::move(then));
           })
        .value_or(false);
}

bool WindowShell::DeleteCurrentFile() {
    if (editor_.JobRunning()) return false;
    std::string moved;
    if (!saving().MoveCurrentFileToTrash(&moved)) return false;
    fileMovedToTrash(QString::fromStdString(moved));
    return true;
}

// ---------------------------------------------------------------------------------------------
// Caption, help and the web

QString WindowShell::Caption(const QString& name, bool unsaved) {
    const QString program = tr("Lumora");
    if (name.isEmpty()) return program;
    return name + (unsaved ? QStringLiteral("*") : QString()) + QStringLiteral(" \u2014 ") + program;
}

void WindowShell::RefreshCaption() {
    // A job owns what the caption tells; it follows when the job ends.
    if (editor_.JobRunning()) return;
    setWindowTitle(Caption(captionName(), captionUnsaved()));
    nameCanvas();
}

void WindowShell::nameCanvas() {
    // The photo canvas tells a screen reader which photo it shows, and how big it is.
    if (pane_ && pane_->View()) {
        const Image& work = State().picture.Work();
        const QString name = captionName();
        pane_->View()->setAccessibleName(
            !State().picture.HasPicture() ? tr("Photo canvas: no photo")
            : tr("Photo canvas: %1, %2 x %3 pixels").arg(name.isEmpty() ? tr("Untitled") : name).arg(work.width()).arg(work.height()));
    }
}

QString WindowShell::HomePageUrl() { return QStringLiteral(LUMORA_HOMEPAGE); }
// The project's page shows its manual (the README) below the files.
QString WindowShell::ManualPageUrl() { return HomePageUrl() + QStringLiteral("#readme"); }

bool WindowShell::OpenWebPage(const QUrl& url) {
    const auto noBrowser = [this, url] {
        prompts().Message(tr("The web page could not be opened: no web browser is set up on this computer.\n"
                             "Its address is %1")
                              .arg(url.toString())
                              .toStdString());
    };
    // On a desktop, the opener says only later whether a browser took the page (Qt counts
    // starting it as success): its answer is waited for without holding the window.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty() && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        auto* run = new QProcess(this);
        connect(run, &QProcess::finished, this, [run, noBrowser](int code, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit || code != 0) noBrowser();
            run->deleteLater();
        });
        connect(run, &QProcess::errorOccurred, this, [run, noBrowser](QProcess::ProcessError e) {
            if (e != QProcess::FailedToStart) return;
            noBrowser();
            run->deleteLater();
        });
        run->start(opener, {url.toString()});
        return true;
    }
    if (QDesktopServices::openUrl(url)) return true;
    noBrowser();
    return false;
}

// The manual ships with the program: it opens without a connection or a browser.
void WindowShell::OpenOnlineManual() { ShowHelp(); }

void WindowShell::OpenHomePage() { OpenWebPage(QUrl(HomePageUrl())); }

void WindowShell::ShowHelp() {
    if (!help_) {
        help_ = new HelpWindow([this](const QUrl& url) { Guard([this, url] { OpenWebPage(url); }); },
                               QUrl(ManualPageUrl()), this);
        // Over the middle of the window it helps with.
        help_->move(geometry().center() - QPoint(help_->width() / 2, help_->height() / 2));
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

HelpWindow* WindowShell::helpWindow() const { return help_.data(); }

void WindowShell::ShowVersionWindow() {
    AboutDialog welcome(this);
    ExecModal([&] { return welcome.exec(); });
}

// ---------------------------------------------------------------------------------------------
// Opening

QString WindowShell::openDialogFolder() const {
    const EditState& st = State();
    return QString::fromStdString(st.file.SaveFolder().empty() ? st.file.CurrentFolder() : st.file.SaveFolder());
}

void WindowShell::OpenWithDialog() {
    if (editor_.JobRunning()) return;
    std::string path;
    const std::string folder = openDialogFolder().toStdString();
    if (!prompts().AskOpenFile(tr("Open Photo").toStdString(), folder, PhotoOpenFilter().toStdString(), path)) return;
    openChosenPhoto(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
}

}  // namespace lum
