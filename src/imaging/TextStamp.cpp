// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/TextStamp.h"

#include <algorithm>
#include <cstdlib>

#include "image/Draw.h"

namespace lum {

namespace {

// The four diagonal neighbours, in drawing order.
constexpr int kDiagonals[4][2] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};

inline int TruncF(float v) { return static_cast<int>(v); }

void AddStandardShadow(std::vector<TextStampCopy>& out, int line, const TextStampLine& l,
                       const TextStampOptions& o) {
    const int x = l.x + o.offsetX, y = l.y - o.offsetY;
    out.push_back({line, x, y, o.shadowColour});
    if (!o.outline) return;
    for (const auto& d : kDiagonals) out.push_back({line, x + d[0], y + d[1], o.shadowColour});
}

void AddGradientShadow(std::vector<TextStampCopy>& out, int line, const TextStampLine& l,
                       const TextStampOptions& o) {
    const int ax = std::abs(o.offsetX), ay = std::abs(o.offsetY);
    float n = static_cast<float>(ax > ay ? ax : ay);
    if (n < 4.0f) n = 4.0f;
    const int shadowRed = ColourR(o.shadowColour);
    const float step = static_cast<float>(ColourR(o.background) - shadowRed) / n;
    for (int k = TruncF(n); k >= 1; --k) {
        const float fk = static_cast<float>(k);
        const int g = (TruncF(step * fk) + shadowRed) % 256;
        const Colour c = MakeColour(g, g, g);
        const float dx = static_cast<float>(o.offsetX * k) / n;
        const float dy = static_cast<float>(-o.offsetY * k) / n;
        const int x = l.x + TruncF(dx), y = l.y + TruncF(dy);
        out.push_back({line, x, y, c});
        if (!o.outline) continue;
        out.push_back({line, x + 1, y + 1, c});
        out.push_back({line, x + 1, y - 1, c});
    }
}

}  // namespace

Colour ShadowRampColour(int x) {
    const int g = ((x * 4) % 256 + 256) % 256;
    return MakeColour(g, g, g);
}

TextStampLayout LayoutTextStamp(TextCanvas& canvas, int width, int height, const TextStampOptions& o) {
    TextStampLayout lay;
    lay.lineHeight = canvas.textHeight("A");
    const int n = static_cast<int>(o.lines.size());
    const int y0 = static_cast<int>((static_cast<int64_t>(height) - static_cast<int64_t>(n) * lay.lineHeight) / 2);
    Rect& r = lay.textRect;
    r = Rect{width / 2 - 4, y0, width / 2 + 4, y0 + (n > 1 ? 2 : 1) * lay.lineHeight};
    if (o.offsetY > 0) r.Top -= o.offsetY;
    if (o.offsetY < 0) r.Bottom -= o.offsetY;

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
            r.Left = l.x + std::min(o.offsetX, 0);
            r.Right = l.x + l.width + std::max(o.offsetX, 0);
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
    for (int i = 0; i < count; ++i) {
        const TextStampLine& l = lay.lines[static_cast<size_t>(i)];
        if (o.outline)
            for (const auto& d : kDiagonals) out.push_back({i, l.x + d[0], l.y + d[1], o.outlineColour});
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
