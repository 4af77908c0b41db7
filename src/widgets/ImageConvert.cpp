// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ImageConvert.h"

#include <cstring>

namespace lum {

QImage QImageView(const Image& img) {
    if (img.empty()) return QImage();
    return QImage(img.data(), img.width(), img.height(), static_cast<qsizetype>(img.stride()), QImage::Format_BGR888);
}

QImage ToQImage(const Image& img) { return QImageView(img).copy(); }

Image FromQImage(const QImage& picture) {
    if (picture.isNull()) return Image();
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    Image img(bgr.width(), bgr.height());
    const size_t rowBytes = static_cast<size_t>(bgr.width()) * 3;
    for (int y = 0; y < bgr.height(); ++y) std::memcpy(img.row(y), bgr.constScanLine(y), rowBytes);
    return img;
}

}  // namespace lum
