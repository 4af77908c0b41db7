// SPDX-License-Identifier: GPL-3.0-or-later
// The quick scaled preview of a JPEG photo: its scale, how it matches the full decode, the
// orientation, and every way of getting no preview without an exception.
#include <gtest/gtest.h>

#include <atomic>

#include "CodecTestSupport.h"
#include "image/Codec.h"
#include "image/JpegPreview.h"

using namespace lum;
using codec_test::DataPath;

namespace {

std::vector<uint8_t> Jpeg(const Image& img, bool progressive = false) {
    JpegEncodeOptions o;
    o.quality = 92;
    o.progressive = progressive;
    return EncodeJpeg(img, o);
}

// The mean of each scale x scale block: what a preview of that scale should look like.
Image BlockMeans(const Image& img, int scale) {
    Image out(img.width() / scale, img.height() / scale);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int j = 0; j < scale; ++j)
                    for (int i = 0; i < scale; ++i) sum += img.pixel(x * scale + i, y * scale + j)[c];
                out.pixel(x, y)[c] = static_cast<uint8_t>(sum / (scale * scale));
            }
    return out;
}

JpegPreview Preview(const std::vector<uint8_t>& bytes, int percent, const std::atomic<bool>* cancel = nullptr) {
    return DecodeJpegPreview(bytes.data(), bytes.size(), [percent](int, int) { return percent; }, cancel);
}

}  // namespace

TEST(JpegPreview, ScaleLeavesAPixelForEveryPixelShown) {
    const std::pair<int, int> cases[] = {{0, 1},  {-5, 1}, {1, 8},  {11, 8}, {12, 8},  {13, 4},  {25, 4},
                                         {26, 2}, {33, 2}, {50, 2}, {51, 1}, {100, 1}, {800, 1}};
    for (auto [percent, scale] : cases) EXPECT_EQ(PreviewScale(percent), scale) << percent << " %";
}

TEST(JpegPreview, LooksLikeTheFullPhotoAtItsScale) {
    const Image photo = codec_test::Gradient(640, 480);
    for (bool progressive : {false, true}) {
        const std::vector<uint8_t> bytes = Jpeg(photo, progressive);
        const Image full = DecodeJpeg(bytes.data(), bytes.size());
        for (auto [percent, scale] : {std::pair<int, int>{10, 8}, {20, 4}, {40, 2}}) {
            const JpegPreview p = Preview(bytes, percent);
            EXPECT_EQ(p.width, 640);
            EXPECT_EQ(p.height, 480);
            ASSERT_EQ(p.scale, scale);
            ASSERT_EQ(p.image.width(), 640 / scale);
            ASSERT_EQ(p.image.height(), 480 / scale);
            EXPECT_LT(codec_test::Compare(p.image, BlockMeans(full, scale)).mean, 4.0)
                << percent << " % progressive " << progressive;
        }
    }
}

TEST(JpegPreview, AskedWithTheUprightSizeAndTurnedAsTheFullDecode) {
    const std::vector<uint8_t> bytes = ReadFileBytes(DataPath("camera/camera_o6.jpg"));
    const Image full = DecodeJpeg(bytes.data(), bytes.size());  // turned upright
    int askedW = 0, askedH = 0;
    const JpegPreview p = DecodeJpegPreview(bytes.data(), bytes.size(), [&](int w, int h) {
        askedW = w;
        askedH = h;
        return 25;
    });
    EXPECT_EQ(askedW, full.width());
    EXPECT_EQ(askedH, full.height());
    EXPECT_EQ(p.width, full.width());
    EXPECT_EQ(p.height, full.height());
    ASSERT_EQ(p.scale, 4);
    ASSERT_EQ(p.image.width(), full.width() / 4);
    ASSERT_EQ(p.image.height(), full.height() / 4);
    EXPECT_LT(codec_test::Compare(p.image, BlockMeans(full, 4)).mean, 12.0);
}

TEST(JpegPreview, NoneWhereTheFullDecodeIsAsQuickOrCannotBeLookedAt) {
    const std::vector<uint8_t> bytes = Jpeg(codec_test::Gradient(320, 200));
    // Shown at half its size or more: the full decode is the preview.
    const JpegPreview big = Preview(bytes, 60);
    EXPECT_TRUE(big.image.empty());
    EXPECT_EQ(big.scale, 1);
    EXPECT_EQ(big.width, 320);  // the size is known all the same
    EXPECT_EQ(big.height, 200);
    // A photo cut short still opens, so its preview may show what there is; garbage or
    // nothing gives none, and never an exception.
    const std::vector<uint8_t> half(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2));
    EXPECT_EQ(Preview(half, 10).width, 320);
    for (const char* name : {"broken/random.bin", "broken/soi_only.jpg", "broken/header_only.jpg",
                             "broken/zero_width.jpg", "broken/huge_dimensions.jpg", "broken/scrambled_data.jpg"}) {
        const std::vector<uint8_t> file = ReadFileBytes(DataPath(name));
        JpegPreview p;
        EXPECT_NO_THROW(p = Preview(file, 10)) << name;
        EXPECT_TRUE(p.image.empty() || p.image.width() * 8 >= p.width) << name;
    }
    EXPECT_TRUE(DecodeJpegPreview(nullptr, 0, [](int, int) { return 10; }).image.empty());
    // CMYK files are converted by the full decode only.
    std::vector<uint8_t> cmyk(64 * 48 * 4, 90);
    EXPECT_TRUE(Preview(codec_test::EncodeRaw(cmyk, 64, 48, 4, JCS_CMYK), 10).image.empty());
}

TEST(JpegPreview, ACancelStopsIt) {
    const std::vector<uint8_t> bytes = Jpeg(codec_test::Gradient(640, 480), true);
    std::atomic<bool> cancel{true};
    EXPECT_TRUE(Preview(bytes, 10, &cancel).image.empty());
    cancel = false;
    EXPECT_FALSE(Preview(bytes, 10, &cancel).image.empty());
}
