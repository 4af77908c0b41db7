// SPDX-License-Identifier: GPL-3.0-or-later
// Camera EXIF blocks across load and save: the orientation reset where it stands, maker notes and
// their previews kept byte for byte, the thumbnail turned with the photo, hostile blocks left alone.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ExifTestSupport.h"
#include "image/Stretch.h"

using namespace lum;
using namespace codec_test;
namespace fs = std::filesystem;

namespace {

// Encodes a photo with the segments and decodes it upright again.
LoadedPicture RoundTrip(const Image& img, const PictureMetadata& meta) {
    JpegEncodeOptions o;
    o.metadata = &meta;
    Bytes j = EncodeJpeg(img, o);
    return LoadPictureFromMemory(j.data(), j.size());
}

}  // namespace

TEST(CodecExif, CameraPhotosTurnUprightWithEveryOtherByteKept) {
    for (int o = 1; o <= 8; ++o) {
        const std::string name = "camera_o" + std::to_string(o) + ".jpg";
        SCOPED_TRACE(name);
        LoadedPicture stored = LoadCamera(name, false), up = LoadCamera(name, true);
        const Bytes& before = ExifOf(stored.metadata);
        const Bytes& after = ExifOf(up.metadata);
        EXPECT_EQ(up.image, OrientImage(stored.image, o));
        EXPECT_EQ(ExifOrientation(stored.metadata), o);
        EXPECT_EQ(ExifOrientation(up.metadata), 1);
        if (o == 1) {
            EXPECT_EQ(after, before);
            continue;
        }
        ExifRead was(before), is(after);
        EXPECT_EQ(was.number(EXIF_IFD_1, EXIF_TAG_ORIENTATION), o);
        EXPECT_EQ(is.number(EXIF_IFD_0, EXIF_TAG_ORIENTATION), 1);
        EXPECT_EQ(is.number(EXIF_IFD_1, EXIF_TAG_ORIENTATION), 1);
        EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), up.image.width());
        EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), up.image.height());

        // The maker note and its preview stay where the camera put them.
        const Preview p0 = PreviewOf(before), p1 = PreviewOf(after);
        ASSERT_GT(p0.bytes.size(), 100u);
        EXPECT_EQ(p0.bytes[0], 0xFF);
        EXPECT_EQ(p1.noteAt, p0.noteAt);
        EXPECT_EQ(p1.bytes, p0.bytes);

        // Outside the thumbnail only a few values changed: orientations, sizes, the thumbnail length.
        const Bytes oldThumb = was.thumbnail();
        const size_t thumbAt = Find(before, oldThumb);
        ASSERT_NE(thumbAt, std::string::npos);
        ASSERT_EQ(after.size(), before.size());
        int changed = 0;
        for (size_t i = 0; i < before.size(); ++i)
            if ((i < thumbAt || i >= thumbAt + oldThumb.size()) && before[i] != after[i]) ++changed;
        EXPECT_LE(changed, 2 + 2 + 2 * 2 + 2 + 4) << "bytes changed outside the thumbnail";

        // The thumbnail turned with the photo.
        const Bytes newThumb = is.thumbnail();
        ASSERT_FALSE(newThumb.empty());
        EXPECT_EQ(Find(after, newThumb), thumbAt);
        // Squeezed into the room of the old one it lost some quality, but no other way of
        // turning comes anywhere near.
        const Image oldT = DecodeThumbnail(oldThumb), newT = DecodeThumbnail(newThumb);
        const Image expected = OrientImage(oldT, o);
        ASSERT_EQ(newT.width(), expected.width());
        const double right = Compare(newT, expected).mean;
        EXPECT_LT(right, 10.0);
        for (int other = 1; other <= 8; ++other) {
            const Image wrong = OrientImage(oldT, other);
            if (other != o && wrong.width() == newT.width()) {
                EXPECT_LT(2 * right, Compare(newT, wrong).mean) << other;
            }
        }
    }
}

TEST(CodecExif, SavedUprightPhotoIsNotTurnedAgain) {
    LoadedPicture up = LoadCamera("camera_o6.jpg", true);
    LoadedPicture again = RoundTrip(up.image, up.metadata);
    EXPECT_EQ(again.image.width(), up.image.width());
    EXPECT_EQ(ExifOf(again.metadata), ExifOf(up.metadata));
    EXPECT_LT(Compare(again.image, up.image).mean, 3.0);
}

TEST(CodecExif, SavedPhotoRecordsItsOwnPixelSize) {
    LoadedPicture pic = LoadCamera("camera_o1.jpg", true);
    const Bytes before = ExifOf(pic.metadata);
    LoadedPicture resized = RoundTrip(Gradient(50, 30), pic.metadata);
    const Bytes& after = ExifOf(resized.metadata);
    ExifRead is(after);
    EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), 50);
    EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), 30);
    // Another picture: its own thumbnail (a gradient, not the camera's photo) in the old room.
    ASSERT_EQ(after.size(), before.size());
    const Image t = DecodeThumbnail(ExifRead(after).thumbnail());
    ASSERT_EQ(t.width(), 60);
    ASSERT_EQ(t.height(), 36);
    Image expected(t.width(), t.height());
    StretchDraw(expected, Rect{0, 0, t.width(), t.height()}, Gradient(50, 30));
    EXPECT_LT(Compare(t, expected).mean, 20.0);
    EXPECT_EQ(PreviewOf(after).bytes, PreviewOf(before).bytes);
    // The caller's segments are not changed by saving.
    EXPECT_EQ(ExifOf(pic.metadata), before);
}

TEST(CodecExif, BlocksThatCannotBeWalkedSafelyAreKeptAsTheyCame) {
    for (const char* name : {"camera_loop.jpg", "camera_oob.jpg"}) {
        SCOPED_TRACE(name);
        LoadedPicture stored = LoadCamera(name, false), up = LoadCamera(name, true);
        EXPECT_EQ(up.image, stored.image);  // not turned: the tag still says how
        EXPECT_EQ(ExifOf(up.metadata), ExifOf(stored.metadata));
        EXPECT_EQ(ExifOrientation(up.metadata), 0);
        LoadedPicture saved = RoundTrip(up.image, up.metadata);
        EXPECT_EQ(ExifOf(saved.metadata), ExifOf(stored.metadata));
    }
}

TEST(CodecExif, HostileLinksAndOffsetsLeaveTheBlockAlone) {
    LoadedPicture stored = LoadCamera("camera_o6.jpg", false);  // little-endian
    const Bytes good = ExifOf(stored.metadata);
    const size_t size = good.size() - 6;
    struct Edit {
        const char* what;
        void (*apply)(Block&, size_t size);
    };
    const Edit edits[] = {
        {"thumbnail directory links back to the main one", [](Block& b, size_t) { b.put32(b.next(b.ifd1()), uint32_t(b.ifd0())); }},
        {"thumbnail directory links to itself", [](Block& b, size_t) { b.put32(b.next(b.ifd1()), uint32_t(b.ifd1())); }},
        {"EXIF link to the main directory", [](Block& b, size_t) { b.put32(b.entry(b.ifd0(), 0x8769) + 8, uint32_t(b.ifd0())); }},
        {"EXIF link into the middle of the main directory", [](Block& b, size_t) { b.put32(b.entry(b.ifd0(), 0x8769) + 8, uint32_t(b.ifd0() + 14)); }},
        {"EXIF link past the end", [](Block& b, size_t n) { b.put32(b.entry(b.ifd0(), 0x8769) + 8, uint32_t(n + 100)); }},
        {"EXIF link into the header", [](Block& b, size_t) { b.put32(b.entry(b.ifd0(), 0x8769) + 8, 4); }},
        {"a value past the end", [](Block& b, size_t n) { b.put32(b.entry(b.ifd0(), 0x010F) + 8, uint32_t(n - 4)); }},
        {"a count that wraps", [](Block& b, size_t) { b.put32(b.entry(b.ifd0(), 0x010F) + 4, 0xFFFFFFF0u); }},
        {"thumbnail past the end", [](Block& b, size_t n) { b.put32(b.entry(b.ifd1(), 0x0202) + 8, uint32_t(n)); }},
        {"main directory claiming 65535 entries", [](Block& b, size_t) { b.t()[b.ifd0()] = b.t()[b.ifd0() + 1] = 0xFF; }},
        // Rewriting or blanking such a thumbnail would overwrite the directories.
        {"thumbnail over the main directory", [](Block& b, size_t) { b.put32(b.entry(b.ifd1(), 0x0201) + 8, uint32_t(b.ifd0())); }},
        // Three numbers stored apart, wherever that points: not a value to write to.
        {"orientation stored apart", [](Block& b, size_t) {
             const size_t e = b.entry(b.ifd0(), 0x0112);
             b.put32(e + 4, 3);
             b.put32(e + 8, uint32_t(b.ifd0()));
         }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.what);
        PictureMetadata meta;
        meta.segments.push_back({kApp1, good});
        Block b{meta.segments[0].data};
        edit.apply(b, size);
        const Bytes hostile = meta.segments[0].data;
        ASSERT_NE(hostile, good);
        LoadedPicture up = RoundTrip(stored.image, meta);
        EXPECT_EQ(up.image.width(), stored.image.width());
        EXPECT_EQ(ExifOf(up.metadata), hostile);
    }
}

TEST(CodecExif, ThumbnailThatCannotBeTurnedIsDropped) {
    LoadedPicture stored = LoadCamera("camera_o6.jpg", false);
    Bytes seg = ExifOf(stored.metadata);
    const Bytes thumb = ExifRead(seg).thumbnail();
    const size_t at = Find(seg, thumb);
    ASSERT_NE(at, std::string::npos);
    std::fill(seg.begin() + long(at) + 2, seg.begin() + long(at + thumb.size()), 0);  // no longer a picture
    PictureMetadata meta;
    meta.segments.push_back({kApp1, seg});
    LoadedPicture up = RoundTrip(stored.image, meta);
    EXPECT_EQ(up.image.width(), 80);  // the photo itself still turned
    const Bytes& after = ExifOf(up.metadata);
    ExifRead is(after);
    EXPECT_TRUE(is.thumbnail().empty());
    EXPECT_EQ(is.number(EXIF_IFD_0, EXIF_TAG_ORIENTATION), 1);
    EXPECT_EQ(PreviewOf(after).bytes, PreviewOf(seg).bytes);
    Bytes copy = after;
    Block b{copy};
    EXPECT_EQ(b.u32(b.next(b.ifd0())), 0u);  // unlinked
}

TEST(CodecExif, ThumbnailAtTheEndOfTheBlockMayGrow) {
    // libexif writes the thumbnail last; a tiny low-quality one comes back larger once turned.
    const Bytes thumb = TinyThumbnail();
    const Bytes seg = LibexifBlock(thumb, 8);
    ASSERT_EQ(Find(seg, thumb) + thumb.size(), seg.size());

    PictureMetadata meta;
    meta.segments.push_back({kApp1, seg});
    LoadedPicture up = RoundTrip(Gradient(30, 20), meta);
    EXPECT_EQ(up.image.width(), 20);
    const Bytes& after = ExifOf(up.metadata);
    EXPECT_GT(after.size(), seg.size());
    const Bytes turned = ExifRead(after).thumbnail();
    ASSERT_FALSE(turned.empty());
    EXPECT_EQ(Find(after, turned) + turned.size(), after.size());
    const Image t = DecodeThumbnail(turned);
    EXPECT_EQ(t.width(), 32);
    EXPECT_EQ(t.height(), 48);
}

TEST(CodecExif, XmpOrientationIsResetWithTheExifOne) {
    LoadedPicture stored = LoadCamera("camera_o6.jpg", false);
    const std::string xmp = std::string("http://ns.adobe.com/xap/1.0/") + '\0' +
                            "<x:xmpmeta><rdf:Description tiff:Orientation=\"6\" tiff:Make=\"X\"/>"
                            "<tiff:Orientation>6</tiff:Orientation><tiff:Orientation>16</tiff:Orientation></x:xmpmeta>";
    PictureMetadata meta = stored.metadata;
    meta.segments.push_back({kApp1, Bytes(xmp.begin(), xmp.end())});
    LoadedPicture up = RoundTrip(stored.image, meta);
    const Bytes& back = up.metadata.segments.back().data;
    std::string expected = xmp;
    expected.replace(expected.find("=\"6\""), 4, "=\"1\"");
    expected.replace(expected.find(">6<"), 3, ">1<");
    EXPECT_EQ(std::string(back.begin(), back.end()), expected);
}

TEST(CodecExif, ExiftoolFindsNothingNewInWrittenCameraPhotos) {
    if (!HaveExiftool()) GTEST_SKIP() << "exiftool is not installed";
    const fs::path dir = fs::temp_directory_path() / ("lumora-exif-" + std::to_string(getpid()));
    fs::create_directories(dir);
    for (int o = 1; o <= 8; ++o) {
        const std::string name = "camera_o" + std::to_string(o) + ".jpg";
        SCOPED_TRACE(name);
        const std::string original = DataPath("camera/" + name), written = (dir / name).string();
        LoadedPicture up = LoadPicture(original);
        JpegEncodeOptions enc;
        enc.metadata = &up.metadata;
        WriteFileAtomic(written, EncodeJpeg(up.image, enc));

        for (const std::string& line : NewValidateWarnings(original, written)) ADD_FAILURE() << "new: " << line;
        EXPECT_EQ(Lines("exiftool -b -PreviewImage " + ShellQuote(written) + " | md5sum"),
                  Lines("exiftool -b -PreviewImage " + ShellQuote(original) + " | md5sum"));
        for (const std::string& v : Lines("exiftool -n -a -s3 -Orientation " + ShellQuote(written))) EXPECT_EQ(v, "1");
    }
    fs::remove_all(dir);
}
