// SPDX-License-Identifier: GPL-3.0-or-later
// The HEIF, PNG, WebP and TIFF readers against the samples the files were made of (lossless
// formats) or the library's own decode (lossy ones), orientation and metadata included.
#include <gtest/gtest.h>

#include <string>

#include "CodecTestSupport.h"
#include "FormatMakers.h"
#include "image/Formats.h"
#include "image/FormatNames.h"

using namespace lum;
using namespace formats_test;

namespace {

Image Decode(const Bytes& file, PictureMetadata* meta = nullptr, DecodeReport* report = nullptr,
             FileFormat* format = nullptr) {
    return DecodePicture(file.data(), file.size(), format, meta, {}, report);
}

void ExpectSame(const Image& got, const Image& want) {
    const codec_test::Diff d = codec_test::Compare(got, want);
    EXPECT_EQ(d.max, 0) << "mean difference " << d.mean;
}

bool Carries(const PictureMetadata& meta, const std::string& text) {
    for (const JpegSegment& s : meta.segments)
        if (std::string(s.data.begin(), s.data.end()).find(text) != std::string::npos) return true;
    return false;
}

const Bytes kXmp = [] {
    const std::string x = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF/>lumora-xmp-mark</x:xmpmeta>";
    return Bytes(x.begin(), x.end());
}();

}  // namespace

TEST(FormatRead, PngEveryLayoutAsItsSamples) {
    for (int channels = 1; channels <= 4; ++channels)
        for (int bits : {8, 16})
            for (bool interlaced : {false, true}) {
                SCOPED_TRACE(std::to_string(channels) + " channels, " + std::to_string(bits) + " bits" +
                             (interlaced ? ", interlaced" : ""));
                const Samples s = Pattern(37, 23, channels, bits, static_cast<unsigned>(channels * bits));
                FileFormat f = FileFormat::Unknown;
                DecodeReport report;
                ExpectSame(Decode(MakePng(s, interlaced), nullptr, &report, &f), Expected(s));
                EXPECT_EQ(f, FileFormat::Png);
                EXPECT_FALSE(report.damaged());
            }
}

TEST(FormatRead, TiffLayoutsAsSamplesAndAsLibtiffReadsThem) {
    struct Case {
        const char* name;
        int channels, bits;
        TiffOptions o;
    };
    TiffOptions lzwTiled, separate, deflate, white, assoc, unspecified;
    lzwTiled.compression = COMPRESSION_LZW, lzwTiled.tiled = true;
    separate.separate = true;
    deflate.compression = COMPRESSION_ADOBE_DEFLATE;
    white.minIsWhite = true;
    assoc.alpha = EXTRASAMPLE_ASSOCALPHA;
    unspecified.alpha = EXTRASAMPLE_UNSPECIFIED;
    const Case cases[] = {
        {"rgb 8", 3, 8, {}},           {"rgb 16", 3, 16, {}},           {"rgba 8 lzw tiled", 4, 8, lzwTiled},
        {"rgba 16 tiled", 4, 16, lzwTiled}, {"grey 16", 1, 16, {}},     {"grey+alpha 16 deflate", 2, 16, deflate},
        {"rgb 8 planes", 3, 8, separate}, {"rgba 16 planes", 4, 16, separate}, {"grey 8 white is 0", 1, 8, white},
        {"rgba 8 premultiplied", 4, 8, assoc}, {"rgba 8 unspecified", 4, 8, unspecified},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Samples s = Pattern(45, 29, c.channels, c.bits, 7);
        const bool premultiplied = c.o.alpha != EXTRASAMPLE_UNASSALPHA && c.channels == 4;
        if (premultiplied)  // samples that make sense premultiplied: no colour above its alpha
            for (size_t i = 0; i < s.v.size(); i += 4)
                for (int k = 0; k < 3; ++k) s.v[i + k] = static_cast<uint16_t>(s.v[i + k] * s.v[i + 3] / 255);
        const Bytes file = MakeTiff(s, c.o);
        const Image got = Decode(file);
        if (c.bits == 8) ExpectSame(got, TiffOwnDecode(file));
        if (premultiplied) continue;
        Samples want = s;
        if (c.o.minIsWhite)
            for (uint16_t& v : want.v) v = static_cast<uint16_t>(255 - v);
        ExpectSame(got, Expected(want));
    }
}

TEST(FormatRead, WebpLosslessAsSamplesLossyAsLibwebp) {
    for (int channels : {3, 4}) {
        SCOPED_TRACE(channels);
        const Samples s = Pattern(40, 30, channels, 8, 3);
        ExpectSame(Decode(MakeWebp(s, true)), Expected(s));
        const Bytes lossy = MakeWebp(s, false);
        ExpectSame(Decode(lossy), WebpOwnDecode(lossy));
    }
}

TEST(FormatRead, HeicAsLibheifDecodesItWithItsTransformations) {
    for (int channels : {3, 4})
        for (int orientation : {1, 3, 6, 8}) {
            SCOPED_TRACE(std::to_string(channels) + " channels, orientation " + std::to_string(orientation));
            const Samples s = Pattern(64, 40, channels, 8, 5);
            const Bytes file = MakeHeic(s, 70, {}, orientation);
            PictureMetadata meta;
            FileFormat f = FileFormat::Unknown;
            const Image got = Decode(file, &meta, nullptr, &f);
            EXPECT_EQ(f, FileFormat::Heif);
            ExpectSame(got, HeifOwnDecode(file));
            // The library's decode as stored, turned by us (its alpha plane is turned even then).
            if (channels == 3) ExpectSame(got, OrientImage(HeifOwnDecode(file, true), orientation));
        }
}

TEST(FormatRead, OrientationAndMetadataOfEachFormat) {
    const Samples s = Pattern(30, 16, 3, 8, 9);
    const Bytes exif = ExifBlock("Lumora test camera", 6);
    const Extras extras{{}, exif, kXmp};
    TiffOptions turned;
    turned.orientation = 6;
    turned.extras.xmp = kXmp;
    struct Case {
        const char* name;
        Bytes file;
        Image upright;
    };
    const Bytes heic = MakeHeic(s, 90, extras, 6);
    const Bytes webp = MakeWebp(s, true, extras);
    const Case cases[] = {
        {"png", MakePng(s, false, extras), OrientImage(Expected(s), 6)},
        {"webp", webp, OrientImage(Expected(s), 6)},
        {"tiff", MakeTiff(s, turned), OrientImage(Expected(s), 6)},
        // Turned once by its own transformation, though its EXIF says the same.
        {"heic", heic, HeifOwnDecode(heic)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureMetadata meta;
        const Image got = Decode(c.file, &meta);
        ASSERT_EQ(got.width(), 16);
        ExpectSame(got, c.upright);
        EXPECT_TRUE(Carries(meta, "lumora-xmp-mark"));
        EXPECT_TRUE(Carries(meta, std::string(c.name) == "tiff" ? "Lumora test scanner" : "Lumora test camera"));
        EXPECT_EQ(ExifOrientation(meta), 1);
        // Through a JPEG file and back: the metadata as a JPEG photo's.
        JpegEncodeOptions enc;
        enc.metadata = &meta;
        const std::vector<uint8_t> jpeg = EncodeJpeg(got, enc);
        PictureMetadata again;
        const Image back = DecodeJpeg(jpeg.data(), jpeg.size(), &again);
        EXPECT_EQ(back.width(), 16);
        EXPECT_TRUE(Carries(again, "lumora-xmp-mark"));
        EXPECT_EQ(ExifOrientation(again), 1);
    }
}

TEST(FormatRead, NamesAndContent) {
    EXPECT_TRUE(HasPhotoExtension("/a/IMG_0001.HEIC"));
    EXPECT_TRUE(HasPhotoExtension("b.Tiff"));
    EXPECT_FALSE(HasPhotoExtension("c.bmp"));
    EXPECT_FALSE(HasPhotoExtension("/x.heic/plain"));
    EXPECT_FALSE(HasPhotoExtension(".png"));
    EXPECT_TRUE(HasReadOnlyExtension("d.WebP"));
    EXPECT_FALSE(HasReadOnlyExtension("d.jpeg"));
    EXPECT_EQ(JpegNameFor("/p/IMG_1.HEIC"), "/p/IMG_1.jpg");
    EXPECT_EQ(JpegNameFor("/p.d/scan"), "/p.d/scan.jpg");
    const Samples s = Pattern(8, 8, 3, 8);
    EXPECT_EQ(SniffFormat(MakeTiff(s).data(), 64), FileFormat::Tiff);
    EXPECT_EQ(SniffFormat(MakeWebp(s, true).data(), 64), FileFormat::WebP);
    const Bytes notHeif = {0, 0, 0, 24, 'f', 't', 'y', 'p', 'i', 's', 'o', 'm', 0, 0, 0, 0, 'm', 'p', '4', '1'};
    EXPECT_EQ(SniffFormat(notHeif.data(), notHeif.size()), FileFormat::Unknown);
}

TEST(FormatRead, HeicPreviewIsItsThumbnail) {
    const Samples s = Pattern(600, 400, 3, 8, 2);
    const Bytes with = MakeHeic(s, 60, {}, 6, 128), without = MakeHeic(s, 60, {}, 6);
    const auto percent = [](int, int) { return 25; };
    const JpegPreview p = DecodePicturePreview(with.data(), with.size(), percent);
    ASSERT_FALSE(p.image.empty());
    EXPECT_EQ(p.width, 400);  // the photo's upright size
    EXPECT_EQ(p.height, 600);
    EXPECT_LT(p.image.width(), p.image.height());
    EXPECT_LE(p.image.height(), 128);
    EXPECT_TRUE(DecodePicturePreview(without.data(), without.size(), percent).image.empty());
    const Bytes png = MakePng(s);
    EXPECT_TRUE(DecodePicturePreview(png.data(), png.size(), percent).image.empty());
}
