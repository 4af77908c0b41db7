// SPDX-License-Identifier: GPL-3.0-or-later
// A plain, step-by-step transcription of the selection-confined operations, written apart from
// the program's code: a selection test per pixel, the colour passes, the kernel filters with
// their alternating variants, the optimize action, auto smooth with its Gaussian blur, and
// erase. The command-line tests compare the program's output with it pixel for pixel.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "image/Image.h"

namespace clitest::ref {

using lum::Image;

inline int Clamp(long long v) { return v < 0 ? 0 : (v > 255 ? 255 : static_cast<int>(v)); }

// Channels as (R, G, B) at (x, y); the image holds B, G, R.
inline int Ch(const Image& img, int x, int y, int c) { return img.pixel(x, y)[2 - c]; }
inline void Put(Image& img, int x, int y, int r, int g, int b) {
    img.setPixel(x, y, static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}

// --- the selection ---

struct Sel {
    int kind = 0;  // 0 none, 2 rectangle, 3 ellipse
    int L = 0, T = 0, R = 0, B = 0;  // right and bottom exclusive

    // InSelection in image coordinates.
    bool in(int x, int y) const {
        if (kind == 0) return true;
        if (x < L || x >= R || y < T || y >= B) return false;
        if (kind == 2) return true;
        // The pixel centre strictly inside the ellipse through the rectangle's sides.
        const long long w = R - L, h = B - T, dx = 2LL * (x - L) + 1 - w, dy = 2LL * (y - T) + 1 - h;
        return dx * dx * h * h + dy * dy * w * w < w * w * h * h;
    }
    std::string word() const {
        const std::string box = std::to_string(L) + "," + std::to_string(T) + "," + std::to_string(R) + "," + std::to_string(B);
        return kind == 3 ? "select:ellipse," + box : "select:" + box;
    }
};

// --- tones ---

inline int Tone(int i) {
    const double x = i / 255.0;
    const double p = i == 0 ? 0.0 : std::exp2(0.33 * std::log2(x));
    return static_cast<int>(std::nearbyint(128.0 * p));  // ties to even
}

// --- colour passes ---

struct Targets {
    int fr = 200, fg = 160, fb = 145;  // flesh
    int lr = 190, lg = 180, lb = 170;  // landscape
};

// Sums over [l, r] x [t, b] (inclusive); false when empty.
inline bool Means(const Image& src, int l, int t, int r, int b, int mean[3]) {
    if (r < l || b < t) return false;
    long long s[3] = {0, 0, 0}, n = 0;
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) {
            for (int c = 0; c < 3; ++c) s[c] += Ch(src, x, y, c);
            ++n;
        }
    for (int c = 0; c < 3; ++c) mean[c] = static_cast<int>(s[c] / n);
    return true;
}

inline void ToneShift(int& R, int& G, int& B, int dR, int dG, int dB) {
    const int t = Tone((R + G + B) / 3);
    R = Clamp(R + (dR * (t - 4)) / 256);
    G = Clamp(G + (dG * (t - 8)) / 256);
    B = Clamp(B + (dB * t) / 256);
}

// The in-place colour engine on work with the selection sel (which a balance drops: sel is
// cleared then). Modes 5, 7, 8, 9.
inline void ColourInPlace(Image& work, Sel& sel, int kind, int mode, const Targets& tg = Targets()) {
    const Image src = work;
    const int W = src.width(), H = src.height();
    int dR = 0, dG = 0, dB = 0;
    if (mode == 8 || mode == 9) {
        int l = (3 * W) / 16, t = (3 * H) / 16, r = (13 * W) / 16, b = (13 * H) / 16;
        if (sel.kind != 0) {
            l = std::max(sel.L, 0);
            t = std::max(sel.T, 0);
            // The selection's rectangle with inclusive bounds, its right and bottom too.
            r = std::min(sel.R, W - 1);
            b = std::min(sel.B, H - 1);
            sel = Sel();
        }
        int mean[3];
        if (!Means(src, l, t, r, b, mean)) return;
        dR = (mode == 8 ? tg.fr : tg.lr) - mean[0];
        dG = (mode == 8 ? tg.fg : tg.lg) - mean[1];
        dB = (mode == 8 ? tg.fb : tg.lb) - mean[2];
    }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!sel.in(x, y)) continue;
            int R = Ch(src, x, y, 0), G = Ch(src, x, y, 1), B = Ch(src, x, y, 2);
            if (mode == 5) {
                R = (3 * R + 255) / 4;
                G = (3 * G + 255) / 4;
                B = (3 * B + 255) / 4;
            } else if (mode == 7) {
                switch (kind) {
                    case 1: R = (7 * R + G) / 8; break;
                    case 2: B = (7 * B + G) / 8; break;
                    case 3: G = (7 * G + R) / 8; break;
                    case 4: B = (7 * B + R) / 8; break;
                    case 5: R = (7 * R + B) / 8; break;
                    case 6: G = (7 * G + B) / 8; break;
                    default: break;
                }
            } else {
                ToneShift(R, G, B, dR, dG, dB);
            }
            Put(work, x, y, Clamp(R), Clamp(G), Clamp(B));
        }
}

// --- kernel filters ---

struct Kernel {
    int w[3][3] = {{-2, -1, -2}, {-1, 28, -1}, {-2, -1, -2}};  // after start-up: kind 4, variant b
    int divisor = 16;
    int count2 = 0, count4 = 0;

    void set(int kind) {
        static const int k2a[3][3] = {{1, 2, 1}, {2, 20, 2}, {1, 2, 1}}, k2b[3][3] = {{2, 1, 2}, {1, 20, 1}, {2, 1, 2}};
        static const int k4a[3][3] = {{-1, -2, -1}, {-2, 28, -2}, {-1, -2, -1}};
        static const int k4b[3][3] = {{-2, -1, -2}, {-1, 28, -1}, {-2, -1, -2}};
        static const int k5[3][3] = {{0, -1, 0}, {-1, 6, -1}, {0, -1, 0}};
        const int(*from)[3] = nullptr;
        if (kind == 2) {
            ++count2;
            from = count2 % 2 == 0 ? k2a : k2b;
            divisor = 32;
        } else if (kind == 4) {
            ++count4;
            from = count4 % 2 == 0 ? k4a : k4b;
            divisor = 16;
        } else if (kind == 5) {
            from = k5;
            divisor = 2;
        } else {
            return;
        }
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) w[i][j] = from[i][j];
    }
};

inline void KernelFilter(Image& work, const Sel& sel, Kernel& k, bool grey) {
    if (k.divisor == 0) k.divisor = 1;
    const Image src = work;
    const int W = src.width(), H = src.height();
    int l = 0, t = 0, r = W - 1, b = H - 1;
    if (sel.kind != 0) {
        l = std::max(sel.L, 0);
        t = std::max(sel.T, 0);
        r = std::min(sel.R, W - 1);
        b = std::min(sel.B, H - 1);
    }
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) {
            if (!sel.in(x, y)) continue;
            long long s[3] = {0, 0, 0};
            for (int i = -1; i <= 1; ++i)
                for (int j = -1; j <= 1; ++j) {
                    int sx = x + j, sy = y + i;
                    if (sx < 0 || sy < 0 || sx >= W || sy >= H) sx = x, sy = y;
                    for (int c = 0; c < 3; ++c) s[c] += static_cast<long long>(k.w[i + 1][j + 1]) * Ch(src, sx, sy, c);
                }
            for (long long& v : s) v /= k.divisor;
            if (grey) s[0] = s[1] = s[2] = (s[0] + s[1] + s[2]) / 3;
            Put(work, x, y, Clamp(s[0]), Clamp(s[1]), Clamp(s[2]));
        }
}

// --- the optimize action ---

inline long double RoundHalfEven(long double v) {
    const long double f = std::floor(v), d = v - f;
    if (d > 0.5L) return f + 1;
    if (d < 0.5L) return f;
    return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

inline Image SelectiveSmooth(const Image& src, int threshold, int isolation, const int wt[9]) {
    const int W = src.width(), H = src.height();
    Image dst = src;
    // Neighbours: top-left, top, top-right, left, right, bottom-left, bottom, bottom-right.
    const int nx[8] = {-1, 0, 1, -1, 1, -1, 0, 1}, ny[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
    const int nw[8] = {wt[0], wt[1], wt[2], wt[3], wt[5], wt[6], wt[7], wt[8]};
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x) {
            long long sum[3] = {0, 0, 0}, all[3] = {0, 0, 0}, ws = 0, wAll = 0;
            int count = 0;
            for (int k = 0; k < 8; ++k) {
                if (k == 4) {  // the centre, after the left neighbour
                    for (int c = 0; c < 3; ++c) sum[c] += static_cast<long long>(wt[4]) * Ch(src, x, y, c);
                    ws += wt[4];
                }
                long long d2 = 0;
                for (int c = 0; c < 3; ++c) {
                    const long long d = Ch(src, x + nx[k], y + ny[k], c) - Ch(src, x, y, c);
                    d2 += d * d;
                    all[c] += static_cast<long long>(nw[k]) * Ch(src, x + nx[k], y + ny[k], c);
                }
                wAll += nw[k];
                if (d2 <= static_cast<long long>(threshold) * threshold) {
                    for (int c = 0; c < 3; ++c) sum[c] += static_cast<long long>(nw[k]) * Ch(src, x + nx[k], y + ny[k], c);
                    ws += nw[k];
                    ++count;
                }
            }
            int out[3];
            for (int c = 0; c < 3; ++c) {
                long double v;
                if (count > 1 || isolation != -1)
                    v = count > isolation ? static_cast<long double>(sum[c]) / ws : static_cast<long double>(all[c]) / wAll;
                else
                    v = (all[c] + wt[4] * static_cast<long double>(Ch(src, x, y, c)) / 2) / (wAll + wt[4] / 2);
                out[c] = static_cast<int>(RoundHalfEven(v));
            }
            Put(dst, x, y, out[0], out[1], out[2]);
        }
    return dst;
}

// Optimize on work; with a selection only the selected pixels are shifted, the intermediate
// keeping the photo's pixels elsewhere, and the smoothing and blend cover the whole image.
inline void Optimize(Image& work, const Sel& sel, bool compareVariant, const Targets& tg = Targets()) {
    const Image photo = work;
    const int W = photo.width(), H = photo.height();
    int mean[3] = {0, 0, 0};
    Means(photo, (3 * W) / 16, (3 * H) / 16, (13 * W) / 16, (13 * H) / 16, mean);
    const int dR = tg.fr - mean[0], dG = tg.fg - mean[1], dB = tg.fb - mean[2];
    Image a = photo;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!sel.in(x, y)) continue;
            int R = Ch(photo, x, y, 0), G = Ch(photo, x, y, 1), B = Ch(photo, x, y, 2);
            ToneShift(R, G, B, dR, dG, dB);
            Put(a, x, y, R, G, B);
        }
    static const int kMain[9] = {1, 2, 1, 2, 10, 2, 1, 2, 1}, kCompare[9] = {1, 4, 1, 4, 10, 4, 1, 4, 1};
    const Image b = SelectiveSmooth(a, 100, -1, compareVariant ? kCompare : kMain);
    const int p = (compareVariant ? 40 : 50) % 100;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            int v[3];
            for (int c = 0; c < 3; ++c) v[c] = ((100 - p) * Ch(b, x, y, c) + p * Ch(photo, x, y, c)) / 100;
            Put(work, x, y, v[0], v[1], v[2]);
        }
}

// --- auto smooth ---

inline uint8_t ClampToByte(double v) { return v < 0 ? 0 : (v >= 255 ? 255 : static_cast<uint8_t>(v)); }

inline void GaussianBlur(Image& img, double radius) {
    float w[201];
    double sum = 0;
    for (int j = -100; j <= 100; ++j) {
        const double t = j / radius;
        w[j + 100] = static_cast<float>(std::exp(-t * t / 2));
        sum += w[j + 100];
    }
    for (float& f : w) f = static_cast<float>(f / sum);
    int size = 100;
    double acc = 0;
    while (acc < 1.0 / 510 && size > 1) {
        acc += 2 * w[size + 100];
        --size;
    }
    sum = 0;
    for (int j = -size; j <= size; ++j) sum += w[j + 100];
    for (int j = -size; j <= size; ++j) w[j + 100] = static_cast<float>(w[j + 100] / sum);

    const auto blurLine = [&](std::vector<std::array<uint8_t, 3>>& line) {
        const int n = static_cast<int>(line.size()) - 1;
        std::vector<std::array<uint8_t, 3>> out(line.size());
        for (int k = 0; k <= n; ++k) {
            double s[3] = {0, 0, 0};
            for (int m = -size; m <= size; ++m) {
                const int i = std::min(std::max(k - m, 0), n);
                for (int c = 0; c < 3; ++c)
                    s[c] += static_cast<double>(w[m + 100]) * line[static_cast<size_t>(i)][static_cast<size_t>(c)];
            }
            for (int c = 0; c < 3; ++c) out[static_cast<size_t>(k)][static_cast<size_t>(c)] = ClampToByte(s[c]);
        }
        line = out;
    };
    const int W = img.width(), H = img.height();
    for (int y = 0; y < H; ++y) {
        std::vector<std::array<uint8_t, 3>> line(static_cast<size_t>(W));
        for (int x = 0; x < W; ++x)
            for (int c = 0; c < 3; ++c) line[static_cast<size_t>(x)][static_cast<size_t>(c)] = img.pixel(x, y)[c];
        blurLine(line);
        for (int x = 0; x < W; ++x)
            for (int c = 0; c < 3; ++c) img.pixel(x, y)[c] = line[static_cast<size_t>(x)][static_cast<size_t>(c)];
    }
    for (int x = 0; x < W; ++x) {
        std::vector<std::array<uint8_t, 3>> line(static_cast<size_t>(H));
        for (int y = 0; y < H; ++y)
            for (int c = 0; c < 3; ++c) line[static_cast<size_t>(y)][static_cast<size_t>(c)] = img.pixel(x, y)[c];
        blurLine(line);
        for (int y = 0; y < H; ++y)
            for (int c = 0; c < 3; ++c) img.pixel(x, y)[c] = line[static_cast<size_t>(y)][static_cast<size_t>(c)];
    }
}

inline void AutoSmooth(Image& work, const Sel& sel, Kernel& k) {
    const Image before = work;
    GaussianBlur(work, 4);
    for (int y = 0; y < work.height(); ++y)
        for (int x = 0; x < work.width(); ++x)
            for (int c = 0; c < 3; ++c) work.pixel(x, y)[c] = static_cast<uint8_t>((before.pixel(x, y)[c] + work.pixel(x, y)[c]) / 2);
    for (int kind : {2, 4, 2, 4}) {
        k.set(kind);
        KernelFilter(work, sel, k, false);
    }
}

// --- erase ---

inline void Erase(Image& work, const Sel& sel, int r, int g, int b) {
    for (int y = 0; y < work.height(); ++y)
        for (int x = 0; x < work.width(); ++x)
            if (sel.in(x, y)) Put(work, x, y, r, g, b);
}

// --- one operation word, as the command line runs it on a main window's state ---

struct State {
    Image work;
    Sel sel;
    Kernel kernel;
};

// Returns false for a word this reference does not know.
inline bool Apply(State& s, const std::string& op) {
    if (op == "optimize") Optimize(s.work, s.sel, false);
    else if (op == "optimize-compare") Optimize(s.work, s.sel, true);
    else if (op == "flesh-balance") ColourInPlace(s.work, s.sel, 0, 8);
    else if (op == "landscape-balance") ColourInPlace(s.work, s.sel, 0, 9);
    else if (op.rfind("shift:", 0) == 0) ColourInPlace(s.work, s.sel, std::stoi(op.substr(6)), 7);
    else if (op == "lighten") ColourInPlace(s.work, s.sel, 0, 5);
    else if (op == "grey") KernelFilter(s.work, s.sel, s.kernel, true);
    else if (op == "sharpen" || op == "sharpen-plus" || op == "soften") {
        s.kernel.set(op == "sharpen" ? 4 : op == "soften" ? 2 : 5);
        KernelFilter(s.work, s.sel, s.kernel, false);
    } else if (op == "auto-smooth") AutoSmooth(s.work, s.sel, s.kernel);
    else if (op == "erase") Erase(s.work, s.sel, 255, 255, 255);
    else return false;
    return true;
}

}  // namespace clitest::ref
