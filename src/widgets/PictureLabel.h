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
    // Shown at its own size, top-left; the label takes that size. The image may share the
    // pixels of a picture that outlives it (QImageView).
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
};

}  // namespace lum
