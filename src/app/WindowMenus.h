// SPDX-License-Identifier: GPL-3.0-or-later
// The menus both editing windows carry: the menu bar of the design (File, Edit, Image, Mixing,
// Optimization, Macro, Help), every entry hidden so the bar shows nothing until Alt or F10
// reveals it, and the colour-shift pop-up menu (also the Image menu's "Colour Shift"). Items
// keep their design names; an item that is a control of the operation table runs its operation
// and takes its caption from the table's row, the window's own items run the window's handlers,
// and an item that has neither stays hidden, so every item shown does what it says.
#pragma once
#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>

#include "editing/Macro.h"

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace lum {

class MenuBarReveal;

// Also the macro recorder's menu: it drives "&Close" and "&Execute" and tells the window while
// it records.
struct WindowMenus : MacroMenu {
    QMenuBar* bar = nullptr;  // MenuBar
    MenuBarReveal* reveal = nullptr;
    QMenu* colorMenu = nullptr;  // ColorChangePopupMenu
    QAction* closeMacro = nullptr;
    QAction* executeMacro = nullptr;
    // The items that touch the picture (the table's, and the window's own named so): greyed
    // while a job owns it.
    QList<QAction*> pictureItems;
    std::function<void(bool recording, int count)> showRecording;

    void SetCloseEnabled(bool on) override;
    void SetExecuteEnabled(bool on) override;
    void ShowRecording(bool recording, int count) override;
};

// Builds the menus of window (kMainWindow or kCompareWindow). runCommand runs the table's
// operation behind a control; own maps item names to the window's handlers (already guarded),
// of which those in touching are picture items too.
WindowMenus BuildWindowMenus(QMainWindow* window, unsigned windowBit,
                             const std::function<void(const char* control)>& runCommand,
                             const std::map<std::string, std::function<void()>>& own,
                             const std::set<std::string>& touching);

// The desktop's standard keys on the named items of bar, answered by window whether the bar is
// shown or not.
void GiveStandardKeys(QMainWindow* window, QMenuBar* bar,
                      std::initializer_list<std::pair<const char*, QKeySequence>> keys);

// A caption, face or hint of the operation table in the user's language.
QString OperationText(const char* caption);

// A top-level menu hidden like the design's, inserted before `before` (at the end when null).
QMenu* AddHiddenMenu(QMenuBar* bar, const char* name, const QString& caption, QAction* before = nullptr);

// The caption of a menu item, a button or a menu in the user's language.
QString MenuText(const char* caption);

}  // namespace lum
