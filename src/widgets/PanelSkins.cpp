// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PanelSkins.h"

#include <QHash>

namespace lum {

QColor SkyBlue() { return QColor(166, 202, 240); }
QColor Maroon() { return QColor(128, 0, 0); }

namespace {

constexpr auto look = &GradientPanelLook::Of;

const QHash<QString, GradientPanelLook>& skins() {
    static const QHash<QString, GradientPanelLook> table = [] {
        const QColor white(Qt::white), black(Qt::black), blue(Qt::blue);
        const QColor sky = SkyBlue(), maroon = Maroon();
        QHash<QString, GradientPanelLook> t;
        // The whole-panel ramps (201, 202, 211) still need a band of at least 2: with 0 or 1
        // the panel falls back to the plain look before its style is looked at.
        // Main window. Top band: the logo fades from white into sky blue, the picture panel
        // on its right continues in sky blue with a maroon rim.
        t.insert("LogoRealMemoryPanel", look(202, 2, white, white, sky));
        t.insert("PictureRealMemoryPanel", look(101, 10, maroon, white, sky));
        // Left column: folder tree and photo list inside a soft white-to-sky frame.
        t.insert("SelectingFileRealMemoryPanel", look(0, 10, white, white, sky));
        t.insert("MemoRealMemoryPanel", look(0, 2, sky, white, white));
        // Photo area and its button rows.
        t.insert("PhotoAreaRealMemoryPanel", look(0, 10, white, white, sky));
        t.insert("TopButtonsRealMemoryPanel", look(211, 2, white, sky, white));
        t.insert("BottomButtonsRealMemoryPanel", look(211, 2, white, sky, white));
        t.insert("SaveRealMemoryPanel", look(0, 20, maroon, white, sky));
        // Bottom band: version button on a sky ramp, home-page panel framed in maroon.
        t.insert("BottomRealMemoryPanel", look(201, 2, sky, white, white));
        t.insert("HomeRealMemoryPanel", look(101, 10, maroon, white, sky));
        // Progress and original-photo tool windows.
        t.insert("ProgressRealMemoryPanel", look(201, 2, white, white, sky));
        t.insert("OrginalPhotoRealMemoryPanel", look(0, 2, blue, white, white));
        // Compare window.
        t.insert("RealMemoryPanel_Top", look(201, 2, white, white, sky));
        t.insert("OrginalPartRealMemoryPanel", look(0, 2, sky, white, white));
        t.insert("OrginalTitleRealMemoryPanel", look(211, 2, white, sky, white));
        t.insert("RealMemoryPanel1", look(0, 2, sky, white, white));
        t.insert("RealMemoryPanel4", look(211, 2, white, sky, white));
        t.insert("RealMemoryPanel2", look(0, 10, white, white, sky));
        // Plain panels (a plain panel look with black text on the button face).
        t.insert("PlainRealMemoryPanel", look(0, 0, black, black, black));
        return t;
    }();
    return table;
}

}  // namespace

GradientPanelLook DesignSkin(const QString& designName) {
    auto it = skins().constFind(designName);
    if (it != skins().constEnd()) return *it;
    return look(211, 2, Qt::white, SkyBlue(), Qt::white);
}

QStringList DesignSkinNames() {
    QStringList names = skins().keys();
    names.sort();
    return names;
}

}  // namespace lum

void ApplyDesignSkin(GradientPanel* panel, const QString& designName) {
    if (!panel) return;
    panel->setLook(lum::DesignSkin(designName));
    if (panel->objectName().isEmpty()) panel->setObjectName(designName);
    panel->update();
}

GradientPanel* MakeSkinnedPanel(const QString& designName, QWidget* parent) {
    auto* panel = new GradientPanel(parent);
    panel->setObjectName(designName);
    ApplyDesignSkin(panel, designName);
    return panel;
}
