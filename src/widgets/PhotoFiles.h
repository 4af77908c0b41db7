// SPDX-License-Identifier: GPL-3.0-or-later
// The photo files the desktop program takes, as Qt names them: one list for the photo list, the
// picture chooser, drag and drop, the command line's photo and File > Open.
#pragma once
#include <QString>
#include <QStringList>

namespace lum {

// "*.jpg", "*.jpeg", "*.heic", ... (match them without regard to case).
QStringList PhotoNameFilters();
// The same as the photo list's mask: "*.jpg;*.jpeg;...".
QString PhotoListMask();
// A file dialog's filter: "Photos (*.jpg *.jpeg ...)", translated.
QString PhotoOpenFilter();
// The name (any case) is one of PhotoNameFilters.
bool IsPhotoFileName(const QString& path);

}  // namespace lum
