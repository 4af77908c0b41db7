// SPDX-License-Identifier: GPL-3.0-or-later
// Plain, literal forms of the brush dab and the flood fill, one pixel at a time through colour
// values, against which the fast code is compared pixel for pixel.
#pragma once
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "../image/ImageTestSupport.h"
#include "image/Codec.h"
#include "image/Color.h"
#include "image/Image.h"
#include "imaging/Brush.h"

namespace lum::ref {

inline Colour GetPixel(const Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return MakeColour(p[2], p[1], p[0]);
}
inline void SetPixel(Image& img, int x, int y, Colour c) {
    img.setPixel(x, y, static_cast<uint8_t>(ColourR(c)), static_cast<uint8_t>(ColourG(c)),
                 static_cast<uint8_t>(ColourB(c)));
}
inline int Clamp(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

inline int Distance(int ax, int ay, int bx, int by) {
    const int64_t s = int64_t{bx - ax} * (bx - ax) + int64_t{by - ay} * (by - ay);
    int64_t q = (s + 1) / 2;
    for (int i = 0; i < 12; ++i)
        if (q > 0) q = (q + s / q) / 2;
    return static_cast<int>(q);
}

struct Stroke {
    int kind = 0;
    int r = 16;
    Colour colour1 = MakeColour(253, 233, 115), colour2 = MakeColour(128, 128, 128);
    const Image* source = nullptr;
    int lastX = 0, lastY = 0;
    BrushRandom* random = nullptr;
};

inline void ApplyDab(Image& work, const Stroke& s, int cx, int cy) {
    const int W = work.width(), H = work.height(), r = s.r;
    const int R1 = ColourR(s.colour1), G1 = ColourG(s.colour1), B1 = ColourB(s.colour1);
    const int loR = std::max(ColourR(s.colour2) - 24, 0), hiR = std::min(ColourR(s.colour2) + 24, 255);
    const int loG = std::max(ColourG(s.colour2) - 24, 0), hiG = std::min(ColourG(s.colour2) + 24, 255);
    const int loB = std::max(ColourB(s.colour2) - 24, 0), hiB = std::min(ColourB(s.colour2) + 24, 255);
    static const int kSoften[3][3] = {{1, 2, 1}, {2, 116, 2}, {1, 2, 1}};
    static const int kSharpen[3][3] = {{0, -1, 0}, {-1, 132, -1}, {0, -1, 0}};
    for (int y = cy - r; y <= cy + r; ++y) {
        if (y < 0 || y > H - 1) continue;
        for (int x = cx - r; x <= cx + r; ++x) {
            if (x < 0 || x > W - 1) continue;
            const int d = Distance(cx, cy, x, y);
            if (d > r) continue;
            const Colour c = GetPixel(work, x, y);
            int R = ColourR(c), G = ColourG(c), B = ColourB(c);
            switch (s.kind) {
                case 0:
                case 1: {
                    if (x == 0 || y == 0 || x == W - 1 || y == H - 1) break;
                    const int(*k)[3] = s.kind == 0 ? kSoften : kSharpen;
                    int SR = 0, SG = 0, SB = 0;
                    for (int j = -1; j <= 1; ++j)
                        for (int i = -1; i <= 1; ++i) {
                            const Colour n = GetPixel(work, x + i, y + j);
                            SR += k[j + 1][i + 1] * ColourR(n);
                            SG += k[j + 1][i + 1] * ColourG(n);
                            SB += k[j + 1][i + 1] * ColourB(n);
                        }
                    R = (SR + 3) / 128;
                    G = (SG + 3) / 128;
                    B = (SB + 3) / 128;
                    break;
                }
                case 2:
                case 3: {
                    if (s.kind == 3 && ((cx + cy) % 2 + 2) % 2 == 1) break;
                    const int sum = R + G + B;
                    const int sign = s.kind == 2 ? 1 : -1;
                    int* chans[3] = {&R, &G, &B};
                    for (int* X : chans) {
                        const int t = *X + sign * (sum / 512);
                        *X = t == *X ? *X + sign : t;
                    }
                    break;
                }
                case 4: {
                    const int sx = s.lastX + (x - cx), sy = s.lastY + (y - cy);
                    if (sx >= 0 && sx < W && sy >= 0 && sy < H) {
                        const Colour sc = GetPixel(*s.source, sx, sy);
                        const int I = 4 * r;
                        const int w = std::max(r - d, 0);
                        R = (R * (I - w) + w * ColourR(sc)) / I;
                        G = (G * (I - w) + w * ColourG(sc)) / I;
                        B = (B * (I - w) + w * ColourB(sc)) / I;
                    }
                    break;
                }
                case 5:
                    R = R + s.random->Next(3) - 1;
                    G = G + s.random->Next(3) - 1;
                    B = B + s.random->Next(3) - 1;
                    break;
                case 6: {
                    const int w = r - d;
                    R = ((128 - w) * R + w * R1) / 128;
                    G = ((128 - w) * G + w * G1) / 128;
                    B = ((128 - w) * B + w * B1) / 128;
                    break;
                }
                case 7:
                    if (loR <= R && R <= hiR && loG <= G && G <= hiG && loB <= B && B <= hiB) {
                        R = R1;
                        G = G1;
                        B = B1;
                    }
                    break;
            }
            SetPixel(work, x, y, MakeColour(Clamp(R), Clamp(G), Clamp(B)));
        }
    }
}

// A stroke along path: source := work at the press, then one dab per point.
inline void Path(Image& work, Image& source, Stroke s, const std::vector<BrushPoint>& path) {
    if (path.empty()) return;
    source = work;
    s.source = &source;
    s.lastX = path[0].X;
    s.lastY = path[0].Y;
    for (const BrushPoint& p : path) ApplyDab(work, s, p.X, p.Y);
}

enum class FillResult { Ignored, Refused, Filled };

// The queue-driven scan-line fill with nodes on the heap. Counts the pixels set.
inline FillResult FloodFill(Image& work, int x0, int y0, int t, Colour F, int64_t* setCount = nullptr) {
    const int W = work.width(), H = work.height();
    if (x0 < 0 || y0 < 0 || x0 > W - 1 || y0 > H - 1) return FillResult::Ignored;
    const Colour seed = GetPixel(work, x0, y0);
    const int loR = std::max(ColourR(seed) - t, 0), hiR = std::min(ColourR(seed) + t, 255);
    const int loG = std::max(ColourG(seed) - t, 0), hiG = std::min(ColourG(seed) + t, 255);
    const int loB = std::max(ColourB(seed) - t, 0), hiB = std::min(ColourB(seed) + t, 255);
    const auto matches = [&](Colour c) {
        return loR <= ColourR(c) && ColourR(c) <= hiR && loG <= ColourG(c) && ColourG(c) <= hiG &&
               loB <= ColourB(c) && ColourB(c) <= hiB;
    };
    if (matches(F)) return FillResult::Refused;
    struct Node {
        int x, y, left, right, parentY;
        Node* next;
    };
    Node* head = new Node{x0, y0, x0, x0, y0, nullptr};
    Node* tail = head;
    int64_t count = 0;
    while (head) {
        Node* n = head;
        head = n->next;
        if (!head) tail = nullptr;
        const int x = n->x, y = n->y;
        delete n;
        int xx = x;
        while (xx < W && matches(GetPixel(work, xx, y))) SetPixel(work, xx++, y, F), ++count;
        const int right = xx - 1;
        xx = x - 1;
        while (xx >= 0 && matches(GetPixel(work, xx, y))) SetPixel(work, xx--, y, F), ++count;
        const int left = xx + 1;
        for (const int ny : {y + 1, y - 1}) {
            if (ny < 0 || ny > H - 1) continue;
            xx = left;
            while (xx <= right) {
                while (xx <= right && !matches(GetPixel(work, xx, ny))) ++xx;
                if (xx > right) break;
                Node* m = new Node{xx, ny, left, right, y, nullptr};
                if (tail)
                    tail->next = m;
                else
                    head = m;
                tail = m;
                while (xx <= right && matches(GetPixel(work, xx, ny))) ++xx;
            }
        }
    }
    if (setCount) *setCount = count;
    return FillResult::Filled;
}

// Test pictures.
using imagetest::RandomImage;

inline Image Photo(const std::string& name) {
    const std::vector<uint8_t> bytes = ReadFileBytes(std::string(LUMORA_TEST_DATA) + "/photos/" + name);
    return DecodeJpeg(bytes.data(), bytes.size());
}

inline const std::vector<std::string>& PhotoNames() {
    static const std::vector<std::string> names = {"astronaut.jpg", "rocket.jpg", "hubble_deep_field.jpg"};
    return names;
}

}  // namespace lum::ref
