#include "app/LoadInputGate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace lum {

LoadInputGate::LoadInputGate(const QList<QObject*>& admitted) {
    for (QObject* o : admitted) admitted_ << QPointer<QObject>(o);
    qApp->installEventFilter(this);
}

LoadInputGate::~LoadInputGate() { qApp->removeEventFilter(this); }

bool LoadInputGate::isAdmitted(QObject* receiver) const {
    for (const QPointer<QObject>& a : admitted_) {
        if (!a) continue;
        if (a == receiver) return true;
        auto* w = qobject_cast<QWidget*>(a.data());
        auto* r = qobject_cast<QWidget*>(receiver);
        if (w && r && w->isAncestorOf(r)) return true;
    }
    return false;
}

bool LoadInputGate::Admits(QObject* receiver, const QEvent* e) const {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            break;
        case QEvent::ContextMenu:
            return false;  // the list's menu renames and deletes files
        default:
            return true;
    }
    // Real input reaches a top-level window first, which hands it on to the widget under the
    // mouse or with the focus; that delivery comes through here again and is judged then.
    if (receiver->isWindowType()) return true;
    // A question asked meanwhile (a photo that failed) must be answerable.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        auto* r = qobject_cast<QWidget*>(receiver);
        if (r && (r == modal || modal->isAncestorOf(r))) return true;
    }
    if (!isAdmitted(receiver)) return false;
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
        // Renaming or deleting a file waits for a photo on screen.
        const int key = static_cast<const QKeyEvent*>(e)->key();
        if (key == Qt::Key_F2 || key == Qt::Key_Delete || key == Qt::Key_Menu) return false;
    }
    return true;
}

bool LoadInputGate::eventFilter(QObject* watched, QEvent* e) { return !Admits(watched, e); }

}  // namespace lum
