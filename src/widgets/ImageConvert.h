// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the 24-bit image meets QImage.
#pragma once
#include <QColor>
#include <QImage>

#include "image/Color.h"
#include "image/Image.h"

namespace lum {

// The pixels of img as a QImage without a copy; valid while img lives and keeps its size.
QImage QImageView(const Image& img);
// A QImage of its own.
QImage ToQImage(const Image& img);
// Any QImage as a 24-bit image (alpha dropped); a null QImage gives an empty image.
Image FromQImage(const QImage& picture);

inline QColor ToQColor(Colour c) { return QColor(ColourR(c), ColourG(c), ColourB(c)); }
inline Colour FromQColor(const QColor& c) { return MakeColour(c.red(), c.green(), c.blue()); }

}  // namespace lum
