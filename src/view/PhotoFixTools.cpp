// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PhotoFixTools.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "editing/CropFrame.h"
#include "imaging/PhotoFixes.h"
#include "imaging/Selection.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"
#include "widgets/ImageConvert.h"

namespace lum {

namespace {

struct Proportion {
    const char* caption;
    int w, h;  // 0:0 any shape; -1:-1 the picture's own
};
const Proportion kProportions[PhotoFixTools::kProportionCount] = {
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "Free"), 0, 0},
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "Original"), -1, -1},
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "1:1 (square)"), 1, 1},
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "4:3"), 4, 3},
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "3:2"), 3, 2},
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "16:9"), 16, 9},
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "5:4"), 5, 4},
    {QT_TRANSLATE_NOOP("lum::PhotoFixTools", "Custom"), -2, -2},
};

// A handle's square, in view pixels.
constexpr int kHandle = 9;
const QColor kDim(0, 0, 0, 140);

QRect ViewRect(const PhotoView& v, const Rect& r) {
    const int l = v.ImageToView(r.Left), t = v.ImageToView(r.Top);
    return QRect(l, t, std::max(1, v.ImageToView(r.Right) - l), std::max(1, v.ImageToView(r.Bottom) - t));
}

// Everything of area outside inner, darkened.
void DimOutside(QPainter& p, const QRect& area, const QRect& inner) {
    p.fillRect(QRect(area.left(), area.top(), area.width(), inner.top() - area.top()), kDim);
    p.fillRect(QRect(area.left(), inner.bottom() + 1, area.width(), area.bottom() - inner.bottom()), kDim);
    p.fillRect(QRect(area.left(), inner.top(), inner.left() - area.left(), inner.height()), kDim);
    p.fillRect(QRect(inner.right() + 1, inner.top(), area.right() - inner.right(), inner.height()), kDim);
}

// Lines dividing r into parts x parts, black under white so they show on any photo.
void Grid(QPainter& p, const QRect& r, int parts) {
    for (const QColor& c : {QColor(0, 0, 0, 120), QColor(255, 255, 255, 170)}) {
        p.setPen(QPen(c, 1));
        const int d = c.black() == 0 ? 0 : 1;
        for (int i = 1; i < parts; ++i) {
            const int x = r.left() + r.width() * i / parts + d, y = r.top() + r.height() * i / parts + d;
            p.drawLine(x, r.top(), x, r.bottom());
            p.drawLine(r.left(), y, r.right(), y);
        }
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------

class PhotoFixTools::CropOverlay : public ViewOverlay {
public:
    explicit CropOverlay(PhotoFixTools& owner) : owner_(owner) {}
    CropFrame frame;
    int imageW = 0, imageH = 0;

    void Press(const ToolEvent& e) override {
        if (e.button != MouseButton::Left) return;
        frame.Begin(frame.HandleAt(e.image, tolerance(e.zoom)), e.image);
        redraw();
    }
    void Move(const ToolEvent& e) override {
        if (!frame.Dragging()) return;
        if (!e.leftDown) return frame.End();
        frame.DragTo(e.image);
        owner_.showCropSize();
        redraw();
    }
    void Release(const ToolEvent&) override {
        frame.End();
        redraw();
    }
    void DoubleClick() override { owner_.cropApplied(); }
    void Finish(bool apply) override { apply ? owner_.cropApplied() : owner_.Leave(); }
    QCursor CursorAt(const ToolEvent& e) const override {
        switch (frame.Dragging() ? CropHandle::Inside : frame.HandleAt(e.image, tolerance(e.zoom))) {
            case CropHandle::TopLeft:
            case CropHandle::BottomRight: return QCursor(Qt::SizeFDiagCursor);
            case CropHandle::TopRight:
            case CropHandle::BottomLeft: return QCursor(Qt::SizeBDiagCursor);
            case CropHandle::Left:
            case CropHandle::Right: return QCursor(Qt::SizeHorCursor);
            case CropHandle::Top:
            case CropHandle::Bottom: return QCursor(Qt::SizeVerCursor);
            case CropHandle::Inside: return QCursor(frame.Dragging() ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
            case CropHandle::None: break;
        }
        return QCursor(Qt::CrossCursor);
    }
    void Paint(QPainter& p) const override {
        const PhotoView& v = *owner_.pane_->View();
        const QRect area = ViewRect(v, Rect{0, 0, imageW, imageH});
        const QRect r = ViewRect(v, frame.Frame());
        DimOutside(p, area, r);
        if (frame.Dragging()) Grid(p, r, 3);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        const int cx = r.left() + r.width() / 2, cy = r.top() + r.height() / 2;
        for (const QPoint& c : {r.topLeft(), QPoint(cx, r.top()), QPoint(r.right(), r.top()), QPoint(r.right(), cy),
                                r.bottomRight(), QPoint(cx, r.bottom()), QPoint(r.left(), r.bottom()), QPoint(r.left(), cy)})
            p.drawRect(QRect(c.x() - kHandle / 2, c.y() - kHandle / 2, kHandle, kHandle));
        // The size, on the frame, where the eye is while dragging.
        const QString size = tr("%1 x %2 pixels").arg(frame.Frame().width()).arg(frame.Frame().height());
        const QRect text = p.fontMetrics().boundingRect(size).adjusted(-4, -2, 4, 2);
        const QRect box(std::max(area.left(), r.left() + 4), std::max(area.top(), r.top() + 4) + kHandle, text.width(),
                        text.height());
        p.setPen(Qt::NoPen);
        p.setBrush(kDim);
        p.drawRect(box);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, size);
    }

private:
    static QString tr(const char* s) { return PhotoFixTools::tr(s); }
    static int tolerance(int zoom) { return std::max(1, 6 * 100 / std::max(1, zoom)); }
    void redraw() const { owner_.pane_->View()->RedrawView(); }
    PhotoFixTools& owner_;
};

// ---------------------------------------------------------------------------------------------

class PhotoFixTools::StraightenOverlay : public ViewOverlay {
public:
    explicit StraightenOverlay(PhotoFixTools& owner) : owner_(owner) {}
    QImage preview;  // the photo at most a screen in size
    int imageW = 0, imageH = 0;
    std::optional<QPoint> from, to;

    void Press(const ToolEvent& e) override {
        if (e.button != MouseButton::Left) return;
        from = to = QPoint(e.view.x, e.view.y);
        redraw();
    }
    void Move(const ToolEvent& e) override {
        if (!from || !e.leftDown) return;
        to = QPoint(e.view.x, e.view.y);
        redraw();
    }
    void Release(const ToolEvent& e) override {
        if (!from) return;
        to = QPoint(e.view.x, e.view.y);
        const double dx = to->x() - from->x(), dy = to->y() - from->y();
        from.reset();
        to.reset();
        if (std::hypot(dx, dy) >= 8) {
            // A line nearer the horizontal is meant to be level, else upright; the angle that
            // makes it so, clockwise positive.
            double turn;
            if (std::abs(dx) >= std::abs(dy)) turn = -std::atan2(dx < 0 ? -dy : dy, std::abs(dx));
            else turn = std::atan2(dy < 0 ? -dx : dx, std::abs(dy));
            owner_.angle_->setValue(std::clamp(std::round(turn * 1800 / M_PI) / 10, -45.0, 45.0));
        }
        redraw();
    }
    void Finish(bool apply) override { apply ? owner_.straightenApplied() : owner_.Leave(); }
    void Paint(QPainter& p) const override {
        const PhotoView& v = *owner_.pane_->View();
        const QRect area = ViewRect(v, Rect{0, 0, imageW, imageH});
        const int tenths = static_cast<int>(std::lround(owner_.angle_->value() * 10));
        p.fillRect(area, QColor(48, 48, 48));
        p.save();
        p.setClipRect(area);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.translate(area.center() + QPointF(0.5, 0.5));
        p.rotate(tenths / 10.0);
        p.drawImage(QRectF(-area.width() / 2.0, -area.height() / 2.0, area.width(), area.height()), preview);
        p.restore();
        const QRect kept = ViewRect(v, StraightenedFrame(imageW, imageH, tenths));
        DimOutside(p, area, kept);
        Grid(p, area, 12);
        if (from && to) {
            p.setPen(QPen(QColor(255, 220, 0), 2));
            p.drawLine(*from, *to);
        }
    }

private:
    void redraw() const { owner_.pane_->View()->RedrawView(); }
    PhotoFixTools& owner_;
};

// ---------------------------------------------------------------------------------------------

class PhotoFixTools::RedEyeOverlay : public ViewOverlay {
public:
    explicit RedEyeOverlay(PhotoFixTools& owner) : owner_(owner) {}
    std::optional<ToolEvent> press;
    QPoint mouse{-1000, -1000};

    void Press(const ToolEvent& e) override {
        if (e.button == MouseButton::Left) press = e;
    }
    void Move(const ToolEvent& e) override {
        mouse = QPoint(e.view.x, e.view.y);
        redraw();
    }
    void Release(const ToolEvent& e) override {
        if (!press) return;
        const ToolEvent at = *press;
        press.reset();
        Rect r;
        if (std::abs(e.view.x - at.view.x) < 4 && std::abs(e.view.y - at.view.y) < 4) {
            // A square of the size shown on screen, whatever the zoom.
            const int side = std::max(2, owner_.eyeSize_->value() * 100 / std::max(1, at.zoom));
            r = Rect{at.image.x - side / 2, at.image.y - side / 2, at.image.x - side / 2 + side, at.image.y - side / 2 + side};
        } else {
            r = Rect{std::min(at.image.x, e.image.x), std::min(at.image.y, e.image.y), std::max(at.image.x, e.image.x) + 1,
                     std::max(at.image.y, e.image.y) + 1};
        }
        redraw();
        OpArgs args;
        args.Set("left", r.Left);
        args.Set("top", r.Top);
        args.Set("right", r.Right);
        args.Set("bottom", r.Bottom);
        args.Set("ellipse", 0);
        owner_.runFor(Kind::RedEye, "red-eye", args);
    }
    void Finish(bool) override { owner_.Leave(); }
    void Paint(QPainter& p) const override {
        p.setBrush(Qt::NoBrush);
        QRect r;
        if (press) {
            r = QRect(QPoint(press->view.x, press->view.y), mouse).normalized();
        } else {
            const int side = owner_.eyeSize_->value();
            r = QRect(mouse.x() - side / 2, mouse.y() - side / 2, side, side);
        }
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::white, 1, Qt::DashLine));
        p.drawRect(r);
    }

private:
    void redraw() const { owner_.pane_->View()->RedrawView(); }
    PhotoFixTools& owner_;
};

// ---------------------------------------------------------------------------------------------

PhotoFixTools::PhotoFixTools(EditPane* pane, RunOperation run, Memory memory)
    : QObject(pane), pane_(pane), run_(std::move(run)), memory_(std::move(memory)) {
    crop_ = std::make_unique<CropOverlay>(*this);
    straighten_ = std::make_unique<StraightenOverlay>(*this);
    redEye_ = std::make_unique<RedEyeOverlay>(*this);
    buildBar();
    // Another picture, or a step back or forward, while a tool is on: the tool starts afresh.
    connect(pane_, &EditPane::HistoryWasChanged, this, [this] {
        const Image& work = pane_->editor().State().picture.Work();
        if (active_ == Kind::Crop && (work.width() != crop_->imageW || work.height() != crop_->imageH)) start(Kind::Crop);
        else if (active_ == Kind::Straighten) start(Kind::Straighten);
    });
}

// A child of the pane: it goes with the pane, which by then draws and routes nothing.
PhotoFixTools::~PhotoFixTools() = default;

void PhotoFixTools::buildBar() {
    bar_ = new QWidget(pane_);
    bar_->setObjectName(QStringLiteral("PhotoFixBar"));
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(6, 3, 6, 3);
    pages_ = new QStackedWidget(bar_);
    row->addWidget(pages_, 1);
    // As high as its controls, never more: the photo keeps the room.
    bar_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    pages_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    static_cast<QVBoxLayout*>(pane_->layout())->insertWidget(0, bar_);
    bar_->hide();

    const auto page = [this] {
        auto* w = new QWidget(pages_);
        auto* l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        pages_->addWidget(w);
        return l;
    };
    const auto button = [this](QHBoxLayout* l, const char* name, const QString& caption, std::function<void()> f) {
        auto* b = new QToolButton(bar_);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        connect(b, &QToolButton::clicked, this, [this, f = std::move(f)] { pane_->Guard(f); });
        l->addWidget(b);
        return b;
    };

    QHBoxLayout* crop = page();
    crop->addWidget(new QLabel(tr("Proportions:"), bar_));
    proportion_ = new QComboBox(bar_);
    proportion_->setObjectName(QStringLiteral("CropProportionBox"));
    for (const Proportion& p : kProportions) proportion_->addItem(tr(p.caption));
    crop->addWidget(proportion_);
    portrait_ = new QToolButton(bar_);
    portrait_->setObjectName(QStringLiteral("CropPortraitButton"));
    portrait_->setCheckable(true);
    portrait_->setText(tr("Portrait"));
    portrait_->setToolTip(tr("Taller than wide (else wider than tall)"));
    crop->addWidget(portrait_);
    customW_ = new QSpinBox(bar_);
    customW_->setObjectName(QStringLiteral("CropCustomWidthBox"));
    customH_ = new QSpinBox(bar_);
    customH_->setObjectName(QStringLiteral("CropCustomHeightBox"));
    for (QSpinBox* s : {customW_, customH_}) s->setRange(1, 100);
    customW_->setToolTip(tr("Custom proportion: width"));
    customH_->setToolTip(tr("Custom proportion: height"));
    crop->addWidget(customW_);
    customColon_ = new QLabel(QStringLiteral(":"), bar_);
    crop->addWidget(customColon_);
    crop->addWidget(customH_);
    cropSize_ = new QLabel(bar_);
    cropSize_->setObjectName(QStringLiteral("CropSizeLabel"));
    crop->addSpacing(12);
    crop->addWidget(cropSize_);
    crop->addStretch(1);
    button(crop, "CropApplyButton", tr("Crop"), [this] { cropApplied(); })->setToolTip(tr("Crop to the frame (Enter)"));
    button(crop, "CropCancelButton", tr("Cancel"), [this] { Leave(); })->setToolTip(tr("Leave the crop tool (Escape)"));

    // The last choice, as it was left.
    const QString custom = memory_.read(kCustomKey);
    const int colon = custom.indexOf(QLatin1Char(':'));
    customW_->setValue(colon > 0 ? std::max(1, custom.left(colon).toInt()) : 2);
    customH_->setValue(colon > 0 ? std::max(1, custom.mid(colon + 1).toInt()) : 1);
    proportion_->setCurrentIndex(std::clamp(memory_.read(kProportionKey).toInt(), 0, kProportionCount - 1));
    portrait_->setChecked(memory_.read(kPortraitKey) == QStringLiteral("1"));
    const auto changed = [this] { pane_->Guard([this] { applyProportion(); }); };
    connect(proportion_, &QComboBox::currentIndexChanged, this, changed);
    connect(portrait_, &QToolButton::toggled, this, changed);
    connect(customW_, &QSpinBox::valueChanged, this, changed);
    connect(customH_, &QSpinBox::valueChanged, this, changed);

    QHBoxLayout* level = page();
    level->addWidget(new QLabel(tr("Drag along a line that should be level or upright, or give the angle:"), bar_));
    angle_ = new QDoubleSpinBox(bar_);
    angle_->setObjectName(QStringLiteral("StraightenAngleBox"));
    angle_->setRange(-45, 45);
    angle_->setDecimals(1);
    angle_->setSingleStep(0.1);
    angle_->setSuffix(tr(" degrees"));
    angle_->setToolTip(tr("Clockwise positive"));
    level->addWidget(angle_);
    connect(angle_, &QDoubleSpinBox::valueChanged, this, [this] { pane_->View()->RedrawView(); });
    level->addStretch(1);
    button(level, "StraightenApplyButton", tr("Straighten"), [this] { straightenApplied(); })
        ->setToolTip(tr("Turn the photo and keep its straight part (Enter)"));
    button(level, "StraightenCancelButton", tr("Cancel"), [this] { Leave(); })->setToolTip(tr("Leave the tool (Escape)"));

    QHBoxLayout* eye = page();
    eye->addWidget(new QLabel(tr("Click on a red eye, or drag a rectangle around it. Square:"), bar_));
    eyeSize_ = new QSpinBox(bar_);
    eyeSize_->setObjectName(QStringLiteral("RedEyeSizeBox"));
    eyeSize_->setRange(6, 300);
    eyeSize_->setValue(40);
    eyeSize_->setSuffix(tr(" pixels on screen"));
    eye->addWidget(eyeSize_);
    eye->addStretch(1);
    button(eye, "RedEyeDoneButton", tr("Done"), [this] { Leave(); })->setToolTip(tr("Leave the red-eye tool (Escape)"));
}

void PhotoFixTools::StartCrop() { start(Kind::Crop); }
void PhotoFixTools::StartStraighten() { start(Kind::Straighten); }
void PhotoFixTools::StartRedEye() { start(Kind::RedEye); }

void PhotoFixTools::start(Kind kind) {
    Editor& editor = pane_->editor();
    if (!editor.State().picture.HasPicture() || editor.JobRunning()) return;
    const Image& work = editor.State().picture.Work();
    ViewOverlay* overlay = nullptr;
    if (kind == Kind::Crop) {
        crop_->imageW = work.width();
        crop_->imageH = work.height();
        crop_->frame.Reset(work.width(), work.height());
        active_ = kind;
        applyProportion();
        overlay = crop_.get();
    } else if (kind == Kind::Straighten) {
        straighten_->imageW = work.width();
        straighten_->imageH = work.height();
        // A screen's worth of the photo is enough for the preview, and quick to turn.
        const QImage whole = QImageView(work);
        straighten_->preview = whole.scaled(QSize(1600, 1600).boundedTo(whole.size()), Qt::KeepAspectRatio,
                                            Qt::FastTransformation);
        angle_->setValue(0);
        overlay = straighten_.get();
    } else {
        overlay = redEye_.get();
    }
    active_ = kind;
    pages_->setCurrentIndex(static_cast<int>(kind) - 1);
    bar_->show();
    pane_->SetOverlay(overlay);
}

void PhotoFixTools::Leave() {
    active_ = Kind::None;
    bar_->hide();
    straighten_->preview = QImage();
    pane_->SetOverlay(nullptr);
}

void PhotoFixTools::applyProportion() {
    const int index = proportion_->currentIndex();
    memory_.store(kProportionKey, QString::number(index));
    memory_.store(kPortraitKey, portrait_->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    memory_.store(kCustomKey, QStringLiteral("%1:%2").arg(customW_->value()).arg(customH_->value()));
    const bool custom = kProportions[index].w == -2;
    customW_->setVisible(custom);
    customH_->setVisible(custom);
    customColon_->setVisible(custom);
    portrait_->setEnabled(index != 0);
    if (active_ != Kind::Crop) return;
    int w = kProportions[index].w, h = kProportions[index].h;
    if (w == -1) {
        w = crop_->imageW;
        h = crop_->imageH;
    } else if (w == -2) {
        w = customW_->value();
        h = customH_->value();
    }
    // The switch turns any proportion a quarter.
    if (portrait_->isChecked()) std::swap(w, h);
    // The largest frame of the new proportion.
    crop_->frame.SetProportion(0, 0);
    crop_->frame.Reset(crop_->imageW, crop_->imageH);
    crop_->frame.SetProportion(w, h);
    showCropSize();
    pane_->View()->RedrawView();
}

void PhotoFixTools::showCropSize() {
    const Rect& f = crop_->frame.Frame();
    cropSize_->setText(tr("%1 x %2 pixels").arg(f.width()).arg(f.height()));
}

bool PhotoFixTools::runFor(Kind kind, const char* name, const OpArgs& args) {
    const bool ran = run_(name, args);
    // The frame and the preview belong to the picture as it was.
    if (ran && kind != Kind::RedEye && active_ == kind) Leave();
    return ran;
}

void PhotoFixTools::cropApplied() {
    const Rect& f = crop_->frame.Frame();
    OpArgs args;
    args.Set("left", f.Left);
    args.Set("top", f.Top);
    args.Set("right", f.Right);
    args.Set("bottom", f.Bottom);
    runFor(Kind::Crop, "crop", args);
}

void PhotoFixTools::straightenApplied() {
    OpArgs args;
    args.Set("tenths", static_cast<int>(std::lround(angle_->value() * 10)));
    runFor(Kind::Straighten, "straighten", args);
}

}  // namespace lum
