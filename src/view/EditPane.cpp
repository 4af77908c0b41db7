// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/EditPane.h"

#include <QAction>
#include <QApplication>
#include <QAbstractSpinBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <new>

#include "image/MemoryRoom.h"
#include "view/PaintRaster.h"
#include "view/PhotoView.h"
#include "widgets/ImageConvert.h"
#include "widgets/QtPrompts.h"

namespace lum {

EditPane::EditPane(Editor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor), calls_(newHostCalls()) {
    setObjectName(QStringLiteral("EditPane"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    view_ = new PhotoView(editor_.State(), this);
    box->addWidget(view_);
    view_->Overlay = [this](QPainter& p) { drawOutlines(p); };

    PhotoCanvas* paint = view_->Canvas();
    connect(paint, &PhotoCanvas::MouseDown, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        route(MouseStep::Press, b, b, m, x, y);
    });
    connect(paint, &PhotoCanvas::MouseMove, this, [this](Qt::MouseButtons bs, Qt::KeyboardModifiers m, int x, int y) {
        route(MouseStep::Move, Qt::NoButton, bs, m, x, y);
    });
    connect(paint, &PhotoCanvas::MouseUp, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        route(MouseStep::Release, b, Qt::NoButton, m, x, y);
    });
    connect(paint, &PhotoCanvas::DblClick, this, [this] {
        if (!overlay_) return emit DoubleClicked();
        if (jobs_ == 0 && !inputHeld_) Guard([this] { overlay_->DoubleClick(); });
    });
    paint->installEventFilter(this);

    // ZoomScalePopupMenu: its items once, each with what it does.
    struct Item {
        const char* name;
        const char* caption;
        ZoomItem item;
        int percent;
    };
    static const Item items[] = {
        {"ZoomTo_10_Menuitem", QT_TR_NOOP("Zoom to 10%"), ZoomItem::Percent, 10},
        {"ZoomTo_25_Menuitem", QT_TR_NOOP("Zoom to 25%"), ZoomItem::Percent, 25},
        {"ZoomTo_33_Menuitem", QT_TR_NOOP("Zoom to 33%"), ZoomItem::Percent, 33},
        {"ZoomTo_50_Menuitem", QT_TR_NOOP("Zoom to 50%"), ZoomItem::Percent, 50},
        {"ZoomTo_66_Menuitem", QT_TR_NOOP("Zoom to 66%"), ZoomItem::Percent, 66},
        {"ZoomTo_75_Menuitem", QT_TR_NOOP("Zoom to 75%"), ZoomItem::Percent, 75},
        {"ZoomTo_100_Menuitem", QT_TR_NOOP("Zoom to 100%"), ZoomItem::Percent, 100},
        {"ZoomTo_125_Menuitem", QT_TR_NOOP("Zoom to 125%"), ZoomItem::Percent, 125},
        {"ZoomTo_150_Menuitem", QT_TR_NOOP("Zoom to 150%"), ZoomItem::Percent, 150},
        {"ZoomTo_200_Menuitem", QT_TR_NOOP("Zoom to 200%"), ZoomItem::Percent, 200},
        {"ZoomTo_FitWidth_Menuitem", QT_TR_NOOP("Zoom to Fit Width"), ZoomItem::FitWidth, 0},
        {"ZoomTo_FitHeight_Menuitem", QT_TR_NOOP("Zoom to Fit Height"), ZoomItem::FitHeight, 0},
        {"ZoomTo_FitWindow_Menuitem", QT_TR_NOOP("Zoom to Fit Window"), ZoomItem::FitWindow, 0},
    };
    zoomMenu_ = new QMenu(this);
    zoomMenu_->setObjectName(QStringLiteral("ZoomScalePopupMenu"));
    for (const Item& it : items) {
        QAction* a = zoomMenu_->addAction(tr(it.caption));
        a->setObjectName(QString::fromLatin1(it.name));
        connect(a, &QAction::triggered, this, [this, it] { Guard([this, it] { menuZoom(it.item, it.percent); }); });
    }

    editor_.SetHost(this);
}

EditPane::~EditPane() {
    qApp->removeEventFilter(this);
    overlay_ = nullptr;
    AbandonJobs();
    editor_.SetHost(nullptr);
    while (busyDepth_ > 0) SetBusy(false, BusyKind::Hourglass);
}

// ---------------------------------------------------------------------------------------------
// Zoom

void EditPane::menuZoom(ZoomItem item, int percent) {
    if (menuZoom_) return menuZoom_(item, percent);
    switch (item) {
        case ZoomItem::Percent: return ZoomToPercent(percent);
        case ZoomItem::FitWidth: return ZoomToFitWidth();
        case ZoomItem::FitHeight: return ZoomToFitHeight();
        case ZoomItem::FitWindow: return ZoomToFitWindow();
    }
}

void EditPane::ZoomStepped(ImagePoint view, int oldZoom) {
    view_->LayoutView();
    // The clicked photo point goes to the middle of the visible area: scaling the old view
    // position as if it were a photo position, less half the whole zoomed picture, throws the
    // point off screen as soon as the picture is wider than the view. Worked in view pixels;
    // the scroll bars count the paint box's own pixels.
    const int z = view_->Zoom();
    const qreal dpr = view_->DeviceRatio();
    const auto centre = [&](int v, int visible) {
        const int64_t image = static_cast<int64_t>(v) * 100 / std::max(1, oldZoom);
        const int64_t device = std::clamp<int64_t>(image * z / 100 - static_cast<int64_t>(visible * dpr) / 2, 0, INT32_MAX);
        return static_cast<int>(std::lround(static_cast<double>(device) / dpr));
    };
    view_->horizontalScrollBar()->setValue(centre(view.x, view_->viewport()->width()));
    view_->verticalScrollBar()->setValue(centre(view.y, view_->viewport()->height()));
    view_->RedrawView();
    emit ZoomWasStepped();
}

void EditPane::ToolLabels(ImagePoint position, const std::optional<ImagePoint>& size) {
    emit ToolLabelsChanged(tr("Position %1, %2").arg(position.x).arg(position.y),
                           size ? tr("Size %1 x %2").arg(size->x).arg(size->y) : QString());
}

void EditPane::ZoomToPercent(double percent) { view_->ZoomToPercent(percent); }
void EditPane::ZoomToFitWidth() { view_->ZoomToFit(PhotoView::ZoomFit::Width); }
void EditPane::ZoomToFitHeight() { view_->ZoomToFit(PhotoView::ZoomFit::Height); }
void EditPane::ZoomToFitWindow() { view_->ZoomToFit(PhotoView::ZoomFit::Window); }

void EditPane::ZoomInStep() { view_->ZoomStep(+1, view_->ViewportCentre()); }
void EditPane::ZoomOutStep() { view_->ZoomStep(-1, view_->ViewportCentre()); }

// ---------------------------------------------------------------------------------------------
// Guard and hourglass

void EditPane::Guard(const std::function<void()>& command) {
    const int depth = busyDepth_;
    std::string error;
    ++guardDepth_;
    struct Settle {
        EditPane& pane;
        ~Settle() {
            if (--pane.guardDepth_ == 0 && pane.jobs_ == 0) emit pane.Settled();
        }
    } settle{*this};
    try {
        command();
        return;
    } catch (const lum::NotEnoughMemory& e) {
        error = lum::ErrorWords(e).toStdString();
    } catch (const std::bad_alloc&) {
        error = QT_TRANSLATE_NOOP("lum", "There is not enough memory for this. Close other programs or windows and try again.");
    } catch (const std::exception& e) {
        error = lum::ErrorWords(e).toStdString();
    } catch (...) {
        error = tr("Unexpected error").toStdString();
    }
    while (busyDepth_ > depth) SetBusy(false, BusyKind::Hourglass);
    editor_.prompts().Error(error);
}

void EditPane::SetBusy(bool on, BusyKind kind) {
    if (kind == BusyKind::None) return;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        // The result is painted before the hourglass goes, so the user never sees an idle
        // cursor over a picture that has not caught up yet.
        if (busyDepth_ == 1 && redrawPending_) {
            redrawPending_ = false;
            view_->RedrawViewNow();
        }
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
    emit BusyChanged(on, kind);
}

// ---------------------------------------------------------------------------------------------
// Host

void EditPane::RedrawView() {
    if (busyDepth_ > 0) redrawPending_ = true;
    view_->RedrawView();
    emit PictureMayHaveChanged();
}

void EditPane::LayoutView() {
    // Called after each commit; slot 0 holds a fresh fit when the photo did not fit. A photo
    // shown at 100 % because it fits keeps following the pane too: a photo opened before the
    // window took its final size is fitted once it has it.
    const EditState& st = editor_.State();
    int w = 0, h = 0;
    ViewOuterSize(w, h);
    const bool bigger = st.picture.Work().width() > w || st.picture.Work().height() > h;
    view_->CommitLaidOut((st.zoom.Slot() == 0 && bigger) || (st.zoom.Slot() == kHundredPercentSlot && !bigger));
    view_->LayoutView();
    view_->RedrawView();
    emit PictureMayHaveChanged();
}

void EditPane::ViewOuterSize(int& w, int& h) const {
    w = view_->OuterWidth();
    h = view_->OuterHeight();
}

void EditPane::SelectionCleared() {
    showCursor(Qt::ArrowCursor);
    emit SelectionWasCleared();
}

void EditPane::ToolWasReset() {
    showCursor(Qt::ArrowCursor);
    emit ToolReset();
}

void EditPane::PaintColoursChanged() { emit PaintColoursWereChanged(); }

// One clipboard for the process: what one window copies the other pastes.
bool EditPane::ClipboardImage(Image& out) const {
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull()) return false;
    out = FromQImage(picture);
    return !out.empty();
}

void EditPane::PutOnClipboard(const Image& img) { QGuiApplication::clipboard()->setImage(ToQImage(img)); }

void EditPane::PointerChanged() {
    PhotoCanvas* box = view_->Canvas();
    const QPoint at = box->mapFromGlobal(QCursor::pos());
    const Tool* tool = editor_.PointerTool();
    const ImagePoint p{view_->ViewToImage(at.x()), view_->ViewToImage(at.y())};
    showCursor(ToolCursor(tool ? tool->Cursor(editor_, p) : 0));
}

void EditPane::RedrawImageRect(const Rect& r) { view_->RedrawImageRect(r); }

void EditPane::RedrawViewRect(const Rect& r) {
    view_->RedrawViewRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)));
}

void EditPane::DrawOnView(const ViewLine& line) { view_->DrawInk(line); }

bool EditPane::ViewColour(ImagePoint v, Colour& c) const {
    // What the screen shows there: the picture as stretched, with whatever is drawn over it.
    PhotoCanvas* box = view_->Canvas();
    const QRect logical = view_->LogicalRect(QRect(v.x, v.y, 1, 1));
    if (!box->rect().contains(logical.topLeft())) return false;
    const QImage shot = box->grab(logical).toImage();
    if (shot.isNull()) return false;
    // On a scaled screen the grab holds the device pixels of that one widget pixel.
    const qreal dpr = view_->DeviceRatio();
    const int x = std::clamp(v.x - static_cast<int>(std::lround(logical.x() * dpr)), 0, shot.width() - 1);
    const int y = std::clamp(v.y - static_cast<int>(std::lround(logical.y() * dpr)), 0, shot.height() - 1);
    c = FromQColor(shot.pixelColor(x, y));
    return true;
}

void EditPane::ShowColourReadout(Colour c) { emit ColourReadout(c); }
void EditPane::ShowSwatch(Colour c) { emit SwatchColour(c); }

Mask EditPane::LineMask(ImagePoint a, ImagePoint b, int width, ImagePoint& origin) const {
    return WideLineMask(a, b, width, origin);
}

void EditPane::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    hidden_ = false;
}

void EditPane::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    hidden_ = true;
}

void EditPane::showCursor(const QCursor& cursor) {
    // While a job runs the photo keeps the busy cursor; the tool's comes back after it.
    if (jobs_ == 0) view_->Canvas()->setCursor(cursor);
}

void EditPane::RefreshCursor() {
    const Tool* now = editor_.PointerTool();
    showCursor(ToolCursor(now ? now->Cursor(editor_, ImagePoint{}) : 0));
}

void EditPane::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The state belongs to the work under way: the view follows once it is done.
    if (jobs_ > 0) {
        resizedDuringWork_ = true;
        return;
    }
    followResize();
}

void EditPane::followResize() {
    if (editor_.State().picture.Work().empty()) return;
    // The view takes its new size with the layout of this pane.
    view_->resize(size());
    if (!view_->Refit()) {
        view_->LayoutView();
        view_->RedrawView();
    }
}

// ---------------------------------------------------------------------------------------------
// Mouse and outlines

namespace {
MouseButton ToButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return MouseButton::Left;
        case Qt::RightButton: return MouseButton::Right;
        case Qt::MiddleButton: return MouseButton::Middle;
        default: return MouseButton::None;
    }
}
}  // namespace

QCursor ViewOverlay::CursorAt(const ToolEvent&) const { return QCursor(Qt::CrossCursor); }

void EditPane::SetOverlay(ViewOverlay* overlay) {
    overlay_ = overlay;
    captured_ = nullptr;
    PhotoCanvas* canvas = view_->Canvas();
    // Enter and Escape anywhere in the window go to the overlay while it is on.
    qApp->removeEventFilter(this);
    if (overlay_) {
        qApp->installEventFilter(this);
        canvas->setFocusPolicy(Qt::StrongFocus);
        canvas->setFocus();
        showCursor(QCursor(Qt::CrossCursor));
    } else {
        RefreshCursor();
    }
    view_->RedrawView();
}

bool EditPane::eventFilter(QObject* watched, QEvent* e) {
    auto* target = qobject_cast<QWidget*>(watched);
    if (overlay_ && target && target->window() == window() &&
        (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            // Before the window's own keys (Escape closes the compare window).
            e->accept();
            if (e->type() == QEvent::KeyPress && jobs_ == 0) {
                // A value typed in a box of the tool and not yet taken counts.
                if (auto* box = qobject_cast<QAbstractSpinBox*>(watched)) box->interpretText();
                Guard([this, key] { overlay_->Finish(key != Qt::Key_Escape); });
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

ToolEvent EditPane::toolEvent(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x,
                              int y) const {
    ToolEvent e;
    e.view = ImagePoint{x, y};
    e.image = ImagePoint{view_->ViewToImage(x), view_->ViewToImage(y)};
    e.zoom = view_->Zoom();
    e.viewSize = ImagePoint{view_->Canvas()->width(), view_->Canvas()->height()};
    e.button = ToButton(button);
    e.leftDown = (buttons & Qt::LeftButton) != 0;
    e.rightDown = (buttons & Qt::RightButton) != 0;
    e.shift = (mods & Qt::ShiftModifier) != 0;
    e.control = (mods & Qt::ControlModifier) != 0;
    return e;
}

void EditPane::route(MouseStep step, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods,
                     int x, int y) {
    // The state is a job's until it ends: the busy cursor says so, and the press waits for
    // the user to come again.
    if (jobs_ > 0 || inputHeld_) return;
    if (overlay_) {
        const ToolEvent e = toolEvent(button, buttons, mods, x, y);
        Guard([&] {
            if (step == MouseStep::Press) overlay_->Press(e);
            else if (step == MouseStep::Move) overlay_->Move(e);
            else overlay_->Release(e);
        });
        if (overlay_) showCursor(overlay_->CursorAt(e));
        if (step == MouseStep::Release) emit PictureMayHaveChanged();
        return;
    }
    if (step == MouseStep::Press) stopRequested_ = false;
    // A drag stays with the tool that took its press, as long as the editor still holds it.
    Tool* tool = editor_.PointerTool();
    if (step != MouseStep::Press && captured_ &&
        (captured_ == editor_.ActiveTool() || captured_ == editor_.FloatingTool() ||
         captured_ == editor_.SelectionTool()))
        tool = captured_;
    if (step == MouseStep::Press) captured_ = tool;
    else if (step == MouseStep::Release || buttons == Qt::NoButton) captured_ = nullptr;
    if (!tool) return;
    const ToolEvent e = toolEvent(button, buttons, mods, x, y);
    // A shape dragged past the visible edge brings the hidden part into view.
    if (step == MouseStep::Move && buttons != Qt::NoButton && tool->ScrollsWhileDragging()) view_->ensureVisible(x, y, 6, 4);
    Guard([&] {
        if (step == MouseStep::Press) tool->Press(editor_, e);
        else if (step == MouseStep::Move) tool->Move(editor_, e);
        else tool->Release(editor_, e);
    });
    // The tool may have ended itself (a reset drops it); it stayed alive until here. It asks for
    // a redraw itself when its feedback or the image changed.
    editor_.DropRetiredTools();
    const Tool* now = editor_.PointerTool();
    showCursor(ToolCursor(now ? now->Cursor(editor_, e.image) : 0));
    if (step == MouseStep::Release) emit PictureMayHaveChanged();
}

void EditPane::drawOutlines(QPainter& p) const {
    std::vector<Outline> shapes = editor_.SelectionOutline();
    for (const Tool* tool : editor_.DrawingTools()) {
        const std::vector<Outline> more = tool->Feedback();
        shapes.insert(shapes.end(), more.begin(), more.end());
    }
    const int z = view_->Zoom();
    for (const Outline& o : shapes) {
        QPolygon points;
        for (const ImagePoint& pt : o.points) {
            if (o.rubber) points << QPoint(pt.x, pt.y);
            else
                points << QPoint(view_->ImageToView(o.origin.x) + static_cast<int>(static_cast<int64_t>(pt.x) * z / 100),
                                 view_->ImageToView(o.origin.y) + static_cast<int>(static_cast<int64_t>(pt.y) * z / 100));
        }
        p.save();
        // A rubber band and a placement being dragged invert what they cross, so they show on
        // any photo; the placement in a solid line.
        const bool inverting = o.rubber || o.pen == Outline::Inverting;
        p.setCompositionMode(inverting ? QPainter::RasterOp_NotSourceXorDestination : QPainter::CompositionMode_SourceOver);
        if (o.pen == Outline::Inverting) p.setPen(QPen(Qt::black, 0, Qt::SolidLine));
        if (o.kind == Outline::Polyline) {
            p.drawPolyline(points);
        } else if (points.size() >= 2) {
            // From the first corner up to, not including, the second, as the shape was drawn.
            const QRect r(points[0], QSize(points[1].x() - points[0].x() - 1, points[1].y() - points[0].y() - 1));
            if (o.kind == Outline::Rectangle) p.drawRect(r);
            else p.drawEllipse(r);
        }
        p.restore();
    }
    // Rubber lines invert what they cover (black in not-xor mode).
    for (const Tool* tool : editor_.DrawingTools()) {
        for (const ViewLine& l : tool->ViewLines()) {
            p.save();
            if (l.invert) p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
            SetWidePen(p, l.invert ? QColor(Qt::black) : ToQColor(l.colour), l.width);
            p.drawLine(QPoint(l.from.x, l.from.y), QPoint(l.to.x, l.to.y));
            p.restore();
        }
    }
    if (overlay_) {
        p.save();
        overlay_->Paint(p);
        p.restore();
    }
}

}  // namespace lum
