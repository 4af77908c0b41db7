// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A row of buttons that shows the leading ones that fit and offers the rest from a ">>" menu,
// so a row of many buttons never makes its window wider than the screen.
#include <QList>
#include <QWidget>

class QToolButton;

namespace lum {

class OverflowRow : public QWidget {
    Q_OBJECT
public:
    explicit OverflowRow(QWidget* parent = nullptr);
    // The row takes the button (reparented); it keeps the button's name, hint and click.
    void AddButton(QToolButton* button);
    // The ">>" button, shown while some buttons do not fit.
    QToolButton* MoreButton() const { return more_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void arrange();

    QList<QToolButton*> buttons_;
    QToolButton* more_ = nullptr;
    static constexpr int kSpacing = 2;
};

}  // namespace lum
