#include "compose/ImageQt.h"

#include <cstring>

namespace lum {

QImage ToQImage(const Image& img) {
    if (img.empty()) return QImage();
    QImage out(img.width(), img.height(), QImage::Format_RGB888);
    for (int y = 0; y < img.height(); ++y) {
        const uint8_t* s = img.row(y);
        uchar* d = out.scanLine(y);
        for (int x = 0; x < img.width(); ++x, s += 3, d += 3) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
    }
    return out;
}

Image FromQImage(const QImage& img) {
    if (img.isNull() || img.width() < 1 || img.height() < 1) return Image();
    const QImage src = img.format() == QImage::Format_RGB888 ? img : img.convertToFormat(QImage::Format_RGB888);
    Image out(src.width(), src.height());
    for (int y = 0; y < src.height(); ++y) {
        const uchar* s = src.constScanLine(y);
        uint8_t* d = out.row(y);
        for (int x = 0; x < src.width(); ++x, s += 3, d += 3) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
    }
    return out;
}

}  // namespace lum
