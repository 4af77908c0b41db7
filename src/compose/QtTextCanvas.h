// SPDX-License-Identifier: GPL-3.0-or-later
// The text stamp's canvas on a QImage: the font's metrics and its glyphs, drawn over a
// transparent background.
#pragma once
#include <QFont>
#include <QImage>
#include <QPainter>

#include "imaging/TextStamp.h"

namespace lum {

class QtTextCanvas : public TextCanvas {
public:
    // Paints on target (which must outlive the canvas) with font.
    QtTextCanvas(QImage& target, const QFont& font);
    ~QtTextCanvas() override;

    int textWidth(const std::string& text) override;
    // The font's line height (ascent + descent), whatever the text.
    int textHeight(const std::string& text) override;
    void fill(Colour colour) override;
    void drawText(int x, int y, const std::string& text, Colour colour) override;

private:
    QImage& target_;
    QPainter painter_;
    QFont font_;
};

// The stamp's font: face, size in points at 96 pixels per inch, bold, italic, drawn without
// smoothing so no edge pixel is a blend with the background the mask colour is taken from.
QFont StampFont(const QString& face, int points, bool bold, bool italic);

}  // namespace lum
