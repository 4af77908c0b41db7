// SPDX-License-Identifier: GPL-3.0-or-later
// The photo view of an editing window: a paint box in a scroll box (centred while it is smaller),
// showing the window's working image at the current zoom, the view <-> image mapping, the one
// redraw entry point and the zoom. The edit pane around it connects it to the
// window's editor.
//
// View coordinates are device pixels of the paint box: at 100 % one photo pixel is one pixel of
// the screen, also on a screen scaled to 150 %.
#pragma once
#include <QCursor>
#include <QPixmap>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <vector>

#include "editing/EditState.h"
#include "editing/Tool.h"

class QPainter;
class QWheelEvent;

namespace lum {

// The cursor table the tools pick their cursor from (indices 1..7: POLY, PIPETTE, SPRAY,
// CRAYON, EFFETS, REMPLIR, CURZOOM). An index nobody registered gives the arrow.
void RegisterToolCursor(int index, const QCursor& cursor);
QCursor ToolCursor(int index);
// The program's seven tool cursors into slots 1..7, as a window does at its creation.
void RegisterDesignToolCursors();

class PhotoView;

// Canvas: the drawing surface. Sized by the view, never moved inside the scroll box.
class PhotoCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PhotoCanvas(PhotoView* view, QWidget* parent = nullptr);
    // A position of a mouse event in view coordinates.
    QPoint ViewPoint(const QPointF& logical) const;

signals:
    // View coordinates (pixels of the paint box); the receivers map them with ViewToImage.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void DblClick();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    PhotoView* view_;
};

// ScrollBox1 with its Canvas.
class PhotoView : public QScrollArea {
    Q_OBJECT
public:
    explicit PhotoView(EditState& st, QWidget* parent = nullptr);
    ~PhotoView() override;

    PhotoCanvas* Canvas() const { return paintBox_; }
    EditState& State() const { return st_; }

    // Device pixels per pixel of the widgets (1.5 on a screen scaled to 150 %).
    qreal DeviceRatio() const;
    // The scroll box's outer size in device pixels: what a fit fills.
    int OuterWidth() const;
    int OuterHeight() const;

    // What slot 0 holds when it is selected: a fit that follows the size of the view, or a
    // plain percentage (None).
    enum class ZoomFit { None, Auto, Window, Width, Height };
    ZoomFit Fit() const { return fit_; }
    // After a commit: slot 0 holds the automatic fit when the commit fitted the photo.
    void CommitLaidOut(bool fitted);
    // Redoes the fit for the view's size (after a resize). True when the zoom changed.
    bool Refit();
    // The fits of the zoom menu; they follow the view's size from then on.
    void ZoomToFit(ZoomFit fit);
    // One step through the fixed percentages of the table (direction +1 or -1), keeping the
    // photo point under anchor (a position in the viewport) where it is.
    void ZoomStep(int direction, const QPoint& anchor);
    QPoint ViewportCentre() const;

    // The zoom percentage in use (the state's ZoomState); never below 1.
    int Zoom() const;
    int ViewToImage(int v) const;
    int ImageToView(int i) const;

    // Paint box size from the working image's size and the zoom (truncating).
    void LayoutView();
    // The one redraw entry point: every change of the working image ends here.
    void RedrawView();
    // Redraws before returning (for code that draws while the mouse moves).
    void RedrawViewNow();
    // Repaints only the view over an image rectangle (right and bottom exclusive), or over a
    // rectangle of view pixels.
    void RedrawImageRect(const Rect& r);
    void RedrawViewRect(const QRect& r);
    // Draws a line on the view directly, over the picture. The ink lasts until the next
    // RedrawView or layout, or until the picture is repainted under it.
    void DrawInk(const ViewLine& line);
    // A rectangle of view (device) pixels in the paint box's own pixels, rounded outward.
    QRect LogicalRect(const QRect& device) const;
    const std::vector<ViewLine>& Ink() const { return ink_; }
    void ScrollToTopLeft();

    // A quick look at a photo still loading, drawn instead of the working image at the size
    // the photo will be shown at (photoWidth x photoHeight at zoom percent), from the top-left
    // corner, without outlines. Nothing of the state changes: layouts asked for meanwhile are
    // kept for the working image, which comes back as it was with EndPreview.
    void ShowPreview(Image picture, int photoWidth, int photoHeight, int zoom);
    void EndPreview();
    bool ShowsPreview() const { return !preview_.empty(); }

    // While a job changes the state on another thread: the view paints what it shows now (the
    // visible part of the paint box) and reads nothing of the state until Thaw; a zoom asked
    // meanwhile (the last one) is shown then.
    void Freeze();
    void Thaw();
    bool Frozen() const { return frozen_; }

    // Main window menu zoom: shows the photo at p percent without touching the images.
    // The percentage is held in slot 0 and selected, so layout, drawing and mouse mapping
    // all agree with what is shown. p <= 0 is ignored.
    void ZoomToPercent(double p);

    // Fit percentages of the zoom menu; 16 pixels are kept for the scroll bar.
    static int FitWidthPercent(int boxWidth, int imageWidth);
    static int FitHeightPercent(int boxHeight, int imageHeight);
    static int FitWindowPercent(int boxWidth, int boxHeight, int imageWidth, int imageHeight);
    // The same for this scroll box and the window's baseline.
    int FitWidthPercent() const;
    int FitHeightPercent() const;
    int FitWindowPercent() const;

    // Draws over the photo (outlines) with a black dotted pen and no brush already set.
    std::function<void(QPainter&)> Overlay;

    // Paints the photo into the paint box; called by its paint event.
    void paintPhoto(QPainter& p, const QRect& exposed);

signals:
    // The percentage shown, after every layout and zoom.
    void ZoomShown(int percent);

protected:
    // Ctrl + wheel zooms through the table; the wheel alone scrolls.
    void wheelEvent(QWheelEvent* e) override;

private:
    // The paint box for a photo of deviceW x deviceH device pixels.
    void sizePaintBox(int deviceW, int deviceH);
    // The paint box's size (widget pixels) covering deviceW x deviceH device pixels.
    QSize boxFor(int deviceW, int deviceH) const;
    bool fits() const;

    EditState& st_;
    PhotoCanvas* paintBox_ = nullptr;
    ZoomFit fit_ = ZoomFit::None;
    QSize deviceSize_;   // the photo's size on screen, in device pixels
    int wheelRest_ = 0;  // eighths of a degree not yet turned into a step
    std::vector<ViewLine> ink_;
    // While a preview is shown: the picture, its size on screen, and the working image's
    // layout to come back to.
    Image preview_;
    QSize previewSize_;
    bool frozen_ = false;
    std::function<void()> zoomWhenThawed_;
    // True when the view is frozen: zoom then runs at the thaw.
    bool zoomWhenThawed(std::function<void()> zoom);
    QPixmap frozenShot_;  // in the paint box's own pixels, at frozenAt_
    QPoint frozenAt_;
    struct Layout {
        QSize device, box;
        int scrollX = 0, scrollY = 0;
    } underPreview_;
};

}  // namespace lum
