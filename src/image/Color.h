// SPDX-License-Identifier: GPL-3.0-or-later
// Integer colour helpers shared by the compositing and paint code.
#pragma once
#include <cstdint>

namespace lum {

// 32-bit colour: red in the lowest byte, then green, then blue.
using Colour = uint32_t;
constexpr inline Colour MakeColour(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr inline int ColourR(Colour c) { return c & 0xFF; }
constexpr inline int ColourG(Colour c) { return (c >> 8) & 0xFF; }
constexpr inline int ColourB(Colour c) { return (c >> 16) & 0xFF; }

struct Hsv {
    int V, S, H;
};
struct Rgb {
    int R, G, B;
    bool operator==(const Rgb& o) const { return R == o.R && G == o.G && B == o.B; }
};

// Hue 0..360 (360 for pure red when saturated), saturation and value 0..255.
Hsv RgbToHsv(int r, int g, int b);
Rgb HsvToRgb(int h, int s, int v);

// A pixel position (also a size or an offset where one is meant).
struct Point {
    int x = 0, y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    // Right and bottom are exclusive: nothing inside when either side is not positive.
    bool empty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const Rect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

struct FitResult {
    Rect rect;
    float scale = 1.0f;
};
// Aspect-preserving placement of an imgW x imgH picture into a boxW x boxH box.
FitResult FitRect(int boxW, int boxH, int imgW, int imgH, int marginX, int marginY, bool enlarge);

// Smallest rectangle holding both (an empty one holds nothing).
Rect UnionRect(const Rect& a, const Rect& b);

// Integer distance by twelve Newton steps (not always the exact square root).
int IntDistance(int ax, int ay, int bx, int by);
// The same steps on a squared distance s >= 0: s = 3 gives 2, s = 24 gives 5, s = 35 gives 6.
int IntDistanceOfSquare(int64_t s);

// A per-channel window centre - half .. centre + half, each end limited to 0..255
// (empty when half is negative enough that lo > hi).
struct ColourWindow {
    Rgb lo{0, 0, 0}, hi{255, 255, 255};
    bool contains(int r, int g, int b) const {
        return lo.R <= r && r <= hi.R && lo.G <= g && g <= hi.G && lo.B <= b && b <= hi.B;
    }
    bool contains(Colour c) const { return contains(ColourR(c), ColourG(c), ColourB(c)); }
};
ColourWindow MakeColourWindow(Colour centre, int half);

}  // namespace lum
