// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PhotoThumbView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QWheelEvent>

#include "thumbs/ThumbnailCache.h"
#include "view/PhotoList.h"
#include "widgets/ThumbnailLoader.h"
#include "widgets/SelectionLook.h"

namespace {

// Room around a picture and for the two lines of its name.
constexpr int kPad = 6;
constexpr int kNameLines = 2;

lum::ThumbnailLoader::Shown ThumbnailOf(lum::ThumbnailLoader* loader, const QModelIndex& index) {
    return loader->Thumbnail(index.data(PhotoList::PathRole).toString(), index.data(PhotoList::TimeRole).toLongLong());
}

class ThumbDelegate : public QStyledItemDelegate {
public:
    ThumbDelegate(lum::ThumbnailLoader* loader, QObject* parent) : QStyledItemDelegate(parent), loader_(loader) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const int side = loader_->Side();
        return QSize(side + 2 * kPad, side + 2 * kPad + kNameLines * option.fontMetrics.height() + kPad);
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const bool selected = opt.state & QStyle::State_Selected;
        if (selected) {
            const QPalette::ColorGroup group = (opt.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
            p->fillRect(opt.rect.adjusted(1, 1, -1, -1), opt.palette.color(group, QPalette::Highlight));
        } else if (opt.state & QStyle::State_MouseOver) {
            p->fillRect(opt.rect.adjusted(1, 1, -1, -1), opt.palette.color(QPalette::AlternateBase));
        }
        if (opt.state & QStyle::State_HasFocus) {
            p->save();
            p->setPen(QPen(opt.palette.color(QPalette::Highlight).darker(130), 1, Qt::DotLine));
            p->drawRect(opt.rect.adjusted(1, 1, -2, -2));
            p->restore();
        }
        const int side = loader_->Side();
        const QRect box(opt.rect.left() + (opt.rect.width() - side) / 2, opt.rect.top() + kPad, side, side);
        const QString kind = index.data(PhotoList::KindRole).toString();
        if (kind == QLatin1String("file")) paintPicture(p, box, index, opt);
        else paintIcon(p, box, index);

        const QRect textBox(opt.rect.left() + kPad / 2, box.bottom() + kPad, opt.rect.width() - kPad,
                            kNameLines * opt.fontMetrics.height());
        const QPalette::ColorRole role = selected ? QPalette::HighlightedText : QPalette::Text;
        p->setPen(opt.palette.color(role));
        QString name = index.data(Qt::DisplayRole).toString();
        QTextOption to(Qt::AlignHCenter | Qt::AlignTop);
        to.setWrapMode(QTextOption::WrapAnywhere);
        // Long names: the start on the first line, the end (with the extension) elided on the second.
        const QFontMetrics& fm = opt.fontMetrics;
        if (fm.horizontalAdvance(name) > textBox.width()) {
            int cut = name.size();
            while (cut > 1 && fm.horizontalAdvance(name.left(cut)) > textBox.width()) --cut;
            // Between words where one ends on the first line ("Parent folder" in long languages).
            const qsizetype space = name.left(cut + 1).lastIndexOf(QLatin1Char(' '));
            const qsizetype next = space > 0 ? space + 1 : cut;
            if (space > 0) cut = space;
            name = name.left(cut) + QLatin1Char('\n') + fm.elidedText(name.mid(next), Qt::ElideMiddle, textBox.width());
        }
        p->drawText(QRectF(textBox), name, to);
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() == QEvent::ToolTip && index.data(PhotoList::KindRole).toString() == QLatin1String("file")) {
            const lum::ThumbnailLoader::Shown s = ThumbnailOf(loader_, index);
            if (!s.failure.isEmpty()) {
                QToolTip::showText(event->globalPos(),
                                   QCoreApplication::translate("PhotoThumbView", "This photo cannot be shown: %1").arg(s.failure),
                                   view);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

private:
    void paintPicture(QPainter* p, const QRect& box, const QModelIndex& index, const QStyleOptionViewItem& opt) const {
        const lum::ThumbnailLoader::Shown s = ThumbnailOf(loader_, index);
        if (!s.image.isNull()) {
            QSize size = s.image.size();
            if (size.width() > box.width() || size.height() > box.height()) size.scale(box.size(), Qt::KeepAspectRatio);
            const QRect at(box.left() + (box.width() - size.width()) / 2, box.top() + (box.height() - size.height()) / 2,
                           size.width(), size.height());
            p->setRenderHint(QPainter::SmoothPixmapTransform);
            p->drawImage(at, s.image);
            return;
        }
        // Placeholder while the picture is made, or the mark of one that cannot be.
        const QRect frame = box.adjusted(box.width() / 8, box.height() / 8, -box.width() / 8, -box.height() / 8);
        p->save();
        p->setPen(QPen(opt.palette.color(QPalette::Mid), 1, s.failure.isEmpty() ? Qt::DotLine : Qt::SolidLine));
        p->setBrush(opt.palette.color(QPalette::AlternateBase));
        p->drawRect(frame);
        if (!s.failure.isEmpty()) {
            p->setPen(QPen(QColor(190, 60, 50), 2));
            const QRect mark = frame.adjusted(frame.width() / 3, frame.height() / 4, -frame.width() / 3, -frame.height() / 2);
            p->drawLine(mark.topLeft(), mark.bottomRight());
            p->drawLine(mark.topRight(), mark.bottomLeft());
            p->setPen(opt.palette.color(QPalette::Text));
            p->drawText(frame.adjusted(2, frame.height() / 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap,
                        QCoreApplication::translate("PhotoThumbView", "Cannot show"));
        }
        p->restore();
    }

    void paintIcon(QPainter* p, const QRect& box, const QModelIndex& index) const {
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        const int s = box.width() / 2;
        icon.paint(p, QRect(box.center().x() - s / 2, box.center().y() - s / 2, s, s));
    }

    lum::ThumbnailLoader* loader_;
};

}  // namespace

PhotoThumbView::PhotoThumbView(PhotoList* list, QWidget* parent)
    : QListView(parent), list_(list), loader_(new lum::ThumbnailLoader(this)) {
    setModel(list->model());
    setSelectionModel(list->selectionModel());
    setModelColumn(PhotoList::ColName);
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(500);
    setSpacing(2);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new ThumbDelegate(loader_, this));
    lum::KeepSelectionVisible(this);
    layoutForSide();
    connect(loader_, &lum::ThumbnailLoader::Ready, viewport(), qOverload<>(&QWidget::update));
    connect(list, &PhotoList::DirectoryChanged, loader_, &lum::ThumbnailLoader::Clear);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { list_->EntryClicked(index, clickModifiers_); });
}

int PhotoThumbView::Side() const { return loader_->Side(); }

void PhotoThumbView::SetSide(int side) {
    if (side == loader_->Side()) return;
    loader_->SetSide(side);
    layoutForSide();
}

void PhotoThumbView::layoutForSide() {
    const int side = loader_->Side();
    setIconSize(QSize(side, side));
    setGridSize(QSize(side + 2 * kPad + 8, side + 3 * kPad + kNameLines * fontMetrics().height() + 4));
    verticalScrollBar()->setSingleStep(side / 4);
    doItemsLayout();
    if (currentIndex().isValid()) scrollTo(currentIndex());
}

void PhotoThumbView::keyPressEvent(QKeyEvent* event) {
    list_->HandleKey(event, [this](QKeyEvent* e) { QListView::keyPressEvent(e); });
}

void PhotoThumbView::mouseReleaseEvent(QMouseEvent* event) {
    clickModifiers_ = event->modifiers();
    QListView::mouseReleaseEvent(event);
}

void PhotoThumbView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()) : QModelIndex();
    QTreeWidgetItem* item = list_->ItemOfIndex(index);
    QListView::mouseDoubleClickEvent(event);
    if (item) list_->DoubleClickEntry(item);
}

void PhotoThumbView::contextMenuEvent(QContextMenuEvent* event) {
    QModelIndex index = indexAt(event->pos());
    if (event->reason() != QContextMenuEvent::Mouse) index = currentIndex();
    list_->MenuFor(list_->ItemOfIndex(index))->exec(event->globalPos());
}

void PhotoThumbView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int dy = event->angleDelta().y();
        if (dy != 0) emit SideAsked(dy > 0 ? lum::ThumbnailCache::kLarge : lum::ThumbnailCache::kNormal);
        event->accept();
        return;
    }
    QListView::wheelEvent(event);
}

void PhotoThumbView::startDrag(Qt::DropActions) { list_->DragSelected(this); }
