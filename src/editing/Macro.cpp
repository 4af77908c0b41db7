#include "editing/Macro.h"

#include "editing/Operation.h"
#include "editing/Prompts.h"
#include "image/Translatable.h"

namespace lum {

MacroRecorder::MacroRecorder() { InstallDefaults(); }

void MacroRecorder::InstallDefaults() {
    MacroActions.fill(MacroAction{});
    MacroState = 3;
    MacroCount = 2;
    // A window starts with a flesh balance followed by an auto smooth.
    MacroActions[0] = {FindOperation("flesh-balance")->macroCode, 0, 0, 0};
    MacroActions[1] = {FindOperation("auto-smooth")->macroCode, 0, 0, 0};
    setClose(false);
    setExecute(true);
    showRecording();
}

void MacroRecorder::SetMenu(MacroMenu* m) {
    menu_ = m;
    if (menu_) {
        menu_->SetCloseEnabled(CloseEnabled);
        menu_->SetExecuteEnabled(ExecuteEnabled);
    }
    showRecording();
}

void MacroRecorder::showRecording() {
    if (menu_) menu_->ShowRecording(Recording(), MacroCount);
}

void MacroRecorder::setClose(bool on) {
    CloseEnabled = on;
    if (menu_) menu_->SetCloseEnabled(on);
}

void MacroRecorder::setExecute(bool on) {
    ExecuteEnabled = on;
    if (menu_) menu_->SetExecuteEnabled(on);
}

void MacroRecorder::Start() {
    MacroActions.fill(MacroAction{});
    MacroCount = 0;
    MacroState = 1;
    setExecute(false);
    setClose(false);
    showRecording();
}

void MacroRecorder::Record(int code, int p1, int p2, int p3) {
    if (MacroState > 2) return;
    if (MacroCount >= kMaxActions) {
        if (prompts_) prompts_->Message(QT_TRANSLATE_NOOP("lum", "A macro holds at most 64 actions."));
        return;
    }
    MacroState = 2;
    MacroActions[MacroCount] = {code, p1, p2, p3};
    ++MacroCount;
    setClose(true);
    showRecording();
}

void MacroRecorder::Close() {
    MacroState = 3;
    setClose(false);
    if (MacroCount > 0) setExecute(true);
    showRecording();
}

void MacroRecorder::TakeBack(int from, const std::vector<MacroAction>& actions) {
    const int n = static_cast<int>(actions.size());
    if (MacroState > 2 || n == 0 || from < 0 || MacroCount != from + n) return;
    for (int i = 0; i < n; ++i)
        if (!(MacroActions[static_cast<size_t>(from + i)] == actions[static_cast<size_t>(i)])) return;
    for (int i = from; i < MacroCount; ++i) MacroActions[static_cast<size_t>(i)] = MacroAction{};
    MacroCount = from;
    if (MacroCount == 0) {
        // As just started: nothing to close yet.
        MacroState = 1;
        setClose(false);
    }
}

void MacroRecorder::PutBack(int from, const std::vector<MacroAction>& actions) {
    if (MacroState > 2 || MacroCount != from) return;
    for (const MacroAction& a : actions) Record(a.code, a.p1, a.p2, a.p3);
}

std::vector<MacroAction> MacroRecorder::ToReplay() const {
    if (MacroCount == 0 || MacroState != 3) return {};
    return std::vector<MacroAction>(MacroActions.begin(), MacroActions.begin() + MacroCount);
}

}  // namespace lum
