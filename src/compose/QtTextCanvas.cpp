// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/QtTextCanvas.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>

#include "widgets/ImageConvert.h"

namespace lum {

QtTextCanvas::QtTextCanvas(QImage& target, const QFont& font) : target_(target), font_(font) {
    painter_.begin(&target_);
    painter_.setFont(font_);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QtTextCanvas::~QtTextCanvas() {
    if (painter_.isActive()) painter_.end();
}

int QtTextCanvas::textWidth(const std::string& text) {
    return painter_.fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

int QtTextCanvas::textHeight(const std::string&) { return painter_.fontMetrics().height(); }

void QtTextCanvas::fill(Colour colour) { painter_.fillRect(target_.rect(), ToQColor(colour)); }

void QtTextCanvas::drawText(int x, int y, const std::string& text, Colour colour) {
    painter_.setPen(ToQColor(colour));
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), QString::fromStdString(text));
}

QFont StampFont(const QString& face, int points, bool bold, bool italic) {
    QFont f(face);
    // Points at 96 pixels per inch, rounded as the desktop's own conversion does.
    f.setPixelSize(qMax(1, (points * 96 + 36) / 72));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

namespace {

QFont StampFontOfPixels(const QString& face, int pixels, bool bold, bool italic) {
    QFont f = StampFont(face, 1, bold, italic);
    f.setPixelSize(std::max(1, pixels));
    return f;
}

int WidestLine(const QFontMetrics& fm, const std::vector<std::string>& lines) {
    int w = 0;
    for (const std::string& l : lines) w = std::max(w, fm.horizontalAdvance(QString::fromStdString(l)));
    return w;
}

// The letters' pixel size for the photo.
int StampPixels(const QString& face, bool bold, bool italic, const TextStampOptions& o, int heightPercent,
                int photoW, int photoH) {
    const int lines = std::max<int>(1, static_cast<int>(o.lines.size()));
    photoW = std::max(1, photoW);
    photoH = std::max(1, photoH);
    // Measured once at 100 pixels: the letters' size for the wanted height, and for the width.
    constexpr double kProbe = 100.0;
    const QFontMetrics probe(StampFontOfPixels(face, static_cast<int>(kProbe), bold, italic));
    // Each line its share, both together at most half the photo.
    const double percent = std::min(static_cast<double>(std::clamp(heightPercent, 1, 50)), 50.0 / lines);
    const double lineTarget = static_cast<double>(photoH) * percent / 100.0;
    double pixels = kProbe * lineTarget / std::max(1, probe.height());
    // With its shadow and outline, the stamp stays within half the photo's height.
    const double heightPerPixel = lines * probe.height() / kProbe + (std::abs(o.offsetY) + 2.0) / kStampDesignPixels;
    pixels = std::min(pixels, photoH / 2.0 / heightPerPixel);
    const double reachPerPixel = (std::abs(o.offsetX) + 2.0) / kStampDesignPixels;
    const double widthPerPixel = WidestLine(probe, o.lines) / kProbe + reachPerPixel;
    if (widthPerPixel > 0) pixels = std::min(pixels, photoW / widthPerPixel);
    return std::max(1, static_cast<int>(pixels));
}

std::vector<std::string> DrawnLines(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(lines.size(), 2))};
}

}  // namespace

int StampLineHeight(const QString& face, bool bold, bool italic, const TextStampOptions& options, int heightPercent,
                    int photoW, int photoH) {
    TextStampOptions o = options;
    o.lines = DrawnLines(o.lines);
    return QFontMetrics(StampFontOfPixels(face, StampPixels(face, bold, italic, o, heightPercent, photoW, photoH), bold,
                                          italic))
        .height();
}

RenderedStamp RenderStampForPhoto(const QString& face, bool bold, bool italic, TextStampOptions o,
                                  int heightPercent, int photoW, int photoH) {
    // Only two lines are drawn; the stamp is cut from around them, so the rest need no room.
    o.lines = DrawnLines(o.lines);
    photoW = std::max(1, photoW);
    photoH = std::max(1, photoH);
    const int size = StampPixels(face, bold, italic, o, heightPercent, photoW, photoH);
    const int lines = std::max<int>(1, static_cast<int>(o.lines.size()));

    o.scale = static_cast<float>(size) / kStampDesignPixels;
    const QFont font = StampFontOfPixels(face, size, bold, italic);
    const QFontMetrics fm(font);
    const TextStampReach reach = ScaledReach(o);
    // Room for the shadow and outline on every side, and for italic overhangs; no more, as a
    // stamp half a big photo high is a big image already.
    const int margin = std::max(std::abs(reach.offsetX), std::abs(reach.offsetY)) + reach.outline + fm.height() / 4 + 8;
    QImage canvasImage(WidestLine(fm, o.lines) + 2 * margin, lines * fm.height() + 2 * margin, QImage::Format_RGB32);
    TextStampLayout lay;
    {
        QtTextCanvas canvas(canvasImage, font);
        lay = PaintTextStamp(canvas, canvasImage.width(), canvasImage.height(), o);
    }
    // Only the text's part is converted; the margins keep it inside the canvas.
    const Rect& r = lay.textRect;
    const QImage part = canvasImage.copy(r.Left, r.Top, r.width(), r.height());
    canvasImage = QImage();
    return RenderedStamp{TextStampSource(FromQImage(part), Rect{0, 0, r.width(), r.height()}, o.background),
                         lay.lineHeight};
}

}  // namespace lum
