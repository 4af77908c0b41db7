// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SelectionLook.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPalette>

namespace lum {
namespace {

QColor Blend(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}

class SelectionLook : public QObject {
public:
    explicit SelectionLook(QAbstractItemView* view) : QObject(view), view_(view), focused_(view->palette()) {
        const QColor highlight = focused_.color(QPalette::Active, QPalette::Highlight);
        const QColor text = focused_.color(QPalette::Active, QPalette::HighlightedText);
        // Not the window's activation but the view's focus sets the look.
        focused_.setColor(QPalette::Inactive, QPalette::Highlight, highlight);
        focused_.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
        unfocused_ = focused_;
        const QColor pale = Blend(highlight, focused_.color(QPalette::Active, QPalette::Base), 0.55);
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
            unfocused_.setColor(g, QPalette::Highlight, pale);
            unfocused_.setColor(g, QPalette::HighlightedText, focused_.color(QPalette::Active, QPalette::Text));
        }
        follow();
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == view_ && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) follow();
        return QObject::eventFilter(watched, e);
    }

private:
    void follow() { view_->setPalette(view_->hasFocus() ? focused_ : unfocused_); }

    QAbstractItemView* view_;
    QPalette focused_, unfocused_;
};

}  // namespace

void KeepSelectionVisible(QAbstractItemView* view) { new SelectionLook(view); }

}  // namespace lum
