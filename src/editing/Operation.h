// SPDX-License-Identifier: GPL-3.0-or-later
// One row of the operation table: an operation once, with its command-line name and
// parameters, its macro code and the windows that replay it, the controls that run it and the
// function that runs it on a window's editor. See Operations.cpp for the table itself.
#pragma once
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "image/Translatable.h"
#include "editing/OpArgs.h"

namespace lum {

class Editor;
class EditState;

// Windows, as bits: where a control exists, which windows replay a macro code.
enum WindowBits : unsigned { kMainWindow = 1u, kCompareWindow = 2u, kBothWindows = 3u };

constexpr int kNoMacro = -1;

// A control that runs the operation: a menu item or a button, by its design name.
// Its row is the only place its captions are written, in English, marked for translation under
// the context "Operations"; the windows show them translated.
struct Command {
    const char* control;  // objectName
    const char* caption;  // menu caption, or the button's hint
    unsigned windows;     // the windows that have it
    const char* args;     // argument text it runs with ("" for none), e.g. the shift kind
    // A button that is also a menu item: the caption on its face and its hint (null: the
    // caption for both).
    const char* face = nullptr;
    const char* hint = nullptr;
};

// A macro action a run records: its code and where p1 comes from (nullptr: 0).
struct MacroRecord {
    int code;
    int (*param)(const Editor&, const OpArgs&);
};

// What a window shows while the operation runs.
enum class BusyKind { None, Hourglass, Progress };

// How an operation ended: done, or not (cancelled, refused, or failed with `failure`). It hears
// this at once for a small picture, and once its job is over for a big one.
using RunEnd = std::function<void(bool done, std::exception_ptr failure)>;

struct Operation {
    using RunFn = void (*)(Editor&, const OpArgs&);
    using PresetFn = void (*)(const EditState&, OpArgs&);
    using ParseFn = OpArgs (*)(const Operation&, const std::vector<std::string>& values, const std::string& word);
    using BeforeFn = void (*)(Editor&);
    // Runs other operations of the table one after the other, each to its end, then calls end.
    using SequenceFn = void (*)(Editor&, const OpArgs&, RunEnd end);

    std::string name;   // command-line name
    std::string usage;  // as --help shows it ("blur:R")
    std::string help;   // what --help says; '\n' starts another line
    std::vector<ParamDef> params;
    RunFn run = nullptr;
    // Where set, what a window runs instead of run, so that each operation it runs can take a
    // job of its own; run does the same to its end here and now.
    SequenceFn sequence = nullptr;

    int macroCode = kNoMacro;          // the code replayed as this operation
    unsigned replayedBy = 0;           // windows that replay macroCode as this operation
    std::string macroArg;              // parameter carried as p1, recorded and replayed
    std::vector<std::string> laterMacroArgs;  // further ones, carried as p2..p5
    std::vector<MacroRecord> records;  // what a run records instead of (macroCode, macroArg)
    std::vector<Command> commands;
    bool pixel = false;    // the source copy := the working image first (before any dialog)
    bool inPlace = false;  // reads Editor::PixelSource(), and may read and write one image
    bool asks = false;     // its controls ask the parameters (Prompts::AskParameters)
    BusyKind busy = BusyKind::Hourglass;
    const char* progressWords = nullptr;  // with BusyKind::Progress
    bool marksOptimized = false;  // the photo becomes optimized, where the window tracks it
    bool keepsImage = false;      // leaves the working image as it was (else a run marks it unsaved)
    bool makesPicture = false;    // puts a new picture in place (runs without a photo loaded)
    PresetFn preset = nullptr;    // the proposal put to the dialog, over the defaults
    ParseFn parse = nullptr;      // its own command-line syntax, instead of the parameter list
    BeforeFn beforeAsking = nullptr;  // what its controls do before their dialog opens
    bool commandLine = true;          // false: only the windows' controls run it
    // What Undo and Redo call its step ("Sharpen": "Undo Sharpen"). A row with a label is one
    // step of the window's history (operations it runs join it); one without is none.
    std::string label;

    // Building a row.
    Operation(std::string name, RunFn run) : name(std::move(name)), run(run) {}
    Operation& Usage(std::string u, std::string h) {
        usage = std::move(u);
        help = std::move(h);
        return *this;
    }
    Operation& Param(const ParamDef& p) {
        params.push_back(p);
        return *this;
    }
    Operation& Recorded(int code, unsigned replayingWindows, std::string arg = std::string()) {
        macroCode = code;
        replayedBy = replayingWindows;
        macroArg = std::move(arg);
        return *this;
    }
    // Parameters after the first, carried as p2, p3, p4 and p5.
    Operation& AlsoRecorded(std::vector<std::string> args) {
        laterMacroArgs = std::move(args);
        return *this;
    }
    Operation& Records(std::vector<MacroRecord> r) {
        records = std::move(r);
        return *this;
    }
    Operation& On(const char* control, const char* caption, unsigned windows, const char* args = "") {
        commands.push_back(Command{control, caption, windows, args});
        return *this;
    }
    // The button face and hint of the control added last, where they differ from its caption.
    Operation& Face(const char* face, const char* hint) {
        commands.back().face = face;
        commands.back().hint = hint;
        return *this;
    }
    Operation& Pixel() {
        pixel = true;
        return *this;
    }
    // Its function reads the editor's PixelSource() and gives the same result when that is
    // the working image itself, so an editor that keeps no source copy makes none for it.
    Operation& InPlace() {
        inPlace = true;
        return *this;
    }
    Operation& Asks(PresetFn p = nullptr) {
        asks = true;
        preset = p;
        return *this;
    }
    // words: what the progress window says while it runs (translated in the "Operation"
    // context).
    Operation& Progress(const char* words) {
        busy = BusyKind::Progress;
        progressWords = words;
        return *this;
    }
    Operation& NotBusy() {
        busy = BusyKind::None;
        return *this;
    }
    Operation& MarksOptimized() {
        marksOptimized = true;
        return *this;
    }
    Operation& KeepsImage() {
        keepsImage = true;
        return *this;
    }
    Operation& MakesPicture() {
        makesPicture = true;
        return *this;
    }
    Operation& Parser(ParseFn p) {
        parse = p;
        return *this;
    }
    Operation& Sequence(SequenceFn f) {
        sequence = f;
        return *this;
    }
    Operation& BeforeAsking(BeforeFn f) {
        beforeAsking = f;
        return *this;
    }
    Operation& Undoable(std::string stepLabel) {
        label = std::move(stepLabel);
        return *this;
    }
    // Needs a window (a dialog in the middle of its run, the clipboard): not on the command line.
    Operation& DesktopOnly() {
        commandLine = false;
        return *this;
    }
};

// --- the table ---

const std::vector<Operation>& Operations();
// By name (also those only the windows run); null when there is none.
const Operation* FindOperation(const std::string& name);
// The operation a window replays for a macro code; null when it skips the code.
const Operation* FindReplay(int code, unsigned window);
// The operation behind a window's control, and the control's row; nulls when none.
struct CommandRef {
    const Operation* op = nullptr;
    const Command* command = nullptr;
};
CommandRef FindCommand(const std::string& control, unsigned window);
// The caption of a control: its row in window, else its row in the other window (an item both
// menus carry that runs in one window only); null when the table has no such control.
const char* CommandCaption(const std::string& control, unsigned window);

// An operation word of the command line, read: NAME or NAME:ARGS. Throws ArgsError.
struct ParsedOperation {
    const Operation* op = nullptr;
    OpArgs args;
    std::string word;
};
ParsedOperation ParseOperationWord(const std::string& word);

// The operations part of --help: every operation with its parameters.
std::string OperationsHelp();

}  // namespace lum
