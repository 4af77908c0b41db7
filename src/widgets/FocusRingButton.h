// SPDX-License-Identifier: GPL-3.0-or-later
// A flat picture button that the Tab key reaches and that shows plainly when it has the keyboard
// focus: a ring in the desktop's highlight colour around it. A click does not take the focus
// from where the user was typing.
#pragma once
#include <QToolButton>

namespace lum {

class FocusRingButton : public QToolButton {
    Q_OBJECT
public:
    explicit FocusRingButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace lum
