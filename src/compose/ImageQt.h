// Crossing between the toolkit-free image and colour types and Qt's.
#pragma once
#include <QColor>
#include <QImage>

#include "image/Color.h"
#include "image/Image.h"

namespace lum {

// A deep copy of img as a QImage (RGB888); a null QImage for an empty image.
QImage ToQImage(const Image& img);
// A deep copy of any QImage as a 24-bit image; alpha is dropped (not blended).
Image FromQImage(const QImage& img);

inline QColor ToQColor(Colour c) { return QColor(ColourR(c), ColourG(c), ColourB(c)); }
inline Colour FromQColor(const QColor& c) { return MakeColour(c.red(), c.green(), c.blue()); }

}  // namespace lum
