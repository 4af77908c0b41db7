// SPDX-License-Identifier: GPL-3.0-or-later
// The text stamp's layout: where the (at most two) lines, their shadow copies and outline
// neighbours go on the preview, and the rectangle that becomes the mix source. Fonts and glyphs
// belong to the toolkit, reached through TextCanvas.
#pragma once
#include <string>
#include <vector>

#include "image/Color.h"
#include "image/Image.h"
#include "imaging/Mix.h"

namespace lum {

// The preview canvas with the chosen font (face, size, bold, italic) already selected.
class TextCanvas {
public:
    virtual ~TextCanvas() = default;
    virtual int textWidth(const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;
    virtual void fill(Colour colour) = 0;
    // Draws text with its top-left corner at (x, y), transparent background.
    virtual void drawText(int x, int y, const std::string& text, Colour colour) = 0;
};

enum class ShadowStyle { None = 0, Standard = 1, Gradient = 2 };

// The colour grid: the standard palette's first eight and last eight entries.
inline constexpr Colour kColourGrid[16] = {
    MakeColour(0, 0, 0),       MakeColour(128, 0, 0),   MakeColour(0, 128, 0),   MakeColour(128, 128, 0),
    MakeColour(0, 0, 128),     MakeColour(128, 0, 128), MakeColour(0, 128, 128), MakeColour(192, 192, 192),
    MakeColour(128, 128, 128), MakeColour(255, 0, 0),   MakeColour(0, 255, 0),   MakeColour(255, 255, 0),
    MakeColour(0, 0, 255),     MakeColour(255, 0, 255), MakeColour(0, 255, 255), MakeColour(255, 255, 255)};

// The dialog's choices, with its defaults.
struct TextStampOptions {
    std::vector<std::string> lines{"Title", "Example"};
    ShadowStyle shadow = ShadowStyle::Gradient;
    bool outline = true;
    int offsetX = 4, offsetY = -4;                // -24..24; a positive y offset is up
    Colour textColour = kColourGrid[11];          // left click on the grid
    Colour outlineColour = kColourGrid[0];        // right click on the grid
    Colour shadowColour = MakeColour(128, 128, 128);
    Colour background = MakeColour(255, 255, 255);  // white, button face or black
    // Pixels per offset step and outline width: the look stays the same when the letters are
    // drawn bigger than the dialog's design size (1: the design size).
    float scale = 1.0f;
};

// The offsets and the outline's reach in pixels, after the scale.
struct TextStampReach {
    int offsetX = 0, offsetY = 0, outline = 1;
};
TextStampReach ScaledReach(const TextStampOptions& options);

// The grey a click at x on the shadow ramp picks: (x x 4) mod 256.
Colour ShadowRampColour(int x);

struct TextStampLine {
    std::string text;
    int x = 0, y = 0, width = 0;
};
struct TextStampLayout {
    int lineHeight = 0;
    std::vector<TextStampLine> lines;  // the drawn lines: the first two of the text
    Rect textRect;                     // the part of the preview that becomes the stamp
};

// Lines centred in a width x height preview (all lines count for the vertical centring, only the
// first two are drawn). The text rectangle starts 8 pixels wide around the middle, one or two
// line heights tall, grows by a positive y offset upwards (a negative one downwards), and to every
// line starting further left, including the shadow's reach left or right by the x offset.
TextStampLayout LayoutTextStamp(TextCanvas& canvas, int width, int height, const TextStampOptions& options);

// One drawing of a line.
struct TextStampCopy {
    int line = 0;
    int x = 0, y = 0;
    Colour colour = 0;
    bool operator==(const TextStampCopy& o) const {
        return line == o.line && x == o.x && y == o.y && colour == o.colour;
    }
};
// Every drawing in order: the shadow pass over the lines, then the text pass (outline neighbours,
// then the text). Standard shadow: at (x + ox, y - oy), with the outline also at its four diagonal
// neighbours. Gradient shadow: n = max(|ox|, |oy|) (at least 4) copies, the farthest first, at
// (x + Trunc(ox k / n), y + Trunc(-oy k / n)) in greys fading from the background's red towards
// the shadow's, with the outline also at (+1, +1) and (+1, -1) of each.
std::vector<TextStampCopy> TextStampCopies(const TextStampLayout& layout, const TextStampOptions& options);

// The whole preview paint: background fill, then every copy. Returns the layout.
TextStampLayout PaintTextStamp(TextCanvas& canvas, int width, int height, const TextStampOptions& options);

// The stamp: the text rectangle of the painted preview; parts beyond the preview take the
// background colour (which the masked copy then leaves out).
Image TextStampSource(const Image& preview, const Rect& textRect, Colour background);

// The mix options the stamp runs with: Masked Copy, "Width or Height", 100 %, tolerance 4, the
// background as mask colour; the other choices stay as they were.
MixOptions TextStampMixOptions(MixOptions current, Colour background);

}  // namespace lum
