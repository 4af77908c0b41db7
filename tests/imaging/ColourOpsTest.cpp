// The in-place colour engine, the balance presets and the channel shifts, each checked against
// a plain per-pixel transcription of its formulas as well as against worked examples.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>

#include "app/core/EditState.h"
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

class FnSelection : public SelectionTest {
public:
    explicit FnSelection(std::function<bool(int, int)> f) : f_(std::move(f)) {}
    bool InSelection(int x, int y) const override { return f_(x, y); }

private:
    std::function<bool(int, int)> f_;
};

// ---- plain transcription of the colour engine ----

int Clamp(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

struct RefResult {
    Image work;
    bool selectionDropped = false;
};

RefResult RefInPlace(const Image& before, int kind, int mode, bool selActive, Rect selRect,
                     const std::function<bool(int, int)>& inSel, const BalanceTargets& targets) {
    const int W = before.width(), H = before.height();
    Image work = before;
    auto clip = [&](Rect r) {
        r.Left = std::max(r.Left, 0);
        r.Top = std::max(r.Top, 0);
        r.Right = std::min(r.Right, W - 1);
        r.Bottom = std::min(r.Bottom, H - 1);
        return r;
    };
    int dR = 0, dG = 0, dB = 0;
    bool dropped = false;
    if (mode == 8 || mode == 9) {
        Rect s = selActive ? clip(selRect) : Rect{(3 * W) / 16, (3 * H) / 16, (13 * W) / 16, (13 * H) / 16};
        long long sr = 0, sg = 0, sb = 0, n = 0;
        if (W > 0 && H > 0)
            for (int y = s.Top; y <= s.Bottom; ++y)
                for (int x = s.Left; x <= s.Right; ++x) {
                    Px p = At(before, x, y);
                    sr += p.r;
                    sg += p.g;
                    sb += p.b;
                    ++n;
                }
        if (selActive) {
            selActive = false;
            dropped = true;
        }
        if (n == 0) return {work, dropped};  // nothing measured: unchanged
        const Rgb& t = mode == 8 ? targets.flesh : targets.landscape;
        dR = t.R - static_cast<int>(sr / n);
        dG = t.G - static_cast<int>(sg / n);
        dB = t.B - static_cast<int>(sb / n);
    }
    Rect r = selActive ? clip(selRect) : Rect{0, 0, W - 1, H - 1};
    for (int y = r.Top; y <= r.Bottom; ++y)
        for (int x = r.Left; x <= r.Right; ++x) {
            if (selActive && !inSel(x, y)) continue;
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
            }
            work.setPixel(x, y, static_cast<uint8_t>(Clamp(R)), static_cast<uint8_t>(Clamp(G)),
                          static_cast<uint8_t>(Clamp(B)));
        }
    return {work, dropped};
}

EditState StateWith(const Image& img) {
    EditState st;
    st.WorkImage = img;
    st.RebuildRows();
    return st;
}

}  // namespace

// ---- worked examples ----

TEST(ColourBalance, UniformGreyUnderBothPresets) {
    EditState st = StateWith(Uniform(40, 30, 128, 128, 128));
    FleshBalance(st);
    for (int y : {0, 15, 29})
        for (int x : {0, 20, 39}) EXPECT_EQ(At(st.WorkImage, x, y), (Px{155, 139, 134}));
    // SourceImage holds the image before the operation.
    EXPECT_EQ(At(st.SourceImage, 3, 3), (Px{128, 128, 128}));

    EditState land = StateWith(Uniform(40, 30, 128, 128, 128));
    LandscapeBalance(land);
    EXPECT_EQ(At(land.WorkImage, 7, 9), (Px{151, 147, 144}));
}

TEST(ColourBalance, TargetsAreReadAtTheMomentOfTheOperation) {
    EditState st = StateWith(Uniform(16, 16, 128, 128, 128));
    st.ReadOptions = [](BalanceTargets& t) { t.flesh = Rgb{128, 128, 128}; };
    FleshBalance(st);
    EXPECT_EQ(At(st.WorkImage, 5, 5), (Px{128, 128, 128}));
}

TEST(ColourBalance, NegativeStepsTruncateTowardZero) {
    // Mean 201 against the flesh targets: dR = -1, dG = -41, dB = -56, tone entry 118.
    EditState st = StateWith(Uniform(16, 16, 201, 201, 201));
    ASSERT_EQ(ToneTable()[201], 118);
    FleshBalance(st);
    // -110/256 and -4510/256 and -6608/256 truncate to 0, -17 and -25 (floor would give -1, -18, -26).
    EXPECT_EQ(At(st.WorkImage, 0, 0), (Px{201, 184, 176}));
}

TEST(ColourBalance, ToneIndexIsTheChannelMeanOfThePixel) {
    // Grey 128 everywhere except two corner pixels outside the sample region: dR 72, dG 32, dB 17.
    Image img = Uniform(32, 32, 128, 128, 128);
    img.setPixel(0, 0, 10, 11, 12);  // index 33 div 3 = 11, tone 45
    img.setPixel(31, 31, 2, 0, 0);   // index 0, tone 0: red and green step down, blue stays
    EditState st = StateWith(img);
    ASSERT_EQ(ToneTable()[11], 45);
    FleshBalance(st);
    EXPECT_EQ(At(st.WorkImage, 0, 0), (Px{10 + 2952 / 256, 11 + 1184 / 256, 12 + 765 / 256}));
    EXPECT_EQ(At(st.WorkImage, 0, 0), (Px{21, 15, 14}));
    // (-4 x 72) div 256 = -1 in red; (-8 x 32) div 256 = -1 in green, clamped at 0.
    EXPECT_EQ(At(st.WorkImage, 31, 31), (Px{1, 0, 0}));
}

TEST(ColourBalance, ResultsClampInsteadOfWrapping) {
    Image img = Uniform(32, 32, 40, 40, 40);
    img.setPixel(0, 0, 250, 250, 250);
    EditState st = StateWith(img);
    FleshBalance(st);
    EXPECT_EQ(At(st.WorkImage, 0, 0), (Px{255, 255, 255}));
}

TEST(ColourChannels, ShiftKindsMoveOneChannelAnEighth) {
    const Px in{200, 40, 16};
    const Px expected[8] = {in, {180, 40, 16}, {200, 40, 19}, {200, 60, 16}, {200, 40, 39}, {177, 40, 16}, {200, 37, 16}, in};
    for (int kind = 0; kind <= 7; ++kind) {
        EditState st = StateWith(Uniform(3, 2, in.r, in.g, in.b));
        st.Macro.Start();
        ChannelShift(st, kind);
        EXPECT_EQ(At(st.WorkImage, 2, 1), expected[kind]) << "kind " << kind;
        EXPECT_EQ(st.Macro.MacroActions[0], (MacroAction{12, kind, 0, 0}));
    }
    EditState st = StateWith(Uniform(1, 1, 200, 40, 0));
    ChannelShift(st, 1);
    EXPECT_EQ(At(st.WorkImage, 0, 0), (Px{180, 40, 0}));
}

TEST(ColourChannels, LightenAndUnknownModes) {
    Image img(3, 1);
    img.setPixel(0, 0, 0, 255, 100);
    img.setPixel(1, 0, 255, 100, 0);
    img.setPixel(2, 0, 100, 0, 255);
    EditState st = StateWith(img);
    ColourPassInPlace(st, 0, kModeLighten);
    EXPECT_EQ(At(st.WorkImage, 0, 0), (Px{63, 255, 138}));
    EXPECT_EQ(At(st.WorkImage, 1, 0), (Px{255, 138, 63}));
    EXPECT_EQ(At(st.WorkImage, 2, 0), (Px{138, 63, 255}));
    for (int mode : {0, 1, 6, 10, -3}) {
        EditState other = StateWith(img);
        other.Macro.Start();
        ColourPassInPlace(other, 2, mode);
        EXPECT_EQ(other.WorkImage, img) << "mode " << mode;
        EXPECT_EQ(other.Macro.MacroCount, 0);  // the engine itself records nothing
    }
}

TEST(ColourMacro, MenuOperationsRecordTheirCodes) {
    EditState st = StateWith(RandomImage(20, 10, 3));
    int redraws = 0;
    st.RedrawView = [&] { ++redraws; };
    st.Macro.Start();
    FleshBalance(st);
    LandscapeBalance(st);
    ChannelShift(st, 4);
    ASSERT_EQ(st.Macro.MacroCount, 3);
    EXPECT_EQ(st.Macro.MacroActions[0], (MacroAction{15, 0, 0, 0}));
    EXPECT_EQ(st.Macro.MacroActions[1], (MacroAction{16, 0, 0, 0}));
    EXPECT_EQ(st.Macro.MacroActions[2], (MacroAction{12, 4, 0, 0}));
    EXPECT_EQ(redraws, 3);
    // Closed recorder: the default list stays.
    EditState closed = StateWith(RandomImage(20, 10, 3));
    FleshBalance(closed);
    EXPECT_EQ(closed.Macro.MacroCount, 2);
}

TEST(ColourFrame, ZoomSlotIsRestoredAndBusyIsBalanced) {
    EditState st = StateWith(RandomImage(8, 8, 1));
    st.ZoomIndex = 3;
    int busy = 0, zoomSeen = -1;
    st.Busy = [&](bool on) { busy += on ? 1 : -1; };
    st.Selection = nullptr;
    FnSelection sel([&](int, int) {
        zoomSeen = st.ZoomIndex;
        return true;
    });
    st.Selection = &sel;
    st.SelectionActive = 1;
    st.SelectionRect = {0, 0, 7, 7};
    ColourPassInPlace(st, 0, kModeLighten);
    EXPECT_EQ(zoomSeen, 7);  // the selection test runs at the 100 % slot
    EXPECT_EQ(st.ZoomIndex, 3);
    EXPECT_EQ(busy, 0);
}

// ---- selections ----

TEST(ColourSelection, ShiftsAndLightenStayInsideTheMask) {
    const Image img = RandomImage(30, 20, 7);
    FnSelection ring([](int x, int y) { return (x - 12) * (x - 12) + (y - 9) * (y - 9) <= 40; });
    const Rect rect{5, 2, 19, 16};
    for (int mode : {5, 7}) {
        EditState st = StateWith(img);
        st.SelectionActive = 1;
        st.SelectionRect = rect;
        st.Selection = &ring;
        ColourPassInPlace(st, 3, mode);
        RefResult ref = RefInPlace(img, 3, mode, true, rect, [&](int x, int y) { return ring.InSelection(x, y); },
                                   BalanceTargets{});
        EXPECT_EQ(st.WorkImage, ref.work) << "mode " << mode;
        EXPECT_EQ(st.SelectionActive, 1);  // these keep the selection
        // A pixel inside the mask changed, one outside it did not.
        EXPECT_NE(At(st.WorkImage, 12, 9), At(img, 12, 9));
        EXPECT_EQ(At(st.WorkImage, 5, 2), At(img, 5, 2));
        EXPECT_EQ(At(st.WorkImage, 25, 9), At(img, 25, 9));
    }
}

TEST(ColourSelection, RectangleWithoutMaskConfinesToTheClippedRectangle) {
    const Image img = RandomImage(30, 20, 8);
    EditState st = StateWith(img);
    st.SelectionActive = 1;
    st.SelectionRect = {-5, 10, 12, 40};
    ColourPassInPlace(st, 0, kModeLighten);
    RefResult ref = RefInPlace(img, 0, 5, true, st.SelectionRect, [](int, int) { return true; }, BalanceTargets{});
    EXPECT_EQ(st.WorkImage, ref.work);
    EXPECT_EQ(At(st.WorkImage, 13, 10), At(img, 13, 10));
    EXPECT_NE(At(st.WorkImage, 0, 19), At(img, 0, 19));
}

TEST(ColourSelection, BalanceMeasuresTheSelectionAndCorrectsEverything) {
    // Left half dark, right half bright; the selection samples the dark half only.
    Image img = Uniform(40, 20, 200, 200, 200);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) img.setPixel(x, y, 100, 100, 100);
    EditState st = StateWith(img);
    FnSelection none([](int, int) { return false; });  // the mask plays no part in a balance
    st.SelectionActive = 1;
    st.SelectionRect = {2, 2, 10, 10};
    st.Selection = &none;
    FleshBalance(st);
    EXPECT_EQ(st.SelectionActive, 0);
    // Means 100: dR 100, dG 60, dB 45; tone entries 94 (100) and 118 (200).
    ASSERT_EQ(ToneTable()[100], 94);
    EXPECT_EQ(At(st.WorkImage, 30, 15), (Px{200 + 100 * 114 / 256, 200 + 60 * 110 / 256, 200 + 45 * 118 / 256}));
    EXPECT_EQ(At(st.WorkImage, 0, 0), (Px{100 + 100 * 90 / 256, 100 + 60 * 86 / 256, 100 + 45 * 94 / 256}));
}

TEST(ColourSelection, EmptySampleRectangleLeavesThePhotoUnchanged) {
    const Image img = RandomImage(24, 16, 9);
    for (Rect outside : {Rect{30, 0, 40, 10}, Rect{-20, -20, -1, -1}, Rect{5, 20, 9, 30}, Rect{10, 5, 4, 9}}) {
        EditState st = StateWith(img);
        st.SelectionActive = 1;
        st.SelectionRect = outside;
        st.Macro.Start();
        FleshBalance(st);
        EXPECT_EQ(st.WorkImage, img);
        EXPECT_EQ(st.SelectionActive, 0);
        EXPECT_EQ(st.Macro.MacroActions[0], (MacroAction{15, 0, 0, 0}));
    }
    // A photo without pixels has no centre to measure either.
    EditState empty;
    empty.WorkImage = Image(0, 0);
    EXPECT_NO_THROW(FleshBalance(empty));
    EXPECT_NO_THROW(LandscapeBalance(empty));
    EXPECT_NO_THROW(ChannelShift(empty, 1));
    EXPECT_NO_THROW(ColourPassInPlace(empty, 0, kModeLighten));
    EXPECT_EQ(empty.WorkImage.width(), 0);
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
                EditState st = StateWith(img);
                st.Targets = targets;
                ColourPassInPlace(st, kind, mode);
                RefResult ref = RefInPlace(img, kind, mode, false, {}, {}, targets);
                ASSERT_EQ(st.WorkImage, ref.work) << s[0] << "x" << s[1] << " mode " << mode << " kind " << kind;
            }
        }
}

TEST(ColourReference, TargetsOutsideTheDialogRange) {
    // Steps too large for the byte-packed table take the wide path; the result is the same formula.
    const BalanceTargets targets{Rgb{400, -60, 300}, Rgb{255, 0, 1000}};
    for (uint32_t seed = 1; seed <= 4; ++seed)
        for (int mode : {8, 9}) {
            const Image img = RandomImage(45, 31, seed);
            EditState st = StateWith(img);
            st.Targets = targets;
            ColourPassInPlace(st, 0, mode);
            RefResult ref = RefInPlace(img, 0, mode, false, {}, {}, targets);
            ASSERT_EQ(st.WorkImage, ref.work) << "mode " << mode;
            Image dst;
            ColourPass(img, dst, mode, targets);
            ASSERT_EQ(dst, ref.work);
        }
}

TEST(ColourReference, BalanceWithSelectionOnRandomImages) {
    FnSelection half([](int x, int y) { return (x + y) % 3 != 0; });
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const Image img = RandomImage(37, 29, seed);
        std::mt19937 rng(seed);
        Rect r{static_cast<int>(rng() % 50) - 10, static_cast<int>(rng() % 40) - 10, 0, 0};
        r.Right = r.Left + static_cast<int>(rng() % 30);
        r.Bottom = r.Top + static_cast<int>(rng() % 30);
        for (int mode : {5, 7, 8, 9}) {
            EditState st = StateWith(img);
            st.SelectionActive = 1;
            st.SelectionRect = r;
            st.Selection = &half;
            ColourPassInPlace(st, static_cast<int>(seed % 6) + 1, mode);
            RefResult ref = RefInPlace(img, static_cast<int>(seed % 6) + 1, mode, true, r,
                                       [&](int x, int y) { return half.InSelection(x, y); }, BalanceTargets{});
            ASSERT_EQ(st.WorkImage, ref.work) << "seed " << seed << " mode " << mode;
            EXPECT_EQ(st.SelectionActive == 0, ref.selectionDropped);
        }
    }
}

TEST(ColourReference, ColourPassIntoAnotherImage) {
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        const Image img = RandomImage(50 + static_cast<int>(seed), 33, seed);
        for (int mode : {8, 9}) {
            Image dst;
            ColourPass(img, dst, mode, BalanceTargets{});
            RefResult ref = RefInPlace(img, 0, mode, false, {}, {}, BalanceTargets{});
            ASSERT_EQ(dst, ref.work);
            Image same = img;
            ColourPass(same, same, mode, BalanceTargets{});  // reading and writing one image
            ASSERT_EQ(same, ref.work);
        }
    }
}

TEST(ColourThreads, SameResultForAnyThreadCount) {
    const Image img = RandomImage(331, 517, 42);
    Image results[3];
    const int counts[3] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
        SetThreadCount(counts[i]);
        EditState st = StateWith(img);
        FleshBalance(st);
        ChannelShift(st, 2);
        ColourPassInPlace(st, 0, kModeLighten);
        LandscapeBalance(st);
        results[i] = st.WorkImage;
    }
    SetThreadCount(0);
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0], results[2]);
}
