// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/OverflowRow.h"

#include <QMenu>
#include <QToolButton>

namespace lum {

OverflowRow::OverflowRow(QWidget* parent) : QWidget(parent) {
    more_ = new QToolButton(this);
    more_->setObjectName(QStringLiteral("MoreButtons"));
    more_->setText(QStringLiteral("\u00bb"));
    more_->setToolTip(tr("More buttons"));
    more_->setAutoRaise(true);
    more_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    more_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(more_);
    more_->setMenu(menu);
    // Filled when opened: it lists exactly the buttons hidden at that moment.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        for (QToolButton* b : buttons_) {
            if (!b->isHidden()) continue;
            // A letter or two fits a button, not a menu: the hint says it in words there.
            const QString caption = b->text().size() < 3 && !b->toolTip().isEmpty() ? b->toolTip() : b->text();
            QAction* item = menu->addAction(b->icon(), caption);
            item->setToolTip(b->toolTip());
            item->setEnabled(b->isEnabled());
            connect(item, &QAction::triggered, b, [b] { b->click(); });
        }
    });
    more_->hide();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void OverflowRow::AddButton(QToolButton* button) {
    button->setParent(this);
    buttons_ << button;
    updateGeometry();
    arrange();
}

QSize OverflowRow::sizeHint() const {
    int w = 0, h = more_->sizeHint().height();
    for (QToolButton* b : buttons_) {
        w += b->sizeHint().width() + kSpacing;
        h = std::max(h, b->sizeHint().height());
    }
    return {w, h};
}

QSize OverflowRow::minimumSizeHint() const {
    QSize s = more_->sizeHint();
    for (QToolButton* b : buttons_) s.setHeight(std::max(s.height(), b->sizeHint().height()));
    return s;
}

void OverflowRow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    arrange();
}

void OverflowRow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    arrange();
}

void OverflowRow::arrange() {
    // All of them when they fit; else the leading ones that leave room for ">>".
    const int total = sizeHint().width();
    const bool allFit = total <= width();
    const int room = allFit ? width() : width() - more_->sizeHint().width() - kSpacing;
    int x = 0;
    bool full = false;
    for (QToolButton* b : buttons_) {
        const QSize s = b->sizeHint();
        full = full || x + s.width() > room;
        b->setHidden(full);
        if (full) continue;
        b->setGeometry(x, (height() - s.height()) / 2, s.width(), s.height());
        x += s.width() + kSpacing;
    }
    more_->setVisible(!allFit);
    if (!allFit) {
        const QSize m = more_->sizeHint();
        more_->setGeometry(x, (height() - m.height()) / 2, m.width(), m.height());
    }
}

}  // namespace lum
