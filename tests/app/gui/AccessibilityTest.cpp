// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of every window and dialog, as a screen reader meets it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>

#include "GuiTestSupport.h"
#include "app/AboutDialog.h"
#include "app/BlurDialog.h"
#include "app/NewSizeDialog.h"
#include "app/OptionsDialog.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/TextStampDialog.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "app/Program.h"
#include "app/RotateAngleDialog.h"
#include "compose/PictureChooser.h"
#include "widgets/ScreenReaderNames.h"

using namespace guitest;

TEST(Accessibility, EveryFocusableControlHasANameAndCrypticFacesADescription) {
    App();
    lum::RecordingPrompts prompts;
    lum::Program program(&prompts);
    MainWindow& main = program.Window();
    main.show();
    lum::Dialogs& d = program.dialogs();
    CompareWindow compare(d, &prompts);
    compare.FillCompareWindow(Pattern(60, 40, 2), Pattern(60, 40, 1));
    compare.show();
    RotateAngleDialog rotate(&main);
    AboutDialog about(&main);
    const QList<QWidget*> windows{&main, &compare, &d.Options(), &d.Chooser(), &d.Mix(), &d.Gradient(),
                                  &d.NewSize(), &d.Blur(), &d.TextStamp(), &rotate, &about};
    int checked = 0;
    for (QWidget* window : windows) {
        window->show();
        Pump();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window) || !w->isEnabled()) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr);
            const std::string where = window->objectName().toStdString() + "/" + w->objectName().toStdString() +
                                      " (" + w->metaObject()->className() + ")";
            ++checked;
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << where;
            const auto* b = qobject_cast<QAbstractButton*>(w);
            if (b && lum::IsCrypticFace(b->text())) {
                EXPECT_FALSE(a->text(QAccessible::Description).trimmed().isEmpty())
                    << where << " face \"" << b->text().toStdString() << "\"";
            }
        }
        if (window != &main) window->hide();
    }
    EXPECT_GT(checked, 100);
    // The faces that say nothing by themselves, and the ones that do.
    for (const char* face : {"", "{", "=", "U", "BG", "10", " 5", "&C", "1:1"}) EXPECT_TRUE(lum::IsCrypticFace(face)) << face;
    for (const char* face : {"OK", "&Save", "Cancel", "640 pixels"}) EXPECT_FALSE(lum::IsCrypticFace(face)) << face;
}
