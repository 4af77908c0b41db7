// SPDX-License-Identifier: GPL-3.0-or-later
// The compare window's menus beyond the shell's (the View menu, the zoom of both panes, the
// keys of its items) and the window's own commands.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include "app/CompareWindow.h"
#include "app/WindowMenus.h"
#include "app/WindowSettings.h"
#include "view/EditPane.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "widgets/OverflowRow.h"
#include "view/SelectionToolbar.h"

void CompareWindow::buildMenus() {
    WindowShell::buildMenus({});
    lum::WindowMenus& menus = this->menus();

    lum::GiveStandardKeys(this, menus.bar, {{"Btenregistrer", QKeySequence::Save}});

    // Beyond the design: the two floating toolbars and the zoom, from the keyboard too.
    QMenu* view = lum::AddHiddenMenu(menus.bar, "Affichage1", tr("&View"),
                                     menus.bar->findChild<QMenu*>(QStringLiteral("HelpMenu"))->menuAction());
    const auto viewItem = [&](const char* name, const QString& caption) {
        QAction* a = view->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QAction* selectionItem = viewItem("SelectionToolbarItem", tr("&Selection Toolbar"));
    QAction* paintItem = viewItem("PaintToolbarItem", tr("&Paint Toolbar"));
    connect(selectionItem, &QAction::triggered, this, [this] { Guard([this] { ToggleSelectionToolbar(); }); });
    connect(paintItem, &QAction::triggered, this, [this] { Guard([this] { TogglePaintToolbar(); }); });
    for (QAction* a : {selectionItem, paintItem}) a->setCheckable(true);
    connect(selectionToolbar(), &QToolBar::visibilityChanged, selectionItem, &QAction::setChecked);
    connect(PaintToolbar, &QToolBar::visibilityChanged, paintItem, &QAction::setChecked);
    QAction* allButtons = viewItem("ShowAllButtonsItem", tr("Show &All Buttons"));
    allButtons->setCheckable(true);
    connect(allButtons, &QAction::toggled, this, [this](bool on) { Guard([this, on] { ShowAllButtons(on); }); });
    view->addSeparator();
    QAction* zoomIn = viewItem("ZoomInItem", tr("Zoom &In"));
    QAction* zoomOut = viewItem("ZoomOutItem", tr("Zoom &Out"));
    zoomIn->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    addAction(zoomIn);
    addAction(zoomOut);
    view->addSeparator();
    view->addMenu(ZoomScalePopupMenu())->setText(tr("&Zoom Both Photos"));

    // Escape closes the window, with its question when there are changes.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("CloseShortcut"));
    connect(escape, &QShortcut::activated, this, [this] { close(); });
    // The buttons and toolbars shown when the window was closed last.
    allButtons->setChecked(lum::WindowSettings::Flag(lum::WindowSettings::kCompareAllButtons));
    restoreToolbars();

    // The zoom menu brings both panes back first; every zoom is the view's scale, which the
    // original pane follows, and the photo keeps its pixels.
    QMenu* zoom = ZoomScalePopupMenu();
    if (QAction* a = zoom->findChild<QAction*>(QStringLiteral("ZoomTo_FitWindow_Menuitem"))) {
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
        addAction(a);
    }
    Pane()->SetMenuZoom([this](lum::EditPane::ZoomItem which, int percent) {
        ShowBothPanes();
        switch (which) {
            case lum::EditPane::ZoomItem::FitWidth: return Pane()->ZoomToFitWidth();
            case lum::EditPane::ZoomItem::FitHeight: return Pane()->ZoomToFitHeight();
            case lum::EditPane::ZoomItem::FitWindow: return Pane()->ZoomToFitWindow();
            case lum::EditPane::ZoomItem::Percent: return Pane()->ZoomToPercent(percent);
        }
    });
    const auto step = [this](int direction) {
        lum::PhotoView* v = View();
        const QPoint middle = v->Canvas()->mapFrom(v->viewport(), v->viewport()->rect().center());
        Pane()->ZoomStep(direction, middle.x(), middle.y());
    };
    connect(zoomIn, &QAction::triggered, this, [this, step] { Guard([step] { step(+1); }); });
    connect(zoomOut, &QAction::triggered, this, [this, step] { Guard([step] { step(-1); }); });
}

// ---------------------------------------------------------------------------------------------
// The window's own commands

void CompareWindow::UndoAndRecord() {
    editor().Undo();
    editor().Macro().Record(0);
}

void CompareWindow::PopUpColourMenu() { ColorChangePopupMenu()->popup(QCursor::pos()); }

void CompareWindow::ToggleSelectionToolbar() { selectionToolbar()->setVisible(!selectionToolbar()->isVisible()); }

void CompareWindow::TogglePaintToolbar() { PaintToolbar->setVisible(!PaintToolbar->isVisible()); }

void CompareWindow::ShowAllButtons(bool on) {
    allButtons_ = on;
    allButtonsRow_->setVisible(on);
    matchPaneMinimums();
    if (QAction* item = findChild<QAction*>(QStringLiteral("ShowAllButtonsItem"))) item->setChecked(on);
    lum::WindowSettings::SetFlag(lum::WindowSettings::kCompareAllButtons, on);
}

void CompareWindow::restoreToolbars() {
    selectionToolbar()->setVisible(lum::WindowSettings::Flag(lum::WindowSettings::kCompareSelectionToolbar));
    PaintToolbar->setVisible(lum::WindowSettings::Flag(lum::WindowSettings::kComparePaintToolbar));
}

void CompareWindow::rememberToolbars() {
    // isVisibleTo: the window itself may already be on its way out.
    lum::WindowSettings::SetFlag(lum::WindowSettings::kCompareSelectionToolbar, selectionToolbar()->isVisibleTo(this));
    lum::WindowSettings::SetFlag(lum::WindowSettings::kComparePaintToolbar, PaintToolbar->isVisibleTo(this));
}
