// The kernel register, the 3x3 filter against a plainly written one, and the filter commands.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/core/EditState.h"
#include "image/Parallel.h"
#include "imaging/Filters.h"

using namespace lum;

namespace {

using Weights = std::array<std::array<int32_t, 3>, 3>;

Image Random(int w, int h, uint32_t seed) {
    Image img(w, h);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, byte(rng), byte(rng), byte(rng));
    return img;
}

void Load(EditState& st, const Image& img) {
    st.MemoryImage = img;
    st.CommitMemoryImage(1 << 20, 1 << 20);
}

// A free-shape selection: any predicate over image pixels.
struct PredicateSelection : SelectionTest {
    std::function<bool(int, int)> inside;
    bool InSelection(int x, int y) const override { return inside(x, y); }
};

// The filter exactly as described, one pixel and one tap at a time.
Image ReferenceFilter(const Image& src, const KernelRegister& k, bool grey, const Rect* rect,
                      const SelectionTest* sel) {
    Image out = src;
    const int W = src.width(), H = src.height();
    const int32_t d = k.divisor == 0 ? 1 : k.divisor;
    Rect r{0, 0, W - 1, H - 1};
    if (rect) r = {std::max(rect->Left, 0), std::max(rect->Top, 0), std::min(rect->Right, W - 1),
                   std::min(rect->Bottom, H - 1)};
    for (int y = r.Top; y <= r.Bottom; ++y)
        for (int x = r.Left; x <= r.Right; ++x) {
            if (sel && !sel->InSelection(x, y)) continue;
            int32_t s[3] = {0, 0, 0};
            for (int i = -1; i <= 1; ++i)
                for (int j = -1; j <= 1; ++j) {
                    int nx = x + j, ny = y + i;
                    if (nx < 0 || nx >= W || ny < 0 || ny >= H) nx = x, ny = y;
                    for (int c = 0; c < 3; ++c) s[c] += k.weights[i + 1][j + 1] * src.pixel(nx, ny)[c];
                }
            for (int c = 0; c < 3; ++c) s[c] /= d;
            if (grey) s[0] = s[1] = s[2] = (s[0] + s[1] + s[2]) / 3;
            for (int c = 0; c < 3; ++c) out.pixel(x, y)[c] = static_cast<uint8_t>(s[c] < 0 ? 0 : s[c] > 255 ? 255 : s[c]);
        }
    return out;
}

const Weights kSoftA{{{1, 2, 1}, {2, 20, 2}, {1, 2, 1}}};
const Weights kSoftB{{{2, 1, 2}, {1, 20, 1}, {2, 1, 2}}};
const Weights kSharpA{{{-1, -2, -1}, {-2, 28, -2}, {-1, -2, -1}}};
const Weights kSharpB{{{-2, -1, -2}, {-1, 28, -1}, {-2, -1, -2}}};
const Weights kPlus{{{0, -1, 0}, {-1, 6, -1}, {0, -1, 0}}};

}  // namespace

TEST(KernelRegisterTest, KindsLoadTheTableAndAlternateVariants) {
    EditState st;
    SetKernel(st, 2);  // counter 1: odd
    EXPECT_EQ(st.Kernel.weights, kSoftB);
    EXPECT_EQ(st.Kernel.divisor, 32);
    SetKernel(st, 2);  // counter 2: even
    EXPECT_EQ(st.Kernel.weights, kSoftA);
    SetKernel(st, 4);
    EXPECT_EQ(st.Kernel.weights, kSharpB);
    EXPECT_EQ(st.Kernel.divisor, 16);
    SetKernel(st, 4);
    EXPECT_EQ(st.Kernel.weights, kSharpA);
    SetKernel(st, 5);
    EXPECT_EQ(st.Kernel.weights, kPlus);
    EXPECT_EQ(st.Kernel.divisor, 2);
    EXPECT_EQ(st.Kernel.counter2, 2);
    EXPECT_EQ(st.Kernel.counter4, 2);

    // Any other kind leaves register and counters alone.
    for (int kind : {0, 1, 3, 6, -4, 100}) {
        SetKernel(st, kind);
        EXPECT_EQ(st.Kernel.weights, kPlus);
        EXPECT_EQ(st.Kernel.divisor, 2);
        EXPECT_EQ(st.Kernel.counter2, 2);
        EXPECT_EQ(st.Kernel.counter4, 2);
    }
    // The table kernels all sum to their divisors.
    for (const Weights* w : {&kSoftA, &kSoftB, &kSharpA, &kSharpB, &kPlus}) {
        int sum = 0;
        for (auto& row : *w)
            for (int v : row) sum += v;
        EXPECT_TRUE(sum == 32 || sum == 16 || sum == 2);
    }
}

TEST(KernelRegisterTest, StartUpHoldsSharpenVariantBWithCountersAtZero) {
    EditState st;
    st.Kernel.counter2 = 7;
    st.Kernel.counter4 = 4;
    InitKernelRegister(st);
    EXPECT_EQ(st.Kernel.weights, kSharpB);  // from the counter going 4 -> 5
    EXPECT_EQ(st.Kernel.divisor, 16);
    EXPECT_EQ(st.Kernel.counter2, 0);
    EXPECT_EQ(st.Kernel.counter4, 0);
    InitKernelRegister(st);
    EXPECT_EQ(st.Kernel.weights, kSharpB);
}

TEST(KernelFilterTest, MatchesPlainFilterOnRandomImages) {
    std::mt19937 rng(7);
    const std::vector<std::pair<int, int>> sizes{{1, 1}, {1, 5}, {6, 1}, {2, 2}, {3, 3}, {17, 9}, {64, 33}, {129, 70}};
    for (auto [w, h] : sizes) {
        for (const Weights* kern : {&kSoftA, &kSoftB, &kSharpA, &kSharpB, &kPlus}) {
            for (bool grey : {false, true}) {
                EditState st;
                Image img = Random(w, h, rng());
                Load(st, img);
                st.Kernel.weights = *kern;
                st.Kernel.divisor = (*kern == kPlus) ? 2 : ((*kern == kSoftA || *kern == kSoftB) ? 32 : 16);
                Image want = ReferenceFilter(img, st.Kernel, grey, nullptr, nullptr);
                KernelFilter(st, grey);
                ASSERT_EQ(st.WorkImage, want) << w << "x" << h << " grey " << grey;
                EXPECT_EQ(st.SourceImage, img);
            }
        }
    }
}

TEST(KernelFilterTest, AnyRegisterContentsMatchThePlainFilter) {
    // Large weights leave the 16-bit fast path; odd and negative divisors leave the shift paths.
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> small(-9, 30), large(-3000, 3000);
    for (int divisor : {1, 3, 7, -5, 16, 32, 2, 1000}) {
        for (bool big : {false, true}) {
            EditState st;
            Image img = Random(37, 23, rng());
            Load(st, img);
            for (auto& row : st.Kernel.weights)
                for (auto& v : row) v = big ? large(rng) : small(rng);
            st.Kernel.divisor = divisor;
            for (bool grey : {false, true}) {
                st.WorkImage = img;
                Image want = ReferenceFilter(img, st.Kernel, grey, nullptr, nullptr);
                KernelFilter(st, grey);
                ASSERT_EQ(st.WorkImage, want) << "divisor " << divisor << " big " << big << " grey " << grey;
            }
        }
    }
}

TEST(KernelFilterTest, ZeroDivisorBecomesOneAndStays) {
    EditState st;
    Image img = Random(9, 8, 3);
    Load(st, img);
    st.Kernel.weights = {{{0, 0, 0}, {0, 1, 0}, {0, 0, 0}}};
    st.Kernel.divisor = 0;
    KernelFilter(st, false);
    EXPECT_EQ(st.Kernel.divisor, 1);
    EXPECT_EQ(st.WorkImage, img);  // identity kernel
}

TEST(KernelFilterTest, UniformImageUnchangedByEveryKernelBorderIncluded) {
    for (int kind : {2, 4, 5}) {
        for (int round = 0; round < 2; ++round) {  // both variants
            EditState st;
            Image img(13, 7);
            img.fill(90, 140, 200);
            Load(st, img);
            st.Kernel.counter2 = st.Kernel.counter4 = round;
            SetKernel(st, kind);
            KernelFilter(st, false);
            EXPECT_EQ(st.WorkImage, img) << "kind " << kind;
        }
    }
}

TEST(KernelFilterTest, SharpenAtAStepClampsBothSides) {
    EditState st;
    Image img(8, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x) {
            const uint8_t v = x < 4 ? 0 : 255;
            img.setPixel(x, y, v, v, v);
        }
    Load(st, img);
    st.Kernel.counter4 = 1;
    SetKernel(st, 4);  // variant a
    ASSERT_EQ(st.Kernel.weights, kSharpA);
    KernelFilter(st, false);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(st.WorkImage.pixel(3, y)[1], 0);    // negative sum on the dark side
        EXPECT_EQ(st.WorkImage.pixel(4, y)[1], 255);  // above 255 x 16 on the bright side
        EXPECT_EQ(st.WorkImage.pixel(1, y)[1], 0);
        EXPECT_EQ(st.WorkImage.pixel(6, y)[1], 255);
    }
}

TEST(KernelFilterTest, BorderNeighboursOutsideReadTheCentrePixel) {
    // A bright centre in the corner with dark neighbours: the missing neighbours count as the
    // centre itself, not as the nearest edge pixel.
    EditState st;
    Image img(3, 3);
    img.fill(0, 0, 0);
    img.setPixel(0, 0, 160, 160, 160);
    Load(st, img);
    st.Kernel.weights = {{{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}};
    st.Kernel.divisor = 9;
    KernelFilter(st, false);
    // Corner (0,0): five outside neighbours plus itself read 160, three inside read 0.
    EXPECT_EQ(st.WorkImage.pixel(0, 0)[0], 6 * 160 / 9);
    // Edge (1,0): three outside read its own 0, (0,0) is inside and reads 160.
    EXPECT_EQ(st.WorkImage.pixel(1, 0)[0], 160 / 9);
    EXPECT_EQ(st.WorkImage.pixel(1, 1)[0], 160 / 9);
    EXPECT_EQ(st.WorkImage.pixel(2, 2)[0], 0);
}

TEST(KernelFilterTest, RectangleAndMaskConfineTheOutput) {
    std::mt19937 rng(5);
    Image img = Random(40, 30, 99);
    PredicateSelection ellipse;
    ellipse.inside = [](int x, int y) { return (x - 20) * (x - 20) + 2 * (y - 14) * (y - 14) < 150; };
    PredicateSelection none;
    none.inside = [](int, int) { return false; };
    const std::vector<Rect> rects{{5, 3, 33, 25}, {-10, -4, 12, 100}, {0, 0, 39, 29}, {38, 28, 60, 60}, {50, 50, 60, 60}};
    for (const Rect& rect : rects) {
        for (const SelectionTest* sel : {static_cast<const SelectionTest*>(nullptr),
                                         static_cast<const SelectionTest*>(&ellipse),
                                         static_cast<const SelectionTest*>(&none)}) {
            for (bool grey : {false, true}) {
                EditState st;
                Load(st, img);
                SetKernel(st, 4);
                st.SelectionActive = 1;
                st.SelectionRect = rect;
                st.Selection = sel;
                Image want = ReferenceFilter(img, st.Kernel, grey, &rect, sel);
                KernelFilter(st, grey);
                ASSERT_EQ(st.WorkImage, want) << rect.Left << "," << rect.Top << " grey " << grey;
            }
        }
    }
    // Without an active selection the rectangle is ignored.
    EditState st;
    Load(st, img);
    SetKernel(st, 2);
    st.SelectionActive = 0;
    st.SelectionRect = {5, 5, 6, 6};
    st.Selection = &none;
    Image want = ReferenceFilter(img, st.Kernel, false, nullptr, nullptr);
    KernelFilter(st, false);
    EXPECT_EQ(st.WorkImage, want);
}

TEST(KernelFilterTest, MaskedPixelsReadNeighboursOutsideTheMask) {
    // Only one pixel is selected; its filtered value uses the unselected neighbours.
    EditState st;
    Image img(5, 5);
    img.fill(0, 0, 0);
    img.setPixel(1, 2, 200, 200, 200);
    Load(st, img);
    PredicateSelection one;
    one.inside = [](int x, int y) { return x == 2 && y == 2; };
    st.SelectionActive = 1;
    st.SelectionRect = {0, 0, 4, 4};
    st.Selection = &one;
    st.Kernel.weights = {{{0, 0, 0}, {1, 1, 0}, {0, 0, 0}}};
    st.Kernel.divisor = 2;
    KernelFilter(st, false);
    EXPECT_EQ(st.WorkImage.pixel(2, 2)[2], 100);
    EXPECT_EQ(st.WorkImage.pixel(1, 2)[2], 200);  // outside the mask: untouched
    EXPECT_EQ(st.WorkImage.pixel(0, 2)[2], 0);
}

TEST(KernelFilterTest, SameResultWithOneOrManyThreads) {
    const Image img = Random(301, 257, 21);
    for (bool grey : {false, true}) {
        std::vector<Image> results;
        for (int threads : {1, 2, 7}) {
            SetThreadCount(threads);
            EditState st;
            Load(st, img);
            SetKernel(st, 4);
            KernelFilter(st, grey);
            results.push_back(st.WorkImage);
        }
        SetThreadCount(0);
        EXPECT_EQ(results[0], results[1]);
        EXPECT_EQ(results[0], results[2]);
    }
}

TEST(KernelFilterTest, ForcesFullZoomWhileRunningAndRedrawsAfter) {
    EditState st;
    Load(st, Random(10, 10, 1));
    st.ZoomIndex = 3;
    int redraws = 0, busyOn = 0, busyOff = 0;
    st.RedrawView = [&] { ++redraws; };
    st.Busy = [&](bool on) { on ? ++busyOn : ++busyOff; };
    PredicateSelection probe;
    int zoomSeen = -1;
    probe.inside = [&](int, int) {
        zoomSeen = st.ZoomIndex;
        return true;
    };
    st.SelectionActive = 1;
    st.SelectionRect = {0, 0, 9, 9};
    st.Selection = &probe;
    KernelFilter(st, false);
    EXPECT_EQ(zoomSeen, 7);
    EXPECT_EQ(st.ZoomIndex, 3);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(busyOn, 1);
    EXPECT_EQ(busyOff, 1);
}

TEST(FilterCommandsTest, GreyScaleAfterStartUpSharpensWithVariantB) {
    EditState st;
    InitKernelRegister(st);
    Image img = Random(23, 19, 4);
    Load(st, img);
    KernelRegister b;
    b.weights = kSharpB;
    b.divisor = 16;
    Image want = ReferenceFilter(img, b, true, nullptr, nullptr);
    st.Macro.Start();
    NivGris(st);
    EXPECT_EQ(st.WorkImage, want);
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 23; ++x) {
            const uint8_t* p = st.WorkImage.pixel(x, y);
            ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]);
        }
    EXPECT_EQ(st.Macro.MacroCount, 1);
    EXPECT_EQ(st.Macro.MacroActions[0], (MacroAction{2, 0, 0, 0}));
    // Grey scale does not touch the register.
    EXPECT_EQ(st.Kernel.weights, kSharpB);
    EXPECT_EQ(st.Kernel.counter4, 0);
}

TEST(FilterCommandsTest, EachCommandUsesItsKernelAndRecordsItsCode) {
    struct Case {
        void (*run)(EditState&);
        int code;
        const Weights* kernel;
        int32_t divisor;
    };
    // Counters start at 0 after start-up, so the first sharpen and soften take variant b.
    const Case cases[] = {{Sharpen, 6, &kSharpB, 16}, {SharpenPlus, 5, &kPlus, 2}, {Soften, 7, &kSoftB, 32}};
    Image img = Random(31, 17, 8);
    for (const Case& c : cases) {
        EditState st;
        InitKernelRegister(st);
        Load(st, img);
        st.Macro.Start();
        KernelRegister k;
        k.weights = *c.kernel;
        k.divisor = c.divisor;
        Image want = ReferenceFilter(img, k, false, nullptr, nullptr);
        c.run(st);
        EXPECT_EQ(st.WorkImage, want) << c.code;
        EXPECT_EQ(st.SourceImage, img);
        ASSERT_EQ(st.Macro.MacroCount, 1);
        EXPECT_EQ(st.Macro.MacroActions[0], (MacroAction{c.code, 0, 0, 0}));
    }
    // Repeated sharpen alternates variants b, a, b.
    EditState st;
    InitKernelRegister(st);
    Load(st, img);
    Sharpen(st);
    EXPECT_EQ(st.Kernel.weights, kSharpB);
    Sharpen(st);
    EXPECT_EQ(st.Kernel.weights, kSharpA);
    Sharpen(st);
    EXPECT_EQ(st.Kernel.weights, kSharpB);
    EXPECT_EQ(st.Macro.MacroCount, 2);  // closed recorder (the default list) records nothing
}

TEST(FilterCommandsTest, LightenIsAQuarterTowardsWhiteAndRecordsFour) {
    EditState st;
    Image img(3, 1);
    img.setPixel(0, 0, 0, 255, 100);
    img.setPixel(1, 0, 10, 20, 30);
    img.setPixel(2, 0, 254, 1, 128);
    Load(st, img);
    st.FloatActive = true;
    st.Macro.Start();
    Lighten(st);
    EXPECT_FALSE(st.FloatActive);
    const uint8_t* p = st.WorkImage.pixel(0, 0);
    EXPECT_EQ(p[2], 63);   // red 0
    EXPECT_EQ(p[1], 255);  // green 255
    EXPECT_EQ(p[0], 138);  // blue 100
    p = st.WorkImage.pixel(1, 0);
    EXPECT_EQ(p[2], (3 * 10 + 255) / 4);
    EXPECT_EQ(p[1], (3 * 20 + 255) / 4);
    EXPECT_EQ(p[0], (3 * 30 + 255) / 4);
    ASSERT_EQ(st.Macro.MacroCount, 1);
    EXPECT_EQ(st.Macro.MacroActions[0].code, 4);
}
