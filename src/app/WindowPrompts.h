// SPDX-License-Identifier: GPL-3.0-or-later
// The prompts of one window: every question goes on to the program's prompts (Qt's boxes when
// there are none) inside the window's own wrapper, which counts it as a modal visit; the
// parameter question of an operation opens its dialog (one without a dialog is a fault: it
// throws). The main window and the compare window each hold one.
#pragma once
#include <functional>

#include "editing/Prompts.h"
#include "widgets/QtPrompts.h"

class QWidget;

namespace lum {

class Dialogs;
class EditState;

class WindowPrompts : public ForwardingPrompts {
public:
    // dialogs gives the program's dialogs when a parameter question comes; around runs one
    // question as a modal visit of the window.
    WindowPrompts(QWidget* window, Prompts* inner, std::function<Dialogs&()> dialogs, Around around);
    void SetInner(Prompts* inner);
    // The window's editing state, which its dialogs read and the picture chooser loads into.
    void SetEditState(EditState* state) { state_ = state; }
    bool AskParameters(const Operation& op, OpArgs& args) override;

private:
    EditState* state_ = nullptr;
    QtPrompts fallback_;
    QWidget* window_;
    std::function<Dialogs&()> dialogs_;
    Around around_;
};

}  // namespace lum
