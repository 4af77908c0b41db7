// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PhotoFiles.h"

#include <QCoreApplication>
#include <QFile>

#include "image/Codec.h"
#include "image/FormatNames.h"

namespace lum {

QStringList PhotoNameFilters() {
    QStringList out;
    for (const std::string& p : PhotoFilePatterns()) out << QString::fromStdString(p);
    // Bitmaps open and save in the windows too; only the batches leave them out.
    out << QStringLiteral("*.bmp");
    return out;
}

QString PhotoListMask() { return PhotoNameFilters().join(QLatin1Char(';')); }

QString PhotoOpenFilter() {
    return QCoreApplication::translate("PhotoFiles", "Photos") + QStringLiteral(" (") +
           PhotoNameFilters().join(QLatin1Char(' ')) + QLatin1Char(')');
}

bool IsPhotoFileName(const QString& path) {
    const std::string name = QFile::encodeName(path).toStdString();
    return HasPhotoExtension(name) || HasBmpExtension(name);
}

}  // namespace lum
