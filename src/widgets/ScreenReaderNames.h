// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of each control: the words a sighted user reads beside it (its
// caption, its label, its group, its tooltip), and a description where its face alone tells
// nothing (a letter, a symbol, an icon).
#pragma once
#include <QString>

class QWidget;

namespace lum {

// Names every control of root (and root) that has no accessible name yet, and describes the
// ones with a cryptic face. Names given by the code are kept.
void NameControls(QWidget* root);
// The same for every window and dialog of the program, each time one is shown.
void NameControlsOfEveryWindow();
// A face that says nothing by itself: no word of three letters or more, OK aside ("{", "=",
// "U", "BG", "10").
bool IsCrypticFace(const QString& text);

}  // namespace lum
