// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PaintRaster.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace lum {

void SetWidePen(QPainter& p, const QColor& colour, int width) {
    QPen pen(colour);
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(std::max(1, width));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
}

Mask WideLineMask(ImagePoint a, ImagePoint b, int width, ImagePoint& origin) {
    width = std::max(1, width);
    const int pad = width / 2 + 2;
    origin = ImagePoint{std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad};
    const int w = std::abs(a.x - b.x) + 2 * pad + 1, h = std::abs(a.y - b.y) + 2 * pad + 1;
    QImage canvas(w, h, QImage::Format_Grayscale8);
    canvas.fill(0);
    {
        QPainter p(&canvas);
        SetWidePen(p, QColor(255, 255, 255), width);
        p.drawLine(QPoint(a.x - origin.x, a.y - origin.y), QPoint(b.x - origin.x, b.y - origin.y));
    }
    Mask mask(w, h);
    for (int y = 0; y < h; ++y) std::copy_n(canvas.constScanLine(y), w, mask.row(y));
    return mask;
}

}  // namespace lum
