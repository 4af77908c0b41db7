// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails as the icons of a plain item view's rows: each row's file (pathRole) shown by its
// picture from a ThumbnailLoader, a warning sign with the reason as tooltip when it cannot be.
#pragma once
#include <QStyledItemDelegate>

namespace lum {

class ThumbnailLoader;

class ThumbnailIcons : public QStyledItemDelegate {
public:
    ThumbnailIcons(ThumbnailLoader* loader, int pathRole, QObject* parent);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    ThumbnailLoader* loader_;
    int pathRole_;
};

}  // namespace lum
