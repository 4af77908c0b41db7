// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Macro.h"

#include "editing/Operation.h"
#include "editing/Prompts.h"
#include "image/Translatable.h"

namespace lum {

MacroRecorder::MacroRecorder() { InstallDefaults(); }

void MacroRecorder::InstallDefaults() {
    actions_.fill(MacroAction{});
    state_ = MacroState::Closed;
    count_ = 2;
    // A window starts with a flesh balance followed by an auto smooth.
    actions_[0] = {FindOperation("flesh-balance")->macroCode, 0, 0, 0};
    actions_[1] = {FindOperation("auto-smooth")->macroCode, 0, 0, 0};
    setClose(false);
    setExecute(true);
    showRecording();
}

void MacroRecorder::SetMenu(MacroMenu* m) {
    menu_ = m;
    if (menu_) {
        menu_->SetCloseEnabled(closeEnabled_);
        menu_->SetExecuteEnabled(executeEnabled_);
    }
    showRecording();
}

void MacroRecorder::showRecording() {
    if (menu_) menu_->ShowRecording(Recording(), count_);
}

void MacroRecorder::setClose(bool on) {
    closeEnabled_ = on;
    if (menu_) menu_->SetCloseEnabled(on);
}

void MacroRecorder::setExecute(bool on) {
    executeEnabled_ = on;
    if (menu_) menu_->SetExecuteEnabled(on);
}

void MacroRecorder::Start() {
    actions_.fill(MacroAction{});
    count_ = 0;
    state_ = MacroState::Started;
    setExecute(false);
    setClose(false);
    showRecording();
}

void MacroRecorder::Record(int code, int p1, int p2, int p3, int p4, int p5) {
    if (!Recording()) return;
    if (count_ >= kMaxActions) {
        if (prompts_) prompts_->Message(QT_TRANSLATE_NOOP("lum", "A macro holds at most 64 actions."));
        return;
    }
    state_ = MacroState::Recorded;
    actions_[static_cast<size_t>(count_)] = {code, p1, p2, p3, p4, p5};
    ++count_;
    setClose(true);
    showRecording();
}

void MacroRecorder::Close() {
    state_ = MacroState::Closed;
    setClose(false);
    if (count_ > 0) setExecute(true);
    showRecording();
}

void MacroRecorder::TakeBack(int from, const std::vector<MacroAction>& actions) {
    const int n = static_cast<int>(actions.size());
    if (!Recording() || n == 0 || from < 0 || count_ != from + n) return;
    for (int i = 0; i < n; ++i)
        if (!(actions_[static_cast<size_t>(from + i)] == actions[static_cast<size_t>(i)])) return;
    for (int i = from; i < count_; ++i) actions_[static_cast<size_t>(i)] = MacroAction{};
    count_ = from;
    if (count_ == 0) {
        // As just started: nothing to close yet.
        state_ = MacroState::Started;
        setClose(false);
    }
}

void MacroRecorder::PutBack(int from, const std::vector<MacroAction>& actions) {
    if (!Recording() || count_ != from) return;
    for (const MacroAction& a : actions) Record(a.code, a.p1, a.p2, a.p3, a.p4, a.p5);
}

std::vector<MacroAction> MacroRecorder::ToReplay() const {
    if (count_ == 0 || state_ != MacroState::Closed) return {};
    return std::vector<MacroAction>(actions_.begin(), actions_.begin() + count_);
}

}  // namespace lum
