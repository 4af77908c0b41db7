#include "widgets/PhotoFiles.h"

#include <QCoreApplication>
#include <QFile>

#include "image/FormatNames.h"

namespace lum {

QStringList PhotoNameFilters() {
    QStringList out;
    for (const std::string& p : PhotoFilePatterns()) out << QString::fromStdString(p);
    return out;
}

QString PhotoListMask() { return PhotoNameFilters().join(QLatin1Char(';')); }

QString PhotoOpenFilter() {
    return QCoreApplication::translate("PhotoFiles", "Photos") + QStringLiteral(" (") +
           PhotoNameFilters().join(QLatin1Char(' ')) + QLatin1Char(')');
}

bool IsPhotoFileName(const QString& path) { return HasPhotoExtension(QFile::encodeName(path).toStdString()); }

}  // namespace lum
