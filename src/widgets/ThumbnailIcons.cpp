// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ThumbnailIcons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

#include "widgets/ThumbnailLoader.h"

namespace lum {

namespace {
ThumbnailLoader::Shown ShownFor(ThumbnailLoader* loader, const QString& path) {
    if (path.isEmpty()) return {};
    return loader->Thumbnail(path, QFileInfo(path).lastModified().toMSecsSinceEpoch());
}
}  // namespace

ThumbnailIcons::ThumbnailIcons(ThumbnailLoader* loader, int pathRole, QObject* parent)
    : QStyledItemDelegate(parent), loader_(loader), pathRole_(pathRole) {}

void ThumbnailIcons::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const ThumbnailLoader::Shown s = ShownFor(loader_, index.data(pathRole_).toString());
    const QWidget* w = option->widget;
    QStyle* style = w ? w->style() : QApplication::style();
    if (!s.image.isNull()) {
        // The picture scaled into the row's square, centred.
        QPixmap box(option->decorationSize);
        box.fill(Qt::transparent);
        const QImage small = s.image.scaled(option->decorationSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&box);
        p.drawImage((box.width() - small.width()) / 2, (box.height() - small.height()) / 2, small);
        p.end();
        option->icon = QIcon(box);
    } else if (!s.failure.isEmpty()) {
        option->icon = style->standardIcon(QStyle::SP_MessageBoxWarning);
    } else {
        QPixmap blank(option->decorationSize);
        blank.fill(Qt::transparent);
        option->icon = QIcon(blank);
    }
    option->features |= QStyleOptionViewItem::HasDecoration;
}

bool ThumbnailIcons::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (event->type() == QEvent::ToolTip) {
        const ThumbnailLoader::Shown s = ShownFor(loader_, index.data(pathRole_).toString());
        if (!s.failure.isEmpty()) {
            QToolTip::showText(event->globalPos(),
                               QCoreApplication::translate("ThumbnailIcons", "This picture cannot be shown: %1").arg(s.failure),
                               view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

}  // namespace lum
