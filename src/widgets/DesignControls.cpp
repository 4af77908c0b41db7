#include "widgets/DesignControls.h"

#include <QButtonGroup>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

TUpDownSpin::TUpDownSpin(const QString& upDownName, const QString& editName, int min, int max,
                         int position, int increment, QWidget* parent)
    : QSpinBox(parent) {
    setObjectName(upDownName);
    setRange(min, max);
    setSingleStep(increment);
    setWrapping(false);
    setGroupSeparatorShown(false);
    setValue(position);
    if (!editName.isEmpty()) SetEditName(editName);
}

QLineEdit* TUpDownSpin::Edit() const { return lineEdit(); }

void TUpDownSpin::SetEditName(const QString& name) { lineEdit()->setObjectName(name); }

void TUpDownSpin::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit clicked();
}

TRadioGroup::TRadioGroup(const QString& name, const QString& title, const QStringList& items,
                         int columns, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    if (columns < 1) columns = 1;
    const int rows = (items.size() + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(name + QStringLiteral("_") + QString::number(i));
        group->addButton(b, i);
        // Items run down the first column, then the next, as a radio group lays them out.
        grid->addWidget(b, i % rows, i / rows);
        items_.push_back(b);
    }
    connect(group, &QButtonGroup::idClicked, this, &TRadioGroup::clicked);
}

int TRadioGroup::ItemIndex() const {
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i]->isChecked()) return i;
    return -1;
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= items_.size()) {
        for (auto* b : items_) {
            auto* g = b->group();
            if (g) g->setExclusive(false);
            b->setChecked(false);
            if (g) g->setExclusive(true);
        }
        return;
    }
    items_[index]->setChecked(true);
}

OkCancel AddOkCancelRow(QDialog* dialog, QBoxLayout* layout) {
    auto* buttons = new QHBoxLayout();
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {ok, cancel};
}
