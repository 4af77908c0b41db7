// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GradientPanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "image/Arith.h"

namespace {

// One channel of a ramp: start + delta, rounded half to even and kept in a byte.
int rampChannel(int start, double delta) {
    return lum::clampByte(lum::roundHalfEven(static_cast<double>(start) + delta));
}

struct Channels {
    int r, g, b;
    explicit Channels(const QColor& c) : r(c.red()), g(c.green()), b(c.blue()) {}
};

// Drawing with the semantics of the panel's canvas: pen and brush share one solid colour,
// lines leave out their last point, ellipses and rectangles fill [x1, x2) x [y1, y2).
class Canvas {
public:
    Canvas(QPainter& p) : p_(p) { p_.setRenderHint(QPainter::Antialiasing, false); }
    void setColor(int r, int g, int b) {
        c_ = QColor(r, g, b);
        p_.setPen(QPen(c_, 0));
        p_.setBrush(c_);
    }
    // Straight lines are filled as one-pixel rectangles: a pen's cap and rasterisation must
    // not decide whether the end points are covered.
    void line(int x1, int y1, int x2, int y2) {
        if (y1 == y2) {
            if (x2 == x1) return;
            const int from = x2 > x1 ? x1 : x2 + 1;  // the end point itself stays out
            p_.fillRect(QRect(from, y1, std::abs(x2 - x1), 1), c_);
        } else if (x1 == x2) {
            const int from = y2 > y1 ? y1 : y2 + 1;
            p_.fillRect(QRect(x1, from, 1, std::abs(y2 - y1)), c_);
        } else {
            p_.drawLine(x1, y1, x2, y2);
        }
    }
    void ellipse(int x1, int y1, int x2, int y2) {
        if (x2 <= x1 || y2 <= y1) return;
        if (x2 - x1 <= 2 || y2 - y1 <= 2) {
            p_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), c_);
            return;
        }
        p_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
    void rect(int x1, int y1, int x2, int y2) {
        if (x2 <= x1 || y2 <= y1) return;
        p_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), c_);
    }

private:
    QPainter& p_;
    QColor c_;
};

enum Corner { TL = 1, TR = 2, BL = 4, BR = 8, AllCorners = 15 };

struct Geometry {
    int W, H, B;
};

void discs(Canvas& c, const Geometry& g, int k, int corners) {
    const int W = g.W, H = g.H, B2 = 2 * g.B;
    if (corners & TL) c.ellipse(k, k, B2 - k, B2 - k);
    if (corners & TR) c.ellipse(W - B2 + k, k, W - k, B2 - k);
    if (corners & BL) c.ellipse(k, H - B2 + k, B2 - k, H - k);
    if (corners & BR) c.ellipse(W - B2 + k, H - B2 + k, W - k, H - k);
}

// Frame k's right column and bottom row are W - 1 - k and H - 1 - k: the last pixel inside the
// panel, where the corner discs end too, so the band is the same on all four sides.

// The ordinary rounded frame k: discs first, then the four edge lines.
void frameOrdinary(Canvas& c, const Geometry& g, int k) {
    const int W = g.W, H = g.H, B = g.B, R = W - 1 - k, D = H - 1 - k;
    discs(c, g, k, AllCorners);
    c.line(B, k, W - B, k);
    c.line(k, B, k, H - B);
    c.line(B, D, W - B, D);
    c.line(R, B, R, H - B);
}

// Frame k of the three-colour band: lines first (the top and right ones reach the top-right
// corner), then the discs.
void frameThreeColour(Canvas& c, const Geometry& g, int k) {
    const int W = g.W, H = g.H, B = g.B, R = W - 1 - k, D = H - 1 - k;
    c.line(B, k, W - k, k);
    c.line(k, B, k, H - B);
    c.line(B, D, W - B, D);
    c.line(R, k, R, H - B);
    discs(c, g, k, AllCorners);
}

// Style 1: square top-right corner.
void frameSquareCorner(Canvas& c, const Geometry& g, int k) {
    const int W = g.W, H = g.H, B = g.B, R = W - 1 - k, D = H - 1 - k;
    discs(c, g, k, TL | BL | BR);
    c.line(B, k, W - k, k);
    c.line(k, B, k, H - B);
    c.line(B, D, W - B, D);
    c.line(R, k, R, H - B);
}

// Style 2: a square outline through the corners.
void frameSquare(Canvas& c, const Geometry& g, int k) {
    const int R = g.W - 1 - k, D = g.H - 1 - k;
    c.line(k, k, R, k);
    c.line(R, k, R, D);
    c.line(R, D, k, D);
    c.line(k, D, k, k);
}

// Style 105: lines reaching two corners; discs top-left and bottom-right only in the first
// half of the band, all four in the second.
void frameDiagonal(Canvas& c, const Geometry& g, int k, bool firstHalf) {
    const int W = g.W, H = g.H, B = g.B, R = W - 1 - k, D = H - 1 - k;
    c.line(B, k, W - k, k);
    c.line(k, B, k, H - k);
    c.line(k, D, W - B, D);
    c.line(R, k, R, H - B);
    discs(c, g, k, firstHalf ? (TL | BR) : AllCorners);
}

void frameByStyle(Canvas& c, const Geometry& g, int k, int style) {
    if (style == 1)
        frameSquareCorner(c, g, k);
    else if (style == 2)
        frameSquare(c, g, k);
    else
        frameOrdinary(c, g, k);
}

// back + k x (front - back) / den
void setLinear(Canvas& c, const Channels& from, const Channels& to, int k, double den) {
    c.setColor(rampChannel(from.r, (k * (to.r - from.r)) / den),
               rampChannel(from.g, (k * (to.g - from.g)) / den),
               rampChannel(from.b, (k * (to.b - from.b)) / den));
}

// from + k x 2 (to - from) / B
void setDouble(Canvas& c, const Channels& from, const Channels& to, int k, int B) {
    c.setColor(rampChannel(from.r, (k * 2 * (to.r - from.r)) / static_cast<double>(B)),
               rampChannel(from.g, (k * 2 * (to.g - from.g)) / static_cast<double>(B)),
               rampChannel(from.b, (k * 2 * (to.b - from.b)) / static_cast<double>(B)));
}

// from + k x (k x 2 (to - from) / B) / round(B / 2)
void setQuadratic(Canvas& c, const Channels& from, const Channels& to, int k, int B, int halfB) {
    auto ch = [&](int f, int t) {
        return rampChannel(f, (k * ((k * 2 * (t - f)) / static_cast<double>(B))) / halfB);
    };
    c.setColor(ch(from.r, to.r), ch(from.g, to.g), ch(from.b, to.b));
}

// The three-colour ramps over frames 0..B (styles 101 to 105).
void threeColourBand(Canvas& c, const Geometry& g, const Channels& back, const Channels& middle,
                     const Channels& front, int style) {
    const int B = g.B;
    const int halfB = lum::roundHalfEven(B / 2.0);
    const bool quadratic = style == 103 || style == 104;
    for (int k = 0; k <= B / 2; ++k) {
        if (quadratic)
            setQuadratic(c, back, middle, k, B, halfB);
        else
            setDouble(c, back, middle, k, B);
        if (style == 101) frameThreeColour(c, g, k);
        else if (style == 105) frameDiagonal(c, g, k, true);
        else frameOrdinary(c, g, k);
    }
    for (int k = B / 2; k <= B; ++k) {
        const int d = k - halfB;
        if (quadratic)
            setQuadratic(c, middle, front, d, B, halfB);
        else
            setDouble(c, middle, front, d, B);
        if (style == 101) frameThreeColour(c, g, k);
        else if (style == 105) frameDiagonal(c, g, k, false);
        else frameOrdinary(c, g, k);
    }
}

}  // namespace

GradientPanel::GradientPanel(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
}

void GradientPanel::Repaint() {
    update();
    repaint();
}

bool GradientPanel::PaintGradient(QPainter& p, int W, int H, const GradientPanelLook& look) {
    const int B = look.boundWidth;
    const int style = look.style;
    if (W <= 2 || H <= 2) return false;
    Canvas c(p);
    const Channels front(look.front), middle(look.middle), back(look.back);
    const Geometry g{W, H, B};

    // 64-bit so that a huge band width cannot wrap round to a small one.
    if (2LL * B > W || 2LL * B > H) {
        // Too small for the band: a ramp over half of the panel only.
        if (W > H) {
            for (int y = 0; y <= H / 2; ++y) {
                setLinear(c, back, front, y, W / 2.0);
                c.line(0, y, W, y);
            }
        } else {
            for (int x = 0; x <= W / 2; ++x) {
                setLinear(c, back, front, x, H / 2.0);
                c.line(x, 0, x, H);
            }
        }
        return true;
    }
    if (B <= 1) return false;

    c.setColor(back.r, back.g, back.b);
    c.rect(0, 0, W, H);

    if (style == 101) {
        threeColourBand(c, g, back, middle, front, style);
    } else {
        for (int k = 0; k <= B; ++k) {
            setLinear(c, back, front, k, B);
            frameByStyle(c, g, k, style);
            if (style == 10 || style == 11) {
                const double s = std::sin(static_cast<double>(k) / B * M_PI / 2.0);
                auto ch = [&](int f, int t) {
                    return rampChannel(f, ((k * (t - f)) / static_cast<double>(B)) * s);
                };
                c.setColor(ch(back.r, front.r), ch(back.g, front.g), ch(back.b, front.b));
                if (style == 10) frameSquareCorner(c, g, k);
                else frameOrdinary(c, g, k);
            }
        }
        if (style >= 102 && style <= 105) threeColourBand(c, g, back, middle, front, style);
    }

    c.setColor(front.r, front.g, front.b);
    c.rect(B, B, W - B, H - B);

    switch (style) {
        case 201:
            for (int y = 0; y <= H; ++y) {
                setLinear(c, back, front, y, H);
                c.line(0, y, W, y);
            }
            break;
        case 202:
            for (int x = 0; x <= W; ++x) {
                setLinear(c, back, front, x, W);
                c.line(x, 0, x, H);
            }
            break;
        case 211:
            for (int y = 0; y <= H / 2; ++y) {
                setDouble(c, back, middle, y, H);
                c.line(0, y, W, y);
            }
            for (int j = 0; j <= H / 2; ++j) {
                setDouble(c, middle, front, j, H);
                c.line(0, H / 2 + j, W, H / 2 + j);
            }
            break;
        case 212:
            for (int x = 0; x <= W / 2; ++x) {
                setDouble(c, back, middle, x, W);
                c.line(x, 0, x, H);
            }
            for (int j = 0; j <= W / 2; ++j) {
                setDouble(c, middle, front, j, W);
                c.line(W / 2 + j, 0, W / 2 + j, H);
            }
            break;
        default:
            break;
    }
    return true;
}

void GradientPanel::paintPlain(QPainter& p) {
    const QRect r = rect();
    const QPalette& pal = palette();
    p.fillRect(r, pal.color(QPalette::Button));
    if (r.width() >= 2 && r.height() >= 2) {
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (!caption_.isEmpty()) {
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(r, Qt::AlignCenter, caption_);
    }
}

void GradientPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!PaintGradient(p, width(), height(), look_)) paintPlain(p);
}
