// Small controls that keep the behaviour of the dialog designs: an edit with an up-down
// control whose arrow clicks are told apart from typing, and a titled radio group with an
// item index.
#pragma once
#include <QGroupBox>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QVector>

class QBoxLayout;
class QDialog;
class QPushButton;
class QRadioButton;
class QLineEdit;

// The OK (BitBtn1, default) and Cancel (BitBtn2) buttons of a dialog, right-aligned in a row
// added to layout; they accept and reject the dialog. Returns the two buttons.
struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel AddOkCancelRow(QDialog* dialog, QBoxLayout* layout);

// An edit box with its up-down control. objectName() is the up-down's design name; the inner
// line edit carries the edit's design name (SetEditName). clicked() fires only for arrow
// clicks / arrow keys, not for typed text or setValue().
class TUpDownSpin : public QSpinBox {
    Q_OBJECT
public:
    TUpDownSpin(const QString& upDownName, const QString& editName, int min, int max,
                int position, int increment = 1, QWidget* parent = nullptr);
    QLineEdit* Edit() const;
    void SetEditName(const QString& name);
    int Position() const { return value(); }
    void SetPosition(int v) { setValue(v); }
    void stepBy(int steps) override;

signals:
    void clicked();
};

// A group box of radio buttons with one selected item.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& name, const QString& title, const QStringList& items,
                int columns = 1, QWidget* parent = nullptr);
    int ItemIndex() const;
    void SetItemIndex(int index);  // -1 clears
    QRadioButton* Item(int index) const { return items_.value(index); }
    int Count() const { return items_.size(); }

signals:
    // The user picked an item (not emitted by SetItemIndex).
    void clicked(int index);

private:
    QVector<QRadioButton*> items_;
};
