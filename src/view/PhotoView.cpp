#include "view/PhotoView.h"

#include <QImage>
#include <QMap>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
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

TPaintBox::TPaintBox(PhotoView* view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("PaintBox1");
    // The photo covers the whole box: nothing is erased before a repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TPaintBox::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    view_->PaintBox1Paint(p, e->rect());
}

void TPaintBox::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    emit MouseDown(e->button(), e->modifiers(), pos.x(), pos.y());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    emit MouseMove(e->buttons(), e->modifiers(), pos.x(), pos.y());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    emit MouseUp(e->button(), e->modifiers(), pos.x(), pos.y());
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit DblClick();
}

// ---------------------------------------------------------------------------------------------

PhotoView::PhotoView(EditState& st, QWidget* parent) : QScrollArea(parent), st_(st) {
    setObjectName("ScrollBox1");
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintBox_ = new TPaintBox(this);
    paintBox_->resize(st_.WorkImage.width(), st_.WorkImage.height());
    setWidget(paintBox_);
}

PhotoView::~PhotoView() = default;

int PhotoView::Zoom() const {
    const int idx = std::clamp(st_.ZoomIndex, 0, static_cast<int>(st_.ZoomTable.size()) - 1);
    return std::max(1, st_.ZoomTable[static_cast<size_t>(idx)]);
}

int PhotoView::ViewToImage(int v) const { return static_cast<int>(static_cast<int64_t>(v) * 100 / Zoom()); }

int PhotoView::ImageToView(int i) const { return static_cast<int>(static_cast<int64_t>(i) * Zoom() / 100); }

void PhotoView::LayoutView() {
    ink_.clear();
    const int z = Zoom();
    paintBox_->resize(std::max(0, truncScale(st_.WorkImage.width(), z)),
                      std::max(0, truncScale(st_.WorkImage.height(), z)));
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
    paintBox_->update(v);
}

void PhotoView::RedrawViewRect(const QRect& r) { paintBox_->update(r); }

void PhotoView::DrawInk(const ViewLine& line) {
    ink_.push_back(line);
    paintBox_->update(InkBounds(line));
}

void PhotoView::RedrawViewNow() { paintBox_->repaint(); }

void PhotoView::ScrollToTopLeft() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void PhotoView::ZoomToPercent(double p) {
    if (p <= 0.00001) return;
    const double f = p / 100.0;
    st_.ZoomTable[0] = std::max(1, roundHalfEven(p));
    st_.ZoomIndex = 0;
    const int w = roundHalfEven(st_.MemoryImage.width() * f);
    const int h = roundHalfEven(st_.MemoryImage.height() * f);
    paintBox_->resize(std::max(0, w), std::max(0, h));
    RedrawView();
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

int PhotoView::FitWidthPercent() const { return FitWidthPercent(width(), st_.MemoryImage.width()); }
int PhotoView::FitHeightPercent() const { return FitHeightPercent(height(), st_.MemoryImage.height()); }
int PhotoView::FitWindowPercent() const {
    return FitWindowPercent(width(), height(), st_.MemoryImage.width(), st_.MemoryImage.height());
}

QMenu* PhotoView::CreateZoomScalePopupMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("ZoomScalePopupMenu");
    struct Item {
        const char* name;
        const char* caption;
    };
    static const Item items[] = {
        {"ZoomTo_10_Menuitem", "Zoom to 10%"},   {"ZoomTo_25_Menuitem", "Zoom to 25%"},
        {"ZoomTo_33_Menuitem", "Zoom to 33%"},   {"ZoomTo_50_Menuitem", "Zoom to 50%"},
        {"ZoomTo_66_Menuitem", "Zoom to 66%"},   {"ZoomTo_75_Menuitem", "Zoom to 75%"},
        {"ZoomTo_100_Menuitem", "Zoom to 100%"}, {"ZoomTo_125_Menuitem", "Zoom to 125%"},
        {"ZoomTo_150_Menuitem", "Zoom to 150%"}, {"ZoomTo_200_Menuitem", "Zoom to 200%"},
        {"ZoomTo_FitWidth_Menuitem", "Zoom to Fit Width"},
        {"ZoomTo_FitHeight_Menuitem", "Zoom to Fit Height"},
        {"ZoomTo_FitWindow_Menuitem", "Fit Window"},
    };
    for (const Item& it : items) {
        QAction* a = menu->addAction(QString::fromUtf8(it.caption));
        a->setObjectName(QString::fromLatin1(it.name));
    }
    return menu;
}

void PhotoView::PaintBox1Paint(QPainter& p, const QRect& exposed) {
    const QRect box = paintBox_->rect();
    const Image& img = st_.WorkImage;
    const int z = Zoom();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // Pixel dropping and repeating, no filtering.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);

    if (img.empty()) {
        p.fillRect(exposed, Qt::black);
        return;
    }
    // A view on the photo's own pixels, no copy.
    const QImage qi = QImageView(img);

    QRect drawn;
    const qreal dpr = paintBox_->devicePixelRatioF();
    if (z == 100 && dpr == 1.0) {
        p.drawImage(QPoint(0, 0), qi);
        drawn = QRect(0, 0, img.width(), img.height());
    } else {
        const QSize target = z == 100 ? QSize(img.width(), img.height()) : box.size();
        // Map the picture onto whole device pixels so a scaled screen stays sharp.
        p.save();
        p.scale(1.0 / dpr, 1.0 / dpr);
        const QRect device(0, 0, static_cast<int>(std::lround(target.width() * dpr)),
                           static_cast<int>(std::lround(target.height() * dpr)));
        p.drawImage(device, qi);
        p.restore();
        drawn = QRect(QPoint(0, 0), target);
    }
    // Whatever the photo does not cover (a box laid out for another size) is cleared, as
    // nothing is erased before a paint.
    const QRegion rest = QRegion(exposed) - QRegion(drawn);
    for (const QRect& r : rest) p.fillRect(r, palette().color(QPalette::Window));

    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const ViewLine& l : ink_) {
        if (!InkBounds(l).intersects(exposed)) continue;
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
