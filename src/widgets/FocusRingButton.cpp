// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FocusRingButton.h"

#include <QPainter>
#include <QPen>

namespace lum {

FocusRingButton::FocusRingButton(QWidget* parent) : QToolButton(parent) { setFocusPolicy(Qt::TabFocus); }

void FocusRingButton::paintEvent(QPaintEvent* e) {
    QToolButton::paintEvent(e);
    if (!hasFocus()) return;
    // Flat buttons show no frame of their own; the ring must read on every skin behind them.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::Highlight), 2.0);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
}

}  // namespace lum
