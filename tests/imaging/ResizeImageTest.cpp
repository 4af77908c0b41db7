// SPDX-License-Identifier: GPL-3.0-or-later
// Resizing: refusals, the documented cases and a plainly written resampling.
#include <gtest/gtest.h>

#include <algorithm>

#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "imaging/Refusal.h"
#include "GeometryTestSupport.h"

using namespace lum;
using geomtest::BlockValue;
using geomtest::FirstDifference;
using geomtest::QuarterCode;
using geomtest::RandomImage;

namespace {

Image ReferenceResize(const Image& img, int newWidth, int newHeight) {
    const int64_t W = img.width(), H = img.height();
    Image out(newWidth, newHeight);
    for (int y = 0; y < newHeight; ++y)
        for (int x = 0; x < newWidth; ++x) {
            const int64_t SY = (4 * y * H) / newHeight, SX = (4 * x * W) / newWidth;
            const int qy = static_cast<int>(SY % 4), qx = static_cast<int>(SX % 4);
            const int e = static_cast<int>(SY / 4), d = static_cast<int>(SX / 4);
            for (int ch = 0; ch < 3; ++ch) {
                int value = img.pixel(d, e)[ch];
                if (0 < d && d < W - 2 && 0 < e && e < H - 2) value = BlockValue(img, d, e, QuarterCode(qy, qx), ch);
                out.pixel(x, y)[ch] = static_cast<uint8_t>(std::clamp(value, 0, 255));
            }
        }
    return out;
}

}  // namespace

TEST(ResizeImage, MatchesReferenceOnRandomImages) {
    const std::vector<std::pair<int, int>> sources = {{1, 1}, {2, 3}, {3, 2}, {4, 4}, {9, 8}, {37, 26}, {100, 100}, {203, 151}};
    const std::vector<std::pair<int, int>> targets = {{8, 8}, {9, 13}, {16, 16}, {37, 26}, {50, 75}, {200, 200}, {411, 97}};
    uint32_t seed = 50;
    for (auto [w, h] : sources) {
        const Image img = RandomImage(w, h, seed++);
        for (auto [nw, nh] : targets) {
            const Image out = ResizeImage(img, nw, nh);
            const Image expect = ReferenceResize(img, nw, nh);
            ASSERT_TRUE(out == expect) << w << "x" << h << " to " << nw << "x" << nh << ": " << FirstDifference(out, expect);
        }
    }
}

TEST(ResizeImage, SameSizeAveragesInnerPixelsUpLeft) {
    const Image img = RandomImage(13, 10, 3);
    const Image out = ResizeImage(img, 13, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 13; ++x)
            for (int ch = 0; ch < 3; ++ch) {
                // First row and column and the last two rows and columns are copied.
                const bool inner = x > 0 && x < 11 && y > 0 && y < 8;
                const int expect = inner ? BlockValue(img, x, y, 1, ch) : img.pixel(x, y)[ch];
                ASSERT_EQ(out.pixel(x, y)[ch], expect) << "pixel (" << x << ", " << y << ")";
            }
}

TEST(ResizeImage, SameSizeAgreesWithRotationByZeroInside) {
    const Image img = RandomImage(16, 12, 8);
    const Image resized = ResizeImage(img, 16, 12);
    Image rotated;
    RotateByAngle(img, rotated, 0, true, BuildAngleTables());
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 14; ++x)
            for (int ch = 0; ch < 3; ++ch)
                ASSERT_EQ(resized.pixel(x, y)[ch], rotated.pixel(x, y)[ch]) << x << "," << y;
}

TEST(ResizeImage, DoublingReadsTheLastColumnTwice) {
    const Image img = RandomImage(100, 100, 9);
    const Image out = ResizeImage(img, 200, 200);
    for (int y : {0, 1, 100, 101, 199})
        for (int x : {198, 199})
            for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(out.pixel(x, y)[ch], img.pixel(99, y / 2)[ch]) << x << "," << y;
    // Quarter position 2 in both directions on an inner pixel: the pixel itself.
    for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(out.pixel(21, 41)[ch], img.pixel(10, 20)[ch]);
    // Quarter position 0 in both directions: the up-left block.
    for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(out.pixel(20, 40)[ch], BlockValue(img, 10, 20, 1, ch));
}

TEST(ResizeImage, RefusalsCarryTheirMessage) {
    struct Case {
        int w, h;
        const char* message;
    };
    const std::vector<Case> cases = {
        {5, 100, "Invalid new size: the width and the height must be at least 8 pixels."},
        {7, 8, "Invalid new size: the width and the height must be at least 8 pixels."},
        {8, 7, "Invalid new size: the width and the height must be at least 8 pixels."},
        {-20, 100, "Invalid new size: the width and the height must be at least 8 pixels."},
        {100, 2049, "Invalid new size: the height can be at most 2048 pixels."},
        {5, 2049, "Invalid new size: the height can be at most 2048 pixels."},  // the height limit is checked first
    };
    const Image img = RandomImage(12, 9, 13);
    for (const Case& c : cases) {
        try {
            ResizeImage(img, c.w, c.h);
            ADD_FAILURE() << c.w << "x" << c.h << " accepted";
        } catch (const Refusal& r) {
            EXPECT_STREQ(r.what(), c.message) << c.w << "x" << c.h;
        }
    }
    // Nothing to sample: refused without a message.
    try {
        ResizeImage(Image(), 10, 10);
        ADD_FAILURE() << "empty image resized";
    } catch (const Refusal& r) {
        EXPECT_STREQ(r.what(), "");
    }
}

TEST(ResizeImage, LimitsThemselvesPass) {
    const Image img = RandomImage(10, 10, 15);
    EXPECT_EQ(ResizeImage(img, 8, 2048).height(), 2048);
    EXPECT_EQ(ResizeImage(img, 8, 8).width(), 8);
}

TEST(ResizeImage, WideImagesDoNotOverflowThePositions) {
    // 4 x 29999 x 20000 is beyond 32 bits.
    const Image img = RandomImage(20000, 8, 17);
    const Image out = ResizeImage(img, 30000, 8);
    const Image expect = ReferenceResize(img, 30000, 8);
    EXPECT_TRUE(out == expect) << FirstDifference(out, expect);
}

TEST(ResizeImage, SameResultWithOneOrManyThreads) {
    const Image img = RandomImage(300, 220, 18);
    SetThreadCount(1);
    const Image one = ResizeImage(img, 517, 333);
    SetThreadCount(4);
    const Image many = ResizeImage(img, 517, 333);
    SetThreadCount(0);
    EXPECT_TRUE(one == many);
}
