// SPDX-License-Identifier: GPL-3.0-or-later
// A label that shows a picture as it is, without turning it into a pixmap first: only the part
// on screen is converted, when it is painted. Turning a 24-megapixel photo into a pixmap takes
// longer than everything else about showing it.
#pragma once
#include <QImage>
#include <QLabel>

namespace lum {

class PictureLabel : public QLabel {
public:
    explicit PictureLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    // Shown top-left at the scale set, the label taking the size shown. The image may share
    // the pixels of a picture that outlives it (QImageView).
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    // percent of the picture's size in device pixels, as a photo view shows its picture (100
    // and a device ratio of 1: pixel for pixel); each pixel is repeated or dropped, never
    // blended.
    void SetScale(int percent, qreal deviceRatio = 1.0);
    int Scale() const { return percent_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // A side of n picture pixels on screen, in device pixels (truncated).
    int deviceSide(int n) const;
    void fitToPicture();
    QImage picture_;
    int percent_ = 100;
    qreal ratio_ = 1.0;
};

}  // namespace lum
