#include "widgets/PictureLabel.h"

#include <QPaintEvent>
#include <QPainter>

namespace lum {

void PictureLabel::SetPicture(const QImage& picture) {
    picture_ = picture;
    resize(picture_.size());
    update();
}

void PictureLabel::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect r = e->rect();
    p.fillRect(r, palette().color(backgroundRole()));
    if (!picture_.isNull()) p.drawImage(r.topLeft(), picture_, r);
}

}  // namespace lum
