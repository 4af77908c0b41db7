// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/TextStamp.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "image/Draw.h"

namespace lum {

namespace {

// The four diagonal neighbours, in drawing order.
constexpr int kDiagonals[4][2] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};

inline int TruncF(float v) { return static_cast<int>(v); }

// The diagonal neighbours at a reach of u; beyond one pixel also the four straight ones, so
// the outline of big letters has no gaps at their flat sides.
void AddOutline(std::vector<TextStampCopy>& out, int line, int x, int y, int u, Colour c) {
    for (const auto& d : kDiagonals) out.push_back({line, x + d[0] * u, y + d[1] * u, c});
    if (u <= 1) return;
    for (const auto& d : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}})
        out.push_back({line, x + d.first * u, y + d.second * u, c});
}

void AddStandardShadow(std::vector<TextStampCopy>& out, int line, const TextStampLine& l,
                       const TextStampOptions& o) {
    const TextStampReach r = ScaledReach(o);
    const int x = l.x + r.offsetX, y = l.y - r.offsetY;
    out.push_back({line, x, y, o.shadowColour});
    if (o.outline) AddOutline(out, line, x, y, r.outline, o.shadowColour);
}

void AddGradientShadow(std::vector<TextStampCopy>& out, int line, const TextStampLine& l,
                       const TextStampOptions& o) {
    const TextStampReach r = ScaledReach(o);
    const int ax = std::abs(r.offsetX), ay = std::abs(r.offsetY);
    float n = static_cast<float>(ax > ay ? ax : ay);
    if (n < 4.0f) n = 4.0f;
    const int shadowRed = ColourR(o.shadowColour);
    const float step = static_cast<float>(ColourR(o.background) - shadowRed) / n;
    for (int k = TruncF(n); k >= 1; --k) {
        const float fk = static_cast<float>(k);
        const int g = (TruncF(step * fk) + shadowRed) % 256;
        const Colour c = MakeColour(g, g, g);
        const float dx = static_cast<float>(r.offsetX * k) / n;
        const float dy = static_cast<float>(-r.offsetY * k) / n;
        const int x = l.x + TruncF(dx), y = l.y + TruncF(dy);
        out.push_back({line, x, y, c});
        if (!o.outline) continue;
        out.push_back({line, x + r.outline, y + r.outline, c});
        out.push_back({line, x + r.outline, y - r.outline, c});
    }
}

}  // namespace

TextStampReach ScaledReach(const TextStampOptions& o) {
    const float s = o.scale > 0.0f ? o.scale : 1.0f;
    TextStampReach r;
    r.offsetX = static_cast<int>(std::lround(static_cast<float>(o.offsetX) * s));
    r.offsetY = static_cast<int>(std::lround(static_cast<float>(o.offsetY) * s));
    r.outline = std::max(1, static_cast<int>(std::lround(s)));
    return r;
}

Colour ShadowRampColour(int x) {
    const int g = ((x * 4) % 256 + 256) % 256;
    return MakeColour(g, g, g);
}

TextStampLayout LayoutTextStamp(TextCanvas& canvas, int width, int height, const TextStampOptions& o) {
    const TextStampReach reach = ScaledReach(o);
    // The outline's reach past the first pixel widens the stamp on every side.
    const int grow = o.outline ? reach.outline - 1 : 0;
    TextStampLayout lay;
    lay.lineHeight = canvas.textHeight("A");
    const int n = static_cast<int>(o.lines.size());
    const int y0 = static_cast<int>((static_cast<int64_t>(height) - static_cast<int64_t>(n) * lay.lineHeight) / 2);
    Rect& r = lay.textRect;
    r = Rect{width / 2 - 4, y0, width / 2 + 4, y0 + (n > 1 ? 2 : 1) * lay.lineHeight};
    if (reach.offsetY > 0) r.Top -= reach.offsetY;
    if (reach.offsetY < 0) r.Bottom -= reach.offsetY;
    r.Top -= grow;
    r.Bottom += grow;

    // A line starting left of every earlier one sets both sides, the shadow's reach included.
    // Compared with the leftmost text start rather than the rectangle's left edge, so that a
    // second line a little wider than the first is not cut on the right when the shadow reaches
    // left.
    int leftmost = r.Left;
    for (int i = 0; i < std::min(n, 2); ++i) {
        TextStampLine l;
        l.text = o.lines[static_cast<size_t>(i)];
        l.width = canvas.textWidth(l.text);
        l.x = (width - l.width) / 2;
        l.y = y0 + i * lay.lineHeight;
        if (l.x < leftmost) {
            leftmost = l.x;
            r.Left = l.x + std::min(reach.offsetX, 0) - grow;
            r.Right = l.x + l.width + std::max(reach.offsetX, 0) + grow;
        }
        lay.lines.push_back(l);
    }
    return lay;
}

std::vector<TextStampCopy> TextStampCopies(const TextStampLayout& lay, const TextStampOptions& o) {
    std::vector<TextStampCopy> out;
    const int count = static_cast<int>(lay.lines.size());
    for (int i = 0; i < count; ++i) {
        if (o.shadow == ShadowStyle::Standard) AddStandardShadow(out, i, lay.lines[static_cast<size_t>(i)], o);
        if (o.shadow == ShadowStyle::Gradient) AddGradientShadow(out, i, lay.lines[static_cast<size_t>(i)], o);
    }
    const int reach = ScaledReach(o).outline;
    for (int i = 0; i < count; ++i) {
        const TextStampLine& l = lay.lines[static_cast<size_t>(i)];
        if (o.outline) AddOutline(out, i, l.x, l.y, reach, o.outlineColour);
        out.push_back({i, l.x, l.y, o.textColour});
    }
    return out;
}

TextStampLayout PaintTextStamp(TextCanvas& canvas, int width, int height, const TextStampOptions& o) {
    canvas.fill(o.background);
    TextStampLayout lay = LayoutTextStamp(canvas, width, height, o);
    for (const TextStampCopy& c : TextStampCopies(lay, o))
        canvas.drawText(c.x, c.y, lay.lines[static_cast<size_t>(c.line)].text, c.colour);
    return lay;
}

Image TextStampSource(const Image& preview, const Rect& r, Colour background) {
    Image out(std::max(r.width(), 0), std::max(r.height(), 0));
    FillRect(out, Rect{0, 0, out.width(), out.height()}, background);
    DrawImage(out, preview, -r.Left, -r.Top);
    return out;
}

MixOptions TextStampMixOptions(MixOptions current, Colour background) {
    current.style = MixStyle::MaskedCopy;
    current.resize = MixResize::WidthOrHeight;
    current.percent = 100;
    current.tolerance = 4;
    current.maskColour = background;
    return current;
}

}  // namespace lum
