// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' language: the desktop's where Lumora has a translation for it, English otherwise.
#pragma once
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

namespace lum {

// The languages the desktop asks for, best first, as locale names without encoding or
// modifier ("fr_FR", "de"): LANGUAGE's list, then the first of LC_ALL, LC_MESSAGES and LANG that
// is set, as gettext reads them. Empty for the C and POSIX locales (English).
QStringList DesktopLanguages(const QProcessEnvironment& env);

// Folders holding lumora_*.qm: beside the program (a build tree), then the installed share
// folder next to its bin folder.
QStringList TranslationFolders();

// Lumora's translation and Qt's own (standard buttons, file dialogs) for one language,
// installed into the application while it lives.
class UiTranslation {
public:
    UiTranslation();
    ~UiTranslation();
    UiTranslation(const UiTranslation&) = delete;
    UiTranslation& operator=(const UiTranslation&) = delete;

    // Takes the first language that Lumora is translated into; English (the texts as written)
    // comes before any later one. Returns the language chosen, "" for English.
    QString Load(const QStringList& languages, const QStringList& folders);
    QString Language() const { return language_; }

private:
    void Unload();

    std::unique_ptr<QTranslator> own_, qt_;
    QString language_;
};

}  // namespace lum
