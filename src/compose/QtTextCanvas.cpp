// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/QtTextCanvas.h"

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

}  // namespace lum
