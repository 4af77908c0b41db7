// SPDX-License-Identifier: GPL-3.0-or-later
// The kernel register and the 3x3 filter against a plainly written one.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "../image/ImageTestSupport.h"
#include "ConfinementTestSupport.h"
#include "image/Parallel.h"
#include "imaging/Filters.h"

using namespace lum;
using imagetest::RandomImage;

namespace {

using Weights = std::array<std::array<int32_t, 3>, 3>;


// The filter under test on a copy of img.
Image Filter(const Image& img, const KernelRegister& k, bool grey, const Confinement& where = {}) {
    Image out = img;
    KernelFilter(img, out, k, grey, where);
    return out;
}

KernelRegister Register(const Weights& w, int32_t divisor) {
    KernelRegister k;
    k.weights = w;
    k.divisor = divisor;
    return k;
}

// The filter exactly as described, one pixel and one tap at a time.
Image ReferenceFilter(const Image& src, const KernelRegister& k, bool grey,
                      const std::function<bool(int, int)>& allowed = {}) {
    Image out = src;
    const int W = src.width(), H = src.height();
    const int32_t d = k.divisor == 0 ? 1 : k.divisor;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (allowed && !allowed(x, y)) continue;
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
    struct {
        KernelRegister Kernel;
    } st;
    SetKernel(st.Kernel, 2);  // counter 1: odd
    EXPECT_EQ(st.Kernel.weights, kSoftB);
    EXPECT_EQ(st.Kernel.divisor, 32);
    SetKernel(st.Kernel, 2);  // counter 2: even
    EXPECT_EQ(st.Kernel.weights, kSoftA);
    SetKernel(st.Kernel, 4);
    EXPECT_EQ(st.Kernel.weights, kSharpB);
    EXPECT_EQ(st.Kernel.divisor, 16);
    SetKernel(st.Kernel, 4);
    EXPECT_EQ(st.Kernel.weights, kSharpA);
    SetKernel(st.Kernel, 5);
    EXPECT_EQ(st.Kernel.weights, kPlus);
    EXPECT_EQ(st.Kernel.divisor, 2);
    EXPECT_EQ(st.Kernel.counter2, 2);
    EXPECT_EQ(st.Kernel.counter4, 2);

    // Any other kind leaves register and counters alone.
    for (int kind : {0, 1, 3, 6, -4, 100}) {
        SetKernel(st.Kernel, kind);
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
    const KernelRegister k = InitialKernelRegister();
    EXPECT_EQ(k.weights, kSharpB);  // from the counter going 0 -> 1
    EXPECT_EQ(k.divisor, 16);
    EXPECT_EQ(k.counter2, 0);
    EXPECT_EQ(k.counter4, 0);
}

TEST(KernelFilterTest, MatchesPlainFilterOnRandomImages) {
    std::mt19937 rng(7);
    const std::vector<std::pair<int, int>> sizes{{1, 1}, {1, 5}, {6, 1}, {2, 2}, {3, 3}, {17, 9}, {64, 33}, {129, 70}};
    for (auto [w, h] : sizes) {
        for (const Weights* kern : {&kSoftA, &kSoftB, &kSharpA, &kSharpB, &kPlus}) {
            for (bool grey : {false, true}) {
                const Image img = RandomImage(w, h, rng());
                const KernelRegister k =
                    Register(*kern, (*kern == kPlus) ? 2 : ((*kern == kSoftA || *kern == kSoftB) ? 32 : 16));
                ASSERT_EQ(Filter(img, k, grey), ReferenceFilter(img, k, grey)) << w << "x" << h << " grey " << grey;
                Image same = img;  // reading and writing one image
                KernelFilter(same, same, k, grey);
                ASSERT_EQ(same, ReferenceFilter(img, k, grey));
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
            const Image img = RandomImage(37, 23, rng());
            KernelRegister k;
            for (auto& row : k.weights)
                for (auto& v : row) v = big ? large(rng) : small(rng);
            k.divisor = divisor;
            for (bool grey : {false, true})
                ASSERT_EQ(Filter(img, k, grey), ReferenceFilter(img, k, grey))
                    << "divisor " << divisor << " big " << big << " grey " << grey;
        }
    }
}

TEST(KernelFilterTest, ZeroDivisorCountsAsOne) {
    const Image img = RandomImage(9, 8, 3);
    EXPECT_EQ(Filter(img, Register({{{0, 0, 0}, {0, 1, 0}, {0, 0, 0}}}, 0), false), img);  // identity kernel
}

TEST(KernelFilterTest, UniformImageUnchangedByEveryKernelBorderIncluded) {
    for (int kind : {2, 4, 5}) {
        for (int round = 0; round < 2; ++round) {  // both variants
            Image img(13, 7);
            img.fill(90, 140, 200);
            KernelRegister k;
            k.counter2 = k.counter4 = round;
            SetKernel(k, kind);
            EXPECT_EQ(Filter(img, k, false), img) << "kind " << kind;
        }
    }
}

TEST(KernelFilterTest, SharpenAtAStepClampsBothSides) {
    Image img(8, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x) {
            const uint8_t v = x < 4 ? 0 : 255;
            img.setPixel(x, y, v, v, v);
        }
    KernelRegister k;
    k.counter4 = 1;
    SetKernel(k, 4);  // variant a
    ASSERT_EQ(k.weights, kSharpA);
    const Image out = Filter(img, k, false);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(out.pixel(3, y)[1], 0);    // negative sum on the dark side
        EXPECT_EQ(out.pixel(4, y)[1], 255);  // above 255 x 16 on the bright side
        EXPECT_EQ(out.pixel(1, y)[1], 0);
        EXPECT_EQ(out.pixel(6, y)[1], 255);
    }
}

TEST(KernelFilterTest, BorderNeighboursOutsideReadTheCentrePixel) {
    // A bright centre in the corner with dark neighbours: the missing neighbours count as the
    // centre itself, not as the nearest edge pixel.
    Image img(3, 3);
    img.fill(0, 0, 0);
    img.setPixel(0, 0, 160, 160, 160);
    const Image out = Filter(img, Register({{{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}}, 9), false);
    // Corner (0,0): five outside neighbours plus itself read 160, three inside read 0.
    EXPECT_EQ(out.pixel(0, 0)[0], 6 * 160 / 9);
    // Edge (1,0): three outside read its own 0, (0,0) is inside and reads 160.
    EXPECT_EQ(out.pixel(1, 0)[0], 160 / 9);
    EXPECT_EQ(out.pixel(1, 1)[0], 160 / 9);
    EXPECT_EQ(out.pixel(2, 2)[0], 0);
}

TEST(KernelFilterTest, RectangleAndMaskConfineTheOutput) {
    const Image img = RandomImage(40, 30, 99);
    const std::function<bool(int, int)> ellipse = [](int x, int y) {
        return (x - 20) * (x - 20) + 2 * (y - 14) * (y - 14) < 150;
    };
    const std::function<bool(int, int)> all = [](int, int) { return true; };
    const std::vector<Rect> rects{{5, 3, 34, 26}, {-10, -4, 13, 101}, {0, 0, 40, 30}, {38, 28, 61, 61}, {50, 50, 61, 61}};
    KernelRegister k;
    SetKernel(k, 4);
    for (const Rect& rect : rects) {
        for (const auto* inside : {&all, &ellipse}) {
            const Mask mask = imagingtest::MaskOver(rect, *inside);
            for (bool grey : {false, true}) {
                const Image want = ReferenceFilter(img, k, grey, [&](int x, int y) {
                    return imagingtest::Confined(rect, *inside, x, y);
                });
                ASSERT_EQ(Filter(img, k, grey, Confinement(rect, mask)), want)
                    << rect.Left << "," << rect.Top << " grey " << grey;
            }
        }
    }
}

TEST(KernelFilterTest, MaskedPixelsReadNeighboursOutsideTheMask) {
    // Only one pixel is selected; its filtered value uses the unselected neighbours.
    Image img(5, 5);
    img.fill(0, 0, 0);
    img.setPixel(1, 2, 200, 200, 200);
    const Rect rect{0, 0, 5, 5};
    const Mask one = imagingtest::MaskOver(rect, [](int x, int y) { return x == 2 && y == 2; });
    const Image out = Filter(img, Register({{{0, 0, 0}, {1, 1, 0}, {0, 0, 0}}}, 2), false, Confinement(rect, one));
    EXPECT_EQ(out.pixel(2, 2)[2], 100);
    EXPECT_EQ(out.pixel(1, 2)[2], 200);  // outside the mask: untouched
    EXPECT_EQ(out.pixel(0, 2)[2], 0);
}

TEST(KernelFilterTest, SameResultWithOneOrManyThreads) {
    const Image img = RandomImage(301, 257, 21);
    KernelRegister k;
    SetKernel(k, 4);
    for (bool grey : {false, true}) {
        std::vector<Image> results;
        for (int threads : {1, 2, 7}) {
            SetThreadCount(threads);
            results.push_back(Filter(img, k, grey));
        }
        SetThreadCount(0);
        EXPECT_EQ(results[0], results[1]);
        EXPECT_EQ(results[0], results[2]);
    }
}

TEST(KernelFilterTest, OneImageInBandsAndSelectionsMatchesThePlainFilter) {
    // Tall enough for several bands of rows: each band overwrites rows that the band above
    // still reads, and a selection's edges fall inside and across bands.
    const Image img = RandomImage(53, 301, 5);
    const std::function<bool(int, int)> all = [](int, int) { return true; };
    const std::function<bool(int, int)> stripes = [](int x, int y) { return (x + 2 * y) % 5 != 0; };
    const std::vector<Rect> rects{{0, 0, 53, 301}, {-3, 37, 20, 200}, {7, -5, 60, 96}, {1, 150, 52, 151}, {0, 299, 53, 400}};
    KernelRegister k;
    SetKernel(k, 4);
    for (int threads : {1, 2, 3, 7}) {
        SetThreadCount(threads);
        Image whole = img;
        KernelFilter(whole, whole, k, false);
        ASSERT_EQ(whole, ReferenceFilter(img, k, false)) << threads << " threads";
        for (const Rect& rect : rects) {
            for (const auto* inside : {&all, &stripes}) {
                const Mask mask = imagingtest::MaskOver(rect, *inside);
                for (bool grey : {false, true}) {
                    Image same = img;
                    KernelFilter(same, same, k, grey, Confinement(rect, mask));
                    ASSERT_EQ(same, ReferenceFilter(img, k, grey, [&](int x, int y) {
                                  return imagingtest::Confined(rect, *inside, x, y);
                              })) << threads << " threads, rect top " << rect.Top << " grey " << grey;
                }
            }
        }
    }
    SetThreadCount(0);
}
