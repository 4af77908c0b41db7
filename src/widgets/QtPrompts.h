// SPDX-License-Identifier: GPL-3.0-or-later
// The questions, notices and file dialogs of the desktop program.
#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

#include "editing/Prompts.h"
#include "image/Translatable.h"

namespace lum {

// A message of the layers below in the window's language, each part worded in it.
QString Worded(const Words& words);
// What an error says, in the window's language: the reader's words where it has them.
QString ErrorWords(const std::exception& error);

// The one implementation with Qt's message boxes and file dialogs. Without a parent the boxes
// belong to the active window.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    // For widgets that were given no prompts object.
    static QtPrompts& Fallback();
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    bool AskYesNoSafe(const std::string& caption, const std::string& text) override;
    Answer AskYesNoCancel(const std::string& caption, const std::string& text) override;
    Answer AskSaveChanges(const std::string& caption, const std::string& text) override;
    int AskChoice(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons,
                  int preset, int cancel) override;
    void Error(const std::string& text) override;
    bool AskSaveFile(const std::string& title, const std::string& folder, const std::string& filter,
                     std::string& path) override;
    bool AskOpenFile(const std::string& title, const std::string& folder, const std::string& filter,
                     std::string& path) override;
    bool AskText(const std::string& caption, const std::string& label, std::string& text) override;
    bool AskFolder(const std::string& title, std::string& path) override;
    void ShowText(const std::string& caption, const std::string& text) override;
    bool AskColour(Colour& colour) override;
    bool AskFont(FontChoice& font) override;

    // A filter as Qt's name filter list: "description|patterns" pairs ("JPG(*.jpg)|*.jpg")
    // are converted, Qt's own notation ("JPG(*.jpg)") is kept.
    static QString QtFilter(const std::string& filter);
    // The suffix of the first pattern ("jpg" for "JPG(*.jpg)|*.jpg"), empty for "*.*".
    static QString DefaultSuffix(const std::string& filter);

private:
    QWidget* parentWidget() const;
    QWidget* onTop() const;
    QPointer<QWidget> parent_;
};

}  // namespace lum
