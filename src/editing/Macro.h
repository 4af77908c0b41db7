// SPDX-License-Identifier: GPL-3.0-or-later
// The per-window macro recorder: up to 64 recorded operations, replayed in order by the
// window's editor through the operation table.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace lum {

class Prompts;

struct MacroAction {
    int32_t code = 0, p1 = 0, p2 = 0, p3 = 0;
    // Only the operations with a rectangle (crop, red-eye) carry these.
    int32_t p4 = 0, p5 = 0;
    bool operator==(const MacroAction& o) const {
        return code == o.code && p1 == o.p1 && p2 == o.p2 && p3 == o.p3 && p4 == o.p4 && p5 == o.p5;
    }
};

// Menu item states that the recorder drives ("&Close", "&Execute"), and what the window shows
// while it records.
class MacroMenu {
public:
    virtual ~MacroMenu() = default;
    virtual void SetCloseEnabled(bool on) = 0;
    virtual void SetExecuteEnabled(bool on) = 0;
    // Started and not closed yet, with count actions recorded so far.
    virtual void ShowRecording(bool recording, int count) { (void)recording, (void)count; }
};

// Where the recorder is: started with nothing recorded yet, started with actions recorded, or
// closed (its list is what Execute replays).
enum class MacroState { Started, Recorded, Closed };

class MacroRecorder {
public:
    static constexpr int kMaxActions = 64;
    MacroRecorder();  // default list: closed, (15) then (14)

    void InstallDefaults();
    void Start();                                   // InitmacroClick
    void Record(int code, int p1 = 0, int p2 = 0, int p3 = 0, int p4 = 0, int p5 = 0);
    void Close();                                   // FermerClick
    // A step taken back while recording: its actions, recorded from action `from` on, leave
    // the list when they are still its last ones. PutBack records them again at `from`.
    void TakeBack(int from, const std::vector<MacroAction>& actions);
    void PutBack(int from, const std::vector<MacroAction>& actions);
    // What ExecuterClick replays, in order: nothing unless the list is closed and holds any.
    // A copy, so a replayed operation never sees the list change under it.
    std::vector<MacroAction> ToReplay() const;

    void SetPrompts(Prompts* p) { prompts_ = p; }
    void SetMenu(MacroMenu* m);
    MacroMenu* Menu() const { return menu_; }
    MacroState State() const { return state_; }
    // Started and not closed yet.
    bool Recording() const { return state_ != MacroState::Closed; }
    // The actions recorded: the first Count() of Actions(), the rest empty.
    int Count() const { return count_; }
    const std::array<MacroAction, kMaxActions>& Actions() const { return actions_; }
    // What the menu items "Close" and "Execute" are set to.
    bool CloseEnabled() const { return closeEnabled_; }
    bool ExecuteEnabled() const { return executeEnabled_; }

private:
    void setClose(bool on);
    void setExecute(bool on);
    void showRecording();
    MacroState state_ = MacroState::Closed;
    int count_ = 0;
    std::array<MacroAction, kMaxActions> actions_{};
    bool closeEnabled_ = false;
    bool executeEnabled_ = true;
    Prompts* prompts_ = nullptr;
    MacroMenu* menu_ = nullptr;
};

}  // namespace lum
