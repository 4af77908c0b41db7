// SPDX-License-Identifier: GPL-3.0-or-later
// The Gaussian kernel, the fast blur against a plainly written one, and the blur commands.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <vector>

#include "../image/ImageTestSupport.h"
#include "ConfinementTestSupport.h"
#include "image/Parallel.h"
#include "imaging/Filters.h"
#include "imaging/GaussBlur.h"

using namespace lum;
using imagetest::RandomImage;

namespace {


// Smooth content with a few hard edges: more sums land near whole numbers than with noise.
Image Photo(int w, int h, uint32_t seed) {
    Image img(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int v = (x * 7 + y * 3) % 256;
            if ((x / 5 + y / 7) % 3 == 0) v = 255;
            if (rng() % 50 == 0) v = 0;
            img.setPixel(x, y, v, 255 - v, (v * 3) % 256);
        }
    return img;
}


uint8_t ClampToByteRef(double x) {
    if (x < 0) return 0;
    if (x < 255) return static_cast<uint8_t>(x);
    return 255;
}

// One line of n + 1 pixels, one tap at a time, every output from the unblurred line.
void BlurLineRef(uint8_t* p, int n, const GaussKernel& k) {
    std::vector<uint8_t> work(3 * static_cast<size_t>(n + 1));
    for (int pos = 0; pos <= n; ++pos) {
        double b = 0, g = 0, r = 0;
        for (int m = -k.Size; m <= k.Size; ++m) {
            int at = pos - m;
            at = at < 0 ? 0 : (at > n ? n : at);
            const double w = k.at(m);
            b = b + w * p[3 * at];
            g = g + w * p[3 * at + 1];
            r = r + w * p[3 * at + 2];
        }
        work[3 * pos] = ClampToByteRef(b);
        work[3 * pos + 1] = ClampToByteRef(g);
        work[3 * pos + 2] = ClampToByteRef(r);
    }
    std::copy(work.begin(), work.end(), p);
}

// Rows, then every column gathered into a buffer, blurred and put back.
void GaussianBlurRef(Image& img, double radius) {
    GaussKernel k;
    MakeGaussianKernel(k, radius, 255, 1);
    const int W = img.width(), H = img.height();
    for (int y = 0; y < H; ++y) BlurLineRef(img.row(y), W - 1, k);
    std::vector<uint8_t> column(3 * static_cast<size_t>(H));
    for (int x = 0; x < W; ++x) {
        for (int y = 0; y < H; ++y)
            for (int c = 0; c < 3; ++c) column[3 * y + c] = img.pixel(x, y)[c];
        BlurLineRef(column.data(), H - 1, k);
        for (int y = 0; y < H; ++y)
            for (int c = 0; c < 3; ++c) img.pixel(x, y)[c] = column[3 * y + c];
    }
}

// Runs body once for every instruction-set level this machine has.
template <typename F>
void ForEachLevel(F body) {
    for (int level = 0; level <= gauss::BestLevel(); ++level) {
        gauss::ForceLevel(level);
        body(level);
    }
    gauss::ForceLevel(-1);
}


}  // namespace

TEST(GaussKernelTest, HalfWidthsOfTheDialogRadii) {
    const std::pair<double, int> cases[] = {{1, 2}, {4, 11}, {8, 24}, {24, 73}};
    for (auto [radius, size] : cases) {
        GaussKernel k;
        MakeGaussianKernel(k, radius, 255, 1);
        EXPECT_EQ(k.Size, size) << "radius " << radius;
    }
}

TEST(GaussKernelTest, UsedWeightsSumToOneAndAreSymmetric) {
    for (double radius : {0.5, 1.0, 2.5, 4.0, 8.0, 13.0, 24.0, 40.0}) {
        GaussKernel k;
        MakeGaussianKernel(k, radius, 255, 1);
        double sum = 0;
        for (int m = -k.Size; m <= k.Size; ++m) sum += k.at(m);
        EXPECT_NEAR(sum, 1.0, 2e-6) << radius;
        for (int m = 1; m <= k.Size; ++m) {
            EXPECT_EQ(k.at(m), k.at(-m));
            EXPECT_LT(k.at(m), k.at(m - 1));
        }
        // The dropped tails weigh at least half a grey level, the kept ones are not all dropped.
        EXPECT_GE(k.Size, 1);
    }
    GaussKernel k;
    MakeGaussianKernel(k, 1, 255, 1);
    // exp(0), exp(-1/2), exp(-2) normalised over five taps.
    const double s = 1 + 2 * std::exp(-0.5) + 2 * std::exp(-2.0);
    EXPECT_NEAR(k.at(0), 1 / s, 1e-6);
    EXPECT_NEAR(k.at(1), std::exp(-0.5) / s, 1e-6);
    EXPECT_NEAR(k.at(2), std::exp(-2.0) / s, 1e-6);
}

TEST(GaussKernelTest, CoarserGranularityCutsMoreTail) {
    GaussKernel fine, coarse;
    MakeGaussianKernel(fine, 8, 255, 1);
    MakeGaussianKernel(coarse, 8, 255, 16);
    EXPECT_LT(coarse.Size, fine.Size);
}

TEST(GaussBlurTest, BlurLineMatchesPlainLine) {
    std::mt19937 rng(3);
    for (double radius : {0.4, 1.0, 3.0, 4.0, 8.0, 24.0}) {
        GaussKernel k;
        MakeGaussianKernel(k, radius, 255, 1);
        for (int n : {0, 1, 2, 5, 22, 23, 64, 300}) {
            Image line = RandomImage(n + 1, 1, rng());
            std::vector<uint8_t> want(line.row(0), line.row(0) + 3 * (n + 1));
            BlurLineRef(want.data(), n, k);
            ForEachLevel([&](int level) {
                std::vector<uint8_t> got(line.row(0), line.row(0) + 3 * (n + 1));
                std::vector<uint8_t> work(3 * (n + 1));
                BlurLine(got.data(), n, k, work.data());
                ASSERT_EQ(got, want) << "radius " << radius << " n " << n << " level " << level;
            });
        }
    }
}

TEST(GaussBlurTest, MatchesPlainBlurOnRandomImages) {
    std::mt19937 rng(17);
    const std::vector<std::pair<int, int>> sizes{{1, 1}, {1, 40}, {37, 1}, {2, 3}, {23, 29}, {70, 45}, {131, 97}};
    for (double radius : {1.0, 4.0, 8.0, 24.0, 2.5, 0.3, 60.0}) {
        for (auto [w, h] : sizes) {
            for (bool smooth : {false, true}) {
                const Image img = smooth ? Photo(w, h, rng()) : RandomImage(w, h, rng());
                Image want = img;
                GaussianBlurRef(want, radius);
                ForEachLevel([&](int level) {
                    Image got = img;
                    GaussianBlur(got, radius);
                    ASSERT_EQ(got, want) << w << "x" << h << " radius " << radius << " level " << level;
                });
            }
        }
    }
}

TEST(GaussBlurTest, WideImageAcrossManyStripsMatchesPlainBlur) {
    const Image img = Photo(1283, 61, 5);  // the last strip of columns is a partial one
    Image want = img;
    GaussianBlurRef(want, 4);
    ForEachLevel([&](int level) {
        Image got = img;
        GaussianBlur(got, 4);
        ASSERT_EQ(got, want) << "level " << level;
    });
}

TEST(GaussBlurTest, SameResultWithOneOrManyThreads) {
    const Image img = Photo(517, 389, 9);
    std::vector<Image> results;
    for (int threads : {1, 2, 5}) {
        SetThreadCount(threads);
        Image got = img;
        GaussianBlur(got, 8);
        results.push_back(got);
    }
    SetThreadCount(0);
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0], results[2]);
}

TEST(GaussBlurTest, UniformImageStaysUniformLosingAtMostALevelPerPass) {
    for (double radius : {1.0, 4.0, 8.0, 24.0}) {
        GaussKernel k;
        MakeGaussianKernel(k, radius, 255, 1);
        auto pass = [&](int v) {
            double s = 0;
            for (int m = -k.Size; m <= k.Size; ++m) s = s + static_cast<double>(k.at(m)) * v;
            return ClampToByteRef(s);
        };
        for (uint8_t v : {uint8_t(0), uint8_t(1), uint8_t(128), uint8_t(200), uint8_t(255)}) {
            Image img(40, 30);
            img.fill(v, v, v);
            GaussianBlur(img, radius);
            const uint8_t got = img.pixel(0, 0)[0];
            EXPECT_EQ(got, pass(pass(v))) << int(v);
            EXPECT_TRUE(got <= v && got + 2 >= v) << int(v) << " -> " << int(got);
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x)
                    for (int c = 0; c < 3; ++c) ASSERT_EQ(img.pixel(x, y)[c], got);
        }
    }
}

TEST(GaussBlurTest, SingleWhitePixelSpreadsSymmetricallyAndTruncates) {
    Image img(31, 31);
    img.fill(0, 0, 0);
    img.setPixel(15, 15, 255, 255, 255);
    GaussianBlur(img, 2);
    GaussKernel k;
    MakeGaussianKernel(k, 2, 255, 1);
    for (int d = 0; d <= 15; ++d) {
        EXPECT_EQ(img.pixel(15 - d, 15)[0], img.pixel(15 + d, 15)[0]);
        EXPECT_EQ(img.pixel(15, 15 - d)[0], img.pixel(15, 15 + d)[0]);
        EXPECT_EQ(img.pixel(15 - d, 15)[0], img.pixel(15, 15 - d)[0]);
    }
    // The centre: truncate(255 x w0), then truncate(that x w0).
    const int row = static_cast<int>(255 * static_cast<double>(k.at(0)));
    EXPECT_EQ(img.pixel(15, 15)[1], static_cast<int>(row * static_cast<double>(k.at(0))));
    EXPECT_EQ(img.pixel(0, 0)[2], 0);
}

TEST(GaussBlurTest, OneRowOrColumnIsTheWeightSumTimesThePixel) {
    // The other pass sees one-pixel lines: value x (sum of weights), truncated.
    GaussKernel k;
    MakeGaussianKernel(k, 4, 255, 1);
    double sum = 0;
    for (int m = -k.Size; m <= k.Size; ++m) sum += k.at(m);
    Image px(1, 1);
    px.setPixel(0, 0, 255, 100, 7);
    GaussianBlur(px, 4);
    EXPECT_EQ(px.pixel(0, 0)[2], ClampToByteRef(ClampToByteRef(255 * sum) * sum));
    EXPECT_EQ(px.pixel(0, 0)[1], ClampToByteRef(ClampToByteRef(100 * sum) * sum));
}

TEST(GaussBlurTest, RejectsRadiiWithoutAKernel) {
    Image img = RandomImage(5, 5, 1);
    const Image before = img;
    for (double bad : {0.0, -1.0, std::nan(""), double(INFINITY)}) EXPECT_THROW(GaussianBlur(img, bad), std::invalid_argument);
    EXPECT_EQ(img, before);
    GaussKernel k;
    EXPECT_THROW(MakeGaussianKernel(k, 0, 255, 1), std::invalid_argument);
    Image empty;
    EXPECT_NO_THROW(GaussianBlur(empty, 4));
}

TEST(AutoSmoothTest, HalfBlurThenSoftenSharpenSoftenSharpen) {
    const Image img = Photo(90, 70, 12);
    KernelRegister k = InitialKernelRegister();
    Image out = img;
    AutoSmooth(img, out, k);

    // The same steps written out: blur, blend, then b, b, a, a variants.
    Image blurred = img;
    GaussianBlurRef(blurred, 4);
    Image cur = img;
    for (int y = 0; y < img.height(); ++y)
        for (int b = 0; b < 3 * img.width(); ++b) cur.row(y)[b] = static_cast<uint8_t>((img.row(y)[b] + blurred.row(y)[b]) / 2);
    const std::array<std::array<int32_t, 3>, 3> kernels[4] = {
        {{{2, 1, 2}, {1, 20, 1}, {2, 1, 2}}},
        {{{-2, -1, -2}, {-1, 28, -1}, {-2, -1, -2}}},
        {{{1, 2, 1}, {2, 20, 2}, {1, 2, 1}}},
        {{{-1, -2, -1}, {-2, 28, -2}, {-1, -2, -1}}}};
    const int divisors[4] = {32, 16, 32, 16};
    Image before;
    for (int pass = 0; pass < 4; ++pass) {
        before = cur;
        const int W = cur.width(), H = cur.height();
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                for (int c = 0; c < 3; ++c) {
                    int s = 0;
                    for (int i = -1; i <= 1; ++i)
                        for (int j = -1; j <= 1; ++j) {
                            int nx = x + j, ny = y + i;
                            if (nx < 0 || nx >= W || ny < 0 || ny >= H) nx = x, ny = y;
                            s += kernels[pass][i + 1][j + 1] * before.pixel(nx, ny)[c];
                        }
                    s /= divisors[pass];
                    cur.pixel(x, y)[c] = static_cast<uint8_t>(s < 0 ? 0 : s > 255 ? 255 : s);
                }
    }
    EXPECT_EQ(out, cur);
    EXPECT_EQ(k.counter2, 2);
    EXPECT_EQ(k.counter4, 2);
    EXPECT_EQ(k.weights, kernels[3]);

    // A second run starts from counters 2: variants b, b, a, a again; in place as well.
    AutoSmooth(out, out, k);
    EXPECT_EQ(k.counter2, 4);
    EXPECT_EQ(k.weights, kernels[3]);
    Image again = cur;
    KernelRegister k2 = k;
    k2.counter2 = k2.counter4 = 2;
    AutoSmooth(cur, again, k2);
    EXPECT_EQ(out, again);
}

TEST(AutoSmoothTest, BlendCoversTheWholeImageKernelPassesOnlyTheSelection) {
    const Image img = Photo(40, 30, 3);
    KernelRegister k = InitialKernelRegister();
    const Rect rect{10, 8, 26, 21};
    const Mask mask(rect.width(), rect.height(), 1);
    Image out = img;
    AutoSmooth(img, out, k, Confinement(rect, mask));
    Image blurred = img;
    GaussianBlurRef(blurred, 4);
    int changedInside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x <= 25 && y >= 8 && y <= 20;
            for (int c = 0; c < 3; ++c) {
                const int half = (img.pixel(x, y)[c] + blurred.pixel(x, y)[c]) / 2;
                if (!inside) ASSERT_EQ(out.pixel(x, y)[c], half) << x << "," << y;
                else changedInside += out.pixel(x, y)[c] != half;
            }
        }
    EXPECT_GT(changedInside, 0);
}
