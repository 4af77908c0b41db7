// The per-window macro recorder: up to 64 recorded operations, replayed in order.
#pragma once
#include <array>
#include <cstdint>

namespace lum {

class Prompts;

struct MacroAction {
    int32_t code = 0, p1 = 0, p2 = 0, p3 = 0;
    bool operator==(const MacroAction& o) const {
        return code == o.code && p1 == o.p1 && p2 == o.p2 && p3 == o.p3;
    }
};

// Codes the main window replays (grey scale, channel shift, blur, auto smooth, the two
// balances) and those the compare window replays on top (lighten, sharpen +, sharpen).
inline bool MainWindowReplays(int code) {
    return code == 2 || code == 12 || code == 13 || code == 14 || code == 15 || code == 16;
}
inline bool CompareWindowReplays(int code) {
    return MainWindowReplays(code) || code == 4 || code == 5 || code == 6;
}

// What a window does when a recorded action is replayed. Each window replays its own codes.
class MacroReplayer {
public:
    virtual ~MacroReplayer() = default;
    // Runs the operation of code with parameter p1 exactly as its command would.
    virtual void ReplayAction(int code, int p1) = 0;
    // Codes this window replays; others are skipped.
    virtual bool Replays(int code) const = 0;
};

// Menu item states that the recorder drives ("&Close", "&Execute").
class MacroMenu {
public:
    virtual ~MacroMenu() = default;
    virtual void SetCloseEnabled(bool on) = 0;
    virtual void SetExecuteEnabled(bool on) = 0;
};

class MacroRecorder {
public:
    static constexpr int kMaxActions = 64;
    MacroRecorder();  // default list: closed, (15) then (14)

    void InstallDefaults();
    void Start();                                   // InitmacroClick
    void Record(int code, int p1 = 0, int p2 = 0, int p3 = 0);
    void Close();                                   // FermerClick
    void Execute(MacroReplayer& replayer);          // ExecuterClick

    void SetPrompts(Prompts* p) { prompts_ = p; }
    void SetMenu(MacroMenu* m);

    int32_t MacroState = 3;
    int32_t MacroCount = 0;
    std::array<MacroAction, kMaxActions> MacroActions{};
    bool CloseEnabled = false;
    bool ExecuteEnabled = true;

private:
    void setClose(bool on);
    void setExecute(bool on);
    Prompts* prompts_ = nullptr;
    MacroMenu* menu_ = nullptr;
};

}  // namespace lum
