// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PhotoView.h"

#include <QImage>
#include <QMap>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <utility>
#include <cmath>

#include "editing/Tool.h"
#include "image/Arith.h"
#include "view/PaintRaster.h"
#include "widgets/Icons.h"
#include "widgets/ImageConvert.h"

namespace lum {

namespace {
QMap<int, QCursor>& cursorTable() {
    static QMap<int, QCursor> table;
    return table;
}

int truncScale(int size, int zoom) {
    return static_cast<int>(static_cast<int64_t>(size) * zoom / 100);
}

// The view pixels a line of ink may cover.
QRect InkBounds(const ViewLine& l) {
    const int pad = l.width / 2 + 2;
    return QRect(QPoint(std::min(l.from.x, l.to.x) - pad, std::min(l.from.y, l.to.y) - pad),
                 QPoint(std::max(l.from.x, l.to.x) + pad, std::max(l.from.y, l.to.y) + pad));
}
}  // namespace

void RegisterToolCursor(int index, const QCursor& cursor) { cursorTable().insert(index, cursor); }

void RegisterDesignToolCursors() {
    const QStringList names = LumoraCursorNames();
    for (int i = 0; i < names.size(); ++i) RegisterToolCursor(i + 1, LumoraCursor(names[i]));
}

QCursor ToolCursor(int index) {
    if (index == kCrossCursor) return QCursor(Qt::CrossCursor);
    if (index == kHandCursor) return QCursor(Qt::PointingHandCursor);
    auto it = cursorTable().constFind(index);
    return it == cursorTable().constEnd() ? QCursor(Qt::ArrowCursor) : *it;
}

// ---------------------------------------------------------------------------------------------

PhotoCanvas::PhotoCanvas(PhotoView* view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("PaintBox1");
    // The photo covers the whole box: nothing is erased before a repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void PhotoCanvas::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    view_->paintPhoto(p, e->rect());
}

QPoint PhotoCanvas::ViewPoint(const QPointF& logical) const {
    const qreal dpr = view_->DeviceRatio();
    return QPoint(static_cast<int>(std::floor(logical.x() * dpr)), static_cast<int>(std::floor(logical.y() * dpr)));
}

void PhotoCanvas::mousePressEvent(QMouseEvent* e) {
    // The keys of the photo (next and previous photo) work once it was clicked.
    view_->setFocus(Qt::MouseFocusReason);
    const QPoint pos = ViewPoint(e->position());
    emit MouseDown(e->button(), e->modifiers(), pos.x(), pos.y());
}

void PhotoCanvas::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = ViewPoint(e->position());
    emit MouseMove(e->buttons(), e->modifiers(), pos.x(), pos.y());
}

void PhotoCanvas::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pos = ViewPoint(e->position());
    emit MouseUp(e->button(), e->modifiers(), pos.x(), pos.y());
}

void PhotoCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit DblClick();
}

// ---------------------------------------------------------------------------------------------

PhotoView::PhotoView(EditState& st, QWidget* parent) : QScrollArea(parent), st_(st) {
    setObjectName("ScrollBox1");
    setWidgetResizable(false);
    // A photo smaller than the view sits in its middle.
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    paintBox_ = new PhotoCanvas(this);
    paintBox_->resize(st_.picture.Work().width(), st_.picture.Work().height());
    setWidget(paintBox_);
}

PhotoView::~PhotoView() = default;

qreal PhotoView::DeviceRatio() const {
    const qreal dpr = paintBox_->devicePixelRatioF();
    return dpr > 0 ? dpr : 1.0;
}

int PhotoView::OuterWidth() const { return static_cast<int>(std::lround(width() * DeviceRatio())); }
int PhotoView::OuterHeight() const { return static_cast<int>(std::lround(height() * DeviceRatio())); }

int PhotoView::Zoom() const {
    return std::max(1, st_.zoom.Zoom());
}

int PhotoView::ViewToImage(int v) const { return static_cast<int>(static_cast<int64_t>(v) * 100 / Zoom()); }

int PhotoView::ImageToView(int i) const { return static_cast<int>(static_cast<int64_t>(i) * Zoom() / 100); }

QSize PhotoView::boxFor(int deviceW, int deviceH) const {
    const qreal dpr = DeviceRatio();
    // Whole widget pixels covering the device pixels; a part pixel left over is cleared.
    const auto logical = [dpr](int device) { return static_cast<int>(std::ceil(std::max(0, device) / dpr - 1e-9)); };
    return QSize(logical(deviceW), logical(deviceH));
}

void PhotoView::sizePaintBox(int deviceW, int deviceH) {
    const QSize box = boxFor(deviceW, deviceH);
    const QSize device(std::max(0, deviceW), std::max(0, deviceH));
    if (ShowsPreview()) {
        // For the working image once the preview ends.
        underPreview_.box = box;
        underPreview_.device = device;
    } else {
        paintBox_->resize(box);
        deviceSize_ = device;
    }
    emit ZoomShown(Zoom());
}

void PhotoView::ShowPreview(Image picture, int photoWidth, int photoHeight, int zoom) {
    if (picture.empty()) return;
    if (!ShowsPreview())
        underPreview_ = Layout{deviceSize_, paintBox_->size(), horizontalScrollBar()->value(), verticalScrollBar()->value()};
    preview_ = std::move(picture);
    // As LayoutView will lay out the photo itself.
    const int w = truncScale(photoWidth, zoom), h = truncScale(photoHeight, zoom);
    previewSize_ = QSize(std::max(0, w), std::max(0, h));
    paintBox_->resize(boxFor(w, h));
    ScrollToTopLeft();
    paintBox_->update();
}

void PhotoView::EndPreview() {
    if (!ShowsPreview()) return;
    preview_ = Image();
    paintBox_->resize(underPreview_.box);
    deviceSize_ = underPreview_.device;
    horizontalScrollBar()->setValue(underPreview_.scrollX);
    verticalScrollBar()->setValue(underPreview_.scrollY);
    paintBox_->update();
}

void PhotoView::LayoutView() {
    ink_.clear();
    const int z = Zoom();
    sizePaintBox(truncScale(st_.picture.Work().width(), z), truncScale(st_.picture.Work().height(), z));
}

void PhotoView::RedrawView() {
    ink_.clear();
    paintBox_->update();
}

void PhotoView::RedrawImageRect(const Rect& r) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    // One view pixel more on each side covers the pixels the stretch rounds either way.
    const QRect v(QPoint(ImageToView(r.Left) - 1, ImageToView(r.Top) - 1),
                  QPoint(ImageToView(r.Right) + 1, ImageToView(r.Bottom) + 1));
    // Ink under the repainted part gives way to the picture.
    ink_.erase(std::remove_if(ink_.begin(), ink_.end(), [&v](const ViewLine& l) { return InkBounds(l).intersects(v); }),
               ink_.end());
    paintBox_->update(LogicalRect(v));
}

void PhotoView::RedrawViewRect(const QRect& r) { paintBox_->update(LogicalRect(r)); }

QRect PhotoView::LogicalRect(const QRect& device) const {
    const qreal dpr = DeviceRatio();
    if (dpr == 1.0) return device;
    // Outward, so every device pixel of the rectangle is covered.
    return QRect(QPoint(static_cast<int>(std::floor(device.left() / dpr)), static_cast<int>(std::floor(device.top() / dpr))),
                 QPoint(static_cast<int>(std::ceil((device.right() + 1) / dpr)) - 1,
                        static_cast<int>(std::ceil((device.bottom() + 1) / dpr)) - 1));
}

void PhotoView::DrawInk(const ViewLine& line) {
    ink_.push_back(line);
    paintBox_->update(LogicalRect(InkBounds(line)));
}

void PhotoView::RedrawViewNow() { paintBox_->repaint(); }

void PhotoView::ScrollToTopLeft() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

bool PhotoView::zoomWhenThawed(std::function<void()> zoom) {
    if (!frozen_) return false;
    // The state is a job's: the last zoom asked meanwhile is shown once it is over.
    zoomWhenThawed_ = std::move(zoom);
    return true;
}

void PhotoView::ZoomToPercent(double p) {
    if (p <= 0.00001) return;
    if (zoomWhenThawed([this, p] { ZoomToPercent(p); })) return;
    const double f = p / 100.0;
    st_.zoom.HoldPercent(std::max(1, roundHalfEven(p)));
    fit_ = ZoomFit::None;
    sizePaintBox(roundHalfEven(st_.picture.Baseline().width() * f), roundHalfEven(st_.picture.Baseline().height() * f));
    RedrawView();
}

bool PhotoView::fits() const {
    return st_.picture.Work().width() <= OuterWidth() && st_.picture.Work().height() <= OuterHeight();
}

void PhotoView::CommitLaidOut(bool fitted) {
    if (fitted) fit_ = ZoomFit::Auto;
}

bool PhotoView::Refit() {
    if (st_.picture.Work().empty()) return false;
    const int before = Zoom();
    switch (fit_) {
        case ZoomFit::None:
            return false;
        case ZoomFit::Auto:
            // Grown big enough to hold the whole photo: shown as it is, not enlarged.
            if (!st_.zoom.FitZoom(st_.picture.Work(), OuterWidth(), OuterHeight()))
                st_.zoom.SetSlot(kHundredPercentSlot);
            LayoutView();
            break;
        default: {
            const ZoomFit fit = fit_;
            const int p = fit == ZoomFit::Width ? FitWidthPercent() : fit == ZoomFit::Height ? FitHeightPercent()
                                                                                              : FitWindowPercent();
            if (p <= 0) return false;
            ZoomToPercent(p);
            fit_ = fit;
            break;
        }
    }
    RedrawView();
    return Zoom() != before;
}

void PhotoView::ZoomToFit(ZoomFit fit) {
    if (fit == ZoomFit::None) return;
    if (zoomWhenThawed([this, fit] { ZoomToFit(fit); })) return;
    fit_ = fit;
    Refit();
}

QPoint PhotoView::ViewportCentre() const { return viewport()->rect().center(); }

void PhotoView::ZoomStep(int direction, const QPoint& anchor) {
    if (zoomWhenThawed([this, direction, anchor] { ZoomStep(direction, anchor); })) return;
    const int z = Zoom();
    int slot = -1;
    if (direction > 0) {
        for (int i = 1; i <= 12 && slot < 0; ++i)
            if (st_.zoom.PercentAt(i) > z) slot = i;
    } else {
        for (int i = 12; i >= 1 && slot < 0; --i)
            if (st_.zoom.PercentAt(i) < z) slot = i;
    }
    if (slot < 0) return;
    // The photo point under the anchor, in photo pixels.
    const qreal dpr = DeviceRatio();
    const QPointF inBox = QPointF(paintBox_->mapFrom(viewport(), anchor)) * dpr * 100.0 / z;
    st_.zoom.SetSlot(slot);
    fit_ = ZoomFit::None;
    LayoutView();
    const QPointF after = inBox * Zoom() / 100.0 / dpr;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(after.x() - anchor.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(after.y() - anchor.y())));
    RedrawView();
}

void PhotoView::wheelEvent(QWheelEvent* e) {
    if (!(e->modifiers() & Qt::ControlModifier)) {
        wheelRest_ = 0;
        QScrollArea::wheelEvent(e);
        return;
    }
    // A notch is 120; a touchpad sends it in small parts.
    wheelRest_ += e->angleDelta().y();
    const QPoint anchor = e->position().toPoint();
    for (; wheelRest_ >= 120; wheelRest_ -= 120) ZoomStep(+1, anchor);
    for (; wheelRest_ <= -120; wheelRest_ += 120) ZoomStep(-1, anchor);
    e->accept();
}

int PhotoView::FitWidthPercent(int boxWidth, int imageWidth) {
    if (imageWidth <= 0) return 0;
    const int64_t room = static_cast<int64_t>(boxWidth) * 100 - 1600;
    return roundHalfEven(static_cast<double>(room) / imageWidth);
}

int PhotoView::FitHeightPercent(int boxHeight, int imageHeight) { return FitWidthPercent(boxHeight, imageHeight); }

int PhotoView::FitWindowPercent(int boxWidth, int boxHeight, int imageWidth, int imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0) return 0;
    const double a = static_cast<double>(static_cast<int64_t>(boxWidth) * 100 - 1600) / imageWidth;
    const double b = static_cast<double>(static_cast<int64_t>(boxHeight) * 100 - 1600) / imageHeight;
    return a > b ? roundHalfEven(b) : roundHalfEven(a);
}

int PhotoView::FitWidthPercent() const { return FitWidthPercent(OuterWidth(), st_.picture.Baseline().width()); }
int PhotoView::FitHeightPercent() const { return FitHeightPercent(OuterHeight(), st_.picture.Baseline().height()); }
int PhotoView::FitWindowPercent() const {
    return FitWindowPercent(OuterWidth(), OuterHeight(), st_.picture.Baseline().width(),
                            st_.picture.Baseline().height());
}

void PhotoView::Freeze() {
    if (frozen_) return;
    const QRect visible = paintBox_->isVisible() ? paintBox_->visibleRegion().boundingRect() : QRect();
    if (!visible.isEmpty()) {
        frozenShot_ = paintBox_->grab(visible);
        frozenAt_ = visible.topLeft();
    }
    frozen_ = true;
}

void PhotoView::Thaw() {
    if (!frozen_) return;
    frozen_ = false;
    frozenShot_ = QPixmap();
    paintBox_->update();
    if (std::function<void()> zoom = std::exchange(zoomWhenThawed_, nullptr)) zoom();
}

void PhotoView::paintPhoto(QPainter& p, const QRect& exposed) {
    if (frozen_) {
        const QRect shot(frozenAt_, frozenShot_.deviceIndependentSize().toSize());
        if (!frozenShot_.isNull()) p.drawPixmap(frozenAt_, frozenShot_);
        for (const QRect& r : QRegion(exposed) - QRegion(shot)) p.fillRect(r, palette().color(QPalette::Window));
        return;
    }
    const Image& img = st_.picture.Work();
    const int z = Zoom();
    const qreal dpr = DeviceRatio();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // Pixel dropping and repeating, no filtering.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Everything below is in view coordinates: device pixels.
    if (dpr != 1.0) p.scale(1.0 / dpr, 1.0 / dpr);
    const QRect deviceExposed(QPoint(static_cast<int>(std::floor(exposed.left() * dpr)),
                                     static_cast<int>(std::floor(exposed.top() * dpr))),
                              QPoint(static_cast<int>(std::ceil((exposed.right() + 1) * dpr)) - 1,
                                     static_cast<int>(std::ceil((exposed.bottom() + 1) * dpr)) - 1));
    const QColor background = palette().color(QPalette::Window);

    if (ShowsPreview()) {
        const QRect drawn(QPoint(0, 0), previewSize_);
        p.drawImage(drawn, QImageView(preview_));
        for (const QRect& r : QRegion(deviceExposed) - QRegion(drawn)) p.fillRect(r, background);
        return;
    }
    // The placeholders of a window without a photo are not shown.
    if (img.empty() || !st_.picture.HasPicture()) {
        p.fillRect(deviceExposed, background);
        return;
    }
    // A view on the photo's own pixels, no copy.
    const QImage qi = QImageView(img);
    QRect drawn;
    if (z == 100) {
        p.drawImage(QPoint(0, 0), qi);
        drawn = QRect(0, 0, img.width(), img.height());
    } else {
        drawn = QRect(QPoint(0, 0), deviceSize_);
        p.drawImage(drawn, qi);
    }
    // Whatever the photo does not cover (a box laid out for another size, the part pixel at
    // the edge) is cleared, as nothing is erased before a paint.
    const QRegion rest = QRegion(deviceExposed) - QRegion(drawn);
    for (const QRect& r : rest) p.fillRect(r, background);

    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const ViewLine& l : ink_) {
        if (!InkBounds(l).intersects(deviceExposed)) continue;
        SetWidePen(p, ToQColor(l.colour), l.width);
        p.drawLine(QPoint(l.from.x, l.from.y), QPoint(l.to.x, l.to.y));
    }
    if (Overlay) {
        QPen pen(Qt::black);
        pen.setStyle(Qt::DotLine);
        pen.setWidth(0);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        Overlay(p);
    }
}

}  // namespace lum
