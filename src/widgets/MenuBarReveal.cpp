// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MenuBarReveal.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

namespace lum {

MenuBarReveal::MenuBarReveal(QWidget* window, QMenuBar* bar) : QObject(window), window_(window), bar_(bar) {
    // Keys go to whichever child has the focus; the application sees them all first.
    qApp->installEventFilter(this);
}

void MenuBarReveal::hideWhenLeft() {
    QTimer::singleShot(0, this, [this] {
        if (!revealed_ || !bar_ || bar_->activeAction() || QApplication::activePopupWidget()) return;
        SetRevealed(false);
    });
}

void MenuBarReveal::OpenMenu(QAction* menu) {
    if (!bar_) return;
    SetRevealed(true);
    if (!menu) {
        for (QAction* a : bar_->actions())
            if (a->menu() && a->isVisible()) {
                menu = a;
                break;
            }
    }
    if (!menu) return;
    // The bar was just shown: place it now so the menu opens under its entry.
    if (window_ && window_->layout()) window_->layout()->activate();
    bar_->setActiveAction(menu);
}

QAction* MenuBarReveal::menuOfLetter(int key) const {
    if (!bar_) return nullptr;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
    for (QAction* a : bar_->actions())
        if (a->menu() && QKeySequence::mnemonic(a->text()) == pressed) return a;
    return nullptr;
}

MenuBarReveal::~MenuBarReveal() {
    if (qApp) qApp->removeEventFilter(this);
}

void MenuBarReveal::SetRevealed(bool on) {
    if (!bar_ || on == revealed_) return;
    revealed_ = on;
    if (on) {
        design_.clear();
        for (QAction* a : bar_->actions()) {
            // Leaving the menus closes the last of them; moving from one menu to the next
            // closes one and opens another, which the check after the event tells apart.
            if (a->menu()) connect(a->menu(), &QMenu::aboutToHide, this, &MenuBarReveal::hideWhenLeft, Qt::UniqueConnection);
            design_.insert(a, Design{a->isVisible(), a->isEnabled()});
            a->setVisible(true);
            a->setEnabled(true);
        }
        bar_->show();
    } else {
        for (auto it = design_.constBegin(); it != design_.constEnd(); ++it) {
            if (!bar_->actions().contains(it.key())) continue;
            it.key()->setVisible(it->visible);
            it.key()->setEnabled(it->enabled);
        }
        design_.clear();
        bar_->hide();
    }
    emit RevealedChanged(on);
}

bool MenuBarReveal::ours(QObject* watched) const {
    auto* w = qobject_cast<QWidget*>(watched);
    return w && window_ && w->window() == window_;
}

bool MenuBarReveal::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::KeyPress: {
            if (!ours(watched)) break;
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->isAutoRepeat()) break;
            if (k->key() == Qt::Key_F10 && k->modifiers() == Qt::NoModifier) {
                altAlone_ = false;
                OpenMenu();
                return true;
            }
            // The hidden bar takes no letters of its own.
            if (!revealed_ && k->modifiers() == Qt::AltModifier) {
                if (QAction* menu = menuOfLetter(k->key())) {
                    altAlone_ = false;
                    OpenMenu(menu);
                    return true;
                }
            }
            // Alt counts only when nothing else is pressed with it.
            altAlone_ = k->key() == Qt::Key_Alt && (k->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
            break;
        }
        case QEvent::KeyRelease: {
            if (!ours(watched)) break;
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->isAutoRepeat()) break;
            if (k->key() == Qt::Key_Alt && altAlone_) {
                altAlone_ = false;
                OpenMenu();
                return true;
            }
            altAlone_ = false;
            break;
        }
        case QEvent::MouseButtonPress:
            // A click beside the bar leaves it.
            if (revealed_ && ours(watched) && watched != bar_) hideWhenLeft();
            altAlone_ = false;
            break;
        case QEvent::FocusIn:
            // The bar gives the focus back when the keyboard leaves it (Escape).
            if (revealed_ && ours(watched) && watched != bar_) hideWhenLeft();
            break;
        case QEvent::Wheel:
        case QEvent::WindowDeactivate:
        case QEvent::ShortcutOverride:
            if (e->type() != QEvent::ShortcutOverride || static_cast<QKeyEvent*>(e)->key() != Qt::Key_Alt)
                altAlone_ = false;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace lum
