// SPDX-License-Identifier: GPL-3.0-or-later
// The optimize action and its three steps (colour pass, selective smoothing, blend), checked
// against worked examples and against a slow transcription of the formulas that divides in
// extended precision.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <random>

#include "ConfinementTestSupport.h"
#include "image/Codec.h"
#include "image/Parallel.h"
#include "image/Tables.h"
#include "imaging/ColourOps.h"

using namespace lum;

namespace {

struct Px {
    int r, g, b;
    bool operator==(const Px& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Px& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& os, const Px& p) { return os << "(" << p.r << "," << p.g << "," << p.b << ")"; }

Px At(const Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return {p[2], p[1], p[0]};
}

Image Uniform(int w, int h, int r, int g, int b) {
    Image img(w, h);
    img.fill(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
    return img;
}

// Smooth areas with noise, flat patches and lone outliers, so that similar, isolated and
// tie cases all occur.
Image RandomImage(int w, int h, uint32_t seed) {
    std::mt19937 rng(seed);
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = img.pixel(x, y);
            const int kind = static_cast<int>(rng() % 8);
            for (int c = 0; c < 3; ++c) {
                int v;
                if (kind == 0) v = static_cast<int>(rng() % 256);
                else if (kind == 1) v = (x / 4 + y / 4) % 2 ? 20 : 230;
                else v = ((x + 2 * y + 40 * c) * 3) % 256 + static_cast<int>(rng() % 31) - 15;
                p[c] = static_cast<uint8_t>(std::clamp(v, 0, 255));
            }
        }
    return img;
}

// The action under test on a copy of img.
Image Optimized(const Image& img, bool compare = false, const Confinement& where = {},
                const BalanceTargets& targets = {}) {
    Image work = img;
    OptimizePhoto(img, work, targets, compare, where);
    return work;
}

// ---- plain transcription ----

int Clamp(long long v) { return v < 0 ? 0 : (v > 255 ? 255 : static_cast<int>(v)); }

long double RoundEvenL(long double v) {
    const long double f = std::floor(v);
    const long double d = v - f;
    if (d > 0.5L) return f + 1;
    if (d < 0.5L) return f;
    return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

void RefColourPass(const Image& src, Image& dst, const Rgb& target, const std::function<bool(int, int)>& inSel) {
    const int W = src.width(), H = src.height();
    long long s[3] = {0, 0, 0}, n = 0;
    for (int y = (3 * H) / 16; y <= (13 * H) / 16; ++y)
        for (int x = (3 * W) / 16; x <= (13 * W) / 16; ++x) {
            Px p = At(src, x, y);
            s[0] += p.r;
            s[1] += p.g;
            s[2] += p.b;
            ++n;
        }
    const int dR = target.R - static_cast<int>(s[0] / n), dG = target.G - static_cast<int>(s[1] / n),
              dB = target.B - static_cast<int>(s[2] / n);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!inSel(x, y)) continue;
            Px p = At(src, x, y);
            const int t = ToneTable()[(p.r + p.g + p.b) / 3];
            dst.setPixel(x, y, static_cast<uint8_t>(Clamp(p.r + (dR * (t - 4)) / 256)),
                         static_cast<uint8_t>(Clamp(p.g + (dG * (t - 8)) / 256)),
                         static_cast<uint8_t>(Clamp(p.b + (dB * t) / 256)));
        }
}

Image RefSmooth(const Image& src, int threshold, int iso, const int w[9]) {
    const int W = src.width(), H = src.height();
    Image dst = src;
    const long long t2 = static_cast<long long>(threshold) * threshold;
    // Neighbour order: top-left, top, top-right, left, right, bottom-left, bottom, bottom-right.
    const int dx[8] = {-1, 0, 1, -1, 1, -1, 0, 1}, dy[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
    const int wi[8] = {0, 1, 2, 3, 5, 6, 7, 8};
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x) {
            const uint8_t* c = src.pixel(x, y);
            long long sum[3] = {0, 0, 0}, all[3] = {0, 0, 0}, ws = 0, w8 = 0;
            int count = 0;
            for (int k = 0; k < 8; ++k) {
                if (k == 4) {
                    for (int ch = 0; ch < 3; ++ch) sum[ch] += static_cast<long long>(w[4]) * c[ch];
                    ws += w[4];
                }
                const uint8_t* n = src.pixel(x + dx[k], y + dy[k]);
                long long d = 0;
                for (int ch = 0; ch < 3; ++ch) d += static_cast<long long>(n[ch] - c[ch]) * (n[ch] - c[ch]);
                const long long wk = w[wi[k]];
                for (int ch = 0; ch < 3; ++ch) all[ch] += wk * n[ch];
                w8 += wk;
                if (d <= t2) {
                    for (int ch = 0; ch < 3; ++ch) sum[ch] += wk * n[ch];
                    ws += wk;
                    ++count;
                }
            }
            uint8_t* o = dst.pixel(x, y);
            for (int ch = 0; ch < 3; ++ch) {
                long double num, den;
                if (count > 1 || iso != -1) {
                    if (count > iso) {
                        num = sum[ch];
                        den = ws;
                    } else {
                        num = all[ch];
                        den = w8;
                    }
                } else {
                    num = all[ch] + w[4] * static_cast<long double>(c[ch]) / 2;
                    den = w8 + w[4] / 2;
                }
                o[ch] = den == 0 ? c[ch] : static_cast<uint8_t>(Clamp(static_cast<long long>(RoundEvenL(num / den))));
            }
        }
    return dst;
}

Image RefBlend(const Image& first, const Image& second, int percent) {
    const int p = percent % 100;
    Image dst = first;
    for (int y = 0; y < std::min(first.height(), second.height()); ++y)
        for (int x = 0; x < std::min(first.width(), second.width()); ++x)
            for (int ch = 0; ch < 3; ++ch)
                dst.pixel(x, y)[ch] =
                    static_cast<uint8_t>(Clamp(((100 - p) * first.pixel(x, y)[ch] + p * second.pixel(x, y)[ch]) / 100));
    return dst;
}

const int kMain[9] = {1, 2, 1, 2, 10, 2, 1, 2, 1};
const int kCompare[9] = {1, 4, 1, 4, 10, 4, 1, 4, 1};

Image RefOptimize(const Image& work, bool compare, const std::function<bool(int, int)>& inSel = nullptr,
                  const Rgb& flesh = Rgb{200, 160, 145}) {
    Image a = work;  // outside a selection the intermediate keeps the photo's pixels
    RefColourPass(work, a, flesh, inSel ? inSel : [](int, int) { return true; });
    Image b = RefSmooth(a, 100, -1, compare ? kCompare : kMain);
    return RefBlend(b, work, compare ? 40 : 50);
}

uint64_t Fnv(const Image& img) {
    uint64_t h = 1469598103934665603ULL;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < 3 * img.width(); ++x) h = (h ^ img.row(y)[x]) * 1099511628211ULL;
    return h;
}

}  // namespace

// ---- the action ----

TEST(Optimize, UniformGreyPhoto) {
    const Image grey = Uniform(48, 36, 128, 128, 128);
    const Image out = Optimized(grey);
    for (int y : {0, 1, 18, 35})
        for (int x : {0, 1, 24, 47}) ASSERT_EQ(At(out, x, y), (Px{141, 133, 131})) << x << "," << y;
    // The compare window's twin: heavier edge weights and a 60/40 blend.
    EXPECT_EQ(At(Optimized(grey, true), 20, 20), (Px{144, 134, 131}));
    EXPECT_EQ(OptimizeBlendPercent(false), 50);
    EXPECT_EQ(OptimizeBlendPercent(true), 40);
    // Reading and writing one image.
    Image same = grey;
    OptimizePhoto(same, same, BalanceTargets{}, false);
    EXPECT_EQ(same, out);
}

TEST(Optimize, TinyAndEmptyPhotos) {
    for (auto s : {std::pair{1, 1}, {1, 7}, {7, 1}, {2, 2}, {2, 9}, {3, 3}}) {
        const Image img = RandomImage(s.first, s.second, 11);
        const Image out = Optimized(img);
        ASSERT_EQ(out, RefOptimize(img, false)) << s.first << "x" << s.second;
        Image inPlace = img;
        OptimizeInPlace(inPlace, BalanceTargets{});
        ASSERT_EQ(inPlace, out);
    }
    for (auto s : {std::pair{0, 0}, {0, 5}, {5, 0}}) {
        Image nothing(s.first, s.second);
        EXPECT_NO_THROW(OptimizeInPlace(nothing, BalanceTargets{}));
        EXPECT_TRUE(Optimized(nothing).empty());
    }
}

TEST(Optimize, MatchesTheTranscriptionOnRandomPhotos) {
    uint32_t seed = 0;
    for (auto s : {std::pair{5, 4}, {33, 17}, {64, 64}, {101, 67}, {250, 3}}) {
        for (bool compare : {false, true}) {
            const Image img = RandomImage(s.first, s.second, ++seed);
            const Image expected = RefOptimize(img, compare);
            ASSERT_EQ(Optimized(img, compare), expected) << s.first << "x" << s.second << " " << compare;
            Image inPlace = img;
            OptimizeInPlace(inPlace, BalanceTargets{}, compare);
            ASSERT_EQ(inPlace, expected) << s.first << "x" << s.second << " " << compare << " in place";
        }
    }
}

TEST(Optimize, OptionTargetsAndTargetsOutsideTheirRange) {
    for (const Rgb flesh : {Rgb{255, 128, 128}, Rgb{130, 250, 200}, Rgb{600, -100, 255}}) {
        const Image img = RandomImage(70, 45, static_cast<uint32_t>(flesh.R));
        const Image expected = RefOptimize(img, false, nullptr, flesh);
        ASSERT_EQ(Optimized(img, false, {}, BalanceTargets{flesh, Rgb{190, 180, 170}}), expected) << flesh.R;
        Image inPlace = img;
        OptimizeInPlace(inPlace, BalanceTargets{flesh, Rgb{190, 180, 170}});
        ASSERT_EQ(inPlace, expected) << flesh.R;
    }
}

TEST(Optimize, CompareTwinWithSelectionShiftsOnlySelectedPixels) {
    const Image img = RandomImage(40, 30, 77);
    const std::function<bool(int, int)> disc = [](int x, int y) {
        return (x - 20) * (x - 20) + (y - 15) * (y - 15) < 100;
    };
    const Rect rect{10, 5, 31, 26};
    const Mask mask = imagingtest::MaskOver(rect, disc);
    EXPECT_EQ(Optimized(img, true, Confinement(rect, mask)), RefOptimize(img, true, disc));
    // A rectangle cutting the disc: only pixels in both are shifted.
    const Rect cut{-4, 12, 22, 40};
    const Mask cutMask = imagingtest::MaskOver(cut, disc);
    EXPECT_EQ(Optimized(img, false, Confinement(cut, cutMask)),
              RefOptimize(img, false, [&](int x, int y) { return imagingtest::Confined(cut, disc, x, y); }));
}

TEST(Optimize, PhotoAndWorkAsOneImage) {
    // Without a selection the one image is optimized in place, in bands; with one, through a
    // copy. Either way the result is the two-image one.
    const Image img = RandomImage(97, 211, 31);
    const std::function<bool(int, int)> disc = [](int x, int y) {
        return (x - 40) * (x - 40) + (y - 100) * (y - 100) < 900;
    };
    const Rect rect{5, 60, 80, 140};
    const Mask mask = imagingtest::MaskOver(rect, disc);
    for (int threads : {1, 3}) {
        SetThreadCount(threads);
        for (bool compare : {false, true}) {
            Image same = img;
            OptimizePhoto(same, same, BalanceTargets{}, compare);
            EXPECT_EQ(same, RefOptimize(img, compare)) << threads << " threads";
            same = img;
            OptimizePhoto(same, same, BalanceTargets{}, compare, Confinement(rect, mask));
            EXPECT_EQ(same, RefOptimize(img, compare, disc)) << threads << " threads, confined";
        }
    }
    SetThreadCount(0);
}

TEST(Optimize, GoldenPattern) {
    // A fixed pattern whose result was taken from the transcription above; it catches a change
    // that would move both implementations together.
    Image img(61, 43);
    uint32_t s = 12345;
    for (int y = 0; y < 43; ++y)
        for (int x = 0; x < 183; ++x) {
            s = s * 1103515245u + 12345u;
            img.row(y)[x] = static_cast<uint8_t>((s >> 16) % 97 + (x + y) % 150);
        }
    const Image out = Optimized(img);
    EXPECT_EQ(out, RefOptimize(img, false));
    EXPECT_EQ(Fnv(out), 4871824401618118156ULL);
}

TEST(Optimize, RealPhotoMatchesTranscriptionForAnyThreadCount) {
    Image photo;
    try {
        const std::vector<uint8_t> bytes = ReadFileBytes(std::string(LUMORA_TEST_DATA) + "/photos/astronaut.jpg");
        photo = DecodeJpeg(bytes.data(), bytes.size());
    } catch (const CodecError& e) {
        GTEST_SKIP() << "JPEG decoding not available: " << e.what();
    }
    ASSERT_FALSE(photo.empty());
    const Image expected = RefOptimize(photo, false);
    for (int threads : {1, 2, 4}) {
        SetThreadCount(threads);
        EXPECT_EQ(Optimized(photo), expected) << threads << " threads";
    }
    SetThreadCount(0);
}

TEST(Optimize, SameResultForAnyThreadCount) {
    // Tall enough for four bands of rows; each band recomputes the rows just outside it.
    const Image img = RandomImage(413, 389, 2024);
    const Image expected[2] = {RefOptimize(img, false), RefOptimize(img, true)};
    const Image smoothExpected = RefSmooth(img, 100, -1, kMain);
    for (int threads : {1, 2, 4}) {
        SetThreadCount(threads);
        for (bool compare : {false, true}) {
            EXPECT_EQ(Optimized(img, compare), expected[compare]) << threads << " threads";
        }
        for (bool compare : {false, true}) {
            Image inPlace = img;  // bands overwrite rows their neighbours still read
            OptimizeInPlace(inPlace, BalanceTargets{}, compare);
            EXPECT_EQ(inPlace, expected[compare]) << threads << " threads, in place";
        }
        Image smoothed;
        SelectiveSmooth(img, smoothed, 100, -1, kMain);
        EXPECT_EQ(smoothed, smoothExpected) << threads << " threads";
    }
    SetThreadCount(0);
}

// ---- selective smoothing ----

TEST(SelectiveSmooth, IsolatedBrightPixel) {
    Image img = Uniform(5, 5, 10, 10, 10);
    img.setPixel(2, 2, 250, 250, 250);
    Image out;
    SelectiveSmooth(img, out, 100, -1, kMain);
    // (12 x 10 + 5 x 250) / 17 = 80.59; the dark field around it keeps its value.
    EXPECT_EQ(At(out, 2, 2), (Px{81, 81, 81}));
    EXPECT_EQ(At(out, 1, 1), (Px{10, 10, 10}));
    SelectiveSmooth(img, out, 100, -1, kCompare);
    EXPECT_EQ(At(out, 2, 2), (Px{58, 58, 58}));  // (20 x 10 + 5 x 250) / 25
    Image black = Uniform(3, 3, 0, 0, 0);
    black.setPixel(1, 1, 255, 255, 255);
    SelectiveSmooth(black, out, 100, -1, kMain);
    EXPECT_EQ(At(out, 1, 1), (Px{75, 75, 75}));  // 5 x 255 / 17 exactly
}

TEST(SelectiveSmooth, ThresholdIsInclusive) {
    // Centre (100,100,100); top at distance exactly 100, left too ((0,60,80) apart): both similar.
    Image img = Uniform(3, 3, 0, 0, 0);
    img.setPixel(1, 1, 100, 100, 100);
    img.setPixel(1, 0, 200, 100, 100);
    img.setPixel(0, 1, 100, 160, 180);
    Image out;
    SelectiveSmooth(img, out, 100, -1, kMain);
    // (10 C + 2 top + 2 left) / 14 per channel: 114.29, 108.57, 111.43.
    EXPECT_EQ(At(out, 1, 1), (Px{114, 109, 111}));
    // One step farther: a single similar neighbour counts as isolated.
    img.setPixel(1, 0, 201, 100, 100);
    SelectiveSmooth(img, out, 100, -1, kMain);
    // Red: (2 x 201 + 2 x 100 + 5 x 100) / 17 = 64.8; green (200 + 320 + 500) / 17 = 60.0;
    // blue (200 + 360 + 500) / 17 = 62.35.
    EXPECT_EQ(At(out, 1, 1), (Px{65, 60, 62}));
}

TEST(SelectiveSmooth, TiesGoToEven) {
    const int centreRight[9] = {0, 0, 0, 0, 1, 1, 0, 0, 0};
    Image img = Uniform(3, 3, 0, 0, 0);
    img.setPixel(1, 1, 2, 4, 5);
    img.setPixel(2, 1, 3, 5, 6);
    Image out;
    SelectiveSmooth(img, out, 500, -1, centreRight);  // all similar: (c + right) / 2
    EXPECT_EQ(At(out, 1, 1), (Px{2, 4, 6}));           // 2.5, 4.5, 5.5
    // Isolated with an odd centre weight: right + centre / 2 over 1, the half exact.
    img = Uniform(3, 3, 0, 0, 0);
    img.setPixel(1, 1, 3, 5, 255);
    img.setPixel(2, 1, 0, 0, 255);
    SelectiveSmooth(img, out, 0, -1, centreRight);
    EXPECT_EQ(At(out, 1, 1), (Px{2, 2, 255}));  // 1.5 -> 2, 2.5 -> 2, 382.5 clamps
}

TEST(SelectiveSmooth, BordersAreCopied) {
    const Image img = RandomImage(9, 7, 3);
    Image out;
    SelectiveSmooth(img, out, 100, -1, kMain);
    for (int x = 0; x < 9; ++x) {
        EXPECT_EQ(At(out, x, 0), At(img, x, 0));
        EXPECT_EQ(At(out, x, 6), At(img, x, 6));
    }
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(At(out, 0, y), At(img, 0, y));
        EXPECT_EQ(At(out, 8, y), At(img, 8, y));
    }
    for (auto s : {std::pair{1, 5}, {5, 1}, {2, 2}, {0, 0}}) {
        const Image thin = RandomImage(s.first, s.second, 4);
        SelectiveSmooth(thin, out, 100, -1, kMain);
        EXPECT_EQ(out, thin);
    }
}

TEST(SelectiveSmooth, MatchesTranscriptionForAnyParameters) {
    const int weightSets[][9] = {
        {1, 2, 1, 2, 10, 2, 1, 2, 1}, {1, 4, 1, 4, 10, 4, 1, 4, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1},
        {3, 0, 5, 7, 1, 2, 0, 9, 4},  {0, 0, 0, 0, 3, 0, 0, 0, 0},  {-1, -2, -1, -2, 28, -2, -1, -2, -1},
        {1, 1, 1, 1, 0, 1, 1, 1, 1},  {0, 0, 0, 0, 0, 0, 0, 0, 0},  {200, 1, 1, 1, 40, 1, 1, 1, 1},
        {1000, 2, 3, 4, 500, 6, 7, 8, 9}};
    const int thresholds[] = {0, 30, 100, 200, -100, 500};
    const int isoLimits[] = {-1, 0, 2, 8};
    uint32_t seed = 0;
    for (auto& w : weightSets)
        for (int t : thresholds)
            for (int iso : isoLimits) {
                const Image img = RandomImage(23, 11, ++seed);
                Image out;
                SelectiveSmooth(img, out, t, iso, w);
                ASSERT_EQ(out, RefSmooth(img, t, iso, w))
                    << "weights " << w[0] << "," << w[4] << " threshold " << t << " iso " << iso;
            }
    // Source and destination may be the same image.
    Image img = RandomImage(31, 19, 99);
    const Image expected = RefSmooth(img, 100, -1, kMain);
    SelectiveSmooth(img, img, 100, -1, kMain);
    EXPECT_EQ(img, expected);
}

// ---- blend ----

TEST(BlendInto, PercentModuloHundredAndOverlap) {
    const Image a = RandomImage(20, 12, 1), b = RandomImage(14, 16, 2);
    Image dst;
    for (int percent : {50, 40, 0, 100, 150, 99, -30, 237}) {
        BlendInto(a, b, dst, percent);
        ASSERT_EQ(dst, RefBlend(a, b, percent)) << percent;
    }
    // 100 % is 0 %: a copy of the first image; outside the overlap the first image stays.
    BlendInto(a, b, dst, 100);
    EXPECT_EQ(dst, a);
    BlendInto(a, b, dst, 50);
    EXPECT_EQ(At(dst, 17, 5), At(a, 17, 5));
    EXPECT_EQ(dst.width(), 20);
    EXPECT_EQ(dst.height(), 12);
    // (50 x 155 + 50 x 128) div 100 = 141
    Image p = Uniform(2, 2, 155, 139, 134), q = Uniform(2, 2, 128, 128, 128);
    BlendInto(p, q, dst, 50);
    EXPECT_EQ(At(dst, 1, 1), (Px{141, 133, 131}));
    // The destination may be either input.
    Image first = a;
    BlendInto(first, b, first, 40);
    EXPECT_EQ(first, RefBlend(a, b, 40));
    Image second = b;
    BlendInto(a, second, second, 40);
    EXPECT_EQ(second, RefBlend(a, b, 40));
    Image self = a;
    BlendInto(self, self, self, 30);
    EXPECT_EQ(self, a);
}
