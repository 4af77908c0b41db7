// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DialogControls.h"

#include <algorithm>
#include <limits>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRadioButton>

namespace {

// The number in a box's text without its prefix and suffix; false when the rest is no number.
// `empty` tells nothing typed (or a lone sign) from a number.
bool TypedNumber(const QSpinBox& box, QString text, qlonglong& value, bool& empty) {
    if (!box.prefix().isEmpty() && text.startsWith(box.prefix())) text.remove(0, box.prefix().size());
    if (!box.suffix().isEmpty() && text.endsWith(box.suffix())) text.chop(box.suffix().size());
    text = text.trimmed();
    empty = text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+");
    if (empty) return true;
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(text).hasMatch()) return false;
    bool ok = false;
    value = text.toLongLong(&ok);
    // More digits than a long long holds: far beyond either limit.
    if (!ok) value = text.startsWith('-') ? std::numeric_limits<qlonglong>::min() : std::numeric_limits<qlonglong>::max();
    return true;
}

}  // namespace

SpinEdit::SpinEdit(const QString& upDownName, const QString& editName, int min, int max,
                         int initial, int increment, QWidget* parent)
    : QSpinBox(parent) {
    setObjectName(upDownName);
    setRange(min, max);
    setSingleStep(increment);
    setWrapping(false);
    setGroupSeparatorShown(false);
    setValue(initial);
    if (!editName.isEmpty()) SetEditName(editName);
    limits_ = new QLabel(lineEdit());
    limits_->setObjectName(upDownName + QStringLiteral("Limits"));
    limits_->setAttribute(Qt::WA_TransparentForMouseEvents);
    limits_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Lighter and smaller than the value, so that it reads as a hint and not as typed text.
    QPalette grey = limits_->palette();
    grey.setColor(QPalette::WindowText, grey.color(QPalette::Disabled, QPalette::Text));
    limits_->setPalette(grey);
    QFont small = limits_->font();
    // A font given in pixels (the paint toolbar's) has no point size.
    if (small.pointSizeF() > 0) small.setPointSizeF(small.pointSizeF() * 0.85);
    else if (small.pixelSize() > 0) small.setPixelSize(std::max(1, qRound(small.pixelSize() * 0.85)));
    limits_->setFont(small);
    ShowLimits();
}

QLineEdit* SpinEdit::Edit() const { return lineEdit(); }

void SpinEdit::SetEditName(const QString& name) { lineEdit()->setObjectName(name); }

void SpinEdit::SetLimits(int min, int max) {
    setRange(min, max);
    ShowLimits();
}

QString SpinEdit::LimitsText() const {
    // A dash between negative numbers would read as minus signs.
    if (minimum() < 0) return tr("%1 to %2").arg(minimum()).arg(maximum());
    return tr("%1\u2013%2").arg(minimum()).arg(maximum());
}

void SpinEdit::SetHint(const QString& hint) {
    hint_ = hint;
    ShowLimits();
}

void SpinEdit::ShowLimits() {
    limits_->setText(LimitsText());
    setToolTip(hint_.isEmpty() ? tr("From %1 to %2").arg(minimum()).arg(maximum())
                               : tr("%1 (from %2 to %3)").arg(hint_).arg(minimum()).arg(maximum()));
    PlaceLimits();
    updateGeometry();
}

void SpinEdit::PlaceLimits() {
    QLineEdit* edit = lineEdit();
    const int w = limits_->sizeHint().width();
    limits_->setGeometry(edit->width() - w - 2, 0, w, edit->height());
    edit->setTextMargins(0, 0, w + 4, 0);
}

QSize SpinEdit::sizeHint() const {
    const QSize s = QSpinBox::sizeHint();
    return {s.width() + limits_->sizeHint().width() + 4, s.height()};
}

QSize SpinEdit::minimumSizeHint() const {
    const QSize s = QSpinBox::minimumSizeHint();
    return {s.width() + limits_->sizeHint().width() + 4, s.height()};
}

void SpinEdit::resizeEvent(QResizeEvent* event) {
    QSpinBox::resizeEvent(event);
    PlaceLimits();
}

QValidator::State SpinEdit::validate(QString& input, int& pos) const {
    qlonglong v = 0;
    bool empty = false;
    if (!TypedNumber(*this, input, v, empty)) return QValidator::Invalid;
    if (empty) return QValidator::Intermediate;
    // Past a limit in the direction more digits go: the limit is shown at once.
    const bool beyond = (v > maximum() && v > 0) || (v < minimum() && v < 0);
    if (beyond) {
        input = prefix() + QString::number(v > maximum() ? maximum() : minimum()) + suffix();
        pos = static_cast<int>(input.size() - suffix().size());
        return QValidator::Acceptable;
    }
    // Short of the minimum: more digits may still reach it.
    if (v < minimum() || v > maximum()) return QValidator::Intermediate;
    return QValidator::Acceptable;
}

void SpinEdit::fixup(QString& input) const {
    qlonglong v = 0;
    bool empty = false;
    if (!TypedNumber(*this, input, v, empty) || empty) {
        // Nothing usable typed: the value stays as it was.
        input = textFromValue(value());
        return;
    }
    if (v >= minimum() && v <= maximum()) return;
    input = prefix() + QString::number(v < minimum() ? minimum() : maximum()) + suffix();
    corrected_ = true;
}

bool SpinEdit::TakeCorrection() {
    corrected_ = false;
    interpretText();
    const bool toSee = corrected_ || correctionToSee_;
    corrected_ = false;
    correctionToSee_ = false;
    if (toSee && isVisible()) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    }
    return toSee && isVisible();
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    corrected_ = false;
    QSpinBox::keyPressEvent(event);
    // The limit that replaced what was typed is seen before Enter presses the dialog's button.
    if (enter && corrected_) event->accept();
    corrected_ = false;
}

void SpinEdit::focusInEvent(QFocusEvent* event) {
    correctionToSee_ = false;
    QSpinBox::focusInEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    corrected_ = false;
    QSpinBox::focusOutEvent(event);
    // Straight to a button (OK): the button must not take the corrected value unseen.
    if (corrected_) correctionToSee_ = qobject_cast<QAbstractButton*>(QApplication::focusWidget()) != nullptr;
    corrected_ = false;
}

void SpinEdit::hideEvent(QHideEvent* event) {
    correctionToSee_ = false;
    QSpinBox::hideEvent(event);
}

void SpinEdit::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit arrowStepped();
}

int TitleFitWidth(const QWidget& dialog) {
    QFont bold = dialog.font();
    bold.setBold(true);
    QString title = dialog.windowTitle();
    const QString program = QGuiApplication::applicationDisplayName();
    if (!program.isEmpty()) title += QStringLiteral(" \u2014 ") + program;
    return QFontMetrics(bold).horizontalAdvance(title) + 120;
}

bool FieldsCorrected(QWidget* dialog) {
    bool any = false;
    for (SpinEdit* box : dialog->findChildren<SpinEdit*>()) any = box->TakeCorrection() || any;
    return any;
}

RadioGroup::RadioGroup(const QString& name, const QString& title, const QStringList& items,
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
    connect(group, &QButtonGroup::idClicked, this, &RadioGroup::itemPicked);
}

int RadioGroup::ItemIndex() const {
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i]->isChecked()) return i;
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
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
    auto* ok = new QPushButton(QCoreApplication::translate("OkCancel", "OK"), dialog);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("OkCancel", "Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    // A small dialog is made wide enough to show its whole title.
    if (layout->direction() == QBoxLayout::TopToBottom) layout->addStrut(TitleFitWidth(*dialog));
    // A corrected value is seen before OK takes it.
    QObject::connect(ok, &QPushButton::clicked, dialog, [dialog] {
        if (!FieldsCorrected(dialog)) dialog->accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {ok, cancel};
}

void ChainTabOrder(const QList<QWidget*>& controls) {
    QList<QWidget*> order;
    for (QWidget* w : controls) {
        if (auto* group = qobject_cast<RadioGroup*>(w))
            for (int i = 0; i < group->Count(); ++i) order << group->Item(i);
        else if (w)
            order << w;
    }
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void ChainTabOrder(std::initializer_list<QWidget*> controls) { ChainTabOrder(QList<QWidget*>(controls)); }
