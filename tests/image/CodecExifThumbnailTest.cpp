// SPDX-License-Identifier: GPL-3.0-or-later
// The EXIF thumbnail of a photo turned after loading: made again from the picture when it would
// be left sideways, every other byte of the block kept; left alone otherwise.
#include <cstring>
#include <string>
#include <vector>

#include "ExifTestSupport.h"
#include "image/CodecInternal.h"
#include "image/Stretch.h"

using namespace lum;
using namespace codec_test;

namespace {

Bytes Saved(const Image& img, const PictureMetadata& meta, std::vector<std::string>* warnings = nullptr) {
    JpegEncodeOptions o;
    o.metadata = &meta;
    o.warnings = warnings;
    return EncodeJpeg(img, o);
}

// The EXIF block a photo is written with, as read back.
Bytes SavedExif(const Image& img, const PictureMetadata& meta, std::vector<std::string>* warnings = nullptr) {
    const Bytes j = Saved(img, meta, warnings);
    LoadedPicture back = LoadPictureFromMemory(j.data(), j.size());
    return ExifOf(back.metadata);
}

PictureMetadata WithExif(const Bytes& seg) {
    PictureMetadata meta;
    meta.segments.push_back({kApp1, seg});
    return meta;
}

// The JPEG thumbnail of a block and where it stands.
Bytes ThumbnailOf(const Bytes& seg, size_t& at) {
    Bytes thumb = ExifRead(seg).thumbnail();
    at = Find(seg, thumb);
    EXPECT_NE(at, std::string::npos);
    return thumb;
}

int Changed(const Bytes& a, const Bytes& b) {
    int n = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) n += a[i] != b[i];
    return n;
}

Image Pixels(int w, int h, std::initializer_list<uint8_t> bgr) {
    Image img(w, h);
    auto v = bgr.begin();
    for (int y = 0; y < h; ++y)
        for (int i = 0; i < 3 * w; ++i) img.row(y)[i] = *v++;
    return img;
}

}  // namespace

TEST(ExifThumbnail, ShrinkAveragesTheSourcePixelsUnderEachOutputPixel) {
    // 4 x 2 into 2 x 1: two 2 x 2 blocks, channels apart, halves rounded up.
    const Image src = Pixels(4, 2, {0, 10, 200, 1, 10, 100, 255, 0, 3, 255, 0, 3,  //
                                    1, 10, 200, 1, 11, 100, 255, 0, 4, 254, 0, 4});
    const Image out = detail::ShrinkToThumbnail(src, 2, 1);
    EXPECT_EQ(out, Pixels(2, 1, {1, 10, 150, 255, 0, 4}));

    // Uneven spans: columns [0,2) and [2,5), rows [0,1) and [1,3).
    Image ramp(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) ramp.setPixel(x, y, uint8_t(10 * x + 100 * y), 0, 0);
    const Image r = detail::ShrinkToThumbnail(ramp, 2, 2);
    EXPECT_EQ(r.row(0)[2], 5);    // (0 + 10) / 2
    EXPECT_EQ(r.row(0)[5], 30);   // (20 + 30 + 40) / 3
    EXPECT_EQ(r.row(1)[2], 155);  // rows 1 and 2 of columns 0 and 1
    EXPECT_EQ(r.row(1)[5], 180);

    // Smaller than the thumbnail: every source pixel repeated.
    const Image two = Pixels(2, 1, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(detail::ShrinkToThumbnail(two, 4, 2),
              Pixels(4, 2, {1, 2, 3, 1, 2, 3, 4, 5, 6, 4, 5, 6, 1, 2, 3, 1, 2, 3, 4, 5, 6, 4, 5, 6}));
}

TEST(ExifThumbnail, TurnedCameraPhotoGetsAThumbnailOfItsOwnShape) {
    for (int o = 1; o <= 8; ++o) {
        const std::string name = "camera_o" + std::to_string(o) + ".jpg";
        SCOPED_TRACE(name);
        LoadedPicture up = LoadCamera(name, true);
        const Bytes before = ExifOf(up.metadata);
        const bool clockwise = o % 2 == 1;
        const Image turned = OrientImage(up.image, clockwise ? 6 : 8);
        ASSERT_EQ(turned.width(), up.image.height());
        const Bytes after = SavedExif(turned, up.metadata);

        ExifRead was(before), is(after);
        EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), turned.width());
        EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), turned.height());
        const Bytes oldThumb = was.thumbnail(), newThumb = is.thumbnail();
        ASSERT_FALSE(newThumb.empty());
        const Image oldT = DecodeThumbnail(oldThumb), newT = DecodeThumbnail(newThumb);
        ASSERT_EQ(newT.width(), oldT.height());
        ASSERT_EQ(newT.height(), oldT.width());

        // It shows the turned photo, not a mirror or the photo upside down.
        Image expected(newT.width(), newT.height());
        StretchDraw(expected, Rect{0, 0, newT.width(), newT.height()}, turned);
        const double right = Compare(newT, expected).mean;
        EXPECT_LT(right, 20.0);  // a finer downscale, squeezed into the old room
        for (int wrong : {2, 3, 4}) EXPECT_LT(2 * right, Compare(newT, OrientImage(expected, wrong)).mean) << wrong;

        // In the old one's room; outside it only the two pixel sizes and the thumbnail length.
        const size_t at = Find(before, oldThumb);
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(after.size(), before.size());
        EXPECT_EQ(Find(after, newThumb), at);
        ASSERT_LE(newThumb.size(), oldThumb.size());
        for (size_t i = at + newThumb.size(); i < at + oldThumb.size(); ++i) ASSERT_EQ(after[i], 0) << i;
        Bytes outside = after;
        std::copy(before.begin() + long(at), before.begin() + long(at + oldThumb.size()), outside.begin() + long(at));
        EXPECT_LE(Changed(before, outside), 2 + 2 + 2);
        EXPECT_EQ(PreviewOf(after).bytes, PreviewOf(before).bytes);
        EXPECT_EQ(PreviewOf(after).noteAt, PreviewOf(before).noteAt);

        // Written again as it now is, nothing changes.
        PictureMetadata now = WithExif(after);
        EXPECT_EQ(SavedExif(turned, now), after);
    }
}

TEST(ExifThumbnail, OnlyThePictureAsReadKeepsItsThumbnail) {
    LoadedPicture up = LoadCamera("camera_o6.jpg", true);  // 80 x 120 with a 40 x 60 thumbnail
    const Bytes before = ExifOf(up.metadata);
    EXPECT_EQ(SavedExif(up.image, up.metadata), before);
    // Upside down is no change of shape, yet another picture: its thumbnail is made again
    // (the other kinds of change are checked through the command line).
    const Image upsideDown = OrientImage(up.image, 3);
    const Image t = DecodeThumbnail(ExifRead(SavedExif(upsideDown, up.metadata)).thumbnail());
    ASSERT_EQ(t.width(), 40);
    EXPECT_LT(Compare(t, detail::ShrinkToThumbnail(upsideDown, 40, 60)).mean, 15.0);
    // Where nothing tells the picture changed, a square thumbnail suits any picture.
    const Bytes block = LibexifBlock(EncodeJpeg(Gradient(32, 32)), 1);
    EXPECT_EQ(SavedExif(Gradient(30, 50), WithExif(block)), block);
}

TEST(ExifThumbnail, ThumbnailWhoseSizeCannotBeReadIsLeftAlone) {
    LoadedPicture up = LoadCamera("camera_o1.jpg", true);
    Bytes seg = ExifOf(up.metadata);
    size_t at = 0;
    const Bytes thumb = ThumbnailOf(seg, at);
    ASSERT_NE(at, std::string::npos);
    std::fill(seg.begin() + long(at) + 2, seg.begin() + long(at + thumb.size()), 0);
    const Bytes after = SavedExif(OrientImage(up.image, 6), WithExif(seg));
    EXPECT_EQ(ExifRead(after).thumbnail(), ExifRead(seg).thumbnail());
    EXPECT_EQ(Changed(after, seg), 2);
}

TEST(ExifThumbnail, BlocksThatCannotBeWalkedSafelyStayAsTheyCameAfterATurn) {
    for (const char* name : {"camera_loop.jpg", "camera_oob.jpg"}) {
        SCOPED_TRACE(name);
        LoadedPicture stored = LoadCamera(name, false), up = LoadCamera(name, true);
        for (int turn : {6, 8})
            EXPECT_EQ(SavedExif(OrientImage(up.image, turn), up.metadata), ExifOf(stored.metadata)) << turn;
    }
}

TEST(ExifThumbnail, NewThumbnailGrowsAtTheEndOfTheBlockOrIsDropped) {
    const Bytes thumb = TinyThumbnail();
    const Bytes last = LibexifBlock(thumb, 1);
    ASSERT_EQ(Find(last, thumb) + thumb.size(), last.size());
    const Image portrait = Noisy(30, 45);

    // Last in the block: it takes the room it needs.
    const Bytes grown = SavedExif(portrait, WithExif(last));
    const Bytes made = ExifRead(grown).thumbnail();
    ASSERT_FALSE(made.empty());
    EXPECT_GT(grown.size(), last.size());
    EXPECT_EQ(Find(grown, made) + made.size(), grown.size());
    const size_t start = Find(last, thumb);
    EXPECT_LE(Changed(Bytes(last.begin(), last.begin() + long(start)), Bytes(grown.begin(), grown.begin() + long(start))),
              2);  // before it, only its length
    const Image t = DecodeThumbnail(made);
    EXPECT_EQ(t.width(), 32);
    EXPECT_EQ(t.height(), 48);

    // With something after it, a thumbnail that needs more room is made smaller, in its shape,
    // until it fits the old room; nothing is said.
    Bytes padded = last;
    padded.insert(padded.end(), 16, 0xAB);
    std::vector<std::string> warnings;
    const Bytes smaller = SavedExif(portrait, WithExif(padded), &warnings);
    EXPECT_TRUE(warnings.empty());
    ASSERT_EQ(smaller.size(), padded.size());
    const Bytes fitted = ExifRead(smaller).thumbnail();
    ASSERT_FALSE(fitted.empty());
    EXPECT_LE(fitted.size(), thumb.size());
    EXPECT_EQ(Find(smaller, fitted), Find(padded, thumb));
    const Image f = DecodeThumbnail(fitted);
    EXPECT_LT(f.width(), 32);
    EXPECT_NEAR(double(f.height()) / f.width(), 1.5, 0.1);
    Image shown(f.width(), f.height());
    StretchDraw(shown, Rect{0, 0, f.width(), f.height()}, portrait);
    EXPECT_LT(Compare(f, shown).mean, 60.0);  // noise, averaged: it shows this picture, not grey
    EXPECT_TRUE(std::equal(padded.end() - 16, padded.end(), smaller.end() - 16));
}

TEST(ExifThumbnail, ThumbnailLastInAFullBlockTakesALowerQualityThenASmallerSize) {
    // The block is one segment of at most 65533 bytes: a thumbnail at its end may grow only up to
    // there. Made again for the turned picture at full size, it takes best bytes at the first
    // quality tried and low at the last.
    const Bytes thumb = TinyThumbnail();
    const Image portrait = Noisy(30, 45);
    auto bytesAt = [&](int quality) {
        JpegEncodeOptions o;
        o.quality = quality;
        o.compact = true;
        return EncodeJpeg(detail::ShrinkToThumbnail(portrait, 32, 48), o).size();
    };
    const size_t best = bytesAt(90), low = bytesAt(45);
    ASSERT_LT(low + 8, best);
    constexpr size_t kSegment = 65533;
    ASSERT_LT(thumb.size() + 8, low);
    // A block whose thumbnail starts room bytes before the end of the segment (the block's values
    // take even numbers of bytes, so room is odd).
    auto withRoom = [&](size_t room) {
        const size_t filler = 1000;
        const size_t start = Find(LibexifBlock(thumb, 1, filler), thumb);
        const Bytes seg = LibexifBlock(thumb, 1, filler + kSegment - start - room);
        EXPECT_EQ(kSegment - Find(seg, thumb), room);
        return seg;
    };
    struct Case {
        size_t room;
        bool fullSize;
    };
    for (const Case c : {Case{(best + 100) | 1, true}, Case{((low + best) / 2) | 1, true}, Case{(low - 8) | 1, false}}) {
        SCOPED_TRACE("room " + std::to_string(c.room));
        const Bytes seg = withRoom(c.room);
        std::vector<std::string> warnings;
        const Bytes saved = SavedExif(portrait, WithExif(seg), &warnings);
        ASSERT_LE(saved.size(), kSegment);
        EXPECT_TRUE(warnings.empty());
        EXPECT_EQ(Find(saved, Bytes(900, 'd')), Find(seg, Bytes(900, 'd')));  // the rest kept
        const Bytes made = ExifRead(saved).thumbnail();
        ASSERT_FALSE(made.empty());
        EXPECT_LE(made.size(), c.room);
        const Image t = DecodeThumbnail(made);
        EXPECT_EQ(t.width() == 32 && t.height() == 48, c.fullSize) << t.width() << " x " << t.height();
        EXPECT_NEAR(double(t.height()) / t.width(), 1.5, 0.1);
        if (c.fullSize) {
            EXPECT_EQ(made.size() == best, c.room >= best);
        }
    }
}

TEST(ExifThumbnail, ThumbnailThatFitsAtNoSizeIsDroppedWithOneWarning) {
    // A landscape "thumbnail" of 40 bytes (a frame header and little else), with something after
    // it: no JPEG fits in its room.
    Bytes stub = {0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0, 32, 0, 48, 1, 1, 0x11, 0};
    stub.resize(40, 0);
    Bytes padded = LibexifBlock(stub, 1);
    padded.insert(padded.end(), 16, 0xAB);
    std::vector<std::string> warnings;
    const Bytes dropped = SavedExif(Noisy(30, 45), WithExif(padded), &warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "The EXIF thumbnail (the small preview inside the photo) no longer fits in the photo's "
                           "metadata and was left out");
    // Unlinked and blanked, everything after it kept.
    ASSERT_EQ(dropped.size(), padded.size());
    EXPECT_TRUE(ExifRead(dropped).thumbnail().empty());
    const size_t at = Find(padded, stub);
    for (size_t i = at; i < at + stub.size(); ++i) ASSERT_EQ(dropped[i], 0) << i;
    EXPECT_TRUE(std::equal(padded.end() - 16, padded.end(), dropped.end() - 16));
    // The link to the thumbnail directory (big-endian) is all that changed before it.
    EXPECT_LE(Changed(Bytes(padded.begin(), padded.begin() + long(at)), Bytes(dropped.begin(), dropped.begin() + long(at))),
              4);
    // Not turned, nothing to remake: nothing to say.
    warnings.clear();
    EXPECT_EQ(SavedExif(Noisy(45, 30), WithExif(padded), &warnings), padded);
    EXPECT_TRUE(warnings.empty());
}

TEST(ExifThumbnail, ImplausiblyLargeThumbnailIsDroppedRatherThanMade) {
    LoadedPicture up = LoadCamera("camera_o1.jpg", true);
    Bytes seg = ExifOf(up.metadata);
    size_t at = 0;
    const Bytes thumb = ThumbnailOf(seg, at);
    ASSERT_NE(at, std::string::npos);
    // The frame header claims 4000 x 3000.
    ASSERT_NE(FindMarker(thumb, 0xC0), std::string::npos);
    const size_t sof = at + FindMarker(thumb, 0xC0);
    seg[sof + 5] = 3000 >> 8, seg[sof + 6] = 3000 & 0xFF, seg[sof + 7] = 4000 >> 8, seg[sof + 8] = 4000 & 0xFF;
    const Bytes after = SavedExif(OrientImage(up.image, 6), WithExif(seg));
    ASSERT_EQ(after.size(), seg.size());
    EXPECT_TRUE(ExifRead(after).thumbnail().empty());
    EXPECT_EQ(PreviewOf(after).bytes, PreviewOf(seg).bytes);
}

TEST(ExifThumbnail, SidewaysStripThumbnailIsDropped) {
    // Little-endian: a main directory with the orientation, then a thumbnail directory of a
    // 4 x 2 uncompressed picture in one strip.
    Bytes seg = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0};
    auto u16 = [&](unsigned v) { seg.push_back(uint8_t(v)), seg.push_back(uint8_t(v >> 8)); };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
    auto entry = [&](unsigned tag, unsigned type, uint32_t value) {
        u16(tag), u16(type), u32(1);
        type == 3 ? (u16(value), u16(0)) : u32(value);
    };
    u16(1), entry(0x0112, 3, 1), u32(26);
    u16(4), entry(0x0100, 3, 4), entry(0x0101, 3, 2), entry(0x0111, 4, 80), entry(0x0117, 4, 24), u32(0);
    ASSERT_EQ(seg.size(), 6u + 80);
    for (int i = 0; i < 24; ++i) seg.push_back(uint8_t(i * 10));

    // Still landscape: left alone.
    EXPECT_EQ(SavedExif(Gradient(30, 20), WithExif(seg)), seg);
    // Turned: the thumbnail directory is unlinked, and the user told.
    std::vector<std::string> warnings;
    const Bytes after = SavedExif(Gradient(20, 30), WithExif(seg), &warnings);
    EXPECT_EQ(warnings, std::vector<std::string>{"The EXIF thumbnail (the small preview inside the photo) could not "
                                                 "be made again for the changed photo and was left out"});
    ASSERT_EQ(after.size(), seg.size());
    Bytes expected = seg;
    std::memset(expected.data() + 6 + 22, 0, 4);
    EXPECT_EQ(after, expected);
}
