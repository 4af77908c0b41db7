// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place colour engine, the balance presets and the channel shifts, each checked against
// a plain per-pixel transcription of its formulas as well as against worked examples.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>

#include "ConfinementTestSupport.h"
#include "image/Parallel.h"
#include "image/Tables.h"
#include "imaging/ColourOps.h"

using namespace lum;
using imagingtest::MaskOver;

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

// Noise over a gradient, so that every tone index and every clamp occurs.
Image RandomImage(int w, int h, uint32_t seed) {
    std::mt19937 rng(seed);
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = img.pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                const int base = (x * 255) / std::max(1, w - 1);
                const int v = (rng() % 4 == 0) ? static_cast<int>(rng() % 256) : base + static_cast<int>(rng() % 41) - 20;
                p[c] = static_cast<uint8_t>(std::clamp(v, 0, 255));
            }
        }
    return img;
}

// ---- plain transcription of the colour engine ----

int Clamp(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

using Inside = std::function<bool(int, int)>;

// The engine by its definition: balances measure over `sample` (inclusive, clipped; the central
// region without one); pixels change where `allowed` holds.
Image RefInPlace(const Image& before, int kind, int mode, const Inside& allowed, const Rect* sample,
                 const BalanceTargets& targets) {
    const int W = before.width(), H = before.height();
    Image work = before;
    int dR = 0, dG = 0, dB = 0;
    if (mode == 8 || mode == 9) {
        Rect s = sample ? *sample : Rect{(3 * W) / 16, (3 * H) / 16, (13 * W) / 16, (13 * H) / 16};
        s.Left = std::max(s.Left, 0);
        s.Top = std::max(s.Top, 0);
        s.Right = std::min(s.Right, W - 1);
        s.Bottom = std::min(s.Bottom, H - 1);
        long long sr = 0, sg = 0, sb = 0, n = 0;
        for (int y = s.Top; y <= s.Bottom; ++y)
            for (int x = s.Left; x <= s.Right; ++x) {
                Px p = At(before, x, y);
                sr += p.r;
                sg += p.g;
                sb += p.b;
                ++n;
            }
        if (n == 0) return work;  // nothing measured: unchanged
        const Rgb& t = mode == 8 ? targets.flesh : targets.landscape;
        dR = t.R - static_cast<int>(sr / n);
        dG = t.G - static_cast<int>(sg / n);
        dB = t.B - static_cast<int>(sb / n);
    }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (allowed && !allowed(x, y)) continue;
            Px p = At(before, x, y);
            int R = p.r, G = p.g, B = p.b;
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
            } else if (mode == 8 || mode == 9) {
                const int t = ToneTable()[(R + G + B) / 3];
                R = R + (dR * (t - 4)) / 256;
                G = G + (dG * (t - 8)) / 256;
                B = B + (dB * t) / 256;
            } else {
                continue;
            }
            work.setPixel(x, y, static_cast<uint8_t>(Clamp(R)), static_cast<uint8_t>(Clamp(G)),
                          static_cast<uint8_t>(Clamp(B)));
        }
    return work;
}

// The engine under test on a copy of img.
Image Engine(const Image& img, int kind, int mode, const BalanceTargets& targets = {},
             const Confinement& where = {}, std::optional<Rect> sample = std::nullopt) {
    Image work = img;
    ColourPassInPlace(img, work, kind, mode, targets, where, sample);
    return work;
}

}  // namespace

// ---- worked examples ----

TEST(ColourBalance, UniformGreyUnderBothPresets) {
    const Image grey = Uniform(40, 30, 128, 128, 128);
    const Image flesh = Engine(grey, 0, kModeFlesh);
    for (int y : {0, 15, 29})
        for (int x : {0, 20, 39}) EXPECT_EQ(At(flesh, x, y), (Px{155, 139, 134}));
    EXPECT_EQ(At(Engine(grey, 0, kModeLandscape), 7, 9), (Px{151, 147, 144}));
    // The same targets into another image.
    Image dst;
    ColourPass(grey, dst, kModeFlesh, BalanceTargets{});
    EXPECT_EQ(dst, flesh);
}

TEST(ColourBalance, NegativeStepsTruncateTowardZero) {
    // Mean 201 against the flesh targets: dR = -1, dG = -41, dB = -56, tone entry 118.
    ASSERT_EQ(ToneTable()[201], 118);
    // -110/256 and -4510/256 and -6608/256 truncate to 0, -17 and -25 (floor would give -1, -18, -26).
    EXPECT_EQ(At(Engine(Uniform(16, 16, 201, 201, 201), 0, kModeFlesh), 0, 0), (Px{201, 184, 176}));
}

TEST(ColourBalance, ToneIndexIsTheChannelMeanOfThePixel) {
    // Grey 128 everywhere except two corner pixels outside the sample region: dR 72, dG 32, dB 17.
    Image img = Uniform(32, 32, 128, 128, 128);
    img.setPixel(0, 0, 10, 11, 12);  // index 33 div 3 = 11, tone 45
    img.setPixel(31, 31, 2, 0, 0);   // index 0, tone 0: red and green step down, blue stays
    ASSERT_EQ(ToneTable()[11], 45);
    const Image out = Engine(img, 0, kModeFlesh);
    EXPECT_EQ(At(out, 0, 0), (Px{10 + 2952 / 256, 11 + 1184 / 256, 12 + 765 / 256}));
    EXPECT_EQ(At(out, 0, 0), (Px{21, 15, 14}));
    // (-4 x 72) div 256 = -1 in red; (-8 x 32) div 256 = -1 in green, clamped at 0.
    EXPECT_EQ(At(out, 31, 31), (Px{1, 0, 0}));
}

TEST(ColourBalance, ResultsClampInsteadOfWrapping) {
    Image img = Uniform(32, 32, 40, 40, 40);
    img.setPixel(0, 0, 250, 250, 250);
    EXPECT_EQ(At(Engine(img, 0, kModeFlesh), 0, 0), (Px{255, 255, 255}));
}

TEST(ColourChannels, ShiftKindsMoveOneChannelAnEighth) {
    const Px in{200, 40, 16};
    const Px expected[8] = {in, {180, 40, 16}, {200, 40, 19}, {200, 60, 16}, {200, 40, 39}, {177, 40, 16}, {200, 37, 16}, in};
    for (int kind = 0; kind <= 7; ++kind)
        EXPECT_EQ(At(Engine(Uniform(3, 2, in.r, in.g, in.b), kind, kModeShift), 2, 1), expected[kind]) << kind;
    EXPECT_EQ(At(Engine(Uniform(1, 1, 200, 40, 0), 1, kModeShift), 0, 0), (Px{180, 40, 0}));
}

TEST(ColourChannels, LightenAndUnknownModes) {
    Image img(3, 1);
    img.setPixel(0, 0, 0, 255, 100);
    img.setPixel(1, 0, 255, 100, 0);
    img.setPixel(2, 0, 100, 0, 255);
    const Image out = Engine(img, 0, kModeLighten);
    EXPECT_EQ(At(out, 0, 0), (Px{63, 255, 138}));
    EXPECT_EQ(At(out, 1, 0), (Px{255, 138, 63}));
    EXPECT_EQ(At(out, 2, 0), (Px{138, 63, 255}));
    for (int mode : {0, 1, 6, 10, -3}) EXPECT_EQ(Engine(img, 2, mode), img) << "mode " << mode;
}

// ---- selections ----

TEST(ColourSelection, ShiftsAndLightenStayInsideTheMask) {
    const Image img = RandomImage(30, 20, 7);
    const Inside disc = [](int x, int y) { return (x - 12) * (x - 12) + (y - 9) * (y - 9) <= 40; };
    const Rect rect{5, 2, 20, 17};
    const Mask mask = MaskOver(rect, disc);
    for (int mode : {5, 7}) {
        const Image out = Engine(img, 3, mode, {}, Confinement(rect, mask));
        EXPECT_EQ(out, RefInPlace(img, 3, mode, [&](int x, int y) { return imagingtest::Confined(rect, disc, x, y); },
                                  nullptr, BalanceTargets{}))
            << "mode " << mode;
        // A pixel inside the mask changed, one outside it did not.
        EXPECT_NE(At(out, 12, 9), At(img, 12, 9));
        EXPECT_EQ(At(out, 5, 2), At(img, 5, 2));
        EXPECT_EQ(At(out, 25, 9), At(img, 25, 9));
    }
}

TEST(ColourSelection, SelectionReachingOutsideConfinesToItsPartInside) {
    const Image img = RandomImage(30, 20, 8);
    const Rect rect{-5, 10, 13, 41};
    const Mask full(rect.width(), rect.height(), 1);
    const Image out = Engine(img, 0, kModeLighten, {}, Confinement(rect, full));
    EXPECT_EQ(out, RefInPlace(img, 0, 5, [&](int x, int y) { return x < 13 && y >= 10; }, nullptr, BalanceTargets{}));
    EXPECT_EQ(At(out, 13, 10), At(img, 13, 10));
    EXPECT_NE(At(out, 0, 19), At(img, 0, 19));
    // Wholly outside: nothing changes.
    const Rect away{40, 40, 50, 50};
    const Mask awayMask(10, 10, 1);
    EXPECT_EQ(Engine(img, 0, kModeLighten, {}, Confinement(away, awayMask)), img);
}

TEST(ColourSelection, ConfinementRejectsAMaskOfAnotherSize) {
    const Mask small(3, 3, 1);
    EXPECT_THROW(Confinement(Rect{0, 0, 4, 3}, small), std::invalid_argument);
}

TEST(ColourSelection, BalanceSampleIsMeasuredThereAndAppliedWhereAllowed) {
    // Left half dark, right half bright; the sample holds the dark half only.
    Image img = Uniform(40, 20, 200, 200, 200);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) img.setPixel(x, y, 100, 100, 100);
    const Image out = Engine(img, 0, kModeFlesh, {}, {}, Rect{2, 2, 10, 10});
    // Means 100: dR 100, dG 60, dB 45; tone entries 94 (100) and 118 (200).
    ASSERT_EQ(ToneTable()[100], 94);
    EXPECT_EQ(At(out, 30, 15), (Px{200 + 100 * 114 / 256, 200 + 60 * 110 / 256, 200 + 45 * 118 / 256}));
    EXPECT_EQ(At(out, 0, 0), (Px{100 + 100 * 90 / 256, 100 + 60 * 86 / 256, 100 + 45 * 94 / 256}));
}

TEST(ColourSelection, EmptySampleRectangleLeavesThePhotoUnchanged) {
    const Image img = RandomImage(24, 16, 9);
    for (Rect outside : {Rect{30, 0, 40, 10}, Rect{-20, -20, -1, -1}, Rect{5, 20, 9, 30}, Rect{10, 5, 4, 9}})
        EXPECT_EQ(Engine(img, 0, kModeFlesh, {}, {}, outside), img);
    // A photo without pixels has no centre to measure either.
    const Image empty(0, 0);
    for (int mode : {5, 7, 8, 9}) EXPECT_TRUE(Engine(empty, 1, mode).empty());
    Image dst(3, 3);
    ColourPass(Image(0, 5), dst, kModeFlesh, BalanceTargets{});
    EXPECT_TRUE(dst.empty());
}

// ---- against the transcription ----

TEST(ColourReference, AllModesOnRandomImages) {
    const int sizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {2, 2}, {17, 5}, {64, 48}, {203, 131}, {70001, 2}};
    const BalanceTargets targets{Rgb{210, 150, 135}, Rgb{180, 190, 160}};
    uint32_t seed = 100;
    for (auto& s : sizes)
        for (int mode : {5, 7, 8, 9}) {
            for (int kind = (mode == 7 ? 0 : 0); kind <= (mode == 7 ? 7 : 0); ++kind) {
                const Image img = RandomImage(s[0], s[1], ++seed);
                ASSERT_EQ(Engine(img, kind, mode, targets), RefInPlace(img, kind, mode, {}, nullptr, targets))
                    << s[0] << "x" << s[1] << " mode " << mode << " kind " << kind;
            }
        }
}

TEST(ColourReference, TargetsOutsideTheDialogRange) {
    // Steps too large for the byte-packed table take the wide path; the result is the same formula.
    const BalanceTargets targets{Rgb{400, -60, 300}, Rgb{255, 0, 1000}};
    for (uint32_t seed = 1; seed <= 4; ++seed)
        for (int mode : {8, 9}) {
            const Image img = RandomImage(45, 31, seed);
            const Image ref = RefInPlace(img, 0, mode, {}, nullptr, targets);
            ASSERT_EQ(Engine(img, 0, mode, targets), ref) << "mode " << mode;
            Image dst;
            ColourPass(img, dst, mode, targets);
            ASSERT_EQ(dst, ref);
        }
}

TEST(ColourReference, ConfinedOnRandomImages) {
    const Inside half = [](int x, int y) { return (x + y) % 3 != 0; };
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const Image img = RandomImage(37, 29, seed);
        std::mt19937 rng(seed);
        Rect r{static_cast<int>(rng() % 50) - 10, static_cast<int>(rng() % 40) - 10, 0, 0};
        r.Right = r.Left + 1 + static_cast<int>(rng() % 30);
        r.Bottom = r.Top + 1 + static_cast<int>(rng() % 30);
        const Mask mask = MaskOver(r, half);
        const Inside allowed = [&](int x, int y) { return imagingtest::Confined(r, half, x, y); };
        const Rect sample{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
        for (int mode : {5, 7, 8, 9}) {
            const int kind = static_cast<int>(seed % 6) + 1;
            ASSERT_EQ(Engine(img, kind, mode, {}, Confinement(r, mask), sample),
                      RefInPlace(img, kind, mode, allowed, &sample, BalanceTargets{}))
                << "seed " << seed << " mode " << mode;
        }
        // ColourPass confined writes only the allowed pixels of dst.
        Image dst = img, ref;
        ColourPass(img, dst, kModeFlesh, BalanceTargets{}, Confinement(r, mask));
        ColourPass(img, ref, kModeFlesh, BalanceTargets{});
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ASSERT_EQ(At(dst, x, y), allowed(x, y) ? At(ref, x, y) : At(img, x, y)) << x << "," << y;
    }
}

TEST(ColourReference, ColourPassIntoAnotherImage) {
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        const Image img = RandomImage(50 + static_cast<int>(seed), 33, seed);
        for (int mode : {8, 9}) {
            Image dst;
            ColourPass(img, dst, mode, BalanceTargets{});
            const Image ref = RefInPlace(img, 0, mode, {}, nullptr, BalanceTargets{});
            ASSERT_EQ(dst, ref);
            Image same = img;
            ColourPass(same, same, mode, BalanceTargets{});  // reading and writing one image
            ASSERT_EQ(same, ref);
        }
    }
}

TEST(ColourReference, OneImageReadAndWrittenInBandsAndSelections) {
    const Inside sparse = [](int x, int y) { return (3 * x + y) % 4 != 1; };
    const Image img = RandomImage(61, 97, 77);
    const Rect r{-5, 10, 40, 80};
    const Mask mask = MaskOver(r, sparse);
    const Inside allowed = [&](int x, int y) { return imagingtest::Confined(r, sparse, x, y); };
    for (int threads : {1, 3}) {
        SetThreadCount(threads);
        for (int mode : {5, 7, 8, 9}) {
            for (bool confined : {false, true}) {
                Image same = img;
                ColourPassInPlace(same, same, 4, mode, {}, confined ? Confinement(r, mask) : Confinement());
                ASSERT_EQ(same, RefInPlace(img, 4, mode, confined ? allowed : Inside(), nullptr, BalanceTargets{}))
                    << threads << " threads, mode " << mode << " confined " << confined;
            }
        }
    }
    SetThreadCount(0);
}

TEST(ColourThreads, SameResultForAnyThreadCount) {
    const Image img = RandomImage(331, 517, 42);
    Image results[3];
    const int counts[3] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
        SetThreadCount(counts[i]);
        const Rect r{3, 40, 300, 400};
        const Mask mask = MaskOver(r, [](int x, int y) { return (x * y) % 7 != 0; });
        Image out = Engine(img, 0, kModeFlesh);
        out = Engine(out, 2, kModeShift, {}, Confinement(r, mask));
        out = Engine(out, 0, kModeLighten);
        results[i] = Engine(out, 0, kModeLandscape, {}, Confinement(r, mask), Rect{0, 0, 99, 99});
    }
    SetThreadCount(0);
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0], results[2]);
}
