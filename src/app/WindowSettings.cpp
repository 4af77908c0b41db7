// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowSettings.h"

#include <QSettings>

namespace lum {

namespace {
QSettings Store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Lumora", "Lumora"); }
}  // namespace

bool WindowSettings::Flag(const char* key) { return Store().value(QString::fromLatin1(key), false).toBool(); }

void WindowSettings::SetFlag(const char* key, bool on) {
    QSettings s = Store();
    s.setValue(QString::fromLatin1(key), on);
    s.sync();
}

QString WindowSettings::Text(const char* key) { return Store().value(QString::fromLatin1(key)).toString(); }

void WindowSettings::SetText(const char* key, const QString& value) {
    QSettings s = Store();
    s.setValue(QString::fromLatin1(key), value);
}

}  // namespace lum
