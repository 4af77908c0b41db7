#include "app/OpenablePhotos.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lum {

QStringList OpenablePhotoPatterns() {
    return {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.bmp")};
}

QString OpenablePhotoMask() { return OpenablePhotoPatterns().join(QLatin1Char(';')); }

QString OpenablePhotoFilter() {
    return QCoreApplication::translate("lum", "Photos (%1)").arg(OpenablePhotoPatterns().join(QLatin1Char(' ')));
}

bool IsOpenablePhotoName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const QString& pattern : OpenablePhotoPatterns())
        if (pattern.mid(2) == suffix) return true;
    return false;
}

}  // namespace lum
