// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPrompts.h"

#include <QDialog>
#include <QPointer>
#include <stdexcept>

#include "app/Dialogs.h"
#include "editing/Operation.h"

namespace lum {

namespace {

// A shared dialog shown from a window sits over that window while it is open: otherwise the
// window manager raises the dialog's owner (the main window) over the compare window.
class OverWindow {
public:
    OverWindow(QDialog& dialog, QWidget* window) : dialog_(dialog), owner_(dialog.parentWidget()) {
        if (window && window != owner_) {
            dialog_.setParent(window, dialog_.windowFlags());
            moved_ = true;
        }
    }
    ~OverWindow() {
        if (moved_) dialog_.setParent(owner_, dialog_.windowFlags());
    }
    OverWindow(const OverWindow&) = delete;
    OverWindow& operator=(const OverWindow&) = delete;

private:
    QDialog& dialog_;
    QPointer<QWidget> owner_;
    bool moved_ = false;
};

}  // namespace

WindowPrompts::WindowPrompts(QWidget* window, Prompts* inner, std::function<Dialogs&()> dialogs, Around around)
    : ForwardingPrompts(fallback_, around),
      fallback_(window),
      window_(window),
      dialogs_(std::move(dialogs)),
      around_(std::move(around)) {
    SetInner(inner);
}

void WindowPrompts::SetInner(Prompts* inner) { ForwardingPrompts::SetInner(inner ? *inner : fallback_); }

bool WindowPrompts::AskParameters(const Operation& op, OpArgs& args) {
    Dialogs& dialogs = dialogs_();
    // Running on the defaults without asking would look like an answer the user never gave.
    if (!dialogs.HasDialogFor(op)) throw std::logic_error("No dialog asks the parameters of '" + op.name + "'.");
    const Dialogs::Exec exec = [this](QDialog& d) {
        return around_([this, &d] {
            const OverWindow over(d, window_);
            return d.exec();
        });
    };
    return dialogs.AskParameters(op, args, exec, Dialogs::AskContext{state_, this});
}

}  // namespace lum
