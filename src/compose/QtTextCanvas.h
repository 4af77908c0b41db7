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

// The letters' size the dialog's look was designed at: offsets and outline are counted in its
// pixels and grow with the letters.
inline constexpr int kStampDesignPixels = 32;

// A stamp drawn for a photo of photoW x photoH: each of its (at most two) lines heightPercent % of
// the photo's height, the lines together at most half of it, smaller when the text would be wider
// than the photo. The stamp is the text rectangle on the options' background.
struct RenderedStamp {
    Image stamp;
    int lineHeight = 0;  // pixels, on that photo
};
// The line height such a stamp has on that photo, without drawing it.
int StampLineHeight(const QString& face, bool bold, bool italic, const TextStampOptions& options, int heightPercent,
                    int photoW, int photoH);
RenderedStamp RenderStampForPhoto(const QString& face, bool bold, bool italic, TextStampOptions options,
                                  int heightPercent, int photoW, int photoH);

}  // namespace lum
