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
#include "view/PaintToolbar.h"
#include "view/SelectionToolbar.h"
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
            if (b && lum::IsCrypticFace(b->text()))
                EXPECT_FALSE(a->text(QAccessible::Description).trimmed().isEmpty())
                    << where << " face \"" << b->text().toStdString() << "\"";
        }
        if (window != &main) window->hide();
    }
    EXPECT_GT(checked, 100);
    // The faces that say nothing by themselves, and the ones that do.
    for (const char* face : {"", "{", "=", "U", "BG", "10", " 5", "&C", "1:1"}) EXPECT_TRUE(lum::IsCrypticFace(face)) << face;
    for (const char* face : {"OK", "&Save", "Cancel", "640 pixels"}) EXPECT_FALSE(lum::IsCrypticFace(face)) << face;
}

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
    if (!common || common == a || bSide == b && aUp.contains(b)) return {};
    QWidget* aSide = a;
    while (aSide->parentWidget() != common) aSide = aSide->parentWidget();
    const auto rect = [window](QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
    return {rect(aSide), rect(bSide)};
}

}  // namespace

// Tab walks every window and dialog as it is read: each control of a layout is followed by one
// below it, or by one to its right (on its line, or atop the next column), and no control keeps
// the Tab key for itself.
TEST(Accessibility, TabFollowsTheLayout) {
    App();
    lum::RecordingPrompts prompts;
    lum::Program program(&prompts);
    MainWindow& main = program.Window();
    main.show();
    lum::Dialogs& d = program.dialogs();
    CompareWindow compare(d, &prompts);
    compare.FillCompareWindow(Pattern(60, 40, 2), Pattern(60, 40, 1));
    RotateAngleDialog rotate(&main);
    AboutDialog about(&main);
    lum::BatchDialog batch(prompts, &main);
    compare.show();
    compare.ShowAllButtons(true);
    compare.TogglePaintToolbar();
    compare.ToggleSelectionToolbar();
    QList<QWidget*> windows{&main, &compare, &d.Options(), &d.Chooser(), &d.Mix(), &d.Gradient(),
                            &d.NewSize(), &d.Blur(), &d.TextStamp(), &rotate, &about, &batch};
    for (QWidget* toolbar : {static_cast<QWidget*>(compare.paintToolbar()), static_cast<QWidget*>(compare.selectionToolbar())})
        if (toolbar && !windows.contains(toolbar->window())) windows << toolbar->window();
    constexpr int kTolerance = 4;  // controls touching or overlapping by a few pixels
    for (QWidget* window : windows) {
        window->show();
        Pump();
        const std::string name = window->objectName().toStdString();
        const auto reachable = [window](QWidget* w) {
            return w != window && w->window() == window && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
                   w->isVisibleTo(window) && w->isEnabled();
        };
        QList<QWidget*> chain;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (reachable(w)) chain << w;
        int focusable = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) focusable += reachable(w) ? 1 : 0;
        EXPECT_EQ(chain.size(), focusable) << name;
        for (int i = 0; i < chain.size(); ++i) {
            QWidget* w = chain[i];
            const std::string where = name + "/" + w->objectName().toStdString() + " (" + w->metaObject()->className() + ")";
            EXPECT_EQ(chain.indexOf(w), i) << where << " twice";
            if (auto* t = qobject_cast<QTextEdit*>(w)) EXPECT_TRUE(t->tabChangesFocus()) << where;
            if (auto* t = qobject_cast<QPlainTextEdit*>(w)) EXPECT_TRUE(t->tabChangesFocus()) << where;
            if (auto* v = qobject_cast<QAbstractItemView*>(w)) EXPECT_FALSE(v->tabKeyNavigation()) << where;
            if (i == 0) continue;
            const auto [from, to] = SiblingRects(chain[i - 1], w, window);
            if (from.isNull()) continue;
            const bool below = to.top() >= from.bottom() - kTolerance;
            const bool right = to.left() >= from.right() - kTolerance;
            EXPECT_TRUE(below || right) << where << " after " << chain[i - 1]->objectName().toStdString() << ": ("
                                        << to.x() << "," << to.y() << ") after (" << from.x() << "," << from.y() << " "
                                        << from.width() << "x" << from.height() << ")";
        }
        if (window != &main) window->hide();
    }
}
