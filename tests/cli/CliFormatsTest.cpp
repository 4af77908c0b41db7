// SPDX-License-Identifier: GPL-3.0-or-later
// HEIC, PNG, WebP and TIFF photos through `lumora apply` and `lumora optimize`: the pixels the
// libraries decode, JPEG results under .jpg names, originals never replaced by another format.
#include <gtest/gtest.h>

#include "../image/FormatMakers.h"
#include "CliTestUtil.h"
#include "cli/CliInternal.h"
#include "image/ColourProfile.h"
#include "image/FormatNames.h"
#include "image/Formats.h"

using namespace clitest;
using namespace formats_test;
using lum::Image;

namespace {

std::string Q(const fs::path& p) { return Quote(p.string()); }

struct FormatPhoto {
    std::string name;
    Bytes file;
    Image decoded;  // what the library itself makes of it
};

std::vector<FormatPhoto> FormatPhotos() {
    const Samples deep = Pattern(48, 36, 4, 16, 8), rgba = Pattern(48, 36, 4, 8, 9), rgb = Pattern(48, 36, 3, 8, 10);
    const Bytes heic = MakeHeic(rgb, 75), webp = MakeWebp(rgba, false), tiff = MakeTiff(rgba);
    return {{"deep.png", MakePng(deep), Expected(deep)},
            {"IMG_0001.HEIC", heic, HeifOwnDecode(heic)},
            {"web.webp", webp, WebpOwnDecode(webp)},
            {"scan.tif", tiff, TiffOwnDecode(tiff)}};
}

Image DecodeFile(const fs::path& p, lum::PictureMetadata* meta = nullptr) {
    const Bytes b = ReadBytes(p);
    return lum::DecodePicture(b.data(), b.size(), nullptr, meta);
}

}  // namespace

TEST(CliFormats, ApplyAndOptimizeGiveTheLibrariesPixels) {
    TempDir dir;
    fs::create_directory(dir / "in");
    const std::vector<FormatPhoto> photos = FormatPhotos();
    for (const FormatPhoto& p : photos) {
        SCOPED_TRACE(p.name);
        WriteBytes(dir / "in" / p.name, p.file);
        const Result r = Lumora("apply " + Q(dir / "in" / p.name) + " " + Q(dir / (p.name + ".bmp")));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(DecodeFile(dir / (p.name + ".bmp")) == p.decoded);
    }
    const Result r = Lumora("optimize -o " + Q(dir / "out") + " " + Q(dir / "in"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Names(dir / "out"), (std::set<std::string>{"IMG_0001.jpg", "deep.jpg", "scan.jpg", "web.jpg"}));
    for (const FormatPhoto& p : photos) {
        SCOPED_TRACE(p.name);
        Image want = p.decoded;
        lum::cli::OptimizeLean(want, lum::BalanceTargets());
        const std::vector<uint8_t> jpeg = lum::EncodeJpeg(want);
        EXPECT_TRUE(DecodeFile(dir / "out" / lum::JpegNameFor(p.name)) == lum::DecodeJpeg(jpeg.data(), jpeg.size()));
    }
}

TEST(CliFormats, InPlaceWritesAJpegBesideAndKeepsTheOriginal) {
    TempDir dir;
    const Bytes png = MakePng(Pattern(20, 10, 3, 8));
    WriteBytes(dir / "a.png", png);
    WriteBytes(dir / "b.png", png);
    WriteBytes(dir / "b.jpg", {'k', 'e', 'e', 'p'});  // not ours to replace
    WriteBytes(dir / "c.jpg", png);                   // a PNG under a JPEG name
    Result r = Lumora("optimize --in-place " + Q(dir / "a.png") + " " + Q(dir / "b.png") + " " + Q(dir / "c.jpg"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Lines(r.err), 3) << r.err;
    EXPECT_NE(r.err.find("a.png -> " + (dir / "a.jpg").string() + " (the original is kept"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("b.jpg already exists (use --overwrite"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("holds a PNG picture; not replaced"), std::string::npos) << r.err;
    for (const char* name : {"a.png", "b.png", "c.jpg"}) EXPECT_EQ(ReadBytes(dir / name), png) << name;
    EXPECT_EQ(ReadBytes(dir / "b.jpg"), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(DecodeFile(dir / "a.jpg").width(), 20);
    r = Lumora("optimize --in-place --overwrite " + Q(dir / "b.png"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(DecodeFile(dir / "b.jpg").width(), 20);
    // A damaged original is not replaced either way, so its JPEG beside it is written, with the notice.
    const Bytes whole = MakePng(Pattern(64, 64, 3, 8, 3));
    const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(whole.size() * 2 / 3));
    WriteBytes(dir / "cut.png", cut);
    r = Lumora("optimize --in-place " + Q(dir / "cut.png"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("cut.png is damaged: the lower part"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(dir / "cut.png"), cut);
    EXPECT_EQ(DecodeFile(dir / "cut.jpg").width(), 64);
    // apply never writes JPEG data under another format's name.
    r = Lumora("apply " + Q(dir / "a.png") + " " + Q(dir / "out.PNG"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("out.PNG"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out.PNG"));
}

TEST(CliFormats, MetadataGoesIntoTheJpegAndProfilesAreConverted) {
    TempDir dir;
    const Samples s = Pattern(40, 24, 3, 8, 11);
    const std::string xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'>cli-xmp-mark</x:xmpmeta>";
    Extras p3{DisplayP3Profile(), ExifBlock("Lumora phone", 6), Bytes(xmp.begin(), xmp.end())};
    Extras srgb{SrgbProfile(), ExifBlock("Lumora phone", 6), {}};
    WriteBytes(dir / "p3.heic", MakeHeic(s, 80, p3, 6));
    WriteBytes(dir / "srgb.png", MakePng(s, false, srgb));
    for (const char* name : {"p3.heic", "srgb.png"}) {
        SCOPED_TRACE(name);
        const Result r = Lumora("apply " + Q(dir / name) + " " + Q(dir / (std::string(name) + ".jpg")));
        ASSERT_EQ(r.status, 0) << r.err;
        const Bytes out = ReadBytes(dir / (std::string(name) + ".jpg"));
        lum::PictureMetadata meta;
        const Image img = lum::DecodeJpeg(out.data(), out.size(), &meta, {false});
        EXPECT_EQ(img.width(), 24);  // upright as stored: no turn left for a viewer
        EXPECT_EQ(lum::ExifOrientation(meta), 1);
        EXPECT_TRUE(Contains(out, "Lumora phone"));
        std::vector<uint8_t> icc;
        ASSERT_TRUE(lum::ProfileOfMetadata(meta, icc));
        const bool converted = std::string(name) == "p3.heic";
        EXPECT_EQ(icc.empty(), converted);
        EXPECT_EQ(Contains(out, "cli-xmp-mark"), converted);
    }
}
