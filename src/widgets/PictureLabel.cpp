// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureLabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lum {

void PictureLabel::SetPicture(const QImage& picture) {
    picture_ = picture;
    fitToPicture();
}

void PictureLabel::SetScale(int percent, qreal deviceRatio) {
    percent_ = std::max(1, percent);
    ratio_ = deviceRatio > 0 ? deviceRatio : 1.0;
    fitToPicture();
}

int PictureLabel::deviceSide(int n) const { return static_cast<int>(static_cast<qint64>(n) * percent_ / 100); }

void PictureLabel::fitToPicture() {
    // The size a photo view gives its picture: device pixels truncated, then widget pixels.
    const auto side = [this](int n) { return static_cast<int>(std::ceil(deviceSide(n) / ratio_)); };
    resize(picture_.isNull() ? QSize(0, 0) : QSize(side(picture_.width()), side(picture_.height())));
    update();
}

void PictureLabel::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect r = e->rect();
    p.fillRect(r, palette().color(backgroundRole()));
    if (picture_.isNull()) return;
    if (percent_ == 100 && ratio_ == 1.0) {
        p.drawImage(r.topLeft(), picture_, r);
        return;
    }
    // As the photo view draws: in device pixels, repeating and dropping pixels.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (ratio_ != 1.0) p.scale(1.0 / ratio_, 1.0 / ratio_);
    p.drawImage(QRect(0, 0, deviceSide(picture_.width()), deviceSide(picture_.height())), picture_);
}

}  // namespace lum
