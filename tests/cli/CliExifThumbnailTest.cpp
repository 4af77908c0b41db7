// SPDX-License-Identifier: GPL-3.0-or-later
// lumora apply with quarter turns on camera photos: the EXIF thumbnail turns with the photo and
// the rest of the block comes through as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../image/ExifTestSupport.h"
#include "CliTestUtil.h"
#include "image/Codec.h"
#include "image/CodecInternal.h"
#include "image/Stretch.h"
#include "imaging/Geometry.h"

using namespace clitest;
using codec_test::Bytes;
using codec_test::ExifRead;
using lum::Image;

namespace {

fs::path Camera(const std::string& name) { return fs::path(LUMORA_TEST_DATA) / "camera" / name; }

lum::LoadedPicture Written(const fs::path& in, const fs::path& out, const std::string& op) {
    const Result r = Lumora("apply " + Quote(in.string()) + " " + Quote(out.string()) + " " + op);
    EXPECT_EQ(r.status, 0) << r.err;
    return lum::LoadPicture(out.string());
}

}  // namespace

TEST(CliExifThumbnail, QuarterTurnsTurnTheThumbnailAndKeepTheRest) {
    const bool exiftool = codec_test::HaveExiftool();
    if (!exiftool) std::printf("exiftool is not installed: its check is skipped\n");
    TempDir dir;
    for (int o = 1; o <= 8; ++o) {
        const std::string name = "camera_o" + std::to_string(o) + ".jpg";
        for (const bool clockwise : {true, false}) {
            SCOPED_TRACE(name + (clockwise ? " rotate-cw" : " rotate-ccw"));
            lum::LoadedPicture up = lum::LoadPicture(Camera(name).string());
            const fs::path out = dir / name;
            lum::LoadedPicture written = Written(Camera(name), out, clockwise ? "rotate-cw" : "rotate-ccw");
            const Image turned = lum::QuarterTurned(up.image, clockwise);
            ASSERT_EQ(written.image.width(), turned.width());

            const Bytes& before = codec_test::ExifOf(up.metadata);
            const Bytes& after = codec_test::ExifOf(written.metadata);
            ExifRead was(before), is(after);
            const Bytes oldThumb = was.thumbnail(), newThumb = is.thumbnail();
            ASSERT_FALSE(newThumb.empty());
            const Image oldT = codec_test::DecodeThumbnail(oldThumb), newT = codec_test::DecodeThumbnail(newThumb);
            EXPECT_EQ(newT.width(), oldT.height());
            ASSERT_EQ(newT.height(), oldT.width());

            Image expected(newT.width(), newT.height());
            lum::StretchDraw(expected, lum::Rect{0, 0, newT.width(), newT.height()}, turned);
            const double right = codec_test::Compare(newT, expected).mean;
            EXPECT_LT(right, 20.0);  // loosely: a finer downscale, squeezed into the old room
            // The other quarter turn would look nothing like it.
            Image other(newT.width(), newT.height());
            lum::StretchDraw(other, lum::Rect{0, 0, newT.width(), newT.height()}, lum::QuarterTurned(up.image, !clockwise));
            EXPECT_LT(2 * right, codec_test::Compare(newT, other).mean);

            // Outside the thumbnail's room: the two pixel sizes and the thumbnail length at most.
            const size_t at = codec_test::Find(before, oldThumb);
            ASSERT_NE(at, std::string::npos);
            ASSERT_EQ(after.size(), before.size());
            int changed = 0;
            for (size_t i = 0; i < before.size(); ++i)
                if ((i < at || i >= at + oldThumb.size()) && before[i] != after[i]) ++changed;
            EXPECT_LE(changed, 6);
            EXPECT_EQ(codec_test::PreviewOf(after).bytes, codec_test::PreviewOf(before).bytes);

            if (exiftool)
                for (const std::string& line : codec_test::NewValidateWarnings(Camera(name).string(), out.string()))
                    ADD_FAILURE() << "new: " << line;
        }
    }
}

TEST(CliExifThumbnail, EveryKindOfChangeLeavesAThumbnailOfTheSavedPicture) {
    const bool exiftool = codec_test::HaveExiftool();
    TempDir dir;
    for (const char* name : {"camera_o1.jpg", "camera_o6.jpg"})
        for (const char* op : {"grey", "mirror-h", "mirror-v", "rotate:30", "resize:60x40", "optimize", "blur:3",
                               "select:10,10,50,40 erase:#FF0000"}) {
            SCOPED_TRACE(std::string(name) + " " + op);
            const fs::path out = dir / (std::string("out-") + name);
            lum::LoadedPicture written = Written(Camera(name), out, op);
            const Image t = codec_test::DecodeThumbnail(ExifRead(codec_test::ExifOf(written.metadata)).thumbnail());
            ASSERT_FALSE(t.empty());
            // The picture's proportions, to the pixel, and its content.
            const int w = written.image.width(), h = written.image.height();
            EXPECT_LE(std::abs(t.width() * h - t.height() * w), std::max(w, h));
            const Image expected = lum::detail::ShrinkToThumbnail(written.image, t.width(), t.height());
            EXPECT_LT(codec_test::Compare(t, expected).mean, 15.0);
            if (exiftool)
                for (const std::string& line : codec_test::NewValidateWarnings(Camera(name).string(), out.string()))
                    ADD_FAILURE() << "new: " << line;
        }
}

TEST(CliExifThumbnail, BlocksThatCannotBeWalkedSafelyAreWrittenAsTheyCame) {
    TempDir dir;
    for (const char* name : {"camera_loop.jpg", "camera_oob.jpg"}) {
        SCOPED_TRACE(name);
        lum::LoadedPicture stored = lum::LoadPicture(Camera(name).string());
        lum::LoadedPicture written = Written(Camera(name), dir / name, "rotate-cw");
        EXPECT_EQ(written.image.width(), stored.image.height());
        EXPECT_EQ(codec_test::ExifOf(written.metadata), codec_test::ExifOf(stored.metadata));
    }
}

TEST(CliExifThumbnail, ANewPictureLeavesWithoutThePhotosCameraData) {
    const auto hasExif = [](const lum::LoadedPicture& p) {
        for (const lum::JpegSegment& s : p.metadata.segments)
            if (s.marker == codec_test::kApp1 && s.data.size() > 6 && std::memcmp(s.data.data(), "Exif\0\0", 6) == 0)
                return true;
        return false;
    };
    TempDir dir;
    const fs::path in = Camera("camera_o1.jpg");
    lum::LoadedPicture stored = lum::LoadPicture(in.string());
    lum::LoadedPicture grey = Written(in, dir / "grey.jpg", "grey");
    EXPECT_EQ(codec_test::PreviewOf(codec_test::ExifOf(grey.metadata)).bytes,
              codec_test::PreviewOf(codec_test::ExifOf(stored.metadata)).bytes);
    // A gradient made in place of the photo is not the photo: no camera block, no thumbnail of it,
    // and later operations on the new picture do not bring it back.
    const lum::LoadedPicture made = Written(in, dir / "new.jpg", "new:40x30");
    EXPECT_EQ(made.image.width(), 40);
    EXPECT_FALSE(hasExif(made));
    EXPECT_FALSE(hasExif(Written(in, dir / "new2.jpg", "new:40x30 rotate-cw")));
}
