// SPDX-License-Identifier: GPL-3.0-or-later
// The design looks of the program's panels, by the panel's design name.
#pragma once
#include <QString>
#include <QStringList>

#include "widgets/GradientPanel.h"

namespace lum {

// Sky blue and maroon of the window designs.
QColor SkyBlue();   // 166, 202, 240
QColor Maroon();    // 128, 0, 0

// The look of a named panel; unknown names get the look of a plain button row.
GradientPanelLook DesignSkin(const QString& designName);
// Names that have a look of their own.
QStringList DesignSkinNames();

}  // namespace lum

// Sets the panel's five look properties from its design and repaints it.
void ApplyDesignSkin(GradientPanel* panel, const QString& designName);
// A new panel named and dressed after its design.
GradientPanel* MakeSkinnedPanel(const QString& designName, QWidget* parent);
