// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list's keys: F2, Delete, Backspace, Enter, and opening photos from the keyboard.
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>

#include "view/PhotoList.h"

void PhotoList::SetKeyboardOpenDelay(int delayMs) {
    keyboardOpenDelay_ = delayMs;
    if (delayMs < 0) keyboardOpen_->stop();
}

bool PhotoList::KeyboardOpenPending() const { return keyboardOpen_->isActive(); }

void PhotoList::CancelKeyboardOpen() { keyboardOpen_->stop(); }

void PhotoList::FlushKeyboardOpen() {
    keyboardOpen_->stop();
    QTreeWidgetItem* item = currentItem();
    if (item && item->isSelected() && KindOfItem(item) == QLatin1String("file")) ActivateEntry(item);
}

void PhotoList::keyPressEvent(QKeyEvent* event) {
    HandleKey(event, [this](QKeyEvent* e) { QTreeWidget::keyPressEvent(e); });
}

void PhotoList::HandleKey(QKeyEvent* event, const std::function<void(QKeyEvent*)>& moveKeys) {
    switch (event->key()) {
    case Qt::Key_F2: RenameSelected(); return;
    case Qt::Key_Delete: DeleteSelected(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (QTreeWidgetItem* item = currentItem()) {
            if (keyboardOpenDelay_ >= 0 && KindOfItem(item) == QLatin1String("file")) ActivateEntry(item);
            else DoubleClickEntry(item);
        }
        return;
    case Qt::Key_Backspace:
        if (!drivesView_ && !directory_.isEmpty()) OpenFolder(ParentOf(directory_), QStringLiteral("dir"));
        return;
    default: {
        const QTreeWidgetItem* before = currentItem();
        moveKeys(event);
        // The way up is no entry to act on: Ctrl+A leaves it unselected.
        if (event->matches(QKeySequence::SelectAll))
            for (int i = 0; i < topLevelItemCount(); ++i)
                if (IsParentItem(topLevelItem(i))) topLevelItem(i)->setSelected(false);
        // Moved by the keys (arrows, Home, End, typing a name): open once they rest. With Shift
        // or Ctrl the keys select several entries and open none.
        const bool selecting = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        if (keyboardOpenDelay_ >= 0 && !selecting && currentItem() != before && currentItem())
            keyboardOpen_->start(keyboardOpenDelay_);
    }
    }
}
