// SPDX-License-Identifier: GPL-3.0-or-later
// What the photo list and the folder tree share of their file commands: pasting (and dropping)
// files into a folder with its messages, and the words for what failed.
#pragma once
#include <QString>
#include <QStringList>

#include "files/FileOps.h"

namespace lum {

class Prompts;

// How files come into a folder: from the clipboard (cut or copied) or dropped on it.
enum class PasteWay { Clipboard, Drop };

// Copies `files` into `folder`, or moves them when `move`. Says what failed (which file and the
// system's reason) and, when every moved file was in the folder already, that nothing happened.
// From the clipboard, a cut keeps on the clipboard whatever was not moved, so nothing is lost;
// a complete cut empties it. Returns the folders whose contents changed.
QStringList PasteFiles(const QStringList& files, const QString& folder, bool move, PasteWay way, Prompts& prompts);

// One failure: `one` with the file name (%1) and the reason (%2); several: `many` then a line
// "name: reason" for each.
QString FailureText(const QList<files::FileFailure>& failures, const QString& one, const QString& many);

// The name of a path as a message shows it (the file or folder name, the path for a root).
QString ShownName(const QString& path);

}  // namespace lum
