// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list shown as thumbnails: the same items, the same selection and the same commands
// as the details view, each photo as its picture with its name under it.
#pragma once
#include <QListView>

class PhotoList;

namespace lum {
class ThumbnailLoader;
}

class PhotoThumbView : public QListView {
    Q_OBJECT
public:
    explicit PhotoThumbView(PhotoList* list, QWidget* parent = nullptr);

    // The side of the pictures: ThumbnailCache::kNormal or kLarge.
    int Side() const;
    void SetSide(int side);
    lum::ThumbnailLoader* Loader() const { return loader_; }

signals:
    // Ctrl and the wheel asked for the other size.
    void SideAsked(int side);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void layoutForSide();

    PhotoList* list_;
    lum::ThumbnailLoader* loader_;
    Qt::KeyboardModifiers clickModifiers_;
};
