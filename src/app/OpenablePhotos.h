// The photo files the windows open (File > Open, the photo list, drops, the command line's
// photo): one place that says which, so a new format is added here once.
#pragma once
#include <QString>
#include <QStringList>

namespace lum {

// "*.jpg", "*.jpeg", "*.bmp" (matched without regard to case).
QStringList OpenablePhotoPatterns();
// The photo list's mask: the patterns joined by ";".
QString OpenablePhotoMask();
// The open dialog's filter, in Qt's notation.
QString OpenablePhotoFilter();
// The name (any case) matches one of the patterns.
bool IsOpenablePhotoName(const QString& path);

}  // namespace lum
