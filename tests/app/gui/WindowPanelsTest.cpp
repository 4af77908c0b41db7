// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "editing/Prompts.h"
#include "widgets/PanelSkins.h"
#include "widgets/GradientPanel.h"

namespace {

void Pump() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

TEST(WindowPanels, EveryMainWindowPanelPaintsItsDesignLook) {
    guitest::App();
    MainWindow::SetStartupLogoPath(QStringLiteral("/nonexistent/lumora/LumoraLogo.jpg"));
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.resize(1024, 740);
    w.show();
    for (const char* tool : {"ViewOrginalPhotoToolWindow", "ProcessingProgressToolWindow"})
        if (auto* t = w.findChild<QWidget*>(QString::fromLatin1(tool))) t->show();
    Pump();

    const QStringList designed = lum::DesignSkinNames();
    const QList<GradientPanel*> panels = w.findChildren<GradientPanel*>();
    EXPECT_GE(panels.size(), 12);
    int checked = 0;
    for (GradientPanel* p : panels) {
        const QString name = p->objectName();
        const std::string n = name.toStdString();
        ASSERT_TRUE(designed.contains(name)) << "panel without a design look: " << n;
        const GradientPanelLook want = lum::DesignSkin(name);
        EXPECT_EQ(p->PanelStyle(), want.style) << n;
        EXPECT_EQ(p->BoundWidth(), want.boundWidth) << n;
        EXPECT_EQ(p->FrontColor(), want.front) << n;
        EXPECT_EQ(p->MiddleColor(), want.middle) << n;
        EXPECT_EQ(p->BackColor(), want.back) << n;
        if (!p->isVisible()) continue;
        ++checked;
        // Laid out, the panel is big enough for its band and shows its style, not the plain
        // look nor the half-panel ramp of a panel too small for its band.
        EXPECT_GE(p->BoundWidth(), 2) << n;
        EXPECT_LE(2 * p->BoundWidth(), p->width()) << n << " " << p->width() << " x " << p->height();
        EXPECT_LE(2 * p->BoundWidth(), p->height()) << n << " " << p->width() << " x " << p->height();
        // Every styled look starts from the back colour in the top-left corner.
        const QImage img = p->grab().toImage();
        ASSERT_FALSE(img.isNull()) << n;
        EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, p->BackColor().rgb() & 0xFFFFFF) << n;
    }
    EXPECT_GE(checked, 10);
}
