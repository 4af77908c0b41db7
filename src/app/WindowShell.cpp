// The window shell's creation, activation, guard and modal visits, saving and caption.
#include "app/WindowShell.h"

#include <QApplication>
#include <QEvent>
#include <QFont>

#include "app/ChooserLink.h"
#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "app/WindowPrompts.h"
#include "editing/SelectionTools.h"
#include "view/EditPane.h"
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
    setWindowTitle(QStringLiteral("Tarnel Lumora"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    editor_.ReadOptions = [this](BalanceTargets& t) { t = this->dialogs().Options().Targets(); };
}

WindowShell::~WindowShell() {
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
    connect(pane_, &EditPane::SelectionWasCleared, this, [this] { selectionToolbar_->ShowTool(0); });
    return pane_;
}

void WindowShell::makeSelectionToolbar() {
    selectionToolbar_ = new SelectionToolbar(this);
    addToolBar(Qt::TopToolBarArea, selectionToolbar_);
    selectionToolbar_->hide();
    connect(selectionToolbar_, &SelectionToolbar::ToolChosen, this,
            [this](int mode) { Guard([this, mode] { ChooseSelectionTool(mode); }); });
    if (!kind_.selections) return;
    editor_.SetSelectionTool(std::make_unique<SelectionHandlerTool>([this] {
        return GrabOptions{selectionToolbar_->EraseChecked(), selectionToolbar_->DuplicateChecked()};
    }));
    connect(pane_, &EditPane::ToolReset, this, [this] {
        selectionToolbar_->ShowTool(0);
        selectionToolbar_->SetLabels(QString(), QString());
    });
    connect(pane_, &EditPane::ToolLabelsChanged, selectionToolbar_, &SelectionToolbar::SetLabels);
}

void WindowShell::ChooseSelectionTool(int mode) {
    editor_.ResetTool();
    State().ToolMode = mode;
    // Where the photo view draws no selection, a shape only sets the mode and the cursor.
    if (kind_.selections) editor_.SetTool(MakeSelectionTool(mode));
    selectionToolbar_->ShowTool(mode);
    View()->PaintBox1()->setCursor(mode ? Qt::CrossCursor : Qt::ArrowCursor);
}

void WindowShell::startEditing() {
    EditState& st = State();
    st.ResetZoom();
    st.Kernel = InitialKernelRegister();
    // The recorder starts with the default list each time a window opens.
    editor_.Macro().InstallDefaults();
    editor_.Macro().SetMenu(&menus_);
    RegisterDesignToolCursors();
}

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

void WindowShell::forgetCurrentFile() { State().CurrentFileName.clear(); }

void WindowShell::Guard(const std::function<void()>& command) { pane_->Guard(command); }

int WindowShell::ExecModal(const std::function<int()>& run) {
    struct Visit {
        WindowShell& w;
        explicit Visit(WindowShell& shell) : w(shell) { ++w.modalDepth_; }
        ~Visit() {
            --w.modalDepth_;
            w.forgetCurrentFile();
        }
    } visit(*this);
    return run();
}

// ---------------------------------------------------------------------------------------------
// Saving

PhotoSaving& WindowShell::saving() {
    if (!saving_) {
        saving_ = std::make_unique<PhotoSaving>(editor_, prompts(), dialogs().Options(), chooserLink_.get());
        saving_->SetFilter(kind_.saveFilter);
    }
    return *saving_;
}

bool WindowShell::hasPictureToSave() {
    if (State().HasPicture) return true;
    prompts().Message(kNoPhotoToSave);
    return false;
}

bool WindowShell::SaveWithDialog() {
    if (!hasPictureToSave() || !saving().SaveWithDialog()) return false;
    pictureWritten();
    return true;
}

bool WindowShell::SaveFromMenu(int pauseMs) {
    if (!hasPictureToSave()) return false;
    saving().SetMenuSaveDelayMs(pauseMs);
    if (!saving().SaveFromMenu()) return false;
    pictureWritten();
    return true;
}

bool WindowShell::AskSaveBeforeLeaving(const char* caption, const char* text, const std::function<bool()>& save) {
    switch (prompts().AskYesNoCancel(caption, text)) {
        case Prompts::Answer::Yes: {
            // A save that wrote nothing (cancelled, replace refused, failed) keeps the picture.
            bool written = false;
            Guard([&] { written = save(); });
            return written;
        }
        case Prompts::Answer::No: return true;
        case Prompts::Answer::Cancel: break;
    }
    return false;
}

bool WindowShell::DeleteCurrentFile() {
    if (!saving().MoveCurrentFileToTrash()) return false;
    fileMovedToTrash();
    return true;
}

void WindowShell::showFileInCaption(const QString& file) { setWindowTitle(QStringLiteral("Lumora - ") + file); }

}  // namespace lum
