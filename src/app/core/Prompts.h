// Every question, notice and file dialog goes through this interface, so tests can answer
// them without a modal loop. The desktop program implements it with Qt's dialogs.
#pragma once
#include <string>
#include <vector>

namespace lum {

class Prompts {
public:
    virtual ~Prompts() = default;
    // A plain notice ("Macro : 64 axions maximum.").
    virtual void Message(const std::string& text) = 0;
    // A modal Yes/No question with a caption; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
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
};

// Answers nothing and remembers what was asked; for the command line and tests.
class RecordingPrompts : public Prompts {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> answers;  // consumed front to back; default No when empty
    std::vector<std::string> savePaths;  // consumed front to back; empty string = cancel
    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        questions.push_back(caption + ": " + text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    bool AskSaveFile(const std::string&, const std::string&, const std::string&, std::string& path) override {
        if (savePaths.empty()) return false;
        std::string p = savePaths.front();
        savePaths.erase(savePaths.begin());
        if (p.empty()) return false;
        path = p;
        return true;
    }
};

}  // namespace lum
