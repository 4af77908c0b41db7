// SPDX-License-Identifier: GPL-3.0-or-later
// A camera's EXIF block carried by a photo of another format: the picture turned upright by it,
// and the JPEG written from it with the block as a JPEG photo's (orientation 1, a thumbnail of
// the picture's own shape, the print size).
#include <gtest/gtest.h>

#include "ExifTestSupport.h"
#include "FormatMakers.h"
#include "image/Formats.h"
#include "image/Stretch.h"

using namespace lum;
using namespace codec_test;
using namespace formats_test;

namespace {

// The stored pixels of a JPEG picture as samples of another format's file.
Samples SamplesOf(const Image& img) {
    Samples s{img.width(), img.height(), 3, 8, {}};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            for (int c = 2; c >= 0; --c) s.v.push_back(img.row(y)[3 * x + c]);
    return s;
}

}  // namespace

TEST(FormatExif, ACamerasBlockTurnsThePictureAndGoesOutAsAJpegPhotosWould) {
    // 120 x 80 stored, orientation 6 with a 60 x 40 thumbnail.
    LoadedPicture camera = LoadCamera("camera_o6.jpg", false);
    const Bytes segment = ExifOf(camera.metadata);
    const Bytes block(segment.begin() + 6, segment.end());  // without "Exif\0\0"
    const Samples stored = SamplesOf(camera.image);
    const Extras extras{{}, block, {}};
    struct Case {
        const char* name;
        Bytes file;
    };
    const Case cases[] = {
        {"png", MakePng(stored, false, extras)},
        {"webp", MakeWebp(stored, true, extras)},
        // Turned by its own transformation; its EXIF says the same and must not turn it again.
        {"heic", MakeHeic(stored, 90, extras, 6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadedPicture pic = LoadPictureFromMemory(c.file.data(), c.file.size());
        ASSERT_EQ(pic.image.width(), 80);
        ASSERT_EQ(pic.image.height(), 120);
        EXPECT_EQ(ExifOrientation(pic.metadata), 1);
        // No print size of its own: the EXIF block's, as a JPEG without a JFIF one gets it.
        EXPECT_TRUE(pic.metadata.density.known());

        JpegEncodeOptions enc;
        enc.metadata = &pic.metadata;
        const Bytes jpeg = EncodeJpeg(pic.image, enc);
        LoadedPicture back = LoadPictureFromMemory(jpeg.data(), jpeg.size());
        EXPECT_EQ(back.image.width(), 80);  // nothing turns it a second time
        EXPECT_EQ(ExifOrientation(back.metadata), 1);
        EXPECT_EQ(back.metadata.density, pic.metadata.density);
        ExifRead written(ExifOf(back.metadata));
        EXPECT_EQ(written.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), 80);
        EXPECT_EQ(written.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), 120);

        // The thumbnail shows the upright picture, not the stored one.
        const Image thumb = DecodeThumbnail(written.thumbnail());
        ASSERT_EQ(thumb.width(), 40);
        ASSERT_EQ(thumb.height(), 60);
        Image expected(thumb.width(), thumb.height());
        StretchDraw(expected, Rect{0, 0, thumb.width(), thumb.height()}, pic.image);
        const double right = Compare(thumb, expected).mean;
        EXPECT_LT(right, 20.0);
        EXPECT_LT(2 * right, Compare(thumb, OrientImage(expected, 3)).mean);
    }
}

TEST(FormatExif, APngsPixelSizeIsItsPrintSize) {
    const Samples s = Pattern(8, 6, 3, 8);
    struct Case {
        unsigned perMetre;
        PixelDensity want;
    };
    const Case cases[] = {
        {2835, {PixelDensity::PerInch, 72, 72}},    // 72.009 dots per inch
        {11811, {PixelDensity::PerInch, 300, 300}},  // 299.99
        {0, {}},                                     // no pHYs chunk
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.perMetre);
        Extras extras;
        extras.pixelsPerMetre = c.perMetre;
        const Bytes png = MakePng(s, false, extras);
        LoadedPicture pic = LoadPictureFromMemory(png.data(), png.size());
        EXPECT_EQ(pic.metadata.density, c.want);
        JpegEncodeOptions enc;
        enc.metadata = &pic.metadata;
        const Bytes jpeg = EncodeJpeg(pic.image, enc);
        if (c.want.known()) {
            EXPECT_EQ(LoadPictureFromMemory(jpeg.data(), jpeg.size()).metadata.density, c.want);
        }
    }
}
