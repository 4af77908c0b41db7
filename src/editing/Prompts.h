// SPDX-License-Identifier: GPL-3.0-or-later
// Every question, notice and file dialog goes through this interface, so tests can answer
// them without a modal loop. The desktop program implements it with Qt's dialogs.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "image/Color.h"

namespace lum {

struct Operation;
class OpArgs;

// A font as the font dialog shows it.
struct FontChoice {
    std::string family;
    int pointSize = 24;
    bool bold = false, italic = false;
    bool operator==(const FontChoice& o) const {
        return family == o.family && pointSize == o.pointSize && bold == o.bold && italic == o.italic;
    }
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A plain notice ("Macro : 64 axions maximum.").
    virtual void Message(const std::string& text) = 0;
    // A modal Yes/No question with a caption; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    // The same where Yes cannot be taken back (replacing a file): No is the default answer.
    virtual bool AskYesNoSafe(const std::string& caption, const std::string& text) { return AskYesNo(caption, text); }
    // A question that may also be dismissed (Escape, closing the box): Cancel then.
    enum class Answer { Yes, No, Cancel };
    virtual Answer AskYesNoCancel(const std::string& caption, const std::string& text) {
        return AskYesNo(caption, text) ? Answer::Yes : Answer::No;
    }
    // Before unsaved changes would be lost: Save (Yes), Don't Save (No), or Cancel.
    virtual Answer AskSaveChanges(const std::string& caption, const std::string& text) {
        return AskYesNoCancel(caption, text);
    }
    // A question with buttons of its own, in order: the index of the one chosen, or `cancel`
    // when the question is dismissed (Escape, closing the box); `preset` is the default button.
    virtual int AskChoice(const std::string& caption, const std::string& text,
                          const std::vector<std::string>& buttons, int preset, int cancel) {
        (void)caption, (void)text, (void)buttons, (void)preset;
        return cancel;
    }
    // An error box for a failed operation.
    virtual void Error(const std::string& text) { Message(text); }
    // The save dialog: returns false when cancelled. `path` holds the proposed name on entry.
    virtual bool AskSaveFile(const std::string& title, const std::string& folder,
                             const std::string& filter, std::string& path) {
        (void)title; (void)folder; (void)filter; (void)path;
        return false;
    }
    virtual bool AskOpenFile(const std::string& title, const std::string& folder,
                             const std::string& filter, std::string& path) {
        (void)title; (void)folder; (void)filter; (void)path;
        return false;
    }
    // A text entry (rename, new folder); false when cancelled.
    virtual bool AskText(const std::string& caption, const std::string& label, std::string& text) {
        (void)caption; (void)label; (void)text;
        return false;
    }
    // A folder chooser; false when cancelled. `path` holds the starting folder on entry.
    virtual bool AskFolder(const std::string& title, std::string& path) {
        (void)title; (void)path;
        return false;
    }
    // A longer read-only report with a caption (tree size, properties).
    virtual void ShowText(const std::string& caption, const std::string& text) {
        (void)caption;
        Message(text);
    }
    // The parameters of an operation whose command asks for them (the blur radius, the new
    // size): args hold the proposal on entry; false when cancelled. Without a dialog for it the
    // proposal is taken as it is.
    virtual bool AskParameters(const Operation& op, OpArgs& args) {
        (void)op;
        (void)args;
        return true;
    }
    // The colour dialog, preset to `colour`; false when cancelled (colour unchanged).
    virtual bool AskColour(Colour& colour) {
        (void)colour;
        return false;
    }
    // The font dialog, preset to `font`; false when cancelled (font unchanged).
    virtual bool AskFont(FontChoice& font) {
        (void)font;
        return false;
    }
};

// Shows nothing and answers No: for an editor nobody watches.
class SilentPrompts : public Prompts {
public:
    void Message(const std::string& text) override { (void)text; }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        (void)caption, (void)text;
        return false;
    }
};

// Passes every question on to another prompts object, each inside `around`, which runs the
// question it is given and returns its result (a window counts the question as a modal visit).
class ForwardingPrompts : public Prompts {
public:
    using Around = std::function<int(const std::function<int()>&)>;
    ForwardingPrompts(Prompts& inner, Around around) : inner_(&inner), around_(std::move(around)) {}
    void SetInner(Prompts& inner) { inner_ = &inner; }
    Prompts& inner() const { return *inner_; }

    void Message(const std::string& text) override {
        run([&] { inner_->Message(text); return 0; });
    }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        return run([&] { return inner_->AskYesNo(caption, text) ? 1 : 0; }) != 0;
    }
    bool AskYesNoSafe(const std::string& caption, const std::string& text) override {
        return run([&] { return inner_->AskYesNoSafe(caption, text) ? 1 : 0; }) != 0;
    }
    Answer AskYesNoCancel(const std::string& caption, const std::string& text) override {
        return static_cast<Answer>(run([&] { return static_cast<int>(inner_->AskYesNoCancel(caption, text)); }));
    }
    Answer AskSaveChanges(const std::string& caption, const std::string& text) override {
        return static_cast<Answer>(run([&] { return static_cast<int>(inner_->AskSaveChanges(caption, text)); }));
    }
    int AskChoice(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons,
                  int preset, int cancel) override {
        return run([&] { return inner_->AskChoice(caption, text, buttons, preset, cancel); });
    }
    void Error(const std::string& text) override {
        run([&] { inner_->Error(text); return 0; });
    }
    bool AskSaveFile(const std::string& title, const std::string& folder, const std::string& filter,
                     std::string& path) override {
        return run([&] { return inner_->AskSaveFile(title, folder, filter, path) ? 1 : 0; }) != 0;
    }
    bool AskOpenFile(const std::string& title, const std::string& folder, const std::string& filter,
                     std::string& path) override {
        return run([&] { return inner_->AskOpenFile(title, folder, filter, path) ? 1 : 0; }) != 0;
    }
    bool AskText(const std::string& caption, const std::string& label, std::string& text) override {
        return run([&] { return inner_->AskText(caption, label, text) ? 1 : 0; }) != 0;
    }
    bool AskFolder(const std::string& title, std::string& path) override {
        return run([&] { return inner_->AskFolder(title, path) ? 1 : 0; }) != 0;
    }
    void ShowText(const std::string& caption, const std::string& text) override {
        run([&] { inner_->ShowText(caption, text); return 0; });
    }
    bool AskParameters(const Operation& op, OpArgs& args) override {
        return run([&] { return inner_->AskParameters(op, args) ? 1 : 0; }) != 0;
    }
    bool AskColour(Colour& colour) override {
        return run([&] { return inner_->AskColour(colour) ? 1 : 0; }) != 0;
    }
    bool AskFont(FontChoice& font) override {
        return run([&] { return inner_->AskFont(font) ? 1 : 0; }) != 0;
    }

protected:
    int run(const std::function<int()>& f) { return around_ ? around_(f) : f(); }

private:
    Prompts* inner_;
    Around around_;
};

// Answers nothing and remembers what was asked; for the command line and tests.
class RecordingPrompts : public Prompts {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> answers;  // consumed front to back; default No when empty
    // Answers to the questions that may be dismissed, consumed front to back; without one the
    // next of `answers` gives Yes or No, and with neither the question is dismissed (Cancel).
    std::vector<Answer> threeWayAnswers;
    // Answers to AskChoice (button indexes), consumed front to back; dismissed when empty.
    std::vector<int> choiceAnswers;
    std::vector<std::vector<std::string>> choiceButtons;  // the buttons each was asked with
    std::vector<int> choiceDefaults;                      // and its default button
    std::vector<std::string> savePaths;  // consumed front to back; empty string = cancel
    std::vector<std::string> savePresets;  // the name each save dialog opened with
    std::vector<std::string> openPaths;    // consumed front to back; empty string = cancel
    std::vector<std::string> openFolders;  // the folder each open dialog started in
    // Answers to AskParameters, consumed front to back; without one the proposal is taken.
    std::vector<std::function<bool(OpArgs&)>> parameterAnswers;
    std::vector<const Operation*> parametersAsked;
    // Answers to the colour and font dialogs, consumed front to back; cancelled when empty.
    std::vector<Colour> colourAnswers;
    std::vector<FontChoice> fontAnswers;
    std::vector<Colour> coloursAsked;
    std::vector<FontChoice> fontsAsked;
    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        questions.push_back(caption + ": " + text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    Answer AskYesNoCancel(const std::string& caption, const std::string& text) override {
        if (threeWayAnswers.empty()) {
            if (!answers.empty()) return AskYesNo(caption, text) ? Answer::Yes : Answer::No;
            questions.push_back(caption + ": " + text);
            return Answer::Cancel;
        }
        questions.push_back(caption + ": " + text);
        const Answer a = threeWayAnswers.front();
        threeWayAnswers.erase(threeWayAnswers.begin());
        return a;
    }
    int AskChoice(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons,
                  int preset, int cancel) override {
        questions.push_back(caption + ": " + text);
        choiceButtons.push_back(buttons);
        choiceDefaults.push_back(preset);
        if (choiceAnswers.empty()) return cancel;
        const int a = choiceAnswers.front();
        choiceAnswers.erase(choiceAnswers.begin());
        return a;
    }
    bool AskSaveFile(const std::string&, const std::string&, const std::string&, std::string& path) override {
        savePresets.push_back(path);
        if (savePaths.empty()) return false;
        std::string p = savePaths.front();
        savePaths.erase(savePaths.begin());
        if (p.empty()) return false;
        path = p;
        return true;
    }
    bool AskOpenFile(const std::string&, const std::string& folder, const std::string&, std::string& path) override {
        openFolders.push_back(folder);
        if (openPaths.empty()) return false;
        path = openPaths.front();
        openPaths.erase(openPaths.begin());
        return !path.empty();
    }
    bool AskParameters(const Operation& op, OpArgs& args) override {
        parametersAsked.push_back(&op);
        if (parameterAnswers.empty()) return true;
        auto answer = parameterAnswers.front();
        parameterAnswers.erase(parameterAnswers.begin());
        return answer(args);
    }
    bool AskColour(Colour& colour) override {
        coloursAsked.push_back(colour);
        if (colourAnswers.empty()) return false;
        colour = colourAnswers.front();
        colourAnswers.erase(colourAnswers.begin());
        return true;
    }
    bool AskFont(FontChoice& font) override {
        fontsAsked.push_back(font);
        if (fontAnswers.empty()) return false;
        font = fontAnswers.front();
        fontAnswers.erase(fontAnswers.begin());
        return true;
    }
};

}  // namespace lum
