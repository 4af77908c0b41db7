// SPDX-License-Identifier: GPL-3.0-or-later
// The print size (pixel density): read from the JFIF header, else from the EXIF resolution,
// written back into JPEG and BMP files.
#include "ExifTestSupport.h"
#include "image/CodecInternal.h"

using namespace lum;
using namespace codec_test;

namespace {

// An EXIF block (libexif, big-endian) with a resolution; unit 0 leaves the unit out.
Bytes ResolutionBlock(ExifRational x, ExifRational y, int unit, int orientation = 1) {
    ExifData* ed = exif_data_new();
    exif_data_set_byte_order(ed, EXIF_BYTE_ORDER_MOTOROLA);
    auto add = [&](ExifTag tag) {
        ExifEntry* e = exif_entry_new();
        exif_content_add_entry(ed->ifd[EXIF_IFD_0], e);
        exif_entry_initialize(e, tag);
        exif_entry_unref(e);  // the directory holds it
        return e;
    };
    exif_set_rational(add(EXIF_TAG_X_RESOLUTION)->data, EXIF_BYTE_ORDER_MOTOROLA, x);
    exif_set_rational(add(EXIF_TAG_Y_RESOLUTION)->data, EXIF_BYTE_ORDER_MOTOROLA, y);
    if (unit) exif_set_short(add(EXIF_TAG_RESOLUTION_UNIT)->data, EXIF_BYTE_ORDER_MOTOROLA, ExifShort(unit));
    exif_set_short(add(EXIF_TAG_ORIENTATION)->data, EXIF_BYTE_ORDER_MOTOROLA, ExifShort(orientation));
    unsigned char* d = nullptr;
    unsigned n = 0;
    exif_data_save_data(ed, &d, &n);
    Bytes seg(d, d + n);
    free(d);
    exif_data_unref(ed);
    return seg;
}

// A JPEG of img written with the given density and EXIF block, read back.
LoadedPicture RoundTrip(const Image& img, PixelDensity density, const Bytes& exif = {}) {
    PictureMetadata meta;
    if (!exif.empty()) meta.segments.push_back({kApp1, exif});
    JpegEncodeOptions o;
    o.metadata = &meta;
    o.density = density;
    const Bytes j = EncodeJpeg(img, o);
    return LoadPictureFromMemory(j.data(), j.size());
}

PixelDensity D(PixelDensity::Unit unit, uint16_t x, uint16_t y) {
    PixelDensity d;
    d.unit = unit, d.x = x, d.y = y;
    return d;
}

}  // namespace

TEST(CodecDensity, JfifFirstThenTheExifResolution) {
    const Image img = Gradient(24, 16);
    const PixelDensity cm28 = D(PixelDensity::PerCm, 28, 28);
    EXPECT_EQ(RoundTrip(img, cm28).metadata.density, cm28);
    EXPECT_EQ(RoundTrip(img, D(PixelDensity::NoUnit, 2, 1)).metadata.density, D(PixelDensity::NoUnit, 2, 1));
    // The library's own header (no unit, 1 x 1) with a resolution in the EXIF block: that one.
    EXPECT_EQ(RoundTrip(img, {}, ResolutionBlock({300, 1}, {150, 1}, 2)).metadata.density,
              D(PixelDensity::PerInch, 300, 150));
    EXPECT_EQ(RoundTrip(img, {}, ResolutionBlock({2835, 100}, {2835, 100}, 3)).metadata.density,
              D(PixelDensity::PerCm, 28, 28));  // 28.35 per cm, as near as the header goes
    EXPECT_EQ(RoundTrip(img, {}, ResolutionBlock({96, 1}, {96, 1}, 0)).metadata.density,
              D(PixelDensity::PerInch, 96, 96));  // no unit given: inches
    // A header with a unit wins over the block.
    EXPECT_EQ(RoundTrip(img, cm28, ResolutionBlock({300, 1}, {300, 1}, 2)).metadata.density, cm28);
    // What cannot be a resolution is no print size.
    for (const Bytes& bad : {ResolutionBlock({300, 0}, {300, 1}, 2), ResolutionBlock({300, 1}, {300, 1}, 1),
                             ResolutionBlock({0, 1}, {300, 1}, 2), ResolutionBlock({70000, 1}, {300, 1}, 2)})
        EXPECT_EQ(RoundTrip(img, {}, bad).metadata.density, D(PixelDensity::NoUnit, 1, 1));
    // Turned upright at load (orientation 6), the sides of the density turn too.
    const LoadedPicture turned = RoundTrip(img, D(PixelDensity::PerInch, 300, 150), ResolutionBlock({1, 1}, {1, 1}, 2, 6));
    EXPECT_EQ(turned.image.width(), 16);
    EXPECT_EQ(turned.metadata.density, D(PixelDensity::PerInch, 150, 300));
}

TEST(CodecDensity, BmpKeepsItAsPixelsPerMetre) {
    const Image img = Gradient(6, 4);
    struct Case {
        PixelDensity written;
        uint32_t perMetreX, perMetreY;
        PixelDensity read;  // what comes back
    };
    const Case cases[] = {
        {D(PixelDensity::PerInch, 72, 72), 2835, 2835, D(PixelDensity::PerInch, 72, 72)},
        {D(PixelDensity::PerInch, 300, 150), 11811, 5906, D(PixelDensity::PerInch, 300, 150)},
        {D(PixelDensity::PerCm, 28, 40), 2800, 4000, D(PixelDensity::PerCm, 28, 40)},
        {D(PixelDensity::NoUnit, 2, 1), 2835, 2835, D(PixelDensity::PerInch, 72, 72)},  // no unit to say
        {PixelDensity(), 2835, 2835, D(PixelDensity::PerInch, 72, 72)},
    };
    for (const Case& c : cases) {
        const Bytes b = EncodeBmp(img, &c.written);
        auto u32 = [&](size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24; };
        EXPECT_EQ(u32(38), c.perMetreX);
        EXPECT_EQ(u32(42), c.perMetreY);
        PixelDensity back;
        EXPECT_EQ(DecodeBmp(b.data(), b.size(), &back), img);
        EXPECT_EQ(back, c.read);
    }
    // A header saying nothing: nothing known.
    Bytes none = EncodeBmp(img);
    std::fill(none.begin() + 38, none.begin() + 46, 0);
    PixelDensity back = D(PixelDensity::PerInch, 1, 1);
    DecodeBmp(none.data(), none.size(), &back);
    EXPECT_FALSE(back.known());
}
