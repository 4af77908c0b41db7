// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own pictures: button icons, tool cursors, logo and other pictures, all drawn
// as SVG files in the program's resources.
#pragma once
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace lum {
// Makes sure the compiled-in resources are registered (called by the functions below).
void EnsureLumoraResources();
}

// Icon of the button with this design name (":/icons/<designName>.svg"); a null icon when
// there is none. "lumora" is the application icon.
QIcon LumoraIcon(const QString& designName);
// Tool cursor by resource name: "POLY", "PIPETTE", "SPRAY", "CRAYON", "EFFETS", "REMPLIR",
// "CURZOOM" (32 x 32 at 1x, sharp on 2x screens); the hot spot is given in 1x pixels.
// A negative hot spot uses the cursor's own.
QCursor LumoraCursor(const QString& name, int hotX = -1, int hotY = -1);
// Picture by name from ":/images/<name>.svg" at its natural size ("logo", "welcome",
// "progress"); scaled to `size` when given.
QPixmap LumoraPicture(const QString& name, const QSize& size = QSize());

// The names shipped, for the checks.
QStringList LumoraIconNames();
QStringList LumoraCursorNames();
QStringList LumoraPictureNames();
