// Camera EXIF blocks across load and save: the orientation reset where it stands, maker notes and
// their previews kept byte for byte, the thumbnail turned with the photo, hostile blocks left alone.
#include <libexif/exif-data.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CodecTestSupport.h"

using namespace lum;
using namespace codec_test;
namespace fs = std::filesystem;

namespace {

constexpr int kApp1 = 0xE1;
using Bytes = std::vector<uint8_t>;

Bytes& ExifOf(JpegMetadata& m) {
    for (JpegSegment& s : m.segments)
        if (s.marker == kApp1 && s.data.size() > 6 && std::memcmp(s.data.data(), "Exif\0\0", 6) == 0) return s.data;
    ADD_FAILURE() << "no EXIF segment";
    static Bytes none;
    return none;
}

LoadedPicture Load(const std::string& name, bool upright) {
    JpegDecodeOptions o;
    o.applyExifOrientation = upright;
    return LoadPicture(DataPath("camera/" + name), o);
}

// What libexif, a reader of its own, makes of a block.
struct ExifRead {
    ExifData* ed;
    explicit ExifRead(const Bytes& seg) : ed(exif_data_new_from_data(seg.data(), unsigned(seg.size()))) {}
    ~ExifRead() { exif_data_unref(ed); }
    int number(ExifIfd ifd, ExifTag tag) const {
        ExifEntry* e = exif_content_get_entry(ed->ifd[ifd], tag);
        if (!e) return -1;
        ExifByteOrder bo = exif_data_get_byte_order(ed);
        return e->format == EXIF_FORMAT_SHORT ? exif_get_short(e->data, bo) : int(exif_get_long(e->data, bo));
    }
    Bytes thumbnail() const { return Bytes(ed->data, ed->data + ed->size); }
};

// The maker note's preview, read the way the camera maker lays it out: the note starts with
// "OLYMP\0", then a directory whose offsets count from the start of the EXIF block.
struct Preview {
    size_t noteAt = 0;
    Bytes bytes;
};
Preview PreviewOf(const Bytes& seg) {
    Preview p;
    const char kNote[] = "OLYMP";
    auto it = std::search(seg.begin(), seg.end(), kNote, kNote + 6);
    if (it == seg.end()) return p;
    p.noteAt = size_t(it - seg.begin());
    const uint8_t* tiff = seg.data() + 6;
    const bool be = tiff[0] == 'M';
    auto u16 = [&](size_t at) { return be ? tiff[at] << 8 | tiff[at + 1] : tiff[at + 1] << 8 | tiff[at]; };
    auto u32 = [&](size_t at) { return uint32_t(u16(be ? at : at + 2)) << 16 | uint32_t(u16(be ? at + 2 : at)); };
    const size_t dir = p.noteAt - 6 + 8;
    for (int i = 0, n = u16(dir); i < n; ++i) {
        const size_t e = dir + 2 + 12 * size_t(i);
        if (u16(e) == 0x0280) {
            const uint32_t count = u32(e + 4), off = u32(e + 8);
            if (off + count <= seg.size() - 6) p.bytes.assign(tiff + off, tiff + off + count);
        }
    }
    return p;
}

size_t Find(const Bytes& hay, const Bytes& needle) {
    auto it = std::search(hay.begin(), hay.end(), needle.begin(), needle.end());
    return it == hay.end() ? std::string::npos : size_t(it - hay.begin());
}

Image DecodeThumbnail(const Bytes& j) {
    JpegDecodeOptions o;
    o.applyExifOrientation = false;
    return DecodeJpeg(j.data(), j.size(), nullptr, o);
}

// A little-endian block's directory entries, for the hostile edits below.
struct Block {
    Bytes& seg;
    uint8_t* t() { return seg.data() + 6; }
    uint32_t u32(size_t at) { return uint32_t(t()[at]) | uint32_t(t()[at + 1]) << 8 | uint32_t(t()[at + 2]) << 16 | uint32_t(t()[at + 3]) << 24; }
    uint16_t u16(size_t at) { return uint16_t(t()[at] | t()[at + 1] << 8); }
    void put32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) t()[at + i] = uint8_t(v >> (8 * i));
    }
    size_t ifd0() { return u32(4); }
    size_t next(size_t dir) { return dir + 2 + 12 * size_t(u16(dir)); }
    size_t entry(size_t dir, uint16_t tag) {
        for (size_t i = 0; i < u16(dir); ++i)
            if (u16(dir + 2 + 12 * i) == tag) return dir + 2 + 12 * i;
        ADD_FAILURE() << "no tag " << tag;
        return 0;
    }
    size_t exifDir() { return u32(entry(ifd0(), 0x8769) + 8); }
    size_t ifd1() { return u32(next(ifd0())); }
};

// Encodes a photo with the segments and decodes it upright again.
LoadedPicture RoundTrip(const Image& img, const JpegMetadata& meta) {
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
        LoadedPicture stored = Load(name, false), up = Load(name, true);
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
    LoadedPicture up = Load("camera_o6.jpg", true);
    LoadedPicture again = RoundTrip(up.image, up.metadata);
    EXPECT_EQ(again.image.width(), up.image.width());
    EXPECT_EQ(ExifOf(again.metadata), ExifOf(up.metadata));
    EXPECT_LT(Compare(again.image, up.image).mean, 3.0);
}

TEST(CodecExif, SavedPhotoRecordsItsOwnPixelSize) {
    LoadedPicture pic = Load("camera_o1.jpg", true);
    const Bytes before = ExifOf(pic.metadata);
    LoadedPicture resized = RoundTrip(Gradient(50, 30), pic.metadata);
    const Bytes& after = ExifOf(resized.metadata);
    ExifRead is(after);
    EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), 50);
    EXPECT_EQ(is.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), 30);
    ASSERT_EQ(after.size(), before.size());
    int changed = 0;
    for (size_t i = 0; i < before.size(); ++i) changed += before[i] != after[i];
    EXPECT_LE(changed, 2);  // the low bytes of two numbers
    EXPECT_EQ(PreviewOf(after).bytes, PreviewOf(before).bytes);
    // The caller's segments are not changed by saving.
    EXPECT_EQ(ExifOf(pic.metadata), before);
}

TEST(CodecExif, BlocksThatCannotBeWalkedSafelyAreKeptAsTheyCame) {
    for (const char* name : {"camera_loop.jpg", "camera_oob.jpg"}) {
        SCOPED_TRACE(name);
        LoadedPicture stored = Load(name, false), up = Load(name, true);
        EXPECT_EQ(up.image, stored.image);  // not turned: the tag still says how
        EXPECT_EQ(ExifOf(up.metadata), ExifOf(stored.metadata));
        EXPECT_EQ(ExifOrientation(up.metadata), 0);
        LoadedPicture saved = RoundTrip(up.image, up.metadata);
        EXPECT_EQ(ExifOf(saved.metadata), ExifOf(stored.metadata));
    }
}

TEST(CodecExif, HostileLinksAndOffsetsLeaveTheBlockAlone) {
    LoadedPicture stored = Load("camera_o6.jpg", false);  // little-endian
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
        JpegMetadata meta;
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
    LoadedPicture stored = Load("camera_o6.jpg", false);
    Bytes seg = ExifOf(stored.metadata);
    const Bytes thumb = ExifRead(seg).thumbnail();
    const size_t at = Find(seg, thumb);
    ASSERT_NE(at, std::string::npos);
    std::fill(seg.begin() + long(at) + 2, seg.begin() + long(at + thumb.size()), 0);  // no longer a picture
    JpegMetadata meta;
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
    ExifData* ed = exif_data_new();
    exif_data_set_byte_order(ed, EXIF_BYTE_ORDER_MOTOROLA);
    ExifEntry* e = exif_entry_new();
    exif_content_add_entry(ed->ifd[EXIF_IFD_0], e);
    exif_entry_initialize(e, EXIF_TAG_ORIENTATION);
    exif_set_short(e->data, EXIF_BYTE_ORDER_MOTOROLA, 8);
    exif_entry_unref(e);
    Image noisy(48, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x) noisy.setPixel(x, y, uint8_t(x * 37 ^ y * 91), uint8_t(x * y), uint8_t(x + y * 5));
    JpegEncodeOptions small;
    small.quality = 10;
    small.compact = true;
    Bytes thumb = EncodeJpeg(noisy, small);
    ed->data = static_cast<unsigned char*>(malloc(thumb.size()));
    std::memcpy(ed->data, thumb.data(), thumb.size());
    ed->size = unsigned(thumb.size());
    unsigned char* d = nullptr;
    unsigned n = 0;
    exif_data_save_data(ed, &d, &n);
    Bytes seg(d, d + n);
    free(d);
    exif_data_unref(ed);
    ASSERT_EQ(Find(seg, thumb) + thumb.size(), seg.size());

    JpegMetadata meta;
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
    LoadedPicture stored = Load("camera_o6.jpg", false);
    const std::string xmp = std::string("http://ns.adobe.com/xap/1.0/") + '\0' +
                            "<x:xmpmeta><rdf:Description tiff:Orientation=\"6\" tiff:Make=\"X\"/>"
                            "<tiff:Orientation>6</tiff:Orientation><tiff:Orientation>16</tiff:Orientation></x:xmpmeta>";
    JpegMetadata meta = stored.metadata;
    meta.segments.push_back({kApp1, Bytes(xmp.begin(), xmp.end())});
    LoadedPicture up = RoundTrip(stored.image, meta);
    const Bytes& back = up.metadata.segments.back().data;
    std::string expected = xmp;
    expected.replace(expected.find("=\"6\""), 4, "=\"1\"");
    expected.replace(expected.find(">6<"), 3, ">1<");
    EXPECT_EQ(std::string(back.begin(), back.end()), expected);
}

namespace {

// Runs a command and returns its output lines; empty when it could not run.
std::vector<std::string> Lines(const std::string& command) {
    std::vector<std::string> out;
    FILE* p = popen(("timeout 60 " + command + " 2>/dev/null").c_str(), "r");
    if (!p) return out;
    std::string all;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) all.append(buf, n);
    pclose(p);
    std::istringstream in(all);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

}  // namespace

TEST(CodecExif, ExiftoolFindsNothingNewInWrittenCameraPhotos) {
    if (Lines("exiftool -ver").empty()) GTEST_SKIP() << "exiftool is not installed";
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

        const std::vector<std::string> was = Lines("exiftool -validate -warning -a -s3 " + Quote(original));
        const std::vector<std::string> is = Lines("exiftool -validate -warning -a -s3 " + Quote(written));
        ASSERT_FALSE(is.empty());
        const std::set<std::string> known(was.begin() + 1, was.end());  // after the summary line
        for (size_t i = 1; i < is.size(); ++i) EXPECT_TRUE(known.count(is[i])) << "new: " << is[i];
        EXPECT_EQ(Lines("exiftool -b -PreviewImage " + Quote(written) + " | md5sum"),
                  Lines("exiftool -b -PreviewImage " + Quote(original) + " | md5sum"));
        for (const std::string& v : Lines("exiftool -n -a -s3 -Orientation " + Quote(written))) EXPECT_EQ(v, "1");
    }
    fs::remove_all(dir);
}
