// SPDX-License-Identifier: GPL-3.0-or-later
// Small controls that keep the behaviour of the dialog designs: an edit with an up-down
// control whose arrow clicks are told apart from typing, and a titled radio group with an
// item index.
#pragma once
#include <initializer_list>
#include <QGroupBox>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QVector>

class QBoxLayout;
class QDialog;
class QPushButton;
class QRadioButton;
class QLabel;
class QLineEdit;

// The OK (BitBtn1, default) and Cancel (BitBtn2) buttons of a dialog, right-aligned in a row
// added to layout; they accept and reject the dialog. Returns the two buttons.
struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel AddOkCancelRow(QDialog* dialog, QBoxLayout* layout);

// An edit box with its up-down arrows. objectName() is the up-down's design name; the inner
// line edit carries the edit's design name (SetEditName). arrowStepped() fires only for arrow
// clicks / arrow keys, not for typed text or setValue().
// A typed value is never replaced silently: the box shows its limits (a grey "min-max" at its
// right end, and the tooltip), a value typed above the maximum shows the maximum at once, and
// one below the minimum shows the minimum when the typing ends (Enter, leaving the box). When
// that correction is made by Enter or by going straight to a dialog button, the box keeps the
// dialog open once so that the corrected value is seen before it counts (TakeCorrection).
// The hint is the tooltip; the limits are added to it.
class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(const QString& upDownName, const QString& editName, int min, int max,
                int initial, int increment = 1, QWidget* parent = nullptr);
    QLineEdit* Edit() const;
    void SetEditName(const QString& name);
    // setRange with the limits shown again.
    void SetLimits(int min, int max);
    // What the box shows of its limits ("1-24", "-64 to 64").
    QString LimitsText() const;
    // The hint the box had before its limits were added to it.
    void SetHint(const QString& hint);
    // Takes what is typed; true (once) when a typed value was replaced by a limit that the user
    // has not seen yet (now, or on the way to a button). The box then has the focus.
    bool TakeCorrection();
    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void arrowStepped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowLimits();
    void PlaceLimits();
    QString hint_;
    QLabel* limits_ = nullptr;
    mutable bool corrected_ = false;  // fixup replaced typed text by a limit
    bool correctionToSee_ = false;
};

// True when one of the dialog's boxes corrected a typed value that the user has not seen yet:
// the OK of the dialog then leaves it open this once.
bool FieldsCorrected(QWidget* dialog);

// The width a dialog needs so that the window manager does not cut its title (the title with
// the program's name it adds, in a bold face, and room for the frame's buttons).
int TitleFitWidth(const QWidget& dialog);

// Tab visits the controls in this order (a radio group: its items, in their order), as the
// layout shows them rather than as they were made.
void ChainTabOrder(std::initializer_list<QWidget*> controls);
void ChainTabOrder(const QList<QWidget*>& controls);

// A group box of radio buttons with one selected item.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& title, const QStringList& items,
                int columns = 1, QWidget* parent = nullptr);
    int ItemIndex() const;
    void SetItemIndex(int index);  // -1 clears
    QRadioButton* Item(int index) const { return items_.value(index); }
    int Count() const { return items_.size(); }

signals:
    // The user picked an item (not emitted by SetItemIndex).
    void itemPicked(int index);

private:
    QVector<QRadioButton*> items_;
};
