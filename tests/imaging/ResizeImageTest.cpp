// Resizing: refusals, the documented cases and a plainly written resampling.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/Prompts.h"
#include "image/Parallel.h"
#include "imaging/Geometry.h"
#include "GeometryTestSupport.h"

using namespace lum;
using geomtest::BlockValue;
using geomtest::FirstDifference;
using geomtest::Load;
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

struct Loaded {
    EditState st;
    RecordingPrompts prompts;
    explicit Loaded(const Image& img) {
        st.prompts = &prompts;
        Load(st, img);
    }
};

}  // namespace

TEST(ResizeImage, MatchesReferenceOnRandomImages) {
    const std::vector<std::pair<int, int>> sources = {{1, 1}, {2, 3}, {3, 2}, {4, 4}, {9, 8}, {37, 26}, {100, 100}, {203, 151}};
    const std::vector<std::pair<int, int>> targets = {{8, 8}, {9, 13}, {16, 16}, {37, 26}, {50, 75}, {200, 200}, {411, 97}};
    uint32_t seed = 50;
    for (auto [w, h] : sources) {
        const Image img = RandomImage(w, h, seed++);
        for (auto [nw, nh] : targets) {
            Loaded l(img);
            ASSERT_TRUE(ResizeImage(l.st, nw, nh));
            const Image expect = ReferenceResize(img, nw, nh);
            ASSERT_TRUE(l.st.WorkImage == expect)
                << w << "x" << h << " to " << nw << "x" << nh << ": " << FirstDifference(l.st.WorkImage, expect);
        }
    }
}

TEST(ResizeImage, SameSizeAveragesInnerPixelsUpLeft) {
    const Image img = RandomImage(13, 10, 3);
    Loaded l(img);
    ASSERT_TRUE(ResizeImage(l.st, 13, 10));
    const Image& out = l.st.WorkImage;
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
    Loaded resized(img), rotated(img);
    ASSERT_TRUE(ResizeImage(resized.st, 16, 12));
    RotateByAngle(rotated.st, 0, true);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 14; ++x)
            for (int ch = 0; ch < 3; ++ch)
                ASSERT_EQ(resized.st.WorkImage.pixel(x, y)[ch], rotated.st.WorkImage.pixel(x, y)[ch]) << x << "," << y;
}

TEST(ResizeImage, DoublingReadsTheLastColumnTwice) {
    const Image img = RandomImage(100, 100, 9);
    Loaded l(img);
    ASSERT_TRUE(ResizeImage(l.st, 200, 200));
    const Image& out = l.st.WorkImage;
    for (int y : {0, 1, 100, 101, 199})
        for (int x : {198, 199})
            for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(out.pixel(x, y)[ch], img.pixel(99, y / 2)[ch]) << x << "," << y;
    // Quarter position 2 in both directions on an inner pixel: the pixel itself.
    for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(out.pixel(21, 41)[ch], img.pixel(10, 20)[ch]);
    // Quarter position 0 in both directions: the up-left block.
    for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(out.pixel(20, 40)[ch], BlockValue(img, 10, 20, 1, ch));
}

TEST(ResizeImage, CommitsTheNewSize) {
    const Image img = RandomImage(40, 30, 10);
    Loaded l(img);
    int layouts = 0, redraws = 0;
    l.st.LayoutView = [&] { ++layouts; };
    l.st.RedrawView = [&] { ++redraws; };
    l.st.ViewOuterSize = [](int& w, int& h) { w = 10; h = 100; };
    ASSERT_TRUE(ResizeImage(l.st, 20, 15));
    EXPECT_EQ(l.st.MemoryImage.width(), 20);
    EXPECT_EQ(l.st.MemoryImage.height(), 15);
    EXPECT_TRUE(l.st.UndoImage == l.st.MemoryImage);
    EXPECT_TRUE(l.st.WorkImage == l.st.MemoryImage);
    EXPECT_TRUE(l.st.SourceImage == l.st.MemoryImage);
    EXPECT_EQ(l.st.WorkRows.size(), 15u);
    EXPECT_EQ(l.st.ZoomIndex, 0);
    EXPECT_EQ(l.st.ZoomTable[0], 49);  // round(100 x 10 / 20 - 1)
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(l.prompts.messages.empty());
    const Image resized = l.st.WorkImage;
    l.st.Undo();
    EXPECT_TRUE(l.st.WorkImage == resized);
}

TEST(ResizeImage, EditsBeforeTheResizeArePartOfIt) {
    Loaded l(RandomImage(30, 30, 11));
    const Image edited = RandomImage(30, 30, 12);
    l.st.WorkImage = edited;
    ASSERT_TRUE(ResizeImage(l.st, 30, 30));
    const Image expect = ReferenceResize(edited, 30, 30);
    EXPECT_TRUE(l.st.WorkImage == expect);
}

TEST(ResizeImage, RefusalsShowTheirMessageAndChangeNothing) {
    struct Case {
        int w, h;
        const char* message;
    };
    const std::vector<Case> cases = {
        {5, 100, "Invalid new size ( < 8)"},
        {7, 8, "Invalid new size ( < 8)"},
        {8, 7, "Invalid new size ( < 8)"},
        {-20, 100, "Invalid new size ( < 8)"},
        {100, 2049, "In valid new size (height > 2048 lines)"},
        {5, 2049, "In valid new size (height > 2048 lines)"},  // the height limit is checked first
    };
    for (const Case& c : cases) {
        Loaded l(RandomImage(12, 9, 13));
        const Image work = RandomImage(12, 9, 14);
        l.st.WorkImage = work;
        const Image memory = l.st.MemoryImage, undo = l.st.UndoImage, source = l.st.SourceImage;
        int layouts = 0;
        l.st.LayoutView = [&] { ++layouts; };
        EXPECT_FALSE(ResizeImage(l.st, c.w, c.h));
        EXPECT_EQ(l.prompts.messages, std::vector<std::string>{c.message}) << c.w << "x" << c.h;
        EXPECT_TRUE(l.st.WorkImage == work);
        EXPECT_TRUE(l.st.MemoryImage == memory);
        EXPECT_TRUE(l.st.UndoImage == undo);
        EXPECT_TRUE(l.st.SourceImage == source);
        EXPECT_EQ(layouts, 0);
    }
}

TEST(ResizeImage, LimitsThemselvesPass) {
    Loaded l(RandomImage(10, 10, 15));
    EXPECT_TRUE(ResizeImage(l.st, 8, 2048));
    EXPECT_EQ(l.st.WorkImage.height(), 2048);
    EXPECT_TRUE(ResizeImage(l.st, 8, 8));
    EXPECT_TRUE(l.prompts.messages.empty());
}

TEST(ResizeImage, RefusalWithoutPromptsIsQuiet) {
    EditState st;
    const Image img = RandomImage(10, 10, 16);
    Load(st, img);
    EXPECT_FALSE(ResizeImage(st, 4, 4));
    EXPECT_FALSE(ResizeImage(st, 10, 5000));
    EXPECT_TRUE(st.WorkImage == img);
}

TEST(ResizeImage, WideImagesDoNotOverflowThePositions) {
    // 4 x 29999 x 20000 is beyond 32 bits.
    const Image img = RandomImage(20000, 8, 17);
    Loaded l(img);
    ASSERT_TRUE(ResizeImage(l.st, 30000, 8));
    const Image expect = ReferenceResize(img, 30000, 8);
    EXPECT_TRUE(l.st.WorkImage == expect) << FirstDifference(l.st.WorkImage, expect);
}

TEST(ResizeImage, SameResultWithOneOrManyThreads) {
    const Image img = RandomImage(300, 220, 18);
    SetThreadCount(1);
    Loaded one(img);
    ASSERT_TRUE(ResizeImage(one.st, 517, 333));
    SetThreadCount(4);
    Loaded many(img);
    ASSERT_TRUE(ResizeImage(many.st, 517, 333));
    SetThreadCount(0);
    EXPECT_TRUE(one.st.WorkImage == many.st.WorkImage);
}
