// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of every window and dialog, as a screen reader meets it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "GuiTestSupport.h"
#include "app/AboutDialog.h"
#include "app/BatchDialog.h"
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

namespace {

// The rectangles, in window pixels, of the two children of a's and b's nearest common parent
// that hold them: siblings of one layout, compared as the eye reads them. Empty when one holds
// the other.
std::pair<QRect, QRect> SiblingRects(QWidget* a, QWidget* b, QWidget* window) {
    QList<QWidget*> aUp;
    for (QWidget* w = a; w; w = w->parentWidget()) aUp << w;
    QWidget* bSide = b;
    while (bSide->parentWidget() && !aUp.contains(bSide->parentWidget())) bSide = bSide->parentWidget();
    QWidget* common = bSide->parentWidget();
    if (!common || common == a || aUp.contains(b)) return {};
    QWidget* aSide = a;
    while (aSide->parentWidget() != common) aSide = aSide->parentWidget();
    const auto rect = [window](QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
    return {rect(aSide), rect(bSide)};
}

}  // namespace

// Also, Tab walks every window as it is read: each control of a layout is followed by one below
// it, or by one to its right (on its line, or atop the next column); no control keeps Tab.
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
    compare.ShowAllButtons(true);
    compare.TogglePaintToolbar();
    compare.ToggleSelectionToolbar();
    RotateAngleDialog rotate(&main);
    AboutDialog about(&main);
    lum::BatchDialog batch(prompts, &main);
    const QList<QWidget*> windows{&main, &compare, &d.Options(), &d.Chooser(), &d.Mix(), &d.Gradient(),
                                  &d.NewSize(), &d.Blur(), &d.TextStamp(), &rotate, &about, &batch};
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
        QList<QWidget*> chain;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(window) &&
                w->isEnabled())
                chain << w;
        for (int i = 0; i < chain.size(); ++i) {
            const std::string where = window->objectName().toStdString() + "/" + chain[i]->objectName().toStdString();
            const auto* text = qobject_cast<QTextEdit*>(chain[i]);
            const auto* plain = qobject_cast<QPlainTextEdit*>(chain[i]);
            const auto* view = qobject_cast<QAbstractItemView*>(chain[i]);
            EXPECT_FALSE((text && !text->tabChangesFocus()) || (plain && !plain->tabChangesFocus()) ||
                         (view && view->tabKeyNavigation()))
                << where << " keeps Tab";
            const auto [from, to] = i > 0 ? SiblingRects(chain[i - 1], chain[i], window) : std::pair<QRect, QRect>();
            constexpr int kTolerance = 4;  // controls touching or overlapping by a few pixels
            EXPECT_TRUE(from.isNull() || to.top() >= from.bottom() - kTolerance || to.left() >= from.right() - kTolerance)
                << where << " after " << chain[i - 1]->objectName().toStdString();
        }
        if (window != &main) window->hide();
    }
    EXPECT_GT(checked, 100);
    // The faces that say nothing by themselves, and the ones that do.
    for (const char* face : {"", "{", "=", "U", "BG", "10", " 5", "&C", "1:1"}) EXPECT_TRUE(lum::IsCrypticFace(face)) << face;
    for (const char* face : {"OK", "&Save", "Cancel", "640 pixels"}) EXPECT_FALSE(lum::IsCrypticFace(face)) << face;
}
