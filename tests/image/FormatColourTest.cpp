// SPDX-License-Identifier: GPL-3.0-or-later
// Embedded colour profiles: converted to sRGB in every format, checked against LittleCMS in
// double precision and against transicc; sRGB and no profile decode exactly as before; a broken
// profile is ignored with one note.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "CodecTestSupport.h"
#include "FormatMakers.h"
#include "image/ColourProfile.h"
#include "image/Formats.h"
#include "image/PhotoNotice.h"

using namespace lum;
using namespace formats_test;

namespace {

// A 16 x 16 picture: pure red on the left, mid grey and a dark blue on the right.
Samples Patches() {
    Samples s{16, 16, 3, 8, {}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint16_t red[3] = {255, 0, 0}, grey[3] = {128, 128, 128}, blue[3] = {20, 40, 160};
            const uint16_t* p = x < 8 ? red : y < 8 ? grey : blue;
            s.v.insert(s.v.end(), p, p + 3);
        }
    return s;
}

// LittleCMS in double precision, perceptual, unclipped until the end.
class Reference {
public:
    explicit Reference(const Bytes& icc)
        : src_(cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size()))),
          dst_(cmsCreate_sRGBProfile()),
          t_(cmsCreateTransform(src_, TYPE_RGB_DBL, dst_, TYPE_RGB_DBL, INTENT_PERCEPTUAL, 0)) {}
    ~Reference() {
        cmsDeleteTransform(t_);
        cmsCloseProfile(src_);
        cmsCloseProfile(dst_);
    }
    void operator()(const uint8_t in[3], int out[3]) const {
        const double rgb[3] = {in[0] / 255.0, in[1] / 255.0, in[2] / 255.0};
        double res[3];
        cmsDoTransform(t_, rgb, res, 1);
        for (int c = 0; c < 3; ++c) out[c] = static_cast<int>(std::lround(std::clamp(res[c], 0.0, 1.0) * 255));
    }

private:
    cmsHPROFILE src_, dst_;
    cmsHTRANSFORM t_;
};

// The same through the transicc tool, when it is installed; false when it is not.
bool Transicc(const Bytes& icc, const uint8_t in[3], int out[3]) {
    const std::string path = "/tmp/lumora-p3-" + std::to_string(getpid()) + ".icc";
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(icc.data(), 1, icc.size(), f);
    std::fclose(f);
    const std::string cmd = "echo " + std::to_string(in[0]) + " " + std::to_string(in[1]) + " " +
                            std::to_string(in[2]) + " | transicc -t0 -n -i " + path + " -o '*sRGB' 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    double r = -1, g = -1, b = -1;
    const bool ok = p && std::fscanf(p, "%lf %lf %lf", &r, &g, &b) == 3;
    if (p) pclose(p);
    std::remove(path.c_str());
    if (!ok) return false;
    out[0] = static_cast<int>(std::lround(std::clamp(r, 0.0, 255.0)));
    out[1] = static_cast<int>(std::lround(std::clamp(g, 0.0, 255.0)));
    out[2] = static_cast<int>(std::lround(std::clamp(b, 0.0, 255.0)));
    return true;
}

Bytes JpegWithProfile(const Image& img, const Bytes& icc) {
    PictureMetadata meta;
    AddProfileToMetadata(meta, icc);
    JpegEncodeOptions o;
    o.quality = 100;
    o.metadata = &meta;
    return EncodeJpeg(img, o);
}

bool HasProfile(const PictureMetadata& meta) {
    std::vector<uint8_t> icc;
    return ProfileOfMetadata(meta, icc) && !icc.empty();
}

}  // namespace

TEST(FormatColour, DisplayP3RedBecomesWhatLittleCmsAndTransiccSay) {
    const Samples s = Patches();
    const Bytes p3 = DisplayP3Profile();
    Extras extras;
    extras.icc = p3;
    TiffOptions tiff;
    tiff.extras = extras;
    struct Case {
        const char* name;
        Bytes file;
    };
    const Case cases[] = {{"png", MakePng(s, false, extras)}, {"tiff", MakeTiff(s, tiff)},
                          {"webp", MakeWebp(s, true, extras)}};
    const uint8_t red[3] = {255, 0, 0};
    const Reference p3ToSrgb(p3);
    int want[3], tool[3];
    p3ToSrgb(red, want);
    EXPECT_EQ(want[0], 255);  // P3 red lies outside sRGB: its red is at the top
    EXPECT_LT(want[1], 60);
    if (Transicc(p3, red, tool)) {
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(tool[c], want[c], 1) << "channel " << c;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureMetadata meta;
        const Image img = DecodePicture(c.file.data(), c.file.size(), nullptr, &meta);
        for (auto [x, y] : {std::pair{2, 3}, {12, 3}, {12, 12}}) {
            const uint8_t* px = img.pixel(x, y);
            const uint8_t in[3] = {static_cast<uint8_t>(s.at(x, y, 0)), static_cast<uint8_t>(s.at(x, y, 1)),
                                   static_cast<uint8_t>(s.at(x, y, 2))};
            int expect[3];
            p3ToSrgb(in, expect);
            EXPECT_NEAR(px[2], expect[0], 1);
            EXPECT_NEAR(px[1], expect[1], 1);
            EXPECT_NEAR(px[0], expect[2], 1);
        }
        EXPECT_FALSE(HasProfile(meta)) << "a converted photo carries no profile";
    }
}

TEST(FormatColour, LossyFormatsConvertWhatTheLibraryDecodes) {
    const Samples s = Pattern(48, 32, 3, 8, 4);
    const Bytes adobe = AdobeRgbProfile();
    Extras extras;
    extras.icc = adobe;
    const Bytes heic = MakeHeic(s, 80, extras), webp = MakeWebp(s, false, extras);
    const Bytes jpeg = JpegWithProfile(Expected(s), adobe);
    Extras numbers;  // Display P3 given by its primaries, as some phones write it
    numbers.primaries = heif_color_primaries_SMPTE_EG_432_1;
    const Bytes heicP3 = MakeHeic(s, 80, numbers);
    struct Case {
        const char* name;
        Bytes file;
        Image own;
        Bytes icc;
    };
    const Case cases[] = {
        {"heic", heic, HeifOwnDecode(heic), adobe},
        {"heic nclx", heicP3, HeifOwnDecode(heicP3), DisplayP3Profile()},
        {"webp", webp, WebpOwnDecode(webp), adobe},
        {"jpeg", jpeg, DecodeJpeg(jpeg.data(), jpeg.size()), adobe},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureMetadata meta;
        const Image got = DecodePicture(c.file.data(), c.file.size(), nullptr, &meta);
        EXPECT_FALSE(HasProfile(meta)) << "what is written from it is sRGB";
        const Reference toSrgb(c.icc);
        int worst = 0, changed = 0;
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x) {
                const uint8_t* own = c.own.pixel(x, y);
                const uint8_t in[3] = {own[2], own[1], own[0]};
                int expect[3];
                toSrgb(in, expect);
                for (int k = 0; k < 3; ++k) {
                    worst = std::max(worst, std::abs(got.pixel(x, y)[2 - k] - expect[k]));
                    changed += got.pixel(x, y)[2 - k] != own[2 - k];
                }
            }
        EXPECT_LE(worst, 1);
        EXPECT_GT(changed, 100);
    }
}

TEST(FormatColour, SrgbOrNoProfileDecodesAsBeforeAndBrokenIsIgnoredOnce) {
    const Samples s = Pattern(32, 24, 3, 8, 6);
    const Image plain = Expected(s);
    const Bytes broken = BrokenProfile();
    const Bytes jpegPlain = JpegWithProfile(plain, {});
    const Image jpegAsBefore = DecodeJpeg(jpegPlain.data(), jpegPlain.size());
    for (const Bytes& icc : {SrgbProfile(), broken}) {
        const bool isBroken = icc == broken;
        SCOPED_TRACE(isBroken ? "broken" : "sRGB");
        Extras extras;
        extras.icc = icc;
        const Bytes jpeg = JpegWithProfile(plain, icc);
        const std::pair<Bytes, Image> cases[] = {{MakePng(s, false, extras), plain},
                                                 {MakeWebp(s, true, extras), plain},
                                                 {jpeg, jpegAsBefore}};
        for (const auto& [file, want] : cases) {
            PictureMetadata meta;
            DecodeReport report;
            const Image got = DecodePicture(file.data(), file.size(), nullptr, &meta, {}, &report);
            EXPECT_TRUE(got == want);
            EXPECT_FALSE(report.damaged());
            ASSERT_EQ(report.notes.size(), isBroken ? 1u : 0u);
            const PhotoNotice n = NoticeForLoad("/photos/x", report);
            EXPECT_TRUE(n.mayReplaceOriginal());
            if (isBroken) {
                EXPECT_EQ(n.text, "/photos/x: its colour profile is damaged or unusable and was ignored");
            }
            // sRGB goes out with the photo; a JPEG's own segments always do.
            EXPECT_EQ(HasProfile(meta), !isBroken || SniffFormat(file.data(), 4) == FileFormat::Jpeg);
        }
    }
}
