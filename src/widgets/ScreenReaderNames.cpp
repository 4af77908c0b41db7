// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ScreenReaderNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

namespace lum {

namespace {

QString plain(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.simplified();
}

QString firstLine(const QString& text) {
    // Tooltips may be rich text or hold a shortcut on a second line.
    QString t = text;
    t.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return t.section(QLatin1Char('\n'), 0, 0).simplified();
}

// The label naming w (its buddy), w's own or its spin box's.
QString buddyText(QWidget* root, QWidget* w) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy) continue;
        if (buddy == w || buddy->focusProxy() == w || buddy->isAncestorOf(w)) return plain(label->text());
    }
    return QString();
}

QString groupTitle(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* g = qobject_cast<QGroupBox*>(p)) return plain(g->title());
    return QString();
}

bool isControl(QWidget* w) {
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w) != nullptr;
}

void nameOne(QWidget* root, QWidget* w) {
    const QString tip = firstLine(w->toolTip());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const QString face = plain(b->text());
        const bool cryptic = IsCrypticFace(face);
        if (w->accessibleName().isEmpty()) {
            QString name = face;
            if (cryptic && !tip.isEmpty()) name = face.isEmpty() ? tip : face + QStringLiteral(": ") + tip;
            if (name.isEmpty() || (cryptic && tip.isEmpty())) {
                const QString group = groupTitle(w);
                if (!group.isEmpty()) name = face.isEmpty() ? group : group + QLatin1Char(' ') + face;
            }
            if (!name.isEmpty()) w->setAccessibleName(name);
        }
        if (cryptic && w->accessibleDescription().isEmpty()) {
            QString what = tip;
            if (what.isEmpty()) what = groupTitle(w);
            if (what.isEmpty()) what = w->accessibleName();
            if (!what.isEmpty()) w->setAccessibleDescription(what);
        }
        return;
    }
    if (!w->accessibleName().isEmpty()) return;
    QString name = buddyText(root, w);
    if (name.isEmpty()) name = tip;
    if (name.isEmpty())
        if (auto* e = qobject_cast<QLineEdit*>(w)) name = e->placeholderText();
    if (name.isEmpty()) name = groupTitle(w);
    // The edit inside a spin box or a combo box goes by its owner's name.
    if (name.isEmpty() && w->parentWidget() &&
        (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget())))
        name = w->parentWidget()->accessibleName();
    if (!name.isEmpty()) w->setAccessibleName(name);
}

class NamingFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow()) NameControls(w);
        }
        return false;
    }
};

}  // namespace

bool IsCrypticFace(const QString& text) {
    const QString t = plain(text);
    if (t.compare(QStringLiteral("OK"), Qt::CaseInsensitive) == 0) return false;
    return !t.contains(QRegularExpression(QStringLiteral("\\p{L}{3}")));
}

void NameControls(QWidget* root) {
    if (!root) return;
    // Spin boxes and combo boxes first, so their edits can take their names.
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    std::stable_sort(all.begin(), all.end(), [](QWidget* a, QWidget* b) {
        const bool ownerA = qobject_cast<QAbstractSpinBox*>(a) || qobject_cast<QComboBox*>(a);
        const bool ownerB = qobject_cast<QAbstractSpinBox*>(b) || qobject_cast<QComboBox*>(b);
        return ownerA && !ownerB;
    });
    for (QWidget* w : all)
        if (isControl(w)) nameOne(root, w);
}

void NameControlsOfEveryWindow() {
    static NamingFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new NamingFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace lum
