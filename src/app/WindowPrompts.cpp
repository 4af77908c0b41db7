#include "app/WindowPrompts.h"

#include <QDialog>

#include "app/Dialogs.h"

namespace lum {

WindowPrompts::WindowPrompts(QWidget* window, Prompts* inner, std::function<Dialogs&()> dialogs, Around around)
    : ForwardingPrompts(fallback_, around), fallback_(window), dialogs_(std::move(dialogs)), around_(std::move(around)) {
    SetInner(inner);
}

void WindowPrompts::SetInner(Prompts* inner) { ForwardingPrompts::SetInner(inner ? *inner : fallback_); }

bool WindowPrompts::AskParameters(const Operation& op, OpArgs& args) {
    Dialogs& dialogs = dialogs_();
    if (!dialogs.HasDialogFor(op)) return ForwardingPrompts::AskParameters(op, args);
    return dialogs.AskParameters(op, args, [this](QDialog& d) { return around_([&d] { return d.exec(); }); },
                                 Dialogs::AskContext{state_, this});
}

}  // namespace lum
