// SPDX-License-Identifier: GPL-3.0-or-later
// "Mémorizer last working folder": while the option is on, the option and the last folder
// chosen in the folder tree are kept between runs.
#pragma once
#include <QString>

struct FolderMemory {
    static bool Enabled();
    // Turning the option off forgets the folder as well.
    static void SetEnabled(bool on);
    static QString LastFolder();
    // Stores `folder` as the last working folder when the option is on and it is a folder.
    static void Remember(const QString& folder);
    // Forgets the option and the folder ("Reset standard Parameters").
    static void Forget();
    // Where the program starts: the remembered folder when the option is on and it still
    // exists, otherwise the Pictures folder when it exists, otherwise home.
    static QString StartFolder();
    // The Pictures folder or home.
    static QString DefaultFolder();
};
