// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MenuBarReveal.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

namespace lum {

MenuBarReveal::MenuBarReveal(QWidget* window, QMenuBar* bar) : QObject(window), window_(window), bar_(bar) {
    // Keys go to whichever child has the focus; the application sees them all first.
    qApp->installEventFilter(this);
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
                Toggle();
                return true;
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
                Toggle();
                return true;
            }
            altAlone_ = false;
            break;
        }
        case QEvent::MouseButtonPress:
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
