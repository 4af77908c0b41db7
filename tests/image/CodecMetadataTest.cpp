// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG metadata across load and save, and the EXIF orientation.
#include <libexif/exif-data.h>

#include <cstring>
#include <string>
#include <vector>

#include "CodecTestSupport.h"

using namespace lum;
using namespace codec_test;

namespace {

constexpr int kApp1 = 0xE1, kApp2 = 0xE2, kCom = 0xFE;

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

void AddAscii(ExifData* ed, ExifIfd ifd, ExifTag tag, const std::string& text) {
    ExifEntry* e = exif_entry_new();
    exif_content_add_entry(ed->ifd[ifd], e);
    e->tag = tag;
    e->format = EXIF_FORMAT_ASCII;
    e->components = text.size() + 1;
    e->size = static_cast<unsigned>(text.size() + 1);
    e->data = static_cast<unsigned char*>(calloc(1, e->size));  // libexif frees it
    std::memcpy(e->data, text.c_str(), text.size());
    exif_entry_unref(e);
}

void AddNumber(ExifData* ed, ExifIfd ifd, ExifTag tag, ExifFormat format, unsigned value) {
    ExifEntry* e = exif_entry_new();
    exif_content_add_entry(ed->ifd[ifd], e);
    exif_entry_initialize(e, tag);
    e->format = format;
    e->components = 1;
    e->size = exif_format_get_size(format);
    free(e->data);
    e->data = static_cast<unsigned char*>(calloc(1, e->size));
    ExifByteOrder bo = exif_data_get_byte_order(ed);
    if (format == EXIF_FORMAT_SHORT)
        exif_set_short(e->data, bo, static_cast<ExifShort>(value));
    else
        exif_set_long(e->data, bo, value);
    exif_entry_unref(e);
}

// An EXIF APP1 payload as a camera would write it.
std::vector<uint8_t> MakeExif(int orientation, ExifByteOrder order, int pixelW = 0, int pixelH = 0,
                              ExifFormat dimFormat = EXIF_FORMAT_LONG) {
    ExifData* ed = exif_data_new();
    exif_data_unset_option(ed, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_byte_order(ed, order);
    AddAscii(ed, EXIF_IFD_0, EXIF_TAG_MAKE, "LumoraCam");
    if (orientation) AddNumber(ed, EXIF_IFD_0, EXIF_TAG_ORIENTATION, EXIF_FORMAT_SHORT, unsigned(orientation));
    if (pixelW) {
        AddNumber(ed, EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION, dimFormat, unsigned(pixelW));
        AddNumber(ed, EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION, dimFormat, unsigned(pixelH));
    }
    unsigned char* d = nullptr;
    unsigned int n = 0;
    exif_data_save_data(ed, &d, &n);
    std::vector<uint8_t> out(d, d + n);
    free(d);
    exif_data_unref(ed);
    return out;
}

struct ExifView {
    ExifData* ed;
    explicit ExifView(const std::vector<uint8_t>& b) : ed(exif_data_new_from_data(b.data(), unsigned(b.size()))) {}
    ~ExifView() { exif_data_unref(ed); }
    ExifEntry* entry(ExifIfd ifd, ExifTag tag) const { return exif_content_get_entry(ed->ifd[ifd], tag); }
    unsigned number(ExifIfd ifd, ExifTag tag) const {
        ExifEntry* e = entry(ifd, tag);
        if (!e) return 0;
        ExifByteOrder bo = exif_data_get_byte_order(ed);
        return e->format == EXIF_FORMAT_SHORT ? exif_get_short(e->data, bo) : exif_get_long(e->data, bo);
    }
    std::string text(ExifIfd ifd, ExifTag tag) const {
        ExifEntry* e = entry(ifd, tag);
        return e ? std::string(reinterpret_cast<const char*>(e->data)) : std::string();
    }
};

const JpegSegment* FindSegment(const PictureMetadata& m, int marker) {
    for (const JpegSegment& s : m.segments)
        if (s.marker == marker) return &s;
    return nullptr;
}

// 40 x 20, quadrants red (top left), green (top right), blue (bottom left), white (bottom right).
Image Quadrants() {
    Image img(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            bool right = x >= 20, bottom = y >= 10;
            if (!right && !bottom) img.setPixel(x, y, 255, 0, 0);
            if (right && !bottom) img.setPixel(x, y, 0, 255, 0);
            if (!right && bottom) img.setPixel(x, y, 0, 0, 255);
            if (right && bottom) img.setPixel(x, y, 255, 255, 255);
        }
    return img;
}

enum Corner { TL, TR, BL, BR };
const char* kCornerName[] = {"top left", "top right", "bottom left", "bottom right"};
const uint8_t kQuadrantRgb[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

// Where the stored corners TL, TR, BL, BR must appear for each EXIF orientation, read off the
// tag's definition ("row 0 is the visual ..., column 0 is the visual ...").
const Corner kCornerMap[9][4] = {
    {TL, TR, BL, BR},  // unused
    {TL, TR, BL, BR},  // 1 top, left
    {TR, TL, BR, BL},  // 2 top, right
    {BR, BL, TR, TL},  // 3 bottom, right
    {BL, BR, TL, TR},  // 4 bottom, left
    {TL, BL, TR, BR},  // 5 left, top
    {TR, BR, TL, BL},  // 6 right, top
    {BR, TR, BL, TL},  // 7 right, bottom
    {BL, TL, BR, TR},  // 8 left, bottom
};

const uint8_t* QuadrantCentre(const Image& img, Corner c) {
    int x = (c == TR || c == BR) ? img.width() * 3 / 4 : img.width() / 4;
    int y = (c == BL || c == BR) ? img.height() * 3 / 4 : img.height() / 4;
    return img.pixel(x, y);
}

void ExpectUpright(const Image& img, int orientation, int tolerance) {
    for (int stored = 0; stored < 4; ++stored) {
        Corner at = kCornerMap[orientation][stored];
        const uint8_t* p = QuadrantCentre(img, at);
        SCOPED_TRACE(std::string("orientation ") + std::to_string(orientation) + ", stored " +
                     kCornerName[stored] + " expected at " + kCornerName[at]);
        EXPECT_NEAR(p[2], kQuadrantRgb[stored][0], tolerance);
        EXPECT_NEAR(p[1], kQuadrantRgb[stored][1], tolerance);
        EXPECT_NEAR(p[0], kQuadrantRgb[stored][2], tolerance);
    }
}

}  // namespace

TEST(CodecMetadata, SegmentsSurviveSaveAndLoadInOrder) {
    PictureMetadata meta;
    meta.segments.push_back({kApp1, MakeExif(1, EXIF_BYTE_ORDER_INTEL)});
    meta.segments.push_back({kApp1, Bytes(std::string("http://ns.adobe.com/xap/1.0/") + '\0' + "<x:xmpmeta/>")});
    std::vector<uint8_t> icc = Bytes(std::string("ICC_PROFILE") + '\0' + "\x01\x01" + "profile bytes");
    meta.segments.push_back({kApp2, icc});
    meta.segments.push_back({kCom, Bytes("A family photo")});
    // Written by the library itself or wrong for our output: never copied.
    meta.segments.push_back({0xE0, Bytes(std::string("JFIF") + '\0' + "\x01\x02")});
    meta.segments.push_back({0xEE, Bytes("Adobe\x00\x64")});
    // Too long for one segment: skipped rather than failing the save.
    meta.segments.push_back({0xE5, std::vector<uint8_t>(70000, 7)});

    std::vector<uint8_t> j = EncodeJpeg(Gradient(32, 24), {90, false, &meta});
    PictureMetadata back;
    Image img = DecodeJpeg(j.data(), j.size(), &back);
    EXPECT_EQ(img.width(), 32);
    ASSERT_EQ(back.segments.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(back.segments[i].marker, meta.segments[i].marker) << i;
        EXPECT_EQ(back.segments[i].data, meta.segments[i].data) << i;
    }
    // One JFIF header, from the library, and no Adobe segment.
    int app0 = 0;
    for (size_t i = 2; i + 1 < j.size() && !(j[i] == 0xFF && j[i + 1] == 0xDA); ++i) app0 += j[i] == 0xFF && j[i + 1] == 0xE0;
    EXPECT_EQ(app0, 1);
    EXPECT_EQ(FindMarker(j, 0xEE), std::string::npos);
}

TEST(CodecMetadata, PhotoExifIsReadAndKept) {
    std::vector<uint8_t> bytes = ReadFileBytes(DataPath("photos/hubble_deep_field.jpg"));
    LoadedPicture pic = LoadPictureFromMemory(bytes.data(), bytes.size());
    EXPECT_EQ(pic.format, FileFormat::Jpeg);
    const JpegSegment* exif = FindSegment(pic.metadata, kApp1);
    ASSERT_NE(exif, nullptr);
    EXPECT_EQ(std::memcmp(exif->data.data(), "Exif\0\0", 6), 0);
    JpegEncodeOptions o;
    o.metadata = &pic.metadata;
    std::vector<uint8_t> j = EncodeJpeg(pic.image, o);
    PictureMetadata back;
    DecodeJpeg(j.data(), j.size(), &back);
    ASSERT_NE(FindSegment(back, kApp1), nullptr);
    EXPECT_EQ(FindSegment(back, kApp1)->data, exif->data);
}

TEST(CodecMetadata, OrientImageFollowsTheTagDefinition) {
    Image q = Quadrants();
    for (int o = 1; o <= 8; ++o) {
        Image r = OrientImage(q, o);
        EXPECT_EQ(r.width(), o >= 5 ? 20 : 40);
        EXPECT_EQ(r.height(), o >= 5 ? 40 : 20);
        ExpectUpright(r, o, 0);
    }
    EXPECT_EQ(OrientImage(q, 0), q);
    EXPECT_EQ(OrientImage(q, 9), q);
}

TEST(CodecMetadata, OrientImageTurnsEveryPixelExactly) {
    Image g(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) g.setPixel(x, y, uint8_t(x), uint8_t(y), uint8_t(x * 10 + y));
    // Mirrors, the half turn, transpose and transverse are their own inverses; 6 and 8 undo each other.
    for (int o : {2, 3, 4, 5, 7}) EXPECT_EQ(OrientImage(OrientImage(g, o), o), g) << o;
    EXPECT_EQ(OrientImage(OrientImage(g, 6), 8), g);
    EXPECT_EQ(OrientImage(OrientImage(g, 3), 3), g);
    EXPECT_EQ(OrientImage(OrientImage(g, 6), 6), OrientImage(g, 3));
    // A clockwise quarter: the stored left column becomes the top row, read bottom to top.
    Image r = OrientImage(g, 6);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(r.pixel(x, 0)[1], 4 - x);
    for (int y = 0; y < 7; ++y) EXPECT_EQ(r.pixel(4, y)[2], y);
    // A large picture goes through the tiled, banded path.
    Image big = Gradient(301, 157);
    EXPECT_EQ(OrientImage(OrientImage(big, 8), 6), big);
    EXPECT_EQ(OrientImage(OrientImage(big, 7), 7), big);
}

TEST(CodecMetadata, ExifOrientationIsAppliedAndResetToOne) {
    const Image q = Quadrants();
    for (int o : {3, 6, 8, 2, 5, 7, 4}) {
        for (ExifByteOrder order : {EXIF_BYTE_ORDER_INTEL, EXIF_BYTE_ORDER_MOTOROLA}) {
            SCOPED_TRACE("orientation " + std::to_string(o) + (order == EXIF_BYTE_ORDER_INTEL ? " II" : " MM"));
            PictureMetadata meta;
            meta.segments.push_back({kCom, Bytes("before")});
            meta.segments.push_back({kApp1, MakeExif(o, order, 40, 20)});
            std::vector<uint8_t> j = EncodeJpeg(q, {100, false, &meta});

            PictureMetadata stored;
            DecodeOptions keep;
            keep.applyExifOrientation = false;
            Image asStored = DecodeJpeg(j.data(), j.size(), &stored, keep);
            EXPECT_EQ(asStored.width(), 40);
            EXPECT_EQ(ExifOrientation(stored), o);

            PictureMetadata upright;
            Image img = DecodeJpeg(j.data(), j.size(), &upright);
            ExpectUpright(img, o, 40);
            EXPECT_EQ(img, OrientImage(asStored, o));
            EXPECT_EQ(ExifOrientation(upright), 1);
            ASSERT_EQ(upright.segments.size(), 2u);
            EXPECT_EQ(upright.segments[0].data, Bytes("before"));

            ExifView v(upright.segments[1].data);
            EXPECT_EQ(v.text(EXIF_IFD_0, EXIF_TAG_MAKE), "LumoraCam");
            EXPECT_EQ(exif_data_get_byte_order(v.ed), order);
            EXPECT_EQ(v.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), unsigned(img.width()));
            EXPECT_EQ(v.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), unsigned(img.height()));

            // Saved again and reopened, it stays upright.
            std::vector<uint8_t> again = EncodeJpeg(img, {100, false, &upright});
            Image reopened = DecodeJpeg(again.data(), again.size());
            EXPECT_EQ(reopened.width(), img.width());
            ExpectUpright(reopened, o, 40);
        }
    }
}

TEST(CodecMetadata, ShortPixelDimensionsAreSwappedToo) {
    PictureMetadata meta;
    meta.segments.push_back({kApp1, MakeExif(6, EXIF_BYTE_ORDER_INTEL, 40, 20, EXIF_FORMAT_SHORT)});
    std::vector<uint8_t> j = EncodeJpeg(Quadrants(), {95, false, &meta});
    PictureMetadata back;
    Image img = DecodeJpeg(j.data(), j.size(), &back);
    EXPECT_EQ(img.width(), 20);
    ExifView v(back.segments.at(0).data);
    EXPECT_EQ(v.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), 20u);
    EXPECT_EQ(v.number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), 40u);
}

TEST(CodecMetadata, NoOrOrdinaryOrientationChangesNothing) {
    for (int o : {0, 1}) {
        PictureMetadata meta;
        meta.segments.push_back({kApp1, MakeExif(o, EXIF_BYTE_ORDER_INTEL)});
        std::vector<uint8_t> j = EncodeJpeg(Quadrants(), {95, false, &meta});
        PictureMetadata back;
        Image img = DecodeJpeg(j.data(), j.size(), &back);
        EXPECT_EQ(img.width(), 40);
        EXPECT_EQ(back.segments.at(0).data, meta.segments[0].data);  // not even rewritten
        EXPECT_EQ(ExifOrientation(back), o);
    }
}

TEST(CodecMetadata, BrokenExifIsKeptAsIsAndNothingTurns) {
    std::vector<uint8_t> good = MakeExif(6, EXIF_BYTE_ORDER_INTEL, 40, 20);
    std::vector<std::vector<uint8_t>> broken = {
        Bytes(std::string("Exif") + '\0' + '\0'),                              // header only
        Bytes(std::string("Exif") + '\0' + '\0' + "II*\0garbage"),             // lying IFD offset
        Bytes(std::string("Exif") + '\0' + '\0' + "XX*\0\x08\0\0\0\x01\0"),    // bad byte order
        std::vector<uint8_t>(good.begin(), good.begin() + 20),                 // cut short
    };
    for (const auto& exif : broken) {
        PictureMetadata meta;
        meta.segments.push_back({kApp1, exif});
        std::vector<uint8_t> j = EncodeJpeg(Quadrants(), {95, false, &meta});
        PictureMetadata back;
        Image img = DecodeJpeg(j.data(), j.size(), &back);
        EXPECT_EQ(img.width(), 40);
        ASSERT_EQ(back.segments.size(), 1u);
        EXPECT_EQ(back.segments[0].data, exif);
    }
}

TEST(CodecMetadata, ExifWithLyingCountsIsReadAsFarAsItGoes) {
    std::vector<uint8_t> good = MakeExif(6, EXIF_BYTE_ORDER_INTEL, 40, 20);
    // IFD0 entry count claiming 65535 entries, and one claiming a value far past the end.
    std::vector<uint8_t> count = good, offset = good;
    count[6 + 8] = 0xFF, count[6 + 9] = 0xFF;
    for (size_t i = 6 + 10; i + 12 <= offset.size(); i += 12) offset[i + 8] = offset[i + 9] = 0xFF;
    for (const auto& exif : {count, offset}) {
        PictureMetadata meta;
        meta.segments.push_back({kApp1, exif});
        std::vector<uint8_t> j = EncodeJpeg(Quadrants(), {95, false, &meta});
        PictureMetadata back;
        Image img = DecodeJpeg(j.data(), j.size(), &back);
        ASSERT_EQ(back.segments.size(), 1u);
        // Turned and marked upright, or left alone with the block untouched.
        if (img.width() == 20)
            EXPECT_EQ(ExifOrientation(back), 1);
        else
            EXPECT_EQ(back.segments[0].data, exif);
    }
}

TEST(CodecMetadata, OnlyTheFirstExifSegmentCounts) {
    PictureMetadata meta;
    meta.segments.push_back({kApp1, Bytes(std::string("http://ns.adobe.com/xap/1.0/") + '\0' + "<x/>")});
    meta.segments.push_back({kApp1, MakeExif(8, EXIF_BYTE_ORDER_INTEL)});
    meta.segments.push_back({kApp1, MakeExif(3, EXIF_BYTE_ORDER_INTEL)});
    EXPECT_EQ(ExifOrientation(meta), 8);
    std::vector<uint8_t> j = EncodeJpeg(Quadrants(), {95, false, &meta});
    PictureMetadata back;
    Image img = DecodeJpeg(j.data(), j.size(), &back);
    EXPECT_EQ(img.width(), 20);
    ExpectUpright(img, 8, 40);
    EXPECT_EQ(back.segments.at(2).data, meta.segments[2].data);
}
