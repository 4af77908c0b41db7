// SPDX-License-Identifier: GPL-3.0-or-later
// A panel that paints its own background as colour gradients: a band of concentric rounded
// frames along its edge (outer colour -> inner colour, optionally through a middle colour), or
// a gradient over the whole panel. Child widgets sit on it like on any QWidget.
//
// The five look properties (Qt property names in brackets):
//   FrontColor  [RM_FrontColor]  inner colour: the centre area and the end of every ramp
//   MiddleColor [RM_MiddleColor] middle colour of the three-colour styles (101..105, 211, 212)
//   BackColor   [RM_BackColor]   outer colour: the rim and the start of every ramp
//   BoundWidth  [RM_BoundWidth]  width of the gradient band in pixels
//   PanelStyle  [RM_Style]       painting style: 0, 1, 2, 10, 11, 101..105, 201, 202, 211, 212
// Setting a property does not repaint; the change shows at the next paint (call Repaint()).
// With a band width of 0 or 1, or a panel of 2 pixels or less, the panel paints as a plain
// raised panel with its caption. A new panel (white colours, band 0, style 0) looks plain until
// its design sets all five.
#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class QPainter;

struct GradientPanelLook {
    QColor front{Qt::white};
    QColor middle{Qt::white};
    QColor back{Qt::white};
    int boundWidth = 0;
    int style = 0;

    // In the order the designs list them.
    static GradientPanelLook Of(int style, int bound, QColor back, QColor middle, QColor front) {
        GradientPanelLook l;
        l.style = style;
        l.boundWidth = bound;
        l.back = back;
        l.middle = middle;
        l.front = front;
        return l;
    }
};

class GradientPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor RM_FrontColor READ FrontColor WRITE setFrontColor)
    Q_PROPERTY(QColor RM_MiddleColor READ MiddleColor WRITE setMiddleColor)
    Q_PROPERTY(QColor RM_BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int RM_BoundWidth READ BoundWidth WRITE setBoundWidth)
    Q_PROPERTY(int RM_Style READ PanelStyle WRITE setPanelStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit GradientPanel(QWidget* parent = nullptr);

    QColor FrontColor() const { return look_.front; }
    QColor MiddleColor() const { return look_.middle; }
    QColor BackColor() const { return look_.back; }
    int BoundWidth() const { return look_.boundWidth; }
    int PanelStyle() const { return look_.style; }
    void setFrontColor(const QColor& c) { look_.front = c; }
    void setMiddleColor(const QColor& c) { look_.middle = c; }
    void setBackColor(const QColor& c) { look_.back = c; }
    void setBoundWidth(int b) { look_.boundWidth = b; }
    void setPanelStyle(int s) { look_.style = s; }
    // All five at once (still no repaint).
    void setLook(const GradientPanelLook& look) { look_ = look; }
    const GradientPanelLook& Look() const { return look_; }

    // Caption of the plain panel look (shown only when the gradient look is not painted).
    QString Caption() const { return caption_; }
    void setCaption(const QString& text) { caption_ = text; }

    // Invalidate and redraw at once.
    void Repaint();

    // The painting itself, usable without a widget (tests, previews). Paints a W x H area.
    // Returns false when the plain panel look applies (nothing was painted).
    static bool PaintGradient(QPainter& p, int w, int h, const GradientPanelLook& look);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintPlain(QPainter& p);
    GradientPanelLook look_;
    QString caption_;
};
