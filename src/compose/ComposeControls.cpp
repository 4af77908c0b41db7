// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/ComposeControls.h"

#include <cstdlib>

#include <QAbstractSpinBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/ImageConvert.h"
#include "imaging/TextStamp.h"

namespace lum {

namespace {

class EnterSwallower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                event->accept();
                return event->type() == QEvent::KeyPress;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

bool AskColourWithDialog(QColor& colour, QWidget* parent) {
    const QColor c = QColorDialog::getColor(colour, parent);
    if (!c.isValid()) return false;
    colour = c;
    return true;
}

bool AskFontWithDialog(QFont& font, QWidget* parent) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, font, parent);
    if (ok) font = f;
    return ok;
}

void SwallowEnter(QWidget* w) {
    if (!w) return;
    auto* filter = new EnterSwallower(w);
    w->installEventFilter(filter);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        if (QLineEdit* edit = spin->findChild<QLineEdit*>()) edit->installEventFilter(filter);
}

QColor ContrastingText(const QColor& c) {
    // Perceived brightness, weights of the usual luma formula.
    const int y = (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
    return y < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace lum

ColourPanel::ColourPanel(const QString& name, const QString& caption, lum::Colour colour, QWidget* parent)
    : GradientPanel(parent) {
    setObjectName(name);
    setCaption(caption);
    setCursor(Qt::PointingHandCursor);
    if (!caption.isEmpty()) setAccessibleName(caption);
    SetColour(colour);
}

void ColourPanel::ReachableByKeyboard() {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(tr("Space or Enter chooses the colour"));
}

void ColourPanel::SetColour(lum::Colour c) {
    colour_ = c;
    QPalette pal = palette();
    const QColor q = lum::ToQColor(c);
    pal.setColor(QPalette::Button, q);
    pal.setColor(QPalette::ButtonText, lum::ContrastingText(q));
    setPalette(pal);
    update();
}

QSize ColourPanel::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(Caption()) + 24, fm.height() + 12);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ColourPanel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) emit clicked();
    else GradientPanel::keyPressEvent(event);
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    GradientPanel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
    p.drawRect(rect().adjusted(2, 2, -3, -3));
}

void ColourPanel::focusInEvent(QFocusEvent* event) {
    GradientPanel::focusInEvent(event);
    update();
}

void ColourPanel::focusOutEvent(QFocusEvent* event) {
    GradientPanel::focusOutEvent(event);
    update();
}

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    if (!picture_.isNull()) p.drawImage(0, 0, picture_);
    // A box the keyboard reaches shows when it has the focus.
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mousePressed(at.x(), at.y(), event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseMoved(at.x(), at.y(), event->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseReleased(at.x(), at.y(), event->button());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

ColourGrid::ColourGrid(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Colours"));
    setAccessibleDescription(
        tr("Arrow keys choose the foreground colour; Shift with the arrow keys the background colour"));
}

lum::Colour ColourGrid::ForegroundColour() const { return lum::kColourGrid[foreground_]; }

lum::Colour ColourGrid::BackgroundColour() const { return lum::kColourGrid[background_]; }

void ColourGrid::SetForegroundIndex(int i) {
    if (i < 0 || i > 15) return;
    foreground_ = i;
    update();
}

void ColourGrid::SetBackgroundIndex(int i) {
    if (i < 0 || i > 15) return;
    background_ = i;
    update();
}

int ColourGrid::CellAt(int x, int y) {
    if (x < 0 || y < 0 || x >= 8 * kCell || y >= 2 * kCell) return -1;
    return (y / kCell) * 8 + x / kCell;
}

void ColourGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont f = font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < 16; ++i) {
        const QRect cell((i % 8) * kCell, (i / 8) * kCell, kCell, kCell);
        const QColor c = lum::ToQColor(lum::kColourGrid[i]);
        p.fillRect(cell, c);
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(cell);
        QString mark;
        //: Colour grid marks: the foreground, the background, a colour that is both; two letters at most.
        if (i == foreground_ && i == background_) mark = tr("FB");
        else if (i == foreground_) mark = tr("FG");
        else if (i == background_) mark = tr("BG");
        if (!mark.isEmpty()) {
            p.setPen(lum::ContrastingText(c));
            p.drawText(cell, Qt::AlignCenter, mark);
        }
    }
    // The focus shows as a ring round the foreground's cell.
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(QRect((foreground_ % 8) * kCell + 1, (foreground_ / 8) * kCell + 1, kCell - 2, kCell - 2));
    }
}

void ColourGrid::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Left: step = -1; break;
        case Qt::Key_Right: step = 1; break;
        case Qt::Key_Up: step = -8; break;
        case Qt::Key_Down: step = 8; break;
        default: QWidget::keyPressEvent(event); return;
    }
    int& cell = event->modifiers() & Qt::ShiftModifier ? background_ : foreground_;
    const int next = cell + step;
    // Left and right stay on their row, up and down on their column.
    if (next < 0 || next > 15 || (std::abs(step) == 1 && next / 8 != cell / 8)) return;
    cell = next;
    update();
    emit changed();
}

void ColourGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ColourGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ColourGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int i = CellAt(at.x(), at.y());
    if (i < 0) return;
    if (event->button() == Qt::LeftButton) foreground_ = i;
    else if (event->button() == Qt::RightButton) background_ = i;
    else return;
    update();
    emit changed();
}
